#pragma once

#include "platform/DrawingSurface.h"

#include <QStringList>
#include <vector>

// A drawing surface that records what is drawn, with metrics simple enough to work out by
// hand: every character is size / 100 units wide and every line size / 50 units high (a
// 10-point character 0.1 by 0.2, a 24-point heading line 0.48 high), whatever the face.
class RecordingSurface final : public DrawingSurface {
  public:
    struct Text {
        QString text;
        double x;
        double y;
        SurfaceFont font;
        QColor color;
    };
    struct Line {
        double x1, y1, x2, y2;
        QColor color;
        double penWidth;
    };
    struct Box {
        double x, y, width, height;
        QColor color;
    };

    std::vector<Text> texts;
    std::vector<Line> lines;
    std::vector<Box> boxes;
    struct Circle {
        double x, y, radius;
        CircleFill fill;
        QColor color;
    };
    std::vector<Circle> circles;
    // How often text was measured, and how many characters that took in all.
    mutable int widthCalls = 0;
    mutable qsizetype widthCharacters = 0;

    void setFont(const SurfaceFont& font) override { font_ = font; }
    const SurfaceFont& font() const override { return font_; }
    void setTextColor(const QColor& color) override { color_ = color; }
    double textWidth(const QString& text) const override {
        ++widthCalls;
        widthCharacters += text.size();
        return text.size() * font_.size / 100;
    }
    double textHeight(const QString&) const override { return font_.size / 50; }
    void setPenWidth(double width) override { penWidth_ = width; }
    void drawLine(double x1, double y1, double x2, double y2, const QColor& color) override {
        lines.push_back({x1, y1, x2, y2, color, penWidth_});
    }
    void fillBox(double x, double y, double width, double height, const QColor& color) override {
        boxes.push_back({x, y, width, height, color});
    }
    void drawCircle(double x, double y, double radius, CircleFill fill,
                    const QColor& color) override {
        circles.push_back({x, y, radius, fill, color});
    }

    // The first text drawn that equals text, or nullptr.
    const Text* find(const QString& text) const {
        for (const Text& t : texts)
            if (t.text == text) return &t;
        return nullptr;
    }
    QStringList allTexts() const {
        QStringList out;
        for (const Text& t : texts)
            out << t.text;
        return out;
    }
    void clear() {
        texts.clear();
        lines.clear();
        boxes.clear();
        circles.clear();
    }

  protected:
    void drawText(double x, double y, const QString& text) override {
        texts.push_back({text, x, y, font_, color_});
    }

  private:
    SurfaceFont font_;
    QColor color_ = Qt::black;
    double penWidth_ = 0;
};
