// A whole sonvar-download from sonvar-sim pacing a 64 KB image at 960 bytes a
// second (a 9600-baud line). Prints the wall time against the line's limit
// (every byte of the exchange at 960 bytes a second plus the session's fixed
// pauses and answer waits) and the processor time of sonvar-download.
// Takes about 80 seconds. Run by hand: build/bench/link/bench_download

#include "survey/dump/dumpimage.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int kImageSize = 64 * 1024;

// Survey records of 40 levels each, then the end byte, filling 64 KB.
QByteArray image() {
    std::vector<uint8_t> bytes;
    SurveyRecord record;
    record.pressure = 1500;
    record.reference = "BENCH";
    for (int i = 0; i < 40; ++i)
        record.levels.push_back({i % 2 ? Sensor::Black : Sensor::Red, int16_t(200 + i)});
    while (bytes.size() + 62 + 80 < kImageSize) {
        record.startTime += 3600;
        AppendSurveyRecord(bytes, record);
    }
    bytes.resize(kImageSize, 0xFF);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), kImageSize);
}

double seconds(const timeval &time) {
    return double(time.tv_sec) + time.tv_usec / 1e6;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString imagePath = folder.filePath(QStringLiteral("memory.bin"));
    {
        QFile file(imagePath);
        if (!file.open(QIODevice::WriteOnly) || file.write(image()) != kImageSize)
            return 1;
    }
    QProcess sim;
    sim.start(QStringLiteral(DIST_DATA_DIR "/sonvar-sim"), {QStringLiteral("--pace"), imagePath});
    if (!sim.waitForReadyRead(5000))
        return 1;
    const QByteArray device = sim.readLine().trimmed();

    const QByteArray program = DIST_DATA_DIR "/sonvar-download";
    QByteArray document = folder.filePath(QStringLiteral("bench.VEK")).toLocal8Bit();
    QByteArray portOption = "--port";
    QByteArray portValue = device;
    QByteArray programCopy = program;
    char *arguments[] = {programCopy.data(), portOption.data(), portValue.data(), document.data(),
                         nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const QByteArray workingDir = folder.path().toLocal8Bit();
    if (::chdir(workingDir.constData()) != 0)
        return 1;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = -1;
    if (posix_spawn(&pid, program.constData(), &actions, nullptr, arguments, environ) != 0)
        return 1;
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    sim.terminate();
    sim.waitForFinished(3000);

    // Every byte of the exchange at 960 bytes a second: the instrument sends
    // "OK" LF, the 15-byte answer, 64 blocks of 1024 bytes (3 header and 2
    // CRC bytes each) and EOT; Survey sends the five commands with their LF,
    // "C" and one ACK per block and for the EOT.
    const int blocks = kImageSize / 1024;
    const int fromInstrument = 3 + 15 + blocks * 1029 + 1;
    const int toInstrument = 7 + 9 + 1 + 15 + 5 + 1 + blocks + 1;
    const double line = (fromInstrument + toInstrument) / 960.0;
    // Fixed pauses 50 + 50 + 1000 + 5000 + 150 ms and the conversion's 50 ms;
    // the wait for a byte after "OK" LF (500 ms); the three commands that get
    // no answer wait 500 ms for a line and 500 ms for a byte.
    const double fixed = (6250 + 50 + 500 + 3 * 1000) / 1000.0;
    const double limit = line + fixed;
    const double cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    std::printf("sonvar-download of a 64 KB image at 960 bytes/s (exit status %d)\n",
                WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    std::printf("  line time        %7.2f s  (%d + %d bytes)\n", line, fromInstrument,
                toInstrument);
    std::printf("  fixed waits      %7.2f s\n", fixed);
    std::printf("  limit            %7.2f s\n", limit);
    std::printf("  wall time        %7.2f s  (%+.2f %% of the limit)\n", wall,
                100.0 * (wall - limit) / limit);
    std::printf("  processor time   %7.3f s  (user %.3f, system %.3f; %.2f %% of wall)\n", cpu,
                seconds(usage.ru_utime), seconds(usage.ru_stime), 100.0 * cpu / wall);
    std::printf("  peak memory      %7ld KB\n", usage.ru_maxrss);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
