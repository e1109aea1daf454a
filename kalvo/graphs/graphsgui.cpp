#include "kalvo/graphs/graphsgui.h"

#include "kalvo/app/application.h"
#include "kalvo/app/windowtranslator.h"
#include "kalvo/graphs/sensorchartview.h"
#include "kalvo/store/survey.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// Margins of the chart area and of the strip under it.
constexpr int kLeftMargin = 70;
constexpr int kRightMargin = 71;
constexpr int kStripHeight = 143;

// Replaces the points of `series`, each in `color`.
void setPoints(QLineSeries *series, const QList<QPointF> &points, const QColor &color) {
    series->clearPointsConfiguration();
    series->replace(points);
    QHash<int, QHash<QXYSeries::PointConfiguration, QVariant>> colours;
    colours.reserve(points.size());
    for (int i = 0; i < points.size(); ++i)
        colours[i][QXYSeries::PointConfiguration::Color] = color;
    series->setPointsConfiguration(colours);
}

void clearSeries(QLineSeries *series) {
    series->clearPointsConfiguration();
    series->clear();
}

} // namespace

TForm3::TForm3(QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TForm3"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    Panel7 = new QWidget(this);
    Panel7->setObjectName(QStringLiteral("Panel7"));
    Panel6 = new QWidget(Panel7);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel5 = new QWidget(Panel7);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    ChartRed = new SensorChartView(QStringLiteral("Red sensor"), QColor(255, 128, 128), Panel6);
    ChartRed->setObjectName(QStringLiteral("ChartRed"));
    ChartBlack = new SensorChartView(QStringLiteral("Black sensor"), QColor(172, 172, 172), Panel5);
    ChartBlack->setObjectName(QStringLiteral("ChartBlack"));
    for (auto [panel, chart] : {std::pair{Panel6, ChartRed}, std::pair{Panel5, ChartBlack}}) {
        auto *fill = new QVBoxLayout(panel);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(chart);
    }
    Series4 = ChartRed->baseSeries();
    Series3 = ChartRed->valueSeries();
    Series6 = ChartBlack->baseSeries();
    Series5 = ChartBlack->valueSeries();
    Series3->setObjectName(QStringLiteral("Series3"));
    Series4->setObjectName(QStringLiteral("Series4"));
    Series5->setObjectName(QStringLiteral("Series5"));
    Series6->setObjectName(QStringLiteral("Series6"));
    Panel7->installEventFilter(this);

    RichEditRedValues = newValueList("RichEditRedValues", true);
    RichEditBlackValues = newValueList("RichEditBlackValues", false);
    ButtonPdf = new QPushButton(this);
    ButtonPdf->setObjectName(QStringLiteral("ButtonPdf"));
    ButtonSimpleReport = new QPushButton(this);
    ButtonSimpleReport->setObjectName(QStringLiteral("ButtonSimpleReport"));
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    for (QPushButton *button : {ButtonPdf, ButtonSimpleReport, Button1})
        button->setAutoDefault(false);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ButtonPdf);
    buttons->addWidget(ButtonSimpleReport);
    buttons->addStretch();
    buttons->addWidget(Button1);
    auto *strip = new QHBoxLayout;
    strip->addWidget(RichEditRedValues, 1);
    strip->addWidget(RichEditBlackValues, 1);
    strip->addLayout(buttons);
    auto *stripWidget = new QWidget(this);
    stripWidget->setFixedHeight(kStripHeight);
    stripWidget->setLayout(strip);
    strip->setContentsMargins(0, 4, 0, 4);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(kLeftMargin, 0, kRightMargin, 0);
    outer->setSpacing(0);
    outer->addWidget(Panel7, 1);
    outer->addWidget(stripWidget);

    connect(Button1, &QPushButton::clicked, this,
            [this] { runHandler(this, [this] { Button1Click(); }); });
    connect(ButtonPdf, &QPushButton::clicked, this,
            [this] { runHandler(this, [this] { ButtonPdfClick(); }); });
    connect(ButtonSimpleReport, &QPushButton::clicked, this,
            [this] { runHandler(this, [this] { ButtonSimpleReportClick(); }); });

    m_texts = new WindowTranslator(this);
    setMinimumSize(640, 480);
}

QTextEdit *TForm3::newValueList(const char *name, bool readOnly) {
    auto *list = new QTextEdit(this);
    list->setObjectName(QLatin1String(name));
    list->setReadOnly(readOnly);
    list->setAcceptRichText(false);
    list->setLineWrapMode(QTextEdit::NoWrap);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setFont(QFont(QStringLiteral("Courier New"), 8));
    list->setAccessibleName(readOnly ? QStringLiteral("Red sensor values")
                                     : QStringLiteral("Black sensor values"));
    return list;
}

void TForm3::fillCharts(const Survey &survey) {
    for (QLineSeries *series : {Series3, Series4, Series5, Series6})
        clearSeries(series);
    const auto &dataList = survey.dataList();
    const size_t count = std::min(dataList.size(), size_t(std::max(0, survey.nbMeasurements())));
    // A base the instrument did not measure gets no line (it would read 0 dB).
    const bool redBase = !survey.noBaseValues() && !survey.noRedBase();
    const bool blackBase = !survey.noBaseValues() && !survey.noBlackBase();
    QList<QPointF> red, redLine, black, blackLine;
    for (size_t i = 0; i < count; ++i) {
        const Data &data = dataList[i];
        const double x = data.id();
        if (data.sensor() == 'R') {
            red.append({x, data.dataValue()});
            if (redBase)
                redLine.append({x, survey.redValue()});
        } else {
            black.append({x, data.dataValue()});
            if (blackBase)
                blackLine.append({x, survey.blackValue()});
        }
    }
    // Every measured point carries its colour and the line is drawn in it;
    // the base lines keep their series' colour, blue.
    setPoints(Series3, red, Qt::red);
    setPoints(Series5, black, Qt::black);
    Series3->setColor(Qt::red);
    Series5->setColor(Qt::black);
    Series4->replace(redLine);
    Series6->replace(blackLine);
    ChartRed->fitNumberAxis();
    ChartBlack->fitNumberAxis();
}

void TForm3::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runHandler(this, [this] { FormShow(); });
}

void TForm3::FormShow() {
    // The red chart above, the black chart below, each half the chart area.
    FormResize();
    ButtonPdf->setFocus();
}

bool TForm3::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Panel7 && event->type() == QEvent::Resize)
        FormResize();
    return QDialog::eventFilter(watched, event);
}

void TForm3::FormResize() {
    const int width = Panel7->width();
    const int half = Panel7->height() / 2;
    Panel6->setGeometry(0, 0, width, half);
    Panel5->setGeometry(0, Panel7->height() - half, width, half);
}

void TForm3::Button1Click() {
    ChartRed->undoZoom();
    ChartBlack->undoZoom();
    accept();
}

void TForm3::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TForm3::FormClose() {
    for (QLineSeries *series : {Series3, Series4, Series5, Series6})
        clearSeries(series);
}

void TForm3::ButtonPdfClick() {
    emit detailedReportRequested();
}

void TForm3::ButtonSimpleReportClick() {
    emit simpleReportRequested();
}
