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
    <message>
        <source>The firmware is being written into the camera. This cannot be cancelled:
do not unplug the camera or switch it off until it turns itself off.</source>
        <translation>カメラにファームウェアを書き込んでいます。この操作は取り消せません。
カメラの電源が自動で切れるまで、ケーブルを抜いたり電源を切ったりしないでください。</translation>
    </message>
    <message>
        <source>now Writing</source>
        <translation>書き込み中</translation>
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
    <message>
        <source>The camera was disconnected while the firmware was being written.
Connect it again and start the update again from the help page; if the camera does not start, consult your dealer.</source>
        <translation>ファームウェアの書き込み中にカメラが取り外されました。
もう一度接続し、ヘルプページからアップデートをやり直してください。カメラが起動しない場合は、販売店にお問い合わせください。</translation>
    </message>
    <message>
        <source>The camera was disconnected before the firmware was written. Nothing was written into it.</source>
        <translation>ファームウェアを書き込む前にカメラが取り外されました。カメラには何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The camera&apos;s battery and recording state could not be read, so the firmware was not written.
Check the cable and start the update again.</source>
        <translation>カメラのバッテリーと録画の状態を読み取れなかったため、ファームウェアを書き込んでいません。
ケーブルを確認し、アップデートをやり直してください。</translation>
    </message>
    <message>
        <source>The camera&apos;s battery is at %1%, too low to write the firmware safely. Nothing was written.
Charge the camera to at least %2%, or keep it charging, and start the update again.</source>
        <translation>カメラのバッテリー残量が %1% で、ファームウェアを安全に書き込むには足りません。何も書き込んでいません。
%2% 以上まで充電するか、充電しながら、アップデートをやり直してください。</translation>
    </message>
    <message>
        <source>The camera is recording, so the firmware was not written. Nothing was written.
Stop the recording and start the update again.</source>
        <translation>カメラが録画中のため、ファームウェアを書き込んでいません。何も書き込んでいません。
録画を止めてから、アップデートをやり直してください。</translation>
    </message>
    <message>
        <source>Keep the camera connected, switch it off and on, and start the update again from the help page. If the camera does not start, consult your dealer.</source>
        <translation>カメラを接続したまま電源を入れ直し、ヘルプページからアップデートをやり直してください。カメラが起動しない場合は、販売店にお問い合わせください。</translation>
    </message>
</context>
</TS>
