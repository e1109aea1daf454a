#include "kalvofixture.h"

#include "kalvo/app/menu.h"
#include "kalvo/app/preferences.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

KalvoFixture::KalvoFixture() {
    QDir(m_folder.path()).mkpath(QStringLiteral("Data"));
    QFile::copy(QStringLiteral(SAMPLE_DOCUMENT), samplePath());
    ::setProgramFolder(m_folder.path());
    auto scripted = std::make_unique<ScriptedPlatform>();
    m_platform = scripted.get();
    m_previous = setPlatform(std::move(scripted));
    m_forms = std::make_unique<KalvoForms>();
}

KalvoFixture::~KalvoFixture() {
    m_forms.reset();
    setPlatform(std::move(m_previous));
    ::setProgramFolder(QString());
}

QString KalvoFixture::writeDataFile(const QString &name, const QByteArray &bytes) const {
    const QString path = m_folder.filePath(QStringLiteral("Data/") + name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QString KalvoFixture::preferencesPath() const {
    return m_folder.filePath(QStringLiteral("Preferences/preference.ini"));
}

QString KalvoFixture::samplePath() const {
    return m_folder.filePath(QStringLiteral("Data/SAMPLE.VEK"));
}

void KalvoFixture::showMainWindow() {
    Form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form1));
}

void KalvoFixture::openDocument(const QString &path) {
    m_platform->queueFileName(path);
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
}
