// The instrument session against sonvar-sim on a pseudo-terminal, with a
// clock that skips over silences: each row of the failure table, the answer
// quirks, the commands sent byte for byte, the progress steps, and the erase
// held back until the image is proven good.

#include "simprocess.h"
#include "survey/link/comportmap.h"
#include "survey/link/instrumentsession.h"
#include "survey/link/linkclock.h"
#include "survey/link/serialport.h"

#include <QtTest>
#include <random>

namespace {

QByteArray imageOf(int size) {
    std::mt19937 random(11);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(random() & 0xFF);
    return bytes;
}

const QByteArray kFullExchange = "UNLOCK\nDOWNLOAD\n\nerase 40917236\nLOCK\n";

struct Run {
    int result = 0;
    QStringList messages;
    QList<int> progress;
    QByteArray image;
    int64_t elapsed = 0;
    InstrumentSession session;
};

} // namespace

class TestSession : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    Run run(const QString &device, DumpLanguage language = DumpLanguage::English,
            int portIndex = 0) {
        FastForwardClock clock(60);
        ScopedLinkClock use(clock);
        Run out;
        out.session.device = device;
        out.session.portIndex = portIndex;
        out.session.language = language;
        out.session.imageFile = m_dir.filePath(QStringLiteral("SONVAR.bin"));
        QFile::remove(out.session.imageFile);
        out.session.progress = [&out](int position) { out.progress << position; };
        out.session.message = [&out](const QString &text) { out.messages << text; };
        const int64_t start = clock.now();
        out.result = RunInstrumentSession(out.session);
        out.elapsed = clock.now() - start;
        QFile image(out.session.imageFile);
        if (image.open(QIODevice::ReadOnly))
            out.image = image.readAll();
        return out;
    }

