<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>About Logo</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CAboutThisMachineWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>System Version:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Current Type:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Copyright © the maker of this software. All rights reserved.&lt;br/&gt;No part of this software or its documentation may be copied, modified or distributed without the maker's written permission.&lt;br/&gt;Web site: www.zavo-display.example&lt;br/&gt;Service line: 000-0000-0000</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Config Params:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Export Params</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Import Params</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Load Data...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Refresh Data...</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CAutoColorCalibrateWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hardware  Color Calibration</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Device Name</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Select Serial Port</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Color Calib Type</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Software  Color Calibration</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Screen Type</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Graphics Card Type</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>N Card</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>A Card</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Color Calib ICC File</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Upload File</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Begin Calibrate</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CProfessionalGameWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Standard</source>
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
        <source>PS/XBOX</source>
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
        <source>Graphics Set</source>
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
        <source>Sharpness</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dark Enhancement</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Game Set</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Over Drive</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Extreme</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Free Sync</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Owl</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Whole</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Gamma</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1.8</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2.0</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2.2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2.4</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2.6</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Display Refresh Rate</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ALLM</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dynamic Response Time</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Gamut Mode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>sRGB</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Adobe RGB</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>DCI-P3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>VRR Projection</source>
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
        <source>One Click Battle</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hawkeye</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1.5</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Load Data...</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CProfessionalGraphicsWidget</name>
    <message>
        <source>Form</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Graphics Mode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Scenario Mode:</source>
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
        <source>Ebook(Black/White)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Gamma:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>1.8</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2.0</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2.2</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2.4</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>2.6</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dynamic Backlight:</source>
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
        <source>High</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>RGB Dynamic Range:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Limited(16~235)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Whole(0~255)</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Dynamic Contrast:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Proportional Mode:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Wide Screen</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>4:3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Color Type:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>R/G/B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Y/U/V</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Low Blue Light:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>MaxHigh</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Gamut Mode:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>sRGB</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Adobe RGB</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>DCI-P3</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>HDR:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>HDR Standard</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>HDR Game</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Energy-Saving Mode:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ICE:</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>3D LUT</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Hue Mode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Saturation Mode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Load Graphics Mode Data...</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Load 3D Lut Data...</source>
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
        <source>System Setting</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>KVM</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>USB-B</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Type-C</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Type-C DSC</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>HDMI Version</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>HDMI2.0</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>HDMI2.1</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>USB Mains</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Light Eco</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Reading Lamp</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>USB Upgrade</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Light Perception</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>OSD Language</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PIP Size</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Small</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Large</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>PIP Position</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Top Left</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Top Right</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Bottom Right</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Bottom Left</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Sub  Signal</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Factory Reset</source>
        <translation>Monitor Factory Reset</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Load Data...</source>
        <translation type="unfinished" />
    </message>
</context>
<context>
    <name>CTopTitleBarWidget</name>
    <message>
        <source>Standard Mode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kind Tips</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Language reset takes effect afer restarting. Reset?</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>The operation guide file was not found!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open operation guide file fail!</source>
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
    <message>
        <source>MainWindow</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Standard Mode</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Professional Graphics</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Professional Game</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>System Settting</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Color Calibration</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>About This Machine</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Kind Tips</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>No monitor device supported by the application was found!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Confirm to quit the application?</source>
        <translation type="unfinished" />
    </message>
</context>
</TS>