<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClCameraDiscovery</name>
    <message>
        <source>%1: this user may not use the camera (is the udev rule installed?)</source>
        <translation>%1: this user may not use the camera (is the udev rule installed?)</translation>
    </message>
    <message>
        <source>%1: another program holds the camera</source>
        <translation>%1: another program holds the camera</translation>
    </message>
</context>
<context>
    <name>ClCliCommands</name>
    <message>
        <source>%1: %2 failed: %3</source>
        <translation>%1: %2 failed: %3</translation>
    </message>
    <message>
        <source>The %1 camera %2 with firmware %3 does not have: %4. Nothing was changed.</source>
        <translation>The %1 camera %2 with firmware %3 does not have: %4. Nothing was changed.</translation>
    </message>
    <message>
        <source>%1: the camera went away; nothing was changed.</source>
        <translation>%1: the camera went away; nothing was changed.</translation>
    </message>
    <message>
        <source>%1: the camera went away; no profile was written.</source>
        <translation>%1: the camera went away; no profile was written.</translation>
    </message>
    <message>
        <source>Saved the settings of %1 to %2 (%3 settings).</source>
        <translation>Saved the settings of %1 to %2 (%3 settings).</translation>
    </message>
    <message>
        <source>%1: the camera went away while the profile was applied.</source>
        <translation>%1: the camera went away while the profile was applied.</translation>
    </message>
    <message>
        <source>  written: %1</source>
        <translation>  written: %1</translation>
    </message>
    <message>
        <source>  not written: %1</source>
        <translation>  not written: %1</translation>
    </message>
</context>
<context>
    <name>ClCliOptions</name>
    <message>
        <source>List every attached camera: serial number, model, firmware version and bus position, one line each.</source>
        <translation>List every attached camera: serial number, model, firmware version and bus position, one line each.</translation>
    </message>
    <message>
        <source>Print the named settings of the camera (every setting when no name is given): name, value and unit. A setting the camera's model or firmware lacks is listed as unsupported and never asked.</source>
        <translation>Print the named settings of the camera (every setting when no name is given): name, value and unit. A setting the camera's model or firmware lacks is listed as unsupported and never asked.</translation>
    </message>
    <message>
        <source>Change settings. Every value is checked before anything is sent; the settings are written in a safe order (the network last) and read back.</source>
        <translation>Change settings. Every value is checked before anything is sent; the settings are written in a safe order (the network last) and read back.</translation>
    </message>
    <message>
        <source>Write every readable setting of the camera into a profile (JSON). Secrets are left out unless --include-secrets is given.</source>
        <translation>Write every readable setting of the camera into a profile (JSON). Secrets are left out unless --include-secrets is given.</translation>
    </message>
    <message>
        <source>Show what the profile would change (setting: camera's value -&gt; profile's value), then write only the differences and read them back. Settings the camera lacks are listed and skipped.</source>
        <translation>Show what the profile would change (setting: camera's value -&gt; profile's value), then write only the differences and read them back. Settings the camera lacks are listed and skipped.</translation>
    </message>
    <message>
        <source>Use the camera with this serial number when several are attached.</source>
        <translation>Use the camera with this serial number when several are attached.</translation>
    </message>
    <message>
        <source>With --apply-profile: apply the profile to every attached camera in turn.</source>
        <translation>With --apply-profile: apply the profile to every attached camera in turn.</translation>
    </message>
    <message>
        <source>With --apply-profile: show what would change and write nothing.</source>
        <translation>With --apply-profile: show what would change and write nothing.</translation>
    </message>
    <message>
        <source>With --save-profile: write passwords and network keys too.</source>
        <translation>With --save-profile: write passwords and network keys too.</translation>
    </message>
    <message>
        <source>Print passwords and network keys instead of "(secret)".</source>
        <translation>Print passwords and network keys instead of "(secret)".</translation>
    </message>
    <message>
        <source>With --list or --get: print JSON.</source>
        <translation>With --list or --get: print JSON.</translation>
    </message>
    <message>
        <source>Use a virtual USB bus with an emulated camera instead of the real one; MODEL is tovu (the default) or tovu-s. Repeat it for several cameras.</source>
        <translation>Use a virtual USB bus with an emulated camera instead of the real one; MODEL is tovu (the default) or tovu-s. Repeat it for several cameras.</translation>
    </message>
    <message>
        <source>Plug N emulated Tovu cameras into the virtual bus, besides those of --virtual-camera.</source>
        <translation>Plug N emulated Tovu cameras into the virtual bus, besides those of --virtual-camera.</translation>
    </message>
    <message>
        <source>Show the options and every setting with its type and range.</source>
        <translation>Show the options and every setting with its type and range.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Show the version.</translation>
    </message>
    <message>
        <source>Usage: tovu-settings COMMAND [OPTIONS]</source>
        <translation>Usage: tovu-settings COMMAND [OPTIONS]</translation>
    </message>
    <message>
        <source>Reads and changes the settings of Tovu cameras connected by USB, without a window.</source>
        <translation>Reads and changes the settings of Tovu cameras connected by USB, without a window.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>Settings:</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>Exit status:</translation>
    </message>
    <message>
        <source>  0  success
  1  a camera or setting failure: no camera, a camera that failed or went, a value that did not stick, the window holding the cameras
  2  bad usage: nothing was sent because the options, a value or a profile are wrong, or several cameras are attached and none was chosen
