// Feeds arbitrary bytes to the INI reader (preference.ini), writes one value
// into what it read and checks what must hold whatever the file held: the
// value reads back as written, on one line; a section the write did not touch
// reads as before; writing the bytes out and reading them again changes
// nothing.

#include "common/inifile.h"
#include "common/win1252.h"

#include <cstdint>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // The first bytes, up to a NUL, are the value to write; the rest is the file.
    const std::string_view all(reinterpret_cast<const char *>(data), size);
    const size_t split = std::min(all.find('\0'), all.size());
    const QString value = win1252::decode(all.substr(0, split));
    const QByteArray file = QByteArray(all.data() + std::min(split + 1, size),
                                       qsizetype(size - std::min(split + 1, size)));

    IniFile ini;
    ini.parse(file);
    const QString language = ini.readString(QStringLiteral("Language"), QStringLiteral("Language"),
                                            QStringLiteral("<none>"));
    (void)ini.sections();
    ini.writeString(QStringLiteral("owner"), QStringLiteral("city"), value);

    QString expected = value;
    expected.remove(QLatin1Char('\r'));
    expected.remove(QLatin1Char('\n'));
    expected = expected.trimmed();
    check(ini.readString(QStringLiteral("owner"), QStringLiteral("city")) == expected);
    check(ini.readString(QStringLiteral("Language"), QStringLiteral("Language"),
                         QStringLiteral("<none>")) == language);

    const QByteArray written = ini.toBytes();
    check(written.count('\n') <= file.count('\n') + 3);
    IniFile reread;
    reread.parse(written);
    check(reread.toBytes() == written);
    check(reread.readString(QStringLiteral("owner"), QStringLiteral("city")) == expected);
    check(reread.readString(QStringLiteral("Language"), QStringLiteral("Language"),
                            QStringLiteral("<none>")) == language);
    return 0;
}
