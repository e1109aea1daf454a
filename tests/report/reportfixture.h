#pragma once
// Surveys, forms and program files for the report tests.

#include "kalvo/reports/fill/reportfill.h"
#include "kalvo/store/hardware.h"
#include "kalvo/store/survey.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

namespace fixture {

// Red and black values, interleaved one for one while both last, then the
// rest of the longer series. Red values are 20.0, 20.1, ... wrapping at 40.
inline std::unique_ptr<Survey> survey(int red, int black) {
    auto survey = std::make_unique<Survey>();
    survey->setId(1);
    survey->setHardwareId(1);
    survey->setSurveyDate(QStringLiteral("Mon 12 Mar 2007 10:20:30"));
    survey->setReference(QStringLiteral("Station Nord cuve 3"));
    survey->setRedValue(23.5);
    survey->setBlackValue(40);
    int r = 0;
    int b = 0;
    while (r < red || b < black) {
        if (r < red) {
            ++r;
            survey->appendData(Data(1, r, 20 + (r % 200) / 10.0, 'R'));
        }
        if (b < black) {
            ++b;
            survey->appendData(Data(1, b, 30 + (b % 100) / 10.0, 'B'));
        }
    }
    survey->setNbMeasurements(red + black);
    return survey;
}

inline Hardware hardware() {
    Hardware set;
    set.setId(1);
    set.setSerialSwitchBox(4711);
    set.setSerialNbVEK(1234);
    set.setSerialNbPCB(99);
    return set;
}

inline TankTestFormValues form(int tankIndex = 0) {
    TankTestFormValues values;
    values.tankIndex = tankIndex;
    values.tank = tankIndex == 0 ? QStringLiteral("Of a tank or a compartment")
                                 : QStringLiteral("Of a tank or a compartment and its associated "
                                                  "piping");
    values.operatorName = QStringLiteral("Jean Dupont");
    values.tankowner = QStringLiteral("Garage Central");
    values.address = QStringLiteral("12 rue des Lilas");
    values.zipcode = QStringLiteral("67000");
    values.city = QStringLiteral("Strasbourg");
    values.country = QStringLiteral("France");
    values.implant = QStringLiteral("A-17");
    values.productLvl = QStringLiteral("1.20");
    values.waterLvl = QStringLiteral("3");
    values.depressionType = QStringLiteral("150");
    values.waterYes = false;
    values.depressedYes = true;
    values.cleanBeforeYes = false;
    values.nature = QStringLiteral("Single compartment tank");
    values.situation = QStringLiteral("Underground");
    values.capacite = QStringLiteral("30000");
    values.type = QStringLiteral("Steel double-wall");
    values.stock = QStringLiteral("Diesel");
    values.result = QStringLiteral("Tight");
    values.repere = QStringLiteral("C3");
    values.mainComment = QStringLiteral("First line of the comment\nSecond line");
    values.signataire = QStringLiteral("J. Dupont");
    return values;
}

inline SupplierRecord supplier() {
    return {QStringLiteral("Tank Services SA"),
            QStringLiteral("5 avenue de l'Europe"),
            QStringLiteral("67300"),
            QStringLiteral("Schiltigheim"),
            QStringLiteral("France"),
            QStringLiteral("03 88 00 00 00"),
            QStringLiteral("03 88 00 00 01"),
            QStringLiteral("contact@tank-services.example"),
            QStringLiteral("www.tank-services.example")};
}

inline void writePicture(const QString &path, QSize size, Qt::GlobalColor color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    image.save(path, "BMP");
}

// A program folder with the shipped project and two graph pictures.
class ProgramFolder {
public:
    ProgramFolder() {
        QDir(m_dir.path()).mkpath(QStringLiteral("Preferences"));
        QDir(m_dir.path()).mkpath(QStringLiteral("Pictures"));
        QFile::copy(QStringLiteral(DIST_DIR "/Preferences/Report.rav"),
                    path(QStringLiteral("Preferences/Report.rav")));
        writePicture(path(QStringLiteral("Pictures/graphRedSensor.bmp")), QSize(600, 300), Qt::red);
        writePicture(path(QStringLiteral("Pictures/graphBlackSensor.bmp")), QSize(600, 300),
                     Qt::darkGray);
    }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    ReportRequest request(const Survey &survey, const Hardware &hardware) const {
        ReportRequest request;
        request.survey = &survey;
        request.hardware = &hardware;
        setProgramFiles(request, m_dir.path());
        request.pdfFile = path(QStringLiteral("Report.pdf"));
        request.reportDate = QStringLiteral("11/12/2026");
        request.letterhead = supplier();
        request.establishedCity = QStringLiteral("Schiltigheim");
        return request;
    }

private:
    QTemporaryDir m_dir;
};

} // namespace fixture
