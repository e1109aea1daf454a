// The downloader dialog, headless: texts and languages, Browse, the checks of
// Get data before the instrument is contacted, the port dialog and its stored
// value, Close and About.

#include "surveyfixture.h"

#include "survey/link/comportmap.h"
#include "survey/ui/caboutdlg.h"
#include "survey/ui/cportsetup.h"
#include "survey/ui/cregistry.h"
#include "survey/ui/csurveydlg.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const QString kKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\VEK\\Vatro");

// Runs `action` on the dialog of type T once it is shown modally.
template <typename T> void whenModal(std::function<void(T &)> action) {
    QTimer::singleShot(0, [action] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog) {
            QFAIL("the expected modal dialog is not open");
            return;
        }
        action(*dialog);
    });
}

uint32_t storedPort(bool *found = nullptr) {
    CRegistry registry;
    uint32_t value = 0;
    const bool ok = registry.Open(kKey) && registry.ReadDword(QStringLiteral("ComPort"), value);
    if (found)
        *found = ok;
    return value;
}

void storePort(uint32_t value) {
    CRegistry registry;
    QVERIFY(registry.Open(kKey));
    QVERIFY(registry.WriteDword(QStringLiteral("ComPort"), value));
}

QStringList menuTexts(QMenuBar *bar) {
    QStringList texts;
    for (QAction *menu : bar->actions()) {
        texts << menu->text();
        for (QAction *item : menu->menu()->actions())
            texts << QStringLiteral("  ") + item->text();
    }
    return texts;
}

} // namespace

