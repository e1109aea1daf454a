#pragma once
// The operators list editor: adds and deletes operator names. It works on the
// tank test form of the running flow (Form4): it copies that form's operator
// list when shown and, on Ok, hands the edited list back and stores it.

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class WindowTranslator;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

    void FormShow();
    void ButtonAddClick();
    void ButtonDelClick();
    void ButtonOkClick();
    void ButtonCancelClick();

    QLineEdit *EditOperator;
    QPushButton *ButtonAdd, *ButtonDel, *ButtonCancel, *ButtonOk;
    QListWidget *ListBox;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool isListed(const QString &name) const;

    WindowTranslator *m_texts = nullptr;
};
