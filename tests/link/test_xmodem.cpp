// The XMODEM receiver against the instrument's sender on a fake line (in
// virtual time), against scripted senders for the protocol's corner cases,
// under seeded line faults, and against lrzsz's sx on a pseudo-terminal.

#include "fakeline.h"
#include "ptypair.h"
#include "survey/dump/crc16.h"
#include "survey/link/instrumentsession.h"
#include "survey/link/serialwait.h"
#include "survey/link/xmodemreceive.h"
#include "survey/sonvar-sim/xmodemsender.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <random>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

using namespace xmodem;

QByteArray imageOf(int size, uint32_t seed = 7) {
    std::mt19937 random(seed);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(random() & 0xFF);
    return bytes;
}

QByteArray padded(const QByteArray &data, int length) {
    return data + QByteArray(length - data.size(), char(XmodemSender::kFiller));
}

const QByteArray kCancelSequence = QByteArray(10, char(CAN)) + QByteArray(10, char(BS));

struct Outcome {
    int result = 0;
    QByteArray file;
    QByteArray sent;
    int64_t elapsed = 0;
};

// Runs one transfer on a fake line whose far end is `peer`, in virtual time.
Outcome receive(const QString &file, FakeLine::Peer peer,
                const std::function<void(FakeLine &)> &setUp = {}) {
    VirtualClock clock;
    ScopedLinkClock use(clock);
    auto line = std::make_unique<FakeLine>(std::move(peer));
    FakeLine *fake = line.get();
    if (setUp)
        setUp(*fake);
    auto port = AttachPort(std::move(line));
    Outcome outcome;
    outcome.result = XmodemReceive(*port, file);
    outcome.elapsed = clock.now();
    outcome.sent = fake->sent;
    QFile received(file);
    if (received.open(QIODevice::ReadOnly))
        outcome.file = received.readAll();
    return outcome;
}

FakeLine::Peer senderPeer(XmodemSender &sender) {
    return [&sender](uint8_t byte) { return sender.onByte(byte); };
}

} // namespace

class TestXmodem : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file() const { return m_dir.filePath(QStringLiteral("SONVAR.bin")); }

