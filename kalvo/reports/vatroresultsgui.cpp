// The tank test form: its controls, their arrangement and its event handlers.
// Validation is in vatroresultschecks.cpp, the report generators in
// vatroresultsreport.cpp.

#include "kalvo/reports/vatroresultsgui.h"

#include "kalvo/app/application.h"
#include "kalvo/app/forms.h"
#include "kalvo/app/preferences.h"
#include "kalvo/app/windowtranslator.h"
#include "kalvo/reports/combofill.h"
#include "kalvo/reports/fileselectiongui.h"
#include "kalvo/reports/fill/reporttexts.h"
#include "kalvo/reports/operators.h"
#include "kalvo/reports/owner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

QPointer<TForm4> Form4;

namespace {

constexpr int kCommentMaxLength = 285;

template <typename Widget> Widget *named(QWidget *parent, const QString &name) {
    auto *widget = new Widget(parent);
    widget->setObjectName(name);
    return widget;
}

QLabel *label(QWidget *parent, const char *name, QWidget *buddy = nullptr) {
    auto *text = named<QLabel>(parent, QLatin1String(name));
    if (buddy)
        text->setBuddy(buddy);
    return text;
}

QLineEdit *edit(QWidget *parent, const char *name, int maxLength = 0) {
    auto *box = named<QLineEdit>(parent, QLatin1String(name));
    if (maxLength > 0) {
        box->setMaxLength(maxLength);
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * std::min(maxLength + 3, 40));
    }
    return box;
}

QComboBox *dropDown(QWidget *parent, const QString &name) {
    auto *list = named<QComboBox>(parent, name);
    list->setEditable(false); // a drop-down list: no free text
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

// A question answered by a yes/no pair: two labels (the question on two
// lines) and the two boxes.
void addYesNoRow(QGridLayout *grid, int row, QLabel *first, QLabel *second, QCheckBox *yes,
                 QCheckBox *no) {
    auto *question = new QVBoxLayout;
    question->setSpacing(0);
    question->addWidget(first);
    question->addWidget(second);
    grid->addLayout(question, row, 0);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(yes);
    boxes->addWidget(no);
    boxes->addStretch();
    grid->addLayout(boxes, row, 1, 1, 2);
}

} // namespace

