#pragma once

#include "document/SettingsRecords.h"

#include <QString>
#include <variant>
#include <vector>

class SettingsStore;

// Every stored preference in one table: its key, its value name, the record field it is
// read into, its default and what happens to a missing or unusable value. The loader reads
// by it and the dialogs write by it, so a name is written in one place only.

enum class SettingRule {
    Text,   // an empty value takes the default, which is written back
    Choice, // anything but a `kept` value becomes the default, which is written back
    // A paper side in inches, from kSmallestPaperSide to kLargestPaperSide; anything else
    // (also a missing value) reads as 0, no size. Never written back.
    Size,
    // Inches, more than 0 and less than half the paper side it is taken from (`side`, when
    // that side is set, else the largest side). Anything else, also 0 and a missing or
    // unreadable value, becomes the default, which is written back.
    Margin,
};

// The paper sides a custom size may have; a stored size outside them is no size.
inline constexpr float kSmallestPaperSide = 1;
inline constexpr float kLargestPaperSide = 100;

template <class Record> struct SettingField {
    const char* name;
    std::variant<QString Record::*, float Record::*> field;
    SettingRule rule;
    const char* defaultValue;   // for Size and Margin: the number as text
    const char* kept = nullptr; // Choice: the other values that are kept, separated by "|"
    // Margin: the paper side that bounds it, read earlier in the table.
    float Record::*side = nullptr;
};

const QString& settingsKey(const OptionSettings*);
const QString& settingsKey(const LayoutSettings*);
const QString& settingsKey(const TraySettings*);

const std::vector<SettingField<OptionSettings>>& settingFields(const OptionSettings*);
const std::vector<SettingField<LayoutSettings>>& settingFields(const LayoutSettings*);
const std::vector<SettingField<TraySettings>>& settingFields(const TraySettings*);

// Writes every value of the record under its key: texts as they are, inches as
// singleToText gives them.
void WriteSettings(SettingsStore& store, const OptionSettings& options);
void WriteSettings(SettingsStore& store, const LayoutSettings& layout);
void WriteSettings(SettingsStore& store, const TraySettings& tray);
