// The Host calls that open dialogs, keep files and timers, and set the
// window's title and pointer.

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>

#include "CursorImages.h"
#include "DrawArea.h"
#include "HostText.h"
#include "RecentTracks.h"
#include "TD.h"
#include "TDAbout.h"
#include "TDCornerProp.h"
#include "TDSplash.h"
#include "TDTrackInfo.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace td {

MsgAnswer TD::MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) {
    ++modalRuns_;
    // A box raised during start-up (a track named on the command line that
    // cannot be read) shows over the window, not behind it.
    ShowPlaced();
    // Over the dialog whose OK was refused, so that closing the box gives
    // the keys back to that dialog and not to the main window.
    QMessageBox box(MessageParent());
    box.setWindowTitle(FromHostText(title));
    box.setText(FromHostText(text));
    switch (icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case MsgButtons::OK:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        // A box closed without a button counts as its safe answer.
        return buttons == MsgButtons::OK      ? MsgAnswer::OK
               : buttons == MsgButtons::YesNo ? MsgAnswer::No
                                              : MsgAnswer::Cancel;
    }
}

QWidget* TD::MessageParent() {
    return commandWindow_ && commandWindow_->isVisible() ? commandWindow_ : this;
}

std::optional<std::string> TD::FileDialog(FileDialogKind kind, const std::string& startPath) {
    ++modalRuns_;
    QFileDialog dialog(this);
    dialog.setNameFilters(
        {QStringLiteral("All Files (*.*)"), QStringLiteral("Track Files (*.trk)")});
    dialog.selectNameFilter(QStringLiteral("Track Files (*.trk)"));
    if (kind == FileDialogKind::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Overwriting an existing file is confirmed (the dialog's default).
        dialog.setDefaultSuffix(QStringLiteral("trk"));
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    const QString start = FromHostPath(startPath);
    const QFileInfo info(start);
    if (!start.isEmpty() && info.isDir()) {
        dialog.setDirectory(start);
    } else if (!start.isEmpty()) {
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    } else {
        dialog.setDirectory(FromHostPath(TracksFolder()));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ToHostPath(dialog.selectedFiles().constFirst());
}

std::optional<Colour> TD::ColorDialog(Colour initial) {
    ++modalRuns_;
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, this);
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<Colour>(chosen.red()) | (static_cast<Colour>(chosen.green()) << 8) |
           (static_cast<Colour>(chosen.blue()) << 16);
}

void TD::SetPointer(const std::string& key) {
    pointerKey_ = QString::fromLatin1(key.c_str());
    drawArea_->setCursor(CursorImage(pointerKey_));
}

void TD::ShowEditingArea() {
    for (QAction* a : toolbarSpacing_)
        a->setVisible(true);
    mainToolbar_->show();
    statusBar()->show();
    editingArea_->show();
    // Lay the area out now, even while the window waits for the splash: the
    // reset that follows centres the view on it.
    for (QWidget* w : {static_cast<QWidget*>(this), centralWidget(), editingArea_}) {
        if (QLayout* l = w->layout()) {
            l->invalidate();
            l->activate();
        }
    }
    // A hidden window gets no resize events; tell the editor the extent.
    drawArea_->ReportArea();
    // Keys go to the drawing area, not to the first list of the panel.
    drawArea_->setFocus(Qt::OtherFocusReason);
}

void TD::SetWindowTitle(const std::string& title) {
    setWindowTitle(FromHostText(title));
}

void TD::ShowCornerProperties(const std::array<std::string, 4>& texts) {
    if (!cornerProp_)
        cornerProp_ = new TDCornerProp(
            [this](const Command& c) {
                RunInEditor([this, c] {
                    struct Scope {
                        QWidget*& window;
                        ~Scope() { window = nullptr; }
                    } scope{commandWindow_};
                    commandWindow_ = cornerProp_;
                    editor_.Dispatch(c);
                });
            },
            this);
    cornerProp_->ShowCornerProp(texts);
}

void TD::CloseCornerProperties() {
    if (!cornerProp_ || !cornerProp_->isVisible())
        return;
    cornerProp_->hide();
    // The keys go back to the drawing area, as before the dialog opened.
    activateWindow();
    drawArea_->setFocus(Qt::OtherFocusReason);
}

void TD::SelectCornerPropertyBox(int index) {
    if (cornerProp_ && cornerProp_->isVisible())
        cornerProp_->SelectBox(index);
}

void TD::ShowTrackInfo() {
    ++modalRuns_;
    TDTrackInfo dialog(editor_.track, this);
    dialog.ShowTrackInfo();
}

void TD::ShowTrackCheck(const std::vector<TrackProblem>& problems) {
    if (!checkTrack_) {
        checkTrack_ = new TDCheckTrack(this);
        checkTrack_->OnGoTo = [this](int lane, int space) {
            RunInEditor([this, lane, space] { editor_.Dispatch(Command::GoTo(lane, space)); });
        };
        checkTrack_->OnCheckAgain = [this] {
            RunInEditor([this] { editor_.Dispatch(Command::Menu("MnuCheckTrack")); });
        };
    }
    checkTrack_->SetProblems(problems);
    checkTrack_->show();
    checkTrack_->raise();
    checkTrack_->activateWindow();
}

std::optional<AreaRect> TD::CheckWindowCover() {
    if (!checkTrack_ || !checkTrack_->isVisible() || !drawArea_)
        return std::nullopt;
    // The window's frame in the drawing area's own pixels.
    const QRect frame = checkTrack_->frameGeometry().translated(-drawArea_->mapToGlobal(QPoint()));
    const QRect cover = frame.intersected(drawArea_->rect());
    if (cover.isEmpty())
        return std::nullopt;
    const float tx = drawArea_->TwipsPerPixelX(), ty = drawArea_->TwipsPerPixelY();
    return AreaRect{cover.left() * tx, cover.top() * ty, (cover.right() + 1) * tx,
                    (cover.bottom() + 1) * ty};
}

std::vector<std::string> TD::RecentTracks() {
    std::vector<std::string> paths;
    for (const QString& p : td::RecentTracks(*settings_).List())
        paths.push_back(ToHostPath(p));
    return paths;
}

void TD::AddRecentTrack(const std::string& path) {
    td::RecentTracks(*settings_).Add(FromHostPath(path));
    settings_->sync();
}

// The recovery note lives beside the recent tracks, outside "Settings".
RecoveryNote TD::StoredRecovery() {
    settings_->sync();
    settings_->beginGroup(QStringLiteral("Recovery"));
    RecoveryNote note;
    note.file = ToHostPath(settings_->value(QStringLiteral("File")).toString());
    note.track = ToHostPath(settings_->value(QStringLiteral("Track")).toString());
    note.owner = settings_->value(QStringLiteral("Owner")).toLongLong();
    settings_->endGroup();
    return note;
}

void TD::StoreRecovery(const RecoveryNote& note) {
    if (note.file.empty()) {
        settings_->remove(QStringLiteral("Recovery"));
    } else {
        settings_->beginGroup(QStringLiteral("Recovery"));
        settings_->setValue(QStringLiteral("File"), FromHostPath(note.file));
        settings_->setValue(QStringLiteral("Track"), FromHostPath(note.track));
        settings_->setValue(QStringLiteral("Owner"), note.owner);
        settings_->endGroup();
    }
    settings_->sync();
}

long long TD::SessionId() {
    return QCoreApplication::applicationPid();
}

bool TD::SessionRunning(long long owner) {
    if (owner <= 0)
        return false;
    if (owner == SessionId())
        return true;
#ifdef Q_OS_UNIX
    // Signal 0 only asks whether the process exists.
    return ::kill(static_cast<pid_t>(owner), 0) == 0 || errno == EPERM;
#else
    return false;
#endif
}

void TD::StartAutosaveTimer() {
    if (!autosaveTimer_.isActive())
        autosaveTimer_.start();
}

std::string TD::TracksFolder() {
    if (!options_.tracksFolder.isEmpty()) {
        QDir().mkpath(options_.tracksFolder);
        return ToHostPath(options_.tracksFolder);
    }
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/Tracks");
    if (QDir().mkpath(beside) && QFileInfo(beside).isWritable())
        return ToHostPath(beside);
    // An installed program's folder is usually not the author's to write.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                        QStringLiteral("/Tracks");
    QDir().mkpath(own);
    return ToHostPath(own);
}

void TD::ShowSplash() {
    auto* splash = new TDSplash();
    splash->setAttribute(Qt::WA_DeleteOnClose);
    connect(splash, &TDSplash::Finished, this, &TD::ShowPlaced);
    splash->ShowSplash();
}

void TD::ShowAbout() {
    TDAbout about(this);
    about.ShowAbout();
}

} // namespace td
