<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClWidgetStreamSetting</name>
    <message>
        <source>Common 
movie setting</source>
        <translation>Common 
movie setting</translation>
    </message>
    <message>
        <source>Recording 
setting</source>
        <translation>Recording 
setting</translation>
    </message>
    <message>
        <source>Live 
viewing setting</source>
        <translation>Live 
viewing setting</translation>
    </message>
    <message>
        <source>Interval setting</source>
        <translation>Interval setting</translation>
    </message>
    <message>
        <source>%1 is applied</source>
        <translation>%1 have been changed.</translation>
    </message>
    <message>
        <source>%1 
Resolution</source>
        <translation>%1 
Resolution</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>LiveView</source>
        <translation>Live streaming</translation>
    </message>
    <message>
        <source>Full HD(1920x1080)</source>
        <translation>Full HD (1920x1080)</translation>
    </message>
    <message>
        <source>HD(1280x720)</source>
        <translation>HD (1280x720)</translation>
    </message>
    <message>
        <source>Economy(640x480)</source>
        <translation>VGA (640x480)</translation>
    </message>
    <message>
        <source>Standard(320x240)</source>
        <translation>Standard (320x240)</translation>
    </message>
    <message>
        <source>Fine(800x480)</source>
        <translation>Fine (800x480)</translation>
    </message>
    <message>
        <source>FrameRate(fps)</source>
        <translation>Framerate (fps)</translation>
    </message>
    <message>
        <source>BitRate(kbps)</source>
        <translation>Bitrate (kbps)</translation>
    </message>
    <message>
        <source>SD card Size</source>
        <translation>SD size</translation>
    </message>
    <message>
        <source>*Recording time varies depending on your environment</source>
        <translation>* Reference value. The actual time depends on your recording environment.</translation>
    </message>
    <message>
        <source>Recordable up to approx. %1 day(s)</source>
        <translation>Recordable up to approx. %1 day(s)</translation>
    </message>
    <message>
        <source>Recordable up to approx. %1 hour(s)</source>
        <translation>Recordable up to approx. %1 hour(s)</translation>
    </message>
    <message>
        <source>Set failed for recording</source>
        <translation>Setting failed: a movie is being recorded.</translation>
    </message>
    <message>
        <source>Brightness setting</source>
        <translation>Brightness setting</translation>
    </message>
    <message>
        <source>Contrast setting</source>
        <translation>Contrast setting</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Image rotation setting</source>
        <translation>Image rotation setting</translation>
    </message>
    <message>
        <source>Please set the Rotation of the image</source>
        <translation>  Please set image rotation</translation>
    </message>
    <message>
        <source>Rotate normally</source>
        <translation>Rotate normally</translation>
    </message>
    <message>
        <source>Rotate 180 degrees</source>
        <translation>Rotate 180 degrees</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>Use interval timer</source>
        <translation>Enable time lapse shooting mode</translation>
    </message>
    <message>
        <source>Time of until start 
interval timer</source>
        <translation>Wait time</translation>
    </message>
    <message>
        <source>Time of interval that captured</source>
        <translation>Shooting interval</translation>
    </message>
    <message>
        <source>There is no picture to capture yet.</source>
        <translation>There is no picture to capture yet.</translation>
    </message>
    <message>
        <source>The picture could not be saved.
%1</source>
        <translation>The picture could not be saved.
%1</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Camera image</source>
        <translation>Camera image</translation>
    </message>
    <message>
        <source>Frame rate in fps</source>
        <translation>Frame rate in fps</translation>
    </message>
    <message>
        <source>Bit rate in kbps</source>
        <translation>Bit rate in kbps</translation>
    </message>
    <message>
        <source>Hours before start</source>
        <translation>Hours before start</translation>
    </message>
    <message>
        <source>Minutes before start</source>
        <translation>Minutes before start</translation>
    </message>
    <message>
        <source>Seconds before start</source>
        <translation>Seconds before start</translation>
    </message>
    <message>
        <source>Interval hours</source>
        <translation>Interval hours</translation>
    </message>
    <message>
        <source>Interval minutes</source>
        <translation>Interval minutes</translation>
    </message>
    <message>
        <source>Interval seconds</source>
        <translation>Interval seconds</translation>
    </message>
</context>
</TS>
