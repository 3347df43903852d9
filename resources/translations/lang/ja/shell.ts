<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>In this version of the tool maintenance is not supported.
Make up a version of the tool than help.</source>
        <translation>このバージョンのツールはこのカメラに対応していません。
ヘルプメニューからツールを更新してください。</translation>
    </message>
</context>
<context>
    <name>ClWidgetSelectMode</name>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Camera state</source>
        <translation>カメラの状態</translation>
    </message>
    <message>
        <source>Network setting</source>
        <translation>ネットワーク設定</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>基本設定</translation>
    </message>
    <message>
        <source>Stream setting</source>
        <translation>映像配信</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
</context>
<context>
    <name>ClWidgetNotConnect</name>
    <message>
        <source>Connect camera by USB cable</source>
        <translation>Tovu を USB ケーブルで接続し、電源を入れてください。</translation>
    </message>
</context>
</TS>
