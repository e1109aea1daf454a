// The instrument part of Get data: the session with the instrument, then the
// conversion of the received image into the survey document.

#include "survey/ui/csurveydlg.h"

#include "survey/dump/convertdump.h"
#include "survey/link/instrumentsession.h"

#include <QThread>

bool CSurveyDlg::runDownload(const QString &documentPath) {
    const DumpLanguage language = dumpLanguageFromCode(m_languageCode);

    InstrumentSession session;
    session.portIndex = m_portIndex;
    session.language = language;
    session.progress = [this](int position) { setProgress(position); };
    session.message = [this](const QString &text) { showMessage(text); };
    if (!RunInstrumentSession(session))
        return false;
    m_announcedLength = session.announcedLength;
    m_announcedCrc = session.announcedCrc;

    // The path is read again: one chosen with Browse during the transfer is
    // the one the document goes to.
    const QString target = outputPath().isEmpty() ? documentPath : outputPath();
    bool endProgram = false;
    DumpReport report;
    report.progress = [this](int position) { setProgress(position); };
    report.message = [&](const DumpMessage &message) {
        showMessage(message.text, !message.warning);
        if (message.problem == DumpProblem::CantOpenImage ||
            message.problem == DumpProblem::CantOpenArchive) {
            endProgram = true;
        }
    };
    report.pause = [](int milliseconds) { QThread::msleep(milliseconds); };
    const bool converted = ConvertDump(target, m_announcedLength, m_announcedCrc, language, report);
    // Without SONVAR.bin or SONVAR.bak the program cannot go on: it ends,
    // once the user has read the message.
    if (endProgram)
        m_programExit(1);
    return converted;
}