private slots:
    void receivesWhatTheInstrumentSends_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<bool>("checksumOnly");
        QTest::addColumn<int>("repeatEvery");
        QTest::newRow("128-byte blocks") << 1000 << int(BlockSizes::Small) << false << 0;
        QTest::newRow("1024-byte blocks") << 5000 << int(BlockSizes::Large) << false << 0;
        QTest::newRow("mixed blocks") << 7000 << int(BlockSizes::Mixed) << false << 0;
        QTest::newRow("exact multiple") << 2048 << int(BlockSizes::Large) << false << 0;
        QTest::newRow("checksum, 128") << 1000 << int(BlockSizes::Small) << true << 0;
        QTest::newRow("checksum, 1024") << 3000 << int(BlockSizes::Large) << true << 0;
        QTest::newRow("repeated blocks") << 3000 << int(BlockSizes::Small) << false << 2;
        QTest::newRow("block 256 is numbered 0")
            << 300 * 128 + 5 << int(BlockSizes::Small) << false << 0;
    }
    void receivesWhatTheInstrumentSends() {
        QFETCH(int, size);
        QFETCH(int, blocks);
        QFETCH(bool, checksumOnly);
        QFETCH(int, repeatEvery);
        const QByteArray image = imageOf(size);
        XmodemSender sender(image, {BlockSizes(blocks), checksumOnly, repeatEvery, false});
        const Outcome outcome = receive(file(), senderPeer(sender));
        QCOMPARE(outcome.result, 1);
        QVERIFY(sender.succeeded());
        QCOMPARE(outcome.file, padded(image, sender.lengthAcknowledged()));
        if (checksumOnly) {
            // Three requests for CRC go unanswered, then the checksum is asked.
            QVERIFY(outcome.sent.startsWith(QByteArray("CCC") + char(NAK)));
            QVERIFY(outcome.elapsed >= 15000);
        } else {
            // Answered at once: "C", then one ACK per block (and for EOT).
            QCOMPARE(outcome.sent, "C" + QByteArray(sender.blocksSent() + 1, char(ACK)));
        }
    }

    void singleCanIsOneFailedWait() {
        const QByteArray image = imageOf(300);
        XmodemSender sender(image, {BlockSizes::Small, false, 0, false});
        bool first = true;
        const Outcome outcome = receive(file(), [&](uint8_t byte) {
            QByteArray answer = sender.onByte(byte);
            if (std::exchange(first, false))
                answer.prepend(char(CAN));
            return answer;
        });
        QCOMPARE(outcome.result, 1);
        QCOMPARE(outcome.file, padded(image, 384));
        QVERIFY(!outcome.sent.contains(kCancelSequence));
    }

    void canCanCancels() {
        XmodemSender sender(imageOf(300), {BlockSizes::Small, false, 0, true});
        const Outcome outcome = receive(file(), senderPeer(sender));
        QCOMPARE(outcome.result, int(kXmodemCancelled));
        // The first CAN is one failed wait, the second one cancels.
        QCOMPARE(outcome.sent, "CC" + kCancelSequence);
    }

    void silentLineGivesUpAfterTenWaits() {
        const Outcome outcome = receive(file(), [](uint8_t) { return QByteArray(); });
        QCOMPARE(outcome.result, int(kXmodemNoHeader));
        QCOMPARE(outcome.sent, "CCC" + QByteArray(8, char(NAK)) + kCancelSequence);
        QCOMPARE(outcome.elapsed, 10 * 5000 + 1000);
        QVERIFY(QFile::exists(file()));
        QCOMPARE(outcome.file.size(), 0);
    }

    void damagedBlockNumberIsRefusedAndSentAgain() {
        const QByteArray image = imageOf(600);
        XmodemSender sender(image, {BlockSizes::Small, false, 0, false});
        int blocks = 0;
        const Outcome outcome = receive(file(), [&](uint8_t byte) {
            QByteArray answer = sender.onByte(byte);
            if (!answer.isEmpty() && answer[0] == char(SOH) && ++blocks == 2)
                answer[2] = char(answer[2] ^ 0x40); // the complement of block 2
            return answer;
        });
        QCOMPARE(outcome.result, 1);
        QCOMPARE(outcome.file, padded(image, 640));
        QCOMPARE(outcome.sent.count(char(NAK)), 2); // at once, and after the silence
    }

    void wrongCrcTenTimesFails() {
        XmodemSender sender(imageOf(300), {BlockSizes::Small, false, 0, false});
        const Outcome outcome = receive(file(), [&](uint8_t byte) {
            QByteArray answer = sender.onByte(byte);
            if (answer.size() > 100)
                answer[10] = char(answer[10] ^ 1);
            return answer;
        });
        QCOMPARE(outcome.result, int(kXmodemTooManyErrors));
        QVERIFY(outcome.sent.endsWith(kCancelSequence));
    }

    void unexpectedBlockNumberIsRefused() {
        // A block 3 where block 2 is due: NAK, then the sender goes back.
        const QByteArray image = imageOf(400);
        XmodemSender sender(image, {BlockSizes::Small, false, 0, false});
        XmodemSender ahead(image.mid(128), {BlockSizes::Small, false, 0, false});
        int acks = 0;
        const Outcome outcome = receive(file(), [&](uint8_t byte) {
            QByteArray answer = sender.onByte(byte);
            if (byte == ACK && ++acks == 1) {
                QByteArray wrong = ahead.onByte('C'); // block 1 of the rest...
                wrong[1] = 3;                         // ...numbered 3
                wrong[2] = char(252);
                return wrong;
            }
            return answer;
        });
        QCOMPARE(outcome.result, 1);
        QCOMPARE(outcome.file, padded(image, 512));
        QVERIFY(outcome.sent.contains(char(NAK)));
    }

    void partialFileStaysAfterFailure() {
        const QByteArray image = imageOf(1000);
        XmodemSender sender(image, {BlockSizes::Small, false, 0, false});
        int acks = 0;
        const Outcome outcome = receive(file(), [&](uint8_t byte) {
            if (byte == ACK && ++acks == 3)
                return QByteArray(2, char(CAN));
            return sender.onByte(byte);
        });
        QCOMPARE(outcome.result, int(kXmodemCancelled));
        QCOMPARE(outcome.file, image.left(384));
    }

    void fileThatCannotBeCreated() {
        const Outcome outcome = receive(m_dir.filePath(QStringLiteral("missing/SONVAR.bin")),
                                        [](uint8_t) { return QByteArray(); });
        QCOMPARE(outcome.result, int(kXmodemCantCreateFile));
        QCOMPARE(outcome.sent, kCancelSequence);
    }

    void fullTransmitQueue() {
        const Outcome outcome = receive(
            file(), [](uint8_t) { return QByteArray(); },
            [](FakeLine &line) { line.refuseWrites = true; });
        // "C" could not go within 30 seconds, nor the cancel sequence in 60.
        QCOMPARE(outcome.result, int(kXmodemCantCancel));
        QVERIFY(outcome.elapsed >= 90000);
    }

    // The instrument's image through a noisy line: every transfer ends with
    // the exact image, or with a negative code, or with an image whose CRC
    // shows it is wrong; never a wrong image that passes.
    void faultsNeverPassAsSuccess() {
        int exact = 0, refused = 0, caught = 0;
        for (uint32_t seed = 1; seed <= 200; ++seed) {
            const QByteArray image = imageOf(3000 + int(seed % 7) * 500, seed);
            const auto blocks = BlockSizes(seed % 3);
            XmodemSender sender(image, {blocks, seed % 4 == 0, 0, false});
            LineFaults toReceiver(0.0005, seed);
            LineFaults toSender(0.01, seed + 1000);
            const Outcome outcome = receive(file(), senderPeer(sender), [&](FakeLine &line) {
                line.toReceiver = &toReceiver;
                line.toPeer = &toSender;
            });
            const uint16_t crc = Crc16(reinterpret_cast<const uint8_t *>(image.constData()),
                                       size_t(image.size()), 0);
            const bool matches = ReceivedImageMatches(file(), int(image.size()), crc);
            if (outcome.result < 0) {
                ++refused;
            } else if (outcome.file.left(image.size()) == image) {
                ++exact;
                QVERIFY(matches);
            } else {
                ++caught;
                QVERIFY2(!matches, qPrintable(QStringLiteral("seed %1").arg(seed)));
            }
        }
        qInfo("200 noisy transfers: %d exact, %d failed, %d caught by the CRC", exact, refused,
              caught);
        QVERIFY(exact >= 150);
    }

    // A lost SOH before block 4 leaves the block number 4 as the next byte:
    // EOT to the receiver, which ends with success and a short file. Only the
    // CRC the instrument announced tells that the image is wrong.
    void lostHeaderBecomesEndOfTransfer() {
        const QByteArray image = imageOf(1000);
        XmodemSender sender(image, {BlockSizes::Small, false, 0, false});
        const Outcome outcome = receive(file(), [&](uint8_t byte) {
            QByteArray answer = sender.onByte(byte);
            if (answer.size() > 2 && answer[0] == char(SOH) && answer[1] == 4)
                answer.remove(0, 1);
            return answer;
        });
        QCOMPARE(outcome.result, 1);
        QCOMPARE(outcome.file, image.left(384));
        const uint16_t crc =
            Crc16(reinterpret_cast<const uint8_t *>(image.constData()), size_t(image.size()), 0);
        QVERIFY(!ReceivedImageMatches(file(), int(image.size()), crc));
    }

    // lrzsz's sx, an independent sender, on the master side of a terminal.
    void interoperatesWithSx_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("checksum");
        QTest::newRow("128-byte blocks") << QStringList() << 3000 << false;
        QTest::newRow("1K blocks") << QStringList{QStringLiteral("-k")} << 5000 << false;
        QTest::newRow("checksum fall-back") << QStringList() << 2000 << true;
    }
    void interoperatesWithSx() {
        QFETCH(QStringList, options);
        QFETCH(int, size);
        QFETCH(bool, checksum);
        const QString sx = QStandardPaths::findExecutable(QStringLiteral("sx"));
        if (sx.isEmpty())
            QSKIP("sx (lrzsz) is not installed");
        const QByteArray image = imageOf(size, 99);
        const QString source = m_dir.filePath(QStringLiteral("source.bin"));
        {
            QFile out(source);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(image);
        }
        PtyPair pty;
        auto port = OpenPortDevice(pty.path(), 9600, 'N', 8, 1);
        QCOMPARE(port->status, 0);
        // sx shares the master's open file: it expects blocking reads.
        ::fcntl(pty.master(), F_SETFL, ::fcntl(pty.master(), F_GETFL) & ~O_NONBLOCK);

        pid_t pid = -1;
        auto startSx = [&] {
            posix_spawn_file_actions_t actions;
            posix_spawn_file_actions_init(&actions);
            posix_spawn_file_actions_adddup2(&actions, pty.master(), 0);
            posix_spawn_file_actions_adddup2(&actions, pty.master(), 1);
            posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
            QList<QByteArray> args{sx.toLocal8Bit()};
            for (const QString &option : options)
                args << option.toLocal8Bit();
            args << source.toLocal8Bit();
            std::vector<char *> argv;
            for (QByteArray &arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
            posix_spawn_file_actions_destroy(&actions);
        };

        // For the fall-back, sx is started only once the receiver has given up
        // on CRC: its three "C" are swallowed, as by a sender that ignores them.
        FastForwardClock clock(150);
        ScopedLinkClock use(clock);
        if (checksum) {
            SetIdleHook([&](SerialPort &) {
                char byte = 0;
                pollfd entry{pty.master(), POLLIN, 0};
                if (pid < 0 && ::poll(&entry, 1, 0) > 0 && ::read(pty.master(), &byte, 1) == 1 &&
                    byte == char(NAK))
                    startSx();
                return 0;
            });
        } else {
            startSx();
        }
        const int result = XmodemReceive(*port, file());
        SetIdleHook({});
        int status = 0;
        if (pid > 0)
            ::waitpid(pid, &status, 0);
        QCOMPARE(result, 1);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QFile received(file());
        QVERIFY(received.open(QIODevice::ReadOnly));
        const QByteArray bytes = received.readAll();
        QCOMPARE(bytes.left(size), image);
        QCOMPARE(bytes.size() % 128, 0);
        QVERIFY(bytes.size() - size < 1024);
        QCOMPARE(bytes.mid(size), QByteArray(bytes.size() - size, char(XmodemSender::kFiller)));
    }
};

QTEST_GUILESS_MAIN(TestXmodem)
#include "test_xmodem.moc"
