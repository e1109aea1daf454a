#pragma once
// One sensor's chart: a line chart of measured values over their number, with
// a value axis fixed from -20 to 40 dB, dotted grids and a silver background
// under a gradient. The user zooms by dragging a rectangle with the left
// button; a right click or Esc undoes the zoom.

#include <QChartView>
#include <QColor>

class QLineSeries;
class QValueAxis;

class SensorChartView : public QChartView {
    Q_OBJECT
public:
    // `gradientEnd`: the colour the background gradient runs to from white.
    SensorChartView(const QString &title, const QColor &gradientEnd, QWidget *parent = nullptr);

    // The chart's two series, the base line drawn first, under the values.
    QLineSeries *baseSeries() const { return m_base; }
    QLineSeries *valueSeries() const { return m_values; }
    QValueAxis *valueAxis() const { return m_valueAxis; }
    QValueAxis *numberAxis() const { return m_numberAxis; }

    // Fits the number axis to the points of both series (automatic axis).
    void fitNumberAxis();
    bool isZoomed() const;
    void undoZoom();
    // White background without gradient for a saved picture, or back to the
    // screen look (silver under the gradient).
    void setPrintLook(bool print);

    static constexpr double kValueMin = -20;
    static constexpr double kValueMax = 40;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLineSeries *m_base;
    QLineSeries *m_values;
    QValueAxis *m_valueAxis;
    QValueAxis *m_numberAxis;
    QColor m_gradientEnd;
};
