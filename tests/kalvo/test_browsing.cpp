// Survey browsing in the main window: opening a document, choosing a survey
// and a reference, a failed import, a cancelled dialog, .TXT documents, and
// the main window's own buttons.
#include "kalvofixture.h"

#include "kalvo/app/application.h"
#include "kalvo/app/menu.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/store/tmd.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

QStringList itemsOf(const QComboBox *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}

QString pane() {
    return Form1->RichEdit1->toPlainText();
}

QString dataFile(const char *name) {
    return QStringLiteral(TEST_DATA_DIR "/") + QLatin1String(name);
}

// Records what the survey text pane showed each time it was painted.
class PaintWatcher : public QObject {
public:
    QStringList painted;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            painted.append(pane());
        return false;
    }
};

} // namespace

class TestBrowsing : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startState();
    void openShowsLoadingThenFillsTheLists();
    void openDialogAsksInDataBelowTheProgramFolder();
    void chooseSurveyShowsItsText();
    void referencesWithoutRegardToCaseAndExactFilter();
    void failedImportEmptiesEverything_data();
    void failedImportEmptiesEverything();
    void cancelledDialogChangesNothing();
    void txtDocumentHasNoBaseLines();
    void graphsWithoutChosenSurveyShowsEmptyLists();
    void graphsShowsTheChosenSurvey();
    void getDataStartsSurveyInTheProgramFolder();
    void getDataFailureIsShownAndProgramGoesOn();
    void aboutBox();
    void closingFreesTheSurveys();

private:
    std::unique_ptr<KalvoFixture> m_kalvo;
};

void TestBrowsing::init() {
    m_kalvo = std::make_unique<KalvoFixture>();
    m_kalvo->showMainWindow();
}

void TestBrowsing::cleanup() {
    m_kalvo.reset();
}

void TestBrowsing::startState() {
    QCOMPARE(pane(), QStringLiteral("Select a file"));
    QCOMPARE(Form1->ComboBox->count(), 0);
    QCOMPARE(Form1->ComboBoxRef->count(), 0);
    QVERIFY(!Form1->Button3->isEnabled());
    QCOMPARE(Form1->windowTitle(), QStringLiteral("Graphs & measurements for VEK KALVO"));
    QCOMPARE(Form1->ComboBox->toolTip(), QStringLiteral("Choose a date/time"));
    QCOMPARE(Form1->ComboBoxRef->toolTip(), QStringLiteral("Choose a reference"));
}

void TestBrowsing::openShowsLoadingThenFillsTheLists() {
    PaintWatcher watcher;
    Form1->RichEdit1->viewport()->installEventFilter(&watcher);
    m_kalvo->openDocument(m_kalvo->samplePath());
    Form1->RichEdit1->viewport()->removeEventFilter(&watcher);

    QVERIFY2(watcher.painted.contains(QStringLiteral("Loading...")),
             qPrintable(watcher.painted.join(QLatin1Char('|'))));
    QCOMPARE(pane(), QStringLiteral("Select a survey from the list"));
    QCOMPARE(MD->surveyCount(), 6);
    QCOMPARE(Form1->ComboBox->count(), 6);
    QCOMPARE(Form1->ComboBox->itemText(0), QStringLiteral("Mon 12 Mar 2007 10:20:30"));
    QCOMPARE(itemsOf(Form1->ComboBoxRef),
             (QStringList{"TANK A", "TANK B", "PIPE 2", "", "SITE-7 NORTH"}));
    QCOMPARE(Form1->ComboBox->currentIndex(), -1);
    QCOMPARE(Form1->ComboBoxRef->currentIndex(), -1);
    QVERIFY(Form1->Button1->isEnabled());
    QVERIFY(!Form1->Button3->isEnabled());
    // Data below the program folder stays current.
    QCOMPARE(QFileInfo(QDir::currentPath()).canonicalFilePath(),
             QFileInfo(m_kalvo->programFolder() + QStringLiteral("/Data")).canonicalFilePath());
}

void TestBrowsing::openDialogAsksInDataBelowTheProgramFolder() {
    QDir::setCurrent(QDir::tempPath());
    m_kalvo->openDocument(QString()); // cancelled
    const auto asked = m_kalvo->platform().requestsOf(ScriptedPlatform::Kind::OpenFile);
    QCOMPARE(asked.size(), size_t(1));
    QCOMPARE(asked[0].file.caption, QStringLiteral("Select a file to open"));
    QCOMPARE(QFileInfo(asked[0].file.folder).canonicalFilePath(),
             QFileInfo(m_kalvo->programFolder() + QStringLiteral("/Data")).canonicalFilePath());
    QCOMPARE(asked[0].file.filter,
             QStringLiteral("VEK files (*.vek *.VEK);;TXT files (*.txt *.TXT)"));
    QCOMPARE(asked[0].file.defaultSuffix, QStringLiteral("vek"));
}

