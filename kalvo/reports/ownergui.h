#pragma once
// The service supplier's data window: nine edit boxes over the window's own
// supplier record, read from the preferences file on every showing and
// written back by Ok.

#include "kalvo/reports/owner.h"

#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class WindowTranslator;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    // The window's supplier record, also read by the main window at start-up
    // and by the detailed report's letterhead.
    DataOwner &owner() { return *m_owner; }

    void FormShow();
    void ButtonOkClick();
    void ButtonCancelClick();

    QLineEdit *EditOwner, *EditAddress, *EditZipcode, *EditCity, *EditCountry, *EditTel, *EditFax,
        *EditEmail, *EditWebsite;
    QPushButton *ButtonOk, *ButtonCancel;

signals:
    // The record was read from or written to the file.
    void ownerChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    QLineEdit *addRow(const char *labelName, const char *editName, int maxLength);

    std::unique_ptr<DataOwner> m_owner;
    WindowTranslator *m_texts = nullptr;
};
