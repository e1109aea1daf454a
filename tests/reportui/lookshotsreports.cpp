// The report windows for kalvo-lookshots: the tank test form on both tabs,
// the operators list and the output settings; then both reports written
// through their flows, for a look at the PDF pages.
#include "../kalvo/kalvofixture.h"
#include "modalsteps.h"

#include "kalvo/app/forms.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/reports/combofill.h"
#include "kalvo/reports/fileselectiongui.h"
#include "kalvo/reports/vatroresultsgui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <cstdio>

namespace {

void shoot(QWidget *window, const QString &folder, const QString &name) {
    QTest::qWait(50);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    window->grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

void fillForm(TForm4 &form, int tankIndex) {
    form.ComboBoxTank->setCurrentIndex(tankIndex);
    form.ComboBoxOperator->setCurrentIndex(0);
    form.EditTankowner->setText(QStringLiteral("Garage Central A/S"));
    form.EditAddress->setText(QStringLiteral("Industrivej 14"));
    form.EditZipcode->setText(QStringLiteral("8200"));
    form.EditCity->setText(QStringLiteral("Aarhus N"));
    form.EditCountry->setText(QStringLiteral("Denmark"));
    form.EditImplant->setText(QStringLiteral("A-1712"));
    form.EditProductLvl->setText(QStringLiteral("1.20"));
    form.EditWaterLvl->setText(QStringLiteral("3"));
    form.EditDepressionType->setText(QStringLiteral("150"));
    form.CheckBoxWaterNo->setChecked(true);
    form.CheckBoxDepressedYes->setChecked(true);
    form.ComboBoxNature->setCurrentIndex(0);
    form.ComboBoxSituation->setCurrentIndex(0);
    form.EditCapacite->setText(QStringLiteral("30000"));
    form.ComboBoxType->setCurrentIndex(1);
    form.CheckBoxCleanBeforeNo->setChecked(true);
    form.ComboBoxStock->setCurrentIndex(0);
    form.ComboBoxResult->setCurrentIndex(0);
    form.EditRepere->setText(QStringLiteral("C3"));
    form.EditMainComment->setPlainText(
        QStringLiteral("Tank tested with the filling pipe closed.\nNo leak found.\nThird line"
                       "\nFourth line of the comment\nFifth and last line"));
    form.EditSignataire->setText(QStringLiteral("Anna Berg"));
    const char *from[] = {"Tank 3", "Tank 3", "Dispenser 2"};
    const char *to[] = {"Filling point", "Roof", "Tank 3"};
    for (int i = 0; i < 3; ++i) {
        form.ComboBoxNatureCanal[i]->setCurrentIndex(i + 1);
        form.ComboBoxMat[i]->setCurrentIndex(i % 3 + 1);
        form.EditDepart[i]->setText(QLatin1String(from[i]));
        form.EditArrivee[i]->setText(QLatin1String(to[i]));
        form.ComboBoxEtanche[i]->setCurrentIndex(1);
        form.EditDetailComment[i]->setText(QStringLiteral("Checked at 150 mbar"));
    }
}

// A small picture standing for a logo or a signature.
QString drawPicture(const QString &path, const QString &text, const QColor &color) {
    QImage image(360, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(color, 4));
    painter.drawEllipse(8, 8, 104, 104);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(40);
    font.setItalic(true);
    painter.setFont(font);
    painter.drawText(QRect(124, 0, 236, 120), Qt::AlignVCenter, text);
    painter.end();
    image.save(path, "BMP");
    return path;
}

// One report through its flow from the graphs window into `pdf`, with a
// logo and a signature.
void writeReport(bool simple, const QString &pdf, const QString &logo, const QString &signature) {
    ModalSteps steps;
    if (!simple)
        steps.when([] { return static_cast<QWidget *>(Form4.data()); },
                   [] {
                       fillForm(*Form4, 2);
                       Form4->ButtonOk->click();
                   });
    steps.when([] { return static_cast<QWidget *>(Form6); },
               [pdf, logo, signature] {
                   Form6->EditPDF->setText(pdf);
                   Form6->EditLogo->setText(logo);
                   Form6->EditSignature->setText(signature);
                   Form6->BtnOk->click();
               });
    QFile::remove(pdf);
    (simple ? Form3->ButtonSimpleReport : Form3->ButtonPdf)->click();
    std::printf("%s\n", qPrintable(pdf));
}

} // namespace

// Called by kalvo-lookshots with the graphs window filled for a survey.
void shootReportWindows(KalvoFixture &kalvo, const QString &out, const QString &tag) {
    QDir folder(kalvo.programFolder());
    folder.mkpath(QStringLiteral("Pictures"));
    QFile::copy(QStringLiteral(REPORT_PROJECT),
                folder.filePath(QStringLiteral("Preferences/Report.rav")));
    {
        QFile prefs(kalvo.preferencesPath());
        if (prefs.open(QIODevice::Append))
            prefs.write("[Operators]\noperatorNb=3\nlastOperator=Jens Holm\noperator1=Anna Berg\n"
                        "operator2=Jens Holm\noperator3=Karl Nielsen\n");
    }
    Form4 = new TForm4(Form3);
    Form4->show();
    fillForm(*Form4, 2);
    shoot(Form4, out, QStringLiteral("tankform-storage-") + tag);
    Form4->PageControl1->setCurrentIndex(1);
    shoot(Form4, out, QStringLiteral("tankform-pipes-") + tag);

    Form5->show();
    Form5->ListBox->setCurrentRow(1);
    Form5->EditOperator->setText(QStringLiteral("Mette Sørensen"));
    shoot(Form5, out, QStringLiteral("operators-") + tag);
    Form5->hide();

    Form6->simpleReport = false;
    Form6->show();
    Form6->EditLogo->setText(kalvo.programFolder() + QStringLiteral("/Pictures/logo.bmp"));
    shoot(Form6, out, QStringLiteral("output-") + tag);
    Form6->BtnCancel->click();

    const QString logo = drawPicture(folder.filePath(QStringLiteral("Pictures/logo.bmp")),
                                     QStringLiteral("TTS"), QColor(0, 60, 140));
    const QString signature = drawPicture(folder.filePath(QStringLiteral("signature.bmp")),
                                          QStringLiteral("A. Berg"), Qt::darkBlue);
    Form3->show();
    writeReport(false, out + QStringLiteral("/detailed-") + tag + QStringLiteral(".pdf"), logo,
                signature);
    writeReport(true, out + QStringLiteral("/simple-") + tag + QStringLiteral(".pdf"), logo,
                signature);
    Form3->hide();
}
