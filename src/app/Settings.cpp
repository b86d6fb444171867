#include "Settings.h"

#include "edit/DisplayItems.h"

#include <QLocale>

#include <charconv>
#include <cmath>

namespace td {

namespace {

QString Key(const QString& key) {
    return QString::fromLatin1(SettingsGroup) + '/' + key;
}

// Round half to even, as every other conversion of the editor does.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

std::unique_ptr<QSettings> OpenSettingsStore() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromLatin1(SettingsApplication));
}

QString FloatToSettingText(float value) {
    // The shortest text that reads back as the same float, with the locale's
    // decimal separator and no group separators.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    QString text = QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
    text.replace('.', QLocale().decimalPoint());
    return text;
}

float SettingTextToFloat(const QString& text, float fallback) {
    bool ok = false;
    const float value = QLocale().toFloat(text.trimmed(), &ok);
    if (ok && std::isfinite(value))
        return value;
    // A store written under another locale still reads.
    const float c = QLocale::c().toFloat(text.trimmed(), &ok);
    return ok && std::isfinite(c) ? c : fallback;
}

QString BoolToSettingText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool SettingTextToBool(const QString& text, bool fallback) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("-1") || t == QLatin1String("1"))
        return true;
    if (t == QLatin1String("false") || t == QLatin1String("0"))
        return false;
    return fallback;
}

int SettingTextToInt(const QString& text, int fallback) {
    bool ok = false;
    const int value = QLocale().toInt(text.trimmed(), &ok);
    if (ok)
        return value;
    const int c = text.trimmed().toInt(&ok);
    return ok ? c : fallback;
}

bool HasSetting(QSettings& store, const QString& key) {
    return store.contains(Key(key));
}

QString ReadTextSetting(QSettings& store, const QString& key, const QString& fallback) {
    const QVariant v = store.value(Key(key));
    return v.isValid() ? v.toString() : fallback;
}

float ReadFloatSetting(QSettings& store, const QString& key, float fallback) {
    const QVariant v = store.value(Key(key));
    return v.isValid() ? SettingTextToFloat(v.toString(), fallback) : fallback;
}

int ReadIntSetting(QSettings& store, const QString& key, int fallback) {
    const QVariant v = store.value(Key(key));
    return v.isValid() ? SettingTextToInt(v.toString(), fallback) : fallback;
}

bool ReadBoolSetting(QSettings& store, const QString& key, bool fallback) {
    const QVariant v = store.value(Key(key));
    return v.isValid() ? SettingTextToBool(v.toString(), fallback) : fallback;
}

void WriteTextSetting(QSettings& store, const QString& key, const QString& value) {
    store.setValue(Key(key), value);
}

void WriteFloatSetting(QSettings& store, const QString& key, float value) {
    store.setValue(Key(key), FloatToSettingText(value));
}

void WriteIntSetting(QSettings& store, const QString& key, int value) {
    store.setValue(Key(key), QLocale().toString(value).remove(QLocale().groupSeparator()));
}

void WriteBoolSetting(QSettings& store, const QString& key, bool value) {
    store.setValue(Key(key), BoolToSettingText(value));
}

EditorSettings ReadEditorSettings(QSettings& store) {
    EditorSettings s;
    s.Mode = ReadTextSetting(store, "Mode", QString::fromLatin1(s.Mode.c_str())).toStdString();
    s.Zoom = ReadFloatSetting(store, "Zoom", s.Zoom);
    for (const DisplayItem& item : DisplayItems)
        s.*item.setting =
            ReadBoolSetting(store, QString::fromLatin1(item.settingsKey), s.*item.setting);
    s.ShowMoves = ReadBoolSetting(store, "ShowMoves", s.ShowMoves);
    s.Moves = ReadIntSetting(store, "Moves", s.Moves);
    return s;
}

void WriteEditorSettings(QSettings& store, const EditorSettings& s) {
    WriteTextSetting(store, "Mode", QString::fromLatin1(s.Mode.c_str()));
    WriteFloatSetting(store, "Zoom", s.Zoom);
    for (const DisplayItem& item : DisplayItems)
        WriteBoolSetting(store, QString::fromLatin1(item.settingsKey), s.*item.setting);
    WriteBoolSetting(store, "ShowMoves", s.ShowMoves);
    WriteIntSetting(store, "Moves", s.Moves);
}

WindowPlacement ReadWindowPlacement(QSettings& store, int screenWidth, int screenHeight) {
    WindowPlacement p;
    p.State = ReadIntSetting(store, "WindowState", WindowNormal);
    if (p.State < WindowNormal || p.State > WindowMaximised)
        p.State = WindowNormal;
    p.Width = ReadFloatSetting(store, "WindowWidth", 800.0f);
    p.Height = ReadFloatSetting(store, "WindowHeight", 600.0f);
    p.Left = ReadIntSetting(store, "WindowLeft", (screenWidth - RoundEven(p.Width)) / 2);
    p.Top = ReadIntSetting(store, "WindowTop", (screenHeight - RoundEven(p.Height)) / 2);
    return p;
}

void WriteWindowPlacement(QSettings& store, const WindowPlacement& p) {
    if (p.State == WindowMinimised)
        return;
    WriteIntSetting(store, "WindowState", p.State);
    if (p.State == WindowMaximised)
        return;
    WriteFloatSetting(store, "WindowWidth", p.Width);
    WriteFloatSetting(store, "WindowHeight", p.Height);
    WriteIntSetting(store, "WindowLeft", p.Left);
    WriteIntSetting(store, "WindowTop", p.Top);
}

} // namespace td
