// Feeds arbitrary bytes to the report project loader and walks whatever it
// loaded: every report, page and named component, with the lookups the
// report filling uses. The loader must end in a project or a ReportError:
// never a crash, a hang or runaway memory.

#include "kalvo/reports/engine/reporterror.h"
#include "kalvo/reports/engine/reportproject.h"

#include <QByteArray>
#include <cstdint>

namespace {

void walk(ReportProject &project) {
    for (const auto &report : project.reports()) {
        const std::vector<ReportPage *> listed = report->pageList();
        for (ReportPage *page : listed) {
            for (const auto &component : page->components()) {
                const QString &name = component->name();
                if (name.isEmpty())
                    continue;
                if (page->find(name) != component.get())
                    __builtin_trap();
                try {
                    // One of these is of the right kind, the others throw.
                    page->text(name).setText(name);
                    page->memo(name).setText(name);
                    page->rectangle(name).setFillStyle(ReportFill::Solid);
                    page->picture(name).setVisible(true);
                } catch (const ReportError &) {
                }
                (void)component->clone();
            }
            try {
                (void)project.page(page->fullName());
            } catch (const ReportError &) {
                __builtin_trap();
            }
            report->removeFromPageList(*page);
        }
        if (!report->pageList().empty())
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        auto project = ReportProject::fromJson(json, QStringLiteral("fuzz input"));
        walk(*project);
    } catch (const ReportError &) {
    }
    return 0;
}
