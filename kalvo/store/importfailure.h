#pragma once
#include <QString>
#include <stdexcept>

// A survey document that cannot be read: where the reader stopped and what it
// expected there. The document is already closed when this is thrown.
class ImportFailure : public std::runtime_error {
public:
    ImportFailure(qint64 lineNumber, const QString &expected)
        : std::runtime_error(
              QStringLiteral("line %1: %2").arg(lineNumber).arg(expected).toStdString()),
          m_lineNumber(lineNumber), m_expected(expected) {}

    qint64 lineNumber() const { return m_lineNumber; }
    const QString &expected() const { return m_expected; }
    QString reason() const { return QString::fromStdString(what()); }

private:
    qint64 m_lineNumber;
    QString m_expected;
};
