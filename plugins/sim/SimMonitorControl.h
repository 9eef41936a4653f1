#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtPlugin>

// Test seam of the simulated monitor: tests reach it through the plug-in's root object
// (QPluginLoader on the same file gives the instance the client uses).
class CSimMonitorControl
{
public:
    virtual ~CSimMonitorControl() = default;

    // Replaces the monitors with those of a Monitor.sim.json document (factory state plus its
    // overrides) and clears the transcript. False, with a reason, when the document is invalid;
    // the monitors are then left as they were.
    virtual bool LoadConfig(const QByteArray& baJson, QString* pError = nullptr) = 0;
    // Transfers since the last clear, one line each: "GET <id> <code> <answer>",
    // "SET <id> <code> <value>" or "RESET".
    virtual QStringList Transcript() const = 0;
    virtual void ClearTranscript() = 0;
    // Current value of a feature ("0x10", or "0xEE/0x02" for a sub-coded one); -1 when unknown.
    virtual int Value(int nMonitorId, const QString& strFeature) const = 0;
    virtual void SetValue(int nMonitorId, const QString& strFeature, int nValue) = 0;
    // When each transcript line's transfer ended, in microseconds of a monotonic clock; one
    // entry per line of Transcript().
    virtual QList<qint64> TranscriptTimes() const = 0;
};

#define CSimMonitorControl_iid "Zavo.SimMonitorControl"
Q_DECLARE_INTERFACE(CSimMonitorControl, CSimMonitorControl_iid)
