#include "ui/frame/AboutDlg.h"
#include "ui/frame/ScreenUtil.h"
#include "ui/frame/WaitDlg.h"

#include <QLabel>
#include <QScreen>
#include <QSemaphore>
#include <QThread>
#include <QtConcurrent>
#include <QtTest>


namespace
{
CWaitDlg* ModalWaitDialog()
{
    return qobject_cast<CWaitDlg*>(QApplication::activeModalWidget());
}
}

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void waitDialogStaysAtLeastASecond_data()
    {
        QTest::addColumn<int>("workMs");
        QTest::newRow("instant") << 0;
        QTest::newRow("200 ms") << 200;
    }
    void waitDialogStaysAtLeastASecond()
    {
        QFETCH(int, workMs);
        QElapsedTimer timer;
        timer.start();
        RunWithWaitDialog(QtConcurrent::run([workMs] { QThread::msleep(static_cast<unsigned long>(workMs)); }),
                          QStringLiteral("Loading"), nullptr);
        const qint64 nElapsed = timer.elapsed();
        QVERIFY2(nElapsed >= 980, qPrintable(QString::number(nElapsed)));
        QVERIFY2(nElapsed < 3000, qPrintable(QString::number(nElapsed)));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void waitDialogCountsSeconds()
    {
        QStringList listTexts;
        QTimer poll;
        poll.setInterval(40);
        connect(&poll, &QTimer::timeout, this, [&listTexts] {
            if (CWaitDlg* pDlg = ModalWaitDialog()) {
                const QString strText = pDlg->findChild<QLabel*>(QStringLiteral("lbText"))->text();
                if (listTexts.isEmpty() || listTexts.last() != strText)
                    listTexts.append(strText);
            }
        });
        poll.start();
        QElapsedTimer timer;
        timer.start();
        RunWithWaitDialog(QtConcurrent::run([] { QThread::msleep(2600); }), QStringLiteral("Loading"), nullptr);
        const qint64 nElapsed = timer.elapsed();
        poll.stop();

        // No longer than the work itself (plus scheduling): the minimum second is long past.
        QVERIFY2(nElapsed >= 2590 && nElapsed < 4500, qPrintable(QString::number(nElapsed)));
        listTexts.removeAll(QStringLiteral("TextLabel"));
        listTexts.removeAll(QStringLiteral("Loading"));
        QVERIFY2(listTexts.size() >= 3, qPrintable(listTexts.join(QLatin1Char('|'))));
        QCOMPARE(listTexts.mid(0, 3), (QStringList{"Loading(0)", "Loading(1)", "Loading(2)"}));
    }

    void waitDialogIgnoresKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Return") << int(Qt::Key_Return);
    }
    void waitDialogIgnoresKeys()
    {
        QFETCH(int, key);
        CWaitDlg dlg;
        dlg.SetText(QStringLiteral("Loading"));
        QSemaphore release;
        QFutureWatcher<void> watcher;
        connect(&watcher, &QFutureWatcher<void>::finished, &dlg, &CWaitDlg::Slot_Close);
        watcher.setFuture(QtConcurrent::run([&release] { release.acquire(); }));

        bool bPressed = false;
        bool bStillUp = false;
        QTimer::singleShot(150, this, [&] {
            QTest::keyClick(&dlg, Qt::Key(key));
            bPressed = true;
            bStillUp = dlg.isVisible() && ModalWaitDialog() == &dlg;
            release.release();
        });
        QElapsedTimer timer;
        timer.start();
        dlg.exec();
        QVERIFY(bPressed);
        QVERIFY(bStillUp);
        QVERIFY(timer.elapsed() >= 900);
        watcher.waitForFinished();
    }

    void aboutShowsVersionWithoutHelpButton()
    {
        CAboutDlg dlg;
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("lbVersion"))->text(), QStringLiteral("V1.0.1.26_Dev"));
        QCOMPARE(dlg.findChild<QLabel*>(QStringLiteral("label_2"))->text(), QStringLiteral("Version:"));
        QVERIFY(!(dlg.windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dlg.geometry(), ScreenRatioGeometry(QGuiApplication::primaryScreen()->geometry(), 0.2, 0.2));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
