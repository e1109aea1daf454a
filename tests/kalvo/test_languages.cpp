// Languages: the menu, the stored language in preference.ini, the switch of
// every window at once (also windows created afterwards), the English
// fallback, and the translation tables' contents.
#include "kalvofixture.h"

#include "common/inifile.h"
#include "common/win1252.h"
#include "kalvo/app/application.h"
#include "kalvo/app/languages.h"
#include "kalvo/app/menu.h"
#include "kalvo/app/translationtable.h"
#include "kalvo/app/windowtranslator.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/reports/ownergui.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

namespace {

QString storedLanguage(const QString &path) {
    return IniFile::readValue(path, QStringLiteral("Language"), QStringLiteral("Language"),
                              QStringLiteral("<none>"));
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList checkedItems() {
    QStringList checked;
    for (QAction *item : Form1->L1->actions())
        if (item->isChecked())
            checked.append(item->objectName());
    return checked;
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void menuItemsInOrderAsOneRadioGroup();
    void firstStartCreatesPreferences();
    void storedLanguageApplied_data();
    void storedLanguageApplied();
    void switchReachesEveryWindowAndBack();
    void windowCreatedLaterStartsInActiveLanguage();
    void fontsFollowTheLanguage();
    void promptsFollowTheLanguageButSurveyTextStays();
    void preferencesStayBelowProgramFolderAfterOpenFile();
    void unwritablePreferences();
    void englishFallback();
    void tablesAreCompleteAndExact_data();
    void tablesAreCompleteAndExact();
    void exactBytesOfSpecialTexts();

private:
    std::unique_ptr<KalvoFixture> m_kalvo;
};

void TestLanguages::init() {
    m_kalvo = std::make_unique<KalvoFixture>();
}

void TestLanguages::cleanup() {
    m_kalvo.reset();
}

void TestLanguages::menuItemsInOrderAsOneRadioGroup() {
    m_kalvo->showMainWindow();
    QStringList names, captions;
    for (QAction *item : Form1->L1->actions()) {
        names.append(item->objectName());
        captions.append(item->text());
        QVERIFY(item->isCheckable());
        QCOMPARE(item->actionGroup(), Form1->English1->actionGroup());
    }
    QCOMPARE(names, (QStringList{"English1", "French1", "German1", "Italian1", "Spanish1", "Dutch1",
                                 "Danish1"}));
    QCOMPARE(captions, (QStringList{"English", u"Français"_qs, "Deutsch", "Italiano", u"Español"_qs,
                                    "Nederlands", "Dansk"}));
    QVERIFY(Form1->English1->actionGroup()->isExclusive());
    QCOMPARE(Form1->L1->title(), QStringLiteral("Language"));
}

void TestLanguages::firstStartCreatesPreferences() {
    QVERIFY(!QFileInfo::exists(m_kalvo->programFolder() + QStringLiteral("/Preferences")));
    m_kalvo->showMainWindow();
    QCOMPARE(storedLanguage(m_kalvo->preferencesPath()), QStringLiteral("EN"));
    QCOMPARE(checkedItems(), QStringList{"English1"});
    QCOMPARE(languageDispatcher().activeLanguage(), int(LanguageEnglish));
    // The supplier's section is created by the same start.
    const IniFile file(m_kalvo->preferencesPath());
    QVERIFY(file.hasSection(QStringLiteral("owner")));
}

void TestLanguages::storedLanguageApplied_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<QString>("openCaption");
    QTest::newRow("DAN") << QByteArray("[Language]\nLanguage=DAN\n") << "Danish1"
                         << "DAN" << u"Åbn "_qs;
    QTest::newRow("FR") << QByteArray("[Language]\r\nLanguage=FR\r\n") << "French1"
                        << "FR"
                        << "Ouvrir un fichier";
    QTest::newRow("GER") << QByteArray("[language]\nLANGUAGE=GER\n") << "German1"
                         << "GER" << u"Datei öffnen"_qs;
    QTest::newRow("SP") << QByteArray("[Language]\nLanguage=SP\n") << "Spanish1"
                        << "SP"
                        << "Abrir Archivo";
    QTest::newRow("IT") << QByteArray("[Language]\nLanguage=IT\n") << "Italian1"
                        << "IT"
                        << "Apri file";
    QTest::newRow("NL") << QByteArray("[Language]\nLanguage=NL\n") << "Dutch1"
                        << "NL"
                        << "Open bestand";
    QTest::newRow("lower-case code is English, left as it is")
        << QByteArray("[Language]\nLanguage=fr\n") << "English1"
        << "fr"
        << "Open file";
    QTest::newRow("unknown code") << QByteArray("[Language]\nLanguage=XX\n") << "English1"
                                  << "XX"
                                  << "Open file";
    QTest::newRow("empty value written EN") << QByteArray("[Language]\nLanguage=\n") << "English1"
                                            << "EN"
                                            << "Open file";
    QTest::newRow("file without the key") << QByteArray("[owner]\ncity=Lyon\n") << "English1"
                                          << "EN"
                                          << "Open file";
}

void TestLanguages::storedLanguageApplied() {
    QFETCH(QByteArray, file);
    QFETCH(QString, checked);
    QFETCH(QString, storedAfter);
    QFETCH(QString, openCaption);
    writeFile(m_kalvo->preferencesPath(), file);
    m_kalvo->showMainWindow();
    QCOMPARE(checkedItems(), QStringList{checked});
    QCOMPARE(storedLanguage(m_kalvo->preferencesPath()), storedAfter);
    QCOMPARE(Form1->Button1->text(), openCaption);
}

void TestLanguages::switchReachesEveryWindowAndBack() {
    m_kalvo->showMainWindow();
    Form1->German1->trigger();
    Form1->Danish1->trigger();
    QCOMPARE(checkedItems(), QStringList{"Danish1"});
    QCOMPARE(storedLanguage(m_kalvo->preferencesPath()), QStringLiteral("DAN"));
    QCOMPARE(Form1->Button1->text(), u"Åbn "_qs);
    QCOMPARE(Form1->Button4->text(), QStringLiteral("Luk"));
    QCOMPARE(Form1->windowTitle(), u"Diagram og Målinger for VEK KALVO"_qs);
    QCOMPARE(Form1->ComboBox->toolTip(), u"Vælg dato/tid"_qs);
    QCOMPARE(Form2->windowTitle(), u"Serviceleverandørs data"_qs);
    QCOMPARE(Form2->findChild<QLabel *>(QStringLiteral("LabelTel"))->text(), QStringLiteral("Tlf"));
    QCOMPARE(Form2->ButtonCancel->text(), QStringLiteral("Annuller"));
    QCOMPARE(Form3->windowTitle(), QStringLiteral("Diagrammer"));
    QCOMPARE(Form3->ButtonPdf->text(), QStringLiteral("Lav detaljeret rapport"));
    QCOMPARE(Form3->Button1->text(), QStringLiteral("Luk"));

    Form1->English1->trigger();
    QCOMPARE(Form1->Button1->text(), QStringLiteral("Open file"));
    QCOMPARE(Form1->Button4->text(), QStringLiteral("Close"));
    QCOMPARE(Form3->ButtonSimpleReport->text(), QStringLiteral("Create simple report"));
    QCOMPARE(storedLanguage(m_kalvo->preferencesPath()), QStringLiteral("EN"));
}

void TestLanguages::windowCreatedLaterStartsInActiveLanguage() {
    m_kalvo->showMainWindow();
    Form1->Dutch1->trigger();
    TForm3 later(Form1);
    QCOMPARE(later.windowTitle(), QStringLiteral("Grafieken"));
    QCOMPARE(later.ButtonPdf->text(), QStringLiteral("Gedetailleerd rapport aanmaken"));
    Form1->Italian1->trigger();
    QCOMPARE(later.windowTitle(), QStringLiteral("Grafico"));
}

void TestLanguages::fontsFollowTheLanguage() {
    m_kalvo->showMainWindow();
    QCOMPARE(Form1->RichEdit1->font().family(), QStringLiteral("Courier New"));
    Form1->German1->trigger();
    QCOMPARE(Form1->RichEdit1->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(Form3->RichEditRedValues->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(Form3->RichEditBlackValues->font().family(), QStringLiteral("Tahoma"));
    Form1->Spanish1->trigger();
    QCOMPARE(Form1->RichEdit1->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(Form3->RichEditRedValues->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(Form1->RichEdit1->font().pointSize(), 8);
}

void TestLanguages::promptsFollowTheLanguageButSurveyTextStays() {
    m_kalvo->showMainWindow();
    Form1->French1->trigger();
    QCOMPARE(Form1->RichEdit1->toPlainText(), u"Sélectionner un fichier"_qs);
    m_kalvo->openDocument(m_kalvo->samplePath());
    QCOMPARE(Form1->RichEdit1->toPlainText(), u"Sélectionnez un contrôle à partir de la liste"_qs);
    Form1->Dutch1->trigger();
    QCOMPARE(Form1->RichEdit1->toPlainText(),
             QStringLiteral("Selecteer een inspectie uit de lijst"));
    emit Form1->ComboBox->activated(0);
    const QString surveyText = Form1->RichEdit1->toPlainText();
    Form1->English1->trigger();
    QCOMPARE(Form1->RichEdit1->toPlainText(), surveyText);
}

void TestLanguages::preferencesStayBelowProgramFolderAfterOpenFile() {
    m_kalvo->showMainWindow();
    m_kalvo->openDocument(m_kalvo->samplePath());
    QVERIFY(QDir::currentPath().endsWith(QStringLiteral("/Data")));
    Form1->French1->trigger();
    QCOMPARE(storedLanguage(m_kalvo->preferencesPath()), QStringLiteral("FR"));
    QVERIFY(!QFileInfo::exists(m_kalvo->programFolder() + QStringLiteral("/Data/Preferences")));
    QVERIFY(!QFileInfo::exists(QStringLiteral("Preferences")));
}

void TestLanguages::unwritablePreferences() {
    // A file where the Preferences folder should be: nothing can be written.
    writeFile(m_kalvo->programFolder() + QStringLiteral("/Preferences"), "in the way");
    m_kalvo->showMainWindow();
    auto boxes = m_kalvo->platform().requestsOf(ScriptedPlatform::Kind::Message);
    QCOMPARE(boxes.size(), size_t(1));
    QCOMPARE(boxes[0].caption, applicationTitle());
    QCOMPARE(boxes[0].text,
             QStringLiteral("Unable to write to %1").arg(m_kalvo->preferencesPath()));
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);

    m_kalvo->platform().clear();
    Form1->Danish1->trigger();
    // Active and checked for this run even though it could not be stored.
    QCOMPARE(checkedItems(), QStringList{"Danish1"});
    QCOMPARE(Form1->Button4->text(), QStringLiteral("Luk"));
    QCOMPARE(m_kalvo->platform().messages(),
             QStringList{QStringLiteral("Unable to write to %1").arg(m_kalvo->preferencesPath())});
}

void TestLanguages::englishFallback() {
    TranslationTable table;
    QString error;
    QVERIFY2(table.parse("# test\n[Button1.Caption]\nEN \"Open\"\nFR \"Ouvrir\"\n"
                         "[IDS_0]\nEN \"Only English\"\n"
                         "[List.Items[0]]\nEN \"a\"\nSP \"x\"\n[List.Items[1]]\nEN \"b\"\n",
                         &error),
             qPrintable(error));
    QCOMPARE(table.text(QStringLiteral("Button1.Caption"), LanguageFrench),
             QStringLiteral("Ouvrir"));
    QCOMPARE(table.text(QStringLiteral("Button1.Caption"), LanguageDanish), QStringLiteral("Open"));
    QCOMPARE(table.text(QStringLiteral("IDS_0"), LanguageGerman), QStringLiteral("Only English"));
    QVERIFY(table.text(QStringLiteral("IDS_9"), LanguageEnglish).isNull());
    // A language's list stops where its items stop; a language without any
    // item takes the English list.
    QCOMPARE(table.items(QStringLiteral("List"), LanguageSpanish), QStringList{"x"});
    QCOMPARE(table.items(QStringLiteral("List"), LanguageDutch), (QStringList{"a", "b"}));

    // A window shows English where its table lacks the active language.
    m_kalvo->showMainWindow();
    Form1->Danish1->trigger();
    QCOMPARE(Form1->texts().ids(12), QStringLiteral("Om"));
    QCOMPARE(Form1->texts().text(QStringLiteral("L1.Caption")), QStringLiteral("Language"));
}

void TestLanguages::tablesAreCompleteAndExact_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("rows");
    QTest::newRow("TForm1") << "TForm1" << 26;
    QTest::newRow("TForm2") << "TForm2" << 12;
    QTest::newRow("TForm3") << "TForm3" << 6;
}

void TestLanguages::tablesAreCompleteAndExact() {
    QFETCH(QString, window);
    QFETCH(int, rows);
    QFile file(QStringLiteral(":/lang/%1.lang").arg(window));
    QVERIFY(file.open(QIODevice::ReadOnly));
    TranslationTable table;
    QString error;
    QVERIFY2(table.parse(file.readAll(), &error), qPrintable(error));
    QCOMPARE(table.rows().size(), rows);
    // Every row has all seven offered languages, each encodable as the
    // single-byte texts of the Windows tables.
    for (const QString &row : table.rows()) {
        QCOMPARE(table.allTexts(row).size() >= 7, true);
        for (int language = LanguageEnglish; language <= kLastLanguage; ++language)
            QVERIFY2(win1252::canEncode(table.text(row, language)), qPrintable(row));
    }
}

void TestLanguages::exactBytesOfSpecialTexts() {
    const TranslationTable &form1 = TranslationTable::forWindow(QStringLiteral("TForm1"));
    QCOMPARE(win1252::encode(form1.text(QStringLiteral("IDS_1"), LanguageDutch)),
             QByteArray("Aan het laden\x85"));
    QCOMPARE(win1252::encode(form1.text(QStringLiteral("IDS_3"), LanguageDutch)),
             QByteArray("\"Kies een bestand\""));
    QCOMPARE(win1252::encode(form1.text(QStringLiteral("IDS_3"), LanguageDanish)),
             QByteArray("V\xe6lg en fil "));
    QCOMPARE(win1252::encode(form1.text(QStringLiteral("Button1.Caption"), LanguageDanish)),
             QByteArray("\xc5"
                        "bn "));
    QCOMPARE(form1.text(QStringLiteral("IDS_5"), LanguageItalian), QStringLiteral("errore 01"));
}

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
