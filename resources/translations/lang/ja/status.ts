<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClWidgetCameraState</name>
    <message>
        <source>Remaing 
battery life</source>
        <translation>バッテリー
残量</translation>
    </message>
    <message>
        <source>Wi-Fi state</source>
        <translation>Wi-Fi状態</translation>
    </message>
    <message>
        <source>Receiver sensitivity</source>
        <translation>受信感度</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>%1dBm</source>
        <translation>%1dBm</translation>
    </message>
    <message>
        <source>%1ch</source>
        <translation>%1ch</translation>
    </message>
    <message>
        <source>Not link</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>Adhoc Link</source>
        <translation>アドホック接続</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>SDカード</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>空き容量</translation>
    </message>
    <message>
        <source>Tovu Use</source>
        <translation>Tovu使用量</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>ファイル形式</translation>
    </message>
    <message>
        <source>SD card format</source>
        <translation>SDカードフォーマット</translation>
    </message>
    <message>
        <source>Initialize settings</source>
        <translation>設定の初期化</translation>
    </message>
    <message>
        <source>Reset Tovu</source>
        <translation>Tovuリセット</translation>
    </message>
    <message>
        <source>All data delete on SD card</source>
        <translation>SDカードのデータをすべて削除します。</translation>
    </message>
    <message>
        <source>Initialize all settings</source>
        <translation>すべての設定を初期化し、工場出荷時の状態に戻します。</translation>
    </message>
    <message>
        <source>Reset Tovu and restart</source>
        <translation>Tovuをリセットして再起動します。</translation>
    </message>
    <message>
        <source>Completed %1</source>
        <translation>%1が完了しました</translation>
    </message>
    <message>
        <source>Battery %1</source>
        <translation>バッテリー %1</translation>
    </message>
    <message>
        <source>SD card: %1 GB free of %2 GB</source>
        <translation>SDカード: %2 GB 中 %1 GB 空き</translation>
    </message>
</context>
<context>
    <name>ClWidgetSecureMode</name>
    <message>
        <source>Current mode</source>
        <translation>現在のモード</translation>
    </message>
    <message>
        <source>Recording status</source>
        <translation>録画状態</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>メンテナンス</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>In order to use the maintenance tools must be in maintenance mode the camera</source>
        <translation>設定ツールを使うには、カメラをメンテナンスモードに切り替えてください。</translation>
    </message>
    <message>
        <source>Change to security mode</source>
        <translation>セキュリティモードに切り替え</translation>
    </message>
    <message>
        <source>Change to maintenance mode</source>
        <translation>メンテナンスモードに切り替え</translation>
    </message>
    <message>
        <source>Running recording</source>
        <translation>録画中</translation>
    </message>
    <message>
        <source>Recording stopped</source>
        <translation>録画停止中</translation>
    </message>
    <message>
        <source>Are you sure you want, but I will stop recording?</source>
        <translation>録画を停止します。よろしいですか？</translation>
    </message>
    <message>
        <source>Mode is changed</source>
        <translation>モードを変更しました</translation>
    </message>
</context>
</TS>
