<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClWidgetStreamSetting</name>
    <message>
        <source>Common 
movie setting</source>
        <translation>Common 
movie setting</translation>
    </message>
    <message>
        <source>Recording 
setting</source>
        <translation>Recording 
setting</translation>
    </message>
    <message>
        <source>Live 
viewing setting</source>
        <translation>Live 
viewing setting</translation>
    </message>
</context>
</TS>
