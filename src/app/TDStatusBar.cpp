// The status bar: one framed panel per key of the interface table.

#include <QLabel>
#include <QStatusBar>

#include <map>

#include "HostText.h"
#include "TD.h"

namespace td {

namespace {

int PanelShare(const std::string& key) {
    static const std::map<std::string, int> shares = {
        {"Mode", 15},     {"Grid", 12},    {"Zoom", 15},   {"CurrLane", 16},
        {"CurrSpace", 9}, {"SpaceX", 10},  {"SpaceY", 10}, {"CurrRot", 8},
        {"CurrScl", 11},  {"Segment", 11}, {"Corner", 12}};
    const auto it = shares.find(key);
    return it == shares.end() ? 10 : it->second;
}

} // namespace

void TD::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("TD_StatusBar"));
    bar->setSizeGripEnabled(false);
    QFont font = bar->font();
    font.setPointSizeF(font.pointSizeF() * 0.8);
    bar->setFont(font);
    for (const PanelDef& def : StatusPanels()) {
        auto* label = new QLabel(QString::fromLatin1(def.text.c_str()), bar);
        label->setObjectName(QString::fromLatin1(def.key.c_str()));
        label->setToolTip(QString::fromLatin1(def.tooltip.c_str()));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(2, 0, 2, 0);
        // The panels share the width in proportion to the texts they usually
        // hold, so that an 800 pixel window shows them all.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        bar->addPermanentWidget(label, PanelShare(def.key));
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
