#include "ui/frame/AboutDlg.h"

#include "ui_AboutDlg.h"

#include "ddc/VcpCodes.h"
#include "ui/frame/ScreenUtil.h"

namespace
{
const double DIALOG_RATIO = 0.2;
}

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CAboutDlg>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ResizeToScreenRatio(this, DIALOG_RATIO, DIALOG_RATIO);
    ui->lbVersion->setText(APP_VERSION);
}

CAboutDlg::~CAboutDlg() = default;
