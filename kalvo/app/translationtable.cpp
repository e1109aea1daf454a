#include "kalvo/app/translationtable.h"

#include "common/win1252.h"

#include <QFile>
#include <map>

namespace {

int languageOfTableCode(const QString &code) {
    if (code == QLatin1String("SYS"))
        return LanguageSystem;
    for (int language = LanguageEnglish; language <= kLastLanguage; ++language)
        if (code == languageCode(language))
            return language;
    return 0;
}

// The text between the double quotes of `quoted`, escapes resolved; false
// when it is not one well-formed quoted text.
bool unquote(const QString &quoted, QString *text) {
    if (quoted.size() < 2 || !quoted.startsWith(QLatin1Char('"')) ||
        !quoted.endsWith(QLatin1Char('"')))
        return false;
    QString out;
    const qsizetype end = quoted.size() - 1;
    for (qsizetype i = 1; i < end; ++i) {
        const QChar c = quoted.at(i);
        if (c == QLatin1Char('"'))
            return false;
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++i >= end)
            return false;
        const QChar escaped = quoted.at(i);
        if (escaped == QLatin1Char('"') || escaped == QLatin1Char('\\')) {
            out += escaped;
        } else if (escaped == QLatin1Char('x') && i + 2 < end) {
            bool ok = false;
            const uint byte = quoted.mid(i + 1, 2).toUInt(&ok, 16);
            if (!ok)
                return false;
            const char raw = char(byte);
            out += win1252::decode(std::string_view(&raw, 1));
            i += 2;
        } else {
            return false;
        }
    }
    *text = out;
    return true;
}

} // namespace

bool TranslationTable::parse(const QByteArray &utf8, QString *error) {
    const QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    QString row;
    for (qsizetype number = 0; number < lines.size(); ++number) {
        QString line = lines[number];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        auto fail = [&](const char *what) {
            if (error)
                *error = QStringLiteral("line %1: %2").arg(number + 1).arg(QLatin1String(what));
            return false;
        };
        if (trimmed.startsWith(QLatin1Char('['))) {
            if (!trimmed.endsWith(QLatin1Char(']')) || trimmed.size() < 3)
                return fail("row name expected in square brackets");
            row = trimmed.mid(1, trimmed.size() - 2);
            if (!m_rows.contains(row)) {
                m_rows.insert(row, Texts{});
                m_order.append(row);
            }
            continue;
        }
        if (row.isEmpty())
            return fail("text before the first row");
        const QString start = line.trimmed();
        const qsizetype blank = start.indexOf(QLatin1Char(' '));
        if (blank < 0)
            return fail("language code and quoted text expected");
        const int language = languageOfTableCode(start.left(blank));
        if (language == 0)
            return fail("unknown language code");
        QString text;
        if (!unquote(start.mid(blank + 1).trimmed(), &text))
            return fail("text in double quotes expected");
        m_rows[row][size_t(language)] = text;
    }
    return true;
}

const TranslationTable &TranslationTable::forWindow(const QString &windowClass) {
    // Node-based: the references handed out stay valid as tables are added.
    static std::map<QString, TranslationTable> loaded;
    auto found = loaded.find(windowClass);
    if (found == loaded.end()) {
        TranslationTable table;
        QFile file(QStringLiteral(":/lang/%1.lang").arg(windowClass));
        if (file.open(QIODevice::ReadOnly)) {
            QString error;
            const bool ok = table.parse(file.readAll(), &error);
            Q_ASSERT_X(ok, "TranslationTable::forWindow", qPrintable(error));
            Q_UNUSED(ok);
        }
        found = loaded.emplace(windowClass, std::move(table)).first;
    }
    return found->second;
}

QString TranslationTable::text(const QString &row, int language) const {
    const auto found = m_rows.constFind(row);
    if (found == m_rows.constEnd())
        return {};
    if (language >= kFirstLanguage && language <= kLastLanguage && found->at(size_t(language)))
        return *found->at(size_t(language));
    return found->at(LanguageEnglish).value_or(QString());
}

QStringList TranslationTable::allTexts(const QString &row) const {
    QStringList texts;
    const auto found = m_rows.constFind(row);
    if (found != m_rows.constEnd())
        for (const std::optional<QString> &text : *found)
            if (text)
                texts.append(*text);
    return texts;
}

QStringList TranslationTable::items(const QString &component, int language) const {
    auto listIn = [&](int column) {
        QStringList list;
        for (int index = 0;; ++index) {
            const auto found =
                m_rows.constFind(QStringLiteral("%1.Items[%2]").arg(component).arg(index));
            if (found == m_rows.constEnd() || !found->at(size_t(column)))
                return list;
            list.append(*found->at(size_t(column)));
        }
    };
    QStringList list;
    if (language >= kFirstLanguage && language <= kLastLanguage)
        list = listIn(language);
    return list.isEmpty() ? listIn(LanguageEnglish) : list;
}
