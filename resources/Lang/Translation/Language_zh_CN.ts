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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>System Version:</source>
        <translation>系统版本：</translation>
    </message>
    <message>
        <source>Current Type:</source>
        <translation>当前机型：</translation>
    </message>
    <message>
        <source>Copyright © the maker of this software. All rights reserved.&lt;br/&gt;No part of this software or its documentation may be copied, modified or distributed without the maker's written permission.&lt;br/&gt;Web site: www.zavo-display.example&lt;br/&gt;Service line: 000-0000-0000</source>
        <translation>版权所有 © 本软件制造商，保留所有权利。&lt;br/&gt;未经制造商书面许可，不得复制、修改或分发本软件及其文档的任何部分。&lt;br/&gt;官方网站：www.zavo-display.example&lt;br/&gt;服务热线：000-0000-0000</translation>
    </message>
    <message>
        <source>Config Params:</source>
        <translation>配置参数：</translation>
    </message>
    <message>
        <source>Export Params</source>
        <translation>导出参数</translation>
    </message>
    <message>
        <source>Import Params</source>
        <translation>导入参数</translation>
    </message>
    <message>
        <source>Load Data...</source>
        <translation>加载数据...</translation>
    </message>
    <message>
        <source>Refresh Data...</source>
        <translation>刷新数据...</translation>
    </message>
</context>
<context>
    <name>CAutoColorCalibrateWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Hardware  Color Calibration</source>
        <translation>硬件校色</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Select Serial Port</source>
        <translation>串口选择</translation>
    </message>
    <message>
        <source>Color Calib Type</source>
        <translation>校色类型</translation>
    </message>
    <message>
        <source>Software  Color Calibration</source>
        <translation>软件校色</translation>
    </message>
    <message>
        <source>Screen Type</source>
        <translation>屏幕类型</translation>
    </message>
    <message>
        <source>Graphics Card Type</source>
        <translation>显卡类型</translation>
    </message>
    <message>
        <source>N Card</source>
        <translation>N卡</translation>
    </message>
    <message>
        <source>A Card</source>
        <translation>A卡</translation>
    </message>
    <message>
        <source>Color Calib ICC File</source>
        <translation>校色ICC文件</translation>
    </message>
    <message>
        <source>Upload File</source>
        <translation>上传文件</translation>
    </message>
    <message>
        <source>Begin Calibrate</source>
        <translation>开始校色</translation>
    </message>
</context>
<context>
    <name>CProfessionalGameWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished">窗体</translation>
    </message>
</context>
<context>
    <name>CProfessionalGraphicsWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished">窗体</translation>
    </message>
</context>
<context>
    <name>CStandardModeWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished">窗体</translation>
    </message>
</context>
<context>
    <name>CSystemSettingWidget</name>
    <message>
        <source>System Setting</source>
        <translation>系统设置</translation>
    </message>
    <message>
        <source>KVM</source>
        <translation>KVM</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>USB-B</source>
        <translation>USB-B</translation>
    </message>
    <message>
        <source>Type-C</source>
        <translation>Type-C</translation>
    </message>
    <message>
        <source>Type-C DSC</source>
        <translation>Type-C DSC</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>HDMI Version</source>
        <translation>HDMI版本</translation>
    </message>
    <message>
        <source>HDMI2.0</source>
        <translation>HDMI2.0</translation>
    </message>
    <message>
        <source>HDMI2.1</source>
        <translation>HDMI2.1</translation>
    </message>
    <message>
        <source>USB Mains</source>
        <translation>USB电源</translation>
    </message>
    <message>
        <source>Light Eco</source>
        <translation>指示灯节能</translation>
    </message>
    <message>
        <source>Reading Lamp</source>
        <translation>阅读灯</translation>
    </message>
    <message>
        <source>USB Upgrade</source>
        <translation>USB升级</translation>
    </message>
    <message>
        <source>Light Perception</source>
        <translation>光感</translation>
    </message>
    <message>
        <source>OSD Language</source>
        <translation>OSD语言</translation>
    </message>
    <message>
        <source>PIP Size</source>
        <translation>PIP尺寸</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message>
        <source>PIP Position</source>
        <translation>PIP位置</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Sub  Signal</source>
        <translation>子信号</translation>
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>显示器恢复出厂设置</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Load Data...</source>
        <translation>加载数据...</translation>
    </message>
</context>
<context>
    <name>CTopTitleBarWidget</name>
    <message>
        <source>Standard Mode</source>
        <translation>标准模式</translation>
    </message>
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