#include "kalvo/reports/fill/reporttexts.h"

#include "kalvo/reports/engine/reporterror.h"

namespace {

// Constant-initialised, so usable from other files' static initialisers.
constexpr std::pair<int, const char *> kEnglish[] = {
    {0, "Control date and time: "},
    {1, "This statment concerns the tightness control of:"},
    {2, "Tankowner"},
    {3, "Operator and used devices"},
    {4, "SONVAR serial number"},
    {5, "Switchbox serial number"},
    {6, "Test conditions"},
    {7, "Product level"},
    {8, "Water level"},
    {9, "Vacum applied"},
    {10, "Water level increase"},
    {11, "After the control"},
    {12, "Vacuum drop"},
    {13, "During Test"},
    {14, "Yes"},
    {16, "No"},
    {17, "Minute of an ultrasonic tightness control of \n"
         "underground storage tank for flammable liquids."},
    {18, "Recording details"},
    {19, "Recording time (in minute)"},
    {21, "Base measurement for red sensor"},
    {22, "Base measurement for black sensor"},
    {23, "Storage description"},
    {24, "Type"},
    {25, "Location"},
    {26, "Capacity"},
    {27, "Placemark"},
    {28, "Ground plan"},
    {29, "Comments"},
    {30, "Type"},
    {31, "Tank or compartment"},
    {32, "Cleaned before test"},
    {35, "Stored product"},
    {36, "Tightness test result"},
    {37, "Tank or compartment is"},
    {38, "Piping description"},
    {40, "Marerial"},
    {41, "From"},
    {42, "To"},
    {43, "Tight"},
    {44, "Code implant: "},
    {50, "List of measurements for "},
    {51, "red sensor in dB\u00B5V"},
    {52, "black sensor in dB\u00B5V"},
    {58, "Tel: "},
    {59, "Fax: "},
    {60, "Email: "},
    {61, "Website: "},
    {85, "m "},
    {92, "Operator"},
    {94, "Report established at: "},
    {100, "On: "},
    {112, "Signatory's name: "},
    {181, "Reference: "},
    {408, "Used devices"},
    {409, "Measurements data of "},
    {410, " on "},
};

} // namespace

ReportTexts ReportTexts::english() {
    ReportTexts texts;
    for (const auto &[id, text] : kEnglish)
        texts.set(id, QString::fromUtf8(text));
    return texts;
}

const std::vector<int> &ReportTexts::usedIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> list;
        for (const auto &entry : kEnglish)
            list.push_back(entry.first);
        return list;
    }();
    return ids;
}

QString ReportTexts::operator()(int id) const {
    const auto found = m_texts.constFind(id);
    if (found == m_texts.constEnd())
        throw ReportError(QStringLiteral("The report text IDS_%1 is missing.").arg(id));
    return *found;
}
