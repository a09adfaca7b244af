#pragma once

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
    // Writes pending changes to the file now; false when the file cannot be written.
    bool sync();

  private:
    // Turns each value that the store read as a list back into the one text written in the
    // file, so that it reads as that text and is written back quoted.
    void restoreHandWrittenLists();

    QString path_;
    std::unique_ptr<QSettings> settings_;
};
