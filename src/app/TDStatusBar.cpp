// The status bar: one framed panel per key of the interface table.

#include <QLabel>
#include <QStatusBar>

#include "HostText.h"
#include "TD.h"

namespace td {

void TD::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("TD_StatusBar"));
    bar->setSizeGripEnabled(true);
    for (const PanelDef& def : StatusPanels()) {
        auto* label = new QLabel(QString::fromLatin1(def.text.c_str()), bar);
        label->setObjectName(QString::fromLatin1(def.key.c_str()));
        label->setToolTip(QString::fromLatin1(def.tooltip.c_str()));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(3, 0, 3, 0);
        // Mode and grid names are the longest texts; the numbers share the rest.
        const bool wide = def.key == "Mode" || def.key == "Grid" || def.key == "Zoom";
        bar->addPermanentWidget(label, wide ? 2 : 1);
        panels_[def.key] = label;
    }
}

QLabel* TD::Panel(const std::string& key) const {
    const auto it = panels_.find(key);
    return it == panels_.end() ? nullptr : it->second;
}

void TD::SetPanelText(const std::string& key, const std::string& text) {
    if (QLabel* label = Panel(key))
        label->setText(FromHostText(text));
}

} // namespace td
