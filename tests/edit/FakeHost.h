#pragma once
// A Host that records every call and answers the author's questions (message
// boxes, file and colour dialogs) from a script. Unscripted questions get a
// fixed answer: OK/Cancel, no file, no colour.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "edit/Host.h"

namespace td::test {

struct MessageRecord {
    std::string text;
    std::string title;
    MsgButtons buttons;
    MsgIcon icon;
};

struct DialogRecord {
    FileDialogKind kind;
    std::string startPath;
};

class FakeHost : public Host {
  public:
    // Scripts, consumed front first.
    std::deque<MsgAnswer> answers;
    std::deque<std::optional<std::string>> files;
    std::deque<std::optional<Colour>> colours;

    // Records.
    std::vector<std::string> log; // one line per call: "Name arg..."
    std::vector<MessageRecord> messages;
    std::vector<DialogRecord> dialogs;
    std::map<std::string, std::string> panels;
    std::map<std::string, bool> buttonEnabled, buttonVisible, buttonPressed;
    std::map<std::string, bool> menuEnabled, menuChecked, menuVisible;
    std::map<std::string, std::string> menuCaption;
    std::map<std::string, bool> controlVisible, controlEnabled;
    std::map<std::string, std::string> controlText;
    std::map<std::string, int> comboIndex;
    std::string pointer;
    std::string title;
    std::vector<std::string> recent; // most recent first, as the shell keeps it
    std::string tracksFolder = "/nonexistent/Tracks";
    char decimalSeparator = '.';
    int trackInfoShown = 0;
    std::vector<std::vector<TrackProblem>> checkShown;
    int cornerPropertiesShown = 0;
    bool cornerPropertiesOpen = false;
    std::array<std::string, 4> cornerTexts{};
    int cornerBoxSelected = -1;
    int timerStarts = 0;
    int editingAreaShown = 0;
    std::vector<std::string> popups;
    RecoveryNote recovery;
    long long sessionId = 1;
    long long runningSession = 0; // another window that still runs

