#pragma once
// A PlatformService for tests: it never blocks, records every request and
// answers from a script queued in advance.

#include "common/ui/platformservice.h"

#include <QStringList>
#include <deque>
#include <vector>

class ScriptedPlatform : public PlatformService {
public:
    enum class Kind { Message, OpenFile, SaveFile, StartProgram, OpenDocument };
    struct Request {
        Kind kind = Kind::Message;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString caption;
        QString text; // message text, file dialog folder, program or document path
        QMessageBox::StandardButtons buttons;
        FileDialogRequest file;
        QStringList arguments;
        QString workingFolder;
    };

    // Answers are taken in order, each by the request of its kind. Without a
    // queued answer a message box gets its default button (else its first),
    // a file dialog is cancelled and a launch succeeds.
    void queueButton(QMessageBox::StandardButton button) { m_buttons.push_back(button); }
    void queueFileName(const QString &path) { m_fileNames.push_back(path); }
    void queueLaunchError(const QString &error) { m_launchErrors.push_back(error); }

    const std::vector<Request> &requests() const { return m_requests; }
    std::vector<Request> requestsOf(Kind kind) const;
    // The texts of the message boxes shown so far.
    QStringList messages() const;
    void clear() { m_requests.clear(); }

    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                        const QString &caption, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    QString openFileName(QWidget *parent, const FileDialogRequest &request) override;
    QString saveFileName(QWidget *parent, const FileDialogRequest &request) override;
    QString startProgram(const QString &program, const QStringList &arguments,
                         const QString &workingFolder) override;
    QString openDocument(const QString &path) override;

private:
    // Both file dialogs: record the request, answer the next queued name.
    QString answerFileDialog(Kind kind, const FileDialogRequest &file);

    std::vector<Request> m_requests;
    std::deque<QMessageBox::StandardButton> m_buttons;
    std::deque<QString> m_fileNames;
    std::deque<QString> m_launchErrors;
};
