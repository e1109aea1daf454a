#include "kalvo/store/linereader.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kChunk = 1 << 20;
}

LineReader::LineReader(const QString &fileName) : m_file(fileName) {
    if (m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        m_fileSize = m_file.size();
    else
        m_eof = true;
}

qint64 LineReader::remainingBytes() const {
    return m_fileSize > m_consumed ? m_fileSize - m_consumed : 0;
}

bool LineReader::fill() {
    if (m_eof)
        return false;
    // Keep the unread tail at the front and read after it; the buffer grows
    // only for a line longer than what it holds.
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_buffer.size() - m_end < m_buffer.size() / 2 || m_buffer.empty()) {
        // Small documents get a small buffer, large ones read a chunk at a time.
        const size_t first = size_t(std::clamp<qint64>(m_fileSize + 1, 4096, qint64(kChunk)));
        m_buffer.resize(std::max(m_buffer.size() * 2, first));
    }
    const qint64 got = m_file.read(m_buffer.data() + m_end, qint64(m_buffer.size() - m_end));
    if (got <= 0) {
        m_eof = true;
        m_file.close();
        return false;
    }
    m_end += size_t(got);
    return true;
}

std::string_view LineReader::next() {
    ++m_lineNumber;
    size_t searchFrom = m_begin;
    for (;;) {
        const char *lf = static_cast<const char *>(
            std::memchr(m_buffer.data() + searchFrom, '\n', m_end - searchFrom));
        if (lf) {
            const size_t lineEnd = size_t(lf - m_buffer.data());
            std::string_view line(m_buffer.data() + m_begin, lineEnd - m_begin);
            m_consumed += qint64(lineEnd + 1 - m_begin);
            m_begin = lineEnd + 1;
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            return line;
        }
        const size_t scanned = m_end - m_begin;
        if (!fill()) {
            // The last line has no LF: hand it out once; afterwards only
            // empty lines remain.
            std::string_view line(m_buffer.data() + m_begin, m_end - m_begin);
            m_consumed += qint64(line.size());
            m_begin = m_end;
            return line;
        }
        searchFrom = m_begin + scanned;
    }
}
