#pragma once
// Survey's registry key, kept in a per-user file on Linux.
//
// The Windows program kept its COM port in HKEY_CURRENT_USER\Software\VEK\Vatro,
// value "ComPort" (REG_DWORD). Here every key lives as one section of the
// file registry.ini in $XDG_CONFIG_HOME/VEK/ (default ~/.config/VEK/), named
// by the key's full path; values are entries "name=dword:0000000a". Key and value names compare
// without regard to letter case, as in the Windows registry. Every write rewrites the file through
// a temporary file, so it is never left half written, and every read goes back to the file, so two
// CRegistry objects on one key see each other's values.

#include <QString>
#include <cstdint>

class CRegistry {
public:
    // Uses the per-user store folder (storeFolder()).
    CRegistry();
    // Uses the store in `folder` (tests and tools).
    explicit CRegistry(QString folder);
    ~CRegistry();
    CRegistry(const CRegistry &) = delete;
    CRegistry &operator=(const CRegistry &) = delete;

    // $XDG_CONFIG_HOME/VEK, or ~/.config/VEK when the variable is unset.
    static QString storeFolder();
    QString storeFile() const;

    // Opens `path` ("HKEY_CURRENT_USER\Software\VEK\Vatro"), creating the key
    // when it is missing. The root name must be one of HKEY_CLASSES_ROOT,
    // HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS, HKEY_CURRENT_CONFIG
    // (letter case counts) and the path shorter than 256 characters. On
    // success the key held before is given up for the new one; on failure
    // the held key stays and lastError() says why (an errno value).
    bool Open(const QString &path);
    bool isOpen() const { return !m_key.isEmpty(); }
    const QString &path() const { return m_key; }

    // The 32-bit value `name` of the open key; false when there is no open
    // key or no such value, `destination` then unchanged.
    bool ReadDword(const QString &name, uint32_t &destination);
    // Stores `value` as a 32-bit value; false when the store cannot be written.
    bool WriteDword(const QString &name, uint32_t value);

    // errno value of the last failure, 0 after a success.
    int lastError() const { return m_lastError; }

private:
    bool readRaw(const QString &name, QString &raw);
    bool writeRaw(const QString &name, const QString &raw);

    QString m_folder;
    QString m_key; // full path of the open key, empty when none
    int m_lastError = 0;
};