    MsgAnswer MessageBox(const std::string& text, const std::string& t, MsgButtons buttons,
                         MsgIcon icon) override {
        messages.push_back({text, t, buttons, icon});
        log.push_back("MessageBox " + t);
        if (answers.empty())
            return buttons == MsgButtons::OK ? MsgAnswer::OK : MsgAnswer::Cancel;
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> FileDialog(FileDialogKind kind,
                                          const std::string& startPath) override {
        dialogs.push_back({kind, startPath});
        log.push_back(std::string("FileDialog ") +
                      (kind == FileDialogKind::Open ? "Open" : "Save"));
        if (files.empty())
            return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
    std::optional<Colour> ColorDialog(Colour initial) override {
        log.push_back("ColorDialog " + std::to_string(initial));
        if (colours.empty())
            return std::nullopt;
        auto c = colours.front();
        colours.pop_front();
        return c;
    }
    void SetPanelText(const std::string& key, const std::string& text) override {
        panels[key] = text;
        log.push_back("Panel " + key + "=" + text);
    }
    char DecimalSeparator() override { return decimalSeparator; }
    void SetButtonEnabled(const std::string& key, bool on) override { buttonEnabled[key] = on; }
    void SetButtonVisible(const std::string& key, bool on) override { buttonVisible[key] = on; }
    void SetButtonPressed(const std::string& key, bool on) override {
        buttonPressed[key] = on;
        log.push_back("Pressed " + key + "=" + (on ? "1" : "0"));
    }
    void SetMenuEnabled(const std::string& name, bool on) override { menuEnabled[name] = on; }
    void SetMenuChecked(const std::string& name, bool on) override { menuChecked[name] = on; }
    void SetMenuCaption(const std::string& name, const std::string& c) override {
        menuCaption[name] = c;
    }
    void SetMenuVisible(const std::string& name, bool on) override { menuVisible[name] = on; }
    void SetControlVisible(const std::string& name, bool on) override { controlVisible[name] = on; }
    void SetControlEnabled(const std::string& name, bool on) override { controlEnabled[name] = on; }
    void SetControlText(const std::string& name, const std::string& text) override {
        controlText[name] = text;
    }
    void SetComboIndex(const std::string& name, int index) override { comboIndex[name] = index; }
    void SetPointer(const std::string& key) override { pointer = key; }
    void ShowEditingArea() override { ++editingAreaShown; }
    void SetWindowTitle(const std::string& t) override {
        title = t;
        log.push_back("Title " + t);
    }
    void ShowCornerProperties(const std::array<std::string, 4>& texts) override {
        ++cornerPropertiesShown;
        cornerPropertiesOpen = true;
        cornerTexts = texts;
    }
    void CloseCornerProperties() override { cornerPropertiesOpen = false; }
    void SelectCornerPropertyBox(int index) override { cornerBoxSelected = index; }
    void ShowTrackInfo() override { ++trackInfoShown; }
    void ShowTrackCheck(const std::vector<TrackProblem>& problems) override {
        checkShown.push_back(problems);
    }
    std::vector<std::string> RecentTracks() override { return recent; }
    void AddRecentTrack(const std::string& path) override {
        std::erase(recent, path);
        recent.insert(recent.begin(), path);
        if (recent.size() > 5)
            recent.resize(5);
    }
    void StartAutosaveTimer() override { ++timerStarts; }
    std::string TracksFolder() override { return tracksFolder; }
    void PopupMenu(const std::string& name) override { popups.push_back(name); }
    std::vector<std::string> statusMessages;
    void ShowStatusMessage(const std::string& text) override { statusMessages.push_back(text); }
    std::optional<AreaRect> checkCover;
    std::optional<AreaRect> CheckWindowCover() override { return checkCover; }
    RecoveryNote StoredRecovery() override { return recovery; }
    void StoreRecovery(const RecoveryNote& note) override { recovery = note; }
    long long SessionId() override { return sessionId; }
    bool SessionRunning(long long owner) override {
        return owner == sessionId || (owner != 0 && owner == runningSession);
    }

    // Scripting helpers.
    void Answer(MsgAnswer a) { answers.push_back(a); }
    void ChooseFile(std::string path) { files.push_back(std::move(path)); }
    void CancelFile() { files.push_back(std::nullopt); }
    bool Pressed(const std::string& key) const {
        auto it = buttonPressed.find(key);
        return it != buttonPressed.end() && it->second;
    }

    // Import Circuit: the map files chosen (none: cancelled) and the choices
    // made in the options dialog (none: cancelled; unscripted: the preset
    // kept); each preset the dialog was shown is recorded.
    std::deque<std::optional<std::string>> circuitFiles;
    std::deque<std::optional<CircuitImportChoice>> circuitChoices;
    std::vector<CircuitImportChoice> circuitPresets;
    std::optional<std::string> CircuitFileDialog(const std::string& startPath) override {
        log.push_back("CircuitFileDialog " + startPath);
        if (circuitFiles.empty())
            return std::nullopt;
        auto f = circuitFiles.front();
        circuitFiles.pop_front();
        return f;
    }
    bool CircuitImportDialog(CircuitImportChoice& choice) override {
        circuitPresets.push_back(choice);
        log.push_back("CircuitImportDialog");
        if (circuitChoices.empty())
            return true;
        auto c = circuitChoices.front();
        circuitChoices.pop_front();
        if (c)
            choice = *c;
        return c.has_value();
    }
    // "Go to Space": the lane and number offered, and the answer to give.
    std::vector<std::pair<int, int>> spaceAsked;
    std::optional<std::pair<int, int>> spaceAnswer;
    std::optional<std::pair<int, int>> AskSpace(int lane, int space) override {
        spaceAsked.emplace_back(lane, space);
        return spaceAnswer;
    }
};

} // namespace td::test
