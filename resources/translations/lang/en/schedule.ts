<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClWidgetScheduleSetting</name>
    <message>
        <source>Schedule</source>
        <translation>Schedule</translation>
    </message>
</context>
</TS>
