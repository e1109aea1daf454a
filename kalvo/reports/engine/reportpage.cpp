#include "kalvo/reports/engine/reportpage.h"

#include "kalvo/reports/engine/reporterror.h"

void ReportPage::add(std::unique_ptr<ReportComponent> component) {
    const QString &name = component->name();
    if (!name.isEmpty()) {
        if (m_byName.contains(name))
            throw ReportError(QStringLiteral("The report page %1 has two components named \"%2\".")
                                  .arg(m_fullName, name));
        m_byName.insert(name, component.get());
    }
    m_components.push_back(std::move(component));
}

ReportComponent *ReportPage::find(const QString &name) const {
    return m_byName.value(name, nullptr);
}

ReportComponent &ReportPage::findOfKind(const QString &name, ReportKind kind) const {
    ReportComponent *component = find(name);
    if (!component)
        throw ReportError(QStringLiteral("The report page %1 has no %2 component named \"%3\".")
                              .arg(m_fullName, reportKindName(kind), name));
    if (component->kind() != kind)
        throw ReportError(
            QStringLiteral("The component \"%1\" of the report page %2 is a %3, "
                           "not a %4.")
                .arg(name, m_fullName, reportKindName(component->kind()), reportKindName(kind)));
    return *component;
}

ReportText &ReportPage::text(const QString &name) const {
    return static_cast<ReportText &>(findOfKind(name, ReportKind::Text));
}

ReportMemo &ReportPage::memo(const QString &name) const {
    return static_cast<ReportMemo &>(findOfKind(name, ReportKind::Memo));
}

ReportRectangle &ReportPage::rectangle(const QString &name) const {
    return static_cast<ReportRectangle &>(findOfKind(name, ReportKind::Rectangle));
}

ReportPicture &ReportPage::picture(const QString &name) const {
    return static_cast<ReportPicture &>(findOfKind(name, ReportKind::Picture));
}

ReportLine &ReportPage::line(const QString &name) const {
    return static_cast<ReportLine &>(findOfKind(name, ReportKind::Line));
}

void ReportPage::draw(QPainter &painter) const {
    for (const auto &component : m_components)
        if (component->isVisible())
            component->draw(painter);
}
