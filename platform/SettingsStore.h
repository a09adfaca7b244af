#pragma once

#include <QString>
#include <QVariant>

// The per-user store of named keys holding named values. On the Linux desktop it is an INI
// file under $XDG_CONFIG_HOME; key paths keep their backslash form ("Software\Daylark\Tray")
// and are stored as nested groups. Each operation opens the file, does its work and closes
// it again, so another process sees every write at once.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath);

    // $XDG_CONFIG_HOME/Daylark/Daylark.conf (~/.config when the variable is not set).
    static QString defaultPath();

    const QString& filePath() const { return path_; }

    bool createKey(const QString& keyPath);
    bool keyExists(const QString& keyPath) const;
    // An invalid variant when the key or the value does not exist.
    QVariant value(const QString& keyPath, const QString& name) const;
    bool setValue(const QString& keyPath, const QString& name, const QVariant& value);
    bool removeValue(const QString& keyPath, const QString& name);

private:
    QString path_;
};
