// Start-up and page-load measurements of the client, run by scripts/benchmarks.sh.
//
// usage: ZavoBench startup
//        ZavoBench stdload <runs>
//        ZavoBench tray
//
// Both modes run the client's own start-up (RunClient) unchanged. A probe, installed on the
// application object as soon as it exists, watches the main window's first paint and the wait
// dialogs of the page loads.
//   startup  prints the wall-clock time of the main window's first paint (microseconds since the
//            epoch, to compare with the time the caller started the process) and, once the
//            standard page's first load (two wait dialogs) is over, the resident memory. Then quits.
//   stdload  after the first load, switches the title bar's monitor selector <runs> times (each
//            switch reloads the standard page at once, 100 ms pause included) and prints, per run,
//            how long the switch blocked the window and, per wait dialog, how long it was up, the
//            transfers it covered (from the simulated monitor's transcript) and when the last of
//            them was recorded.
//   tray     once the standard page's first load is over, closes the main window as the user
//            would (to the tray, which the harness says is there, as on a desktop), prints
//            hidden_epoch_us=<wall clock> and runs on until it is killed. Its probe keeps no timer.
// All lines go to stdout as key=value pairs, one record per line.

#include "app/StartUp.h"
#include "ui/frame/MainWindow.h"
#include "ui/frame/WaitDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <vector>

