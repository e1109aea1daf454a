#include "survey/ui/cregistry.h"

#include "common/inifile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

namespace {

const QString kDwordPrefix = QStringLiteral("dword:");

bool isRootName(const QString &name) {
    static const QStringList roots = {
        QStringLiteral("HKEY_CLASSES_ROOT"), QStringLiteral("HKEY_CURRENT_USER"),
        QStringLiteral("HKEY_LOCAL_MACHINE"), QStringLiteral("HKEY_USERS"),
        QStringLiteral("HKEY_CURRENT_CONFIG")};
    return roots.contains(name); // case-sensitive, as the Windows program compared them
}

// A key path as stored: root, then the sub-key's names without empty parts
// (Windows ignores a trailing backslash and rejects nothing else here).
QString canonicalKey(const QString &root, const QString &subKey) {
    QStringList parts = subKey.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    parts.prepend(root);
    return parts.join(QLatin1Char('\\'));
}

} // namespace

CRegistry::CRegistry() : CRegistry(storeFolder()) {}

CRegistry::CRegistry(QString folder) : m_folder(std::move(folder)) {}

CRegistry::~CRegistry() = default; // nothing is held open between calls

QString CRegistry::storeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/VEK");
}

QString CRegistry::storeFile() const {
    return m_folder + QStringLiteral("/registry.ini");
}

bool CRegistry::Open(const QString &path) {
    const qsizetype separator = path.indexOf(QLatin1Char('\\'));
    if (path.size() >= 256 || separator < 0 || !isRootName(path.left(separator))) {
        m_lastError = EINVAL;
        return false;
    }
    const QString key = canonicalKey(path.left(separator), path.mid(separator + 1));

    // The key is opened for writing, as the Windows program asked for full
    // access: a store that cannot be created or written fails here.
    if (!QDir().mkpath(m_folder) || !QFileInfo(m_folder).isDir()) {
        m_lastError = QFileInfo::exists(m_folder) ? ENOTDIR : EACCES;
        return false;
    }
    IniFile store(storeFile());
    const QFileInfo file(storeFile());
    if (file.exists() && !store.existed()) {
        m_lastError = EACCES; // there but unreadable: never overwrite it
        return false;
    }
    if (!store.hasSection(key)) {
        // An empty section is how a key without values is kept. IniFile adds
        // sections with their first entry, so add a marker entry and keep it.
        store.writeString(key, QStringLiteral("@"), QString());
        if (!store.save()) {
            m_lastError = EACCES;
            return false;
        }
    } else if (!file.isWritable()) {
        m_lastError = EACCES;
        return false;
    }
    m_key = key;
    m_lastError = 0;
    return true;
}

bool CRegistry::readRaw(const QString &name, QString &raw) {
    if (m_key.isEmpty()) {
        m_lastError = EBADF;
        return false;
    }
    const IniFile store(storeFile());
    if (!store.hasKey(m_key, name)) {
        m_lastError = ENOENT;
        return false;
    }
    raw = store.readString(m_key, name);
    m_lastError = 0;
    return true;
}

bool CRegistry::writeRaw(const QString &name, const QString &raw) {
    if (m_key.isEmpty()) {
        m_lastError = EBADF;
        return false;
    }
    IniFile store(storeFile());
    store.writeString(m_key, name, raw);
    if (!store.save()) {
        m_lastError = EACCES;
        return false;
    }
    m_lastError = 0;
    return true;
}

bool CRegistry::ReadDword(const QString &name, uint32_t &destination) {
    QString raw;
    if (!readRaw(name, raw))
        return false;
    bool ok = false;
    const uint32_t value = raw.startsWith(kDwordPrefix, Qt::CaseInsensitive)
                               ? raw.mid(kDwordPrefix.size()).trimmed().toUInt(&ok, 16)
                               : 0;
    if (!ok) {
        m_lastError = EINVAL;
        return false;
    }
    destination = value;
    return true;
}

bool CRegistry::WriteDword(const QString &name, uint32_t value) {
    return writeRaw(name, kDwordPrefix + QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')));
}
