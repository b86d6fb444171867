#include "edit/UndoHistory.h"

namespace td {

namespace {
const std::string NoName;
}

UndoHistory::UndoHistory(std::size_t budgetBytes, std::size_t maxSteps)
    : budget_(budgetBytes), maxSteps_(maxSteps) {}

void UndoHistory::Reset(const Track& track) {
    steps_.clear();
    done_ = 0;
    stepBytes_ = 0;
    mergeOpen_ = false;
    base_ = TakeSnapshot(track, nullptr);
    baseId_ = nextId_++;
    baseBytes_ = base_.TotalBytes();
}

const TrackSnapshot& UndoHistory::Current() const {
    return done_ == 0 ? base_ : steps_[done_ - 1].State;
}

bool UndoHistory::Matches(const Track& track) const {
    return SnapshotMatches(Current(), track);
}

bool UndoHistory::Record(const Track& track, const std::string& name, const Selection& before,
                         const Selection& after, const std::string& mergeKey) {
    if (Matches(track))
        return false;
    while (steps_.size() > done_) {
        stepBytes_ -= steps_.back().State.OwnBytes;
        steps_.pop_back();
    }
    const bool merge = mergeOpen_ && !mergeKey.empty() && done_ > 0 &&
                       steps_[done_ - 1].MergeKey == mergeKey;
    if (merge) {
        UndoStep& last = steps_[done_ - 1];
        const TrackSnapshot* prior = done_ >= 2 ? &steps_[done_ - 2].State : &base_;
        stepBytes_ -= last.State.OwnBytes;
        last.State = TakeSnapshot(track, prior);
        stepBytes_ += last.State.OwnBytes;
        last.After = after;
        last.Id = nextId_++;
        // Typing back to where the run began leaves no step behind.
        if (SnapshotMatches(*prior, track)) {
            stepBytes_ -= last.State.OwnBytes;
            steps_.pop_back();
            --done_;
            mergeOpen_ = false;
        }
        return true;
    }
    UndoStep step;
    step.Name = name;
    step.Before = before;
    step.After = after;
    step.State = TakeSnapshot(track, &Current());
    step.Id = nextId_++;
    step.MergeKey = mergeKey;
    stepBytes_ += step.State.OwnBytes;
    steps_.push_back(std::move(step));
    done_ = steps_.size();
    mergeOpen_ = !mergeKey.empty();
    Trim();
    return true;
}

void UndoHistory::Rebase(const Track& track, const Selection& sel) {
    mergeOpen_ = false;
    if (Matches(track))
        return;
    if (done_ == 0) {
        base_ = TakeSnapshot(track, &base_);
        baseBytes_ = base_.TotalBytes();
        return;
    }
    UndoStep& cur = steps_[done_ - 1];
    stepBytes_ -= cur.State.OwnBytes;
    cur.State = TakeSnapshot(track, &cur.State);
    stepBytes_ += cur.State.OwnBytes;
    cur.After = sel;
    Trim();
}

void UndoHistory::FollowLaneOrder(const std::vector<int>& order) {
    if (done_ < steps_.size())
        td::FollowLaneOrder(steps_[done_].Before, order);
}

void UndoHistory::Trim() {
    while (steps_.size() > maxSteps_ || (Bytes() > budget_ && steps_.size() > 1)) {
        if (done_ > 1) {
            // Drop the oldest step: its state becomes the base.
            UndoStep& first = steps_.front();
            base_ = std::move(first.State);
            baseId_ = first.Id;
            stepBytes_ -= base_.OwnBytes;
            baseBytes_ = base_.TotalBytes();
            steps_.pop_front();
            --done_;
        } else if (steps_.size() > done_) {
            stepBytes_ -= steps_.back().State.OwnBytes;
            steps_.pop_back();
        } else {
            break;
        }
    }
}

const std::string& UndoHistory::UndoName() const {
    return CanUndo() ? steps_[done_ - 1].Name : NoName;
}

const std::string& UndoHistory::RedoName() const {
    return CanRedo() ? steps_[done_].Name : NoName;
}

bool UndoHistory::Undo(Track& track, Selection& sel) {
    mergeOpen_ = false;
    if (!CanUndo())
        return false;
    const UndoStep& step = steps_[done_ - 1];
    --done_;
    RestoreSnapshot(Current(), track);
    sel = step.Before;
    return true;
}

bool UndoHistory::Redo(Track& track, Selection& sel) {
    mergeOpen_ = false;
    if (!CanRedo())
        return false;
    const UndoStep& step = steps_[done_];
    ++done_;
    RestoreSnapshot(step.State, track);
    sel = step.After;
    return true;
}

std::uint64_t UndoHistory::StateId() const {
    return done_ == 0 ? baseId_ : steps_[done_ - 1].Id;
}

std::size_t UndoHistory::Bytes() const {
    return baseBytes_ + stepBytes_;
}

} // namespace td
