#pragma once
// Fitting the main window to the screen it opens on, kept apart from Qt so
// that it can be checked without a window. All lengths are pixels (Qt's
// device-independent ones, so a scaled screen is simply a smaller one).

namespace td {

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// How far the window manager's frame reaches beyond the client area.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The window's own minimum on a screen whose free area is `extent` pixels
// long (0: no screen known): `minimum`, but never more than three quarters of
// the screen, so that a small or highly scaled screen still leaves the author
// room to make the window smaller.
int FittedMinimum(int minimum, int extent);

// The client rectangle a window placed at `wanted` takes on a screen whose
// free area is `screen`: no larger than that area less the frame, and moved
// so that the whole frame lies on it, title bar first. A stored placement
// from a larger screen or from a screen no longer there opens in view.
PixelRect FitToScreen(const PixelRect& wanted, const PixelRect& screen,
                      const FrameMargins& frame = {});

} // namespace td
