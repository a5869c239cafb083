<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>EngineFailure</name>
    <message>
        <location filename="../platform/media/EngineFailure.cpp" line="+38"/>
        <source>the stream&apos;s pieces cannot be read (the first is %1)</source>
        <translation>ストリームの断片を読み込めません（最初の断片: %1）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>there is nothing at that address (the server answered %1)</source>
        <translation>そのアドレスには何もありません（サーバーの応答: %1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server would not send it (it answered %1)</source>
        <translation>サーバーが送信を拒否しました（サーバーの応答: %1）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the connection was refused: nothing answers at that address</source>
        <translation>接続が拒否されました。そのアドレスからの応答がありません</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the name %1 could not be found: check the address and the network</source>
        <translation>名前 %1 が見つかりませんでした。アドレスとネットワークを確認してください</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the server did not answer in time</source>
        <translation>サーバーが時間内に応答しませんでした</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing answers at that address</source>
        <translation>そのアドレスからの応答がありません</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no decoder for its codec</source>
        <translation>このコーデックに対応するデコーダーがありません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there is no decoder for its codec (%1)</source>
        <translation>このコーデック（%1）に対応するデコーダーがありません</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no sound device could be opened</source>
        <translation>サウンドデバイスを開けませんでした</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it holds no sound or picture that this player can decode</source>
        <translation>このプレーヤーでデコードできる音声や映像が含まれていません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not in a format that this player reads</source>
        <translation>このプレーヤーで読み込める形式ではありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the address could not be read as media</source>
        <translation>このアドレスをメディアとして読み込めませんでした</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is damaged or cut short</source>
        <translation>ファイルが破損しているか、途中で切れています</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Piece %1 of the stream is missing: playing jumps over it</source>
        <translation>ストリームの断片 %1 がありません。この部分を飛ばして再生します</translation>
    </message>
</context>
<context>
    <name>MainBackground</name>
    <message>
        <location filename="../app/MainBackground.cpp" line="+63"/>
        <source>%1 › %2 to open a file  ·  %1 › %3</source>
        <extracomment>The line along the foot of the main window&apos;s picture: %1 is the File menu, %2 and %3 its Play and Open items, as the menu shows them.</extracomment>
        <translation>%1 › %2 でファイルを開く  ·  %1 › %3</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Audio and video, light and fast</source>
        <extracomment>The line under the program&apos;s name in the main window&apos;s picture.</extracomment>
        <translation>音声も動画も、軽く速く</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../app/Translations.cpp" line="+83"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written from right to left, &quot;LTR&quot; for all others.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../mediaplayer/Screenshot.cpp" line="+56"/>
        <source>the picture could not be drawn</source>
        <translation>画像を描画できませんでした</translation>
    </message>
