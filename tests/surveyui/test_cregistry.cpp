// CRegistry over the per-user store, and the serial devices the port dialog offers.

#include "survey/ui/cregistry.h"
#include "survey/ui/serialdevices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCRegistry : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = m_dir->filePath(QStringLiteral("VEK"));
    }

    void openPathRules_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("opens");
        QTest::newRow("current user") << "HKEY_CURRENT_USER\\Software\\VEK\\Vatro" << true;
        QTest::newRow("classes root") << "HKEY_CLASSES_ROOT\\x" << true;
        QTest::newRow("local machine") << "HKEY_LOCAL_MACHINE\\Software\\VEK" << true;
        QTest::newRow("users") << "HKEY_USERS\\x" << true;
        QTest::newRow("current config") << "HKEY_CURRENT_CONFIG\\x" << true;
        QTest::newRow("root in lower case") << "hkey_current_user\\Software" << false;
        QTest::newRow("unknown root") << "HKEY_SOMEWHERE\\Software" << false;
        QTest::newRow("no backslash") << "HKEY_CURRENT_USER" << false;
        QTest::newRow("empty") << "" << false;
        const QString root = QStringLiteral("HKEY_CURRENT_USER\\");
        QTest::newRow("255 characters")
            << root + QString(255 - root.size(), QLatin1Char('k')) << true;
        QTest::newRow("256 characters")
            << root + QString(256 - root.size(), QLatin1Char('k')) << false;
    }
    void openPathRules() {
        QFETCH(QString, path);
        QFETCH(bool, opens);
        CRegistry registry(m_store);
        QCOMPARE(registry.Open(path), opens);
        QCOMPARE(registry.isOpen(), opens);
        if (!opens)
            QCOMPARE(registry.lastError(), EINVAL);
    }

    void firstRunCreatesTheKeyWithoutValue() {
        CRegistry registry(m_store);
        QVERIFY(!QFile::exists(registry.storeFile()));
        QVERIFY(registry.Open(kKey));
        QVERIFY(QFile::exists(registry.storeFile()));
        uint32_t port = 7;
        QVERIFY(!registry.ReadDword(QStringLiteral("ComPort"), port));
        QCOMPARE(port, 7u); // untouched on failure
    }

    void valuesSurviveAnotherObject() {
        {
            CRegistry registry(m_store);
            QVERIFY(registry.Open(kKey));
            QVERIFY(registry.WriteDword(QStringLiteral("ComPort"), 2));
        }
        CRegistry again(m_store);
        QVERIFY(again.Open(QStringLiteral("HKEY_CURRENT_USER\\software\\vek\\VATRO\\")));
        uint32_t port = 0;
        QVERIFY(again.ReadDword(QStringLiteral("comport"), port)); // names without case
        QCOMPARE(port, 2u);
    }

    void twoObjectsSeeEachOthersWrites() {
        CRegistry first(m_store), second(m_store);
        QVERIFY(first.Open(kKey));
        QVERIFY(second.Open(kKey));
        QVERIFY(first.WriteDword(QStringLiteral("ComPort"), 20));
        uint32_t port = 0;
        QVERIFY(second.ReadDword(QStringLiteral("ComPort"), port));
        QCOMPARE(port, 20u);
        QVERIFY(second.WriteDword(QStringLiteral("ComPort"), 0xFFFFFFFFu));
        QVERIFY(first.ReadDword(QStringLiteral("ComPort"), port));
        QCOMPARE(port, 0xFFFFFFFFu);
    }

    void keysAreSeparate() {
        CRegistry a(m_store), b(m_store);
        QVERIFY(a.Open(kKey));
        QVERIFY(b.Open(QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\VEK\\Vatro")));
        QVERIFY(a.WriteDword(QStringLiteral("ComPort"), 3));
        uint32_t port = 0;
        QVERIFY(!b.ReadDword(QStringLiteral("ComPort"), port));
    }

    void failedOpenKeepsTheKeyHeldBefore() {
        CRegistry registry(m_store);
        QVERIFY(registry.Open(kKey));
        QVERIFY(!registry.Open(QStringLiteral("nowhere")));
        QCOMPARE(registry.path(), QStringLiteral("HKEY_CURRENT_USER\\Software\\VEK\\Vatro"));
        QVERIFY(registry.WriteDword(QStringLiteral("ComPort"), 1));
    }

    void withoutOpenKeyNothingIsReadOrWritten() {
        CRegistry registry(m_store);
        uint32_t port = 0;
        QVERIFY(!registry.ReadDword(QStringLiteral("ComPort"), port));
        QVERIFY(!registry.WriteDword(QStringLiteral("ComPort"), 1));
        QVERIFY(!QFile::exists(registry.storeFile()));
    }

    void storeThatCannotBeCreatedFailsToOpen() {
        // A file where the store folder should be: no folder can be made there,
        // whoever runs the test.
        QFile blocker(m_store);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        CRegistry registry(m_store);
        QVERIFY(!registry.Open(kKey));
        QVERIFY(registry.lastError() != 0);
    }

    void presentDevicesInTheirGroupsAndNaturalOrder() {
        const QString dev = m_dir->filePath(QStringLiteral("dev"));
        QVERIFY(QDir().mkpath(dev + QStringLiteral("/serial/by-id")));
        for (const char *name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS1", "ttyS0", "tty0",
                                 "ttyprintk", "serial/by-id/usb-FTDI_SONVAR-if00"}) {
            QFile file(dev + QLatin1Char('/') + QLatin1String(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QStringList expected = {dev + QStringLiteral("/serial/by-id/usb-FTDI_SONVAR-if00"),
                                      dev + QStringLiteral("/ttyUSB2"),
                                      dev + QStringLiteral("/ttyUSB10"),
                                      dev + QStringLiteral("/ttyACM0"),
                                      dev + QStringLiteral("/ttyS0"),
                                      dev + QStringLiteral("/ttyS1")};
        QCOMPARE(presentSerialDevices(dev), expected);
        QCOMPARE(presentSerialDevices(m_dir->filePath(QStringLiteral("none"))), QStringList());
    }

private:
    const QString kKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\VEK\\Vatro");
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_store;
};

QTEST_GUILESS_MAIN(TestCRegistry)
#include "test_cregistry.moc"
