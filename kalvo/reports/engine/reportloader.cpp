// Reading a report project from its JSON text:
//
//   { "format": "KALVO report project", "version": 1,
//     "styles":   { "<style>": { <component properties> } },
//     "sections": { "<section>": [ <component>, ... ] },
//     "reports":  [ { "name": "Report1",
//                     "pages": [ { "name": "Page1", "include": ["<section>"],
//                                  "components": [ <component>, ... ] } ] } ] }
//
// A component is an object with "kind" (text, memo, rectangle, picture, line),
// an optional "name", an optional "style" whose properties it inherits, its
// place in millimetres ("x", "y", "width", "height"; a line runs from x, y to
// "x2", "y2") and the properties of its kind. The pages of a report are listed
// in printing order; a page draws the components of its included sections
// first, then its own.

#include "kalvo/reports/engine/reporterror.h"
#include "kalvo/reports/engine/reportproject.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>

namespace {

constexpr qint64 kMaxProjectBytes = 8 * 1024 * 1024;
constexpr qsizetype kMaxPagesPerReport = 200;
constexpr qsizetype kMaxComponentsPerPage = 2000;
constexpr int kMaxComponentsInProject = 50000;
constexpr qsizetype kMaxTextLength = 10000;
constexpr double kMaxCoordinateMm = 2000;

const QString kFormat = QStringLiteral("KALVO report project");

class Loader {
public:
    explicit Loader(QString sourceName) : m_source(std::move(sourceName)) {}

    std::unique_ptr<ReportProject> load(const QByteArray &json);

private:
    [[noreturn]] void fail(const QString &where, const QString &what) const {
        throw ReportError(QStringLiteral("The report project %1 is not valid: %2: %3.")
                              .arg(m_source, where, what));
    }

    void readStyles(const QJsonObject &root);
    void readSections(const QJsonObject &root);
    void readReport(ReportProject &project, const QJsonValue &value, qsizetype index);
    void readPage(Report &report, const QJsonValue &value, const QString &where);
    std::unique_ptr<ReportComponent> readComponent(const QJsonValue &value, const QString &where);

    QJsonObject withStyle(const QJsonObject &component, const QString &where) const;
    double number(const QJsonObject &object, const QString &key, double fallback, double min,
                  double max, const QString &where) const;
    QString string(const QJsonObject &object, const QString &key, const QString &fallback,
                   const QString &where) const;
    bool boolean(const QJsonObject &object, const QString &key, bool fallback,
                 const QString &where) const;
    QColor color(const QJsonObject &object, const QString &key, const QColor &fallback,
                 const QString &where) const;
    ReportAlign align(const QJsonObject &object, const QString &where) const;
    ReportFont font(const QJsonObject &object, const QString &where) const;
    void checkKeys(const QJsonObject &object, const QSet<QString> &allowed,
                   const QString &where) const;
    void countComponent(const QString &where) {
        if (++m_componentCount > kMaxComponentsInProject)
            fail(where, QStringLiteral("too many components"));
    }

    QString m_source;
    QHash<QString, QJsonObject> m_styles;
    QHash<QString, QJsonArray> m_sections;
    int m_componentCount = 0;
};

std::unique_ptr<ReportProject> Loader::load(const QByteArray &json) {
    if (json.size() > kMaxProjectBytes)
        fail(QStringLiteral("file"), QStringLiteral("larger than %1 bytes").arg(kMaxProjectBytes));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        fail(QStringLiteral("offset %1").arg(error.offset), error.errorString());
    if (!document.isObject())
        fail(QStringLiteral("file"), QStringLiteral("not a JSON object"));
    const QJsonObject root = document.object();
    checkKeys(root,
              {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("styles"),
               QStringLiteral("sections"), QStringLiteral("reports")},
              QStringLiteral("top level"));
    if (root.value(QStringLiteral("format")).toString() != kFormat)
        fail(QStringLiteral("\"format\""), QStringLiteral("not \"%1\"").arg(kFormat));
    if (root.value(QStringLiteral("version")).toDouble() != 1)
        fail(QStringLiteral("\"version\""), QStringLiteral("only version 1 is known"));
    readStyles(root);
    readSections(root);
    const QJsonValue reports = root.value(QStringLiteral("reports"));
    if (!reports.isArray() || reports.toArray().isEmpty())
        fail(QStringLiteral("\"reports\""), QStringLiteral("not a list of reports"));
    auto project = std::make_unique<ReportProject>();
    const QJsonArray reportList = reports.toArray();
    for (qsizetype i = 0; i < reportList.size(); ++i)
        readReport(*project, reportList.at(i), i);
    return project;
}

void Loader::readStyles(const QJsonObject &root) {
    const QJsonValue styles = root.value(QStringLiteral("styles"));
    if (styles.isUndefined())
        return;
    if (!styles.isObject())
        fail(QStringLiteral("\"styles\""), QStringLiteral("not an object"));
    const QJsonObject object = styles.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isObject())
            fail(QStringLiteral("style \"%1\"").arg(it.key()), QStringLiteral("not an object"));
        if (it.value().toObject().contains(QStringLiteral("style")))
            fail(QStringLiteral("style \"%1\"").arg(it.key()),
                 QStringLiteral("a style cannot use another style"));
        m_styles.insert(it.key(), it.value().toObject());
    }
}

