#pragma once
// Steps shared by the detailed and the simple report: the survey's values on
// the first page, the page removal, the printed page sequence with its
// numbering, the footers and the optional pictures.

#include "kalvo/reports/engine/reportproject.h"

#include <QImage>
#include <optional>
#include <vector>

class ReportTexts;
struct ReportRequest;
class Survey;

// A project filled for one report, ready to print.
struct FilledReport {
    std::unique_ptr<ReportProject> project;
    int firstFreePage = 0; // what the measurement lists returned
    int pageCount = 0;     // N of the "i/N" numbers
};

// One printed page and its number i.
struct PrintedPage {
    ReportPage *page;
    int number;
};

// The page sequence of a report whose lists ended before page `firstFree`:
// the first page (`firstPageName`), the pipes page when `pipes` is 1, the
// graphs page and the list pages. Numbered in printing order.
std::vector<PrintedPage> printedPages(const Report &report, int firstFree, int pipes,
                                      const QString &firstPageName);

// Throws ReportError when the request names no survey or no measuring set.
void checkRequest(const ReportRequest &request);

// The document title of a printed report: its first page's title memo on one line.
QString documentTitle(const ReportProject &project, const QString &firstPage);

// Takes out of the page list the list pages that got no value (and the pipes
// page when `pipes` is 0), then the other report's first page.
void removeUnusedPages(Report &report, int firstFree, int pipes, const QString &otherFirstPage);

// The survey's long date and time of day: French date and 24-hour time when
// the interface is French, English date and 12-hour time otherwise.
QString surveyDateText(const Survey &survey, bool french);
QString surveyTimeText(const Survey &survey, bool french);

// TextDate, TextTime, TextMeasurementNumber, the two serial numbers and the
// two base measurements of a first page. An absent base empties its value
// and its label (Text3 for red, Text4 for black).
void fillSurveyValues(ReportPage &page, const ReportRequest &request);

// The picture of a logo or signature file: nothing when the name is empty or
// the file does not exist. Throws ReportError when it exists but cannot be read.
std::optional<QImage> optionalPicture(const QString &fileName);

// The footer texts common to both reports, the signature and the page number.
void fillFooter(ReportPage &page, const ReportRequest &request, const QString &signatory,
                const std::optional<QImage> &signature, const ReportTexts &texts, int number,
                int count);

// Loads the graphs page's two pictures; throws ReportError when one cannot be read.
void fillGraphsPage(ReportPage &page, const ReportRequest &request);
