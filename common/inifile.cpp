#include "common/inifile.h"

#include "common/win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool sameName(const QString &a, const QString &b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A name or value as it may be written: one line, no surrounding blanks.
QString oneLine(const QString &text) {
    QString line = text;
    line.remove(QLatin1Char('\r'));
    line.remove(QLatin1Char('\n'));
    return line.trimmed();
}

} // namespace

IniFile::IniFile(const QString &path) : m_path(path) {
    QFile file(path);
    if (!file.exists())
        return;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            parse(bytes);
            m_existed = true;
            return;
        }
    }
    // Reads as empty, but must not be overwritten by what little we know.
    m_unreadable = true;
    m_error = file.errorString();
}

IniFile::Line IniFile::parseLine(const QString &text) {
    Line line;
    line.text = text;
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close > 0) {
            line.isSection = true;
            line.sectionName = trimmed.mid(1, close - 1).trimmed();
        }
        return line;
    }
    if (trimmed.startsWith(QLatin1Char(';')))
        return line;
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals > 0) {
        line.key = trimmed.left(equals).trimmed();
        line.value = trimmed.mid(equals + 1).trimmed();
        line.isEntry = !line.key.isEmpty();
    }
    return line;
}

void IniFile::parse(const QByteArray &bytes) {
    m_lines.clear();
    const QString text = win1252::decode(bytes);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        QString ending;
        qsizetype textEnd = end;
        if (end < 0) {
            end = textEnd = text.size(); // the last line, without line end
        } else if (end > start && text.at(end - 1) == QLatin1Char('\r')) {
            ending = QStringLiteral("\r\n");
            textEnd = end - 1;
        } else {
            ending = QStringLiteral("\n");
        }
        if (m_lines.empty())
            m_crlf = ending == QLatin1String("\r\n");
        m_lines.push_back(parseLine(text.mid(start, textEnd - start)));
        m_lines.back().ending = ending;
        start = end + 1;
    }
}

QString IniFile::newLineEnd() const {
    return m_crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

IniFile::Line IniFile::newLine(const QString &text) const {
    Line line = parseLine(text);
    line.ending = newLineEnd();
    return line;
}

QByteArray IniFile::toBytes() const {
    QString text;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        text += m_lines[i].text;
        // A last line without line end gets one when lines follow it now.
        const bool lastLineOfFile = m_lines[i].ending.isEmpty();
        text += lastLineOfFile && i + 1 < m_lines.size() ? newLineEnd() : m_lines[i].ending;
    }
    return win1252::encode(text);
}

int IniFile::findSection(const QString &section) const {
    const QString name = section.trimmed();
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].isSection && sameName(m_lines[i].sectionName, name))
            return int(i);
    return -1;
}

int IniFile::sectionEnd(int header) const {
    size_t i = size_t(header) + 1;
    while (i < m_lines.size() && !m_lines[i].isSection)
        ++i;
    return int(i);
}

int IniFile::findKey(int header, const QString &key) const {
    const QString name = key.trimmed();
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (m_lines[size_t(i)].isEntry && sameName(m_lines[size_t(i)].key, name))
            return i;
    return -1;
}

bool IniFile::hasSection(const QString &section) const {
    return findSection(section) >= 0;
}

bool IniFile::hasKey(const QString &section, const QString &key) const {
    const int header = findSection(section);
    return header >= 0 && findKey(header, key) >= 0;
}

QStringList IniFile::sections() const {
    QStringList names;
    for (const Line &line : m_lines)
        if (line.isSection && !names.contains(line.sectionName, Qt::CaseInsensitive))
            names.append(line.sectionName);
    return names;
}

QString IniFile::readString(const QString &section, const QString &key,
                            const QString &defaultValue) const {
    const int header = findSection(section);
    if (header < 0)
        return defaultValue;
    const int entry = findKey(header, key);
    return entry < 0 ? defaultValue : m_lines[size_t(entry)].value;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value) {
    const QString sectionName = oneLine(section);
    const QString keyName = oneLine(key);
    const QString cleanValue = oneLine(value);
    int header = findSection(sectionName);
    if (header < 0) {
        m_lines.push_back(newLine(QLatin1Char('[') + sectionName + QLatin1Char(']')));
        header = int(m_lines.size()) - 1;
    }
    const int entry = findKey(header, keyName);
    if (entry >= 0) {
        // Keep the spelling of the key as the file has it.
        Line &line = m_lines[size_t(entry)];
        const QString ending = line.ending;
        line = parseLine(line.key + QLatin1Char('=') + cleanValue);
        line.ending = ending;
        return;
    }
    // After the section's last entry, before the blank lines that separate it
    // from the next section.
    int insertAt = sectionEnd(header);
    while (insertAt > header + 1 && m_lines[size_t(insertAt - 1)].text.trimmed().isEmpty())
        --insertAt;
    m_lines.insert(m_lines.begin() + insertAt, newLine(keyName + QLatin1Char('=') + cleanValue));
}

void IniFile::removeSection(const QString &section) {
    for (int header = findSection(section); header >= 0; header = findSection(section))
        m_lines.erase(m_lines.begin() + header, m_lines.begin() + sectionEnd(header));
}

bool IniFile::save() {
    return saveAs(m_path);
}

bool IniFile::saveAs(const QString &path) {
    if (m_unreadable && path == m_path)
        return false; // m_error says why it could not be read
    m_error.clear();
    if (path.isEmpty()) {
        m_error = QStringLiteral("No file name");
        return false;
    }
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        m_error = QStringLiteral("Cannot create the folder %1").arg(info.absolutePath());
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = toBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_path = path;
    m_existed = true;
    m_unreadable = false;
    return true;
}

QString IniFile::readValue(const QString &path, const QString &section, const QString &key,
                           const QString &defaultValue) {
    return IniFile(path).readString(section, key, defaultValue);
}

bool IniFile::writeValue(const QString &path, const QString &section, const QString &key,
                         const QString &value) {
    IniFile file(path);
    file.writeString(section, key, value);
    return file.save();
}