void Loader::readSections(const QJsonObject &root) {
    const QJsonValue sections = root.value(QStringLiteral("sections"));
    if (sections.isUndefined())
        return;
    if (!sections.isObject())
        fail(QStringLiteral("\"sections\""), QStringLiteral("not an object"));
    const QJsonObject object = sections.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!it.value().isArray())
            fail(QStringLiteral("section \"%1\"").arg(it.key()),
                 QStringLiteral("not a list of components"));
        m_sections.insert(it.key(), it.value().toArray());
    }
}

void Loader::readReport(ReportProject &project, const QJsonValue &value, qsizetype index) {
    const QString where = QStringLiteral("report %1").arg(index + 1);
    if (!value.isObject())
        fail(where, QStringLiteral("not an object"));
    const QJsonObject object = value.toObject();
    checkKeys(object, {QStringLiteral("name"), QStringLiteral("pages")}, where);
    const QString name = string(object, QStringLiteral("name"), QString(), where);
    if (name.isEmpty() || name.contains(QLatin1Char('.')))
        fail(where, QStringLiteral("a report needs a name without \".\""));
    if (project.findReport(name))
        fail(where, QStringLiteral("two reports named %1").arg(name));
    Report &report = project.addReport(name);
    const QJsonValue pages = object.value(QStringLiteral("pages"));
    if (!pages.isArray())
        fail(name, QStringLiteral("no list of pages"));
    const QJsonArray pageList = pages.toArray();
    if (pageList.size() > kMaxPagesPerReport)
        fail(name, QStringLiteral("more than %1 pages").arg(kMaxPagesPerReport));
    for (qsizetype i = 0; i < pageList.size(); ++i)
        readPage(report, pageList.at(i), QStringLiteral("%1 page %2").arg(name).arg(i + 1));
}

void Loader::readPage(Report &report, const QJsonValue &value, const QString &where) {
    if (!value.isObject())
        fail(where, QStringLiteral("not an object"));
    const QJsonObject object = value.toObject();
    checkKeys(object,
              {QStringLiteral("name"), QStringLiteral("include"), QStringLiteral("components")},
              where);
    const QString name = string(object, QStringLiteral("name"), QString(), where);
    if (name.isEmpty() || name.contains(QLatin1Char('.')))
        fail(where, QStringLiteral("a page needs a name without \".\""));
    if (report.findPage(name))
        fail(where, QStringLiteral("two pages named %1").arg(name));
    ReportPage &page = report.addPage(name);

    std::vector<QJsonArray> lists;
    const QJsonValue include = object.value(QStringLiteral("include"));
    if (!include.isUndefined()) {
        if (!include.isArray())
            fail(page.fullName(), QStringLiteral("\"include\" is not a list of section names"));
        for (const QJsonValue &section : include.toArray()) {
            if (!section.isString() || !m_sections.contains(section.toString()))
                fail(page.fullName(), QStringLiteral("\"include\" names an unknown section"));
            lists.push_back(m_sections.value(section.toString()));
        }
    }
    const QJsonValue own = object.value(QStringLiteral("components"));
    if (!own.isUndefined() && !own.isArray())
        fail(page.fullName(), QStringLiteral("\"components\" is not a list"));
    lists.push_back(own.toArray());

    qsizetype count = 0;
    for (const QJsonArray &list : lists) {
        count += list.size();
        if (count > kMaxComponentsPerPage)
            fail(page.fullName(),
                 QStringLiteral("more than %1 components").arg(kMaxComponentsPerPage));
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QString at = QStringLiteral("%1 component %2").arg(page.fullName()).arg(i + 1);
            countComponent(at);
            auto component = readComponent(list.at(i), at);
            if (!component->name().isEmpty() && page.find(component->name()))
                fail(at, QStringLiteral("two components named \"%1\"").arg(component->name()));
            page.add(std::move(component));
        }
    }
}

