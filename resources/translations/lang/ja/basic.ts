<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClWidgetBasicSetting</name>
    <message>
        <source>Time settings</source>
        <translation>時刻設定</translation>
    </message>
    <message>
        <source>GPS settings</source>
        <translation>GPS 設定</translation>
    </message>
    <message>
        <source>Wifi settings</source>
        <translation>Wi-Fi 設定</translation>
    </message>
    <message>
        <source>Password 
setting</source>
        <translation>パスワード
設定</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>その他の設定</translation>
    </message>
    <message>
        <source>%1 is applied</source>
        <translation>%1を変更しました。</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>Date time</source>
        <translation>日付と時刻</translation>
    </message>
    <message>
        <source>Synchronize PC</source>
        <translation>PC の時刻に合わせる</translation>
    </message>
    <message>
        <source>Adjust time from GPS info
(If GPS valid, when can use)</source>
        <translation>GPS 情報で時刻を補正する
(GPS が有効で受信できるとき)</translation>
    </message>
    <message>
        <source>Rec timestamp</source>
        <translation>録画タイムスタンプ</translation>
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
        <source>The date does not exist.
Please check the day of the month.</source>
        <translation>存在しない日付です。
日にちを確認してください。</translation>
    </message>
    <message>
        <source>Set valid GPS</source>
        <translation>GPS を有効にする</translation>
    </message>
    <message>
        <source>Set to save GPS log</source>
        <translation>GPS ログの保存</translation>
    </message>
    <message>
        <source>Save logs</source>
        <translation>保存する</translation>
    </message>
    <message>
        <source>Not save logs</source>
        <translation>保存しない</translation>
    </message>
    <message>
        <source>Set the format of GPS log</source>
        <translation>GPS ログの形式</translation>
    </message>
    <message>
        <source>GGA+RMC</source>
        <translation>GGA+RMC</translation>
    </message>
    <message>
        <source>GGA+GLL+GSA+GSV+RMC+VTG+ZDA</source>
        <translation>GGA+GLL+GSA+GSV+RMC+VTG+ZDA</translation>
    </message>
    <message>
        <source>Wi-Fi country</source>
        <translation>Wi-Fi の国・地域</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>United States,Canada,Taiwan</source>
        <translation>アメリカ・カナダ・台湾</translation>
    </message>
    <message>
        <source>EU</source>
        <translation>EU</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Setting auto Wi-Fi off</source>
        <translation>Wi-Fi を自動でオフにする</translation>
    </message>
    <message>
        <source>Wi-Fi off~later</source>
        <translation>分後に Wi-Fi をオフ</translation>
    </message>
    <message>
        <source>Set valid password authorization</source>
        <translation>パスワード認証を有効にする</translation>
    </message>
    <message>
        <source>Now password</source>
        <translation>現在のパスワード</translation>
    </message>
    <message>
        <source>New password</source>
        <translation>新しいパスワード</translation>
    </message>
    <message>
        <source>Check password</source>
        <translation>新しいパスワード (確認)</translation>
    </message>
    <message>
        <source>Show input</source>
        <translation>入力内容を表示する</translation>
    </message>
    <message>
        <source>There are not input value</source>
        <translation>すべての項目を入力してください。</translation>
    </message>
    <message>
        <source>Different now password</source>
        <translation>現在のパスワードが正しくありません。</translation>
    </message>
    <message>
        <source>Not same password new and check</source>
        <translation>新しいパスワードと確認用のパスワードが一致しません。
もう一度入力してください。</translation>
    </message>
    <message>
        <source>Not change password</source>
        <translation>パスワードが変更されていません。</translation>
    </message>
    <message>
        <source>Camera name</source>
        <translation>カメラ名</translation>
    </message>
    <message>
        <source>Enter a camera name of 1 to 8 characters.</source>
        <translation>カメラ名を 1 ～ 8 文字で入力してください。</translation>
    </message>
    <message>
        <source>Security key lock setting</source>
        <translation>キーロック</translation>
    </message>
    <message>
        <source>Set valid security key lock</source>
        <translation>キーロックを有効にする</translation>
    </message>
    <message>
        <source>Do not light led on security</source>
        <translation>セキュリティ中は LED を消灯</translation>
    </message>
    <message>
        <source>Start setting</source>
        <translation>起動設定</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Security mode</source>
        <translation>セキュリティモード</translation>
    </message>
    <message>
        <source>Maintenance mode</source>
        <translation>メンテナンスモード</translation>
    </message>
    <message>
        <source>LED light</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>点灯する</translation>
    </message>
    <message>
        <source>Not light</source>
        <translation>点灯しない</translation>
    </message>
    <message>
        <source>Battery alarm</source>
        <translation>バッテリーアラーム</translation>
    </message>
    <message>
        <source>Alerm when battery power low</source>
        <translation>バッテリー残量が少ないとき知らせる</translation>
    </message>
    <message>
        <source>Auto power off</source>
        <translation>自動電源オフ</translation>
    </message>
    <message>
        <source>Time of auto power off</source>
        <translation>電源オフまでの時間</translation>
    </message>
    <message>
        <source>(0:1:0 - 72:0:0)</source>
        <translation>(0:1:0 ～ 72:0:0)</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>時</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Eniwetok/Kwajalein
