<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClWidgetCameraState</name>
    <message>
        <source>Remaing 
battery life</source>
        <translation>Remaining
battery life</translation>
    </message>
    <message>
        <source>Wi-Fi state</source>
        <translation>Wi-Fi state</translation>
    </message>
    <message>
        <source>Receiver sensitivity</source>
        <translation>Signal strength</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>%1dBm</source>
        <translation>%1dBm</translation>
    </message>
    <message>
        <source>%1ch</source>
        <translation>%1ch</translation>
    </message>
    <message>
        <source>Not link</source>
        <translation>Not linked</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Linked</translation>
    </message>
    <message>
        <source>Adhoc Link</source>
        <translation>Ad-Hoc link</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>SD card</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Free space</translation>
    </message>
    <message>
        <source>Tovu Use</source>
        <translation>Used by Tovu</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>SD card format</source>
        <translation>SD card format</translation>
    </message>
    <message>
        <source>Initialize settings</source>
        <translation>Initialize settings</translation>
    </message>
    <message>
        <source>Reset Tovu</source>
        <translation>Reset Tovu</translation>
    </message>
    <message>
        <source>All data delete on SD card</source>
        <translation>All the data in SD card will be deleted.</translation>
    </message>
    <message>
        <source>Initialize all settings</source>
        <translation>Initialize all the settings. The factory mode will be restored.</translation>
    </message>
    <message>
        <source>Reset Tovu and restart</source>
        <translation>Reset and reboot the Tovu.</translation>
    </message>
    <message>
        <source>Completed %1</source>
        <translation>%1 Completed</translation>
    </message>
    <message>
        <source>Battery %1</source>
        <translation>Battery %1</translation>
    </message>
    <message>
        <source>SD card: %1 GB free of %2 GB</source>
        <translation>SD card: %1 GB free of %2 GB</translation>
    </message>
</context>
<context>
    <name>ClWidgetSecureMode</name>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>Recording status</source>
        <translation>Recording status</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>In order to use the maintenance tools must be in maintenance mode the camera</source>
        <translation>To use Setup tool, the camera needs to be changed to the Maintenance mode.</translation>
    </message>
    <message>
        <source>Change to security mode</source>
        <translation>Change to Alert mode</translation>
    </message>
    <message>
        <source>Change to maintenance mode</source>
        <translation>Change to maintenance mode</translation>
    </message>
    <message>
        <source>Running recording</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>Not recording</translation>
    </message>
    <message>
        <source>Are you sure you want, but I will stop recording?</source>
        <translation>Recording will be cancelled.</translation>
    </message>
    <message>
        <source>Mode is changed</source>
        <translation>The mode has been changed</translation>
    </message>
</context>
</TS>
