<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClSettingValue</name>
    <message>
        <source>expected &quot;off&quot; or a period such as 08:00-17:30, in steps of 10 minutes</source>
        <translation>expected &quot;off&quot; or a period such as 08:00-17:30, in steps of 10 minutes</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>no value</translation>
    </message>
    <message>
        <source>out of range (%1)</source>
        <translation>out of range (%1)</translation>
    </message>
    <message>
        <source>does not match %1</source>
        <translation>does not match %1</translation>
    </message>
    <message>
        <source>not an IPv4 host address</source>
        <translation>not an IPv4 host address</translation>
    </message>
    <message>
        <source>not an IPv4 subnet mask</source>
        <translation>not an IPv4 subnet mask</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>not one of %1</translation>
    </message>
    <message>
        <source>not a period in steps of 10 minutes</source>
        <translation>not a period in steps of 10 minutes</translation>
    </message>
    <message>
        <source>expected on or off</source>
        <translation>expected on or off</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>expected a whole number</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>expected true or false</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>expected a text</translation>
    </message>
</context>
<context>
    <name>ClSettingsExchange</name>
    <message>
        <source>not sent: the camera&apos;s value of %1 is not known</source>
        <translation>not sent: the camera&apos;s value of %1 is not known</translation>
    </message>
    <message>
        <source>the camera was disconnected</source>
        <translation>the camera was disconnected</translation>
    </message>
    <message>
        <source>the camera&apos;s answer holds no value</source>
        <translation>the camera&apos;s answer holds no value</translation>
    </message>
    <message>
        <source>the camera kept %1</source>
        <translation>the camera kept %1</translation>
    </message>
    <message>
        <source>the camera did not answer in time</source>
        <translation>the camera did not answer in time</translation>
    </message>
</context>
<context>
    <name>ClSettingsProfile</name>
    <message>
        <source>The profile is larger than %1 bytes.</source>
        <translation>The profile is larger than %1 bytes.</translation>
    </message>
    <message>
        <source>The profile is not valid JSON: %1 at byte %2.</source>
        <translation>The profile is not valid JSON: %1 at byte %2.</translation>
    </message>
    <message>
        <source>The profile is not a JSON object.</source>
        <translation>The profile is not a JSON object.</translation>
    </message>
    <message>
        <source>The file is not a settings profile (its format is not &quot;%1&quot;).</source>
        <translation>The file is not a settings profile (its format is not &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>The profile has no valid format version.</source>
        <translation>The profile has no valid format version.</translation>
    </message>
    <message>
        <source>The profile has format version %1; this tool reads version %2 and older. Use a newer tool.</source>
        <translation>The profile has format version %1; this tool reads version %2 and older. Use a newer tool.</translation>
    </message>
    <message>
        <source>The profile holds no &quot;%1&quot; object.</source>
        <translation>The profile holds no &quot;%1&quot; object.</translation>
    </message>
    <message>
        <source>%1: no such setting</source>
        <translation>%1: no such setting</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>ClSettingsTransfer</name>
    <message>
        <source>Settings profiles (*.json)</source>
        <translation>Settings profiles (*.json)</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>Load settings</translation>
    </message>
    <message>
        <source>This file cannot be loaded; nothing was written to the camera:
%1</source>
        <translation>This file cannot be loaded; nothing was written to the camera:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>The settings could not be saved: %1</translation>
    </message>
    <message>
        <source>The settings of this camera were saved to %1.
Passwords and network keys are not saved.</source>
        <translation>The settings of this camera were saved to %1.
Passwords and network keys are not saved.</translation>
    </message>
    <message>
        <source>These settings could not be read:
%1</source>
        <translation>These settings could not be read:
%1</translation>
    </message>
    <message>
        <source>Not on this camera, skipped:
%1</source>
        <translation>Not on this camera, skipped:
%1</translation>
    </message>
    <message>
        <source>The camera already has every setting of this file.</source>
        <translation>The camera already has every setting of this file.</translation>
    </message>
    <message>
        <source>These settings will change:
%1</source>
        <translation>These settings will change:
%1</translation>
    </message>
    <message>
        <source>Apply them to the camera?</source>
        <translation>Apply them to the camera?</translation>
    </message>
    <message>
        <source>The camera was disconnected while the settings were written.
Written: %1
Not written: %2</source>
        <translation>The camera was disconnected while the settings were written.
Written: %1
Not written: %2</translation>
    </message>
    <message>
        <source>The settings of the file were applied.</source>
        <translation>The settings of the file were applied.</translation>
    </message>
    <message>
        <source>These settings were not applied:
%1</source>
        <translation>These settings were not applied:
%1</translation>
    </message>
</context>
</TS>
