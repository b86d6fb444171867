#include "OptionsDropDown.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include "TD.h"

namespace td {

void AttachOptionsDropDown(TD& window) {
    QToolButton* button = window.Button("Options");
    QMenu* options = window.Menu("MnuOptions");
    if (!button || !options)
        return;
    auto* dropDown = new QMenu(button);
    dropDown->setObjectName(QStringLiteral("OptionsDropDown"));
    for (QAction* action : options->actions())
        if (action->isCheckable())
            dropDown->addAction(action);
    button->setMenu(dropDown);
    button->setPopupMode(QToolButton::InstantPopup);
}

} // namespace td
