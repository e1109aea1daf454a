// The operators list: the editor's Add, Delete, Ok and Cancel on the tank
// test form's list, and the section "Operators" of the preferences file as
// saveOperators writes it and loadOperatorsAndOwner reads it.
#include "reportuifixture.h"

#include "kalvo/app/forms.h"
#include "kalvo/app/languages.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/reports/combofill.h"
#include "kalvo/reports/operators.h"
#include "kalvo/reports/owner.h"
#include "kalvo/reports/vatroresultsgui.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace reportui;

namespace {

QStringList itemsOf(const QComboBox *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}

QStringList itemsOf(const QListWidget *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}

QByteArray sectionOf(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = file.readAll();
    const qsizetype start = all.indexOf("[Operators]");
    const qsizetype end = all.indexOf("\n[", start + 1);
    return all.mid(start, end < 0 ? -1 : end + 1 - start);
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestOperators : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void editorCopiesTheFormsList();
    void addRefusesDuplicatesWithoutRegardToCase();
    void addWithEmptyBoxAddsOneBlank();
    void deleteTakesTheSelectedName();
    void okHandsTheListBackAndStoresIt();
    void okAfterDeletingEveryName();
    void cancelChangesNothing();
    void saveWritesTheSectionAnew();
    void loadSelectsTheLastOperator_data();
    void loadSelectsTheLastOperator();
    void loadWithoutFileChangesNothing();
    void editorTexts_data();
    void editorTexts();

private:
    void openEditor();

    std::unique_ptr<ReportFixture> m_kalvo;
};

void TestOperators::init() {
    m_kalvo = std::make_unique<ReportFixture>();
    Form4 = new TForm4(Form3);
    Form4->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form4));
    m_kalvo->platform().clear();
}

void TestOperators::cleanup() {
    m_kalvo.reset();
}

void TestOperators::openEditor() {
    Form5->show(); // as ButtonFill does, without its modal loop
    QVERIFY(QTest::qWaitForWindowExposed(Form5));
}

void TestOperators::editorCopiesTheFormsList() {
    openEditor();
    QCOMPARE(itemsOf(Form5->ListBox), (QStringList{"Anna Berg", "Jens Holm"}));
    Form5->ListBox->addItem(QStringLiteral("lost"));
    Form5->EditOperator->setText(QStringLiteral("kept"));
    Form5->ButtonCancel->click();
    openEditor(); // a new showing copies the form's list afresh
    QCOMPARE(itemsOf(Form5->ListBox), (QStringList{"Anna Berg", "Jens Holm"}));
    QCOMPARE(Form5->EditOperator->text(), QStringLiteral("kept"));
}

void TestOperators::addRefusesDuplicatesWithoutRegardToCase() {
    openEditor();
    Form5->EditOperator->setText(QStringLiteral("ANNA berg"));
    Form5->ButtonAdd->click();
    QCOMPARE(m_kalvo->platform().messages(), QStringList{"Operator already exists in the list"});
    QCOMPARE(m_kalvo->platform().requests().front().caption, QStringLiteral("Warning"));
    QCOMPARE(Form5->EditOperator->text(), QStringLiteral("ANNA berg"));
    Form5->EditOperator->setText(QStringLiteral("Anna Bergström"));
    Form5->ButtonAdd->click();
    QCOMPARE(itemsOf(Form5->ListBox), (QStringList{"Anna Berg", "Jens Holm", "Anna Bergström"}));
    QCOMPARE(Form5->EditOperator->text(), QString());
}

void TestOperators::addWithEmptyBoxAddsOneBlank() {
    openEditor();
    Form5->EditOperator->clear();
    Form5->ButtonAdd->click();
    QCOMPARE(itemsOf(Form5->ListBox), (QStringList{"Anna Berg", "Jens Holm", " "}));
    QVERIFY(m_kalvo->platform().messages().isEmpty());
    Form5->ButtonAdd->click();
    QCOMPARE(m_kalvo->platform().messages().size(), 1);
    QCOMPARE(Form5->ListBox->count(), 3);
    QCOMPARE(Form5->EditOperator->text(), QString());
    QCOMPARE(Form5->EditOperator->maxLength(), 35);
}

