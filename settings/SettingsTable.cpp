#include "settings/SettingsTable.h"

#include "settings/LoadSettings.h"
#include "settings/Registry.h"

namespace {

using R = SettingRule;

template <class Record> void writeRecord(SettingsStore& store, const Record& record) {
    const QString& key = settingsKey(&record);
    for (const SettingField<Record>& f : settingFields(&record)) {
        const QString value = std::holds_alternative<QString Record::*>(f.field)
                                  ? record.*std::get<QString Record::*>(f.field)
                                  : singleToText(record.*std::get<float Record::*>(f.field));
        Registry::SetKeyValue(store, key, QLatin1String(f.name), value);
    }
}

} // namespace

const QString& settingsKey(const OptionSettings*) {
    return Registry::kOptionsKey;
}
const QString& settingsKey(const LayoutSettings*) {
    return Registry::kLayoutKey;
}
const QString& settingsKey(const TraySettings*) {
    return Registry::kTrayKey;
}

const std::vector<SettingField<OptionSettings>>& settingFields(const OptionSettings*) {
    using O = OptionSettings;
    static const std::vector<SettingField<O>> fields = {
        {"ConfirmAdd", &O::ConfirmAdd, R::Text, "True"},
        {"AfterAdd", &O::AfterAdd, R::Text, "Remain"},
        {"ConfirmEdit", &O::ConfirmEdit, R::Text, "True"},
        {"ConfirmDelete", &O::ConfirmDelete, R::Text, "True"},
    };
    return fields;
}

const std::vector<SettingField<LayoutSettings>>& settingFields(const LayoutSettings*) {
    using L = LayoutSettings;
    static const std::vector<SettingField<L>> fields = {
        {"ShowTitle", &L::ShowTitle, R::Text, "True"},
        {"AlignTitle", &L::AlignTitle, R::Text, "Left"},
        {"AlignMonthYear", &L::AlignMonthYear, R::Text, "Left"},
        {"FontMonthYear", &L::FontMonthYear, R::Text, "Times New Roman"},
        {"FontCalTitle", &L::FontCalTitle, R::Text, "Times New Roman"},
        {"FontDates", &L::FontDates, R::Text, "Arial"},
        {"FontDays", &L::FontDays, R::Text, "Arial"},
        {"FontSizeMonthYear", &L::FontSizeMonthYear, R::Text, "24"},
        {"FontSizeCalTitle", &L::FontSizeCalTitle, R::Text, "12"},
        {"FontSizeDates", &L::FontSizeDates, R::Text, "10"},
        {"FontSizeDays", &L::FontSizeDays, R::Text, "10"},
        {"Birthday", &L::Birthday, R::Text, "&H0"},
        {"Holiday", &L::Holiday, R::Text, "&H0"},
        {"Anniversary", &L::Anniversary, R::Text, "&H0"},
        {"Other", &L::Other, R::Text, "&H0"},
        {"PaperSize", &L::PaperSize, R::Choice, "Default", "Custom"},
        {"PaperSizeWidth", &L::PaperSizeWidth, R::Size, "0"},
        {"PaperSizeHeight", &L::PaperSizeHeight, R::Size, "0"},
        {"PaperOrientation", &L::PaperOrientation, R::Choice, "Landscape", "Portrait"},
        {"MarginLeft", &L::MarginLeft, R::Margin, "0.75", nullptr, &L::PaperSizeWidth},
        {"MarginRight", &L::MarginRight, R::Margin, "0.75", nullptr, &L::PaperSizeWidth},
        {"MarginTop", &L::MarginTop, R::Margin, "0.75", nullptr, &L::PaperSizeHeight},
        {"MarginBottom", &L::MarginBottom, R::Margin, "0.75", nullptr, &L::PaperSizeHeight},
        {"MarkOverfullDays", &L::MarkOverfullDays, R::Text, "True"},
        {"LeapDayEntries", &L::LeapDayEntries, R::Choice, "Hidden", "Feb28|Mar1"},
        {"Language", &L::Language, R::Text, "System"},
        {"FirstDayOfWeek", &L::FirstDayOfWeek, R::Choice, "Locale", "Sunday|Monday|Saturday"},
        {"WeekNumbers", &L::WeekNumbers, R::Text, "False"},
        {"PaperName", &L::PaperName, R::Text, ""},
        {"SmallMonths", &L::SmallMonths, R::Text, "True"},
        {"FitRows", &L::FitRows, R::Text, "True"},
        {"MoonPhases", &L::MoonPhases, R::Text, "False"},
        {"ShadeWeekends", &L::ShadeWeekends, R::Text, "False"},
        {"ShadeHolidays", &L::ShadeHolidays, R::Text, "False"},
        {"NotesBox", &L::NotesBox, R::Text, "False"},
        {"ShadeColor", &L::ShadeColor, R::Text, "&HE0E0E0"},
    };
    return fields;
}

const std::vector<SettingField<TraySettings>>& settingFields(const TraySettings*) {
    using T = TraySettings;
    static const std::vector<SettingField<T>> fields = {
        {"Display", &T::Display, R::Text, "True"},      {"NumWeeks", &T::NumWeeks, R::Text, "1"},
        {"ListMonths", &T::ListMonths, R::Text, "1"},   {"FileName", &T::FileName, R::Text, ""},
        {"DispStart", &T::DispStart, R::Text, "False"},
    };
    return fields;
}

void WriteSettings(SettingsStore& store, const OptionSettings& options) {
    writeRecord(store, options);
}
void WriteSettings(SettingsStore& store, const LayoutSettings& layout) {
    writeRecord(store, layout);
}
void WriteSettings(SettingsStore& store, const TraySettings& tray) {
    writeRecord(store, tray);
}
