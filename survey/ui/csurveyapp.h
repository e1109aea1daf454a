#pragma once
// The Survey program: runs the downloader dialog, then ends.

#include <QApplication>

class CSurveyApp : public QApplication {
    Q_OBJECT
public:
    CSurveyApp(int &argc, char **argv);
    // Shows the dialog modally; its end is the program's end.
    int run();
};