QJsonObject Loader::withStyle(const QJsonObject &component, const QString &where) const {
    const QJsonValue styleName = component.value(QStringLiteral("style"));
    if (styleName.isUndefined())
        return component;
    if (!styleName.isString() || !m_styles.contains(styleName.toString()))
        fail(where, QStringLiteral("unknown style"));
    QJsonObject merged = m_styles.value(styleName.toString());
    for (auto it = component.begin(); it != component.end(); ++it) {
        if (it.key() == QStringLiteral("font") && it.value().isObject() &&
            merged.value(it.key()).isObject()) {
            QJsonObject font = merged.value(it.key()).toObject();
            const QJsonObject own = it.value().toObject();
            for (auto f = own.begin(); f != own.end(); ++f)
                font.insert(f.key(), f.value());
            merged.insert(it.key(), font);
        } else {
            merged.insert(it.key(), it.value());
        }
    }
    merged.remove(QStringLiteral("style"));
    return merged;
}

std::unique_ptr<ReportComponent> Loader::readComponent(const QJsonValue &value,
                                                       const QString &where) {
    if (!value.isObject())
        fail(where, QStringLiteral("not an object"));
    const QJsonObject object = withStyle(value.toObject(), where);
    const QString kind = string(object, QStringLiteral("kind"), QString(), where);
    const QString name = string(object, QStringLiteral("name"), QString(), where);
    const QString at = name.isEmpty() ? where : QStringLiteral("%1 (%2)").arg(where, name);
    const double x =
        number(object, QStringLiteral("x"), 0, -kMaxCoordinateMm, kMaxCoordinateMm, at);
    const double y =
        number(object, QStringLiteral("y"), 0, -kMaxCoordinateMm, kMaxCoordinateMm, at);

    QSet<QString> allowed{QStringLiteral("kind"), QStringLiteral("name"), QStringLiteral("x"),
                          QStringLiteral("y"), QStringLiteral("visible")};
    std::unique_ptr<ReportComponent> component;
    if (kind == QStringLiteral("line")) {
        allowed.unite({QStringLiteral("x2"), QStringLiteral("y2"), QStringLiteral("color"),
                       QStringLiteral("penWidth")});
        const double x2 =
            number(object, QStringLiteral("x2"), x, -kMaxCoordinateMm, kMaxCoordinateMm, at);
        const double y2 =
            number(object, QStringLiteral("y2"), y, -kMaxCoordinateMm, kMaxCoordinateMm, at);
        auto line = std::make_unique<ReportLine>(name, QRectF(QPointF(x, y), QPointF(x2, y2)));
        line->setPenColor(color(object, QStringLiteral("color"), Qt::black, at));
        line->setPenWidthMm(number(object, QStringLiteral("penWidth"), 0.25, 0, 20, at));
        component = std::move(line);
    } else {
        allowed.unite({QStringLiteral("width"), QStringLiteral("height")});
        const QRectF box(x, y, number(object, QStringLiteral("width"), 0, 0, kMaxCoordinateMm, at),
                         number(object, QStringLiteral("height"), 0, 0, kMaxCoordinateMm, at));
        if (kind == QStringLiteral("text") || kind == QStringLiteral("memo")) {
            allowed.unite({QStringLiteral("text"), QStringLiteral("font"), QStringLiteral("color"),
                           QStringLiteral("align")});
            std::unique_ptr<ReportTextual> textual;
            if (kind == QStringLiteral("text")) {
                textual = std::make_unique<ReportText>(name, box);
            } else {
                allowed.insert(QStringLiteral("lineHeight"));
                auto memo = std::make_unique<ReportMemo>(name, box);
                memo->setLineHeightMm(number(object, QStringLiteral("lineHeight"), 0, 0, 100, at));
                textual = std::move(memo);
            }
            const QString text = string(object, QStringLiteral("text"), QString(), at);
            if (text.size() > kMaxTextLength)
                fail(at, QStringLiteral("text longer than %1 characters").arg(kMaxTextLength));
            textual->setText(text);
            textual->setFont(font(object, at));
            textual->setTextColor(color(object, QStringLiteral("color"), Qt::black, at));
            textual->setAlign(align(object, at));
            component = std::move(textual);
        } else if (kind == QStringLiteral("rectangle")) {
            allowed.unite({QStringLiteral("fill"), QStringLiteral("fillColor"),
                           QStringLiteral("penColor"), QStringLiteral("penWidth"),
                           QStringLiteral("radius")});
            auto rectangle = std::make_unique<ReportRectangle>(name, box);
            const QString fill = string(object, QStringLiteral("fill"), QStringLiteral("none"), at);
            if (fill != QStringLiteral("none") && fill != QStringLiteral("solid"))
                fail(at, QStringLiteral("\"fill\" is neither \"none\" nor \"solid\""));
            rectangle->setFillStyle(fill == QStringLiteral("solid") ? ReportFill::Solid
                                                                    : ReportFill::None);
            rectangle->setFillColor(color(object, QStringLiteral("fillColor"), Qt::white, at));
            rectangle->setPenColor(color(object, QStringLiteral("penColor"), Qt::black, at));
            rectangle->setPenWidthMm(number(object, QStringLiteral("penWidth"), 0.25, 0, 20, at));
            rectangle->setCornerRadiusMm(number(object, QStringLiteral("radius"), 0, 0, 100, at));
            component = std::move(rectangle);
        } else if (kind == QStringLiteral("picture")) {
            allowed.insert(QStringLiteral("align"));
            auto picture = std::make_unique<ReportPicture>(name, box);
            picture->setAlign(align(object, at));
            component = std::move(picture);
        } else {
            fail(at, QStringLiteral("unknown kind \"%1\"").arg(kind));
        }
    }
    component->setVisible(boolean(object, QStringLiteral("visible"), true, at));
    checkKeys(object, allowed, at);
    return component;
}

