<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Tovu Setting Tool</source>
        <translation>Tovu Setup Tool</translation>
    </message>
    <message>
        <source>Parameter setting failed</source>
        <translation>Parameter setting failed. Invalid parameter.</translation>
    </message>
    <message>
        <source>Command error, version up</source>
        <translation>Check the software version.
If the version is not the latest, please upgrade.</translation>
    </message>
    <message>
        <source>Timeout error, please reset</source>
        <translation>Reboot and reconnect the Tovu.
If this error repeatedly occurs, please contact your dealer or Parvik.</translation>
    </message>
    <message>
        <source>The setting cannot be changed when broadcasting</source>
        <translation>The setting cannot be changed while streaming.</translation>
    </message>
    <message>
        <source>Exec failed, unknown error</source>
        <translation>Communication failed.
If this error repeatedly occurs, please contact your dealer or Parvik.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>ClLogWidget</name>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Apply (%1)</source>
        <translation>Apply (%1)</translation>
    </message>
</context>
</TS>
