#include "platform/SettingsStore.h"

#include "platform/IniRawValues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

namespace {

QString groupOf(const QString& keyPath) {
    QString group = keyPath;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return group;
}

// Opens a key for one operation and closes it again.
class KeyScope {
  public:
    KeyScope(QSettings& settings, const QString& keyPath) : settings_(settings) {
        settings_.beginGroup(groupOf(keyPath));
    }
    ~KeyScope() { settings_.endGroup(); }

  private:
    QSettings& settings_;
};

} // namespace

SettingsStore::SettingsStore(QString filePath)
    : path_(std::move(filePath)),
      settings_(std::make_unique<QSettings>(path_, QSettings::IniFormat)) {
    restoreHandWrittenLists();
}

void SettingsStore::restoreHandWrittenLists() {
    std::optional<QHash<QString, QString>> raw; // the file's text is read only when needed
    for (const QString& key : settings_->allKeys()) {
        const QVariant value = settings_->value(key);
        if (value.typeId() != QMetaType::QStringList) continue;
        if (!raw) {
            QFile file(path_);
            raw = IniRawValues(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
        const QStringList items = value.toStringList();
        settings_->setValue(
            key, HandWrittenText(raw->value(key, items.join(QLatin1String(", "))), items));
    }
}

SettingsStore::~SettingsStore() = default; // QSettings writes what is pending

QString SettingsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Daylark/Daylark.conf");
}

bool SettingsStore::createKey(const QString&) {
    // An INI file has no empty groups: a key comes into being with its first value. Creating
    // it here makes sure the file's folder exists.
    return QDir().mkpath(QFileInfo(path_).absolutePath());
}

bool SettingsStore::keyExists(const QString& keyPath) const {
    KeyScope key(*settings_, keyPath);
    return !settings_->childKeys().isEmpty() || !settings_->childGroups().isEmpty();
}

QVariant SettingsStore::value(const QString& keyPath, const QString& name) const {
    KeyScope key(*settings_, keyPath);
    return settings_->contains(name) ? settings_->value(name) : QVariant();
}

bool SettingsStore::setValue(const QString& keyPath, const QString& name, const QVariant& value) {
    const QString key = groupOf(keyPath) + u'/' + name;
    settings_->setValue(key, value);
    unsynced_.insert(key, value);
    return settings_->isWritable();
}

bool SettingsStore::removeValue(const QString& keyPath, const QString& name) {
    const QString key = groupOf(keyPath) + u'/' + name;
    settings_->remove(key);
    unsynced_.insert(key, QVariant());
    return settings_->isWritable();
}

bool SettingsStore::sync() {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        // The error may be one met earlier (a write in the background while the folder was
        // read-only); the fresh store says whether this attempt failed too.
        reopen();
        settings_->sync();
    }
    if (settings_->status() == QSettings::NoError) {
        unsynced_.clear();
        syncError_.clear();
        return true;
    }
    syncError_ = writeFailureReason();
    return false;
}

void SettingsStore::reopen() {
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    restoreHandWrittenLists();
    for (auto change = unsynced_.cbegin(); change != unsynced_.cend(); ++change) {
        if (change.value().isValid())
            settings_->setValue(change.key(), change.value());
        else
            settings_->remove(change.key());
    }
}

QString SettingsStore::writeFailureReason() const {
    QSaveFile scratch(path_); // never committed: the file itself is left alone
    if (!scratch.open(QIODevice::WriteOnly)) return scratch.errorString();
    const qint64 size = std::max<qint64>(QFileInfo(path_).size(), 0) + 4096;
    if (scratch.write(QByteArray(size, '\n')) != size || !scratch.flush())
        return scratch.errorString();
    return QCoreApplication::translate("SettingsStore", "The file could not be written.");
}
