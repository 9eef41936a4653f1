#include "ddc/DDCUtil.h"
#include "ddc/platform/DisplayDeviceId.h"
#include "ddc/platform/DisplayPlatform.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestSupport.h"

#include <QSignalSpy>
#include <QtTest>

#include <stdexcept>

namespace
{
const QString MONITOR_GUID = QStringLiteral("{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");
const QString ID_A = QStringLiteral("\\\\?\\DISPLAY#ZVO27A1#5&1a2b3c&0&UID4353#") + MONITOR_GUID;
const QString ID_B = QStringLiteral("\\\\?\\DISPLAY#ZVO24F1#5&1a2b3c&0&UID4354#") + MONITOR_GUID;
const QString KEY_A = QStringLiteral("DISPLAY\\ZVO27A1\\5&1a2b3c&0&UID4353");
const QString KEY_B = QStringLiteral("DISPLAY\\ZVO24F1\\5&1a2b3c&0&UID4354");

// A 128-byte EDID whose display-name descriptor (slot 72) holds these bytes; slot 54 is a
// timing descriptor.
QByteArray Edid(const QByteArray& baName)
{
    QByteArray baEdid(128, '\0');
    const char header[] = {0, char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), 0};
    for (int i = 0; i < 8; ++i)
        baEdid[i] = header[i];
    baEdid[54] = 0x09;
    baEdid[55] = char(0xE5);
    baEdid[75] = char(0xFC);
    for (int i = 0; i < 13; ++i)
        baEdid[77 + i] = i < baName.size() ? baName.at(i) : ' ';
    return baEdid;
}

// What Windows would answer, as a test lays it out.
class CFakePlatform : public CDisplayPlatform
{
public:
    struct RegistryEntry
    {
        QString strInstance;    // "DISPLAY\ZVO27A1\5&1a2b3c&0&UID4353"
        QByteArray baEdid;
    };

    QList<Display> listDisplays;
    QList<Adapter> listAdapters;
    QList<RegistryEntry> listRegistry;
    // The registry compares without regard to case; a store that does not shows the search.
    Qt::CaseSensitivity caseSensitivity = Qt::CaseInsensitive;
    bool bThrow = false;
    QHash<QString, int> hashRefreshRates;

    void AddDisplay(const QString& strName, int nPhysical)
    {
        Display display;
        display.strDeviceName = strName;
        display.nPhysicalMonitors = nPhysical;
        listDisplays.append(display);
    }
    void AddMonitor(const QString& strAdapter, const QString& strDeviceName, const QString& strDeviceId,
                    quint32 nFlags = 0x3)
    {
        if (listAdapters.isEmpty() || listAdapters.last().strDeviceName != strAdapter)
            listAdapters.append(Adapter{strAdapter, {}});
        listAdapters.last().listMonitors.append(MonitorDevice{strDeviceName, strDeviceId, nFlags, QString()});
    }

    QList<Display> Displays() override { return listDisplays; }
    QList<Adapter> Adapters() override
    {
        if (bThrow)
            throw std::runtime_error("adapter walk broke");
        return listAdapters;
    }
    bool KeyExists(const QString& strKeyPath) override
    {
        return strKeyPath.compare(Root(), caseSensitivity) == 0 && !listRegistry.isEmpty();
    }
    QStringList SubKeys(const QString& strKeyPath) override
    {
        QStringList listKeys;
        for (const RegistryEntry& entry : qAsConst(listRegistry)) {
            const QString strFull = Enum() + entry.strInstance;
            if (!strFull.startsWith(strKeyPath + QLatin1Char('\\'), caseSensitivity))
                continue;
            const QString strChild = strFull.mid(strKeyPath.size() + 1).section(QLatin1Char('\\'), 0, 0);
            if (!listKeys.contains(strChild))
                listKeys.append(strChild);
        }
        return listKeys;
    }
    bool ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue) override
    {
        for (const RegistryEntry& entry : qAsConst(listRegistry)) {
            if (strValueName == QLatin1String("EDID") && !entry.baEdid.isEmpty()
                && strKeyPath.compare(Enum() + entry.strInstance + QStringLiteral("\\Device Parameters"), caseSensitivity)
                    == 0) {
                baValue = entry.baEdid;
                return true;
            }
        }
        return false;
    }
    int RefreshRate(const QString& strDisplayName) override { return hashRefreshRates.value(strDisplayName, -1); }

