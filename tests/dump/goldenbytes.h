#pragma once
// Compares produced bytes with a golden file of the test data folder and
// tells where they first differ.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

inline QByteArray readTestData(const QString &name) {
    QFile in(QStringLiteral(TEST_DATA_DIR "/") + name);
    if (!in.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return in.readAll();
}

inline bool matchesGolden(const QString &name, const QByteArray &actual) {
    const QByteArray expected = readTestData(QStringLiteral("golden/") + name);
    if (expected == actual)
        return true;
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    qWarning("%s differs at byte %lld:\n expected: %s\n actual:   %s", qPrintable(name), qint64(at),
             expected.mid(at, 60).toPercentEncoding(" ").constData(),
             actual.mid(at, 60).toPercentEncoding(" ").constData());
    return false;
}
