#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>

namespace
{
QString PluginDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plugins");
}

QByteArray CorpusEdidHex(const char* szFile)
{
    QFile file(QFINDTESTDATA(QStringLiteral("data/edid/hex/") + QLatin1String(szFile)));
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

// Reads a feature through the service, as the pages do.
QString Read(const QString& strFeature)
{
    const QStringList listParts = strFeature.split(QLatin1Char('/'));
    if (listParts.size() == 1)
        return CDDCUtil::GetInstance()->GetVcp(strFeature);
    const QString strData = listParts.at(0) == VCP_EE_SELECT ? VCP_EE_DATA : VCP_F0_DATA;
    return CDDCUtil::GetInstance()->GetSubVcp(listParts.at(0), strData, listParts.at(1), 0);
}

void Write(const QString& strFeature, int nValue)
{
    const QStringList listParts = strFeature.split(QLatin1Char('/'));
    if (listParts.size() == 1) {
        CDDCUtil::GetInstance()->SetVcp(strFeature, QString::number(nValue));
        return;
    }
    const QString strData = listParts.at(0) == VCP_EE_SELECT ? VCP_EE_DATA : VCP_F0_DATA;
    CDDCUtil::GetInstance()->SetSubVcp(listParts.at(0), strData, listParts.at(1), QString::number(nValue));
}
}

