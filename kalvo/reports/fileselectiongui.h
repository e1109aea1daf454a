#pragma once
// The report output settings window. Created at start-up with the other
// windows; its controls and translation table come with the report windows.

#include <QDialog>

class WindowTranslator;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);

    // Set by the report flows: which report the window's Ok generates.
    bool simpleReport = false;

private:
    WindowTranslator *m_texts = nullptr;
};
