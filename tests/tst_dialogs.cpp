#include "ui/frame/AboutDlg.h"
#include "ui/frame/ScreenUtil.h"
#include "ui/frame/WaitDlg.h"

#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QtConcurrent>
#include <QtTest>

#include <functional>

namespace
{
CWaitDlg* ModalWaitDialog()
{
    return qobject_cast<CWaitDlg*>(QApplication::activeModalWidget());
}

// Runs a wait dialog over work of nWorkMs, calling fnPoll every 40 ms meanwhile; returns how
// long it blocked.
qint64 RunWaitDialog(unsigned long nWorkMs, const std::function<void(CWaitDlg*)>& fnPoll)
{
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&fnPoll] {
        if (CWaitDlg* pDlg = ModalWaitDialog())
            fnPoll(pDlg);
    });
    poll.start(40);
    QElapsedTimer timer;
    timer.start();
    RunWithWaitDialog(QtConcurrent::run([nWorkMs] { QThread::msleep(nWorkMs); }), "Loading", nullptr);
    return timer.elapsed();
}
}

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void waitDialogStaysASecondAndIgnoresKeys()
    {
        // The keys that close a dialog arrive while the work runs; it ends long before a second.
        int nPolls = 0;
        bool bStillUp = true;
        const qint64 nElapsed = RunWaitDialog(300, [&](CWaitDlg* pDlg) {
            if (++nPolls != 2)
                return;
            for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Enter, Qt::Key_Return})
                QTest::keyClick(pDlg, key);
            bStillUp = ModalWaitDialog() == pDlg && pDlg->isVisible();
        });
        QVERIFY(nPolls >= 2 && bStillUp);
        QVERIFY2(nElapsed >= 980 && nElapsed < 3000, qPrintable(QString::number(nElapsed)));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void waitDialogCountsSeconds()
    {
        QStringList listTexts;
        const qint64 nElapsed = RunWaitDialog(2600, [&listTexts](CWaitDlg* pDlg) {
            const QString strText = pDlg->findChild<QLabel*>("lbText")->text();
            if (listTexts.value(listTexts.size() - 1) != strText)
                listTexts << strText;
        });
        // No longer than the work itself: the minimum second is long past.
        QVERIFY2(nElapsed >= 2590 && nElapsed < 4500, qPrintable(QString::number(nElapsed)));
        listTexts.removeAll("TextLabel");
        listTexts.removeAll("Loading");
        QCOMPARE(listTexts.mid(0, 3), (QStringList{"Loading(0)", "Loading(1)", "Loading(2)"}));
    }

    void aboutShowsVersionWithoutHelpButton()
    {
        CAboutDlg dlg;
        QCOMPARE(dlg.findChild<QLabel*>("lbVersion")->text(), QStringLiteral("V1.0.1.26_Dev"));
        QVERIFY(!(dlg.windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dlg.geometry(), ScreenRatioGeometry(QGuiApplication::primaryScreen()->geometry(), 0.2, 0.2));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