private:
    static QString Enum() { return QStringLiteral("SYSTEM\\CurrentControlSet\\Enum\\"); }
    static QString Root() { return Enum() + QStringLiteral("DISPLAY"); }
};

QList<MonitorInfo> Monitors()
{
    QList<MonitorInfo> listMonitors;
    CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
    return listMonitors;
}

QStringList Names(const QList<MonitorInfo>& listMonitors)
{
    QStringList listNames;
    for (const MonitorInfo& info : listMonitors)
        listNames.append(info.strMonitorName);
    return listNames;
}

// The simulated plug-in knows the monitors by these device IDs, so ids come from it.
QByteArray SimConfigFor(const QStringList& listDeviceIds)
{
    QStringList listMonitors;
    for (const QString& strId : listDeviceIds)
        listMonitors.append(QStringLiteral("{\"deviceId\":\"%1\"}").arg(QString(strId).replace(QLatin1String("\\"), QLatin1String("\\\\"))));
    return QStringLiteral("{\"monitors\":[%1]}").arg(listMonitors.join(QLatin1Char(','))).toUtf8();
}
}

// Monitor detection against a display platform laid out by each test.
class TestDetection : public QObject
{
    Q_OBJECT
private:
    CFakePlatform m_platform;

    void Use(const CFakePlatform& platform)
    {
        m_platform = platform;
        CDDCUtil::GetInstance()->SetDisplayPlatform(&m_platform);
    }

private slots:
    void init() { QVERIFY(TestSupport::UseSimConfig(SimConfigFor({ID_B, ID_A}))); }
    void cleanup() { CDDCUtil::GetInstance()->SetDisplayPlatform(nullptr); }

