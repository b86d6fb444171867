#pragma once
// The undo history of the open track: a line of track states, each reached
// from the one before by one named step. States share unchanged lanes and
// polygons (TrackSnapshot), and the history drops its oldest steps when it
// grows past its memory budget or step limit.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "edit/TrackSnapshot.h"
#include "model/Selection.h"
#include "model/Track.h"

namespace td {

struct UndoStep {
    std::string Name;      // "Add Space", "Assign Segments", ...
    Selection Before;      // the selection when the step began
    Selection After;       // the selection when it ended
    TrackSnapshot State;   // the track after the step
    std::uint64_t Id = 0;  // names State for change detection
    std::string MergeKey;  // steps with equal non-empty keys in a row merge
};

class UndoHistory {
  public:
    static constexpr std::size_t DefaultBudget = 64u << 20;
    static constexpr std::size_t DefaultMaxSteps = 500;

    explicit UndoHistory(std::size_t budgetBytes = DefaultBudget,
                         std::size_t maxSteps = DefaultMaxSteps);

    // Forgets every step: `track` is the new starting state.
    void Reset(const Track& track);
    // True when `track` is the current state.
    bool Matches(const Track& track) const;
    // Records the change from the current state to `track` as one step; does
    // nothing and returns false when the track did not change. A step whose
    // non-empty `mergeKey` equals that of the step just recorded (with no
    // undo, redo or EndMerge since) is folded into it.
    bool Record(const Track& track, const std::string& name, const Selection& before,
                const Selection& after, const std::string& mergeKey = {});
    // Takes `track` as the current state without a step (a save that put the
    // lanes in their file order).
    void Rebase(const Track& track, const Selection& sel);
    // The lanes of the current state were put in `order` (entry `new` holds
    // the old index): the selection that undoing the next step would restore
    // onto that state follows them. (Rebase then takes the reordered track.)
    void FollowLaneOrder(const std::vector<int>& order);
    // The next Record starts a step of its own.
    void EndMerge() { mergeOpen_ = false; }

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    const std::string& UndoName() const;
    const std::string& RedoName() const;
    // Put the track and the selection back to before / after the step.
    bool Undo(Track& track, Selection& sel);
    bool Redo(Track& track, Selection& sel);

    // Names the current state: equal ids mean equal tracks.
    std::uint64_t StateId() const;
    std::size_t StepCount() const { return steps_.size(); }
    std::size_t UndoCount() const { return done_; }
    // Bytes the history holds (an upper bound: shared pieces may be counted
    // twice after the oldest steps were dropped).
    std::size_t Bytes() const;

  private:
    const TrackSnapshot& Current() const;
    void Trim();

    std::size_t budget_;
    std::size_t maxSteps_;
    TrackSnapshot base_;
    std::uint64_t baseId_ = 0;
    std::size_t baseBytes_ = 0;
    std::deque<UndoStep> steps_;
    std::size_t done_ = 0; // steps_[0, done_) are applied
    std::size_t stepBytes_ = 0;
    std::uint64_t nextId_ = 1;
    bool mergeOpen_ = false;
};

} // namespace td
