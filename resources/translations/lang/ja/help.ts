<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClWidgetHelp</name>
    <message>
        <source>Maintenance Tool</source>
        <translation>設定アプリケーション</translation>
    </message>
    <message>
        <source>TovuSettingTool version</source>
        <translation>Tovu 設定ツールのバージョン</translation>
    </message>
    <message>
        <source>Version up this software</source>
        <translation>Tovu 設定ツールをアップデート</translation>
    </message>
    <message>
        <source>Tovu firmware version</source>
        <translation>Tovu ファームウェアのバージョン</translation>
    </message>
    <message>
        <source>Version up this Tovu</source>
        <translation>Tovu をアップデート</translation>
    </message>
    <message>
        <source>Show license</source>
        <translation>ライセンスを表示</translation>
    </message>
    <message>
        <source>Confirm license</source>
        <translation>アップデートの前に必ずライセンスをお読みください。</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>Post when there is a new software</source>
        <translation>新しいソフトウェアがあるときに通知する</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>アメリカ合衆国</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>オーストラリア</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>ヨーロッパ</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>ソフトウェア</translation>
    </message>
</context>
</TS>
