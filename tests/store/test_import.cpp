// Reading survey documents into the store.

#include "goldenfile.h"

#include "common/win1252.h"
#include "kalvo/store/importfailure.h"
#include "kalvo/store/tmd.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kMu("dB\xB5V");

QString dataFile(const char *name) {
    return QStringLiteral(TEST_DATA_DIR "/") + name;
}

// A well-formed block as Survey writes it, with `values` given as (tenths-free
// text, sensor word) pairs.
QByteArray block(const QByteArray &date, const QList<QPair<QByteArray, QByteArray>> &values,
                 const QByteArray &reference = "R1", const QByteArray &serials = "1 2 3") {
    const QList<QByteArray> serial = serials.split(' ');
    QByteArray text =
        "Survey started on " + date + "\n\n measurements = " + QByteArray::number(values.size()) +
        "\nSerial switchbox " + serial[0] + "\nSerial number SONVAR " + serial[1] +
        "\nSerial number PCB SONVAR " + serial[2] + "\nPressure = 300 mBar\n" +
        "Base measurement for black sensor =  23.4\t" + kMu + "\n" +
        "Base measurement for red sensor =  -4.5\t" + kMu + "\n" + "Reference: " + reference + "\n";
    for (const auto &[value, sensor] : values)
        text += value + "\t" + kMu + " \t" + sensor + " sensor \n";
    return text + "\n\n\n\n";
}

class Document {
public:
    explicit Document(const QByteArray &bytes) : m_path(m_dir.filePath(QStringLiteral("doc.VEK"))) {
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(m_path));
    }
    const QString &path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Every rendering of every survey, as the bytes a Windows-1252 file would hold.