void TestBrowsing::chooseSurveyShowsItsText() {
    m_kalvo->openDocument(m_kalvo->samplePath());
    Form1->ComboBox->setCurrentIndex(2);
    emit Form1->ComboBox->activated(2);
    QCOMPARE(pane(), MD->surveyAt(2).surveyText());
    QVERIFY(Form1->Button3->isEnabled());
    QCOMPARE(Form1->ComboBoxRef->currentIndex(), -1);
}

void TestBrowsing::referencesWithoutRegardToCaseAndExactFilter() {
    m_kalvo->openDocument(dataFile("references.VEK"));
    // "Tank A" and "TANK A" make one entry, in the form met first; the empty
    // reference has its own entry.
    QCOMPARE(itemsOf(Form1->ComboBoxRef), (QStringList{"Tank A", ""}));
    // Two surveys of the same moment give two entries, each its own survey.
    QCOMPARE(Form1->ComboBox->itemText(0), Form1->ComboBox->itemText(1));
    emit Form1->ComboBox->activated(1);
    QCOMPARE(pane(), MD->surveyAt(1).surveyText());
    QVERIFY(Form1->Button3->isEnabled());

    // Choosing the reference lists the surveys of exactly that spelling and
    // leaves the pane and Graphs as they were.
    Form1->ComboBoxRef->setCurrentIndex(0);
    emit Form1->ComboBoxRef->activated(0);
    QCOMPARE(itemsOf(Form1->ComboBox),
             (QStringList{"Mon 12 Mar 2007 10:20:30", "Wed 14 Mar 2007 09:15:00"}));
    QCOMPARE(Form1->ComboBox->currentIndex(), -1);
    QCOMPARE(pane(), MD->surveyAt(1).surveyText());
    QVERIFY(Form1->Button3->isEnabled());
    emit Form1->ComboBox->activated(1);
    QCOMPARE(pane(), MD->surveyAt(3).surveyText());

    Form1->ComboBoxRef->setCurrentIndex(1);
    emit Form1->ComboBoxRef->activated(1);
    QCOMPARE(itemsOf(Form1->ComboBox), (QStringList{"Tue 13 Mar 2007 08:00:00"}));
}

void TestBrowsing::failedImportEmptiesEverything_data() {
    QTest::addColumn<bool>("surveyChosen");
    QTest::newRow("after a chosen survey") << true;
    QTest::newRow("from the start") << false;
}

