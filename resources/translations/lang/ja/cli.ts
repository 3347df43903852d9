<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>ClCameraDiscovery</name>
    <message>
        <source>%1: this user may not use the camera (is the udev rule installed?)</source>
        <translation>%1: このユーザーはカメラを使用できません（udev ルールはインストールされていますか？）</translation>
    </message>
    <message>
        <source>%1: another program holds the camera</source>
        <translation>%1: 別のプログラムがカメラを使用中です</translation>
    </message>
</context>
<context>
    <name>ClCliCommands</name>
    <message>
        <source>%1: %2 failed: %3</source>
        <translation>%1: %2 に失敗しました: %3</translation>
    </message>
    <message>
        <source>The %1 camera %2 with firmware %3 does not have: %4. Nothing was changed.</source>
        <translation>ファームウェア %3 の %1 カメラ %2 には次の設定がありません: %4。何も変更していません。</translation>
    </message>
    <message>
        <source>%1: the camera went away; nothing was changed.</source>
        <translation>%1: カメラが取り外されました。何も変更していません。</translation>
    </message>
    <message>
        <source>%1: the camera went away; no profile was written.</source>
        <translation>%1: カメラが取り外されました。プロファイルは書き出していません。</translation>
    </message>
    <message>
        <source>Saved the settings of %1 to %2 (%3 settings).</source>
        <translation>%1 の設定を %2 に保存しました（%3 項目）。</translation>
    </message>
    <message>
        <source>%1: the camera went away while the profile was applied.</source>
        <translation>%1: プロファイルの適用中にカメラが取り外されました。</translation>
    </message>
    <message>
        <source>  written: %1</source>
        <translation>  書き込み済み: %1</translation>
    </message>
    <message>
        <source>  not written: %1</source>
        <translation>  未書き込み: %1</translation>
    </message>
</context>
<context>
    <name>ClCliOptions</name>
    <message>
        <source>List every attached camera: serial number, model, firmware version and bus position, one line each.</source>
        <translation>接続されているすべてのカメラを 1 行ずつ表示します: シリアル番号、機種、ファームウェアバージョン、バス上の位置。</translation>
    </message>
    <message>
        <source>Print the named settings of the camera (every setting when no name is given): name, value and unit. A setting the camera's model or firmware lacks is listed as unsupported and never asked.</source>
        <translation>カメラの指定した設定（名前を省略するとすべての設定）を名前・値・単位で表示します。カメラの機種またはファームウェアにない設定は unsupported と表示し、問い合わせません。</translation>
    </message>
    <message>
        <source>Change settings. Every value is checked before anything is sent; the settings are written in a safe order (the network last) and read back.</source>
        <translation>設定を変更します。送信の前にすべての値を検査し、安全な順序（ネットワークは最後）で書き込んでから読み戻します。</translation>
    </message>
    <message>
        <source>Write every readable setting of the camera into a profile (JSON). Secrets are left out unless --include-secrets is given.</source>
        <translation>カメラの読み取れるすべての設定をプロファイル（JSON）に書き出します。--include-secrets を指定しない限り、パスワードとキーは含めません。</translation>
    </message>
    <message>
        <source>Show what the profile would change (setting: camera's value -&gt; profile's value), then write only the differences and read them back. Settings the camera lacks are listed and skipped.</source>
        <translation>プロファイルで変わる内容（設定: カメラの値 -&gt; プロファイルの値）を表示し、差分だけを書き込んで読み戻します。カメラにない設定は表示してスキップします。</translation>
    </message>
    <message>
        <source>Use the camera with this serial number when several are attached.</source>
        <translation>複数のカメラが接続されているとき、このシリアル番号のカメラを使います。</translation>
    </message>
    <message>
        <source>With --apply-profile: apply the profile to every attached camera in turn.</source>
        <translation>--apply-profile と共に: 接続されているすべてのカメラに順にプロファイルを適用します。</translation>
    </message>
    <message>
        <source>With --apply-profile: show what would change and write nothing.</source>
        <translation>--apply-profile と共に: 変わる内容を表示するだけで、何も書き込みません。</translation>
    </message>
    <message>
        <source>With --save-profile: write passwords and network keys too.</source>
        <translation>--save-profile と共に: パスワードとネットワークキーも書き出します。</translation>
    </message>
    <message>
        <source>Print passwords and network keys instead of "(secret)".</source>
        <translation>パスワードとネットワークキーを "(secret)" の代わりに表示します。</translation>
    </message>
    <message>
        <source>With --list or --get: print JSON.</source>
        <translation>--list または --get と共に: JSON で出力します。</translation>
    </message>
    <message>
        <source>Use a virtual USB bus with an emulated camera instead of the real one; MODEL is tovu (the default) or tovu-s. Repeat it for several cameras.</source>
        <translation>実際の USB バスの代わりに、エミュレートしたカメラのある仮想 USB バスを使います。MODEL は tovu（既定）または tovu-s です。複数のカメラには繰り返し指定します。</translation>
    </message>
    <message>
        <source>Plug N emulated Tovu cameras into the virtual bus, besides those of --virtual-camera.</source>
        <translation>--virtual-camera の分に加えて、エミュレートした Tovu カメラを N 台仮想バスに接続します。</translation>
    </message>
    <message>
        <source>Show the options and every setting with its type and range.</source>
        <translation>オプションと、すべての設定の型と範囲を表示します。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>バージョンを表示します。</translation>
    </message>
    <message>
        <source>Usage: tovu-settings COMMAND [OPTIONS]</source>
        <translation>使い方: tovu-settings コマンド [オプション]</translation>
    </message>
    <message>
        <source>Reads and changes the settings of Tovu cameras connected by USB, without a window.</source>
        <translation>USB で接続した Tovu カメラの設定を、ウィンドウなしで読み取り・変更します。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Settings:</source>
        <translation>設定:</translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation>終了ステータス:</translation>
    </message>
    <message>
        <source>  0  success
  1  a camera or setting failure: no camera, a camera that failed or went, a value that did not stick, the window holding the cameras
  2  bad usage: nothing was sent because the options, a value or a profile are wrong, or several cameras are attached and none was chosen
