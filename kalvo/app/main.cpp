// KALVO: opens survey documents, shows their surveys, charts and value lists,
// and writes reports.
#include "kalvo/app/application.h"
#include "kalvo/app/forms.h"
#include "kalvo/app/menu.h"

int main(int argc, char *argv[]) {
    KalvoApplication application(argc, argv);
    try {
        KalvoForms forms;
        Form1->showMaximized();
        return application.exec();
    } catch (...) {
        // An error that escaped the event loop ends the run, after saying so.
        showCurrentException();
        return 1;
    }
}
