// The report engine: loading projects, looking up components, the page list
// and printing to PDF.

#include "kalvo/reports/engine/reporterror.h"
#include "kalvo/reports/engine/reportproject.h"
#include "pdftools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// JSON written with single quotes, for readability in the tables below.
QByteArray json(const char *text) {
    return QByteArray(text).replace('\'', '"');
}

const QString kSmall = QStringLiteral(TEST_DATA_DIR "/small.rav");

// A one-page project around one component given as JSON text.
QByteArray projectWith(const QByteArray &component) {
    return json("{'format': 'KALVO report project', 'version': 1, "
                "'reports': [{'name': 'Report1', 'pages': [{'name': 'Page1', 'components': [") +
           component + "]}]}]}";
}

QString errorOf(const std::function<void()> &action) {
    try {
        action();
    } catch (const ReportError &error) {
        return error.message();
    }
    return QString();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestReportEngine : public QObject {
    Q_OBJECT
private slots:
    void loadsPagesInListOrderWithSections() {
        const auto project = ReportProject::load(kSmall);
        const Report &report = project->report(QStringLiteral("Report1"));
        QCOMPARE(report.pageList().size(), size_t(3));
        QCOMPARE(report.pageList()[0]->fullName(), QStringLiteral("Report1.Page1"));
        QCOMPARE(report.pageList()[2]->fullName(), QStringLiteral("Report1.Page3"));
        // Each page has its own copy of the section's components.
        ReportText &first = project->page(QStringLiteral("Report1.Page1")).text("TextNumPage");
        ReportText &second = project->page(QStringLiteral("Report1.Page2")).text("TextNumPage");
        QVERIFY(&first != &second);
        first.setText(QStringLiteral("1/3"));
        QCOMPARE(second.text(), QStringLiteral("0/0"));
        // Section components come before the page's own ones.
        QCOMPARE(report.pageList()[1]->components().front()->kind(), ReportKind::Line);
    }

    void stylesGiveDefaultsThatComponentsOverride() {
        const auto project = ReportProject::load(kSmall);
        const ReportText &title = project->page(QStringLiteral("Report1.Page1")).text("TextTitle");
        QCOMPARE(title.font().pointSize, 10.0);
        QVERIFY(title.font().bold);
        QCOMPARE(title.textColor(), QColor(0x20, 0x20, 0x20));
        const ReportText &plain = project->page(QStringLiteral("Report1.Page2")).text("TextTitle");
        QVERIFY(!plain.font().bold);
        QCOMPARE(plain.font().family, QStringLiteral("Arial"));
    }

    void typedLookups() {
        const auto project = ReportProject::load(kSmall);
        const ReportPage &page = project->page(QStringLiteral("Report1.Page1"));
        QCOMPARE(page.memo("MemoBody").text(), QStringLiteral("line one\nline two"));
        QCOMPARE(page.rectangle("square1").fillStyle(), ReportFill::None);
        QVERIFY(page.picture("PicLogo").image().isNull());
        QVERIFY(!page.text("TextHidden").isVisible());
        QVERIFY(page.find("Nothing") == nullptr);
    }

    void lookupFailures_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing component")
            << "Report1.Page2"
            << "TextDate"
            << "text"
            << "The report page Report1.Page2 has no text component named \"TextDate\".";
        QTest::newRow("memo asked as text")
            << "Report1.Page1"
            << "MemoBody"
            << "text"
            << "The component \"MemoBody\" of the report page Report1.Page1 is a memo, not a text.";
        QTest::newRow("text asked as memo") << "Report1.Page1"
                                            << "TextTitle"
                                            << "memo"
                                            << "The component \"TextTitle\" of the report page "
                                               "Report1.Page1 is a text, not a memo.";
        QTest::newRow("rectangle asked as picture")
            << "Report1.Page1"
            << "square1"
            << "picture"
            << "The component \"square1\" of the report page Report1.Page1 is a rectangle, not a "
               "picture.";
        QTest::newRow("missing page") << "Report1.Page9"
                                      << "TextTitle"
                                      << "text"
                                      << "The report Report1 has no page named Page9.";
        QTest::newRow("missing report") << "Report2.Page1"
                                        << "TextTitle"
                                        << "text"
                                        << "The report project has no report named Report2.";
        QTest::newRow("not a full name") << "Page1"
                                         << "TextTitle"
                                         << "text"
                                         << "\"Page1\" is not a page name of the form Report.Page.";
    }
    void lookupFailures() {
        QFETCH(QString, page);
        QFETCH(QString, component);
        QFETCH(QString, kind);
        QFETCH(QString, message);
        const auto project = ReportProject::load(kSmall);
        QCOMPARE(errorOf([&] {
                     const ReportPage &found = project->page(page);
                     if (kind == "text")
                         found.text(component);
                     else if (kind == "memo")
                         found.memo(component);
                     else
                         found.picture(component);
                 }),
                 message);
    }

    void missingProjectFile() {
        const QString message =
            errorOf([] { ReportProject::load(QStringLiteral("/nonexistent/Report.rav")); });
        QCOMPARE(message,
                 QStringLiteral("The report project file \"/nonexistent/Report.rav\" is missing."));
    }

    void invalidProjects_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("fault");
        QTest::newRow("not JSON") << QByteArray("{\"format\": ") << "offset";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << "not a JSON object";
        QTest::newRow("other format")
            << (json("{'format': 'Rave', 'version': 1, 'reports': []}")) << "\"format\"";
        QTest::newRow("other version")
            << (json("{'format': 'KALVO report project', 'version': 2, 'reports': []}"))
            << "only version 1";
        QTest::newRow("no reports")
            << (json("{'format': 'KALVO report project', 'version': 1, 'reports': []}"))
            << "not a list of reports";
        QTest::newRow("unknown kind")
            << projectWith(json("{'kind': 'barcode'}")) << "unknown kind \"barcode\"";
        QTest::newRow("no kind") << projectWith(json("{'name': 'A'}")) << "unknown kind \"\"";
        QTest::newRow("misspelt property")
            << projectWith(json("{'kind': 'text', 'name': 'A', 'txt': 'x'}"))
            << "unknown property \"txt\"";
        QTest::newRow("property of another kind")
            << projectWith(json("{'kind': 'text', 'name': 'A', 'fill': 'solid'}"))
            << "unknown property \"fill\"";
        QTest::newRow("two components of one name")
            << projectWith(json("{'kind': 'text', 'name': 'A'}, {'kind': 'memo', 'name': 'A'}"))
            << "two components named \"A\"";
        QTest::newRow("coordinate as text")
            << projectWith(json("{'kind': 'text', 'x': '10'}")) << "\"x\" is not a number";
        QTest::newRow("coordinate far off the page")
            << projectWith(json("{'kind': 'rectangle', 'x': 1e300}")) << "\"x\" is not a number";
        QTest::newRow("negative width")
            << projectWith(json("{'kind': 'memo', 'width': -1}")) << "\"width\" is not a number";
        QTest::newRow("font size zero")
            << projectWith(json("{'kind': 'text', 'font': {'size': 0}}"))
            << "\"size\" is not a number";
        QTest::newRow("bad colour") << projectWith(json("{'kind': 'text', 'color': '#12345z'}"))
                                    << "\"color\" is not a colour";
        QTest::newRow("bad fill") << projectWith(json("{'kind': 'rectangle', 'fill': 'hatched'}"))
                                  << "\"fill\" is neither";
        QTest::newRow("bad alignment")
            << projectWith(json("{'kind': 'text', 'align': 'justify'}")) << "\"align\" is not";
        QTest::newRow("visible as number")
            << projectWith(json("{'kind': 'text', 'visible': 1}")) << "\"visible\" is neither";
        QTest::newRow("unknown style")
            << projectWith(json("{'kind': 'text', 'style': 'big'}")) << "unknown style";
        QTest::newRow("unknown section")
            << (json("{'format': 'KALVO report project', 'version': 1, 'reports': ["
                     "{'name': 'Report1', 'pages': [{'name': 'Page1', 'include': "
                     "['Header']}]}]}"))
            << "unknown section";
        QTest::newRow("page without name")
            << (json("{'format': 'KALVO report project', 'version': 1, 'reports': ["
                     "{'name': 'Report1', 'pages': [{'components': []}]}]}"))
            << "a page needs a name";
        QTest::newRow("two pages of one name")
            << (json("{'format': 'KALVO report project', 'version': 1, 'reports': ["
                     "{'name': 'Report1', 'pages': [{'name': 'Page1'}, {'name': "
                     "'Page1'}]}]}"))
            << "two pages named Page1";
        QTest::newRow("dotted report name")
            << (json("{'format': 'KALVO report project', 'version': 1, 'reports': ["
                     "{'name': 'Report.1', 'pages': []}]}"))
            << "a report needs a name";
    }
    void invalidProjects() {
        QFETCH(QByteArray, json);
        QFETCH(QString, fault);
        const QString message =
            errorOf([&] { ReportProject::fromJson(json, QStringLiteral("\"test.rav\"")); });
        QVERIFY2(message.startsWith("The report project \"test.rav\" is not valid: "),
                 qPrintable(message));
        QVERIFY2(message.contains(fault), qPrintable(message));
    }

    void pdfOutputNameAppendsOnlyWithoutAnyDot_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("written");
        QTest::newRow("bare name") << "Report"
                                   << "Report.pdf";
        QTest::newRow("path without dot") << "/tmp/reports/Report"
                                          << "/tmp/reports/Report.pdf";
        QTest::newRow("with extension") << "/tmp/Report.pdf"
                                        << "/tmp/Report.pdf";
        QTest::newRow("other extension") << "Report.txt"
                                         << "Report.txt";
        QTest::newRow("dot in a folder name") << "/tmp/my.reports/Report"
                                              << "/tmp/my.reports/Report";
    }
    void pdfOutputNameAppendsOnlyWithoutAnyDot() {
        QFETCH(QString, given);
        QFETCH(QString, written);
        QCOMPARE(pdfOutputName(given), written);
    }

    void printsListedPagesInOrder() {
        QTemporaryDir dir;
        const auto project = ReportProject::load(kSmall);
        Report &report = project->report(QStringLiteral("Report1"));
        report.removeFromPageList(report.page(QStringLiteral("Page2")));
        project->page(QStringLiteral("Report1.Page1")).text("TextNumPage").setText("1/2");
        project->page(QStringLiteral("Report1.Page3")).text("TextNumPage").setText("2/2");
        const QString written =
            project->renderPdf(QStringLiteral("Report1"), dir.filePath(QStringLiteral("out")));
        QCOMPARE(written, dir.filePath(QStringLiteral("out.pdf")));
        QCOMPARE(pdftools::pageCount(written), 2);
        const QString first = pdftools::pageText(written, 1);
        QVERIFY(first.contains("First page"));
        QVERIFY(first.contains("line one"));
        QVERIFY(first.contains("line two"));
        QVERIFY(first.contains("1/2"));
        QVERIFY(!first.contains("never printed"));
        const QString second = pdftools::pageText(written, 2);
        QVERIFY(second.contains("Third page"));
        QVERIFY(second.contains("2/2"));
        // Only the finished file is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.pdf"});
    }

    void embedsItsFonts() {
        QTemporaryDir dir;
        const auto project = ReportProject::load(kSmall);
        const QString written =
            project->renderPdf(QStringLiteral("Report1"), dir.filePath(QStringLiteral("f.pdf")));
        const QStringList fonts = pdftools::fonts(written);
        QVERIFY(!fonts.isEmpty());
        for (const QString &font : fonts) {
            // Columns: name type encoding emb sub uni object ID; "emb" is the
            // first yes/no column.
            const QStringList columns = font.simplified().split(' ');
            QVERIFY2(columns.size() >= 5 && columns.at(columns.size() - 5) == "yes",
                     qPrintable(font));
        }
    }

    void replacesAnExistingFileWhole() {
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("Report.pdf"));
        writeFile(target, "old contents");
        const auto project = ReportProject::load(kSmall);
        project->renderPdf(QStringLiteral("Report1"), target);
        QCOMPARE(pdftools::pageCount(target), 3);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Report.pdf"});
    }

    void failedWriteLeavesNothing() {
        QTemporaryDir dir;
        const auto project = ReportProject::load(kSmall);
        const QString missingFolder = dir.filePath(QStringLiteral("absent/Report.pdf"));
        bool thrown = false;
        try {
            project->renderPdf(QStringLiteral("Report1"), missingFolder);
        } catch (const ReportWriteError &error) {
            thrown = true;
            QVERIFY(error.message().contains(missingFolder));
        }
        QVERIFY(thrown);
        QVERIFY(!QFile::exists(missingFolder));

        // A folder standing where the file should go: the new document cannot
        // be put in place, and no temporary file is left behind.
        const QString blocked = dir.filePath(QStringLiteral("blocked.pdf"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("blocked.pdf")));
        QVERIFY_THROWS_EXCEPTION(ReportWriteError,
                                 project->renderPdf(QStringLiteral("Report1"), blocked));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void existingFileStaysWhenTheFolderIsReadOnly() {
        if (geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("Report.pdf"));
        writeFile(target, "old contents");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const auto project = ReportProject::load(kSmall);
        QVERIFY_THROWS_EXCEPTION(ReportWriteError,
                                 project->renderPdf(QStringLiteral("Report1"), target));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old contents"));
    }

    void picturesFromFiles() {
        QTemporaryDir dir;
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QString bmp = dir.filePath(QStringLiteral("logo.bmp"));
        QVERIFY(image.save(bmp, "BMP"));
        const auto project = ReportProject::load(kSmall);
        ReportPicture &picture = project->page(QStringLiteral("Report1.Page1")).picture("PicLogo");
        picture.loadFromFile(bmp);
        QCOMPARE(picture.image().size(), QSize(40, 20));
        const QString notAPicture = dir.filePath(QStringLiteral("text.bmp"));
        writeFile(notAPicture, "no picture here");
        const QString message = errorOf([&] { picture.loadFromFile(notAPicture); });
        QVERIFY(message.startsWith("Cannot read the picture file \"" + notAPicture));
        QCOMPARE(picture.image().size(), QSize(40, 20));
        // A PDF with the picture is written.
        const QString written =
            project->renderPdf(QStringLiteral("Report1"), dir.filePath(QStringLiteral("p.pdf")));
        const QString images =
            pdftools::run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), written});
        QVERIFY2(images.contains("  40    20"), qPrintable(images));
    }

    void measuresTextInTheComponentsFont() {
        const auto project = ReportProject::load(kSmall);
        ReportText &bold = project->page(QStringLiteral("Report1.Page1")).text("TextTitle");
        ReportText &plain = project->page(QStringLiteral("Report1.Page2")).text("TextTitle");
        const QString sample = QStringLiteral("Base measurement for black sensor");
        bold.setText(sample);
        plain.setText(sample);
        // 33 characters of 9 and 10 point type: a few centimetres.
        QVERIFY(plain.textWidthMm() > 40 && plain.textWidthMm() < 80);
        QVERIFY(bold.textWidthMm() > plain.textWidthMm());
        QVERIFY(plain.fitsBox());
        plain.setText(sample.repeated(4));
        QVERIFY(!plain.fitsBox());
        QCOMPARE(textWidthMm(plain.font(), sample + sample), 2 * textWidthMm(plain.font(), sample));
    }

    void memoHeightCountsLinesAndWrapping() {
        const auto project = ReportProject::load(kSmall);
        ReportMemo &memo = project->page(QStringLiteral("Report1.Page1")).memo("MemoBody");
        const double line = lineSpacingMm(memo.font());
        QCOMPARE(memo.textHeightMm(), 2 * line);
        memo.setText(QStringLiteral("a\nb\nc\n"));
        QCOMPARE(memo.textHeightMm(), 3 * line);
        memo.setText(QStringLiteral("word ").repeated(40));
        QVERIFY(memo.textHeightMm() >= 3 * line);
    }
};

QTEST_MAIN(TestReportEngine)
#include "test_engine.moc"
