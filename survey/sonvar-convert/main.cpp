// sonvar-convert IMAGE DOCUMENT [--length HEX] [--crc HEX] [--lang EN|FR]:
// converts an instrument memory image (an SONVAR.bin, or a piece of the
// SONVAR.bak archive) into a survey document, as the download does. The
// length defaults to the whole image; the CRC is checked only when given.
// No archive is written.

#include "survey/dump/convertdump.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <optional>

namespace {

constexpr const char *kUsage =
    "usage: sonvar-convert IMAGE DOCUMENT [--length HEX] [--crc HEX] [--lang EN|FR]\n";

// A hexadecimal number, with or without 0x, as the instrument announces it.
std::optional<int64_t> parseHex(QString text) {
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        text = text.mid(2);
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, 16);
    if (!ok || text.isEmpty() || value > qulonglong(INT64_MAX))
        return std::nullopt;
    return int64_t(value);
}

struct Arguments {
    DumpConversion conversion;
    bool valid = true;
};

Arguments parseArguments(const QStringList &arguments) {
    Arguments parsed;
    QStringList files;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == QLatin1String("--length") || argument == QLatin1String("--crc")) {
            const std::optional<int64_t> value = hasValue ? parseHex(arguments[++i]) : std::nullopt;
            if (!value)
                parsed.valid = false;
            (argument == QLatin1String("--length") ? parsed.conversion.length
                                                   : parsed.conversion.expectedCrc) = value;
        } else if (argument == QLatin1String("--lang")) {
            const QString code = hasValue ? arguments[++i] : QString();
            if (code != QLatin1String("EN") && code != QLatin1String("FR"))
                parsed.valid = false;
            parsed.conversion.language = dumpLanguageFromCode(code);
        } else if (argument.startsWith(QLatin1String("--"))) {
            parsed.valid = false;
        } else {
            files << argument;
        }
    }
    if (files.size() != 2)
        parsed.valid = false;
    else {
        parsed.conversion.imagePath = files[0];
        parsed.conversion.documentPath = files[1];
    }
    return parsed;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const Arguments arguments = parseArguments(QCoreApplication::arguments().mid(1));
    if (!arguments.valid) {
        std::fputs(kUsage, stderr);
        return 1;
    }
    DumpReport report;
    report.message = [&arguments](const DumpMessage &message) {
        QString text = message.text.trimmed();
        // The dialog's text names no file; here the user may have several.
        if (message.problem == DumpProblem::CantCreateDocument)
            text += QLatin1Char(' ') + arguments.conversion.documentPath;
        std::fprintf(stderr, "sonvar-convert: %s\n", text.toUtf8().constData());
    };
    return ConvertImage(arguments.conversion, report) ? 0 : 1;
}
