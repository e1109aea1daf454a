#pragma once
#include "kalvo/store/data.h"

#include <QString>
#include <cstdint>
#include <vector>

// One survey: its set-up and its measured values. The values are held by
// value in the survey's own list, so freeing a survey frees them.
class Survey {
public:
    Survey() = default;

    int32_t id() const { return m_id; }
    void setId(int32_t id) { m_id = id; }
    int32_t hardwareId() const { return m_hardwareId; }
    void setHardwareId(int32_t id) { m_hardwareId = id; }
    // "Mon 12 Mar 2007 10:20:30", as the import builds it.
    const QString &surveyDate() const { return m_surveyDate; }
    void setSurveyDate(const QString &date) { m_surveyDate = date; }
    int32_t nbMeasurements() const { return m_nbMeasurements; }
    void setNbMeasurements(int32_t count) { m_nbMeasurements = count; }
    int32_t pressure() const { return m_pressure; }
    void setPressure(int32_t mbar) { m_pressure = mbar; }
    double blackValue() const { return m_blackValue; }
    void setBlackValue(double value) { m_blackValue = value; }
    double redValue() const { return m_redValue; }
    void setRedValue(double value) { m_redValue = value; }
    const QString &reference() const { return m_reference; }
    void setReference(const QString &reference) { m_reference = reference; }
    bool noBaseValues() const { return m_noBaseValues; }
    void setNoBaseValues(bool noBase) { m_noBaseValues = noBase; }
    // The instrument took no base measurement for that sensor: the document
    // reads "--.-" and the value stays 0.
    bool noBlackBase() const { return m_noBlackBase; }
    void setNoBlackBase(bool absent) { m_noBlackBase = absent; }
    bool noRedBase() const { return m_noRedBase; }
    void setNoRedBase(bool absent) { m_noRedBase = absent; }
    const std::vector<Data> &dataList() const { return m_dataList; }
    void setDataList(std::vector<Data> list) { m_dataList = std::move(list); }
    void appendData(const Data &data) { m_dataList.push_back(data); }
    void reserveData(size_t count) { m_dataList.reserve(count); }

    // The whole survey as the main window shows it.
    QString surveyText() const;
    // Numbered lists of one sensor's values, as the graphs window shows them.
    QString redValuesText() const { return valuesText('R'); }
    QString blackValuesText() const { return valuesText('B'); }
    // Long dates and times of day for the reports, from surveyDate.
    QString frenchDateText() const;
    QString englishDateText() const;
    // Throws std::invalid_argument when the hour is not a number.
    QString time12Text() const;
    QString time24Text() const;

private:
    QString valuesText(char sensor) const;
    // The values that count: the first nbMeasurements of the list.
    size_t listedCount() const;

    int32_t m_id = 0;
    int32_t m_hardwareId = 0;
    QString m_surveyDate;
    int32_t m_nbMeasurements = 0;
    int32_t m_pressure = 0;
    double m_blackValue = 0;
    double m_redValue = 0;
    QString m_reference;
    bool m_noBaseValues = false;
    bool m_noBlackBase = false;
    bool m_noRedBase = false;
    std::vector<Data> m_dataList;
};
