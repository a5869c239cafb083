<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>EngineFailure</name>
    <message>
        <location filename="../platform/media/EngineFailure.cpp" line="+38"/>
        <source>the stream&apos;s pieces cannot be read (the first is %1)</source>
        <translation>не удаётся прочитать фрагменты потока (первый из них — %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>there is nothing at that address (the server answered %1)</source>
        <translation>по этому адресу ничего нет (ответ сервера: %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server would not send it (it answered %1)</source>
        <translation>сервер отказался его передать (ответ сервера: %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the connection was refused: nothing answers at that address</source>
        <translation>в соединении отказано: по этому адресу никто не отвечает</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the name %1 could not be found: check the address and the network</source>
        <translation>имя %1 не найдено: проверьте адрес и подключение к сети</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the server did not answer in time</source>
        <translation>сервер не ответил вовремя</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing answers at that address</source>
        <translation>по этому адресу никто не отвечает</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no decoder for its codec</source>
        <translation>нет декодера для его кодека</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there is no decoder for its codec (%1)</source>
        <translation>нет декодера для его кодека (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no sound device could be opened</source>
        <translation>не удалось открыть ни одно звуковое устройство</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it holds no sound or picture that this player can decode</source>
        <translation>в нём нет звука или изображения, которые может декодировать этот проигрыватель</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not in a format that this player reads</source>
        <translation>его формат не поддерживается этим проигрывателем</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the address could not be read as media</source>
        <translation>по этому адресу не удалось прочитать медиаданные</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is damaged or cut short</source>
        <translation>файл повреждён или обрезан</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Piece %1 of the stream is missing: playing jumps over it</source>
        <translation>Фрагмент потока %1 отсутствует и будет пропущен</translation>
    </message>
</context>
<context>
    <name>MainBackground</name>
    <message>
        <location filename="../app/MainBackground.cpp" line="+63"/>
        <source>%1 › %2 to open a file  ·  %1 › %3</source>
        <extracomment>The line along the foot of the main window&apos;s picture: %1 is the File menu, %2 and %3 its Play and Open items, as the menu shows them.</extracomment>
        <translation>%1 › %2 — открыть файл  ·  %1 › %3</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Audio and video, light and fast</source>
        <extracomment>The line under the program&apos;s name in the main window&apos;s picture.</extracomment>
        <translation>Аудио и видео, легко и быстро</translation>
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
        <translation>не удалось отрисовать изображение</translation>
    </message>
</context>
<context>
    <name>vyx::CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+30"/>
        <source>not a local file address: %1</source>
        <translation>это не адрес локального файла: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>not a valid address: %1</source>
        <translation>недопустимый адрес: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only local files and addresses of streams (http://, rtsp://, rtmp://, mms://, udp://, ...) can be played: %1</source>
        <translation>воспроизводить можно только локальные файлы и адреса потоков (http://, rtsp://, rtmp://, mms://, udp://, ...): %1</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>--video-output must be auto, opengl or software, not &apos;%1&apos;</source>
        <translation>значением --video-output должно быть auto, opengl или software, а не «%1»</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--browse needs an address</source>
        <translation>для --browse нужен адрес</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>vyxplayer: %1
Try &apos;vyxplayer --help&apos; for more information.
</source>
        <translation>vyxplayer: %1
По команде «vyxplayer --help» можно получить дополнительную информацию.
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
        <translation>Использование: vyxplayer [ПАРАМЕТР]... [ФАЙЛ]...
Воспроизводит ФАЙЛ (путь, адрес file:// или адрес потока: http://, https://,
rtsp://, rtmp://, mms://, srt://, udp://, ...) в главном окне; несколько
файлов воспроизводятся по очереди.

      --separate-window  воспроизвести ФАЙЛ в отдельном окне проигрывателя
                         с изменяемым размером
      --browse АДРЕС     также открыть Vyx Surfer по АДРЕСУ (или --browse=АДРЕС)
      --video-output=ВЫВОД  способ вывода изображения: auto (через GPU, если
                         он есть), opengl или software
  -h, --help             показать эту справку и выйти
  -v, --version          показать версию и выйти
Стандартные параметры Qt (-platform, -style, ...) работают, как в любой
программе на Qt.

При QT_LOGGING_RULES=&quot;vyx.timing.info=true&quot; в стандартный поток ошибок
выводятся моменты, которых ждёт пользователь (первый кадр, адрес в браузере,
загрузка страницы); при &quot;vyx.media.info=true&quot; — что проигрыватель выбрал
для файла.
</translation>
    </message>
</context>
<context>
    <name>vyx::ControlBar</name>
    <message>
        <location filename="../mediaplayer/ControlBar.cpp" line="+42"/>
        <location line="+105"/>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+64"/>
        <source>Back 10 seconds</source>
        <translation>Назад на 10 секунд</translation>
    </message>
    <message>
        <location line="-63"/>
        <location line="+64"/>
        <source>Forward 10 seconds</source>
        <translation>Вперёд на 10 секунд</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+169"/>
        <source>Mute</source>
        <translation>Выключить звук</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>live</source>
        <translation>прямой эфир</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, live</source>
        <translation>%1, прямой эфир</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unmute</source>
        <translation>Включить звук</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>volume %1 percent</source>
        <translation>громкость %1%</translation>
    </message>
</context>
<context>
    <name>vyx::DownloadProgress</name>
    <message>
        <location filename="../platform/web/webengine/DownloadProgress.cpp" line="+13"/>
        <source>Downloading %1</source>
        <translation>Загрузка %1</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>disk full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not allowed to write there</source>
        <translation>нет прав на запись в эту папку</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The download of %1 failed: %2</source>
        <translation>Не удалось загрузить %1: %2</translation>
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
        <translation>Сохранено: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The download of %1 was cancelled.</source>
        <translation>Загрузка %1 отменена.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>vyx::EqualizerDialog</name>
    <message>
        <location filename="../mediaplayer/EqualizerDialog.cpp" line="+20"/>
        <source>%1 kHz</source>
        <translation>%1 кГц</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 Hz</source>
        <translation>%1 Гц</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Flat</source>
        <translation>Без коррекции</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classical</source>
        <translation>Классика</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pop</source>
        <translation>Поп</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock</source>
        <translation>Рок</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speech</source>
        <translation>Речь</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bass Boost</source>
        <translation>Усиление басов</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Equalizer</source>
        <translation>Эквалайзер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preset:</source>
        <translation>&amp;Предустановка:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your Own</source>
        <translation>Свои настройки</translation>
    </message>
</context>
<context>
    <name>vyx::ErrorTrap</name>
    <message>
        <location filename="../platform/dialogs/ErrorTrap.cpp" line="+83"/>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Ошибка выполнения «%1»:

%2</translation>
    </message>
</context>
<context>
    <name>vyx::MediaPlayer</name>
    <message>
        <location filename="../mediaplayer/MediaPlayer.cpp" line="+36"/>
        <source>Player</source>
        <translation>Проигрыватель</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>Equalizer: %1</source>
        <translation>Эквалайзер: %1</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PictureCommands.cpp" line="+26"/>
        <source>Shape 4:3</source>
        <translation>Соотношение сторон 4:3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 16:9</source>
        <translation>Соотношение сторон 16:9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 1.85:1</source>
        <translation>Соотношение сторон 1,85:1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 2.35:1</source>
        <translation>Соотношение сторон 2,35:1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shape as the file says</source>
        <translation>Соотношение сторон как в файле</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Deinterlacing on</source>
        <translation>Устранение чересстрочности включено</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deinterlacing off</source>
        <translation>Устранение чересстрочности выключено</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deinterlacing where the picture is interlaced</source>
        <translation>Устранение чересстрочности для чересстрочного видео</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Brightness %1</source>
        <translation>Яркость %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamma %1</source>
        <translation>Гамма %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation %1</source>
        <translation>Насыщенность %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hue %1</source>
        <translation>Оттенок %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Contrast %1</source>
        <translation>Контрастность %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Zoom %1%</source>
        <translation>Масштаб %1%</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Turned %1°</source>
        <translation>Поворот на %1°</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Picture as the file has it</source>
        <translation>Изображение как в файле</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Loudness evened out</source>
        <translation>Громкость выравнивается</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loudness as recorded</source>
        <translation>Громкость как в записи</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sound to %1</source>
        <translation>Вывод звука: %1</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayerCommand.cpp" line="+37"/>
        <source>Audio: %1</source>
        <translation>Аудио: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subtitles: %1</source>
        <translation>Субтитры: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Subtitles off</source>
        <translation>Субтитры выключены</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Repeat this entry</source>
        <translation>Повтор текущей записи</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Repeat the whole list</source>
        <translation>Повтор всего списка</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat off</source>
        <translation>Повтор выключен</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speed %1x</source>
        <translation>Скорость %1x</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Volume %1%</source>
        <translation>Громкость %1%</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mute</source>
        <translation>Звук выключен</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound on</source>
        <translation>Звук включён</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Shuffle on</source>
        <translation>Случайный порядок включён</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shuffle off</source>
        <translation>Случайный порядок выключен</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayerMenu.cpp" line="+50"/>
        <source>A&amp;udio</source>
        <translation>&amp;Аудиодорожка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Su&amp;btitles</source>
        <translation>С&amp;убтитры</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Off</source>
        <translation>Выключены</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Load subtitles...</source>
        <translation>&amp;Загрузить субтитры...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;hapters</source>
        <translation>&amp;Главы</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chapter %1</source>
        <translation>Глава %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Next Chapter</source>
        <translation>Следующая глава</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous Chapter</source>
        <translation>Предыдущая глава</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frame &amp;Forward</source>
        <translation>Кадр вп&amp;ерёд</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frame Bac&amp;k</source>
        <translation>Кадр &amp;назад</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A-B &amp;Loop</source>
        <translation>&amp;Цикл A-B</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screensho&amp;t</source>
        <translation>Снимок &amp;экрана</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Repeat</source>
        <translation>Пов&amp;тор</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Off</source>
        <translation>&amp;Не повторять</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This &amp;Entry</source>
        <translation>&amp;Текущую запись</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Whole &amp;List</source>
        <translation>&amp;Весь список</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shuffl&amp;e</source>
        <translation>Слу&amp;чайный порядок</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show L&amp;ist</source>
        <translation>Показать &amp;список</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dela&amp;ys</source>
        <translation>За&amp;держки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitles Earlier</source>
        <translation>Субтитры раньше</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subtitles Later</source>
        <translation>Субтитры позже</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound Earlier</source>
        <translation>Звук раньше</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound Later</source>
        <translation>Звук позже</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Reset Delays</source>
        <translation>&amp;Сбросить задержки</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>S&amp;peed</source>
        <translation>С&amp;корость</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pi&amp;cture</source>
        <translation>&amp;Изображение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn &amp;Right</source>
        <translation>Повернуть &amp;вправо</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn &amp;Left</source>
        <translation>Повернуть в&amp;лево</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Shape</source>
        <translation>&amp;Соотношение сторон</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>As the &amp;File Says</source>
        <translation>&amp;Как в файле</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom &amp;Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom Rese&amp;t</source>
        <translation>Исходный м&amp;асштаб</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Deinterlace</source>
        <translation>Устранение &amp;чересстрочности</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Where Interlaced</source>
        <translation>&amp;Автоматически</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Always</source>
        <translation>&amp;Всегда</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Never</source>
        <translation>&amp;Никогда</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Less Contrast</source>
        <translation>Меньше контрастности</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Contrast</source>
        <translation>Больше контрастности</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darker</source>
        <translation>Темнее</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Brighter</source>
        <translation>Светлее</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Less Gamma</source>
        <translation>Уменьшить гамму</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Gamma</source>
        <translation>Увеличить гамму</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Less Saturation</source>
        <translation>Меньше насыщенности</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Saturation</source>
        <translation>Больше насыщенности</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hue Back</source>
        <translation>Сдвинуть оттенок назад</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hue Forward</source>
        <translation>Сдвинуть оттенок вперёд</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reset &amp;Picture</source>
        <translation>Сбросить настройки &amp;изображения</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>S&amp;ound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Even Out Loudness</source>
        <translation>&amp;Выравнивать громкость</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;qualizer...</source>
        <translation>&amp;Эквалайзер...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Output &amp;Device</source>
        <translation>&amp;Устройство вывода</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The Desktop&apos;s Default</source>
        <translation>Системное по умолчанию</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>(none listed)</source>
        <translation>(нет устройств)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pl&amp;ay</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>P&amp;ause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation>&amp;Остановить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next</source>
        <translation>С&amp;ледующий</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pre&amp;vious</source>
        <translation>П&amp;редыдущий</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation>&amp;Без звука</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Display Size</source>
        <translation>&amp;Масштаб</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Original Size</source>
        <translation>&amp;Исходный размер</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fit to Player</source>
        <translation>По размеру &amp;окна</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayFileCommand.cpp" line="+29"/>
        <source>Select A Media File To Play</source>
        <translation>Выбор медиафайла для воспроизведения</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Load Subtitles</source>
        <translation>Загрузка субтитров</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Subtitles (*.srt *.ass *.ssa *.vtt *.sub)</source>
        <extracomment>The filters&apos; names; the patterns in brackets stay as they are.</extracomment>
        <translation>Субтитры (*.srt *.ass *.ssa *.vtt *.sub)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <location filename="../platform/media/MediaProbe.cpp" line="+103"/>
        <source>(no file name)</source>
        <translation>(без имени)</translation>
    </message>
    <message>
        <location filename="../platform/media/MediaTracks.cpp" line="+24"/>
        <source>Track %1</source>
        <translation>Дорожка %1</translation>
    </message>
</context>
<context>
    <name>vyx::MprisPlayerAdaptor</name>
    <message>
        <location filename="../mpris/MprisAdaptors.cpp" line="+258"/>
        <source>only file addresses and those of streams play (%1)</source>
        <translation>воспроизводятся только адреса файлов и потоков (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a valid address: %1</source>
        <translation>недопустимый адрес: %1</translation>
    </message>
</context>
<context>
    <name>vyx::MpvSession</name>
    <message>
        <location filename="../platform/media/MpvSession.cpp" line="+56"/>
        <source>nothing after its start can be played</source>
        <translation>после начала ничего не удаётся воспроизвести</translation>
    </message>
</context>
<context>
    <name>vyx::PageDialogs</name>
    <message>
        <location filename="../platform/web/webengine/PageDialogs.cpp" line="+23"/>
        <source>The page says</source>
        <translation>Сообщение страницы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The page at %1 says</source>
        <translation>Сообщение страницы %1</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Don&apos;t let this page show more dialogs</source>
        <translation>Запретить этой странице открывать другие диалоги</translation>
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
        <translation>%1 — это аудио или видео.
Воспроизвести в медиапроигрывателе или сохранить?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Play</source>
        <translation>&amp;Воспроизвести</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save...</source>
        <translation>&amp;Сохранить...</translation>
    </message>
</context>
<context>
    <name>vyx::Playback</name>
    <message>
        <location filename="../mediaplayer/Playback.cpp" line="+113"/>
        <source>the stream ended before any of it could be played</source>
        <translation>поток закончился прежде, чем удалось что-либо воспроизвести</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Cannot play %1:
%2</source>
        <translation>Не удаётся воспроизвести %1:
%2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The screenshot could not be saved: %1 cannot be made</source>
        <translation>Не удалось сохранить снимок экрана: невозможно создать %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Screenshot saved to %1</source>
        <translation>Снимок экрана сохранён в %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The screenshot could not be saved: %1</source>
        <translation>Не удалось сохранить снимок экрана: %1</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerDelays</name>
    <message>
        <location filename="../mediaplayer/PlayerDelays.cpp" line="+40"/>
        <source>Sound and subtitles in step</source>
        <translation>Звук и субтитры синхронизированы</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1%2 s</source>
        <translation>%1%2 с</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound delay: %1</source>
        <translation>Задержка звука: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitle delay: %1</source>
        <translation>Задержка субтитров: %1</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerListView</name>
    <message>
        <location filename="../mediaplayer/PlayerListView.cpp" line="+11"/>
        <source>Playlist</source>
        <translation>Список воспроизведения</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>playing</source>
        <translation>воспроизводится</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerMarks</name>
    <message>
        <location filename="../mediaplayer/PlayerMarks.cpp" line="+33"/>
        <source>Chapter %1 of %2</source>
        <translation>Глава %1 из %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Loop from %1</source>
        <translation>Цикл с %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Loop from %1 to %2</source>
        <translation>Цикл с %1 до %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loop off</source>
        <translation>Цикл выключен</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerScreen</name>
    <message>
        <location filename="../mediaplayer/PlayerScreen.cpp" line="+28"/>
        <source>No picture: the media engine cannot draw here.</source>
        <translation>Нет изображения: медиадвижок не может выводить его здесь.</translation>
    </message>
</context>
<context>
    <name>vyx::RuntimeError</name>
    <message>
        <location filename="../platform/errors/RuntimeError.cpp" line="+18"/>
        <source>Invalid procedure call or argument</source>
        <translation>Недопустимый вызов процедуры или аргумент</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal error</source>
        <translation>Внутренняя ошибка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bad file name or number</source>
        <translation>Неверное имя или номер файла</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Permission denied</source>
        <translation>Отказано в доступе</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path/File access error</source>
        <translation>Ошибка доступа к пути/файлу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid file format</source>
        <translation>Недопустимый формат файла</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address cannot be opened</source>
        <translation>Не удаётся открыть адрес</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no earlier page to go back to</source>
        <translation>Нет предыдущей страницы, к которой можно вернуться</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no later page to go forward to</source>
        <translation>Нет следующей страницы, к которой можно перейти</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The web engine could not be loaded</source>
        <translation>Не удалось загрузить веб-движок</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The media engine could not be started</source>
        <translation>Не удалось запустить медиадвижок</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The list names nothing that can be played</source>
        <translation>В списке нет ничего, что можно воспроизвести</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel was selected.</source>
        <translation>Выбрана отмена.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Application-defined or object-defined error</source>
        <translation>Ошибка, определяемая приложением или объектом</translation>
    </message>
</context>
<context>
    <name>vyx::ScreenSaverHold</name>
    <message>
        <location filename="../platform/desktop/ScreenSaverHold.cpp" line="+65"/>
        <source>Playing a video</source>
        <translation>Воспроизводится видео</translation>
    </message>
</context>
<context>
    <name>vyx::WebBrowser</name>
    <message>
        <location filename="../platform/web/WebBrowser.cpp" line="+51"/>
        <source>(empty address)</source>
        <translation>(пустой адрес)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (the browser does not open %2: addresses)</source>
        <extracomment>%2 is the address&apos;s scheme, as &quot;ftp&quot; in &quot;ftp://...&quot;</extracomment>
        <translation>%1 (браузер не открывает адреса вида %2:)</translation>
    </message>
</context>
<context>
    <name>vyx::WebEngineBrowser</name>
    <message>
        <location filename="../platform/web/webengine/WebEngineBrowser.cpp" line="+97"/>
        <source>Save Download As</source>
        <translation>Сохранить загружаемый файл как</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>not allowed to write there</source>
        <translation>нет прав на запись в эту папку</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;The page stopped working&lt;/title&gt;&lt;/head&gt;&lt;body style=&apos;font-family:sans-serif;margin:3em&apos;&gt;&lt;h2&gt;The page stopped working&lt;/h2&gt;&lt;p&gt;&lt;a href=&apos;%1&apos;&gt;Reload %2&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Страница перестала работать&lt;/title&gt;&lt;/head&gt;&lt;body style=&apos;font-family:sans-serif;margin:3em&apos;&gt;&lt;h2&gt;Страница перестала работать&lt;/h2&gt;&lt;p&gt;&lt;a href=&apos;%1&apos;&gt;Перезагрузить %2&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>vyx::frmAbout</name>
    <message>
        <location filename="../about/frmAbout.cpp" line="+82"/>
        <source>Quorvane light weight audio and video player. For more information on other products by Quorvane, visit %1.</source>
        <extracomment>%1 is the publisher&apos;s web site; Quorvane is the publisher&apos;s name.</extracomment>
        <translation>Лёгкий аудио- и видеопроигрыватель от Quorvane. О других продуктах Quorvane можно узнать на сайте %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you need an innovative database application for building and managing custom databases, try Tessaline Professional Database. Tessaline Pro is simple and intuitive to use, so you can start on your first database within minutes of installing it. It is also powerful: Tessaline Pro hides the complexity of building and managing a database behind clear menus and dialogs. That leaves you free to concentrate on the design of your database instead of the details of its storage. Tessaline Pro is fully customisable, so every database can look and work exactly the way you want it to. For each table it designs a form of its own, ready to use from the moment the table is created. On that form you set the location, size, colour and font of each column with just a few clicks. Download the free trial of Tessaline Pro today, and see for yourself how easy building databases is. 30-day trial version size 12.1MB</source>
        <extracomment>Tessaline Professional Database and Tessaline Pro are product names; the size is written as the language writes such sizes.</extracomment>
        <translation>Если вам нужна инновационная программа для создания собственных баз данных и управления ими, попробуйте Tessaline Professional Database. Tessaline Pro проста и понятна: за первую базу данных можно взяться уже через несколько минут после установки. При этом у неё широкие возможности: вся сложность создания и ведения базы данных скрыта за понятными меню и диалогами. Вы можете сосредоточиться на структуре базы данных, а не на тонкостях её хранения. Tessaline Pro полностью настраивается: каждая база данных может выглядеть и работать именно так, как вам нужно. Для каждой таблицы программа создаёт свою форму, готовую к работе сразу же. На ней положение, размер, цвет и шрифт каждого столбца задаются парой щелчков мыши. Скачайте бесплатную пробную версию Tessaline Pro сегодня и убедитесь сами, как легко создавать базы данных. Размер 30-дневной пробной версии — 12,1 МБ</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Version %1.%2.%3</source>
        <translation>Версия %1.%2.%3</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;System Info...</source>
        <translation>&amp;О системе...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copyright © Quorvane. All rights reserved.</source>
        <translation>© Quorvane. Все права защищены.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Download 30-day trial [12.1MB]</source>
        <translation>Скачать 30-дневную пробную версию [12,1 МБ]</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name, Vyx Player.</extracomment>
        <translation>О программе %1</translation>
    </message>
    <message>
        <location filename="../about/SysInfo.cpp" line="+53"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны</translation>
    </message>
</context>
<context>
    <name>vyx::frmBrowser</name>
    <message>
        <location filename="../browser/BrowserLogic.cpp" line="+28"/>
        <source>Working...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <location filename="../browser/BrowserToolBar.cpp" line="+25"/>
        <source>Backward</source>
        <translation>Назад</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home</source>
        <translation>Домой</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browse Offline</source>
        <translation>Открыть сохранённую страницу</translation>
    </message>
    <message>
        <location filename="../browser/frmBrowser.cpp" line="+90"/>
        <location line="+1"/>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close Vyx Surfer</source>
        <translation>&amp;Закрыть Vyx Surfer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Обновить</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Home</source>
        <translation>&amp;Домой</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Previous</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next</source>
        <translation>В&amp;перёд</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>&amp;О программе Vyx Player...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Online</source>
        <translation>&amp;Интернет</translation>
    </message>
    <message>
        <location line="+168"/>
        <source>Browse for offline web pages</source>
        <translation>Открытие сохранённой веб-страницы</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WebPages</source>
        <extracomment>The filters&apos; names; the patterns after them stay as they are.</extracomment>
        <translation>Веб-страницы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
</context>
<context>
    <name>vyx::frmMediaPlayer</name>
    <message>
        <location filename="../player/frmMediaPlayer.cpp" line="+46"/>
        <source>All Media Files</source>
        <extracomment>The filters&apos; names; the patterns after them stay as they are.</extracomment>
        <translation>Все медиафайлы</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Media Player</source>
        <translation>Медиапроигрыватель</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close MediaPlayer</source>
        <translation>&amp;Закрыть медиапроигрыватель</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Online</source>
        <translation>&amp;Интернет</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>&amp;О программе Vyx Player...</translation>
    </message>
</context>
<context>
    <name>vyx::frmVyx</name>
    <message>
        <location filename="../app/frmVyx.cpp" line="+86"/>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+14"/>
        <source>&amp;Open in separate window...</source>
        <translation>&amp;Открыть в отдельном окне...</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+17"/>
        <source>&amp;Play...</source>
        <translation>&amp;Воспроизвести...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Online</source>
        <translation>&amp;Интернет</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>&amp;О программе Vyx Player...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Files</source>
        <extracomment>The filter&apos;s name; the pattern after it stays as it is.</extracomment>
        <translation>Все файлы</translation>
    </message>
</context>
<context>
    <name>vyx::links</name>
    <message>
        <location filename="../links/LinkCatalogue.cpp" line="+68"/>
        <location line="+85"/>
        <source>&amp;Free Downloads Page</source>
        <translation>Страница бесплатных &amp;загрузок</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>&amp;Trial Downloads</source>
        <translation>&amp;Пробные версии</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaline &amp;Database Application (11.1MB)</source>
        <translation>Tessaline &amp;Database Application (11,1&#xa0;МБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline &amp;Professional Database (12.1MB)</source>
        <translation>Tessaline &amp;Professional Database (12,1&#xa0;МБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline &amp;Server</source>
        <translation>Tessaline &amp;Server</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;ixSqueeze (820KB)</source>
        <translation>P&amp;ixSqueeze (820&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pe&amp;llumDownloader (215KB)</source>
        <translation>Pe&amp;llumDownloader (215&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumCra&amp;wler (217KB)</source>
        <translation>PellumCra&amp;wler (217&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumD&amp;raw (324KB)</source>
        <translation>PellumD&amp;raw (324&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pellum&amp;Mailer (219KB)</source>
        <translation>Pellum&amp;Mailer (219&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pellum&amp;Browser (206KB)</source>
        <translation>Pellum&amp;Browser (206&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumSolitair&amp;e (539KB)</source>
        <translation>PellumSolitair&amp;e (539&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Vyx Player (348KB)</source>
        <translation>Vyx Player (348&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Surfer (116KB)</source>
        <translation>Vyx Surfer (116&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Editor (216KB)</source>
        <translation>Vyx Editor (216&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook (412KB)</source>
        <translation>Vyx Phonebook (412&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+6"/>
        <location line="+10"/>
        <source>Publisher &amp;Home</source>
        <translation>&amp;Домашняя страница издателя</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+10"/>
        <source>Publisher &amp;Store</source>
        <translation>&amp;Магазин издателя</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>&amp;Product Page</source>
        <translation>Страница &amp;продукта</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>Publisher &amp;Catalog</source>
        <translation>&amp;Каталог издателя</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+10"/>
        <source>Support/&amp;Feedback</source>
        <translation>Поддержка/&amp;отзывы</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+49"/>
        <source>Today&apos;s &amp;News</source>
        <translation>&amp;Новости дня</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Product &amp;Page</source>
        <translation>Страница &amp;продукта</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Database Trial Downloads</source>
        <translation>П&amp;робные версии баз данных</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaline Database Application (11.1MB)</source>
        <translation>Tessaline Database Application (11,1&#xa0;МБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline Professional Database (12.1MB)</source>
        <translation>Tessaline Professional Database (12,1&#xa0;МБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline Server</source>
        <translation>Tessaline Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook2 (9.12MB)</source>
        <translation>Vyx Phonebook2 (9,12&#xa0;МБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Database (12MB)</source>
        <translation>Vyx Database (12&#xa0;МБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;ellum Demo Downloads</source>
        <translation>Демо&amp;версии Pellum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PixSqueeze (820KB)</source>
        <translation>PixSqueeze (820&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PellumDownloader (215KB)</source>
        <translation>PellumDownloader (215&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumCrawler (217KB)</source>
        <translation>PellumCrawler (217&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumDraw (324KB)</source>
        <translation>PellumDraw (324&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PellumMailer (219KB)</source>
        <translation>PellumMailer (219&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumBrowser (206KB)</source>
        <translation>PellumBrowser (206&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PellumSolitaire (539KB)</source>
        <translation>PellumSolitaire (539&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free Downlo&amp;ads</source>
        <translation>&amp;Бесплатные загрузки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook Free (424KB)</source>
        <translation>Vyx Phonebook Free (424&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Editor Free (432KB)</source>
        <translation>Vyx Editor Free (432&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx News Feeder (156KB)</source>
        <translation>Vyx News Feeder (156&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Surfer Free (116KB)</source>
        <translation>Vyx Surfer Free (116&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Player Free (344KB)</source>
        <translation>Vyx Player Free (344&#xa0;КБ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Games Collection Free (6MB)</source>
        <translation>Vyx Games Collection Free (6&#xa0;МБ)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Technology News (Computer, Internet, ...)</source>
        <translation>Новости технологий (компьютеры, Интернет, ...)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Entertainment News (Movies, Games, ...)</source>
        <translation>Новости развлечений (кино, игры, ...)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Business News (Stock Market)</source>
        <translation>Деловые новости (фондовый рынок)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sports News (Golf, Tennis, ...)</source>
        <translation>Новости спорта (гольф, теннис, ...)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>World News (Politics, World Events, ...)</source>
        <translation>Мировые новости (политика, события в мире, ...)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pa&amp;lFinder Service</source>
        <translation>Служба Pa&amp;lFinder</translation>
    </message>
</context>
</TS>
