#include "reportuifixture.h"

#include "common/inifile.h"
#include "kalvo/app/menu.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/reports/vatroresultsgui.h"
#include "kalvo/store/tmd.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

namespace reportui {

const char kPreferences[] = "[Language]\nLanguage=EN\n"
                            "[owner]\nowner=Tank Testing Services\naddress=12 Harbour Road\n"
                            "zipCode=8000\ncity=Aarhus\ncountry=Denmark\ntel=+45 86 12 34 56\n"
                            "fax=+45 86 12 34 57\nemail=service@example.com\n"
                            "webSite=www.example.com\n"
                            "[Operators]\noperatorNb=2\nlastOperator=jens holm\n"
                            "operator1=Anna Berg\noperator2=Jens Holm\n";

ReportFixture::ReportFixture(bool withPictures) {
    QDir folder(programFolder());
    folder.mkpath(QStringLiteral("Preferences"));
    if (withPictures)
        folder.mkpath(QStringLiteral("Pictures"));
    QFile::copy(QStringLiteral(REPORT_PROJECT),
                folder.filePath(QStringLiteral("Preferences/Report.rav")));
    QFile prefs(preferencesPath());
    if (prefs.open(QIODevice::WriteOnly))
        prefs.write(kPreferences);
    prefs.close();
    showMainWindow();
    openDocument(samplePath());
    Form1->ComboBox->setCurrentIndex(0);
    Form1->ComboBoxSelect(0);
}

void ReportFixture::showGraphs() {
    const Survey &survey = *Form1->surveyOfEntry(Form1->ComboBox->currentIndex());
    Form3->RichEditRedValues->setPlainText(survey.redValuesText());
    Form3->RichEditBlackValues->setPlainText(survey.blackValuesText());
    Form3->fillCharts(survey);
    Form3->resize(1000, 700);
    Form3->show();
    QVERIFY(QTest::qWaitForWindowExposed(Form3));
}

QString ReportFixture::picture(const char *name) const {
    return programFolder() + QStringLiteral("/Pictures/") + QLatin1String(name);
}

QString ReportFixture::outputPath(const QString &name) const {
    return programFolder() + QLatin1Char('/') + name;
}

QString ReportFixture::readPreference(const QString &section, const QString &key) const {
    return IniFile::readValue(preferencesPath(), section, key, QStringLiteral("<missing>"));
}

void fillValidForm(TForm4 &form, int tankIndex) {
    form.ComboBoxTank->setCurrentIndex(tankIndex);
    if (form.ComboBoxOperator->currentIndex() < 0)
        form.ComboBoxOperator->setCurrentIndex(0);
    form.EditTankowner->setText(QStringLiteral("Garage Central"));
    form.EditAddress->setText(QStringLiteral("1 Main Street"));
    form.EditZipcode->setText(QStringLiteral("8200"));
    form.EditCity->setText(QStringLiteral("Aarhus N"));
    form.EditProductLvl->setText(QStringLiteral("1.2"));
    form.EditWaterLvl->setText(QStringLiteral("3"));
    form.EditDepressionType->setText(QStringLiteral("150"));
    form.CheckBoxWaterNo->setChecked(true);
    form.CheckBoxDepressedYes->setChecked(true);
    form.ComboBoxNature->setCurrentIndex(0);
    form.ComboBoxSituation->setCurrentIndex(1);
    form.EditCapacite->setText(QStringLiteral("30000"));
    form.ComboBoxType->setCurrentIndex(1);
    form.CheckBoxCleanBeforeNo->setChecked(true);
    form.ComboBoxStock->setCurrentIndex(6);
    form.ComboBoxResult->setCurrentIndex(0);
    form.EditSignataire->setText(QStringLiteral("A. Berg"));
    if (tankIndex >= 1) {
        form.ComboBoxNatureCanal[0]->setCurrentIndex(1);
        form.ComboBoxMat[0]->setCurrentIndex(2);
        form.EditDepart[0]->setText(QStringLiteral("Tank"));
        form.EditArrivee[0]->setText(QStringLiteral("Pump 3"));
        form.ComboBoxEtanche[0]->setCurrentIndex(1);
    }
}

} // namespace reportui