QByteArray allRenderings(const TMD &store) {
    QByteArray out;
    for (const auto &survey : store.surveyList()) {
        out += "=== survey " + QByteArray::number(survey->id()) + " of hardware " +
               QByteArray::number(survey->hardwareId()) + "\n";
        out += win1252::encode(survey->surveyText());
        out += "--- red\n" + win1252::encode(survey->redValuesText());
        out += "--- black\n" + win1252::encode(survey->blackValuesText());
        out += "--- dates\n" + win1252::encode(survey->frenchDateText()) + "\n" +
               win1252::encode(survey->englishDateText()) + "\n" +
               win1252::encode(survey->time12Text()) + "\n" +
               win1252::encode(survey->time24Text()) + "\n";
    }
    return out;
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void documentAsSurveyWritesIt() {
        TMD store;
        store.importSurveyDocument(dataFile("three_surveys.VEK"), false);
        QCOMPARE(store.surveyCount(), 3);
        QCOMPARE(store.hardwareList().size(), size_t(2));
        const Hardware &second = store.hardwareById(2);
        QCOMPARE(second.serialSwitchBox(), -5);
        QCOMPARE(second.serialNbVEK(), INT32_MIN);
        QCOMPARE(second.serialNbPCB(), INT32_MAX);

        const Survey &first = store.surveyAt(0);
        QCOMPARE(first.surveyDate(), QStringLiteral("Mon 12 Mar 2007 10:20:30"));
        QCOMPARE(first.pressure(), 300);
        QCOMPARE(first.blackValue(), 23.4);
        QCOMPARE(first.redValue(), -4.5);
        QCOMPARE(first.reference(), QStringLiteral("TANK 1"));
        QVERIFY(!first.noBlackBase() && !first.noRedBase() && !first.noBaseValues());
        // R, B, R, B, R are numbered per sensor: 1, 1, 2, 2, 3.
        QList<int> ids;
        QByteArray sensors;
        for (const Data &data : first.dataList()) {
            QCOMPARE(data.surveyId(), 1);
            ids << data.id();
            sensors += data.sensor();
        }
        QCOMPARE(ids, (QList<int>{1, 1, 2, 2, 3}));
        QCOMPARE(sensors, QByteArray("RBRBR"));
        QCOMPARE(first.dataList()[3].dataValue(), 101.5);

        // An absent base is no error: the value stays 0 and is marked absent.
        const Survey &second_ = store.surveyAt(1);
        QVERIFY(second_.noBlackBase());
        QVERIFY(!second_.noRedBase());
        QCOMPARE(second_.blackValue(), 0.0);
        QCOMPARE(second_.reference(), QString());
        QCOMPARE(second_.nbMeasurements(), 0);
        QCOMPARE(second_.hardwareId(), 1);
        QCOMPARE(store.surveyAt(2).hardwareId(), 2);
        QCOMPARE(store.surveyAt(2).reference(), QStringLiteral("A B  C"));

        QVERIFY(
            matchesGoldenFile(QStringLiteral("three_surveys.renderings"), allRenderings(store)));
    }

    void textDocumentWithoutBasesAndCrLf() {
        TMD store;
        store.importSurveyDocument(dataFile("no_base_crlf.txt"), true);
        QCOMPARE(store.surveyCount(), 1);
        const Survey &survey = store.surveyAt(0);
        QVERIFY(survey.noBaseValues() && survey.noBlackBase() && survey.noRedBase());
        QCOMPARE(survey.reference(), QStringLiteral("PIPE 2"));
        QCOMPARE(survey.surveyDate(), QStringLiteral("Sun 21 Dec 2008 23:59:59"));
        QCOMPARE(survey.dataList().size(), size_t(2));
        QCOMPARE(survey.dataList()[1].sensor(), 'B');
        QVERIFY(matchesGoldenFile(QStringLiteral("no_base_crlf.renderings"), allRenderings(store)));
    }

    void commaLocaleStillReadsPoints() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        TMD store;
        store.importSurveyDocument(dataFile("three_surveys.VEK"), false);
        QCOMPARE(store.surveyAt(0).dataList()[0].dataValue(), 23.4);
        QVERIFY(store.surveyAt(0).surveyText().contains(QStringLiteral("  23,4\t")));
    }

    void reimportReplacesTheStore() {
        TMD store;
        store.importSurveyDocument(dataFile("three_surveys.VEK"), false);
        const QByteArray once = allRenderings(store);
        store.importSurveyDocument(dataFile("three_surveys.VEK"), false);
        QCOMPARE(allRenderings(store), once);
        store.importSurveyDocument(dataFile("no_base_crlf.txt"), true);
        QCOMPARE(store.surveyCount(), 1);
        QCOMPARE(store.surveyAt(0).id(), 1);
        QCOMPARE(store.hardwareList().size(), size_t(1));
        QCOMPARE(store.hardwareById(1).serialSwitchBox(), 7);
        store.clearSurveys();
        store.clearSurveys();
        QCOMPARE(store.surveyCount(), 0);
    }

    // Documents that end the import early but without error.
    void shortDocuments_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("surveys");
        const QByteArray one = block("Mon Mar 12 10:20:30 2007", {{" 23.4", "Red"}});
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("first line empty") << "\n" + one << 0;
        QTest::newRow("five empty lines end it") << one + "\n" + one << 1;
        QTest::newRow("two blocks") << one + one << 2;
        QTest::newRow("no line feed at the end") << one.chopped(5) << 1;
    }
    void shortDocuments() {
        QFETCH(QByteArray, bytes);
        Document document(bytes);
        TMD store;
        store.importSurveyDocument(document.path(), false);
        QTEST(store.surveyCount(), "surveys");
    }

    void missingFileReadsAsEmpty() {
        TMD store;
        store.importSurveyDocument(dataFile("three_surveys.VEK"), false);
        store.importSurveyDocument(QStringLiteral("/nonexistent/doc.VEK"), false);
        QCOMPARE(store.surveyCount(), 0);
        QVERIFY(store.hardwareList().empty());
    }

    // Lines read by position, as the reader always did.
    void fixedPositionQuirks() {
        QByteArray text = block("Mon Mar 12 10:20:30 2007", {{" 23.4", "Black"}, {"1e1", "Red"}});
        text.replace("Pressure = 300 mBar", "Pressure = 300");
        text.replace("Reference: R1", "Reference: ");
        text.replace("\tBlack sensor", "\tBlack sensor and more");
        Document document(text);
        TMD store;
        store.importSurveyDocument(document.path(), false);
        const Survey &survey = store.surveyAt(0);
        QCOMPARE(survey.pressure(), 300);
        QCOMPARE(survey.reference(), QString());
        QCOMPARE(survey.dataList()[0].sensor(), 'B');
        QCOMPARE(survey.dataList()[1].dataValue(), 10.0);

        // A value line without its unit marker names the sensor from the sixth
        // character on.
        QByteArray lines = block("Mon Mar 12 10:20:30 2007", {});
        lines.replace(" measurements = 0", " measurements = 2");
        lines.replace("Reference: R1\n", "Reference: R1\n12.5\tBlack sensor\n12.5\tRed sensor\n");
        Document markerless(lines);
        store.importSurveyDocument(markerless.path(), false);
        QCOMPARE(store.surveyAt(0).dataList()[0].sensor(), 'B');
        QCOMPARE(store.surveyAt(0).dataList()[1].sensor(), 'R');
    }

    // A document read with the wrong base setting is misread: a .VEK opened as
    // .txt takes a base line for a value line and fails.
    void wrongBaseSettingFails() {
        TMD store;
        QVERIFY_THROWS_EXCEPTION(ImportFailure,
                                 store.importSurveyDocument(dataFile("three_surveys.VEK"), true));
    }

    void failures_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<int>("line");
        QTest::newRow("count not a number")
            << QByteArray("measurements = 1") << QByteArray("measurements = x") << 3;
        QTest::newRow("count with trailing blank")
            << QByteArray("measurements = 1") << QByteArray("measurements = 1 ") << 3;
        QTest::newRow("serial out of range")
            << QByteArray("switchbox 1") << QByteArray("switchbox 2147483648") << 4;
        QTest::newRow("count line too short")
            << QByteArray(" measurements = 1") << QByteArray("short") << 3;
        QTest::newRow("two blanks after the pressure key")
            << QByteArray("Pressure = 300") << QByteArray("Pressure =  300") << 7;
        QTest::newRow("base not a number") << QByteArray("=  23.4") << QByteArray("=  2x.4") << 8;
        QTest::newRow("value not a number") << QByteArray(" 12.5\t") << QByteArray(" 12,5\t") << 11;
        QTest::newRow("reference key alone")
            << QByteArray("Reference: R1") << QByteArray("Reference:") << 10;
        QTest::newRow("fewer values than announced")
            << QByteArray("measurements = 1") << QByteArray("measurements = 9") << 12;
    }
    void failures() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(int, line);
        QByteArray text = block("Mon Mar 12 10:20:30 2007", {{" 12.5", "Red"}});
        QVERIFY(text.count(from) == 1);
        text.replace(from, to);
        Document document(block("Sun Mar 11 10:20:30 2007", {}) + text);
        TMD store;
        try {
            store.importSurveyDocument(document.path(), false);
            QFAIL("the import succeeded");
        } catch (const ImportFailure &failure) {
            QCOMPARE(failure.lineNumber(), qint64(line + 14));
            QVERIFY(!failure.expected().isEmpty());
        }
        // The surveys before the failing one are in the store.
        QCOMPARE(store.surveyCount(), 1);
        // The document is closed: it can be removed and rewritten at once.
        QVERIFY(QFile::remove(document.path()));
    }

    // A last line without line feed is read once; afterwards only empty lines
    // follow, so a document of one repeated line cannot go on for ever.
    void lastLineWithoutLineFeedEnds() {
        const QByteArray digits(60, '0');
        for (bool noBase : {false, true}) {
            Document document(digits);
            TMD store;
            QVERIFY_THROWS_EXCEPTION(ImportFailure,
                                     store.importSurveyDocument(document.path(), noBase));
            QCOMPARE(store.surveyCount(), 0);
        }
        // A huge announced count must not reserve memory for values that the
        // file cannot hold.
        QByteArray text = block("Mon Mar 12 10:20:30 2007", {{" 23.4", "Red"}});
        text.replace("measurements = 1", "measurements = 2147483647");
        Document huge(text);
        TMD store;
        QVERIFY_THROWS_EXCEPTION(ImportFailure, store.importSurveyDocument(huge.path(), false));
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "test_import.moc"
