// Takes screenshots of KALVO's windows for a look at their layout:
//     kalvo-lookshots OUTPUT_FOLDER
// (run under xvfb-run or with QT_QPA_PLATFORM=offscreen). For each of English,
// French, German and Danish: the main window at start and with the sample
// document open and a survey chosen, the graphs window, the supplier's data
// window and the report windows, and both reports as PDF files.
#include "kalvofixture.h"

#include "kalvo/app/application.h"
#include "kalvo/app/languages.h"
#include "kalvo/app/menu.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/reports/ownergui.h"
#include "kalvo/store/tmd.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <cstdio>

namespace {

void shoot(QWidget *window, const QString &folder, const QString &name) {
    QTest::qWait(50);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    window->grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

} // namespace

// The report windows and both reports (tests/reportui/lookshotsreports.cpp).
void shootReportWindows(KalvoFixture &kalvo, const QString &out, const QString &tag);

int main(int argc, char *argv[]) {
    KalvoApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kalvo-lookshots OUTPUT_FOLDER\n");
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (const auto &[language, code] :
         {std::pair{LanguageEnglish, "en"}, std::pair{LanguageFrench, "fr"},
          std::pair{LanguageGerman, "ger"}, std::pair{LanguageDanish, "dan"}}) {
        KalvoFixture kalvo;
        {
            QDir().mkpath(kalvo.programFolder() + QStringLiteral("/Preferences"));
            QFile prefs(kalvo.preferencesPath());
            if (prefs.open(QIODevice::WriteOnly))
                prefs.write("[owner]\nowner=Tank Testing Services Ltd\naddress=12 Harbour Road\n"
                            "zipCode=8000\ncity=Aarhus C\ncountry=Denmark\ntel=+45 86 12 34 56\n"
                            "fax=+45 86 12 34 57\nemail=service@tank-testing.example\n"
                            "webSite=www.tank-testing.example\n");
        }
        kalvo.showMainWindow();
        Form1->resize(1280, 760);
        Form1->languageItem(language)->trigger();
        const QString tag = QLatin1String(code);
        shoot(Form1, out, QStringLiteral("main-start-") + tag);

        kalvo.openDocument(kalvo.samplePath());
        Form1->ComboBox->setCurrentIndex(2);
        Form1->ComboBoxSelect(2);
        shoot(Form1, out, QStringLiteral("main-survey-") + tag);

        Form3->RichEditRedValues->setPlainText(MD->surveyAt(2).redValuesText());
        Form3->RichEditBlackValues->setPlainText(MD->surveyAt(2).blackValuesText());
        Form3->fillCharts(MD->surveyAt(2));
        Form3->resize(1280, 760);
        Form3->show();
        shoot(Form3, out, QStringLiteral("graphs-") + tag);
        Form3->hide();

        Form2->show();
        shoot(Form2, out, QStringLiteral("supplier-") + tag);
        Form2->hide();

        shootReportWindows(kalvo, out, tag);
    }
    return 0;
}
