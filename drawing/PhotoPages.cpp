#include "drawing/PhotoPages.h"

#include "document/AppState.h"
#include "document/CalendarDocument.h"
#include "drawing/PhotoImage.h"
#include "platform/DrawingSurface.h"
#include "settings/PaperRules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace {

constexpr double kSameSide = 0.02;    // inches: a page's sides rounded to hundredths still match
constexpr double kCoverTextScale = 2; // the cover's title and year, to the month heading

bool sameSides(PaperInches paper, QSizeF named) {
    auto near = [](double a, double b) { return std::abs(a - b) < kSameSide; };
    return (near(paper.width, named.width()) && near(paper.height, named.height())) ||
           (near(paper.width, named.height()) && near(paper.height, named.width()));
}

QString inchesText(double inches, const QLocale& locale) {
    return locale.toString(std::round(inches * 100) / 100, 'g', 6);
}

// The paper the plan's pages print on: upright for photos above the months.
PaperInches planPaper(PaperInches paper, const PrintPlan& plan) {
    if (plan.photos == PhotoLayout::Above && paper.width > paper.height)
        return {paper.height, paper.width};
    return paper;
}

QString slotLabel(int slot, const PageLocale& locale) {
    return slot == kCoverPhoto ? QCoreApplication::translate("PhotoPages", "Cover")
                               : locale.monthName(slot);
}

} // namespace

LayoutSettings PlanLayout(const LayoutSettings& layout, const PrintPlan& plan) {
    LayoutSettings planned = layout;
    if (plan.photos == PhotoLayout::Above) planned.PaperOrientation = QStringLiteral("Portrait");
    return planned;
}

QRectF PhotoPageFrame(const LayoutSettings& layout, PaperInches paper) {
    const PageFrame f = ComputePageFrame(layout, paper);
    return {f.PageLeft, f.PageTop, f.PageRight - f.PageLeft, f.PageBottom - f.PageTop};
}

QRectF PhotoAboveFrame(const LayoutSettings& layout, PaperInches paper) {
    QRectF frame = PhotoPageFrame(layout, paper);
    frame.setHeight((frame.height() - kPhotoGap) / 2);
    return frame;
}

LayoutSettings MonthBelowPhoto(const LayoutSettings& layout, PaperInches paper) {
    LayoutSettings below = layout;
    below.MarginTop = float(PhotoAboveFrame(layout, paper).bottom() + kPhotoGap);
    return below;
}

CoverLayout LayOutCover(DrawingSurface& metrics, const CalendarDocument& doc,
                        const LayoutSettings& layout, int year, PaperInches paper) {
    CoverLayout cover;
    const QRectF page = PhotoPageFrame(layout, paper);
    cover.font = {layout.FontMonthYear, FontPoints(layout.FontSizeMonthYear) * kCoverTextScale};
    metrics.setFont(cover.font);
    QStringList texts;
    const QString title = doc.CalendarTitle.trimmed();
    if (!title.isEmpty() && !IsUntitled(title)) texts << title;
    texts << QString::number(year);
    double textHeight = 0;
    for (const QString& text : texts)
        textHeight += metrics.textHeight(text);
    // On an upright page a photo as tall as the page would lose most of a landscape photo:
    // it is no taller than 3 by 4 of its width, and the text is centred in the room below.
    const double height = std::min(page.height() - textHeight - kPhotoGap, page.width() * 3 / 4);
    cover.photo = QRectF(page.left(), page.top(), page.width(), height);
    const double below = cover.photo.bottom() + kPhotoGap;
    double y = below + (page.bottom() - below - textHeight) / 2;
    for (const QString& text : texts) {
        cover.lines.push_back(
            {text, page.left() + (page.width() - metrics.textWidth(text)) / 2, y});
        y += metrics.textHeight(text);
    }
    return cover;
}

bool PlanHasCover(const PhotoChoices& photos, const PrintPlan& plan) {
    return plan.photos != PhotoLayout::None && !photos.photos[kCoverPhoto].empty();
}

QString PaperLabel(PaperInches paper, const QLocale& locale) {
    for (const QString& name : PaperNames())
        if (sameSides(paper, NamedPaperInches(name).value_or(QSizeF()))) return name;
    return QCoreApplication::translate("PhotoPages", "%1 × %2 in")
        .arg(inchesText(std::min(paper.width, paper.height), locale),
             inchesText(std::max(paper.width, paper.height), locale));
}

double PhotoDpi(QSizeF pixels, QSizeF frame) {
    const QRectF crop = PhotoCrop(pixels, frame, kFocusScale / 2, kFocusScale / 2);
    return crop.isEmpty() ? 0 : crop.width() / frame.width();
}

QRectF PhotoSlotFrame(const AppState& app, const PrintPlan& plan, int slot, PaperInches paper) {
    if (plan.photos == PhotoLayout::None) return {};
    const PaperInches page = planPaper(paper, plan);
    const LayoutSettings layout = PlanLayout(app.Layout, plan);
    if (slot == kCoverPhoto) {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        PainterSurface metrics(painter, PainterSurface::pixelsPerInch(scratch));
        return LayOutCover(metrics, app.Document, layout, app.DisplayYear, page).photo;
    }
    return plan.photos == PhotoLayout::Above ? PhotoAboveFrame(layout, page)
                                             : PhotoPageFrame(layout, page);
}

std::vector<QString> PhotoWarnings(const AppState& app, const PrintPlan& plan, PaperInches paper) {
    return PhotoWarnings(app, app.Document.Photos, plan, paper);
}

std::vector<QString> PhotoWarnings(const AppState& app, const PhotoChoices& photos,
                                   const PrintPlan& plan, PaperInches paper) {
    std::vector<QString> lines;
    if (plan.photos == PhotoLayout::None) return lines;
    const PaperInches page = planPaper(paper, plan);
    const PageLocale locale = PageLocale::of(PlanLayout(app.Layout, plan));
    std::vector<int> pageSlots; // in page order
    if (PlanHasCover(photos, plan)) pageSlots.push_back(kCoverPhoto);
    pageSlots.insert(pageSlots.end(), plan.months.begin(), plan.months.end());
    for (const int slot : pageSlots) {
        const PhotoChoice& choice = photos.photos[size_t(slot)];
        const QRectF frame = choice.empty() ? QRectF() : PhotoSlotFrame(app, plan, slot, page);
        if (frame.isEmpty()) continue;
        const QString label = slotLabel(slot, locale);
        const std::optional<QSize> size = PhotoSize(choice.path);
        if (!size) {
            lines.push_back(QCoreApplication::translate("PhotoPages", "%1: %2")
                                .arg(label, PhotoError(choice.path)));
            continue;
        }
        const double dpi = PhotoDpi(QSizeF(*size), frame.size());
        if (dpi < kPhotoSoftDpi)
            lines.push_back(
                QCoreApplication::translate("PhotoPages", "%1: %2 gives %3 dpi on %4; it will "
                                                          "look soft")
                    .arg(label, QFileInfo(choice.path).fileName(), QString::number(qRound(dpi)),
                         PaperLabel(page, locale.locale())));
    }
    return lines;
}

std::vector<QString> PdfPhotoWarnings(const AppState& app, const PrintPlan& plan) {
    const QRectF page =
        PdfPlanPageLayout(app.Layout, plan, DefaultPdfPaper()).fullRect(QPageLayout::Inch);
    return PhotoWarnings(app, plan, {page.width(), page.height()});
}
