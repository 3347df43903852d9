<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClWidgetScheduleSetting</name>
    <message>
        <source>Schedule enable</source>
        <translation>スケジュールを有効にする</translation>
    </message>
    <message>
        <source>Schedule is applied</source>
        <translation>スケジュール設定を変更しました。</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Everyday</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Recording %1 to %2</source>
        <translation>録画 %1～%2</translation>
    </message>
    <message>
        <source>Recording %1 to %2 the next day</source>
        <translation>録画 %1～翌日%2</translation>
    </message>
    <message>
        <source>Recording all day from %1</source>
        <translation>録画 %1から24時間</translation>
    </message>
    <message>
        <source>Continued from the day before until %1</source>
        <translation>前日から%1まで継続</translation>
    </message>
    <message>
        <source>%1, all day from %2</source>
        <translation>%1、%2 から終日</translation>
    </message>
    <message>
        <source>%1, %2 to %3 the next day</source>
        <translation>%1、%2 から翌日 %3 まで</translation>
    </message>
    <message>
        <source>%1, %2 to %3</source>
        <translation>%1、%2 から %3 まで</translation>
    </message>
    <message>
        <source>%1, nothing continued from %2</source>
        <translation>%1、%2 からの続きなし</translation>
    </message>
    <message>
        <source>%1, continued from %2 until %3</source>
        <translation>%1、%2 から続いて %3 まで</translation>
    </message>
</context>
</TS>
