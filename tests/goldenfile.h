#pragma once
// Compares produced bytes with a golden file in the test data folder. With
// KALVO_UPDATE_GOLDEN=1 in the environment the golden file is written instead,
// to be reviewed by hand before it is committed.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// The bytes of a file of the test data folder; a missing one ends the test.
inline QByteArray readTestData(const QString &name) {
    QFile in(QStringLiteral(TEST_DATA_DIR "/") + name);
    if (!in.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return in.readAll();
}

inline bool matchesGoldenFile(const QString &name, const QByteArray &actual) {
    const QString path = QStringLiteral(TEST_DATA_DIR "/golden/") + name;
    if (qEnvironmentVariableIntValue("KALVO_UPDATE_GOLDEN") == 1) {
        QFile out(path);
        return out.open(QIODevice::WriteOnly) && out.write(actual) == actual.size();
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        qWarning("missing golden file %s", qPrintable(path));
        return false;
    }
    const QByteArray expected = in.readAll();
    if (expected == actual)
        return true;
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    qWarning("%s differs at byte %lld:\n expected: %s\n actual:   %s", qPrintable(name), qint64(at),
             expected.mid(at, 60).toPercentEncoding(" \t").constData(),
             actual.mid(at, 60).toPercentEncoding(" \t").constData());
    return false;
}
