#include "ui/frame/TopTitleBarWidget.h"

#include "app/ConfigSettings.h"
#include "app/QSingleApplication.h"
#include "ddc/DDCUtil.h"
#include "ui/frame/GlobalSignal.h"
#include "ui/frame/MessageBox.h"
#include "ui/pages/LoadGate.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyleOption>
#include <QTimer>
#include <QUrl>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace
{
const int REDETECT_DELAY_MS = 1500;
const int BUTTON_SIZE = 32;
const int BUTTON_TOP = 15;
// Distance of each button's left edge from the bar's right edge.
const int CLOSE_OFFSET = 47;
const int MINIMUM_OFFSET = 89;
const int SETTING_OFFSET = 131;
// Artwork coordinates (unscaled) of the selector row and the two status texts.
const double SELECTOR_ROW_Y = 40;
const double DEVICE_X = 150;
const double LANGUAGE_X = 282;
const double MODE_TEXT_X = 875;
const double RATE_TEXT_X = 1020;

const QString LANGUAGE_GROUP = QStringLiteral("LANGUAGE");
const QString LANGUAGE_KEY = QStringLiteral("LANGUAGE_TYPE");

// 1 is English; any other stored value, however it got into the file, is Simplified Chinese.
int StoredLanguageIndex()
{
    return GetConfigInt(LANGUAGE_GROUP, LANGUAGE_KEY, 0) == 1 ? 1 : 0;
}

void StartNewCopy()
{
    QCoreApplication::quit();
    // The new copy must not find this one still listening, or it would end at once.
    if (auto* pApp = qobject_cast<QSingleApplication*>(QCoreApplication::instance()))
        pApp->CloseServer();
    QProcess::startDetached(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()), QStringList());
}

CTopTitleBarWidget::RestartHandler& Restarter()
{
    static CTopTitleBarWidget::RestartHandler s_fnRestart = StartNewCopy;
    return s_fnRestart;
}

CTopTitleBarWidget::OpenUrlHandler& UrlOpener()
{
    static CTopTitleBarWidget::OpenUrlHandler s_fnOpen = &QDesktopServices::openUrl;
    return s_fnOpen;
}
}

CTopTitleBarWidget::CTopTitleBarWidget(QWidget* parent)
    : QWidget(parent)
    , m_pixBackground(QStringLiteral(":/Image/Resource/MainFrame/top_bar_BG.png"))
    , m_strModeType(tr("Standard Mode"))
{
    m_pRedetectTimer = new QTimer(this);
    m_pRedetectTimer->setSingleShot(true);
    m_pRedetectTimer->setInterval(REDETECT_DELAY_MS);
    connect(m_pRedetectTimer, &QTimer::timeout, this, &CTopTitleBarWidget::Redetect);

#ifndef Q_OS_WIN
    // The status texts are placed for Arial's line height; use a metric-compatible face.
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                                        QStringLiteral("DejaVu Sans")});
#endif
    InitWidgets();
    connect(CGlobalSignal::GetInstance(), &CGlobalSignal::Sig_ModeTypeChanged, this,
            &CTopTitleBarWidget::Slot_ModeTypeChanged);
}

CTopTitleBarWidget::~CTopTitleBarWidget() = default;

void CTopTitleBarWidget::SetRestartHandler(RestartHandler fnHandler)
{
    Restarter() = fnHandler ? std::move(fnHandler) : RestartHandler(StartNewCopy);
}

void CTopTitleBarWidget::SetOpenUrlHandler(OpenUrlHandler fnHandler)
{
    UrlOpener() = fnHandler ? std::move(fnHandler) : OpenUrlHandler(&QDesktopServices::openUrl);
}

QString CTopTitleBarWidget::MonitorDisplayName(const MonitorInfo& info)
{
    return info.strMonitorName.isEmpty() ? info.strProductCode : info.strMonitorName;
}

QString CTopTitleBarWidget::OperationGuidePath(const QString& strAppDir)
{
    return QDir::toNativeSeparators(QStringLiteral("%1/doc/用户手册.pdf").arg(strAppDir));
}

