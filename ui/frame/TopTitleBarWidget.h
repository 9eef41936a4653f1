#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

class QComboBox;
class QPushButton;
class QTimer;
class QUrl;
struct MonitorInfo;

// The strip across the top of the main window: the title artwork with the monitor and language
// selectors, the picture-mode and refresh-rate texts, and the settings, minimise and close
// buttons. Its free area is the window's drag caption.
class CTopTitleBarWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CTopTitleBarWidget(QWidget* parent = nullptr);
    ~CTopTitleBarWidget() override;

    // Re-detects the monitors once the display configuration has settled (1.5 s from the
    // last call).
    void ScheduleRedetect();

    // The selector text of a monitor: its name, or its product code when it has none.
    static QString MonitorDisplayName(const MonitorInfo& info);
    // Where the user guide is expected for an application folder, with native separators.
    static QString OperationGuidePath(const QString& strAppDir);

    // Ends this copy and starts the new one; tests replace it so that no process starts.
    using RestartHandler = std::function<void()>;
    static void SetRestartHandler(RestartHandler fnHandler);
    // Opens the operation guide with the desktop's default handler; tests replace it so that
    // no viewer starts.
    using OpenUrlHandler = std::function<bool(const QUrl&)>;
    static void SetOpenUrlHandler(OpenUrlHandler fnHandler);

    QString RefreshRateText() const { return m_strRefreshRate; }
    QString ModeTypeText() const { return m_strModeType; }

signals:
    void Sig_MinimumClicked();
    void Sig_CloseClicked();
    void Sig_MonitorChanged(int nIndex);

public slots:
    void Slot_SettingClicked();
    void Slot_MinimumClicked();
    void Slot_CloseClicked();
    void Slot_ModeTypeChanged(QString strValue);
    void Slot_LanguageChanged(int nLanguageType);
    void Slot_DeviceTypeChanged(int nIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;

private:
    void InitWidgets();
    void RefreshDeviceList();
    void UpdateRefreshRate(int index);
    void LayoutButtons();
    void Redetect();

    QPixmap m_pixBackground;
    QPixmap m_pixScaled;
    QSize m_sizeScaledFor;
    QString m_strRefreshRate;
    QString m_strModeType;
    QPushButton* m_pBtnSetting = nullptr;
    QPushButton* m_pBtnMinimum = nullptr;
    QPushButton* m_pBtnClose = nullptr;
    QComboBox* m_pCmbDeviceType = nullptr;
    QComboBox* m_pCmbLanguage = nullptr;
    QTimer* m_pRedetectTimer = nullptr;
};
