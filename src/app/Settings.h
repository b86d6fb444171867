#pragma once
// The per-user settings store: where it lives, and typed reading and writing
// of the values kept between runs. Values are stored as text; numbers in the
// locale's own form, as the author's system would show them.

#include <QSettings>
#include <QString>

#include <memory>

#include "edit/Editor.h"

namespace td {

// Application name of the settings store and section of the editor's values.
inline constexpr const char* SettingsApplication = "Tarvel TD";
inline constexpr const char* SettingsGroup = "Settings";

// The store of the current user ("Tarvel TD"); tests redirect its folder with
// QSettings::setPath.
std::unique_ptr<QSettings> OpenSettingsStore();

// Text forms of stored values and their tolerant reading: anything that does
// not convert gives the default.
QString FloatToSettingText(float value);
float SettingTextToFloat(const QString& text, float fallback);
QString BoolToSettingText(bool value);
bool SettingTextToBool(const QString& text, bool fallback);
int SettingTextToInt(const QString& text, int fallback);

// Typed access to the keys of the "Settings" section (the caller has not
// opened a group).
float ReadFloatSetting(QSettings& store, const QString& key, float fallback);
int ReadIntSetting(QSettings& store, const QString& key, int fallback);
bool ReadBoolSetting(QSettings& store, const QString& key, bool fallback);
QString ReadTextSetting(QSettings& store, const QString& key, const QString& fallback);
bool HasSetting(QSettings& store, const QString& key);
void WriteFloatSetting(QSettings& store, const QString& key, float value);
void WriteIntSetting(QSettings& store, const QString& key, int value);
void WriteBoolSetting(QSettings& store, const QString& key, bool value);
void WriteTextSetting(QSettings& store, const QString& key, const QString& value);

// Mode, zoom, the seven display options and Show Moves with its count.
EditorSettings ReadEditorSettings(QSettings& store);
void WriteEditorSettings(QSettings& store, const EditorSettings& settings);

// Window placement: state 0 normal, 1 minimised, 2 maximised; sizes and
// positions in the toolkit's pixels.
enum StoredWindowState { WindowNormal = 0, WindowMinimised = 1, WindowMaximised = 2 };

struct WindowPlacement {
    int State = WindowNormal;
    float Width = 0.0f;
    float Height = 0.0f;
    int Left = 0;
    int Top = 0;
};

// Reads the placement; missing sizes default to 800 x 600 pixels, a missing
// position centres that size on a screen of the given size.
WindowPlacement ReadWindowPlacement(QSettings& store, int screenWidth, int screenHeight);
// Stores what closing stores: nothing while minimised, only the state while
// maximised, everything otherwise.
void WriteWindowPlacement(QSettings& store, const WindowPlacement& placement);

} // namespace td