namespace
{
// A load that takes longer than this is reported as a failure, not waited for.
const int WATCHDOG_MS = 60000;
// Lets queued fills and timers of the previous load run out before the next switch.
const int SETTLE_MS = 300;
// How often the transcript is looked at while a wait dialog is up.
const int TRANSCRIPT_POLL_MS = 5;
// The standard page's full load: the fast-setting and the game-set group.
const int GROUPS_PER_LOAD = 2;

enum class Mode { Startup, StdLoad, Tray };
Mode g_eMode = Mode::Startup;
int g_nRuns = 0;

qint64 EpochMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

void Print(const QString& strLine)
{
    std::fputs(qPrintable(strLine + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

// One line of /proc/self/status, in kB; -1 when it cannot be read.
qint64 ProcStatusKb(const char* szKey)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray baKey = QByteArray(szKey) + ':';
    for (const QByteArray& baLine : file.readAll().split('\n')) {
        if (baLine.startsWith(baKey))
            return baLine.mid(baKey.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

QString TranscriptPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/bench-transcript.log");
}

// GET and SET lines of the simulated monitor's transcript so far.
struct TransferCount
{
    int nGets = 0;
    int nSets = 0;
};

TransferCount CountTransfers()
{
    TransferCount count;
    QFile file(TranscriptPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return count;
    for (const QByteArray& baLine : file.readAll().split('\n')) {
        if (baLine.startsWith("GET "))
            ++count.nGets;
        else if (baLine.startsWith("SET "))
            ++count.nSets;
    }
    return count;
}

class CBenchProbe : public QObject
{
public:
    explicit CBenchProbe(QObject* parent)
        : QObject(parent)
    {
        m_clock.start();
        auto* pWatchdog = new QTimer(this);
        pWatchdog->setSingleShot(true);
        connect(pWatchdog, &QTimer::timeout, this, [] {
            Print(QStringLiteral("error=no finished load within %1 ms").arg(WATCHDOG_MS));
            QCoreApplication::exit(1);
        });
        pWatchdog->start(WATCHDOG_MS);
        m_pWatchdog = pWatchdog;
        // While a wait dialog is up, notes when the transcript last grew: the group's last transfer.
        m_pPoll = new QTimer(this);
        m_pPoll->setInterval(TRANSCRIPT_POLL_MS);
        connect(m_pPoll, &QTimer::timeout, this, [this] { PollTranscript(); });
    }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        switch (pEvent->type()) {
        case QEvent::Paint:
            if (m_nFirstPaintUs < 0 && qobject_cast<MainWindow*>(pWatched)) {
                m_nFirstPaintUs = EpochMicroseconds();
                Print(QStringLiteral("first_paint_epoch_us=%1").arg(m_nFirstPaintUs));
            }
            break;
        case QEvent::Show:
            if (qobject_cast<CWaitDlg*>(pWatched)) {
                m_nDialogShownMs = m_nLastTransferMs = m_clock.elapsed();
                m_nTranscriptSize = QFileInfo(TranscriptPath()).size();
                m_pPoll->start();
            }
            break;
        case QEvent::Hide:
            if (qobject_cast<CWaitDlg*>(pWatched))
                OnDialogClosed();
            break;
        default:
            break;
        }
        return QObject::eventFilter(pWatched, pEvent);
    }

private:
    struct Group
    {
        qint64 nShownMs;
        qint64 nTransfersMs;
        TransferCount count;
    };

    void PollTranscript()
    {
        const qint64 nSize = QFileInfo(TranscriptPath()).size();
        if (nSize != m_nTranscriptSize) {
            m_nTranscriptSize = nSize;
            m_nLastTransferMs = m_clock.elapsed();
        }
    }

    void OnDialogClosed()
    {
        m_pPoll->stop();
        PollTranscript();
        m_vecGroups.push_back(
            {m_clock.elapsed() - m_nDialogShownMs, m_nLastTransferMs - m_nDialogShownMs, CountTransfers()});
        if (!m_bFirstLoadDone) {
            if (static_cast<int>(m_vecGroups.size()) < GROUPS_PER_LOAD)
                return;
            m_bFirstLoadDone = true;
            m_vecGroups.clear();
            // The dialog is still closing; measure once its slot has returned.
            QTimer::singleShot(0, this, [this] { OnFirstLoadDone(); });
        }
    }

    void OnFirstLoadDone()
    {
        Print(QStringLiteral("first_load_done_ms=%1 vmrss_kb=%2 vmhwm_kb=%3")
                  .arg(m_clock.elapsed())
                  .arg(ProcStatusKb("VmRSS"))
                  .arg(ProcStatusKb("VmHWM")));
        if (g_eMode == Mode::Startup) {
            QCoreApplication::quit();
            return;
        }
        QTimer::singleShot(SETTLE_MS, this, [this] { SwitchMonitor(); });
    }

    // One switch of the title bar's monitor selector; the standard page (on show) reloads inside
    // the call, behind its two wait dialogs.
    void SwitchMonitor()
    {
        auto* pCombo = FindMonitorSelector();
        if (!pCombo || pCombo->count() < 2) {
            Print(QStringLiteral("error=the monitor selector needs two monitors"));
            QCoreApplication::exit(1);
            return;
        }
        m_pWatchdog->start(WATCHDOG_MS);
        m_vecGroups.clear();
        const TransferCount before = CountTransfers();
        const int nNext = (pCombo->currentIndex() + 1) % pCombo->count();
        QElapsedTimer timer;
        timer.start();
        pCombo->setCurrentIndex(nNext);
        const qint64 nLoadUs = timer.nsecsElapsed() / 1000;

        QString strLine = QStringLiteral("run=%1 monitor=%2 load_ms=%3 dialogs=%4")
                              .arg(m_nRun + 1)
                              .arg(nNext)
                              .arg(nLoadUs / 1000.0, 0, 'f', 1)
                              .arg(m_vecGroups.size());
        TransferCount previous = before;
        for (size_t i = 0; i < m_vecGroups.size(); ++i) {
            const Group& group = m_vecGroups.at(i);
            strLine += QStringLiteral(" group%1_shown_ms=%2 group%1_last_transfer_ms=%3 group%1_gets=%4 group%1_sets=%5")
                           .arg(i + 1)
                           .arg(group.nShownMs)
                           .arg(group.nTransfersMs)
                           .arg(group.count.nGets - previous.nGets)
                           .arg(group.count.nSets - previous.nSets);
            previous = group.count;
        }
        Print(strLine);

        if (++m_nRun >= g_nRuns) {
            QCoreApplication::quit();
            return;
        }
        QTimer::singleShot(SETTLE_MS, this, [this] { SwitchMonitor(); });
    }

    static QComboBox* FindMonitorSelector()
    {
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            if (qobject_cast<MainWindow*>(pWidget))
                return pWidget->findChild<QComboBox*>(QStringLiteral("cmbDeviceType"));
        }
        return nullptr;
    }

    QElapsedTimer m_clock;
    QTimer* m_pWatchdog = nullptr;
    QTimer* m_pPoll = nullptr;
    qint64 m_nTranscriptSize = 0;
    qint64 m_nLastTransferMs = 0;
    qint64 m_nFirstPaintUs = -1;
    qint64 m_nDialogShownMs = 0;
    bool m_bFirstLoadDone = false;
    int m_nRun = 0;
    std::vector<Group> m_vecGroups;
};

// Counts the wait dialogs of the first load, then sends the main window to the tray. Nothing
// else: no timer of its own may wake the hidden client.
class CTrayProbe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Hide && qobject_cast<CWaitDlg*>(pWatched) && ++m_nDialogsClosed == GROUPS_PER_LOAD)
            QTimer::singleShot(0, this, [this] { HideToTray(); });
        return QObject::eventFilter(pWatched, pEvent);
    }

private:
    void HideToTray()
    {
        QCoreApplication::instance()->removeEventFilter(this);
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            if (qobject_cast<MainWindow*>(pWidget))
                pWidget->close();
        }
        Print(QStringLiteral("hidden_epoch_us=%1").arg(EpochMicroseconds()));
    }

    int m_nDialogsClosed = 0;
};

// Runs inside the application object's constructor, before any window exists.
void InstallProbe()
{
    QCoreApplication* pApp = QCoreApplication::instance();
    if (g_eMode == Mode::Tray)
        pApp->installEventFilter(new CTrayProbe(pApp));
    else
        pApp->installEventFilter(new CBenchProbe(pApp));
}
}

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)

int main(int argc, char* argv[])
{
    const QByteArray baMode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (baMode == "startup" && argc == 2) {
        g_eMode = Mode::Startup;
    } else if (baMode == "stdload" && argc == 3 && QByteArray(argv[2]).toInt() > 0) {
        g_eMode = Mode::StdLoad;
        g_nRuns = QByteArray(argv[2]).toInt();
    } else if (baMode == "tray" && argc == 2) {
        g_eMode = Mode::Tray;
        // A desktop session has a tray; the virtual display the harness uses has none.
        MainWindow::SetTrayAvailableCheck([] { return true; });
    } else {
        std::fputs("usage: ZavoBench startup | stdload <runs> | tray\n", stderr);
        return 2;
    }
    // The client takes no arguments; it gets only the program name.
    int nClientArgc = 1;
    return RunClient(nClientArgc, argv);
}
