// The INI reader and writer behind preference.ini.
#include "common/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void readString_data();
    void readString();
    void writeString_data();
    void writeString();
    void valuesNeverAddLines_data();
    void valuesNeverAddLines();
    void missingFileReadsEmptyAndIsCreatedWithItsFolder();
    void saveFailureLeavesFileAndReports();
    void unreadableFileIsNeverOverwritten();
    void windows1252RoundTrip();
};

void TestIniFile::readString_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QByteArray lang = "[Language]\nLanguage=FR\n";
    QTest::newRow("exact") << lang << "Language"
                           << "Language"
                           << "FR";
    QTest::newRow("names without case") << lang << "LANGUAGE"
                                        << "language"
                                        << "FR";
    QTest::newRow("value keeps its case") << QByteArray("[Language]\nLanguage=fr\n") << "Language"
                                          << "Language"
                                          << "fr";
    QTest::newRow("blanks around") << QByteArray(" [ owner ] \r\n  city  =  Lyon  \r\n") << "owner"
                                   << "city"
                                   << "Lyon";
    QTest::newRow("missing key") << lang << "Language"
                                 << "Other"
                                 << "default";
    QTest::newRow("missing section") << lang << "owner"
                                     << "Language"
                                     << "default";
    QTest::newRow("key of another section") << QByteArray("[a]\nx=1\n[b]\ny=2\n") << "b"
                                            << "x"
                                            << "default";
    QTest::newRow("first section wins") << QByteArray("[a]\nx=1\n[A]\nx=2\n") << "a"
                                        << "x"
                                        << "1";
    QTest::newRow("first key wins") << QByteArray("[a]\nx=1\nX=2\n") << "a"
                                    << "x"
                                    << "1";
    QTest::newRow("empty value") << QByteArray("[a]\nx=\n") << "a"
                                 << "x"
                                 << "";
    QTest::newRow("equals in value") << QByteArray("[a]\nx=1=2\n") << "a"
                                     << "x"
                                     << "1=2";
    QTest::newRow("comment line") << QByteArray("[a]\n;x=1\n") << "a"
                                  << "x"
                                  << "default";
    QTest::newRow("no final newline") << QByteArray("[a]\nx=1") << "a"
                                      << "x"
                                      << "1";
    QTest::newRow("entry before any section") << QByteArray("x=0\n[a]\n") << "a"
                                              << "x"
                                              << "default";
    QTest::newRow("garbage") << QByteArray("\x01\xff[\n=\n]]\n") << "a"
                             << "x"
                             << "default";
}

void TestIniFile::readString() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    IniFile ini;
    ini.parse(file);
    QCOMPARE(ini.readString(section, key, QStringLiteral("default")), expected);
}

void TestIniFile::writeString_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("empty file") << QByteArray() << "Language"
                                << "Language"
                                << "EN" << QByteArray("[Language]\nLanguage=EN\n");
    QTest::newRow("replace, spelling of the file kept")
        << QByteArray("; prefs\n[LANGUAGE]\nlanguage = FR\n[owner]\ncity=Lyon\n") << "Language"
        << "Language"
        << "DAN" << QByteArray("; prefs\n[LANGUAGE]\nlanguage=DAN\n[owner]\ncity=Lyon\n");
    QTest::newRow("new key at end of its section, before blank lines")
        << QByteArray("[owner]\ncity=Lyon\n\n[Language]\nLanguage=EN\n") << "owner"
        << "tel"
        << "12" << QByteArray("[owner]\ncity=Lyon\ntel=12\n\n[Language]\nLanguage=EN\n");
    QTest::newRow("new section appended, CR LF kept")
        << QByteArray("[Language]\r\nLanguage=EN\r\n") << "owner"
        << "city"
        << "Lyon" << QByteArray("[Language]\r\nLanguage=EN\r\n[owner]\r\ncity=Lyon\r\n");
    QTest::newRow("file without final newline") << QByteArray("[a]\nx=1") << "a"
                                                << "y"
                                                << "2" << QByteArray("[a]\nx=1\ny=2\n");
    QTest::newRow("value without change keeps other bytes")
        << QByteArray("[a]\nx=1\n\n\nweird line\n") << "a"
        << "x"
        << "1" << QByteArray("[a]\nx=1\n\n\nweird line\n");
    QTest::newRow("line ends kept line by line, new lines as the first")
        << QByteArray("[a]\r\nx=1\nweird\r\r\n") << "a"
        << "y"
        << "2" << QByteArray("[a]\r\nx=1\nweird\r\r\ny=2\r\n");
    QTest::newRow("last line without line end, ending in CR")
        << QByteArray("[a]\nx=1\r") << "b"
        << "y"
        << "2" << QByteArray("[a]\nx=1\r\n[b]\ny=2\n");
    QTest::newRow("empty value") << QByteArray("[a]\nx=1\n") << "a"
                                 << "x"
                                 << "" << QByteArray("[a]\nx=\n");
}