private slots:
    void session_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("progress");
        QTest::addColumn<QByteArray>("commands");
        QTest::addColumn<bool>("verified");
        const QList<int> full{10, 30, 40, 50};
        const int en = int(DumpLanguage::English);
        const int fr = int(DumpLanguage::French);
        QTest::newRow("1K blocks")
            << QStringList() << 0x800 << en << 1 << QString() << full << kFullExchange << true;
        QTest::newRow("128-byte blocks, checksum")
            << QStringList{"--block", "128", "--checksum-only"} << 1000 << en << 1 << QString()
            << full << kFullExchange << true;
        QTest::newRow("OK LF CR passes") << QStringList{"--ok", "lfcr"} << 0x800 << en << 1
                                         << QString() << full << kFullExchange << true;
        QTest::newRow("OK CR LF does not") << QStringList{"--ok", "crlf"} << 0x800 << en << 0
                                           << QStringLiteral("No response of SONVAR")
                                           << QList<int>() << QByteArray("UNLOCK\n") << false;
        QTest::newRow("no answer") << QStringList{"--silent"} << 0x800 << en << 0
                                   << QStringLiteral("No response of SONVAR") << QList<int>()
                                   << QByteArray("UNLOCK\n") << false;
        QTest::newRow("no answer, French") << QStringList{"--silent"} << 0x800 << fr << 0
                                           << QStringLiteral("Pas de réponde du SONVAR")
                                           << QList<int>() << QByteArray("UNLOCK\n") << false;
        QTest::newRow("length 0") << QStringList() << 0 << en << 0
                                  << QStringLiteral("No measurements in SONVAR")
                                  << QList<int>{10, 0} << QByteArray("UNLOCK\nDOWNLOAD\nLOCK\n")
                                  << false;
        QTest::newRow("length 0, French")
            << QStringList() << 0 << fr << 0
            << QStringLiteral("Le SONVAR ne contient pas de mesures") << QList<int>{10, 0}
            << QByteArray("UNLOCK\nDOWNLOAD\nLOCK\n") << false;
        QTest::newRow("BAD") << QStringList{"--bad"} << 0x800 << en << 0
                             << QStringLiteral("No download allowed !!!\n") << QList<int>{10, 0}
                             << QByteArray("UNLOCK\nDOWNLOAD\nLOCK\n") << false;
        QTest::newRow("BAD, French")
            << QStringList{"--bad"} << 0x800 << fr << 0
            << QStringLiteral("Le téléchargement de données n'est pas autorisé !!!")
            << QList<int>{10, 0} << QByteArray("UNLOCK\nDOWNLOAD\nLOCK\n") << false;
        QTest::newRow("short answer")
            << QStringList{"--answer", " 1  800"} << 0x800 << en << 0
            << QStringLiteral("No measurements in SONVAR") << QList<int>{10, 0}
            << QByteArray("UNLOCK\nDOWNLOAD\nLOCK\n") << false;
        QTest::newRow("numbers that do not parse")
            << QStringList{"--answer", "length: unknown"} << 0x800 << en << 0
            << QStringLiteral("No measurements in SONVAR") << QList<int>{10, 0}
            << QByteArray("UNLOCK\nDOWNLOAD\nLOCK\n") << false;
        QTest::newRow("transfer cancelled")
            << QStringList{"--cancel"} << 0x800 << en << 0
            << QStringLiteral("Error in file transfer -606") << QList<int>{10}
            << QByteArray("UNLOCK\nDOWNLOAD\n") << false;
        QTest::newRow("transfer cancelled, French")
            << QStringList{"--cancel"} << 0x800 << fr << 0
            << QStringLiteral("Erreur lors du transfert de fichier -606") << QList<int>{10}
            << QByteArray("UNLOCK\nDOWNLOAD\n") << false;
        QTest::newRow("wrong CRC: locked, not erased")
            << QStringList{"--crc", "1234"} << 0x800 << en << 1 << QString() << full
            << QByteArray("UNLOCK\nDOWNLOAD\n\nLOCK\n") << false;
        QTest::newRow("length beyond the image: locked, not erased")
            << QStringList{"--length", "900"} << 0x800 << en << 1 << QString() << full
            << QByteArray("UNLOCK\nDOWNLOAD\n\nLOCK\n") << false;
    }
    void session() {
        QFETCH(QStringList, options);
        QFETCH(int, size);
        QFETCH(int, language);
        QFETCH(int, result);
        QFETCH(QString, message);
        const QByteArray memory = imageOf(size);
        SimProcess sim(memory, options);
        QVERIFY(!sim.path().isEmpty());
        const Run out = run(sim.path(), DumpLanguage(language));
        QCOMPARE(out.result, result);
        QCOMPARE(out.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QTEST(out.progress, "progress");
        QTEST(sim.commands(), "commands");
        QTEST(out.session.imageVerified, "verified");
        if (result == 1) {
            QCOMPARE(out.image.left(size), memory);
            QCOMPARE(out.session.announcedLength, options.contains("--length") ? 0x900 : size);
        }
    }

    void noInstrumentIsReportedAfterAboutASecond() {
        SimProcess sim(imageOf(100), {"--silent"});
        const Run out = run(sim.path());
        QCOMPARE(out.messages, QStringList{QStringLiteral("No response of SONVAR")});
        QVERIFY2(out.elapsed >= 1000 && out.elapsed < 1500,
                 qPrintable(QString::number(out.elapsed)));
    }

    void refusalIsRecognisedAtOnce() {
        SimProcess sim(imageOf(100), {"--bad"});
        const Run out = run(sim.path());
        QCOMPARE(out.result, 0);
        // Not the ten seconds of the 15-byte read: 50 + 50 ms of pauses, the
        // answer waits of "UNLOCK" and "LOCK".
        QVERIFY2(out.elapsed < 3000, qPrintable(QString::number(out.elapsed)));
    }

    void erasedMemoryAnnouncesNothing() {
        SimProcess sim(imageOf(0x800), {});
        QCOMPARE(run(sim.path()).result, 1);
        const Run second = run(sim.path());
        QCOMPARE(second.result, 0);
        QCOMPARE(second.messages, QStringList{QStringLiteral("No measurements in SONVAR")});
        QCOMPARE(sim.commands(), kFullExchange + "UNLOCK\nDOWNLOAD\nLOCK\n");
    }

    void unverifiedMemoryCanBeDownloadedAgain() {
        SimProcess sim(imageOf(0x800), {"--crc", "1"});
        QCOMPARE(run(sim.path()).result, 1);
        const Run second = run(sim.path());
        QCOMPARE(second.result, 1);
        QCOMPARE(second.session.announcedLength, 0x800);
    }

    void reachesTheInstrumentThroughItsComPort() {
        SimProcess sim(imageOf(0x800), {});
        QVERIFY(SetComPortDevice(4, sim.path()));
        const Run out = run(QString(), DumpLanguage::English, 4);
        SetComPortDevice(4, QString());
        QCOMPARE(out.result, 1);
        QCOMPARE(sim.commands(), kFullExchange);
    }

    void portThatCannotBeOpened_data() {
        QTest::addColumn<bool>("missing");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("second");
        QTest::newRow("missing") << true << int(DumpLanguage::English)
                                 << QStringLiteral("Device not found: %1");
        QTest::newRow("missing, French")
            << true << int(DumpLanguage::French) << QStringLiteral("Périphérique introuvable : %1");
        QTest::newRow("in use") << false << int(DumpLanguage::English)
                                << QStringLiteral("%1 is in use by another program.");
        QTest::newRow("in use, French") << false << int(DumpLanguage::French)
                                        << QStringLiteral("%1 est utilisé par un autre programme.");
    }
    void portThatCannotBeOpened() {
        QFETCH(bool, missing);
        QFETCH(int, language);
        QFETCH(QString, second);
        SimProcess sim(imageOf(0x800), {});
        const QString device = missing ? QStringLiteral("/dev/no-such-sonvar") : sim.path();
        auto holder = missing ? nullptr : OpenPortDevice(device, 9600, 'N', 8, 1);
        const Run out = run(device, DumpLanguage(language));
        QCOMPARE(out.result, 0);
        const QString first = DumpLanguage(language) == DumpLanguage::French
                                  ? QStringLiteral("Pas de réponde du SONVAR")
                                  : QStringLiteral("No response of SONVAR");
        QCOMPARE(out.messages, QStringList{first + u'\n' + second.arg(device)});
        QCOMPARE(out.session.openStatus, missing ? int(kSerialNotFound) : int(kSerialAccessDenied));
        QCOMPARE(sim.commands(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
