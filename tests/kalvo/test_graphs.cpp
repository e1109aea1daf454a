// The graphs window: the four series for a survey (points, colours, base
// lines, absent bases), the fixed value axis, zoom and its undo, closing, and
// the halving of the chart area.
#include "kalvo/app/languages.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/graphs/sensorchartview.h"
#include "kalvo/store/survey.h"

#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QValueAxis>

namespace {

struct Value {
    char sensor;
    double dB;
};

Survey surveyOf(const std::vector<Value> &values, bool noBase = false, bool noRed = false,
                bool noBlack = false) {
    Survey survey;
    survey.setNbMeasurements(int(values.size()));
    survey.setRedValue(12.5);
    survey.setBlackValue(-3.0);
    survey.setNoBaseValues(noBase);
    survey.setNoRedBase(noRed);
    survey.setNoBlackBase(noBlack);
    int red = 0, black = 0;
    for (const Value &value : values)
        survey.appendData(Data(1, value.sensor == 'R' ? ++red : ++black, value.dB, value.sensor));
    return survey;
}

QList<QPointF> pointsOf(const QLineSeries *series) {
    return series->points();
}

QColor colourOfPoint(const QLineSeries *series, int index) {
    return series->pointConfiguration(index)
        .value(QXYSeries::PointConfiguration::Color)
        .value<QColor>();
}

} // namespace

class TestGraphs : public QObject {
    Q_OBJECT
private slots:
    void seriesOfASurvey_data();
    void seriesOfASurvey();
    void measuredPointsCarryTheirColours();
    void onlyTheListedValuesAreDrawn();
    void valueAxisStaysFixed();
    void chartsLook();
    void closeUndoesZoomAndClears();
    void closeBoxKeepsZoom();
    void rightClickUndoesZoom();
    void chartAreaHalved();
    void reportButtonsAnnounceTheirFlows();
};

void TestGraphs::seriesOfASurvey_data() {
    QTest::addColumn<bool>("noBase");
    QTest::addColumn<bool>("noRed");
    QTest::addColumn<bool>("noBlack");
    QTest::addColumn<int>("redBasePoints");
    QTest::addColumn<int>("blackBasePoints");
    QTest::newRow("both bases") << false << false << false << 2 << 1;
    QTest::newRow("no base values (.txt)") << true << false << false << 0 << 0;
    QTest::newRow("red base absent") << false << true << false << 0 << 1;
    QTest::newRow("black base absent") << false << false << true << 2 << 0;
}

void TestGraphs::seriesOfASurvey() {
    QFETCH(bool, noBase);
    QFETCH(bool, noRed);
    QFETCH(bool, noBlack);
    QFETCH(int, redBasePoints);
    QFETCH(int, blackBasePoints);
    TForm3 form;
    const Survey survey = surveyOf({{'R', 10.5}, {'B', 7}, {'R', 55}}, noBase, noRed, noBlack);
    form.fillCharts(survey);
    QCOMPARE(pointsOf(form.Series3), (QList<QPointF>{{1, 10.5}, {2, 55}}));
    QCOMPARE(pointsOf(form.Series5), (QList<QPointF>{{1, 7}}));
    QCOMPARE(form.Series4->count(), redBasePoints);
    QCOMPARE(form.Series6->count(), blackBasePoints);
    // The base line lies at the base value under each measured value.
    if (redBasePoints)
        QCOMPARE(pointsOf(form.Series4), (QList<QPointF>{{1, 12.5}, {2, 12.5}}));
    if (blackBasePoints)
        QCOMPARE(pointsOf(form.Series6), (QList<QPointF>{{1, -3}}));
    QCOMPARE(form.Series4->color(), QColor(Qt::blue));
    QCOMPARE(form.Series6->color(), QColor(Qt::blue));

    // A second survey replaces the first one's points.
    form.fillCharts(surveyOf({{'B', 1}}));
    QCOMPARE(form.Series3->count(), 0);
    QCOMPARE(form.Series4->count(), 0);
    QCOMPARE(pointsOf(form.Series5), (QList<QPointF>{{1, 1}}));
    QCOMPARE(pointsOf(form.Series6), (QList<QPointF>{{1, -3}}));
}

void TestGraphs::measuredPointsCarryTheirColours() {
    TForm3 form;
    form.fillCharts(surveyOf({{'R', 1}, {'B', 2}, {'R', 3}, {'B', 4}}));
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(colourOfPoint(form.Series3, i), QColor(Qt::red));
        QCOMPARE(colourOfPoint(form.Series5, i), QColor(Qt::black));
    }
    QCOMPARE(form.Series3->color(), QColor(Qt::red));
    QCOMPARE(form.Series5->color(), QColor(Qt::black));
    // Drawn over the base lines.
    const QList<QAbstractSeries *> red = form.ChartRed->chart()->series();
    QVERIFY(red.indexOf(form.Series4) < red.indexOf(form.Series3));
    const QList<QAbstractSeries *> black = form.ChartBlack->chart()->series();
    QVERIFY(black.indexOf(form.Series6) < black.indexOf(form.Series5));
}

void TestGraphs::onlyTheListedValuesAreDrawn() {
    TForm3 form;
    Survey survey = surveyOf({{'R', 1}, {'B', 2}, {'R', 3}});
    survey.setNbMeasurements(2);
    form.fillCharts(survey);
    QCOMPARE(form.Series3->count(), 1);
    QCOMPARE(form.Series5->count(), 1);
}

