#pragma once
// Shared set-up of the main-window tests: one QApplication for the whole
// executable and a settings store redirected to a temporary folder, so that
// no test ever reads or writes the user's own settings.

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

#include "Settings.h"

namespace td::testing {

inline QApplication& App() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *existing;
    static int argc = 1;
    static char name[] = "td_tests_app";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

// The temporary settings folder, set up on first use.
inline const QString& SettingsFolder() {
    static QTemporaryDir dir;
    static const bool redirected = [] {
        App();
        QStandardPaths::setTestModeEnabled(true);
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, dir.path());
        return true;
    }();
    (void)redirected;
    static const QString path = dir.path();
    return path;
}

// An empty store, as on a first start.
inline void ClearSettings() {
    SettingsFolder();
    auto store = OpenSettingsStore();
    store->clear();
    store->sync();
}

} // namespace td::testing
