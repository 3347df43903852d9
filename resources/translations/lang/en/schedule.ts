<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClWidgetScheduleSetting</name>
    <message>
        <source>Schedule enable</source>
        <translation>Schedule enable</translation>
    </message>
    <message>
        <source>Schedule is applied</source>
        <translation>The sheduling setting has been changed.</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>Everyday</translation>
    </message>
    <message>
        <source>Recording %1 to %2</source>
        <translation>Recording %1 to %2</translation>
    </message>
    <message>
        <source>Recording %1 to %2 the next day</source>
        <translation>Recording %1 to %2 the next day</translation>
    </message>
    <message>
        <source>Recording all day from %1</source>
        <translation>Recording all day from %1</translation>
    </message>
    <message>
        <source>Continued from the day before until %1</source>
        <translation>Continued from the day before until %1</translation>
    </message>
    <message>
        <source>%1, all day from %2</source>
        <translation>%1, all day from %2</translation>
    </message>
    <message>
        <source>%1, %2 to %3 the next day</source>
        <translation>%1, %2 to %3 the next day</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1, %2 to %3</translation>
    </message>
    <message>
        <source>%1, nothing continued from %2</source>
        <translation>%1, nothing continued from %2</translation>
    </message>
    <message>
        <source>%1, continued from %2 until %3</source>
        <translation>%1, continued from %2 until %3</translation>
    </message>
</context>
</TS>
