#pragma once
// The report output settings: the last step of both report flows. It asks
// for the PDF file, the logo and the signature pictures, keeps the logo's
// path in the preferences file (the signature's for the run only) and on Ok
// makes the tank test form of the flow (Form4) generate the report.

#include <QDialog>

class QGridLayout;
class QLineEdit;
class QPushButton;
class WindowTranslator;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);

    // Set by the report flows: which report the window's Ok generates.
    bool simpleReport = false;

    void FormShow();
    void ButtonPathClick();
    void ButtonLogoClick();
    void ButtonSignatureClick();
    void BtnOkClick();
    void BtnCancelClick();
    void BtnPreviousClick();
    // The window closing in any way: ends the flow (once).
    void FormClose();

    void loadLogoPath(const QString &preferencesPath);
    void saveLogoPath(const QString &preferencesPath);

    QLineEdit *EditPDF, *EditLogo, *EditSignature;
    QPushButton *ButtonPath, *ButtonLogo, *ButtonSignature;
    QPushButton *BtnPrevious, *BtnCancel, *BtnOk;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *addPathRow(QGridLayout *grid, int row, const char *labelName, const char *editName,
                          const char *buttonName, QPushButton **button);
    // Runs a file dialog and puts the chosen path into `box`.
    void choose(QLineEdit *box, bool save, const QString &filter, int titleIds);

    WindowTranslator *m_texts = nullptr;
    // The file dialogs remember their last choice, not the boxes' texts.
    QString m_lastPdfName = QStringLiteral("Report");
    QString m_lastPictureName;
    bool m_flowEnded = false;
    bool m_leavingByPrevious = false;
};
