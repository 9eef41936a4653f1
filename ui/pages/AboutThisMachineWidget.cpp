#include "ui/pages/AboutThisMachineWidget.h"

#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"

#include "ui_AboutThisMachineWidget.h"

namespace
{
const int PAGE_INDEX = 5;
}

CAboutThisMachineWidget::CAboutThisMachineWidget(QWidget* parent)
    : CSettingsPage(PAGE_INDEX, false, parent)
    , ui(std::make_unique<Ui::CAboutThisMachineWidget>())
{
    ui->setupUi(this);

    // Parameter export and import are not offered; the row stays in the form, without action.
    ui->line->setVisible(false);
    ui->lblConfigParams->setVisible(false);
    ui->btnImportParams->setVisible(false);
    ui->btnExportParams->setVisible(false);

    connect(ui->btnRefresh, &QPushButton::clicked, this, &CAboutThisMachineWidget::Slot_Refresh);
}

CAboutThisMachineWidget::~CAboutThisMachineWidget() = default;

void CAboutThisMachineWidget::LoadAll()
{
    RunLoad<CAboutThisMachineWidget>(&CAboutThisMachineWidget::LoadMachineInfo, tr("Load Data..."));
}

void CAboutThisMachineWidget::Slot_Refresh()
{
    CDDCUtil::GetInstance()->Reset();
    RunLoad<CAboutThisMachineWidget>(&CAboutThisMachineWidget::LoadMachineInfo, tr("Refresh Data..."));
}

void CAboutThisMachineWidget::LoadMachineInfo()
{
    // Worker thread: the labels are only touched through queued calls.
    QMetaObject::invokeMethod(ui->lblSystemVersion, "setText", Qt::QueuedConnection, Q_ARG(QString, APP_VERSION));

    QString strName = CDDCUtil::GetInstance()->GetCurrentMonitor().strMonitorName;
    if (strName.isEmpty())
        strName = CDDCUtil::GetInstance()->GetCurrentMonitor().strProductCode;
    QMetaObject::invokeMethod(ui->lblCurrentType, "setText", Qt::QueuedConnection, Q_ARG(QString, strName));
}
