<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClWidgetNetworkSetting</name>
    <message>
        <source>Network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>Connection mode</source>
        <translation>接続モード</translation>
    </message>
    <message>
        <source>Infrastructure</source>
        <translation>インフラ</translation>
    </message>
    <message>
        <source>Adhoc</source>
        <translation>アドホック</translation>
    </message>
    <message>
        <source>WiFi Off</source>
        <translation>WiFiオフ</translation>
    </message>
    <message>
        <source>Display list that can connect AP</source>
        <translation>接続できるアクセスポイント</translation>
    </message>
    <message>
        <source>AP manual setting</source>
        <translation>APを手動で設定</translation>
    </message>
    <message>
        <source>IP setting</source>
        <translation>IP設定</translation>
    </message>
    <message>
        <source>The name of this network cannot be sent to the camera</source>
        <translation>このネットワーク名はカメラに送れません</translation>
    </message>
    <message>
        <source>[Infrastracture]-&gt;[Input Encryption key]</source>
        <translation>インフラストラクチャ &gt; 暗号化キー</translation>
    </message>
    <message>
        <source>[Infrastracture]-&gt;[AP manual setting]</source>
        <translation>インフラストラクチャ &gt; APの手動設定</translation>
    </message>
    <message>
        <source>[Infrastracture]-&gt;[IP setting]</source>
        <translation>インフラストラクチャ &gt; IP設定</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Encryption key</source>
        <translation>暗号化キー</translation>
    </message>
    <message>
        <source>Show input</source>
        <translation>入力を表示</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>The key is 1 to 63 letters, digits, symbols or spaces</source>
        <translation>キーは1～63文字の英数字・記号・空白です</translation>
    </message>
    <message>
        <source>The SSID is 1 to 32 letters, digits, symbols or spaces</source>
        <translation>SSIDは1～32文字の英数字・記号・空白です</translation>
    </message>
    <message>
        <source>Network key is applied</source>
        <translation>ネットワークキーを変更しました。</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Set the IP Address, Subnetmask and Default Gateway</source>
        <translation>IPアドレス、サブネットマスク、デフォルトゲートウェイを設定</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Subnetmask</source>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <source>Default Gateway</source>
        <translation>デフォルトゲートウェイ</translation>
    </message>
    <message>
        <source>Not valid settings of network</source>
        <translation>ネットワーク設定が正しくありません。</translation>
    </message>
    <message>
        <source>Setting the IP address is applied</source>
        <translation>IPアドレスの設定を変更しました。</translation>
    </message>
    <message>
        <source>SSID of adhoc</source>
        <translation>アドホックのSSID</translation>
    </message>
    <message>
        <source>Encryption key of adhoc</source>
        <translation>アドホックの暗号化キー</translation>
    </message>
    <message>
        <source>Set the IP Adderss and Subnetmask when connect by adhoc</source>
        <translation>アドホック接続時のIPアドレスとサブネットマスクを設定</translation>
    </message>
    <message>
        <source>Manually configure the RTSP port</source>
        <translation>RTSPポートを手動で設定</translation>
    </message>
    <message>
        <source>RTSP Port</source>
        <translation>RTSPポート</translation>
    </message>
    <message>
        <source>(554, 1024 - 65535)</source>
        <translation>(554、1024～65535)</translation>
    </message>
    <message>
        <source>Manually configure the HTTP port</source>
        <translation>HTTPポートを手動で設定</translation>
    </message>
    <message>
        <source>HTTP Port</source>
        <translation>HTTPポート</translation>
    </message>
    <message>
        <source>(80, 1024 - 65535)</source>
        <translation>(80、1024～65535)</translation>
    </message>
    <message>
        <source>Port configuration is applied</source>
        <translation>ポート設定を変更しました。</translation>
    </message>
    <message>
        <source>Infrastructure communication mode is applied</source>
        <translation>インフラストラクチャ通信モードに変更しました。</translation>
    </message>
    <message>
        <source>AdHoc communication mode is applied</source>
        <translation>アドホック通信モードに変更しました。</translation>
    </message>
    <message>
        <source>WiFi is set to off</source>
        <translation>WiFiをオフにしました。</translation>
    </message>
    <message>
        <source>WiFi connection settings have been applied</source>
        <translation>WiFi接続設定を変更しました。</translation>
    </message>
    <message>
        <source>no signal</source>
        <translation>電波なし</translation>
    </message>
    <message>
        <source>weak</source>
        <translation>弱</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>strong</source>
        <translation>強</translation>
    </message>
    <message>
        <source>open</source>
        <translation>暗号化なし</translation>
    </message>
    <message>
        <source>%1, %2, signal %3</source>
        <translation>%1、%2、電波 %3</translation>
    </message>
    <message>
        <source>The camera is joined to this network</source>
        <translation>カメラはこのネットワークに接続しています</translation>
    </message>
    <message>
        <source>Access points found</source>
        <translation>見つかったアクセスポイント</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Research</source>
        <translation>再検索</translation>
    </message>
</context>
</TS>
