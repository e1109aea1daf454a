#include "survey/ui/surveytexts.h"

const SurveyTexts &englishTexts() {
    static const SurveyTexts texts{
        .browse = QStringLiteral("Browse"),
        .close = QStringLiteral("Close"),
        .getData = QStringLiteral("Get Data"),
        .outputFile = QStringLiteral("Output file"),
        .languageMenu = QStringLiteral("Language"),
        .englishItem = QStringLiteral("English"),
        .frenchItem = QStringLiteral("French"),
        .busy = QStringLiteral("Transfering & Converting Data\n         PLEASE WAIT"),
        .noOutputFile = QStringLiteral("There is no output File name selected "),
        .saveCaption = QStringLiteral("Save As"),
        .cannotCreate = QStringLiteral("%1 could not be created:\n%2"),
    };
    return texts;
}

const SurveyTexts &frenchTexts() {
    static const SurveyTexts texts{
        .browse = QStringLiteral("Parcourir"),
        .close = QStringLiteral("Fermer"),
        .getData = QStringLiteral("Transfert"),
        .outputFile = QStringLiteral("Fichier de sortie"),
        .languageMenu = QStringLiteral("Langue"),
        .englishItem = QStringLiteral("Anglais"),
        .frenchItem = QStringLiteral("Français"),
        .busy =
            QStringLiteral("Transfert & traitement des données en cours\n         PATIENTEZ SVP"),
        .noOutputFile = QStringLiteral("Aucun fichier de sortie spécifié "),
        .saveCaption = QStringLiteral("Enregistrer sous"),
        .cannotCreate = QStringLiteral("Impossible de créer %1 :\n%2"),
    };
    return texts;
}

const SurveyTexts &textsFor(const QString &languageCode) {
    return languageCode == QLatin1String("FR") ? frenchTexts() : englishTexts();
}
