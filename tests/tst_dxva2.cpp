#include "plugins/dxva2/Dxva2MonitorControl.h"
#include "plugins/dxva2/fake/FakePhysicalMonitorApi.h"

#include <QPluginLoader>
#include <QtTest>

namespace
{
constexpr DWORD I2C_RECEIVING = 0xC0262583;
constexpr DWORD VCP_NOT_SUPPORTED = 0xC0262584;
const QString A = QStringLiteral("\\\\?\\DISPLAY#ZVO27A1#1&UID1#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");
const QString B = QStringLiteral("\\\\?\\DISPLAY#ZVO24B2#1&UID2#{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");

// Two displays: an inactive monitor before A on the first, B on the second.
struct Rig
{
    std::shared_ptr<CFakePhysicalMonitorApi> pApi = std::make_shared<CFakePhysicalMonitorApi>();
    std::unique_ptr<CDxva2MonitorControl> pControl;
    explicit Rig(int nGapMs = 1)
    {
        pApi->SetDisplays({{QString(), A}, {B}});
        DdcTimings timings;
        timings.nMessageGapMs = nGapMs;
        timings.nRetryPauseMs = 5;
        timings.nReadWaitMs = 4000;
        timings.nShutdownMs = 1000;
        pControl = std::make_unique<CDxva2MonitorControl>(pApi, timings);
    }
};
}

class TestDxva2 : public QObject
{
    Q_OBJECT
private slots:
    void monitorsMapToHandlesAndKeepTheirIds()
    {
        Rig rig;
        const QList<int> listIds{rig.pControl->GetMonitorIndex(B.toLower()), rig.pControl->GetMonitorIndex(A),
                                 rig.pControl->GetMonitorIndex(B), rig.pControl->GetMonitorIndex(A + QLatin1Char('x'))};
        QCOMPARE(listIds, (QList<int>{0, 1, 0, -1}));
        rig.pControl->SetVcp(1, "0x10", 30);
        rig.pControl->SetVcp(0, "0x10", 40);
        QVERIFY(rig.pControl->WaitIdle(3000));
        QCOMPARE(rig.pApi->Transfers().filter(A), QStringList{"SET " + A + " 16 30"});
        QCOMPARE(rig.pApi->Transfers().filter(B), QStringList{"SET " + B + " 16 40"});

        // B is unplugged: the old handles go back, A keeps its id, B's is dead.
        const QList<HANDLE> listOld = rig.pApi->Open();
        rig.pApi->SetDisplays({{A}});
        rig.pControl->Reset();
        QCOMPARE(rig.pApi->Walks(), 2);
        QTRY_COMPARE(rig.pApi->Destroyed().size(), 2);
        for (HANDLE hOld : listOld)
            QVERIFY(rig.pApi->Destroyed().contains(hOld));
        QCOMPARE(QList<int>({rig.pControl->GetMonitorIndex(B), rig.pControl->GetMonitorIndex(A)}), (QList<int>{-1, 1}));
        QCOMPARE(QStringList({rig.pControl->GetVcp(0, "0x10"), rig.pControl->GetVcp(1, "0x10")}), (QStringList{"-1", "30"}));
        rig.pControl.reset();
        QVERIFY(rig.pApi->Open().isEmpty());
    }

    void pairsAndReadsAfterWrites()
    {
        Rig rig;
        const int nId = rig.pControl->GetMonitorIndex(A);
        rig.pControl->SetVcp(nId, "0xF0", 9);
        rig.pControl->SetVcp(nId, "0xF2", 5);
        QCOMPARE(rig.pControl->GetVcp(nId, "0xF0"), QStringLiteral("9"));
        rig.pControl->SetVcp(nId, "0xF0", 9);
        QCOMPARE(rig.pControl->GetVcp(nId, "0xF2"), QStringLiteral("5"));
        const QString strSelector = "SET " + A + " 240 9";
        QCOMPARE(rig.pApi->Transfers(),
                 (QStringList{strSelector, "SET " + A + " 242 5", "GET " + A + " 240", strSelector, "GET " + A + " 242"}));
    }

