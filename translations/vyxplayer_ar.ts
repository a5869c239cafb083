<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>EngineFailure</name>
    <message>
        <location filename="../platform/media/EngineFailure.cpp" line="+38"/>
        <source>the stream&apos;s pieces cannot be read (the first is %1)</source>
        <translation>تتعذّر قراءة أجزاء البث (أولها %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>there is nothing at that address (the server answered %1)</source>
        <translation>لا يوجد شيء على ذلك العنوان (ردّ الخادم: %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server would not send it (it answered %1)</source>
        <translation>رفض الخادم إرساله (ردّ: %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the connection was refused: nothing answers at that address</source>
        <translation>رُفض الاتصال: لا شيء يجيب على ذلك العنوان</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the name %1 could not be found: check the address and the network</source>
        <translation>تعذّر العثور على الاسم %1: تحقّق من العنوان ومن الشبكة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the server did not answer in time</source>
        <translation>لم يُجب الخادم في الوقت المحدد</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing answers at that address</source>
        <translation>لا شيء يجيب على ذلك العنوان</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no decoder for its codec</source>
        <translation>لا يوجد مفكّك لترميزه</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there is no decoder for its codec (%1)</source>
        <translation>لا يوجد مفكّك لترميزه (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no sound device could be opened</source>
        <translation>تعذّر فتح أي جهاز صوت</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it holds no sound or picture that this player can decode</source>
        <translation>لا يحوي صوتًا أو صورة يستطيع هذا المشغّل فكّ ترميزهما</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not in a format that this player reads</source>
        <translation>ليس بتنسيق يقرؤه هذا المشغّل</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the address could not be read as media</source>
        <translation>تعذّرت قراءة العنوان كوسائط</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is damaged or cut short</source>
        <translation>الملف تالف أو مبتور</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Piece %1 of the stream is missing: playing jumps over it</source>
        <translation>الجزء %1 من البث مفقود: سيتخطّاه التشغيل</translation>
    </message>
</context>
<context>
    <name>MainBackground</name>
    <message>
        <location filename="../app/MainBackground.cpp" line="+63"/>
        <source>%1 › %2 to open a file  ·  %1 › %3</source>
        <extracomment>The line along the foot of the main window&apos;s picture: %1 is the File menu, %2 and %3 its Play and Open items, as the menu shows them.</extracomment>
        <translation>%1 › %2 لفتح ملف  ·  %1 › %3</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Audio and video, light and fast</source>
        <extracomment>The line under the program&apos;s name in the main window&apos;s picture.</extracomment>
        <translation>صوت وفيديو، خفيف وسريع</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <location filename="../app/Translations.cpp" line="+83"/>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written from right to left, &quot;LTR&quot; for all others.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../mediaplayer/Screenshot.cpp" line="+56"/>
        <source>the picture could not be drawn</source>
        <translation>تعذّر رسم الصورة</translation>
    </message>
</context>
<context>
    <name>vyx::CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+30"/>
        <source>not a local file address: %1</source>
        <translation>ليس عنوان ملف محلي: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>not a valid address: %1</source>
        <translation>عنوان غير صالح: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only local files and addresses of streams (http://, rtsp://, rtmp://, mms://, udp://, ...) can be played: %1</source>
        <translation>لا يمكن تشغيل إلا الملفات المحلية وعناوين البث (http://، rtsp://، rtmp://، mms://، udp://، ...): %1</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>--video-output must be auto, opengl or software, not &apos;%1&apos;</source>
        <translation>يجب أن تكون قيمة --video-output إحدى auto أو opengl أو software، لا «%1»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--browse needs an address</source>
        <translation>يحتاج --browse إلى عنوان</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>vyxplayer: %1
Try &apos;vyxplayer --help&apos; for more information.
</source>
        <translation>vyxplayer: %1
جرّب «vyxplayer --help» لمزيد من المعلومات.
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
        <translation>الاستخدام: vyxplayer [خيار]... [ملف]...
يشغّل الملف (مسارًا، أو عنوان file://، أو عنوان بث: http://، https://،
rtsp://، rtmp://، mms://، srt://، udp://، ...) في النافذة الرئيسية؛ وتُشغَّل الملفات المتعددة بالتتابع.

      --separate-window  شغّل الملف في نافذة المشغّل المنفصلة القابلة لتغيير الحجم
      --browse عنوان     افتح Vyx Surfer على العنوان أيضًا (أو --browse=عنوان)
      --video-output=مخرج  ارسم الصور بـ auto (وحدة GPU إن وُجدت)،
                         أو opengl أو software
  -h, --help             اعرض هذه المساعدة واخرج
  -v, --version          اعرض الإصدار واخرج
تعمل خيارات Qt الخاصة (-platform، -style، ...) كما في أي برنامج Qt.

مع QT_LOGGING_RULES=&quot;vyx.timing.info=true&quot; تُكتب في الخطأ القياسي اللحظات التي
ينتظرها المستخدم (أول إطار، وعنوان المتصفح، وتحميل الصفحة)؛ ومع
&quot;vyx.media.info=true&quot; يُكتب ما اختاره المشغّل للملف.
</translation>
    </message>
</context>
<context>
    <name>vyx::ControlBar</name>
    <message>
        <location filename="../mediaplayer/ControlBar.cpp" line="+42"/>
        <location line="+105"/>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+64"/>
        <source>Back 10 seconds</source>
        <translation>رجوع ١٠ ثوانٍ</translation>
    </message>
    <message>
        <location line="-63"/>
        <location line="+64"/>
        <source>Forward 10 seconds</source>
        <translation>تقديم ١٠ ثوانٍ</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+169"/>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>Position</source>
        <translation>الموضع</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Volume</source>
        <translation>مستوى الصوت</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Previous</source>
        <translation>السابق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>live</source>
        <translation>مباشر</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, live</source>
        <translation>%1، مباشر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unmute</source>
        <translation>إلغاء كتم الصوت</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>volume %1 percent</source>
        <translation>مستوى الصوت %1 بالمئة</translation>
    </message>
</context>
<context>
    <name>vyx::DownloadProgress</name>
    <message>
        <location filename="../platform/web/webengine/DownloadProgress.cpp" line="+13"/>
        <source>Downloading %1</source>
        <translation>جارٍ تنزيل %1</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>disk full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not allowed to write there</source>
        <translation>الكتابة هناك غير مسموح بها</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The download of %1 failed: %2</source>
        <translation>فشل تنزيل %1: %2</translation>
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
        <translation>حُفظ %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The download of %1 was cancelled.</source>
        <translation>أُلغي تنزيل %1.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>vyx::EqualizerDialog</name>
    <message>
        <location filename="../mediaplayer/EqualizerDialog.cpp" line="+20"/>
        <source>%1 kHz</source>
        <translation>%1 ك.هرتز</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Hz</source>
        <translation>%1 هرتز</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Flat</source>
        <translation>مسطّح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classical</source>
        <translation>كلاسيكي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pop</source>
        <translation>بوب</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock</source>
        <translation>روك</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speech</source>
        <translation>كلام</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bass Boost</source>
        <translation>تعزيز الجهير</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Equalizer</source>
        <translation>المعادل</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preset:</source>
        <translation>الإعداد ال&amp;مسبق:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your Own</source>
        <translation>مخصّص</translation>
    </message>
</context>
<context>
    <name>vyx::ErrorTrap</name>
    <message>
        <location filename="../platform/dialogs/ErrorTrap.cpp" line="+83"/>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>خطأ وقت التشغيل «%1»:

%2</translation>
    </message>
</context>
<context>
    <name>vyx::MediaPlayer</name>
    <message>
        <location filename="../mediaplayer/MediaPlayer.cpp" line="+36"/>
        <source>Player</source>
        <translation>المشغّل</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>Equalizer: %1</source>
        <translation>المعادل: %1</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PictureCommands.cpp" line="+26"/>
        <source>Shape 4:3</source>
        <translation>نسبة الأبعاد 4:3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 16:9</source>
        <translation>نسبة الأبعاد 16:9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 1.85:1</source>
        <translation>نسبة الأبعاد 1.85:1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 2.35:1</source>
        <translation>نسبة الأبعاد 2.35:1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shape as the file says</source>
        <translation>نسبة الأبعاد كما في الملف</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Deinterlacing on</source>
        <translation>إزالة التشابك مفعّلة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deinterlacing off</source>
        <translation>إزالة التشابك معطّلة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deinterlacing where the picture is interlaced</source>
        <translation>إزالة التشابك حيث الصورة متشابكة</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Brightness %1</source>
        <translation>السطوع %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamma %1</source>
        <translation>غاما %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation %1</source>
        <translation>التشبّع %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hue %1</source>
        <translation>تدرّج اللون %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Contrast %1</source>
        <translation>التباين %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Zoom %1%</source>
        <translation>التكبير %1٪</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Turned %1°</source>
        <translation>التدوير %1°</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Picture as the file has it</source>
        <translation>الصورة كما في الملف</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Loudness evened out</source>
        <translation>علوّ الصوت مُسوّى</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loudness as recorded</source>
        <translation>علوّ الصوت كما سُجّل</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sound to %1</source>
        <translation>إخراج الصوت إلى %1</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayerCommand.cpp" line="+37"/>
        <source>Audio: %1</source>
        <translation>المسار الصوتي: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subtitles: %1</source>
        <translation>الترجمة: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Subtitles off</source>
        <translation>الترجمة معطّلة</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Repeat this entry</source>
        <translation>تكرار هذا العنصر</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Repeat the whole list</source>
        <translation>تكرار القائمة كلها</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat off</source>
        <translation>التكرار معطّل</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speed %1x</source>
        <translation>السرعة %1×</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Volume %1%</source>
        <translation>مستوى الصوت %1٪</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mute</source>
        <translation>كتم الصوت</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound on</source>
        <translation>الصوت مسموع</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Shuffle on</source>
        <translation>الترتيب العشوائي مفعّل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shuffle off</source>
        <translation>الترتيب العشوائي معطّل</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayerMenu.cpp" line="+50"/>
        <source>A&amp;udio</source>
        <translation>&amp;المسار الصوتي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Su&amp;btitles</source>
        <translation>التر&amp;جمة</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Off</source>
        <translation>تعطيل</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Load subtitles...</source>
        <translation>&amp;تحميل ترجمة...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;hapters</source>
        <translation>ال&amp;فصول</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chapter %1</source>
        <translation>الفصل %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Next Chapter</source>
        <translation>الفصل التالي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous Chapter</source>
        <translation>الفصل السابق</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frame &amp;Forward</source>
        <translation>إ&amp;طار للأمام</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frame Bac&amp;k</source>
        <translation>إطار لل&amp;خلف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A-B &amp;Loop</source>
        <translation>حل&amp;قة A-B</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screensho&amp;t</source>
        <translation>لقطة &amp;شاشة</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Repeat</source>
        <translation>التك&amp;رار</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Off</source>
        <translation>&amp;إيقاف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This &amp;Entry</source>
        <translation>&amp;هذا العنصر</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Whole &amp;List</source>
        <translation>ال&amp;قائمة كلها</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shuffl&amp;e</source>
        <translation>ترتيب &amp;عشوائي</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show L&amp;ist</source>
        <translation>إ&amp;ظهار القائمة</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dela&amp;ys</source>
        <translation>الت&amp;أخير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitles Earlier</source>
        <translation>تقديم الترجمة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subtitles Later</source>
        <translation>تأخير الترجمة</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound Earlier</source>
        <translation>تقديم الصوت</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound Later</source>
        <translation>تأخير الصوت</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Reset Delays</source>
        <translation>إعادة &amp;ضبط التأخير</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>S&amp;peed</source>
        <translation>ال&amp;سرعة</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1x</source>
        <translation>%1×</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pi&amp;cture</source>
        <translation>ال&amp;صورة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn &amp;Right</source>
        <translation>تدوير لل&amp;يمين</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn &amp;Left</source>
        <translation>تدوير للي&amp;سار</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Shape</source>
        <translation>&amp;نسبة الأبعاد</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>As the &amp;File Says</source>
        <translation>كما في ال&amp;ملف</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zoom &amp;In</source>
        <translation>ت&amp;كبير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom &amp;Out</source>
        <translation>تص&amp;غير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom Rese&amp;t</source>
        <translation>إعادة &amp;ضبط التكبير</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Deinterlace</source>
        <translation>إزالة ال&amp;تشابك</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Where Interlaced</source>
        <translation>&amp;عند وجود تشابك</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Always</source>
        <translation>&amp;دائمًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Never</source>
        <translation>&amp;أبدًا</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Less Contrast</source>
        <translation>تباين أقل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Contrast</source>
        <translation>تباين أكثر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darker</source>
        <translation>أغمق</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Brighter</source>
        <translation>أسطع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Less Gamma</source>
        <translation>غاما أقل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Gamma</source>
        <translation>غاما أكثر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Less Saturation</source>
        <translation>تشبّع أقل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Saturation</source>
        <translation>تشبّع أكثر</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hue Back</source>
        <translation>تدرّج اللون للخلف</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hue Forward</source>
        <translation>تدرّج اللون للأمام</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reset &amp;Picture</source>
        <translation>إعادة ضبط ال&amp;صورة</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>S&amp;ound</source>
        <translation>الص&amp;وت</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Even Out Loudness</source>
        <translation>&amp;تسوية علوّ الصوت</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;qualizer...</source>
        <translation>ال&amp;معادل...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Output &amp;Device</source>
        <translation>&amp;جهاز الإخراج</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The Desktop&apos;s Default</source>
        <translation>الافتراضي لسطح المكتب</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>(none listed)</source>
        <translation>(لا توجد أجهزة)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pl&amp;ay</source>
        <translation>تش&amp;غيل</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>P&amp;ause</source>
        <translation>إيقاف &amp;مؤقت</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation>&amp;إيقاف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next</source>
        <translation>ال&amp;تالي</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pre&amp;vious</source>
        <translation>السا&amp;بق</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation>&amp;كتم الصوت</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Display Size</source>
        <translation>&amp;حجم العرض</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Original Size</source>
        <translation>الحجم ال&amp;أصلي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fit to Player</source>
        <translation>&amp;ملاءمة المشغّل</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayFileCommand.cpp" line="+29"/>
        <source>Select A Media File To Play</source>
        <translation>اختر ملف وسائط لتشغيله</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Load Subtitles</source>
        <translation>تحميل ترجمة</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Subtitles (*.srt *.ass *.ssa *.vtt *.sub)</source>
        <extracomment>The filters&apos; names; the patterns in brackets stay as they are.</extracomment>
        <translation>ملفات الترجمة (*.srt *.ass *.ssa *.vtt *.sub)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*)</source>
        <translation>كل الملفات (*)</translation>
    </message>
    <message>
        <location filename="../platform/media/MediaProbe.cpp" line="+103"/>
        <source>(no file name)</source>
        <translation>(بلا اسم ملف)</translation>
    </message>
    <message>
        <location filename="../platform/media/MediaTracks.cpp" line="+24"/>
        <source>Track %1</source>
        <translation>المسار %1</translation>
    </message>
</context>
<context>
    <name>vyx::MprisPlayerAdaptor</name>
    <message>
        <location filename="../mpris/MprisAdaptors.cpp" line="+258"/>
        <source>only file addresses and those of streams play (%1)</source>
        <translation>لا يُشغَّل إلا عناوين الملفات وعناوين البث (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a valid address: %1</source>
        <translation>عنوان غير صالح: %1</translation>
    </message>
</context>
<context>
    <name>vyx::MpvSession</name>
    <message>
        <location filename="../platform/media/MpvSession.cpp" line="+56"/>
        <source>nothing after its start can be played</source>
        <translation>لا يمكن تشغيل أي شيء بعد بدايته</translation>
    </message>
</context>
<context>
    <name>vyx::PageDialogs</name>
    <message>
        <location filename="../platform/web/webengine/PageDialogs.cpp" line="+23"/>
        <source>The page says</source>
        <translation>رسالة من الصفحة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The page at %1 says</source>
        <translation>رسالة من الصفحة في %1</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Don&apos;t let this page show more dialogs</source>
        <translation>امنع هذه الصفحة من إظهار مزيد من مربعات الحوار</translation>
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
        <translation>%1 ملف صوت أو فيديو.
هل تريد تشغيله في مشغّل الوسائط أم حفظه؟</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Play</source>
        <translation>&amp;تشغيل</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save...</source>
        <translation>&amp;حفظ...</translation>
    </message>
</context>
<context>
    <name>vyx::Playback</name>
    <message>
        <location filename="../mediaplayer/Playback.cpp" line="+113"/>
        <source>the stream ended before any of it could be played</source>
        <translation>انتهى البث قبل أن يُشغَّل أي جزء منه</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Cannot play %1:
%2</source>
        <translation>يتعذّر تشغيل %1:
%2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The screenshot could not be saved: %1 cannot be made</source>
        <translation>تعذّر حفظ لقطة الشاشة: يتعذّر إنشاء %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Screenshot saved to %1</source>
        <translation>حُفظت لقطة الشاشة في %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The screenshot could not be saved: %1</source>
        <translation>تعذّر حفظ لقطة الشاشة: %1</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerDelays</name>
    <message>
        <location filename="../mediaplayer/PlayerDelays.cpp" line="+40"/>
        <source>Sound and subtitles in step</source>
        <translation>الصوت والترجمة متزامنان</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>none</source>
        <translation>بلا</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1%2 s</source>
        <translation>%1%2 ث</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound delay: %1</source>
        <translation>تأخير الصوت: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitle delay: %1</source>
        <translation>تأخير الترجمة: %1</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerListView</name>
    <message>
        <location filename="../mediaplayer/PlayerListView.cpp" line="+11"/>
        <source>Playlist</source>
        <translation>قائمة التشغيل</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>playing</source>
        <translation>قيد التشغيل</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerMarks</name>
    <message>
        <location filename="../mediaplayer/PlayerMarks.cpp" line="+33"/>
        <source>Chapter %1 of %2</source>
        <translation>الفصل %1 من %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Loop from %1</source>
        <translation>حلقة من %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Loop from %1 to %2</source>
        <translation>حلقة من %1 إلى %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loop off</source>
        <translation>الحلقة معطّلة</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerScreen</name>
    <message>
        <location filename="../mediaplayer/PlayerScreen.cpp" line="+28"/>
        <source>No picture: the media engine cannot draw here.</source>
        <translation>لا صورة: يتعذّر على محرك الوسائط الرسم هنا.</translation>
    </message>
</context>
<context>
    <name>vyx::RuntimeError</name>
    <message>
        <location filename="../platform/errors/RuntimeError.cpp" line="+18"/>
        <source>Invalid procedure call or argument</source>
        <translation>استدعاء إجراء أو وسيطة غير صالحة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal error</source>
        <translation>خطأ داخلي</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bad file name or number</source>
        <translation>اسم الملف أو رقمه غير صالح</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File not found</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Permission denied</source>
        <translation>الإذن مرفوض</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path/File access error</source>
        <translation>خطأ في الوصول إلى المسار/الملف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid file format</source>
        <translation>تنسيق الملف غير صالح</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address cannot be opened</source>
        <translation>يتعذّر فتح العنوان</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no earlier page to go back to</source>
        <translation>لا توجد صفحة سابقة للرجوع إليها</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no later page to go forward to</source>
        <translation>لا توجد صفحة تالية للتقدّم إليها</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The web engine could not be loaded</source>
        <translation>تعذّر تحميل محرك الويب</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The media engine could not be started</source>
        <translation>تعذّر بدء محرك الوسائط</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The list names nothing that can be played</source>
        <translation>لا تذكر القائمة شيئًا يمكن تشغيله</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel was selected.</source>
        <translation>اختير «إلغاء».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Application-defined or object-defined error</source>
        <translation>خطأ معرَّف من التطبيق أو من الكائن</translation>
    </message>
</context>
<context>
    <name>vyx::ScreenSaverHold</name>
    <message>
        <location filename="../platform/desktop/ScreenSaverHold.cpp" line="+65"/>
        <source>Playing a video</source>
        <translation>يجري تشغيل فيديو</translation>
    </message>
</context>
<context>
    <name>vyx::WebBrowser</name>
    <message>
        <location filename="../platform/web/WebBrowser.cpp" line="+51"/>
        <source>(empty address)</source>
        <translation>(عنوان فارغ)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (the browser does not open %2: addresses)</source>
        <extracomment>%2 is the address&apos;s scheme, as &quot;ftp&quot; in &quot;ftp://...&quot;</extracomment>
        <translation>%1 (لا يفتح المتصفح عناوين %2:)</translation>
    </message>
</context>
<context>
    <name>vyx::WebEngineBrowser</name>
    <message>
        <location filename="../platform/web/webengine/WebEngineBrowser.cpp" line="+97"/>
        <source>Save Download As</source>
        <translation>حفظ التنزيل باسم</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>not allowed to write there</source>
        <translation>الكتابة هناك غير مسموح بها</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;The page stopped working&lt;/title&gt;&lt;/head&gt;&lt;body style=&apos;font-family:sans-serif;margin:3em&apos;&gt;&lt;h2&gt;The page stopped working&lt;/h2&gt;&lt;p&gt;&lt;a href=&apos;%1&apos;&gt;Reload %2&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html dir=&apos;rtl&apos;&gt;&lt;head&gt;&lt;title&gt;توقّفت الصفحة عن العمل&lt;/title&gt;&lt;/head&gt;&lt;body style=&apos;font-family:sans-serif;margin:3em&apos;&gt;&lt;h2&gt;توقّفت الصفحة عن العمل&lt;/h2&gt;&lt;p&gt;&lt;a href=&apos;%1&apos;&gt;إعادة تحميل %2&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>vyx::frmAbout</name>
    <message>
        <location filename="../about/frmAbout.cpp" line="+82"/>
        <source>Quorvane light weight audio and video player. For more information on other products by Quorvane, visit %1.</source>
        <extracomment>%1 is the publisher&apos;s web site; Quorvane is the publisher&apos;s name.</extracomment>
        <translation>مشغّل صوت وفيديو خفيف من Quorvane. لمزيد من المعلومات عن منتجات Quorvane الأخرى، تفضّل بزيارة %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you need an innovative database application for building and managing custom databases, try Tessaline Professional Database. Tessaline Pro is simple and intuitive to use, so you can start on your first database within minutes of installing it. It is also powerful: Tessaline Pro hides the complexity of building and managing a database behind clear menus and dialogs. That leaves you free to concentrate on the design of your database instead of the details of its storage. Tessaline Pro is fully customisable, so every database can look and work exactly the way you want it to. For each table it designs a form of its own, ready to use from the moment the table is created. On that form you set the location, size, colour and font of each column with just a few clicks. Download the free trial of Tessaline Pro today, and see for yourself how easy building databases is. 30-day trial version size 12.1MB</source>
        <extracomment>Tessaline Professional Database and Tessaline Pro are product names; the size is written as the language writes such sizes.</extracomment>
        <translation>إن كنت تحتاج إلى تطبيق مبتكر لإنشاء قواعد بيانات مخصّصة وإدارتها، فجرّب Tessaline Professional Database. إن Tessaline Pro بسيط وسهل الاستخدام، فتستطيع البدء بأول قاعدة بيانات لك بعد دقائق من تثبيته. وهو قوي أيضًا: يُخفي Tessaline Pro تعقيد إنشاء قاعدة البيانات وإدارتها خلف قوائم ومربعات حوار واضحة، فتتفرّغ لتصميم قاعدة بياناتك بدلًا من تفاصيل تخزينها. ويمكن تخصيص Tessaline Pro بالكامل، فتبدو كل قاعدة بيانات وتعمل تمامًا كما تريد. ويصمّم لكل جدول نموذجًا خاصًا به، جاهزًا للاستخدام منذ لحظة إنشاء الجدول. وفي هذا النموذج تحدّد موضع كل عمود وحجمه ولونه وخطّه ببضع نقرات فقط. نزّل النسخة التجريبية المجانية من Tessaline Pro اليوم، وشاهد بنفسك مدى سهولة إنشاء قواعد البيانات. حجم النسخة التجريبية لمدة ٣٠ يومًا ١٢٫١ م.بايت</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Version %1.%2.%3</source>
        <translation>الإصدار %1.%2.%3</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>OK</source>
        <translation>حسنًا</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;System Info...</source>
        <translation>&amp;بيانات النظام...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copyright © Quorvane. All rights reserved.</source>
        <translation>حقوق النشر © Quorvane. جميع الحقوق محفوظة.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Download 30-day trial [12.1MB]</source>
        <translation>تنزيل نسخة تجريبية لمدة ٣٠ يومًا [١٢٫١ م.بايت]</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name, Vyx Player.</extracomment>
        <translation>حول %1</translation>
    </message>
    <message>
        <location filename="../about/SysInfo.cpp" line="+53"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>بيانات النظام غير متاحة حاليًا</translation>
    </message>
</context>
<context>
    <name>vyx::frmBrowser</name>
    <message>
        <location filename="../browser/BrowserLogic.cpp" line="+28"/>
        <source>Working...</source>
        <translation>جارٍ العمل...</translation>
    </message>
    <message>
        <location filename="../browser/BrowserToolBar.cpp" line="+25"/>
        <source>Backward</source>
        <translation>رجوع</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>تقدّم</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browse Offline</source>
        <translation>تصفّح دون اتصال</translation>
    </message>
    <message>
        <location filename="../browser/frmBrowser.cpp" line="+90"/>
        <location line="+1"/>
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close Vyx Surfer</source>
        <translation>إ&amp;غلاق Vyx Surfer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Refresh</source>
        <translation>&amp;تحديث</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Home</source>
        <translation>الصفحة ال&amp;رئيسية</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Previous</source>
        <translation>ال&amp;سابق</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next</source>
        <translation>ال&amp;تالي</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>&amp;حول Vyx Player...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Online</source>
        <translation>إنتر&amp;نت</translation>
    </message>
    <message>
        <location line="+168"/>
        <source>Browse for offline web pages</source>
        <translation>استعراض صفحات الويب دون اتصال</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WebPages</source>
        <extracomment>The filters&apos; names; the patterns after them stay as they are.</extracomment>
        <translation>صفحات الويب</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files</source>
        <translation>كل الملفات</translation>
    </message>
</context>
<context>
    <name>vyx::frmMediaPlayer</name>
    <message>
        <location filename="../player/frmMediaPlayer.cpp" line="+46"/>
        <source>All Media Files</source>
        <extracomment>The filters&apos; names; the patterns after them stay as they are.</extracomment>
        <translation>كل ملفات الوسائط</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Files</source>
        <translation>كل الملفات</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Media Player</source>
        <translation>مشغّل الوسائط</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>&amp;فتح...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close MediaPlayer</source>
        <translation>إ&amp;غلاق مشغّل الوسائط</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Online</source>
        <translation>إنتر&amp;نت</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>&amp;حول Vyx Player...</translation>
    </message>
</context>
<context>
    <name>vyx::frmVyx</name>
    <message>
        <location filename="../app/frmVyx.cpp" line="+86"/>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+14"/>
        <source>&amp;Open in separate window...</source>
        <translation>فتح في نافذة &amp;منفصلة...</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+17"/>
        <source>&amp;Play...</source>
        <translation>&amp;تشغيل...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Online</source>
        <translation>إنتر&amp;نت</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>&amp;حول Vyx Player...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Files</source>
        <extracomment>The filter&apos;s name; the pattern after it stays as it is.</extracomment>
        <translation>كل الملفات</translation>
    </message>
</context>
<context>
    <name>vyx::links</name>
    <message>
        <location filename="../links/LinkCatalogue.cpp" line="+68"/>
        <location line="+85"/>
        <source>&amp;Free Downloads Page</source>
        <translation>صفحة التن&amp;زيلات المجانية</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>&amp;Trial Downloads</source>
        <translation>تنزيلات ت&amp;جريبية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaline &amp;Database Application (11.1MB)</source>
        <translation>Tessaline &amp;Database Application (١١٫١ م.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline &amp;Professional Database (12.1MB)</source>
        <translation>Tessaline &amp;Professional Database (١٢٫١ م.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline &amp;Server</source>
        <translation>Tessaline &amp;Server</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;ixSqueeze (820KB)</source>
        <translation>P&amp;ixSqueeze (٨٢٠ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pe&amp;llumDownloader (215KB)</source>
        <translation>Pe&amp;llumDownloader (٢١٥ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumCra&amp;wler (217KB)</source>
        <translation>PellumCra&amp;wler (٢١٧ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumD&amp;raw (324KB)</source>
        <translation>PellumD&amp;raw (٣٢٤ ك.بايت)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pellum&amp;Mailer (219KB)</source>
        <translation>Pellum&amp;Mailer (٢١٩ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pellum&amp;Browser (206KB)</source>
        <translation>Pellum&amp;Browser (٢٠٦ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumSolitair&amp;e (539KB)</source>
        <translation>PellumSolitair&amp;e (٥٣٩ ك.بايت)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vyx Player (348KB)</source>
        <translation>Vyx Player (٣٤٨ ك.بايت)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Surfer (116KB)</source>
        <translation>Vyx Surfer (١١٦ ك.بايت)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Editor (216KB)</source>
        <translation>Vyx Editor (٢١٦ ك.بايت)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook (412KB)</source>
        <translation>Vyx Phonebook (٤١٢ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <location line="+10"/>
        <source>Publisher &amp;Home</source>
        <translation>ال&amp;صفحة الرئيسية للناشر</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+10"/>
        <source>Publisher &amp;Store</source>
        <translation>م&amp;تجر الناشر</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>&amp;Product Page</source>
        <translation>صفحة ال&amp;منتج</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>Publisher &amp;Catalog</source>
        <translation>&amp;فهرس منتجات الناشر</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+10"/>
        <source>Support/&amp;Feedback</source>
        <translation>ال&amp;دعم/الملاحظات</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+49"/>
        <source>Today&apos;s &amp;News</source>
        <translation>أخبار ال&amp;يوم</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Product &amp;Page</source>
        <translation>صفحة ال&amp;منتج</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Database Trial Downloads</source>
        <translation>تنزيلات تجريبية ل&amp;قواعد البيانات</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaline Database Application (11.1MB)</source>
        <translation>Tessaline Database Application (١١٫١ م.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline Professional Database (12.1MB)</source>
        <translation>Tessaline Professional Database (١٢٫١ م.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline Server</source>
        <translation>Tessaline Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook2 (9.12MB)</source>
        <translation>Vyx Phonebook2 (٩٫١٢ م.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Database (12MB)</source>
        <translation>Vyx Database (١٢ م.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;ellum Demo Downloads</source>
        <translation>تنزيلات Pellum التجري&amp;بية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PixSqueeze (820KB)</source>
        <translation>PixSqueeze (٨٢٠ ك.بايت)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PellumDownloader (215KB)</source>
        <translation>PellumDownloader (٢١٥ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumCrawler (217KB)</source>
        <translation>PellumCrawler (٢١٧ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumDraw (324KB)</source>
        <translation>PellumDraw (٣٢٤ ك.بايت)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PellumMailer (219KB)</source>
        <translation>PellumMailer (٢١٩ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumBrowser (206KB)</source>
        <translation>PellumBrowser (٢٠٦ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumSolitaire (539KB)</source>
        <translation>PellumSolitaire (٥٣٩ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free Downlo&amp;ads</source>
        <translation>تنزيلات م&amp;جانية</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook Free (424KB)</source>
        <translation>Vyx Phonebook المجاني (٤٢٤ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Editor Free (432KB)</source>
        <translation>Vyx Editor المجاني (٤٣٢ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx News Feeder (156KB)</source>
        <translation>Vyx News Feeder (١٥٦ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Surfer Free (116KB)</source>
        <translation>Vyx Surfer المجاني (١١٦ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Player Free (344KB)</source>
        <translation>Vyx Player المجاني (٣٤٤ ك.بايت)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Games Collection Free (6MB)</source>
        <translation>Vyx Games Collection المجانية (٦ م.بايت)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Technology News (Computer, Internet, ...)</source>
        <translation>أخبار التقنية (الحاسوب، الإنترنت، ...)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Entertainment News (Movies, Games, ...)</source>
        <translation>أخبار الترفيه (الأفلام، الألعاب، ...)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Business News (Stock Market)</source>
        <translation>أخبار الأعمال (سوق الأسهم)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sports News (Golf, Tennis, ...)</source>
        <translation>أخبار الرياضة (الغولف، التنس، ...)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>World News (Politics, World Events, ...)</source>
        <translation>أخبار العالم (السياسة، الأحداث العالمية، ...)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pa&amp;lFinder Service</source>
        <translation>&amp;خدمة PalFinder</translation>
    </message>
</context>
</TS>
