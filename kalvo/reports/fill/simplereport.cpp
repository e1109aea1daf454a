#include "kalvo/reports/fill/reportfill.h"

#include "kalvo/store/survey.h"

namespace {

const QString kReport = QStringLiteral("Report1");

void fillFirstPage(ReportPage &page, const ReportRequest &request, const ReportTexts &texts) {
    static const std::pair<const char *, int> labels[] = {
        {"Text12", 0},  {"Text8", 408}, {"Text10", 4}, {"Text11", 5},
        {"Text43", 18}, {"Text5", 19},  {"Text3", 21}, {"Text4", 22},
    };
    for (const auto &[name, id] : labels)
        page.text(QString::fromLatin1(name)).setText(texts(id));
    fillSurveyValues(page, request);
}

// The footer texts of the detailed report are set, then hidden: the simple
// report has no signatory block, only the signature picture.
void hideSignatoryTexts(ReportPage &page) {
    for (const char *name :
         {"Text40", "Text45", "Text44", "TextEstablished", "TextReportDate", "TextSignatory"})
        page.text(QString::fromLatin1(name)).setVisible(false);
}

} // namespace

FilledReport fillSimpleReport(const ReportRequest &request, const TankTestFormValues &form,
                              const ReportTexts &texts) {
    checkRequest(request);
    checkListCapacity(*request.survey);
    const Survey &survey = *request.survey;
    FilledReport filled;
    filled.project = ReportProject::load(request.projectFile);
    ReportProject &project = *filled.project;
    Report &report = project.report(kReport);

    fillFirstPage(project.page(QStringLiteral("Report1.Page17")), request, texts);
    const int pipes = form.pipesFlag();
    if (pipes == 1)
        fillPipePage(project.page(QStringLiteral("Report1.Page16")), form, texts);
    fillGraphsPage(project.page(QStringLiteral("Report1.Page2")), request);
    // An absent base measurement counts as 0 for the split.
    const double redBase = survey.noRedBase() ? 0 : survey.redValue();
    const double blackBase = survey.noBlackBase() ? 0 : survey.blackValue();
    const int p = fillMeasurementLists(report, survey, ListForm::Split, texts, redBase, blackBase);
    removeUnusedPages(report, p, pipes, QStringLiteral("Page1"));

    const std::optional<QImage> signature = optionalPicture(request.signatureFile);
    const QString title = texts(409) + surveyDateText(survey, request.french) + texts(410) +
                          surveyTimeText(survey, request.french);
    const int count = p + pipes - 1;
    for (const PrintedPage &printed : printedPages(report, p, pipes, QStringLiteral("Page17"))) {
        ReportPage &page = *printed.page;
        page.memo(QStringLiteral("MemoTitle")).setText(printed.number == 1 ? title : QString());
        fillFooter(page, request, form.signataire, signature, texts, printed.number, count);
        hideSignatoryTexts(page);
    }
    filled.firstFreePage = p;
    filled.pageCount = count;
    return filled;
}

QString createSimpleReport(const ReportRequest &request, const TankTestFormValues &form,
                           const ReportTexts &texts) {
    const FilledReport filled = fillSimpleReport(request, form, texts);
    return filled.project->renderPdf(kReport, request.pdfFile,
                                     documentTitle(*filled.project, QStringLiteral("Page17")));
}
