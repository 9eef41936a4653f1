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
        <translation>关于徽标</translation>
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
        <translation>窗体</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>G1</source>
        <translation>G1</translation>
    </message>
    <message>
        <source>G2</source>
        <translation>G2</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>G3</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>RTS</source>
        <translation>RTS</translation>
    </message>
    <message>
        <source>Strategy Type</source>
        <translation>策略类型</translation>
    </message>
    <message>
        <source>PS/XBOX</source>
        <translation>PS/XBOX</translation>
    </message>
    <message>
        <source>Custom1</source>
        <translation>自定义1</translation>
    </message>
    <message>
        <source>Custom2</source>
        <translation>自定义2</translation>
    </message>
    <message>
        <source>Graphics Set</source>
        <translation>图像功能调节</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>清晰度</translation>
    </message>
    <message>
        <source>Dark Enhancement</source>
        <translation>暗场增强</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色调</translation>
    </message>
    <message>
        <source>Game Set</source>
        <translation>游戏功能调节</translation>
    </message>
    <message>
        <source>Over Drive</source>
        <translation>Over Drive</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>Extreme</source>
        <translation>极速</translation>
    </message>
    <message>
        <source>Free Sync</source>
        <translation>Free Sync</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Owl</source>
        <translation>猫头鹰</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>全局</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中间</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>伽马</translation>
    </message>
    <message>
        <source>1.8</source>
        <translation>1.8</translation>
    </message>
    <message>
        <source>2.0</source>
        <translation>2.0</translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>2.4</source>
        <translation>2.4</translation>
    </message>
    <message>
        <source>2.6</source>
        <translation>2.6</translation>
    </message>
    <message>
        <source>Display Refresh Rate</source>
        <translation>刷新率显示</translation>
    </message>
    <message>
        <source>ALLM</source>
        <translation>ALLM</translation>
    </message>
    <message>
        <source>Dynamic Response Time</source>
        <translation>动态响应时间</translation>
    </message>
    <message>
        <source>Gamut Mode</source>
        <translation>色域模式</translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation>sRGB</translation>
    </message>
    <message>
        <source>Adobe RGB</source>
        <translation>Adobe RGB</translation>
    </message>
    <message>
        <source>DCI-P3</source>
        <translation>DCI-P3</translation>
    </message>
    <message>
        <source>VRR Projection</source>
        <translation>VRR映射</translation>
    </message>
    <message>
        <source>MPRT</source>
        <translation>MPRT</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <source>One Click Battle</source>
        <translation>一键战斗</translation>
    </message>
    <message>
        <source>Hawkeye</source>
        <translation>鹰眼</translation>
    </message>
    <message>
        <source>1.5</source>
        <translation>1.5</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Load Data...</source>
        <translation>加载数据...</translation>
    </message>
</context>
<context>
    <name>CProfessionalGraphicsWidget</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>Graphics Mode</source>
        <translation>图像模式</translation>
    </message>
    <message>
        <source>Scenario Mode:</source>
        <translation>情景模式：</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>电影</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Ebook(Black/White)</source>
        <translation>电子书（黑/白）</translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation>伽马：</translation>
    </message>
    <message>
        <source>1.8</source>
        <translation>1.8</translation>
    </message>
    <message>
        <source>2.0</source>
        <translation>2.0</translation>
    </message>
    <message>
        <source>2.2</source>
        <translation>2.2</translation>
    </message>
    <message>
        <source>2.4</source>
        <translation>2.4</translation>
    </message>
    <message>
        <source>2.6</source>
        <translation>2.6</translation>
    </message>
    <message>
        <source>Dynamic Backlight:</source>
        <translation>动态背光：</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>RGB Dynamic Range:</source>
        <translation>RGB动态范围：</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Limited(16~235)</source>
        <translation>有限（16~235）</translation>
    </message>
    <message>
        <source>Whole(0~255)</source>
        <translation>完全（0~255）</translation>
    </message>
    <message>
        <source>Dynamic Contrast:</source>
        <translation>动态对比度：</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Proportional Mode:</source>
        <translation>比例模式：</translation>
    </message>
    <message>
        <source>Wide Screen</source>
        <translation>宽屏</translation>
    </message>
    <message>
        <source>4:3</source>
        <translation>4:3</translation>
    </message>
    <message>
        <source>Color Type:</source>
        <translation>颜色格式：</translation>
    </message>
    <message>
        <source>R/G/B</source>
        <translation>R/G/B</translation>
    </message>
    <message>
        <source>Y/U/V</source>
        <translation>Y/U/V</translation>
    </message>
    <message>
        <source>Low Blue Light:</source>
        <translation>低蓝光：</translation>
    </message>
    <message>
        <source>MaxHigh</source>
        <translation>超高</translation>
    </message>
    <message>
        <source>Gamut Mode:</source>
        <translation>色域模式：</translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation>sRGB</translation>
    </message>
    <message>
        <source>Adobe RGB</source>
        <translation>Adobe RGB</translation>
    </message>
    <message>
        <source>DCI-P3</source>
        <translation>DCI-P3</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>HDR:</source>
        <translation>HDR：</translation>
    </message>
    <message>
        <source>HDR Standard</source>
        <translation>HDR标准</translation>
    </message>
    <message>
        <source>HDR Game</source>
        <translation>HDR游戏</translation>
    </message>
    <message>
        <source>Energy-Saving Mode:</source>
        <translation>节能模式：</translation>
    </message>
    <message>
        <source>ICE:</source>
        <translation>ICE：</translation>
    </message>
    <message>
        <source>3D LUT</source>
        <translation>3D LUT</translation>
    </message>
    <message>
        <source>Hue Mode</source>
        <translation>色调模式</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>品红色</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Saturation Mode</source>
        <translation>饱和模式</translation>
    </message>
    <message>
        <source>Load Graphics Mode Data...</source>
        <translation>加载图像模式数据...</translation>
    </message>
    <message>
        <source>Load 3D Lut Data...</source>
        <translation>加载3D Lut数据...</translation>
    </message>
