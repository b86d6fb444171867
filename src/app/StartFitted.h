#pragma once
// Opening a track fitted in the window (the editor's --fit).

namespace td {

class TD;

// Fits the track in view now, and again once the drawing area first shows
// at its real size (the window may open maximised, after a splash).
void StartFitted(TD& window);

} // namespace td
