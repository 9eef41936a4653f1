#pragma once

#include "ui/frame/WaitDlg.h"

#include <QByteArray>
#include <QMetaObject>
#include <QThread>
#include <QWidget>
#include <QtConcurrent>

#include <functional>

class CValueTable;
class QAbstractButton;
class QComboBox;
class QLabel;
class QSlider;

// The pattern every settings page follows: load its values in a worker behind the wait dialog
// when first shown, on refresh or on a monitor change; fill the controls with their signals
// blocked so that a fill writes nothing; turn each user change into one write at once.
// A page states only its groups, its reads, its value tables and its slots.
// A load asked for while another load (or the window's re-detection) is running waits and runs
// once that has ended (CLoadGate), so loads never nest.
class CSettingsPage : public QWidget
{
    Q_OBJECT
public:
    // nPageIndex: the page's place in the main window's stack. bLoaded: true for a page that
    // schedules its own first load instead of loading when first shown.
    CSettingsPage(int nPageIndex, bool bLoaded, QWidget* parent);

    int PageIndex() const { return m_nPageIndex; }
    bool IsLoaded() const { return m_bLoaded; }

protected:
    void showEvent(QShowEvent* event) override;

    // The page's full load: its groups one after the other, each behind its own dialog.
    virtual void LoadAll() = 0;
    // What a monitor change does while the page is on show; the standard page waits first.
    virtual void ReloadOnMonitorChange() { LoadAll(); }

    // Runs LoadAll once, nDelayMs from now, on the page's thread (first show; a page that
    // loads on its own at start).
    void ScheduleLoadAll(int nDelayMs);

    // Runs one group's worker on the global pool behind the wait dialog; returns when both
    // the work and the dialog are done, or at once when another load is running (the group
    // then loads after it).
    template <class TPage>
    void RunLoad(void (TPage::*pfnLoad)(), const QString& strText)
    {
        TPage* pPage = static_cast<TPage*>(this);
        RunGroup(GroupKey(pfnLoad), [pPage, pfnLoad] { return QtConcurrent::run(pPage, pfnLoad); }, strText);
    }

    // A refresh button: resets the monitor's DDC/CI state, pauses nPauseMs in this thread
    // (some pages give the monitor time to settle), then reloads the group. The loaded flag
    // is neither looked at nor changed.
    template <class TPage>
    void RefreshLoad(void (TPage::*pfnLoad)(), const QString& strText, int nPauseMs = 0)
    {
        Request(GroupKey(pfnLoad), [this, pfnLoad, strText, nPauseMs] {
            ResetMonitor();
            if (nPauseMs > 0)
                QThread::msleep(static_cast<unsigned long>(nPauseMs));
            RunLoad(pfnLoad, strText);
        });
    }

    // From a worker: hands a fill, which captures its value record by value, to the page's thread.
    template <class TFill>
    void PostToPage(TFill fill)
    {
        QMetaObject::invokeMethod(this, std::move(fill), Qt::QueuedConnection);
    }

    static bool HasMonitor();
    static void ResetMonitor();
    // Worker-side reads: decimal text to int, anything else 0.
    static int ReadVcp(const QString& strCode);
    static int ReadSubVcp(const QString& strSelectCode, const QString& strDataCode, const QString& strSubCode,
                          int nDelayMs = 0);

    // Silent fills (signals blocked), used by loads and by hub listeners.
    static void FillSlider(QSlider* pSlider, QLabel* pLabel, int nValue);
    static void FillCombo(QComboBox* pCombo, const CValueTable& table, int nValueRead);
    static void FillComboIndex(QComboBox* pCombo, int nIndex);
    static void FillChecked(QAbstractButton* pButton, bool bChecked);

    // Writes from user actions.
    static void WriteSlider(QLabel* pLabel, const QString& strCode, int nValue);
    static void WriteSubSlider(QLabel* pLabel, const QString& strSelectCode, const QString& strDataCode,
                               const QString& strSubCode, int nValue);
    // False, and nothing written, for an index the table has no row for (-1: nothing selected).
    static bool WriteCombo(const CValueTable& table, int nIndex, const QString& strCode);
    static bool WriteSubCombo(const CValueTable& table, int nIndex, const QString& strSelectCode,
                              const QString& strDataCode, const QString& strSubCode);
    // A button's fixed value: enumerated values as "0x.." text.
    static void WriteValue(const QString& strCode, const QString& strValue);
    static void WriteSubValue(const QString& strSelectCode, const QString& strDataCode, const QString& strSubCode,
                              const QString& strValue);

    bool m_bLoaded;

protected slots:
    void Slot_MonitorChanged(int nCurrSubWinIndex);

private:
    // A group's load is known by its worker function.
    template <class TFn>
    static QByteArray GroupKey(TFn pfnLoad)
    {
        return QByteArray(reinterpret_cast<const char*>(&pfnLoad), static_cast<int>(sizeof(pfnLoad)));
    }
    void RunGroup(const QByteArray& key, const std::function<QFuture<void>()>& fnStart, const QString& strText);
    // Runs fnRun now, or keeps it until no load is running; an empty key is the full load.
    void Request(const QByteArray& key, std::function<void()> fnRun);

    const int m_nPageIndex;
};
