#pragma once
// The About box: program icon, "Vatro Version 1.8", OK.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
