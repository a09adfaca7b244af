#pragma once

#include "document/SettingsRecords.h"

#include <QLocale>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

// The standard paper sizes the layout offers by name, and the unit in which the layout
// dialog shows and takes paper sides and margins. The layout always stores inches: a named
// size is stored as a custom size ("Custom" and its sides in inches) with its name in
// PaperName, so that the printing and older settings read it as any custom size.

// "A3", "A4", "A5", "Letter", "Legal", "Tabloid".
const QStringList& PaperNames();

// The page size a paper name stands for; nothing for any other text.
std::optional<QPageSize::PageSizeId> NamedPaperId(const QString& name);

// The sides of a named paper upright (the short side across), in inches; nothing for any
// other text.
std::optional<QSizeF> NamedPaperInches(const QString& name);

// The standard paper a layout prints on: its PaperName, when the paper is custom and its
// stored sides are that paper's (either way round, to a hundredth of an inch); else the
// empty text, a size of the user's own.
QString ChosenPaperName(const LayoutSettings& layout);

enum class MeasureUnit { Inch, Millimetre };

// Inches where the locale measures in inches (the United States, and the C locale that
// stands for it), millimetres everywhere else.
MeasureUnit MeasureUnitOf(const QLocale& locale);

// A length in inches as a measurement box shows it: in inches as the settings write it
// ("0.75"), in millimetres to a hundredth ("19.05", "210").
QString MeasureText(float inches, MeasureUnit unit);

// The inches of what a measurement box holds in unit; empty or non-numeric text gives 0.
float MeasureInches(const QString& text, MeasureUnit unit);