void TestGraphs::valueAxisStaysFixed() {
    TForm3 form;
    form.fillCharts(surveyOf({{'R', 120}, {'R', -60}}));
    for (SensorChartView *chart : {form.ChartRed, form.ChartBlack}) {
        QCOMPARE(chart->valueAxis()->min(), -20.0);
        QCOMPARE(chart->valueAxis()->max(), 40.0);
        QCOMPARE(chart->valueAxis()->minorTickCount(), 4);
        QCOMPARE(chart->valueAxis()->gridLinePen().style(), Qt::DotLine);
        QCOMPARE(chart->numberAxis()->minorTickCount(), 0);
        QCOMPARE(chart->numberAxis()->gridLinePen().style(), Qt::DotLine);
    }
    // Red values only: the black chart stays empty on its fixed axis.
    QCOMPARE(form.Series5->count(), 0);
    QVERIFY(form.ChartRed->numberAxis()->min() <= 1);
    QVERIFY(form.ChartRed->numberAxis()->max() >= 2);
}

void TestGraphs::chartsLook() {
    TForm3 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Graphs"));
    QCOMPARE(form.ChartRed->chart()->title(), QStringLiteral("Red sensor"));
    QCOMPARE(form.ChartBlack->chart()->title(), QStringLiteral("Black sensor"));
    QCOMPARE(form.ChartRed->chart()->titleBrush().color(), QColor(Qt::blue));
    QCOMPARE(form.ChartRed->chart()->titleFont().pixelSize(), 21);
    QVERIFY(!form.ChartRed->chart()->legend()->isVisible());
    const QGradient *gradient = form.ChartRed->chart()->backgroundBrush().gradient();
    QVERIFY(gradient);
    QCOMPARE(gradient->stops().first().second, QColor(Qt::white));
    QCOMPARE(gradient->stops().last().second, QColor(255, 128, 128));
    QCOMPARE(form.ChartBlack->chart()->backgroundBrush().gradient()->stops().last().second,
             QColor(172, 172, 172));
    QCOMPARE(form.ChartRed->backgroundBrush().color(), QColor(192, 192, 192));
    form.ChartRed->setPrintLook(true);
    QCOMPARE(form.ChartRed->chart()->backgroundBrush().gradient(), nullptr);
    QCOMPARE(form.ChartRed->chart()->backgroundBrush().color(), QColor(Qt::white));
    QVERIFY(form.RichEditRedValues->isReadOnly());
    QVERIFY(!form.RichEditBlackValues->isReadOnly());
}

void TestGraphs::closeUndoesZoomAndClears() {
    TForm3 form;
    form.fillCharts(surveyOf({{'R', 1}, {'B', 2}, {'R', 3}}));
    form.show();
    form.ChartRed->chart()->zoomIn();
    form.ChartBlack->chart()->zoomIn();
    QVERIFY(form.ChartRed->isZoomed());
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.ChartRed->isZoomed());
    QVERIFY(!form.ChartBlack->isZoomed());
    for (QLineSeries *series : {form.Series3, form.Series4, form.Series5, form.Series6})
        QCOMPARE(series->count(), 0);
}

void TestGraphs::closeBoxKeepsZoom() {
    TForm3 form;
    form.fillCharts(surveyOf({{'R', 1}, {'R', 3}}));
    form.show();
    form.ChartRed->chart()->zoomIn();
    form.close();
    QVERIFY(form.ChartRed->isZoomed());
    QCOMPARE(form.Series3->count(), 0);
}

void TestGraphs::rightClickUndoesZoom() {
    TForm3 form;
    form.fillCharts(surveyOf({{'R', 1}, {'R', 3}}));
    form.resize(800, 600);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ChartRed->chart()->zoomIn();
    QTest::mouseClick(form.ChartRed->viewport(), Qt::RightButton, {}, QPoint(100, 100));
    QVERIFY(!form.ChartRed->isZoomed());
    form.ChartBlack->chart()->zoomIn();
    form.ChartBlack->setFocus();
    QTest::keyClick(form.ChartBlack, Qt::Key_Escape);
    QVERIFY(!form.ChartBlack->isZoomed());
    QVERIFY(form.isVisible()); // Esc undid the zoom and did not close
}

void TestGraphs::chartAreaHalved() {
    TForm3 form;
    form.resize(900, 701);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const int half = form.Panel7->height() / 2;
    QCOMPARE(form.Panel6->geometry(), QRect(0, 0, form.Panel7->width(), half));
    QCOMPARE(form.Panel5->height(), half);
    QCOMPARE(form.Panel5->geometry().bottom(), form.Panel7->height() - 1);
    QCOMPARE(form.focusWidget(), form.ButtonPdf);
}

void TestGraphs::reportButtonsAnnounceTheirFlows() {
    TForm3 form;
    QSignalSpy detailed(&form, &TForm3::detailedReportRequested);
    QSignalSpy simple(&form, &TForm3::simpleReportRequested);
    form.ButtonPdf->click();
    form.ButtonSimpleReport->click();
    QCOMPARE(detailed.count(), 1);
    QCOMPARE(simple.count(), 1);
}

QTEST_MAIN(TestGraphs)
#include "test_graphs.moc"
