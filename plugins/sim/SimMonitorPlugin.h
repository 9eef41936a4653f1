#pragma once

#include "ddc/MonitorCtrlInterface.h"
#include "ddc/platform/DisplayPlatform.h"
#include "ddc/platform/EdidRegistry.h"
#include "plugins/sim/SimMonitorControl.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QVector>

// Virtual monitors of the maker behind the monitor-control interface, for machines without
// them (CI, a VM) and for tests, which read the traffic from its transcript. Each monitor is a
// display of its own, with its EDID served as Windows keeps it.
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
    int RefreshRate(const QString& strDisplayName) override;

    // CSimMonitorControl
    bool LoadConfig(const QByteArray& baJson, QString* pError = nullptr) override;
    QStringList Transcript() const override;
    void ClearTranscript() override;
    int Value(int nMonitorId, const QString& strFeature) const override;
    void SetValue(int nMonitorId, const QString& strFeature, int nValue) override;
    QList<qint64> TranscriptTimes() const override;

    // Two monitors of the maker; the second lacks a few features.
    static QByteArray DefaultConfig();
    // A 128-byte EDID of the maker with this display name and product code.
    static QByteArray BuildEdid(const QString& strName, quint16 nProductCode);

private:
    struct Monitor
    {
        QByteArray baEdid;
        QString strDeviceId;
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
    void OpenTranscriptFile();
    Monitor* Find(int nMonitorId);

    mutable QMutex m_mutex;
    QVector<Monitor> m_vecMonitors;
    CEdidRegistry m_registry;
    QStringList m_listTranscript;
    QList<qint64> m_listTranscriptTimes;
    QElapsedTimer m_clock;
    QFile m_transcriptFile;
};
