// Reading survey documents into the store.

#include "goldenfile.h"

#include "common/win1252.h"
#include "kalvo/store/importfailure.h"
#include "kalvo/store/tmd.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kMu("dB\xB5V");

QString dataFile(const char *name) { return QStringLiteral(TEST_DATA_DIR "/") + name; }

// A well-formed block as Survey writes it, with `values` given as (tenths-free
// text, sensor word) pairs.
QByteArray block(const QByteArray &date, const QList<QPair<QByteArray, QByteArray>> &values,
                 const QByteArray &reference = "R1", const QByteArray &serials = "1 2 3") {
    const QList<QByteArray> serial = serials.split(' ');
    QByteArray text = "Survey started on " + date + "\n\n measurements = " +
                      QByteArray::number(values.size()) + "\nSerial switchbox " + serial[0] +
                      "\nSerial number SONVAR " + serial[1] + "\nSerial number PCB SONVAR " +
                      serial[2] + "\nPressure = 300 mBar\n" +
                      "Base measurement for black sensor =  23.4\t" + kMu + "\n" +
                      "Base measurement for red sensor =  -4.5\t" + kMu + "\n" +
                      "Reference: " + reference + "\n";
    for (const auto &[value, sensor] : values)
        text += value + "\t" + kMu + " \t" + sensor + " sensor \n";
    return text + "\n\n\n\n";
}

class Document {
public:
    explicit Document(const QByteArray &bytes) : m_path(m_dir.filePath(QStringLiteral("doc.VEK"))) {
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(m_path));
    }
    const QString &path() const { return m_path; }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Every rendering of every survey, as the bytes a Windows-1252 file would hold.
QByteArray allRenderings(const TMD &store) {
    QByteArray out;
    for (const auto &survey : store.surveyList()) {
        out += "=== survey " + QByteArray::number(survey->id()) + " of hardware " +
               QByteArray::number(survey->hardwareId()) + "\n";
        out += win1252::encode(survey->surveyText());
        out += "--- red\n" + win1252::encode(survey->redValuesText());
        out += "--- black\n" + win1252::encode(survey->blackValuesText());
        out += "--- dates\n" + win1252::encode(survey->frenchDateText()) + "\n" +
               win1252::encode(survey->englishDateText()) + "\n" +
               win1252::encode(survey->time12Text()) + "\n" +
               win1252::encode(survey->time24Text()) + "\n";
    }
    return out;
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void placeholder() { QVERIFY(true); }
};

QTEST_GUILESS_MAIN(TestImport)
#include "test_import.moc"
