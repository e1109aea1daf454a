// The service supplier's data: DataOwner's reading and writing of section
// "owner", and the window's Ok, Cancel and limits.
#include "kalvofixture.h"

#include "common/inifile.h"
#include "kalvo/app/menu.h"
#include "kalvo/reports/owner.h"
#include "kalvo/reports/ownergui.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace {

QByteArray readAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray kEmptyOwner = "[owner]\nowner=\naddress=\nzipCode=\ncity=\ncountry=\ntel=\nfax=\n"
                               "email=\nwebSite=\n";

// Shows the supplier's data window through the main window's button and
// runs `whileShown` in it.
void withSupplierWindow(const std::function<void()> &whileShown) {
    bool ran = false;
    QTimer::singleShot(0, Form2, [&] {
        ran = true;
        whileShown();
        if (Form2->isVisible())
            Form2->ButtonCancel->click();
    });
    QTest::mouseClick(Form1->Button2, Qt::LeftButton);
    QVERIFY(ran);
}

QList<QLineEdit *> editsOf(TForm2 *form) {
    return {form->EditOwner, form->EditAddress, form->EditZipcode,
            form->EditCity,  form->EditCountry, form->EditTel,
            form->EditFax,   form->EditEmail,   form->EditWebsite};
}

} // namespace

class TestOwner : public QObject {
    Q_OBJECT
private slots:
    void readFromIni_data();
    void readFromIni();
    void writeToIniLeavesTheRestAlone();
    void windowRoundTrip();
    void cancelKeepsTheFile();
    void okWithEmptyBoxes();
    void boxLimits_data();
    void boxLimits();
    void mainWindowShowsContactAfterOk();
};

void TestOwner::readFromIni_data() {
    QTest::addColumn<QByteArray>("before"); // "-" for no file
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("tel");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("no file") << QByteArray("-") << ""
                             << "" << kEmptyOwner;
    QTest::newRow("no owner section")
        << QByteArray("[Language]\nLanguage=FR\n") << ""
        << "" << QByteArray("[Language]\nLanguage=FR\n") + kEmptyOwner;
    QTest::newRow("some keys missing: not completed")
        << QByteArray("[OWNER]\nCity=Lyon\n") << "Lyon"
        << "" << QByteArray("[OWNER]\nCity=Lyon\n");
    QTest::newRow("Windows-1252 text") << QByteArray("[owner]\ncity=K\xf8"
                                                     "benhavn\ntel=12 34\n")
                                       << u"København"_qs << "12 34"
                                       << QByteArray("[owner]\ncity=K\xf8"
                                                     "benhavn\ntel=12 34\n");
}

void TestOwner::readFromIni() {
    QFETCH(QByteArray, before);
    QFETCH(QString, city);
    QFETCH(QString, tel);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Preferences/preference.ini"));
    if (before != "-")
        writeFile(path, before);
    DataOwner owner;
    owner.readFromIni(path);
    QCOMPARE(owner.city(), city);
    QCOMPARE(owner.tel(), tel);
    QCOMPARE(owner.owner(), QString());
    QCOMPARE(readAll(path), after);
}

void TestOwner::writeToIniLeavesTheRestAlone() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("preference.ini"));
    writeFile(path, "[Language]\nLanguage=DAN\n[owner]\ncity=Old\nextra=kept\n[Operators]\n"
                    "operatorNb=1\noperator1=Ann\n");
    DataOwner owner;
    owner.setOwner(QStringLiteral("Tank Tests\nLtd")); // a line break cannot reach the file
    owner.setCity(QStringLiteral("Lyon"));
    owner.setWebSite(QStringLiteral("www.example.com"));
    owner.writeToIni(path);
    QCOMPARE(readAll(path),
             QByteArray("[Language]\nLanguage=DAN\n[owner]\ncity=Lyon\nextra=kept\nowner=Tank "
                        "TestsLtd\naddress=\nzipCode=\ncountry=\ntel=\nfax=\nemail=\n"
                        "webSite=www.example.com\n[Operators]\noperatorNb=1\noperator1=Ann\n"));
}

