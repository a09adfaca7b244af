#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;
struct AppState;

// The File menu's list of recent calendars: the last four opened or saved, the newest
// first. It is kept with the other preferences under the options key, as the values
// RecentFile1 to RecentFile4, and written whenever it changes.
class RecentFiles {
  public:
    static constexpr int kLimit = 4;

    // Reads the stored list; empty slots and repeated files are skipped.
    explicit RecentFiles(SettingsStore& store);

    // Full paths, the newest first.
    const QStringList& paths() const { return paths_; }

    // path becomes the first entry (an entry for the same file moves up instead of being
    // repeated); the oldest falls off past the limit.
    void add(const QString& path);
    void remove(const QString& path);

  private:
    void write();

    SettingsStore& store_;
    QStringList paths_;
};

// The menu caption of entry index: "&1 family.qvf". Where two entries share a file name the
// full path tells them apart. An ampersand in a name stays an ampersand.
QString RecentMenuText(const QStringList& paths, int index);

enum class RecentOpen {
    Opened,    // the calendar was read (or reading stopped at a stop line)
    Abandoned, // the user cancelled the question about unsaved changes
    Failed,    // the file could not be read; the reader has said why
    Vanished,  // the file no longer exists and was taken off the list
};

// Opens a calendar from the list as File > Open opens a chosen one: the question about
// unsaved changes first, then the file's name as the provisional title and the read. A file
// that no longer exists is dropped from the list with a message, and nothing is asked. A file
// of another version leaves the open calendar with its own file name and title.
RecentOpen OpenRecentCalendar(AppState& app, RecentFiles& recent, const QString& path);
