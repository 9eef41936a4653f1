#include "ui/frame/MainWindow.h"

#include "ui/pages/AboutThisMachineWidget.h"
#include "ui/pages/AutoColorCalibrateWidget.h"
#include "ui/pages/ProfessionalGameWidget.h"
#include "ui/pages/ProfessionalGraphicsWidget.h"
#include "ui/pages/StandardModeWidget.h"
#include "ui/pages/SystemSettingWidget.h"

#include <QStackedWidget>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent)
    , m_pStack(new QStackedWidget(this))
{
    setWindowTitle(tr("ZAVO Client"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pStack);
    m_pStack->addWidget(new CStandardModeWidget(this));
    m_pStack->addWidget(new CProfessionalGraphicsWidget(this));
    m_pStack->addWidget(new CProfessionalGameWidget(this));
    m_pStack->addWidget(new CSystemSettingWidget(this));
    m_pStack->addWidget(new CAutoColorCalibrateWidget(this));
    m_pStack->addWidget(new CAboutThisMachineWidget(this));
}

MainWindow::~MainWindow() = default;
