// The measurement list pages, the list lines and the recording time, on the
// shipped report project's pages in memory.

#include "kalvo/reports/fill/measurementlists.h"
#include "kalvo/reports/fill/recordingtime.h"
#include "reportfixture.h"

#include <QLocale>
#include <QTest>

namespace {

const QString kProject = QStringLiteral(DIST_DIR "/Preferences/Report.rav");

int lineCount(const QString &memo) {
    return int(memo.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

// "3[red]:50,50,20 4[black]:50,30": per list page with a title or values,
// its title and the number of values in each filled column.
QString layoutOf(const Report &report, const ReportTexts &texts) {
    QStringList pages;
    for (int n = kFirstListPage; n <= kLastListPage; ++n) {
        const ReportPage &page = report.page(QStringLiteral("Page%1").arg(n));
        const QString title = page.text(QStringLiteral("TextTitle")).text();
        QStringList columns;
        for (int c = 1; c <= kColumnsPerPage; ++c) {
            const int count = lineCount(page.memo(QStringLiteral("MemoCol%1").arg(c)).text()) +
                              lineCount(page.memo(QStringLiteral("MemoCol%1Red").arg(c)).text());
            if (count)
                columns << QString::number(count);
        }
        if (title.isEmpty() && columns.isEmpty())
            continue;
        QString entry = QString::number(n);
        if (title == texts(50) + texts(51))
            entry += QStringLiteral("[red]");
        else if (title == texts(50) + texts(52))
            entry += QStringLiteral("[black]");
        pages << entry + QLatin1Char(':') + columns.join(QLatin1Char(','));
    }
    return pages.join(QLatin1Char(' '));
}

} // namespace

class TestLists : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void pageLayout_data() {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("black");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("firstFree");
        QTest::newRow("120 red and 80 black") << 120 << 80 << "3[red]:50,50,20 4[black]:50,30" << 5;
        QTest::newRow("301 red") << 301 << 0 << "3[red]:50,50,50,50,50,50 4:1 5[black]:" << 5;
        QTest::newRow("no values") << 0 << 0 << "3[black]:" << 3;
        QTest::newRow("black only") << 0 << 10 << "3[black]:10" << 4;
        QTest::newRow("one full red page")
            << 300 << 1 << "3[red]:50,50,50,50,50,50 4[black]:1" << 5;
        QTest::newRow("every list page full") << 3600 << 300
                                              << "3[red]:50,50,50,50,50,50 4:50,50,50,50,50,50 "
                                                 "5:50,50,50,50,50,50 6:50,50,50,50,50,50 "
                                                 "7:50,50,50,50,50,50 8:50,50,50,50,50,50 "
                                                 "9:50,50,50,50,50,50 10:50,50,50,50,50,50 "
                                                 "11:50,50,50,50,50,50 12:50,50,50,50,50,50 "
                                                 "13:50,50,50,50,50,50 14:50,50,50,50,50,50 "
                                                 "15[black]:50,50,50,50,50,50"
                                              << 16;
        // The red list takes every list page; the empty black list has no
        // page left for its title and needs none.
        QTest::newRow("red fills every list page")
            << 3900 << 0
            << "3[red]:50,50,50,50,50,50 4:50,50,50,50,50,50 5:50,50,50,50,50,50 "
               "6:50,50,50,50,50,50 7:50,50,50,50,50,50 8:50,50,50,50,50,50 "
               "9:50,50,50,50,50,50 10:50,50,50,50,50,50 11:50,50,50,50,50,50 "
               "12:50,50,50,50,50,50 13:50,50,50,50,50,50 14:50,50,50,50,50,50 "
               "15:50,50,50,50,50,50"
            << 16;
    }
    void pageLayout() {
        QFETCH(int, red);
        QFETCH(int, black);
        QFETCH(QString, layout);
        QFETCH(int, firstFree);
        const auto survey = fixture::survey(red, black);
        const auto project = ReportProject::load(kProject);
        Report &report = project->report(QStringLiteral("Report1"));
        const ReportTexts texts = ReportTexts::english();
        QCOMPARE(fillMeasurementLists(report, *survey, ListForm::Plain, texts), firstFree);
        QCOMPARE(layoutOf(report, texts), layout);
    }

    void numbersRunOnAcrossPages() {
        const auto survey = fixture::survey(301, 0);
        const auto project = ReportProject::load(kProject);
        Report &report = project->report(QStringLiteral("Report1"));
        fillMeasurementLists(report, *survey, ListForm::Plain, ReportTexts::english());
        const QString third = report.page("Page3").memo("MemoCol1").text();
        QVERIFY(third.startsWith("  1)  20.1\n  2)  20.2\n"));
        QVERIFY(report.page("Page3").memo("MemoCol2").text().startsWith(" 51)  25.1\n"));
        QVERIFY(report.page("Page3").memo("MemoCol6").text().endsWith("300)  30\n"));
        QCOMPARE(report.page("Page4").memo("MemoCol1").text(), QStringLiteral("301)  30.1\n"));
        // Columns the loop did not enter keep their designed (empty) text.
        QCOMPARE(report.page("Page4").memo("MemoCol2").text(), QString());
    }

    void refusesListsBeyondTheListPages_data() {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("black");
        QTest::addColumn<int>("needed");
        QTest::newRow("one red value too many") << 3901 << 0 << 14;
        QTest::newRow("black list one page too long") << 3600 << 301 << 14;
        QTest::newRow("3,600 values each") << 3600 << 3600 << 24;
    }
    void refusesListsBeyondTheListPages() {
        QFETCH(int, red);
        QFETCH(int, black);
        QFETCH(int, needed);
        const auto survey = fixture::survey(red, black);
        QCOMPARE(listPagesNeeded(*survey), needed);
        const auto project = ReportProject::load(kProject);
        Report &report = project->report(QStringLiteral("Report1"));
        try {
            fillMeasurementLists(report, *survey, ListForm::Plain, ReportTexts::english());
            QFAIL("the lists were laid out");
        } catch (const ListCapacityExceeded &refusal) {
            QCOMPARE(refusal.pagesNeeded(), needed);
            QCOMPARE(refusal.pageLimit(), 13);
            QVERIFY(refusal.message().contains("13"));
        }
        // Nothing was filled.
        QCOMPARE(report.page("Page3").text("TextTitle").text(), QString());
    }

    void splitAtTwoDecibelsAboveTheBase_data() {
        QTest::addColumn<double>("base");
        QTest::addColumn<bool>("noRedBase");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("red");
        QTest::newRow("base 20.0") << 20.0 << false << "  1)  21.9\n\n\n"
                                   << "\n  2)  22\n  3)  35\n";
        QTest::newRow("absent base counts as 0") << 20.0 << true << ""
                                                 << "  1)  21.9\n  2)  22\n  3)  35\n";
    }
    void splitAtTwoDecibelsAboveTheBase() {
        QFETCH(double, base);
        QFETCH(bool, noRedBase);
        QFETCH(QString, plain);
        QFETCH(QString, red);
        Survey survey;
        for (double value : {21.9, 22.0, 35.0})
            survey.appendData(Data(1, 1, value, 'R'));
        survey.setNbMeasurements(3);
        survey.setRedValue(base);
        survey.setNoRedBase(noRedBase);
        const auto project = ReportProject::load(kProject);
        Report &report = project->report(QStringLiteral("Report1"));
        const double redBase = noRedBase ? 0 : base;
        fillMeasurementLists(report, survey, ListForm::Split, ReportTexts::english(), redBase, 0);
        QCOMPARE(report.page("Page3").memo("MemoCol1").text(),
                 plain.isEmpty() ? QStringLiteral("\n\n\n") : plain);
        QCOMPARE(report.page("Page3").memo("MemoCol1Red").text(), red);
    }

    void listLines_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("5th value 23.5") << 5 << 23.5 << "  5)  23.5\n";
        QTest::newRow("12th value -3.5") << 12 << -3.5 << " 12)  -3.5\n";
        QTest::newRow("100th value") << 100 << 30.0 << "100)  30\n";
        QTest::newRow("9.5") << 1 << 9.5 << "  1)   9.5\n";
        QTest::newRow("-9.5") << 1 << -9.5 << "  1)  -9.5\n";
        QTest::newRow("10") << 1 << 10.0 << "  1)  10\n";
        QTest::newRow("-10") << 1 << -10.0 << "  1) -10\n";
    }
    void listLines() {
        QFETCH(int, number);
        QFETCH(double, value);
        QFETCH(QString, line);
        QCOMPARE(listLine(number, value), line);
    }

    void recordingTime_data() {
        QTest::addColumn<int>("values");
        QTest::addColumn<QString>("text");
        QTest::newRow("no values") << 0 << "0.0";
        QTest::newRow("one value") << 1 << "0.0";
        QTest::newRow("600 values") << 600 << "10.0";
        QTest::newRow("125 values") << 125 << "2.1";
        QTest::newRow("7250 values") << 7250 << "121.0";
        QTest::newRow("5997 values round up to three digits") << 5997 << "100.0";
        QTest::newRow("999 minutes") << 59940 << "999.0";
        QTest::newRow("1000 minutes") << 60000 << "1.00E+003";
        QTest::newRow("2500 minutes") << 150000 << "2.50E+003";
    }
    void recordingTime() {
        QFETCH(int, values);
        QFETCH(QString, text);
        QCOMPARE(recordingTimeText(values), text);
    }

    void recordingTimeUsesTheLocalesSeparator() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QCOMPARE(recordingTimeText(125), QStringLiteral("2,1"));
        QCOMPARE(recordingTimeText(7250), QStringLiteral("121,0"));
    }
};

QTEST_MAIN(TestLists)
#include "test_lists.moc"