double Loader::number(const QJsonObject &object, const QString &key, double fallback, double min,
                      double max, const QString &where) const {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    const double number = value.toDouble(std::nan(""));
    if (!value.isDouble() || !std::isfinite(number) || number < min || number > max)
        fail(where,
             QStringLiteral("\"%1\" is not a number from %2 to %3").arg(key).arg(min).arg(max));
    return number;
}

QString Loader::string(const QJsonObject &object, const QString &key, const QString &fallback,
                       const QString &where) const {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isString())
        fail(where, QStringLiteral("\"%1\" is not a text").arg(key));
    return value.toString();
}

bool Loader::boolean(const QJsonObject &object, const QString &key, bool fallback,
                     const QString &where) const {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isBool())
        fail(where, QStringLiteral("\"%1\" is neither true nor false").arg(key));
    return value.toBool();
}

QColor Loader::color(const QJsonObject &object, const QString &key, const QColor &fallback,
                     const QString &where) const {
    const QString text = string(object, key, QString(), where);
    if (text.isEmpty())
        return fallback;
    const QColor color = QColor::fromString(text);
    if (!color.isValid())
        fail(where, QStringLiteral("\"%1\" is not a colour").arg(key));
    return color;
}

ReportAlign Loader::align(const QJsonObject &object, const QString &where) const {
    const QString text = string(object, QStringLiteral("align"), QStringLiteral("left"), where);
    if (text == QStringLiteral("left"))
        return ReportAlign::Left;
    if (text == QStringLiteral("center"))
        return ReportAlign::Center;
    if (text == QStringLiteral("right"))
        return ReportAlign::Right;
    fail(where, QStringLiteral("\"align\" is not left, center or right"));
}

ReportFont Loader::font(const QJsonObject &object, const QString &where) const {
    ReportFont font;
    const QJsonValue value = object.value(QStringLiteral("font"));
    if (value.isUndefined())
        return font;
    if (!value.isObject())
        fail(where, QStringLiteral("\"font\" is not an object"));
    const QJsonObject given = value.toObject();
    const QString at = where + QStringLiteral(" font");
    checkKeys(given,
              {QStringLiteral("family"), QStringLiteral("size"), QStringLiteral("bold"),
               QStringLiteral("italic")},
              at);
    font.family = string(given, QStringLiteral("family"), font.family, at);
    if (font.family.isEmpty() || font.family.size() > 100)
        fail(at, QStringLiteral("\"family\" is not a font name"));
    font.pointSize = number(given, QStringLiteral("size"), font.pointSize, 1, 200, at);
    font.bold = boolean(given, QStringLiteral("bold"), false, at);
    font.italic = boolean(given, QStringLiteral("italic"), false, at);
    return font;
}

void Loader::checkKeys(const QJsonObject &object, const QSet<QString> &allowed,
                       const QString &where) const {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!allowed.contains(it.key()))
            fail(where, QStringLiteral("unknown property \"%1\"").arg(it.key()));
}

} // namespace

std::unique_ptr<ReportProject> ReportProject::fromJson(const QByteArray &json,
                                                       const QString &sourceName) {
    return Loader(sourceName).load(json);
}

std::unique_ptr<ReportProject> ReportProject::load(const QString &fileName) {
    QFile file(fileName);
    if (!file.exists())
        throw ReportError(
            QStringLiteral("The report project file \"%1\" is missing.").arg(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("The report project file \"%1\" cannot be read: %2.")
                              .arg(fileName, file.errorString()));
    const QByteArray bytes = file.read(kMaxProjectBytes + 1);
    return fromJson(bytes, QStringLiteral("\"%1\"").arg(fileName));
}
