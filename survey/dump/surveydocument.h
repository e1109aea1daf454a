#pragma once
// The survey document: a byte stream of survey blocks, lines ended by LF,
// C-locale numbers, the micro sign as the byte 0xB5.

#include "survey/dump/surveyrecord.h"

#include <QString>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

class QIODevice;

// Collects the document's bytes and hands them to the device in large
// chunks, so that writing a block costs no system call per line.
class SurveyDocument {
public:
    explicit SurveyDocument(QIODevice &device);
    SurveyDocument(const SurveyDocument &) = delete;
    SurveyDocument &operator=(const SurveyDocument &) = delete;

    void append(std::string_view bytes) {
        if (bytes.empty())
            return;
        std::memcpy(reserve(bytes.size()), bytes.data(), bytes.size());
        m_used += bytes.size();
    }
    void append(char byte) {
        *reserve(1) = byte;
        ++m_used;
    }

    // Room for `count` bytes after those collected; commit(end) keeps the
    // bytes written there up to `end`.
    char *reserve(size_t count) {
        if (m_used + count > m_buffer.size())
            makeRoom(count);
        return m_buffer.data() + m_used;
    }
    void commit(const char *end) { m_used = size_t(end - m_buffer.data()); }

    // Writes what is collected to the device. False once any write failed.
    bool flush();
    bool failed() const { return m_failed; }
    QString errorString() const;

private:
    void makeRoom(size_t count);

    QIODevice &m_device;
    std::vector<char> m_buffer;
    size_t m_used = 0;
    bool m_failed = false;
};

// Appends the block of one survey: set-up lines, the first M levels (M being
// the number of levels below 100.0 dBµV) and four empty lines.
void WriteSurveyBlock(SurveyDocument &document, const SurveyRecord &record);

// "%5.1f" of tenths / 10, without going through floating point or the
// locale.
std::string FormatTenths(int32_t tenths);

// The start time as 24 characters "Www Mmm DD hh:mm:ss YYYY", in UTC with
// English names.
std::string FormatStartTime(uint32_t secondsSince1970);
