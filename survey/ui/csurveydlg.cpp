#include "survey/ui/csurveydlg.h"

#include "common/ui/platformservice.h"
#include "survey/ui/caboutdlg.h"
#include "survey/ui/cportsetup.h"
#include "survey/ui/cregistry.h"
#include "survey/ui/surveyicon.h"
#include "survey/ui/surveypreferences.h"
#include "survey/ui/surveyregistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdlib>

namespace {

// Clears the busy flag however Get data ends.
class BusyScope {
public:
    explicit BusyScope(bool &busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    bool &m_busy;
};

} // namespace

CSurveyDlg::CSurveyDlg(const QString &programFolder, const QString &startPath, QWidget *parent)
    : QDialog(parent), m_programFolder(QDir(programFolder).absolutePath()),
      m_programExit([](int code) { std::exit(code); }), m_menuBar(new QMenuBar(this)),
      m_outputGroup(new QGroupBox(SurveyText::initialOutputFile, this)),
      m_output(new QLineEdit(m_outputGroup)),
      m_browse(new QPushButton(englishTexts().browse, m_outputGroup)),
      m_progress(new QProgressBar(this)), m_portSetup(new QPushButton(SurveyText::portSetup, this)),
      m_getData(new QPushButton(SurveyText::initialGetData, this)),
      m_close(new QPushButton(englishTexts().close, this)) {
    // Browse starts in the folder of the path the program was started with,
    // taken as absolute before the current folder changes below.
    m_browseFolder =
        startPath.isEmpty() ? m_programFolder : QFileInfo(startPath).absoluteDir().absolutePath();

    // Creating the dialog object: icon, registry key, stored port.
    setWindowIcon(surveyIcon());
    {
        CRegistry registry;
        if (!registry.Open(SurveyRegistry::keyPath))
            platform().message(this, QMessageBox::Warning, SurveyText::messageCaption,
                               SurveyText::errorCreatingKey);
        else
            m_portIndex = SurveyRegistry::readPortIndex(registry);
    }

    setWindowTitle(SurveyText::windowTitle);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    // The output path: shown, never typed; the edit scrolls horizontally.
    // Read-only rather than greyed out, so that the path stays readable and
    // can be selected and copied; the window's background marks it as not
    // editable.
    m_output->setReadOnly(true);
    QPalette outputPalette = m_output->palette();
    outputPalette.setColor(QPalette::Base, outputPalette.color(QPalette::Window));
    m_output->setPalette(outputPalette);
    m_output->setAccessibleName(SurveyText::initialOutputFile);
    m_output->setMinimumWidth(fontMetrics().averageCharWidth() * 52);
    auto *outputRow = new QHBoxLayout(m_outputGroup);
    outputRow->addWidget(m_output, 1);
    outputRow->addWidget(m_browse);

    m_progress->setRange(1, 100);
    m_progress->reset(); // position 0: empty
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(QStringLiteral("Progress"));

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_portSetup);
    buttonRow->addStretch(1);
    buttonRow->addWidget(m_getData);
    buttonRow->addWidget(m_close);
    m_getData->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menuBar);
    layout->addWidget(m_outputGroup);
    layout->addWidget(m_progress);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize); // fixed size, as the Windows dialog

    // Keyboard order: the controls top to bottom.
    setTabOrder(m_output, m_browse);
    setTabOrder(m_browse, m_portSetup);
    setTabOrder(m_portSetup, m_getData);
    setTabOrder(m_getData, m_close);

    connect(m_browse, &QPushButton::clicked, this, &CSurveyDlg::OnBrowse);
    connect(m_portSetup, &QPushButton::clicked, this, &CSurveyDlg::OnPortSetup);
    connect(m_getData, &QPushButton::clicked, this, &CSurveyDlg::OnGetData);
    connect(m_close, &QPushButton::clicked, this, &CSurveyDlg::OnClose);

    buildMenus();

    // Initialising the window: the program's folder becomes the current one,
    // then the language stored by KALVO is applied.
    QDir::setCurrent(m_programFolder);
    if (preferredLanguageCode(m_programFolder) == QLatin1String("FR"))
        switchToFrench();
}

