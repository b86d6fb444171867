#pragma once
// An editor with a new track, driven by mouse commands at world points.

#include "EditorFixture.h"
#include "view/ViewTransform.h"

namespace td::test {

class GestureFixture : public EditorFixture {
  protected:
    // Drawing-area position of a world point.
    PointF At(float wx, float wy) const {
        return {WorldToScreenX(editor.view, wx), WorldToScreenY(editor.view, wy)};
    }
    void Mouse(CommandKind kind, PointF p, int button = 1, int shift = 0) {
        editor.Dispatch(Command::Mouse(kind, button, shift, p.x, p.y));
    }
    void Press(PointF p, int button = 1) { Mouse(CommandKind::MouseDown, p, button); }
    void Release(PointF p, int button = 1) { Mouse(CommandKind::MouseUp, p, button); }
    void Click(PointF p, int button = 1) {
        Press(p, button);
        Release(p, button);
    }
    void Hover(PointF p) { Mouse(CommandKind::MouseMove, p, 0); }
    void Drag(PointF p) { Mouse(CommandKind::MouseMove, p, 1); }
    void DoubleClick() { editor.Dispatch(Command::Make(CommandKind::DblClick)); }

    // Calls of the recording surface with this pen since the last Reset.
    std::vector<Call> Drawn(Op op, int penMode) const {
        std::vector<Call> out;
        for (const Call& c : surface.Of(op))
            if (c.penMode == penMode)
                out.push_back(c);
        return out;
    }
};

} // namespace td::test
