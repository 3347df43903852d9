<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>Tovu Setting Tool</source>
        <translation>Tovu 設定ツール</translation>
    </message>
</context>
</TS>
