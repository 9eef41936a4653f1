#include "ddc/DDCUtil.h"
#include "ddc/platform/LinuxDisplayPlatform.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
const QString GUID = QStringLiteral("{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");
const QString ENUM_DISPLAY = QStringLiteral("SYSTEM\\CurrentControlSet\\Enum\\DISPLAY");

// An EDID of maker "ZVO"/"ABC" with this product code and display name, serial number 513.
QByteArray Edid(const char* szMaker, quint16 nProduct, const QByteArray& baName)
{
    QByteArray baEdid(128, '\0');
    const char header[] = {0, char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), 0};
    for (int i = 0; i < 8; ++i)
        baEdid[i] = header[i];
    const int nMaker = ((szMaker[0] - '@') << 10) | ((szMaker[1] - '@') << 5) | (szMaker[2] - '@');
    baEdid[8] = char(nMaker >> 8);
    baEdid[9] = char(nMaker & 0xFF);
    baEdid[10] = char(nProduct & 0xFF);
    baEdid[11] = char(nProduct >> 8);
    baEdid[13] = 0x02;
    baEdid[12] = 0x01;
    baEdid[93] = char(0xFC);
    QByteArray baText = baName + '\n';
    for (int i = 0; i < 13; ++i)
        baEdid[95 + i] = i < baText.size() ? baText.at(i) : ' ';
    return baEdid;
}

// A DRM sysfs tree in a temporary folder: card*-* connectors with status, enabled, edid and a
// ddc link to an i2c-N device.
class CSysfsTree
{
public:
    CSysfsTree() { QDir(m_dir.path()).mkpath(QStringLiteral("devices")); }
    QString Root() const { return m_dir.path() + QStringLiteral("/class/drm"); }

    void AddConnector(const QString& strEntry, const char* szStatus, const char* szEnabled, const QByteArray& baEdid,
                      int nBus)
    {
        const QString strDir = Root() + QLatin1Char('/') + strEntry;
        QDir().mkpath(strDir);
        Write(strDir + QStringLiteral("/status"), QByteArray(szStatus) + '\n');
        if (szEnabled)
            Write(strDir + QStringLiteral("/enabled"), QByteArray(szEnabled) + '\n');
        Write(strDir + QStringLiteral("/edid"), baEdid);
        if (nBus >= 0) {
            const QString strBus = m_dir.path() + QStringLiteral("/devices/i2c-%1").arg(nBus);
            QDir().mkpath(strBus);
            QFile::link(strBus, strDir + QStringLiteral("/ddc"));
        }
    }
    void AddOther(const QString& strEntry) { QDir().mkpath(Root() + QLatin1Char('/') + strEntry); }
    static void Write(const QString& strPath, const QByteArray& baData)
    {
        QFile file(strPath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(baData);
    }

private:
    QTemporaryDir m_dir;
};

QString DeviceId(const QString& strModel, const QString& strInstance)
{
    return QStringLiteral("\\\\?\\DISPLAY#%1#%2#%3").arg(strModel, strInstance, GUID);
}
}

// The Linux display platform on a sysfs tree built by the test.
class TestLinuxPlatform : public QObject
{
    Q_OBJECT
private:
    CSysfsTree* m_pTree = nullptr;
    const QByteArray m_baX27 = Edid("ZVO", 0x27A1, "ZVO X27Q");
    const QByteArray m_baOther = Edid("ABC", 0x1234, "Other 1");

private slots:
    void init()
    {
        m_pTree = new CSysfsTree;
        m_pTree->AddOther(QStringLiteral("card0"));
        m_pTree->AddOther(QStringLiteral("renderD128"));
        m_pTree->AddConnector(QStringLiteral("card0-DP-1"), "connected", "enabled", m_baX27, 5);
        m_pTree->AddConnector(QStringLiteral("card0-DP-2"), "disconnected", "disabled", QByteArray(), 6);
        m_pTree->AddConnector(QStringLiteral("card0-HDMI-A-1"), "connected", "disabled", m_baOther, 4);
        m_pTree->AddConnector(QStringLiteral("card0-HDMI-A-2"), "connected", nullptr, m_baOther, 8);
        m_pTree->AddConnector(QStringLiteral("card1-DP-10"), "connected", "enabled", m_baOther, -1);
        m_pTree->AddConnector(QStringLiteral("card1-DP-2"), "connected", "enabled",
                              Edid("ZVO", 0x24F1, "ZVO G24F").left(100), 7);
        m_pTree->AddConnector(QStringLiteral("card1-eDP-1"), "connected", "enabled", QByteArray(), 3);
    }
    void cleanup()
    {
        CDDCUtil::GetInstance()->SetDisplayPlatform(nullptr);
        delete m_pTree;
        m_pTree = nullptr;
    }

