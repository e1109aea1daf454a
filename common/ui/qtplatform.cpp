#include "common/ui/platformservice.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <cerrno>
#include <cstring>

namespace {

class QtPlatform : public PlatformService {
public:
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                        const QString &caption, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override {
        QMessageBox box(icon, caption, text, buttons, parent);
        if (defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(defaultButton);
        return QMessageBox::StandardButton(box.exec());
    }

    QString openFileName(QWidget *parent, const FileDialogRequest &request) override {
        QFileDialog dialog(parent, request.caption, request.folder, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString saveFileName(QWidget *parent, const FileDialogRequest &request) override {
        QFileDialog dialog(parent, request.caption, request.folder, request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        if (!request.fileName.isEmpty())
            dialog.selectFile(request.fileName);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    }

    QString startProgram(const QString &program, const QStringList &arguments,
                         const QString &workingFolder) override {
        // QProcess only says "failed to start"; name the reason as the system does.
        const QFileInfo info(program);
        if (!info.exists())
            return QString::fromLocal8Bit(std::strerror(ENOENT)) + QStringLiteral(": ") + program;
        if (!info.isExecutable())
            return QString::fromLocal8Bit(std::strerror(EACCES)) + QStringLiteral(": ") + program;
        QProcess process;
        process.setProgram(program);
        process.setArguments(arguments);
        process.setWorkingDirectory(workingFolder);
        if (!process.startDetached())
            return process.errorString();
        return {};
    }

    QString openDocument(const QString &path) override {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            return QStringLiteral("No program is set up to open %1").arg(path);
        return {};
    }
};

std::unique_ptr<PlatformService> &current() {
    static std::unique_ptr<PlatformService> service = std::make_unique<QtPlatform>();
    return service;
}

} // namespace

PlatformService &platform() {
    return *current();
}

std::unique_ptr<PlatformService> setPlatform(std::unique_ptr<PlatformService> service) {
    std::swap(current(), service);
    return service;
}
