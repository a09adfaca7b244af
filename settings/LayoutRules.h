#pragma once

#include "settings/LoadSettings.h"
#include "settings/PaperRules.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

class SettingsStore;

// The rules of the layout dialog that need no window: font-size positions, colour texts,
// alignment words, the paper check and the values the dialog saves.

// ---- Fonts and sizes ----

// The four texts of the printed page whose font and size the dialog edits.
enum class FontTarget { MonthYear, CalTitle, Dates, Days };
inline constexpr int kFontTargetCount = 4;

struct FontTargetRule {
    QString LayoutSettings::*font;
    QString LayoutSettings::*size;
    int base; // the point size of the first position ("Smallest")
};

const FontTargetRule& fontTargetRule(FontTarget target);

// "Smallest", "Smaller", "Medium", "Larger", "Largest" in the windows' language; position p
// stands for base + 2 p points.
QStringList fontSizeNames();

// The list position of a stored size: (size - base) / 2 rounded to the nearest whole number,
// halves to even ("25" with base 20 gives 2). Nothing for a size that is not a number or
// that falls outside the five positions.
std::optional<int> fontSizePosition(const QString& size, int base);

// The size a position stands for, as decimal text.
QString fontSizeAt(int position, int base);

// A font's label: size + "pt - " + font name ("24pt - Times New Roman").
QString fontLabelText(const QString& size, const QString& font);

// ---- Alignment ----

// "Left" is option 0, "Right" option 1, anything else option 2 ("Center").
int alignmentIndex(const QString& alignment);
QString alignmentText(int index);

// ---- Colours ----
// A colour text is "&H" and the hexadecimal digits of 0x00BBGGRR (red in the low byte).

// The colour a colour text names. Text after "&H" that is not hexadecimal, and any other
// text that is not a decimal number, reads as black; only the 24 colour bits count.
QColor colorFromText(const QString& text);

// 0x00BBGGRR of a colour.
std::uint32_t colorValue(const QColor& color);

// As a colour swatch holds a chosen colour: six digits, upper case ("&H0000FF" is pure red).
QString swatchColorText(const QColor& color);

// As the dialog's save writes it: no leading zeros ("&HFF" is pure red, "&H0" black).
QString savedColorText(const QColor& color);

// ---- Paper ----

// A custom page must leave at least 5 inches between the margins in both directions; the
// printer's own page is not checked.
bool paperFits(const LayoutSettings& layout);

// The number in a measurement box; empty or non-numeric text gives 0.
float boxNumber(const QString& text);

// The message for a custom page that leaves less than 5 inches between the margins, in the
// unit of the dialog's boxes.
QString paperMessage(MeasureUnit unit);

// ---- Saving ----

// The state of the dialog's controls that the save reads (the font names, sizes, the
// paper kind already live in the record).
struct LayoutControls {
    bool showTitle = true;
    int alignTitle = 0; // option index, see alignmentIndex
    int alignMonthYear = 0;
    std::array<QColor, 4> colors; // Birthday, Holiday, Anniversary, Other
    QString paperName;            // a standard paper ("A4"), or empty for the sides in the boxes
    QString paperWidth, paperHeight;
    bool portrait = false;
    QString marginLeft, marginRight, marginTop, marginBottom;
    bool markOverfull = true;
    LeapDayPlacement leapDay = LeapDayPlacement::Hidden;
    QString language = QStringLiteral("System");
    QString firstDay = QStringLiteral("Locale");
    bool weekNumbers = false;
    // What the month pages add to the grid, and the shading's colour.
    bool smallMonths = true;
    bool fitRows = true;
    bool moonPhases = false;
    bool shadeWeekends = false;
    bool shadeHolidays = false;
    bool notesBox = false;
    QColor shade = QColor(0xE0, 0xE0, 0xE0);
};

// Copies the controls into the record as the save does: colours without leading zeros,
// measurements from their boxes as inches (a standard paper's own sides for a named
// paper), and the orientation "Portrait" only for custom paper.
void applyLayoutControls(LayoutSettings& layout, const LayoutControls& controls);

// The message for a layout whose custom paper sides or margins would not be kept when the
// settings are read again (see IsPaperSide, IsUsableMargin), or an empty text, with the
// paper sides in unit. A margin of 0 is not refused here: it stands for the default margin.
QString unkeptPaperMessage(const LayoutSettings& layout, MeasureUnit unit = MeasureUnit::Inch);

// The colour fields in the order of LayoutControls::colors.
const std::array<QString LayoutSettings::*, 4>& colorFields();

// ---- Messages ----

// Translated with the context "LayoutRules".
inline constexpr const char* kInvalidFontMessage =
    QT_TRANSLATE_NOOP("LayoutRules", "Invalid font. Please select another.");
inline const QString kInvalidFontTitle = QStringLiteral("Daylark");
inline constexpr const char* kPaperMessage = QT_TRANSLATE_NOOP(
    "LayoutRules",
    "Invalid paper dimension(s).\nThe width and height of the calendar must be greater than "
    "5 inches, excluding margins.");
inline constexpr const char* kPaperSideMessage =
    QT_TRANSLATE_NOOP("LayoutRules", "Invalid paper dimension(s).\nThe width and height of the "
                                     "paper must be from 1 to 100 inches.");
inline constexpr const char* kPaperMessageMetric = QT_TRANSLATE_NOOP(
    "LayoutRules",
    "Invalid paper dimension(s).\nThe width and height of the calendar must be at least "
    "127 mm, excluding margins.");
inline constexpr const char* kPaperSideMessageMetric =
    QT_TRANSLATE_NOOP("LayoutRules", "Invalid paper dimension(s).\nThe width and height of the "
                                     "paper must be from 25.4 to 2540 mm.");
inline constexpr const char* kMarginMessage =
    QT_TRANSLATE_NOOP("LayoutRules", "Invalid margin(s).\nEach margin must be less than half the "
                                     "width or height of the paper it lies along.");
inline const QString kPaperTitle = QStringLiteral("Daylark 2.0");
