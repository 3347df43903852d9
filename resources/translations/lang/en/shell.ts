<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>In this version of the tool maintenance is not supported.
Make up a version of the tool than help.</source>
        <translation>Not supported in this version. 
Go to help menu and update the setup tool.</translation>
    </message>
</context>
<context>
    <name>ClWidgetSelectMode</name>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Camera state</source>
        <translation>Camera state</translation>
    </message>
    <message>
        <source>Network setting</source>
        <translation>Network setting</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Basic setting</translation>
    </message>
    <message>
        <source>Stream setting</source>
        <translation>Live
streaming</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Schedule</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>ClWidgetNotConnect</name>
    <message>
        <source>Connect camera by USB cable</source>
        <translation>Connect the Tovu with USB cable and turn on.</translation>
    </message>
</context>
</TS>
