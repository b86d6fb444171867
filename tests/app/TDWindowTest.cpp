#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "DrawArea.h"
#include "TD.h"
#include "TDSplash.h"
#include "TDTestSupport.h"

namespace td {
namespace {

// The window with its modal dialogs replaced by a script, so that a test
// never waits for an author.
class ScriptedTD : public TD {
  public:
    explicit ScriptedTD(const QString& tracks) : TD(Options(tracks)) {}

    static TDOptions Options(const QString& tracks) {
        TDOptions o;
        o.showSplash = false;
        o.tracksFolder = tracks;
        return o;
    }

    MsgAnswer MessageBox(const std::string& text, const std::string&, MsgButtons,
                         MsgIcon) override {
        messages.push_back(text);
        if (whileModal)
            whileModal();
        return answer;
    }
    std::optional<std::string> FileDialog(FileDialogKind, const std::string&) override {
        return std::nullopt;
    }
    std::optional<Colour> ColorDialog(Colour) override {
        if (whileModal)
            whileModal();
        return std::nullopt;
    }

    MsgAnswer answer = MsgAnswer::No;
    std::vector<std::string> messages;
    // Runs while a dialog is "open", as a timer tick or a menu pick would.
    std::function<void()> whileModal;
};

void KeyClick(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QCoreApplication::sendEvent(w, &release);
}

void Mouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, Qt::KeyboardModifiers mods,
           QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, mods);
    QCoreApplication::sendEvent(w, &e);
}

class TDWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::ClearSettings();
        ASSERT_TRUE(tracks.isValid());
    }

    std::unique_ptr<ScriptedTD> StartWindow(const QString& commandLine = {}) {
        auto w = std::make_unique<ScriptedTD>(tracks.path());
        w->Start(commandLine);
        return w;
    }

    QString Setting(const QString& key) {
        return OpenSettingsStore()->value(QStringLiteral("Settings/") + key).toString();
    }

    void Put(const QString& key, const QString& value) {
        auto store = OpenSettingsStore();
        store->setValue(QStringLiteral("Settings/") + key, value);
        store->sync();
    }

    // Writes a template track to `name` in the tracks folder and returns its path.
    QString WriteTrack(const QString& name) {
        const QString path = tracks.path() + "/" + name;
        ScriptedTD writer(tracks.path());
        writer.Dispatch(Command::Button("New3Lane"));
        EXPECT_TRUE(writer.editor().SaveTrackFile(QFile::encodeName(path).toStdString()));
        return path;
    }

    static QStringList Captions(const QMenu* menu) {
        QStringList list;
        for (const QAction* a : menu->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return list;
    }

    QTemporaryDir tracks;
};

TEST_F(TDWindowTest, FirstStartOpensCentredWithDefaultModeAndOptions) {
    auto w = StartWindow();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tarvel Track Designer"));
    EXPECT_EQ(w->size(), QSize(800, 600));
    EXPECT_TRUE(w->ButtonAction("TranslateView")->isChecked());
    EXPECT_EQ(w->Panel("Mode")->text(), QStringLiteral("Translate View"));
    for (const char* name : {"MnuDrawWorldCOR", "MnuDrawSpaceCOR", "MnuDrawTrackVector",
                             "MnuDrawNext", "MnuDrawAdjacent", "MnuDrawSymbol", "MnuDrawFlags"})
        EXPECT_TRUE(w->MenuAction(name)->isChecked()) << name;
    EXPECT_FLOAT_EQ(w->editor().view.Zoom, 2.5f);
    // No track yet: no drawing area, no status bar, only the first three buttons.
    EXPECT_FALSE(w->drawArea()->isVisible());
    EXPECT_FALSE(w->statusBar()->isVisible());
    EXPECT_TRUE(w->ButtonAction("LoadTrack")->isVisible());
    EXPECT_FALSE(w->ButtonAction("SaveTrack")->isVisible());
    EXPECT_FALSE(w->MenuAction("MnuTrackInfo")->isEnabled());
    EXPECT_FALSE(w->PolyToolbar()->isVisible());
}

