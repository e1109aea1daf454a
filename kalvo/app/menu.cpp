#include "kalvo/app/menu.h"

#include "common/ui/platformservice.h"
#include "kalvo/app/application.h"
#include "kalvo/app/forms.h"
#include "kalvo/app/kalvoerror.h"
#include "kalvo/app/preferences.h"
#include "kalvo/app/tankpicture.h"
#include "kalvo/app/windowtranslator.h"
#include "kalvo/reports/ownergui.h"
#include "kalvo/store/tmd.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

constexpr int kTopStrip = 37;
constexpr int kBottomBar = 46;
constexpr int kColumnWidth = 325;

QPushButton *newButton(QWidget *parent, const char *name) {
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setMinimumWidth(90);
    return button;
}

QTextEdit *newContactBox(QWidget *parent, const char *name, const QString &accessibleName) {
    auto *box = new QTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    box->setFrameShape(QFrame::NoFrame);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAccessibleName(accessibleName);
    return box;
}

// The height that shows `lines` lines of the box's font without scrolling.
int heightForLines(const QTextEdit *box, int lines) {
    const int margin = int(box->document()->documentMargin());
    return box->fontMetrics().lineSpacing() * lines + 2 * margin + 2 * box->frameWidth() + 2;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("TForm1"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    buildMenu();

    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addSpacing(kTopStrip);

    RichEdit1 = new QTextEdit(central);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setReadOnly(true);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setMinimumWidth(170);
    RichEdit1->setFont(QFont(QStringLiteral("Courier New"), 8));
    RichEdit1->setAccessibleName(QStringLiteral("Survey text"));

    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(RichEdit1, 1);
    middle->addWidget(buildSelectionColumn());
    outer->addLayout(middle, 1);
    outer->addWidget(buildBottomBar());
    setCentralWidget(central);

    Button3->setEnabled(false);
    // Opening a document is the first thing to do.
    Button1->setFocus();
    connectHandlers();
    m_texts = new WindowTranslator(this);
    connect(m_texts, &WindowTranslator::languageApplied, this, [this] {
        retranslatePrompt();
        // An empty list says what it is for, as its hint does.
        ComboBoxRef->setPlaceholderText(ComboBoxRef->toolTip());
        ComboBox->setPlaceholderText(ComboBox->toolTip());
    });

    // Restored size and place; the window itself opens maximized.
    resize(1000, 700);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::buildMenu() {
    L1 = menuBar()->addMenu(QString());
    L1->setObjectName(QStringLiteral("L1"));
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    auto add = [this](const char *name, int language) {
        QAction *item = L1->addAction(QString());
        item->setObjectName(QLatin1String(name));
        item->setData(language);
        item->setCheckable(true);
        m_languageGroup->addAction(item);
        return item;
    };
    English1 = add("English1", LanguageEnglish);
    French1 = add("French1", LanguageFrench);
    German1 = add("German1", LanguageGerman);
    Italian1 = add("Italian1", LanguageItalian);
    Spanish1 = add("Spanish1", LanguageSpanish);
    Dutch1 = add("Dutch1", LanguageDutch);
    Danish1 = add("Danish1", LanguageDanish);
}

QWidget *TForm1::buildSelectionColumn() {
    auto *column = new QFrame(this);
    column->setObjectName(QStringLiteral("PanelSelection"));
    column->setFixedWidth(kColumnWidth);
    column->setFrameShape(QFrame::Box);
    column->setAutoFillBackground(true);
    QPalette palette = column->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    column->setPalette(palette);

    ComboBoxRef = new QComboBox(column);
    ComboBoxRef->setObjectName(QStringLiteral("ComboBoxRef"));
    ComboBoxRef->setAccessibleName(QStringLiteral("Reference"));
    ComboBox = new QComboBox(column);
    ComboBox->setObjectName(QStringLiteral("ComboBox"));
    ComboBox->setAccessibleName(QStringLiteral("Date and time"));
    for (QComboBox *list : {ComboBoxRef, ComboBox}) {
        list->setEditable(false);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMaxVisibleItems(20);
    }
    Image1 = new TankPicture(column);
    Image1->setObjectName(QStringLiteral("Image1"));
    RichEdit3 = newContactBox(column, "RichEdit3", QStringLiteral("Supplier"));
    RichEdit2 = newContactBox(column, "RichEdit2", QStringLiteral("Supplier's address"));
    Button6 = newButton(column, "Button6");

    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(ComboBoxRef);
    layout->addWidget(ComboBox);
    layout->addWidget(Image1, 1);
    layout->addWidget(RichEdit3);
    layout->addWidget(RichEdit2);
    layout->addWidget(Button6, 0, Qt::AlignRight);
    return column;
}

QWidget *TForm1::buildBottomBar() {
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("PanelBottom"));
    bar->setFixedHeight(kBottomBar);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    bar->setPalette(palette);

    Button2 = newButton(bar, "Button2");
    Button5 = newButton(bar, "Button5");
    Button1 = newButton(bar, "Button1");
    Button3 = newButton(bar, "Button3");
    Button4 = newButton(bar, "Button4");
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->addWidget(Button2);
    layout->addWidget(Button5);
    layout->addStretch(1);
    layout->addWidget(Button1);
    layout->addWidget(Button3);
    layout->addWidget(Button4);
    return bar;
}

void TForm1::connectHandlers() {
    auto handle = [this](QPushButton *button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { runHandler(this, [this, handler] { (this->*handler)(); }); });
    };
    handle(Button1, &TForm1::Button1Click);
    handle(Button2, &TForm1::Button2Click);
    handle(Button3, &TForm1::Button3Click);
    handle(Button4, &TForm1::Button4Click);
    handle(Button5, &TForm1::Button5Click);
    handle(Button6, &TForm1::Button6Click);
    connect(ComboBox, &QComboBox::activated, this,
            [this](int index) { runHandler(this, [this, index] { ComboBoxSelect(index); }); });
    connect(ComboBoxRef, &QComboBox::activated, this,
            [this](int index) { runHandler(this, [this, index] { ComboBoxRefSelect(index); }); });
    connect(m_languageGroup, &QActionGroup::triggered, this,
            [this](QAction *item) { runHandler(this, [this, item] { LanguageItemClick(item); }); });
}

