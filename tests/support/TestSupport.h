#pragma once

#include "plugins/sim/SimMonitorControl.h"

#include <QtTest>

// Helpers shared by the test suites.
namespace TestSupport
{
// Writes a settings file with a time stamp of its own: QSettings takes an unchanged size and time
// (a rewrite within the file system's clock tick) for an unchanged file and reuses what it read.
inline void WriteFile(const QString& strPath, const QByteArray& baContent)
{
    static int s_nWrites = 0;
    QFile file(strPath);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(baContent) == baContent.size(), qPrintable(strPath));
    file.flush();
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600 - ++s_nWrites), QFileDevice::FileModificationTime));
}
inline QByteArray ReadAll(const QString& strPath, QIODevice::OpenMode mode = QIODevice::ReadOnly)
{
    QFile file(strPath);
    return file.open(mode) ? file.readAll() : QByteArray();
}
// A text file's lines, read as UTF-8, without empty ones.
inline QStringList ReadLines(const QString& strPath)
{
    return QString::fromUtf8(ReadAll(strPath, QIODevice::ReadOnly | QIODevice::Text)).split('\n', Qt::SkipEmptyParts);
}

// The simulated monitor the client has loaded (the same root instance).
CSimMonitorControl* Sim();
// Loads a simulated-monitor configuration (JSON text) and re-detects, so that the client sees
// exactly those monitors; clears the transcript afterwards.
bool UseSimConfig(const QByteArray& baJson);
bool UseDefaultSim(); // the embedded default: two monitors of the maker
QStringList Transcript();
QStringList Writes(); // the SET lines only
// Milliseconds from the first transcript line strFirst to the next strSecond; -1 when missing.
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
    QVERIFY2(TestSupport::Mismatches(parent, expect).isEmpty(), qPrintable(TestSupport::Mismatches(parent, expect)))
}
