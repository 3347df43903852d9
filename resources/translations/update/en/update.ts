<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Failed to obtain update files. Check the network settings on your computer.
</source>
        <translation>Failed to obtain update files. Check the network settings on your computer.</translation>
    </message>
    <message>
        <source>Failed to read update files.
 If this error continues to occur, consult your dealer.</source>
        <translation>Failed to read update files.
If this error continues to occur, consult your dealer.</translation>
    </message>
    <message>
        <source>Faield to update.</source>
        <translation>Failed to update.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>The file is larger than %1 MiB.</translation>
    </message>
    <message>
        <source>A downloaded file was damaged or altered on the way, so nothing was installed.
Try again later or on another network; if this keeps happening, consult your dealer.</source>
        <translation>A downloaded file was damaged or altered on the way, so nothing was installed.
Try again later or on another network; if this keeps happening, consult your dealer.</translation>
    </message>
    <message>
        <source>The download did not finish in time: after %1 seconds it was still arriving. The connection is too slow, or the server stopped sending properly. Nothing was installed.</source>
        <translation>The download did not finish in time: after %1 seconds it was still arriving. The connection is too slow, or the server stopped sending properly. Nothing was installed.</translation>
    </message>
</context>
<context>
    <name>ClProgressDialog</name>
    <message>
        <source>Parvik Update service program</source>
        <translation>Parvik Update Service</translation>
    </message>
    <message>
        <source>now Downloading</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>now Installing</source>
        <translation>Installing</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>Do you want to quit will not be updated?</source>
        <translation>Do you want to cancel? Nothing will be updated.</translation>
    </message>
    <message>
        <source>The firmware is being written into the camera. This cannot be cancelled:
do not unplug the camera or switch it off until it turns itself off.</source>
        <translation>The firmware is being written into the camera. This cannot be cancelled:
do not unplug the camera or switch it off until it turns itself off.</translation>
    </message>
    <message>
        <source>now Writing</source>
        <translation>Writing</translation>
    </message>
</context>
<context>
    <name>ClTovuDownload</name>
    <message>
        <source>Firmware update failed</source>
        <translation>Firmware upgrade failed</translation>
    </message>
    <message>
        <source>Firmware update success</source>
        <translation>Now upgrading…
Please wait until Tovu turns off.</translation>
    </message>
    <message>
        <source>There are new %1.
Version up?</source>
        <translation>The new version of %1 is now available..
Would you like to upgrade it?</translation>
    </message>
    <message>
        <source>Your %1 is the latest version.</source>
        <translation>Your %1 is the latest version.</translation>
    </message>
    <message>
        <source>The installer could not be started.
The new version was saved as:
%1</source>
        <translation>The installer could not be started.
The new version was saved as:
%1</translation>
    </message>
    <message>
        <source>A new firmware is offered, but it cannot be verified as a genuine release of the Tovu,
so nothing was downloaded or written into the camera.
The update server or the network may have been tampered with. Try again later or on another network; if this keeps happening, consult your dealer.</source>
        <translation>A new firmware is offered, but it cannot be verified as a genuine release of the Tovu,
so nothing was downloaded or written into the camera.
The update server or the network may have been tampered with. Try again later or on another network; if this keeps happening, consult your dealer.</translation>
    </message>
    <message>
        <source>A new version of this tool is offered, but it cannot be verified as a genuine release,
so nothing was downloaded or installed.
The update server or the network may have been tampered with. Get the new version from your dealer, or try again later on another network.</source>
        <translation>A new version of this tool is offered, but it cannot be verified as a genuine release,
so nothing was downloaded or installed.
The update server or the network may have been tampered with. Get the new version from your dealer, or try again later on another network.</translation>
    </message>
    <message>
        <source>Install it with your desktop&apos;s software installer, or in a terminal with:
sudo apt install %1</source>
        <translation>Install it with your desktop&apos;s software installer, or in a terminal with:
sudo apt install %1</translation>
    </message>
    <message>
        <source>The camera was disconnected while the firmware was being written.
Connect it again and start the update again from the help page; if the camera does not start, consult your dealer.</source>
        <translation>The camera was disconnected while the firmware was being written.
Connect it again and start the update again from the help page; if the camera does not start, consult your dealer.</translation>
    </message>
    <message>
        <source>The camera was disconnected before the firmware was written. Nothing was written into it.</source>
        <translation>The camera was disconnected before the firmware was written. Nothing was written into it.</translation>
    </message>
    <message>
        <source>The camera&apos;s battery and recording state could not be read, so the firmware was not written.
Check the cable and start the update again.</source>
        <translation>The camera&apos;s battery and recording state could not be read, so the firmware was not written.
Check the cable and start the update again.</translation>
    </message>
    <message>
        <source>The camera&apos;s battery is at %1%, too low to write the firmware safely. Nothing was written.
Charge the camera to at least %2%, or keep it charging, and start the update again.</source>
        <translation>The camera&apos;s battery is at %1%, too low to write the firmware safely. Nothing was written.
Charge the camera to at least %2%, or keep it charging, and start the update again.</translation>
    </message>
    <message>
        <source>The camera is recording, so the firmware was not written. Nothing was written.
Stop the recording and start the update again.</source>
        <translation>The camera is recording, so the firmware was not written. Nothing was written.
Stop the recording and start the update again.</translation>
    </message>
    <message>
        <source>Keep the camera connected, switch it off and on, and start the update again from the help page. If the camera does not start, consult your dealer.</source>
        <translation>Keep the camera connected, switch it off and on, and start the update again from the help page. If the camera does not start, consult your dealer.</translation>
    </message>
</context>
</TS>