void TestIniFile::writeString() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    IniFile ini;
    ini.parse(before);
    ini.writeString(section, key, value);
    QCOMPARE(ini.toBytes(), after);
    QCOMPARE(ini.readString(section, key), value);
}

void TestIniFile::valuesNeverAddLines_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    QTest::newRow("LF") << "Lyon\n[Language]\nLanguage=FR"
                        << "Lyon[Language]Language=FR";
    QTest::newRow("CR") << "a\rb"
                        << "ab";
    QTest::newRow("CR LF at end") << "Lyon\r\n"
                                  << "Lyon";
}

void TestIniFile::valuesNeverAddLines() {
    QFETCH(QString, value);
    QFETCH(QString, stored);
    IniFile ini;
    ini.parse("[Language]\nLanguage=EN\n");
    ini.writeString(QStringLiteral("owner"), QStringLiteral("city"), value);
    const QByteArray bytes = ini.toBytes();
    QCOMPARE(bytes.count('\n'), 4);
    QVERIFY(!bytes.contains('\r'));
    IniFile reread;
    reread.parse(bytes);
    QCOMPARE(reread.readString(QStringLiteral("owner"), QStringLiteral("city")), stored);
    QCOMPARE(reread.readString(QStringLiteral("Language"), QStringLiteral("Language")),
             QStringLiteral("EN"));
}

void TestIniFile::missingFileReadsEmptyAndIsCreatedWithItsFolder() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Preferences/preference.ini"));
    IniFile ini(path);
    QVERIFY(!ini.existed());
    QVERIFY(!ini.hasSection(QStringLiteral("Language")));
    QCOMPARE(IniFile::readValue(path, QStringLiteral("Language"), QStringLiteral("Language"),
                                QStringLiteral("x")),
             QStringLiteral("x"));
    QVERIFY(IniFile::writeValue(path, QStringLiteral("Language"), QStringLiteral("Language"),
                                QStringLiteral("EN")));
    QCOMPARE(readAll(path), QByteArray("[Language]\nLanguage=EN\n"));
    // No temporary file stays behind.
    QCOMPARE(QDir(dir.filePath(QStringLiteral("Preferences"))).entryList(QDir::Files),
             QStringList{QStringLiteral("preference.ini")});
}

void TestIniFile::saveFailureLeavesFileAndReports() {
    QTemporaryDir dir;
    // The folder is a file: nothing can be created below it.
    const QString blocker = dir.filePath(QStringLiteral("Preferences"));
    writeAll(blocker, "not a folder");
    const QString path = blocker + QStringLiteral("/preference.ini");
    IniFile ini(path);
    ini.writeString(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    QVERIFY(!ini.save());
    QVERIFY(!ini.errorString().isEmpty());
    QCOMPARE(readAll(blocker), QByteArray("not a folder"));
}

void TestIniFile::unreadableFileIsNeverOverwritten() {
    QTemporaryDir dir;
    // A folder where the file should be cannot be read as a file.
    const QString path = dir.filePath(QStringLiteral("preference.ini"));
    QVERIFY(QDir().mkpath(path));
    QVERIFY(
        !IniFile::writeValue(path, QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")));
    QVERIFY(QFileInfo(path).isDir());
}

void TestIniFile::windows1252RoundTrip() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("preference.ini"));
    writeAll(path, "[owner]\nowner=Soci\xe9t\xe9 \x80\n");
    QCOMPARE(IniFile::readValue(path, QStringLiteral("owner"), QStringLiteral("owner")),
             QStringLiteral(u"Société €"));
    QVERIFY(IniFile::writeValue(path, QStringLiteral("owner"), QStringLiteral("city"),
                                QStringLiteral(u"København")));
    QCOMPARE(readAll(path), QByteArray("[owner]\nowner=Soci\xe9t\xe9 \x80\ncity=K\xf8"
                                       "benhavn\n"));
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
