<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClWidgetCameraState</name>
    <message>
        <source>Camera state</source>
        <translation>Camera state</translation>
    </message>
</context>
<context>
    <name>ClWidgetSecureMode</name>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>In order to use the maintenance tools must be in maintenance mode the camera</source>
        <translation>To use Setup tool, the camera needs to be changed to the Maintenance mode.</translation>
    </message>
    <message>
        <source>Change to security mode</source>
        <translation>Change to Alert mode</translation>
    </message>
    <message>
        <source>Change to maintenance mode</source>
        <translation>Change to maintenance mode</translation>
    </message>
</context>
</TS>
