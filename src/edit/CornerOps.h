#pragma once
// Corner operations: the flag hit test, creating, moving and deleting a
// corner, and writing the properties dialog's texts into a corner. They work
// on the Track and the Selection only; the editor decides what to redraw.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/Selection.h"
#include "model/Track.h"
#include "view/ViewState.h"

namespace td {

// Index of the first corner (in list order) whose flag cloth holds the
// drawing-area point (x, y) strictly inside; -1 when none does.
int FlagHit(const Track& track, const ViewState& view, float x, float y);

// Appends a corner with an empty name and zero counts whose flag stands at
// the drawing-area point (x, y), unsnapped; it becomes the current corner.
// Returns its index.
int AddCornerAt(Track& track, Selection& sel, const ViewState& view, float x, float y);

// Moves the flag of corner `index` by whole world units; false when there is
// no such corner.
bool MoveCornerFlag(Track& track, int index, std::int16_t dx, std::int16_t dy);

// Removes the current corner; the later corners move down one place and the
// current index stays, so that it names the corner that followed. False when
// the current index names no corner.
bool DeleteCurrentCorner(Track& track, const Selection& sel);

// The current corner, or nullptr when the index names none.
const Corner* CurrentCorner(const Track& track, const Selection& sel);
Corner* CurrentCorner(Track& track, const Selection& sel);

// The four texts of the properties dialog, in box order: name, required
// stops, longest path, shortest path.
using CornerTexts = std::array<std::string, 4>;
CornerTexts CornerPropertyTexts(const Corner& corner);

// A box's text as a 16-bit count: decimal, surrounding blanks ignored, a
// fraction rounded to the nearest integer (halves to even). Nothing for text
// that is no number or whose value lies outside -32768..32767.
std::optional<std::int16_t> CornerCountFromText(const std::string& text);

// Writes the texts into the current corner, all or nothing. Returns the
// index (1..3) of the first count box whose text is not a valid count, 0
// when everything was written, -1 when there is no current corner.
int FillCornerArray(Track& track, const Selection& sel, const CornerTexts& texts);

// Captions of the dialog's boxes, index as in CornerTexts.
extern const std::array<const char*, 4> CornerPropCaptions;
extern const char* const CornerPropTitle;
// The refusal of a count box's text.
std::string CornerCountInvalidText(int box);
// The question before a corner is deleted.
extern const char* const DeleteCornerTitle;
std::string DeleteCornerText(const Corner& corner);

} // namespace td
