<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strategy Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PS/XBOX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sharpness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark Enhancement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extreme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Refresh Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALLM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Response Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamut Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adobe RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCI-P3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VRR Projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MPRT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One Click Battle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawkeye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Data...</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ebook(Black/White)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Backlight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB Dynamic Range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limited(16~235)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole(0~255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Contrast:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proportional Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4:3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R/G/B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y/U/V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Blue Light:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MaxHigh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamut Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adobe RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCI-P3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDR Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HDR Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy-Saving Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICE:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D LUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Graphics Mode Data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load 3D Lut Data...</source>
        <translation type="unfinished"></translation>
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
