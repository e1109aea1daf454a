#pragma once
// A running KALVO for window tests: a temporary program folder (with Data and
// the sample document), a scripted platform service, and the start-up's
// windows, created fresh for each test.

#include "common/ui/scriptedplatform.h"
#include "kalvo/app/forms.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class KalvoFixture {
public:
    KalvoFixture();
    ~KalvoFixture();

    // <program folder>/Data/<name> with the given bytes.
    QString writeDataFile(const QString &name, const QByteArray &bytes) const;
    QString programFolder() const { return m_folder.path(); }
    QString preferencesPath() const;
    QString samplePath() const;
    ScriptedPlatform &platform() { return *m_platform; }

    // Shows the main window as the program does (FormShow runs).
    void showMainWindow();
    // Opens `path` through "Open file".
    void openDocument(const QString &path);

private:
    QTemporaryDir m_folder;
    ScriptedPlatform *m_platform; // owned by the platform service
    std::unique_ptr<PlatformService> m_previous;
    std::unique_ptr<KalvoForms> m_forms;
};
