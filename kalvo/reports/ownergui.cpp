#include "kalvo/reports/ownergui.h"

#include "kalvo/app/application.h"
#include "kalvo/app/preferences.h"
#include "kalvo/app/windowtranslator.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QFormLayout *formOf(QDialog *dialog) {
    return dialog->findChild<QFormLayout *>();
}

} // namespace

TForm2::TForm2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TForm2"));
    auto *outer = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    outer->addLayout(form);

    EditOwner = addRow("LabelOwner", "EditOwner", 35);
    EditAddress = addRow("LabelAddress", "EditAddress", 35);
    EditZipcode = addRow("LabelZipcode", "EditZipcode", 10);
    EditCity = addRow("LabelCity", "EditCity", 25);
    EditCountry = addRow("LabelCountry", "EditCountry", 35);
    EditTel = addRow("LabelTel", "EditTel", 20);
    EditFax = addRow("LabelFax", "EditFax", 20);
    EditEmail = addRow("LabelEmail", "EditEmail", 40);
    EditWebsite = addRow("LabelWebsite", "EditWebsite", 35);

    ButtonCancel = new QPushButton(this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonOk = new QPushButton(this);
    ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
    ButtonOk->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonCancel);
    buttons->addWidget(ButtonOk);
    outer->addSpacing(8);
    outer->addLayout(buttons);

    connect(ButtonOk, &QPushButton::clicked, this,
            [this] { runHandler(this, [this] { ButtonOkClick(); }); });
    connect(ButtonCancel, &QPushButton::clicked, this,
            [this] { runHandler(this, [this] { ButtonCancelClick(); }); });

    m_texts = new WindowTranslator(this);
    FormCreate();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TForm2::~TForm2() = default;

QLineEdit *TForm2::addRow(const char *labelName, const char *editName, int maxLength) {
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(labelName));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(16);
    label->setFont(font);
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(editName));
    edit->setMaxLength(maxLength);
    // Room for the longest text a box takes (40 characters of e-mail address).
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 42);
    label->setBuddy(edit);
    formOf(this)->addRow(label, edit);
    return edit;
}

void TForm2::FormCreate() {
    m_owner = std::make_unique<DataOwner>();
}

void TForm2::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runHandler(this, [this] { FormShow(); });
}

void TForm2::FormShow() {
    m_owner->readFromIni(preferencesPath());
    emit ownerChanged();
    EditOwner->setText(m_owner->owner());
    EditAddress->setText(m_owner->address());
    EditZipcode->setText(m_owner->zipCode());
    EditCity->setText(m_owner->city());
    EditCountry->setText(m_owner->country());
    EditTel->setText(m_owner->tel());
    EditFax->setText(m_owner->fax());
    EditEmail->setText(m_owner->email());
    EditWebsite->setText(m_owner->webSite());
}

void TForm2::ButtonOkClick() {
    m_owner->setOwner(EditOwner->text());
    m_owner->setAddress(EditAddress->text());
    m_owner->setZipCode(EditZipcode->text());
    m_owner->setCity(EditCity->text());
    m_owner->setCountry(EditCountry->text());
    m_owner->setTel(EditTel->text());
    m_owner->setFax(EditFax->text());
    m_owner->setEmail(EditEmail->text());
    m_owner->setWebSite(EditWebsite->text());
    m_owner->writeToIni(preferencesPath());
    emit ownerChanged();
    accept();
}

void TForm2::ButtonCancelClick() {
    reject();
}