TEST_F(TDWindowTest, StartRestoresStoredModeZoomOptionsAndGeometry) {
    Put("Mode", "RotateSpace");
    Put("Zoom", FloatToSettingText(3.75f));
    Put("DrawFlags", "False");
    Put("DrawNext", "False");
    Put("WindowWidth", "700");
    Put("WindowHeight", "640");
    Put("WindowLeft", "30");
    Put("WindowTop", "40");
    auto w = StartWindow();
    EXPECT_TRUE(w->ButtonAction("RotateSpace")->isChecked());
    EXPECT_FALSE(w->ButtonAction("TranslateView")->isChecked());
    EXPECT_EQ(w->Panel("Mode")->text(), QStringLiteral("Rotate Space"));
    EXPECT_FLOAT_EQ(w->editor().view.Zoom, 3.75f);
    EXPECT_FALSE(w->MenuAction("MnuDrawFlags")->isChecked());
    EXPECT_FALSE(w->MenuAction("MnuDrawNext")->isChecked());
    EXPECT_TRUE(w->MenuAction("MnuDrawAdjacent")->isChecked());
    EXPECT_EQ(w->size(), QSize(700, 640));
    EXPECT_EQ(w->pos(), QPoint(30, 40));
}

TEST_F(TDWindowTest, StoredPlacementTooLargeForTheScreenOpensWholeOnIt) {
    // Stored on a larger screen, or at another scale: the test screen is
    // 800 by 800 pixels.
    Put("WindowWidth", "1600");
    Put("WindowHeight", "1200");
    Put("WindowLeft", "160");
    Put("WindowTop", "-60");
    auto w = StartWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(w->frameGeometry(), QRect(0, 0, 800, 800));
    // The minimum leaves room to make the window smaller.
    EXPECT_EQ(w->minimumSize(), QSize(600, 560));
}

TEST_F(TDWindowTest, WindowMadeSmallerThanTheMinimumSnapsBack) {
    auto w = StartWindow();
    // A window manager may ignore the minimum-size hint.
    w->setMinimumSize(0, 0);
    // On the 800-pixel-wide test screen the minimum width is 600.
    w->resize(500, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->size(), QSize(600, 560));
    w->resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(w->size(), QSize(700, 560));
}

TEST_F(TDWindowTest, ClosingANormalWindowStoresEveryKey) {
    auto w = StartWindow();
    w->resize(880, 620);
    w->move(12, 34);
    w->Dispatch(Command::Button("ZoomView"));
    w->MenuAction("MnuDrawWorldCOR")->trigger();
    ASSERT_TRUE(w->close());
    EXPECT_EQ(Setting("WindowState"), QStringLiteral("0"));
    EXPECT_EQ(Setting("WindowWidth"), QStringLiteral("880"));
    EXPECT_EQ(Setting("WindowHeight"), QStringLiteral("620"));
    EXPECT_EQ(Setting("WindowLeft"), QStringLiteral("12"));
    EXPECT_EQ(Setting("WindowTop"), QStringLiteral("34"));
    EXPECT_EQ(Setting("Mode"), QStringLiteral("ZoomView"));
    EXPECT_FLOAT_EQ(SettingTextToFloat(Setting("Zoom"), 0.0f), 2.5f);
    EXPECT_EQ(Setting("DrawWorldCOR"), QStringLiteral("False"));
    EXPECT_EQ(Setting("DrawFlags"), QStringLiteral("True"));
}

TEST_F(TDWindowTest, ClosingMaximisedOrMinimisedKeepsTheNormalPlacement) {
    Put("WindowWidth", "850");
    auto w = StartWindow();
    w->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(w->close());
    EXPECT_TRUE(Setting("WindowState").isEmpty());
    EXPECT_EQ(Setting("Mode"), QStringLiteral("TranslateView"));

    w = StartWindow();
    w->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(w->close());
    EXPECT_EQ(Setting("WindowState"), QStringLiteral("2"));
    EXPECT_EQ(Setting("WindowWidth"), QStringLiteral("850"));
    EXPECT_TRUE(Setting("WindowLeft").isEmpty());
}

