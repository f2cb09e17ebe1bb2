<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>aboutquorvel</name>
    <message>
        <source>This link will take you to an online casino.</source>
        <translation>Este enlace te lleva a un casino online.</translation>
    </message>
    <message>
        <source>Quorvel - a pirate video slot</source>
        <translation>Quorvel - tragaperras pirata</translation>
    </message>
    <message>
        <source>Artwork from Game Icons by Lorc, Delapouite and contributors, CC BY 3.0</source>
        <translation>Gráficos: Game Icons de Lorc, Delapouite y otros, CC BY 3.0</translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation>Más tragaperras en :-</translation>
    </message>
    <message>
        <source>See more games at Tavrin</source>
        <translation>Más juegos en Tavrin</translation>
    </message>
    <message>
        <source>Any Feedback ? Please email me at :-</source>
        <translation>¿Opiniones? Escríbeme a :-</translation>
    </message>
    <message>
        <source>Email Me</source>
        <translation>Escríbeme</translation>
    </message>
    <message>
        <source>Any comments ? Please email me.</source>
        <translation>¿Comentarios? Mándame un correo.</translation>
    </message>
    <message>
        <source>CLICK to try real slots action </source>
        <translation>CLIC para jugar de verdad </translation>
    </message>
    <message>
        <source>Your computer needs to be connected to the internet to play casino slots online !!<byte value="xd"/></source>
        <translation>¡¡Tu ordenador necesita conexión a Internet para jugar en el casino online!!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Your computer needs to be connected to the internet for email !!<byte value="xd"/></source>
        <translation>¡¡Tu ordenador necesita conexión a Internet para el correo!!<byte value="xd"/></translation>
    </message>
    <message>
        <source>      Please be Patient as this may take a little time !!<byte value="xd"/>You are being taken via Tavrin to a secure web site that encrypts<byte value="xd"/>all transmitted  data according to the secure HTTP protocol.<byte value="xd"/></source>
        <translation>      ¡¡Ten paciencia, esto puede tardar un poco!!<byte value="xd"/>Te llevamos a través de Tavrin a un sitio web seguro que cifra<byte value="xd"/>todos los datos transmitidos según el protocolo HTTP seguro.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Quorvel FREE version</source>
        <translation>Quorvel versión GRATIS</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>error Opening Link to %1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Error al abrir el enlace a %1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Anything you wish</source>
        <translation>Lo que quieras</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>Quorvel is already running with the settings in %1.<byte value="xd"/></source>
        <translation>Quorvel ya está abierto con la configuración de %1.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Its window has been brought to the front; this copy closes.</source>
        <translation>Su ventana se ha traído al frente; esta copia se cierra.</translation>
    </message>
    <message>
        <source>This copy closes; carry on in the one already open.</source>
        <translation>Esta copia se cierra; sigue en la que ya está abierta.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read; the game goes on without them.</source>
        <translation>No se pudo leer la configuración de %1; el juego sigue sin ella.</translation>
    </message>
    <message>
        <source>The settings file %1 is far larger than the game ever writes. The game reads its own values from it and, at the next save, keeps it aside as %1.damaged and writes a new one.</source>
        <translation>El archivo de configuración %1 es mucho mayor de lo que el juego escribe nunca. El juego lee de él sus propios valores y, al guardar la próxima vez, lo aparta como %1.damaged y escribe uno nuevo.</translation>
    </message>
    <message>
        <source>The settings in %1 could be read only in part; what could not be read is left out of the next save.</source>
        <translation>La configuración de %1 solo se pudo leer en parte; lo que no se pudo leer se omitirá al guardar la próxima vez.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1; the game goes on with the values it has.</source>
        <translation>No se pudo guardar la configuración en %1; el juego sigue con los valores que tiene.</translation>
    </message>
</context>
<context>
    <name>quorvelpays</name>
    <message>
        <source>CLOSE PAYTABLE</source>
        <translation>CERRAR TABLA</translation>
    </message>
    <message>
        <source>QUORVEL PAYTABLE</source>
        <translation>QUORVEL TABLA DE PREMIOS</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>¡¡Máquina de ensueño!!</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Generosa</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Realista</translation>
    </message>
    <message>
        <source>big wins stand 1 in %1</source>
        <translation>grandes premios 1 de cada %1</translation>
    </message>
    <message>
        <source>Return to player, %1 lines, %2: %3 %</source>
        <translation>Retorno al jugador, %1 líneas, %2: %3 %</translation>
    </message>
