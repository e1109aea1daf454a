// The tank test form in every language: each caption fits its control on both
// tabs; a switch of language reaches the form and the operators and output
// windows at once; a form created after the switch starts in the language;
// the standard buttons of message boxes speak the active language.
#include "kalvo/app/forms.h"
#include "kalvo/app/menu.h"
#include "kalvo/app/standardbuttontexts.h"
#include "kalvo/app/windowtranslator.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/kalvofixture.h"
#include "kalvo/reports/combofill.h"
#include "kalvo/reports/fileselectiongui.h"
#include "kalvo/reports/fill/reporttexts.h"
#include "kalvo/reports/vatroresultsgui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

// A caption as drawn: mnemonic markers are not printed.
QString shown(QString caption) {
    return caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// "<object>: <caption>" for every visible caption on `page` that is wider
// than the room its control gives it.
QStringList cutCaptions(QWidget *page) {
    QStringList cut;
    const auto report = [&cut](const QWidget *widget, const QString &caption, int need, int room) {
        if (need > room)
            cut << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                       .arg(widget->objectName(), caption)
                       .arg(need)
                       .arg(room);
    };
    for (QLabel *label : page->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(page) || label->text().isEmpty() || label->wordWrap())
            continue;
        const QString text = shown(label->text());
        report(label, text, label->fontMetrics().horizontalAdvance(text),
               label->contentsRect().width());
    }
    for (QCheckBox *box : page->findChildren<QCheckBox *>()) {
        if (box->isVisibleTo(page))
            report(box, box->text(), box->sizeHint().width(), box->width());
    }
    // A push button's size hint has a style minimum width that a small
    // button such as ". . ." does not need: its caption and margins must fit.
    for (QPushButton *button : page->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(page) || button->text().isEmpty())
            continue;
        const int margins =
            2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        report(button, button->text(),
               button->fontMetrics().horizontalAdvance(shown(button->text())) + margins,
               button->width());
    }
    for (QGroupBox *group : page->findChildren<QGroupBox *>()) {
        if (!group->isVisibleTo(page))
            continue;
        const int title = group->fontMetrics().horizontalAdvance(shown(group->title()));
        report(group, group->title(), title + 2 * group->fontMetrics().averageCharWidth(),
               group->width());
    }
    return cut;
}

void settle(QWidget *window) {
    if (window->layout())
        window->layout()->activate();
    QCoreApplication::processEvents();
}

} // namespace

class TestFormTexts : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void captionsFitTheirControls_data();
    void captionsFitTheirControls();
    void switchReachesOpenWindowsAtOnce();
    void formCreatedAfterSwitchStartsInIt();
    void stockBeyondTheSpanishListIsUnselected();
    void standardButtonsSpeakTheLanguage_data();
    void standardButtonsSpeakTheLanguage();
    void tableButtonTextsWithoutQtTranslations_data() { standardButtonsSpeakTheLanguage_data(); }
    void tableButtonTextsWithoutQtTranslations();

private:
    std::unique_ptr<KalvoFixture> m_kalvo;
};

void TestFormTexts::init() {
    m_kalvo = std::make_unique<KalvoFixture>();
    m_kalvo->showMainWindow();
}

void TestFormTexts::cleanup() {
    Form1->English1->trigger();
    m_kalvo.reset();
}

void TestFormTexts::captionsFitTheirControls_data() {
    QTest::addColumn<int>("language");
    for (int language = LanguageEnglish; language <= kLastLanguage; ++language)
        QTest::newRow(qPrintable(languageCode(language))) << language;
}

void TestFormTexts::captionsFitTheirControls() {
    QFETCH(int, language);
    Form1->languageItem(language)->trigger();
    TForm4 form(Form3);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.ComboBoxTank->setCurrentIndex(2); // shows the pipes tab
    QStringList cut;
    for (int tab = 0; tab < form.PageControl1->count(); ++tab) {
        form.PageControl1->setCurrentIndex(tab);
        settle(&form);
        cut << cutCaptions(&form);
        const QTabBar *bar = form.PageControl1->tabBar();
        const QString caption = form.PageControl1->tabText(tab);
        if (bar->fontMetrics().horizontalAdvance(shown(caption)) > bar->tabRect(tab).width())
            cut << QStringLiteral("tab %1: \"%2\"").arg(tab).arg(caption);
    }
    cut.removeDuplicates();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    // The form stays within a small laptop screen.
    QVERIFY2(form.frameGeometry().width() <= 1366 && form.frameGeometry().height() <= 768,
             qPrintable(QStringLiteral("%1 x %2").arg(form.width()).arg(form.height())));
}

