#pragma once

#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/frame/WaitDlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSlider>
#include <QtTest>

// Counts the wait dialogs of page loads from their show and hide events (back-to-back dialogs
// count twice) and notes their texts, without the seconds counter, as they close.
class CWaitDialogProbe : public QObject
{
public:
    CWaitDialogProbe() { qApp->installEventFilter(this); }
    ~CWaitDialogProbe() override { qApp->removeEventFilter(this); }

    int Opened() const { return m_nOpened; }
    int Closed() const { return m_nClosed; }
    int MostOpen() const { return m_nMostOpen; }
    QStringList Texts() const { return m_listTexts; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Show && qobject_cast<CWaitDlg*>(pWatched) && !m_open.contains(pWatched)) {
            m_open.insert(pWatched);
            ++m_nOpened;
            m_nMostOpen = qMax(m_nMostOpen, m_open.size());
        } else if (pEvent->type() == QEvent::Hide && m_open.remove(pWatched)) {
            ++m_nClosed;
            const QString strText = TestSupport::Child<QLabel>(pWatched, QStringLiteral("lbText"))->text();
            if (!m_listTexts.contains(strText.section(QLatin1Char('('), 0, 0)))
                m_listTexts.append(strText.section(QLatin1Char('('), 0, 0));
        }
        return false;
    }

private:
    QSet<QObject*> m_open;
    int m_nMostOpen = 0;
    int m_nOpened = 0;
    int m_nClosed = 0;
    QStringList m_listTexts;
};

// The page harness: what a page sent to the monitor and announced on the hub, in the order it
// happened, how far a load has got, and tables of user actions with what each must cause.
// Header-only; include once per test.
namespace PageRecorders
{
// Runs fnAct; returns the transcript lines it caused interleaved with the hub signals it sent
// ("Sig_GammaChanged 4"), ", "-joined.
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
        QObject::connect(CGlobalSignal::GetInstance(), pSignal, &context,
                         [&add, baName](auto value) { add(QStringLiteral("%1 %2").arg(QLatin1String(baName)).arg(value)); });
    };
    for (auto pSignal : {&CGlobalSignal::Sig_BrightnessChanged, &CGlobalSignal::Sig_ContrastChanged,
                         &CGlobalSignal::Sig_SaturationChanged, &CGlobalSignal::Sig_SharpnessChanged,
                         &CGlobalSignal::Sig_BlackLevelChanged, &CGlobalSignal::Sig_OfficeModeChanged,
                         &CGlobalSignal::Sig_GameModeChanged, &CGlobalSignal::Sig_MPRTChanged,
                         &CGlobalSignal::Sig_OverDriveChanged, &CGlobalSignal::Sig_GammaChanged,
                         &CGlobalSignal::Sig_GamutModeChanged})
        follow(pSignal);
    follow(&CGlobalSignal::Sig_ModeTypeChanged);
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
        const QString strFeature = "0x" + match.captured(1) + (match.capturedLength(2) ? "/0x" + match.captured(2) : "");
        if (match.captured(3) == QLatin1String("-1"))
            failing.append(strFeature);
        else
            values.insert(strFeature, match.captured(3).toInt());
    }
    return QJsonDocument(QJsonObject{{"monitors", QJsonArray{QJsonObject{{"values", values}, {"failing", failing}}}}})
        .toJson(QJsonDocument::Compact);
}

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

// Action tables. A row: what is done first ("a; b": a unrecorded), the hub signals and compact
// transcript it causes, the controls afterwards (see QVERIFY_CONTROLS) and how long the action
// must at least take (the product's pauses).
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
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(Events([&] { Act(pPage, strLast); }), Expand(events));
    QVERIFY2(timer.elapsed() >= minMs, qPrintable(QString::number(timer.elapsed())));
    QTRY_VERIFY2(TestSupport::Mismatches(pPage, controls).isEmpty(), qPrintable(TestSupport::Mismatches(pPage, controls)));
}

// Load tables. A row: the load's compact transcript, which also gives the monitor its values
// (ending in "...": only the values, the transcript is not compared), and the controls afterwards.
// Either way the fills write nothing beyond the selectors of sub-coded reads.
inline void LoadColumns()
{
    QTest::addColumn<QString>("reads");
    QTest::addColumn<QString>("controls");
}
// Shows pPage, not loaded yet, and waits for its nReads reads behind the dialogs listTexts.
inline void RunLoadRow(QWidget* pPage, int nReads, const QStringList& listTexts)
{
    QFETCH(QString, reads);
    QFETCH(QString, controls);
    QVERIFY(TestSupport::UseSimConfig(Monitor(reads)));
    CWaitDialogProbe probe;
    pPage->show();
    QVERIFY(WaitForLoad(nReads));
    QCOMPARE(probe.Texts(), listTexts);
    QCOMPARE(probe.Opened(), listTexts.size());
    const QString strTranscript = TestSupport::Transcript().join(QLatin1String(", "));
    if (!reads.endsWith(QLatin1String("...")))
        QCOMPARE(strTranscript, Expand(reads));
    QVERIFY2(!strTranscript.contains(QRegularExpression(QStringLiteral("RESET|SET 0 0x(?!EE|F0)"))),
             qPrintable(strTranscript));
    QVERIFY_CONTROLS(pPage, controls);
}
}
