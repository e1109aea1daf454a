#include "survey/dump/surveydocument.h"

#include <QIODevice>
#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr size_t kFlushThreshold = 1 << 20;

// Writes "%5.1f" of tenths / 10 at `out` and returns the end. At most 13
// characters for a 32-bit value.
char *formatTenths(char *out, int32_t tenths) {
    const bool negative = tenths < 0;
    const uint32_t magnitude = negative ? uint32_t(-int64_t(tenths)) : uint32_t(tenths);
    uint32_t whole = magnitude / 10;
    char digits[10];
    int count = 0;
    do {
        digits[count++] = char('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    for (int width = count + 2 + (negative ? 1 : 0); width < 5; ++width)
        *out++ = ' ';
    if (negative)
        *out++ = '-';
    while (count > 0)
        *out++ = digits[--count];
    *out++ = '.';
    *out++ = char('0' + magnitude % 10);
    return out;
}

// Writes `value` as signed decimal and returns the end.
char *formatInteger(char *out, int64_t value) {
    const bool negative = value < 0;
    uint64_t magnitude = negative ? uint64_t(0) - uint64_t(value) : uint64_t(value);
    char digits[20];
    int count = 0;
    do {
        digits[count++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        *out++ = '-';
    while (count > 0)
        *out++ = digits[--count];
    return out;
}

char *twoDigits(char *out, unsigned value) {
    *out++ = char('0' + value / 10 % 10);
    *out++ = char('0' + value % 10);
    return out;
}

void appendInteger(SurveyDocument &document, int64_t value) {
    char text[24];
    document.append(std::string_view(text, size_t(formatInteger(text, value) - text)));
}

void appendLine(SurveyDocument &document, std::string_view prefix, int64_t value,
                std::string_view suffix) {
    document.append(prefix);
    appendInteger(document, value);
    document.append(suffix);
}

void appendBase(SurveyDocument &document, std::string_view prefix,
                const std::optional<int16_t> &base) {
    document.append(prefix);
    if (!base) {
        document.append("--.-  dB\xB5V\n");
        return;
    }
    char text[16];
    document.append(std::string_view(text, size_t(formatTenths(text, *base) - text)));
    document.append("\tdB\xB5V\n");
}

// The value line of every level word the instrument can store, built once:
// a document is mostly value lines, and copying one is cheaper than
// formatting it.
struct LevelLine {
    uint8_t length;
    char text[31];
};
constexpr int kLowestLevel = -500;
constexpr int kHighestLevel = 0x7FFF - 500;

char *formatLevelLine(char *out, Sensor sensor, int32_t tenths) {
    static constexpr std::string_view kRed = "\tdB\xB5V \tRed sensor \n";
    static constexpr std::string_view kBlack = "\tdB\xB5V \tBlack sensor \n";
    out = formatTenths(out, tenths);
    const std::string_view rest = sensor == Sensor::Black ? kBlack : kRed;
    return std::copy(rest.begin(), rest.end(), out);
}

const std::vector<LevelLine> &levelLines() {
    static const std::vector<LevelLine> lines = [] {
        std::vector<LevelLine> table(0x10000);
        for (unsigned word = 0; word < table.size(); ++word) {
            LevelLine &line = table[word];
            const Sensor sensor = word & 0x8000 ? Sensor::Black : Sensor::Red;
            const char *end =
                formatLevelLine(line.text, sensor, int32_t(word & 0x7FFF) + kLowestLevel);
            line.length = uint8_t(end - line.text);
        }
        return table;
    }();
    return lines;
}

void appendLevels(SurveyDocument &document, const LevelEntry *level, size_t count) {
    const std::vector<LevelLine> &lines = levelLines();
    for (const LevelEntry *end = level + count; level != end; ++level) {
        char *out = document.reserve(sizeof(LevelLine::text));
        if (level->tenths >= kLowestLevel && level->tenths <= kHighestLevel) {
            const unsigned word = (level->sensor == Sensor::Black ? 0x8000u : 0u) |
                                  unsigned(level->tenths - kLowestLevel);
            const LevelLine &line = lines[word];
            std::memcpy(out, line.text, sizeof line.text);
            document.commit(out + line.length);
        } else {
            document.commit(formatLevelLine(out, level->sensor, level->tenths));
        }
    }
}

// Levels of 100.0 dBµV and more are not counted; the count still decides how
// many entries, from the start, are listed.
size_t listedLevelCount(const std::vector<LevelEntry> &levels) {
    size_t count = 0;
    for (const LevelEntry &level : levels)
        count += level.tenths < 1000 ? 1 : 0;
    return count;
}

} // namespace

SurveyDocument::SurveyDocument(QIODevice &device) : m_device(device) {}

// The buffer grows up to one chunk as bytes come, and is handed to the device
// whenever the next bytes would not fit in a chunk.
void SurveyDocument::makeRoom(size_t count) {
    if (m_used + count > kFlushThreshold)
        flush();
    if (m_used + count > m_buffer.size())
        m_buffer.resize(
            std::max(m_used + count,
                     std::min(kFlushThreshold, std::max<size_t>(4096, 2 * m_buffer.size()))));
}

bool SurveyDocument::flush() {
    if (m_used != 0 && !m_failed) {
        const qint64 written = m_device.write(m_buffer.data(), qint64(m_used));
        m_failed = written != qint64(m_used);
    }
    m_used = 0;
    return !m_failed;
}

QString SurveyDocument::errorString() const {
    return m_device.errorString();
}

std::string FormatTenths(int32_t tenths) {
    char text[16];
    return std::string(text, size_t(formatTenths(text, tenths) - text));
}

std::string FormatStartTime(uint32_t secondsSince1970) {
    static constexpr std::array<const char *, 7> kWeekdays = {"Thu", "Fri", "Sat", "Sun",
                                                              "Mon", "Tue", "Wed"};
    static constexpr std::array<const char *, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const uint32_t days = secondsSince1970 / 86400;
    const uint32_t secondOfDay = secondsSince1970 % 86400;

    // Civil date from a day count (proleptic Gregorian calendar), counted in
    // 400-year eras that begin on 1 March 0000.
    const uint32_t shifted = days + 719468;
    const uint32_t era = shifted / 146097;
    const uint32_t dayOfEra = shifted - era * 146097;
    const uint32_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const uint32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const uint32_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const uint32_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    const uint32_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const uint32_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

    char text[24];
    char *out = text;
    out = std::copy_n(kWeekdays[days % 7], 3, out);
    *out++ = ' ';
    out = std::copy_n(kMonths[month - 1], 3, out);
    *out++ = ' ';
    out = twoDigits(out, day);
    *out++ = ' ';
    out = twoDigits(out, secondOfDay / 3600);
    *out++ = ':';
    out = twoDigits(out, secondOfDay / 60 % 60);
    *out++ = ':';
    out = twoDigits(out, secondOfDay % 60);
    *out++ = ' ';
    out = twoDigits(out, year / 100);
    out = twoDigits(out, year % 100);
    return std::string(text, sizeof text);
}

void WriteSurveyBlock(SurveyDocument &document, const SurveyRecord &record) {
    const size_t listed = listedLevelCount(record.levels);
    document.append("Survey started on ");
    document.append(FormatStartTime(record.startTime));
    appendLine(document, "\n\n measurements = ", int64_t(listed), "\n");
    appendLine(document, "Serial switchbox ", int32_t(record.switchBoxSerial), "\n");
    appendLine(document, "Serial number SONVAR ", int32_t(record.instrumentSerial), "\n");
    appendLine(document, "Serial number PCB SONVAR ", int32_t(record.boardSerial), "\n");
    appendLine(document, "Pressure = ", record.pressure, " mBar\n");
    appendBase(document, "Base measurement for black sensor = ", record.baseBlack);
    appendBase(document, "Base measurement for red sensor = ", record.baseRed);
    document.append("Reference: ");
    document.append(record.reference);
    document.append('\n');
    appendLevels(document, record.levels.data(), listed);
    document.append("\n\n\n\n");
}
