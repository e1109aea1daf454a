// The tank test form: its twenty checks in order (message, active tab,
// focus), the pipe-row checks, the yes/no pairs, the comment limit, the pipes
// tab following the tank selection, and what the form hands to the report.
#include "reportuifixture.h"

#include "kalvo/app/forms.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/reports/owner.h"
#include "kalvo/reports/vatroresultsgui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <functional>

using namespace reportui;
using Change = std::function<void(TForm4 &)>;
Q_DECLARE_METATYPE(Change)

class TestTankForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void formChecks_data();
    void formChecks();
    void completeFormPasses_data();
    void completeFormPasses();
    void pipeChecks_data();
    void pipeChecks();
    void yesNoPairsStayExclusive();
    void commentKeepsFiveLines();
    void pipesTabFollowsTankSelection();
    void showingLoadsOperatorsAndSupplier();
    void closingDeletesGraphPictures();
    void valuesAreWhatTheControlsShow();

private:
    std::unique_ptr<ReportFixture> m_kalvo;
    TForm4 *m_form = nullptr;
};

void TestTankForm::init() {
    m_kalvo = std::make_unique<ReportFixture>();
    Form4 = new TForm4(Form3);
    m_form = Form4;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    m_kalvo->platform().clear();
}

void TestTankForm::cleanup() {
    m_kalvo.reset();
    QVERIFY(!Form4); // owned by the graphs window
}

void TestTankForm::formChecks_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const auto unselect = [](QComboBox *TForm4::*list) {
        return Change([list](TForm4 &form) { (form.*list)->setCurrentIndex(-1); });
    };
    const auto blank = [](QLineEdit *TForm4::*box) {
        return Change([box](TForm4 &form) { (form.*box)->clear(); });
    };
    const auto unanswer = [](QCheckBox *TForm4::*yes, QCheckBox *TForm4::*no) {
        return Change([yes, no](TForm4 &form) {
            (form.*yes)->setChecked(false);
            (form.*no)->setChecked(false);
        });
    };
    const QString owner = QStringLiteral("You must fill tank owner coordinates.");
    QTest::newRow("1 tank") << unselect(&TForm4::ComboBoxTank)
                            << "You must select which type of the installation is concerned by "
                               "this test."
                            << "ComboBoxTank";
    QTest::newRow("2 product level")
        << blank(&TForm4::EditProductLvl) << "You must fill the capacity of product used."
        << "EditProductLvl";
    QTest::newRow("3 water level")
        << blank(&TForm4::EditWaterLvl) << "You must fill the capacity of water used."
        << "EditWaterLvl";
    QTest::newRow("4 depression") << blank(&TForm4::EditDepressionType)
                                  << "You must fill the depression pressure used."
                                  << "EditDepressionType";
    QTest::newRow("5 water increase")
        << unanswer(&TForm4::CheckBoxWaterYes, &TForm4::CheckBoxWaterNo)
        << "You must specify if the capacity of water has increased after the control."
        << "CheckBoxWaterYes";
    QTest::newRow("6 vacuum drop")
        << unanswer(&TForm4::CheckBoxDepressedYes, &TForm4::CheckBoxDepressedNo)
        << "You must specify if the depression get down during the control."
        << "CheckBoxDepressedYes";
    QTest::newRow("7 operator") << unselect(&TForm4::ComboBoxOperator)
                                << "You must select an operator"
                                << "ComboBoxOperator";
    QTest::newRow("8 tank owner") << blank(&TForm4::EditTankowner) << owner << "EditTankowner";
    QTest::newRow("9 address") << blank(&TForm4::EditAddress) << owner << "EditAddress";
    QTest::newRow("10 zipcode") << blank(&TForm4::EditZipcode) << owner << "EditZipcode";
    QTest::newRow("11 city") << blank(&TForm4::EditCity) << owner << "EditCity";
    QTest::newRow("12 kind") << unselect(&TForm4::ComboBoxNature)
                             << "You must select the kind of storage."
                             << "ComboBoxNature";
    QTest::newRow("13 location") << unselect(&TForm4::ComboBoxSituation)
                                 << "You must select the location of the tank."
                                 << "ComboBoxSituation";
    QTest::newRow("14 capacity") << blank(&TForm4::EditCapacite)
                                 << "You must fill the tank capacity."
                                 << "EditCapacite";
    QTest::newRow("15 material") << unselect(&TForm4::ComboBoxType)
                                 << "You must select the tank material."
                                 << "ComboBoxType";
    QTest::newRow("16 cleaned")
        << unanswer(&TForm4::CheckBoxCleanBeforeYes, &TForm4::CheckBoxCleanBeforeNo)
        << "You must specify if the tank or compartment has been cleaned before the control."
        << "CheckBoxCleanBeforeYes";
    QTest::newRow("17 product") << unselect(&TForm4::ComboBoxStock)
                                << "You must select the sotred product."
                                << "ComboBoxStock";
    QTest::newRow("18 result") << unselect(&TForm4::ComboBoxResult)
                               << "You must specify if the tank is tight or not."
                               << "ComboBoxResult";
    QTest::newRow("19 signatory") << blank(&TForm4::EditSignataire)
                                  << "You must specify the signatory's name."
                                  << "EditSignataire";
    // The focus stays where it was (on the country box here).
    QTest::newRow("20 supplier city")
        << Change([](TForm4 &form) { form.setSupplier(std::make_unique<DataOwner>()); })
        << "You must specify service supplier coordinates."
        << "EditCountry";
    QTest::newRow("20 no supplier record")
        << Change([](TForm4 &form) { form.setSupplier(nullptr); })
        << "You must specify service supplier coordinates."
        << "EditCountry";
    // Only the first failure is reported.
    QTest::newRow("2 before 8") << Change([](TForm4 &form) {
        form.EditTankowner->clear();
        form.EditProductLvl->clear();
    }) << "You must fill the capacity of product used."
                                << "EditProductLvl";
}

