#pragma once
// Where KALVO keeps its own files: everything is addressed from the program
// folder, whatever folder is current (Open file leaves Data current).

#include <QString>

// The folder of the KALVO executable, or the one a test set.
QString programFolder();
void setProgramFolder(const QString &folder);
// Makes the program folder the current folder.
void enterProgramFolder();

// <program folder>/Preferences/preference.ini
QString preferencesPath();

// Writes one value of the preferences file at `path` (creating its folder);
// raises KalvoError "Unable to write to <path>" when it cannot.
void writePreference(const QString &path, const QString &section, const QString &key,
                     const QString &value);
