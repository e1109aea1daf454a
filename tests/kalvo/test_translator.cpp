// The translation mechanism on a window of every kind of component: captions
// of labels, check boxes, group boxes and tab pages, hints, initial texts,
// fonts and item lists, switched with the dispatcher, with English where a
// language lacks a text and per-language item lists.
#include "kalvo/app/languages.h"
#include "kalvo/app/windowtranslator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// Stands for a later window (the tank test form) that only brings its table.
class TFormTest : public QDialog {
public:
    TFormTest() {
        setObjectName(QStringLiteral("TFormTest"));
        auto *layout = new QVBoxLayout(this);
        group = new QGroupBox(this);
        group->setObjectName(QStringLiteral("GroupBox1"));
        tabs = new QTabWidget(this);
        tabs->addTab(new QWidget, QString());
        pipes = new QWidget;
        pipes->setObjectName(QStringLiteral("TabSheet2"));
        tabs->addTab(pipes, QString());
        check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("CheckBox1"));
        label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label1"));
        edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit1"));
        memo = new QTextEdit(this);
        memo->setObjectName(QStringLiteral("Memo1"));
        stock = new QComboBox(this);
        stock->setObjectName(QStringLiteral("ComboBoxStock"));
        for (QWidget *widget :
             std::initializer_list<QWidget *>{group, tabs, check, label, edit, memo, stock})
            layout->addWidget(widget);
        texts = new WindowTranslator(this);
    }
    QGroupBox *group;
    QTabWidget *tabs;
    QWidget *pipes;
    QCheckBox *check;
    QLabel *label;
    QLineEdit *edit;
    QTextEdit *memo;
    QComboBox *stock;
    WindowTranslator *texts;
};

QStringList itemsOf(const QComboBox *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}

} // namespace

class TestTranslator : public QObject {
    Q_OBJECT
private slots:
    void init() { languageDispatcher().setActiveLanguage(LanguageEnglish); }
    void cleanupTestCase() { languageDispatcher().setActiveLanguage(LanguageEnglish); }
    void englishAtCreation();
    void switchesEveryKindOfComponent();
    void itemListsPerLanguage();
    void createdLaterInActiveLanguage();
    void typedTextSurvivesASwitch();
};

void TestTranslator::englishAtCreation() {
    TFormTest form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Test window"));
    QCOMPARE(form.group->title(), QStringLiteral("Tank"));
    QCOMPARE(form.tabs->tabText(1), QStringLiteral("Pipes"));
    QCOMPARE(form.check->text(), QStringLiteral("Yes"));
    QCOMPARE(form.edit->toolTip(), QStringLiteral("Type here"));
    QCOMPARE(form.memo->toPlainText(), QStringLiteral("Write a comment"));
    QCOMPARE(form.memo->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(itemsOf(form.stock), (QStringList{"Diesel", "Other", "E10"}));
    QCOMPARE(form.texts->ids(7), QStringLiteral("Seven"));
}

void TestTranslator::switchesEveryKindOfComponent() {
    TFormTest form;
    languageDispatcher().setActiveLanguage(LanguageGerman);
    QCOMPARE(form.windowTitle(), QStringLiteral("Test window")); // no German: English
    QCOMPARE(form.tabs->tabText(1), QStringLiteral("Leitungen"));
    QCOMPARE(form.check->text(), QStringLiteral("Ja"));
    QCOMPARE(form.label->text(), QStringLiteral("PLZ"));
    QCOMPARE(form.edit->toolTip(), QStringLiteral("Hier tippen"));
    QCOMPARE(form.memo->toPlainText(), QStringLiteral("Kommentar"));
    QCOMPARE(form.memo->font().family(), QStringLiteral("Tahoma"));
    languageDispatcher().setActiveLanguage(LanguageDanish);
    QCOMPARE(form.group->title(), QStringLiteral("Tank "));
    QCOMPARE(form.check->text(), QStringLiteral("Yes"));
    languageDispatcher().setActiveLanguage(LanguageDutch);
    QCOMPARE(form.texts->ids(7), QStringLiteral("Zeven \"7\""));
}

void TestTranslator::itemListsPerLanguage() {
    TFormTest form;
    form.stock->setCurrentIndex(1);
    languageDispatcher().setActiveLanguage(LanguageFrench);
    QCOMPARE(itemsOf(form.stock), (QStringList{"GO", "Autre", "E10"}));
    QCOMPARE(form.stock->currentIndex(), 1);
    // A shorter list in a language: the selection past its end is dropped.
    form.stock->setCurrentIndex(2);
    languageDispatcher().setActiveLanguage(LanguageSpanish);
    QCOMPARE(itemsOf(form.stock), QStringList{"Diesel"});
    QCOMPARE(form.stock->currentIndex(), -1);
    languageDispatcher().setActiveLanguage(LanguageItalian); // no Italian list: English
    QCOMPARE(itemsOf(form.stock), (QStringList{"Diesel", "Other", "E10"}));
}

void TestTranslator::createdLaterInActiveLanguage() {
    languageDispatcher().setActiveLanguage(LanguageFrench);
    TFormTest form;
    QCOMPARE(form.windowTitle(), QStringLiteral(u"Fenêtre d'essai"));
    QCOMPARE(form.texts->language(), int(LanguageFrench));
}

void TestTranslator::typedTextSurvivesASwitch() {
    TFormTest form;
    form.memo->setPlainText(QStringLiteral("The tank was tested twice."));
    languageDispatcher().setActiveLanguage(LanguageGerman);
    QCOMPARE(form.memo->toPlainText(), QStringLiteral("The tank was tested twice."));
}

QTEST_MAIN(TestTranslator)
#include "test_translator.moc"