</source>
        <translation>  0  success
  1  a camera or setting failure: no camera, a camera that failed or went, a value that did not stick, the window holding the cameras
  2  bad usage: nothing was sent because the options, a value or a profile are wrong, or several cameras are attached and none was chosen
</translation>
    </message>
    <message>
        <source>Give one of --list, --get, --set, --save-profile or --apply-profile.</source>
        <translation>Give one of --list, --get, --set, --save-profile or --apply-profile.</translation>
    </message>
    <message>
        <source>Give only one command, not %1.</source>
        <translation>Give only one command, not %1.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unexpected argument: %1</translation>
    </message>
    <message>
        <source>--set needs at least one NAME=VALUE.</source>
        <translation>--set needs at least one NAME=VALUE.</translation>
    </message>
    <message>
        <source>--all and --dry-run go with --apply-profile only.</source>
        <translation>--all and --dry-run go with --apply-profile only.</translation>
    </message>
    <message>
        <source>--include-secrets goes with --save-profile only.</source>
        <translation>--include-secrets goes with --save-profile only.</translation>
    </message>
    <message>
        <source>--json goes with --list or --get only.</source>
        <translation>--json goes with --list or --get only.</translation>
    </message>
    <message>
        <source>Give either --all or --camera, not both.</source>
        <translation>Give either --all or --camera, not both.</translation>
    </message>
    <message>
        <source>Unknown camera model "%1" for --virtual-camera: use tovu or tovu-s.</source>
        <translation>Unknown camera model "%1" for --virtual-camera: use tovu or tovu-s.</translation>
    </message>
    <message>
        <source>--virtual-cameras takes a number from 1 to %1.</source>
        <translation>--virtual-cameras takes a number from 1 to %1.</translation>
    </message>
    <message>
        <source>At most %1 virtual cameras.</source>
        <translation>At most %1 virtual cameras.</translation>
    </message>
</context>
<context>
    <name>ClCliRunner</name>
    <message>
        <source>Try --help for the options.</source>
        <translation>Try --help for the options.</translation>
    </message>
    <message>
        <source>"%1" is not NAME=VALUE.</source>
        <translation>"%1" is not NAME=VALUE.</translation>
    </message>
    <message>
        <source>%1: no such setting.</source>
        <translation>%1: no such setting.</translation>
    </message>
    <message>
        <source>%1: given twice.</source>
        <translation>%1: given twice.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>Nothing was sent.</translation>
    </message>
    <message>
        <source>The camera at %1 did not say which model it is; it is left alone.</source>
        <translation>The camera at %1 did not say which model it is; it is left alone.</translation>
    </message>
    <message>
        <source>No camera found.</source>
        <translation>No camera found.</translation>
    </message>
    <message>
        <source>No attached camera has the serial number %1. Attached:</source>
        <translation>No attached camera has the serial number %1. Attached:</translation>
    </message>
    <message>
        <source>Several cameras are attached; choose one with --camera SERIAL:</source>
        <translation>Several cameras are attached; choose one with --camera SERIAL:</translation>
    </message>
    <message>
        <source>The profile %1 was refused; nothing was sent.</source>
        <translation>The profile %1 was refused; nothing was sent.</translation>
    </message>
    <message>
        <source>The %1 window is running and uses the cameras. Close it and try again.</source>
        <translation>The %1 window is running and uses the cameras. Close it and try again.</translation>
    </message>
    <message>
        <source>The USB bus cannot be read.</source>
        <translation>The USB bus cannot be read.</translation>
    </message>
</context>
</TS>
