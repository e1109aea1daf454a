// Get data from end to end, headless: the real dialog downloads from the
// simulated instrument sonvar-sim, reached through a COM port mapped to its
// pseudo-terminal, and writes the survey document.
//
// data/two-surveys.bin is an instrument memory of 153 bytes: a survey of
// Mon Mar 12 10:20:30 2007 (3 levels, the last one of 101.0 dBuV, black base
// 23.4, no red base, reference "TANK 3"), a 12-byte and a 10-byte record, a
// survey one day less a second later without levels, black base absent and
// red base -0.5, empty reference, then the end byte. data/two-surveys.VEK is
// the document Survey writes for it, byte for byte.

#include "surveyfixture.h"

#include "survey/link/comportmap.h"
#include "survey/link/linkclock.h"
#include "survey/ui/cregistry.h"
#include "survey/ui/csurveydlg.h"

#include <QProcess>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <sys/prctl.h>

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// sonvar-sim serving `image` on a new pseudo-terminal for the life of the
// object; every command it receives goes to log().
class SimulatedInstrumentProcess {
public:
    SimulatedInstrumentProcess(const QString &image, const QString &logFile,
                               const QStringList &options = {})
        : m_log(logFile) {
        m_process.setProgram(QStringLiteral(DIST_DIR "/Data/sonvar-sim"));
        m_process.setArguments(options + QStringList{QStringLiteral("--log"), logFile, image});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // Should this test die, the simulator goes with it instead of keeping
        // ctest's output open.
        m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_process.start();
        if (m_process.waitForStarted(5000) && m_process.waitForReadyRead(5000))
            m_terminal = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~SimulatedInstrumentProcess() {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    SimulatedInstrumentProcess(const SimulatedInstrumentProcess &) = delete;
    SimulatedInstrumentProcess &operator=(const SimulatedInstrumentProcess &) = delete;

    // The path of its terminal, empty when it did not start.
    const QString &terminal() const { return m_terminal; }
    QByteArray log() const { return readAll(m_log); }

private:
    QProcess m_process;
    QString m_terminal;
    QString m_log;
};

// COM 3 reaches the simulator's terminal and is the stored port.
void connectComThree(const QString &terminal) {
    QVERIFY(SetComPortDevice(2, terminal));
    CRegistry registry;
    QVERIFY(registry.Open(QStringLiteral("HKEY_CURRENT_USER\\Software\\VEK\\Vatro")));
    QVERIFY(registry.WriteDword(QStringLiteral("ComPort"), 2));
}

} // namespace

class TestSurveyDownload : public QObject {
    Q_OBJECT

private slots:
    void completeDownloadWritesTheDocumentAndGrowsTheArchive() {
        SurveyFixture fixture;
        const QString log = fixture.root() + QStringLiteral("/commands.log");
        SimulatedInstrumentProcess instrument(QStringLiteral(TEST_DATA_DIR "/two-surveys.bin"),
                                              log);
        QVERIFY2(!instrument.terminal().isEmpty(), "sonvar-sim did not start");
        connectComThree(instrument.terminal());
        const QString archive = fixture.dataFile(QStringLiteral("SONVAR.bak"));
        {
            QFile earlier(archive);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier dump");
        }

        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        QCOMPARE(dialog.portIndex(), 2);
        const QString document = fixture.dataFile(QStringLiteral("station 12.VEK"));
        fixture.platform().queueFileName(document);
        dialog.OnBrowse();
        QList<int> positions;
        connect(dialog.progressBar(), &QProgressBar::valueChanged, this,
                [&positions](int value) { positions << value; });

        // The fixed pauses of the session (one second after the transfer, five
        // after the erase command) pass at once; the simulator answers well
        // within the grace time.
        FastForwardClock clock(250);
        ScopedLinkClock useClock(clock);
        // A second Get data, pressed while the first one runs.
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.OnGetData(); });
        dialog.OnGetData();

