<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>In this version of the tool maintenance is not supported.
Make up a version of the tool than help.</source>
        <translation>このバージョンのツールはこのカメラに対応していません。
ヘルプメニューからツールを更新してください。</translation>
    </message>
</context>
<context>
    <name>ClWidgetSelectMode</name>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Camera state</source>
        <translation>カメラの状態</translation>
    </message>
    <message>
        <source>Network setting</source>
        <translation>ネットワーク設定</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>基本設定</translation>
    </message>
    <message>
        <source>Stream setting</source>
        <translation>映像配信</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>スケジュール</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ClWidgetNotConnect</name>
    <message>
        <source>Connect camera by USB cable</source>
        <translation>Tovu を USB ケーブルで接続し、電源を入れてください。</translation>
    </message>
    <message>
        <source>A Tovu is connected, but you may not use it.</source>
        <translation>Tovu は接続されていますが、このユーザーでは使用できません。</translation>
    </message>
    <message>
        <source>The tool's udev rule is installed but not yet applied to the camera (%1). Unplug the camera and plug it in again, or apply the rule with:</source>
        <translation>ツールの udev ルールはインストールされていますが、カメラ (%1) にはまだ適用されていません。カメラを抜いて差し直すか、次のコマンドでルールを適用してください:</translation>
    </message>
    <message>
        <source>The udev rule that lets you use the camera (%1) is not installed. Install the tool's package, or copy udev/%2 from its source to /etc/udev/rules.d/, then run:</source>
        <translation>カメラ (%1) を使用するための udev ルールがインストールされていません。ツールのパッケージをインストールするか、ソースの udev/%2 を /etc/udev/rules.d/ にコピーしてから、次のコマンドを実行してください:</translation>
    </message>
    <message>
        <source>A Tovu is connected, but another program is using it.</source>
        <translation>Tovu は接続されていますが、別のプログラムが使用中です。</translation>
    </message>
    <message>
        <source>Close the other program that uses the camera (%1). The tool connects to the camera as soon as it is free.</source>
        <translation>カメラ (%1) を使用している別のプログラムを終了してください。カメラが空くと、ツールは自動的に接続します。</translation>
    </message>
    <message>
        <source>Close %1, which uses the camera (%2). The tool connects to the camera as soon as it is free.</source>
        <translation>カメラ (%2) を使用している %1 を終了してください。カメラが空くと、ツールは自動的に接続します。</translation>
    </message>
</context>
<context>
    <name>ClCaptionBar</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
