#pragma once
// What the report windows hand to the report filling: plain values read from
// the tank test form, the supplier records, the output settings and the
// program's files. Nothing here knows of widgets.

#include <QString>
#include <array>

class Hardware;
class Survey;

// The service supplier's nine coordinates.
struct SupplierRecord {
    QString owner;
    QString address;
    QString zipCode;
    QString city;
    QString country;
    QString tel;
    QString fax;
    QString email;
    QString webSite;
};

// The six cells of one pipe row of the tank test form, as displayed.
struct PipeRowTexts {
    QString type;     // ComboBoxNatureCanal<n>
    QString material; // ComboBoxMat<n>
    QString from;     // EditDepart<n>
    QString to;       // EditArrivee<n>
    QString tight;    // ComboBoxEtanche<n>
    QString comment;  // EditDetailComment<n>

    // A row is used when any of its cells has text (a blank counts).
    bool isUsed() const {
        return !type.isEmpty() || !material.isEmpty() || !from.isEmpty() || !to.isEmpty() ||
               !tight.isEmpty() || !comment.isEmpty();
    }
};

// The tank test form's controls, read after its Ok was accepted. Texts are
// what the controls display: an edit's content, a drop-down list's selected
// item in the interface language (empty without a selection).
struct TankTestFormValues {
    int tankIndex = -1; // selection index of ComboBoxTank, -1 without selection
    QString tank;       // ComboBoxTank
    QString operatorName;
    QString tankowner;
    QString address;
    QString zipcode;
    QString city;
    QString country;
    QString implant;
    QString productLvl;
    QString waterLvl;
    QString depressionType;
    bool waterYes = false;       // CheckBoxWaterYes
    bool depressedYes = false;   // CheckBoxDepressedYes
    bool cleanBeforeYes = false; // CheckBoxCleanBeforeYes
    QString nature;              // ComboBoxNature
    QString situation;           // ComboBoxSituation
    QString capacite;            // EditCapacite
    QString type;                // ComboBoxType
    QString stock;               // ComboBoxStock
    QString result;              // ComboBoxResult
    QString repere;              // EditRepere
    QString mainComment;         // EditMainComment, lines separated by "\n"
    QString signataire;          // EditSignataire
    std::array<PipeRowTexts, 10> pipes;

    // 1 when the report has a pipes page: the tank selection names pipes.
    int pipesFlag() const { return tankIndex >= 1 ? 1 : 0; }
};

// Everything else one report needs.
struct ReportRequest {
    const Survey *survey = nullptr;
    const Hardware *hardware = nullptr; // the survey's measuring set
    QString pdfFile;
    QString logoFile;      // may be empty; the simple report ignores it
    QString signatureFile; // may be empty
    bool french = false;   // interface language French: French date, 24-hour time
    QString reportDate;    // today's date in the system's short format
    QString projectFile;   // <program folder>/Preferences/Report.rav
    QString redGraphFile;  // <program folder>/Pictures/graphRedSensor.bmp
    QString blackGraphFile;
    SupplierRecord letterhead; // the supplier's data window's record
    QString establishedCity;   // city of the tank test form's own supplier record
};

// The usual files of a program folder: the project and the two graph pictures.
void setProgramFiles(ReportRequest &request, const QString &programFolder);
