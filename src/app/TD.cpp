#include "TD.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include <cmath>

#include "AppIcon.h"
#include "DrawArea.h"
#include "HostText.h"
#include "KeyMap.h"
#include "Settings.h"
#include "view/WindowFit.h"
#include "view/WindowLayout.h"

namespace td {

namespace {

float ScreenTwipsPerPixel(bool horizontal) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi =
        screen ? (horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY())
               : 96.0;
    return dpi > 0 ? static_cast<float>(1440.0 / dpi) : 15.0f;
}

// The command-line path made absolute, quotes kept: the recent-track list
// must name the file wherever the program is started from next time.
QString AbsoluteCommandLinePath(const QString& commandLine) {
    const bool quoted = commandLine.startsWith('"') && commandLine.size() >= 2;
    const QString inner = quoted ? commandLine.mid(1, commandLine.size() - 2) : commandLine;
    if (inner.isEmpty() || !QFileInfo(inner).isRelative())
        return commandLine;
    const QString absolute = QFileInfo(inner).absoluteFilePath();
    return quoted ? '"' + absolute + '"' : absolute;
}

// How far the window manager's frame reaches beyond the window's client
// area; nothing before the window is first shown.
FrameMargins Frame(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The free area of `screen` (without panels and docks); empty without one.
PixelRect FreeArea(const QScreen* screen) {
    if (!screen)
        return {};
    const QRect r = screen->availableGeometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

// The window's minimum, lowered on a screen too small for it (a laptop, or
// any screen at a large scale), so that the window fits and can still be
// made smaller.
void FitMinimumToScreen(QWidget& window, const QScreen* screen) {
    const PixelRect free = FreeArea(screen);
    window.setMinimumSize(FittedMinimum(static_cast<int>(MinWindowWidthPx), free.width),
                          FittedMinimum(static_cast<int>(MinWindowHeightPx), free.height));
}

// Moves and shrinks a normal window so that it lies whole on its screen,
// frame included.
void KeepOnScreen(QWidget& window) {
    if (window.isMaximized() || window.isMinimized() || window.isFullScreen())
        return;
    const FrameMargins f = Frame(window);
    const QRect g = window.geometry();
    const PixelRect fitted =
        FitToScreen({g.x(), g.y(), g.width(), g.height()}, FreeArea(window.screen()), f);
    if (fitted.width != g.width() || fitted.height != g.height())
        window.resize(fitted.width, fitted.height);
    if (fitted.left != g.x() || fitted.top != g.y())
        window.move(fitted.left - f.left, fitted.top - f.top);
}

} // namespace

TD::TD(TDOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), settings_(OpenSettingsStore()),
      surface_(1, 1, ScreenTwipsPerPixel(true), ScreenTwipsPerPixel(false)),
      editor_(*this, surface_) {
    setObjectName(QStringLiteral("TD"));
    setWindowTitle(QString::fromLatin1(AppTitle));
    setWindowIcon(AppIcon());
    setMinimumSize(static_cast<int>(MinWindowWidthPx), static_cast<int>(MinWindowHeightPx));

    BuildMenus();
    BuildToolbars();
    BuildStatusBar();

    // The drawing area with the property panel beside it; both appear with
    // the first track.
    editingArea_ = new QWidget(this);
    auto* layout = new QHBoxLayout(editingArea_);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(4);
    drawArea_ = new DrawArea(surface_, editingArea_);
    layout->addWidget(drawArea_, 1);
    layout->addWidget(BuildPropertyPanel());
    auto* central = new QWidget(this);
    auto* centralLayout = new QHBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->addWidget(editingArea_);
    setCentralWidget(central);
    editingArea_->hide();
    statusBar()->hide();

    drawArea_->SetCommandSink([this](const Command& c) {
        const int modalBefore = modalRuns_;
        Dispatch(c);
        // The release went to the box or menu the press opened: the editor
        // still hears of it, so that its gesture ends.
        if (c.kind == CommandKind::MouseDown && modalRuns_ != modalBefore) {
            Command release = c;
            release.kind = CommandKind::MouseUp;
            Dispatch(release);
        }
    });
    RouteWindowKeys(this, [this](const Command& c) { Dispatch(c); });
    drawArea_->SetAreaSink([this](float w, float h, bool) { OnAreaChanged(w, h); });

    autosaveTimer_.setInterval(60000);
    connect(&autosaveTimer_, &QTimer::timeout, this, [this] {
        Command tick;
        tick.kind = CommandKind::AutosaveTick;
        Dispatch(tick);
    });
}

TD::~TD() {
    // The drawing area reads the surface and reports to the editor; both are
    // members that die before the widgets do.
    drawArea_->SetAreaSink(nullptr);
    drawArea_->SetCommandSink(nullptr);
    delete takeCentralWidget();
}

void TD::Start(const QString& commandLine) {
    if (options_.showSplash)
        ShowSplash();
    RestorePlacement();
    const QString track = AbsoluteCommandLinePath(commandLine);
    RunInEditor([this, settings = ReadEditorSettings(*settings_), path = ToHostPath(track)] {
        editor_.Startup(settings, path);
    });
    // With a splash, the window appears when the splash closes.
    if (!options_.showSplash)
        ShowPlaced();
}

void TD::ShowPlaced() {
    if (isVisible())
        return;
    if (placementState_ == WindowMaximised)
        showMaximized();
    else if (placementState_ == WindowMinimised)
        showMinimized();
    else
        show();
    // Dragged to another screen, the window takes that screen's minimum.
    if (QWindow* handle = windowHandle())
        connect(handle, &QWindow::screenChanged, this,
                [this](QScreen* screen) { FitMinimumToScreen(*this, screen); });
    // The frame is only known now: its title bar must not end above the screen.
    QTimer::singleShot(0, this, [this] { KeepOnScreen(*this); });
    raise();
    activateWindow();
    drawArea_->setFocus();
    drawArea_->update();
}

void TD::Guarded(const std::function<void()>& work) {
    // Nothing the editor does may take the window down with it; a command
    // that fails half-way leaves the track as it stands.
    try {
        work();
    } catch (const std::exception& e) {
        qWarning("Command failed: %s", e.what());
    } catch (...) {
        qWarning("Command failed");
    }
}

void TD::Dispatch(const Command& cmd) {
    RunInEditor([this, cmd] { editor_.Dispatch(cmd); });
}

void TD::RunInEditor(std::function<void()> work) {
    if (dispatching_) {
        pending_.push_back(std::move(work));
        return;
    }
    dispatching_ = true;
    Guarded(work);
    while (!pending_.empty()) {
        auto next = std::move(pending_.front());
        pending_.pop_front();
        Guarded(next);
    }
    dispatching_ = false;
    drawArea_->update();
}

void TD::OnAreaChanged(float widthTwips, float heightTwips) {
    surface_.Resize(std::max(1, drawArea_->width()), std::max(1, drawArea_->height()));
    const bool visible = drawArea_->isVisible() && !isMinimized();
    // The extent must be right at once, even inside a running command: a new
    // track centres its view on it.
    Guarded([&] { editor_.SetArea(widthTwips, heightTwips, visible); });
    drawArea_->update();
}

void TD::RestorePlacement() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect sg = primary ? primary->geometry() : QRect(0, 0, 1024, 768);
    // Centred first, so that a store without a position opens in the middle.
    move(sg.x() + (sg.width() - width()) / 2, sg.y() + (sg.height() - height()) / 2);
    const WindowPlacement p = ReadWindowPlacement(*settings_, sg.width(), sg.height());
    placementState_ = p.State;
    const int w = static_cast<int>(std::lround(p.Width));
    const int h = static_cast<int>(std::lround(p.Height));
    // The stored place may lie on a screen that is gone, or be larger than
    // this one (another resolution or scale): it opens on a screen, whole.
    const QScreen* screen = QGuiApplication::screenAt(QRect(p.Left, p.Top, w, h).center());
    if (!screen)
        screen = primary;
    FitMinimumToScreen(*this, screen);
    const FrameMargins f = Frame(*this);
    const PixelRect wanted{p.Left + f.left, p.Top + f.top, std::max(w, minimumWidth()),
                           std::max(h, minimumHeight())};
    const PixelRect fitted = FitToScreen(wanted, FreeArea(screen), f);
    resize(fitted.width, fitted.height);
    move(fitted.left - f.left, fitted.top - f.top);
}

void TD::StoreSettings() {
    WindowPlacement p;
    p.State = isMinimized() ? WindowMinimised : isMaximized() ? WindowMaximised : WindowNormal;
    p.Width = static_cast<float>(width());
    p.Height = static_cast<float>(height());
    p.Left = x();
    p.Top = y();
    WriteWindowPlacement(*settings_, p);
    WriteEditorSettings(*settings_, editor_.CurrentSettings());
    settings_->sync();
}

void TD::closeEvent(QCloseEvent* event) {
    if (dispatching_) {
        // Closing in the middle of a command would pull the window from under
        // it; close once it is done.
        event->ignore();
        QTimer::singleShot(0, this, &QWidget::close);
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    bool go = true;
    // Not inside a command (see above), so this runs at once.
    RunInEditor([&] { go = editor_.ConfirmDiscard(); });
    if (!go) {
        event->ignore();
        return;
    }
    RunInEditor([this] { editor_.EndSession(); });
    StoreSettings();
    autosaveTimer_.stop();
    event->accept();
}

void TD::keyPressEvent(QKeyEvent* event) {
    if (!qobject_cast<QLineEdit*>(focusWidget()) && RunLatinShortcut(this, *event))
        return;
    const int code = KeyEventCode(*event);
    // Keys the position box passes on (Enter, arrows) were typed as text,
    // not as editing commands.
    if (code == 0 || qobject_cast<QLineEdit*>(focusWidget())) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    Dispatch(Command::Key(CommandKind::KeyDown, code, ModifierMask(event->modifiers())));
}

void TD::keyReleaseEvent(QKeyEvent* event) {
    const int code = KeyEventCode(*event);
    // A held key repeats its press only.
    if (code == 0 || event->isAutoRepeat() || qobject_cast<QLineEdit*>(focusWidget())) {
        QMainWindow::keyReleaseEvent(event);
        return;
    }
    Dispatch(Command::Key(CommandKind::KeyUp, code, ModifierMask(event->modifiers())));
}

void TD::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    // The minimum size is only a hint to the window manager; a window made
    // smaller anyway snaps back. The drawing area itself follows the layout.
    WindowLayoutInput in;
    in.windowWidth = static_cast<float>(width()) * surface_.TwipsPerPixelX();
    in.windowHeight = static_cast<float>(height()) * surface_.TwipsPerPixelY();
    in.minimised = isMinimized();
    in.twipsPerPixelX = surface_.TwipsPerPixelX();
    in.twipsPerPixelY = surface_.TwipsPerPixelY();
    const PixelRect free = FreeArea(screen());
    in.screenWidth = static_cast<float>(free.width) * in.twipsPerPixelX;
    in.screenHeight = static_cast<float>(free.height) * in.twipsPerPixelY;
    const WindowLayout out = FormResize(in);
    if (out.windowResized) {
        const QSize size(static_cast<int>(std::lround(out.windowWidth / in.twipsPerPixelX)),
                         static_cast<int>(std::lround(out.windowHeight / in.twipsPerPixelY)));
        QTimer::singleShot(0, this, [this, size] { resize(size); });
    }
}

void TD::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && drawArea_)
        drawArea_->ReportArea();
}

bool TD::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        RunInEditor([this] { editor_.Activated(); });
    return QMainWindow::event(event);
}

} // namespace td