class TestSurveyDlg : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsInitialTexts() {
        SurveyFixture fixture;
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Vatro -> document"));
        QCOMPARE(dialog.getDataButton()->text(), QStringLiteral("Get data"));
        QCOMPARE(dialog.outputGroup()->title(), QStringLiteral("Output File"));
        QCOMPARE(dialog.browseButton()->text(), QStringLiteral("Browse"));
        QCOMPARE(dialog.closeButton()->text(), QStringLiteral("Close"));
        QCOMPARE(dialog.portSetupButton()->text(), QStringLiteral("COM port setup"));
        QCOMPARE(dialog.languageCode(), QString());
        QVERIFY(!dialog.isBusy());
        QVERIFY(dialog.outputEdit()->isReadOnly());
        QVERIFY(dialog.outputEdit()->text().isEmpty());
        QCOMPARE(dialog.progressBar()->minimum(), 1);
        QCOMPARE(dialog.progressBar()->maximum(), 100);
        QVERIFY(dialog.progressBar()->value() < 1); // position 0: nothing shown
        QCOMPARE(menuTexts(dialog.menuBar()), QStringList({"Language", "  English", "  French"}));
        auto *help = qobject_cast<QMenuBar *>(dialog.menuBar()->cornerWidget(Qt::TopRightCorner));
        QVERIFY(help);
        QCOMPARE(menuTexts(help), QStringList({"?", "  &About Survey..."}));
        QCOMPARE(QDir::currentPath(), QDir(fixture.programFolder()).canonicalPath());
        QCOMPARE(dialog.portIndex(), 0);
        QVERIFY(fixture.platform().messages().isEmpty());
    }

    void languageFromThePreferencesFile_data() {
        QTest::addColumn<QByteArray>("preferences"); // "-" for no file
        QTest::addColumn<bool>("french");
        QTest::newRow("FR") << QByteArray("[Language]\r\nLanguage=FR\r\n") << true;
        QTest::newRow("names in other letter case")
            << QByteArray("[LANGUAGE]\nlanguage=FR\n") << true;
        QTest::newRow("fr") << QByteArray("[Language]\nLanguage=fr\n") << false;
        QTest::newRow("FRA") << QByteArray("[Language]\nLanguage=FRA\n") << false;
        QTest::newRow("EN") << QByteArray("[Language]\nLanguage=EN\n") << false;
        QTest::newRow("empty value") << QByteArray("[Language]\nLanguage=\n") << false;
        QTest::newRow("other section") << QByteArray("[Owner]\nLanguage=FR\n") << false;
        QTest::newRow("no file") << QByteArray("-") << false;
    }
    void languageFromThePreferencesFile() {
        QFETCH(QByteArray, preferences);
        QFETCH(bool, french);
        SurveyFixture fixture;
        if (preferences != "-")
            fixture.writePreferences(preferences);
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        QCOMPARE(dialog.languageCode(), french ? QStringLiteral("FR") : QString());
        QCOMPARE(dialog.getDataButton()->text(),
                 french ? QStringLiteral("Transfert") : QStringLiteral("Get data"));
        QCOMPARE(dialog.outputGroup()->title(),
                 french ? QStringLiteral("Fichier de sortie") : QStringLiteral("Output File"));
        QCOMPARE(dialog.menuBar()->actions().value(0)->text(),
                 french ? QStringLiteral("Langue") : QStringLiteral("Language"));
    }

    void switchingLanguagesSetsTheTextsOfTheLanguage() {
        SurveyFixture fixture;
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        dialog.switchToEnglish(); // English is shown already: nothing changes
        QCOMPARE(dialog.getDataButton()->text(), QStringLiteral("Get data"));
        QCOMPARE(dialog.languageCode(), QString());

        dialog.menuBar()->actions().value(0)->menu()->actions().value(1)->trigger(); // French
        QCOMPARE(dialog.languageCode(), QStringLiteral("FR"));
        QCOMPARE(dialog.browseButton()->text(), QStringLiteral("Parcourir"));
        QCOMPARE(dialog.closeButton()->text(), QStringLiteral("Fermer"));
        QCOMPARE(dialog.getDataButton()->text(), QStringLiteral("Transfert"));
        QCOMPARE(dialog.outputGroup()->title(), QStringLiteral("Fichier de sortie"));
        QCOMPARE(dialog.portSetupButton()->text(), QStringLiteral("COM port setup"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Vatro -> document"));
        QCOMPARE(menuTexts(dialog.menuBar()),
                 QStringList({"Langue", "  Anglais", QStringLiteral("  Français")}));

        dialog.menuBar()->actions().value(0)->menu()->actions().value(0)->trigger(); // Anglais
        QCOMPARE(dialog.languageCode(), QStringLiteral("EN"));
        QCOMPARE(dialog.getDataButton()->text(), QStringLiteral("Get Data"));
        QCOMPARE(dialog.outputGroup()->title(), QStringLiteral("Output file"));
        QCOMPARE(dialog.browseButton()->text(), QStringLiteral("Browse"));
        QCOMPARE(dialog.closeButton()->text(), QStringLiteral("Close"));
        QCOMPARE(menuTexts(dialog.menuBar()), QStringList({"Language", "  English", "  French"}));
    }

    void browseAsksForAVekFileFromTheStartFolder() {
        SurveyFixture fixture;
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        const QString chosen = fixture.dataFile(QStringLiteral("Station 12.VEK"));
        fixture.platform().queueFileName(chosen);
        QTest::mouseClick(dialog.browseButton(), Qt::LeftButton);
        QCOMPARE(dialog.outputEdit()->text(), chosen);

        dialog.OnBrowse(); // cancelled: the path stays
        QCOMPARE(dialog.outputEdit()->text(), chosen);

        const auto requests = fixture.platform().requestsOf(ScriptedPlatform::Kind::SaveFile);
        QCOMPARE(requests.size(), size_t(2));
        const FileDialogRequest &request = requests.front().file;
        QCOMPARE(request.filter, QStringLiteral("VEK Files (*.VEK)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("VEK"));
        QVERIFY(request.confirmOverwrite);
        QCOMPARE(request.folder, fixture.programFolder());
    }

    void getDataWithoutOutputFileNeverOpensThePort_data() {
        QTest::addColumn<bool>("french");
        QTest::addColumn<QString>("message");
        QTest::newRow("English") << false << "There is no output File name selected ";
        QTest::newRow("French") << true << QStringLiteral("Aucun fichier de sortie spécifié ");
    }
    void getDataWithoutOutputFileNeverOpensThePort() {
        QFETCH(bool, french);
        QFETCH(QString, message);
        SurveyFixture fixture;
        // Were the port opened, "No response of SONVAR" would follow.
        QVERIFY(SetComPortDevice(0, fixture.root() + QStringLiteral("/no-such-device")));
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        if (french)
            dialog.switchToFrench();
        QTest::mouseClick(dialog.getDataButton(), Qt::LeftButton);
        QCOMPARE(fixture.platform().messages(), QStringList{message});
        QVERIFY(!dialog.isBusy());
        QVERIFY(!QFile::exists(fixture.dataFile(QStringLiteral("SONVAR.bin"))));
    }

    void outputFileThatCannotBeCreatedStopsGetData() {
        SurveyFixture fixture;
        QVERIFY(SetComPortDevice(0, fixture.root() + QStringLiteral("/no-such-device")));
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        const QString path = fixture.root() + QStringLiteral("/missing folder/out.VEK");
        fixture.platform().queueFileName(path);
        dialog.OnBrowse();
        dialog.OnGetData();
        const QStringList messages = fixture.platform().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.front().contains(path), qPrintable(messages.front()));
        QVERIFY(!dialog.isBusy());
    }

    void existingOutputFileIsEmptiedBeforeTheInstrumentIsContacted() {
        SurveyFixture fixture;
        const QString device = fixture.root() + QStringLiteral("/no-such-device");
        QVERIFY(SetComPortDevice(0, device));
        const QString path = fixture.dataFile(QStringLiteral("old.VEK"));
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("Survey started on Mon Mar 12 10:20:30 2007\n");
        }
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        fixture.platform().queueFileName(path);
        dialog.OnBrowse();
        dialog.OnGetData();
        const QStringList messages = fixture.platform().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.front().startsWith(QStringLiteral("No response of SONVAR\n")),
                 qPrintable(messages.front()));
        QVERIFY2(messages.front().contains(device), qPrintable(messages.front()));
        QCOMPARE(QFileInfo(path).size(), 0);
        QVERIFY(!dialog.isBusy());
    }

    void storeThatCannotBeCreatedIsReportedAndComOneUsed() {
        SurveyFixture fixture;
        QFile blocker(fixture.configFolder() + QStringLiteral("/VEK"));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
        blocker.close();
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        QCOMPARE(fixture.platform().messages(), QStringList{"error creating key"});
        QCOMPARE(dialog.portIndex(), 0);

        whenModal<CPortSetup>([](CPortSetup &setup) {
            QCOMPARE(setup.portList()->currentIndex(), 0);
            setup.accept();
        });
        dialog.OnPortSetup();
        QCOMPARE(fixture.platform().messages(),
                 QStringList({"error creating key", "error creating key"}));
        QCOMPARE(dialog.portIndex(), 0);
    }

    void portChosenWithOkIsUsedAndSurvivesANewDialog() {
        SurveyFixture fixture;
        {
            CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
            whenModal<CPortSetup>([](CPortSetup &setup) {
                QCOMPARE(setup.windowTitle(), QStringLiteral("Dialog"));
                QCOMPARE(setup.portList()->count(), 16);
                QCOMPARE(setup.portList()->itemText(15), QStringLiteral("COM 16"));
                QCOMPARE(setup.portList()->currentIndex(), 0);
                QTest::keyClick(setup.portList(), Qt::Key_Down);
                QTest::keyClick(setup.portList(), Qt::Key_Down);
                QCOMPARE(setup.portList()->currentText(), QStringLiteral("COM 3"));
                QCOMPARE(storedPort(), 2u); // written at once
                QCOMPARE(setup.deviceField()->currentText(), QStringLiteral("/dev/ttyUSB2"));
                setup.accept();
            });
            QTest::mouseClick(dialog.portSetupButton(), Qt::LeftButton);
            QCOMPARE(dialog.portIndex(), 2);
        }
        CSurveyDlg again(fixture.programFolder(), fixture.startPath());
        QCOMPARE(again.portIndex(), 2);
        whenModal<CPortSetup>([](CPortSetup &setup) {
            QCOMPARE(setup.portList()->currentText(), QStringLiteral("COM 3"));
            setup.reject();
        });
        again.OnPortSetup();
        QCOMPARE(again.portIndex(), 2);
    }

    void cancelKeepsThisRunsPortButTheStoredValueChanged() {
        SurveyFixture fixture;
        storePort(1);
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        QCOMPARE(dialog.portIndex(), 1);
        whenModal<CPortSetup>([](CPortSetup &setup) {
            QCOMPARE(setup.portList()->currentIndex(), 1);
            setup.portList()->setCurrentIndex(4);
            emit setup.portList()->activated(4);
            setup.reject();
        });
        dialog.OnPortSetup();
        QCOMPARE(dialog.portIndex(), 1);
        QCOMPARE(storedPort(), 4u);
        CSurveyDlg nextRun(fixture.programFolder(), fixture.startPath());
        QCOMPARE(nextRun.portIndex(), 4);
    }

    void storedValueBeyondTheListSelectsNothing() {
        SurveyFixture fixture;
        storePort(20);
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        QCOMPARE(dialog.portIndex(), 20);
        whenModal<CPortSetup>([](CPortSetup &setup) {
            QCOMPARE(setup.portList()->currentIndex(), -1);
            QCOMPARE(setup.deviceField()->currentText(), QStringLiteral("/dev/ttyUSB20"));
            setup.accept();
        });
        dialog.OnPortSetup();
        QCOMPARE(dialog.portIndex(), 20);

        // The session opens COM21: the device mapped to it is the one tried.
        const QString com21 = fixture.root() + QStringLiteral("/com21");
        QVERIFY(SetComPortDevice(20, com21));
        fixture.platform().queueFileName(fixture.dataFile(QStringLiteral("out.VEK")));
        dialog.OnBrowse();
        dialog.OnGetData();
        const QStringList messages = fixture.platform().messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.front().startsWith(QStringLiteral("No response of SONVAR\n")) &&
                     messages.front().contains(com21),
                 qPrintable(messages.front()));
    }

    void storedIndexReplacesTheOneHandedOver() {
        SurveyFixture fixture;
        storePort(6);
        CPortSetup setup(2);
        setup.show();
        QCOMPARE(setup.portIndex(), 6);
        QCOMPARE(setup.portList()->currentText(), QStringLiteral("COM 7"));
    }

    void deviceTypedInThePortDialogIsKeptForThatPort() {
        SurveyFixture fixture;
        storePort(3);
        const QString device = fixture.root() + QStringLiteral("/pts-of-the-simulator");
        {
            CPortSetup setup(0);
            setup.show();
            setup.deviceField()->setEditText(device);
            emit setup.deviceField()->lineEdit()->editingFinished();
        }
        QCOMPARE(ComPortDevice(3), device);
        QCOMPARE(ComPortDevice(0), QStringLiteral("/dev/ttyUSB0"));
        CPortSetup again(0);
        again.show();
        QCOMPARE(again.deviceField()->currentText(), device);
        again.deviceField()->setEditText(QString()); // cleared: back to the default
        emit again.deviceField()->lineEdit()->editingFinished();
        QCOMPARE(ComPortDevice(3), QStringLiteral("/dev/ttyUSB3"));
        QCOMPARE(again.deviceField()->currentText(), QStringLiteral("/dev/ttyUSB3"));
    }

    void closeEndsTheProgramWithCodeOne() {
        SurveyFixture fixture;
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        int code = -1;
        dialog.setProgramExit([&code](int exitCode) { code = exitCode; });
        QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
        QCOMPARE(code, 1);
    }

    void escapeEndsTheDialogNormally() {
        SurveyFixture fixture;
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        int code = -1;
        dialog.setProgramExit([&code](int exitCode) { code = exitCode; });
        QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QCOMPARE(code, -1);
    }

    void aboutShowsTheVersion() {
        SurveyFixture fixture;
        CSurveyDlg dialog(fixture.programFolder(), fixture.startPath());
        bool seen = false;
        whenModal<CAboutDlg>([&seen](CAboutDlg &about) {
            QCOMPARE(about.windowTitle(), QStringLiteral("About Vatro"));
            QStringList texts;
            for (QLabel *label : about.findChildren<QLabel *>())
                texts << label->text();
            QVERIFY(texts.contains(QStringLiteral("Vatro Version 1.8")));
            seen = true;
            about.accept();
        });
        auto *help = qobject_cast<QMenuBar *>(dialog.menuBar()->cornerWidget(Qt::TopRightCorner));
        help->actions().value(0)->menu()->actions().value(0)->trigger();
        QVERIFY(seen);
    }
};

QTEST_MAIN(TestSurveyDlg)
#include "test_surveydlg.moc"
