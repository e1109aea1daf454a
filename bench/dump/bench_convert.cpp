// Converts a generated 16 MB memory image as the download does (SONVAR.bin
// read, SONVAR.bak appended, CRC checked, document written) and prints the
// throughput in MB of image per second. Run by hand:
// build/bench/dump/bench_convert [runs [folder]]

#include "survey/dump/convertdump.h"
#include "survey/dump/crc16.h"
#include "survey/dump/dumpimage.h"
#include "survey/dump/dumpwalk.h"
#include "survey/dump/surveydocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

namespace {

constexpr size_t kImageBytes = 16u << 20;

// Surveys of 200 to 2000 levels, mostly below 100.0 dBµV, with a few other
// records between them, as a well-used instrument's memory looks.
std::vector<uint8_t> generateImage() {
    std::mt19937 random(20261211);
    std::vector<uint8_t> image;
    image.reserve(kImageBytes + 8192);
    uint32_t start = 1700000000;
    while (image.size() < kImageBytes - 4200) {
        SurveyRecord survey;
        survey.startTime = start += 3600;
        survey.switchBoxSerial = 1000 + random() % 10;
        survey.instrumentSerial = 2002;
        survey.boardSerial = 3003;
        survey.pressure = int16_t(random() % 600);
        survey.baseBlack = int16_t(random() % 400);
        if (random() % 4 != 0)
            survey.baseRed = int16_t(random() % 400);
        survey.reference = "TANK " + std::to_string(random() % 100);
        const size_t levels = 200 + random() % 1801;
        for (size_t i = 0; i < levels; ++i) {
            const auto tenths = int16_t(int(random() % 1100) - 500 + (i % 50 == 0 ? 800 : 0));
            survey.levels.push_back(LevelEntry{i % 2 ? Sensor::Black : Sensor::Red, tenths});
        }
        AppendOtherRecord(image, uint8_t(random() % 0x80));
        AppendSurveyRecord(image, survey);
        AppendOtherRecord(image, 0x80 + uint8_t(random() % 0x3F));
    }
    image.resize(kImageBytes, 0xFF);
    return image;
}

// Takes the document's bytes and drops them: the walk, decoding and
// formatting without the file system.
class DiscardDevice : public QIODevice {
public:
    DiscardDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override { return length; }
};

double convertInMemory(const std::vector<uint8_t> &image) {
    QElapsedTimer timer;
    timer.start();
    DiscardDevice device;
    SurveyDocument document(device);
    WalkDump(image.data(), image.size(), [&document](const uint8_t *record) {
        WriteSurveyBlock(document, DecodeSurveyRecord(record));
    });
    document.flush();
    return double(timer.nsecsElapsed()) / 1e9;
}

// The file system's share: the same number of bytes written and committed
// through QSaveFile, one write per megabyte.
double writeOnly(qint64 bytes) {
    const QByteArray chunk(1 << 20, 'x');
    QElapsedTimer timer;
    timer.start();
    QSaveFile file(QStringLiteral("plain.VEK"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 0;
    for (qint64 left = bytes; left > 0; left -= chunk.size())
        file.write(chunk.constData(), std::min<qint64>(left, chunk.size()));
    file.commit();
    return double(timer.nsecsElapsed()) / 1e9;
}

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    // A second argument chooses the file system to work on (e.g. /dev/shm).
    QTemporaryDir folder(
        argc > 2 ? QString::fromLocal8Bit(argv[2]) + QStringLiteral("/bench-XXXXXX") : QString());
    if (!folder.isValid() || !QDir::setCurrent(folder.path()))
        return 1;

    const std::vector<uint8_t> image = generateImage();
    QFile bin(QStringLiteral("SONVAR.bin"));
    if (!bin.open(QIODevice::WriteOnly) || bin.write(reinterpret_cast<const char *>(image.data()),
                                                     qint64(image.size())) != qint64(image.size()))
        return 1;
    bin.close();
    const uint16_t crc = Crc16(image.data(), image.size(), 0);

    DumpReport report;
    report.message = [](const DumpMessage &message) {
        std::fprintf(stderr, "%s\n", qPrintable(message.text));
    };
    std::vector<double> inMemory;
    for (int run = 0; run < runs; ++run)
        inMemory.push_back(convertInMemory(image));
    std::vector<double> crcSeconds;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (Crc16(image.data(), image.size(), 0) != crc)
            return 1;
        crcSeconds.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    std::vector<double> seconds;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        QFile::remove(QStringLiteral("SONVAR.bak"));
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = cpuSeconds();
        if (!ConvertDump(QStringLiteral("bench.VEK"), int64_t(image.size()), crc,
                         DumpLanguage::English, report))
            return 1;
        seconds.push_back(double(timer.nsecsElapsed()) / 1e9);
        cpu.push_back(cpuSeconds() - cpuStart);
    }
    const qint64 documentBytes = QFileInfo(QStringLiteral("bench.VEK")).size();
    std::vector<double> plain;
    for (int run = 0; run < runs; ++run)
        plain.push_back(writeOnly(documentBytes));
    const double megabytes = double(image.size()) / 1e6;
    const double document = double(documentBytes) / 1e6;
    std::printf("image %.1f MB, document %.1f MB, median of %d runs\n", megabytes, document, runs);
    const double memory = median(inMemory);
    std::printf("walk, decode, format (document discarded): %.3f s, %.0f MB/s of image\n", memory,
                megabytes / memory);
    const double crcTime = median(crcSeconds);
    std::printf("Crc16 of the image alone: %.3f s, %.0f MB/s\n", crcTime, megabytes / crcTime);
    const double whole = median(seconds);
    std::printf("ConvertDump to files (%.0f MB/s of document written): %.3f s, %.0f MB/s of "
                "image\n",
                document / whole, whole, megabytes / whole);
    const double busy = median(cpu);
    std::printf("  of which processor time: %.3f s, %.0f MB/s of image\n", busy, megabytes / busy);
    const double floor = median(plain);
    std::printf("writing %.1f MB of anything through QSaveFile alone: %.3f s (%.0f MB/s)\n",
                document, floor, document / floor);
    return 0;
}
