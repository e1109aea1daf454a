#pragma once

#include <QString>

// The interface language KALVO stored in the shared preferences file, one
// level up from Survey's folder: ../Preferences/preference.ini, section
// "Language", key "Language". Empty when the file, section or key is missing.
// Survey only reads this file; KALVO writes it.
QString preferredLanguageCode(const QString &programFolder);
