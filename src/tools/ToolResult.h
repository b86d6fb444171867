#pragma once
// What a track tool hands back to its caller: whether it changed the track
// and the message box the author is shown. The editor passes the message to
// Host::MessageBox; trktool prints its text.

#include <string>

#include "model/MessageKinds.h"

namespace td {

struct ToolMessage {
    std::string text;
    std::string title;
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;

    bool Empty() const { return title.empty() && text.empty(); }
    friend bool operator==(const ToolMessage&, const ToolMessage&) = default;
};

struct ToolResult {
    // Number of records (spaces, grid entries, polygons) whose values changed.
    int changed = 0;
    // True when the tool refused to run; nothing changed then.
    bool refused = false;
    // The message to show; empty when the tool shows none.
    ToolMessage message;
};

// Lines of a message box text are separated by CR LF.
inline constexpr const char* MsgLineBreak = "\r\n";

} // namespace td
