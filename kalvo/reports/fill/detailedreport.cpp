#include "kalvo/reports/fill/reportfill.h"

#include "kalvo/store/survey.h"

namespace {

const QString kReport = QStringLiteral("Report1");

void setText(ReportPage &page, const char *name, const QString &text) {
    page.text(QString::fromLatin1(name)).setText(text);
}

// The comment memo, printed in green.
void setReportMemo(ReportPage &page, const char *name, const QString &text) {
    ReportMemo &memo = page.memo(QString::fromLatin1(name));
    memo.setText(text);
    memo.setTextColor(QColor(0, 128, 0));
}

void fillFirstPageLabels(ReportPage &page, const ReportTexts &texts) {
    static const std::pair<const char *, int> labels[] = {
        {"Text46", 44}, {"Text12", 0},  {"TextPVTitle", 1}, {"Text9", 2},   {"Text8", 3},
        {"Text1", 92},  {"Text10", 4},  {"Text11", 5},      {"Text13", 6},  {"Text14", 7},
        {"Text15", 8},  {"Text16", 9},  {"Text17", 10},     {"Text18", 11}, {"Text19", 12},
        {"Text20", 13}, {"Text27", 14}, {"Text29", 14},     {"Text41", 14}, {"Text28", 16},
        {"Text30", 16}, {"Text42", 16}, {"Text43", 18},     {"Text5", 19},  {"Text24", 85},
        {"Text3", 21},  {"Text4", 22},  {"Text2", 23},      {"Text21", 24}, {"Text22", 25},
        {"Text23", 26}, {"Text31", 27}, {"Text32", 28},     {"Text7", 29},  {"Text34", 30},
        {"Text35", 31}, {"Text36", 32}, {"Text37", 35},     {"Text38", 36}, {"Text39", 37},
    };
    for (const auto &[name, id] : labels)
        setText(page, name, texts(id));
}

// The square of the answer: the "Yes" square when the Yes box is checked,
// otherwise the "No" square.
void fillSquare(ReportPage &page, bool yes, const char *yesSquare, const char *noSquare) {
    ReportRectangle &square = page.rectangle(QString::fromLatin1(yes ? yesSquare : noSquare));
    square.setFillStyle(ReportFill::Solid);
    square.setFillColor(Qt::black);
}

void fillFirstPage(ReportPage &page, const ReportRequest &request, const TankTestFormValues &form,
                   const ReportTexts &texts) {
    // Labels first, so that emptying the labels of absent base
    // measurements below wins.
    fillFirstPageLabels(page, texts);
    setText(page, "TextPVTitle", texts(1));
    fillSurveyValues(page, request);
    setText(page, "TextPV", form.tank);
    setText(page, "TextOperator", form.operatorName);
    setText(page, "TextTankowner", form.tankowner);
    setText(page, "TextAddress", form.address);
    setText(page, "TextZipcode", form.zipcode + QLatin1Char(' ') + form.city);
    setText(page, "TextCountry", form.country);
    setText(page, "TextImplant", form.implant);
    setText(page, "TextProduit", form.productLvl);
    setText(page, "TextEau", form.waterLvl);
    setText(page, "TextDep", form.depressionType);
    fillSquare(page, form.waterYes, "square1", "square2");
    fillSquare(page, form.depressedYes, "square3", "square4");
    fillSquare(page, form.cleanBeforeYes, "square5", "square6");
    setText(page, "TextNature", form.nature);
    setText(page, "TextSituation", form.situation);
    setText(page, "TextCapacite", form.capacite);
    setText(page, "TextRepere", form.repere);
    setReportMemo(page, "TextMainComment", form.mainComment);
    setText(page, "TextType", form.type);
    setText(page, "TextProduct", form.stock);
    setText(page, "TextResult", form.result);
}

void fillPageHeader(ReportPage &page, const ReportRequest &request,
                    const std::optional<QImage> &logo, const ReportTexts &texts) {
    if (logo)
        page.picture(QStringLiteral("BitmapLogo")).setImage(*logo);
    page.memo(QStringLiteral("MemoTitle")).setText(texts(17));
    const SupplierRecord &supplier = request.letterhead;
    setText(page, "TextOwner", supplier.owner);
    setText(page, "TextOwnerAddress", supplier.address);
    setText(page, "TextOwnerZipcode", supplier.zipCode + QLatin1Char(' ') + supplier.city);
    setText(page, "TextOwnerCountry", supplier.country);
    setText(page, "TextOwnerTel", texts(58) + supplier.tel);
    setText(page, "TextOwnerFax", texts(59) + supplier.fax);
    setText(page, "TextOwnerEmail", texts(60) + supplier.email);
    setText(page, "TextOwnerWebsite", texts(61) + supplier.webSite);
}

} // namespace