void TForm1::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!m_shownOnce && !event->spontaneous()) {
        m_shownOnce = true;
        runHandler(this, [this] { FormShow(); });
    }
}

void TForm1::FormShow() {
    enterProgramFolder();
    applyStoredLanguage(preferencesPath());
    if (Form2) {
        Form2->owner().readFromIni(preferencesPath());
        showSupplierContact();
    }
}

void TForm1::showSupplierContact() {
    if (!Form2)
        return;
    const DataOwner &owner = Form2->owner();
    QFont company(QStringLiteral("Tahoma"), 9);
    company.setBold(true);
    RichEdit3->setFont(company);
    RichEdit3->setPlainText(owner.owner());
    RichEdit3->setFixedHeight(heightForLines(RichEdit3, 1));

    QStringList lines;
    auto addLine = [&lines](const QString &line) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    };
    addLine(owner.address());
    addLine(owner.zipCode() + QLatin1Char(' ') + owner.city());
    addLine(owner.country());
    if (!owner.tel().isEmpty())
        addLine(QStringLiteral("Tel: ") + owner.tel());
    if (!owner.fax().isEmpty())
        addLine(QStringLiteral("Fax: ") + owner.fax());
    addLine(owner.email());
    addLine(owner.webSite());
    RichEdit2->setFont(QFont(QStringLiteral("Arial"), 8));
    RichEdit2->setPlainText(lines.join(QLatin1Char('\n')));
    RichEdit2->setFixedHeight(heightForLines(RichEdit2, 7));
}

void TForm1::closeEvent(QCloseEvent *event) {
    runHandler(this, [this] { FormClose(); });
    QMainWindow::closeEvent(event);
}

void TForm1::FormClose() {
    // The lists refer to the records that are freed now.
    m_entrySurveys.clear();
    MD->clearSurveys();
}

void TForm1::Button4Click() {
    close();
}

void TForm1::Button2Click() {
    Form2->exec();
}

void TForm1::Button6Click() {
    platform().message(this, QMessageBox::Information, m_texts->ids(12),
                       QStringLiteral("KALVO - Graphs & Measurements\nVersion: 3.11"));
}

void TForm1::Button5Click() {
    enterProgramFolder();
    const QString error = platform().startProgram(programFolder() + QStringLiteral("/Data/Survey"),
                                                  {}, programFolder());
    if (!error.isEmpty())
        throw KalvoError(error);
}
