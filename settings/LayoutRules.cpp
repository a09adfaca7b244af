#include "settings/LayoutRules.h"

#include "settings/LoadSettings.h"
#include "settings/Registry.h"
#include "settings/SettingsTable.h"

#include <QCoreApplication>
#include <cmath>

namespace {

const FontTargetRule kFontTargets[kFontTargetCount] = {
    {&LayoutSettings::FontMonthYear, &LayoutSettings::FontSizeMonthYear, 20},
    {&LayoutSettings::FontCalTitle, &LayoutSettings::FontSizeCalTitle, 8},
    {&LayoutSettings::FontDates, &LayoutSettings::FontSizeDates, 6},
    {&LayoutSettings::FontDays, &LayoutSettings::FontSizeDays, 6},
};

// Nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1;
}

QString colorDigits(const QColor& color, int width) {
    return QString::number(colorValue(color), 16).toUpper().rightJustified(width, u'0');
}

} // namespace

const FontTargetRule& fontTargetRule(FontTarget target) {
    return kFontTargets[static_cast<int>(target)];
}

QStringList fontSizeNames() {
    return {QCoreApplication::translate("LayoutRules", "Smallest"),
            QCoreApplication::translate("LayoutRules", "Smaller"),
            QCoreApplication::translate("LayoutRules", "Medium"),
            QCoreApplication::translate("LayoutRules", "Larger"),
            QCoreApplication::translate("LayoutRules", "Largest")};
}

std::optional<int> fontSizePosition(const QString& size, int base) {
    bool ok = false;
    const double points = size.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(points)) return std::nullopt;
    const double position = roundHalfEven((points - base) / 2.0);
    if (position < 0 || position >= fontSizeNames().size()) return std::nullopt;
    return static_cast<int>(position);
}

QString fontSizeAt(int position, int base) {
    return QString::number(base + 2 * position);
}

QString fontLabelText(const QString& size, const QString& font) {
    return size + QStringLiteral("pt - ") + font;
}

int alignmentIndex(const QString& alignment) {
    if (alignment == QLatin1String("Left")) return 0;
    if (alignment == QLatin1String("Right")) return 1;
    return 2;
}

QString alignmentText(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("Left");
    case 1:
        return QStringLiteral("Right");
    default:
        return QStringLiteral("Center");
    }
}

QColor colorFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    qulonglong value = trimmed.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)
                           ? trimmed.mid(2).toULongLong(&ok, 16)
                           : trimmed.toULongLong(&ok, 10);
    if (!ok) value = 0;
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::uint32_t colorValue(const QColor& color) {
    const QColor rgb = color.toRgb();
    return std::uint32_t(rgb.red()) | std::uint32_t(rgb.green()) << 8 |
           std::uint32_t(rgb.blue()) << 16;
}

QString swatchColorText(const QColor& color) {
    return QStringLiteral("&H") + colorDigits(color, 6);
}

QString savedColorText(const QColor& color) {
    return QStringLiteral("&H") + colorDigits(color, 1);
}

bool paperFits(const LayoutSettings& layout) {
    if (layout.PaperSize != QLatin1String("Custom")) return true;
    const float height = layout.PaperSizeHeight - (layout.MarginBottom + layout.MarginTop);
    const float width = layout.PaperSizeWidth - (layout.MarginRight + layout.MarginLeft);
    return height >= 5.0f && width >= 5.0f;
}

QString paperMessage(MeasureUnit unit) {
    return QCoreApplication::translate(
        "LayoutRules", unit == MeasureUnit::Inch ? kPaperMessage : kPaperMessageMetric);
}

QString unkeptPaperMessage(const LayoutSettings& layout, MeasureUnit unit) {
    const bool custom = layout.PaperSize == QLatin1String("Custom");
    if (custom && !(IsPaperSide(layout.PaperSizeWidth) && IsPaperSide(layout.PaperSizeHeight)))
        return QCoreApplication::translate(
            "LayoutRules", unit == MeasureUnit::Inch ? kPaperSideMessage : kPaperSideMessageMetric);
    // Each margin against the paper side the settings table pairs it with.
    for (const SettingField<LayoutSettings>& f : settingFields(&layout)) {
        if (f.rule != SettingRule::Margin) continue;
        const float margin = layout.*std::get<float LayoutSettings::*>(f.field);
        if (margin != 0 && !IsUsableMargin(margin, layout.*f.side))
            return QCoreApplication::translate("LayoutRules", kMarginMessage);
    }
    return {};
}

float boxNumber(const QString& text) {
    return textToSingle(text);
}

const std::array<QString LayoutSettings::*, 4>& colorFields() {
    static const std::array<QString LayoutSettings::*, 4> fields = {
        &LayoutSettings::Birthday, &LayoutSettings::Holiday, &LayoutSettings::Anniversary,
        &LayoutSettings::Other};
    return fields;
}

void applyLayoutControls(LayoutSettings& layout, const LayoutControls& controls) {
    layout.ShowTitle = BoolToText(controls.showTitle ? 1 : 0);
    layout.AlignTitle = alignmentText(controls.alignTitle);
    layout.AlignMonthYear = alignmentText(controls.alignMonthYear);
    for (std::size_t i = 0; i < controls.colors.size(); ++i)
        layout.*colorFields()[i] = savedColorText(controls.colors[i]);
    layout.PaperSizeWidth = boxNumber(controls.paperWidth);
    layout.PaperSizeHeight = boxNumber(controls.paperHeight);
    // The printer's own paper is always used across (landscape).
    const bool custom = layout.PaperSize == QLatin1String("Custom");
    const std::optional<QSizeF> named = NamedPaperInches(controls.paperName);
    layout.PaperName = custom && named ? controls.paperName : QString();
    if (custom && named) {
        layout.PaperSizeWidth = float(named->width());
        layout.PaperSizeHeight = float(named->height());
    }
    layout.PaperOrientation =
        custom && controls.portrait ? QStringLiteral("Portrait") : QStringLiteral("Landscape");
    layout.MarginLeft = boxNumber(controls.marginLeft);
    layout.MarginRight = boxNumber(controls.marginRight);
    layout.MarginTop = boxNumber(controls.marginTop);
    layout.MarginBottom = boxNumber(controls.marginBottom);
    layout.MarkOverfullDays = BoolToText(controls.markOverfull ? 1 : 0);
    layout.LeapDayEntries = LeapDayText(controls.leapDay);
    layout.Language = controls.language;
    layout.FirstDayOfWeek = controls.firstDay;
    layout.WeekNumbers = BoolToText(controls.weekNumbers ? 1 : 0);
    layout.SmallMonths = BoolToText(controls.smallMonths ? 1 : 0);
    layout.FitRows = BoolToText(controls.fitRows ? 1 : 0);
    layout.MoonPhases = BoolToText(controls.moonPhases ? 1 : 0);
    layout.ShadeWeekends = BoolToText(controls.shadeWeekends ? 1 : 0);
    layout.ShadeHolidays = BoolToText(controls.shadeHolidays ? 1 : 0);
    layout.NotesBox = BoolToText(controls.notesBox ? 1 : 0);
    layout.ShadeColor = savedColorText(controls.shade);
}
