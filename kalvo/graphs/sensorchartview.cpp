#include "kalvo/graphs/sensorchartview.h"

#include <QKeyEvent>
#include <QLineSeries>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QValueAxis>

#include <algorithm>

namespace {

const QColor kSilver(192, 192, 192);

void makeGridDotted(QValueAxis *axis) {
    QPen pen = axis->gridLinePen();
    pen.setStyle(Qt::DotLine);
    pen.setColor(Qt::gray);
    axis->setGridLinePen(pen);
    QPen minor = axis->minorGridLinePen();
    minor.setStyle(Qt::DotLine);
    minor.setColor(Qt::lightGray);
    axis->setMinorGridLinePen(minor);
}

QLineSeries *newSeries(QChart *chart, const QColor &color) {
    auto *series = new QLineSeries(chart);
    series->setColor(color);
    series->setPointsVisible(false);
    series->setPointLabelsVisible(false);
    chart->addSeries(series);
    return series;
}

} // namespace

SensorChartView::SensorChartView(const QString &title, const QColor &gradientEnd, QWidget *parent)
    : QChartView(parent), m_gradientEnd(gradientEnd) {
    auto *chart = new QChart;
    setChart(chart); // the view owns the chart
    chart->setTitle(title);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(21);
    chart->setTitleFont(titleFont);
    chart->setTitleBrush(Qt::blue);
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    chart->setAnimationOptions(QChart::NoAnimation);

    m_base = newSeries(chart, Qt::blue);
    m_values = newSeries(chart, Qt::red);

    m_valueAxis = new QValueAxis(chart);
    m_valueAxis->setRange(kValueMin, kValueMax);
    m_valueAxis->setTickCount(7);
    m_valueAxis->setMinorTickCount(4);
    m_valueAxis->setLabelFormat(QStringLiteral("%d"));
    makeGridDotted(m_valueAxis);
    m_numberAxis = new QValueAxis(chart);
    m_numberAxis->setMinorTickCount(0);
    m_numberAxis->setLabelFormat(QStringLiteral("%g"));
    makeGridDotted(m_numberAxis);
    chart->addAxis(m_valueAxis, Qt::AlignLeft);
    chart->addAxis(m_numberAxis, Qt::AlignBottom);
    for (QLineSeries *series : {m_base, m_values}) {
        series->attachAxis(m_valueAxis);
        series->attachAxis(m_numberAxis);
    }
    fitNumberAxis();
    setPrintLook(false);

    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::RectangleRubberBand);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(title);
}

void SensorChartView::fitNumberAxis() {
    double low = 0, high = 0;
    bool any = false;
    for (QLineSeries *series : {m_base, m_values}) {
        for (const QPointF &point : series->points()) {
            low = any ? std::min(low, point.x()) : point.x();
            high = any ? std::max(high, point.x()) : point.x();
            any = true;
        }
    }
    if (!any) {
        low = 0;
        high = 10;
    } else if (low == high) {
        low -= 1;
        high += 1;
    }
    m_numberAxis->setRange(low, high);
    m_numberAxis->applyNiceNumbers();
    // The value axis never follows the values.
    m_valueAxis->setRange(kValueMin, kValueMax);
}

bool SensorChartView::isZoomed() const {
    return chart()->isZoomed();
}

void SensorChartView::undoZoom() {
    chart()->zoomReset();
}

void SensorChartView::setPrintLook(bool print) {
    if (print) {
        chart()->setBackgroundBrush(Qt::white);
        setBackgroundBrush(Qt::white);
        return;
    }
    setBackgroundBrush(kSilver);
    // Silver is the chart's colour; the gradient drawn over it is what shows.
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, m_gradientEnd);
    chart()->setBackgroundBrush(gradient);
    chart()->setPlotAreaBackgroundVisible(false);
}

void SensorChartView::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton) {
        undoZoom();
        event->accept();
        return;
    }
    QChartView::mouseReleaseEvent(event);
}

void SensorChartView::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && isZoomed()) {
        undoZoom();
        event->accept();
        return;
    }
    QChartView::keyPressEvent(event);
}
