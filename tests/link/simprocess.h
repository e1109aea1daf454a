#pragma once
// sonvar-sim started for one test: it serves an image on a new pseudo-
// terminal and logs every command byte it receives.

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class SimProcess {
public:
    SimProcess(const QByteArray &image, const QStringList &options) {
        m_image = m_dir.filePath(QStringLiteral("memory.bin"));
        QFile file(m_image);
        if (file.open(QIODevice::WriteOnly))
            file.write(image);
        file.close();
        m_log = m_dir.filePath(QStringLiteral("commands.log"));
        m_process.start(QStringLiteral(DIST_DIR "/Data/sonvar-sim"),
                        options + QStringList{QStringLiteral("--log"), m_log, m_image});
        if (m_process.waitForStarted(5000) && m_process.waitForReadyRead(5000))
            m_path = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~SimProcess() {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;

    // The terminal Survey opens; empty when the simulator did not start.
    const QString &path() const { return m_path; }
    // Every command byte received so far.
    QByteArray commands() const {
        QFile file(m_log);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QString m_image;
    QString m_log;
    QString m_path;
    QProcess m_process;
};
