#include "kalvo/reports/combofill.h"

#include "common/ui/platformservice.h"
#include "kalvo/app/application.h"
#include "kalvo/app/preferences.h"
#include "kalvo/app/windowtranslator.h"
#include "kalvo/reports/operators.h"
#include "kalvo/reports/vatroresultsgui.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <memory>

namespace {

constexpr int kOperatorMaxLength = 35;

} // namespace

TForm5::TForm5(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TForm5"));
    EditOperator = new QLineEdit(this);
    EditOperator->setObjectName(QStringLiteral("EditOperator"));
    EditOperator->setMaxLength(kOperatorMaxLength);
    EditOperator->setAccessibleName(QStringLiteral("Operator name"));
    EditOperator->setMinimumWidth(EditOperator->fontMetrics().averageCharWidth() *
                                  (kOperatorMaxLength + 3));
    ListBox = new QListWidget(this);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ListBox->setAccessibleName(QStringLiteral("Operators"));
    ListBox->setSortingEnabled(false);
    ButtonAdd = new QPushButton(this);
    ButtonAdd->setObjectName(QStringLiteral("ButtonAdd"));
    ButtonDel = new QPushButton(this);
    ButtonDel->setObjectName(QStringLiteral("ButtonDel"));
    ButtonCancel = new QPushButton(this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonOk = new QPushButton(this);
    ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    for (QPushButton *button : {ButtonAdd, ButtonDel, ButtonCancel})
        button->setAutoDefault(false);
    ButtonOk->setAutoDefault(false);

    // The name and Add on top, the list with Delete beside it, Cancel and Ok
    // at the bottom right.
    auto *grid = new QGridLayout(this);
    grid->addWidget(EditOperator, 0, 0);
    grid->addWidget(ButtonAdd, 0, 1);
    grid->addWidget(ListBox, 1, 0);
    grid->addWidget(ButtonDel, 1, 1, Qt::AlignTop);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonCancel);
    buttons->addWidget(ButtonOk);
    grid->addLayout(buttons, 2, 0, 1, 2);

    const auto handle = [this](void (TForm5::*member)()) {
        return [this, member] { runHandler(this, [this, member] { (this->*member)(); }); };
    };
    connect(ButtonAdd, &QPushButton::clicked, this, handle(&TForm5::ButtonAddClick));
    connect(EditOperator, &QLineEdit::returnPressed, this, handle(&TForm5::ButtonAddClick));
    connect(ButtonDel, &QPushButton::clicked, this, handle(&TForm5::ButtonDelClick));
    connect(ButtonOk, &QPushButton::clicked, this, handle(&TForm5::ButtonOkClick));
    connect(ButtonCancel, &QPushButton::clicked, this, handle(&TForm5::ButtonCancelClick));

    m_texts = new WindowTranslator(this);
    resize(sizeHint().width(), 300);
}

void TForm5::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runHandler(this, [this] { FormShow(); });
}

void TForm5::FormShow() {
    ListBox->clear();
    if (Form4)
        for (int i = 0; i < Form4->ComboBoxOperator->count(); ++i)
            ListBox->addItem(Form4->ComboBoxOperator->itemText(i));
    EditOperator->setFocus();
}

bool TForm5::isListed(const QString &name) const {
    for (int i = 0; i < ListBox->count(); ++i)
        if (ListBox->item(i)->text().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void TForm5::ButtonAddClick() {
    // An empty box adds a name of a single blank, once.
    const bool wasEmpty = EditOperator->text().isEmpty();
    if (wasEmpty)
        EditOperator->setText(QStringLiteral(" "));
    if (!isListed(EditOperator->text())) {
        ListBox->addItem(EditOperator->text());
        EditOperator->clear();
        return;
    }
    platform().message(this, QMessageBox::Warning, m_texts->ids(1), m_texts->ids(0),
                       QMessageBox::Ok);
    // A typed duplicate stays in the box for correction.
    if (wasEmpty)
        EditOperator->clear();
}

void TForm5::ButtonDelClick() {
    const int row = ListBox->currentRow();
    if (row >= 0 && ListBox->item(row)->isSelected())
        std::unique_ptr<QListWidgetItem>(ListBox->takeItem(row)).reset();
}

void TForm5::ButtonOkClick() {
    if (Form4) {
        QComboBox *operators = Form4->ComboBoxOperator;
        operators->clear();
        for (int i = 0; i < ListBox->count(); ++i)
            operators->addItem(ListBox->item(i)->text());
        operators->setCurrentIndex(-1);
        enterProgramFolder();
        saveOperators(*Form4, preferencesPath());
    }
    accept();
}

void TForm5::ButtonCancelClick() {
    reject();
}
