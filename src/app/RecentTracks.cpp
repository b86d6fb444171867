#include "RecentTracks.h"

#include <algorithm>

namespace td {

namespace {

const QString Group = QStringLiteral("RecentTracks");

QString EntryKey(int i) {
    return Group + QStringLiteral("/Track%1").arg(i + 1);
}

QString FileNamePart(const QString& path) {
    const qsizetype cut = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    return path.mid(cut + 1);
}

} // namespace

QStringList RecentTracks::List() const {
    QStringList list;
    for (int i = 0; i < MaxEntries; ++i) {
        const QString path = store_.value(EntryKey(i)).toString();
        if (!path.isEmpty() && !list.contains(path))
            list.append(path);
    }
    return list;
}

void RecentTracks::Add(const QString& path) {
    if (path.isEmpty() || FileNamePart(path) == QLatin1String("autosave.tmp") ||
        !path.endsWith(QLatin1String(".trk"), Qt::CaseInsensitive))
        return;
    QStringList list = List();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > MaxEntries)
        list.removeLast();
    for (int i = 0; i < MaxEntries; ++i) {
        if (i < list.size())
            store_.setValue(EntryKey(i), list[i]);
        else
            store_.remove(EntryKey(i));
    }
}

} // namespace td