</context>
<context>
    <name>quorvelrecall</name>
    <message>
        <source>Game Recall - your last ten games</source>
        <translation>Historial - tus últimas diez partidas</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Aún no has jugado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Back to the game (Esc)</source>
        <translation>Volver al juego (Esc)</translation>
    </message>
    <message>
        <source>%1   stake %2   win %3</source>
        <translation>%1   apuesta %2   premio %3</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>menor</translation>
    </message>
    <message>
        <source>major</source>
        <translation>mayor</translation>
    </message>
    <message>
        <source>grand</source>
        <translation>grand</translation>
    </message>
    <message numerus="yes">
        <source>%n free spins, total %1</source>
        <translation>
            <numerusform>%n giro gratis, total %1</numerusform>
            <numerusform>%n giros gratis, total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>jackpot board: %1 %2</source>
        <translation>tablero jackpot: %1 %2</translation>
    </message>
    <message>
        <source>No feature</source>
        <translation>Sin bono</translation>
    </message>
    <message>
        <source>Not gambled</source>
        <translation>Sin doblar</translation>
    </message>
    <message>
        <source>Gamble lost %1</source>
        <translation>Doble perdido %1</translation>
    </message>
    <message>
        <source>Gamble taken %1</source>
        <translation>Doble cobrado %1</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Played at %1</source>
        <translation>Jugada el %1</translation>
    </message>
    <message>
        <source>%1 lines at %2 = %3 credits</source>
        <translation>%1 líneas a %2 = %3 créditos</translation>
    </message>
    <message>
        <source>no line</source>
        <translation>ninguna línea</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>líneas %1</translation>
    </message>
    <message>
        <source>Won %1 (%2)</source>
        <translation>Ganado %1 (%2)</translation>
    </message>
    <message>
        <source>Credit %1 before, %2 after</source>
        <translation>Crédito antes %1, después %2</translation>
    </message>
</context>
<context>
    <name>quorvelsession</name>
    <message>
        <source>Game %1: gamble won %2</source>
        <translation>Partida %1: doble ganado %2</translation>
    </message>
    <message>
        <source>Game %1: free spins won %2</source>
        <translation>Partida %1: giros gratis ganados %2</translation>
    </message>
    <message>
        <source>Game %1: board prize %2</source>
        <translation>Partida %1: premio del tablero %2</translation>
    </message>
    <message>
        <source>Game %1: gamble lost %2</source>
        <translation>Partida %1: doble perdido %2</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <translation>
            <numerusform>%n partida</numerusform>
            <numerusform>%n partidas</numerusform>
        </translation>
    </message>
    <message>
        <source>No games yet this session: the chart starts with your first spin.</source>
        <translation>Aún no hay partidas: el gráfico empieza con tu primer giro.</translation>
    </message>
    <message>
        <source>Luckier than almost every session of %2.</source>
        <translation>Más suerte que casi cualquier sesión de %2.</translation>
    </message>
    <message>
        <source>Less lucky than almost every session of %2.</source>
        <translation>Menos suerte que casi cualquier sesión de %2.</translation>
    </message>
    <message>
        <source>Luckier than about %1 % of sessions of %2.</source>
        <translation>Más suerte que cerca del %1 % de las sesiones de %2.</translation>
    </message>
    <message>
        <source>Less lucky than about %1 % of sessions of %2.</source>
        <translation>Menos suerte que cerca del %1 % de las sesiones de %2.</translation>
    </message>
    <message>
        <source>Credit after each game</source>
        <translation>Crédito tras cada partida</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Credit ($)</source>
        <translation>Crédito ($)</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédito</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Giros gratis</translation>
    </message>
    <message>
        <source>Board prize</source>
        <translation>Premio del tablero</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Return so far</source>
        <translation>Retorno hasta ahora</translation>
    </message>
    <message>
        <source>Return (%)</source>
        <translation>Retorno (%)</translation>
    </message>
    <message>
        <source>Your return</source>
        <translation>Tu retorno</translation>
    </message>
    <message>
        <source>Long-run return</source>
        <translation>Retorno a largo plazo</translation>
    </message>
    <message>
        <source>Two standard deviations</source>
        <translation>Dos desviaciones típicas</translation>
    </message>
    <message>
        <source>Your Session</source>
        <translation>Tu sesión</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Back to the game (Esc)</source>
        <translation>Volver al juego (Esc)</translation>
    </message>
    <message>
        <source>Return so far against the long-run return</source>
        <translation>Retorno actual frente al de largo plazo</translation>
    </message>
    <message>
        <source>Return so far: %1   Long-run return: %2</source>
        <translation>Retorno actual: %1   A largo plazo: %2</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Tiempo de juego: %1</translation>
    </message>
    <message>
        <source>Games: %1</source>
        <translation>Partidas: %1</translation>
    </message>
    <message>
        <source>Wagered: %1</source>
        <translation>Apostado: %1</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Ganado: %1</translation>
    </message>
    <message>
        <source>Net: %1</source>
        <translation>Balance: %1</translation>
    </message>
    <message>
        <source>Biggest win: %1</source>
        <translation>Mayor premio: %1</translation>
    </message>
    <message>
        <source>Features won: free spins %1, boards %2</source>
        <translation>Bonos: giros gratis %1, tableros %2</translation>
    </message>
</context>
</TS>
