// sonvar-download as a user runs it, against sonvar-sim: the document, the
// archive, the progress on standard output and the messages on standard
// error. These runs take the session's real pauses (about nine seconds for a
// whole download).

#include "simprocess.h"
#include "survey/dump/dumpimage.h"
#include "survey/link/comportmap.h"

#include <QtTest>

namespace {

QByteArray twoSurveys() {
    std::vector<uint8_t> image;
    SurveyRecord record;
    record.startTime = 1700000000;
    record.switchBoxSerial = 12;
    record.instrumentSerial = 345;
    record.boardSerial = 678;
    record.pressure = 1500;
    record.baseBlack = 215;
    record.reference = "TANK 7";
    record.levels = {{Sensor::Red, 230}, {Sensor::Black, 245}};
    AppendSurveyRecord(image, record);
    AppendOtherRecord(image, 0x10);
    record.startTime += 3600;
    record.reference = "PIPE 2";
    AppendSurveyRecord(image, record);
    image.push_back(0xFF);
    return QByteArray(reinterpret_cast<const char *>(image.data()), qsizetype(image.size()));
}

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDownload : public QObject {
    Q_OBJECT

private slots:
    void download_data() {
        QTest::addColumn<QStringList>("simOptions");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("progress");
        QTest::addColumn<QByteArray>("messages");
        QTest::addColumn<int>("surveys");
        QTest::addColumn<bool>("archived");
        QTest::newRow("whole download through COM5")
            << QStringList() << QString() << 0
            << QByteArray("10%\n30%\n40%\n50%\n60%\n70%\n100%\n1%\n") << QByteArray() << 2 << true;
        QTest::newRow("wrong CRC")
            << QStringList{"--crc", "beef"} << QStringLiteral("FR") << 1
            << QByteArray("10%\n30%\n40%\n50%\n60%\n") << QByteArray("CRC error") << 0 << true;
        QTest::newRow("no answer, French")
            << QStringList{"--silent"} << QStringLiteral("FR") << 1 << QByteArray()
            << QByteArray("Pas de réponde du SONVAR\n") << 0 << false;
    }
    void download() {
        QFETCH(QStringList, simOptions);
        QFETCH(QString, lang);
        QFETCH(QByteArray, messages);
        QFETCH(int, surveys);
        QFETCH(bool, archived);
        const QByteArray image = twoSurveys();
        SimProcess sim(image, simOptions);
        QVERIFY(!sim.path().isEmpty());
        QVERIFY(SetComPortDevice(4, sim.path()));

        QTemporaryDir folder;
        const QString document = folder.filePath(QStringLiteral("out.VEK"));
        {
            QFile old(document);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("an older document\n");
        }
        QProcess download;
        download.setWorkingDirectory(folder.path());
        QStringList arguments{QStringLiteral("--port"), QStringLiteral("COM5"), document};
        if (!lang.isEmpty())
            arguments << QStringLiteral("--lang") << lang;
        download.start(QStringLiteral(DIST_DIR "/Data/sonvar-download"), arguments);
        QVERIFY(download.waitForFinished(60000));
        QTEST(download.exitCode(), "exitCode");
        QTEST(download.readAllStandardOutput(), "progress");
        const QByteArray errors = download.readAllStandardError();
        QVERIFY2(messages.isEmpty() ? errors.isEmpty() : errors.startsWith(messages),
                 errors.constData());

        const QByteArray written = readAll(document);
        QCOMPARE(written.count("Survey started on "), surveys);
        if (surveys > 0)
            QVERIFY(written.contains("Reference: PIPE 2\n"));
        QCOMPARE(readAll(folder.filePath(QStringLiteral("SONVAR.bak"))),
                 archived ? image : QByteArray());
        SetComPortDevice(4, QString());
    }
};

QTEST_GUILESS_MAIN(TestDownload)
#include "test_download.moc"
