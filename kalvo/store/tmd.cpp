#include "kalvo/store/tmd.h"

#include "kalvo/store/surveyimport.h"

TMD *MD = nullptr;

void TMD::importSurveyDocument(const QString &fileName, bool noBase) {
    importSurveyDocumentInto(*this, fileName, noBase);
}

void TMD::clearSurveys() {
    m_surveyList.clear();
    m_hardwareList.clear();
}

Hardware &TMD::addOrFindHardware(std::unique_ptr<Hardware> hardware) {
    hardware->setId(int32_t(m_hardwareList.size()) + 1);
    for (const auto &known : m_hardwareList)
        if (known->isSameSet(*hardware))
            return *known;
    m_hardwareList.push_back(std::move(hardware));
    return *m_hardwareList.back();
}

Survey &TMD::appendSurvey(std::unique_ptr<Survey> survey) {
    m_surveyList.push_back(std::move(survey));
    return *m_surveyList.back();
}
