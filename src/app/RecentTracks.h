#pragma once
// The list of the last track files opened or saved, most recent first, kept
// in the settings store beside (not inside) the editor's "Settings" section.

#include <QSettings>
#include <QString>
#include <QStringList>

namespace td {

class RecentTracks {
  public:
    static constexpr int MaxEntries = 5;

    explicit RecentTracks(QSettings& store) : store_(store) {}

    QStringList List() const;
    // Puts `path` first, dropping an older entry of the same path and the
    // entries beyond the fifth. The autosave file and paths that do not name
    // a ".trk" file never enter the list.
    void Add(const QString& path);

  private:
    QSettings& store_;
};

} // namespace td