</context>
<context>
    <name>vyx::CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+30"/>
        <source>not a local file address: %1</source>
        <translation>ローカルファイルのアドレスではありません: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>not a valid address: %1</source>
        <translation>有効なアドレスではありません: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only local files and addresses of streams (http://, rtsp://, rtmp://, mms://, udp://, ...) can be played: %1</source>
        <translation>再生できるのはローカルファイルとストリームのアドレス (http://, rtsp://, rtmp://, mms://, udp://, ...) だけです: %1</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>--video-output must be auto, opengl or software, not &apos;%1&apos;</source>
        <translation>--video-output には auto、opengl、software のいずれかを指定してください (&apos;%1&apos; は指定できません)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--browse needs an address</source>
        <translation>--browse にはアドレスが必要です</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>vyxplayer: %1
Try &apos;vyxplayer --help&apos; for more information.
</source>
        <translation>vyxplayer: %1
詳しくは &apos;vyxplayer --help&apos; を実行してください。
</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Usage: vyxplayer [OPTION]... [FILE]...
Plays FILE (a path, a file:// address, or the address of a stream: http://, https://,
rtsp://, rtmp://, mms://, srt://, udp://, ...) in the main window; several play in turn.

      --separate-window  play FILE in the separate, resizable player window
      --browse ADDRESS   open Vyx Surfer at ADDRESS as well (or --browse=ADDRESS)
      --video-output=OUTPUT  draw pictures with auto (the GPU where there is one),
                         opengl or software
  -h, --help             show this help and exit
  -v, --version          show the version and exit
Qt&apos;s own options (-platform, -style, ...) work as in every Qt program.

With QT_LOGGING_RULES=&quot;vyx.timing.info=true&quot; the moments a user waits for (first
frame, browser address, page loaded) are written to standard error; with
&quot;vyx.media.info=true&quot;, what the player chose for a file.
</source>
        <extracomment>The option names (--separate-window, ADDRESS&apos;s --browse=...), the address schemes, the program&apos;s name and QT_LOGGING_RULES&apos;s values stay as they are; the columns line up.</extracomment>
        <translation>使い方: vyxplayer [OPTION]... [FILE]...
FILE (パス、file:// アドレス、またはストリームのアドレス: http://, https://,
rtsp://, rtmp://, mms://, srt://, udp://, ...) をメインウィンドウで再生します。
複数指定すると順番に再生します。

      --separate-window  FILE をサイズ変更できる別のプレーヤーウィンドウで
                         再生する
      --browse ADDRESS   Vyx Surfer で ADDRESS も開く (--browse=ADDRESS も可)
      --video-output=OUTPUT  映像の描画方法を auto (GPU があれば GPU を使う)、
                         opengl、software から選ぶ
  -h, --help             このヘルプを表示して終了する
  -v, --version          バージョンを表示して終了する
Qt 共通のオプション (-platform、-style など) も通常どおり使えます。

QT_LOGGING_RULES=&quot;vyx.timing.info=true&quot; を指定すると、ユーザーが待たされる
時点 (最初のフレーム、ブラウザーのアドレス、ページの読み込み完了) が標準エラー
出力に書き出されます。&quot;vyx.media.info=true&quot; では、プレーヤーがファイルに
ついて選んだ内容が書き出されます。
</translation>
    </message>
</context>
<context>
    <name>vyx::ControlBar</name>
    <message>
        <location filename="../mediaplayer/ControlBar.cpp" line="+42"/>
        <location line="+105"/>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+64"/>
        <source>Back 10 seconds</source>
        <translation>10 秒戻る</translation>
    </message>
    <message>
        <location line="-63"/>
        <location line="+64"/>
        <source>Forward 10 seconds</source>
        <translation>10 秒進む</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+169"/>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>Position</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>live</source>
        <translation>ライブ</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, live</source>
        <translation>%1、ライブ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unmute</source>
        <translation>ミュート解除</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>volume %1 percent</source>
        <translation>音量 %1 パーセント</translation>
    </message>
</context>
<context>
    <name>vyx::DownloadProgress</name>
    <message>
        <location filename="../platform/web/webengine/DownloadProgress.cpp" line="+13"/>
        <source>Downloading %1</source>
        <translation>%1 をダウンロード中</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>disk full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not allowed to write there</source>
        <translation>その場所への書き込みは許可されていません</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The download of %1 failed: %2</source>
        <translation>%1 のダウンロードに失敗しました: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The download of %1 was cancelled.</source>
        <translation>%1 のダウンロードはキャンセルされました。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>vyx::EqualizerDialog</name>
    <message>
        <location filename="../mediaplayer/EqualizerDialog.cpp" line="+20"/>
        <source>%1 kHz</source>
        <translation>%1 kHz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Flat</source>
        <translation>フラット</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classical</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pop</source>
        <translation>ポップ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock</source>
        <translation>ロック</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speech</source>
        <translation>スピーチ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bass Boost</source>
        <translation>低音強調</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Equalizer</source>
        <translation>イコライザー</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preset:</source>
        <translation>プリセット(&amp;P):</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your Own</source>
        <translation>ユーザー設定</translation>
    </message>
</context>
<context>
    <name>vyx::ErrorTrap</name>
    <message>
        <location filename="../platform/dialogs/ErrorTrap.cpp" line="+83"/>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>実行時エラー &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>vyx::MediaPlayer</name>
    <message>
        <location filename="../mediaplayer/MediaPlayer.cpp" line="+36"/>
        <source>Player</source>
        <translation>プレーヤー</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>Equalizer: %1</source>
        <translation>イコライザー: %1</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PictureCommands.cpp" line="+26"/>
        <source>Shape 4:3</source>
        <translation>アスペクト比 4:3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 16:9</source>
        <translation>アスペクト比 16:9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 1.85:1</source>
        <translation>アスペクト比 1.85:1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 2.35:1</source>
        <translation>アスペクト比 2.35:1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shape as the file says</source>
        <translation>アスペクト比: ファイルの指定どおり</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Deinterlacing on</source>
        <translation>インターレース解除: オン</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deinterlacing off</source>
        <translation>インターレース解除: オフ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deinterlacing where the picture is interlaced</source>
        <translation>インターレース解除: インターレース映像のみ</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Brightness %1</source>
        <translation>明るさ %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamma %1</source>
        <translation>ガンマ %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation %1</source>
        <translation>彩度 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hue %1</source>
        <translation>色相 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Contrast %1</source>
        <translation>コントラスト %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Zoom %1%</source>
        <translation>ズーム %1%</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Turned %1°</source>
        <translation>回転 %1°</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Picture as the file has it</source>
        <translation>映像を元の状態に戻しました</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Loudness evened out</source>
        <translation>音量の均一化: オン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loudness as recorded</source>
        <translation>音量の均一化: オフ</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sound to %1</source>
        <translation>音声出力: %1</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayerCommand.cpp" line="+37"/>
        <source>Audio: %1</source>
        <translation>音声: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subtitles: %1</source>
        <translation>字幕: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Subtitles off</source>
        <translation>字幕: オフ</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Repeat this entry</source>
        <translation>この項目をリピート</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Repeat the whole list</source>
        <translation>リスト全体をリピート</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat off</source>
        <translation>リピート: オフ</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speed %1x</source>
        <translation>再生速度 %1x</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Volume %1%</source>
        <translation>音量 %1%</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mute</source>
        <translation>ミュート</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound on</source>
        <translation>ミュート解除</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Shuffle on</source>
        <translation>シャッフル: オン</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shuffle off</source>
        <translation>シャッフル: オフ</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayerMenu.cpp" line="+50"/>
        <source>A&amp;udio</source>
        <translation>音声(&amp;U)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Su&amp;btitles</source>
        <translation>字幕(&amp;B)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Load subtitles...</source>
        <translation>字幕を読み込む(&amp;L)...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;hapters</source>
        <translation>チャプター(&amp;H)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chapter %1</source>
        <translation>チャプター %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Next Chapter</source>
        <translation>次のチャプター</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous Chapter</source>
        <translation>前のチャプター</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frame &amp;Forward</source>
        <translation>1 フレーム進む(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frame Bac&amp;k</source>
        <translation>1 フレーム戻る(&amp;K)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A-B &amp;Loop</source>
        <translation>A-B リピート(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screensho&amp;t</source>
        <translation>スクリーンショット(&amp;T)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Repeat</source>
        <translation>リピート(&amp;R)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Off</source>
        <translation>オフ(&amp;O)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This &amp;Entry</source>
        <translation>この項目(&amp;E)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Whole &amp;List</source>
        <translation>リスト全体(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shuffl&amp;e</source>
        <translation>シャッフル(&amp;E)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show L&amp;ist</source>
        <translation>リストを表示(&amp;I)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dela&amp;ys</source>
        <translation>遅延(&amp;Y)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitles Earlier</source>
        <translation>字幕を早める</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subtitles Later</source>
        <translation>字幕を遅らせる</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound Earlier</source>
        <translation>音声を早める</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound Later</source>
        <translation>音声を遅らせる</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Reset Delays</source>
        <translation>遅延をリセット(&amp;R)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>S&amp;peed</source>
        <translation>再生速度(&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pi&amp;cture</source>
        <translation>映像(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn &amp;Right</source>
        <translation>右に回転(&amp;R)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn &amp;Left</source>
        <translation>左に回転(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Shape</source>
        <translation>アスペクト比(&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>As the &amp;File Says</source>
        <translation>ファイルの指定どおり(&amp;F)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom Rese&amp;t</source>
        <translation>ズームをリセット(&amp;T)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Deinterlace</source>
        <translation>インターレース解除(&amp;D)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Where Interlaced</source>
        <translation>インターレース映像のみ(&amp;W)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Always</source>
        <translation>常に行う(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Never</source>
        <translation>行わない(&amp;N)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Less Contrast</source>
        <translation>コントラストを下げる</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Contrast</source>
        <translation>コントラストを上げる</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darker</source>
        <translation>暗くする</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Brighter</source>
        <translation>明るくする</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Less Gamma</source>
        <translation>ガンマを下げる</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Gamma</source>
        <translation>ガンマを上げる</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Less Saturation</source>
        <translation>彩度を下げる</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Saturation</source>
        <translation>彩度を上げる</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hue Back</source>
        <translation>色相を戻す</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hue Forward</source>
        <translation>色相を進める</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reset &amp;Picture</source>
        <translation>映像をリセット(&amp;P)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>S&amp;ound</source>
        <translation>サウンド(&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Even Out Loudness</source>
        <translation>音量を均一化(&amp;E)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;qualizer...</source>
        <translation>イコライザー(&amp;Q)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Output &amp;Device</source>
        <translation>出力デバイス(&amp;D)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The Desktop&apos;s Default</source>
        <translation>デスクトップの既定</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>(none listed)</source>
        <translation>（デバイスがありません）</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pl&amp;ay</source>
        <translation>再生(&amp;A)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>P&amp;ause</source>
        <translation>一時停止(&amp;A)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pre&amp;vious</source>
        <translation>前へ(&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation>ミュート(&amp;M)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Display Size</source>
        <translation>表示サイズ(&amp;D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Original Size</source>
        <translation>元のサイズ(&amp;O)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fit to Player</source>
        <translation>プレーヤーに合わせる(&amp;F)</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayFileCommand.cpp" line="+29"/>
        <source>Select A Media File To Play</source>
        <translation>再生するメディアファイルを選択</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Load Subtitles</source>
        <translation>字幕を読み込む</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Subtitles (*.srt *.ass *.ssa *.vtt *.sub)</source>
        <extracomment>The filters&apos; names; the patterns in brackets stay as they are.</extracomment>
        <translation>字幕 (*.srt *.ass *.ssa *.vtt *.sub)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <location filename="../platform/media/MediaProbe.cpp" line="+103"/>
        <source>(no file name)</source>
        <translation>（ファイル名なし）</translation>
    </message>
    <message>
        <location filename="../platform/media/MediaTracks.cpp" line="+24"/>
        <source>Track %1</source>
        <translation>トラック %1</translation>
    </message>
</context>
<context>
    <name>vyx::MprisPlayerAdaptor</name>
    <message>
        <location filename="../mpris/MprisAdaptors.cpp" line="+258"/>
        <source>only file addresses and those of streams play (%1)</source>
        <translation>再生できるのはファイルとストリームのアドレスだけです (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a valid address: %1</source>
        <translation>有効なアドレスではありません: %1</translation>
    </message>
</context>
<context>
    <name>vyx::MpvSession</name>
    <message>
        <location filename="../platform/media/MpvSession.cpp" line="+56"/>
        <source>nothing after its start can be played</source>
        <translation>冒頭より後の部分を再生できません</translation>
    </message>
</context>
<context>
    <name>vyx::PageDialogs</name>
    <message>
        <location filename="../platform/web/webengine/PageDialogs.cpp" line="+23"/>
        <source>The page says</source>
        <translation>ページからのメッセージ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The page at %1 says</source>
        <translation>%1 のページからのメッセージ</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Don&apos;t let this page show more dialogs</source>
        <translation>このページでこれ以上ダイアログを表示しない</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Vyx Surfer</source>
        <translation>Vyx Surfer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is audio or video.
Play it in the media player, or save it?</source>
        <translation>%1 は音声または動画です。
メディアプレーヤーで再生しますか? それとも保存しますか?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Play</source>
        <translation>再生(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>vyx::Playback</name>
    <message>
        <location filename="../mediaplayer/Playback.cpp" line="+113"/>
        <source>the stream ended before any of it could be played</source>
        <translation>再生を始める前にストリームが終了しました</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Cannot play %1:
%2</source>
        <translation>%1 を再生できません:
%2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The screenshot could not be saved: %1 cannot be made</source>
        <translation>スクリーンショットを保存できませんでした: %1 を作成できません</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Screenshot saved to %1</source>
        <translation>スクリーンショットを %1 に保存しました</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The screenshot could not be saved: %1</source>
        <translation>スクリーンショットを保存できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerDelays</name>
    <message>
        <location filename="../mediaplayer/PlayerDelays.cpp" line="+40"/>
        <source>Sound and subtitles in step</source>
        <translation>音声と字幕の遅延: なし</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1%2 s</source>
        <translation>%1%2 秒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound delay: %1</source>
        <translation>音声の遅延: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitle delay: %1</source>
        <translation>字幕の遅延: %1</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerListView</name>
    <message>
        <location filename="../mediaplayer/PlayerListView.cpp" line="+11"/>
        <source>Playlist</source>
        <translation>プレイリスト</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>playing</source>
        <translation>再生中</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerMarks</name>
    <message>
        <location filename="../mediaplayer/PlayerMarks.cpp" line="+33"/>
        <source>Chapter %1 of %2</source>
        <translation>チャプター %1 / %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Loop from %1</source>
        <translation>A-B リピート: %1 から</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Loop from %1 to %2</source>
        <translation>A-B リピート: %1 から %2 まで</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loop off</source>
        <translation>A-B リピート: オフ</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerScreen</name>
    <message>
        <location filename="../mediaplayer/PlayerScreen.cpp" line="+28"/>
        <source>No picture: the media engine cannot draw here.</source>
        <translation>映像を表示できません: メディアエンジンがここに描画できません。</translation>
    </message>
</context>
<context>
    <name>vyx::RuntimeError</name>
    <message>
        <location filename="../platform/errors/RuntimeError.cpp" line="+18"/>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal error</source>
        <translation>内部エラーです</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bad file name or number</source>
        <translation>ファイル名または番号が不正です</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path/File access error</source>
        <translation>パス/ファイルのアクセスエラーです</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid file format</source>
        <translation>ファイル形式が不正です</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address cannot be opened</source>
        <translation>このアドレスを開けません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no earlier page to go back to</source>
        <translation>戻るページがありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no later page to go forward to</source>
        <translation>進むページがありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The web engine could not be loaded</source>
        <translation>Web エンジンを読み込めませんでした</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The media engine could not be started</source>
        <translation>メディアエンジンを起動できませんでした</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The list names nothing that can be played</source>
        <translation>リストに再生できる項目がありません</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel was selected.</source>
        <translation>キャンセルが選択されました。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Application-defined or object-defined error</source>
        <translation>アプリケーション定義またはオブジェクト定義のエラーです</translation>
    </message>
</context>
<context>
    <name>vyx::ScreenSaverHold</name>
    <message>
        <location filename="../platform/desktop/ScreenSaverHold.cpp" line="+65"/>
        <source>Playing a video</source>
        <translation>動画を再生中</translation>
    </message>
</context>
<context>
    <name>vyx::WebBrowser</name>
    <message>
        <location filename="../platform/web/WebBrowser.cpp" line="+51"/>
        <source>(empty address)</source>
        <translation>（空のアドレス）</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (the browser does not open %2: addresses)</source>
        <extracomment>%2 is the address&apos;s scheme, as &quot;ftp&quot; in &quot;ftp://...&quot;</extracomment>
        <translation>%1（このブラウザーでは %2: のアドレスを開けません）</translation>
    </message>
</context>
<context>
    <name>vyx::WebEngineBrowser</name>
    <message>
        <location filename="../platform/web/webengine/WebEngineBrowser.cpp" line="+97"/>
        <source>Save Download As</source>
        <translation>名前を付けてダウンロードを保存</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>not allowed to write there</source>
        <translation>その場所への書き込みは許可されていません</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;The page stopped working&lt;/title&gt;&lt;/head&gt;&lt;body style=&apos;font-family:sans-serif;margin:3em&apos;&gt;&lt;h2&gt;The page stopped working&lt;/h2&gt;&lt;p&gt;&lt;a href=&apos;%1&apos;&gt;Reload %2&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;ページが動作を停止しました&lt;/title&gt;&lt;/head&gt;&lt;body style=&apos;font-family:sans-serif;margin:3em&apos;&gt;&lt;h2&gt;ページが動作を停止しました&lt;/h2&gt;&lt;p&gt;&lt;a href=&apos;%1&apos;&gt;%2 を再読み込み&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>vyx::frmAbout</name>
    <message>
        <location filename="../about/frmAbout.cpp" line="+82"/>
        <source>Quorvane light weight audio and video player. For more information on other products by Quorvane, visit %1.</source>
        <extracomment>%1 is the publisher&apos;s web site; Quorvane is the publisher&apos;s name.</extracomment>
        <translation>Quorvane の軽量オーディオ/ビデオプレーヤーです。Quorvane の他の製品について詳しくは、%1 をご覧ください。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you need an innovative database application for building and managing custom databases, try Tessaline Professional Database. Tessaline Pro is simple and intuitive to use, so you can start on your first database within minutes of installing it. It is also powerful: Tessaline Pro hides the complexity of building and managing a database behind clear menus and dialogs. That leaves you free to concentrate on the design of your database instead of the details of its storage. Tessaline Pro is fully customisable, so every database can look and work exactly the way you want it to. For each table it designs a form of its own, ready to use from the moment the table is created. On that form you set the location, size, colour and font of each column with just a few clicks. Download the free trial of Tessaline Pro today, and see for yourself how easy building databases is. 30-day trial version size 12.1MB</source>
        <extracomment>Tessaline Professional Database and Tessaline Pro are product names; the size is written as the language writes such sizes.</extracomment>
        <translation>独自のデータベースを構築・管理できる革新的なデータベースアプリケーションをお探しなら、Tessaline Professional Database をお試しください。Tessaline Pro はシンプルで直感的に使えるので、インストールして数分後には最初のデータベースづくりに取りかかれます。しかも高機能です。Tessaline Pro は、データベースの構築と管理の複雑な部分を、わかりやすいメニューとダイアログの裏に隠します。そのため、データの保存方法の細部に煩わされることなく、データベースの設計に集中できます。Tessaline Pro は自由にカスタマイズできるので、どのデータベースも思いどおりの見た目と動作にできます。テーブルごとに専用のフォームが用意され、テーブルを作成したその瞬間から使えます。そのフォーム上で、各列の位置、サイズ、色、フォントをほんの数回のクリックで設定できます。今すぐ Tessaline Pro の無料試用版をダウンロードして、データベースの構築がいかに簡単かをお確かめください。30 日間試用版 サイズ 12.1 MB</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Version %1.%2.%3</source>
        <translation>バージョン %1.%2.%3</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;System Info...</source>
        <translation>システム情報(&amp;S)...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copyright © Quorvane. All rights reserved.</source>
        <translation>Copyright © Quorvane. 無断複写・転載を禁じます。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Download 30-day trial [12.1MB]</source>
        <translation>30 日間試用版をダウンロード [12.1 MB]</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name, Vyx Player.</extracomment>
        <translation>%1 について</translation>
    </message>
    <message>
        <location filename="../about/SysInfo.cpp" line="+53"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>現在、システム情報を利用できません</translation>
    </message>
</context>
<context>
    <name>vyx::frmBrowser</name>
    <message>
        <location filename="../browser/BrowserLogic.cpp" line="+28"/>
        <source>Working...</source>
        <translation>処理中...</translation>
    </message>
    <message>
        <location filename="../browser/BrowserToolBar.cpp" line="+25"/>
        <source>Backward</source>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>中止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browse Offline</source>
        <translation>オフラインページを参照</translation>
    </message>
    <message>
        <location filename="../browser/frmBrowser.cpp" line="+90"/>
        <location line="+1"/>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close Vyx Surfer</source>
        <translation>Vyx Surfer を閉じる(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Refresh</source>
        <translation>再読み込み(&amp;R)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Home</source>
        <translation>ホーム(&amp;H)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Previous</source>
        <translation>前のページ(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next</source>
        <translation>次のページ(&amp;N)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>Vyx Player について(&amp;A)...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Online</source>
        <translation>オンライン(&amp;O)</translation>
    </message>
    <message>
        <location line="+168"/>
        <source>Browse for offline web pages</source>
        <translation>オフラインの Web ページを参照</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WebPages</source>
        <extracomment>The filters&apos; names; the patterns after them stay as they are.</extracomment>
        <translation>Web ページ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
</context>
<context>
    <name>vyx::frmMediaPlayer</name>
    <message>
        <location filename="../player/frmMediaPlayer.cpp" line="+46"/>
        <source>All Media Files</source>
        <extracomment>The filters&apos; names; the patterns after them stay as they are.</extracomment>
        <translation>すべてのメディアファイル</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Media Player</source>
        <translation>メディアプレーヤー</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close MediaPlayer</source>
        <translation>メディアプレーヤーを閉じる(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Online</source>
        <translation>オンライン(&amp;O)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>Vyx Player について(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>vyx::frmVyx</name>
    <message>
        <location filename="../app/frmVyx.cpp" line="+86"/>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+14"/>
        <source>&amp;Open in separate window...</source>
        <translation>別ウィンドウで開く(&amp;O)...</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+17"/>
        <source>&amp;Play...</source>
        <translation>再生(&amp;P)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Online</source>
        <translation>オンライン(&amp;O)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>Vyx Player について(&amp;A)...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Files</source>
        <extracomment>The filter&apos;s name; the pattern after it stays as it is.</extracomment>
        <translation>すべてのファイル</translation>
    </message>
</context>
<context>
    <name>vyx::links</name>
    <message>
        <location filename="../links/LinkCatalogue.cpp" line="+68"/>
        <location line="+85"/>
        <source>&amp;Free Downloads Page</source>
        <translation>無料ダウンロードページ(&amp;F)</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>&amp;Trial Downloads</source>
        <translation>試用版のダウンロード(&amp;T)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaline &amp;Database Application (11.1MB)</source>
        <translation>Tessaline &amp;Database Application (11.1 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline &amp;Professional Database (12.1MB)</source>
        <translation>Tessaline &amp;Professional Database (12.1 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline &amp;Server</source>
        <translation>Tessaline &amp;Server</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;ixSqueeze (820KB)</source>
        <translation>P&amp;ixSqueeze (820 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pe&amp;llumDownloader (215KB)</source>
        <translation>Pe&amp;llumDownloader (215 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumCra&amp;wler (217KB)</source>
        <translation>PellumCra&amp;wler (217 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumD&amp;raw (324KB)</source>
        <translation>PellumD&amp;raw (324 KB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pellum&amp;Mailer (219KB)</source>
        <translation>Pellum&amp;Mailer (219 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pellum&amp;Browser (206KB)</source>
        <translation>Pellum&amp;Browser (206 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumSolitair&amp;e (539KB)</source>
        <translation>PellumSolitair&amp;e (539 KB)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vyx Player (348KB)</source>
        <translation>Vyx Player (348 KB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Surfer (116KB)</source>
        <translation>Vyx Surfer (116 KB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Editor (216KB)</source>
        <translation>Vyx Editor (216 KB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook (412KB)</source>
        <translation>Vyx Phonebook (412 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <location line="+10"/>
        <source>Publisher &amp;Home</source>
        <translation>発行元のホームページ(&amp;H)</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+10"/>
        <source>Publisher &amp;Store</source>
        <translation>発行元のストア(&amp;S)</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>&amp;Product Page</source>
        <translation>製品ページ(&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>Publisher &amp;Catalog</source>
        <translation>発行元の製品カタログ(&amp;C)</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+10"/>
        <source>Support/&amp;Feedback</source>
        <translation>サポート/フィードバック(&amp;U)</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+49"/>
        <source>Today&apos;s &amp;News</source>
        <translation>今日のニュース(&amp;N)</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Product &amp;Page</source>
        <translation>製品ページ(&amp;P)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Database Trial Downloads</source>
        <translation>データベース試用版のダウンロード(&amp;D)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaline Database Application (11.1MB)</source>
        <translation>Tessaline Database Application (11.1 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline Professional Database (12.1MB)</source>
        <translation>Tessaline Professional Database (12.1 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline Server</source>
        <translation>Tessaline Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook2 (9.12MB)</source>
        <translation>Vyx Phonebook2 (9.12 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Database (12MB)</source>
        <translation>Vyx Database (12 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;ellum Demo Downloads</source>
        <translation>Pellum デモ版のダウンロード(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PixSqueeze (820KB)</source>
        <translation>PixSqueeze (820 KB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PellumDownloader (215KB)</source>
        <translation>PellumDownloader (215 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumCrawler (217KB)</source>
        <translation>PellumCrawler (217 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumDraw (324KB)</source>
        <translation>PellumDraw (324 KB)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PellumMailer (219KB)</source>
        <translation>PellumMailer (219 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumBrowser (206KB)</source>
        <translation>PellumBrowser (206 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumSolitaire (539KB)</source>
        <translation>PellumSolitaire (539 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free Downlo&amp;ads</source>
        <translation>無料ダウンロード(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook Free (424KB)</source>
        <translation>Vyx Phonebook Free (424 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Editor Free (432KB)</source>
        <translation>Vyx Editor Free (432 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx News Feeder (156KB)</source>
        <translation>Vyx News Feeder (156 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Surfer Free (116KB)</source>
        <translation>Vyx Surfer Free (116 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Player Free (344KB)</source>
        <translation>Vyx Player Free (344 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Games Collection Free (6MB)</source>
        <translation>Vyx Games Collection Free (6 MB)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Technology News (Computer, Internet, ...)</source>
        <translation>テクノロジーニュース (コンピューター、インターネットなど)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Entertainment News (Movies, Games, ...)</source>
        <translation>エンターテインメントニュース (映画、ゲームなど)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Business News (Stock Market)</source>
        <translation>ビジネスニュース (株式市場)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sports News (Golf, Tennis, ...)</source>
        <translation>スポーツニュース (ゴルフ、テニスなど)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>World News (Politics, World Events, ...)</source>
        <translation>国際ニュース (政治、世界の出来事など)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pa&amp;lFinder Service</source>
        <translation>PalFinder サービス(&amp;L)</translation>
    </message>
</context>
</TS>