</source>
        <translation>  0  成功
  1  カメラまたは設定の失敗: カメラがない、カメラが失敗したか取り外された、値が反映されなかった、ウィンドウがカメラを使用中
  2  使い方の誤り: オプション、値、プロファイルのいずれかが正しくないか、複数のカメラが接続されていて選ばれていないため、何も送信していません
</translation>
    </message>
    <message>
        <source>Give one of --list, --get, --set, --save-profile or --apply-profile.</source>
        <translation>--list、--get、--set、--save-profile、--apply-profile のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>Give only one command, not %1.</source>
        <translation>コマンドは 1 つだけ指定してください（指定: %1）。</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>想定外の引数です: %1</translation>
    </message>
    <message>
        <source>--set needs at least one NAME=VALUE.</source>
        <translation>--set には少なくとも 1 つの 名前=値 が必要です。</translation>
    </message>
    <message>
        <source>--all and --dry-run go with --apply-profile only.</source>
        <translation>--all と --dry-run は --apply-profile と共にだけ使えます。</translation>
    </message>
    <message>
        <source>--include-secrets goes with --save-profile only.</source>
        <translation>--include-secrets は --save-profile と共にだけ使えます。</translation>
    </message>
    <message>
        <source>--json goes with --list or --get only.</source>
        <translation>--json は --list または --get と共にだけ使えます。</translation>
    </message>
    <message>
        <source>Give either --all or --camera, not both.</source>
        <translation>--all と --camera は同時に指定できません。</translation>
    </message>
    <message>
        <source>Unknown camera model "%1" for --virtual-camera: use tovu or tovu-s.</source>
        <translation>--virtual-camera のカメラ機種 "%1" は不明です。tovu または tovu-s を指定してください。</translation>
    </message>
    <message>
        <source>--virtual-cameras takes a number from 1 to %1.</source>
        <translation>--virtual-cameras には 1 から %1 までの数を指定してください。</translation>
    </message>
    <message>
        <source>At most %1 virtual cameras.</source>
        <translation>仮想カメラは最大 %1 台です。</translation>
    </message>
</context>
<context>
    <name>ClCliRunner</name>
    <message>
        <source>Try --help for the options.</source>
        <translation>オプションは --help で確認できます。</translation>
    </message>
    <message>
        <source>"%1" is not NAME=VALUE.</source>
        <translation>"%1" は 名前=値 の形式ではありません。</translation>
    </message>
    <message>
        <source>%1: no such setting.</source>
        <translation>%1: そのような設定はありません。</translation>
    </message>
    <message>
        <source>%1: given twice.</source>
        <translation>%1: 2 回指定されています。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing was sent.</source>
        <translation>何も送信していません。</translation>
    </message>
    <message>
        <source>The camera at %1 did not say which model it is; it is left alone.</source>
        <translation>%1 のカメラは機種を返さなかったため、使用しません。</translation>
    </message>
    <message>
        <source>No camera found.</source>
        <translation>カメラが見つかりません。</translation>
    </message>
    <message>
        <source>No attached camera has the serial number %1. Attached:</source>
        <translation>シリアル番号 %1 のカメラは接続されていません。接続中のカメラ:</translation>
    </message>
    <message>
        <source>Several cameras are attached; choose one with --camera SERIAL:</source>
        <translation>複数のカメラが接続されています。--camera シリアル番号 で 1 台を選んでください:</translation>
    </message>
    <message>
        <source>The profile %1 was refused; nothing was sent.</source>
        <translation>プロファイル %1 は受け付けられませんでした。何も送信していません。</translation>
    </message>
    <message>
        <source>The %1 window is running and uses the cameras. Close it and try again.</source>
        <translation>%1 のウィンドウが起動していてカメラを使用中です。ウィンドウを閉じてからやり直してください。</translation>
    </message>
    <message>
        <source>The USB bus cannot be read.</source>
        <translation>USB バスを読み取れません。</translation>
    </message>
</context>
</TS>
