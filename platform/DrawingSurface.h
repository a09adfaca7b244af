#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QString>

class QPainter;

// Images keep their resolution in dots per meter.
inline constexpr double kInchesPerMeter = 39.37007874;
class QPaintDevice;

// A font as the drawing code names it: face name as stored in the settings, size in points.
struct SurfaceFont {
    QString name;
    double size = 10;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const SurfaceFont&, const SurfaceFont&) = default;
};

// Which part of a circle drawCircle fills: none (an outline), the left or the right half, or
// all of it.
enum class CircleFill { None, Left, Right, Whole };

// The few drawing operations that the printed month page, the calendar view and the desktop
// week window share. Positions, sizes and pen widths are in the surface's own unit (inches
// on a printed page, pixels in a window); font sizes are always points.
//
// Text is written at a current position, like a line printer: printLine puts the text's
// top-left corner at (x, y), then moves x back to the left edge (0) and y one line height
// down. The line height is textHeight of any one-line text in the current font.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    virtual void setFont(const SurfaceFont& font) = 0;
    virtual const SurfaceFont& font() const = 0;
    virtual void setTextColor(const QColor& color) = 0;

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double x) { x_ = x; }
    void setCurrentY(double y) { y_ = y; }
    void moveTo(double x, double y) { x_ = x, y_ = y; }

    void printLine(const QString& text) {
        drawText(x_, y_, text);
        x_ = 0;
        y_ += textHeight(text);
    }

    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;

    // Width of the lines that drawLine draws; 0 is the thinnest line the device can show.
    virtual void setPenWidth(double width) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2, const QColor& color) = 0;
    virtual void fillBox(double x, double y, double width, double height, const QColor& color) = 0;
    // A circle of radius around (x, y): its outline in the pen's width, and the part that fill
    // names filled, all in color.
    virtual void drawCircle(double x, double y, double radius, CircleFill fill,
                            const QColor& color) = 0;

  protected:
    // Draws one line of text with its top-left corner at (x, y) in the current font and
    // text colour.
    virtual void drawText(double x, double y, const QString& text) = 0;

  private:
    double x_ = 0;
    double y_ = 0;
};

// The drawing surface over a QPainter on any paint device: printer, PDF file, image or
// widget. One unit of the surface is pixelsPerUnit device pixels; forInches takes that from
// the device's resolution. Font sizes in points follow the device's resolution too, so a
// page drawn on a 1200 dpi PDF and on a 96 dpi image looks the same.
class PainterSurface final : public DrawingSurface {
  public:
    PainterSurface(QPainter& painter, double pixelsPerUnit);
    static double pixelsPerInch(const QPaintDevice& device);

    void setFont(const SurfaceFont& font) override;
    const SurfaceFont& font() const override { return font_; }
    void setTextColor(const QColor& color) override { textColor_ = color; }
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    void setPenWidth(double width) override { penWidth_ = width; }
    void drawLine(double x1, double y1, double x2, double y2, const QColor& color) override;
    void fillBox(double x, double y, double width, double height, const QColor& color) override;
    void drawCircle(double x, double y, double radius, CircleFill fill,
                    const QColor& color) override;

  protected:
    void drawText(double x, double y, const QString& text) override;

  private:
    QPainter& painter_;
    double scale_;
    SurfaceFont font_;
    QFont qfont_;
    QFontMetricsF metrics_;
    QColor textColor_ = Qt::black;
    double penWidth_ = 0;
};