void TestTankForm::formChecks() {
    QFETCH(Change, change);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    fillValidForm(*m_form, 2);
    change(*m_form);
    m_form->PageControl1->setCurrentIndex(1);
    m_form->EditCountry->setFocus();
    QVERIFY(!m_form->checkTankForm());
    QCOMPARE(m_kalvo->platform().messages(), QStringList{message});
    const auto request = m_kalvo->platform().requests().front();
    QCOMPARE(request.caption, QString());
    QCOMPARE(request.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(m_form->PageControl1->currentWidget(), m_form->TabSheet1);
    QCOMPARE(m_form->focusWidget()->objectName(), focus);
}

void TestTankForm::completeFormPasses_data() {
    QTest::addColumn<Change>("change");
    QTest::newRow("everything") << Change([](TForm4 &) {});
    QTest::newRow("optional fields empty") << Change([](TForm4 &form) {
        form.EditCountry->clear();
        form.EditImplant->clear();
        form.EditRepere->clear();
        form.EditMainComment->clear();
    });
    QTest::newRow("a blank signatory")
        << Change([](TForm4 &form) { form.EditSignataire->setText(QStringLiteral(" ")); });
    QTest::newRow("yes answers") << Change([](TForm4 &form) { form.CheckBoxWaterYes->click(); });
}

void TestTankForm::completeFormPasses() {
    QFETCH(Change, change);
    fillValidForm(*m_form);
    change(*m_form);
    QVERIFY(m_form->checkTankForm());
    QVERIFY(m_kalvo->platform().messages().isEmpty());
}

void TestTankForm::pipeChecks_data() {
    QTest::addColumn<Change>("rows");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const auto complete = [](TForm4 &form, int i) {
        form.ComboBoxNatureCanal[i]->setCurrentIndex(2);
        form.ComboBoxMat[i]->setCurrentIndex(3);
        form.EditDepart[i]->setText(QStringLiteral("A"));
        form.EditArrivee[i]->setText(QStringLiteral("B"));
        form.ComboBoxEtanche[i]->setCurrentIndex(2);
    };
    const QString incomplete = QStringLiteral("A piping description is un-complete.");
    QTest::newRow("no row") << Change([](TForm4 &) {}) << false
                            << "You must fill at least one piping description."
                            << "ComboBoxNatureCanal1";
    QTest::newRow("row 3 only") << Change([complete](TForm4 &form) { complete(form, 2); }) << true
                                << ""
                                << "";
    QTest::newRow("comment only") << Change([](TForm4 &form) {
        form.EditDetailComment[4]->setText(QStringLiteral("checked"));
    }) << false << incomplete << "ComboBoxNatureCanal5";
    QTest::newRow("a blank counts")
        << Change([](TForm4 &form) { form.EditDepart[0]->setText(QStringLiteral(" ")); }) << false
        << incomplete << "ComboBoxNatureCanal1";
    QTest::newRow("material missing") << Change([complete](TForm4 &form) {
        complete(form, 1);
        form.ComboBoxMat[1]->setCurrentIndex(0); // the empty item
    }) << false << incomplete << "ComboBoxMat2";
    QTest::newRow("to missing") << Change([complete](TForm4 &form) {
        complete(form, 0);
        form.EditArrivee[0]->clear();
    }) << false << incomplete << "EditArrivee1";
    QTest::newRow("tight missing") << Change([complete](TForm4 &form) {
        complete(form, 9);
        form.ComboBoxEtanche[9]->setCurrentIndex(-1);
    }) << false << incomplete << "ComboBoxEtanche10";
    QTest::newRow("first of two incomplete rows") << Change([complete](TForm4 &form) {
        complete(form, 0);
        form.EditDepart[3]->setText(QStringLiteral("X"));
        form.EditArrivee[6]->setText(QStringLiteral("Y"));
    }) << false << incomplete << "ComboBoxNatureCanal4";
    QTest::newRow("row emptied again") << Change([complete](TForm4 &form) {
        complete(form, 0);
        form.ComboBoxNatureCanal[1]->setCurrentIndex(1);
        form.ComboBoxNatureCanal[1]->setCurrentIndex(0);
    }) << true << ""
                                       << "";
}

void TestTankForm::pipeChecks() {
    QFETCH(Change, rows);
    QFETCH(bool, accepted);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    fillValidForm(*m_form, 1);
    for (int i = 0; i < TForm4::kPipeRows; ++i) {
        m_form->ComboBoxNatureCanal[i]->setCurrentIndex(-1);
        m_form->ComboBoxMat[i]->setCurrentIndex(-1);
        m_form->EditDepart[i]->clear();
        m_form->EditArrivee[i]->clear();
        m_form->ComboBoxEtanche[i]->setCurrentIndex(-1);
    }
    rows(*m_form);
    m_form->PageControl1->setCurrentIndex(0);
    QCOMPARE(m_form->checkPipes(), accepted);
    if (accepted) {
        QVERIFY(m_kalvo->platform().messages().isEmpty());
        return;
    }
    QCOMPARE(m_kalvo->platform().messages(), QStringList{message});
    QCOMPARE(m_form->PageControl1->currentWidget(), m_form->TabSheet2);
    QCOMPARE(m_form->focusWidget()->objectName(), focus);
}

void TestTankForm::yesNoPairsStayExclusive() {
    const std::pair<QCheckBox *, QCheckBox *> pairs[] = {
        {m_form->CheckBoxWaterYes, m_form->CheckBoxWaterNo},
        {m_form->CheckBoxDepressedYes, m_form->CheckBoxDepressedNo},
        {m_form->CheckBoxCleanBeforeYes, m_form->CheckBoxCleanBeforeNo},
    };
    for (auto [yes, no] : pairs) {
        yes->click();
        QVERIFY(yes->isChecked() && !no->isChecked());
        no->click();
        QVERIFY(!yes->isChecked() && no->isChecked());
        no->click(); // unchecking leaves the pair unanswered
        QVERIFY(!yes->isChecked() && !no->isChecked());
        yes->click();
        QVERIFY(yes->isChecked() && !no->isChecked());
    }
}

void TestTankForm::commentKeepsFiveLines() {
    QTextEdit *comment = m_form->EditMainComment;
    comment->setFocus();
    QTest::keyClicks(comment, QStringLiteral("one"));
    for (const char *line : {"two", "three", "four", "five"}) {
        QTest::keyClick(comment, Qt::Key_Return);
        QTest::keyClicks(comment, QLatin1String(line));
    }
    QTest::keyClick(comment, Qt::Key_Return); // a sixth line
    QCOMPARE(comment->toPlainText(), QStringLiteral("one\ntwo\nthree\nfour\nfive"));
    QTest::keyClicks(comment, QStringLiteral("!"));
    QCOMPARE(comment->toPlainText(), QStringLiteral("one\ntwo\nthree\nfour\nfive!"));
    comment->setPlainText(QString(300, QLatin1Char('x')));
    QCOMPARE(comment->toPlainText().size(), 285);
}

void TestTankForm::pipesTabFollowsTankSelection() {
    QTabWidget *tabs = m_form->PageControl1;
    QVERIFY(!tabs->isTabVisible(1));
    QCOMPARE(tabs->currentIndex(), 0);
    m_form->ComboBoxTank->setCurrentIndex(1);
    QVERIFY(tabs->isTabVisible(1) && tabs->isTabEnabled(1));
    m_form->ComboBoxTank->setCurrentIndex(0);
    QVERIFY(!tabs->isTabVisible(1) && !tabs->isTabEnabled(1));
    m_form->ComboBoxTank->setCurrentIndex(2);
    // Shown again (Previous): the tab follows the kept selection.
    m_form->hide();
    m_form->show();
    QVERIFY(tabs->isTabVisible(1));
}

void TestTankForm::showingLoadsOperatorsAndSupplier() {
    QCOMPARE(m_form->ComboBoxOperator->count(), 2);
    QCOMPARE(m_form->ComboBoxOperator->currentText(), QStringLiteral("Jens Holm"));
    QVERIFY(m_form->supplier());
    QCOMPARE(m_form->supplier()->city(), QStringLiteral("Aarhus"));
    QCOMPARE(m_form->focusWidget(), m_form->ButtonOk);
    // Item lists from the translation table, the pipe lists with their empty item.
    QCOMPARE(m_form->ComboBoxTank->count(), 3);
    QCOMPARE(m_form->ComboBoxStock->itemText(10), QStringLiteral("Other"));
    QCOMPARE(m_form->ComboBoxNature->itemText(1), QStringLiteral(" Compartment"));
    QCOMPARE(m_form->ComboBoxEtanche[9]->itemText(0), QString());
    QCOMPARE(m_form->ComboBoxMat[9]->itemText(3), QStringLiteral("HD PE"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Vatro report"));
    QCOMPARE(m_form->ComboBoxTank->currentIndex(), -1);
}

void TestTankForm::closingDeletesGraphPictures() {
    for (const char *name : {"graphRedSensor.bmp", "graphBlackSensor.bmp"}) {
        QFile file(m_kalvo->picture(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    m_form->ButtonCancel->click();
    QVERIFY(!m_form->isVisible());
    QVERIFY(!QFile::exists(m_kalvo->picture("graphRedSensor.bmp")));
    QVERIFY(!QFile::exists(m_kalvo->picture("graphBlackSensor.bmp")));
}

void TestTankForm::valuesAreWhatTheControlsShow() {
    fillValidForm(*m_form, 2);
    m_form->EditMainComment->setPlainText(QStringLiteral("line 1\nline 2"));
    m_form->EditDetailComment[3]->setText(QStringLiteral("only a comment"));
    const TankTestFormValues values = m_form->formValues();
    QCOMPARE(values.tankIndex, 2);
    QCOMPARE(values.pipesFlag(), 1);
    QCOMPARE(values.tank, QStringLiteral("Of a tank or a compartment and its associated piping"));
    QCOMPARE(values.operatorName, QStringLiteral("Jens Holm"));
    QCOMPARE(values.situation, QStringLiteral("Concrete proof room"));
    QCOMPARE(values.stock, QStringLiteral("Heating oil"));
    QVERIFY(!values.waterYes && values.depressedYes && !values.cleanBeforeYes);
    QCOMPARE(values.mainComment, QStringLiteral("line 1\nline 2"));
    QCOMPARE(values.pipes[0].type, QStringLiteral("Filling pipe"));
    QCOMPARE(values.pipes[0].tight, QStringLiteral("Yes"));
    QCOMPARE(values.pipes[1].type, QString());
    QVERIFY(values.pipes[3].isUsed() && m_form->isPipeRowUsed(4));
    QVERIFY(!m_form->isPipeRowUsed(2));
}

QTEST_MAIN(TestTankForm)
#include "test_tankform.moc"
