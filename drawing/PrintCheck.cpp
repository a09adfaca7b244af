#include "drawing/PrintCheck.h"

#include "document/AppState.h"
#include "drawing/MonthPage.h"
#include "drawing/PhotoPages.h"
#include "platform/DrawingSurface.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

namespace {

// Measures text exactly as a painter on the device would, and draws nothing.
class MeasuringSurface final : public DrawingSurface {
  public:
    explicit MeasuringSurface(const QPaintDevice& device)
        : device_(device), scale_(PainterSurface::pixelsPerInch(device)),
          metrics_(QFont(), &device) {
        setFont(SurfaceFont{QString(), 1});
    }

    void setFont(const SurfaceFont& font) override {
        if (font == font_ && !first_) return;
        first_ = false;
        font_ = font;
        QFont f(font.name);
        f.setPointSizeF(font.size > 0 ? font.size : 1);
        f.setBold(font.bold);
        f.setItalic(font.italic);
        metrics_ = QFontMetricsF(f, &device_);
    }
    const SurfaceFont& font() const override { return font_; }
    void setTextColor(const QColor&) override {}
    double textWidth(const QString& text) const override {
        return metrics_.horizontalAdvance(text) / scale_;
    }
    double textHeight(const QString&) const override { return metrics_.lineSpacing() / scale_; }
    void setPenWidth(double) override {}
    void drawLine(double, double, double, double, const QColor&) override {}
    void fillBox(double, double, double, double, const QColor&) override {}
    void drawCircle(double, double, double, CircleFill, const QColor&) override {}

  protected:
    void drawText(double, double, const QString&) override {}

  private:
    const QPaintDevice& device_;
    double scale_;
    SurfaceFont font_;
    QFontMetricsF metrics_;
    bool first_ = true;
};

} // namespace

std::vector<FitProblem> CheckMonthsFit(const AppState& app, const QPagedPaintDevice& device,
                                       const std::vector<int>& months, PhotoLayout photos) {
    const QRectF paper = device.pageLayout().fullRect(QPageLayout::Inch);
    const PaperInches inches{paper.width(), paper.height()};
    const PrintPlan plan{false, months, photos};
    const LayoutSettings layout = photos == PhotoLayout::Above
                                      ? MonthBelowPhoto(PlanLayout(app.Layout, plan), inches)
                                      : app.Layout;
    MeasuringSurface surface(device);
    MonthPagePrinter pages(surface, {app.Document, layout, app.DisplayYear, inches});
    std::vector<FitProblem> problems;
    for (int month : months) {
        pages.PrintMonthPage(month);
        AddFitProblems(problems, pages.layout().grid, pages.cellReports());
    }
    return problems;
}
