#pragma once
#include "kalvo/reports/engine/reportfont.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;

// The kinds of component a report page holds. Names are what the project
// file and the error messages call them.
enum class ReportKind { Text, Memo, Rectangle, Picture, Line };
QString reportKindName(ReportKind kind);

// One drawn element of a page, placed in millimetres from the page's top left
// corner. Components with a name can be looked up and filled; unnamed ones
// are the page's fixed drawing.
class ReportComponent {
public:
    ReportComponent(ReportKind kind, QString name, QRectF box)
        : m_kind(kind), m_name(std::move(name)), m_box(box) {}
    virtual ~ReportComponent() = default;
    ReportComponent(const ReportComponent &) = default;
    ReportComponent &operator=(const ReportComponent &) = default;

    ReportKind kind() const { return m_kind; }
    const QString &name() const { return m_name; }
    // Position and size in millimetres.
    const QRectF &box() const { return m_box; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    virtual std::unique_ptr<ReportComponent> clone() const = 0;
    // Draws on a painter whose unit is one dot at kReportDotsPerInch.
    virtual void draw(QPainter &painter) const = 0;

private:
    ReportKind m_kind;
    QString m_name;
    QRectF m_box;
    bool m_visible = true;
};

// Common ground of the text and the memo: text, font, colour, alignment.
class ReportTextual : public ReportComponent {
public:
    using ReportComponent::ReportComponent;

    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    const ReportFont &font() const { return m_font; }
    void setFont(const ReportFont &font) { m_font = font; }
    const QColor &textColor() const { return m_color; }
    void setTextColor(const QColor &color) { m_color = color; }
    ReportAlign align() const { return m_align; }
    void setAlign(ReportAlign align) { m_align = align; }

private:
    QString m_text;
    ReportFont m_font;
    QColor m_color = Qt::black;
    ReportAlign m_align = ReportAlign::Left;
};

// One line of text, aligned in the width of its box, never wrapped.
class ReportText : public ReportTextual {
public:
    ReportText(QString name, QRectF box) : ReportTextual(ReportKind::Text, std::move(name), box) {}
    std::unique_ptr<ReportComponent> clone() const override;
    void draw(QPainter &painter) const override;

    // Printed width of the current text in millimetres, and whether it stays
    // within the box (needs a QGuiApplication).
    double textWidthMm() const;
    bool fitsBox() const { return textWidthMm() <= box().width() + 0.01; }
};

// Several lines: line breaks in the text start new lines, long lines wrap at
// the box width. Lines are a fixed distance apart (the font's line spacing
// unless the project gives one), so two memos in the same box line up.
class ReportMemo : public ReportTextual {
public:
    ReportMemo(QString name, QRectF box) : ReportTextual(ReportKind::Memo, std::move(name), box) {}
    std::unique_ptr<ReportComponent> clone() const override;
    void draw(QPainter &painter) const override;

    // 0: the font's own line spacing.
    double lineHeightMm() const { return m_lineHeight; }
    void setLineHeightMm(double height) { m_lineHeight = height; }
    // Height in millimetres that the current text takes once wrapped.
    double textHeightMm() const;

private:
    double effectiveLineHeight() const;
    double m_lineHeight = 0;
};

enum class ReportFill { None, Solid };

// A framed rectangle, optionally filled; also the squares of yes/no answers.
class ReportRectangle : public ReportComponent {
public:
    ReportRectangle(QString name, QRectF box)
        : ReportComponent(ReportKind::Rectangle, std::move(name), box) {}
    std::unique_ptr<ReportComponent> clone() const override;
    void draw(QPainter &painter) const override;

    ReportFill fillStyle() const { return m_fillStyle; }
    void setFillStyle(ReportFill style) { m_fillStyle = style; }
    const QColor &fillColor() const { return m_fillColor; }
    void setFillColor(const QColor &color) { m_fillColor = color; }
    const QColor &penColor() const { return m_penColor; }
    void setPenColor(const QColor &color) { m_penColor = color; }
    // 0: no frame.
    double penWidthMm() const { return m_penWidth; }
    void setPenWidthMm(double width) { m_penWidth = width; }
    double cornerRadiusMm() const { return m_radius; }
    void setCornerRadiusMm(double radius) { m_radius = radius; }

private:
    ReportFill m_fillStyle = ReportFill::None;
    QColor m_fillColor = Qt::white;
    QColor m_penColor = Qt::black;
    double m_penWidth = 0.25;
    double m_radius = 0;
};

// A picture scaled into its box, keeping its proportions. Without an image it
// prints nothing.
class ReportPicture : public ReportComponent {
public:
    ReportPicture(QString name, QRectF box)
        : ReportComponent(ReportKind::Picture, std::move(name), box) {}
    std::unique_ptr<ReportComponent> clone() const override;
    void draw(QPainter &painter) const override;

    const QImage &image() const { return m_image; }
    void setImage(const QImage &image) { m_image = image; }
    // Throws ReportError when the file cannot be read as a picture.
    void loadFromFile(const QString &fileName);
    const QString &fileName() const { return m_fileName; }
    ReportAlign align() const { return m_align; }
    void setAlign(ReportAlign align) { m_align = align; }

private:
    QImage m_image;
    QString m_fileName;
    ReportAlign m_align = ReportAlign::Center;
};

// A straight line from the box's top left to its bottom right corner (a
// horizontal rule has height 0).
class ReportLine : public ReportComponent {
public:
    ReportLine(QString name, QRectF box)
        : ReportComponent(ReportKind::Line, std::move(name), box) {}
    std::unique_ptr<ReportComponent> clone() const override;
    void draw(QPainter &painter) const override;

    const QColor &penColor() const { return m_penColor; }
    void setPenColor(const QColor &color) { m_penColor = color; }
    double penWidthMm() const { return m_penWidth; }
    void setPenWidthMm(double width) { m_penWidth = width; }

private:
    QColor m_penColor = Qt::black;
    double m_penWidth = 0.25;
};
