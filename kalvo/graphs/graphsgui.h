#pragma once
// The graphs window: one chart per sensor with its base line, and the two
// numbered value lists under them. The main window fills it for the chosen
// survey and shows it modally; both report flows start from its buttons.

#include <QDialog>

class QLineSeries;
class QPushButton;
class QTextEdit;
class Survey;
class SensorChartView;
class WindowTranslator;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    // Clears the four series and fills them from `survey`.
    void fillCharts(const Survey &survey);

    void FormShow();
    void FormResize();
    void FormClose();
    void Button1Click();
    // The report flows: each announces itself; the program connects the flows
    // to these signals at start-up (reportflows.h).
    virtual void ButtonPdfClick();
    virtual void ButtonSimpleReportClick();

    QWidget *Panel7, *Panel6, *Panel5;
    SensorChartView *ChartRed, *ChartBlack;
    // Series3 red values over Series4 red base line; Series5 black values
    // over Series6 black base line.
    QLineSeries *Series3, *Series4, *Series5, *Series6;
    QTextEdit *RichEditRedValues, *RichEditBlackValues;
    QPushButton *ButtonPdf, *ButtonSimpleReport, *Button1;

    WindowTranslator &texts() const { return *m_texts; }

signals:
    // Entry points of the report flows, for the windows that carry them out.
    void detailedReportRequested();
    void simpleReportRequested();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTextEdit *newValueList(const char *name, bool readOnly);

    WindowTranslator *m_texts = nullptr;
};
