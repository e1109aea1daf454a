// The detailed and the simple report, filled on the shipped project's pages
// in memory: field by field, the page table and the page numbers.

#include "kalvo/reports/fill/reportfill.h"
#include "reportfixture.h"

#include <QLocale>
#include <QTest>

namespace {

const ReportTexts kTexts = ReportTexts::english();

QString text(const ReportProject &project, const QString &page, const QString &name) {
    return project.page("Report1." + page).text(name).text();
}

// "Page1 1/4, Page2 2/4, ...": the page list and each page's number.
QString pageTable(const ReportProject &project) {
    QStringList entries;
    for (const ReportPage *page : project.report("Report1").pageList())
        entries << page->name() + ' ' + page->text("TextNumPage").text();
    return entries.join(", ");
}

// A typed entry of `length` characters: letters of mixed widths and blanks,
// as names and addresses are.
QString typed(int length) {
    const QString sample = QStringLiteral("Wilhelm Oberbaumgartner Entreprise Stockwerk ");
    return sample.repeated(4).left(length);
}

} // namespace

class TestFill : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void shippedProjectOrdersItsPages() {
        // First pages, then pipes, graphs and lists: the printed order.
        const auto project = ReportProject::load(DIST_DIR "/Preferences/Report.rav");
        QStringList names;
        for (const ReportPage *page : project->report("Report1").pageList())
            names << page->name();
        QCOMPARE(names.join(' '), "Page1 Page17 Page16 Page2 Page3 Page4 Page5 Page6 Page7 Page8 "
                                  "Page9 Page10 Page11 Page12 Page13 Page14 Page15");
    }

    void pageTableAndNumbering_data() {
        QTest::addColumn<bool>("simple");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("black");
        QTest::addColumn<int>("tankIndex");
        QTest::addColumn<QString>("table");
        QTest::newRow("detailed, no pipes")
            << false << 120 << 80 << 0 << "Page1 1/4, Page2 2/4, Page3 3/4, Page4 4/4";
        QTest::newRow("detailed, pipes")
            << false << 120 << 80 << 2 << "Page1 1/5, Page16 2/5, Page2 3/5, Page3 4/5, Page4 5/5";
        QTest::newRow("detailed, piping only")
            << false << 0 << 10 << 1 << "Page1 1/4, Page16 2/4, Page2 3/4, Page3 4/4";
        QTest::newRow("detailed, no values") << false << 0 << 0 << 0 << "Page1 1/2, Page2 2/2";
        QTest::newRow("detailed, no values, pipes")
            << false << 0 << 0 << 2 << "Page1 1/3, Page16 2/3, Page2 3/3";
        QTest::newRow("detailed, 301 red, pipes")
            << false << 301 << 0 << 1 << "Page1 1/5, Page16 2/5, Page2 3/5, Page3 4/5, Page4 5/5";
        QTest::newRow("detailed, every list page, pipes")
            << false << 3600 << 300 << 1
            << "Page1 1/16, Page16 2/16, Page2 3/16, Page3 4/16, Page4 5/16, Page5 6/16, "
               "Page6 7/16, Page7 8/16, Page8 9/16, Page9 10/16, Page10 11/16, Page11 12/16, "
               "Page12 13/16, Page13 14/16, Page14 15/16, Page15 16/16";
        QTest::newRow("simple") << true << 120 << 80 << -1
                                << "Page17 1/4, Page2 2/4, Page3 3/4, Page4 4/4";
        QTest::newRow("simple, no values") << true << 0 << 0 << -1 << "Page17 1/2, Page2 2/2";
    }
    void pageTableAndNumbering() {
        QFETCH(bool, simple);
        QFETCH(int, red);
        QFETCH(int, black);
        QFETCH(int, tankIndex);
        QFETCH(QString, table);
        const fixture::ProgramFolder folder;
        const auto survey = fixture::survey(red, black);
        const Hardware hardware = fixture::hardware();
        const ReportRequest request = folder.request(*survey, hardware);
        const TankTestFormValues form = fixture::form(tankIndex);
        const FilledReport filled = simple ? fillSimpleReport(request, form, kTexts)
                                           : fillDetailedReport(request, form, kTexts);
        QCOMPARE(pageTable(*filled.project), table);
    }

    void detailedFirstPage() {
        const fixture::ProgramFolder folder;
        const auto survey = fixture::survey(600, 600);
        const Hardware hardware = fixture::hardware();
        const FilledReport filled =
            fillDetailedReport(folder.request(*survey, hardware), fixture::form(), kTexts);
        const ReportProject &project = *filled.project;
        const ReportPage &page = project.page("Report1.Page1");
        const std::pair<const char *, const char *> expected[] = {
            {"Text46", "Code implant: "},
            {"Text12", "Control date and time: "},
            {"TextPVTitle", "This statment concerns the tightness control of:"},
            {"Text9", "Tankowner"},
            {"Text8", "Operator and used devices"},
            {"Text1", "Operator"},
            {"Text10", "SONVAR serial number"},
            {"Text11", "Switchbox serial number"},
            {"Text13", "Test conditions"},
            {"Text14", "Product level"},
            {"Text15", "Water level"},
            {"Text16", "Vacum applied"},
            {"Text17", "Water level increase"},
            {"Text18", "After the control"},
            {"Text19", "Vacuum drop"},
            {"Text20", "During Test"},
            {"Text27", "Yes"},
            {"Text29", "Yes"},
            {"Text41", "Yes"},
            {"Text28", "No"},
            {"Text30", "No"},
            {"Text42", "No"},
            {"Text43", "Recording details"},
            {"Text5", "Recording time (in minute)"},
            {"Text24", "m "},
            {"Text3", "Base measurement for red sensor"},
            {"Text4", "Base measurement for black sensor"},
            {"Text2", "Storage description"},
            {"Text21", "Type"},
            {"Text22", "Location"},
            {"Text23", "Capacity"},
            {"Text31", "Placemark"},
            {"Text32", "Ground plan"},
            {"Text7", "Comments"},
            {"Text34", "Type"},
            {"Text35", "Tank or compartment"},
            {"Text36", "Cleaned before test"},
            {"Text37", "Stored product"},
            {"Text38", "Tightness test result"},
            {"Text39", "Tank or compartment is"},
            {"TextDate", "Monday 12th of March 2007"},
            {"TextTime", "10:20:30 am"},
            {"TextMeasurementNumber", "20.0"},
            {"TextSONVARSerial", "1234"},
            {"TextSwitchBoxSerial", "4711"},
            {"TextPV", "Of a tank or a compartment"},
            {"TextOperator", "Jean Dupont"},
            {"TextTankowner", "Garage Central"},
            {"TextAddress", "12 rue des Lilas"},
            {"TextZipcode", "67000 Strasbourg"},
            {"TextCountry", "France"},
            {"TextImplant", "A-17"},
            {"TextProduit", "1.20"},
            {"TextEau", "3"},
            {"TextDep", "150"},
            {"TextNature", "Single compartment tank"},
            {"TextSituation", "Underground"},
            {"TextCapacite", "30000"},
            {"TextRepere", "C3"},
            {"TextType", "Steel double-wall"},
            {"TextProduct", "Diesel"},
            {"TextResult", "Tight"},
            {"TextRedSensor", "23.5 dB\u00B5V"},
            {"TextBlackSensor", "40 dB\u00B5V"},
        };
        for (const auto &[name, value] : expected)
            QCOMPARE(page.text(name).text(), QString::fromUtf8(value));
        const ReportMemo &comment = page.memo("TextMainComment");
        QCOMPARE(comment.text(), QStringLiteral("First line of the comment\nSecond line"));
        QCOMPARE(comment.textColor(), QColor(0, 128, 0));
        // Water: No; vacuum drop: Yes; cleaned: No.
        const std::pair<const char *, bool> squares[] = {
            {"square1", false}, {"square2", true},  {"square3", true},
            {"square4", false}, {"square5", false}, {"square6", true},
        };
        for (const auto &[name, filled] : squares) {
            const ReportRectangle &square = page.rectangle(name);
            QCOMPARE(square.fillStyle() == ReportFill::Solid, filled);
            if (filled)
                QCOMPARE(square.fillColor(), QColor(Qt::black));
        }
    }

    void absentBases_data() {
        QTest::addColumn<bool>("simple");
        QTest::addColumn<bool>("noBaseValues");
        QTest::addColumn<bool>("noRedBase");
        QTest::addColumn<bool>("noBlackBase");
        QTest::addColumn<QStringList>("emptied");
        const QStringList red{"Text3", "TextRedSensor"};
        const QStringList black{"Text4", "TextBlackSensor"};
        for (bool simple : {false, true}) {
            const char *kind = simple ? "simple, " : "detailed, ";
            QTest::addRow("%sboth bases", kind)
                << simple << false << false << false << QStringList();
            QTest::addRow("%sno base values", kind)
                << simple << true << false << false << red + black;
            QTest::addRow("%sno red base", kind) << simple << false << true << false << red;
            QTest::addRow("%sno black base", kind) << simple << false << false << true << black;
        }
    }
    void absentBases() {
        QFETCH(bool, simple);
        QFETCH(bool, noBaseValues);
        QFETCH(bool, noRedBase);
        QFETCH(bool, noBlackBase);
        QFETCH(QStringList, emptied);
        const fixture::ProgramFolder folder;
        auto survey = fixture::survey(10, 10);
        survey->setNoBaseValues(noBaseValues);
        survey->setNoRedBase(noRedBase);
        survey->setNoBlackBase(noBlackBase);
        const Hardware hardware = fixture::hardware();
        const ReportRequest request = folder.request(*survey, hardware);
        const FilledReport filled = simple ? fillSimpleReport(request, fixture::form(-1), kTexts)
                                           : fillDetailedReport(request, fixture::form(), kTexts);
        const QString page = simple ? "Page17" : "Page1";
        for (const char *name : {"Text3", "Text4", "TextRedSensor", "TextBlackSensor"})
            QCOMPARE(text(*filled.project, page, name).isEmpty(), emptied.contains(name));
    }

    void dateAndTimeFollowTheLanguage_data() {
        QTest::addColumn<bool>("french");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::newRow("French") << true << "Lundi 12 Mars 2007"
                                << "13:05:00";
        QTest::newRow("other") << false << "Monday 12th of March 2007"
                               << "1:05:00 pm";
    }
    void dateAndTimeFollowTheLanguage() {
        QFETCH(bool, french);
        QFETCH(QString, date);
        QFETCH(QString, time);
        const fixture::ProgramFolder folder;
        auto survey = fixture::survey(5, 5);
        survey->setSurveyDate("Mon 12 Mar 2007 13:05:00");
        const Hardware hardware = fixture::hardware();
        ReportRequest request = folder.request(*survey, hardware);
        request.french = french;
        const FilledReport detailed = fillDetailedReport(request, fixture::form(), kTexts);
        QCOMPARE(text(*detailed.project, "Page1", "TextDate"), date);
        QCOMPARE(text(*detailed.project, "Page1", "TextTime"), time);
        const FilledReport simple = fillSimpleReport(request, fixture::form(-1), kTexts);
        QCOMPARE(text(*simple.project, "Page17", "TextDate"), date);
        QCOMPARE(text(*simple.project, "Page17", "TextTime"), time);
        QCOMPARE(simple.project->page("Report1.Page17").memo("MemoTitle").text(),
                 "Measurements data of " + date + " on " + time);
    }

    void pipeRowsPrintFromTheTop() {
        const fixture::ProgramFolder folder;
        const auto survey = fixture::survey(5, 5);
        const Hardware hardware = fixture::hardware();
        TankTestFormValues form = fixture::form(2);
        form.pipes[1] = {"Filling pipe", "Coated steel", "Tank 1", "Pump 2", "Yes", "new seal"};
        form.pipes[6] = {"Air vent", "HD PE", "Tank 1", "Roof", "No", ""};
        const FilledReport filled =
            fillDetailedReport(folder.request(*survey, hardware), form, kTexts);
        const ReportPage &page = filled.project->page("Report1.Page16");
        const std::pair<const char *, const char *> labels[] = {
            {"Text2", "Piping description"},
            {"Text21", "Type"},
            {"Text1", "Marerial"},
            {"Text3", "From"},
            {"Text4", "To"},
            {"Text5", "Tight"},
            {"Text7", "Comments"},
        };
        for (const auto &[name, label] : labels)
            QCOMPARE(page.text(name).text(), QString(label));
        const auto row = [&page](int n) {
            QStringList cells;
            for (const char *column :
                 {"TextNature", "TextMat", "TextDep", "TextAr", "TextEta", "TextComment"})
                cells << page.text(column + QString::number(n)).text();
            return cells.join('|');
        };
        QCOMPARE(row(1), "Filling pipe|Coated steel|Tank 1|Pump 2|Yes|new seal");
        QCOMPARE(row(2), "Air vent|HD PE|Tank 1|Roof|No|");
        for (int n = 3; n <= 10; ++n)
            QCOMPARE(row(n), "|||||");
    }

    void letterheadAndFooterOnEveryPrintedPage() {
        const fixture::ProgramFolder folder;
        const auto survey = fixture::survey(120, 80);
        const Hardware hardware = fixture::hardware();
        ReportRequest request = folder.request(*survey, hardware);
        request.logoFile = folder.path("logo.bmp");
        request.signatureFile = folder.path("signature.bmp");
        fixture::writePicture(request.logoFile, QSize(200, 100), Qt::blue);
        fixture::writePicture(request.signatureFile, QSize(300, 100), Qt::green);
        const FilledReport filled = fillDetailedReport(request, fixture::form(1), kTexts);
        const auto &pages = filled.project->report("Report1").pageList();
        QCOMPARE(pages.size(), size_t(5));
        for (const ReportPage *page : pages) {
            QCOMPARE(page->memo("MemoTitle").text(),
                     "Minute of an ultrasonic tightness control of \nunderground storage tank "
                     "for flammable liquids.");
            QCOMPARE(page->text("TextOwner").text(), "Tank Services SA");
            QCOMPARE(page->text("TextOwnerAddress").text(), "5 avenue de l'Europe");
            QCOMPARE(page->text("TextOwnerZipcode").text(), "67300 Schiltigheim");
            QCOMPARE(page->text("TextOwnerCountry").text(), "France");
            QCOMPARE(page->text("TextOwnerTel").text(), "Tel: 03 88 00 00 00");
            QCOMPARE(page->text("TextOwnerFax").text(), "Fax: 03 88 00 00 01");
            QCOMPARE(page->text("TextOwnerEmail").text(), "Email: contact@tank-services.example");
            QCOMPARE(page->text("TextOwnerWebsite").text(), "Website: www.tank-services.example");
            QCOMPARE(page->picture("BitmapLogo").image().size(), QSize(200, 100));
            QCOMPARE(page->memo("MemoFooter").text(), "Reference: Station Nord cuve 3");
            QCOMPARE(page->text("Text40").text(), "Report established at: ");
            QCOMPARE(page->text("TextEstablished").text(), "Schiltigheim");
            QCOMPARE(page->text("Text45").text(), "On: ");
            QCOMPARE(page->text("TextReportDate").text(), "11/12/2026");
            QCOMPARE(page->text("Text44").text(), "Signatory's name: ");
            QCOMPARE(page->text("TextSignatory").text(), "J. Dupont");
            for (const char *name : {"Text40", "TextEstablished", "Text45", "TextReportDate",
                                     "Text44", "TextSignatory"})
                QVERIFY(page->text(name).isVisible());
            const ReportPicture &signature = page->picture("PicSignature");
            QVERIFY(signature.isVisible());
            QCOMPARE(signature.image().size(), QSize(300, 100));
        }
        QCOMPARE(filled.project->page("Report1.Page2").picture("BitmapRed").image().size(),
                 QSize(600, 300));
        QCOMPARE(filled.project->page("Report1.Page2").picture("BitmapBlack").image().size(),
                 QSize(600, 300));
    }

    void missingLogoAndSignatureAreSkipped() {
        const fixture::ProgramFolder folder;
        const auto survey = fixture::survey(5, 5);
        const Hardware hardware = fixture::hardware();
        ReportRequest request = folder.request(*survey, hardware);
        request.logoFile = folder.path("absent.bmp");
        request.signatureFile = QString();
        const FilledReport filled = fillDetailedReport(request, fixture::form(), kTexts);
        const ReportPage &page = filled.project->page("Report1.Page1");
        QVERIFY(page.picture("BitmapLogo").image().isNull());
        QVERIFY(!page.picture("PicSignature").isVisible());
    }

    void simpleReportPages() {
        const fixture::ProgramFolder folder;
        const auto survey = fixture::survey(120, 80);
        const Hardware hardware = fixture::hardware();
        ReportRequest request = folder.request(*survey, hardware);
        request.logoFile = folder.path("logo.bmp");
        request.signatureFile = folder.path("signature.bmp");
        fixture::writePicture(request.logoFile, QSize(200, 100), Qt::blue);
        fixture::writePicture(request.signatureFile, QSize(300, 100), Qt::green);
        const FilledReport filled = fillSimpleReport(request, fixture::form(-1), kTexts);
        const ReportPage &first = filled.project->page("Report1.Page17");
        const std::pair<const char *, const char *> expected[] = {
            {"Text12", "Control date and time: "},
            {"Text8", "Used devices"},
            {"Text10", "SONVAR serial number"},
            {"Text11", "Switchbox serial number"},
            {"Text43", "Recording details"},
            {"Text5", "Recording time (in minute)"},
            {"Text3", "Base measurement for red sensor"},
            {"Text4", "Base measurement for black sensor"},
            {"TextDate", "Monday 12th of March 2007"},
            {"TextTime", "10:20:30 am"},
            {"TextMeasurementNumber", "3.3"},
            {"TextSONVARSerial", "1234"},
            {"TextSwitchBoxSerial", "4711"},
            {"TextRedSensor", "23.5 dB\u00B5V"},
            {"TextBlackSensor", "40 dB\u00B5V"},
        };
        for (const auto &[name, value] : expected)
            QCOMPARE(first.text(name).text(), QString::fromUtf8(value));
        QCOMPARE(first.memo("MemoTitle").text(),
                 "Measurements data of Monday 12th of March 2007 on 10:20:30 am");
        for (const ReportPage *page : filled.project->report("Report1").pageList()) {
            if (page != &first)
                QCOMPARE(page->memo("MemoTitle").text(), QString());
            QCOMPARE(page->memo("MemoFooter").text(), "Reference: Station Nord cuve 3");
            QCOMPARE(page->text("TextSignatory").text(), "J. Dupont");
            for (const char *name : {"Text40", "TextEstablished", "Text45", "TextReportDate",
                                     "Text44", "TextSignatory"})
                QVERIFY(!page->text(name).isVisible());
            QVERIFY(page->picture("PicSignature").isVisible());
            // No letterhead: the logo is not loaded, the supplier not written.
            QVERIFY(page->picture("BitmapLogo").image().isNull());
            QCOMPARE(page->text("TextOwner").text(), QString());
        }
        // Values 2 dB or more above the base are listed in the red memos.
        const QString plain = filled.project->page("Report1.Page3").memo("MemoCol2").text();
        const QString red = filled.project->page("Report1.Page3").memo("MemoCol2Red").text();
        QVERIFY(plain.startsWith(" 51)  25.1\n 52)  25.2\n"));
        QVERIFY(red.contains(" 55)  25.5\n"));
        QCOMPARE(plain.count('\n'), red.count('\n'));
    }

    void failuresAbandonTheReport_data() {
        QTest::addColumn<QString>("broken");
        QTest::addColumn<QString>("message");
        QTest::newRow("project missing") << "Preferences/Report.rav"
                                         << "is missing";
        QTest::newRow("graph picture missing") << "Pictures/graphBlackSensor.bmp"
                                               << "Cannot read the picture file";
    }
    void failuresAbandonTheReport() {
        QFETCH(QString, broken);
        QFETCH(QString, message);
        const fixture::ProgramFolder folder;
        QVERIFY(QFile::remove(folder.path(broken)));
        const auto survey = fixture::survey(5, 5);
        const Hardware hardware = fixture::hardware();
        const ReportRequest request = folder.request(*survey, hardware);
        for (bool simple : {false, true}) {
            try {
                simple ? createSimpleReport(request, fixture::form(-1), kTexts)
                       : createDetailedReport(request, fixture::form(), kTexts);
                QFAIL("a report was made");
            } catch (const ReportError &error) {
                QVERIFY2(error.message().contains(message), qPrintable(error.message()));
            }
            QVERIFY(!QFile::exists(request.pdfFile));
        }
    }

    void componentOfAnotherKindAbandonsTheReport() {
        const fixture::ProgramFolder folder;
        QFile file(folder.path("Preferences/Report.rav"));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray json = file.readAll();
        // TextResult becomes a memo.
        const QByteArray from = R"({"kind": "text", "name": "TextResult")";
        QVERIFY(json.contains(from));
        json.replace(from, R"({"kind": "memo", "name": "TextResult")");
        file.resize(0);
        file.write(json);
        file.close();
        const auto survey = fixture::survey(5, 5);
        const Hardware hardware = fixture::hardware();
        const ReportRequest request = folder.request(*survey, hardware);
        try {
            createDetailedReport(request, fixture::form(), kTexts);
            QFAIL("a report was made");
        } catch (const ReportError &error) {
            QCOMPARE(error.message(), "The component \"TextResult\" of the report page "
                                      "Report1.Page1 is a memo, not a text.");
        }
        QVERIFY(!QFile::exists(request.pdfFile));
    }

    void tooManyListsAreRefusedBeforeAnythingIsWritten() {
        const fixture::ProgramFolder folder;
        const auto survey = fixture::survey(3600, 600);
        const Hardware hardware = fixture::hardware();
        const ReportRequest request = folder.request(*survey, hardware);
        QVERIFY_THROWS_EXCEPTION(ListCapacityExceeded,
                                 createDetailedReport(request, fixture::form(), kTexts));
        QVERIFY_THROWS_EXCEPTION(ListCapacityExceeded,
                                 createSimpleReport(request, fixture::form(-1), kTexts));
        QVERIFY(!QFile::exists(request.pdfFile));
    }

    void labelsFitTheirBoxes() {
        // Long but valid entries: every text of every printed page stays in
        // its box.
        const fixture::ProgramFolder folder;
        auto survey = fixture::survey(120, 80);
        survey->setSurveyDate("Wed 27 Sep 2017 12:59:59");
        survey->setRedValue(-23.45);
        survey->setBlackValue(123.45);
        const Hardware hardware = fixture::hardware();
        ReportRequest request = folder.request(*survey, hardware);
        request.letterhead = {typed(35),        typed(35), QString(10, '0'),
                              typed(25),        typed(35), QString(20, '0'),
                              QString(20, '0'), typed(40), typed(35)};
        request.establishedCity = typed(25);
        TankTestFormValues form = fixture::form(1);
        form.tank = "Of associated piping connected to a tank or a compartment";
        form.operatorName = typed(35);
        form.tankowner = typed(35);
        form.address = typed(35);
        form.zipcode = QString(10, '0');
        form.city = typed(25);
        form.country = typed(35);
        form.implant = QString(6, '0');
        form.capacite = QString(6, '0');
        form.repere = QString(4, '0');
        form.nature = " Compartment";
        form.situation = "Concrete proof room";
        form.type = "Steel single-wall";
        form.stock = "Premium fuel";
        form.signataire = typed(20);
        // The longest comment the form takes: 285 characters on 5 lines, one
        // of them as long as it can be.
        form.mainComment = typed(200) + typed(77) + "\na\nb\nc\nd";
        for (auto &pipe : form.pipes)
            pipe = {"Secondary suction line",
                    "Non coated steel",
                    QString(12, '0'),
                    QString(12, '0'),
                    "Yes",
                    typed(27)};
        const FilledReport filled = fillDetailedReport(request, form, kTexts);
        for (const ReportPage *page : filled.project->report("Report1").pageList())
            for (const auto &component : page->components())
                if (component->kind() == ReportKind::Text) {
                    const auto &text = static_cast<const ReportText &>(*component);
                    QVERIFY2(text.fitsBox(),
                             qPrintable(page->fullName() + ' ' + text.name() + ": " + text.text()));
                } else if (component->kind() == ReportKind::Memo) {
                    const auto &memo = static_cast<const ReportMemo &>(*component);
                    QVERIFY2(memo.textHeightMm() <= memo.box().height(),
                             qPrintable(page->fullName() + ' ' + memo.name()));
                }
    }
};

QTEST_MAIN(TestFill)
#include "test_fill.moc"
