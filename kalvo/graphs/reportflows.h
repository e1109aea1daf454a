#pragma once
// The two report flows of the graphs window: both save the charts as
// pictures for the report and create a new tank test form (Form4); the
// detailed flow shows that form, the simple flow goes straight to the report
// output settings.

#include <QString>

class SensorChartView;
class TForm3;

// Writes `chart` as a Windows bitmap of its displayed size: white background,
// no gradient, not zoomed; then gives it back its screen look. Raises
// KalvoError when the file cannot be written (the chart then keeps its white
// look).
void saveChartPicture(SensorChartView &chart, const QString &fileName);

// ButtonPdfClick and ButtonSimpleReportClick of `graphs`.
void runDetailedReportFlow(TForm3 &graphs);
void runSimpleReportFlow(TForm3 &graphs);

// Makes the graphs window's report buttons start the flows.
void connectReportFlows(TForm3 &graphs);
