// The survey document writer: every line form, byte for byte.

#include "goldenfile.h"

#include "survey/dump/surveydocument.h"

#include <QBuffer>
#include <QLocale>
#include <QTest>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <ctime>

Q_DECLARE_METATYPE(SurveyRecord)

namespace {

LevelEntry red(int16_t tenths) {
    return LevelEntry{Sensor::Red, tenths};
}
LevelEntry black(int16_t tenths) {
    return LevelEntry{Sensor::Black, tenths};
}

QByteArray written(const QList<SurveyRecord> &records) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SurveyDocument document(buffer);
    for (const SurveyRecord &record : records)
        WriteSurveyBlock(document, record);
    if (!document.flush())
        qFatal("writing to a buffer failed");
    return buffer.data();
}

SurveyRecord absentBases() {
    SurveyRecord record;
    record.startTime = 0;
    record.switchBoxSerial = 2147483648u;
    record.instrumentSerial = 0xFFFFFFFFu;
    record.boardSerial = 2147483647u;
    record.pressure = -20;
    return record;
}

SurveyRecord levelEdges() {
    SurveyRecord record;
    record.startTime = 86399;
    record.switchBoxSerial = 17;
    record.instrumentSerial = 4711;
    record.boardSerial = 0;
    record.pressure = 32767;
    record.baseBlack = 1234;
    record.baseRed = -5;
    record.reference = "TANK 7-B";
    // Five levels below 1000 tenths: the first five entries are listed,
    // 1000 and 32267 among them, and the last two are left out.
    record.levels = {red(-5), black(1000), black(0), red(999), black(32267), red(-500), red(-100)};
    return record;
}

SurveyRecord countRule() {
    SurveyRecord record;
    record.startTime = 1709283907;
    record.switchBoxSerial = 1;
    record.instrumentSerial = 2;
    record.boardSerial = 3;
    record.pressure = 300;
    record.baseBlack = 1;
    record.baseRed = -32768;
    record.reference = "A_[]?@ Z09";
    record.levels = {red(120), black(1500), red(130)};
    return record;
}

} // namespace

class TestDumpDocument : public QObject {
    Q_OBJECT

private slots:
    void blockMatchesGoldenFile_data() {
        QTest::addColumn<SurveyRecord>("record");
        QTest::addColumn<QString>("golden");
        QTest::newRow("absent bases, serials from 2^31, empty reference, no levels")
            << absentBases() << QStringLiteral("absent_bases.VEK");
        QTest::newRow("levels -0.5, 100.0, 0.0, 3226.7; start 86399")
            << levelEdges() << QStringLiteral("level_edges.VEK");
        QTest::newRow("12.0, 150.0, 13.0 lists two")
            << countRule() << QStringLiteral("count_rule.VEK");
    }
    void blockMatchesGoldenFile() {
        QFETCH(SurveyRecord, record);
        QFETCH(QString, golden);
        QVERIFY(matchesGoldenFile(golden, written({record})));
    }

    // Neither Qt's default locale nor the C library's may change a byte.
    void numbersIgnoreTheUserLocale() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const char *previous = std::setlocale(LC_ALL, nullptr);
        const std::string saved = previous ? previous : "C";
        const bool french = std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr ||
                            std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        const QByteArray bytes = written({levelEdges()});
        std::setlocale(LC_ALL, saved.c_str());
        QLocale::setDefault(QLocale::c());
        QVERIFY(matchesGoldenFile(QStringLiteral("level_edges.VEK"), bytes));
        if (!french)
            qInfo("no comma locale installed: only Qt's default locale was changed");
    }

    void blocksFollowEachOtherDirectly() {
        const QByteArray first = readTestData(QStringLiteral("golden/absent_bases.VEK"));
        const QByteArray second = readTestData(QStringLiteral("golden/count_rule.VEK"));
        QCOMPARE(written({absentBases(), countRule()}), first + second);
        QCOMPARE(written({}), QByteArray());
    }

    // Every 16-bit value the writer can meet, as the C library prints it.
    void tenthsPrintAsFivePointOne() {
        char expected[32];
        for (int tenths = -32768; tenths <= 32767; ++tenths) {
            std::snprintf(expected, sizeof expected, "%5.1f", tenths / 10.0);
            if (FormatTenths(tenths) != expected)
                QFAIL(qPrintable(QStringLiteral("%1 tenths: \"%2\" instead of \"%3\"")
                                     .arg(tenths)
                                     .arg(QString::fromStdString(FormatTenths(tenths)))
                                     .arg(QLatin1String(expected))));
        }
    }

    // The value line of every level word, checked against the C library: the
    // first 65536 entries are one per word, and enough low levels follow to
    // have all of them listed.
    void everyLevelWordGivesItsValueLine() {
        SurveyRecord record;
        for (int word = 0; word < 0x10000; ++word)
            record.levels.push_back(LevelEntry{word & 0x8000 ? Sensor::Black : Sensor::Red,
                                               int16_t((word & 0x7FFF) - 500)});
        const auto high =
            std::count_if(record.levels.begin(), record.levels.end(),
                          [](const LevelEntry &level) { return level.tenths >= 1000; });
        record.levels.insert(record.levels.end(), size_t(high), red(0));
        const QList<QByteArray> lines = written({record}).split('\n');
        QCOMPARE(lines[2], QByteArray(" measurements = 65536"));
        char expected[64];
        for (int word = 0; word < 0x10000; ++word) {
            std::snprintf(expected, sizeof expected, "%5.1f\tdB\xB5V \t%s sensor ",
                          ((word & 0x7FFF) - 500) / 10.0, word & 0x8000 ? "Black" : "Red");
            if (lines[10 + word] != expected)
                QFAIL(qPrintable(QStringLiteral("word %1").arg(word, 4, 16, QLatin1Char('0'))));
        }
        QCOMPARE(lines.size(), 10 + 65536 + 5);
    }

    void startTimeRendering_data() {
        QTest::addColumn<quint32>("seconds");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("0") << 0u << QByteArray("Thu Jan 01 00:00:00 1970");
        QTest::newRow("86399") << 86399u << QByteArray("Thu Jan 01 23:59:59 1970");
        QTest::newRow("leap day 2000") << 951782400u << QByteArray("Tue Feb 29 00:00:00 2000");
        QTest::newRow("2^31 - 1") << 2147483647u << QByteArray("Tue Jan 19 03:14:07 2038");
        QTest::newRow("2^32 - 1") << 4294967295u << QByteArray("Sun Feb 07 06:28:15 2106");
    }
    void startTimeRendering() {
        QFETCH(quint32, seconds);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(FormatStartTime(seconds)), expected);
    }

    // Across the whole unsigned range, the C library's UTC calendar agrees.
    void startTimesAgreeWithTheCLibrary() {
        for (uint64_t seconds = 0; seconds <= 0xFFFFFFFFu; seconds += 7777777) {
            const time_t time = time_t(seconds);
            std::tm fields{};
            QVERIFY(gmtime_r(&time, &fields) != nullptr);
            char expected[64];
            std::strftime(expected, sizeof expected, "%a %b %d %H:%M:%S %Y", &fields);
            QCOMPARE(FormatStartTime(uint32_t(seconds)).c_str(), expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestDumpDocument)
#include "test_document.moc"
