#include "kalvo/graphs/reportflows.h"

#include "kalvo/app/application.h"
#include "kalvo/app/forms.h"
#include "kalvo/app/kalvoerror.h"
#include "kalvo/app/preferences.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/graphs/sensorchartview.h"
#include "kalvo/reports/fileselectiongui.h"
#include "kalvo/reports/modalhide.h"
#include "kalvo/reports/operators.h"
#include "kalvo/reports/vatroresultsgui.h"

#include <QDir>
#include <QImage>
#include <QSaveFile>

namespace {

QString picturePath(const char *name) {
    return programFolder() + QStringLiteral("/Pictures/") + QLatin1String(name);
}

void saveCharts(TForm3 &graphs) {
    enterProgramFolder();
    saveChartPicture(*graphs.ChartRed, picturePath("graphRedSensor.bmp"));
    saveChartPicture(*graphs.ChartBlack, picturePath("graphBlackSensor.bmp"));
}

// A fresh form for every flow: nothing typed in an earlier flow comes back.
TForm4 &newTankTestForm(TForm3 &graphs) {
    if (Form4)
        Form4->deleteLater();
    Form4 = new TForm4(&graphs);
    return *Form4;
}

} // namespace

void saveChartPicture(SensorChartView &chart, const QString &fileName) {
    chart.setPrintLook(true);
    chart.undoZoom();
    const QImage picture = chart.grab().toImage();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "BMP") || !file.commit())
        throw KalvoError(QStringLiteral("Cannot create file \"%1\". %2")
                             .arg(QDir::toNativeSeparators(fileName), file.errorString()));
    chart.setPrintLook(false);
}

void runDetailedReportFlow(TForm3 &graphs) {
    saveCharts(graphs);
    Form6->simpleReport = false;
    // The graphs window stays visible behind the form. When the form's modal
    // loop ends, the form and the output settings have closed.
    newTankTestForm(graphs).showModally();
}

void runSimpleReportFlow(TForm3 &graphs) {
    saveCharts(graphs);
    // The output settings show the graphs window again when they close.
    hideKeepingModalLoop(&graphs);
    TForm4 &form = newTankTestForm(graphs);
    enterProgramFolder();
    loadOperatorsAndOwner(form, preferencesPath());
    Form6->simpleReport = true;
    Form6->exec();
}

void connectReportFlows(TForm3 &graphs) {
    QObject::connect(&graphs, &TForm3::detailedReportRequested, &graphs, [&graphs] {
        runHandler(&graphs, [&graphs] { runDetailedReportFlow(graphs); });
    });
    QObject::connect(&graphs, &TForm3::simpleReportRequested, &graphs, [&graphs] {
        runHandler(&graphs, [&graphs] { runSimpleReportFlow(graphs); });
    });
}