void TestFormTexts::switchReachesOpenWindowsAtOnce() {
    Form4 = new TForm4(Form3);
    Form4->show();
    Form5->show();
    Form6->show();
    Form4->ComboBoxStock->setCurrentIndex(6);
    Form4->ComboBoxTank->setCurrentIndex(1);

    Form1->German1->trigger();
    QCOMPARE(Form4->windowTitle(), QStringLiteral("Vatro Report"));
    QCOMPARE(Form4->PageControl1->tabText(0), QStringLiteral("Tankbeschreibung"));
    QCOMPARE(Form4->ButtonCancel->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(Form4->findChild<QLabel *>(QStringLiteral("LabelSignataire"))->text(),
             QStringLiteral("Unterzeichner"));
    // The selections stay, shown in the new language.
    QCOMPARE(Form4->ComboBoxStock->currentText(), u"Heizöl"_qs);
    QCOMPARE(Form4->ComboBoxTank->currentIndex(), 1);
    QCOMPARE(Form4->reportTexts()(36), u"Ergebnis der Dichtheitsprüfung"_qs);
    QCOMPARE(Form5->windowTitle(), QStringLiteral("Anwender Liste"));
    QCOMPARE(Form5->ButtonDel->text(), u"Löschen"_qs);
    QCOMPARE(Form6->windowTitle(), QStringLiteral("Report erstellen"));
    QCOMPARE(Form6->BtnPrevious->text(), u"Zurück"_qs);

    Form1->French1->trigger();
    QCOMPARE(Form4->windowTitle(), QStringLiteral("Rapport Vatro"));
    QCOMPARE(Form4->ComboBoxStock->currentText(), QStringLiteral("FOD"));
    QCOMPARE(Form5->ButtonAdd->text(), QStringLiteral("Ajouter"));
    QCOMPARE(Form6->BtnCancel->text(), QStringLiteral("Annuler"));
    Form4->closeForm();
}

void TestFormTexts::formCreatedAfterSwitchStartsInIt() {
    Form1->Danish1->trigger();
    TForm4 form(Form3);
    QCOMPARE(form.windowTitle(), QStringLiteral("Vatro rapport"));
    QCOMPARE(form.ComboBoxTank->itemText(0), QStringLiteral("Af en tank eller et rum"));
    QCOMPARE(form.ComboBoxStock->count(), 11);
    QCOMPARE(form.ComboBoxEtanche[0]->itemText(1), QStringLiteral("Ja"));
    QCOMPARE(form.reportTexts()(19), QStringLiteral("Registreringstid (i minutter)"));
    QCOMPARE(form.texts().ids(54), QStringLiteral("Du skal angive underskriverens navn."));

    Form1->Spanish1->trigger();
    TForm4 spanish(Form3);
    QCOMPARE(spanish.ComboBoxStock->count(), 8);
    QCOMPARE(spanish.ComboBoxNatureCanal[2]->itemText(3), u"Linea de succión primaria"_qs);
    QCOMPARE(spanish.ComboBoxNatureCanal[0]->itemText(3), u"Succión primaria"_qs);
}

// The Spanish stock list has eight items: a product chosen further down in
// another language is no longer selected, so the form's check asks again.
void TestFormTexts::stockBeyondTheSpanishListIsUnselected() {
    TForm4 form(Form3);
    form.ComboBoxStock->setCurrentIndex(9);
    Form1->Spanish1->trigger();
    QCOMPARE(form.ComboBoxStock->count(), 8);
    QCOMPARE(form.ComboBoxStock->currentIndex(), -1);
    QCOMPARE(form.formValues().stock, QString());
    form.ComboBoxStock->setCurrentIndex(7);
    Form1->English1->trigger();
    QCOMPARE(form.ComboBoxStock->count(), 11);
    QCOMPARE(form.ComboBoxStock->currentText(), QStringLiteral("Kerosene"));
}

void TestFormTexts::standardButtonsSpeakTheLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts"); // Ok, Cancel, Yes, No as shown
    QTest::newRow("EN") << int(LanguageEnglish) << QStringList{"OK", "Cancel", "Yes", "No"};
    QTest::newRow("FR") << int(LanguageFrench) << QStringList{"OK", "Annuler", "Oui", "Non"};
    QTest::newRow("SP") << int(LanguageSpanish) << QStringList{"Aceptar", "Cancelar", "Sí", "No"};
    QTest::newRow("IT") << int(LanguageItalian) << QStringList{"OK", "Annulla", "Sì", "No"};
    QTest::newRow("GER") << int(LanguageGerman) << QStringList{"OK", "Abbrechen", "Ja", "Nein"};
    QTest::newRow("NL") << int(LanguageDutch) << QStringList{"OK", "Annuleren", "Ja", "Nee"};
    QTest::newRow("DAN") << int(LanguageDanish) << QStringList{"OK", "Annuller", "Ja", "Nej"};
}

void TestFormTexts::standardButtonsSpeakTheLanguage() {
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    Form1->languageItem(language)->trigger();
    QMessageBox box(QMessageBox::Question, QStringLiteral("caption"), QStringLiteral("text"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    QStringList shownTexts;
    for (auto button : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No})
        shownTexts << shown(box.button(button)->text());
    QCOMPARE(shownTexts, texts);
}

// Where Qt's translation of a language is not installed, the table answers
// for the standard buttons, with the same texts; nothing else is touched.
void TestFormTexts::tableButtonTextsWithoutQtTranslations() {
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    const StandardButtonTexts table(language);
    QStringList answers;
    for (const char *source : {"OK", "Cancel", "&Yes", "&No"}) {
        const QString answer = table.translate("QPlatformTheme", source);
        answers << shown(answer.isNull() ? QString::fromLatin1(source) : answer);
    }
    QCOMPARE(answers, texts);
    QVERIFY(table.translate("QFileDialog", "Cancel").isNull());
    QVERIFY(table.translate("QPlatformTheme", "Discard").isNull());
}

QTEST_MAIN(TestFormTexts)
#include "test_formtexts.moc"
