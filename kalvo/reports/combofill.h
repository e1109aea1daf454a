#pragma once
// The operators list editor. Created at start-up with the other windows; its
// list, buttons and translation table come with the report windows.

#include <QDialog>

class WindowTranslator;

class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(QWidget *parent = nullptr);

private:
    WindowTranslator *m_texts = nullptr;
};
