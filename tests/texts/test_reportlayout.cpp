// Both reports in each of the seven languages: every text component that the
// filling writes stays within its box when printed in the component's font,
// the drop-down items that the reports print fit their components whichever
// is chosen, and the title memo keeps within its height.
#include "kalvo/app/translationtable.h"
#include "kalvo/reports/engine/reportcomponents.h"
#include "kalvo/reports/engine/reportpage.h"
#include "kalvo/reports/engine/reportproject.h"
#include "report/reportfixture.h"

#include <QTest>

namespace {

const TranslationTable &form4() {
    return TranslationTable::forWindow(QStringLiteral("TForm4"));
}

// As the tank test form hands them to the reports.
ReportTexts textsIn(int language) {
    ReportTexts texts = ReportTexts::english();
    for (int id : ReportTexts::usedIds()) {
        const QString row = QStringLiteral("IDS_%1").arg(id);
        if (form4().hasRow(row))
            texts.set(id, form4().text(row, language));
    }
    return texts;
}

QString item(const QString &component, int language, int index) {
    return form4().items(component, language).value(index);
}

// The fixture's form with every selection shown in `language`, the tank
// selection naming pipes and pipe row 1 filled.
TankTestFormValues formIn(int language) {
    TankTestFormValues form = fixture::form(2);
    form.tank = item(QStringLiteral("ComboBoxTank"), language, 2);
    form.nature = item(QStringLiteral("ComboBoxNature"), language, 0);
    form.situation = item(QStringLiteral("ComboBoxSituation"), language, 0);
    form.type = item(QStringLiteral("ComboBoxType"), language, 1);
    form.stock = item(QStringLiteral("ComboBoxStock"), language, 0);
    form.result = item(QStringLiteral("ComboBoxResult"), language, 0);
    form.pipes[0] = {item(QStringLiteral("ComboBoxNatureCanal1"), language, 1),
                     item(QStringLiteral("ComboBoxMat1"), language, 1),
                     QStringLiteral("Cuve 3"),
                     QStringLiteral("Pompe 2"),
                     item(QStringLiteral("ComboBoxEtanche1"), language, 1),
                     QStringLiteral("Raccord repris")};
    return form;
}

// "<page>.<component>: <text>" for every visible text that overflows its box
// and every memo whose wrapped text is taller than its box.
QStringList overflows(const Report &report) {
    QStringList found;
    for (const ReportPage *page : report.pageList())
        for (const auto &component : page->components()) {
            if (!component->isVisible())
                continue;
            const QString where = page->name() + QLatin1Char('.') + component->name();
            if (const auto *text = dynamic_cast<const ReportText *>(component.get())) {
                if (!text->fitsBox())
                    found << QStringLiteral("%1: \"%2\" is %3 mm wide in %4 mm")
                                 .arg(where, text->text())
                                 .arg(text->textWidthMm(), 0, 'f', 1)
                                 .arg(text->box().width(), 0, 'f', 1);
            } else if (const auto *memo = dynamic_cast<const ReportMemo *>(component.get())) {
                if (memo->textHeightMm() > memo->box().height() + 0.01)
                    found << QStringLiteral("%1: \"%2\" is %3 mm high in %4 mm")
                                 .arg(where, memo->text())
                                 .arg(memo->textHeightMm(), 0, 'f', 1)
                                 .arg(memo->box().height(), 0, 'f', 1);
            }
        }
    return found;
}

// Every item of a drop-down list, printed in the component that shows the
// selected one.
QStringList itemOverflows(ReportPage &page, const char *component, const QString &list,
                          int language) {
    QStringList found;
    ReportText &text = page.text(QString::fromLatin1(component));
    const QString kept = text.text();
    for (const QString &entry : form4().items(list, language)) {
        text.setText(entry);
        if (!text.fitsBox())
            found << QStringLiteral("%1.%2: \"%3\" is %4 mm wide in %5 mm")
                         .arg(page.name(), text.name(), entry)
                         .arg(text.textWidthMm(), 0, 'f', 1)
                         .arg(text.box().width(), 0, 'f', 1);
    }
    text.setText(kept);
    return found;
}

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT
private slots:
    void detailedReportFits_data();
    void detailedReportFits();
    void simpleReportFits_data() { detailedReportFits_data(); }
    void simpleReportFits();
};

void TestReportLayout::detailedReportFits_data() {
    QTest::addColumn<int>("language");
    for (int language = LanguageEnglish; language <= kLastLanguage; ++language)
        QTest::newRow(qPrintable(languageCode(language))) << language;
}

void TestReportLayout::detailedReportFits() {
    QFETCH(int, language);
    fixture::ProgramFolder folder;
    const auto survey = fixture::survey(600, 600);
    const Hardware hardware = fixture::hardware();
    ReportRequest request = folder.request(*survey, hardware);
    request.projectFile = QStringLiteral(REPORT_PROJECT);
    request.french = language == LanguageFrench;

    const FilledReport filled = fillDetailedReport(request, formIn(language), textsIn(language));
    const Report &report = filled.project->report(QStringLiteral("Report1"));
    QStringList found = overflows(report);

    ReportPage &first = filled.project->page(QStringLiteral("Report1.Page1"));
    found << itemOverflows(first, "TextPV", QStringLiteral("ComboBoxTank"), language)
          << itemOverflows(first, "TextNature", QStringLiteral("ComboBoxNature"), language)
          << itemOverflows(first, "TextSituation", QStringLiteral("ComboBoxSituation"), language)
          << itemOverflows(first, "TextType", QStringLiteral("ComboBoxType"), language)
          << itemOverflows(first, "TextProduct", QStringLiteral("ComboBoxStock"), language)
          << itemOverflows(first, "TextResult", QStringLiteral("ComboBoxResult"), language);
    ReportPage &pipes = filled.project->page(QStringLiteral("Report1.Page16"));
    found << itemOverflows(pipes, "TextNature1", QStringLiteral("ComboBoxNatureCanal3"), language)
          << itemOverflows(pipes, "TextMat1", QStringLiteral("ComboBoxMat1"), language)
          << itemOverflows(pipes, "TextEta1", QStringLiteral("ComboBoxEtanche1"), language);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

void TestReportLayout::simpleReportFits() {
    QFETCH(int, language);
    fixture::ProgramFolder folder;
    const auto survey = fixture::survey(600, 600);
    const Hardware hardware = fixture::hardware();
    ReportRequest request = folder.request(*survey, hardware);
    request.projectFile = QStringLiteral(REPORT_PROJECT);
    request.french = language == LanguageFrench;

    const FilledReport filled = fillSimpleReport(request, formIn(language), textsIn(language));
    QStringList found = overflows(filled.project->report(QStringLiteral("Report1")));
    ReportPage &first = filled.project->page(QStringLiteral("Report1.Page17"));
    if (first.find(QStringLiteral("TextPV")))
        found << itemOverflows(first, "TextPV", QStringLiteral("ComboBoxTank"), language);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestReportLayout)
#include "test_reportlayout.moc"
