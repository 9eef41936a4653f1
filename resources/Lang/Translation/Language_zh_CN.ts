<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutThisMachineWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAutoColorCalibrateWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProfessionalGameWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">2.0</translation>
    </message>
    <message>
        <source>2.2</source>
        <translation type="unfinished">2.2</translation>
    </message>
    <message>
        <source>2.4</source>
        <translation type="unfinished">2.4</translation>
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
        <translation type="unfinished">4:3</translation>
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
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSystemSettingWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWaitDlgClass</name>
    <message>
        <source>CWaitDlg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ZAVO Client</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
