#pragma once
#include "kalvo/store/hardware.h"
#include "kalvo/store/survey.h"

#include <QString>
#include <memory>
#include <vector>

// The survey store: every Hardware and Survey of the last imported document.
// References handed out stay valid until the next clearSurveys.
class TMD {
public:
    TMD() = default;
    TMD(const TMD &) = delete;
    TMD &operator=(const TMD &) = delete;

    // Empties the store and reads the document (see surveyimport.h).
    void importSurveyDocument(const QString &fileName, bool noBase);
    void clearSurveys();

    int surveyCount() const { return int(m_surveyList.size()); }
    // 0 <= position < surveyCount().
    Survey &surveyAt(int position) const { return *m_surveyList[size_t(position)]; }
    // The hardware of a stored survey: ids are positions plus one.
    Hardware &hardwareById(int id) const { return *m_hardwareList[size_t(id - 1)]; }

    const std::vector<std::unique_ptr<Hardware>> &hardwareList() const { return m_hardwareList; }
    const std::vector<std::unique_ptr<Survey>> &surveyList() const { return m_surveyList; }

    // The set of `hardware` as stored: an entry with the same three serial
    // numbers, or `hardware` itself appended with the next id.
    Hardware &addOrFindHardware(std::unique_ptr<Hardware> hardware);
    Survey &appendSurvey(std::unique_ptr<Survey> survey);

private:
    std::vector<std::unique_ptr<Hardware>> m_hardwareList;
    std::vector<std::unique_ptr<Survey>> m_surveyList;
};

// The application's one store, created at start-up before any window.
extern TMD *MD;
