<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>Failed to obtain update files. Check the network settings on your computer.
</source>
        <translation>アップデートファイルを取得できませんでした。パソコンのネットワーク設定を確認してください。
</translation>
    </message>
    <message>
        <source>Failed to read update files.
 If this error continues to occur, consult your dealer.</source>
        <translation>アップデートファイルを読み込めませんでした。
このエラーが続く場合は、販売店にお問い合わせください。</translation>
    </message>
    <message>
        <source>Faield to update.</source>
        <translation>アップデートに失敗しました。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB.</source>
        <translation>ファイルが %1 MiB を超えています。</translation>
    </message>
    <message>
        <source>A downloaded file was damaged or altered on the way, so nothing was installed.
Try again later or on another network; if this keeps happening, consult your dealer.</source>
        <translation>ダウンロードしたファイルが途中で壊れたか書き換えられたため、何もインストールしていません。
時間をおいて、または別のネットワークでもう一度お試しください。繰り返し起こる場合は、販売店にお問い合わせください。</translation>
    </message>
    <message>
        <source>The download did not finish in time: after %1 seconds it was still arriving. The connection is too slow, or the server stopped sending properly. Nothing was installed.</source>
        <translation>ダウンロードが時間内に終わりませんでした。%1 秒たってもまだ受信中でした。接続が遅すぎるか、サーバーが正しく送信していません。何もインストールしていません。</translation>
    </message>
</context>
<context>
    <name>ClProgressDialog</name>
    <message>
        <source>Parvik Update service program</source>
        <translation>Parvik アップデートサービス</translation>
    </message>
    <message>
        <source>now Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <source>now Installing</source>
        <translation>インストール中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Arial</source>
        <translation>Arial</translation>
    </message>
    <message>
        <source>Do you want to quit will not be updated?</source>
        <translation>中止しますか？アップデートは行われません。</translation>
    </message>
</context>
<context>
    <name>ClTovuDownload</name>
    <message>
        <source>Firmware update failed</source>
        <translation>ファームウェアのアップデートに失敗しました</translation>
    </message>
    <message>
        <source>Firmware update success</source>
        <translation>アップデート中です…
Tovu の電源が切れるまでお待ちください。</translation>
    </message>
    <message>
        <source>There are new %1.
Version up?</source>
        <translation>新しい%1があります。
アップデートしますか？</translation>
    </message>
    <message>
        <source>Your %1 is the latest version.</source>
        <translation>%1は最新版です。</translation>
    </message>
    <message>
        <source>The installer could not be started.
The new version was saved as:
%1</source>
        <translation>インストーラーを起動できませんでした。
新しいバージョンは次の場所に保存されています:
%1</translation>
    </message>
    <message>
        <source>A new firmware is offered, but it cannot be verified as a genuine release of the Tovu,
so nothing was downloaded or written into the camera.
The update server or the network may have been tampered with. Try again later or on another network; if this keeps happening, consult your dealer.</source>
        <translation>新しいファームウェアがありますが、Tovu の正規のリリースであることを確認できないため、
ダウンロードもカメラへの書き込みもしていません。
アップデートサーバーまたはネットワークが改ざんされている可能性があります。時間をおいて、または別のネットワークでもう一度お試しください。繰り返し起こる場合は、販売店にお問い合わせください。</translation>
    </message>
    <message>
        <source>A new version of this tool is offered, but it cannot be verified as a genuine release,
so nothing was downloaded or installed.
The update server or the network may have been tampered with. Get the new version from your dealer, or try again later on another network.</source>
        <translation>このツールの新しいバージョンがありますが、正規のリリースであることを確認できないため、
ダウンロードもインストールもしていません。
アップデートサーバーまたはネットワークが改ざんされている可能性があります。新しいバージョンは販売店から入手するか、時間をおいて別のネットワークでもう一度お試しください。</translation>
    </message>
    <message>
        <source>Install it with your desktop&apos;s software installer, or in a terminal with:
sudo apt install %1</source>
        <translation>デスクトップのソフトウェアインストーラーで開くか、端末で次のコマンドを実行してインストールしてください:
sudo apt install %1</translation>
    </message>
</context>
</TS>
