#pragma once

#include "document/SettingsRecords.h"

#include <QString>

class SettingsStore;

// Reads every preference from the store. A missing value is replaced by its default, which
// is written back at once, so that afterwards every setting with a default exists in the
// store. The custom paper size is never written back and reads as 0 unless it is 1 to 100
// inches; a margin of 0, or one of half its paper side or more, becomes 0.75.
Settings LoadSettings(SettingsStore& store);

// What LoadSettings gives on a first start, without reading or writing any store.
Settings DefaultSettings();

// The custom paper sides and margins LoadSettings keeps: a side from 1 to 100 inches, a
// margin above 0 and below half its paper side (side 0: no custom size, the largest side).
bool IsPaperSide(float inches);
bool IsUsableMargin(float inches, float side);

// Inches as stored: the shortest decimal text of the single-precision value ("0.75", "1").
QString singleToText(float value);
// The inverse; text that is not a number reads as 0.
float textToSingle(const QString& text);
