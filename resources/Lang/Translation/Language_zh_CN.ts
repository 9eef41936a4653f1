<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>About Logo</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
</context>
<context>
    <name>CAboutThisMachineWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CAutoColorCalibrateWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CProfessionalGameWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CProfessionalGraphicsWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CStandardModeWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CSystemSettingWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CTopTitleBarWidget</name>
    <message>
        <source>Kind Tips</source>
        <translation>温馨提示</translation>
    </message>
    <message>
        <source>Language reset takes effect afer restarting. Reset?</source>
        <translation>切换语言需要重启程序后生效，确认重启？</translation>
    </message>
    <message>
        <source>The operation guide file was not found!</source>
        <translation>未找到操作指导文件！</translation>
    </message>
    <message>
        <source>Open operation guide file fail!</source>
        <translation>打开操作指导文件失败！</translation>
    </message>
    <message>
        <source>Standard Mode</source>
        <translation>标准模式</translation>
    </message>
</context>
<context>
    <name>CWaitDlgClass</name>
    <message>
        <source>CWaitDlg</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ZAVO Client</source>
        <translation>ZAVO 显示器控制中心</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Standard Mode</source>
        <translation>标准模式</translation>
    </message>
    <message>
        <source>Professional Graphics</source>
        <translation>专业图像调试</translation>
    </message>
    <message>
        <source>Professional Game</source>
        <translation>专业游戏调试</translation>
    </message>
    <message>
        <source>System Settting</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <source>Color Calibration</source>
        <translation>自动色彩校准</translation>
    </message>
    <message>
        <source>About This Machine</source>
        <translation>关于本机</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Kind Tips</source>
        <translation>温馨提示</translation>
    </message>
    <message>
        <source>No monitor device supported by the application was found!</source>
        <translation>未检测到当前程序支持的显示器设备！</translation>
    </message>
    <message>
        <source>Confirm to quit the application?</source>
        <translation>确认退出当前程序？</translation>
    </message>
</context>
</TS>