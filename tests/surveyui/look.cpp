// Screenshots of Survey's windows, for checking the look by eye (not a test):
//     xvfb-run -a -s '-screen 0 1280x800x24' build/tests/surveyui/survey_look OUTDIR
// writes survey-en.png, survey-fr.png, portsetup.png and about.png.

#include "common/ui/scriptedplatform.h"
#include "survey/ui/caboutdlg.h"
#include "survey/ui/cportsetup.h"
#include "survey/ui/csurveydlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

namespace {

void save(QWidget &widget, const QString &path) {
    widget.show();
    QApplication::processEvents();
    widget.grab().save(path);
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QString out = QDir(app.arguments().value(1, QStringLiteral("."))).absolutePath();
    QDir().mkpath(out);
    setPlatform(std::make_unique<ScriptedPlatform>());

    QTemporaryDir programFolder;
    CSurveyDlg dialog(programFolder.path(), programFolder.filePath(QStringLiteral("Survey")));
    dialog.outputEdit()->setText(QStringLiteral("/home/technician/Data/Station 12 - tank 3.VEK"));
    save(dialog, out + QStringLiteral("/survey-en.png"));
    dialog.switchToFrench();
    dialog.progressBar()->setValue(50); // the bar half way, as after the session
    save(dialog, out + QStringLiteral("/survey-fr.png"));

    CPortSetup setup(0, &dialog);
    save(setup, out + QStringLiteral("/portsetup.png"));
    setup.portList()->showPopup();
    QApplication::processEvents();
    setup.hide();

    CAboutDlg about(&dialog);
    save(about, out + QStringLiteral("/about.png"));
    return 0;
}