</context>
<context>
    <name>CStandardModeWidget</name>
    <message>
        <source>Fast Setting</source>
        <translation>快速设置</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Black Homogenizer</source>
        <translation>暗场增强</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation>清晰度</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>SPK Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Color Temperature</source>
        <translation>色温</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>冷色</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>暖色</translation>
    </message>
    <message>
        <source>USER</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Low Blue Light</source>
        <translation>低蓝光</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>High_l</source>
        <translation>高</translation>
    </message>
    <message>
        <source>MaxHigh</source>
        <translation>超高</translation>
    </message>
    <message>
        <source>MPRT</source>
        <translation>MPRT</translation>
    </message>
    <message>
        <source>Weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>Strong</source>
        <translation>强</translation>
    </message>
    <message>
        <source>Over Drive</source>
        <translation>Over Drive</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>High_O</source>
        <translation>高速</translation>
    </message>
    <message>
        <source>Extreme</source>
        <translation>极速</translation>
    </message>
    <message>
        <source>User Mode</source>
        <translation>用户模式</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Default Office Mode</source>
        <translation>预设办公模式</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>电影</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Ebook</source>
        <translation>电子书</translation>
    </message>
    <message>
        <source>For Windows Office</source>
        <translation>For Windows Office</translation>
    </message>
    <message>
        <source>For MAC Office</source>
        <translation>For MAC Office</translation>
    </message>
    <message>
        <source>PS Pictures</source>
        <translation>PS图片</translation>
    </message>
    <message>
        <source>Edit Video</source>
        <translation>剪辑视频</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>码工</translation>
    </message>
    <message>
        <source>Default Game Mode</source>
        <translation>预设游戏模式</translation>
    </message>
    <message>
        <source>G1</source>
        <translation>G1</translation>
    </message>
    <message>
        <source>G2</source>
        <translation>G2</translation>
    </message>
    <message>
        <source>G3</source>
        <translation>G3</translation>
    </message>
    <message>
        <source>FPS</source>
        <translation>FPS</translation>
    </message>
    <message>
        <source>RTS</source>
        <translation>RTS</translation>
    </message>
    <message>
        <source>Strategy Type</source>
        <translation>策略类型</translation>
    </message>
    <message>
        <source>Xbox/PS</source>
        <translation>Xbox/PS</translation>
    </message>
    <message>
        <source>Custom1</source>
        <translation>自定义1</translation>
    </message>
    <message>
        <source>Custom2</source>
        <translation>自定义2</translation>
    </message>
    <message>
        <source>Game Accuracy</source>
        <translation>游戏准心</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Horizontal:</source>
        <translation>水平位置：</translation>
    </message>
    <message>
        <source>Vertical:</source>
        <translation>垂直位置：</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>范围大小：</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>颜色：</translation>
    </message>
    <message>
        <source>Colorful Lights</source>
        <translation>炫彩灯</translation>
    </message>
    <message>
        <source>Light Color:</source>
        <translation>灯效色彩：</translation>
    </message>
    <message>
        <source>Effects:</source>
        <translation>效果：</translation>
    </message>
    <message>
        <source>Colorful</source>
        <translation>炫彩灯</translation>
    </message>
    <message>
        <source>Breathing</source>
        <translation>呼吸灯</translation>
    </message>
    <message>
        <source>Marquee1</source>
        <translation>跑马灯1</translation>
    </message>
    <message>
        <source>Marquee2</source>
        <translation>跑马灯2</translation>
    </message>
    <message>
        <source>Marquee3</source>
        <translation>跑马灯3</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>灯效亮度：</translation>
    </message>
    <message>
        <source>Load Fast Set Data...</source>
        <translation>加载快速设置参数...</translation>
    </message>
    <message>
        <source>Load Game Set Data...</source>
        <translation>加载游戏设置参数...</translation>
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
        <translation>等待</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>请稍候...</translation>
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
        <translation>主窗口</translation>
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