void TestOperators::deleteTakesTheSelectedName() {
    openEditor();
    Form5->ButtonDel->click(); // nothing selected
    QCOMPARE(Form5->ListBox->count(), 2);
    Form5->ListBox->setCurrentRow(0);
    Form5->ButtonDel->click();
    QCOMPARE(itemsOf(Form5->ListBox), QStringList{"Jens Holm"});
}

void TestOperators::okHandsTheListBackAndStoresIt() {
    openEditor();
    Form5->EditOperator->setText(QStringLiteral("Karl Nielsen"));
    Form5->ButtonAdd->click();
    Form5->ButtonOk->click();
    QVERIFY(!Form5->isVisible());
    QCOMPARE(itemsOf(Form4->ComboBoxOperator),
             (QStringList{"Anna Berg", "Jens Holm", "Karl Nielsen"}));
    QCOMPARE(Form4->ComboBoxOperator->currentIndex(), -1);
    QCOMPARE(sectionOf(m_kalvo->preferencesPath()),
             QByteArray("[Operators]\noperatorNb=3\nlastOperator=\noperator1=Anna Berg\n"
                        "operator2=Jens Holm\noperator3=Karl Nielsen\n"));
    // No operator chosen now: the form refuses until one is.
    fillValidForm(*Form4);
    Form4->ComboBoxOperator->setCurrentIndex(-1);
    QVERIFY(!Form4->checkTankForm());
    QCOMPARE(m_kalvo->platform().messages().last(), QStringLiteral("You must select an operator"));
}

void TestOperators::okAfterDeletingEveryName() {
    openEditor();
    while (Form5->ListBox->count() > 0) {
        Form5->ListBox->setCurrentRow(0);
        Form5->ButtonDel->click();
    }
    Form5->ButtonOk->click();
    QCOMPARE(Form4->ComboBoxOperator->count(), 0);
    QCOMPARE(sectionOf(m_kalvo->preferencesPath()),
             QByteArray("[Operators]\noperatorNb=0\nlastOperator=\n"));
}

void TestOperators::cancelChangesNothing() {
    QFile before(m_kalvo->preferencesPath());
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();
    openEditor();
    Form5->ListBox->setCurrentRow(1);
    Form5->ButtonDel->click();
    Form5->ButtonCancel->click();
    QCOMPARE(itemsOf(Form4->ComboBoxOperator), (QStringList{"Anna Berg", "Jens Holm"}));
    QCOMPARE(Form4->ComboBoxOperator->currentText(), QStringLiteral("Jens Holm"));
    QFile after(m_kalvo->preferencesPath());
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), bytes);
}

void TestOperators::saveWritesTheSectionAnew() {
    // Stale keys of a longer list go; other sections stay as they were. A
    // name of a single blank reads back empty, as the file's values do.
    writeFile(m_kalvo->preferencesPath(),
              "[Operators]\noperatorNb=3\noperator3=Old\nlastOperator=Old\n"
              "[owner]\ncity=Aarhus\n");
    Form4->ComboBoxOperator->clear();
    Form4->ComboBoxOperator->addItems({QStringLiteral("Eva"), QStringLiteral(" ")});
    Form4->ComboBoxOperator->setCurrentIndex(0);
    saveOperators(*Form4, m_kalvo->preferencesPath());
    QFile file(m_kalvo->preferencesPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[owner]\ncity=Aarhus\n[Operators]\noperatorNb=2\n"
                                        "lastOperator=Eva\noperator1=Eva\noperator2=\n"));
}

void TestOperators::loadSelectsTheLastOperator_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");
    QTest::newRow("case ignored") << QByteArray("operatorNb=2\nlastOperator=EVA\n"
                                                "operator1=Bo\noperator2=Eva\n")
                                  << QStringList{"Bo", "Eva"} << 1;
    QTest::newRow("whole name only") << QByteArray("operatorNb=1\nlastOperator=Ev\n"
                                                   "operator1=Eva\n")
                                     << QStringList{"Eva"} << -1;
    QTest::newRow("not listed any more") << QByteArray("operatorNb=1\nlastOperator=Old\n"
                                                       "operator1=Eva\n")
                                         << QStringList{"Eva"} << -1;
    // The missing last operator reads as an empty text, which the first
    // empty name matches.
    QTest::newRow("missing names come in empty")
        << QByteArray("operatorNb=3\noperator1=Eva\n") << QStringList{"Eva", "", ""} << 1;
    QTest::newRow("no section") << QByteArray() << QStringList{} << -1;
    QTest::newRow("count that is no number")
        << QByteArray("operatorNb=many\noperator1=Eva\n") << QStringList{} << -1;
}

