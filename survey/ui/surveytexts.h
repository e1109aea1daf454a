#pragma once
// The texts of the downloader dialog that exist in English and French. The
// window title, "COM port setup", the About box and "error creating key" are
// English only.

#include <QString>

struct SurveyTexts {
    QString browse;
    QString close;
    QString getData;
    QString outputFile; // group box
    QString languageMenu;
    QString englishItem;
    QString frenchItem;
    QString busy;
    QString noOutputFile;
    QString saveCaption;  // caption of the Browse dialog
    QString cannotCreate; // %1 file, %2 reason
};

const SurveyTexts &englishTexts();
const SurveyTexts &frenchTexts();
// "FR" is French; anything else (also empty, or "EN") English.
const SurveyTexts &textsFor(const QString &languageCode);

// Texts that never change with the language.
namespace SurveyText {
inline const QString windowTitle = QStringLiteral("Vatro -> document");
inline const QString initialGetData = QStringLiteral("Get data");
inline const QString initialOutputFile = QStringLiteral("Output File");
inline const QString portSetup = QStringLiteral("COM port setup");
inline const QString aboutItem = QStringLiteral("&About Survey...");
inline const QString errorCreatingKey = QStringLiteral("error creating key");
inline const QString messageCaption = QStringLiteral("Survey");
} // namespace SurveyText
