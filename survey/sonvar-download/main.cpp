// sonvar-download: the downloader's Get data without a window. It empties
// DOCUMENT, runs the session with the instrument on the given port (a device
// path, or COMn through the per-user device map), then converts SONVAR.bin
// (archived in SONVAR.bak) of the current folder into DOCUMENT. Messages go
// to standard error, progress to standard output; exit status 0 on success.

#include "survey/dump/convertdump.h"
#include "survey/link/comportmap.h"
#include "survey/link/instrumentsession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <cstdio>

namespace {

void printMessage(const QString &text) {
    QByteArray bytes = text.toUtf8();
    if (!bytes.endsWith('\n'))
        bytes.append('\n');
    std::fputs(bytes.constData(), stderr);
    std::fflush(stderr);
}

void printProgress(int position) {
    std::printf("%d%%\n", position);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sonvar-download"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Downloads the SONVAR instrument's memory into SONVAR.bin (archived in "
                       "SONVAR.bak) in the current folder and converts it into DOCUMENT."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DOCUMENT"),
                                 QStringLiteral("the survey document to write (.VEK)"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("The instrument's port: a device or COMn."),
                                  QStringLiteral("DEVICE|COMn"));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Language of the messages: EN (default) or FR."),
                                  QStringLiteral("EN|FR"), QStringLiteral("EN"));
    parser.addOptions({port, lang});
    parser.process(app);
    if (parser.positionalArguments().size() != 1 || !parser.isSet(port)) {
        std::fputs(qPrintable(parser.helpText()), stderr);
        return 1;
    }
    const QString document = parser.positionalArguments().constFirst();
    const DumpLanguage language = dumpLanguageFromCode(parser.value(lang).toUpper());

    // The document is emptied before the instrument is contacted, so a failed
    // download never leaves an older document looking like this one.
    QFile emptied(document);
    if (!emptied.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        printMessage(QStringLiteral("%1: %2").arg(document, emptied.errorString()));
        return 1;
    }
    emptied.close();

    InstrumentSession session;
    session.device = ResolvePortName(parser.value(port));
    session.language = language;
    session.progress = printProgress;
    session.message = printMessage;
    if (!RunInstrumentSession(session))
        return 1;

    DumpReport report;
    report.progress = printProgress;
    report.message = [](const DumpMessage &message) { printMessage(message.text); };
    report.pause = [](int ms) { QThread::msleep(ulong(ms)); };
    return ConvertDump(document, session.announcedLength, session.announcedCrc, language, report)
               ? 0
               : 1;
}
