// The conversion after a download: SONVAR.bin read, SONVAR.bak grown, the
// CRC checked, the document written completely or not at all, and the
// progress and messages the dialog and the companions show.

#include "goldenfile.h"

#include "survey/dump/convertdump.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kDocument = QStringLiteral("out.VEK");

struct Reported {
    QList<int> progress;
    QList<int> pauses;
    QList<DumpMessage> messages;

    DumpReport report() {
        return DumpReport{[this](int position) { progress << position; },
                          [this](const DumpMessage &message) { messages << message; },
                          [this](int milliseconds) { pauses << milliseconds; }};
    }
};

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestDumpConvert : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_folder;

    // Lays out the program folder as after a download: SONVAR.bin holding
    // `image`, the document created empty by the dialog.
    void download(const QByteArray &image) {
        QVERIFY(writeFile(QStringLiteral("SONVAR.bin"), image));
        QVERIFY(writeFile(kDocument, QByteArray()));
    }

private slots:
    void init() {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        QVERIFY(QDir::setCurrent(m_folder->path()));
    }
    void cleanup() {
        QDir::setCurrent(QDir::tempPath());
        m_folder.reset();
    }

    void imageBecomesDocument_data() {
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("crc");
        QTest::addColumn<QString>("golden");
        QTest::addColumn<bool>("warned");
        QTest::newRow("two surveys among other records, padded blocks")
            << QStringLiteral("two_surveys.bin") << 0xBE << 0xBD07
            << QStringLiteral("two_surveys.VEK") << false;
        QTest::newRow("second survey cut short by the length")
            << QStringLiteral("truncated.bin") << 0x78 << 0x685D << QStringLiteral("truncated.VEK")
            << true;
    }
    void imageBecomesDocument() {
        QFETCH(QString, image);
        QFETCH(int, length);
        QFETCH(int, crc);
        QFETCH(QString, golden);
        QFETCH(bool, warned);
        const QByteArray bytes = readTestData(image);
        download(bytes);
        Reported reported;
        QVERIFY(ConvertDump(kDocument, length, crc, DumpLanguage::English, reported.report()));
        QVERIFY(matchesGoldenFile(golden, readFile(kDocument)));
        QCOMPARE(readFile(QStringLiteral("SONVAR.bak")), bytes.left(length));
        QCOMPARE(reported.progress, (QList<int>{60, 70, 100, 1}));
        QCOMPARE(reported.pauses, QList<int>{50});
        QCOMPARE(reported.messages.size(), warned ? 1 : 0);
        if (warned) {
            QVERIFY(reported.messages[0].problem == DumpProblem::IncompleteLastRecord);
            QVERIFY(reported.messages[0].warning);
        }
        // Nothing but the document, the image and the archive is left behind.
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    void endByteFirstGivesEmptyDocument() {
        download(QByteArray("\xC0\x01\x02", 3));
        Reported reported;
        QVERIFY(ConvertDump(kDocument, 3, 0x3584, DumpLanguage::English, reported.report()));
        QCOMPARE(readFile(kDocument), QByteArray());
        QVERIFY(reported.messages.isEmpty());
    }

    void archiveGrowsByEachLength() {
        const QByteArray first = readTestData(QStringLiteral("two_surveys.bin"));
        const QByteArray second = readTestData(QStringLiteral("truncated.bin"));
        QVERIFY(writeFile(QStringLiteral("SONVAR.bak"), "earlier"));
        Reported reported;
        download(first);
        QVERIFY(ConvertDump(kDocument, 0xBE, 0xBD07, DumpLanguage::English, reported.report()));
        download(second);
        QVERIFY(ConvertDump(kDocument, 0x78, 0x685D, DumpLanguage::English, reported.report()));
        QCOMPARE(readFile(QStringLiteral("SONVAR.bak")),
                 "earlier" + first.left(0xBE) + second.left(0x78));
    }

    void failure_data() {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<qint64>("length");
        QTest::addColumn<qint64>("crc");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("archived");
        const auto english = int(DumpLanguage::English);
        const auto french = int(DumpLanguage::French);
        QTest::newRow("CRC mismatch")
            << "" << qint64(0xBE) << qint64(0x1234) << english << int(DumpProblem::CrcMismatch)
            << "CRC error: dBaseCRC = 0x1234  crc = 0xbd07 " << 0xBE;
        QTest::newRow("CRC mismatch, same text in French")
            << "" << qint64(0xBE) << qint64(0x5) << french << int(DumpProblem::CrcMismatch)
            << "CRC error: dBaseCRC = 0x 5  crc = 0xbd07 " << 0xBE;
        QTest::newRow("announced CRC above 0xFFFF never matches")
            << "" << qint64(0xBE) << qint64(0x1BD07) << english << int(DumpProblem::CrcMismatch)
            << "CRC error: dBaseCRC = 0x1bd07  crc = 0xbd07 " << 0xBE;
        QTest::newRow("length beyond SONVAR.bin")
            << "" << qint64(257) << qint64(0) << english << int(DumpProblem::LengthBeyondImage)
            << "The SONVAR announced 257 bytes of measurements, but SONVAR.bin holds only 256 "
               "bytes.\nThe bytes received were archived in SONVAR.bak."
            << 256;
        QTest::newRow("length beyond SONVAR.bin, French")
            << "" << qint64(0x1000) << qint64(0) << french << int(DumpProblem::LengthBeyondImage)
            << QString::fromUtf8("Le SONVAR a annoncé 4096 octets de mesures, mais SONVAR.bin "
                                 "n'en contient que 256.\nLes octets reçus ont été archivés dans "
                                 "SONVAR.bak.")
            << 256;
        QTest::newRow("no SONVAR.bin")
            << "no image" << qint64(0xBE) << qint64(0xBD07) << english
            << int(DumpProblem::CantOpenImage) << "Can't open file SONVAR.bin" << -1;
        QTest::newRow("no SONVAR.bin, French")
            << "no image" << qint64(0xBE) << qint64(0xBD07) << french
            << int(DumpProblem::CantOpenImage) << "Impossible d'ouvrir le fichier SONVAR.bin" << -1;
        QTest::newRow("SONVAR.bak cannot be opened")
            << "archive is a folder" << qint64(0xBE) << qint64(0xBD07) << french
            << int(DumpProblem::CantOpenArchive) << "Impossible d'ouvrir le fichier SONVAR.bak"
            << -1;
        QTest::newRow("document cannot be created")
            << "document folder missing" << qint64(0xBE) << qint64(0xBD07) << english
            << int(DumpProblem::CantCreateDocument) << "Can't open file" << 0xBE;
        QTest::newRow("document cannot be created, French")
            << "document folder missing" << qint64(0xBE) << qint64(0xBD07) << french
            << int(DumpProblem::CantCreateDocument) << "Impossible d'ouvrir le fichier" << 0xBE;
    }
    // Every failure reports one message, leaves the document as the dialog
    // left it (here: holding older text) and keeps the archived bytes.
    void failure() {
        QFETCH(QString, setUp);
        QFETCH(qint64, length);
        QFETCH(qint64, crc);
        QFETCH(int, language);
        QFETCH(int, problem);
        QFETCH(QString, text);
        QFETCH(int, archived);
        const QByteArray image = readTestData(QStringLiteral("two_surveys.bin"));
        const QByteArray older("older document\n");
        QVERIFY(writeFile(kDocument, older));
        if (setUp != QLatin1String("no image"))
            QVERIFY(writeFile(QStringLiteral("SONVAR.bin"), image));
        if (setUp == QLatin1String("archive is a folder"))
            QVERIFY(QDir().mkdir(QStringLiteral("SONVAR.bak")));
        const QString document = setUp == QLatin1String("document folder missing")
                                     ? QStringLiteral("gone/out.VEK")
                                     : kDocument;
        Reported reported;
        QVERIFY(!ConvertDump(document, length, crc, DumpLanguage(language), reported.report()));
        QCOMPARE(reported.messages.size(), 1);
        QCOMPARE(int(reported.messages[0].problem), problem);
        QVERIFY(!reported.messages[0].warning);
        QCOMPARE(reported.messages[0].text, text);
        QCOMPARE(readFile(kDocument), older);
        if (archived >= 0)
            QCOMPARE(readFile(QStringLiteral("SONVAR.bak")), image.left(archived));
        else
            QVERIFY(!QFileInfo(QStringLiteral("SONVAR.bak")).isFile());
    }

    void conversionWithoutArchiveOrCrc() {
        const QString image = QStringLiteral(TEST_DATA_DIR "/two_surveys.bin");
        DumpConversion conversion;
        conversion.imagePath = image;
        conversion.length = 0xBE;
        conversion.documentPath = kDocument;
        Reported reported;
        QVERIFY(ConvertImage(conversion, reported.report()));
        QVERIFY(matchesGoldenFile(QStringLiteral("two_surveys.VEK"), readFile(kDocument)));
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{kDocument});
    }

    // A negative length from a garbled answer converts nothing rather than
    // reading anywhere.
    void negativeLengthConvertsNothing() {
        download(readTestData(QStringLiteral("two_surveys.bin")));
        Reported reported;
        QVERIFY(ConvertDump(kDocument, -5, 0, DumpLanguage::English, reported.report()));
        QCOMPARE(readFile(kDocument), QByteArray());
        QCOMPARE(readFile(QStringLiteral("SONVAR.bak")), QByteArray());
    }

    void languageCodes() {
        QVERIFY(dumpLanguageFromCode(QStringLiteral("FR")) == DumpLanguage::French);
        for (const char *code : {"", "EN", "fr", "FRA"})
            QVERIFY(dumpLanguageFromCode(QLatin1String(code)) == DumpLanguage::English);
    }
};

QTEST_GUILESS_MAIN(TestDumpConvert)
#include "test_convert.moc"
