#pragma once

#include <QString>
#include <QVariant>

class SettingsStore;

// Access to the per-user store of preferences. Every operation opens the store, does its one
// thing and closes it again; failures are never reported (a value that cannot be read reads
// as empty, a write that fails is ignored).
namespace Registry {

inline const QString kOptionsKey = QStringLiteral("Software\\Daylark\\Options");
inline const QString kLayoutKey = QStringLiteral("Software\\Daylark\\Layout");
inline const QString kTrayKey = QStringLiteral("Software\\Daylark\\Tray");

// Value types of the store: settings are always written as text; a number read from the
// store (a hand-edited value, or one written by another tool) is accepted.
enum class ValueType { Text, Number };

void CreateNewKey(SettingsStore& store, const QString& keyPath);

// The value as text or number, or an empty variant when the key or value is missing or the
// stored value is of any other type.
QVariant QueryValue(const SettingsStore& store, const QString& keyPath, const QString& valueName);

// The value read as text: a number reads as its digits, anything missing as the empty text.
QString QueryText(const SettingsStore& store, const QString& keyPath, const QString& valueName);

void SetKeyValue(SettingsStore& store, const QString& keyPath, const QString& valueName,
                 const QVariant& value, ValueType type = ValueType::Text);

void DeleteValue(SettingsStore& store, const QString& keyPath, const QString& valueName);

} // namespace Registry

// "False" for 0 and "True" for any other value (a check box's state).
QString BoolToText(int value);
