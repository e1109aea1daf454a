#include "common/win1252.h"

#include <array>

namespace win1252 {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the range is Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteOf(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return int(0x80 + i);
    return -1;
}

} // namespace

QString decode(std::string_view bytes) {
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (unsigned char b : bytes)
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    return text;
}

QByteArray encode(const QString &text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (QChar c : text) {
        const int b = byteOf(c.unicode());
        *out++ = char(b < 0 ? '?' : b);
    }
    return bytes;
}

bool canEncode(const QString &text) {
    for (QChar c : text)
        if (byteOf(c.unicode()) < 0)
            return false;
    return true;
}

} // namespace win1252