    void activeConnectorsInOrder()
    {
        CLinuxDisplayPlatform platform(m_pTree->Root());
        const QList<CLinuxDisplayPlatform::Connector> listConnectors = platform.Scan();
        QStringList listNames;
        QStringList listIds;
        QStringList listDisplays;
        QList<int> listBuses;
        for (const CLinuxDisplayPlatform::Connector& connector : listConnectors) {
            listNames.append(connector.strName);
            listIds.append(connector.strDeviceId);
            listDisplays.append(connector.strDisplayName);
            listBuses.append(connector.nI2cBus);
        }
        QCOMPARE(listNames, (QStringList{"DP-1", "DP-2", "DP-10", "eDP-1"}));
        QCOMPARE(listBuses, (QList<int>{5, 7, -1, 3}));
        QCOMPARE(listDisplays,
                 (QStringList{"\\\\.\\DISPLAY1", "\\\\.\\DISPLAY2", "\\\\.\\DISPLAY3", "\\\\.\\DISPLAY4"}));
        QCOMPARE(listIds, (QStringList{DeviceId("ZVO27A1", "DP-1&UID5"), DeviceId("ZVO24F1", "DP-2&UID7"),
                                       DeviceId("ABC1234", "DP-10"), DeviceId("Default_Monitor", "eDP-1&UID3")}));
    }

    void windowsShapedAnswers()
    {
        CLinuxDisplayPlatform platform(m_pTree->Root());
        const QList<CDisplayPlatform::Display> listDisplays = platform.Displays();
        QCOMPARE(listDisplays.size(), 4);
        for (const CDisplayPlatform::Display& display : listDisplays) {
            QVERIFY(display.bCountOk && display.bMonitorsOk);
            QCOMPARE(display.nPhysicalMonitors, 1);
        }
        const QList<CDisplayPlatform::Adapter> listAdapters = platform.Adapters();
        QCOMPARE(listAdapters.size(), 4);
        QCOMPARE(listAdapters.at(1).strDeviceName, QStringLiteral("\\\\.\\DISPLAY2"));
        QCOMPARE(listAdapters.at(1).listMonitors.size(), 1);
        QCOMPARE(listAdapters.at(1).listMonitors.at(0).strDeviceName, QStringLiteral("\\\\.\\DISPLAY2\\Monitor0"));
        QVERIFY(listAdapters.at(1).listMonitors.at(0).nStateFlags & 0x1);
        QVERIFY(!(listAdapters.at(1).listMonitors.at(0).nStateFlags & 0x8));
    }

    void edidsUnderRegistryKeys()
    {
        CLinuxDisplayPlatform platform(m_pTree->Root());
        platform.Displays();
        QVERIFY(platform.KeyExists(ENUM_DISPLAY));
        QCOMPARE(platform.SubKeys(ENUM_DISPLAY), (QStringList{"ZVO27A1", "ZVO24F1", "ABC1234", "Default_Monitor"}));
        QCOMPARE(platform.SubKeys(ENUM_DISPLAY + QStringLiteral("\\ZVO27A1")), QStringList{"DP-1&UID5"});
        QByteArray baValue;
        QVERIFY(platform.ReadBinaryValue(ENUM_DISPLAY + QStringLiteral("\\zvo27a1\\DP-1&UID5\\Device Parameters"),
                                         QStringLiteral("EDID"), baValue));
        QCOMPARE(baValue, m_baX27);
        // A monitor without an EDID has the key but not the value.
        QVERIFY(platform.KeyExists(ENUM_DISPLAY + QStringLiteral("\\Default_Monitor\\eDP-1&UID3")));
        QVERIFY(!platform.ReadBinaryValue(ENUM_DISPLAY + QStringLiteral("\\Default_Monitor\\eDP-1&UID3\\Device Parameters"),
                                          QStringLiteral("EDID"), baValue));
        QVERIFY(!platform.KeyExists(ENUM_DISPLAY + QStringLiteral("\\ABC1234\\HDMI-A-1&UID4")));
    }