void TestOperators::loadSelectsTheLastOperator() {
    QFETCH(QByteArray, section);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    writeFile(m_kalvo->preferencesPath(), "[owner]\ncity=Odense\n" +
                                              (section.isEmpty() ? QByteArray() : "[Operators]\n") +
                                              section);
    Form4->ComboBoxOperator->clear();
    loadOperatorsAndOwner(*Form4, m_kalvo->preferencesPath());
    QCOMPARE(itemsOf(Form4->ComboBoxOperator), items);
    QCOMPARE(Form4->ComboBoxOperator->currentIndex(), selected);
    QVERIFY(Form4->supplier());
    QCOMPARE(Form4->supplier()->city(), QStringLiteral("Odense"));
}

void TestOperators::loadWithoutFileChangesNothing() {
    QVERIFY(QFile::remove(m_kalvo->preferencesPath()));
    Form4->setSupplier(nullptr);
    Form4->ComboBoxOperator->clear();
    Form4->ComboBoxOperator->addItem(QStringLiteral("Kept"));
    loadOperatorsAndOwner(*Form4, m_kalvo->preferencesPath());
    QCOMPARE(itemsOf(Form4->ComboBoxOperator), QStringList{"Kept"});
    QVERIFY(!Form4->supplier());
    QVERIFY(!QFile::exists(m_kalvo->preferencesPath()));
    // The next save creates the file.
    saveOperators(*Form4, m_kalvo->preferencesPath());
    QCOMPARE(m_kalvo->readPreference(QStringLiteral("Operators"), QStringLiteral("operator1")),
             QStringLiteral("Kept"));
}

void TestOperators::editorTexts_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("warning"); // text, caption
    QTest::newRow("EN") << "EN" << QStringList{"Operators List", "Add", "Delete", "Ok", "Cancel"}
                        << QStringList{"Operator already exists in the list", "Warning"};
    QTest::newRow("FR") << "FR"
                        << QStringList{"Liste opérateurs", "Ajouter", "Supprimer", "Ok", "Annuler"}
                        << QStringList{"Opérateur déjà existant dans la liste", "Attention"};
    QTest::newRow("SP") << "SP"
                        << QStringList{"Lista de Operarios", "Añadir", "Eliminar", "Ok", "Cancelar"}
                        << QStringList{"Operador ya existe en la lista", "Aviso"};
    QTest::newRow("IT") << "IT"
                        << QStringList{"Lista degli operatori", "Aggiungere", "Elimina", "Ok",
                                       "Annulla"}
                        << QStringList{"Esistenti operatore nella lista", "Attenzione"};
    QTest::newRow("NL") << "NL"
                        << QStringList{"Lijst van operatoren", "Toevoegen", "Verwijderen", "Ok",
                                       "Annuleren"}
                        << QStringList{"Operator bestaat reeds in de lijst", "Opgelet"};
    QTest::newRow("GER") << "GER"
                         << QStringList{"Anwender Liste", "einfügen", "Löschen", "Ok", "Abbrechen"}
                         << QStringList{"Anwender besteht schon in der Liste", "Warnung"};
    QTest::newRow("DAN") << "DAN" << QStringList{"Bruger liste", "Tilføj", "Slet", "Ok", "Annuller"}
                         << QStringList{"Operatør allerede i listen", "Advarsel"};
}

void TestOperators::editorTexts() {
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, warning);
    languageDispatcher().setActiveLanguage(languageOfCode(language));
    openEditor();
    Form5->EditOperator->setText(QStringLiteral("Anna Berg"));
    Form5->ButtonAdd->click();
    const auto shown = m_kalvo->platform().requests().back();
    QCOMPARE((QStringList{shown.text, shown.caption}), warning);
    QCOMPARE((QStringList{Form5->windowTitle(), Form5->ButtonAdd->text(), Form5->ButtonDel->text(),
                          Form5->ButtonOk->text(), Form5->ButtonCancel->text()}),
             texts);
}

QTEST_MAIN(TestOperators)
#include "test_operators.moc"
