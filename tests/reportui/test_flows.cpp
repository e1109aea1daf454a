// Both report flows from the graphs window, driven through their modal
// windows: the detailed report with and without pipes, the simple report,
// Previous, Cancel and closing, the overwrite question, a file that cannot be
// written, the logo and signature paths, the chart pictures.
#include "modalsteps.h"
#include "reportuifixture.h"

#include "../report/pdftools.h"
#include "common/inifile.h"
#include "kalvo/app/application.h"
#include "kalvo/app/forms.h"
#include "kalvo/app/languages.h"
#include "kalvo/app/menu.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/graphs/sensorchartview.h"
#include "kalvo/reports/fileselectiongui.h"
#include "kalvo/reports/vatroresultsgui.h"
#include "kalvo/store/survey.h"

#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace reportui;
using Kind = ScriptedPlatform::Kind;

namespace {

QWidget *tankForm() {
    return Form4.data();
}
QWidget *outputSettings() {
    return Form6;
}

QByteArray contentOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A survey document of one survey with `red` red values.
QByteArray longSurvey(int red) {
    QByteArray text =
        "Survey started on Mon Mar 12 10:20:30 2007\n\n measurements = " + QByteArray::number(red) +
        "\nSerial switchbox 1001\nSerial number SONVAR 52017\n"
        "Serial number PCB SONVAR 72305\nPressure = 300 mBar\n"
        "Base measurement for black sensor =  12.3\tdB\xb5V\n"
        "Base measurement for red sensor =  15.6\tdB\xb5V\nReference: LONG\n";
    for (int i = 0; i < red; ++i)
        text += " 11.6\tdB\xb5V \tRed sensor \n";
    return text + "\n";
}

} // namespace

class TestFlows : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void detailedReport_data();
    void detailedReport();
    void simpleReport();
    void previousKeepsTheFormsEntries();
    void endingWithoutReport_data();
    void endingWithoutReport();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void fileThatCannotBeWritten();
    void logoKeptSignatureForTheRun();
    void eachFlowHasItsOwnForm();
    void missingPicturesFolderStopsTheFlow();
    void listsBeyondTheReportAreRefused();
    void flowsInsideTheModalGraphsWindow();
    void frenchReportsUseFrenchDateAndTime();
    void outputSettingsTexts_data();
    void outputSettingsTexts();

private:
    QString defaultPdf() const { return m_kalvo->outputPath(QStringLiteral("Report.pdf")); }
    // Fills the shown form, Ok; then Ok in the output settings.
    void scriptDetailedReport(ModalSteps &steps, int tankIndex);
    std::vector<ScriptedPlatform::Request> opened() const {
        return m_kalvo->platform().requestsOf(Kind::OpenDocument);
    }

    std::unique_ptr<ReportFixture> m_kalvo;
};

void TestFlows::init() {
    m_kalvo = std::make_unique<ReportFixture>();
    m_kalvo->showGraphs();
    m_kalvo->platform().clear();
}

void TestFlows::cleanup() {
    m_kalvo.reset();
}

void TestFlows::scriptDetailedReport(ModalSteps &steps, int tankIndex) {
    steps.when(tankForm, [tankIndex] {
        fillValidForm(*Form4, tankIndex);
        Form4->ButtonOk->click();
    });
    steps.when(outputSettings, [] { Form6->BtnOk->click(); });
}

void TestFlows::detailedReport_data() {
    QTest::addColumn<int>("tankIndex");
    QTest::addColumn<int>("pages");
    // First page, (pipes page,) graphs page, red list, black list.
    QTest::newRow("tank") << 0 << 4;
    QTest::newRow("tank and pipes") << 2 << 5;
    QTest::newRow("pipes") << 1 << 5;
}

