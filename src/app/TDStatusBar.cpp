// The status bar: one framed panel per key of the interface table.

#include <QLabel>
#include <QStatusBar>

#include <QEvent>
#include <QFontMetrics>
#include <QLocale>

#include <map>

#include "HostText.h"
#include "StatusPanel.h"
#include "TD.h"

namespace td {

namespace {

// The width a panel keeps when the bar is short of room: numbers keep what
// they usually need, names (mode, lane) give way first and end in "…".
QString TypicalText(const std::string& key) {
    static const std::map<std::string, const char*> texts = {
        {"Mode", "Translate"},       {"Grid", "Medium Grid"},    {"Zoom", "Zoom Level:2.25"},
        {"CurrLane", "Lane 2, Pit"}, {"CurrSpace", "Space 99"},  {"SpaceX", "X:-1234.00"},
        {"SpaceY", "Y:-1234.00"},    {"CurrRot", "Ang:359\xb0"}, {"CurrScl", "Length:0.947"},
        {"Segment", "Segment:12"},   {"Corner", "Corner: N/A"},  {"Moves", "Moves: 6, 12 spaces"},
        {"Pointer", "Pointer 0, 0"}};
    const auto it = texts.find(key);
    return QString::fromLatin1(it == texts.end() ? "Panel" : it->second);
}

// The pointer panel is the last to get room: it shows only while every other
// panel keeps the width it asks for beside it.
void FitPointerPanel(QStatusBar* bar, const std::map<std::string, QLabel*>& panels) {
    const auto pointer = panels.find("Pointer");
    if (pointer == panels.end())
        return;
    // Room between and around the panels, as the bar's layout lays them.
    constexpr int Gap = 6;
    int need = Gap;
    for (const auto& [key, label] : panels)
        if (label == pointer->second || !label->isHidden())
            need += label->sizeHint().width() + Gap;
    const bool fits = need <= bar->width();
    if (pointer->second->isHidden() == fits)
        pointer->second->setVisible(fits);
}

// Fits the pointer panel again whenever the bar changes width.
class PointerPanelFitter : public QObject {
  public:
    PointerPanelFitter(QStatusBar* bar, const std::map<std::string, QLabel*>& panels)
        : QObject(bar), bar_(bar), panels_(panels) {
        bar->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            FitPointerPanel(bar_, panels_);
        return false;
    }

  private:
    QStatusBar* bar_;
    const std::map<std::string, QLabel*>& panels_;
};

} // namespace

void TD::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("TD_StatusBar"));
    bar->setSizeGripEnabled(false);
    QFont font = bar->font();
    font.setPointSizeF(font.pointSizeF() * 0.8);
    bar->setFont(font);
    for (const PanelDef& def : StatusPanels()) {
        // Each panel asks for the width of its whole text; the bar gives it
        // from its free space, then shrinks panels down to their typical
        // width, where a longer text ends in "…".
        auto* label =
            new StatusPanel(QString::fromLatin1(def.text.c_str()), TypicalText(def.key), bar);
        label->setObjectName(QString::fromLatin1(def.key.c_str()));
        label->setToolTip(QString::fromLatin1(def.tooltip.c_str()));
        if (def.key == "Mode" || def.key == "CurrLane")
            label->SetWidestHint(
                label->fontMetrics().horizontalAdvance(QStringLiteral("Lane 2, Mid-Right lane")));
        bar->addPermanentWidget(label, 0);
        if (def.key == "Moves")
            label->setVisible(false);
        panels_[def.key] = label;
    }
    new PointerPanelFitter(bar, panels_);
}

QLabel* TD::Panel(const std::string& key) const {
    const auto it = panels_.find(key);
    return it == panels_.end() ? nullptr : it->second;
}

void TD::SetPanelText(const std::string& key, const std::string& text) {
    QLabel* label = Panel(key);
    if (!label)
        return;
    label->setText(FromHostText(text));
    // The moves panel takes room only while Show Moves is on.
    if (key == "Moves")
        label->setVisible(!text.empty());
    FitPointerPanel(statusBar(), panels_);
}

} // namespace td

namespace td {

char TD::DecimalSeparator() {
    // A separator outside Latin-1 cannot travel in a host text.
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point.at(0).unicode() < 0x100)
        return static_cast<char>(point.at(0).unicode());
    return '.';
}

// Eight seconds: long enough to read, gone before it misleads.
void TD::ShowStatusMessage(const std::string& text) {
    statusBar()->showMessage(QString::fromStdString(text), 8000);
}

} // namespace td
