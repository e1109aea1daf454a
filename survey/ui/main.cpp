#include "survey/ui/csurveyapp.h"

int main(int argc, char **argv) {
    CSurveyApp app(argc, argv);
    return app.run();
}
