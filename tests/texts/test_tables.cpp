// Every translation table: each row has English, every other offered language
// has its own text unless the row is a deliberate fallback listed here, and
// every text is a single-byte Windows-1252 text. The tank test form's item
// lists and report texts keep the shapes that the form and the reports rely on.
#include "common/win1252.h"
#include "kalvo/app/translationtable.h"
#include "kalvo/reports/fill/reporttexts.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QStringList kWindows = {"TForm1", "TForm2", "TForm3",         "TForm4",
                              "TForm5", "TForm6", "StandardButtons"};

// Rows that show English in a language on purpose: "<window>/<row>/<code>".
// The Spanish stock list has eight items; its items 8 to 10 do not exist.
const QSet<QString> kFallbacks = {
    "TForm4/ComboBoxStock.Items[8]/SP",
    "TForm4/ComboBoxStock.Items[9]/SP",
    "TForm4/ComboBoxStock.Items[10]/SP",
};

QByteArray tableFile(const QString &window) {
    QFile file(QStringLiteral(":/lang/%1.lang").arg(window));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The language codes that each row of a table file gives a line for. The
// table itself answers a missing language with English, so presence is read
// from the file.
QHash<QString, QSet<QString>> codesPerRow(const QByteArray &utf8) {
    static const QRegularExpression rowLine(QStringLiteral("^\\[(.*)\\]\\s*$"));
    static const QRegularExpression textLine(QStringLiteral("^([A-Z]+) \""));
    QHash<QString, QSet<QString>> codes;
    QString row;
    for (const QString &line : QString::fromUtf8(utf8).split(QLatin1Char('\n'))) {
        if (const auto match = rowLine.match(line); match.hasMatch())
            row = match.captured(1);
        else if (const auto text = textLine.match(line); text.hasMatch() && !row.isEmpty())
            codes[row].insert(text.captured(1));
    }
    return codes;
}

const TranslationTable &form4() {
    return TranslationTable::forWindow(QStringLiteral("TForm4"));
}

} // namespace

class TestTables : public QObject {
    Q_OBJECT
private slots:
    void everyRowInEveryLanguage_data();
    void everyRowInEveryLanguage();
    void itemListLengths_data();
    void itemListLengths();
    void itemsAsTabled_data();
    void itemsAsTabled();
    void reportTextsKeepTheirBlanksAndPlaceholders_data();
    void reportTextsKeepTheirBlanksAndPlaceholders();
};

void TestTables::everyRowInEveryLanguage_data() {
    QTest::addColumn<QString>("window");
    for (const QString &window : kWindows)
        QTest::newRow(qPrintable(window)) << window;
}

void TestTables::everyRowInEveryLanguage() {
    QFETCH(QString, window);
    const QByteArray file = tableFile(window);
    QVERIFY(!file.isEmpty());
    TranslationTable table;
    QString error;
    QVERIFY2(table.parse(file, &error), qPrintable(error));
    const auto codes = codesPerRow(file);
    QVERIFY(!table.rows().isEmpty());
    for (const QString &row : table.rows()) {
        QVERIFY2(codes.value(row).contains(QStringLiteral("EN")), qPrintable(row));
        for (int language = LanguageEnglish; language <= kLastLanguage; ++language) {
            const QString code = languageCode(language);
            const QString where = window + QLatin1Char('/') + row + QLatin1Char('/') + code;
            QVERIFY2(
                codes.value(row).contains(code) != kFallbacks.contains(where),
                qPrintable(where + (kFallbacks.contains(where) ? " has a text" : " has no text")));
            QVERIFY2(win1252::canEncode(table.text(row, language)), qPrintable(where));
        }
    }
    // Every listed fallback names a row of a table.
    for (const QString &fallback : kFallbacks)
        if (fallback.startsWith(window + QLatin1Char('/')))
            QVERIFY2(table.hasRow(fallback.section(QLatin1Char('/'), 1, 1)), qPrintable(fallback));
}

void TestTables::itemListLengths_data() {
    QTest::addColumn<QString>("component");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("spanishItems");
    QTest::newRow("tank") << "ComboBoxTank" << 3 << 3;
    QTest::newRow("nature") << "ComboBoxNature" << 2 << 2;
    QTest::newRow("situation") << "ComboBoxSituation" << 3 << 3;
    QTest::newRow("type") << "ComboBoxType" << 3 << 3;
    QTest::newRow("stock: eight items in Spanish") << "ComboBoxStock" << 11 << 8;
    QTest::newRow("result") << "ComboBoxResult" << 2 << 2;
    for (int row = 1; row <= 10; ++row) {
        const QByteArray n = QByteArray::number(row);
        QTest::newRow("pipe type " + n) << "ComboBoxNatureCanal" + QString::number(row) << 7 << 7;
        QTest::newRow("pipe material " + n) << "ComboBoxMat" + QString::number(row) << 4 << 4;
        QTest::newRow("pipe tight " + n) << "ComboBoxEtanche" + QString::number(row) << 3 << 3;
    }
}

void TestTables::itemListLengths() {
    QFETCH(QString, component);
    QFETCH(int, items);
    QFETCH(int, spanishItems);
    for (int language = LanguageEnglish; language <= kLastLanguage; ++language) {
        const QStringList list = form4().items(component, language);
        QCOMPARE(list.size(), language == LanguageSpanish ? spanishItems : items);
        // The pipe lists open with the empty item that blanks a cell again.
        if (!component.startsWith(QLatin1String("ComboBoxNatureCanal")) &&
            !component.startsWith(QLatin1String("ComboBoxMat")) &&
            !component.startsWith(QLatin1String("ComboBoxEtanche")))
            continue;
        QCOMPARE(list.first(), QString());
    }
}

