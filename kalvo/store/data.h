#pragma once
#include <QString>
#include <cstdint>

// One measured sound level of one sensor. Kept small: a document may hold
// millions of them.
class Data {
public:
    Data(int32_t surveyId, int32_t id, double dataValue, char sensor)
        : m_surveyId(surveyId), m_id(id), m_dataValue(dataValue), m_sensor(sensor) {}

    int32_t surveyId() const { return m_surveyId; }
    void setSurveyId(int32_t surveyId) { m_surveyId = surveyId; }
    int32_t id() const { return m_id; }
    void setId(int32_t id) { m_id = id; }
    double dataValue() const { return m_dataValue; }
    void setDataValue(double value) { m_dataValue = value; }
    char sensor() const { return m_sensor; }
    void setSensor(char sensor) { m_sensor = sensor; }

    // "  23.4\tdBµV Red sensor\n": the value line of the survey text.
    QString valueText() const;
    // "  23.4\n": the value line of the reports' measurement lists.
    QString valueLine() const;

private:
    int32_t m_surveyId;
    int32_t m_id;
    double m_dataValue;
    char m_sensor;
};
