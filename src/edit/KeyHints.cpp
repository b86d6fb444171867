#include "edit/KeyHints.h"

namespace td {

const std::vector<KeyHint>& KeyHints() {
    static const std::vector<KeyHint> hints = {
        {"RefreshView", "F5"},       {"CenterView", "C"},       {"AddSpace", "Enter"},
        {"DeleteSpace", "Delete"},   {"ChangeCOR", "O"},        {"SetPrimarySpace", "P"},
        {"SetNextSpace", "N"},       {"SetAdjacentSpace", "A"}, {"MnuDrawFullDetail", "F"},
    };
    return hints;
}

std::string KeyHintFor(const std::string& command) {
    for (const KeyHint& h : KeyHints())
        if (command == h.command)
            return h.key;
    return {};
}

std::string TooltipWithKey(const std::string& command, const std::string& tooltip) {
    const std::string key = KeyHintFor(command);
    return key.empty() ? tooltip : tooltip + " (" + key + ")";
}

std::string MenuTextWithKey(const std::string& name, const std::string& caption) {
    const std::string key = KeyHintFor(name);
    return key.empty() ? caption : caption + "\t" + key;
}

} // namespace td
