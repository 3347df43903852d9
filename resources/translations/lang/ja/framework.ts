<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>Tovu Setting Tool</source>
        <translation>Tovu 設定ツール</translation>
    </message>
    <message>
        <source>Parameter setting failed</source>
        <translation>パラメーターの設定に失敗しました。
値が正しくありません。</translation>
    </message>
    <message>
        <source>Command error, version up</source>
        <translation>ソフトウェアのバージョンを確認してください。
最新でない場合はアップデートしてください。</translation>
    </message>
    <message>
        <source>Timeout error, please reset</source>
        <translation>Tovu を再起動して、接続し直してください。
このエラーが繰り返し発生する場合は、販売店またはParvikにお問い合わせください。</translation>
    </message>
    <message>
        <source>The setting cannot be changed when broadcasting</source>
        <translation>配信中は設定を変更できません。</translation>
    </message>
    <message>
        <source>Exec failed, unknown error</source>
        <translation>通信に失敗しました。
このエラーが繰り返し発生する場合は、販売店またはParvikにお問い合わせください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
</context>
<context>
    <name>ClLogWidget</name>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Apply (%1)</source>
        <translation>適用 (%1)</translation>
    </message>
</context>
</TS>