void TestOwner::windowRoundTrip() {
    KalvoFixture kalvo;
    kalvo.showMainWindow();
    const QStringList typed = {"Tank Tests Ltd", "1 Quay Street",    "8000",
                               "Aarhus",         "Denmark",          "+45 1234",
                               "+45 5678",       "info@example.com", "www.example.com"};
    withSupplierWindow([&] {
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Service supplier's coordinates"));
        const auto edits = editsOf(Form2);
        for (int i = 0; i < edits.size(); ++i) {
            QCOMPARE(edits[i]->text(), QString());
            edits[i]->setText(typed[i]);
        }
        QTest::mouseClick(Form2->ButtonOk, Qt::LeftButton);
        QVERIFY(!Form2->isVisible());
    });
    const IniFile file(kalvo.preferencesPath());
    const QStringList keys = {"owner", "address", "zipCode", "city",   "country",
                              "tel",   "fax",     "email",   "webSite"};
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(file.readString(QStringLiteral("owner"), keys[i]), typed[i]);
    withSupplierWindow([&] {
        const auto edits = editsOf(Form2);
        for (int i = 0; i < edits.size(); ++i)
            QCOMPARE(edits[i]->text(), typed[i]);
    });
}

void TestOwner::cancelKeepsTheFile() {
    KalvoFixture kalvo;
    writeFile(kalvo.preferencesPath(), "[Language]\nLanguage=EN\n[owner]\ncity=Lyon\n");
    kalvo.showMainWindow();
    const QByteArray before = readAll(kalvo.preferencesPath());
    withSupplierWindow([&] {
        QCOMPARE(Form2->EditCity->text(), QStringLiteral("Lyon"));
        Form2->EditCity->setText(QStringLiteral("Paris"));
        QTest::mouseClick(Form2->ButtonCancel, Qt::LeftButton);
    });
    QCOMPARE(readAll(kalvo.preferencesPath()), before);
    withSupplierWindow([&] { QCOMPARE(Form2->EditCity->text(), QStringLiteral("Lyon")); });
}

void TestOwner::okWithEmptyBoxes() {
    KalvoFixture kalvo;
    writeFile(kalvo.preferencesPath(), "[owner]\ncity=Lyon\ntel=1\n");
    kalvo.showMainWindow();
    withSupplierWindow([&] {
        for (QLineEdit *edit : editsOf(Form2))
            edit->clear();
        Form2->ButtonOk->click();
    });
    QCOMPARE(readAll(kalvo.preferencesPath()),
             QByteArray("[owner]\ncity=\ntel=\nowner=\naddress=\nzipCode=\ncountry=\nfax=\n"
                        "email=\nwebSite=\n[Language]\nLanguage=EN\n"));
}

void TestOwner::boxLimits_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("limit");
    QTest::newRow("owner") << "EditOwner" << 35;
    QTest::newRow("address") << "EditAddress" << 35;
    QTest::newRow("zip code") << "EditZipcode" << 10;
    QTest::newRow("city") << "EditCity" << 25;
    QTest::newRow("country") << "EditCountry" << 35;
    QTest::newRow("tel") << "EditTel" << 20;
    QTest::newRow("fax") << "EditFax" << 20;
    QTest::newRow("email") << "EditEmail" << 40;
    QTest::newRow("web site") << "EditWebsite" << 35;
}

void TestOwner::boxLimits() {
    QFETCH(QString, edit);
    QFETCH(int, limit);
    TForm2 form;
    auto *box = form.findChild<QLineEdit *>(edit);
    QVERIFY(box);
    QTest::keyClicks(box, QString(limit + 1, QLatin1Char('7')));
    QCOMPARE(box->text().size(), limit);
}

void TestOwner::mainWindowShowsContactAfterOk() {
    KalvoFixture kalvo;
    kalvo.showMainWindow();
    withSupplierWindow([&] {
        Form2->EditOwner->setText(QStringLiteral("Tank Tests Ltd"));
        Form2->EditCity->setText(QStringLiteral("Aarhus"));
        Form2->ButtonOk->click();
    });
    QCOMPARE(Form1->RichEdit3->toPlainText(), QStringLiteral("Tank Tests Ltd"));
    QVERIFY(Form1->RichEdit2->toPlainText().contains(QStringLiteral("Aarhus")));
}

QTEST_MAIN(TestOwner)
#include "test_owner.moc"
