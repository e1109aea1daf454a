// The serial driver on pseudo-terminals: opening, line parameters, the timed
// helpers, the device map and the idle hook.

#include "ptypair.h"
#include "survey/link/comportmap.h"
#include "survey/link/linkclock.h"
#include "survey/link/serialport.h"
#include "survey/link/serialwait.h"

#include <QFile>
#include <QtTest>

namespace {

std::unique_ptr<SerialPort> openPty(const PtyPair &pty) {
    return OpenPortDevice(pty.path(), 9600, 'N', 8, 1);
}

} // namespace

class TestSerial : public QObject {
    Q_OBJECT

private slots:
    void opensRawLineAt9600() {
        PtyPair pty;
        QVERIFY(pty.ok());
        auto port = openPty(pty);
        QCOMPARE(port->status, 0);
        termios settings{};
        QCOMPARE(::tcgetattr(pty.slave(), &settings), 0);
        QCOMPARE(::cfgetospeed(&settings), speed_t(B9600));
        QCOMPARE(settings.c_cflag & CSIZE, tcflag_t(CS8));
        QCOMPARE(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
        QCOMPARE(settings.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), tcflag_t(0));
        QCOMPARE(settings.c_lflag & (ICANON | ECHO | ISIG), tcflag_t(0));
        QCOMPARE(ClosePort(std::move(port)), 0);
    }

    void secondOpenIsRefusedUntilClosed() {
        PtyPair pty;
        auto first = openPty(pty);
        QCOMPARE(first->status, 0);
        auto second = openPty(pty);
        QCOMPARE(second->status, int(kSerialAccessDenied));
        ClosePort(std::move(second));
        ClosePort(std::move(first));
        auto third = openPty(pty);
        QCOMPARE(third->status, 0);
    }

    void missingDeviceLeavesUnsupportedOperations() {
        const int before = OpenPortCount();
        auto port = OpenPortDevice(QStringLiteral("/dev/no-such-sonvar-port"), 9600, 'N', 8, 1);
        QCOMPARE(port->status, int(kSerialNotFound));
        QCOMPARE(OpenPortCount(), before + 1);
        uint8_t buffer[4];
        QCOMPARE(ReadChar(*port), int(kSerialNotSupported));
        QCOMPARE(WriteChar(*port, 'x'), int(kSerialNotSupported));
        QCOMPARE(ReadBuffer(*port, buffer, 4), int(kSerialNotSupported));
        QCOMPARE(ReceivedCount(*port), int(kSerialNotSupported));
        QCOMPARE(ClearTransmitQueue(*port), int(kSerialNotSupported));
        QCOMPARE(SetPortParameters(*port, 9600, 'N', 8, 1), int(kSerialNotSupported));
        QCOMPARE(ReadCharTimed(*port, 100), int(kSerialNotSupported));
        QCOMPARE(ClosePort(std::move(port)), 0);
        QCOMPARE(OpenPortCount(), before);
    }

    void notATerminalIsOtherError() {
        auto port = OpenPortDevice(QStringLiteral("/dev/null"), 9600, 'N', 8, 1);
        QCOMPARE(port->status, int(kSerialOtherError));
    }

    // (A pseudo-terminal keeps no parity setting, so only the results, the
    // speed and the stop bits can be seen here.)
    void portParameters_data() {
        QTest::addColumn<long>("baud");
        QTest::addColumn<char>("parity");
        QTest::addColumn<int>("stopBits");
        QTest::addColumn<int>("result");
        QTest::addColumn<speed_t>("speed");
        QTest::addColumn<tcflag_t>("stopFlag");
        const speed_t unchanged = B9600;
        QTest::newRow("9600 N 1") << 9600L << 'N' << 1 << 0 << unchanged << tcflag_t(0);
        QTest::newRow("lower-case n") << 9600L << 'n' << 1 << 0 << unchanged << tcflag_t(0);
        QTest::newRow("even, 2 stop bits")
            << 19200L << 'e' << 2 << 0 << speed_t(B19200) << tcflag_t(CSTOPB);
        QTest::newRow("odd") << 9600L << 'O' << 1 << 0 << unchanged << tcflag_t(0);
        QTest::newRow("115200 is the top")
            << 115200L << 'N' << 1 << 0 << speed_t(B115200) << tcflag_t(0);
        QTest::newRow("230400 refused")
            << 230400L << 'N' << 1 << int(kSerialBadBaudRate) << unchanged << tcflag_t(0);
        QTest::newRow("parity X refused")
            << 9600L << 'X' << 1 << int(kSerialBadParity) << unchanged << tcflag_t(0);
        QTest::newRow("3 stop bits refused")
            << 9600L << 'N' << 3 << int(kSerialBadStopBits) << unchanged << tcflag_t(0);
    }
    void portParameters() {
        QFETCH(long, baud);
        QFETCH(char, parity);
        QFETCH(int, stopBits);
        QFETCH(int, result);
        PtyPair pty;
        auto port = openPty(pty);
        QCOMPARE(SetPortParameters(*port, baud, parity, 8, stopBits), result);
        termios settings{};
        ::tcgetattr(pty.slave(), &settings);
        QTEST(::cfgetospeed(&settings), "speed");
        QTEST(settings.c_cflag & CSTOPB, "stopFlag");
    }

