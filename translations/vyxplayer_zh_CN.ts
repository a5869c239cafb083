<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>EngineFailure</name>
    <message>
        <location filename="../platform/media/EngineFailure.cpp" line="+38"/>
        <source>the stream&apos;s pieces cannot be read (the first is %1)</source>
        <translation>无法读取流的分段（第一个为 %1）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>there is nothing at that address (the server answered %1)</source>
        <translation>该地址没有内容（服务器返回 %1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server would not send it (it answered %1)</source>
        <translation>服务器拒绝发送（服务器返回 %1）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the connection was refused: nothing answers at that address</source>
        <translation>连接被拒绝：该地址无响应</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the name %1 could not be found: check the address and the network</source>
        <translation>找不到名称 %1：请检查地址和网络</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the server did not answer in time</source>
        <translation>服务器未及时响应</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing answers at that address</source>
        <translation>该地址无响应</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no decoder for its codec</source>
        <translation>没有适用于其编解码器的解码器</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there is no decoder for its codec (%1)</source>
        <translation>没有适用于其编解码器的解码器（%1）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no sound device could be opened</source>
        <translation>无法打开任何声音设备</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it holds no sound or picture that this player can decode</source>
        <translation>其中没有本播放器能够解码的声音或画面</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not in a format that this player reads</source>
        <translation>本播放器无法读取此格式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the address could not be read as media</source>
        <translation>无法将该地址作为媒体读取</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is damaged or cut short</source>
        <translation>文件已损坏或不完整</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Piece %1 of the stream is missing: playing jumps over it</source>
        <translation>流的第 %1 个分段缺失：播放时将跳过</translation>
    </message>
</context>
<context>
    <name>MainBackground</name>
    <message>
        <location filename="../app/MainBackground.cpp" line="+63"/>
        <source>%1 › %2 to open a file  ·  %1 › %3</source>
        <extracomment>The line along the foot of the main window&apos;s picture: %1 is the File menu, %2 and %3 its Play and Open items, as the menu shows them.</extracomment>
        <translation>%1 › %2 打开文件  ·  %1 › %3</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Audio and video, light and fast</source>
        <extracomment>The line under the program&apos;s name in the main window&apos;s picture.</extracomment>
        <translation>音频和视频，轻巧快速</translation>
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
        <translation>无法绘制画面</translation>
    </message>
