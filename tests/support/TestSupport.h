#pragma once

#include "plugins/sim/SimMonitorControl.h"

#include <QByteArray>
#include <QMessageBox>
#include <QString>
#include <QStringList>

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

// Presses the given button of the next message box that opens within the time-out,
// from a timer while the test's own call blocks in the box's exec().
void AnswerNextModal(QMessageBox::StandardButton button, int nTimeoutMs = 5000);
}
