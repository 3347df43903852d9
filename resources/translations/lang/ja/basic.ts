<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClWidgetBasicSetting</name>
    <message>
        <source>Time settings</source>
        <translation>時刻設定</translation>
    </message>
    <message>
        <source>GPS settings</source>
        <translation>GPS 設定</translation>
    </message>
    <message>
        <source>Wifi settings</source>
        <translation>Wi-Fi 設定</translation>
    </message>
    <message>
        <source>Password 
setting</source>
        <translation>パスワード
設定</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>その他の設定</translation>
    </message>
</context>
</TS>
