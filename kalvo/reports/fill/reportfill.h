#pragma once
// The two PDF reports of a survey. The fill functions load the report project
// and fill it in memory; the create functions also print it. Failures are
// exceptions, raised before anything is written:
// - ListCapacityExceeded: the measurement lists need more than the 13 list pages;
// - ReportError: the project file is missing or does not match (a component
//   missing or of another kind), a graph picture cannot be read;
// - ReportWriteError (from the create functions): the PDF file cannot be
//   created or completed; an earlier file of that name is left intact.

#include "kalvo/reports/fill/measurementlists.h"
#include "kalvo/reports/fill/reportinput.h"
#include "kalvo/reports/fill/reportpages.h"
#include "kalvo/reports/fill/reporttexts.h"

// The detailed tank test report: first page, pipes page when the tank
// selection names pipes, graphs page, plain measurement lists; letterhead
// and footer on every page.
FilledReport fillDetailedReport(const ReportRequest &request, const TankTestFormValues &form,
                                const ReportTexts &texts);
// The simple report: Page17 as first page, graphs page, split measurement
// lists; no letterhead, the signatory texts hidden. Of the form only the
// tank selection and the signatory are read.
FilledReport fillSimpleReport(const ReportRequest &request, const TankTestFormValues &form,
                              const ReportTexts &texts);

// Fill and print; return the name of the PDF file written (".pdf" appended
// to a name without any ".").
QString createDetailedReport(const ReportRequest &request, const TankTestFormValues &form,
                             const ReportTexts &texts);
QString createSimpleReport(const ReportRequest &request, const TankTestFormValues &form,
                           const ReportTexts &texts);

// The report's rows of the pipes page: the used form rows, from the top
// without gaps, then empty rows.
void fillPipePage(ReportPage &page, const TankTestFormValues &form, const ReportTexts &texts);
