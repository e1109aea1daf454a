// Imports a generated survey document of 1,000,000 values and prints the
// throughput, the peak memory per stored value, and the time `wc -l` takes on
// the same file for comparison. Run by hand: build/bench/store/bench_import

#include "kalvo/store/tmd.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

constexpr int kSurveys = 1000;
constexpr int kValuesPerSurvey = 1000;

void writeDocument(const QString &path) {
    std::ofstream out(path.toStdString(), std::ios::binary);
    char line[64];
    for (int s = 0; s < kSurveys; ++s) {
        out << "Survey started on Mon Mar 12 10:20:30 2007\n\n measurements = " << kValuesPerSurvey
            << "\nSerial switchbox " << 100 + s % 7 << "\nSerial number SONVAR 2002\n"
            << "Serial number PCB SONVAR 3003\nPressure = 300 mBar\n"
            << "Base measurement for black sensor =  23.4\tdB\xB5V\n"
            << "Base measurement for red sensor =  -4.5\tdB\xB5V\n"
            << "Reference: TANK " << s << "\n";
        for (int v = 0; v < kValuesPerSurvey; ++v) {
            const int tenths = (v * 37 + s) % 1500 - 500;
            std::snprintf(line, sizeof line, "%5.1f\tdB\xB5V \t%s sensor \n", tenths / 10.0,
                          v % 2 ? "Black" : "Red");
            out << line;
        }
        out << "\n\n\n\n";
    }
}

// Kernel counters of this process, in kB.
long statusKb(const char *field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').value(0).toLong();
    return -1;
}

void resetPeakRss() {
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    if (clearRefs.open(QIODevice::WriteOnly))
        clearRefs.write("5");
}

template <typename F> double bestSeconds(int runs, F &&run) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        best = std::min(best, timer.nsecsElapsed() / 1e9);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.VEK"));
    writeDocument(path);
    const double megabytes = QFileInfo(path).size() / 1e6;
    const long values = long(kSurveys) * kValuesPerSurvey;

    const double wcSeconds = bestSeconds(5, [&] {
        QProcess wc;
        wc.start(QStringLiteral("wc"), {QStringLiteral("-l"), path});
        wc.waitForFinished();
    });

    TMD store;
    resetPeakRss();
    const long rssBefore = statusKb("VmRSS:");
    store.importSurveyDocument(path, false);
    const long peak = statusKb("VmHWM:");
    if (store.surveyCount() != kSurveys)
        return std::fprintf(stderr, "imported %d surveys\n", store.surveyCount()), 1;

    const double importSeconds = bestSeconds(5, [&] { store.importSurveyDocument(path, false); });

    std::printf("document: %.1f MB, %ld values in %d surveys\n", megabytes, values, kSurveys);
    std::printf("import:   %.1f ms, %.0f MB/s\n", importSeconds * 1e3, megabytes / importSeconds);
    std::printf("wc -l:    %.1f ms (process start included); import / wc -l = %.1f\n",
                wcSeconds * 1e3, importSeconds / wcSeconds);
    std::printf("memory:   peak %.1f bytes per stored value (rss %ld kB before, peak %ld kB)\n",
                (peak - rssBefore) * 1024.0 / values, rssBefore, peak);
    return 0;
}