void TestFlows::detailedReport() {
    QFETCH(int, tankIndex);
    QFETCH(int, pages);
    Form3->ChartRed->chart()->zoomIn();
    ModalSteps steps;
    bool picturesWritten = false;
    QRgb corner = 0;
    QSize pictureSize;
    QString pdfShown;
    steps.when(tankForm, [&] {
        picturesWritten = QFile::exists(m_kalvo->picture("graphRedSensor.bmp")) &&
                          QFile::exists(m_kalvo->picture("graphBlackSensor.bmp"));
        // The bottom corner, where the screen's gradient is darkest.
        const QImage red(m_kalvo->picture("graphRedSensor.bmp"));
        corner = red.pixel(1, red.height() - 2);
        pictureSize = red.size();
        QVERIFY(Form3->isVisible()); // behind the form
        fillValidForm(*Form4, tankIndex);
        Form4->ComboBoxOperator->setCurrentIndex(0);
        Form4->ButtonOk->click();
    });
    steps.when(outputSettings, [&] {
        pdfShown = Form6->EditPDF->text();
        QVERIFY(!Form4->isVisible());
        Form6->BtnOk->click();
    });
    Form3->ButtonPdf->click();
    QVERIFY(steps.allDone());
    QVERIFY(picturesWritten);
    QCOMPARE(corner, qRgb(255, 255, 255)); // white, without gradient
    QCOMPARE(pictureSize, Form3->ChartRed->size());
    QVERIFY(!Form3->ChartRed->isZoomed());
    // Back to the screen look.
    QCOMPARE(Form3->ChartRed->chart()->backgroundBrush().style(), Qt::LinearGradientPattern);
    QCOMPARE(pdfShown, defaultPdf());
    QCOMPARE(m_kalvo->platform().messages(), QStringList());
    QCOMPARE(opened().size(), size_t(1));
    QCOMPARE(opened().front().text, defaultPdf());
    QCOMPARE(pdftools::pageCount(defaultPdf()), pages);
    QVERIFY(pdftools::pageText(defaultPdf(), 1).contains(QStringLiteral("Garage Central")));
    // The operator of the report is chosen next time.
    QCOMPARE(m_kalvo->readPreference(QStringLiteral("Operators"), QStringLiteral("lastOperator")),
             QStringLiteral("Anna Berg"));
    QVERIFY(!QFile::exists(m_kalvo->picture("graphRedSensor.bmp")));
    QVERIFY(!QFile::exists(m_kalvo->picture("graphBlackSensor.bmp")));
    QVERIFY(!Form4->isVisible() && !Form6->isVisible() && Form3->isVisible());
    QCOMPARE(m_kalvo->readPreference(QStringLiteral("VatroResults"), QStringLiteral("logo")),
             QString());
}

void TestFlows::simpleReport() {
    ModalSteps steps;
    bool graphsHidden = false;
    bool formShown = true;
    steps.when(outputSettings, [&] {
        graphsHidden = !Form3->isVisible();
        formShown = Form4->isVisible();
        Form6->BtnOk->click();
    });
    Form3->ButtonSimpleReport->click();
    QVERIFY(steps.allDone());
    QVERIFY(graphsHidden);
    QVERIFY(!formShown);
    QVERIFY(Form3->isVisible());
    QCOMPARE(m_kalvo->platform().messages(), QStringList());
    QCOMPARE(opened().size(), size_t(1));
    QCOMPARE(pdftools::pageCount(defaultPdf()), 4);
    QVERIFY(pdftools::pageText(defaultPdf(), 1).contains(QStringLiteral("Measurements data of")));
    // The hidden form's stored list and last operator, stored again.
    QCOMPARE(m_kalvo->readPreference(QStringLiteral("Operators"), QStringLiteral("lastOperator")),
             QStringLiteral("Jens Holm"));
    QVERIFY(!QFile::exists(m_kalvo->picture("graphRedSensor.bmp")));
}

void TestFlows::previousKeepsTheFormsEntries() {
    ModalSteps steps;
    QString ownerAgain, pdfAgain;
    int formShowings = 0;
    steps.when(tankForm, [&] {
        ++formShowings;
        fillValidForm(*Form4, 2);
        Form4->ButtonOk->click();
    });
    steps.when(outputSettings, [] {
        Form6->EditPDF->setText(QStringLiteral("/elsewhere/other.pdf"));
        Form6->BtnPrevious->click();
    });
    steps.when(tankForm, [&] {
        ++formShowings;
        ownerAgain = Form4->EditTankowner->text();
        Form4->ButtonOk->click();
    });
    steps.when(outputSettings, [&] {
        pdfAgain = Form6->EditPDF->text();
        Form6->BtnCancel->click();
    });
    Form3->ButtonPdf->click();
    QVERIFY(steps.allDone());
    QCOMPARE(formShowings, 2);
    QCOMPARE(ownerAgain, QStringLiteral("Garage Central"));
    QCOMPARE(pdfAgain, defaultPdf());
    QVERIFY(!QFile::exists(defaultPdf()));
    QVERIFY(opened().empty());
    QVERIFY(!Form4->isVisible());
    QVERIFY(!QFile::exists(m_kalvo->picture("graphRedSensor.bmp")));
}

