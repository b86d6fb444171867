#include "TDTrackInfo.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "model/Track.h"
#include "model/TrackStats.h"

namespace td {

namespace {

const char* const StatCaptions[6] = {"Number of Lanes", "Pit Lane Length", "Lane 1 Length",
                                     "Lane 2 Length",   "Lane 3 Length",   "Lane 4 Length"};

std::string* InfoField(TrackInfo& info, int field) {
    switch (field) {
    case 0:
        return &info.Name;
    case 1:
        return &info.Version;
    case 2:
        return &info.Author;
    case 3:
        return &info.Description;
    case 4:
        return &info.Location;
    case 5:
        return &info.RainyMax;
    case 6:
        return &info.ChangeableMax;
    default:
        return nullptr;
    }
}

// Track files hold one field per line, so a line break pasted into a box
// would shift every later item of the file; it is kept as a blank instead.
std::string ToFileText(const QString& text) {
    QByteArray bytes = text.toLatin1();
    bytes.replace('\r', ' ');
    bytes.replace('\n', ' ');
    return bytes.toStdString();
}

QString FromFileText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A number as the weather captions write it: no trailing zeros, no
// exponent below fifteen digits.
QString NumberText(double value) {
    return QString::number(value, 'g', 15);
}

QString OptionalText(const std::optional<int>& value) {
    return value ? QString::number(*value) : QString();
}

int FloorHalf(int value) {
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

QLabel* NamedLabel(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TDTrackInfo::TDTrackInfo(Track& track, QWidget* parent) : QDialog(parent), track_(&track) {
    setObjectName("TDTrackInfo");
    setWindowTitle("Track Info");
    setModal(true);
    BuildLayout();
    LoadFields();
}

void TDTrackInfo::SetTrack(Track& track) {
    track_ = &track;
    LoadFields();
}

void TDTrackInfo::BuildLayout() {
    auto* outer = new QVBoxLayout(this);

    auto* fields = new QGridLayout;
    fields->setColumnStretch(1, 1);
    int row = 0;
    auto addEdit = [&](const char* caption, Field field) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString("TrackInfoTxt(%1)").arg(static_cast<int>(field)));
        edit->setMinimumWidth(260);
        edit->installEventFilter(this);
        edits_[field] = edit;
        fields->addWidget(new QLabel(caption, this), row, 0);
        fields->addWidget(edit, row++, 1);
    };
    auto addBuildLabel = [&](const char* caption, int index) {
        auto* label = NamedLabel("N/A", QString("TrackInfo(%1)").arg(index), this);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        buildLabels_[static_cast<size_t>(index)] = label;
        fields->addWidget(new QLabel(caption, this), row, 0);
        fields->addWidget(label, row++, 1);
    };
    addEdit("Track Name", Name);
    addEdit("Description", Description);
    addEdit("Location", Location);
    addEdit("Track Version", Version);
    addBuildLabel("Build Date", 0);
    addBuildLabel("Build Time", 1);
    addEdit("Track Author", Author);
    addBuildLabel("Built with Track Designer version", 2);
    outer->addLayout(fields);

    auto* weather = new QGroupBox("Weather", this);
    auto* weatherGrid = new QGridLayout(weather);
    const char* const weatherCaptions[3] = {"Rainy", "Changeable", "Sunny"};
    const char* const weatherInitial[3] = {"1 - ", "8 - ", "13 - 20"};
    for (int i = 0; i < 3; ++i) {
        weatherGrid->addWidget(new QLabel(weatherCaptions[i], weather), i, 0);
        weatherLabels_[static_cast<size_t>(i)] =
            NamedLabel(weatherInitial[i], QString("WeatherLbl(%1)").arg(i), weather);
        weatherGrid->addWidget(weatherLabels_[static_cast<size_t>(i)], i, 1,
                               Qt::AlignRight | Qt::AlignVCenter);
        if (i < 2) {
            auto* edit = new QLineEdit(weather);
            edit->setObjectName(QString("WeatherTxt(%1)").arg(i));
            edit->setMaximumWidth(60);
            edit->installEventFilter(this);
            edits_[i == 0 ? RainyMax : ChangeableMax] = edit;
            weatherGrid->addWidget(edit, i, 2);
        }
    }
    weatherGrid->setColumnStretch(3, 1);
    outer->addWidget(weather);

    auto* statsFrame = new QFrame(this);
    statsFrame->setFrameShape(QFrame::StyledPanel);
    auto* stats = new QGridLayout(statsFrame);
    stats->setColumnStretch(1, 1);
    for (int i = 0; i < 6; ++i) {
        statCaptions_[static_cast<size_t>(i)] =
            NamedLabel(StatCaptions[i], QString("TrackInfoLbl(%1)").arg(i + 5), statsFrame);
        statValues_[static_cast<size_t>(i)] =
            NamedLabel(QString(), QString("LaneInfoLbl(%1)").arg(i), statsFrame);
        stats->addWidget(statCaptions_[static_cast<size_t>(i)], i, 0);
        stats->addWidget(statValues_[static_cast<size_t>(i)], i, 1);
        // Only "Number of Lanes" is shown until the track's lanes are counted.
        statCaptions_[static_cast<size_t>(i)]->setVisible(i == 0);
        statValues_[static_cast<size_t>(i)]->setVisible(i == 0);
    }
    numCorners_ = NamedLabel("0", "NumCornersLbl", statsFrame);
    totalStops_ = NamedLabel("0", "TotalStopsLbl", statsFrame);
    stats->addWidget(new QLabel("Number of Corners", statsFrame), 6, 0);
    stats->addWidget(numCorners_, 6, 1);
    stats->addWidget(new QLabel("Total Stops", statsFrame), 7, 0);
    stats->addWidget(totalStops_, 7, 1);
    outer->addWidget(statsFrame);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    outer->addLayout(buttons);

    for (int field = 0; field < FieldCount; ++field) {
        QLineEdit* edit = edits_[static_cast<size_t>(field)];
        connect(edit, &QLineEdit::textChanged, this,
                [this, field](const QString& text) { StoreField(field, text); });
        // The file keeps no double quote inside a text, and the reader ends
        // an unquoted line (version, weather) at a comma: the box shows the
        // character that will be saved, and read back, as it is typed.
        const bool plainLine = field == Version || field == RainyMax || field == ChangeableMax;
        connect(edit, &QLineEdit::textEdited, edit, [edit, plainLine](const QString& text) {
            const bool comma = plainLine && text.contains(QLatin1Char(','));
            if (!text.contains(QLatin1Char('"')) && !comma)
                return;
            const int cursor = edit->cursorPosition();
            QString safe = text;
            safe.replace(QLatin1Char('"'), QLatin1Char('\''));
            if (plainLine)
                safe.replace(QLatin1Char(','), QLatin1Char('.'));
            edit->setText(safe);
            edit->setCursorPosition(cursor);
        });
    }
    connect(edits_[RainyMax], &QLineEdit::textChanged, this,
            [this](const QString& text) { weatherLabels_[1]->setText(ChangeableCaption(text)); });
    connect(edits_[ChangeableMax], &QLineEdit::textChanged, this,
            [this](const QString& text) { weatherLabels_[2]->setText(SunnyCaption(text)); });
}

void TDTrackInfo::LoadFields() {
    // Filling the boxes must not write the very same texts back.
    loading_ = true;
    TrackInfo& info = track_->Info;
    for (int field = 0; field < FieldCount; ++field)
        edits_[static_cast<size_t>(field)]->setText(FromFileText(*InfoField(info, field)));
    buildLabels_[0]->setText(FromFileText(info.BuildDate));
    buildLabels_[1]->setText(FromFileText(info.BuildTime));
    buildLabels_[2]->setText(FromFileText(info.DesignerVersion));
    loading_ = false;
}

void TDTrackInfo::StoreField(int field, const QString& text) {
    if (loading_)
        return;
    if (std::string* target = InfoField(track_->Info, field))
        *target = ToFileText(text);
}

void TDTrackInfo::ShowStatistics() {
    const TrackStats stats = ComputeTrackStats(*track_);
    statValues_[0]->setText(QString::number(stats.NumLanes));
    statValues_[1]->setText(OptionalText(stats.PitLength));
    for (size_t i = 0; i < stats.LaneLength.size(); ++i)
        statValues_[i + 2]->setText(OptionalText(stats.LaneLength[i]));
    for (int i = 0; i < 6; ++i) {
        const bool shown = i == 0 || i < stats.VisibleRows;
        statCaptions_[static_cast<size_t>(i)]->setVisible(shown);
        statValues_[static_cast<size_t>(i)]->setVisible(shown);
    }
    numCorners_->setText(QString::number(stats.NumCorners));
    totalStops_->setText(QString::number(stats.TotalStops));
}

void TDTrackInfo::Refresh() {
    LoadFields();
    ShowStatistics();
}

void TDTrackInfo::CenterOverMainWindow() {
    adjustSize();
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main)
        return;
    const QRect m = main->frameGeometry();
    move(m.left() + FloorHalf(m.width() - width()), m.top() + FloorHalf(m.height() - height()));
}

void TDTrackInfo::ShowTrackInfo() {
    Refresh();
    CenterOverMainWindow();
    edits_[Name]->setFocus(Qt::OtherFocusReason);
    exec();
}

bool TDTrackInfo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            // Deferred: a mouse click that gives the focus would otherwise
            // place the cursor and drop the selection straight away.
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(watched, event);
}

double TDTrackInfo::LeadingNumber(const QString& text) {
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    const int start = i;
    if (i < text.size() && (text.at(i) == '-' || text.at(i) == '+'))
        ++i;
    auto digits = [&](int& k) {
        const int from = k;
        while (k < text.size() && text.at(k) >= '0' && text.at(k) <= '9')
            ++k;
        return k > from;
    };
    bool any = digits(i);
    if (i < text.size() && text.at(i) == '.') {
        ++i;
        any = digits(i) || any;
    }
    if (!any)
        return 0.0;
    if (i < text.size() && (text.at(i) == 'e' || text.at(i) == 'E')) {
        int k = i + 1;
        if (k < text.size() && (text.at(k) == '-' || text.at(k) == '+'))
            ++k;
        if (digits(k))
            i = k;
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text.mid(start, i - start), &ok);
    // A number too large for a double counts as no number.
    return ok && std::isfinite(value) ? value : 0.0;
}

QString TDTrackInfo::ChangeableCaption(const QString& rainyText) {
    return NumberText(LeadingNumber(rainyText) + 1) + " - ";
}

QString TDTrackInfo::SunnyCaption(const QString& changeableText) {
    return NumberText(LeadingNumber(changeableText) + 1) + " - 20";
}

} // namespace td
