<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClWidgetHelp</name>
    <message>
        <source>Maintenance Tool</source>
        <translation>設定アプリケーション</translation>
    </message>
    <message>
        <source>TovuSettingTool version</source>
        <translation>Tovu 設定ツールのバージョン</translation>
    </message>
    <message>
        <source>Version up this software</source>
        <translation>Tovu 設定ツールをアップデート</translation>
    </message>
    <message>
        <source>Tovu firmware version</source>
        <translation>Tovu ファームウェアのバージョン</translation>
    </message>
    <message>
        <source>Version up this Tovu</source>
        <translation>Tovu をアップデート</translation>
    </message>
    <message>
        <source>Show license</source>
        <translation>ライセンスを表示</translation>
    </message>
    <message>
        <source>Confirm license</source>
        <translation>アップデートの前に必ずライセンスをお読みください。</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>Post when there is a new software</source>
        <translation>新しいソフトウェアがあるときに通知する</translation>
    </message>
    <message>
        <source>United States</source>
        <translation>アメリカ合衆国</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>オーストラリア</translation>
    </message>
    <message>
        <source>Europe</source>
        <translation>ヨーロッパ</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>Software</source>
        <translation>ソフトウェア</translation>
    </message>
    <message>
        <source>Connection settings...</source>
        <translation>接続の設定...</translation>
    </message>
    <message>
        <source>Save settings...</source>
        <translation>設定を保存...</translation>
    </message>
    <message>
        <source>Load settings...</source>
        <translation>設定を読み込み...</translation>
    </message>
    <message>
        <source>Install firmware from a file...</source>
        <translation>ファイルからファームウェアをインストール...</translation>
    </message>
</context>
<context>
    <name>ClDialogConnection</name>
    <message>
        <source>Connection settings</source>
        <translation>接続の設定</translation>
    </message>
    <message>
        <source>Used until the tool is closed; at the next start the tool&apos;s own update server is used again.</source>
        <translation>ツールを閉じるまで有効です。次の起動からはツール標準のアップデートサーバーに戻ります。</translation>
    </message>
    <message>
        <source>Use a proxy server of the tool&apos;s own</source>
        <translation>このツール専用のプロキシサーバーを使う</translation>
    </message>
    <message>
        <source>Without one, updates go through the desktop&apos;s proxy, if it has one.</source>
        <translation>使わない場合、デスクトップにプロキシが設定されていればそれを経由します。</translation>
    </message>
    <message>
        <source>HTTP</source>
        <translation>HTTP</translation>
    </message>
    <message>
        <source>SOCKS 5</source>
        <translation>SOCKS 5</translation>
    </message>
    <message>
        <source>HTTP (caching)</source>
        <translation>HTTP (キャッシュ)</translation>
    </message>
    <message>
        <source>FTP (caching)</source>
        <translation>FTP (キャッシュ)</translation>
    </message>
    <message>
        <source>Stored; type a new one to change it</source>
        <translation>保存済み (変更するときは新しいパスワードを入力)</translation>
    </message>
    <message>
        <source>Post when there is a new software</source>
        <translation>新しいソフトウェアがあるときに通知する</translation>
    </message>
    <message>
        <source>Update server</source>
        <translation>アップデートサーバー</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>The proxy asks for a user name and password</source>
        <translation>プロキシでユーザー名とパスワードが必要</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>ユーザー名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The update server must be an http:// or https:// address.</source>
        <translation>アップデートサーバーには http:// または https:// のアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Enter the proxy server&apos;s host name or address.</source>
        <translation>プロキシサーバーのホスト名またはアドレスを入力してください。</translation>
    </message>
    <message>
        <source>Enter the user name the proxy asks for.</source>
        <translation>プロキシのユーザー名を入力してください。</translation>
    </message>
    <message>
        <source>The settings could not be written to %1.</source>
        <translation>設定を %1 に書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>ClUpdateView</name>
    <message>
        <source>Install firmware from a file</source>
        <translation>ファイルからファームウェアをインストール</translation>
    </message>
    <message>
        <source>Firmware (*.bin);;All files (*)</source>
        <translation>ファームウェア (*.bin);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>%1 cannot be read as firmware (it is empty, too large or not readable). Nothing was written.</source>
        <translation>%1 はファームウェアとして読み込めません (空、大きすぎる、または読み取れません)。何も書き込んでいません。</translation>
    </message>
    <message>
        <source>Write this firmware into the camera?

File: %1
Size: %2 bytes
SHA-256: %3
Firmware in the camera now: %4

A file you pick is not checked for a signature: use only firmware from your dealer.</source>
        <translation>このファームウェアをカメラに書き込みますか?

ファイル: %1
サイズ: %2 バイト
SHA-256: %3
カメラの現在のファームウェア: %4

選んだファイルの署名は確認されません。販売店から入手したファームウェアだけを使ってください。</translation>
    </message>
    <message>
        <source>The firmware cannot be written now: connect the camera, wait until any update has ended, and try again.</source>
        <translation>今はファームウェアを書き込めません。カメラを接続し、実行中のアップデートが終わるのを待ってから、もう一度お試しください。</translation>
    </message>
</context>
</TS>