    void readLine_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("terminator");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("left");
        QTest::newRow("OK CR LF keeps the CR")
            << QByteArray("OK\r\n") << 19 << 10 << 0 << QByteArray("OK\r") << 0;
        QTest::newRow("OK LF CR leaves the CR")
            << QByteArray("OK\n\r") << 19 << 10 << 0 << QByteArray("OK") << 1;
        QTest::newRow("CR LF ends a line for -2")
            << QByteArray("OK\r\nX") << 19 << -2 << 0 << QByteArray("OK") << 1;
        QTest::newRow("lone CR is kept for -1")
            << QByteArray("A\rB\r\n") << 19 << -1 << 0 << QByteArray("A\rB") << 0;
        QTest::newRow("time-out stores a held CR")
            << QByteArray("AB\r") << 19 << 10 << int(kSerialTimeout) << QByteArray("AB\r") << 0;
        QTest::newRow("nothing at all")
            << QByteArray() << 19 << 10 << int(kSerialTimeout) << QByteArray() << 0;
        QTest::newRow("19 bytes do not fit in 19")
            << QByteArray("ABCDEFGHIJKLMNOPQRS") << 19 << 10 << int(kSerialLineTooLong)
            << QByteArray("ABCDEFGHIJKLMNOPQR") << 0;
        QTest::newRow("18 bytes fit in 19") << QByteArray("ABCDEFGHIJKLMNOPQR\n") << 19 << 10 << 0
                                            << QByteArray("ABCDEFGHIJKLMNOPQR") << 0;
        QTest::newRow("size 1") << QByteArray("OK\n") << 1 << 10 << int(kSerialBadArgument)
                                << QByteArray() << 3;
        QTest::newRow("terminator 256")
            << QByteArray("OK\n") << 19 << 256 << int(kSerialBadArgument) << QByteArray() << 3;
        QTest::newRow("terminator -3")
            << QByteArray("OK\n") << 19 << -3 << int(kSerialBadArgument) << QByteArray() << 3;
    }
    void readLine() {
        QFETCH(QByteArray, input);
        QFETCH(int, size);
        QFETCH(QByteArray, line);
        QFETCH(int, terminator);
        QFETCH(int, result);
        FastForwardClock clock(30);
        ScopedLinkClock use(clock);
        PtyPair pty;
        auto port = openPty(pty);
        pty.send(input);
        char buffer[32] = {'?'};
        const int64_t start = clock.now();
        QCOMPARE(ReadLine(*port, buffer, size, terminator, 500), result);
        if (result != kSerialBadArgument) {
            QCOMPARE(QByteArray(buffer), line);
            QCOMPARE(port->lastCount, int(line.size()));
        }
        if (result == kSerialTimeout)
            QVERIFY(clock.now() - start >= 500);
        QTEST(ReceivedCount(*port), "left");
        QCOMPARE(port->status < 0, result != 0 && result != kSerialTimeout);
    }

    void readExactlyStopsAtTheTimeLimit() {
        FastForwardClock clock(30);
        ScopedLinkClock use(clock);
        PtyPair pty;
        auto port = openPty(pty);
        pty.send("1 80");
        uint8_t buffer[16] = {};
        const int64_t start = clock.now();
        QCOMPARE(ReadExactly(*port, buffer, 15, 10000), int(kSerialTimeout));
        QVERIFY(clock.now() - start >= 10000);
        QCOMPARE(port->lastCount, 4);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), 4), QByteArray("1 80"));
        QCOMPARE(port->status, 0);
    }

    void readExactlyTakesWhatArrivesInPieces() {
        PtyPair pty;
        auto port = openPty(pty);
        pty.send("   1  ");
        int turns = 0;
        SetIdleHook([&](SerialPort &) {
            if (++turns == 3)
                pty.send(" 800 1a2b\nmore");
            return 0;
        });
        uint8_t buffer[16] = {};
        QCOMPARE(ReadExactly(*port, buffer, 15, 5000), 0);
        SetIdleHook({});
        QCOMPARE(port->lastCount, 15);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), 15), QByteArray("   1   800 1a2b"));
        QCOMPARE(ReceivedCount(*port), 5);
    }

    void sendString_data() {
        QTest::addColumn<int>("terminator");
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("LF") << 10 << 0 << QByteArray("LOCK\n");
        QTest::newRow("text alone") << -1 << 0 << QByteArray("LOCK");
        QTest::newRow("CR LF") << -2 << 0 << QByteArray("LOCK\r\n");
        QTest::newRow("NUL") << 0 << 0 << QByteArray("LOCK\0", 5);
        QTest::newRow("256") << 256 << int(kSerialBadArgument) << QByteArray();
        QTest::newRow("-3") << -3 << int(kSerialBadArgument) << QByteArray();
    }
    void sendString() {
        QFETCH(int, terminator);
        QFETCH(int, result);
        PtyPair pty;
        auto port = openPty(pty);
        QCOMPARE(SendString(*port, "LOCK", terminator), result);
        QTEST(pty.received(result == 0 ? 500 : 50), "line");
    }

    void drainInputEmptiesTheQueue() {
        PtyPair pty;
        auto port = openPty(pty);
        pty.send(QByteArray(300, 'x'));
        QCOMPARE(ReceivedCount(*port), 300);
        DrainInput(*port);
        QCOMPARE(ReceivedCount(*port), 0);
        QCOMPARE(ReadChar(*port), int(kSerialTimeout));
    }

    // The default hook keeps the application alive while a wait goes on.
    void waitsRunPendingEvents() {
        PtyPair pty;
        auto port = openPty(pty);
        bool fired = false;
        QTimer::singleShot(0, this, [&] { fired = true; });
        QCOMPARE(ReadCharTimed(*port, 50), int(kSerialTimeout));
        QVERIFY(fired);
    }

    void idleHookEndsAWait() {
        PtyPair pty;
        auto port = openPty(pty);
        SetIdleHook([](SerialPort &) { return -77; });
        const int result = ReadCharTimed(*port, 5000);
        SetIdleHook({});
        QCOMPARE(result, -77);
        QCOMPARE(port->status, -77);
    }

    void otherEndGoneEndsAWait() {
        auto pty = std::make_unique<PtyPair>();
        auto port = openPty(*pty);
        const QString path = pty->path();
        ::close(pty->master()); // the instrument's side hangs up
        const int result = ReadCharTimed(*port, -1);
        QVERIFY(result < 0 && result != kSerialTimeout);
        QVERIFY(port->status < 0);
    }

    void comPortsReachMappedDevices() {
        QCOMPARE(ComPortDevice(0), QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(ComPortDevice(9), QStringLiteral("/dev/ttyUSB9"));
        PtyPair pty;
        QVERIFY(SetComPortDevice(2, pty.path()));
        QVERIFY(QFile::exists(ComPortMapFile()));
        QCOMPARE(ComPortDevice(2), pty.path());
        QCOMPARE(ResolvePortName(QStringLiteral("com 3")), pty.path());
        QCOMPARE(ResolvePortName(QStringLiteral("COM10")), QStringLiteral("/dev/ttyUSB9"));
        QCOMPARE(ResolvePortName(QStringLiteral("/dev/ttyS0")), QStringLiteral("/dev/ttyS0"));
        auto port = OpenPort(2, 9600, 'N', 8, 1);
        QCOMPARE(port->status, 0);
        QCOMPARE(port->portIndex, 2);
        QCOMPARE(port->device, pty.path());
        QVERIFY(SetComPortDevice(2, QString()));
        QCOMPARE(ComPortDevice(2), QStringLiteral("/dev/ttyUSB2"));
    }
};

QTEST_GUILESS_MAIN(TestSerial)
#include "test_serial.moc"
