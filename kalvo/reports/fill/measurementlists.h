#pragma once
#include "kalvo/reports/engine/reporterror.h"

class Report;
class ReportTexts;
class Survey;

// The measurement lists at the end of both reports: each sensor's values,
// numbered within the sensor, six columns of 50 per page on the list pages
// Page3 .. Page15, each sensor starting on a page of its own.
constexpr int kFirstListPage = 3;
constexpr int kListPageCount = 13;
constexpr int kLastListPage = kFirstListPage + kListPageCount - 1;
constexpr int kValuesPerColumn = 50;
constexpr int kColumnsPerPage = 6;
constexpr int kValuesPerPage = kValuesPerColumn * kColumnsPerPage;

// The plain form writes every value into MemoCol<c>; the split form writes a
// value at least 2 dB above its sensor's base into MemoCol<c>Red instead and
// keeps both memos of a column line for line.
enum class ListForm { Plain, Split };

// The lists need more list pages than the report has. Raised before anything
// is filled or written; the window shows its translated message with the two
// numbers.
class ListCapacityExceeded : public ReportError {
public:
    ListCapacityExceeded(int pagesNeeded, int pageLimit);
    int pagesNeeded() const { return m_needed; }
    int pageLimit() const { return m_limit; }

private:
    int m_needed;
    int m_limit;
};

// The number of list pages the survey's values take.
int listPagesNeeded(const Survey &survey);
// Throws ListCapacityExceeded when they exceed the report's list pages.
void checkListCapacity(const Survey &survey);

// Fills the list pages of `report` and returns the first free page number
// (3 when the survey has no values). `redBase` and `blackBase` are the split
// form's base measurements. Throws ListCapacityExceeded first when the lists
// do not fit.
int fillMeasurementLists(Report &report, const Survey &survey, ListForm form,
                         const ReportTexts &texts, double redBase = 0, double blackBase = 0);

// One line of a list: the value's number within its sensor, right-aligned in
// three places, ")" and the value line ("  5)  23.5\n").
QString listLine(int number, double value);
