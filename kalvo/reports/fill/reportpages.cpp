#include "kalvo/reports/fill/reportpages.h"

#include "kalvo/reports/engine/reporterror.h"
#include "kalvo/reports/fill/recordingtime.h"
#include "kalvo/reports/fill/reportinput.h"
#include "kalvo/reports/fill/reporttexts.h"
#include "kalvo/store/hardware.h"
#include "kalvo/store/numbertext.h"
#include "kalvo/store/survey.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace {

const QString kPipesPage = QStringLiteral("Page16");

QString pageName(int number) {
    return QStringLiteral("Page%1").arg(number);
}

} // namespace

void setProgramFiles(ReportRequest &request, const QString &programFolder) {
    const QDir folder(programFolder);
    request.projectFile = folder.filePath(QStringLiteral("Preferences/Report.rav"));
    request.redGraphFile = folder.filePath(QStringLiteral("Pictures/graphRedSensor.bmp"));
    request.blackGraphFile = folder.filePath(QStringLiteral("Pictures/graphBlackSensor.bmp"));
}

std::vector<PrintedPage> printedPages(const Report &report, int firstFree, int pipes,
                                      const QString &firstPageName) {
    std::vector<PrintedPage> pages;
    for (int k = 1; k <= firstFree + pipes - 1; ++k) {
        if (k == firstFree)
            pages.push_back({&report.page(kPipesPage), 2});
        else if (k == 1)
            pages.push_back({&report.page(firstPageName), 1});
        else
            pages.push_back({&report.page(pageName(k)), k + pipes});
    }
    return pages;
}

void checkRequest(const ReportRequest &request) {
    if (!request.survey || !request.hardware)
        throw ReportError(QStringLiteral("No survey is chosen for the report."));
}

QString documentTitle(const ReportProject &project, const QString &firstPage) {
    return project.page(QStringLiteral("Report1.") + firstPage)
        .memo(QStringLiteral("MemoTitle"))
        .text()
        .simplified();
}

void removeUnusedPages(Report &report, int firstFree, int pipes, const QString &otherFirstPage) {
    const int count = int(report.pageList().size());
    for (int n = firstFree; n <= count - pipes - 1; ++n)
        report.removeFromPageList(report.page(pageName(n)));
    report.removeFromPageList(report.page(otherFirstPage));
}

QString surveyDateText(const Survey &survey, bool french) {
    return french ? survey.frenchDateText() : survey.englishDateText();
}

QString surveyTimeText(const Survey &survey, bool french) {
    if (french)
        return survey.time24Text();
    try {
        return survey.time12Text();
    } catch (const std::invalid_argument &) {
        throw ReportError(QStringLiteral("The survey date \"%1\" has no valid time of day.")
                              .arg(survey.surveyDate()));
    }
}

void fillSurveyValues(ReportPage &page, const ReportRequest &request) {
    const Survey &survey = *request.survey;
    page.text(QStringLiteral("TextDate")).setText(surveyDateText(survey, request.french));
    page.text(QStringLiteral("TextTime")).setText(surveyTimeText(survey, request.french));
    page.text(QStringLiteral("TextMeasurementNumber"))
        .setText(recordingTimeText(survey.nbMeasurements()));
    page.text(QStringLiteral("TextSONVARSerial"))
        .setText(QString::number(request.hardware->serialNbVEK()));
    page.text(QStringLiteral("TextSwitchBoxSerial"))
        .setText(QString::number(request.hardware->serialSwitchBox()));
    const QString unit = QStringLiteral(" dB\u00B5V");
    const bool noRed = survey.noBaseValues() || survey.noRedBase();
    const bool noBlack = survey.noBaseValues() || survey.noBlackBase();
    page.text(QStringLiteral("TextRedSensor"))
        .setText(noRed ? QString() : numberText(survey.redValue()) + unit);
    page.text(QStringLiteral("TextBlackSensor"))
        .setText(noBlack ? QString() : numberText(survey.blackValue()) + unit);
    if (noRed)
        page.text(QStringLiteral("Text3")).setText(QString());
    if (noBlack)
        page.text(QStringLiteral("Text4")).setText(QString());
}

std::optional<QImage> optionalPicture(const QString &fileName) {
    if (fileName.isEmpty() || !QFileInfo::exists(fileName))
        return std::nullopt;
    ReportPicture reader{QString(), QRectF()};
    reader.loadFromFile(fileName);
    return reader.image();
}

void fillFooter(ReportPage &page, const ReportRequest &request, const QString &signatory,
                const std::optional<QImage> &signature, const ReportTexts &texts, int number,
                int count) {
    page.memo(QStringLiteral("MemoFooter")).setText(texts(181) + request.survey->reference());
    page.text(QStringLiteral("Text40")).setText(texts(94));
    page.text(QStringLiteral("TextEstablished")).setText(request.establishedCity);
    page.text(QStringLiteral("Text45")).setText(texts(100));
    page.text(QStringLiteral("TextReportDate")).setText(request.reportDate);
    page.text(QStringLiteral("Text44")).setText(texts(112));
    page.text(QStringLiteral("TextSignatory")).setText(signatory);
    if (signature) {
        ReportPicture &picture = page.picture(QStringLiteral("PicSignature"));
        picture.setImage(*signature);
        picture.setVisible(true);
    }
    page.text(QStringLiteral("TextNumPage"))
        .setText(QString::number(number) + QLatin1Char('/') + QString::number(count));
}

void fillGraphsPage(ReportPage &page, const ReportRequest &request) {
    page.picture(QStringLiteral("BitmapRed")).loadFromFile(request.redGraphFile);
    page.picture(QStringLiteral("BitmapBlack")).loadFromFile(request.blackGraphFile);
}