TEST_F(TDWindowTest, CancellingTheUnsavedChangesQuestionKeepsTheWindowOpen) {
    auto w = StartWindow();
    w->Dispatch(Command::Button("New3Lane"));
    w->Dispatch(Command::Key(CommandKind::KeyDown, 'H', 0)); // a new symbol: a change
    ASSERT_TRUE(w->editor().HasUnsavedChanges());
    w->answer = MsgAnswer::Cancel;
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->messages.size(), 1u);
    // Nothing was stored for a close that did not happen.
    EXPECT_TRUE(Setting("Mode").isEmpty());

    // A command arriving while the question is open waits for the answer.
    float distanceDuringQuestion = 0.0f;
    w->whileModal = [&] {
        w->Dispatch(Command::Button("GridFine"));
        distanceDuringQuestion = w->editor().view.CurrentGrid.Distance;
    };
    w->answer = MsgAnswer::No;
    EXPECT_TRUE(w->close());
    EXPECT_EQ(Setting("Mode"), QStringLiteral("TranslateView"));
    EXPECT_FLOAT_EQ(distanceDuringQuestion, 25.0f);
    EXPECT_FLOAT_EQ(w->editor().view.CurrentGrid.Distance, 5.0f);
}

TEST_F(TDWindowTest, KeysTypedIntoThePositionBoxAreNoEditingCommands) {
    auto w = StartWindow();
    w->Dispatch(Command::Button("New3Lane"));
    auto* position = qobject_cast<QLineEdit*>(w->Control("SpacePosTxt"));
    position->setFocus();
    QApplication::setActiveWindow(w.get());
    ASSERT_EQ(w->focusWidget(), position);
    const float x = w->editor().view.OffsetX;
    KeyClick(w.get(), Qt::Key_Right);
    EXPECT_FLOAT_EQ(w->editor().view.OffsetX, x);
    // Enter hands the keys back to the drawing area.
    KeyClick(position, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget(), w->drawArea());
    KeyClick(w.get(), Qt::Key_Right);
    EXPECT_GT(w->editor().view.OffsetX, x);
}

TEST_F(TDWindowTest, CommandLineTrackIsOpenedAtStartAndNamedInTheTitle) {
    const QString path = WriteTrack("oval.trk");
    auto w = StartWindow(path);
    EXPECT_TRUE(w->editor().HasTrack);
    EXPECT_EQ(w->editor().TrackPath, QFile::encodeName(path).toStdString());
    EXPECT_TRUE(w->windowTitle().contains(QStringLiteral("oval.trk")))
        << w->windowTitle().toStdString();
    EXPECT_TRUE(w->drawArea()->isVisible());
    // Opening it put it at the top of the recent tracks.
    ASSERT_FALSE(w->RecentTracks().empty());
    EXPECT_EQ(w->RecentTracks().front(), QFile::encodeName(path).toStdString());
    EXPECT_TRUE(w->MenuAction("MnuRecentTrack(0)")->isVisible());
}

TEST_F(TDWindowTest, RelativeCommandLinePathEntersTheRecentListAbsolute) {
    const QString path = WriteTrack("relative.trk");
    const QString saved = QDir::currentPath();
    QDir::setCurrent(tracks.path());
    auto w = StartWindow(QStringLiteral("relative.trk"));
    QDir::setCurrent(saved);
    ASSERT_TRUE(w->editor().HasTrack);
    ASSERT_FALSE(w->RecentTracks().empty());
    EXPECT_EQ(QFileInfo(QFile::decodeName(w->RecentTracks().front().c_str())), QFileInfo(path));
    EXPECT_TRUE(QFileInfo(QFile::decodeName(w->RecentTracks().front().c_str())).isAbsolute());
}

