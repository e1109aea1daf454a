#include "kalvo/reports/owner.h"

#include "common/inifile.h"
#include "kalvo/app/kalvoerror.h"

#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("owner");

} // namespace

void DataOwner::readFromIni(const QString &path) {
    if (!QFileInfo::exists(path) || !IniFile(path).hasSection(kSection))
        writeToIni(path);
    const IniFile file(path);
    auto read = [&](const char *key) { return file.readString(kSection, QLatin1String(key)); };
    m_owner = read("owner");
    m_address = read("address");
    m_zipCode = read("zipCode");
    m_city = read("city");
    m_country = read("country");
    m_tel = read("tel");
    m_fax = read("fax");
    m_email = read("email");
    m_webSite = read("webSite");
}

void DataOwner::writeToIni(const QString &path) const {
    IniFile file(path);
    auto write = [&](const char *key, const QString &value) {
        file.writeString(kSection, QLatin1String(key), value);
    };
    write("owner", m_owner);
    write("address", m_address);
    write("zipCode", m_zipCode);
    write("city", m_city);
    write("country", m_country);
    write("tel", m_tel);
    write("fax", m_fax);
    write("email", m_email);
    write("webSite", m_webSite);
    if (!file.save())
        throw KalvoError(QStringLiteral("Unable to write to %1").arg(path));
}