GMT-12:00</source>
        <translation>エニウェトク/クェゼリン
GMT-12:00</translation>
    </message>
    <message>
        <source>Midway Island/Samoa
GMT-11:00</source>
        <translation>ミッドウェー島/サモア
GMT-11:00</translation>
    </message>
    <message>
        <source>Hawaii
GMT-10:00</source>
        <translation>ハワイ
GMT-10:00</translation>
    </message>
    <message>
        <source>Alaska
GMT-9:00</source>
        <translation>アラスカ
GMT-9:00</translation>
    </message>
    <message>
        <source>Pacific STD Time
GMT-8:00</source>
        <translation>太平洋標準時
GMT-8:00</translation>
    </message>
    <message>
        <source>Mountain STD Time
GMT-7:00</source>
        <translation>山岳部標準時
GMT-7:00</translation>
    </message>
    <message>
        <source>Central STD Time
GMT-6:00</source>
        <translation>中部標準時
GMT-6:00</translation>
    </message>
    <message>
        <source>Eastern STD Time
GMT-5:00</source>
        <translation>東部標準時
GMT-5:00</translation>
    </message>
    <message>
        <source>Atlantic STD Time
GMT-4:00</source>
        <translation>大西洋標準時
GMT-4:00</translation>
    </message>
    <message>
        <source>Brasilia/Buenos Aires
GMT-3:00</source>
        <translation>ブラジリア/ブエノスアイレス
GMT-3:00</translation>
    </message>
    <message>
        <source>Central Atlantic
GMT-2:00</source>
        <translation>中部大西洋
GMT-2:00</translation>
    </message>
    <message>
        <source>Azores Islands
GMT-1:00</source>
        <translation>アゾレス諸島
GMT-1:00</translation>
    </message>
    <message>
        <source>London/Lisbon
GMT+0:00</source>
        <translation>ロンドン/リスボン
GMT+0:00</translation>
    </message>
    <message>
        <source>Paris/Berlin/Rome
GMT+1:00</source>
        <translation>パリ/ベルリン/ローマ
GMT+1:00</translation>
    </message>
    <message>
        <source>Athens/Cairo/Helsink
GMT+2:00</source>
        <translation>アテネ/カイロ/ヘルシンキ
GMT+2:00</translation>
    </message>
    <message>
        <source>Moscow/Baghdad
GMT+3:00</source>
        <translation>モスクワ/バグダッド
GMT+3:00</translation>
    </message>
    <message>
        <source>Abu Dhabi
GMT+4:00</source>
        <translation>アブダビ
GMT+4:00</translation>
    </message>
    <message>
        <source>Islamabad/Karachi
GMT+5:00</source>
        <translation>イスラマバード/カラチ
GMT+5:00</translation>
    </message>
    <message>
        <source>Dhaka/Novosibirsk
GMT+6:00</source>
        <translation>ダッカ/ノボシビルスク
GMT+6:00</translation>
    </message>
    <message>
        <source>Bangkok/Hanoi
GMT+7:00</source>
        <translation>バンコク/ハノイ
GMT+7:00</translation>
    </message>
    <message>
        <source>Beijing/Singapore
GMT+8:00</source>
        <translation>北京/シンガポール
GMT+8:00</translation>
    </message>
    <message>
        <source>Tokyo/Seoul/Yakutsk
GMT+9:00</source>
        <translation>東京/ソウル/ヤクーツク
GMT+9:00</translation>
    </message>
    <message>
        <source>Melbourne/Vladivostok
GMT+10:00</source>
        <translation>メルボルン/ウラジオストク
GMT+10:00</translation>
    </message>
    <message>
        <source>New Caledonia
GMT+11:00</source>
        <translation>ニューカレドニア
GMT+11:00</translation>
    </message>
    <message>
        <source>Auckland/Fiji
GMT+12:00</source>
        <translation>オークランド/フィジー
GMT+12:00</translation>
    </message>
</context>
</TS>
