#pragma once

#include "ddc/MonitorInfo.h"

#include <QMutex>
#include <QObject>
#include <QSharedPointer>

class CMonitorCtrlInterface;
class CDisplayPlatform;
class QPluginLoader;

// The one gateway between the interface and the monitors: owns the monitor-control plug-in,
// the detected monitors and the current monitor, and turns a page's code and value texts into
// plug-in calls for the current monitor. Reads come from worker threads, everything else from
// the GUI thread.
class CDDCUtil : public QObject
{
    Q_OBJECT
public:
    static QSharedPointer<CDDCUtil>& GetInstance();
    ~CDDCUtil() override;

    void Init();
    void Reset();
    void SetCurrentMonitor(int nMonitorId);
    MonitorInfo GetCurrentMonitor() const;
    void GetMonitorList(QList<MonitorInfo>& list) const;

    QString GetVcp(const QString& strCode);
    QString GetSubVcp(const QString& strSelectCode, const QString& strDataCode, const QString& strSubCode, int nDelayMs);
    void SetVcp(const QString& strCode, const QString& strValue);
    void SetSubVcp(const QString& strSelectCode, const QString& strDataCode, const QString& strSubCode,
                   const QString& strValue);

    // Refresh rate in Hz of the display showing that monitor, or -1 when it cannot be had.
    int GetRefreshRate(int nMonitorId) const;

    void DetectMonitor();
    QString GetEdidFromRegistry(const QString& strDeviceId) const;
    static QString ParseMonitorNameFromEdid(const QString& strEdidHex);

    // The model code of a device interface name ("ZVO27A1" of "\\?\DISPLAY#ZVO27A1#1&UID1#{...}"),
    // empty when the name has no such part.
    static QString ModelCodeFromDeviceId(const QString& strDeviceId);
    // The model code without the maker's letters, or unchanged when nothing else is left.
    static QString CleanModelCode(const QString& strModelCode);

    // "0x"-prefixed text in base 16, anything else in base 10; what does not convert is 0.
    static int ValueFromText(const QString& strValue);

    // Tests run detection against a platform of their own; null restores the default choice.
    void SetDisplayPlatform(CDisplayPlatform* pPlatform);
    // Tests swap the plug-in object (null stands for a plug-in without the interface). The
    // caller keeps ownership of what it sets and restores the original before the end.
    CMonitorCtrlInterface* MonitorCtrl() const;
    void SetMonitorCtrl(CMonitorCtrlInterface* pMonitorCtrl);

signals:
    void Sig_MonitorDetectFinished();

private:
    explicit CDDCUtil(QObject* parent = nullptr);
    CDisplayPlatform* Platform() const;
    int CurrentMonitorId() const;
    void DetectOnPlatform(CDisplayPlatform& platform, QList<MonitorInfo>& listFound);
    MonitorInfo BuildRecord(const QString& strDeviceId, const QString& strConnector);

    QList<MonitorInfo> m_listMonitorInfo;
    MonitorInfo m_currMonitorInfo;
    CMonitorCtrlInterface* m_pMonitorCtrl = nullptr;
    QPluginLoader* m_pLoader = nullptr;
    CDisplayPlatform* m_pPlatformOverride = nullptr;
    mutable QSharedPointer<CDisplayPlatform> m_pOsPlatform;

    // Guards the list, the current record and the platform choice (read by worker threads).
    mutable QMutex m_stateMutex;
    // Makes each plug-in call, and each selector-then-data pair with its pauses, one unit
    // against other threads: a monitor has one selector per group and needs its pauses between
    // transfers whoever sends them.
    QMutex m_transferMutex;
};
