// The tank test form's report generators: the window side of both reports
// (the questions and messages, the operators stored, the PDF opened), around
// the report filling of kalvo/reports/fill.

#include "common/ui/platformservice.h"
#include "kalvo/app/application.h"
#include "kalvo/app/forms.h"
#include "kalvo/app/languages.h"
#include "kalvo/app/menu.h"
#include "kalvo/app/preferences.h"
#include "kalvo/app/windowtranslator.h"
#include "kalvo/reports/fill/reportfill.h"
#include "kalvo/reports/operators.h"
#include "kalvo/reports/owner.h"
#include "kalvo/reports/ownergui.h"
#include "kalvo/reports/supplierbridge.h"
#include "kalvo/reports/vatroresultsgui.h"
#include "kalvo/store/tmd.h"

#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QLocale>

namespace {

enum class WhichReport { Detailed, Simple };

// The survey chosen in the main window, and its measuring set.
void selectSurvey(ReportRequest &request) {
    request.survey = Form1 ? Form1->surveyOfEntry(Form1->ComboBox->currentIndex()) : nullptr;
    if (!request.survey || !MD)
        return;
    const int id = request.survey->hardwareId();
    if (id >= 1 && size_t(id) <= MD->hardwareList().size())
        request.hardware = &MD->hardwareById(id);
}

// True when the user agrees to replace an existing file (or there is none).
bool mayWrite(TForm4 &form, const QString &pdfFile) {
    // The name the report is written to: ".pdf" is added to a bare name, and
    // it is that file which would be replaced.
    const QString target = pdfOutputName(pdfFile);
    if (!QFileInfo::exists(target))
        return true;
    const WindowTranslator &texts = form.texts();
    return platform().message(
               &form, QMessageBox::Question, texts.ids(47), texts.ids(45) + target + texts.ids(46),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void generate(TForm4 &form, WhichReport kind, const QString &pdfFile, const QString &logoFile,
              const QString &signatureFile) {
    const WindowTranslator &texts = form.texts();
    ReportRequest request;
    selectSurvey(request);
    checkRequest(request); // no survey: the application's error message
    try {
        // Refused before anything is asked or written.
        checkListCapacity(*request.survey);
    } catch (const ListCapacityExceeded &tooLong) {
        platform().message(&form, QMessageBox::Warning, applicationTitle(),
                           texts.ids(411).arg(tooLong.pagesNeeded()).arg(tooLong.pageLimit()),
                           QMessageBox::Ok);
        return;
    }
    if (!mayWrite(form, pdfFile))
        return;

    enterProgramFolder();
    saveOperators(form, preferencesPath());

    request.pdfFile = pdfFile;
    request.logoFile = logoFile;
    request.signatureFile = signatureFile;
    request.french = texts.language() == LanguageFrench;
    request.reportDate = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    setProgramFiles(request, programFolder());
    request.letterhead = supplierRecord(Form2 ? &Form2->owner() : nullptr);
    request.establishedCity = form.supplier() ? form.supplier()->city() : QString();

    QString written;
    try {
        written = kind == WhichReport::Detailed
                      ? createDetailedReport(request, form.formValues(), form.reportTexts())
                      : createSimpleReport(request, form.formValues(), form.reportTexts());
    } catch (const ReportWriteError &) {
        platform().message(&form, QMessageBox::Critical, texts.ids(57), texts.ids(56),
                           QMessageBox::Ok);
        return;
    }
    const QString failure = platform().openDocument(written);
    if (!failure.isEmpty())
        platform().message(&form, QMessageBox::Warning, applicationTitle(), failure,
                           QMessageBox::Ok);
    form.closeForm();
}

} // namespace

void TForm4::createDetailedReport(const QString &pdfFile, const QString &logoFile,
                                  const QString &signatureFile) {
    generate(*this, WhichReport::Detailed, pdfFile, logoFile, signatureFile);
}

void TForm4::createSimpleReport(const QString &pdfFile, const QString &logoFile,
                                const QString &signatureFile) {
    generate(*this, WhichReport::Simple, pdfFile, logoFile, signatureFile);
}
