#include "edit/CommandTable.h"

namespace td {

void CommandTable::AddButton(const std::string& key, Handler handler) {
    buttons_[key] = std::move(handler);
}

void CommandTable::AddMenu(const std::string& name, Handler handler) {
    menus_[name] = std::move(handler);
}

const CommandTable::Handler* CommandTable::FindButton(const std::string& key) const {
    auto it = buttons_.find(key);
    return it == buttons_.end() ? nullptr : &it->second;
}

const CommandTable::Handler* CommandTable::FindMenu(const std::string& name) const {
    auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : &it->second;
}

namespace {
std::vector<std::string> KeysOf(const std::map<std::string, CommandTable::Handler>& entries) {
    std::vector<std::string> keys;
    for (const auto& entry : entries)
        keys.push_back(entry.first);
    return keys;
}
} // namespace

std::vector<std::string> CommandTable::ButtonKeys() const {
    return KeysOf(buttons_);
}

std::vector<std::string> CommandTable::MenuNames() const {
    return KeysOf(menus_);
}

// One line per feature file that brings commands of its own.
void BuildCommandTable(CommandTable& table) {
    RegisterFileCommands(table);
    RegisterViewCommands(table);
    RegisterSpaceCommands(table);
    RegisterPolyCommands(table);
    RegisterToolCommands(table);
    RegisterHistoryCommands(table);
    RegisterMovesCommands(table);
    RegisterFitCommands(table);
    RegisterLaneBesideCommands(table);
    RegisterGoToSpaceCommands(table);
}

} // namespace td
