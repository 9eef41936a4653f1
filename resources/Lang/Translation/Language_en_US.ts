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
        <translation type="unfinished" />
    </message>
    <message>
        <source>Language reset takes effect afer restarting. Reset?</source>
        <translation>Language reset takes effect after restarting. Reset?</translation>
    </message>
    <message>
        <source>The operation guide file was not found!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Open operation guide file fail!</source>
        <translation type="unfinished" />
    </message>
    <message>
        <source>Standard Mode</source>
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
        <translation>System Settings</translation>
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