        QCOMPARE(fixture.platform().messages(),
                 QStringList{"Transfering & Converting Data\n         PLEASE WAIT"});
        QVERIFY(!dialog.isBusy());
        QCOMPARE(readAll(document), readAll(QStringLiteral(TEST_DATA_DIR "/two-surveys.VEK")));
        const QByteArray image = readAll(QStringLiteral(TEST_DATA_DIR "/two-surveys.bin"));
        QCOMPARE(readAll(archive), QByteArray("earlier dump") + image);
        QVERIFY(readAll(fixture.dataFile(QStringLiteral("SONVAR.bin"))).startsWith(image));
        QCOMPARE(positions, QList<int>({10, 30, 40, 50, 60, 70, 100, 1}));
        QTRY_COMPARE(instrument.log(), QByteArray("UNLOCK\nDOWNLOAD\n\nerase 40917236\nLOCK\n"));
    }

    void emptyInstrumentInFrenchLeavesTheDocumentEmpty() {
        SurveyFixture fixture;
        fixture.writePreferences("[Language]\nLanguage=FR\n");
        const QString log = fixture.root() + QStringLiteral("/commands.log");
        SimulatedInstrumentProcess instrument(QStringLiteral(TEST_DATA_DIR "/two-surveys.bin"), log,
                                              {QStringLiteral("--length"), QStringLiteral("0")});
        QVERIFY2(!instrument.terminal().isEmpty(), "sonvar-sim did not start");
        connectComThree(instrument.terminal());

        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        const QString document = fixture.dataFile(QStringLiteral("vide.VEK"));
        fixture.platform().queueFileName(document);
        dialog.OnBrowse();
        FastForwardClock clock(250);
        ScopedLinkClock useClock(clock);
        dialog.OnGetData();

        QCOMPARE(fixture.platform().messages(),
                 QStringList{QStringLiteral("Le SONVAR ne contient pas de mesures")});
        QVERIFY(!dialog.isBusy());
        QVERIFY(QFile::exists(document));
        QCOMPARE(QFileInfo(document).size(), 0);
        QVERIFY(!QFile::exists(fixture.dataFile(QStringLiteral("SONVAR.bak"))));
        QVERIFY(dialog.progressBar()->value() < 1);
        QTRY_COMPARE(instrument.log(), QByteArray("UNLOCK\nDOWNLOAD\nLOCK\n"));
    }

    void crcMismatchKeepsTheInstrumentsMemoryAndTheDocumentEmpty() {
        SurveyFixture fixture;
        const QString log = fixture.root() + QStringLiteral("/commands.log");
        SimulatedInstrumentProcess instrument(QStringLiteral(TEST_DATA_DIR "/two-surveys.bin"), log,
                                              {QStringLiteral("--crc"), QStringLiteral("1234")});
        QVERIFY2(!instrument.terminal().isEmpty(), "sonvar-sim did not start");
        connectComThree(instrument.terminal());

        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        const QString document = fixture.dataFile(QStringLiteral("station 12.VEK"));
        fixture.platform().queueFileName(document);
        dialog.OnBrowse();
        FastForwardClock clock(250);
        ScopedLinkClock useClock(clock);
        dialog.OnGetData();

        const QStringList messages = fixture.platform().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(
            messages.front().startsWith(QStringLiteral("CRC error: dBaseCRC = 0x1234  crc = 0x")),
            qPrintable(messages.front()));
        QCOMPARE(QFileInfo(document).size(), 0);
        // The copy received is archived all the same.
        QCOMPARE(readAll(fixture.dataFile(QStringLiteral("SONVAR.bak"))),
                 readAll(QStringLiteral(TEST_DATA_DIR "/two-surveys.bin")));
        QTRY_VERIFY(instrument.log().endsWith("LOCK\n"));
        QVERIFY(!instrument.log().contains("erase"));
        QVERIFY(!dialog.isBusy());
    }

    void archiveThatCannotBeOpenedEndsTheProgram() {
        SurveyFixture fixture;
        QVERIFY(QDir(fixture.programFolder()).mkdir(QStringLiteral("SONVAR.bak")));
        const QString log = fixture.root() + QStringLiteral("/commands.log");
        SimulatedInstrumentProcess instrument(QStringLiteral(TEST_DATA_DIR "/two-surveys.bin"),
                                              log);
        QVERIFY2(!instrument.terminal().isEmpty(), "sonvar-sim did not start");
        connectComThree(instrument.terminal());

        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        int exitCode = -1;
        dialog.setProgramExit([&exitCode](int code) { exitCode = code; });
        fixture.platform().queueFileName(fixture.dataFile(QStringLiteral("out.VEK")));
        dialog.OnBrowse();
        FastForwardClock clock(250);
        ScopedLinkClock useClock(clock);
        dialog.OnGetData();

        QCOMPARE(fixture.platform().messages(), QStringList{"Can't open file SONVAR.bak"});
        QCOMPARE(exitCode, 1);
    }
};

QTEST_MAIN(TestSurveyDownload)
#include "test_surveydownload.moc"
