#include "kalvo/reports/engine/reportfont.h"

#include <QFontMetricsF>
#include <QImage>

QFont ReportFont::toQFont() const {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    // Kerning off: widths then add up character by character, as the value
    // columns of the measurement lists expect.
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

namespace {

// A paint device at the layout resolution, for font metrics that match the PDF.
const QImage &measuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = int(kReportDotsPerInch / 0.0254 + 0.5);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

const QPaintDevice *reportMeasuringDevice() {
    return &measuringDevice();
}

static QFontMetricsF metricsOf(const ReportFont &font) {
    return QFontMetricsF(QFont(font.toQFont(), &measuringDevice()), &measuringDevice());
}

double textWidthMm(const ReportFont &font, const QString &text) {
    return dotsToMm(metricsOf(font).horizontalAdvance(text));
}

double lineSpacingMm(const ReportFont &font) {
    return dotsToMm(metricsOf(font).lineSpacing());
}
