<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <source>Form</source>
        <translation type="unfinished" />
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
        <translation type="unfinished" />
    </message>
</context>
</TS>