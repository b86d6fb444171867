#pragma once
// The main window: the Qt face of the editor. It builds its menus, toolbars,
// status bar and property panel from the interface tables, turns every Qt
// input into a Command for Editor::Dispatch, and carries out the editor's
// Host calls on its widgets. It holds no editing logic of its own.

#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "edit/Editor.h"
#include "edit/Host.h"
#include "edit/UiDefs.h"
#include "TDCheckTrack.h"
#include "render/qt/QImageSurface.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QSettings;
class QToolBar;
class QToolButton;

namespace td {

class DrawArea;
class TDCornerProp;

struct TDOptions {
    // Shows the splash screen while the window opens.
    bool showSplash = true;
    // Folder for track files and the autosave file; empty: beside the program.
    QString tracksFolder;
};

class TD : public QMainWindow, public Host {
    Q_OBJECT
  public:
    explicit TD(TDOptions options = {}, QWidget* parent = nullptr);
    ~TD() override;

    // The opening steps: splash, settings, window placement, then the editor's
    // own start-up with the command-line text (a ".trk" path or nothing).
    // The window shows when the splash closes (at once without a splash).
    void Start(const QString& commandLine);
    // Shows the window in its restored state (once).
    void ShowPlaced();

    // The one way into the editor: every input arrives here as a command. A
    // command raised while another is still running (a pick from a popup
    // menu, a timer tick under a message box) runs when that one is done.
    void Dispatch(const Command& cmd);

    Editor& editor() { return editor_; }
    DrawArea* drawArea() const { return drawArea_; }

    // Widgets by the keys and names the editor uses; nullptr when unknown.
    QAction* MenuAction(const std::string& name) const;
    QMenu* Menu(const std::string& name) const;
    QAction* ButtonAction(const std::string& key) const;
    QToolButton* Button(const std::string& key) const;
    QLabel* Panel(const std::string& key) const;
    QWidget* Control(const std::string& name) const;
    QToolBar* MainToolbar() const { return mainToolbar_; }
    QToolBar* PolyToolbar() const { return polyToolbar_; }
    QTimer& AutosaveTimer() { return autosaveTimer_; }

    // Host.
    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override;
    std::optional<std::string> FileDialog(FileDialogKind kind,
                                          const std::string& startPath) override;
    std::optional<Colour> ColorDialog(Colour initial) override;
    void SetPanelText(const std::string& key, const std::string& text) override;
    char DecimalSeparator() override;
    void SetButtonEnabled(const std::string& key, bool enabled) override;
    void SetButtonVisible(const std::string& key, bool visible) override;
    void SetButtonPressed(const std::string& key, bool pressed) override;
    void SetMenuEnabled(const std::string& name, bool enabled) override;
    void SetMenuChecked(const std::string& name, bool checked) override;
    void SetMenuCaption(const std::string& name, const std::string& caption) override;
    void SetMenuVisible(const std::string& name, bool visible) override;
    void SetControlVisible(const std::string& name, bool visible) override;
    void SetControlEnabled(const std::string& name, bool enabled) override;
    void SetControlText(const std::string& name, const std::string& text) override;
    void SetComboIndex(const std::string& name, int index) override;
    void SetPointer(const std::string& key) override;
    void ShowEditingArea() override;
    void SetWindowTitle(const std::string& title) override;
    void ShowCornerProperties(const std::array<std::string, 4>& texts) override;
    void CloseCornerProperties() override;
    void SelectCornerPropertyBox(int index) override;
    // The window a message box opens over: the dialog whose command raised
    // it, else the main window.
    QWidget* MessageParent();
    // The corner properties dialog while it exists; nullptr before the first opening.
    TDCornerProp* CornerProp() const { return cornerProp_; }
    void ShowTrackInfo() override;
    void ShowTrackCheck(const std::vector<TrackProblem>& problems) override;
    std::vector<std::string> RecentTracks() override;
    void AddRecentTrack(const std::string& path) override;
    void StartAutosaveTimer() override;
    std::string TracksFolder() override;
    RecoveryNote StoredRecovery() override;
    void StoreRecovery(const RecoveryNote& note) override;
    long long SessionId() override;
    bool SessionRunning(long long owner) override;
    void PopupMenu(const std::string& name) override;
    std::optional<std::string> CircuitFileDialog(const std::string& startPath) override;
    bool CircuitImportDialog(CircuitImportChoice& choice) override;
    void ShowStatusMessage(const std::string& text) override;
    std::optional<AreaRect> CheckWindowCover() override;
    std::optional<std::pair<int, int>> AskSpace(int lane, int space) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void BuildMenus();
    void AddMenuItems(QMenu* menu, const std::vector<MenuItemDef>& items);
    void BuildToolbars();
    QToolBar* BuildToolbar(const std::vector<ButtonDef>& defs, const QString& name);
    void BuildStatusBar();
    QWidget* BuildPropertyPanel();
    void OnAreaChanged(float widthTwips, float heightTwips);
    void RestorePlacement();
    void StoreSettings();
    void UpdatePolyToolbarVisibility();
    // Runs editor work so that a failure inside it cannot end the program.
    void Guarded(const std::function<void()>& work);
    // Runs editor work now, or, while other editor work is under way (a
    // dialog's event loop runs inside it), as soon as that is done.
    void RunInEditor(std::function<void()> work);
    // Shell-owned windows.
    void ShowSplash();
    void ShowAbout();

    TDOptions options_;
    std::unique_ptr<QSettings> settings_;
    QImageSurface surface_;
    Editor editor_;

    DrawArea* drawArea_ = nullptr;
    TDCornerProp* cornerProp_ = nullptr;
    QWidget* editingArea_ = nullptr;
    QToolBar* mainToolbar_ = nullptr;
    QToolBar* polyToolbar_ = nullptr;
    QTimer autosaveTimer_;
    TDCheckTrack* checkTrack_ = nullptr; // created when first shown
    // The dialog whose command is being carried out, while it is.
    QWidget* commandWindow_ = nullptr;

    std::map<std::string, QAction*> menuActions_;
    std::map<std::string, QMenu*> menus_;
    std::map<std::string, QAction*> buttonActions_;
    std::map<std::string, QLabel*> panels_;
    std::map<std::string, QWidget*> controls_;
    std::vector<QAction*> toolbarSpacing_; // separators and spacers shown with a track
    QString pointerKey_;
    int placementState_ = 0;

    // Modal windows (message boxes, dialogs, popup menus) opened so far: one
    // opened by a press takes that press's release.
    int modalRuns_ = 0;
    bool dispatching_ = false;
    std::deque<std::function<void()>> pending_;
};

} // namespace td
