#include "tests/support/PageRecorders.h"
#include "ui/pages/AutoColorCalibrateWidget.h"

// The colour calibration page is a form only: no control of it, nor a monitor change naming it,
// may reach the monitor or open anything.
class TestColorCalibPage : public QObject
{
    Q_OBJECT
private slots:
    void controlsDoNothing()
    {
        QVERIFY(TestSupport::UseDefaultSim());
        CWaitDialogProbe probe;
        CAutoColorCalibrateWidget page;
        page.show();
        for (QAbstractButton* pButton : page.findChildren<QAbstractButton*>())
            pButton->click();
        const QList<QComboBox*> listCombos = page.findChildren<QComboBox*>();
        QCOMPARE(listCombos.size(), 6);
        for (QComboBox* pCombo : listCombos) {
            for (int i = pCombo->count() - 1; i >= 0; --i)
                pCombo->setCurrentIndex(i);
        }
        emit CGlobalSignal::GetInstance()->Sig_MonitorChanged(4);
        QTest::qWait(300);
        QCOMPARE(TestSupport::Transcript(), QStringList{});
        QCOMPARE(probe.Opened(), 0);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestColorCalibPage)
#include "tst_colorcalibpage.moc"