    // The last walk's worker still sends its queue after Reset: that must not land after a newer write.
    void writesBeforeResetStayFirst()
    {
        Rig rig(300);
        const int nId = rig.pControl->GetMonitorIndex(A);
        rig.pControl->SetVcp(nId, "0x12", 1);
        rig.pControl->SetVcp(nId, "0x10", 30);
        rig.pControl->Reset();
        rig.pControl->SetVcp(nId, "0x10", 40);
        const QString strSet = "SET " + A + " 16 ";
        QTRY_COMPARE(rig.pApi->Transfers().filter(strSet).size(), 2);
        QCOMPARE(rig.pApi->Transfers().filter(strSet), (QStringList{strSet + "30", strSet + "40"}));
    }

    void failuresAreRetriedOnlyWhenTheyMayPass_data()
    {
        QTest::addColumn<QList<DWORD>>("listErrors");
        QTest::addColumn<DWORD>("nAlways");
        QTest::addColumn<QString>("strValue");
        QTest::addColumn<int>("nAttempts");
        QTest::newRow("no answer, then one") << QList<DWORD>{I2C_RECEIVING, DWORD(ERROR_TIMEOUT)} << DWORD(0) << "50" << 3;
        QTest::newRow("never an answer") << QList<DWORD>() << I2C_RECEIVING << "-1" << 5;
        QTest::newRow("invalid handle") << QList<DWORD>{DWORD(ERROR_INVALID_HANDLE)} << DWORD(0) << "-1" << 1;
        QTest::newRow("unsupported") << QList<DWORD>{VCP_NOT_SUPPORTED} << DWORD(0) << "-1" << 1;
    }
    void failuresAreRetriedOnlyWhenTheyMayPass()
    {
        QFETCH(QList<DWORD>, listErrors);
        QFETCH(DWORD, nAlways);
        QFETCH(int, nAttempts);
        Rig rig;
        const int nId = rig.pControl->GetMonitorIndex(A);
        rig.pControl->SetVcp(nId, "0x10", 50);
        QVERIFY(rig.pControl->WaitIdle(3000));
        rig.pApi->QueueErrors(listErrors, nAlways);
        QElapsedTimer timer;
        timer.start();
        QTEST(rig.pControl->GetVcp(nId, "0x10"), "strValue");
        QVERIFY(timer.elapsed() < 3000);
        QCOMPARE(rig.pApi->Transfers().count("GET " + A + " 16"), nAttempts);
        // A display that never answered gets one attempt until it does.
        if (nAlways) {
            QCOMPARE(rig.pControl->GetVcp(nId, "0x10"), QStringLiteral("-1"));
            QCOMPARE(rig.pApi->Transfers().count("GET " + A + " 16"), nAttempts + 1);
        }
    }

    // Wine's dxva2 has stubs only: the plug-in finds no physical monitor and reads give "-1", at once.
    void realPluginUnderWine()
    {
        if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
            QSKIP("runs under Wine only");
        QPluginLoader loader(QCoreApplication::applicationDirPath() + QStringLiteral("/dxva2/Monitor.dll"));
        auto* pControl = qobject_cast<CMonitorCtrlInterface*>(loader.instance());
        QVERIFY2(pControl, qPrintable(loader.errorString()));
        QElapsedTimer timer;
        timer.start();
        int nFound = 0;
        DISPLAY_DEVICEW adapter = {};
        adapter.cb = sizeof(adapter);
        for (DWORD i = 0; EnumDisplayDevicesW(nullptr, i, &adapter, 0); ++i) {
            DISPLAY_DEVICEW monitor = {};
            monitor.cb = sizeof(monitor);
            for (DWORD j = 0; EnumDisplayDevicesW(adapter.DeviceName, j, &monitor, EDD_GET_DEVICE_INTERFACE_NAME); ++j) {
                ++nFound;
                const int nId = pControl->GetMonitorIndex(QString::fromWCharArray(monitor.DeviceID));
                pControl->SetVcp(nId, "0x10", 50);
                QCOMPARE(pControl->GetVcp(nId, "0x10"), QStringLiteral("-1"));
                pControl->Reset();
            }
        }
        QVERIFY(nFound > 0);
        QVERIFY(loader.unload());
        QVERIFY(timer.elapsed() < 10000);
    }
};

QTEST_MAIN(TestDxva2)
#include "tst_dxva2.moc"
