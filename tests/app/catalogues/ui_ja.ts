<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>TestStartup</name>
    <message>
        <source>ui text</source>
        <translation>ui text from ui_ja</translation>
    </message>
</context>
</TS>
