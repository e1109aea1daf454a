#pragma once
#include "kalvo/reports/engine/reportcomponents.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

// One page of a report: its components in drawing order. Named components
// are looked up by name; the typed lookups insist on the kind, so that a
// project that does not match the program fails loudly instead of printing a
// report with fields missing.
class ReportPage {
public:
    // `fullName` is "Report1.Page2": the report's name, a dot, the page's name.
    explicit ReportPage(QString fullName) : m_fullName(std::move(fullName)) {}
    ReportPage(const ReportPage &) = delete;
    ReportPage &operator=(const ReportPage &) = delete;

    const QString &fullName() const { return m_fullName; }
    QString name() const { return m_fullName.section(QLatin1Char('.'), -1); }

    // Throws ReportError when a component of that name is already there.
    void add(std::unique_ptr<ReportComponent> component);
    const std::vector<std::unique_ptr<ReportComponent>> &components() const { return m_components; }

    // The component of that name, or nullptr.
    ReportComponent *find(const QString &name) const;
    // The component of that name and kind; throws ReportError when it is
    // missing or of another kind.
    ReportText &text(const QString &name) const;
    ReportMemo &memo(const QString &name) const;
    ReportRectangle &rectangle(const QString &name) const;
    ReportPicture &picture(const QString &name) const;
    ReportLine &line(const QString &name) const;

    // Draws every visible component, in order.
    void draw(QPainter &painter) const;

private:
    ReportComponent &findOfKind(const QString &name, ReportKind kind) const;

    QString m_fullName;
    std::vector<std::unique_ptr<ReportComponent>> m_components;
    QHash<QString, ReportComponent *> m_byName;
};