TEST_F(TDWindowTest, WithASplashTheWindowWaitsForItButTheTrackIsCentredAlready) {
    const QString path = WriteTrack("splash.trk");
    TDOptions options = ScriptedTD::Options(tracks.path());
    options.showSplash = true;
    TD w(options);
    w.Start(path);
    EXPECT_FALSE(w.isVisible());
    ASSERT_TRUE(w.editor().HasTrack);
    EXPECT_GT(w.drawArea()->width(), 300);
    EXPECT_NEAR(w.editor().view.OffsetX, w.drawArea()->width() * 15.0f / 2, 8.0f);

    TDSplash* splash = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<TDSplash*>(top); s && s->isVisible())
            splash = s;
    ASSERT_NE(splash, nullptr);
    splash->Dismiss();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.drawArea()->isVisible());
    EXPECT_TRUE(w.editor().AreaVisible);
}

TEST_F(TDWindowTest, QuotedCommandLineOpensTheTrackAndOtherEndingsOpenNothing) {
    const QString path = WriteTrack("quoted.trk");
    auto quoted = StartWindow(QStringLiteral("\"%1\"").arg(path));
    EXPECT_TRUE(quoted->editor().HasTrack);

    auto other = StartWindow(tracks.path() + "/notes.txt");
    EXPECT_FALSE(other->editor().HasTrack);
    EXPECT_FALSE(other->drawArea()->isVisible());
}

