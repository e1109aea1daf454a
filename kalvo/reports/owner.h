#pragma once
// The service supplier: the firm that carries out the tank tests, whose name
// and coordinates appear on the reports. Kept in section "owner" of the
// preferences file; every holder reads it from there.

#include <QString>

class DataOwner {
public:
    DataOwner() = default;

    QString owner() const { return m_owner; }
    void setOwner(const QString &text) { m_owner = text; }
    QString address() const { return m_address; }
    void setAddress(const QString &text) { m_address = text; }
    QString zipCode() const { return m_zipCode; }
    void setZipCode(const QString &text) { m_zipCode = text; }
    QString city() const { return m_city; }
    void setCity(const QString &text) { m_city = text; }
    QString country() const { return m_country; }
    void setCountry(const QString &text) { m_country = text; }
    QString tel() const { return m_tel; }
    void setTel(const QString &text) { m_tel = text; }
    QString fax() const { return m_fax; }
    void setFax(const QString &text) { m_fax = text; }
    QString email() const { return m_email; }
    void setEmail(const QString &text) { m_email = text; }
    QString webSite() const { return m_webSite; }
    void setWebSite(const QString &text) { m_webSite = text; }

    // Fills the record from section "owner" of the file at `path`; missing
    // keys read as empty texts. When the file or the section is missing,
    // writes the record's current values first (creating both).
    // Raises KalvoError "Unable to write to <path>" when that write fails.
    void readFromIni(const QString &path);
    // Writes the nine fields to section "owner", leaving the rest of the file
    // as it was; raises KalvoError when the file cannot be written.
    void writeToIni(const QString &path) const;

private:
    QString m_owner;
    QString m_address;
    QString m_zipCode;
    QString m_city;
    QString m_country;
    QString m_tel;
    QString m_fax;
    QString m_email;
    QString m_webSite;
};
