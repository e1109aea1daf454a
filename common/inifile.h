#pragma once
// A small reader and writer of Windows-style INI files (preference.ini), with
// the semantics the Windows programs relied on:
// - "[section]" lines open sections, "key=value" lines hold entries; section
//   and key names compare without regard to letter case, the first section
//   and the first key of a name win; blanks around names and values are
//   ignored;
// - the file is Windows-1252 text; lines may end in LF or CR LF;
// - writing a key leaves every other line of the file as it was (comments,
//   unknown lines, other sections and keys, their order and spelling);
// - saving rewrites the whole file through a temporary file in the same
//   folder that then replaces it, so the file is never left half written;
// - CR and LF are dropped from names and values on writing, so a value can
//   never add a line to the file.
// A missing or unreadable file reads as a file without entries.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class IniFile {
public:
    // An empty file, not bound to a path (see parse/toBytes).
    IniFile() = default;
    // Reads `path` at once; a missing or unreadable file gives no entries.
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }
    // True when the file existed and was read.
    bool existed() const { return m_existed; }

    // Replaces the content by `bytes` (the bytes of a file).
    void parse(const QByteArray &bytes);
    // The bytes a save would write.
    QByteArray toBytes() const;

    bool hasSection(const QString &section) const;
    bool hasKey(const QString &section, const QString &key) const;
    // Section names in file order (first spelling of each).
    QStringList sections() const;
    // The value of `key` in `section`, or `defaultValue` when either is missing.
    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue = QString()) const;
    // Sets `key` in `section`, adding the section at the end of the file and
    // the key at the end of its section when they are missing. Only the
    // content in memory changes; save() writes it.
    void writeString(const QString &section, const QString &key, const QString &value);
    // Erases every section of that name with all its lines (as the Windows
    // function does when given no key), so that it can be written anew as a
    // whole. Only the content in memory changes; save() writes it.
    void removeSection(const QString &section);

    // Writes the content to path() (or `path`), creating the file's folder
    // when it is missing. On failure returns false and the file is unchanged;
    // errorString() says why. A file that exists but could not be read is
    // never overwritten.
    bool save();
    bool saveAs(const QString &path);
    const QString &errorString() const { return m_error; }

    // One-shot helpers: read one value of the file at `path`; write one value
    // (read, change, save). writeValue returns false when the file cannot be
    // written.
    static QString readValue(const QString &path, const QString &section, const QString &key,
                             const QString &defaultValue = QString());
    static bool writeValue(const QString &path, const QString &section, const QString &key,
                           const QString &value);

private:
    struct Line {
        QString text;        // as in the file, without its line end
        QString sectionName; // set on "[section]" lines
        QString key;         // set on "key=value" lines
        QString value;
        QString ending; // "\n", "\r\n", or empty for a last line without one
        bool isSection = false;
        bool isEntry = false;
    };
    // Index of the section header line, or -1.
    int findSection(const QString &section) const;
    // Index of the entry line of `key` in the section starting at `header`, or -1.
    int findKey(int header, const QString &key) const;
    // One past the last line of the section starting at `header`.
    int sectionEnd(int header) const;
    static Line parseLine(const QString &text);
    Line newLine(const QString &text) const;
    QString newLineEnd() const;

    QString m_path;
    bool m_existed = false;
    bool m_unreadable = false;
    bool m_crlf = false; // line end of new lines: that of the file's first line, else LF
    std::vector<Line> m_lines;
    QString m_error;
};
