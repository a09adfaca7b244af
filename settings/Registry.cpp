#include "settings/Registry.h"

#include "platform/SettingsStore.h"

namespace Registry {

void CreateNewKey(SettingsStore& store, const QString& keyPath) {
    store.createKey(keyPath);
}

QVariant QueryValue(const SettingsStore& store, const QString& keyPath, const QString& valueName) {
    const QVariant value = store.value(keyPath, valueName);
    switch (value.typeId()) {
    case QMetaType::QString:
        return value;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toLongLong();
    default:
        return {};
    }
}

QString QueryText(const SettingsStore& store, const QString& keyPath, const QString& valueName) {
    const QVariant value = QueryValue(store, keyPath, valueName);
    return value.isValid() ? value.toString() : QString();
}

void SetKeyValue(SettingsStore& store, const QString& keyPath, const QString& valueName,
                 const QVariant& value, ValueType type) {
    if (type == ValueType::Number)
        store.setValue(keyPath, valueName, value.toInt());
    else
        store.setValue(keyPath, valueName, value.toString());
}

void DeleteValue(SettingsStore& store, const QString& keyPath, const QString& valueName) {
    store.removeValue(keyPath, valueName);
}

} // namespace Registry

QString BoolToText(int value) {
    return value == 0 ? QStringLiteral("False") : QStringLiteral("True");
}
