#pragma once
#include <QFile>
#include <QString>
#include <string>
#include <string_view>

// Reads a text file line by line as raw bytes. A line ends at LF, which is not
// part of it, and a CR right before the LF is dropped too. A last line without
// LF is still a line. Past the end of the file every read gives an empty line,
// so a reader that expects more lines always comes to an end.
class LineReader {
public:
    // A file that cannot be opened reads as an empty file.
    explicit LineReader(const QString &fileName);

    // The next line; valid until the next call.
    std::string_view next();
    // 1 for the first line read, 0 before any.
    qint64 lineNumber() const { return m_lineNumber; }
    // Bytes not yet handed out as lines (an upper bound for what can follow).
    qint64 remainingBytes() const;

private:
    bool fill();

    QFile m_file;
    std::string m_buffer;
    size_t m_begin = 0; // first byte not yet handed out
    size_t m_end = 0;   // end of the bytes read into the buffer
    bool m_eof = false;
    qint64 m_fileSize = 0;
    qint64 m_consumed = 0;
    qint64 m_lineNumber = 0;
};
