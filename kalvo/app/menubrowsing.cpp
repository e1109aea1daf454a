// Survey browsing in the main window: opening a document, choosing a survey
// by date and time or narrowing the dates by reference, and the graphs.
#include "kalvo/app/menu.h"

#include "common/ui/platformservice.h"
#include "kalvo/app/forms.h"
#include "kalvo/app/preferences.h"
#include "kalvo/app/windowtranslator.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/store/tmd.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QSet>
#include <QTextEdit>

namespace {

// Fixed, not translated. Extensions match in either letter case.
const QString kOpenFilter = QStringLiteral("VEK files (*.vek *.VEK);;TXT files (*.txt *.TXT)");

} // namespace

void TForm1::showPrompt(int ids) {
    m_promptIds = ids;
    RichEdit1->setPlainText(ids < 0 ? QString() : m_texts->ids(ids));
}

void TForm1::retranslatePrompt() {
    if (m_promptIds >= 0)
        RichEdit1->setPlainText(m_texts->ids(m_promptIds));
}

void TForm1::showLoading() {
    showPrompt(1);
    // The import runs in this thread: paint the pane and the button now, or
    // "Loading..." would never be seen.
    Button1->repaint();
    RichEdit1->viewport()->repaint();
}

void TForm1::Button1Click() {
    enterProgramFolder();
    const QString dataFolder = QDir::currentPath() + QStringLiteral("/Data");
    FileDialogRequest request;
    request.caption = m_texts->ids(0);
    request.folder = dataFolder;
    request.filter = kOpenFilter;
    request.defaultSuffix = QStringLiteral("vek");
    const QString path = platform().openFileName(this, request);
    if (path.isEmpty())
        return;
    const bool noBase = path.right(3).toLower() == QLatin1String("txt");
    QDir::setCurrent(dataFolder);

    Button1->setEnabled(false);
    showLoading();
    // The import frees the surveys the entries refer to.
    m_entrySurveys.clear();
    try {
        MD->importSurveyDocument(path, noBase);
        fillLists();
    } catch (...) {
        ComboBox->clear();
        ComboBoxRef->clear();
        m_entrySurveys.clear();
        RichEdit1->clear();
        MD->clearSurveys();
        showPrompt(3);
        Button1->setEnabled(true);
        platform().message(this, QMessageBox::NoIcon, m_texts->ids(5), m_texts->ids(4));
        return;
    }
    showPrompt(2);
    Button1->setEnabled(true);
    Button3->setEnabled(false);
}

void TForm1::fillLists() {
    const QSignalBlocker quietDates(ComboBox);
    const QSignalBlocker quietReferences(ComboBoxRef);
    ComboBoxRef->clear();
    ComboBox->clear();
    QStringList dates;
    QStringList references;
    QSet<QString> foldedReferences;
    const auto &surveys = MD->surveyList();
    dates.reserve(qsizetype(surveys.size()));
    m_entrySurveys.reserve(surveys.size());
    for (const auto &survey : surveys) {
        dates.append(survey->surveyDate());
        m_entrySurveys.push_back(survey.get());
        const QString folded = survey->reference().toCaseFolded();
        if (!foldedReferences.contains(folded)) {
            foldedReferences.insert(folded);
            references.append(survey->reference());
        }
    }
    ComboBox->addItems(dates);
    ComboBoxRef->addItems(references);
    ComboBox->setCurrentIndex(-1);
    ComboBoxRef->setCurrentIndex(-1);
}

Survey *TForm1::surveyOfEntry(int index) const {
    if (index < 0 || size_t(index) >= m_entrySurveys.size())
        return nullptr;
    return m_entrySurveys[size_t(index)];
}

void TForm1::ComboBoxSelect(int index) {
    const Survey *survey = surveyOfEntry(index);
    if (!survey)
        return;
    m_promptIds = -1;
    RichEdit1->setPlainText(survey->surveyText());
    Button3->setEnabled(true);
}

void TForm1::ComboBoxRefSelect(int index) {
    const QString reference = ComboBoxRef->itemText(index);
    const QSignalBlocker quiet(ComboBox);
    ComboBox->clear();
    m_entrySurveys.clear();
    QStringList dates;
    for (const auto &survey : MD->surveyList()) {
        if (survey->reference() == reference) {
            dates.append(survey->surveyDate());
            m_entrySurveys.push_back(survey.get());
        }
    }
    ComboBox->addItems(dates);
    ComboBox->setCurrentIndex(-1);
}

void TForm1::Button3Click() {
    const Survey *survey = surveyOfEntry(ComboBox->currentIndex());
    if (!survey) {
        Form3->RichEditRedValues->setPlainText(QString());
        Form3->RichEditBlackValues->setPlainText(QString());
    } else {
        Form3->RichEditRedValues->setPlainText(survey->redValuesText());
        Form3->RichEditBlackValues->setPlainText(survey->blackValuesText());
        Form3->fillCharts(*survey);
    }
    Form3->setWindowState(Form3->windowState() | Qt::WindowMaximized);
    Form3->exec();
}
