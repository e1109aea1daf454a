// Opening a large survey document in the main window: the time from the open
// dialog's OK to the filled lists, with "Loading..." painted first.
//     bench_open_document [SURVEYS [VALUES_PER_SURVEY [RUNS]]]
// Defaults: 10000 surveys of 40 values, 5 runs. Runs headless
// (QT_QPA_PLATFORM=offscreen is set when no platform is given).
#include "common/ui/scriptedplatform.h"
#include "kalvo/app/application.h"
#include "kalvo/app/forms.h"
#include "kalvo/app/menu.h"
#include "kalvo/app/preferences.h"
#include "kalvo/store/tmd.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A document as Survey writes it: `surveys` blocks of `values` values each,
// over a handful of references and two measuring sets.
QByteArray makeDocument(int surveys, int values) {
    QByteArray document;
    document.reserve(qsizetype(surveys) * (260 + values * 26));
    const char *days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int s = 0; s < surveys; ++s) {
        char line[128];
        std::snprintf(line, sizeof line, "Survey started on %s Mar %02d %02d:%02d:%02d 2007\n",
                      days[s % 7], 1 + s % 28, s / 3600 % 24, s / 60 % 60, s % 60);
        document += line;
        std::snprintf(line, sizeof line, "\n measurements = %d\n", values);
        document += line;
        document += s % 2 ? "Serial switchbox 1001\nSerial number SONVAR 52017\n"
                            "Serial number PCB SONVAR 72305\n"
                          : "Serial switchbox 1044\nSerial number SONVAR 52230\n"
                            "Serial number PCB SONVAR 72311\n";
        document += "Pressure = 300 mBar\n";
        document += "Base measurement for black sensor =  12.3\tdB\xb5V\n";
        document += "Base measurement for red sensor =  15.6\tdB\xb5V\n";
        std::snprintf(line, sizeof line, "Reference: TANK %d\n", s % 50);
        document += line;
        for (int v = 0; v < values; ++v) {
            std::snprintf(line, sizeof line, "%5.1f\tdB\xb5V \t%s sensor \n",
                          (100 + (s * 7 + v * 13) % 200) / 10.0, v % 2 ? "Black" : "Red");
            document += line;
        }
        document += "\n\n\n\n";
    }
    return document;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    KalvoApplication application(argc, argv);
    const int surveys = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int values = argc > 2 ? std::atoi(argv[2]) : 40;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 5;

    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Data"));
    const QString path = folder.filePath(QStringLiteral("Data/LARGE.VEK"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(makeDocument(surveys, values)) < 0)
            return 1;
    }
    setProgramFolder(folder.path());
    auto scripted = std::make_unique<ScriptedPlatform>();
    ScriptedPlatform &platform = *scripted;
    setPlatform(std::move(scripted));

    KalvoForms forms;
    Form1->resize(1280, 760);
    Form1->show();
    QCoreApplication::processEvents();

    // Watches the pane's paints: "Loading..." must be painted before the lists fill.
    struct Watcher : QObject {
        bool loadingPainted = false;
        bool eventFilter(QObject *, QEvent *event) override {
            if (event->type() == QEvent::Paint &&
                Form1->RichEdit1->toPlainText() == QLatin1String("Loading..."))
                loadingPainted = true;
            return false;
        }
    } watcher;
    Form1->RichEdit1->viewport()->installEventFilter(&watcher);

    std::vector<double> importMs, totalMs;
    for (int run = 0; run < runs; ++run) {
        // The import alone first, then the whole Open file on top of it.
        QElapsedTimer import;
        import.start();
        MD->importSurveyDocument(path, false);
        importMs.push_back(double(import.nsecsElapsed()) / 1e6);
        platform.queueFileName(path);
        QElapsedTimer total;
        total.start();
        Form1->Button1Click(); // the scripted dialog answers at once: OK
        totalMs.push_back(double(total.nsecsElapsed()) / 1e6);
    }
    std::sort(importMs.begin(), importMs.end());
    std::sort(totalMs.begin(), totalMs.end());
    std::printf("document: %d surveys x %d values, %lld bytes\n", surveys, values,
                QFileInfo(path).size());
    std::printf("lists filled: %d dates, %d references\n", Form1->ComboBox->count(),
                Form1->ComboBoxRef->count());
    std::printf("'Loading...' painted before the import: %s\n",
                watcher.loadingPainted ? "yes" : "NO");
    std::printf("OK to filled lists: median %.1f ms (min %.1f, max %.1f) over %d runs\n",
                totalMs[totalMs.size() / 2], totalMs.front(), totalMs.back(), runs);
    std::printf("  of which the import alone: median %.1f ms\n", importMs[importMs.size() / 2]);
    return 0;
}
