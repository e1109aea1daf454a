#pragma once
// Every modal question, message box, file dialog and program or document
// launch of both programs goes through this one interface, so that windows can
// be driven headless: tests install a ScriptedPlatform (scriptedplatform.h).

#include <QMessageBox>
#include <QString>
#include <memory>

class QWidget;

struct FileDialogRequest {
    QString caption;
    QString folder;   // initial folder; empty for the current one
    QString fileName; // proposed name
    QString filter;   // Qt filter text, e.g. "VEK Files (*.VEK)"
    QString defaultSuffix;
    bool confirmOverwrite = true; // save dialogs only
};

class PlatformService {
public:
    virtual ~PlatformService() = default;

    // A modal message box; returns the button pressed (Escape gives the
    // box's escape button, as QMessageBox does).
    virtual QMessageBox::StandardButton
    message(QWidget *parent, QMessageBox::Icon icon, const QString &caption, const QString &text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;

    // The chosen file's path, or an empty text when the user cancelled.
    virtual QString openFileName(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogRequest &request) = 0;

    // Starts `program` detached, in `workingFolder`. Returns an empty text on
    // success, else the system's text for the failure.
    virtual QString startProgram(const QString &program, const QStringList &arguments,
                                 const QString &workingFolder) = 0;
    // Opens a document (a PDF report) in the user's viewer; same result.
    virtual QString openDocument(const QString &path) = 0;
};

// The service in use; the real Qt one unless a test installed another.
PlatformService &platform();
// Installs `service` and returns the previous one.
std::unique_ptr<PlatformService> setPlatform(std::unique_ptr<PlatformService> service);
