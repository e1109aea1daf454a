#pragma once
// Windows-1252 is the single-byte text of every file the programs share with
// their Windows predecessors (survey documents, preference.ini). Inside the
// programs text is QString; these two functions are the only crossing.

#include <QByteArray>
#include <QString>
#include <string_view>

namespace win1252 {

// Every byte decodes; the five bytes that Windows-1252 leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the control character of the same
// value, as Windows itself does.
QString decode(std::string_view bytes);
inline QString decode(const QByteArray &bytes) {
    return decode(std::string_view(bytes.constData(), size_t(bytes.size())));
}

// Characters without a Windows-1252 byte become '?'.
QByteArray encode(const QString &text);

// True when every character of `text` has a Windows-1252 byte.
bool canEncode(const QString &text);

} // namespace win1252