// The simulated monitor: its configuration file, factory state, ranges, failures and transcript.
class TestSimMonitor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The plug-in reads Monitor.sim.json when it is created, on the first use of the service.
        const QByteArray baConfig = "{\"transcript\":\"sim-test-transcript.log\",\"monitors\":["
                                    "{\"edid\":\"" + CorpusEdidHex("AAA8542_E27C769CDF53.hex") + "\"},"
                                    "{\"edid\":\"" + CorpusEdidHex("ACB049B_E63B794062B0.hex") + "\"},"
                                    "{\"getMs\":60,\"setMs\":40,\"refreshHz\":120}]}";
        QFile file(PluginDir() + QStringLiteral("/Monitor.sim.json"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(baConfig);
        file.close();

        CLogCapture log;
        CDDCUtil::GetInstance()->Init();
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor",
                        "0Display: AAA8542, Monitor Name: CR340HDU, Manufacturer: -, Product Code: -."));
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor",
                        "0Display: ACB049B, Monitor Name: QHD270, Manufacturer: -, Product Code: -."));
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor",
                        "0Display: ZVO27A3, Monitor Name: ZVO SIM3, Manufacturer: -, Product Code: -."));
        QList<MonitorInfo> listMonitors;
        CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
        QCOMPARE(listMonitors.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(listMonitors.at(i).nMonitorId, i);
    }
    void cleanupTestCase() { QFile::remove(PluginDir() + QStringLiteral("/Monitor.sim.json")); }

    void fileConfiguration()
    {
        // Still the file's monitors: the transcript file gets every line at once.
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);
        CDDCUtil::GetInstance()->SetVcp(VCP_BRIGHTNESS, QStringLiteral("0x20"));
        QCOMPARE(CDDCUtil::GetInstance()->GetVcp(VCP_BRIGHTNESS), QStringLiteral("32"));
        QFile transcript(PluginDir() + QStringLiteral("/sim-test-transcript.log"));
        QVERIFY(transcript.open(QIODevice::ReadOnly));
        const QStringList listLines = QString::fromUtf8(transcript.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(listLines, TestSupport::Transcript());
        QCOMPARE(listLines.mid(listLines.size() - 2), (QStringList{"SET 1 0x10 32", "GET 1 0x10 32"}));

        // The third monitor is slow.
        CDDCUtil::GetInstance()->SetCurrentMonitor(2);
        QElapsedTimer timer;
        timer.start();
        CDDCUtil::GetInstance()->GetVcp(VCP_CONTRAST);
        QVERIFY(timer.elapsed() >= 55);
        timer.restart();
        CDDCUtil::GetInstance()->SetVcp(VCP_CONTRAST, QStringLiteral("10"));
        QVERIFY(timer.elapsed() >= 40);
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(2), 120);
    }

    void factoryResetRestores()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"values":{"0x10":75}},{}]})"));
        const QStringList listFeatures = {"0x10", "0x12", "0xEE/0x02", "0xF0/0x11", "0x14"};
        const QList<int> listFactory = {75, 50, 0, 50, 6};
        const QList<int> listChanged = {20, 30, 2, 10, 11};
        for (int i = 0; i < listFeatures.size(); ++i)
            Write(listFeatures.at(i), listChanged.at(i));
        CDDCUtil::GetInstance()->SetCurrentMonitor(1);
        Write(QStringLiteral("0x10"), 33);
        CDDCUtil::GetInstance()->SetCurrentMonitor(0);

        CDDCUtil::GetInstance()->SetVcp(VCP_FACTORY_RESET, QStringLiteral("0x00"));
        for (int i = 0; i < listFeatures.size(); ++i)
            QCOMPARE(TestSupport::Sim()->Value(0, listFeatures.at(i)), listChanged.at(i));

        CDDCUtil::GetInstance()->SetVcp(VCP_FACTORY_RESET, QStringLiteral("0x01"));
        for (int i = 0; i < listFeatures.size(); ++i)
            QCOMPARE(Read(listFeatures.at(i)).toInt(), listFactory.at(i));
        // Only the monitor that was told.
        QCOMPARE(TestSupport::Sim()->Value(1, QStringLiteral("0x10")), 33);
    }

    void writesOutsideTheRangeAreIgnored_data()
    {
        QTest::addColumn<QString>("feature");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("after");
        QTest::newRow("brightness 100") << "0x10" << 100 << 100;
        QTest::newRow("brightness 101") << "0x10" << 101 << 80;
        QTest::newRow("brightness -1") << "0x10" << -1 << 80;
        QTest::newRow("sharpness 11") << "0x87" << 11 << 5;
        QTest::newRow("MPRT 3") << "0xEE/0x02" << 3 << 0;
        QTest::newRow("crosshair colour 0") << "0xF0/0x08" << 0 << 1;
    }
    void writesOutsideTheRangeAreIgnored()
    {
        QFETCH(QString, feature);
        QFETCH(int, value);
        QFETCH(int, after);
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{}]})"));
        Write(feature, value);
        QCOMPARE(TestSupport::Sim()->Value(0, feature), after);
    }

    void unsupportedAndFailingFeatures_data()
    {
        QTest::addColumn<QString>("feature");
        QTest::addColumn<QStringList>("transcript");
        QTest::newRow("unknown code") << "0x77" << QStringList{"GET 0 0x77 -1"};
        QTest::newRow("unknown EE sub-code") << "0xEE/0x1F" << QStringList{"SET 0 0xEE 31", "GET 0 0xEF -1"};
        QTest::newRow("unused F0 sub-code") << "0xF0/0x18" << QStringList{"SET 0 0xF0 24", "GET 0 0xF2 -1"};
        QTest::newRow("failing code") << "0x62" << QStringList{"GET 0 0x62 -1"};
        QTest::newRow("failing sub-code") << "0xF0/0x13" << QStringList{"SET 0 0xF0 19", "GET 0 0xF2 -1"};
    }
    void unsupportedAndFailingFeatures()
    {
        QFETCH(QString, feature);
        QFETCH(QStringList, transcript);
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"failing":["0x62","0xf0/0x13"]}]})"));
        QCOMPARE(Read(feature), QStringLiteral("0"));
        QCOMPARE(TestSupport::Transcript(), transcript);
        Write(feature, 1);
        if (feature.startsWith(QLatin1String("0x77")) || feature.contains(QLatin1String("/0x1F")))
            QCOMPARE(TestSupport::Sim()->Value(0, feature), -1);
    }

    void unknownMonitorAnswersFailure()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[]})"));
        QCOMPARE(CDDCUtil::GetInstance()->GetVcp(VCP_BRIGHTNESS), QStringLiteral("0"));
        CDDCUtil::GetInstance()->SetVcp(VCP_BRIGHTNESS, QStringLiteral("10"));
        // No monitor was ever current in this list: the last current id is kept and answered.
        const int nId = CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId;
        QCOMPARE(TestSupport::Transcript(),
                 (QStringList{QStringLiteral("GET %1 0x10 -1").arg(nId), QStringLiteral("SET %1 0x10 10").arg(nId)}));
    }

    void deviceIdHasTheWindowsShape()
    {
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{},{"deviceId":"\\\\?\\DISPLAY#ZVO9999#7&UID7#{x}"}]})"));
        QList<MonitorInfo> listMonitors;
        CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
        QCOMPARE(listMonitors.size(), 2);
        QCOMPARE(listMonitors.at(0).strDeviceId,
                 QStringLiteral("\\\\?\\DISPLAY#ZVO27A1#1&UID1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}"));
        QCOMPARE(listMonitors.at(1).strDeviceId, QStringLiteral("\\\\?\\DISPLAY#ZVO9999#7&UID7#{x}"));
        QCOMPARE(listMonitors.at(1).strMonitorName, QStringLiteral("ZVO SIM2"));
        QCOMPARE(listMonitors.at(1).nMonitorId, 1);
    }

    void invalidConfigurationIsRefused_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("monitors: two");
        QTest::newRow("not an object") << QByteArray("[1,2]");
        QTest::newRow("monitors not a list") << QByteArray(R"({"monitors":{}})");
        QTest::newRow("EDID not hex") << QByteArray(R"({"monitors":[{"edid":"00ffzz"}]})");
        QTest::newRow("bad feature") << QByteArray(R"({"monitors":[{"values":{"brightness":3}}]})");
    }
    void invalidConfigurationIsRefused()
    {
        QFETCH(QByteArray, json);
        QVERIFY(TestSupport::UseSimConfig(R"({"monitors":[{"values":{"0x10":42}}]})"));
        QString strError;
        QVERIFY(!TestSupport::Sim()->LoadConfig(json, &strError));
        QVERIFY(!strError.isEmpty());
        QCOMPARE(TestSupport::Sim()->Value(0, QStringLiteral("0x10")), 42);
    }
};

QTEST_MAIN(TestSimMonitor)
#include "tst_simmonitor.moc"