void TestBrowsing::failedImportEmptiesEverything() {
    QFETCH(bool, surveyChosen);
    if (surveyChosen) {
        m_kalvo->openDocument(m_kalvo->samplePath());
        emit Form1->ComboBox->activated(0);
    }
    m_kalvo->platform().clear();
    m_kalvo->openDocument(dataFile("broken.VEK"));

    QCOMPARE(pane(), QStringLiteral("Open a file"));
    QCOMPARE(Form1->ComboBox->count(), 0);
    QCOMPARE(Form1->ComboBoxRef->count(), 0);
    QCOMPARE(MD->surveyCount(), 0);
    QCOMPARE(MD->hardwareList().size(), size_t(0));
    QVERIFY(Form1->Button1->isEnabled());
    QCOMPARE(Form1->Button3->isEnabled(), surveyChosen); // keeps its state
    const auto boxes = m_kalvo->platform().requestsOf(ScriptedPlatform::Kind::Message);
    QCOMPARE(boxes.size(), size_t(1));
    QCOMPARE(boxes[0].text, QStringLiteral("Cannot open this file"));
    QCOMPARE(boxes[0].caption, QStringLiteral("Error 01"));
    QCOMPARE(boxes[0].icon, QMessageBox::NoIcon);
    QCOMPARE(boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestBrowsing::cancelledDialogChangesNothing() {
    m_kalvo->openDocument(m_kalvo->samplePath());
    Form1->ComboBox->setCurrentIndex(1);
    emit Form1->ComboBox->activated(1);
    const QString before = pane();
    m_kalvo->openDocument(QString());
    QCOMPARE(pane(), before);
    QCOMPARE(MD->surveyCount(), 6);
    QCOMPARE(Form1->ComboBox->count(), 6);
    QCOMPARE(Form1->ComboBox->currentIndex(), 1);
    QVERIFY(Form1->Button3->isEnabled());
}

void TestBrowsing::txtDocumentHasNoBaseLines() {
    m_kalvo->openDocument(dataFile("nobase.TXT"));
    QCOMPARE(MD->surveyCount(), 1);
    QVERIFY(MD->surveyAt(0).noBaseValues());
    QCOMPARE(pane(), QStringLiteral("Select a survey from the list"));
}

void TestBrowsing::graphsWithoutChosenSurveyShowsEmptyLists() {
    m_kalvo->openDocument(m_kalvo->samplePath());
    emit Form1->ComboBox->activated(0);
    Form1->ComboBoxRef->setCurrentIndex(0);
    emit Form1->ComboBoxRef->activated(0); // no date chosen, Graphs still enabled
    Form3->RichEditRedValues->setPlainText(QStringLiteral("old"));
    bool shown = false;
    QTimer::singleShot(0, Form3, [&] {
        shown = Form3->isVisible();
        QCOMPARE(Form3->RichEditRedValues->toPlainText(), QString());
        QCOMPARE(Form3->RichEditBlackValues->toPlainText(), QString());
        QCOMPARE(Form3->Series3->count(), 0);
        Form3->Button1->click();
    });
    QTest::mouseClick(Form1->Button3, Qt::LeftButton);
    QVERIFY(shown);
}

void TestBrowsing::graphsShowsTheChosenSurvey() {
    m_kalvo->openDocument(m_kalvo->samplePath());
    Form1->ComboBox->setCurrentIndex(0);
    emit Form1->ComboBox->activated(0);
    const Survey &survey = MD->surveyAt(0);
    int redPoints = -1;
    QTimer::singleShot(0, Form3, [&] {
        QCOMPARE(Form3->windowTitle(), QStringLiteral("Graphs"));
        QCOMPARE(Form3->RichEditRedValues->toPlainText(), survey.redValuesText());
        QCOMPARE(Form3->RichEditBlackValues->toPlainText(), survey.blackValuesText());
        redPoints = Form3->Series3->count();
        Form3->Button1->click();
    });
    QTest::mouseClick(Form1->Button3, Qt::LeftButton);
    QCOMPARE(redPoints, 30);
    QCOMPARE(Form3->Series3->count(), 0); // cleared on closing
}

void TestBrowsing::getDataStartsSurveyInTheProgramFolder() {
    QDir::setCurrent(QDir::tempPath());
    QTest::mouseClick(Form1->Button5, Qt::LeftButton);
    QTest::mouseClick(Form1->Button5, Qt::LeftButton); // again: started again
    const auto starts = m_kalvo->platform().requestsOf(ScriptedPlatform::Kind::StartProgram);
    QCOMPARE(starts.size(), size_t(2));
    QCOMPARE(starts[0].text, m_kalvo->programFolder() + QStringLiteral("/Data/Survey"));
    QVERIFY(starts[0].arguments.isEmpty());
    QCOMPARE(starts[0].workingFolder, m_kalvo->programFolder());
    QCOMPARE(QFileInfo(QDir::currentPath()).canonicalFilePath(),
             QFileInfo(m_kalvo->programFolder()).canonicalFilePath());
}

void TestBrowsing::getDataFailureIsShownAndProgramGoesOn() {
    m_kalvo->platform().queueLaunchError(QStringLiteral("No such file or directory"));
    QTest::mouseClick(Form1->Button5, Qt::LeftButton);
    const auto boxes = m_kalvo->platform().requestsOf(ScriptedPlatform::Kind::Message);
    QCOMPARE(boxes.size(), size_t(1));
    QCOMPARE(boxes[0].caption, applicationTitle());
    QCOMPARE(boxes[0].text, QStringLiteral("No such file or directory"));
    QCOMPARE(boxes[0].icon, QMessageBox::Critical);
    QVERIFY(Form1->isVisible());
    QCOMPARE(pane(), QStringLiteral("Select a file"));
}

void TestBrowsing::aboutBox() {
    QTest::mouseClick(Form1->Button6, Qt::LeftButton);
    const auto boxes = m_kalvo->platform().requestsOf(ScriptedPlatform::Kind::Message);
    QCOMPARE(boxes.size(), size_t(1));
    QCOMPARE(boxes[0].caption, QStringLiteral("About"));
    QCOMPARE(boxes[0].text, QStringLiteral("KALVO - Graphs & Measurements\nVersion: 3.11"));
    QCOMPARE(boxes[0].icon, QMessageBox::Information);
}

void TestBrowsing::closingFreesTheSurveys() {
    m_kalvo->openDocument(m_kalvo->samplePath());
    QTest::mouseClick(Form1->Button4, Qt::LeftButton);
    QVERIFY(!Form1->isVisible());
    QCOMPARE(MD->surveyCount(), 0);
    QVERIFY(m_kalvo->platform().requestsOf(ScriptedPlatform::Kind::Message).empty());
}

QTEST_MAIN(TestBrowsing)
#include "test_browsing.moc"
