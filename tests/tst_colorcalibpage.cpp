#include "tests/support/WaitDialogProbe.h"
#include "tests/support/TestSupport.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/AutoColorCalibrateWidget.h"

#include <QComboBox>
#include <QPushButton>
#include <QtTest>

// The colour calibration page is a form only: no control of it may reach the monitor or open
// anything.
class TestColorCalibPage : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(TestSupport::UseDefaultSim()); }

    void controlsDoNothing()
    {
        CWaitDialogProbe probe;
        CAutoColorCalibrateWidget page;
        page.show();
        for (const char* szName : {"btnUploadICC", "btnBeginCalibrate", "btnRefreshColorCalib"})
            QTest::mouseClick(page.findChild<QPushButton*>(QLatin1String(szName)), Qt::LeftButton);
        const QList<QComboBox*> listCombos = page.findChildren<QComboBox*>();
        QCOMPARE(listCombos.size(), 6);
        for (QComboBox* pCombo : listCombos) {
            for (int i = pCombo->count() - 1; i >= 0; --i)
                pCombo->setCurrentIndex(i);
        }
        // Nor does a monitor change, even one naming this page.
        emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(4);
        QTest::qWait(300);
        QCOMPARE(TestSupport::Transcript(), QStringList{});
        QCOMPARE(probe.Opened(), 0);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestColorCalibPage)
#include "tst_colorcalibpage.moc"
