<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>EngineFailure</name>
    <message>
        <location filename="../platform/media/EngineFailure.cpp" line="+38"/>
        <source>the stream&apos;s pieces cannot be read (the first is %1)</source>
        <translation>não é possível ler os segmentos da transmissão (o primeiro é %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>there is nothing at that address (the server answered %1)</source>
        <translation>não há nada nesse endereço (o servidor respondeu %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the server would not send it (it answered %1)</source>
        <translation>o servidor se recusou a enviá-lo (ele respondeu %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the connection was refused: nothing answers at that address</source>
        <translation>a conexão foi recusada: nada responde nesse endereço</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the name %1 could not be found: check the address and the network</source>
        <translation>o nome %1 não foi encontrado: verifique o endereço e a rede</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the server did not answer in time</source>
        <translation>o servidor não respondeu a tempo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>nothing answers at that address</source>
        <translation>nada responde nesse endereço</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no decoder for its codec</source>
        <translation>não há decodificador para o seu codec</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there is no decoder for its codec (%1)</source>
        <translation>não há decodificador para o seu codec (%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no sound device could be opened</source>
        <translation>não foi possível abrir nenhum dispositivo de som</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it holds no sound or picture that this player can decode</source>
        <translation>não contém som nem imagem que este reprodutor consiga decodificar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not in a format that this player reads</source>
        <translation>não está em um formato que este reprodutor consiga ler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the address could not be read as media</source>
        <translation>não foi possível ler o endereço como mídia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the file is damaged or cut short</source>
        <translation>o arquivo está danificado ou incompleto</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Piece %1 of the stream is missing: playing jumps over it</source>
        <translation>Falta o segmento %1 da transmissão: a reprodução vai pulá-lo</translation>
    </message>
</context>
<context>
    <name>MainBackground</name>
    <message>
        <location filename="../app/MainBackground.cpp" line="+63"/>
        <source>%1 › %2 to open a file  ·  %1 › %3</source>
        <extracomment>The line along the foot of the main window&apos;s picture: %1 is the File menu, %2 and %3 its Play and Open items, as the menu shows them.</extracomment>
        <translation>%1 › %2 para abrir um arquivo  ·  %1 › %3</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Audio and video, light and fast</source>
        <extracomment>The line under the program&apos;s name in the main window&apos;s picture.</extracomment>
        <translation>Áudio e vídeo, leve e rápido</translation>
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
        <translation>não foi possível desenhar a imagem</translation>
    </message>
</context>
<context>
    <name>vyx::CommandLine</name>
    <message>
        <location filename="../app/CommandLine.cpp" line="+30"/>
        <source>not a local file address: %1</source>
        <translation>não é um endereço de arquivo local: %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>not a valid address: %1</source>
        <translation>endereço inválido: %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>only local files and addresses of streams (http://, rtsp://, rtmp://, mms://, udp://, ...) can be played: %1</source>
        <translation>só é possível reproduzir arquivos locais e endereços de transmissões (http://, rtsp://, rtmp://, mms://, udp://, ...): %1</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>--video-output must be auto, opengl or software, not &apos;%1&apos;</source>
        <translation>--video-output deve ser auto, opengl ou software, e não &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--browse needs an address</source>
        <translation>--browse precisa de um endereço</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>vyxplayer: %1
Try &apos;vyxplayer --help&apos; for more information.
</source>
        <translation>vyxplayer: %1
Tente &apos;vyxplayer --help&apos; para mais informações.
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
        <translation>Uso: vyxplayer [OPÇÃO]... [ARQUIVO]...
Reproduz ARQUIVO (um caminho, um endereço file:// ou o endereço de uma transmissão:
http://, https://, rtsp://, rtmp://, mms://, srt://, udp://, ...) na janela principal;
vários arquivos são reproduzidos em sequência.

      --separate-window  reproduz ARQUIVO na janela de reprodução separada e
                         redimensionável
      --browse ENDEREÇO  abre também o Vyx Surfer em ENDEREÇO (ou --browse=ENDEREÇO)
      --video-output=SAÍDA  desenha as imagens com auto (a GPU, se houver uma),
                         opengl ou software
  -h, --help             mostra esta ajuda e sai
  -v, --version          mostra a versão e sai
As opções do próprio Qt (-platform, -style, ...) valem como em todo programa Qt.

Com QT_LOGGING_RULES=&quot;vyx.timing.info=true&quot;, os momentos em que o usuário espera
(primeiro quadro, endereço do navegador, página carregada) são escritos na saída
de erro padrão; com &quot;vyx.media.info=true&quot;, o que o reprodutor escolheu para um
arquivo.
</translation>
    </message>
</context>
<context>
    <name>vyx::ControlBar</name>
    <message>
        <location filename="../mediaplayer/ControlBar.cpp" line="+42"/>
        <location line="+105"/>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+64"/>
        <source>Back 10 seconds</source>
        <translation>Voltar 10 segundos</translation>
    </message>
    <message>
        <location line="-63"/>
        <location line="+64"/>
        <source>Forward 10 seconds</source>
        <translation>Avançar 10 segundos</translation>
    </message>
    <message>
        <location line="-61"/>
        <location line="+169"/>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <location line="-149"/>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>live</source>
        <translation>ao vivo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, live</source>
        <translation>%1, ao vivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Unmute</source>
        <translation>Ativar som</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>volume %1 percent</source>
        <translation>volume %1 por cento</translation>
    </message>
</context>
<context>
    <name>vyx::DownloadProgress</name>
    <message>
        <location filename="../platform/web/webengine/DownloadProgress.cpp" line="+13"/>
        <source>Downloading %1</source>
        <translation>Baixando %1</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>disk full</source>
        <translation>disco cheio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not allowed to write there</source>
        <translation>sem permissão para gravar nesse local</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The download of %1 failed: %2</source>
        <translation>O download de %1 falhou: %2</translation>
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
        <translation>Salvo: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The download of %1 was cancelled.</source>
        <translation>O download de %1 foi cancelado.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Plano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Classical</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rock</source>
        <translation>Rock</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bass Boost</source>
        <translation>Reforço de graves</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Equalizer</source>
        <translation>Equalizador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Preset:</source>
        <translation>&amp;Predefinição:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Your Own</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>vyx::ErrorTrap</name>
    <message>
        <location filename="../platform/dialogs/ErrorTrap.cpp" line="+83"/>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Erro em tempo de execução &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>vyx::MediaPlayer</name>
    <message>
        <location filename="../mediaplayer/MediaPlayer.cpp" line="+36"/>
        <source>Player</source>
        <translation>Reprodutor</translation>
    </message>
    <message>
        <location line="+160"/>
        <source>Equalizer: %1</source>
        <translation>Equalizador: %1</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PictureCommands.cpp" line="+26"/>
        <source>Shape 4:3</source>
        <translation>Proporção 4:3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 16:9</source>
        <translation>Proporção 16:9</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 1.85:1</source>
        <translation>Proporção 1.85:1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shape 2.35:1</source>
        <translation>Proporção 2.35:1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Shape as the file says</source>
        <translation>Proporção conforme o arquivo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Deinterlacing on</source>
        <translation>Desentrelaçamento ativado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Deinterlacing off</source>
        <translation>Desentrelaçamento desativado</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Deinterlacing where the picture is interlaced</source>
        <translation>Desentrelaçamento quando a imagem for entrelaçada</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Brightness %1</source>
        <translation>Brilho %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gamma %1</source>
        <translation>Gama %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Saturation %1</source>
        <translation>Saturação %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hue %1</source>
        <translation>Matiz %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Contrast %1</source>
        <translation>Contraste %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Zoom %1%</source>
        <translation>Zoom %1%</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Turned %1°</source>
        <translation>Rotação %1°</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Picture as the file has it</source>
        <translation>Imagem como no arquivo</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Loudness evened out</source>
        <translation>Volume normalizado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Loudness as recorded</source>
        <translation>Volume como foi gravado</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sound to %1</source>
        <translation>Som em %1</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayerCommand.cpp" line="+37"/>
        <source>Audio: %1</source>
        <translation>Áudio: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Subtitles: %1</source>
        <translation>Legendas: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Subtitles off</source>
        <translation>Legendas desativadas</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Repeat this entry</source>
        <translation>Repetir este item</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Repeat the whole list</source>
        <translation>Repetir a lista inteira</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Repeat off</source>
        <translation>Repetição desativada</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Speed %1x</source>
        <translation>Velocidade %1x</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Volume %1%</source>
        <translation>Volume %1%</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mute</source>
        <translation>Mudo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sound on</source>
        <translation>Som ativado</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>Shuffle on</source>
        <translation>Ordem aleatória ativada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shuffle off</source>
        <translation>Ordem aleatória desativada</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayerMenu.cpp" line="+50"/>
        <source>A&amp;udio</source>
        <translation>Á&amp;udio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Su&amp;btitles</source>
        <translation>Le&amp;gendas</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Off</source>
        <translation>Desativadas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Load subtitles...</source>
        <translation>&amp;Carregar legendas...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>C&amp;hapters</source>
        <translation>&amp;Capítulos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chapter %1</source>
        <translation>Capítulo %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Next Chapter</source>
        <translation>Próximo capítulo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previous Chapter</source>
        <translation>Capítulo anterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frame &amp;Forward</source>
        <translation>Avançar &amp;quadro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frame Bac&amp;k</source>
        <translation>Voltar qua&amp;dro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A-B &amp;Loop</source>
        <translation>Repetição A-&amp;B</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Screensho&amp;t</source>
        <translation>Captura de &amp;tela</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Repeat</source>
        <translation>&amp;Repetir</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Off</source>
        <translation>&amp;Desativado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This &amp;Entry</source>
        <translation>Este &amp;item</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Whole &amp;List</source>
        <translation>&amp;Toda a lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shuffl&amp;e</source>
        <translation>Ordem al&amp;eatória</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show L&amp;ist</source>
        <translation>Mostrar &amp;lista</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dela&amp;ys</source>
        <translation>Atra&amp;sos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitles Earlier</source>
        <translation>Adiantar legendas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Subtitles Later</source>
        <translation>Atrasar legendas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound Earlier</source>
        <translation>Adiantar som</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sound Later</source>
        <translation>Atrasar som</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Reset Delays</source>
        <translation>&amp;Redefinir atrasos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>S&amp;peed</source>
        <translation>&amp;Velocidade</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1x</source>
        <translation>%1x</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Pi&amp;cture</source>
        <translation>&amp;Imagem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turn &amp;Right</source>
        <translation>Girar para a &amp;direita</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Turn &amp;Left</source>
        <translation>Girar para a &amp;esquerda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Shape</source>
        <translation>&amp;Proporção</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>As the &amp;File Says</source>
        <translation>Conforme o &amp;arquivo</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Aumentar zoom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom &amp;Out</source>
        <translation>Di&amp;minuir zoom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Zoom Rese&amp;t</source>
        <translation>&amp;Restaurar zoom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Deinterlace</source>
        <translation>Dese&amp;ntrelaçar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Where Interlaced</source>
        <translation>&amp;Quando entrelaçado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Always</source>
        <translation>&amp;Sempre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Never</source>
        <translation>&amp;Nunca</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Less Contrast</source>
        <translation>Menos contraste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Contrast</source>
        <translation>Mais contraste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Darker</source>
        <translation>Mais escuro</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Brighter</source>
        <translation>Mais claro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Less Gamma</source>
        <translation>Menos gama</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Gamma</source>
        <translation>Mais gama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Less Saturation</source>
        <translation>Menos saturação</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More Saturation</source>
        <translation>Mais saturação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hue Back</source>
        <translation>Recuar matiz</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hue Forward</source>
        <translation>Avançar matiz</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reset &amp;Picture</source>
        <translation>Redefinir &amp;imagem</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>S&amp;ound</source>
        <translation>S&amp;om</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Even Out Loudness</source>
        <translation>&amp;Normalizar volume</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;qualizer...</source>
        <translation>&amp;Equalizador...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Output &amp;Device</source>
        <translation>&amp;Dispositivo de saída</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The Desktop&apos;s Default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>(none listed)</source>
        <translation>(nenhum listado)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Pl&amp;ay</source>
        <translation>Re&amp;produzir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>P&amp;ause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Stop</source>
        <translation>P&amp;arar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next</source>
        <translation>Pró&amp;ximo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pre&amp;vious</source>
        <translation>A&amp;nterior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Mute</source>
        <translation>&amp;Mudo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Display Size</source>
        <translation>Taman&amp;ho de exibição</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Original Size</source>
        <translation>Tamanho &amp;original</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Fit to Player</source>
        <translation>&amp;Ajustar ao reprodutor</translation>
    </message>
    <message>
        <location filename="../mediaplayer/PlayFileCommand.cpp" line="+29"/>
        <source>Select A Media File To Play</source>
        <translation>Selecione um arquivo de mídia para reproduzir</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Load Subtitles</source>
        <translation>Carregar legendas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Subtitles (*.srt *.ass *.ssa *.vtt *.sub)</source>
        <extracomment>The filters&apos; names; the patterns in brackets stay as they are.</extracomment>
        <translation>Legendas (*.srt *.ass *.ssa *.vtt *.sub)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <location filename="../platform/media/MediaProbe.cpp" line="+103"/>
        <source>(no file name)</source>
        <translation>(sem nome de arquivo)</translation>
    </message>
    <message>
        <location filename="../platform/media/MediaTracks.cpp" line="+24"/>
        <source>Track %1</source>
        <translation>Faixa %1</translation>
    </message>
</context>
<context>
    <name>vyx::MprisPlayerAdaptor</name>
    <message>
        <location filename="../mpris/MprisAdaptors.cpp" line="+258"/>
        <source>only file addresses and those of streams play (%1)</source>
        <translation>só é possível reproduzir endereços de arquivos e de transmissões (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>not a valid address: %1</source>
        <translation>endereço inválido: %1</translation>
    </message>
</context>
<context>
    <name>vyx::MpvSession</name>
    <message>
        <location filename="../platform/media/MpvSession.cpp" line="+56"/>
        <source>nothing after its start can be played</source>
        <translation>não é possível reproduzir nada além do início</translation>
    </message>
</context>
<context>
    <name>vyx::PageDialogs</name>
    <message>
        <location filename="../platform/web/webengine/PageDialogs.cpp" line="+23"/>
        <source>The page says</source>
        <translation>A página diz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The page at %1 says</source>
        <translation>A página em %1 diz</translation>
    </message>
    <message>
        <location line="+92"/>
        <source>Don&apos;t let this page show more dialogs</source>
        <translation>Impedir que esta página mostre mais diálogos</translation>
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
        <translation>%1 é um arquivo de áudio ou vídeo.
Reproduzir no reprodutor de mídia ou salvar?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save...</source>
        <translation>&amp;Salvar...</translation>
    </message>
</context>
<context>
    <name>vyx::Playback</name>
    <message>
        <location filename="../mediaplayer/Playback.cpp" line="+113"/>
        <source>the stream ended before any of it could be played</source>
        <translation>a transmissão terminou antes que qualquer parte dela pudesse ser reproduzida</translation>
    </message>
    <message>
        <location line="+167"/>
        <source>Cannot play %1:
%2</source>
        <translation>Não é possível reproduzir %1:
%2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The screenshot could not be saved: %1 cannot be made</source>
        <translation>Não foi possível salvar a captura de tela: não é possível criar %1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Screenshot saved to %1</source>
        <translation>Captura de tela salva em %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The screenshot could not be saved: %1</source>
        <translation>Não foi possível salvar a captura de tela: %1</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerDelays</name>
    <message>
        <location filename="../mediaplayer/PlayerDelays.cpp" line="+40"/>
        <source>Sound and subtitles in step</source>
        <translation>Som e legendas sincronizados</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1%2 s</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sound delay: %1</source>
        <translation>Atraso do som: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Subtitle delay: %1</source>
        <translation>Atraso das legendas: %1</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerListView</name>
    <message>
        <location filename="../mediaplayer/PlayerListView.cpp" line="+11"/>
        <source>Playlist</source>
        <translation>Lista de reprodução</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>playing</source>
        <translation>em reprodução</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerMarks</name>
    <message>
        <location filename="../mediaplayer/PlayerMarks.cpp" line="+33"/>
        <source>Chapter %1 of %2</source>
        <translation>Capítulo %1 de %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Loop from %1</source>
        <translation>Repetição a partir de %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Loop from %1 to %2</source>
        <translation>Repetição de %1 até %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Loop off</source>
        <translation>Repetição A-B desativada</translation>
    </message>
</context>
<context>
    <name>vyx::PlayerScreen</name>
    <message>
        <location filename="../mediaplayer/PlayerScreen.cpp" line="+28"/>
        <source>No picture: the media engine cannot draw here.</source>
        <translation>Sem imagem: o mecanismo de mídia não consegue desenhar aqui.</translation>
    </message>
</context>
<context>
    <name>vyx::RuntimeError</name>
    <message>
        <location filename="../platform/errors/RuntimeError.cpp" line="+18"/>
        <source>Invalid procedure call or argument</source>
        <translation>Chamada de procedimento ou argumento inválido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Internal error</source>
        <translation>Erro interno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Bad file name or number</source>
        <translation>Nome ou número de arquivo incorreto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Path/File access error</source>
        <translation>Erro de acesso ao caminho/arquivo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid file format</source>
        <translation>Formato de arquivo inválido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The address cannot be opened</source>
        <translation>Não é possível abrir o endereço</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no earlier page to go back to</source>
        <translation>Não há página anterior para a qual voltar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is no later page to go forward to</source>
        <translation>Não há página seguinte para a qual avançar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The web engine could not be loaded</source>
        <translation>Não foi possível carregar o mecanismo web</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The media engine could not be started</source>
        <translation>Não foi possível iniciar o mecanismo de mídia</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The list names nothing that can be played</source>
        <translation>A lista não contém nada que possa ser reproduzido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel was selected.</source>
        <translation>A opção Cancelar foi selecionada.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Application-defined or object-defined error</source>
        <translation>Erro definido pelo aplicativo ou pelo objeto</translation>
    </message>
</context>
<context>
    <name>vyx::ScreenSaverHold</name>
    <message>
        <location filename="../platform/desktop/ScreenSaverHold.cpp" line="+65"/>
        <source>Playing a video</source>
        <translation>Reproduzindo um vídeo</translation>
    </message>
</context>
<context>
    <name>vyx::WebBrowser</name>
    <message>
        <location filename="../platform/web/WebBrowser.cpp" line="+51"/>
        <source>(empty address)</source>
        <translation>(endereço vazio)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 (the browser does not open %2: addresses)</source>
        <extracomment>%2 is the address&apos;s scheme, as &quot;ftp&quot; in &quot;ftp://...&quot;</extracomment>
        <translation>%1 (o navegador não abre endereços %2:)</translation>
    </message>
</context>
<context>
    <name>vyx::WebEngineBrowser</name>
    <message>
        <location filename="../platform/web/webengine/WebEngineBrowser.cpp" line="+97"/>
        <source>Save Download As</source>
        <translation>Salvar download como</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>not allowed to write there</source>
        <translation>sem permissão para gravar nesse local</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;The page stopped working&lt;/title&gt;&lt;/head&gt;&lt;body style=&apos;font-family:sans-serif;margin:3em&apos;&gt;&lt;h2&gt;The page stopped working&lt;/h2&gt;&lt;p&gt;&lt;a href=&apos;%1&apos;&gt;Reload %2&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;A página parou de funcionar&lt;/title&gt;&lt;/head&gt;&lt;body style=&apos;font-family:sans-serif;margin:3em&apos;&gt;&lt;h2&gt;A página parou de funcionar&lt;/h2&gt;&lt;p&gt;&lt;a href=&apos;%1&apos;&gt;Recarregar %2&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>vyx::frmAbout</name>
    <message>
        <location filename="../about/frmAbout.cpp" line="+82"/>
        <source>Quorvane light weight audio and video player. For more information on other products by Quorvane, visit %1.</source>
        <extracomment>%1 is the publisher&apos;s web site; Quorvane is the publisher&apos;s name.</extracomment>
        <translation>Reprodutor leve de áudio e vídeo da Quorvane. Para mais informações sobre outros produtos da Quorvane, visite %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>If you need an innovative database application for building and managing custom databases, try Tessaline Professional Database. Tessaline Pro is simple and intuitive to use, so you can start on your first database within minutes of installing it. It is also powerful: Tessaline Pro hides the complexity of building and managing a database behind clear menus and dialogs. That leaves you free to concentrate on the design of your database instead of the details of its storage. Tessaline Pro is fully customisable, so every database can look and work exactly the way you want it to. For each table it designs a form of its own, ready to use from the moment the table is created. On that form you set the location, size, colour and font of each column with just a few clicks. Download the free trial of Tessaline Pro today, and see for yourself how easy building databases is. 30-day trial version size 12.1MB</source>
        <extracomment>Tessaline Professional Database and Tessaline Pro are product names; the size is written as the language writes such sizes.</extracomment>
        <translation>Se você precisa de um aplicativo inovador para criar e gerenciar bancos de dados personalizados, experimente o Tessaline Professional Database. O Tessaline Pro é simples e intuitivo, e você pode começar seu primeiro banco de dados poucos minutos depois de instalá-lo. Ele também é poderoso: o Tessaline Pro esconde a complexidade de criar e gerenciar um banco de dados por trás de menus e diálogos claros. Assim, você fica livre para se concentrar no projeto do seu banco de dados, e não nos detalhes de como ele é armazenado. O Tessaline Pro é totalmente personalizável, e cada banco de dados pode ter exatamente a aparência e o funcionamento que você quiser. Para cada tabela, ele cria um formulário próprio, pronto para uso desde o momento em que a tabela é criada. Nesse formulário, você define a posição, o tamanho, a cor e a fonte de cada coluna com poucos cliques. Baixe hoje a versão de avaliação gratuita do Tessaline Pro e veja como é fácil criar bancos de dados. Versão de avaliação de 30 dias, tamanho 12,1 MB</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copyright © Quorvane. All rights reserved.</source>
        <translation>Copyright © Quorvane. Todos os direitos reservados.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Download 30-day trial [12.1MB]</source>
        <translation>Baixar avaliação de 30 dias [12,1 MB]</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name, Vyx Player.</extracomment>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <location filename="../about/SysInfo.cpp" line="+53"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>vyx::frmBrowser</name>
    <message>
        <location filename="../browser/BrowserLogic.cpp" line="+28"/>
        <source>Working...</source>
        <translation>Processando...</translation>
    </message>
    <message>
        <location filename="../browser/BrowserToolBar.cpp" line="+25"/>
        <source>Backward</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Home</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Browse Offline</source>
        <translation>Navegar offline</translation>
    </message>
    <message>
        <location filename="../browser/frmBrowser.cpp" line="+90"/>
        <location line="+1"/>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close Vyx Surfer</source>
        <translation>&amp;Fechar o Vyx Surfer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Home</source>
        <translation>Página &amp;inicial</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Previous</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Next</source>
        <translation>&amp;Próxima</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>&amp;Sobre o Vyx Player...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Online</source>
        <translation>&amp;Online</translation>
    </message>
    <message>
        <location line="+168"/>
        <source>Browse for offline web pages</source>
        <translation>Procurar páginas da web para ler offline</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WebPages</source>
        <extracomment>The filters&apos; names; the patterns after them stay as they are.</extracomment>
        <translation>Páginas da web</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
</context>
<context>
    <name>vyx::frmMediaPlayer</name>
    <message>
        <location filename="../player/frmMediaPlayer.cpp" line="+46"/>
        <source>All Media Files</source>
        <extracomment>The filters&apos; names; the patterns after them stay as they are.</extracomment>
        <translation>Todos os arquivos de mídia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Files</source>
        <translation>Todos os arquivos</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Media Player</source>
        <translation>Reprodutor de mídia</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Close MediaPlayer</source>
        <translation>&amp;Fechar o reprodutor de mídia</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Online</source>
        <translation>&amp;Online</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>&amp;Sobre o Vyx Player...</translation>
    </message>
</context>
<context>
    <name>vyx::frmVyx</name>
    <message>
        <location filename="../app/frmVyx.cpp" line="+86"/>
        <location line="+12"/>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+14"/>
        <source>&amp;Open in separate window...</source>
        <translation>&amp;Abrir em janela separada...</translation>
    </message>
    <message>
        <location line="-14"/>
        <location line="+17"/>
        <source>&amp;Play...</source>
        <translation>&amp;Reproduzir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Online</source>
        <translation>&amp;Online</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About Vyx Player...</source>
        <translation>&amp;Sobre o Vyx Player...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>All Files</source>
        <extracomment>The filter&apos;s name; the pattern after it stays as it is.</extracomment>
        <translation>Todos os arquivos</translation>
    </message>
</context>
<context>
    <name>vyx::links</name>
    <message>
        <location filename="../links/LinkCatalogue.cpp" line="+68"/>
        <location line="+85"/>
        <source>&amp;Free Downloads Page</source>
        <translation>Página de &amp;downloads gratuitos</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>&amp;Trial Downloads</source>
        <translation>&amp;Versões de avaliação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaline &amp;Database Application (11.1MB)</source>
        <translation>Tessaline &amp;Database Application (11,1 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline &amp;Professional Database (12.1MB)</source>
        <translation>Tessaline &amp;Professional Database (12,1 MB)</translation>
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
        <translation>Página &amp;inicial da editora</translation>
    </message>
    <message>
        <location line="-15"/>
        <location line="+7"/>
        <location line="+10"/>
        <source>Publisher &amp;Store</source>
        <translation>&amp;Loja da editora</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>&amp;Product Page</source>
        <translation>Página do &amp;produto</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+10"/>
        <source>Publisher &amp;Catalog</source>
        <translation>&amp;Catálogo da editora</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+10"/>
        <source>Support/&amp;Feedback</source>
        <translation>&amp;Suporte/comentários</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+49"/>
        <source>Today&apos;s &amp;News</source>
        <translation>&amp;Notícias de hoje</translation>
    </message>
    <message>
        <location line="-45"/>
        <source>Product &amp;Page</source>
        <translation>Página do &amp;produto</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Database Trial Downloads</source>
        <translation>&amp;Versões de avaliação de bancos de dados</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tessaline Database Application (11.1MB)</source>
        <translation>Tessaline Database Application (11,1 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline Professional Database (12.1MB)</source>
        <translation>Tessaline Professional Database (12,1 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tessaline Server</source>
        <translation>Tessaline Server</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vyx Phonebook2 (9.12MB)</source>
        <translation>Vyx Phonebook2 (9,12 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vyx Database (12MB)</source>
        <translation>Vyx Database (12 MB)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>P&amp;ellum Demo Downloads</source>
        <translation>Demonstrações da P&amp;ellum</translation>
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
        <translation>Downloads &amp;gratuitos</translation>
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
        <translation>Notícias de tecnologia (computadores, internet, ...)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Entertainment News (Movies, Games, ...)</source>
        <translation>Notícias de entretenimento (filmes, jogos, ...)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Business News (Stock Market)</source>
        <translation>Notícias de negócios (mercado de ações)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sports News (Golf, Tennis, ...)</source>
        <translation>Notícias de esportes (golfe, tênis, ...)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>World News (Politics, World Events, ...)</source>
        <translation>Notícias do mundo (política, acontecimentos mundiais, ...)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pa&amp;lFinder Service</source>
        <translation>Serviço Pal&amp;Finder</translation>
    </message>
</context>
</TS>
