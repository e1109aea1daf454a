// kalvo-inspect [--nobase] DOCUMENT: imports a survey document as KALVO's
// "Open file" does and prints the store as JSON.

#include "kalvo/tools/storejson.h"
#include "kalvo/store/importfailure.h"
#include "kalvo/store/tmd.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool noBase = arguments.removeAll(QStringLiteral("--nobase")) > 0;
    if (arguments.size() != 1 || arguments.first().startsWith(QLatin1String("--"))) {
        std::fputs("usage: kalvo-inspect [--nobase] DOCUMENT\n", stderr);
        return 1;
    }
    TMD store;
    try {
        store.importSurveyDocument(arguments.first(), noBase);
    } catch (const ImportFailure &failure) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(arguments.first()), failure.what());
        return 1;
    }
    const QByteArray json = storeToJson(store);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
