#pragma once
// The application object and its error message box. An error raised while a
// user action is handled is shown in a message box captioned with the
// application title, and the program goes on.

#include <QApplication>
#include <exception>
#include <functional>

class QWidget;

// "KALVO - Graphs & Measurements": the application title, caption of its
// error message boxes.
QString applicationTitle();

// Shows the application's error message box for the exception in flight
// (inside a catch block): its message for a std::exception, an empty message
// for anything else.
void showCurrentException(QWidget *parent = nullptr);

// Runs one event handler; an exception it raises is shown in the
// application's error message box and goes no further.
void runHandler(QWidget *parent, const std::function<void()> &handler);

class KalvoApplication : public QApplication {
    Q_OBJECT
public:
    KalvoApplication(int &argc, char **argv);
    // The last safety net for handlers that are not run through runHandler.
    bool notify(QObject *receiver, QEvent *event) override;
};
