#include "ui/pages/SettingsPage.h"

#include "ddc/DDCUtil.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/pages/LoadGate.h"
#include "ui/pages/ValueTable.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

namespace
{
const int FIRST_SHOW_DELAY_MS = 100;
}

CSettingsPage::CSettingsPage(int nPageIndex, bool bLoaded, QWidget* parent)
    : QWidget(parent)
    , m_bLoaded(bLoaded)
    , m_nPageIndex(nPageIndex)
{
    connect(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_MonitorChanged, this, &CSettingsPage::Slot_MonitorChanged);
}

void CSettingsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_bLoaded)
        return;
    // Set before the timer runs, so that a second show in between schedules nothing more.
    m_bLoaded = true;
    ScheduleLoadAll(FIRST_SHOW_DELAY_MS);
}

void CSettingsPage::ScheduleLoadAll(int nDelayMs)
{
    QTimer::singleShot(nDelayMs, this, [this] { Request(QByteArray(), [this] { LoadAll(); }); });
}

void CSettingsPage::Slot_MonitorChanged(int nCurrSubWinIndex)
{
    if (nCurrSubWinIndex != m_nPageIndex) {
        m_bLoaded = false;
        return;
    }
    Request(QByteArray(), [this] { ReloadOnMonitorChange(); });
}

void CSettingsPage::Request(const QByteArray& key, std::function<void()> fnRun)
{
    CLoadGate* pGate = CLoadGate::GetInstance();
    if (pGate->IsHeld()) {
        pGate->Defer(this, key, std::move(fnRun));
        return;
    }
    pGate->Drop(this, key);
    fnRun();
}

void CSettingsPage::RunGroup(const QByteArray& key, const std::function<QFuture<void>()>& fnStart,
                             const QString& strText)
{
    CLoadGate* pGate = CLoadGate::GetInstance();
    if (pGate->IsHeld()) {
        // Asked for inside another load's dialog by a slot or timer of the page's own.
        pGate->Defer(this, key, [this, key, fnStart, strText] { RunGroup(key, fnStart, strText); });
        return;
    }
    pGate->Drop(this, key);
    const CLoadGate::CHold hold;
    RunWithWaitDialog(fnStart(), strText, this);
}

bool CSettingsPage::HasMonitor()
{
    QList<MonitorInfo> listMonitors;
    CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
    return !listMonitors.isEmpty();
}

void CSettingsPage::ResetMonitor()
{
    CDDCUtil::GetInstance()->Reset();
}

int CSettingsPage::ReadVcp(const QString& strCode)
{
    return CDDCUtil::GetInstance()->GetVcp(strCode).toInt(nullptr, 10);
}

int CSettingsPage::ReadSubVcp(const QString& strSelectCode, const QString& strDataCode, const QString& strSubCode,
                              int nDelayMs)
{
    return CDDCUtil::GetInstance()->GetSubVcp(strSelectCode, strDataCode, strSubCode, nDelayMs).toInt(nullptr, 10);
}

void CSettingsPage::FillSlider(QSlider* pSlider, QLabel* pLabel, int nValue)
{
    {
        const QSignalBlocker blocker(pSlider);
        pSlider->setValue(nValue);
    }
    if (pLabel)
        pLabel->setText(QString::number(nValue));
}

void CSettingsPage::FillCombo(QComboBox* pCombo, const CValueTable& table, int nValueRead)
{
    FillComboIndex(pCombo, table.IndexForValue(nValueRead));
}

void CSettingsPage::FillComboIndex(QComboBox* pCombo, int nIndex)
{
    const QSignalBlocker blocker(pCombo);
    pCombo->setCurrentIndex(nIndex);
}

void CSettingsPage::FillChecked(QAbstractButton* pButton, bool bChecked)
{
    const QSignalBlocker blocker(pButton);
    pButton->setChecked(bChecked);
}

void CSettingsPage::WriteSlider(QLabel* pLabel, const QString& strCode, int nValue)
{
    if (pLabel)
        pLabel->setText(QString::number(nValue));
    CDDCUtil::GetInstance()->SetVcp(strCode, QString::number(nValue));
}

void CSettingsPage::WriteSubSlider(QLabel* pLabel, const QString& strSelectCode, const QString& strDataCode,
                                   const QString& strSubCode, int nValue)
{
    if (pLabel)
        pLabel->setText(QString::number(nValue));
    CDDCUtil::GetInstance()->SetSubVcp(strSelectCode, strDataCode, strSubCode, QString::number(nValue));
}

bool CSettingsPage::WriteCombo(const CValueTable& table, int nIndex, const QString& strCode)
{
    const QString strValue = table.ValueForIndex(nIndex);
    if (strValue.isNull())
        return false;
    CDDCUtil::GetInstance()->SetVcp(strCode, strValue);
    return true;
}

bool CSettingsPage::WriteSubCombo(const CValueTable& table, int nIndex, const QString& strSelectCode,
                                  const QString& strDataCode, const QString& strSubCode)
{
    const QString strValue = table.ValueForIndex(nIndex);
    if (strValue.isNull())
        return false;
    CDDCUtil::GetInstance()->SetSubVcp(strSelectCode, strDataCode, strSubCode, strValue);
    return true;
}

void CSettingsPage::WriteValue(const QString& strCode, const QString& strValue)
{
    CDDCUtil::GetInstance()->SetVcp(strCode, strValue);
}

void CSettingsPage::WriteSubValue(const QString& strSelectCode, const QString& strDataCode, const QString& strSubCode,
                                  const QString& strValue)
{
    CDDCUtil::GetInstance()->SetSubVcp(strSelectCode, strDataCode, strSubCode, strValue);
}
