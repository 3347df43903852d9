<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClWidgetCameraState</name>
    <message>
        <source>Camera state</source>
        <translation>カメラの状態</translation>
    </message>
</context>
<context>
    <name>ClWidgetSecureMode</name>
    <message>
        <source>Current mode</source>
        <translation>現在のモード</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>メンテナンス</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>In order to use the maintenance tools must be in maintenance mode the camera</source>
        <translation>設定ツールを使うには、カメラをメンテナンスモードに切り替えてください。</translation>
    </message>
    <message>
        <source>Change to security mode</source>
        <translation>セキュリティモードに切り替え</translation>
    </message>
    <message>
        <source>Change to maintenance mode</source>
        <translation>メンテナンスモードに切り替え</translation>
    </message>
</context>
</TS>
