#pragma once

#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/frame/WaitDlg.h"
#include "ui/pages/SettingsPage.h"

#include <QtTest>
#include <QtWidgets>

// Counts the wait dialogs from their show and hide events (back-to-back dialogs count twice).
class CWaitDialogProbe : public QObject
{
public:
    CWaitDialogProbe() { qApp->installEventFilter(this); }
    ~CWaitDialogProbe() override { qApp->removeEventFilter(this); }

    int Opened() const { return m_nOpened; }
    int Closed() const { return m_nClosed; }
    int MostOpen() const { return m_nMostOpen; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Show && qobject_cast<CWaitDlg*>(pWatched) && !m_open.contains(pWatched)) {
            m_open.insert(pWatched);
            ++m_nOpened;
            m_nMostOpen = qMax(m_nMostOpen, m_open.size());
        } else if (pEvent->type() == QEvent::Hide && m_open.remove(pWatched)) {
            ++m_nClosed;
        }
        return false;
    }

private:
    QSet<QObject*> m_open;
    int m_nMostOpen = 0, m_nOpened = 0, m_nClosed = 0;
};

// The page harness, header-only (include once per test): what a page sent to the monitor and
// announced on the hub, how far a load has got, and tables of loads and user actions.
namespace PageRecorders
{
// Runs fnAct; returns the transcript it caused with the hub signals ("Sig_GammaChanged 4") in between.
template <class TFn>
QString Events(TFn fnAct)
{
    QObject context;
    QStringList listLines;
    int nSeen = TestSupport::Transcript().size();
    auto add = [&](const QString& strSignal) {
        const QStringList listTranscript = TestSupport::Transcript();
        listLines += listTranscript.mid(nSeen);
        nSeen = listTranscript.size();
        if (!strSignal.isNull())
            listLines.append(strSignal);
    };
    auto follow = [&](auto pSignal) {
        const QByteArray baName = QMetaMethod::fromSignal(pSignal).name();
        QObject::connect(CGlobalSignal::GetInstance(), pSignal, &context, [&add, baName](auto value) {
            add(QStringLiteral("%1 %2").arg(QLatin1String(baName)).arg(value));
        });
    };
    using G = CGlobalSignal;
    for (auto pSignal : {&G::Sig_BrightnessChanged, &G::Sig_ContrastChanged, &G::Sig_SaturationChanged,
                         &G::Sig_SharpnessChanged, &G::Sig_BlackLevelChanged, &G::Sig_OfficeModeChanged,
                         &G::Sig_GameModeChanged, &G::Sig_MPRTChanged, &G::Sig_OverDriveChanged, &G::Sig_GammaChanged,
                         &G::Sig_GamutModeChanged})
        follow(pSignal);
    follow(&G::Sig_ModeTypeChanged);
    fnAct();
    add(QString());
    return listLines.join(QLatin1String(", "));
}

// Compact transcripts, ", "-joined: "R10=70" reads 70 from 0x10, "WEE/0C=3" writes 3 to sub-code
// 0x0C of 0xEE (the selector, then the data code), "RF0/11=-1" is a failed read; other items
// (RESET, hub signals) stand as they are. Expand gives the simulated monitor's lines.
inline QString Expand(const QString& strCompact)
{
    static const QRegularExpression s_re(QStringLiteral("^([RW])(..)(?:/(..))?=(-?\\d+)$"));
    QStringList listLines;
    for (const QString& strItem : strCompact.split(QStringLiteral(", "), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = s_re.match(strItem);
        if (!match.hasMatch()) {
            listLines << strItem;
            continue;
        }
        QString strCode = match.captured(2);
        if (match.capturedLength(3) > 0) {
            listLines << QStringLiteral("SET 0 0x%1 %2").arg(strCode).arg(match.captured(3).toInt(nullptr, 16));
            strCode = strCode == QLatin1String("F0") ? QStringLiteral("F2") : QStringLiteral("EF");
        }
        const QString strVerb = match.captured(1) == QLatin1String("R") ? QStringLiteral("GET") : QStringLiteral("SET");
        listLines << QStringLiteral("%1 0 0x%2 %3").arg(strVerb, strCode, match.captured(4));
    }
    return listLines.join(QLatin1String(", "));
}

// One monitor holding the values the reads of a compact transcript give (failing those read as -1).
inline QByteArray Monitor(const QString& strReads)
{
    QJsonObject values;
    QJsonArray failing;
    static const QRegularExpression s_re(QStringLiteral("\\bR(..)(?:/(..))?=(-?\\d+)"));
    for (auto it = s_re.globalMatch(strReads); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString strSub = match.capturedLength(2) ? "/0x" + match.captured(2) : QString();
        const QString strFeature = "0x" + match.captured(1) + strSub;
        if (match.captured(3) == QLatin1String("-1"))
            failing.append(strFeature);
        else
            values.insert(strFeature, match.captured(3).toInt());
    }
    return QJsonDocument(QJsonObject{{"monitors", QJsonArray{QJsonObject{{"values", values}, {"failing", failing}}}}})
        .toJson(QJsonDocument::Compact);
}

// A compact transcript with each read failed.
inline QString Failed(const QString& strCompact)
{
    return QString(strCompact).replace(QRegularExpression(QStringLiteral("=\\d+")), QStringLiteral("=-1"));
}

inline int CountReads()
{
    return TestSupport::Transcript().filter(QRegularExpression(QStringLiteral("^GET "))).size();
}

// Waits for nReads reads and no dialog up (the fills run inside the last dialog, before it closes).
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

// Action tables. A row: actions ("a; b": a unrecorded), the compact transcript and hub signals b causes,
// the controls afterwards (see QVERIFY_CONTROLS) and how long b must at least take (the product's pauses).
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
// Rows "action compact-transcript", nothing else to check.
inline void WriteRows(std::initializer_list<const char*> listRows)
{
    for (const char* szRow : listRows)
        Row(QString(szRow).section(QLatin1Char(' '), 0, 0), QString(szRow).section(QLatin1Char(' '), 1));
}
inline void RunActionRow(QWidget* pPage)
{
    QFETCH(QString, actions);
    QFETCH(QString, events);
    QFETCH(QString, controls);
    QFETCH(int, minMs);
    const QStringList listActions = actions.split(QStringLiteral("; "));
    for (const QString& strAction : listActions.mid(0, listActions.size() - 1))
        Act(pPage, strAction);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(Events([&] { Act(pPage, listActions.last()); }), Expand(events));
    QVERIFY2(timer.elapsed() >= minMs, qPrintable(QString::number(timer.elapsed())));
    QTRY_VERIFY2(TestSupport::Mismatches(pPage, controls).isEmpty(), qPrintable(TestSupport::Mismatches(pPage, controls)));
}

// Load tables. A row: the load's compact transcript, which gives the monitor its values (ending in "...":
// only that), and the controls afterwards. The fills write nothing beyond the selectors of sub-coded reads.
inline void LoadColumns()
{
    QTest::addColumn<QString>("reads");
    QTest::addColumn<QString>("controls");
}
// Shows pPage unloaded and waits for nReads reads behind nDialogs dialogs; then (rows without failed
// reads) the shared pattern: no reload on a second show, an emptied box writes nothing, its own
// monitor change reloads and another page's unloads, its refresh resets and reloads.
inline void RunLoadRow(CSettingsPage* pPage, int nReads, int nDialogs, const QString& strRefresh = {},
                       const QString& strBox = {})
{
    QFETCH(QString, reads);
    QFETCH(QString, controls);
    QVERIFY(TestSupport::UseSimConfig(Monitor(reads)));
    CWaitDialogProbe probe;
    pPage->show();
    QVERIFY(WaitForLoad(nReads));
    QCOMPARE(probe.Opened(), nDialogs);
    const QString strTranscript = TestSupport::Transcript().join(QLatin1String(", "));
    if (!reads.endsWith(QLatin1String("...")))
        QCOMPARE(strTranscript, Expand(reads));
    QVERIFY2(!strTranscript.contains(QRegularExpression(QStringLiteral("RESET|SET 0 0x(?!EE|F0)"))),
             qPrintable(strTranscript));
    QVERIFY_CONTROLS(pPage, controls);
    if (strRefresh.isEmpty() || reads.contains(QLatin1String("=-1")))
        return;
    pPage->hide();
    pPage->show();
    TestSupport::Sim()->ClearTranscript();
    Act(pPage, strBox + "=-1");
    QTest::qWait(300);
    QCOMPARE(TestSupport::Transcript(), QStringList());
    QCOMPARE(probe.Opened(), nDialogs);
    emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(pPage->PageIndex());
    QVERIFY(WaitForLoad(nReads));
    QCOMPARE(CountReads(), nReads);
    emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(0);
    QVERIFY(!pPage->IsLoaded());
    TestSupport::Sim()->ClearTranscript();
    Act(pPage, strRefresh);
    QVERIFY(WaitForLoad(nReads));
    QCOMPARE(TestSupport::Transcript().value(0), QStringLiteral("RESET"));
    QCOMPARE(CountReads(), nReads);
    QCOMPARE(probe.Opened(), 3 * nDialogs);
    QVERIFY(!pPage->IsLoaded());
}
}
