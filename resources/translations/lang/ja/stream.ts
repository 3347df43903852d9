<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClWidgetStreamSetting</name>
    <message>
        <source>Common 
movie setting</source>
        <translation>動画の
共通設定</translation>
    </message>
    <message>
        <source>Recording 
setting</source>
        <translation>録画
設定</translation>
    </message>
    <message>
        <source>Live 
viewing setting</source>
        <translation>ライブビュー
設定</translation>
    </message>
</context>
</TS>