void CTopTitleBarWidget::InitWidgets()
{
    auto makeButton = [this](const QString& strName) {
        auto* pButton = new QPushButton(this);
        pButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        pButton->setCursor(Qt::PointingHandCursor);
        pButton->setObjectName(strName);
        pButton->setFixedSize(BUTTON_SIZE, BUTTON_SIZE);
        pButton->setFocusPolicy(Qt::NoFocus);
        return pButton;
    };
    m_pBtnSetting = makeButton(QStringLiteral("btnSetting"));
    m_pBtnMinimum = makeButton(QStringLiteral("btnMinimum"));
    m_pBtnClose = makeButton(QStringLiteral("btnClose"));

    m_pCmbDeviceType = new QComboBox(this);
    m_pCmbDeviceType->setObjectName(QStringLiteral("cmbDeviceType"));
    RefreshDeviceList();

    m_pCmbLanguage = new QComboBox(this);
    m_pCmbLanguage->setObjectName(QStringLiteral("cmbLanguage"));
    m_pCmbLanguage->addItem(QStringLiteral("简体中文"));
    m_pCmbLanguage->addItem(QStringLiteral("English"));
    m_pCmbLanguage->setCurrentIndex(StoredLanguageIndex());

    connect(m_pBtnSetting, &QPushButton::clicked, this, &CTopTitleBarWidget::Slot_SettingClicked);
    connect(m_pBtnMinimum, &QPushButton::clicked, this, &CTopTitleBarWidget::Slot_MinimumClicked);
    connect(m_pBtnClose, &QPushButton::clicked, this, &CTopTitleBarWidget::Slot_CloseClicked);
    connect(m_pCmbDeviceType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CTopTitleBarWidget::Slot_DeviceTypeChanged);
    connect(m_pCmbLanguage, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &CTopTitleBarWidget::Slot_LanguageChanged);

    LayoutButtons();
}

void CTopTitleBarWidget::RefreshDeviceList()
{
    const QSignalBlocker blocker(m_pCmbDeviceType);
    m_pCmbDeviceType->clear();
    QList<MonitorInfo> listMonitors;
    CDDCUtil::GetInstance()->GetMonitorList(listMonitors);
    for (const MonitorInfo& info : listMonitors)
        m_pCmbDeviceType->addItem(MonitorDisplayName(info), info.nMonitorId);
    if (!listMonitors.isEmpty())
        UpdateRefreshRate(0);
}

void CTopTitleBarWidget::UpdateRefreshRate(int index)
{
    const QVariant varId = m_pCmbDeviceType->itemData(index);
    if (!varId.isValid())
        return;
    const int nRate = CDDCUtil::GetInstance()->GetRefreshRate(varId.toInt());
    if (nRate <= 0)
        return;
    m_strRefreshRate = QStringLiteral("%1Hz").arg(nRate);
    update();
}

void CTopTitleBarWidget::LayoutButtons()
{
    const int nWidth = width();
    m_pBtnClose->move(nWidth - CLOSE_OFFSET, BUTTON_TOP);
    m_pBtnMinimum->move(nWidth - MINIMUM_OFFSET, BUTTON_TOP);
    m_pBtnSetting->move(nWidth - SETTING_OFFSET, BUTTON_TOP);
}

void CTopTitleBarWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutButtons();
}

