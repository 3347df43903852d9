<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClWidgetStreamSetting</name>
    <message>
        <source>Common 
movie setting</source>
        <translation>動画の
共通設定</translation>
    </message>
    <message>
        <source>Recording 
setting</source>
        <translation>録画
設定</translation>
    </message>
    <message>
        <source>Live 
viewing setting</source>
        <translation>ライブビュー
設定</translation>
    </message>
    <message>
        <source>Interval setting</source>
        <translation>インターバル
設定</translation>
    </message>
    <message>
        <source>%1 is applied</source>
        <translation>%1を変更しました。</translation>
    </message>
    <message>
        <source>%1 
Resolution</source>
        <translation>%1
解像度</translation>
    </message>
    <message>
        <source>Rec</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>LiveView</source>
        <translation>ライブビュー</translation>
    </message>
    <message>
        <source>Full HD(1920x1080)</source>
        <translation>フルHD (1920x1080)</translation>
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
        <translation>標準 (320x240)</translation>
    </message>
    <message>
        <source>Fine(800x480)</source>
        <translation>高画質 (800x480)</translation>
    </message>
    <message>
        <source>FrameRate(fps)</source>
        <translation>フレームレート (fps)</translation>
    </message>
    <message>
        <source>BitRate(kbps)</source>
        <translation>ビットレート (kbps)</translation>
    </message>
    <message>
        <source>SD card Size</source>
        <translation>SDカード容量</translation>
    </message>
    <message>
        <source>*Recording time varies depending on your environment</source>
        <translation>※目安です。実際の録画時間は録画環境によって異なります。</translation>
    </message>
    <message>
        <source>Recordable up to approx. %1 day(s)</source>
        <translation>約%1日間録画できます</translation>
    </message>
    <message>
        <source>Recordable up to approx. %1 hour(s)</source>
        <translation>約%1時間録画できます</translation>
    </message>
    <message>
        <source>Set failed for recording</source>
        <translation>録画中のため設定できませんでした。</translation>
    </message>
    <message>
        <source>This bit rate can not be set</source>
        <translation>このビットレートは設定できません。</translation>
    </message>
    <message>
        <source>Brightness setting</source>
        <translation>明るさの設定</translation>
    </message>
    <message>
        <source>Contrast setting</source>
        <translation>コントラストの設定</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>明るい</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>暗い</translation>
    </message>
    <message>
        <source>Image rotation setting</source>
        <translation>画像の回転設定</translation>
    </message>
    <message>
        <source>Please set the Rotation of the image</source>
        <translation>画像の向きを設定してください</translation>
    </message>
    <message>
        <source>Rotate normally</source>
        <translation>回転しない</translation>
    </message>
    <message>
        <source>Rotate 180 degrees</source>
        <translation>180度回転する</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>キャプチャ</translation>
    </message>
    <message>
        <source>Use interval timer</source>
        <translation>インターバル撮影を使う</translation>
    </message>
    <message>
        <source>Time of until start 
interval timer</source>
        <translation>撮影開始までの
待ち時間</translation>
    </message>
    <message>
        <source>Time of interval that captured</source>
        <translation>撮影間隔</translation>
    </message>
    <message>
        <source>There is no picture to capture yet.</source>
        <translation>キャプチャできる画像がまだありません。</translation>
    </message>
    <message>
        <source>The picture could not be saved.
%1</source>
        <translation>画像を保存できませんでした。
%1</translation>
    </message>
    <message>
        <source>h</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>min</source>
        <translation>分</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Camera image</source>
        <translation>カメラ映像</translation>
    </message>
    <message>
        <source>Frame rate in fps</source>
        <translation>フレームレート (fps)</translation>
    </message>
    <message>
        <source>Bit rate in kbps</source>
        <translation>ビットレート (kbps)</translation>
    </message>
    <message>
        <source>Hours before start</source>
        <translation>開始までの時間 (時)</translation>
    </message>
    <message>
        <source>Minutes before start</source>
        <translation>開始までの時間 (分)</translation>
    </message>
    <message>
        <source>Seconds before start</source>
        <translation>開始までの時間 (秒)</translation>
    </message>
    <message>
        <source>Interval hours</source>
        <translation>撮影間隔 (時)</translation>
    </message>
    <message>
        <source>Interval minutes</source>
        <translation>撮影間隔 (分)</translation>
    </message>
    <message>
        <source>Interval seconds</source>
        <translation>撮影間隔 (秒)</translation>
    </message>
</context>
</TS>
