#pragma once
// A running KALVO ready for report flows: program folder with the report
// project, Pictures and a preferences file (supplier, operators), the sample
// document open with a survey chosen, the graphs window showing it.

#include "../kalvo/kalvofixture.h"

#include <QString>

class TForm4;

namespace reportui {

// Preferences with a supplier in Aarhus and the operators "Anna Berg" and
// "Jens Holm" (the latter chosen last).
extern const char kPreferences[];

class ReportFixture : public KalvoFixture {
public:
    // `withPictures`: whether the program folder has its Pictures folder.
    explicit ReportFixture(bool withPictures = true);

    // Shows the graphs window for the chosen survey, not modally, as the
    // main window's Graphs button fills it.
    void showGraphs();
    QString picture(const char *name) const;
    QString outputPath(const QString &name) const;
    QString readPreference(const QString &section, const QString &key) const;
};

// Fills every field of `form` so that its checks pass; `tankIndex` 1 or 2
// also fills pipe row 1.
void fillValidForm(TForm4 &form, int tankIndex = 0);

} // namespace reportui
