#include "settings/LoadSettings.h"
#include "platform/SettingsStore.h"
#include "settings/Registry.h"
#include "settings/SettingsTable.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace {

// A margin read for the field f is measured against its paper side, when that is set.
template <class Record>
bool isUsableMargin(float inches, const Record& record, const SettingField<Record>& f) {
    return IsUsableMargin(inches, f.side ? record.*f.side : 0);
}

bool isKept(const QString& value, const char* kept) {
    return !value.isEmpty() && QString::fromLatin1(kept).split(u'|').contains(value);
}

// Puts one stored value into the record by its rule; a missing or unusable value takes the
// default. Returns the text to write back, when the rule says so.
template <class Record>
std::optional<QString> applyField(Record& record, const SettingField<Record>& f,
                                  const QString& value) {
    const QString fallback = QLatin1String(f.defaultValue);
    if (auto* text = std::get_if<QString Record::*>(&f.field)) {
        const bool usable =
            f.rule == SettingRule::Choice ? isKept(value, f.kept) : !value.isEmpty();
        record.** text = usable ? value : fallback;
        return usable ? std::nullopt : std::optional(fallback);
    }
    float& number = record.*std::get<float Record::*>(f.field);
    number = textToSingle(value);
    if (f.rule == SettingRule::Size && !IsPaperSide(number)) number = 0;
    if (f.rule != SettingRule::Margin || isUsableMargin(number, record, f)) return std::nullopt;
    number = textToSingle(fallback);
    return singleToText(number);
}

template <class Record>
void loadField(SettingsStore& store, const QString& key, Record& record,
               const SettingField<Record>& f) {
    const QString name = QLatin1String(f.name);
    const std::optional<QString> writeBack =
        applyField(record, f, Registry::QueryText(store, key, name));
    if (writeBack) Registry::SetKeyValue(store, key, name, *writeBack);
}

template <class Record> void defaultRecord(Record& record) {
    for (const SettingField<Record>& f : settingFields(&record))
        applyField(record, f, QString());
}

template <class Record> void loadRecord(SettingsStore& store, Record& record) {
    const QString& key = settingsKey(&record);
    Registry::CreateNewKey(store, key);
    for (const SettingField<Record>& f : settingFields(&record))
        loadField(store, key, record, f);
}

} // namespace

bool IsPaperSide(float inches) {
    return inches >= kSmallestPaperSide && inches <= kLargestPaperSide;
}

// A margin leaves at least half of its paper side (or of the largest side, when no custom
// side is set), so that absurd stored values never reach a page.
bool IsUsableMargin(float inches, float side) {
    const float bound = IsPaperSide(side) ? side : kLargestPaperSide;
    return inches > 0 && inches < bound / 2;
}

QString singleToText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

float textToSingle(const QString& text) {
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : 0.0f;
}

Settings LoadSettings(SettingsStore& store) {
    Settings s;
    loadRecord(store, s.Options);
    loadRecord(store, s.Layout);
    loadRecord(store, s.Tray);
    return s;
}

Settings DefaultSettings() {
    Settings s;
    defaultRecord(s.Options);
    defaultRecord(s.Layout);
    defaultRecord(s.Tray);
    return s;
}
