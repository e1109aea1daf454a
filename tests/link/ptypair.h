#pragma once
// A pseudo-terminal pair: the code under test opens the slave by its path,
// the test plays the other end on the master.

#include <QByteArray>
#include <QString>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

class PtyPair {
public:
    PtyPair() {
        char name[256] = {};
        termios raw{};
        ::cfmakeraw(&raw);
        if (::openpty(&m_master, &m_slave, name, &raw, nullptr) == 0) {
            m_path = QString::fromLocal8Bit(name);
            ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
        }
    }
    ~PtyPair() {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    PtyPair(const PtyPair &) = delete;
    PtyPair &operator=(const PtyPair &) = delete;

    bool ok() const { return m_master >= 0; }
    const QString &path() const { return m_path; }
    int master() const { return m_master; }
    int slave() const { return m_slave; }

    // Sends bytes towards the code under test and waits until they can be
    // read at the slave.
    void send(const QByteArray &bytes) const {
        if (!bytes.isEmpty() && ::write(m_master, bytes.constData(), size_t(bytes.size())) < 0)
            return;
        pollfd entry{m_slave, POLLIN, 0};
        ::poll(&entry, 1, 1000);
    }
    // Everything the code under test has written so far.
    QByteArray received(int waitMs = 200) const {
        QByteArray all;
        pollfd entry{m_master, POLLIN, 0};
        while (::poll(&entry, 1, waitMs) > 0) {
            char buffer[256];
            const ssize_t got = ::read(m_master, buffer, sizeof buffer);
            if (got <= 0)
                break;
            all.append(buffer, int(got));
            waitMs = 20;
        }
        return all;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};
