<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClWidgetBasicSetting</name>
    <message>
        <source>Time settings</source>
        <translation>Time settings</translation>
    </message>
    <message>
        <source>GPS settings</source>
        <translation>GPS settings</translation>
    </message>
    <message>
        <source>Wifi settings</source>
        <translation>WiFi settings</translation>
    </message>
    <message>
        <source>Password 
setting</source>
        <translation>Password 
setting</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Other settings</translation>
    </message>
    <message>
        <source>%1 is applied</source>
        <translation>%1 have been changed.</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Date time</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Synchronize PC</source>
        <translation>Synchronize the clock with PC</translation>
    </message>
    <message>
        <source>Adjust time from GPS info
(If GPS valid, when can use)</source>
        <translation>Adjust the clock from GPS
(when GPS is on and has a fix)</translation>
    </message>
    <message>
        <source>Rec timestamp</source>
        <translation>Recording time stamp</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>The date does not exist.
Please check the day of the month.</source>
        <translation>The date does not exist.
Please check the day of the month.</translation>
    </message>
    <message>
        <source>Set valid GPS</source>
        <translation>Use GPS</translation>
    </message>
    <message>
        <source>Set to save GPS log</source>
        <translation>Save a GPS log</translation>
    </message>
    <message>
        <source>Save logs</source>
        <translation>Save logs</translation>
    </message>
    <message>
        <source>Not save logs</source>
        <translation>Do not save logs</translation>
    </message>
    <message>
        <source>Set the format of GPS log</source>
        <translation>GPS log format</translation>
    </message>
    <message>
        <source>GGA+RMC</source>
        <translation>GGA+RMC</translation>
    </message>
    <message>
        <source>GGA+GLL+GSA+GSV+RMC+VTG+ZDA</source>
        <translation>GGA+GLL+GSA+GSV+RMC+VTG+ZDA</translation>
    </message>
    <message>
        <source>Wi-Fi country</source>
        <translation>Wi-Fi country</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>United States,Canada,Taiwan</source>
        <translation>United States, Canada, Taiwan</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>EU</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Setting auto Wi-Fi off</source>
        <translation>Turn Wi-Fi off automatically</translation>
    </message>
    <message>
        <source>Wi-Fi off~later</source>
        <translation>minutes later, Wi-Fi turns off</translation>
    </message>
    <message>
        <source>Set valid password authorization</source>
        <translation>Use password authentication</translation>
    </message>
    <message>
        <source>Now password</source>
        <translation>Current password</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>Check password</source>
        <translation>Confirm password</translation>
    </message>
    <message>
        <source>Show input</source>
        <translation>Show the passwords</translation>
    </message>
    <message>
        <source>There are not input value</source>
        <translation>All the parameters is not filled in.</translation>
    </message>
    <message>
        <source>Different now password</source>
        <translation>Current password is not correct</translation>
    </message>
    <message>
        <source>Not same password new and check</source>
        <translation>Password does not match the confirm password.
Please input again.</translation>
    </message>
    <message>
        <source>Not change password</source>
        <translation>Password is not changed</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>Camera name</translation>
    </message>
    <message>
        <source>Enter a camera name of 1 to 8 characters.</source>
        <translation>Enter a camera name of 1 to 8 characters.</translation>
    </message>
    <message>
        <source>Security key lock setting</source>
        <translation>Security key lock</translation>
    </message>
    <message>
        <source>Set valid security key lock</source>
        <translation>Lock the keys in security mode</translation>
    </message>
    <message>
        <source>Do not light led on security</source>
        <translation>Keep the LED dark in security mode</translation>
    </message>
    <message>
        <source>Start setting</source>
        <translation>Start-up</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Security mode</source>
        <translation>Security mode</translation>
    </message>
    <message>
        <source>Maintenance mode</source>
        <translation>Maintenance mode</translation>
    </message>
    <message>
        <source>LED light</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Not light</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Battery alarm</source>
        <translation>Battery alarm</translation>
    </message>
    <message>
        <source>Alerm when battery power low</source>
        <translation>Alarm when the battery is low</translation>
    </message>
    <message>
        <source>Auto power off</source>
        <translation>Automatic power off</translation>
    </message>
    <message>
        <source>Time of auto power off</source>
        <translation>Power off after</translation>
    </message>
    <message>
        <source>(0:1:0 - 72:0:0)</source>
        <translation>(0:1:0 - 72:0:0)</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Seconds</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Eniwetok/Kwajalein
