// The main toolbar and the polygon toolbar, built from the interface tables,
// and the Host calls that address their buttons by key.

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "OptionsDropDown.h"
#include "TD.h"
#include "ToolbarIcons.h"

namespace td {

namespace {

QString Q(const std::string& s) {
    return QString::fromLatin1(s.c_str());
}

} // namespace

void TD::BuildToolbars() {
    mainToolbar_ = BuildToolbar(td::MainToolbar(), QStringLiteral("TD_Toolbar"));
    addToolBarBreak();
    polyToolbar_ = BuildToolbar(td::PolyToolbar(), QStringLiteral("TD_PolyToolbar"));
    // The polygon tools appear with polygon mode.
    for (const ButtonDef& def : td::PolyToolbar())
        if (QAction* a = ButtonAction(def.key))
            a->setVisible(false);
    UpdatePolyToolbarVisibility();
    AttachOptionsDropDown(*this);
}

QToolBar* TD::BuildToolbar(const std::vector<ButtonDef>& defs, const QString& name) {
    auto* bar = addToolBar(name);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setFloatable(false);
    // Every button of the main toolbar fits the narrowest window at this size.
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // A toolbar the author closed could not be brought back.
    bar->toggleViewAction()->setEnabled(false);

    std::map<ButtonGroup, QActionGroup*> groups;
    for (const ButtonDef& def : defs) {
        QAction* action = nullptr;
        if (def.style == ButtonStyle::Separator || def.style == ButtonStyle::Spacer) {
            action = bar->addSeparator();
            if (!def.visibleWithoutTrack) {
                action->setVisible(false);
                toolbarSpacing_.push_back(action);
            }
            continue;
        }

        action = new QAction(this);
        action->setObjectName(Q(def.key));
        action->setText(Q(def.description.empty() ? def.key : def.description));
        // No status tip: the status panels fill the bar, so a hover message
        // would show only its first letters; the tooltip says it whole.
        action->setToolTip(Q(def.tooltip));
        action->setIcon(ToolbarIcon(Q(def.image)));
        if (action->icon().isNull())
            action->setIcon(ToolbarIcon(Q(def.key)));
        if (def.group != ButtonGroup::None) {
            action->setCheckable(true);
            QActionGroup*& group = groups[def.group];
            if (!group) {
                group = new QActionGroup(this);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
            }
            group->addAction(action);
            action->setChecked(def.initiallyPressed);
        }
        const std::string key = def.key;
        connect(action, &QAction::triggered, this, [this, key] { Dispatch(Command::Button(key)); });

        if (def.style == ButtonStyle::Split) {
            auto* button = new QToolButton(bar);
            button->setDefaultAction(action);
            button->setPopupMode(QToolButton::MenuButtonPopup);
            button->setIconSize(bar->iconSize());
            auto* menu = new QMenu(button);
            for (const DropEntryDef& entry : def.dropEntries) {
                QAction* item = menu->addAction(PaletteSwatchIcon(entry.index), Q(entry.caption));
                // The entry reaches the editor as its button's key with the
                // entry's tag and 1-based index; the button itself has index 0.
                const std::string tag = entry.tag;
                const int index = entry.index;
                connect(item, &QAction::triggered, this, [this, key, tag, index] {
                    Command c = Command::Button(key);
                    c.text = tag;
                    c.index = index;
                    Dispatch(c);
                });
            }
            button->setMenu(menu);
            QAction* holder = bar->addWidget(button);
            // Visibility of the button follows its action.
            connect(action, &QAction::visibleChanged, holder,
                    [holder, action] { holder->setVisible(action->isVisible()); });
        } else {
            bar->addAction(action);
        }
        action->setVisible(def.visibleWithoutTrack);
        buttonActions_[def.key] = action;
    }
    return bar;
}

QAction* TD::ButtonAction(const std::string& key) const {
    const auto it = buttonActions_.find(key);
    return it == buttonActions_.end() ? nullptr : it->second;
}

QToolButton* TD::Button(const std::string& key) const {
    QAction* a = ButtonAction(key);
    if (!a)
        return nullptr;
    for (QToolBar* bar : {mainToolbar_, polyToolbar_}) {
        if (auto* b = qobject_cast<QToolButton*>(bar->widgetForAction(a)))
            return b;
        // A split button holds the action as its default action.
        for (auto* b : bar->findChildren<QToolButton*>())
            if (b->defaultAction() == a)
                return b;
    }
    return nullptr;
}

void TD::SetButtonEnabled(const std::string& key, bool enabled) {
    if (QAction* a = ButtonAction(key))
        a->setEnabled(enabled);
}

void TD::SetButtonVisible(const std::string& key, bool visible) {
    QAction* a = ButtonAction(key);
    if (!a)
        return;
    a->setVisible(visible);
    if (FindPolyButton(key))
        UpdatePolyToolbarVisibility();
}

void TD::SetButtonPressed(const std::string& key, bool pressed) {
    QAction* a = ButtonAction(key);
    if (!a || !a->isCheckable())
        return;
    // Checking emits no triggered(), so this is no command; the group's own
    // exclusion releases the button that was pressed before.
    a->setChecked(pressed);
}

void TD::UpdatePolyToolbarVisibility() {
    bool any = false;
    for (const ButtonDef& def : td::PolyToolbar())
        if (QAction* a = ButtonAction(def.key))
            any = any || a->isVisible();
    // An empty strip would only take room from the drawing area.
    polyToolbar_->setVisible(any);
}

} // namespace td
