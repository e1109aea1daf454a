#pragma once
// An error raised while KALVO handles a user action; the application's error
// message box shows its text (see application.h).

#include <QString>
#include <stdexcept>

class KalvoError : public std::runtime_error {
public:
    explicit KalvoError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};
