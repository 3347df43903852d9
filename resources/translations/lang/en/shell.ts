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
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ClWidgetNotConnect</name>
    <message>
        <source>Connect camera by USB cable</source>
        <translation>Connect the Tovu with USB cable and turn on.</translation>
    </message>
    <message>
        <source>A Tovu is connected, but you may not use it.</source>
        <translation>A Tovu is connected, but you may not use it.</translation>
    </message>
    <message>
        <source>The tool's udev rule is installed but not yet applied to the camera (%1). Unplug the camera and plug it in again, or apply the rule with:</source>
        <translation>The tool's udev rule is installed but not yet applied to the camera (%1). Unplug the camera and plug it in again, or apply the rule with:</translation>
    </message>
    <message>
        <source>The udev rule that lets you use the camera (%1) is not installed. Install the tool's package, or copy udev/%2 from its source to /etc/udev/rules.d/, then run:</source>
        <translation>The udev rule that lets you use the camera (%1) is not installed. Install the tool's package, or copy udev/%2 from its source to /etc/udev/rules.d/, then run:</translation>
    </message>
    <message>
        <source>A Tovu is connected, but another program is using it.</source>
        <translation>A Tovu is connected, but another program is using it.</translation>
    </message>
    <message>
        <source>Close the other program that uses the camera (%1). The tool connects to the camera as soon as it is free.</source>
        <translation>Close the other program that uses the camera (%1). The tool connects to the camera as soon as it is free.</translation>
    </message>
    <message>
        <source>Close %1, which uses the camera (%2). The tool connects to the camera as soon as it is free.</source>
        <translation>Close %1, which uses the camera (%2). The tool connects to the camera as soon as it is free.</translation>
    </message>
</context>
<context>
    <name>ClCaptionBar</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
</TS>
