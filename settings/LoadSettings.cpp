#include "settings/LoadSettings.h"
#include "platform/SettingsStore.h"
#include "settings/Registry.h"

#include <charconv>
#include <cmath>

namespace {

// One text setting with a default: name, field and default value in one place.
template <class Record> struct TextRule {
    const char* name;
    QString Record::*field;
    const char* defaultValue;
};

const TextRule<OptionSettings> kOptionRules[] = {
    {"ConfirmAdd", &OptionSettings::ConfirmAdd, "True"},
    {"AfterAdd", &OptionSettings::AfterAdd, "Remain"},
    {"ConfirmEdit", &OptionSettings::ConfirmEdit, "True"},
    {"ConfirmDelete", &OptionSettings::ConfirmDelete, "True"},
};

const TextRule<LayoutSettings> kLayoutRules[] = {
    {"ShowTitle", &LayoutSettings::ShowTitle, "True"},
    {"AlignTitle", &LayoutSettings::AlignTitle, "Left"},
    {"AlignMonthYear", &LayoutSettings::AlignMonthYear, "Left"},
    {"FontMonthYear", &LayoutSettings::FontMonthYear, "Times New Roman"},
    {"FontCalTitle", &LayoutSettings::FontCalTitle, "Times New Roman"},
    {"FontDates", &LayoutSettings::FontDates, "Arial"},
    {"FontDays", &LayoutSettings::FontDays, "Arial"},
    {"FontSizeMonthYear", &LayoutSettings::FontSizeMonthYear, "24"},
    {"FontSizeCalTitle", &LayoutSettings::FontSizeCalTitle, "12"},
    {"FontSizeDates", &LayoutSettings::FontSizeDates, "10"},
    {"FontSizeDays", &LayoutSettings::FontSizeDays, "10"},
    {"Birthday", &LayoutSettings::Birthday, "&H0"},
    {"Holiday", &LayoutSettings::Holiday, "&H0"},
    {"Anniversary", &LayoutSettings::Anniversary, "&H0"},
    {"Other", &LayoutSettings::Other, "&H0"},
};

const TextRule<TraySettings> kTrayRules[] = {
    {"Display", &TraySettings::Display, "True"},      {"NumWeeks", &TraySettings::NumWeeks, "1"},
    {"ListMonths", &TraySettings::ListMonths, "1"},   {"FileName", &TraySettings::FileName, ""},
    {"DispStart", &TraySettings::DispStart, "False"},
};

// Reads each rule's value; an empty value takes the default, which is written back.
// FileName's default is the empty text, so a missing FileName is written as an empty value.
template <class Record, size_t N>
void loadTexts(SettingsStore& store, const QString& key, Record& record,
               const TextRule<Record> (&rules)[N]) {
    for (const auto& rule : rules) {
        const QString name = QLatin1String(rule.name);
        QString value = Registry::QueryText(store, key, name);
        if (value.isEmpty()) {
            value = QLatin1String(rule.defaultValue);
            Registry::SetKeyValue(store, key, name, value);
        }
        record.*rule.field = value;
    }
}

// A text setting with two alternatives: anything but the kept word becomes the other one,
// which is written back.
QString loadChoice(SettingsStore& store, const char* name, const char* kept, const char* other) {
    const QString value = Registry::QueryText(store, Registry::kLayoutKey, QLatin1String(name));
    if (value == QLatin1String(kept)) return value;
    Registry::SetKeyValue(store, Registry::kLayoutKey, QLatin1String(name), QLatin1String(other));
    return QLatin1String(other);
}

float loadSingle(SettingsStore& store, const char* name) {
    return textToSingle(Registry::QueryText(store, Registry::kLayoutKey, QLatin1String(name)));
}

// A margin of 0 (which a missing or unreadable value reads as) becomes 0.75, written back.
float loadMargin(SettingsStore& store, const char* name) {
    const float value = loadSingle(store, name);
    if (value != 0.0f) return value;
    Registry::SetKeyValue(store, Registry::kLayoutKey, QLatin1String(name), singleToText(0.75f));
    return 0.75f;
}

} // namespace

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
    Registry::CreateNewKey(store, Registry::kOptionsKey);
    loadTexts(store, Registry::kOptionsKey, s.Options, kOptionRules);

    Registry::CreateNewKey(store, Registry::kLayoutKey);
    LayoutSettings& layout = s.Layout;
    loadTexts(store, Registry::kLayoutKey, layout, kLayoutRules);
    layout.PaperSize = loadChoice(store, "PaperSize", "Custom", "Default");
    layout.PaperSizeWidth = loadSingle(store, "PaperSizeWidth");
    layout.PaperSizeHeight = loadSingle(store, "PaperSizeHeight");
    layout.PaperOrientation = loadChoice(store, "PaperOrientation", "Portrait", "Landscape");
    layout.MarginLeft = loadMargin(store, "MarginLeft");
    layout.MarginRight = loadMargin(store, "MarginRight");
    layout.MarginTop = loadMargin(store, "MarginTop");
    layout.MarginBottom = loadMargin(store, "MarginBottom");

    Registry::CreateNewKey(store, Registry::kTrayKey);
    loadTexts(store, Registry::kTrayKey, s.Tray, kTrayRules);
    return s;
}
