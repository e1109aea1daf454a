#include "kalvo/app/application.h"

#include "common/ui/platformservice.h"
#include "kalvo/app/kalvoerror.h"

QString applicationTitle() {
    return QStringLiteral("KALVO - Graphs & Measurements");
}

void showCurrentException(QWidget *parent) {
    QString text;
    try {
        throw;
    } catch (const KalvoError &error) {
        text = error.message();
    } catch (const std::exception &error) {
        text = QString::fromUtf8(error.what());
    } catch (...) {
    }
    platform().message(parent, QMessageBox::Critical, applicationTitle(), text);
}

void runHandler(QWidget *parent, const std::function<void()> &handler) {
    try {
        handler();
    } catch (...) {
        showCurrentException(parent);
    }
}

KalvoApplication::KalvoApplication(int &argc, char **argv) : QApplication(argc, argv) {
    setApplicationName(applicationTitle());
    setApplicationDisplayName(QString());
}

bool KalvoApplication::notify(QObject *receiver, QEvent *event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentException();
        return false;
    }
}