void TestFlows::endingWithoutReport_data() {
    QTest::addColumn<bool>("simple");
    QTest::addColumn<QString>("how");
    QTest::newRow("detailed, Cancel") << false << "cancel";
    QTest::newRow("detailed, window closed") << false << "close";
    QTest::newRow("detailed, Escape") << false << "escape";
    QTest::newRow("simple, Cancel") << true << "cancel";
    QTest::newRow("simple, Previous") << true << "previous";
    QTest::newRow("simple, window closed") << true << "close";
}

void TestFlows::endingWithoutReport() {
    QFETCH(bool, simple);
    QFETCH(QString, how);
    const QString logo = m_kalvo->outputPath(QStringLiteral("logo.bmp"));
    ModalSteps steps;
    if (!simple)
        steps.when(tankForm, [] {
            fillValidForm(*Form4);
            Form4->ButtonOk->click();
        });
    steps.when(outputSettings, [&] {
        m_kalvo->platform().queueFileName(logo);
        Form6->ButtonLogo->click(); // a new logo, not kept
        if (how == QLatin1String("cancel"))
            Form6->BtnCancel->click();
        else if (how == QLatin1String("previous"))
            Form6->BtnPrevious->click();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(Form6, Qt::Key_Escape);
        else
            Form6->close();
    });
    (simple ? Form3->ButtonSimpleReport : Form3->ButtonPdf)->click();
    QVERIFY(steps.allDone());
    QVERIFY(!Form6->isVisible());
    QVERIFY(!Form4->isVisible());
    QVERIFY(Form3->isVisible());
    QVERIFY(!QFile::exists(defaultPdf()));
    QVERIFY(opened().empty());
    QVERIFY(!QFile::exists(m_kalvo->picture("graphRedSensor.bmp")));
    QCOMPARE(m_kalvo->readPreference(QStringLiteral("VatroResults"), QStringLiteral("logo")),
             QStringLiteral("<missing>"));
}

void TestFlows::overwriteQuestion_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("No") << QMessageBox::No;
    QTest::newRow("Yes") << QMessageBox::Yes;
}

