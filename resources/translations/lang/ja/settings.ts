<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClSettingValue</name>
    <message>
        <source>expected &quot;off&quot; or a period such as 08:00-17:30, in steps of 10 minutes</source>
        <translation>「off」または 08:00-17:30 のような時間帯 (10 分単位) を指定してください</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>値がありません</translation>
    </message>
    <message>
        <source>out of range (%1)</source>
        <translation>範囲外です (%1)</translation>
    </message>
    <message>
        <source>does not match %1</source>
        <translation>%1 に合いません</translation>
    </message>
    <message>
        <source>not an IPv4 host address</source>
        <translation>IPv4 のホストアドレスではありません</translation>
    </message>
    <message>
        <source>not an IPv4 subnet mask</source>
        <translation>IPv4 のサブネットマスクではありません</translation>
    </message>
    <message>
        <source>not one of %1</source>
        <translation>%1 のいずれでもありません</translation>
    </message>
    <message>
        <source>not a period in steps of 10 minutes</source>
        <translation>10 分単位の時間帯ではありません</translation>
    </message>
    <message>
        <source>expected on or off</source>
        <translation>on または off を指定してください</translation>
    </message>
    <message>
        <source>expected a whole number</source>
        <translation>整数を指定してください</translation>
    </message>
    <message>
        <source>expected true or false</source>
        <translation>true または false を指定してください</translation>
    </message>
    <message>
        <source>expected a text</source>
        <translation>文字列を指定してください</translation>
    </message>
</context>
<context>
    <name>ClSettingsExchange</name>
    <message>
        <source>not sent: the camera&apos;s value of %1 is not known</source>
        <translation>送信していません: カメラの %1 の値が不明です</translation>
    </message>
    <message>
        <source>the camera was disconnected</source>
        <translation>カメラが切断されました</translation>
    </message>
    <message>
        <source>the camera&apos;s answer holds no value</source>
        <translation>カメラの応答に値がありません</translation>
    </message>
    <message>
        <source>the camera kept %1</source>
        <translation>カメラの値は %1 のままです</translation>
    </message>
    <message>
        <source>the camera did not answer in time</source>
        <translation>カメラが時間内に応答しませんでした</translation>
    </message>
</context>
<context>
    <name>ClSettingsProfile</name>
    <message>
        <source>The profile is larger than %1 bytes.</source>
        <translation>プロファイルが %1 バイトを超えています。</translation>
    </message>
    <message>
        <source>The profile is not valid JSON: %1 at byte %2.</source>
        <translation>プロファイルが正しい JSON ではありません: %2 バイト目で %1。</translation>
    </message>
    <message>
        <source>The profile is not a JSON object.</source>
        <translation>プロファイルが JSON オブジェクトではありません。</translation>
    </message>
    <message>
        <source>The file is not a settings profile (its format is not &quot;%1&quot;).</source>
        <translation>このファイルは設定プロファイルではありません (形式が「%1」ではありません)。</translation>
    </message>
    <message>
        <source>The profile has no valid format version.</source>
        <translation>プロファイルに正しい形式バージョンがありません。</translation>
    </message>
    <message>
        <source>The profile has format version %1; this tool reads version %2 and older. Use a newer tool.</source>
        <translation>プロファイルの形式バージョンは %1 です。このツールが読めるのはバージョン %2 以前です。新しいツールをお使いください。</translation>
    </message>
    <message>
        <source>The profile holds no &quot;%1&quot; object.</source>
        <translation>プロファイルに「%1」オブジェクトがありません。</translation>
    </message>
    <message>
        <source>%1: no such setting</source>
        <translation>%1: そのような設定はありません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>ClSettingsTransfer</name>
    <message>
        <source>Settings profiles (*.json)</source>
        <translation>設定プロファイル (*.json)</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>設定の保存</translation>
    </message>
    <message>
        <source>Load settings</source>
        <translation>設定の読み込み</translation>
    </message>
    <message>
        <source>This file cannot be loaded; nothing was written to the camera:
%1</source>
        <translation>このファイルは読み込めません。カメラには何も書き込んでいません:
%1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>設定を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>The settings of this camera were saved to %1.
Passwords and network keys are not saved.</source>
        <translation>このカメラの設定を %1 に保存しました。
パスワードとネットワークキーは保存していません。</translation>
    </message>
    <message>
        <source>These settings could not be read:
%1</source>
        <translation>次の設定は読み込めませんでした:
%1</translation>
    </message>
    <message>
        <source>Not on this camera, skipped:
%1</source>
        <translation>このカメラにはないため、スキップします:
%1</translation>
    </message>
    <message>
        <source>The camera already has every setting of this file.</source>
        <translation>カメラはすでにこのファイルのすべての設定になっています。</translation>
    </message>
    <message>
        <source>These settings will change:
%1</source>
        <translation>次の設定が変わります:
%1</translation>
    </message>
    <message>
        <source>Apply them to the camera?</source>
        <translation>カメラに適用しますか?</translation>
    </message>
    <message>
        <source>The camera was disconnected while the settings were written.
Written: %1
Not written: %2</source>
        <translation>設定の書き込み中にカメラが切断されました。
書き込み済み: %1
未書き込み: %2</translation>
    </message>
    <message>
        <source>The settings of the file were applied.</source>
        <translation>ファイルの設定を適用しました。</translation>
    </message>
    <message>
        <source>These settings were not applied:
%1</source>
        <translation>次の設定は適用されませんでした:
%1</translation>
    </message>
</context>
</TS>
