#pragma once
// Reading back written PDF files with poppler-utils.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace pdftools {

inline QString run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Page count from pdfinfo; -1 when the file cannot be read.
inline int pageCount(const QString &pdf) {
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text of one page (from 1), in reading order with the layout kept.
inline QString pageText(const QString &pdf, int page) {
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
}

// Font lines of pdffonts (after its two header lines).
inline QStringList fonts(const QString &pdf) {
    QStringList lines =
        run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.mid(2);
}

} // namespace pdftools