void fillPipePage(ReportPage &page, const TankTestFormValues &form, const ReportTexts &texts) {
    static const std::pair<const char *, int> labels[] = {
        {"Text2", 38}, {"Text21", 24}, {"Text1", 40}, {"Text3", 41},
        {"Text4", 42}, {"Text5", 43},  {"Text7", 29},
    };
    for (const auto &[name, id] : labels)
        setText(page, name, texts(id));
    const auto setRow = [&page](int row, const PipeRowTexts &texts) {
        const QString n = QString::number(row);
        page.text(QStringLiteral("TextNature") + n).setText(texts.type);
        page.text(QStringLiteral("TextMat") + n).setText(texts.material);
        page.text(QStringLiteral("TextDep") + n).setText(texts.from);
        page.text(QStringLiteral("TextAr") + n).setText(texts.to);
        page.text(QStringLiteral("TextEta") + n).setText(texts.tight);
        page.text(QStringLiteral("TextComment") + n).setText(texts.comment);
    };
    int row = 1;
    for (const PipeRowTexts &pipe : form.pipes)
        if (pipe.isUsed())
            setRow(row++, pipe);
    for (; row <= int(form.pipes.size()); ++row)
        setRow(row, PipeRowTexts());
}

FilledReport fillDetailedReport(const ReportRequest &request, const TankTestFormValues &form,
                                const ReportTexts &texts) {
    checkRequest(request);
    checkListCapacity(*request.survey);
    FilledReport filled;
    filled.project = ReportProject::load(request.projectFile);
    ReportProject &project = *filled.project;
    Report &report = project.report(kReport);

    fillFirstPage(project.page(QStringLiteral("Report1.Page1")), request, form, texts);
    const int pipes = form.pipesFlag();
    if (pipes == 1)
        fillPipePage(project.page(QStringLiteral("Report1.Page16")), form, texts);
    fillGraphsPage(project.page(QStringLiteral("Report1.Page2")), request);
    const int p = fillMeasurementLists(report, *request.survey, ListForm::Plain, texts);
    removeUnusedPages(report, p, pipes, QStringLiteral("Page17"));

    const std::optional<QImage> logo = optionalPicture(request.logoFile);
    const std::optional<QImage> signature = optionalPicture(request.signatureFile);
    const auto pages = printedPages(report, p, pipes, QStringLiteral("Page1"));
    const int count = p + pipes - 1;
    for (const PrintedPage &printed : pages)
        fillPageHeader(*printed.page, request, logo, texts);
    for (const PrintedPage &printed : pages)
        fillFooter(*printed.page, request, form.signataire, signature, texts, printed.number,
                   count);
    filled.firstFreePage = p;
    filled.pageCount = count;
    return filled;
}

QString createDetailedReport(const ReportRequest &request, const TankTestFormValues &form,
                             const ReportTexts &texts) {
    const FilledReport filled = fillDetailedReport(request, form, texts);
    return filled.project->renderPdf(kReport, request.pdfFile,
                                     documentTitle(*filled.project, QStringLiteral("Page1")));
}