</context>
<context>
    <name>vyx::CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+30"/>
        <source>not a local file address: %1</source>
        <translation>不是本地文件地址：%1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>not a valid address: %1</source>
        <translation>不是有效的地址：%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only local files and addresses of streams (http://, rtsp://, rtmp://, mms://, udp://, ...) can be played: %1</source>
        <translation>只能播放本地文件和流地址（http://、rtsp://、rtmp://、mms://、udp:// 等）：%1</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>--video-output must be auto, opengl or software, not &apos;%1&apos;</source>
        <translation>--video-output 必须为 auto、opengl 或 software，而不是“%1”</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--browse needs an address</source>
        <translation>--browse 需要一个地址</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>vyxplayer: %1
Try &apos;vyxplayer --help&apos; for more information.
</source>
        <translation>vyxplayer：%1
请尝试执行“vyxplayer --help”以获取更多信息。
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
        <translation>用法：vyxplayer [选项]... [文件]...
在主窗口中播放文件（路径、file:// 地址或流地址：http://、https://、
rtsp://、rtmp://、mms://、srt://、udp:// 等）；指定多个文件时依次播放。

      --separate-window  在单独的、可调整大小的播放器窗口中播放文件
      --browse 地址      同时在该地址打开 Vyx Surfer（或 --browse=地址）
      --video-output=输出  绘制画面的方式：auto（有 GPU 时使用 GPU）、
                         opengl 或 software
  -h, --help             显示此帮助信息并退出
  -v, --version          显示版本信息并退出
Qt 自身的选项（-platform、-style 等）与在其他 Qt 程序中的用法相同。

设置 QT_LOGGING_RULES=&quot;vyx.timing.info=true&quot; 时，用户等待的各个时刻（第一帧、
浏览器地址、页面加载完成）将写入标准错误；设置为
&quot;vyx.media.info=true&quot; 时，则写入播放器为文件所做的选择。
</translation>
    </message>
</context>
<context>
    <name>vyx::ControlBar</name>
    <message>
        <location filename="../mediaplayer/ControlBar.cpp" line="+42"/>
        <location line="+105"/>
        <source>Play</source>
        <translation>播放</translation>
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
        <translation>后退 10 秒</translation>
    </message>
    <message>
        <location line="-63"/>
        <location line="+64"/>
        <source>Forward 10 seconds</source>
        <translation>前进 10 秒</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+169"/>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>live</source>
        <translation>直播</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, live</source>
        <translation>%1，直播</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2</source>
        <translation>%1，共 %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unmute</source>
        <translation>取消静音</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>volume %1 percent</source>
        <translation>音量百分之 %1</translation>
    </message>
</context>
<context>
    <name>vyx::DownloadProgress</name>
    <message>
        <location filename="../platform/web/webengine/DownloadProgress.cpp" line="+13"/>
        <source>Downloading %1</source>
        <translation>正在下载 %1</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>disk full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not allowed to write there</source>
        <translation>没有在该位置写入的权限</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The download of %1 failed: %2</source>
        <translation>%1 下载失败：%2</translation>
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
        <translation>已保存 %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The download of %1 was cancelled.</source>
        <translation>%1 的下载已取消。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>平直</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classical</source>
        <translation>古典</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pop</source>
        <translation>流行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock</source>
        <translation>摇滚</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speech</source>
        <translation>语音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bass Boost</source>
        <translation>低音增强</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Equalizer</source>
        <translation>均衡器</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preset:</source>
        <translation>预设(&amp;P)：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your Own</source>
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>vyx::ErrorTrap</name>
    <message>
        <location filename="../platform/dialogs/ErrorTrap.cpp" line="+83"/>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>运行时错误 &apos;%1&apos;：

%2</translation>
    </message>
</context>
<context>
    <name>vyx::MediaPlayer</name>
    <message>
        <location filename="../mediaplayer/MediaPlayer.cpp" line="+36"/>
        <source>Player</source>
        <translation>播放器</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>Equalizer: %1</source>
        <translation>均衡器：%1</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PictureCommands.cpp" line="+26"/>
        <source>Shape 4:3</source>
        <translation>宽高比 4:3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 16:9</source>
        <translation>宽高比 16:9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 1.85:1</source>
        <translation>宽高比 1.85:1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 2.35:1</source>
        <translation>宽高比 2.35:1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shape as the file says</source>
        <translation>宽高比：按文件设定</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Deinterlacing on</source>
        <translation>去隔行：开</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deinterlacing off</source>
        <translation>去隔行：关</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deinterlacing where the picture is interlaced</source>
        <translation>去隔行：仅隔行画面</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Brightness %1</source>
        <translation>亮度 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamma %1</source>
        <translation>伽马 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation %1</source>
        <translation>饱和度 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hue %1</source>
        <translation>色调 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Contrast %1</source>
        <translation>对比度 %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Zoom %1%</source>
        <translation>缩放 %1%</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Turned %1°</source>
        <translation>已旋转 %1°</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Picture as the file has it</source>
        <translation>画面恢复原样</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Loudness evened out</source>
        <translation>响度已均衡</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loudness as recorded</source>
        <translation>响度恢复原样</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sound to %1</source>
        <translation>声音输出到 %1</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayerCommand.cpp" line="+37"/>
        <source>Audio: %1</source>
        <translation>音频：%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subtitles: %1</source>
        <translation>字幕：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Subtitles off</source>
        <translation>字幕：关</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Repeat this entry</source>
        <translation>循环当前条目</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Repeat the whole list</source>
        <translation>循环整个列表</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat off</source>
        <translation>循环：关</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speed %1x</source>
        <translation>速度 %1x</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Volume %1%</source>
        <translation>音量 %1%</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound on</source>
        <translation>声音已开启</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Shuffle on</source>
        <translation>随机播放：开</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shuffle off</source>
        <translation>随机播放：关</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayerMenu.cpp" line="+50"/>
        <source>A&amp;udio</source>
        <translation>音频(&amp;U)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Su&amp;btitles</source>
        <translation>字幕(&amp;B)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Load subtitles...</source>
        <translation>加载字幕(&amp;L)...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;hapters</source>
        <translation>章节(&amp;H)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chapter %1</source>
        <translation>第 %1 章</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Next Chapter</source>
        <translation>下一章节</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous Chapter</source>
        <translation>上一章节</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frame &amp;Forward</source>
        <translation>下一帧(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frame Bac&amp;k</source>
        <translation>上一帧(&amp;K)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A-B &amp;Loop</source>
        <translation>A-B 循环(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screensho&amp;t</source>
        <translation>截图(&amp;T)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Repeat</source>
        <translation>循环(&amp;R)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Off</source>
        <translation>关闭(&amp;O)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This &amp;Entry</source>
        <translation>当前条目(&amp;E)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Whole &amp;List</source>
        <translation>整个列表(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shuffl&amp;e</source>
        <translation>随机播放(&amp;E)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show L&amp;ist</source>
        <translation>显示列表(&amp;I)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dela&amp;ys</source>
        <translation>延迟(&amp;Y)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitles Earlier</source>
        <translation>字幕提前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subtitles Later</source>
        <translation>字幕延后</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound Earlier</source>
        <translation>声音提前</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound Later</source>
        <translation>声音延后</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Reset Delays</source>
        <translation>重置延迟(&amp;R)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>S&amp;peed</source>
        <translation>速度(&amp;P)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pi&amp;cture</source>
        <translation>画面(&amp;C)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn &amp;Right</source>
        <translation>向右旋转(&amp;R)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn &amp;Left</source>
        <translation>向左旋转(&amp;L)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Shape</source>
        <translation>宽高比(&amp;S)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>As the &amp;File Says</source>
        <translation>按文件设定(&amp;F)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom Rese&amp;t</source>
        <translation>重置缩放(&amp;T)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Deinterlace</source>
        <translation>去隔行(&amp;D)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Where Interlaced</source>
        <translation>仅隔行画面(&amp;W)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Always</source>
        <translation>始终(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Never</source>
        <translation>从不(&amp;N)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Less Contrast</source>
        <translation>降低对比度</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Contrast</source>
        <translation>提高对比度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darker</source>
        <translation>调暗</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Brighter</source>
        <translation>调亮</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Less Gamma</source>
        <translation>降低伽马</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Gamma</source>
        <translation>提高伽马</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Less Saturation</source>
        <translation>降低饱和度</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Saturation</source>
        <translation>提高饱和度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hue Back</source>
        <translation>色调后移</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hue Forward</source>
        <translation>色调前移</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reset &amp;Picture</source>
        <translation>重置画面(&amp;P)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>S&amp;ound</source>
        <translation>声音(&amp;O)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Even Out Loudness</source>
        <translation>响度均衡(&amp;E)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;qualizer...</source>
        <translation>均衡器(&amp;Q)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Output &amp;Device</source>
        <translation>输出设备(&amp;D)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The Desktop&apos;s Default</source>
        <translation>桌面默认设备</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>(none listed)</source>
        <translation>（未列出任何设备）</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pl&amp;ay</source>
        <translation>播放(&amp;A)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>P&amp;ause</source>
        <translation>暂停(&amp;A)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next</source>
        <translation>下一个(&amp;N)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pre&amp;vious</source>
        <translation>上一个(&amp;V)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation>静音(&amp;M)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Display Size</source>
        <translation>显示大小(&amp;D)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Original Size</source>
        <translation>原始大小(&amp;O)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fit to Player</source>
        <translation>适应播放器(&amp;F)</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayFileCommand.cpp" line="+29"/>
        <source>Select A Media File To Play</source>
        <translation>选择要播放的媒体文件</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Load Subtitles</source>
        <translation>加载字幕</translation>
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
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <location filename="../platform/media/MediaProbe.cpp" line="+103"/>
        <source>(no file name)</source>
        <translation>（无文件名）</translation>
    </message>
    <message>
        <location filename="../platform/media/MediaTracks.cpp" line="+24"/>
        <source>Track %1</source>
        <translation>音轨 %1</translation>
    </message>
</context>
<context>
    <name>vyx::MprisPlayerAdaptor</name>
    <message>
        <location filename="../mpris/MprisAdaptors.cpp" line="+258"/>
        <source>only file addresses and those of streams play (%1)</source>
        <translation>只能播放文件地址和流地址（%1）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a valid address: %1</source>
        <translation>不是有效的地址：%1</translation>
    </message>
</context>
<context>
    <name>vyx::MpvSession</name>
    <message>
        <location filename="../platform/media/MpvSession.cpp" line="+56"/>
        <source>nothing after its start can be played</source>
        <translation>开头之后的内容均无法播放</translation>
    </message>
</context>
<context>
    <name>vyx::PageDialogs</name>
    <message>
        <location filename="../platform/web/webengine/PageDialogs.cpp" line="+23"/>
        <source>The page says</source>
        <translation>网页提示</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The page at %1 says</source>
        <translation>%1 上的网页提示</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Don&apos;t let this page show more dialogs</source>
        <translation>禁止此网页显示更多对话框</translation>
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
        <translation>%1 是音频或视频。
要在媒体播放器中播放，还是保存？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
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
        <translation>流在能够播放任何内容之前就已结束</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Cannot play %1:
%2</source>
        <translation>无法播放 %1：
%2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The screenshot could not be saved: %1 cannot be made</source>
        <translation>无法保存截图：无法创建 %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Screenshot saved to %1</source>
        <translation>截图已保存到 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The screenshot could not be saved: %1</source>
        <translation>无法保存截图：%1</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerDelays</name>
    <message>
        <location filename="../mediaplayer/PlayerDelays.cpp" line="+40"/>
        <source>Sound and subtitles in step</source>
        <translation>声音与字幕已同步</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1%2 s</source>
        <translation>%1%2 秒</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound delay: %1</source>
        <translation>声音延迟：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitle delay: %1</source>
        <translation>字幕延迟：%1</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerListView</name>
    <message>
        <location filename="../mediaplayer/PlayerListView.cpp" line="+11"/>
        <source>Playlist</source>
        <translation>播放列表</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>playing</source>
        <translation>正在播放</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerMarks</name>
    <message>
        <location filename="../mediaplayer/PlayerMarks.cpp" line="+33"/>
        <source>Chapter %1 of %2</source>
        <translation>第 %1 章，共 %2 章</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Loop from %1</source>
        <translation>循环起点 %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Loop from %1 to %2</source>
        <translation>循环 %1 至 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loop off</source>
        <translation>A-B 循环：关</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerScreen</name>
    <message>
        <location filename="../mediaplayer/PlayerScreen.cpp" line="+28"/>
        <source>No picture: the media engine cannot draw here.</source>
        <translation>无画面：媒体引擎无法在此处绘制。</translation>
    </message>
</context>
<context>
    <name>vyx::RuntimeError</name>
    <message>
        <location filename="../platform/errors/RuntimeError.cpp" line="+18"/>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal error</source>
        <translation>内部错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bad file name or number</source>
        <translation>错误的文件名或文件号</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File not found</source>
        <translation>文件未找到</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Permission denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path/File access error</source>
        <translation>路径/文件访问错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid file format</source>
        <translation>无效的文件格式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address cannot be opened</source>
        <translation>无法打开该地址</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no earlier page to go back to</source>
        <translation>没有可以后退到的上一页</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no later page to go forward to</source>
        <translation>没有可以前进到的下一页</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The web engine could not be loaded</source>
        <translation>无法加载网页引擎</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The media engine could not be started</source>
        <translation>无法启动媒体引擎</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The list names nothing that can be played</source>
        <translation>列表中没有可播放的内容</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel was selected.</source>
        <translation>已选择取消。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Application-defined or object-defined error</source>
        <translation>应用程序定义或对象定义的错误</translation>
    </message>
</context>
<context>
    <name>vyx::ScreenSaverHold</name>
    <message>
        <location filename="../platform/desktop/ScreenSaverHold.cpp" line="+65"/>
        <source>Playing a video</source>
        <translation>正在播放视频</translation>
    </message>
</context>
<context>
    <name>vyx::WebBrowser</name>
    <message>
        <location filename="../platform/web/WebBrowser.cpp" line="+51"/>
        <source>(empty address)</source>
        <translation>（空地址）</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (the browser does not open %2: addresses)</source>
        <extracomment>%2 is the address&apos;s scheme, as &quot;ftp&quot; in &quot;ftp://...&quot;</extracomment>
        <translation>%1（本浏览器不打开 %2: 地址）</translation>
    </message>
</context>
<context>
    <name>vyx::WebEngineBrowser</name>
    <message>
        <location filename="../platform/web/webengine/WebEngineBrowser.cpp" line="+97"/>
        <source>Save Download As</source>
        <translation>下载另存为</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>not allowed to write there</source>
        <translation>没有在该位置写入的权限</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;The page stopped working&lt;/title&gt;&lt;/head&gt;&lt;body style=&apos;font-family:sans-serif;margin:3em&apos;&gt;&lt;h2&gt;The page stopped working&lt;/h2&gt;&lt;p&gt;&lt;a href=&apos;%1&apos;&gt;Reload %2&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;页面已停止工作&lt;/title&gt;&lt;/head&gt;&lt;body style=&apos;font-family:sans-serif;margin:3em&apos;&gt;&lt;h2&gt;页面已停止工作&lt;/h2&gt;&lt;p&gt;&lt;a href=&apos;%1&apos;&gt;重新加载 %2&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>vyx::frmAbout</name>
    <message>
        <location filename="../about/frmAbout.cpp" line="+82"/>
        <source>Quorvane light weight audio and video player. For more information on other products by Quorvane, visit %1.</source>
        <extracomment>%1 is the publisher&apos;s web site; Quorvane is the publisher&apos;s name.</extracomment>
        <translation>Quorvane 轻量级音频和视频播放器。如需了解 Quorvane 其他产品的更多信息，请访问 %1。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you need an innovative database application for building and managing custom databases, try Tessaline Professional Database. Tessaline Pro is simple and intuitive to use, so you can start on your first database within minutes of installing it. It is also powerful: Tessaline Pro hides the complexity of building and managing a database behind clear menus and dialogs. That leaves you free to concentrate on the design of your database instead of the details of its storage. Tessaline Pro is fully customisable, so every database can look and work exactly the way you want it to. For each table it designs a form of its own, ready to use from the moment the table is created. On that form you set the location, size, colour and font of each column with just a few clicks. Download the free trial of Tessaline Pro today, and see for yourself how easy building databases is. 30-day trial version size 12.1MB</source>
        <extracomment>Tessaline Professional Database and Tessaline Pro are product names; the size is written as the language writes such sizes.</extracomment>
        <translation>如果您需要一款创新的数据库应用程序来构建和管理自定义数据库，请试用 Tessaline Professional Database。Tessaline Pro 简单直观，安装后几分钟内即可开始创建您的第一个数据库。它同样功能强大：Tessaline Pro 将构建和管理数据库的复杂工作隐藏在清晰的菜单和对话框之后，让您可以专注于数据库的设计，而不必操心数据存储的细节。Tessaline Pro 可完全自定义，每个数据库的外观和工作方式都能完全符合您的要求。它会为每个表设计专属的窗体，表一创建即可使用。在该窗体上，只需点击几下，即可设置每一列的位置、大小、颜色和字体。立即下载 Tessaline Pro 免费试用版，亲身体验构建数据库有多么轻松。30 天试用版大小 12.1 MB</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copyright © Quorvane. All rights reserved.</source>
        <translation>版权所有 © Quorvane。保留所有权利。</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Download 30-day trial [12.1MB]</source>
        <translation>下载 30 天试用版 [12.1 MB]</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name, Vyx Player.</extracomment>
        <translation>关于 %1</translation>
    </message>
    <message>
        <location filename="../about/SysInfo.cpp" line="+53"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>目前无法获取系统信息</translation>
    </message>
</context>
<context>
    <name>vyx::frmBrowser</name>
    <message>
        <location filename="../browser/BrowserLogic.cpp" line="+28"/>
        <source>Working...</source>
        <translation>正在处理...</translation>
    </message>
    <message>
        <location filename="../browser/BrowserToolBar.cpp" line="+25"/>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home</source>
        <translation>主页</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browse Offline</source>
        <translation>脱机浏览</translation>
    </message>
    <message>
        <location filename="../browser/frmBrowser.cpp" line="+90"/>
        <location line="+1"/>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close Vyx Surfer</source>
        <translation>关闭 Vyx Surfer(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Home</source>
        <translation>主页(&amp;H)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Previous</source>
        <translation>上一页(&amp;P)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next</source>
        <translation>下一页(&amp;N)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>关于 Vyx Player(&amp;A)...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Online</source>
        <translation>在线(&amp;O)</translation>
    </message>
    <message>
        <location line="+168"/>
        <source>Browse for offline web pages</source>
        <translation>浏览脱机网页</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WebPages</source>
        <extracomment>The filters&apos; names; the patterns after them stay as they are.</extracomment>
        <translation>网页</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>vyx::frmMediaPlayer</name>
    <message>
        <location filename="../player/frmMediaPlayer.cpp" line="+46"/>
        <source>All Media Files</source>
        <extracomment>The filters&apos; names; the patterns after them stay as they are.</extracomment>
        <translation>所有媒体文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close MediaPlayer</source>
        <translation>关闭媒体播放器(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Online</source>
        <translation>在线(&amp;O)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>关于 Vyx Player(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>vyx::frmVyx</name>
    <message>
        <location filename="../app/frmVyx.cpp" line="+86"/>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+14"/>
        <source>&amp;Open in separate window...</source>
        <translation>在单独窗口中打开(&amp;O)...</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+17"/>
        <source>&amp;Play...</source>
        <translation>播放(&amp;P)...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Online</source>
        <translation>在线(&amp;O)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>关于 Vyx Player(&amp;A)...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Files</source>
        <extracomment>The filter&apos;s name; the pattern after it stays as it is.</extracomment>
        <translation>所有文件</translation>
    </message>
</context>
<context>
    <name>vyx::links</name>
    <message>
        <location filename="../links/LinkCatalogue.cpp" line="+68"/>
        <location line="+85"/>
        <source>&amp;Free Downloads Page</source>
        <translation>免费下载页面(&amp;F)</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>&amp;Trial Downloads</source>
        <translation>试用版下载(&amp;T)</translation>
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
        <translation>发行商主页(&amp;H)</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+10"/>
        <source>Publisher &amp;Store</source>
        <translation>发行商商店(&amp;S)</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>&amp;Product Page</source>
        <translation>产品页面(&amp;P)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>Publisher &amp;Catalog</source>
        <translation>发行商产品目录(&amp;C)</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+10"/>
        <source>Support/&amp;Feedback</source>
        <translation>支持/反馈(&amp;U)</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+49"/>
        <source>Today&apos;s &amp;News</source>
        <translation>今日新闻(&amp;N)</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Product &amp;Page</source>
        <translation>产品页面(&amp;P)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Database Trial Downloads</source>
        <translation>数据库试用版下载(&amp;D)</translation>
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
        <translation>Pellum 演示版下载(&amp;E)</translation>
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
        <translation>免费下载(&amp;A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook Free (424KB)</source>
        <translation>Vyx Phonebook 免费版 (424 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Editor Free (432KB)</source>
        <translation>Vyx Editor 免费版 (432 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx News Feeder (156KB)</source>
        <translation>Vyx News Feeder (156 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Surfer Free (116KB)</source>
        <translation>Vyx Surfer 免费版 (116 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Player Free (344KB)</source>
        <translation>Vyx Player 免费版 (344 KB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Games Collection Free (6MB)</source>
        <translation>Vyx Games Collection 免费版 (6 MB)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Technology News (Computer, Internet, ...)</source>
        <translation>科技新闻（计算机、互联网等）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Entertainment News (Movies, Games, ...)</source>
        <translation>娱乐新闻（电影、游戏等）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Business News (Stock Market)</source>
        <translation>财经新闻（股市）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sports News (Golf, Tennis, ...)</source>
        <translation>体育新闻（高尔夫、网球等）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>World News (Politics, World Events, ...)</source>
        <translation>国际新闻（政治、世界大事等）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pa&amp;lFinder Service</source>
        <translation>PalFinder 服务(&amp;L)</translation>
    </message>
</context>
</TS>
