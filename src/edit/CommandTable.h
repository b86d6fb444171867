#pragma once
// The table from a toolbar-button key or menu-item name to its handler. Each
// feature file registers its own entries (RegisterXxxCommands), so adding a
// command never means editing a long if-chain; BuildCommandTable lists the
// registration functions.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "edit/Command.h"

namespace td {

class Editor;

class CommandTable {
  public:
    using Handler = std::function<void(Editor&, const Command&)>;

    // A later registration of the same key replaces the earlier one.
    void AddButton(const std::string& key, Handler handler);
    void AddMenu(const std::string& name, Handler handler);

    // The handler of a key or name; nullptr when there is none.
    const Handler* FindButton(const std::string& key) const;
    const Handler* FindMenu(const std::string& name) const;

    // Every registered key and name, in sorted order.
    std::vector<std::string> ButtonKeys() const;
    std::vector<std::string> MenuNames() const;

  private:
    std::map<std::string, Handler> buttons_;
    std::map<std::string, Handler> menus_;
};

// Registration functions, one per feature file.
void RegisterFileCommands(CommandTable& table);
void RegisterViewCommands(CommandTable& table);
void RegisterSpaceCommands(CommandTable& table);
void RegisterPolyCommands(CommandTable& table);
void RegisterToolCommands(CommandTable& table);
void RegisterHistoryCommands(CommandTable& table);
void RegisterMovesCommands(CommandTable& table);
void RegisterFitCommands(CommandTable& table);
void RegisterLaneBesideCommands(CommandTable& table);
void RegisterGoToSpaceCommands(CommandTable& table);

// Fills a table with every registered command.
void BuildCommandTable(CommandTable& table);

} // namespace td
