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

    void buttonsDoNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("upload") << "btnUploadICC";
        QTest::newRow("begin") << "btnBeginCalibrate";
        QTest::newRow("refresh") << "btnRefreshColorCalib";
    }
    void buttonsDoNothing()
    {
        QFETCH(QString, button);
        CWaitDialogProbe probe;
        CAutoColorCalibrateWidget page;
        page.show();
        auto* pButton = page.findChild<QPushButton*>(button);
        QVERIFY(pButton);
        QTest::mouseClick(pButton, Qt::LeftButton);
        QTest::qWait(300);
        QCOMPARE(TestSupport::Transcript(), QStringList{});
        QCOMPARE(probe.Opened(), 0);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void combosWriteNothing()
    {
        CWaitDialogProbe probe;
        CAutoColorCalibrateWidget page;
        page.show();
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
    }
};

QTEST_MAIN(TestColorCalibPage)
#include "tst_colorcalibpage.moc"
