#pragma once
#include <QString>
#include <stdexcept>

// A report that cannot be made: the project file is missing or malformed, a
// named component is missing or of another kind, a picture cannot be read.
// The report is abandoned and nothing is written.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

// The PDF file could not be created or completed (typically: its folder is
// not writable, or the file is locked by a viewer). Any earlier file of that
// name is left as it was.
class ReportWriteError : public ReportError {
public:
    using ReportError::ReportError;
};
