#include "survey/ui/surveyicon.h"

static void initSurveyResources() {
    Q_INIT_RESOURCE(survey);
}

QIcon surveyIcon() {
    static const QIcon icon = [] {
        initSurveyResources(); // the resources live in a static library
        QIcon loaded;
        for (int size : {16, 32, 48, 128, 256})
            loaded.addFile(QStringLiteral(":/survey/icons/survey-%1.png").arg(size),
                           QSize(size, size));
        return loaded;
    }();
    return icon;
}
