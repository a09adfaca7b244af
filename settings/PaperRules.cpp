#include "settings/PaperRules.h"

#include "settings/LoadSettings.h"

#include <cmath>

namespace {

constexpr double kMillimetresPerInch = 25.4;

struct NamedPaper {
    const char* name;
    QPageSize::PageSizeId id;
};
constexpr NamedPaper kPapers[] = {
    {"A3", QPageSize::A3},         {"A4", QPageSize::A4},       {"A5", QPageSize::A5},
    {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}, {"Tabloid", QPageSize::Tabloid},
};

bool near(double a, double b) {
    return std::abs(a - b) < 0.01;
}

} // namespace

const QStringList& PaperNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const NamedPaper& paper : kPapers)
            list << QLatin1String(paper.name);
        return list;
    }();
    return names;
}

std::optional<QPageSize::PageSizeId> NamedPaperId(const QString& name) {
    for (const NamedPaper& paper : kPapers)
        if (name == QLatin1String(paper.name)) return paper.id;
    return std::nullopt;
}

std::optional<QSizeF> NamedPaperInches(const QString& name) {
    const std::optional<QPageSize::PageSizeId> id = NamedPaperId(name);
    if (!id) return std::nullopt;
    // The size as the standard defines it (millimetres for A sizes, inches for the others),
    // not the page size's rounded inches.
    const QSizeF defined = QPageSize::definitionSize(*id);
    const bool inches = QPageSize::definitionUnits(*id) == QPageSize::Inch;
    return inches ? defined : defined / kMillimetresPerInch;
}

QString ChosenPaperName(const LayoutSettings& layout) {
    if (layout.PaperSize != QLatin1String("Custom")) return {};
    const std::optional<QSizeF> size = NamedPaperInches(layout.PaperName);
    if (!size) return {};
    const double w = layout.PaperSizeWidth, h = layout.PaperSizeHeight;
    const bool upright = near(w, size->width()) && near(h, size->height());
    const bool across = near(w, size->height()) && near(h, size->width());
    return upright || across ? layout.PaperName : QString();
}

MeasureUnit MeasureUnitOf(const QLocale& locale) {
    if (locale.language() == QLocale::C) return MeasureUnit::Inch;
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? MeasureUnit::Inch
                                                                   : MeasureUnit::Millimetre;
}

QString MeasureText(float inches, MeasureUnit unit) {
    if (unit == MeasureUnit::Inch) return singleToText(inches);
    const double millimetres = std::round(inches * kMillimetresPerInch * 100) / 100;
    QString text = QString::number(millimetres, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.')) text.chop(1);
    return text;
}

float MeasureInches(const QString& text, MeasureUnit unit) {
    if (unit == MeasureUnit::Inch) return textToSingle(text);
    bool ok = false;
    const double millimetres = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(millimetres) ? float(millimetres / kMillimetresPerInch) : 0.0f;
}
