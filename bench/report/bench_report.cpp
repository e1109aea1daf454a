// Time from the output settings' Ok to the closed PDF file for a detailed
// report of a survey of 3,600 values (1,800 per sensor: 12 list pages), with
// pipes page, logo, signature and two chart bitmaps of on-screen size.
// Prints the fastest and the median of several runs, and the file size.
// Run by hand: build/bench/report/bench_report [runs]

#include "kalvo/reports/fill/reportfill.h"
#include "kalvo/store/hardware.h"
#include "kalvo/store/survey.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kValuesPerSensor = 1800;

void writeChart(const QString &path, const QColor &color) {
    // A chart as the graphs window grabs it: white, axes, one line per value.
    QImage image(1100, 420, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::gray);
    painter.drawRect(50, 20, 1030, 360);
    painter.setPen(QPen(color, 1.5));
    QPointF last(50, 200);
    for (int i = 1; i < kValuesPerSensor; ++i) {
        const QPointF next(50 + 1030.0 * i / kValuesPerSensor,
                           200 + 120 * std::sin(i / 40.0) + (i * 37 % 23));
        painter.drawLine(last, next);
        last = next;
    }
    painter.end();
    image.save(path, "BMP");
}

std::unique_ptr<Survey> survey() {
    auto survey = std::make_unique<Survey>();
    survey->setId(1);
    survey->setHardwareId(1);
    survey->setSurveyDate(QStringLiteral("Mon 12 Mar 2007 10:20:30"));
    survey->setReference(QStringLiteral("Station Nord cuve 3"));
    survey->setRedValue(23.5);
    survey->setBlackValue(24.1);
    for (int i = 1; i <= kValuesPerSensor; ++i) {
        survey->appendData(Data(1, i, 20 + (i * 37 % 150) / 10.0, 'R'));
        survey->appendData(Data(1, i, 21 + (i * 53 % 140) / 10.0, 'B'));
    }
    survey->setNbMeasurements(2 * kValuesPerSensor);
    return survey;
}

TankTestFormValues form() {
    TankTestFormValues values;
    values.tankIndex = 2;
    values.tank = QStringLiteral("Of a tank or a compartment and its associated piping");
    values.operatorName = QStringLiteral("Jean Dupont");
    values.tankowner = QStringLiteral("Garage Central");
    values.signataire = QStringLiteral("J. Dupont");
    values.mainComment = QStringLiteral("Vacuum held for 45 minutes.\nNo leak noise.");
    for (int n = 0; n < 4; ++n)
        values.pipes[size_t(n)] = {QStringLiteral("Filling pipe"), QStringLiteral("HD PE"),
                                   QStringLiteral("Tank 1"),       QStringLiteral("Pump 2"),
                                   QStringLiteral("Yes"),          QString()};
    return values;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Preferences"));
    QDir(dir.path()).mkpath(QStringLiteral("Pictures"));
    QFile::copy(QStringLiteral(DIST_DIR "/Preferences/Report.rav"),
                dir.filePath(QStringLiteral("Preferences/Report.rav")));

    const auto values = survey();
    Hardware hardware;
    hardware.setSerialNbVEK(1234);
    hardware.setSerialSwitchBox(4711);
    ReportRequest request;
    request.survey = values.get();
    request.hardware = &hardware;
    setProgramFiles(request, dir.path());
    writeChart(request.redGraphFile, Qt::red);
    writeChart(request.blackGraphFile, Qt::black);
    request.logoFile = dir.filePath(QStringLiteral("logo.bmp"));
    QImage(400, 160, QImage::Format_RGB32).save(request.logoFile, "BMP");
    request.signatureFile = dir.filePath(QStringLiteral("signature.bmp"));
    QImage(300, 100, QImage::Format_RGB32).save(request.signatureFile, "BMP");
    request.pdfFile = dir.filePath(QStringLiteral("Report.pdf"));
    request.reportDate = QStringLiteral("11/12/2026");
    const TankTestFormValues tankForm = form();
    const ReportTexts texts = ReportTexts::english();

    std::vector<double> millis;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        createDetailedReport(request, tankForm, texts);
        millis.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(millis.begin(), millis.end());
    const FilledReport filled = fillDetailedReport(request, tankForm, texts);
    std::printf("detailed report, %d values, %d pages: fastest %.1f ms, median %.1f ms over %d "
                "runs; PDF %lld bytes\n",
                values->nbMeasurements(), filled.pageCount, millis.front(),
                millis[millis.size() / 2], runs, QFileInfo(request.pdfFile).size());
    return 0;
}
