#pragma once
// The tank test form: the description of one tightness test (installation,
// operator, customer, test conditions, storage tank, up to ten pipes,
// signatory and comment) that the detailed report documents. A new form is
// created for every report flow (global Form4); its Ok hides it and opens the
// report output settings, whose Ok makes this form generate the report.

#include "kalvo/reports/fill/reportinput.h"

#include <QDialog>
#include <QPointer>
#include <array>
#include <memory>

class DataOwner;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTextEdit;
class ReportTexts;
class WindowTranslator;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPipeRows = 10;
    static constexpr int kCommentLines = 5;

    explicit TForm4(QWidget *parent = nullptr);
    ~TForm4() override;

    // Event handlers.
    void FormShow();
    void FormClose();
    void ComboBoxTankSelect(int index);
    void CheckBoxWaterYesClick();
    void CheckBoxWaterNoClick();
    void CheckBoxDepressedYesClick();
    void CheckBoxDepressedNoClick();
    void CheckBoxCleanBeforeYesClick();
    void CheckBoxCleanBeforeNoClick();
    void EditMainCommentChange();
    void ButtonFillClick();
    void ButtonOkClick();
    void ButtonCancelClick();

    // Validation (vatroresultschecks.cpp): true when the form may proceed.
    bool checkTankForm();
    bool checkPipes();
    // Row n (1..10) has text in at least one of its six cells.
    bool isPipeRowUsed(int n) const;

    // The report generators (vatroresultsreport.cpp). Each reports its own
    // refusals and failures to the user and returns.
    void createDetailedReport(const QString &pdfFile, const QString &logoFile,
                              const QString &signatureFile);
    void createSimpleReport(const QString &pdfFile, const QString &logoFile,
                            const QString &signatureFile);

    // Shows the form modally and returns when it has closed: not when it is
    // merely hidden while the output settings are open (a QDialog::exec()
    // loop would end there, and could not be ended by closing a hidden form).
    void showModally();
    // Closes the form however it is shown (also when hidden): the graph
    // pictures are deleted. Closing twice does nothing more.
    void closeForm();

    // The form's own supplier record: none until the operator list was
    // loaded from an existing preferences file.
    DataOwner *supplier() const { return m_supplier.get(); }
    void setSupplier(std::unique_ptr<DataOwner> supplier);

    // What the controls display, for the report filling.
    TankTestFormValues formValues() const;
    // The form's report texts in the active interface language.
    ReportTexts reportTexts() const;
    WindowTranslator &texts() const { return *m_texts; }

    QComboBox *ComboBoxTank, *ComboBoxOperator;
    QPushButton *ButtonFill;
    QLineEdit *EditTankowner, *EditAddress, *EditZipcode, *EditCity, *EditCountry, *EditImplant;
    QLineEdit *EditProductLvl, *EditWaterLvl, *EditDepressionType;
    QCheckBox *CheckBoxWaterYes, *CheckBoxWaterNo, *CheckBoxDepressedYes, *CheckBoxDepressedNo;
    QTabWidget *PageControl1;
    QWidget *TabSheet1, *TabSheet2;
    QComboBox *ComboBoxNature, *ComboBoxSituation, *ComboBoxType, *ComboBoxStock, *ComboBoxResult;
    QLineEdit *EditCapacite, *EditRepere, *EditSignataire;
    QCheckBox *CheckBoxCleanBeforeYes, *CheckBoxCleanBeforeNo;
    QTextEdit *EditMainComment;
    // Pipe rows, index 0 for row 1.
    std::array<QComboBox *, kPipeRows> ComboBoxNatureCanal, ComboBoxMat, ComboBoxEtanche;
    std::array<QLineEdit *, kPipeRows> EditDepart, EditArrivee, EditDetailComment;
    QPushButton *ButtonCancel, *ButtonOk;

signals:
    void formClosed();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *buildHeader();
    QWidget *buildStorageTab();
    QWidget *buildPipesTab();
    void connectHandlers();
    // Keeps a yes/no pair exclusive after `clicked` was clicked.
    static void keepExclusive(QCheckBox *clicked, QCheckBox *partner);
    // A refusal: the tab made active, the message shown, the focus moved.
    bool refuse(QWidget *tab, int ids, QWidget *focus);
    void showPipesTab(bool visible);

    std::unique_ptr<DataOwner> m_supplier;
    WindowTranslator *m_texts = nullptr;
    bool m_closed = false;
};

// The tank test form of the running report flow, created last by the graphs
// window; null once it is destroyed.
extern QPointer<TForm4> Form4;
