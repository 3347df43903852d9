<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClWidgetHelp</name>
    <message>
        <source>Maintenance Tool</source>
        <translation>Setting application</translation>
    </message>
    <message>
        <source>TovuSettingTool version</source>
        <translation>Tovu Setup Tool version</translation>
    </message>
    <message>
        <source>Version up this software</source>
        <translation>Upgrade Tovu Setup Tool</translation>
    </message>
    <message>
        <source>Tovu firmware version</source>
        <translation>Tovu firmware version</translation>
    </message>
    <message>
        <source>Version up this Tovu</source>
        <translation>Upgrade the Tovu</translation>
    </message>
    <message>
        <source>Show license</source>
        <translation>Show the license</translation>
    </message>
    <message>
        <source>Confirm license</source>
        <translation>Please be sure to read the license before upgrading.</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC address</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Post when there is a new software</source>
        <translation>Notify if the latest software is available</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>United States</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>Europe</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>Software</translation>
    </message>
</context>
</TS>