CSurveyDlg::~CSurveyDlg() = default;

QString CSurveyDlg::outputPath() const {
    return m_output->text();
}

void CSurveyDlg::setProgramExit(std::function<void(int)> programExit) {
    m_programExit = std::move(programExit);
}

void CSurveyDlg::buildMenus() {
    const SurveyTexts &texts = textsFor(m_languageCode);
    m_menuBar->clear();
    m_languageMenu = m_menuBar->addMenu(texts.languageMenu);
    m_languageMenu->addAction(texts.englishItem, this, &CSurveyDlg::switchToEnglish);
    m_languageMenu->addAction(texts.frenchItem, this, &CSurveyDlg::switchToFrench);

    // The Windows program put "About" in the title bar's menu; window managers
    // own that menu here, so it is the last item of a "?" menu at the right.
    if (!m_menuBar->cornerWidget(Qt::TopRightCorner)) {
        auto *helpBar = new QMenuBar(m_menuBar);
        QMenu *help = helpBar->addMenu(QStringLiteral("?"));
        help->addAction(SurveyText::aboutItem, this, &CSurveyDlg::OnAbout);
        m_menuBar->setCornerWidget(helpBar, Qt::TopRightCorner);
    }
}

void CSurveyDlg::switchToFrench() {
    if (m_languageCode != QLatin1String("FR"))
        applyLanguage(QStringLiteral("FR"));
}

void CSurveyDlg::switchToEnglish() {
    // At start the code is empty but English is shown: nothing to do either.
    if (m_languageCode == QLatin1String("FR"))
        applyLanguage(QStringLiteral("EN"));
}

void CSurveyDlg::applyLanguage(const QString &code) {
    m_languageCode = code;
    const SurveyTexts &texts = textsFor(code);
    m_browse->setText(texts.browse);
    m_close->setText(texts.close);
    m_getData->setText(texts.getData);
    m_outputGroup->setTitle(texts.outputFile);
    m_output->setAccessibleName(texts.outputFile);
    buildMenus();
    update();
}

void CSurveyDlg::showMessage(const QString &text, bool error) {
    platform().message(this, error ? QMessageBox::Warning : QMessageBox::Information,
                       SurveyText::messageCaption, text);
}

void CSurveyDlg::OnBrowse() {
    FileDialogRequest request;
    request.caption = textsFor(m_languageCode).saveCaption;
    request.folder = m_browseFolder;
    request.filter = QStringLiteral("VEK Files (*.VEK)");
    request.defaultSuffix = QStringLiteral("VEK");
    request.confirmOverwrite = true;
    const QString chosen = platform().saveFileName(this, request);
    if (!chosen.isEmpty()) {
        m_output->setText(QFileInfo(chosen).absoluteFilePath());
        m_output->setToolTip(m_output->text()); // the whole path when the edit is too short
    }
}

void CSurveyDlg::OnGetData() {
    const SurveyTexts &texts = textsFor(m_languageCode);
    if (m_busy) {
        showMessage(texts.busy, false);
        return;
    }
    BusyScope busy(m_busy);
    const QString path = outputPath();
    if (path.isEmpty()) {
        showMessage(texts.noOutputFile);
        return;
    }
    if (!emptyOutputFile(path))
        return;
    runDownload(path);
}

// The document is created, or emptied, before the instrument is contacted, so
// that a file that cannot be written is known before anything is erased.
bool CSurveyDlg::emptyOutputFile(const QString &path) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true;
    showMessage(textsFor(m_languageCode)
                    .cannotCreate.arg(QDir::toNativeSeparators(path), file.errorString()));
    return false;
}

void CSurveyDlg::setProgress(int position) {
    if (position < m_progress->minimum())
        m_progress->reset();
    else
        m_progress->setValue(position);
}

void CSurveyDlg::OnPortSetup() {
    CPortSetup setup(m_portIndex, this);
    if (setup.exec() == QDialog::Accepted)
        m_portIndex = setup.portIndex();
}

void CSurveyDlg::OnClose() {
    m_programExit(1);
}

void CSurveyDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}
