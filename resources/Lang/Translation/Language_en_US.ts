<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
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
        <translation type="unfinished" />
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Black Homogenizer</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sharpness</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>SPK Volume</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Color Temperature</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cool</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Warm</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>USER</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Low Blue Light</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>High_l</source>
        <translation>High</translation>
    </message>
    <message>
        <source>MaxHigh</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>MPRT</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Weak</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Strong</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Over Drive</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>High_O</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Extreme</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>User Mode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>G</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Default Office Mode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Standard</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Movie</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Ebook</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>For Windows Office</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>For MAC Office</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PS Pictures</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Edit Video</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Default Game Mode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>G1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>G2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>G3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>FPS</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>RTS</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Strategy Type</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Xbox/PS</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Custom1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Custom2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Game Accuracy</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Horizontal:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Vertical:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Range:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Color:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Colorful Lights</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Light Color:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Effects:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Colorful</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Breathing</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Marquee1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Marquee2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Marquee3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Brightness:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Load Fast Set Data...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Load Game Set Data...</source>
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