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
    <message>
        <source>Connection settings...</source>
        <translation>Connection settings...</translation>
    </message>
    <message>
        <source>Save settings...</source>
        <translation>Save settings...</translation>
    </message>
    <message>
        <source>Load settings...</source>
        <translation>Load settings...</translation>
    </message>
    <message>
        <source>Install firmware from a file...</source>
        <translation>Install firmware from a file...</translation>
    </message>
</context>
<context>
    <name>ClDialogConnection</name>
    <message>
        <source>Connection settings</source>
        <translation>Connection settings</translation>
    </message>
    <message>
        <source>Used until the tool is closed; at the next start the tool&apos;s own update server is used again.</source>
        <translation>Used until the tool is closed; at the next start the tool&apos;s own update server is used again.</translation>
    </message>
    <message>
        <source>Use a proxy server of the tool&apos;s own</source>
        <translation>Use a proxy server of the tool&apos;s own</translation>
    </message>
    <message>
        <source>Without one, updates go through the desktop&apos;s proxy, if it has one.</source>
        <translation>Without one, updates go through the desktop&apos;s proxy, if it has one.</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>SOCKS 5</source>
        <translation>SOCKS 5</translation>
    </message>
    <message>
        <source>HTTP (caching)</source>
        <translation>HTTP (caching)</translation>
    </message>
    <message>
        <source>FTP (caching)</source>
        <translation>FTP (caching)</translation>
    </message>
    <message>
        <source>Stored; type a new one to change it</source>
        <translation>Stored; type a new one to change it</translation>
    </message>
    <message>
        <source>Post when there is a new software</source>
        <translation>Post when there is a new software</translation>
    </message>
    <message>
        <source>Update server</source>
        <translation>Update server</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>The proxy asks for a user name and password</source>
        <translation>The proxy asks for a user name and password</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>The update server must be an http:// or https:// address.</source>
        <translation>The update server must be an http:// or https:// address.</translation>
    </message>
    <message>
        <source>Enter the proxy server&apos;s host name or address.</source>
        <translation>Enter the proxy server&apos;s host name or address.</translation>
    </message>
    <message>
        <source>Enter the user name the proxy asks for.</source>
        <translation>Enter the user name the proxy asks for.</translation>
    </message>
    <message>
        <source>The settings could not be written to %1.</source>
        <translation>The settings could not be written to %1.</translation>
    </message>
</context>
<context>
    <name>ClUpdateView</name>
    <message>
        <source>Install firmware from a file</source>
        <translation>Install firmware from a file</translation>
    </message>
    <message>
        <source>Firmware (*.bin);;All files (*)</source>
        <translation>Firmware (*.bin);;All files (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read as firmware (it is empty, too large or not readable). Nothing was written.</source>
        <translation>%1 cannot be read as firmware (it is empty, too large or not readable). Nothing was written.</translation>
    </message>
    <message>
        <source>Write this firmware into the camera?

File: %1
Size: %2 bytes
SHA-256: %3
Firmware in the camera now: %4

A file you pick is not checked for a signature: use only firmware from your dealer.</source>
        <translation>Write this firmware into the camera?

File: %1
Size: %2 bytes
SHA-256: %3
Firmware in the camera now: %4

A file you pick is not checked for a signature: use only firmware from your dealer.</translation>
    </message>
    <message>
        <source>The firmware cannot be written now: connect the camera, wait until any update has ended, and try again.</source>
        <translation>The firmware cannot be written now: connect the camera, wait until any update has ended, and try again.</translation>
    </message>
</context>
</TS>
