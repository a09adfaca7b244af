#include "settings/RecentFiles.h"

#include "document/AppState.h"
#include "document/DocumentCommands.h"
#include "platform/Dialogs.h"
#include "settings/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QString valueName(int slot) {
    return QStringLiteral("RecentFile%1").arg(slot + 1);
}

// The same file reached by another spelling of its path ("./a.qvf", "dir/../a.qvf") is one
// entry.
QString normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFiles::RecentFiles(SettingsStore& store) : store_(store) {
    for (int slot = 0; slot < kLimit; ++slot) {
        const QString path = Registry::QueryText(store_, Registry::kOptionsKey, valueName(slot));
        if (!path.isEmpty() && !paths_.contains(normalised(path))) paths_ << normalised(path);
    }
}

void RecentFiles::add(const QString& path) {
    const QString entry = normalised(path);
    paths_.removeAll(entry);
    paths_.prepend(entry);
    while (paths_.size() > kLimit)
        paths_.removeLast();
    write();
}

void RecentFiles::remove(const QString& path) {
    if (paths_.removeAll(normalised(path)) > 0) write();
}

void RecentFiles::write() {
    for (int slot = 0; slot < kLimit; ++slot) {
        if (slot < paths_.size())
            Registry::SetKeyValue(store_, Registry::kOptionsKey, valueName(slot), paths_[slot]);
        else
            Registry::DeleteValue(store_, Registry::kOptionsKey, valueName(slot));
    }
}

QString RecentMenuText(const QStringList& paths, int index) {
    const QString name = QFileInfo(paths.at(index)).fileName();
    const bool shared = std::any_of(paths.begin(), paths.end(), [&](const QString& other) {
        return other != paths.at(index) && QFileInfo(other).fileName() == name;
    });
    QString shown = shared ? QDir::toNativeSeparators(paths.at(index)) : name;
    shown.replace(u'&', QLatin1String("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

RecentOpen OpenRecentCalendar(AppState& app, RecentFiles& recent, const QString& path) {
    if (!QFileInfo(path).isFile()) {
        recent.remove(path);
        showMessage(app.dialogs,
                    QCoreApplication::translate("RecentFiles",
                                                "The calendar file\n%1\nno longer exists. It "
                                                "has been taken off the list of recent "
                                                "calendars.")
                        .arg(QDir::toNativeSeparators(path)),
                    QStringLiteral("Daylark"), MessageIcon::Exclamation);
        return RecentOpen::Vanished;
    }
    if (!ConfirmDiscardOrSave(app)) return RecentOpen::Abandoned;
    return OpenCalendarFile(app, path, QFileInfo(path).fileName()) ? RecentOpen::Opened
                                                                   : RecentOpen::Failed;
}
