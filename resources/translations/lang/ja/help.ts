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
</TS>
