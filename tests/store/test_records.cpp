// The records' text renderings, on records built by hand.

#include "kalvo/store/data.h"
#include "kalvo/store/numbertext.h"
#include "kalvo/store/survey.h"

#include <QLocale>
#include <QTest>
#include <stdexcept>

namespace {

const QString kMu = QStringLiteral("dB\u00B5V");

Survey surveyWith(const QString &date, std::initializer_list<std::pair<double, char>> values) {
    Survey survey;
    survey.setSurveyDate(date);
    int red = 1, black = 1;
    for (auto [value, sensor] : values)
        survey.appendData(Data(1, sensor == 'B' ? black++ : red++, value, sensor));
    survey.setNbMeasurements(int(survey.dataList().size()));
    return survey;
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void valueAlignment_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("one digit") << 5.2 << "   5.2\n";
        QTest::newRow("zero") << 0.0 << "   0\n";
        QTest::newRow("two digits") << 23.4 << "  23.4\n";
        QTest::newRow("exactly 10") << 10.0 << "  10\n";
        QTest::newRow("negative one digit") << -5.2 << "  -5.2\n";
        QTest::newRow("exactly -10") << -10.0 << " -10\n";
        QTest::newRow("negative two digits") << -23.4 << " -23.4\n";
        QTest::newRow("three digits") << 123.4 << "  123.4\n";
        QTest::newRow("just under 10") << 9.9 << "   9.9\n";
        QTest::newRow("fifteen digits") << 1.0 / 3 << "   0.333333333333333\n";
    }
    void valueAlignment() {
        QFETCH(double, value);
        QFETCH(QString, line);
        QCOMPARE(Data(1, 1, value, 'R').valueLine(), line);
    }

    void valueTextNamesTheSensor() {
        QCOMPARE(Data(1, 1, 23.4, 'R').valueText(), "  23.4\t" + kMu + " Red sensor\n");
        QCOMPARE(Data(1, 1, 5.2, 'B').valueText(), "   5.2\t" + kMu + " Black sensor\n");
        // Any code other than 'B' is the red sensor.
        QCOMPARE(Data(1, 1, 1, 'x').valueText(), "   1\t" + kMu + " Red sensor\n");
    }

    void commaLocaleUsesItsSeparator() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const Data data(1, 1, 23.4, 'R');
        QCOMPARE(data.dataValue(), 23.4);
        QCOMPARE(data.valueText(), "  23,4\t" + kMu + " Red sensor\n");
        // No group separator, whatever the magnitude.
        QCOMPARE(numberText(12345.5), QStringLiteral("12345,5"));
    }

    void surveyTextWithAndWithoutBases() {
        Survey survey = surveyWith(QStringLiteral("Mon 12 Mar 2007 10:20:30"),
                                   {{23.4, 'R'}, {5.2, 'B'}, {99, 'R'}});
        survey.setNbMeasurements(2); // only the announced count is shown
        survey.setPressure(300);
        survey.setBlackValue(23.4);
        survey.setRedValue(-4.5);
        survey.setReference(QStringLiteral("TANK 1"));
        const QString tail = QStringLiteral("Reference= TANK 1\n") + "  23.4\t" + kMu +
                             " Red sensor\n" + "   5.2\t" + kMu + " Black sensor\n\n";
        const QString head = QStringLiteral("Survey started on Mon 12 Mar 2007 10:20:30\n\n"
                                            "Measurements number = 2\nPressure = 300 mBar\n");
        QCOMPARE(survey.surveyText(),
                 head + "Base measurement for black sensor = 23.4 db\u00B5V\n" +
                     "Base measurement for red sensor = -4.5 db\u00B5V\n" + tail);

        survey.setNoBlackBase(true);
        QCOMPARE(survey.surveyText(),
                 head + "Base measurement for black sensor = --.- db\u00B5V\n" +
                     "Base measurement for red sensor = -4.5 db\u00B5V\n" + tail);

        survey.setNoBaseValues(true);
        QCOMPARE(survey.surveyText(), head + tail);
    }

    void numberedValueLists() {
        Survey survey = surveyWith(QStringLiteral("Mon 12 Mar 2007 10:20:30"), {});
        std::vector<Data> values;
        for (int n = 1; n <= 100; ++n)
            values.emplace_back(1, n, n == 100 ? 7.5 : 20.0, 'R');
        values.emplace_back(1, 1, -1.5, 'B');
        survey.setDataList(values);
        survey.setNbMeasurements(101);

        const QStringList red = survey.redValuesText().split(QLatin1Char('\n'));
        QCOMPARE(red.size(), 102); // 100 lines, the closing empty line, and the end
        QCOMPARE(red[0], "  1)  20\t" + kMu + " Red sensor");
        QCOMPARE(red[9], " 10)  20\t" + kMu + " Red sensor");
        QCOMPARE(red[99], "100)   7.5\t" + kMu + " Red sensor");
        QCOMPARE(survey.blackValuesText(), "  1)  -1.5\t" + kMu + " Black sensor\n\n");

        Survey blackOnly = surveyWith(QString(), {{1, 'B'}});
        QCOMPARE(blackOnly.redValuesText(), QStringLiteral("\n"));
    }

    void dateTexts_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("french");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("time12");
        QTest::addColumn<QString>("time24");
        QTest::newRow("morning") << "Mon 12 Mar 2007 10:20:30"
                                 << "Lundi 12 Mars 2007"
                                 << "Monday 12th of March 2007"
                                 << "10:20:30 am"
                                 << "10:20:30";
        QTest::newRow("first") << "Thu 01 Feb 2007 13:05:00"
                               << "Jeudi 01 F\u00E9vrier 2007"
                               << "Thirsday 01st of February 2007"
                               << "1:05:00 pm"
                               << "13:05:00";
        QTest::newRow("second") << "Fri 02 Mar 2007 12:30:00"
                                << "Vendredi 02 Mars 2007"
                                << "Friday 02nd of March 2007"
                                << "12:30:00 pm"
                                << "12:30:00";
        QTest::newRow("third") << "Sat 03 Aug 2008 00:15:00"
                               << "Samedi 03 Aout 2008"
                               << "Saturday 03rd of August 2008"
                               << "0:15:00 am"
                               << "00:15:00";
        QTest::newRow("21st") << "Sun 21 Dec 2008 23:59:59"
                              << "Dimanche 21 D\u00E9cembre 2008"
                              << "Sunday 21th of December 2008"
                              << "11:59:59 pm"
                              << "23:59:59";
        QTest::newRow("22nd") << "Wed 22 Oct 2008 11:00:00"
                              << "Mercredi 22 Octobre 2008"
                              << "Wednesday 22th of October 2008"
                              << "11:00:00 am"
                              << "11:00:00";
        QTest::newRow("unknown words") << "mon 22 March 2008 11:00:00"
                                       << "22 2008"
                                       << "22th of 2008"
                                       << "11:00:00 am"
                                       << "11:00:00";
    }
    void dateTexts() {
        QFETCH(QString, date);
        Survey survey;
        survey.setSurveyDate(date);
        QTEST(survey.frenchDateText(), "french");
        QTEST(survey.englishDateText(), "english");
        QTEST(survey.time12Text(), "time12");
        QTEST(survey.time24Text(), "time24");
    }

    void time12RejectsAnHourThatIsNoNumber() {
        Survey survey;
        survey.setSurveyDate(QStringLiteral("Mon 12 Mar 2007 xx:20:30"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, survey.time12Text());
        survey.setSurveyDate(QStringLiteral("Mon 12 Mar 2007 1 :20:30"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, survey.time12Text());
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