void TestTables::itemsAsTabled_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("language");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Spanish stock ends with Otros")
        << "ComboBoxStock.Items[7]" << int(LanguageSpanish) << QByteArray("Otros");
    QTest::newRow("Spanish stock item 4")
        << "ComboBoxStock.Items[4]" << int(LanguageSpanish) << QByteArray("Gasoil Calefaccion");
    QTest::newRow("French stock item 7")
        << "ComboBoxStock.Items[7]" << int(LanguageFrench) << QByteArray("Clam-C");
    QTest::newRow("Danish stock item 9")
        << "ComboBoxStock.Items[9]" << int(LanguageDanish) << QByteArray("H\xf8j Oktan fuel");
    QTest::newRow("English compartment, leading blank")
        << "ComboBoxNature.Items[1]" << int(LanguageEnglish) << QByteArray(" Compartment");
    QTest::newRow("Dutch single wall, trailing blank")
        << "ComboBoxType.Items[0]" << int(LanguageDutch) << QByteArray("Staal enkelwandig ");
    QTest::newRow("German coated steel as spelt")
        << "ComboBoxMat4.Items[2]" << int(LanguageGerman) << QByteArray("Beschichteter Sathl");
    QTest::newRow("Italian uncoated steel as spelt")
        << "ComboBoxMat1.Items[1]" << int(LanguageItalian) << QByteArray("Acciao non rivestito");
    QTest::newRow("French result")
        << "ComboBoxResult.Items[0]" << int(LanguageFrench) << QByteArray("\xe9tanche");
    QTest::newRow("Spanish yes") << "ComboBoxEtanche10.Items[1]" << int(LanguageSpanish)
                                 << QByteArray("Si");
    // The Spanish suction items differ in pipe rows 3 to 9.
    for (int pipe = 1; pipe <= 10; ++pipe) {
        const bool linea = pipe >= 3 && pipe <= 9;
        const QString prefix = QStringLiteral("ComboBoxNatureCanal%1.Items[").arg(pipe);
        QTest::newRow(qPrintable(QStringLiteral("Spanish primary suction, row %1").arg(pipe)))
            << prefix + "3]" << int(LanguageSpanish)
            << QByteArray(linea ? "Linea de succi\xf3n primaria" : "Succi\xf3n primaria");
        QTest::newRow(qPrintable(QStringLiteral("Spanish secondary suction, row %1").arg(pipe)))
            << prefix + "4]" << int(LanguageSpanish)
            << QByteArray(linea ? "Linea de succi\xf3n secundaria" : "Succi\xf3n secundaria");
        QTest::newRow(qPrintable(QStringLiteral("French primary suction, row %1").arg(pipe)))
            << prefix + "3]" << int(LanguageFrench) << QByteArray("Aspiration primaire");
    }
}

void TestTables::itemsAsTabled() {
    QFETCH(QString, row);
    QFETCH(int, language);
    QFETCH(QByteArray, bytes);
    QCOMPARE(win1252::encode(form4().text(row, language)), bytes);
}

void TestTables::reportTextsKeepTheirBlanksAndPlaceholders_data() {
    QTest::addColumn<int>("ids");
    for (int id : ReportTexts::usedIds())
        QTest::newRow(qPrintable(QStringLiteral("IDS_%1").arg(id))) << id;
    for (int id : {45, 46, 47, 54, 56, 57, 62, 81, 82, 140, 411})
        QTest::newRow(qPrintable(QStringLiteral("IDS_%1").arg(id))) << id;
}

// A report label runs on into the value printed after it and a message is
// put together from pieces: the blanks at either end and the %n placeholders
// of the English text must survive translation.
void TestTables::reportTextsKeepTheirBlanksAndPlaceholders() {
    QFETCH(int, ids);
    const QString row = QStringLiteral("IDS_%1").arg(ids);
    QVERIFY(form4().hasRow(row));
    const QString english = form4().text(row, LanguageEnglish);
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList englishPlaceholders;
    for (const auto &match : placeholder.globalMatch(english))
        englishPlaceholders << match.captured();
    for (int language = LanguageFrench; language <= kLastLanguage; ++language) {
        const QString text = form4().text(row, language);
        const QString where = row + QLatin1Char('/') + languageCode(language);
        QVERIFY2(!text.trimmed().isEmpty() || english.trimmed().isEmpty(), qPrintable(where));
        QVERIFY2(text.endsWith(QLatin1Char(' ')) == english.endsWith(QLatin1Char(' ')),
                 qPrintable(where));
        QVERIFY2(text.startsWith(QLatin1Char(' ')) == english.startsWith(QLatin1Char(' ')),
                 qPrintable(where));
        QVERIFY2(text.count(QLatin1Char('\n')) == english.count(QLatin1Char('\n')),
                 qPrintable(where));
        QStringList placeholders;
        for (const auto &match : placeholder.globalMatch(text))
            placeholders << match.captured();
        QCOMPARE(placeholders, englishPlaceholders);
    }
}

QTEST_GUILESS_MAIN(TestTables)
#include "test_tables.moc"