TEST_F(TDWindowTest, MenusCarryTheirCaptionsShortcutsAndHiddenEntries) {
    auto w = StartWindow();
    QStringList bar;
    for (const QAction* a : w->menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, QStringList({"&File", "&Edit", "&Tools", "&Options", "&Help"}));

    const QMenu* file = w->Menu("MnuFile");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(Captions(file),
              QStringList({"New &3-Lane Track", "New &4-Lane Track", "&Open", "&Import Circuit...", "&Save",
                           "Save &As...", "-", "&Track Info", "-", "Recent Track", "Recent Track",
                           "Recent Track", "Recent Track", "Recent Track", "-", "E&xit"}));
    EXPECT_EQ(w->MenuAction("MnuOpen")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(w->MenuAction("MnuSave")->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(w->MenuAction("MnuSaveAs")->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_EQ(w->MenuAction("MnuTrackInfo")->shortcut(), QKeySequence("Ctrl+T"));
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(w->MenuAction("MnuRecentTrack(" + std::to_string(i) + ")")->isVisible());
    EXPECT_FALSE(w->MenuAction("Separator3")->isVisible());

    EXPECT_TRUE(w->MenuAction("MnuDetail(2)")->isChecked());

    // The context menus are never in the menu bar.
    for (const char* name : {"MnuCorner", "MnuPoly", "MnuVertex"}) {
        ASSERT_NE(w->Menu(name), nullptr) << name;
        EXPECT_FALSE(w->menuBar()->actions().contains(w->Menu(name)->menuAction())) << name;
    }
    EXPECT_EQ(Captions(w->Menu("MnuVertex")), QStringList({"Add Vertex", "Delete Vertex"}));
}

TEST_F(TDWindowTest, ToolbarsAndStatusBarFollowTheTables) {
    auto w = StartWindow();
    QAction* add = w->ButtonAction("AddSpace");
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->toolTip(), QStringLiteral("Add the current space to the track layout (Enter)"));
    // Keys show beside their menu items too, whatever the caption becomes.
    QAction* filled = w->MenuAction("MnuDrawFullDetail");
    ASSERT_NE(filled, nullptr);
    EXPECT_TRUE(filled->text().endsWith(QStringLiteral("\tF"))) << filled->text().toStdString();
    EXPECT_TRUE(filled->shortcut().isEmpty()) << "the key is handled once, by the editor";
    w->Dispatch(Command::Key(CommandKind::KeyDown, VK::F, 0));
    EXPECT_TRUE(filled->text().endsWith(QStringLiteral("\tF"))) << filled->text().toStdString();
    EXPECT_TRUE(add->statusTip().isEmpty()) << "no message squeezed in beside the status panels";
    EXPECT_FALSE(w->ButtonAction("New3Lane")->icon().isNull());
    // Mode buttons form one exclusive group, grid buttons another.
    w->ButtonAction("GridFine")->trigger();
    EXPECT_TRUE(w->ButtonAction("GridFine")->isChecked());
    EXPECT_FALSE(w->ButtonAction("GridMedium")->isChecked());
    EXPECT_TRUE(w->ButtonAction("TranslateView")->isChecked());

    // The colour buttons drop down the nine palette entries.
    QToolButton* fill = w->Button("PolyFillcolor");
    ASSERT_NE(fill, nullptr);
    ASSERT_NE(fill->menu(), nullptr);
    EXPECT_EQ(Captions(fill->menu()),
              QStringList({"Track Color", "Concrete", "Roads", "Grass", "Tree/Hedge",
                           "Water (Ocean)", "Water (Lake/Stream)", "Gravel Trap", "Sand (Beach)"}));
    EXPECT_TRUE(w->ButtonAction("CreatePoly")->isChecked());

    ASSERT_NE(w->Panel("Corner"), nullptr);
    EXPECT_EQ(w->Panel("Corner")->text(), QStringLiteral("Corner: N/A"));
    EXPECT_EQ(w->Panel("Grid")->toolTip(),
              QStringLiteral("Choose the grid setting from the toolbar above"));

    auto* symbol = qobject_cast<QComboBox*>(w->Control("SpacePropCombo"));
    ASSERT_NE(symbol, nullptr);
    EXPECT_EQ(symbol->itemData(5).toInt(), 30);
    EXPECT_TRUE(w->Control("PolyDetailCombo")->isHidden());
    EXPECT_FALSE(w->Control("SpacePosTxt")->isHidden());
}

TEST_F(TDWindowTest, NewTrackButtonShowsTheEditingAreaAndStartsAutosave) {
    auto w = StartWindow();
    w->Button("New3Lane")->click();
    EXPECT_TRUE(w->editor().HasTrack);
    EXPECT_TRUE(w->drawArea()->isVisible());
    EXPECT_TRUE(w->statusBar()->isVisible());
    EXPECT_TRUE(w->ButtonAction("SetAdjacentSpace")->isVisible());
    EXPECT_TRUE(w->ButtonAction("Options")->isVisible());
    EXPECT_TRUE(w->MenuAction("MnuTrackInfo")->isEnabled());
    EXPECT_TRUE(w->AutosaveTimer().isActive());
    EXPECT_EQ(w->AutosaveTimer().interval(), 60000);
    EXPECT_TRUE(QFile::exists(tracks.path() + "/autosave.tmp"));
    EXPECT_EQ(w->Panel("CurrLane")->text(), QStringLiteral("Lane 2, Right"));
    EXPECT_EQ(w->Panel("CurrRot")->text(), QString::fromLatin1("Ang:0\xB0"));

    // The view was centred on the drawing area as laid out, not as it was
    // while hidden.
    const float tppx = w->drawArea()->TwipsPerPixelX();
    EXPECT_NEAR(w->editor().view.AreaWidth, w->drawArea()->width() * tppx, 0.5f);
    EXPECT_NEAR(w->editor().view.OffsetX, w->drawArea()->width() * tppx / 2, 1.0f);
    EXPECT_GT(w->editor().view.OffsetX, 1000.0f);
}

TEST_F(TDWindowTest, HostCallsReachTheirWidgets) {
    auto w = StartWindow();
    w->SetButtonPressed("GridCoarse", true);
    EXPECT_TRUE(w->ButtonAction("GridCoarse")->isChecked());
    EXPECT_FALSE(w->ButtonAction("GridMedium")->isChecked());
    // A path is no mnemonic.
    w->SetMenuCaption("MnuRecentTrack(1)", "/t/R&D.trk");
    EXPECT_EQ(w->MenuAction("MnuRecentTrack(1)")->text(), QStringLiteral("/t/R&&D.trk"));
    w->SetComboIndex("GapPartCombo", 3);
    EXPECT_EQ(qobject_cast<QComboBox*>(w->Control("GapPartCombo"))->currentIndex(), 3);
    // Texts of the track are single-byte; a path keeps the system's UTF-8.
    w->SetWindowTitle("Tarvel Track Designer - N\xFCrburg.trk");
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Tarvel Track Designer - N\u00FCrburg.trk"));
    w->SetWindowTitle("Tarvel Track Designer - Z\xC3\xBCrich.trk");
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Tarvel Track Designer - Z\u00FCrich.trk"));
    w->SetPointer("SizeNS");
    EXPECT_EQ(w->drawArea()->cursor().shape(), Qt::SizeVerCursor);
    w->SetPointer("RotateSpace");
    EXPECT_EQ(w->drawArea()->cursor().shape(), Qt::BitmapCursor);
    const QLocale locale;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(w->DecimalSeparator(), ',');
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(w->DecimalSeparator(), '.');
    QLocale::setDefault(locale);

    // Unknown names and out-of-range entries are ignored.
    w->SetButtonEnabled("NoSuchButton", false);
    w->SetComboIndex("GapPartCombo", 99);
    EXPECT_EQ(qobject_cast<QComboBox*>(w->Control("GapPartCombo"))->currentIndex(), 3);
    w->SetControlText("NoSuchControl", "x");
}

TEST_F(TDWindowTest, PolygonToolbarAppearsOnlyWithItsButtons) {
    auto w = StartWindow();
    w->Dispatch(Command::Button("New3Lane"));
    EXPECT_FALSE(w->PolyToolbar()->isVisible());
    w->Button("PolyMode")->click();
    EXPECT_TRUE(w->PolyToolbar()->isVisible());
    EXPECT_TRUE(w->ButtonAction("CreateRoad")->isVisible());
    QCoreApplication::processEvents(); // the toolbar lays its buttons out later
    EXPECT_TRUE(w->Button("PolyFillcolor")->isVisible());
    EXPECT_FALSE(w->Control("PolyDetailCombo")->isHidden());
    EXPECT_TRUE(w->Control("SpacePropCombo")->isHidden());
    w->Button("TranslateSpace")->click();
    EXPECT_FALSE(w->PolyToolbar()->isVisible());
}

TEST_F(TDWindowTest, ActivationShowsTheGridInForcePressed) {
    auto w = StartWindow();
    w->SetButtonPressed("GridMedium", false);
    QApplication::setActiveWindow(w.get());
    QCoreApplication::processEvents();
    ASSERT_TRUE(w->isActiveWindow());
    EXPECT_TRUE(w->ButtonAction("GridMedium")->isChecked());
}

TEST_F(TDWindowTest, CheckableMenuItemFlipsOncePerClick) {
    auto w = StartWindow();
    w->MenuAction("MnuDrawSpaceCOR")->trigger();
    EXPECT_FALSE(w->MenuAction("MnuDrawSpaceCOR")->isChecked());
    EXPECT_FALSE(w->editor().display.DrawSpaceCOR);
    w->MenuAction("MnuDrawSpaceCOR")->trigger();
    EXPECT_TRUE(w->MenuAction("MnuDrawSpaceCOR")->isChecked());
    EXPECT_TRUE(w->editor().display.DrawSpaceCOR);

    w->MenuAction("MnuDetail(4)")->trigger();
    EXPECT_TRUE(w->MenuAction("MnuDetail(4)")->isChecked());
    EXPECT_FALSE(w->MenuAction("MnuDetail(2)")->isChecked());
    EXPECT_EQ(w->editor().view.DetailLevel, 4);
}

TEST_F(TDWindowTest, PanelChoicesOfTheAuthorBecomeCommandsButTheEditorsDoNot) {
    auto w = StartWindow();
    w->Dispatch(Command::Button("New3Lane"));
    auto* symbol = qobject_cast<QComboBox*>(w->Control("SpacePropCombo"));
    // Setting the list from the editor must not run the choice again.
    const int before = w->editor().RefreshCount;
    const int entry = w->editor().SymbolEntry;
    w->SetComboIndex("SpacePropCombo", 1);
    EXPECT_EQ(symbol->currentIndex(), 1);
    EXPECT_EQ(w->editor().SymbolEntry, entry);
    EXPECT_EQ(w->editor().RefreshCount, before);
    // The author's choice is a command.
    emit symbol->activated(2);
    EXPECT_EQ(w->editor().SymbolEntry, 2);
}

TEST_F(TDWindowTest, KeyPressesReachTheEditorAsVirtualKeys) {
    auto w = StartWindow();
    w->Dispatch(Command::Button("New3Lane"));
    KeyClick(w.get(), Qt::Key_Plus, Qt::KeypadModifier);
    EXPECT_FLOAT_EQ(w->editor().view.Zoom, 2.75f);
    KeyClick(w.get(), Qt::Key_Minus);
    EXPECT_FLOAT_EQ(w->editor().view.Zoom, 2.5f);
    const float x = w->editor().view.OffsetX;
    KeyClick(w.get(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NEAR(w->editor().view.OffsetX, x + 2500.0f, 0.01f);
}

TEST_F(TDWindowTest, CommandRaisedDuringACommandRunsAfterIt) {
    auto w = StartWindow();
    w->Dispatch(Command::Button("New3Lane"));
    float distanceDuringDialog = 0.0f;
    w->whileModal = [&] {
        w->Dispatch(Command::Button("GridFine"));
        distanceDuringDialog = w->editor().view.CurrentGrid.Distance;
    };
    w->Dispatch(Command::Menu("MnuSetBackColor"));
    EXPECT_FLOAT_EQ(distanceDuringDialog, 25.0f);
    EXPECT_FLOAT_EQ(w->editor().view.CurrentGrid.Distance, 5.0f);
}

TEST(DrawAreaTest, MouseEventsArriveInTwipsWithButtonAndMask) {
    testing::App();
    QImageSurface surface(100, 80, 15.0f, 12.0f);
    DrawArea area(surface);
    std::vector<Command> got;
    area.SetCommandSink([&](const Command& c) { got.push_back(c); });

    Mouse(&area, QEvent::MouseButtonPress, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 20));
    Mouse(&area, QEvent::MouseMove, Qt::LeftButton, Qt::NoModifier, QPoint(11, 21));
    Mouse(&area, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::ControlModifier, QPoint(12, 22));
    Mouse(&area, QEvent::MouseMove, Qt::NoButton, Qt::NoModifier, QPoint(13, 23));
    // The double-click replaces the second press; it is no press of its own.
    Mouse(&area, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::NoModifier, QPoint(13, 23));
    Mouse(&area, QEvent::MouseButtonPress, Qt::RightButton, Qt::AltModifier, QPoint(3, 4));
    ASSERT_EQ(got.size(), 6u);
    EXPECT_EQ(got[0].kind, CommandKind::MouseDown);
    EXPECT_EQ(got[0].button, 1);
    EXPECT_EQ(got[0].shift, 1);
    EXPECT_FLOAT_EQ(got[0].x, 150.0f);
    EXPECT_FLOAT_EQ(got[0].y, 240.0f);
    EXPECT_EQ(got[1].kind, CommandKind::MouseMove);
    EXPECT_EQ(got[1].button, 1);
    EXPECT_EQ(got[2].kind, CommandKind::MouseUp);
    EXPECT_EQ(got[2].shift, 2);
    EXPECT_EQ(got[3].button, 0);
    EXPECT_EQ(got[4].kind, CommandKind::DblClick);
    EXPECT_EQ(got[5].button, 2);
    EXPECT_EQ(got[5].shift, 4);
}

} // namespace
} // namespace td
