// The menu bar and the context menus, built from the interface tables, and
// the Host calls that address menu items by name.

#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

#include "HostText.h"
#include "TD.h"
#include "edit/KeyHints.h"

namespace td {

namespace {

QString Q(const std::string& s) {
    return QString::fromLatin1(s.c_str());
}

bool IsRecentTrackItem(const std::string& name) {
    return name.rfind("MnuRecentTrack(", 0) == 0;
}

} // namespace

void TD::BuildMenus() {
    for (const MenuDef& def : td::Menus()) {
        // Context menus have no parent menu bar; they pop up at the pointer.
        auto* menu =
            def.contextOnly ? new QMenu(Q(def.caption), this) : menuBar()->addMenu(Q(def.caption));
        menu->setObjectName(Q(def.name));
        menus_[def.name] = menu;
        menuActions_[def.name] = menu->menuAction();
        AddMenuItems(menu, def.items);
    }
}

void TD::AddMenuItems(QMenu* menu, const std::vector<MenuItemDef>& items) {
    // Radio items of one menu share a group, which shows them as one of
    // several. The group may hold none checked: the editor sets every mark
    // itself after each pick.
    QActionGroup* radios = nullptr;
    for (const MenuItemDef& item : items) {
        QAction* action = nullptr;
        if (item.kind == MenuItemKind::Separator) {
            action = menu->addSeparator();
        } else if (item.kind == MenuItemKind::Submenu) {
            QMenu* sub = menu->addMenu(Q(item.caption));
            sub->setObjectName(Q(item.name));
            menus_[item.name] = sub;
            action = sub->menuAction();
            AddMenuItems(sub, item.items);
        } else {
            action = menu->addAction(Q(MenuTextWithKey(item.name, item.caption)));
            if (!item.shortcut.empty()) {
                action->setShortcuts(QKeySequence::listFromString(Q(item.shortcut)));
                // Shortcuts work while the drawing area or a panel control has
                // the focus, not only while a menu is open.
                action->setShortcutContext(Qt::WindowShortcut);
            }
            if (item.checkable) {
                action->setCheckable(true);
                action->setChecked(item.checked);
            }
            if (item.checkable && item.radio) {
                if (!radios) {
                    radios = new QActionGroup(menu);
                    radios->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
                }
                radios->addAction(action);
            }
            const std::string name = item.name;
            connect(action, &QAction::triggered, this, [this, action, name] {
                // The editor owns every check mark: undo Qt's own toggle and
                // let the command set the mark.
                if (action->isCheckable()) {
                    const QSignalBlocker block(action);
                    action->setChecked(!action->isChecked());
                }
                Dispatch(Command::Menu(name));
                if (name == "MnuExit")
                    close();
                else if (name == "MnuAbout")
                    ShowAbout();
            });
        }
        if (!item.name.empty()) {
            action->setObjectName(Q(item.name));
            menuActions_[item.name] = action;
        }
        action->setEnabled(item.enabled);
        action->setVisible(item.visible);
    }
}

QAction* TD::MenuAction(const std::string& name) const {
    const auto it = menuActions_.find(name);
    return it == menuActions_.end() ? nullptr : it->second;
}

QMenu* TD::Menu(const std::string& name) const {
    const auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

void TD::SetMenuEnabled(const std::string& name, bool enabled) {
    if (QAction* a = MenuAction(name))
        a->setEnabled(enabled);
}

void TD::SetMenuChecked(const std::string& name, bool checked) {
    if (QAction* a = MenuAction(name)) {
        const QSignalBlocker block(a);
        a->setChecked(checked);
    }
}

void TD::SetMenuCaption(const std::string& name, const std::string& caption) {
    QAction* a = MenuAction(name);
    if (!a)
        return;
    QString text = FromHostText(caption);
    // A path is shown as it is: an "&" in it is no mnemonic.
    if (IsRecentTrackItem(name))
        text.replace('&', QStringLiteral("&&"));
    if (const std::string key = KeyHintFor(name); !key.empty())
        text += QLatin1Char('\t') + Q(key);
    a->setText(text);
}

void TD::SetMenuVisible(const std::string& name, bool visible) {
    if (QAction* a = MenuAction(name))
        a->setVisible(visible);
}

void TD::PopupMenu(const std::string& name) {
    ++modalRuns_;
    if (QMenu* menu = Menu(name))
        menu->exec(QCursor::pos());
}

} // namespace td
