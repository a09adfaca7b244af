#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString groupOf(const QString& keyPath) {
    QString group = keyPath;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return group;
}

bool syncOk(QSettings& settings) {
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace

SettingsStore::SettingsStore(QString filePath) : path_(std::move(filePath)) {}

QString SettingsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Daylark/Daylark.conf");
}

bool SettingsStore::createKey(const QString& keyPath) {
    // An INI file has no empty groups: a key comes into being with its first value. Creating
    // it here makes sure the file's folder exists and the file can be written.
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
    QSettings settings(path_, QSettings::IniFormat);
    Q_UNUSED(keyPath);
    return syncOk(settings) && settings.isWritable();
}

bool SettingsStore::keyExists(const QString& keyPath) const {
    QSettings settings(path_, QSettings::IniFormat);
    settings.beginGroup(groupOf(keyPath));
    return !settings.childKeys().isEmpty() || !settings.childGroups().isEmpty();
}

QVariant SettingsStore::value(const QString& keyPath, const QString& name) const {
    QSettings settings(path_, QSettings::IniFormat);
    settings.beginGroup(groupOf(keyPath));
    if (!settings.contains(name)) return {};
    return settings.value(name);
}

bool SettingsStore::setValue(const QString& keyPath, const QString& name, const QVariant& value) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSettings settings(path_, QSettings::IniFormat);
    settings.beginGroup(groupOf(keyPath));
    settings.setValue(name, value);
    settings.endGroup();
    return syncOk(settings);
}

bool SettingsStore::removeValue(const QString& keyPath, const QString& name) {
    QSettings settings(path_, QSettings::IniFormat);
    settings.beginGroup(groupOf(keyPath));
    settings.remove(name);
    settings.endGroup();
    return syncOk(settings);
}
