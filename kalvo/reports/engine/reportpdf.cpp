// Printing a report to PDF.

#include "kalvo/reports/engine/reporterror.h"
#include "kalvo/reports/engine/reportproject.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

[[noreturn]] void cannotWrite(const QString &fileName, const QString &reason) {
    throw ReportWriteError(
        QStringLiteral("The PDF file \"%1\" cannot be written: %2.").arg(fileName, reason));
}

} // namespace

QString ReportProject::renderPdf(const QString &reportName, const QString &fileName,
                                 const QString &title) const {
    const Report &printed = report(reportName);
    const QString target = pdfOutputName(fileName);

    // Declared in this order so that on an exception the painter ends first,
    // then the writer, and the unfinished temporary file is discarded.
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(target, file.errorString());
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    writer.setResolution(kReportDotsPerInch);
    writer.setCreator(QStringLiteral("KALVO"));
    writer.setTitle(title.isEmpty() ? printed.name() : title);
    QPainter painter;
    if (!painter.begin(&writer))
        cannotWrite(target, QStringLiteral("the PDF writer did not start"));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    bool first = true;
    for (const ReportPage *page : printed.pageList()) {
        if (!first && !writer.newPage())
            cannotWrite(target, QStringLiteral("a new page could not be started"));
        first = false;
        page->draw(painter);
    }
    if (!painter.end())
        cannotWrite(target, QStringLiteral("the PDF writer did not finish"));
    if (!file.commit())
        cannotWrite(target, file.errorString());
    return target;
}
