#pragma once
#include <QColor>
#include <QFont>
#include <QString>

// The font of a text or memo component, as the project file names it. Kept as
// plain data so that a project can be loaded without a GUI application; the
// QFont is made when the page is drawn or a text measured.
struct ReportFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 9;
    bool bold = false;
    bool italic = false;

    QFont toQFont() const;
};

// Horizontal alignment of a text in its box.
enum class ReportAlign { Left, Center, Right };

// The resolution at which pages are laid out and measured. High enough that
// glyph hinting plays no part, so measurements agree with the printed PDF.
constexpr int kReportDotsPerInch = 1200;

inline double mmToDots(double mm) {
    return mm * kReportDotsPerInch / 25.4;
}
inline double dotsToMm(double dots) {
    return dots * 25.4 / kReportDotsPerInch;
}

class QPaintDevice;
// A paint device at kReportDotsPerInch, for metrics that match the PDF.
const QPaintDevice *reportMeasuringDevice();

// Width in millimetres of one line of `text` printed in `font`. Needs a
// QGuiApplication (the font database).
double textWidthMm(const ReportFont &font, const QString &text);
// Distance in millimetres between two lines of a memo printed in `font`.
double lineSpacingMm(const ReportFont &font);
