<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClWidgetBasicSetting</name>
    <message>
        <source>Time settings</source>
        <translation>Time settings</translation>
    </message>
    <message>
        <source>GPS settings</source>
        <translation>GPS settings</translation>
    </message>
    <message>
        <source>Wifi settings</source>
        <translation>WiFi settings</translation>
    </message>
    <message>
        <source>Password 
setting</source>
        <translation>Password 
setting</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Other settings</translation>
    </message>
</context>
</TS>
