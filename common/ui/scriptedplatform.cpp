#include "common/ui/scriptedplatform.h"

namespace {

template <typename T> T takeFront(std::deque<T> &queue, T fallback) {
    if (queue.empty())
        return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

QMessageBox::StandardButton firstButton(QMessageBox::StandardButtons buttons) {
    for (unsigned bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1)
        if (buttons.testFlag(QMessageBox::StandardButton(bit)))
            return QMessageBox::StandardButton(bit);
    return QMessageBox::Ok;
}

} // namespace

std::vector<ScriptedPlatform::Request> ScriptedPlatform::requestsOf(Kind kind) const {
    std::vector<Request> found;
    for (const Request &request : m_requests)
        if (request.kind == kind)
            found.push_back(request);
    return found;
}

QStringList ScriptedPlatform::messages() const {
    QStringList texts;
    for (const Request &request : m_requests)
        if (request.kind == Kind::Message)
            texts << request.text;
    return texts;
}

QMessageBox::StandardButton ScriptedPlatform::message(QWidget *, QMessageBox::Icon icon,
                                                      const QString &caption, const QString &text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton) {
    Request request;
    request.kind = Kind::Message;
    request.icon = icon;
    request.caption = caption;
    request.text = text;
    request.buttons = buttons;
    m_requests.push_back(request);
    const auto fallback =
        defaultButton != QMessageBox::NoButton ? defaultButton : firstButton(buttons);
    return takeFront(m_buttons, fallback);
}

QString ScriptedPlatform::answerFileDialog(Kind kind, const FileDialogRequest &file) {
    Request request;
    request.kind = kind;
    request.caption = file.caption;
    request.text = file.folder;
    request.file = file;
    m_requests.push_back(request);
    return takeFront(m_fileNames, QString());
}

QString ScriptedPlatform::openFileName(QWidget *, const FileDialogRequest &file) {
    return answerFileDialog(Kind::OpenFile, file);
}

QString ScriptedPlatform::saveFileName(QWidget *, const FileDialogRequest &file) {
    return answerFileDialog(Kind::SaveFile, file);
}

QString ScriptedPlatform::startProgram(const QString &program, const QStringList &arguments,
                                       const QString &workingFolder) {
    Request request;
    request.kind = Kind::StartProgram;
    request.text = program;
    request.arguments = arguments;
    request.workingFolder = workingFolder;
    m_requests.push_back(request);
    return takeFront(m_launchErrors, QString());
}

QString ScriptedPlatform::openDocument(const QString &path) {
    Request request;
    request.kind = Kind::OpenDocument;
    request.text = path;
    m_requests.push_back(request);
    return takeFront(m_launchErrors, QString());
}
