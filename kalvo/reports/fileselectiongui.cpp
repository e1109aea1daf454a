#include "kalvo/reports/fileselectiongui.h"

#include "common/inifile.h"
#include "common/ui/platformservice.h"
#include "kalvo/app/application.h"
#include "kalvo/app/forms.h"
#include "kalvo/app/preferences.h"
#include "kalvo/app/windowtranslator.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/reports/vatroresultsgui.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("VatroResults");
const QString kLogoKey = QStringLiteral("logo");
// The toolkit's filters; the names are matched without regard to case.
const QString kPdfFilter = QStringLiteral("PDF files (*.pdf *.PDF)");
const QString kLogoFilter = QStringLiteral("BMP files (*.bmp *.BMP)");
const QString kSignatureFilter = QStringLiteral("Picture files (*.bmp *.BMP)");

} // namespace

TForm6::TForm6(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TForm6"));
    auto *outer = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    outer->addLayout(grid);
    EditPDF = addPathRow(grid, 0, "Label8", "EditPDF", "ButtonPath", &ButtonPath);
    EditLogo = addPathRow(grid, 1, "Label9", "EditLogo", "ButtonLogo", &ButtonLogo);
    EditSignature =
        addPathRow(grid, 2, "Label1", "EditSignature", "ButtonSignature", &ButtonSignature);
    ButtonPath->setAccessibleName(QStringLiteral("Choose the PDF file"));
    ButtonLogo->setAccessibleName(QStringLiteral("Choose the logo"));
    ButtonSignature->setAccessibleName(QStringLiteral("Choose the signature"));

    BtnPrevious = new QPushButton(this);
    BtnPrevious->setObjectName(QStringLiteral("BtnPrevious"));
    BtnCancel = new QPushButton(this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    BtnOk = new QPushButton(this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnPrevious);
    buttons->addWidget(BtnCancel);
    buttons->addWidget(BtnOk);
    outer->addSpacing(6);
    outer->addLayout(buttons);

    const auto handle = [this](void (TForm6::*member)()) {
        return [this, member] { runHandler(this, [this, member] { (this->*member)(); }); };
    };
    connect(ButtonPath, &QPushButton::clicked, this, handle(&TForm6::ButtonPathClick));
    connect(ButtonLogo, &QPushButton::clicked, this, handle(&TForm6::ButtonLogoClick));
    connect(ButtonSignature, &QPushButton::clicked, this, handle(&TForm6::ButtonSignatureClick));
    connect(BtnOk, &QPushButton::clicked, this, handle(&TForm6::BtnOkClick));
    connect(BtnCancel, &QPushButton::clicked, this, handle(&TForm6::BtnCancelClick));
    connect(BtnPrevious, &QPushButton::clicked, this, handle(&TForm6::BtnPreviousClick));

    m_texts = new WindowTranslator(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QLineEdit *TForm6::addPathRow(QGridLayout *grid, int row, const char *labelName,
                              const char *editName, const char *buttonName, QPushButton **button) {
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(labelName));
    auto *box = new QLineEdit(this);
    box->setObjectName(QLatin1String(editName));
    // Changed only through the browse button; the tab key passes it by.
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 72);
    connect(box, &QLineEdit::textChanged, box, [box](const QString &text) {
        // The whole path as tool tip; the box shows its end, the file name.
        box->setToolTip(text);
        box->setCursorPosition(int(text.size()));
    });
    label->setBuddy(box);
    auto *browse = new QPushButton(this);
    browse->setObjectName(QLatin1String(buttonName));
    QFont bold = browse->font();
    bold.setBold(true);
    browse->setFont(bold);
    browse->setAutoDefault(false);
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance(QStringLiteral(". . .")) + 24);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(browse, row, 2);
    *button = browse;
    return box;
}

void TForm6::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runHandler(this, [this] { FormShow(); });
}

void TForm6::FormShow() {
    m_flowEnded = false;
    m_leavingByPrevious = false;
    loadLogoPath(preferencesPath());
    EditPDF->setText(QDir::toNativeSeparators(QDir::currentPath()) + QStringLiteral("/Report.pdf"));
    // EditSignature keeps its text from the last showing: for the run only.
    BtnOk->setFocus();
}

void TForm6::loadLogoPath(const QString &preferencesPath) {
    if (QFileInfo::exists(preferencesPath))
        EditLogo->setText(IniFile::readValue(preferencesPath, kSection, kLogoKey));
}

void TForm6::saveLogoPath(const QString &preferencesPath) {
    writePreference(preferencesPath, kSection, kLogoKey, EditLogo->text());
}

void TForm6::choose(QLineEdit *box, bool save, const QString &filter, int titleIds) {
    FileDialogRequest request;
    request.caption = m_texts->ids(titleIds);
    request.folder = QDir::currentPath();
    request.filter = filter;
    request.fileName = save ? m_lastPdfName : m_lastPictureName;
    request.defaultSuffix = save ? QStringLiteral("pdf") : QStringLiteral("bmp");
    request.confirmOverwrite = true;
    const QString chosen =
        save ? platform().saveFileName(this, request) : platform().openFileName(this, request);
    if (chosen.isEmpty())
        return;
    (save ? m_lastPdfName : m_lastPictureName) = QFileInfo(chosen).fileName();
    box->setText(QDir::toNativeSeparators(QFileInfo(chosen).absoluteFilePath()));
    // The program's relative paths stay where they were.
    QDir::setCurrent(request.folder);
}

void TForm6::ButtonPathClick() {
    choose(EditPDF, true, kPdfFilter, 0);
}

void TForm6::ButtonLogoClick() {
    choose(EditLogo, false, kLogoFilter, 1);
}

void TForm6::ButtonSignatureClick() {
    choose(EditSignature, false, kSignatureFilter, 1);
}

void TForm6::BtnOkClick() {
    saveLogoPath(preferencesPath());
    if (Form4) {
        // The generator reports its own refusals and failures; whatever it
        // did, the flow ends here as after a report.
        try {
            if (simpleReport)
                Form4->createSimpleReport(EditPDF->text(), EditLogo->text(), EditSignature->text());
            else
                Form4->createDetailedReport(EditPDF->text(), EditLogo->text(),
                                            EditSignature->text());
        } catch (...) {
            showCurrentException(this);
        }
    }
    FormClose();
    accept();
}

void TForm6::BtnCancelClick() {
    FormClose();
    reject();
}

void TForm6::BtnPreviousClick() {
    if (simpleReport) {
        // The simple flow has no form to go back to.
        BtnCancelClick();
        return;
    }
    m_leavingByPrevious = true;
    reject();
    if (Form4)
        Form4->show(); // with its entries; its Ok opens this window again
}

void TForm6::done(int result) {
    if (!m_leavingByPrevious)
        FormClose();
    QDialog::done(result);
}

void TForm6::FormClose() {
    if (m_flowEnded)
        return;
    m_flowEnded = true;
    if (Form4)
        Form4->closeForm();
    if (simpleReport && Form3)
        Form3->show();
}
