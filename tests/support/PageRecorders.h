#pragma once

#include "tests/support/TestSupport.h"
#include "tests/support/WaitDialogProbe.h"
#include "ui/frame/GlobalSignal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QSlider>
#include <QtTest>

// The page harness: what a page sent to the monitor and announced on the hub, in the order it
// happened, how far a load has got, and tables of user actions with what each must cause.
// Header-only; include once per test.
namespace PageRecorders
{
// Transcript lines interleaved with hub signals ("Sig_GammaChanged 4"). Start it after the
// transcript has been cleared.
class CEventLog
{
public:
    CEventLog()
    {
        auto follow = [this](auto pSignal) {
            const QByteArray baName = QMetaMethod::fromSignal(pSignal).name();
            QObject::connect(CGlobalSignal::GetInstance(), pSignal, &m_context, [this, baName](auto value) {
                Add(QStringLiteral("%1 %2").arg(QLatin1String(baName)).arg(value));
            });
        };
        for (auto pSignal : {&CGlobalSignal::Sig_BrightnessChanged, &CGlobalSignal::Sig_ContrastChanged,
                             &CGlobalSignal::Sig_SaturationChanged, &CGlobalSignal::Sig_SharpnessChanged,
                             &CGlobalSignal::Sig_BlackLevelChanged, &CGlobalSignal::Sig_OfficeModeChanged,
                             &CGlobalSignal::Sig_GameModeChanged, &CGlobalSignal::Sig_MPRTChanged,
                             &CGlobalSignal::Sig_OverDriveChanged, &CGlobalSignal::Sig_GammaChanged,
                             &CGlobalSignal::Sig_GamutModeChanged})
            follow(pSignal);
        follow(&CGlobalSignal::Sig_ModeTypeChanged);
    }

    QStringList Lines()
    {
        Add(QString());
        return m_listLines;
    }

private:
    // The transcript lines that came since, then the signal's line, if any.
    void Add(const QString& strSignal)
    {
        const QStringList listTranscript = TestSupport::Transcript();
        m_listLines += listTranscript.mid(m_nSeen);
        m_nSeen = listTranscript.size();
        if (!strSignal.isNull())
            m_listLines.append(strSignal);
    }

    QObject m_context;
    QStringList m_listLines;
    int m_nSeen = 0;
};

inline int CountReads()
{
    return TestSupport::Transcript().filter(QRegularExpression(QStringLiteral("^GET "))).size();
}

// Waits until nReads reads have been made and no dialog is up any more (the fills run inside
// the last dialog's event loop, before it closes).
inline bool WaitForLoad(int nReads, int nTimeoutMs = 20000)
{
    return QTest::qWaitFor([nReads] { return CountReads() >= nReads && !QApplication::activeModalWidget(); },
                           nTimeoutMs);
}

// One user action or hub announcement on pPage: "name=value" sets a slider's value or a box's
// index (from another index, so that it always changes), "name" clicks a button once it is
// enabled (some pages enable controls from a queued call), "Sig_Name=value" emits the hub signal
// and "0xNN=value" or "0xNN/0xMM=value" sets the simulated monitor's value.
inline void Act(QWidget* pPage, const QString& strAction)
{
    const QString strName = strAction.section(QLatin1Char('='), 0, 0);
    const int nValue = strAction.section(QLatin1Char('='), 1).toInt();
    if (strName.startsWith(QLatin1String("0x"))) {
        TestSupport::Sim()->SetValue(0, strName, nValue);
    } else if (strName.startsWith(QLatin1String("Sig_"))) {
        QMetaObject::invokeMethod(CGlobalSignal::GetInstance(), qPrintable(strName), Q_ARG(int, nValue));
    } else if (auto* pSlider = pPage->findChild<QSlider*>(strName)) {
        pSlider->setValue(nValue);
    } else if (auto* pBox = pPage->findChild<QComboBox*>(strName)) {
        {
            const QSignalBlocker blocker(pBox);
            pBox->setCurrentIndex(nValue < 0 ? 0 : -1);
        }
        pBox->setCurrentIndex(nValue);
    } else {
        auto* pButton = TestSupport::Child<QAbstractButton>(pPage, strName);
        if (QTest::qWaitFor([pButton] { return pButton->isEnabled(); }, 1000))
            pButton->click();
    }
    QCoreApplication::processEvents();
}

// Action tables. A row: what is done first ("a; b": a unrecorded), the hub signals and
// transcript lines it causes (", "-joined), the controls afterwards (see QVERIFY_CONTROLS) and
// how long the action must at least take (the product's pauses).
inline void ActionColumns()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("controls");
    QTest::addColumn<int>("minMs");
}
inline void Row(const QString& strActions, const QString& strEvents, const QString& strControls = {}, int nMinMs = 0)
{
    QTest::newRow(qPrintable(strActions)) << strActions << strEvents << strControls << nMinMs;
}
inline void RunActionRow(QWidget* pPage)
{
    QFETCH(QString, actions);
    QFETCH(QString, events);
    QFETCH(QString, controls);
    QFETCH(int, minMs);
    QStringList listActions = actions.split(QStringLiteral("; "));
    const QString strLast = listActions.takeLast();
    for (const QString& strAction : listActions)
        Act(pPage, strAction);
    TestSupport::Sim()->ClearTranscript();
    CEventLog log;
    QElapsedTimer timer;
    timer.start();
    Act(pPage, strLast);
    QVERIFY2(timer.elapsed() >= minMs, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(log.Lines().join(QLatin1String(", ")), events);
    QTRY_VERIFY2(TestSupport::Mismatches(pPage, controls).isEmpty(), qPrintable(TestSupport::Mismatches(pPage, controls)));
}

// Load tables. A row: the simulated monitors, the load's exact transcript (null: not compared,
// but the fills must still write nothing beyond the selectors of sub-coded reads) and the controls
// afterwards.
inline void LoadColumns()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("transcript");
    QTest::addColumn<QString>("controls");
}
inline void LoadRow(const char* szName, const QByteArray& baConfig, const QString& strTranscript, const QString& strControls)
{
    QTest::newRow(szName) << baConfig << strTranscript << strControls;
}
// Shows pPage, not loaded yet, and waits for its nReads reads behind the dialogs listTexts.
inline void RunLoadRow(QWidget* pPage, int nReads, const QStringList& listTexts)
{
    QFETCH(QByteArray, config);
    QFETCH(QString, transcript);
    QFETCH(QString, controls);
    QVERIFY(TestSupport::UseSimConfig(config));
    CWaitDialogProbe probe;
    pPage->show();
    QVERIFY(WaitForLoad(nReads));
    QCOMPARE(probe.Texts(), listTexts);
    QCOMPARE(probe.Opened(), listTexts.size());
    if (!transcript.isNull())
        QCOMPARE(TestSupport::Transcript().join(QLatin1String(", ")), transcript);
    QCOMPARE(TestSupport::Transcript().filter(QRegularExpression(QStringLiteral("^RESET|^SET 0 0x(?!EE|F0)"))),
             QStringList());
    QVERIFY_CONTROLS(pPage, controls);
}
}