TForm4::TForm4(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TForm4"));
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(buildHeader());

    PageControl1 = named<QTabWidget>(this, QStringLiteral("PageControl1"));
    TabSheet1 = buildStorageTab();
    TabSheet2 = buildPipesTab();
    PageControl1->addTab(TabSheet1, QString());
    PageControl1->addTab(TabSheet2, QString());
    PageControl1->setCurrentIndex(0);
    outer->addWidget(PageControl1, 1);

    ButtonCancel = named<QPushButton>(this, QStringLiteral("ButtonCancel"));
    ButtonOk = named<QPushButton>(this, QStringLiteral("ButtonOk"));
    ButtonOk->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ButtonCancel);
    buttons->addWidget(ButtonOk);
    outer->addLayout(buttons);

    connectHandlers();
    m_texts = new WindowTranslator(this); // captions and item lists
    showPipesTab(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TForm4::~TForm4() = default;

QWidget *TForm4::buildHeader() {
    auto *header = new QWidget(this);
    auto *grid = new QGridLayout(header);
    grid->setContentsMargins(0, 0, 0, 0);

    ComboBoxTank = dropDown(header, QStringLiteral("ComboBoxTank"));
    QLabel *tankLabel = label(header, "Label10", ComboBoxTank);
    QFont bold = tankLabel->font();
    bold.setBold(true);
    tankLabel->setFont(bold);
    auto *tankRow = new QHBoxLayout;
    tankRow->addWidget(tankLabel);
    tankRow->addWidget(ComboBoxTank, 1);
    grid->addLayout(tankRow, 0, 0, 1, 2);

    // Operator, then the customer, in the left column.
    auto *operatorBox = named<QGroupBox>(header, QStringLiteral("GroupBox1"));
    auto *operatorRow = new QHBoxLayout(operatorBox);
    ComboBoxOperator = dropDown(operatorBox, QStringLiteral("ComboBoxOperator"));
    ComboBoxOperator->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBoxOperator->setMinimumContentsLength(30);
    ButtonFill = named<QPushButton>(operatorBox, QStringLiteral("ButtonFill"));
    ButtonFill->setAutoDefault(false);
    ButtonFill->setAccessibleName(QStringLiteral("Operators list"));
    ButtonFill->setFixedWidth(ButtonFill->fontMetrics().horizontalAdvance(QStringLiteral(". . .")) +
                              24);
    operatorRow->addWidget(label(operatorBox, "LabelOperator", ComboBoxOperator));
    operatorRow->addWidget(ComboBoxOperator, 1);
    operatorRow->addWidget(ButtonFill);

    auto *customer = named<QGroupBox>(header, QStringLiteral("GroupBox2"));
    auto *customerGrid = new QGridLayout(customer);
    EditTankowner = edit(customer, "EditTankowner", 35);
    EditAddress = edit(customer, "EditAddress", 35);
    EditZipcode = edit(customer, "EditZipcode", 10);
    EditCity = edit(customer, "EditCity", 25);
    EditCountry = edit(customer, "EditCountry", 35);
    EditImplant = edit(customer, "EditImplant", 6);
    const std::pair<const char *, QLineEdit *> customerRows[] = {
        {"LabelTankowner", EditTankowner}, {"LabelAddress", EditAddress},
        {"LabelZipcode", EditZipcode},     {"LabelCity", EditCity},
        {"LabelCountry", EditCountry},     {"LabelImplant", EditImplant},
    };
    int row = 0;
    for (const auto &[name, box] : customerRows) {
        customerGrid->addWidget(label(customer, name, box), row, 0);
        customerGrid->addWidget(box, row++, 1, Qt::AlignLeft);
    }
    auto *left = new QVBoxLayout;
    left->addWidget(operatorBox);
    left->addWidget(customer);
    grid->addLayout(left, 1, 0);

    // Test conditions in the right column.
    auto *conditions = named<QGroupBox>(header, QStringLiteral("GroupBox3"));
    auto *test = new QGridLayout(conditions);
    EditProductLvl = edit(conditions, "EditProductLvl");
    EditWaterLvl = edit(conditions, "EditWaterLvl");
    EditDepressionType = edit(conditions, "EditDepressionType");
    const std::tuple<const char *, QLineEdit *, const char *> levels[] = {
        {"LabelProductLvl", EditProductLvl, "LabelProductUnit"},
        {"LabelWaterLvl", EditWaterLvl, "LabelWaterUnit"},
        {"LabelDepressionType", EditDepressionType, "LabelDepressionUnit"},
    };
    row = 0;
    for (const auto &[name, box, unit] : levels) {
        test->addWidget(label(conditions, name, box), row, 0);
        test->addWidget(box, row, 1);
        test->addWidget(label(conditions, unit), row++, 2);
    }
    CheckBoxWaterYes = named<QCheckBox>(conditions, QStringLiteral("CheckBoxWaterYes"));
    CheckBoxWaterNo = named<QCheckBox>(conditions, QStringLiteral("CheckBoxWaterNo"));
    CheckBoxDepressedYes = named<QCheckBox>(conditions, QStringLiteral("CheckBoxDepressedYes"));
    CheckBoxDepressedNo = named<QCheckBox>(conditions, QStringLiteral("CheckBoxDepressedNo"));
    addYesNoRow(test, row++, label(conditions, "LabelWaterIncrease"),
                label(conditions, "LabelWaterAfter"), CheckBoxWaterYes, CheckBoxWaterNo);
    addYesNoRow(test, row++, label(conditions, "LabelVacuumDrop"),
                label(conditions, "LabelVacuumDuring"), CheckBoxDepressedYes, CheckBoxDepressedNo);
    test->setRowStretch(row, 1);
    grid->addWidget(conditions, 1, 1);
    return header;
}

QWidget *TForm4::buildStorageTab() {
    auto *tab = named<QWidget>(this, QStringLiteral("TabSheet1"));
    auto *grid = new QGridLayout(tab);
    ComboBoxNature = dropDown(tab, QStringLiteral("ComboBoxNature"));
    ComboBoxSituation = dropDown(tab, QStringLiteral("ComboBoxSituation"));
    EditCapacite = edit(tab, "EditCapacite", 6);
    ComboBoxType = dropDown(tab, QStringLiteral("ComboBoxType"));
    ComboBoxStock = dropDown(tab, QStringLiteral("ComboBoxStock"));
    EditRepere = edit(tab, "EditRepere", 4);
    ComboBoxResult = dropDown(tab, QStringLiteral("ComboBoxResult"));
    CheckBoxCleanBeforeYes = named<QCheckBox>(tab, QStringLiteral("CheckBoxCleanBeforeYes"));
    CheckBoxCleanBeforeNo = named<QCheckBox>(tab, QStringLiteral("CheckBoxCleanBeforeNo"));

    // Left: the tank itself; right: product, placemark and result.
    grid->addWidget(label(tab, "LabelNature", ComboBoxNature), 0, 0);
    grid->addWidget(ComboBoxNature, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(label(tab, "LabelSituation", ComboBoxSituation), 1, 0);
    grid->addWidget(ComboBoxSituation, 1, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(label(tab, "LabelCapacite", EditCapacite), 2, 0);
    grid->addWidget(EditCapacite, 2, 1);
    grid->addWidget(label(tab, "LabelCapaciteUnit"), 2, 2);
    grid->addWidget(label(tab, "LabelType", ComboBoxType), 3, 0);
    grid->addWidget(ComboBoxType, 3, 1, 1, 2, Qt::AlignLeft);
    addYesNoRow(grid, 4, label(tab, "LabelCleanBefore"), label(tab, "LabelCleanBeforeTest"),
                CheckBoxCleanBeforeYes, CheckBoxCleanBeforeNo);
    grid->setColumnMinimumWidth(3, 24);
    grid->addWidget(label(tab, "LabelStock", ComboBoxStock), 0, 4);
    grid->addWidget(ComboBoxStock, 0, 5, Qt::AlignLeft);
    auto *placemark = new QVBoxLayout;
    placemark->setSpacing(0);
    placemark->addWidget(label(tab, "LabelRepere", EditRepere));
    placemark->addWidget(label(tab, "LabelRepereGround"));
    grid->addLayout(placemark, 1, 4);
    grid->addWidget(EditRepere, 1, 5, Qt::AlignLeft);
    auto *result = new QVBoxLayout;
    result->setSpacing(0);
    result->addWidget(label(tab, "LabelResult", ComboBoxResult));
    result->addWidget(label(tab, "LabelResultTank"));
    grid->addLayout(result, 2, 4);
    grid->addWidget(ComboBoxResult, 2, 5, Qt::AlignLeft);

    EditMainComment = named<QTextEdit>(tab, QStringLiteral("EditMainComment"));
    EditMainComment->setAcceptRichText(false);
    EditMainComment->setTabChangesFocus(true);
    EditMainComment->setLineWrapMode(QTextEdit::NoWrap);
    EditMainComment->setFixedHeight(EditMainComment->fontMetrics().lineSpacing() * kCommentLines +
                                    2 * EditMainComment->frameWidth() + 10);
    grid->addWidget(label(tab, "LabelMainComment", EditMainComment), 5, 0, Qt::AlignTop);
    grid->addWidget(EditMainComment, 5, 1, 1, 5);
    EditSignataire = edit(tab, "EditSignataire", 20);
    grid->addWidget(label(tab, "LabelSignataire", EditSignataire), 6, 0);
    grid->addWidget(EditSignataire, 6, 1, 1, 2, Qt::AlignLeft);
    grid->setColumnStretch(6, 1);
    return tab;
}

QWidget *TForm4::buildPipesTab() {
    auto *tab = named<QWidget>(this, QStringLiteral("TabSheet2"));
    auto *grid = new QGridLayout(tab);
    grid->setVerticalSpacing(3);
    const char *headings[] = {"LabelPipeType", "LabelPipeMaterial", "LabelPipeFrom",
                              "LabelPipeTo",   "LabelPipeTight",    "LabelPipeComment"};
    for (int column = 0; column < 6; ++column)
        grid->addWidget(label(tab, headings[column]), 0, column + 1);
    for (int i = 0; i < kPipeRows; ++i) {
        const QString n = QString::number(i + 1);
        ComboBoxNatureCanal[i] = dropDown(tab, QStringLiteral("ComboBoxNatureCanal") + n);
        ComboBoxMat[i] = dropDown(tab, QStringLiteral("ComboBoxMat") + n);
        EditDepart[i] = edit(tab, qPrintable(QStringLiteral("EditDepart") + n), 12);
        EditArrivee[i] = edit(tab, qPrintable(QStringLiteral("EditArrivee") + n), 12);
        ComboBoxEtanche[i] = dropDown(tab, QStringLiteral("ComboBoxEtanche") + n);
        EditDetailComment[i] = edit(tab, qPrintable(QStringLiteral("EditDetailComment") + n), 27);
        const std::pair<QWidget *, const char *> cells[] = {
            {ComboBoxNatureCanal[i], "type"}, {ComboBoxMat[i], "material"},
            {EditDepart[i], "from"},          {EditArrivee[i], "to"},
            {ComboBoxEtanche[i], "tight"},    {EditDetailComment[i], "comment"},
        };
        auto *number = new QLabel(n, tab);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(number, i + 1, 0);
        for (int column = 0; column < 6; ++column) {
            cells[column].first->setAccessibleName(
                QStringLiteral("Pipe %1 %2").arg(n, QLatin1String(cells[column].second)));
            grid->addWidget(cells[column].first, i + 1, column + 1);
        }
    }
    grid->setRowStretch(kPipeRows + 1, 1);
    return tab;
}

void TForm4::connectHandlers() {
    const auto handle = [this](auto member) {
        return [this, member] { runHandler(this, [this, member] { (this->*member)(); }); };
    };
    connect(ComboBoxTank, &QComboBox::currentIndexChanged, this,
            [this](int index) { runHandler(this, [this, index] { ComboBoxTankSelect(index); }); });
    connect(CheckBoxWaterYes, &QCheckBox::clicked, this, handle(&TForm4::CheckBoxWaterYesClick));
    connect(CheckBoxWaterNo, &QCheckBox::clicked, this, handle(&TForm4::CheckBoxWaterNoClick));
    connect(CheckBoxDepressedYes, &QCheckBox::clicked, this,
            handle(&TForm4::CheckBoxDepressedYesClick));
    connect(CheckBoxDepressedNo, &QCheckBox::clicked, this,
            handle(&TForm4::CheckBoxDepressedNoClick));
    connect(CheckBoxCleanBeforeYes, &QCheckBox::clicked, this,
            handle(&TForm4::CheckBoxCleanBeforeYesClick));
    connect(CheckBoxCleanBeforeNo, &QCheckBox::clicked, this,
            handle(&TForm4::CheckBoxCleanBeforeNoClick));
    connect(EditMainComment, &QTextEdit::textChanged, this, handle(&TForm4::EditMainCommentChange));
    connect(ButtonFill, &QPushButton::clicked, this, handle(&TForm4::ButtonFillClick));
    connect(ButtonOk, &QPushButton::clicked, this, handle(&TForm4::ButtonOkClick));
    connect(ButtonCancel, &QPushButton::clicked, this, handle(&TForm4::ButtonCancelClick));
}

void TForm4::setSupplier(std::unique_ptr<DataOwner> supplier) {
    m_supplier = std::move(supplier);
}

void TForm4::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runHandler(this, [this] { FormShow(); });
}

void TForm4::showPipesTab(bool visible) {
    PageControl1->setTabEnabled(1, visible);
    PageControl1->setTabVisible(1, visible);
}

void TForm4::FormShow() {
    showPipesTab(false);
    if (ComboBoxTank->currentIndex() > 0)
        showPipesTab(true);
    ComboBoxOperator->clear();
    enterProgramFolder();
    loadOperatorsAndOwner(*this, preferencesPath());
    ButtonOk->setFocus();
}

void TForm4::ComboBoxTankSelect(int index) {
    showPipesTab(index >= 1);
}

void TForm4::keepExclusive(QCheckBox *clicked, QCheckBox *partner) {
    if (clicked->isChecked() && partner->isChecked())
        partner->setChecked(false);
}

void TForm4::CheckBoxWaterYesClick() {
    keepExclusive(CheckBoxWaterYes, CheckBoxWaterNo);
}
void TForm4::CheckBoxWaterNoClick() {
    keepExclusive(CheckBoxWaterNo, CheckBoxWaterYes);
}
void TForm4::CheckBoxDepressedYesClick() {
    keepExclusive(CheckBoxDepressedYes, CheckBoxDepressedNo);
}
void TForm4::CheckBoxDepressedNoClick() {
    keepExclusive(CheckBoxDepressedNo, CheckBoxDepressedYes);
}
void TForm4::CheckBoxCleanBeforeYesClick() {
    keepExclusive(CheckBoxCleanBeforeYes, CheckBoxCleanBeforeNo);
}
void TForm4::CheckBoxCleanBeforeNoClick() {
    keepExclusive(CheckBoxCleanBeforeNo, CheckBoxCleanBeforeYes);
}

void TForm4::EditMainCommentChange() {
    // What the report's comment area holds: 285 characters on 5 lines.
    QString text = EditMainComment->toPlainText();
    const QString before = text;
    if (text.size() > kCommentMaxLength)
        text.truncate(kCommentMaxLength);
    QStringList lines = text.split(QLatin1Char('\n'));
    while (lines.size() > kCommentLines)
        lines.removeLast();
    text = lines.join(QLatin1Char('\n'));
    if (text == before)
        return;
    const QSignalBlocker quiet(EditMainComment);
    EditMainComment->setPlainText(text);
    EditMainComment->moveCursor(QTextCursor::End);
}

void TForm4::ButtonFillClick() {
    Form5->exec();
}

void TForm4::ButtonOkClick() {
    if (!checkTankForm())
        return;
    if (ComboBoxTank->currentIndex() != 0 && !checkPipes())
        return;
    // The form stays alive with its entries; the output settings close it or
    // show it again (Previous).
    hide();
    Form6->exec();
}

void TForm4::ButtonCancelClick() {
    closeForm();
}

void TForm4::showModally() {
    QEventLoop untilClosed;
    connect(this, &TForm4::formClosed, &untilClosed, &QEventLoop::quit);
    setWindowModality(Qt::ApplicationModal);
    show();
    if (!m_closed)
        untilClosed.exec();
}

void TForm4::closeForm() {
    done(QDialog::Rejected);
}

void TForm4::done(int result) {
    if (m_closed) {
        QDialog::done(result);
        return;
    }
    m_closed = true;
    FormClose();
    QDialog::done(result);
    emit formClosed();
}

void TForm4::FormClose() {
    // The graphs window wrote these pictures for this report only.
    const QString pictures = programFolder() + QStringLiteral("/Pictures/");
    QFile::remove(pictures + QStringLiteral("graphRedSensor.bmp"));
    QFile::remove(pictures + QStringLiteral("graphBlackSensor.bmp"));
}

TankTestFormValues TForm4::formValues() const {
    TankTestFormValues values;
    values.tankIndex = ComboBoxTank->currentIndex();
    values.tank = ComboBoxTank->currentText();
    values.operatorName = ComboBoxOperator->currentText();
    values.tankowner = EditTankowner->text();
    values.address = EditAddress->text();
    values.zipcode = EditZipcode->text();
    values.city = EditCity->text();
    values.country = EditCountry->text();
    values.implant = EditImplant->text();
    values.productLvl = EditProductLvl->text();
    values.waterLvl = EditWaterLvl->text();
    values.depressionType = EditDepressionType->text();
    values.waterYes = CheckBoxWaterYes->isChecked();
    values.depressedYes = CheckBoxDepressedYes->isChecked();
    values.cleanBeforeYes = CheckBoxCleanBeforeYes->isChecked();
    values.nature = ComboBoxNature->currentText();
    values.situation = ComboBoxSituation->currentText();
    values.capacite = EditCapacite->text();
    values.type = ComboBoxType->currentText();
    values.stock = ComboBoxStock->currentText();
    values.result = ComboBoxResult->currentText();
    values.repere = EditRepere->text();
    values.mainComment = EditMainComment->toPlainText();
    values.signataire = EditSignataire->text();
    for (int i = 0; i < kPipeRows; ++i)
        values.pipes[size_t(i)] = {ComboBoxNatureCanal[i]->currentText(),
                                   ComboBoxMat[i]->currentText(),
                                   EditDepart[i]->text(),
                                   EditArrivee[i]->text(),
                                   ComboBoxEtanche[i]->currentText(),
                                   EditDetailComment[i]->text()};
    return values;
}

ReportTexts TForm4::reportTexts() const {
    ReportTexts texts = ReportTexts::english();
    for (int id : ReportTexts::usedIds()) {
        const QString text = m_texts->ids(id);
        if (m_texts->table().hasRow(QStringLiteral("IDS_%1").arg(id)))
            texts.set(id, text);
    }
    return texts;
}
