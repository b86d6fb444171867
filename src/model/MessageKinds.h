#pragma once
// The kinds of message box the author can be shown: which buttons it offers,
// which icon it carries and which button was chosen. The editor asks the shell
// for a box through Host; the track tools describe theirs in a ToolMessage.

namespace td {

enum class MsgButtons { OK, YesNo, YesNoCancel };
enum class MsgIcon { None, Question, Exclamation, Information, Critical };
enum class MsgAnswer { OK, Yes, No, Cancel };

} // namespace td