void CTopTitleBarWidget::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    // The style sheet's own background, as a plain QWidget would draw it.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (m_pixBackground.isNull())
        return;

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Scaled once per bar size, not on every paint.
    const QSize sizeTarget(width(), height() - 12);
    if (m_pixScaled.isNull() || m_sizeScaledFor != sizeTarget) {
        m_pixScaled = m_pixBackground.scaled(sizeTarget, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_sizeScaledFor = sizeTarget;
    }
    const QPixmap& pixScaled = m_pixScaled;
    const int x0 = (width() - pixScaled.width()) / 2;
    const int y0 = (height() - pixScaled.height()) / 2 + 10;
    painter.drawPixmap(x0, y0, pixScaled);

    const double r = static_cast<double>(pixScaled.height()) / m_pixBackground.height();
    const int y = static_cast<int>(r * SELECTOR_ROW_Y + y0);
    // Moving a child here only schedules its own paint; it does not repaint the bar again.
    m_pCmbDeviceType->move(static_cast<int>(r * DEVICE_X + x0), y);
    m_pCmbLanguage->move(static_cast<int>(r * LANGUAGE_X + x0), y);

#ifdef Q_OS_WIN
    // The window's own faces (the style sheet's list, Chinese included) at the bar's size:
    // Arial may be missing (Wine has none), and what stands in for it need not hold Chinese.
    QFont font = this->font();
    font.setPointSize(10);
#else
    QFont font(QStringLiteral("Arial"), 10);
    // Without a family list of its own the font would take the style sheet's list instead of
    // Arial's substitutes. Chinese mode names take the window's own Chinese face (the style
    // sheet's list): the system's fallback would load another CJK face for them. Substitutes
    // are listed here because a family list tries them only after all its own families.
    QStringList listFamilies(QStringLiteral("Arial"));
    listFamilies << QFont::substitutes(QStringLiteral("Arial")) << this->font().families();
    font.setFamilies(listFamilies);
#endif
    painter.setFont(font);
    painter.setPen(Qt::white);
#ifdef Q_OS_WIN
    // Capitals centred where Arial's sit, 0.76 em below the row: line heights differ by face.
    const int nBaseline =
        y + qRound(2 + 0.76 * QFontInfo(font).pixelSize() + QFontMetricsF(painter.fontMetrics()).capHeight() / 2);
#else
    const int nBaseline = y + painter.fontMetrics().height() + 2;
#endif
    painter.drawText(static_cast<int>(r * MODE_TEXT_X + x0), nBaseline, m_strModeType);
    painter.drawText(static_cast<int>(r * RATE_TEXT_X + x0), nBaseline, m_strRefreshRate);
}

bool CTopTitleBarWidget::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
#ifdef Q_OS_WIN
    if (eventType == "windows_generic_MSG" && static_cast<const MSG*>(message)->message == WM_DISPLAYCHANGE)
        ScheduleRedetect();
#endif
    return QWidget::nativeEvent(eventType, message, result);
}

void CTopTitleBarWidget::ScheduleRedetect()
{
    m_pRedetectTimer->start();
}

void CTopTitleBarWidget::Redetect()
{
    // A load running now reads the current monitor; swapping the list under it would mix two
    // monitors' values. The re-detection waits for it instead.
    if (CLoadGate::GetInstance()->IsHeld()) {
        CLoadGate::GetInstance()->Defer(this, QByteArrayLiteral("redetect"), [this] { Redetect(); });
        return;
    }
    CDDCUtil::GetInstance()->Init();
    RefreshDeviceList();
    emit Sig_MonitorChanged(m_pCmbDeviceType->currentIndex());
}

void CTopTitleBarWidget::Slot_DeviceTypeChanged(int nIndex)
{
    if (nIndex < 0)
        return;
    UpdateRefreshRate(nIndex);
    CDDCUtil::GetInstance()->SetCurrentMonitor(m_pCmbDeviceType->itemData(nIndex).toInt());
    emit Sig_MonitorChanged(nIndex);
}

void CTopTitleBarWidget::Slot_MinimumClicked()
{
    emit Sig_MinimumClicked();
}

void CTopTitleBarWidget::Slot_CloseClicked()
{
    emit Sig_CloseClicked();
}

void CTopTitleBarWidget::Slot_ModeTypeChanged(QString strValue)
{
    m_strModeType = strValue;
    update();
}

void CTopTitleBarWidget::Slot_LanguageChanged(int nLanguageType)
{
    if (CMessageBox::Question(this, tr("Kind Tips"), tr("Language reset takes effect afer restarting. Reset?"))
        != QMessageBox::Yes) {
        const QSignalBlocker blocker(m_pCmbLanguage);
        m_pCmbLanguage->setCurrentIndex(StoredLanguageIndex());
        return;
    }
    SetConfigValue(LANGUAGE_GROUP, LANGUAGE_KEY, nLanguageType);
    Restarter()();
}

void CTopTitleBarWidget::Slot_SettingClicked()
{
    const QString strPath = OperationGuidePath(QCoreApplication::applicationDirPath());
    if (!QFile::exists(strPath)) {
        CMessageBox::Warning(this, tr("Kind Tips"), tr("The operation guide file was not found!"));
        return;
    }
    if (!UrlOpener()(QUrl::fromLocalFile(strPath)))
        CMessageBox::Critical(this, tr("Kind Tips"), tr("Open operation guide file fail!"));
}