    void detectionNamesEachConnector()
    {
        QByteArray baNoName = Edid("ABC", 0x5678, "");
        baNoName[93] = char(0xFE);
        m_pTree->AddConnector(QStringLiteral("card1-HDMI-A-3"), "connected", "enabled", baNoName, -1);
        CLinuxDisplayPlatform platform(m_pTree->Root());
        CDDCUtil::GetInstance()->SetDisplayPlatform(&platform);
        CLogCapture log;
        CDDCUtil::GetInstance()->Init();
        QList<MonitorInfo> listMonitors;
        CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
        QStringList listNames;
        for (const MonitorInfo& info : listMonitors)
            listNames.append(info.strMonitorName);
        // The cut EDID leaves the model code; the connector without a bus has no model code but
        // its EDID names it, or else its connector does; the one without an EDID takes the first
        // EDID found, as on Windows.
        QCOMPARE(listNames, (QStringList{"ZVO X27Q", "24F1", "Other 1", "HDMI-A-3", "ZVO X27Q"}));
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor",
                        "0Display: ZVO27A1, Monitor Name: ZVO X27Q, Manufacturer: -, Product Code: -."));
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor",
                        "0Display: , Monitor Name: Other 1, Manufacturer: -, Product Code: -."));
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor",
                        "0Display: , Monitor Name: HDMI-A-3, Manufacturer: -, Product Code: -."));
        QCOMPARE(log.Count(LOG_ERROR, "CDDCUtil::ParseMonitorNameFromEdid", "Invalid EDID data. Size too small."), 1);
    }

    void rescansEachDetection()
    {
        CLinuxDisplayPlatform platform(m_pTree->Root());
        QCOMPARE(platform.Displays().size(), 4);
        CSysfsTree::Write(m_pTree->Root() + QStringLiteral("/card0-DP-1/status"), "disconnected\n");
        CSysfsTree::Write(m_pTree->Root() + QStringLiteral("/card0-HDMI-A-1/enabled"), "enabled\n");
        QCOMPARE(platform.Displays().size(), 4);
        QCOMPARE(platform.Adapters().first().listMonitors.first().strDeviceId, DeviceId("ABC1234", "HDMI-A-1&UID4"));
    }

    void noTree_data()
    {
        QTest::addColumn<QString>("root");
        QTest::newRow("missing") << "/nonexistent/drm";
        QTest::newRow("empty") << "";
    }
    void noTree()
    {
        QFETCH(QString, root);
        CLinuxDisplayPlatform platform(root.isEmpty() ? QDir::tempPath() + QStringLiteral("/no-drm-here") : root);
        QVERIFY(platform.Displays().isEmpty());
        QVERIFY(platform.Adapters().isEmpty());
        QVERIFY(!platform.KeyExists(ENUM_DISPLAY));
    }

    // DISPLAY1 is DP-1 with the ZVO X27Q; screens as "name|maker|model|serial|rate".
    void refreshRateOfTheConnectorsScreen_data()
    {
        QTest::addColumn<QStringList>("screens");
        QTest::addColumn<int>("rate");
        QTest::newRow("named like the connector, whole hertz")
            << QStringList{"DisplayPort-0|ZVO|ZVO X27Q|513|75", "DP-1|||0|59.94"} << 59;
        QTest::newRow("X11 name, same EDID")
            << QStringList{"HDMI-0|ABC|Other 1|513|60", "DisplayPort-0|ZVO|ZVO X27Q-|513|143.86"} << 143;
        QTest::newRow("maker by vendor name") << QStringList{"DisplayPort-0|Zavo Inc.|ZVO X27Q|513|75"} << 75;
        QTest::newRow("other maker") << QStringList{"DisplayPort-0|ABC|ZVO X27Q|513|75"} << -1;
        QTest::newRow("other serial") << QStringList{"DisplayPort-0|ZVO|ZVO X27Q|514|75"} << -1;
        QTest::newRow("twins at one rate") << QStringList{"A|ZVO|ZVO X27Q|513|60", "B|ZVO|ZVO X27Q|513|60.02"} << 60;
        QTest::newRow("twins at two rates") << QStringList{"A|ZVO|ZVO X27Q|513|60", "B|ZVO|ZVO X27Q|513|144"} << -1;
        QTest::newRow("screen without EDID") << QStringList{"offscreen|||0|60"} << -1;
    }
    void refreshRateOfTheConnectorsScreen()
    {
        QFETCH(QStringList, screens);
        QFETCH(int, rate);
        QList<CLinuxDisplayPlatform::Screen> listScreens;
        for (const QString& strScreen : screens) {
            const QStringList listParts = strScreen.split(QLatin1Char('|'));
            listScreens.append({listParts.at(0), listParts.at(1), listParts.at(2), listParts.at(3), listParts.at(4).toDouble()});
        }
        CLinuxDisplayPlatform platform(m_pTree->Root());
        platform.SetScreenSource([listScreens] { return listScreens; });
        QCOMPARE(platform.RefreshRate(QStringLiteral("\\\\.\\DISPLAY1")), rate);
        QCOMPARE(platform.RefreshRate(QStringLiteral("\\\\.\\DISPLAY9")), -1);
    }
};

QTEST_MAIN(TestLinuxPlatform)
#include "tst_linuxplatform.moc"
