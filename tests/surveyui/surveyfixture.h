#pragma once
// A program folder and a per-user configuration of their own for one test of
// Survey's windows, with the scripted platform answering every dialog.

#include "common/ui/scriptedplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

class SurveyFixture {
public:
    // <root>/Data is Survey's folder, <root>/Preferences KALVO's preferences,
    // <root>/config the XDG configuration folder (registry, device map).
    SurveyFixture() {
        QDir root(m_root.path());
        root.mkpath(QStringLiteral("Data"));
        root.mkpath(QStringLiteral("Preferences"));
        root.mkpath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configFolder()));
        auto scripted = std::make_unique<ScriptedPlatform>();
        m_platform = scripted.get();
        m_previous = setPlatform(std::move(scripted));
    }
    ~SurveyFixture() { setPlatform(std::move(m_previous)); }
    SurveyFixture(const SurveyFixture &) = delete;
    SurveyFixture &operator=(const SurveyFixture &) = delete;

    QString root() const { return m_root.path(); }
    QString programFolder() const { return m_root.filePath(QStringLiteral("Data")); }
    QString startPath() const { return programFolder() + QStringLiteral("/Survey"); }
    QString configFolder() const { return m_root.filePath(QStringLiteral("config")); }
    QString dataFile(const QString &name) const { return programFolder() + u'/' + name; }
    ScriptedPlatform &platform() const { return *m_platform; }

    void writePreferences(const QByteArray &content) const {
        QFile file(m_root.filePath(QStringLiteral("Preferences/preference.ini")));
        file.open(QIODevice::WriteOnly);
        file.write(content);
    }

private:
    QTemporaryDir m_root;
    ScriptedPlatform *m_platform = nullptr;
    std::unique_ptr<PlatformService> m_previous;
};
