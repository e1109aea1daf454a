// sonvar-sim: a simulated SONVAR instrument on a new pseudo-terminal. It
// prints the terminal's path (and links it at --link PATH) and serves the
// memory image IMAGE to Survey or sonvar-download until it is stopped.

#include "survey/sonvar-sim/linefaults.h"
#include "survey/sonvar-sim/simulatedinstrument.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;
void onSignal(int) {
    g_stop = 1;
}

using Clock = std::chrono::steady_clock;

// What the instrument sends, let out at the pace of a 9600-baud line (960
// bytes a second) or at once.
class Transmitter {
public:
    Transmitter(int fd, bool paced) : m_fd(fd), m_paced(paced) {}

    void queue(const QByteArray &bytes) {
        if (m_pending.isEmpty())
            m_next = std::max(m_next, Clock::now());
        m_pending += bytes;
    }

    // Sends what is due; returns the milliseconds until more is due (-1: none).
    int send() {
        if (m_pending.isEmpty())
            return -1;
        qsizetype due = m_pending.size();
        const auto now = Clock::now();
        if (m_paced) {
            if (now < m_next)
                return int(std::chrono::ceil<std::chrono::milliseconds>(m_next - now).count());
            // A UART lets out a few bytes per wake-up; more when we are late.
            due = std::min<qsizetype>(m_pending.size(), 1 + (now - m_next) / kByteTime);
        }
        const ssize_t wrote = ::write(m_fd, m_pending.constData(), size_t(due));
        if (wrote > 0) {
            m_pending.remove(0, wrote);
            m_next += wrote * kByteTime;
        }
        if (m_pending.isEmpty())
            return -1;
        return m_paced
                   ? std::max(
                         1, int(std::chrono::ceil<std::chrono::milliseconds>(m_next - Clock::now())
                                    .count()))
                   : 1;
    }

private:
    // One byte of 10 bits (start, 8 data, stop) at 9600 baud.
    static constexpr std::chrono::nanoseconds kByteTime{1'000'000'000 / 960};
    int m_fd;
    bool m_paced;
    QByteArray m_pending;
    Clock::time_point m_next{};
};

bool parseHex(const QString &text, uint32_t &value) {
    bool ok = false;
    value = text.toUInt(&ok, 16);
    return ok;
}

int fail(const QString &text) {
    std::fprintf(stderr, "sonvar-sim: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sonvar-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated SONVAR instrument serving IMAGE on a new pseudo-terminal, whose path it "
        "prints. Survey reaches it through a COM port mapped to that path."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("IMAGE"), QStringLiteral("the memory image"));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Also reach the terminal at PATH (a symlink)."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption block(QStringLiteral("block"),
                                   QStringLiteral("Block size: 128, 1024 (default) or mixed."),
                                   QStringLiteral("SIZE"), QStringLiteral("1024"));
    const QCommandLineOption checksum(QStringLiteral("checksum-only"),
                                      QStringLiteral("Ignore \"C\"; send with the checksum."));
    const QCommandLineOption ok(QStringLiteral("ok"),
                                QStringLiteral("How \"OK\" ends: lf (default), lfcr or crlf."),
                                QStringLiteral("ENDING"), QStringLiteral("lf"));
    const QCommandLineOption silent(QStringLiteral("silent"), QStringLiteral("Answer nothing."));
    const QCommandLineOption bad(QStringLiteral("bad"),
                                 QStringLiteral("Refuse the download: answer \"BAD\"."));
    const QCommandLineOption answer(QStringLiteral("answer"),
                                    QStringLiteral("Answer DOWNLOAD with TEXT, sending nothing."),
                                    QStringLiteral("TEXT"));
    const QCommandLineOption length(QStringLiteral("length"),
                                    QStringLiteral("Announce this length (hexadecimal)."),
                                    QStringLiteral("HEX"));
    const QCommandLineOption crc(QStringLiteral("crc"),
                                 QStringLiteral("Announce this CRC (hexadecimal)."),
                                 QStringLiteral("HEX"));
    const QCommandLineOption repeat(QStringLiteral("repeat"),
                                    QStringLiteral("Send every N-th block twice."),
                                    QStringLiteral("N"));
    const QCommandLineOption cancel(QStringLiteral("cancel"),
                                    QStringLiteral("Cancel every transfer with CAN CAN."));
    const QCommandLineOption faults(
        QStringLiteral("faults"),
        QStringLiteral("Lose or change transferred bytes with probability RATE."),
        QStringLiteral("RATE"));
    const QCommandLineOption seed(QStringLiteral("seed"),
                                  QStringLiteral("Seed of the line faults (default 1)."),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption pace(
        QStringLiteral("pace"), QStringLiteral("Send at 960 bytes a second, as a 9600-baud line."));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Append every command byte received to FILE."),
                                 QStringLiteral("FILE"));
    parser.addOptions({link, block, checksum, ok, silent, bad, answer, length, crc, repeat, cancel,
                       faults, seed, pace, log});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);

    QFile imageFile(parser.positionalArguments().constFirst());
    if (!imageFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2")
                        .arg(imageFile.fileName(), imageFile.errorString()));
    const QByteArray memory = imageFile.readAll();

    InstrumentOptions options;
    const QString blockSize = parser.value(block);
    if (blockSize == u"128")
        options.xmodem.blocks = BlockSizes::Small;
    else if (blockSize == u"mixed")
        options.xmodem.blocks = BlockSizes::Mixed;
    else if (blockSize != u"1024")
        return fail(QStringLiteral("--block takes 128, 1024 or mixed"));
    options.xmodem.checksumOnly = parser.isSet(checksum);
    options.xmodem.repeatEvery = parser.value(repeat).toInt();
    options.xmodem.cancel = parser.isSet(cancel);
    const QString ending = parser.value(ok);
    if (ending == u"lfcr")
        options.okEnding = InstrumentOptions::OkEnding::LfCr;
    else if (ending == u"crlf")
        options.okEnding = InstrumentOptions::OkEnding::CrLf;
    else if (ending != u"lf")
        return fail(QStringLiteral("--ok takes lf, lfcr or crlf"));
    options.silent = parser.isSet(silent);
    if (parser.isSet(bad))
        options.downloadAnswer = QByteArray("BAD\n");
    if (parser.isSet(answer))
        options.downloadAnswer = parser.value(answer).toLatin1();
    uint32_t hex = 0;
    if (parser.isSet(length)) {
        if (!parseHex(parser.value(length), hex))
            return fail(QStringLiteral("--length takes a hexadecimal number"));
        options.length = hex;
    }
    if (parser.isSet(crc)) {
        if (!parseHex(parser.value(crc), hex))
            return fail(QStringLiteral("--crc takes a hexadecimal number"));
        options.crc = hex;
    }
    LineFaults lineFaults(parser.value(faults).toDouble(), parser.value(seed).toUInt());

    int master = -1;
    int slave = -1;
    char name[256] = {};
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B9600);
    ::cfsetospeed(&raw, B9600);
    if (::openpty(&master, &slave, name, &raw, nullptr) != 0)
        return fail(QStringLiteral("cannot open a pseudo-terminal"));
    // Our own hold on the terminal keeps it alive between two sessions.
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    const QString linkPath = parser.value(link);
    if (!linkPath.isEmpty()) {
        QFile::remove(linkPath);
        if (!QFile::link(QString::fromLocal8Bit(name), linkPath))
            return fail(QStringLiteral("cannot link %1").arg(linkPath));
    }
    std::printf("%s\n", name);
    std::fflush(stdout);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);

    QFile logFile(parser.value(log));
    if (parser.isSet(log) && !logFile.open(QIODevice::WriteOnly | QIODevice::Append))
        return fail(QStringLiteral("cannot write %1").arg(logFile.fileName()));

    SimulatedInstrument instrument(memory, options);
    Transmitter transmitter(master, parser.isSet(pace));
    int timeout = -1;
    while (!g_stop) {
        pollfd entry{master, POLLIN, 0};
        const int ready = ::poll(&entry, 1, timeout);
        if (ready > 0 && (entry.revents & POLLIN)) {
            char buffer[512];
            const ssize_t got = ::read(master, buffer, sizeof buffer);
            if (got > 0) {
                const qsizetype logged = instrument.commandLog().size();
                const bool wasTransferring = instrument.transferring();
                QByteArray answer = instrument.onBytes(QByteArray(buffer, int(got)));
                if (wasTransferring || instrument.transferring())
                    answer = lineFaults.apply(answer);
                transmitter.queue(answer);
                if (logFile.isOpen() && instrument.commandLog().size() > logged) {
                    logFile.write(instrument.commandLog().mid(logged));
                    logFile.flush();
                }
            }
        }
        timeout = transmitter.send();
    }
    if (!linkPath.isEmpty())
        QFile::remove(linkPath);
    ::close(slave);
    ::close(master);
    return 0;
}