GMT-12:00</source>
        <translation>Eniwetok/Kwajalein
GMT-12:00</translation>
    </message>
    <message>
        <source>Midway Island/Samoa
GMT-11:00</source>
        <translation>Midway Island/Samoa
GMT-11:00</translation>
    </message>
    <message>
        <source>Hawaii
GMT-10:00</source>
        <translation>Hawaii
GMT-10:00</translation>
    </message>
    <message>
        <source>Alaska
GMT-9:00</source>
        <translation>Alaska
GMT-9:00</translation>
    </message>
    <message>
        <source>Pacific STD Time
GMT-8:00</source>
        <translation>Pacific STD Time
GMT-8:00</translation>
    </message>
    <message>
        <source>Mountain STD Time
GMT-7:00</source>
        <translation>Mountain STD Time
GMT-7:00</translation>
    </message>
    <message>
        <source>Central STD Time
GMT-6:00</source>
        <translation>Central STD Time
GMT-6:00</translation>
    </message>
    <message>
        <source>Eastern STD Time
GMT-5:00</source>
        <translation>Eastern STD Time
GMT-5:00</translation>
    </message>
    <message>
        <source>Atlantic STD Time
GMT-4:00</source>
        <translation>Atlantic STD Time
GMT-4:00</translation>
    </message>
    <message>
        <source>Brasilia/Buenos Aires
GMT-3:00</source>
        <translation>Brasilia/Buenos Aires
GMT-3:00</translation>
    </message>
    <message>
        <source>Central Atlantic
GMT-2:00</source>
        <translation>Central Atlantic
GMT-2:00</translation>
    </message>
    <message>
        <source>Azores Islands
GMT-1:00</source>
        <translation>Azores Islands
GMT-1:00</translation>
    </message>
    <message>
        <source>London/Lisbon
GMT+0:00</source>
        <translation>London/Lisbon
GMT+0:00</translation>
    </message>
    <message>
        <source>Paris/Berlin/Rome
GMT+1:00</source>
        <translation>Paris/Berlin/Rome
GMT+1:00</translation>
    </message>
    <message>
        <source>Athens/Cairo/Helsink
GMT+2:00</source>
        <translation>Athens/Cairo/Helsink
GMT+2:00</translation>
    </message>
    <message>
        <source>Moscow/Baghdad
GMT+3:00</source>
        <translation>Moscow/Baghdad
GMT+3:00</translation>
    </message>
    <message>
        <source>Abu Dhabi
GMT+4:00</source>
        <translation>Abu Dhabi
GMT+4:00</translation>
    </message>
    <message>
        <source>Islamabad/Karachi
GMT+5:00</source>
        <translation>Islamabad/Karachi
GMT+5:00</translation>
    </message>
    <message>
        <source>Dhaka/Novosibirsk
GMT+6:00</source>
        <translation>Dhaka/Novosibirsk
GMT+6:00</translation>
    </message>
    <message>
        <source>Bangkok/Hanoi
GMT+7:00</source>
        <translation>Bangkok/Hanoi
GMT+7:00</translation>
    </message>
    <message>
        <source>Beijing/Singapore
GMT+8:00</source>
        <translation>Beijing/Singapore
GMT+8:00</translation>
    </message>
    <message>
        <source>Tokyo/Seoul/Yakutsk
GMT+9:00</source>
        <translation>Tokyo/Seoul/Yakutsk
GMT+9:00</translation>
    </message>
    <message>
        <source>Melbourne/Vladivostok
GMT+10:00</source>
        <translation>Melbourne/Vladivostok
GMT+10:00</translation>
    </message>
    <message>
        <source>New Caledonia
GMT+11:00</source>
        <translation>New Caledonia
GMT+11:00</translation>
    </message>
    <message>
        <source>Auckland/Fiji
GMT+12:00</source>
        <translation>Auckland/Fiji
GMT+12:00</translation>
    </message>
</context>
</TS>
