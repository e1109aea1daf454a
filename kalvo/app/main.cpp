#include "kalvo/store/tmd.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <memory>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KALVO - Graphs & Measurements"));

    auto store = std::make_unique<TMD>();
    MD = store.get();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("KALVO - Graphs & Measurements"));
    window.setCentralWidget(new QLabel(QStringLiteral("KALVO"), &window));
    window.resize(800, 600);
    window.show();
    const int status = app.exec();
    MD = nullptr;
    return status;
}
