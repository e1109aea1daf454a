#pragma once
#include "kalvo/reports/engine/reportpage.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

// One report of a project: its pages, and the page list that says which of
// them print, in which order. Removing a page from the list keeps it (and its
// components) reachable but out of the printed document.
class Report {
public:
    explicit Report(QString name) : m_name(std::move(name)) {}
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    const QString &name() const { return m_name; }

    // Appends a page to the report and to the end of its page list; throws
    // ReportError when the report has a page of that name already.
    ReportPage &addPage(const QString &pageName);
    // The page "Page2" of this report, whether listed or not; nullptr when absent.
    ReportPage *findPage(const QString &pageName) const;
    // Throws ReportError when absent.
    ReportPage &page(const QString &pageName) const;

    const std::vector<ReportPage *> &pageList() const { return m_pageList; }
    // Takes the page out of the page list; a page not in the list is left alone.
    void removeFromPageList(const ReportPage &page);

private:
    QString m_name;
    std::vector<std::unique_ptr<ReportPage>> m_pages;
    std::vector<ReportPage *> m_pageList;
};

// A report project: what Preferences/Report.rav holds. Loaded anew for each
// report; changes made while filling act on the loaded copy only.
class ReportProject {
public:
    ReportProject() = default;
    ReportProject(const ReportProject &) = delete;
    ReportProject &operator=(const ReportProject &) = delete;

    // Throws ReportError when the file is missing, unreadable or not a valid
    // project.
    static std::unique_ptr<ReportProject> load(const QString &fileName);
    // The same from the file's bytes; `sourceName` names it in messages.
    static std::unique_ptr<ReportProject> fromJson(const QByteArray &json,
                                                   const QString &sourceName);

    Report &addReport(const QString &name);
    const std::vector<std::unique_ptr<Report>> &reports() const { return m_reports; }
    // nullptr when absent.
    Report *findReport(const QString &name) const;
    // Throw ReportError when absent.
    Report &report(const QString &name) const;
    // A page by its full name, "Report1.Page2".
    ReportPage &page(const QString &fullName) const;

    // Prints the listed pages of `reportName`, in page-list order, to a PDF
    // file: A4 portrait, fonts embedded. The file is written under a
    // temporary name in the same folder and renamed when complete, so a
    // failure leaves no partial file and an existing file intact until then.
    // `title` is the document title a viewer shows (the report's name when
    // empty). Returns the name written (see pdfOutputName). Throws
    // ReportWriteError when the file cannot be created or completed.
    QString renderPdf(const QString &reportName, const QString &fileName,
                      const QString &title = QString()) const;

private:
    std::vector<std::unique_ptr<Report>> m_reports;
};

// The file a report named `fileName` is written to: ".pdf" is appended when
// the name holds no "." at all.
QString pdfOutputName(const QString &fileName);
