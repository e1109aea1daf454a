#include "kalvo/reports/engine/reportcomponents.h"

#include "kalvo/reports/engine/reporterror.h"

#include <QImageReader>
#include <QPainter>
#include <QTextLayout>

QString reportKindName(ReportKind kind) {
    switch (kind) {
    case ReportKind::Text:
        return QStringLiteral("text");
    case ReportKind::Memo:
        return QStringLiteral("memo");
    case ReportKind::Rectangle:
        return QStringLiteral("rectangle");
    case ReportKind::Picture:
        return QStringLiteral("picture");
    case ReportKind::Line:
        return QStringLiteral("line");
    }
    return QString();
}

namespace {

QRectF boxInDots(const QRectF &mm) {
    return QRectF(mmToDots(mm.x()), mmToDots(mm.y()), mmToDots(mm.width()), mmToDots(mm.height()));
}

Qt::Alignment horizontal(ReportAlign align) {
    switch (align) {
    case ReportAlign::Center:
        return Qt::AlignHCenter;
    case ReportAlign::Right:
        return Qt::AlignRight;
    case ReportAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

QPen penOf(const QColor &color, double widthMm) {
    if (widthMm <= 0)
        return QPen(Qt::NoPen);
    QPen pen(color, mmToDots(widthMm));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

} // namespace

std::unique_ptr<ReportComponent> ReportText::clone() const {
    return std::make_unique<ReportText>(*this);
}

void ReportText::draw(QPainter &painter) const {
    if (text().isEmpty())
        return;
    painter.setFont(font().toQFont());
    painter.setPen(textColor());
    QString line = text();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    painter.drawText(
        boxInDots(box()),
        int(horizontal(align()) | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip), line);
}

double ReportText::textWidthMm() const {
    return ::textWidthMm(font(), text());
}

std::unique_ptr<ReportComponent> ReportMemo::clone() const {
    return std::make_unique<ReportMemo>(*this);
}

double ReportMemo::effectiveLineHeight() const {
    return m_lineHeight > 0 ? m_lineHeight : lineSpacingMm(font());
}

namespace {

// Lays out one paragraph of a memo, wrapped at `width` dots; returns the
// number of lines it takes.
int layParagraph(QTextLayout &layout, double width, double lineHeightDots) {
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, lines * lineHeightDots));
        ++lines;
    }
    layout.endLayout();
    return lines;
}

// The paragraphs of a memo text; a final line break ends the last line
// rather than starting an empty one.
QStringList paragraphsOf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList paragraphs = text.split(QLatin1Char('\n'));
    if (paragraphs.size() > 1 && paragraphs.last().isEmpty())
        paragraphs.removeLast();
    return paragraphs;
}

} // namespace

void ReportMemo::draw(QPainter &painter) const {
    if (text().isEmpty())
        return;
    const QFont qfont(font().toQFont(), painter.device());
    QTextOption option(horizontal(align()));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QRectF area = boxInDots(box());
    const double lineHeight = mmToDots(effectiveLineHeight());
    painter.setPen(textColor());
    double top = area.top();
    for (const QString &paragraph : paragraphsOf(text())) {
        if (paragraph.isEmpty()) {
            top += lineHeight;
            continue;
        }
        QTextLayout layout(paragraph, qfont, painter.device());
        layout.setTextOption(option);
        const int lines = layParagraph(layout, area.width(), lineHeight);
        layout.draw(&painter, QPointF(area.left(), top));
        top += lines * lineHeight;
    }
}

double ReportMemo::textHeightMm() const {
    if (text().isEmpty())
        return 0;
    const QPaintDevice *device = reportMeasuringDevice();
    const QFont qfont(font().toQFont(), device);
    QTextOption option(horizontal(align()));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    int lines = 0;
    for (const QString &paragraph : paragraphsOf(text())) {
        if (paragraph.isEmpty()) {
            ++lines;
            continue;
        }
        QTextLayout layout(paragraph, qfont, device);
        layout.setTextOption(option);
        lines += layParagraph(layout, mmToDots(box().width()), 1);
    }
    return lines * effectiveLineHeight();
}

std::unique_ptr<ReportComponent> ReportRectangle::clone() const {
    return std::make_unique<ReportRectangle>(*this);
}

void ReportRectangle::draw(QPainter &painter) const {
    painter.setPen(penOf(m_penColor, m_penWidth));
    painter.setBrush(m_fillStyle == ReportFill::Solid ? QBrush(m_fillColor) : QBrush(Qt::NoBrush));
    const QRectF area = boxInDots(box());
    if (m_radius > 0)
        painter.drawRoundedRect(area, mmToDots(m_radius), mmToDots(m_radius));
    else
        painter.drawRect(area);
}

std::unique_ptr<ReportComponent> ReportPicture::clone() const {
    return std::make_unique<ReportPicture>(*this);
}

void ReportPicture::loadFromFile(const QString &fileName) {
    QImageReader reader(fileName);
    QImage image = reader.read();
    if (image.isNull())
        throw ReportError(QStringLiteral("Cannot read the picture file \"%1\": %2.")
                              .arg(fileName, reader.errorString()));
    m_image = std::move(image);
    m_fileName = fileName;
}

void ReportPicture::draw(QPainter &painter) const {
    if (m_image.isNull() || box().isEmpty())
        return;
    const QRectF area = boxInDots(box());
    QSizeF size = QSizeF(m_image.size()).scaled(area.size(), Qt::KeepAspectRatio);
    double left = area.left();
    if (m_align == ReportAlign::Center)
        left += (area.width() - size.width()) / 2;
    else if (m_align == ReportAlign::Right)
        left += area.width() - size.width();
    const double top = area.top() + (area.height() - size.height()) / 2;
    painter.drawImage(QRectF(QPointF(left, top), size), m_image);
}

std::unique_ptr<ReportComponent> ReportLine::clone() const {
    return std::make_unique<ReportLine>(*this);
}

void ReportLine::draw(QPainter &painter) const {
    painter.setPen(penOf(m_penColor, m_penWidth));
    const QRectF area = boxInDots(box());
    painter.drawLine(area.topLeft(), area.bottomRight());
}
