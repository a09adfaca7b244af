#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <memory>

class QSettings;

// The per-user store of named keys holding named values. On the Linux desktop it is an INI
// file under $XDG_CONFIG_HOME; key paths keep their backslash form ("Software\Daylark\Tray")
// and are stored as nested groups. Writes reach the file when the program returns to its
// event loop, at sync() and when the store is destroyed, so that a first start writing every
// default costs one file write instead of forty.
class SettingsStore {
  public:
    explicit SettingsStore(QString filePath);
    ~SettingsStore();

    // $XDG_CONFIG_HOME/Daylark/Daylark.conf (~/.config when the variable is not set).
    static QString defaultPath();

    const QString& filePath() const { return path_; }

    bool createKey(const QString& keyPath);
    bool keyExists(const QString& keyPath) const;
    // An invalid variant when the key or the value does not exist.
    QVariant value(const QString& keyPath, const QString& name) const;
    bool setValue(const QString& keyPath, const QString& name, const QVariant& value);
    bool removeValue(const QString& keyPath, const QString& name);
    // Writes pending changes to the file now; false when the file cannot be written (a
    // folder that cannot be made or written, a full disk), and syncError() says why.
    bool sync();
    // The system's reason for the last failed sync(); empty after one that succeeded.
    const QString& syncError() const { return syncError_; }

  private:
    // The same writes again on a store freshly opened on the file: QSettings keeps the first
    // error it meets for its whole life, so only a fresh one reports on the next attempt.
    void reopen();
    // Why the file cannot be written: the system's own words from writing a scratch file
    // beside it the way the store writes the file.
    QString writeFailureReason() const;

    // Turns each value that the store read as a list back into the one text written in the
    // file, so that it reads as that text and is written back quoted.
    void restoreHandWrittenLists();

    QString path_;
    std::unique_ptr<QSettings> settings_;
    // The last write of each value not yet known to be in the file; an invalid value stands
    // for a removal.
    QMap<QString, QVariant> unsynced_;
    QString syncError_;
};