    void twoMonitorsOnOneAdapter()
    {
        CFakePlatform platform;
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY1"), 2);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), QStringLiteral("\\\\.\\DISPLAY1\\Monitor0"), ID_A);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), QStringLiteral("\\\\.\\DISPLAY1\\Monitor1"), ID_B);
        platform.listRegistry = {{KEY_A, Edid("ZVO X27Q\n    ")}, {KEY_B, Edid("ZVO G24F\n    ")}};
        Use(platform);

        CLogCapture log;
        CDDCUtil::GetInstance()->Init();
        const QList<MonitorInfo> listMonitors = Monitors();
        QCOMPARE(Names(listMonitors), (QStringList{"ZVO X27Q", "ZVO G24F"}));
        // Ids are the plug-in's: it lists B first.
        QCOMPARE(listMonitors.at(0).nMonitorId, 1);
        QCOMPARE(listMonitors.at(1).nMonitorId, 0);
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().nMonitorId, 1);
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor",
                        "0Display: ZVO27A1, Monitor Name: ZVO X27Q, Manufacturer: -, Product Code: -."));
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor",
                        "0Display: ZVO24F1, Monitor Name: ZVO G24F, Manufacturer: -, Product Code: -."));
        const MonitorInfo& first = listMonitors.at(0);
        QCOMPARE(first.nIndex, 0);
        QCOMPARE(first.strEdidName, QStringLiteral("ZVO X27Q"));
        QVERIFY(first.strDeviceName.isEmpty() && first.strManufacturer.isEmpty() && first.strProductCode.isEmpty()
                && first.strReserved.isEmpty());
    }

    void monitorNumbersOfADisplay_data()
    {
        QTest::addColumn<int>("physical");
        QTest::addColumn<QString>("monitorName");
        QTest::addColumn<int>("found");
        QTest::newRow("Monitor0 of one") << 1 << "\\\\.\\DISPLAY1\\Monitor0" << 1;
        QTest::newRow("Monitor1 of one") << 1 << "\\\\.\\DISPLAY1\\Monitor1" << 1;
        QTest::newRow("Monitor2 of one") << 1 << "\\\\.\\DISPLAY1\\Monitor2" << 0;
        QTest::newRow("other display") << 1 << "\\\\.\\DISPLAY2\\Monitor0" << 0;
        QTest::newRow("case differs") << 1 << "\\\\.\\display1\\Monitor0" << 0;
    }
    void monitorNumbersOfADisplay()
    {
        QFETCH(int, physical);
        QFETCH(QString, monitorName);
        QFETCH(int, found);
        CFakePlatform platform;
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY1"), physical);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), monitorName, ID_A);
        Use(platform);
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(Monitors().size(), found);
    }

    void stateFlags_data()
    {
        QTest::addColumn<uint>("flags");
        QTest::addColumn<int>("found");
        QTest::newRow("active") << 0x1u << 1;
        QTest::newRow("inactive") << 0x0u << 0;
        QTest::newRow("attached only") << 0x2u << 0;
        QTest::newRow("active, mirroring") << 0x9u << 0;
    }
    void stateFlags()
    {
        QFETCH(uint, flags);
        QFETCH(int, found);
        CFakePlatform platform;
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY1"), 1);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), QStringLiteral("\\\\.\\DISPLAY1\\Monitor0"), ID_A, flags);
        Use(platform);
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(Monitors().size(), found);
    }

    void naming_data()
    {
        QTest::addColumn<QString>("deviceId");
        QTest::addColumn<QByteArray>("edid");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("edidNamed");
        QTest::addColumn<QString>("logModel");
        QTest::addColumn<QString>("errorLine");

        const QString strZvoX27 = QStringLiteral("\\\\?\\DISPLAY#zvoX27#1&UID1#") + MONITOR_GUID;
        QByteArray baNoName = Edid("ignored");
        baNoName[75] = char(0xFD);
        QTest::newRow("EDID name with line feed and spaces")
            << ID_A << Edid("ABC\n         ") << "ABC" << true << "ZVO27A1" << "";
        QTest::newRow("no EDID: model cleaned") << strZvoX27 << QByteArray() << "X27" << false << "zvoX27" << "";
        QTest::newRow("no EDID: only the maker's letters")
            << QStringLiteral("\\\\?\\DISPLAY#ZVO#1&UID1#") + MONITOR_GUID << QByteArray() << "ZVO" << false << "ZVO" << "";
        QTest::newRow("no EDID, no model") << QStringLiteral("\\\\?\\MONITOR#1#") + MONITOR_GUID << QByteArray() << "" << false
                                           << "" << "";
        QTest::newRow("EDID without a name") << strZvoX27 << baNoName << "X27" << false << "zvoX27"
                                             << "Monitor Name (FC block) not found in EDID.";
        QTest::newRow("EDID too short") << strZvoX27 << Edid("X").left(100) << "X27" << false << "zvoX27"
                                        << "Invalid EDID data. Size too small.";
    }
    void naming()
    {
        QFETCH(QString, deviceId);
        QFETCH(QByteArray, edid);
        QFETCH(QString, name);
        QFETCH(bool, edidNamed);
        QFETCH(QString, logModel);
        QFETCH(QString, errorLine);

        CFakePlatform platform;
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY1"), 1);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), QStringLiteral("\\\\.\\DISPLAY1\\Monitor0"), deviceId);
        if (!edid.isEmpty())
            platform.listRegistry = {{CDisplayDeviceId::InstancePath(deviceId), edid}};
        Use(platform);

        CLogCapture log;
        CDDCUtil::GetInstance()->Init();
        const QList<MonitorInfo> listMonitors = Monitors();
        QCOMPARE(listMonitors.size(), 1);
        QCOMPARE(listMonitors.at(0).strMonitorName, name);
        QCOMPARE(listMonitors.at(0).strEdidName.isNull(), !edidNamed);
        QVERIFY(log.Has(LOG_INFO, "CDDCUtil::DetectMonitor",
                        QStringLiteral("0Display: %1, Monitor Name: %2, Manufacturer: -, Product Code: -.").arg(logModel, name)));
        if (errorLine.isEmpty())
            QCOMPARE(log.CountLevel(LOG_ERROR), 0);
        else
            QCOMPARE(log.Count(LOG_ERROR, "CDDCUtil::ParseMonitorNameFromEdid", errorLine), 1);
    }

    void modelCode_data()
    {
        QTest::addColumn<QString>("deviceId");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("interface name") << ID_A << "ZVO27A1" << "27A1";
        QTest::newRow("instance path") << "DISPLAY\\ZVO24F1\\1&UID1" << "ZVO24F1" << "24F1";
        QTest::newRow("maker twice, any case") << "\\?\\DISPLAY#ZvOG24zvo#1&UID1#" + MONITOR_GUID << "ZvOG24zvo" << "G24";
        QTest::newRow("other maker") << "\\?\\DISPLAY#ABC1234#1&UID1#" + MONITOR_GUID << "ABC1234" << "ABC1234";
        QTest::newRow("lower-case prefix has no model") << "\\\\?\\display#zvog24#4&1&uid3#" + MONITOR_GUID << "" << "";
        QTest::newRow("no UID") << "\\\\?\\DISPLAY#Default_Monitor#DP-1#" + MONITOR_GUID << "" << "";
        QTest::newRow("empty") << "" << "" << "";
    }
    void modelCode()
    {
        QFETCH(QString, deviceId);
        QFETCH(QString, model);
        QFETCH(QString, cleaned);
        QCOMPARE(CDDCUtil::ModelCodeFromDeviceId(deviceId), model);
        QCOMPARE(CDDCUtil::CleanModelCode(model), cleaned);
    }

    void eachMonitorGetsItsOwnEdid_data()
    {
        QTest::addColumn<QString>("idA");
        QTest::addColumn<QString>("idB");
        QTest::addColumn<bool>("caseSensitiveStore");
        QTest::addColumn<bool>("reverseRegistry");
        QTest::addColumn<bool>("edidOfAMissing");
        QTest::addColumn<QStringList>("names");
        const QString strLowerA = ID_A.toLower();
        const QString strLowerB = ID_B.toLower();
        QTest::newRow("direct keys") << ID_A << ID_B << false << false << false << QStringList{"Alpha", "Bravo"};
        QTest::newRow("direct keys, lower-case ids") << strLowerA << strLowerB << false << false << false
                                                     << QStringList{"Alpha", "Bravo"};
        QTest::newRow("found by the search") << strLowerA << strLowerB << true << false << false
                                             << QStringList{"Alpha", "Bravo"};
        QTest::newRow("search, other monitor listed first") << strLowerA << strLowerB << true << true << false
                                                            << QStringList{"Alpha", "Bravo"};
        // Nothing matches for A: the first EDID the search reads stands in.
        QTest::newRow("own EDID missing") << ID_A << ID_B << false << false << true << QStringList{"Bravo", "Bravo"};
    }
    void eachMonitorGetsItsOwnEdid()
    {
        QFETCH(QString, idA);
        QFETCH(QString, idB);
        QFETCH(bool, caseSensitiveStore);
        QFETCH(bool, reverseRegistry);
        QFETCH(bool, edidOfAMissing);
        QFETCH(QStringList, names);

        CFakePlatform platform;
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY1"), 1);
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY2"), 1);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), QStringLiteral("\\\\.\\DISPLAY1\\Monitor0"), idA);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY2"), QStringLiteral("\\\\.\\DISPLAY2\\Monitor0"), idB);
        platform.listRegistry = {{KEY_A, edidOfAMissing ? QByteArray() : Edid("Alpha\n")}, {KEY_B, Edid("Bravo\n")}};
        if (reverseRegistry)
            std::reverse(platform.listRegistry.begin(), platform.listRegistry.end());
        platform.caseSensitivity = caseSensitiveStore ? Qt::CaseSensitive : Qt::CaseInsensitive;
        Use(platform);

        CDDCUtil::GetInstance()->Init();
        QCOMPARE(Names(Monitors()), names);
    }

    void initTwiceReplacesTheList()
    {
        CFakePlatform platform;
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY1"), 2);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), QStringLiteral("\\\\.\\DISPLAY1\\Monitor0"), ID_A);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), QStringLiteral("\\\\.\\DISPLAY1\\Monitor1"), ID_B);
        Use(platform);
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(Names(Monitors()), (QStringList{"27A1", "24F1"}));

        m_platform.listAdapters.first().listMonitors.removeFirst();
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(Names(Monitors()), QStringList{"24F1"});
        QCOMPARE(CDDCUtil::GetInstance()->GetCurrentMonitor().strMonitorName, QStringLiteral("24F1"));
    }

    void noMonitorKeepsTheCurrentOne()
    {
        CFakePlatform platform;
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY1"), 1);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), QStringLiteral("\\\\.\\DISPLAY1\\Monitor0"), ID_B);
        Use(platform);
        CDDCUtil::GetInstance()->Init();
        const MonitorInfo before = CDDCUtil::GetInstance()->GetCurrentMonitor();
        QCOMPARE(before.nMonitorId, 0);

        m_platform.listAdapters.clear();
        QSignalSpy spy(CDDCUtil::GetInstance().data(), &CDDCUtil::Sig_MonitorDetectFinished);
        CLogCapture log;
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(spy.count(), 1);
        QVERIFY(Monitors().isEmpty());
        const MonitorInfo after = CDDCUtil::GetInstance()->GetCurrentMonitor();
        QCOMPARE(after.nMonitorId, before.nMonitorId);
        QCOMPARE(after.strMonitorName, before.strMonitorName);
        QCOMPARE(log.Count(LOG_INFO, "CDDCUtil::Init", "===> [ZVO] monitor didn't detected! <==="), 1);
    }

    void displayWithoutPhysicalMonitorsIsSkipped_data()
    {
        QTest::addColumn<bool>("countFails");
        QTest::addColumn<QString>("error");
        QTest::newRow("count") << true << "Failed to get physical monitor count.";
        QTest::newRow("monitors") << false << "Failed to get physical monitors.";
    }
    void displayWithoutPhysicalMonitorsIsSkipped()
    {
        QFETCH(bool, countFails);
        QFETCH(QString, error);
        CFakePlatform platform;
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY1"), 1);
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY2"), 1);
        (countFails ? platform.listDisplays[0].bCountOk : platform.listDisplays[0].bMonitorsOk) = false;
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), QStringLiteral("\\\\.\\DISPLAY1\\Monitor0"), ID_A);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY2"), QStringLiteral("\\\\.\\DISPLAY2\\Monitor0"), ID_B);
        Use(platform);

        QSignalSpy spy(CDDCUtil::GetInstance().data(), &CDDCUtil::Sig_MonitorDetectFinished);
        CLogCapture log;
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(Names(Monitors()), QStringList{"24F1"});
        QCOMPARE(log.Count(LOG_ERROR, "CDDCUtil::DetectMonitor", error), 1);
    }

    void failingPlatformEndsDetectionQuietly()
    {
        CFakePlatform platform;
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY1"), 1);
        platform.bThrow = true;
        Use(platform);
        QSignalSpy spy(CDDCUtil::GetInstance().data(), &CDDCUtil::Sig_MonitorDetectFinished);
        CLogCapture log;
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(spy.count(), 1);
        QVERIFY(Monitors().isEmpty());
        QVERIFY(log.Has(LOG_ERROR, "CDDCUtil::DetectMonitor", "Monitor detection failed: adapter walk broke"));
    }

    void refreshRateOfTheShowingDisplay()
    {
        CFakePlatform platform;
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY1"), 1);
        platform.AddDisplay(QStringLiteral("\\\\.\\DISPLAY2"), 1);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY1"), QStringLiteral("\\\\.\\DISPLAY1\\Monitor0"), ID_A);
        platform.AddMonitor(QStringLiteral("\\\\.\\DISPLAY2"), QStringLiteral("\\\\.\\DISPLAY2\\Monitor0"), ID_B);
        platform.hashRefreshRates.insert(QStringLiteral("\\\\.\\DISPLAY1"), 165);
        platform.hashRefreshRates.insert(QStringLiteral("\\\\.\\DISPLAY2"), 75);
        Use(platform);
        CDDCUtil::GetInstance()->Init();
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(1), 165);   // A
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(0), 75);    // B
        QCOMPARE(CDDCUtil::GetInstance()->GetRefreshRate(9), -1);
    }
};

QTEST_MAIN(TestDetection)
#include "tst_detection.moc"
