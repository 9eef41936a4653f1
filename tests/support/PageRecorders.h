#pragma once

#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>

// Recorders for page tests: what a page sent to the monitor and announced on the hub, in the
// order it happened, and how far a load has got. Header-only; include once per test.
namespace PageRecorders
{
// Transcript lines interleaved with hub signals ("Sig_GammaChanged 4"). Start it after the
// transcript has been cleared.
class CEventLog
{
public:
    CEventLog()
    {
        CGlobalSignal* pHub = CGlobalSignal::GetInstance();
        auto follow = [this, pHub](auto pSignal, const char* szName) {
            QObject::connect(pHub, pSignal, &m_context, [this, szName](auto value) {
                Add(QStringLiteral("%1 %2").arg(QLatin1String(szName)).arg(value));
            });
        };
        follow(&CGlobalSignal::Sig_BrightnessChanged, "Sig_BrightnessChanged");
        follow(&CGlobalSignal::Sig_ContrastChanged, "Sig_ContrastChanged");
        follow(&CGlobalSignal::Sig_SaturationChanged, "Sig_SaturationChanged");
        follow(&CGlobalSignal::Sig_SharpnessChanged, "Sig_SharpnessChanged");
        follow(&CGlobalSignal::Sig_BlackLevelChanged, "Sig_BlackLevelChanged");
        follow(&CGlobalSignal::Sig_OfficeModeChanged, "Sig_OfficeModeChanged");
        follow(&CGlobalSignal::Sig_GameModeChanged, "Sig_GameModeChanged");
        follow(&CGlobalSignal::Sig_ModeTypeChanged, "Sig_ModeTypeChanged");
        follow(&CGlobalSignal::Sig_MPRTChanged, "Sig_MPRTChanged");
        follow(&CGlobalSignal::Sig_OverDriveChanged, "Sig_OverDriveChanged");
        follow(&CGlobalSignal::Sig_GammaChanged, "Sig_GammaChanged");
        follow(&CGlobalSignal::Sig_GamutModeChanged, "Sig_GamutModeChanged");
    }

    QStringList Lines()
    {
        Sync();
        return m_listLines;
    }

private:
    void Sync()
    {
        const QStringList listTranscript = TestSupport::Transcript();
        for (int i = m_nSeen; i < listTranscript.size(); ++i)
            m_listLines.append(listTranscript.at(i));
        m_nSeen = listTranscript.size();
    }
    void Add(const QString& strLine)
    {
        Sync();
        m_listLines.append(strLine);
    }

    QObject m_context;
    QStringList m_listLines;
    int m_nSeen = 0;
};

inline int CountReads()
{
    int nReads = 0;
    for (const QString& strLine : TestSupport::Transcript()) {
        if (strLine.startsWith(QLatin1String("GET ")))
            ++nReads;
    }
    return nReads;
}

// Waits until nReads reads have been made and no dialog is up any more (the fills run inside
// the last dialog's event loop, before it closes).
inline bool WaitForLoad(int nReads, int nTimeoutMs = 20000)
{
    QDeadlineTimer deadline(nTimeoutMs);
    while (!deadline.hasExpired()) {
        if (CountReads() >= nReads && !QApplication::activeModalWidget())
            return true;
        QTest::qWait(20);
    }
    return false;
}
}
