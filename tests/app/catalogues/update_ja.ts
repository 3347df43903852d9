<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>TestStartup</name>
    <message>
        <source>update text</source>
        <translation>update text from update_ja</translation>
    </message>
</context>
</TS>
