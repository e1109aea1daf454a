#include "kalvo/reports/engine/reportproject.h"

#include "kalvo/reports/engine/reporterror.h"

ReportPage &Report::addPage(const QString &pageName) {
    if (findPage(pageName))
        throw ReportError(
            QStringLiteral("The report %1 has two pages named %2.").arg(m_name, pageName));
    m_pages.push_back(std::make_unique<ReportPage>(m_name + QLatin1Char('.') + pageName));
    m_pageList.push_back(m_pages.back().get());
    return *m_pages.back();
}

ReportPage *Report::findPage(const QString &pageName) const {
    for (const auto &page : m_pages)
        if (page->name() == pageName)
            return page.get();
    return nullptr;
}

ReportPage &Report::page(const QString &pageName) const {
    ReportPage *found = findPage(pageName);
    if (!found)
        throw ReportError(
            QStringLiteral("The report %1 has no page named %2.").arg(m_name, pageName));
    return *found;
}

void Report::removeFromPageList(const ReportPage &page) {
    std::erase(m_pageList, &page);
}

Report &ReportProject::addReport(const QString &name) {
    if (findReport(name))
        throw ReportError(QStringLiteral("The report project has two reports named %1.").arg(name));
    m_reports.push_back(std::make_unique<Report>(name));
    return *m_reports.back();
}

Report *ReportProject::findReport(const QString &name) const {
    for (const auto &report : m_reports)
        if (report->name() == name)
            return report.get();
    return nullptr;
}

Report &ReportProject::report(const QString &name) const {
    Report *found = findReport(name);
    if (!found)
        throw ReportError(QStringLiteral("The report project has no report named %1.").arg(name));
    return *found;
}

ReportPage &ReportProject::page(const QString &fullName) const {
    const qsizetype dot = fullName.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        throw ReportError(
            QStringLiteral("\"%1\" is not a page name of the form Report.Page.").arg(fullName));
    return report(fullName.left(dot)).page(fullName.mid(dot + 1));
}

QString pdfOutputName(const QString &fileName) {
    if (fileName.contains(QLatin1Char('.')))
        return fileName;
    return fileName + QStringLiteral(".pdf");
}
