#pragma once

#include "plugins/sim/SimMonitorControl.h"

#include <QByteArray>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Helpers shared by the test suites.
namespace TestSupport
{
// The simulated monitor the client has loaded (the same root instance).
CSimMonitorControl* Sim();

// Loads a simulated-monitor configuration (JSON text) and re-detects, so that the client sees
// exactly those monitors; clears the transcript afterwards.
bool UseSimConfig(const QByteArray& baJson);
// The embedded default: two monitors of the maker.
bool UseDefaultSim();

// Transcript lines from the given one on, without GET/SET noise filtering.
QStringList Transcript();
// Only the SET lines (the writes), in order.
QStringList Writes();
// Waits (event loop running) until the transcript holds a line equal to strLine.
bool WaitForTranscriptLine(const QString& strLine, int nTimeoutMs = 5000);

// A configuration of nMonitors alike monitors with these values ("0x10" or "0xEE/0x02" to a
// number) and failing features.
QByteArray MonitorJson(const QVariantMap& mapValues, const QStringList& listFailing = {}, int nMonitors = 1);
// Milliseconds between the first transcript lines equal to strFirst and to strSecond (after
// it); -1 when either is missing.
qint64 MsBetween(const QString& strFirst, const QString& strSecond);

// The named child, or the test ends (a renamed control is a broken test, not a failure).
template <class T>
T* Child(const QObject* pParent, const QString& strName)
{
    T* pChild = pParent->findChild<T*>(strName);
    if (!pChild)
        qFatal("no child %s", qPrintable(strName));
    return pChild;
}
template <class T>
T* Child(const QObject& parent, const QString& strName)
{
    return Child<T>(&parent, strName);
}

// Checks the controls below pParent against "name=value" items (a slider's value, a box's
// index, a label's text, a button's checked state as 0 or 1), "name.property=value" and "+name"
// or "-name" (enabled or not). Returns the mismatches, empty when everything holds.
QString Mismatches(const QObject* pParent, const QString& strExpect);
#define QVERIFY_CONTROLS(parent, expect)                                                                          \
    do {                                                                                                           \
        const QString strMismatches_ = TestSupport::Mismatches(parent, expect);                                  \
        QVERIFY2(strMismatches_.isEmpty(), qPrintable(strMismatches_));                                           \
    } while (false)

// Presses the given button of the next message box that opens within the time-out,
// from a timer while the test's own call blocks in the box's exec().
void AnswerNextModal(QMessageBox::StandardButton button, int nTimeoutMs = 5000);
}