void TestFlows::overwriteQuestion() {
    QFETCH(QMessageBox::StandardButton, answer);
    {
        QFile old(defaultPdf());
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    m_kalvo->platform().queueButton(answer);
    ModalSteps steps;
    scriptDetailedReport(steps, 0);
    Form3->ButtonPdf->click();
    QVERIFY(steps.allDone());
    const auto questions = m_kalvo->platform().requestsOf(Kind::Message);
    QCOMPARE(questions.size(), size_t(1));
    QCOMPARE(questions.front().caption, QStringLiteral("PDF filename already exists"));
    QCOMPARE(questions.front().text, QStringLiteral("A PDF file with filename ") + defaultPdf() +
                                         QStringLiteral(" already exists.\nDo you want to "
                                                        "overwrite it?"));
    QCOMPARE(questions.front().icon, QMessageBox::Question);
    QCOMPARE(questions.front().buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(!Form4->isVisible() && !Form6->isVisible());
    if (answer == QMessageBox::No) {
        QCOMPARE(contentOf(defaultPdf()), QByteArray("old"));
        QVERIFY(opened().empty());
        // Nothing stored either.
        QCOMPARE(
            m_kalvo->readPreference(QStringLiteral("Operators"), QStringLiteral("lastOperator")),
            QStringLiteral("jens holm"));
    } else {
        QCOMPARE(pdftools::pageCount(defaultPdf()), 4);
        QCOMPARE(opened().size(), size_t(1));
    }
}

void TestFlows::fileThatCannotBeWritten() {
    const QString pdf = m_kalvo->outputPath(QStringLiteral("no such folder/Report.pdf"));
    ModalSteps steps;
    steps.when(tankForm, [] {
        fillValidForm(*Form4);
        Form4->ButtonOk->click();
    });
    steps.when(outputSettings, [&] {
        m_kalvo->platform().queueFileName(pdf);
        Form6->ButtonPath->click();
        Form6->BtnOk->click();
    });
    Form3->ButtonPdf->click();
    QVERIFY(steps.allDone());
    const auto saveDialogs = m_kalvo->platform().requestsOf(Kind::SaveFile);
    QCOMPARE(saveDialogs.size(), size_t(1));
    QCOMPARE(saveDialogs.front().file.caption, QStringLiteral("Choose a file name and directory"));
    QCOMPARE(saveDialogs.front().file.fileName, QStringLiteral("Report"));
    QCOMPARE(saveDialogs.front().file.defaultSuffix, QStringLiteral("pdf"));
    QCOMPARE(saveDialogs.front().file.filter, QStringLiteral("PDF files (*.pdf *.PDF)"));
    QVERIFY(saveDialogs.front().file.confirmOverwrite);
    const auto messages = m_kalvo->platform().requestsOf(Kind::Message);
    QCOMPARE(messages.size(), size_t(1));
    QCOMPARE(messages.front().caption, QStringLiteral("Cannot create PDF"));
    QCOMPARE(messages.front().text, QStringLiteral("Unable to create this PDF file.\nCheck first "
                                                   "if this file is not already used."));
    QVERIFY(opened().empty());
    QVERIFY(!QFile::exists(pdf));
    QVERIFY(!Form4->isVisible() && !Form6->isVisible() && Form3->isVisible());
}

void TestFlows::logoKeptSignatureForTheRun() {
    const QString logo = QDir::toNativeSeparators(m_kalvo->outputPath(QStringLiteral("logo.bmp")));
    const QString signature =
        QDir::toNativeSeparators(m_kalvo->outputPath(QStringLiteral("sign.bmp")));
    ModalSteps steps;
    QStringList firstShowing, secondShowing;
    steps.when(outputSettings, [&] {
        firstShowing = {Form6->EditLogo->text(), Form6->EditSignature->text()};
        m_kalvo->platform().queueFileName(logo);
        Form6->ButtonLogo->click();
        m_kalvo->platform().queueFileName(signature);
        Form6->ButtonSignature->click();
        Form6->ButtonLogo->click(); // cancelled: the box keeps its path
        Form6->BtnOk->click();
    });
    Form3->ButtonSimpleReport->click();
    QVERIFY(steps.allDone());
    QCOMPARE(firstShowing, (QStringList{QString(), QString()}));
    QCOMPARE(m_kalvo->readPreference(QStringLiteral("VatroResults"), QStringLiteral("logo")), logo);
    const auto dialogs = m_kalvo->platform().requestsOf(Kind::OpenFile);
    QCOMPARE(dialogs.size(), size_t(3));
    QCOMPARE(dialogs[0].file.caption, QStringLiteral("Select a file name and directory"));
    QCOMPARE(dialogs[0].file.folder, m_kalvo->programFolder());
    QCOMPARE(dialogs[0].file.filter, QStringLiteral("BMP files (*.bmp *.BMP)"));
    QCOMPARE(dialogs[1].file.filter, QStringLiteral("Picture files (*.bmp *.BMP)"));
    QCOMPARE(dialogs[2].file.fileName, QStringLiteral("sign.bmp")); // the last choice

    // The logo comes from the file, the signature from this run.
    const QString otherLogo = QStringLiteral("/somewhere/else.bmp");
    QVERIFY(IniFile::writeValue(m_kalvo->preferencesPath(), QStringLiteral("VatroResults"),
                                QStringLiteral("logo"), otherLogo));
    steps.when(tankForm, [] {
        fillValidForm(*Form4);
        Form4->ButtonOk->click();
    });
    steps.when(outputSettings, [&] {
        secondShowing = {Form6->EditLogo->text(), Form6->EditSignature->text()};
        Form6->BtnCancel->click();
    });
    Form3->ButtonPdf->click();
    QVERIFY(steps.allDone());
    QCOMPARE(secondShowing, (QStringList{otherLogo, signature}));
}

void TestFlows::eachFlowHasItsOwnForm() {
    ModalSteps steps;
    QString ownerInSecond = QStringLiteral("not shown");
    steps.when(tankForm, [] {
        fillValidForm(*Form4);
        Form4->ButtonCancel->click();
    });
    Form3->ButtonPdf->click();
    const QPointer<TForm4> first = Form4;
    steps.when(tankForm, [&] {
        ownerInSecond = Form4->EditTankowner->text();
        Form4->ButtonCancel->click();
    });
    Form3->ButtonPdf->click();
    QVERIFY(steps.allDone());
    QVERIFY(Form4 != first);
    QCOMPARE(ownerInSecond, QString());
    QCOMPARE(Form4->parent(), Form3);
}

void TestFlows::missingPicturesFolderStopsTheFlow() {
    QVERIFY(QDir(m_kalvo->programFolder() + QStringLiteral("/Pictures")).removeRecursively());
    const QPointer<TForm4> before = Form4;
    Form3->ButtonPdf->click();
    Form3->ButtonSimpleReport->click();
    const auto messages = m_kalvo->platform().requestsOf(Kind::Message);
    QCOMPARE(messages.size(), size_t(2));
    QCOMPARE(messages.front().caption, applicationTitle());
    QVERIFY(messages.front().text.contains(QStringLiteral("graphRedSensor.bmp")));
    QCOMPARE(Form4, before); // no form was created
    QVERIFY(Form3->isVisible());
    QVERIFY(!Form6->isVisible());
}

void TestFlows::listsBeyondTheReportAreRefused() {
    m_kalvo->openDocument(m_kalvo->writeDataFile(QStringLiteral("LONG.VEK"), longSurvey(3901)));
    Form1->ComboBox->setCurrentIndex(0);
    Form1->ComboBoxSelect(0);
    m_kalvo->platform().clear();
    ModalSteps steps;
    scriptDetailedReport(steps, 0);
    Form3->ButtonPdf->click();
    QVERIFY(steps.allDone());
    QCOMPARE(m_kalvo->platform().messages(),
             QStringList{"This survey's measurement lists need 14 list pages; a report holds at "
                         "most 13.\nThe report was not created."});
    QVERIFY(!QFile::exists(defaultPdf()));
    QVERIFY(opened().empty());
    QCOMPARE(m_kalvo->readPreference(QStringLiteral("Operators"), QStringLiteral("lastOperator")),
             QStringLiteral("jens holm"));
}

// As in the program: the graphs window runs modally over the main window,
// the simple flow hides it and shows it again, and it is still the modal
// window the main window waits on.
void TestFlows::flowsInsideTheModalGraphsWindow() {
    Form3->hide();
    const auto graphs = [] { return static_cast<QWidget *>(Form3); };
    ModalSteps steps;
    bool graphsBackAsModal = false;
    steps.when(graphs, [] { Form3->ButtonSimpleReport->click(); });
    steps.when(outputSettings, [] { Form6->BtnOk->click(); });
    steps.when(graphs, [&] {
        graphsBackAsModal = true;
        m_kalvo->platform().queueButton(QMessageBox::Yes); // replace the simple report
        Form3->ButtonPdf->click();
    });
    scriptDetailedReport(steps, 2);
    steps.when(graphs, [] { Form3->Button1->click(); });
    Form1->Button3->click();
    QVERIFY(steps.allDone());
    QVERIFY(graphsBackAsModal);
    QVERIFY(!Form3->isVisible());
    QCOMPARE(opened().size(), size_t(2));
    QCOMPARE(pdftools::pageCount(defaultPdf()), 5);
}

void TestFlows::frenchReportsUseFrenchDateAndTime() {
    Form1->languageItem(LanguageFrench)->trigger();
    const Survey &survey = *Form1->surveyOfEntry(Form1->ComboBox->currentIndex());
    ModalSteps steps;
    QString formCaption;
    steps.when(tankForm, [&] {
        formCaption = Form4->windowTitle(); // created after the change of language
        fillValidForm(*Form4);
        Form4->ButtonOk->click();
    });
    steps.when(outputSettings, [] { Form6->BtnOk->click(); });
    Form3->ButtonPdf->click();
    QVERIFY(steps.allDone());
    QVERIFY(formCaption != QStringLiteral("Vatro report"));
    QCOMPARE(m_kalvo->platform().messages(), QStringList());
    const QString firstPage = pdftools::pageText(defaultPdf(), 1);
    QVERIFY2(firstPage.contains(survey.frenchDateText().trimmed()), qPrintable(firstPage));
    QVERIFY(firstPage.contains(survey.time24Text()));
    QVERIFY(!firstPage.contains(survey.englishDateText().trimmed()));
}

void TestFlows::outputSettingsTexts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts");
    // Caption, the three labels, Previous, Cancel, the titles of both dialogs.
    QTest::newRow("EN") << int(LanguageEnglish)
                        << QStringList{"Generate report",
                                       "PDF filename",
                                       "Logo",
                                       "Signature",
                                       "Previous",
                                       "Cancel",
                                       "Choose a file name and directory",
                                       "Select a file name and directory"};
    QTest::newRow("FR") << int(LanguageFrench)
                        << QStringList{"Générer le rapport",
                                       "Nom du fichier PDF",
                                       "Logo",
                                       "Signature",
                                       "Précédent",
                                       "Annuler",
                                       "Choisissez un nom de fichier et une destination",
                                       "Sélectionnez un nom de fichier"};
    QTest::newRow("SP") << int(LanguageSpanish)
                        << QStringList{"Generar Informe",
                                       "Nombre de archivo PDF",
                                       "Logo",
                                       "Firma",
                                       "Anterior",
                                       "Cancelar",
                                       "Elegir un nombre de archivo y directorio",
                                       "Seleccione un nombre de archivo y el directorio de"};
    QTest::newRow("IT") << int(LanguageItalian)
                        << QStringList{"Create il rapporto",
                                       "Nome del file PDF",
                                       "Logo",
                                       "Firma",
                                       "Precedente",
                                       "Annulla",
                                       "Scegli un nome di file e cartelle",
                                       "Selezionare un nome di file e cartelle"};
    QTest::newRow("GER") << int(LanguageGerman)
                         << QStringList{"Report erstellen",
                                        "PDF Dateiname",
                                        "Logo",
                                        "Unterschrift",
                                        "Zurück",
                                        "Abbrechen",
                                        "Suche einen Dateinamen und Ordner",
                                        "Wähle einen Dateinamen und Ordner"};
    QTest::newRow("NL") << int(LanguageDutch)
                        << QStringList{"Rapport aanmaken",
                                       "PDF bestandsnaam",
                                       "Logo",
                                       "Handtekening",
                                       "Vorige",
                                       "Annuleren",
                                       "Kies een bestandsnaam en map",
                                       "Selecteer een bestandsnaam en map"};
    QTest::newRow("DAN") << int(LanguageDanish)
                         << QStringList{"Generer rapport",
                                        "PDF filnavn",
                                        "Logo",
                                        "Underskrift",
                                        "Forrige",
                                        "Annuller",
                                        "søg et filnavn og folder",
                                        "Vælg et filnavn og folder"};
}

void TestFlows::outputSettingsTexts() {
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    languageDispatcher().setActiveLanguage(language);
    Form6->ButtonPath->click(); // both dialogs cancelled
    Form6->ButtonLogo->click();
    const auto label = [](const char *name) {
        return Form6->findChild<QLabel *>(QLatin1String(name))->text();
    };
    const auto save = m_kalvo->platform().requestsOf(Kind::SaveFile);
    const auto open = m_kalvo->platform().requestsOf(Kind::OpenFile);
    QCOMPARE((QStringList{Form6->windowTitle(), label("Label8"), label("Label9"), label("Label1"),
                          Form6->BtnPrevious->text(), Form6->BtnCancel->text(),
                          save.front().file.caption, open.front().file.caption}),
             texts);
    QCOMPARE(Form6->BtnOk->text(), QStringLiteral("Ok"));
    QCOMPARE(Form6->ButtonSignature->text(), QStringLiteral(". . ."));
}

QTEST_MAIN(TestFlows)
#include "test_flows.moc"
