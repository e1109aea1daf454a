#include "survey/ui/csurveyapp.h"

#include "survey/ui/csurveydlg.h"
#include "survey/ui/surveyicon.h"

CSurveyApp::CSurveyApp(int &argc, char **argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Survey"));
    setOrganizationName(QStringLiteral("VEK"));
    setDesktopFileName(QStringLiteral("vek-survey")); // the installed .desktop entry
    setWindowIcon(surveyIcon());
}

int CSurveyApp::run() {
    // No argument is interpreted; the path the program was started with
    // gives Browse its first folder.
    const QString startPath = arguments().value(0);
    CSurveyDlg dialog(applicationDirPath(), startPath);
    dialog.exec();
    return 0;
}
