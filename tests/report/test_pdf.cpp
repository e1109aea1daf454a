// Both reports written to PDF and read back with poppler-utils.

#include "kalvo/reports/fill/reportfill.h"
#include "pdftools.h"
#include "reportfixture.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

class TestReportPdf : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void detailedReport() {
        const fixture::ProgramFolder folder;
        const auto survey = fixture::survey(120, 80);
        const Hardware hardware = fixture::hardware();
        ReportRequest request = folder.request(*survey, hardware);
        request.pdfFile = folder.path("Detailed");
        TankTestFormValues form = fixture::form(2);
        form.pipes[0] = {"Filling pipe", "Coated steel", "Tank 1", "Pump 2", "Yes", "new seal"};
        const QString written = createDetailedReport(request, form, ReportTexts::english());
        QCOMPARE(written, folder.path("Detailed.pdf"));
        QCOMPARE(pdftools::pageCount(written), 5);

        const QString first = pdftools::pageText(written, 1);
        for (const char *expected :
             {"Tank Services SA", "Tel: 03 88 00 00 00", "Minute of an ultrasonic tightness",
              "underground storage tank for flammable liquids.", "Monday 12th of March 2007",
              "10:20:30 am", "Garage Central", "Jean Dupont", "Steel double-wall",
              "First line of the comment", "Reference: Station Nord cuve 3", "1/5",
              "Report established at:", "Schiltigheim", "J. Dupont"})
            QVERIFY2(first.contains(expected), expected);
        const QString pipes = pdftools::pageText(written, 2);
        QVERIFY(pipes.contains("Piping description"));
        QVERIFY(pipes.contains("Filling pipe"));
        QVERIFY(pipes.contains("2/5"));
        QVERIFY(pdftools::pageText(written, 3).contains("3/5"));
        const QString redList = pdftools::pageText(written, 4);
        QVERIFY(redList.contains("List of measurements for red sensor in dB\u00B5V"));
        // pdftotext spaces the columns its own way.
        QVERIFY(redList.contains(QRegularExpression("(^|\\s)1\\)\\s+20\\.1\\s")));
        QVERIFY(redList.contains(QRegularExpression("\\s120\\)\\s+32\\s")));
        QVERIFY(pdftools::pageText(written, 5).contains("black sensor in dB\u00B5V"));
        for (const QString &font : pdftools::fonts(written)) {
            const QStringList columns = font.simplified().split(' ');
            QVERIFY2(columns.at(columns.size() - 5) == "yes", qPrintable(font));
        }
    }

    void simpleReport() {
        const fixture::ProgramFolder folder;
        const auto survey = fixture::survey(120, 80);
        const Hardware hardware = fixture::hardware();
        const ReportRequest request = folder.request(*survey, hardware);
        const QString written =
            createSimpleReport(request, fixture::form(-1), ReportTexts::english());
        QCOMPARE(written, request.pdfFile);
        QCOMPARE(pdftools::pageCount(written), 4);
        QVERIFY(pdftools::run("pdfinfo", {written})
                    .contains(QRegularExpression("Title:\\s+Measurements data of Monday 12th of "
                                                 "March 2007 on 10:20:30 am\\n")));
        const QString first = pdftools::pageText(written, 1);
        QVERIFY(first.contains("Measurements data of Monday 12th of March 2007 on 10:20:30 am"));
        QVERIFY(first.contains("Used devices"));
        QVERIFY(first.contains("1/4"));
        QVERIFY(!first.contains("Report established at:"));
        QVERIFY(!first.contains("Tank Services SA"));
        QVERIFY(pdftools::pageText(written, 3).contains("red sensor in dB\u00B5V"));
        QVERIFY(!pdftools::pageText(written, 3).contains("Measurements data of"));
    }
};

QTEST_MAIN(TestReportPdf)
#include "test_pdf.moc"
