#pragma once

#include "ddc/MonitorCtrlInterface.h"
#include "ddc/platform/DisplayPlatform.h"
#include "plugins/sim/SimMonitorControl.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QVector>

// Virtual monitors of the maker behind the monitor-control interface, for machines without
// them (CI, a VM) and for tests, which read the traffic from its transcript.
class CSimMonitorPlugin : public CMonitorCtrlInterface, public CDisplayPlatform, public CSimMonitorControl
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CMonitorCtrlInterface_iid)
    Q_INTERFACES(CMonitorCtrlInterface CDisplayPlatform CSimMonitorControl)

public:
    explicit CSimMonitorPlugin(QObject* parent = nullptr);
    ~CSimMonitorPlugin() override;

    // CMonitorCtrlInterface
    void Reset() override;
    int GetMonitorIndex(QString strDeviceId) override;
    void SetVcp(int nMonitorId, const QString& strCode, int nValue) override;
    QString GetVcp(int nMonitorId, const QString& strCode) override;

    // CDisplayPlatform
    QList<Display> Displays() override;
    QList<Adapter> Adapters() override;
    bool KeyExists(const QString& strKeyPath) override;
    QStringList SubKeys(const QString& strKeyPath) override;
    bool ReadBinaryValue(const QString& strKeyPath, const QString& strValueName, QByteArray& baValue) override;
    int RefreshRate(const QString& strDeviceId) override;

    // CSimMonitorControl
    bool LoadConfig(const QByteArray& baJson, QString* pError = nullptr) override;
    QStringList Transcript() const override;
    void ClearTranscript() override;
    int Value(int nMonitorId, const QString& strFeature) const override;
    void SetValue(int nMonitorId, const QString& strFeature, int nValue) override;

    static QByteArray DefaultConfig();
    static QByteArray BuildEdid(const QString& strName, quint16 nProductCode);

private:
    struct Monitor
    {
        QByteArray baEdid;
        QString strDeviceId;
        QString strInstancePath;    // "DISPLAY\ZVO27A1\1&UID1"
        int nRefreshHz = 60;
        int nGetMs = 0;
        int nSetMs = 0;
        QHash<QString, int> hashValues;     // "0x10" or "0xEE/0x02"
        QHash<QString, int> hashFactory;
        QSet<QString> setFailing;
        int nEeSelect = 0;
        int nF0Select = 0;
    };

    QString FeatureKey(const Monitor& monitor, const QString& strCode) const;
    void Record(const QString& strLine);
    Monitor* Find(int nMonitorId);

    mutable QMutex m_mutex;
    QVector<Monitor> m_vecMonitors;
    QStringList m_listTranscript;
    QFile m_transcriptFile;
};
