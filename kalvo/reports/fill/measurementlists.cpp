#include "kalvo/reports/fill/measurementlists.h"

#include "kalvo/reports/engine/reportproject.h"
#include "kalvo/reports/fill/reporttexts.h"
#include "kalvo/store/survey.h"

#include <algorithm>

ListCapacityExceeded::ListCapacityExceeded(int pagesNeeded, int pageLimit)
    : ReportError(QStringLiteral("The measurement lists of this survey need %1 pages; a report "
                                 "holds at most %2 list pages of %3 values.")
                      .arg(pagesNeeded)
                      .arg(pageLimit)
                      .arg(kValuesPerPage)),
      m_needed(pagesNeeded), m_limit(pageLimit) {}

namespace {

// The values that count: the first nbMeasurements of the list.
size_t listedCount(const Survey &survey) {
    return std::min(survey.dataList().size(), size_t(std::max(0, survey.nbMeasurements())));
}

int pagesFor(int values) {
    return (values + kValuesPerPage - 1) / kValuesPerPage;
}

ReportPage &listPage(Report &report, int number) {
    return report.page(QStringLiteral("Page%1").arg(number));
}

QString memoName(int column, bool red) {
    return QStringLiteral("MemoCol%1%2").arg(column).arg(red ? QStringLiteral("Red") : QString());
}

} // namespace

int listPagesNeeded(const Survey &survey) {
    int red = 0;
    int black = 0;
    const size_t total = listedCount(survey);
    for (size_t i = 0; i < total; ++i) {
        const char sensor = survey.dataList()[i].sensor();
        red += sensor == 'R';
        black += sensor == 'B';
    }
    return pagesFor(red) + pagesFor(black);
}

void checkListCapacity(const Survey &survey) {
    const int needed = listPagesNeeded(survey);
    if (needed > kListPageCount)
        throw ListCapacityExceeded(needed, kListPageCount);
}

QString listLine(int number, double value) {
    QString line;
    if (number < 10)
        line = QStringLiteral("  ");
    else if (number < 100)
        line = QStringLiteral(" ");
    return line + QString::number(number) + QLatin1Char(')') +
           Data(0, number, value, 'R').valueLine();
}

int fillMeasurementLists(Report &report, const Survey &survey, ListForm form,
                         const ReportTexts &texts, double redBase, double blackBase) {
    checkListCapacity(survey);
    const auto &values = survey.dataList();
    const size_t total = listedCount(survey);
    const bool split = form == ListForm::Split;
    int p = kFirstListPage;
    for (const char sensor : {'R', 'B'}) {
        const double threshold = (sensor == 'R' ? redBase : blackBase) + 2.0;
        const QString title = texts(50) + texts(sensor == 'R' ? 51 : 52);
        size_t i = 0;
        int k = 1;
        int lastPage = p - 1;
        // A full red list on the last list page leaves no page for an empty
        // black list's title; there is nothing to title then.
        if (p <= kLastListPage)
            listPage(report, p).text(QStringLiteral("TextTitle")).setText(title);
        while (i < total) {
            // Past the list pages only values of other sensors remain (the
            // capacity check saw to that): nothing to write.
            if (p > kLastListPage)
                break;
            ReportPage &page = listPage(report, p);
            int used = 0;
            for (int c = 1; i < total && used < kValuesPerPage; ++c) {
                ReportMemo &plain = page.memo(memoName(c, false));
                ReportMemo *red = split ? &page.memo(memoName(c, true)) : nullptr;
                QString plainText;
                QString redText;
                for (int inColumn = 0;
                     i < total && used < kValuesPerPage && inColumn < kValuesPerColumn; ++i) {
                    const Data &data = values[i];
                    if (data.sensor() != sensor)
                        continue;
                    const QString line = listLine(k, data.dataValue());
                    if (split && data.dataValue() >= threshold) {
                        redText += line;
                        plainText += QLatin1Char('\n');
                    } else {
                        plainText += line;
                        if (split)
                            redText += QLatin1Char('\n');
                    }
                    lastPage = p;
                    ++k;
                    ++inColumn;
                    ++used;
                }
                plain.setText(plainText);
                if (red)
                    red->setText(redText);
            }
            p = lastPage + 1;
        }
    }
    return p;
}
