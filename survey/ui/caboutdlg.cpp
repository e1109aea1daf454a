#include "survey/ui/caboutdlg.h"

#include "survey/ui/surveyicon.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Vatro"));

    auto *icon = new QLabel(this);
    icon->setPixmap(surveyIcon().pixmap(48, 48));
    icon->setAccessibleName(QStringLiteral("Survey icon"));
    auto *version = new QLabel(QStringLiteral("Vatro Version 1.8"), this);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(version, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
