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
    <name>artwork</name>
    <message>
        <source>TREASURE AWAITS</source>
        <translation>EL TESORO ESPERA</translation>
    </message>
    <message>
        <source>Click for the casino page</source>
        <translation>Clic para ir al casino</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>CRÉDITO</translation>
    </message>
    <message>
        <source>LINES</source>
        <translation>LÍNEAS</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>APUESTA</translation>
    </message>
    <message>
        <source>TOTAL BET</source>
        <translation>APUESTA TOTAL</translation>
    </message>
    <message>
        <source>WINNER PAID</source>
        <translation>PREMIO</translation>
    </message>
    <message>
        <source>GRAND</source>
        <translation>GRAND</translation>
    </message>
    <message>
        <source>MAJOR</source>
        <translation>MAYOR</translation>
    </message>
    <message>
        <source>MINOR</source>
        <translation>MENOR</translation>
    </message>
    <message>
        <source>Pirate Treasure</source>
        <translation>Tesoro Pirata</translation>
    </message>
    <message>
        <source>25 Lines</source>
        <translation>25 Líneas</translation>
    </message>
    <message>
        <source>BIG WIN</source>
        <translation>GRAN BOTÍN</translation>
    </message>
    <message>
        <source>MEGA WIN</source>
        <translation>MEGA BOTÍN</translation>
    </message>
    <message>
        <source>EPIC WIN</source>
        <translation>BOTÍN ÉPICO</translation>
    </message>
    <message>
        <source>Insert Credit</source>
        <translation>Meter crédito</translation>
    </message>
    <message>
        <source>Select Lines</source>
        <translation>Elegir líneas</translation>
    </message>
    <message>
        <source>Bet Per Line</source>
        <translation>Apuesta por línea</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>GIRAR</translation>
    </message>
    <message>
        <source>GAMBLE</source>
        <translation>DOBLAR</translation>
    </message>
    <message>
        <source>AUTO On/Off</source>
        <translation>AUTO Sí/No</translation>
    </message>
    <message>
        <source>For ease use SPACE BAR to spin reels</source>
        <translation>Consejo: la BARRA ESPACIADORA gira los rodillos</translation>
    </message>
    <message>
        <source>Colour pays double · Suit pays four times</source>
        <translation>Color paga doble · Palo paga cuádruple</translation>
    </message>
    <message>
        <source>YOU WIN!</source>
        <translation>¡GANASTE!</translation>
    </message>
    <message>
        <source>YOU LOSE</source>
        <translation>PERDISTE</translation>
    </message>
    <message>
        <source>JACKPOT</source>
        <translation>JACKPOT</translation>
    </message>
    <message>
        <source>Where will the ball stop?</source>
        <translation>¿Dónde parará la bola?</translation>
    </message>
    <message>
        <source>JACKPOT WON!</source>
        <translation>¡JACKPOT GANADO!</translation>
    </message>
    <message>
        <source>CAPTAIN</source>
        <translation>CAPITÁN</translation>
    </message>
    <message>
        <source>SHIP</source>
        <translation>BARCO</translation>
    </message>
    <message>
        <source>SKULL</source>
        <translation>CALAVERA</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>BANDERA</translation>
    </message>
    <message>
        <source>CUTLASS</source>
        <translation>ALFANJE</translation>
    </message>
    <message>
        <source>COIN</source>
        <translation>MONEDA</translation>
    </message>
    <message>
        <source>PARROT</source>
        <translation>LORO</translation>
    </message>
    <message>
        <source>PISTOL</source>
        <translation>PISTOLA</translation>
    </message>
    <message>
        <source>CANNON</source>
        <translation>CAÑÓN</translation>
    </message>
    <message>
        <source>MAP</source>
        <translation>MAPA</translation>
    </message>
    <message>
        <source>%1 in a row  x %2</source>
        <translation>%1 seguidos  x %2</translation>
    </message>
    <message>
        <source>Anywhere on the reels, times the total bet:  </source>
        <translation>En cualquier lugar de los rodillos, por la apuesta total:  </translation>
    </message>
    <message>
        <source>Three or more also award free spins:  </source>
        <translation>Tres o más también dan tiradas gratis:  </translation>
    </message>
    <message>
        <source>PAY TABLE</source>
        <translation>TABLA DE PREMIOS</translation>
    </message>
    <message>
        <source>Line pays: times the bet per line, matching from reel 1 on a played line</source>
        <translation>Premios de línea: por la apuesta por línea, iguales desde el rodillo 1 en una línea jugada</translation>
    </message>
    <message>
        <source>WILD</source>
        <translation>WILD</translation>
    </message>
    <message>
        <source>Stands in for every paying symbol at once:</source>
        <translation>Sustituye a la vez a todos los símbolos que pagan:</translation>
    </message>
    <message>
        <source>a line pays every symbol that the wilds complete on it.</source>
        <translation>una línea paga cada símbolo que los wilds completan en ella.</translation>
    </message>
    <message>
        <source>TREASURE CHEST</source>
        <translation>COFRE DEL TESORO</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPCIONES</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENÚ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Paylines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROJO</translation>
    </message>
    <message>
        <source>BLACK</source>
        <translation>NEGRO</translation>
    </message>
    <message>
        <source>Take Win</source>
        <translation>Cobrar</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Embolsar</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>FREESPINS AWARDED</source>
        <translation>TIRADAS GRATIS GANADAS</translation>
    </message>
    <message>
        <source>Free Spins Completed</source>
        <translation>Tiradas gratis terminadas</translation>
    </message>
    <message>
        <source>FREESPINS REMAINING =</source>
        <translation>TIRADAS RESTANTES =</translation>
    </message>
    <message>
        <source>Back to the Game</source>
        <translation>Volver al juego</translation>
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
    <name>quorvel</name>
    <message>
        <source>Reels</source>
        <translation>Rodillos</translation>
    </message>
    <message>
        <source>Insert Credit</source>
        <translation>Meter crédito</translation>
    </message>
    <message>
        <source>Select Lines</source>
        <translation>Elegir líneas</translation>
    </message>
    <message>
        <source>Bet Per Line</source>
        <translation>Apuesta por línea</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>GIRAR</translation>
    </message>
    <message>
        <source>GAMBLE</source>
        <translation>DOBLAR</translation>
    </message>
    <message>
        <source>AUTO On/Off</source>
        <translation>AUTO Sí/No</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPCIONES</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENÚ</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>View Pay Table</source>
        <translation>Ver tabla de premios</translation>
    </message>
    <message>
        <source>View Paylines</source>
        <translation>Ver líneas de premio</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Embolsar</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Doblar</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Take Win</source>
        <translation>Cobrar</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédito</translation>
    </message>
    <message>
        <source>Credit in dollars</source>
        <translation>Crédito en dólares</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Total Bet</source>
        <translation>Apuesta total</translation>
    </message>
    <message>
        <source>Total Bet in dollars</source>
        <translation>Apuesta total en dólares</translation>
    </message>
    <message>
        <source>Winner Paid</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Winner Paid in dollars</source>
        <translation>Premio en dólares</translation>
    </message>
    <message>
        <source>Grand Jackpot</source>
        <translation>Jackpot Grand</translation>
    </message>
    <message>
        <source>Major Jackpot</source>
        <translation>Jackpot Major</translation>
    </message>
    <message>
        <source>Minor Jackpot</source>
        <translation>Jackpot Minor</translation>
    </message>
    <message>
        <source>Free Spins Left</source>
        <translation>Tiradas gratis restantes</translation>
    </message>
    <message>
        <source>Top row</source>
        <translation>Fila superior</translation>
    </message>
    <message>
        <source>Middle row</source>
        <translation>Fila central</translation>
    </message>
    <message>
        <source>Bottom row</source>
        <translation>Fila inferior</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>As de corazones</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>As de tréboles</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>As de diamantes</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>As de picas</translation>
    </message>
    <message>
        <source>Past card: Hearts</source>
        <translation>Carta anterior: corazones</translation>
    </message>
    <message>
        <source>Past card: Clubs</source>
        <translation>Carta anterior: tréboles</translation>
    </message>
    <message>
        <source>Past card: Diamonds</source>
        <translation>Carta anterior: diamantes</translation>
    </message>
    <message>
        <source>Past card: Spades</source>
        <translation>Carta anterior: picas</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Premio %1</translation>
    </message>
    <message>
        <source>No Win</source>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>, jackpot feature</source>
        <translation>, ronda del jackpot</translation>
    </message>
    <message>
        <source>, free spins</source>
        <translation>, tiradas gratis</translation>
    </message>
    <message>
        <source>, free spins completed, Collect</source>
        <translation>, tiradas gratis terminadas, Embolsar</translation>
    </message>
    <message>
        <source>Credit %1</source>
        <translation>Crédito %1</translation>
    </message>
    <message>
        <source>Lines %1, bet per line %2, total bet %3</source>
        <translation>%1 líneas, apuesta por línea %2, apuesta total %3</translation>
    </message>
    <message>
        <source>Gamble, At Risk %1</source>
        <translation>Doblar, en juego %1</translation>
    </message>
    <message>
        <source>%1, win, At Risk %2</source>
        <translation>%1, ganada, en juego %2</translation>
    </message>
    <message>
        <source>%1, No Win</source>
        <translation>%1, sin premio</translation>
    </message>
    <message numerus="yes">
        <source>Autoplay: %n spins left</source>
        <comment>Autoplay: %n spin left</comment>
        <translation>
            <numerusform>Autojuego: queda %n tirada</numerusform>
            <numerusform>Autojuego: quedan %n tiradas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Autoplay stopped after %n spins.</source>
        <comment>Autoplay stopped after %n spin.</comment>
        <translation>
            <numerusform>Autojuego detenido tras %n tirada.</numerusform>
            <numerusform>Autojuego detenido tras %n tiradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Autoplay stopped: the credit fell by %1.</source>
        <translation>Autojuego detenido: el crédito bajó %1.</translation>
    </message>
    <message>
        <source>Autoplay stopped on a win of %1.</source>
        <translation>Autojuego detenido con un premio de %1.</translation>
    </message>
    <message>
        <source>Autoplay stopped: free spins won.</source>
        <translation>Autojuego detenido: tiradas gratis ganadas.</translation>
    </message>
    <message>
        <source>Collected %1, </source>
        <translation>%1 embolsado, </translation>
    </message>
    <message>
        <source>This guess cannot be played: what it could win would not fit your credit or your statistics. Take the win instead.</source>
        <translation>Esta apuesta no se puede jugar: lo que podría ganar no cabría en tu crédito ni en tus estadísticas. Cobra el premio.</translation>
    </message>
    <message>
        <source>At Risk  %1</source>
        <translation>En juego  %1</translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation>Negro/Rojo = %1</translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation>Palo = %1</translation>
    </message>
    <message>
        <source> ..............PLEASE READ.................<byte value="xd"/> When you use this function all other Functions are<byte value="xd"/>   unavailable to you until you turn the Autoplay OFF <byte value="xd"/> To turn Autoplay OFF Click on the Auto On/Off button.<byte value="xd"/>  <byte value="xd"/>  This message will not appear again</source>
        <translation> ..............LEA ESTO.................<byte value="xd"/> Mientras el autojuego esté activo, todas las demás funciones<byte value="xd"/>   quedan bloqueadas hasta que lo DESACTIVES.<byte value="xd"/> Para desactivarlo, pulsa el botón AUTO Sí/No.<byte value="xd"/>  <byte value="xd"/>  Este mensaje no volverá a aparecer</translation>
    </message>
    <message>
        <source>Autoplay on</source>
        <translation>Autojuego activado</translation>
    </message>
    <message>
        <source>Autoplay off</source>
        <translation>Autojuego desactivado</translation>
    </message>
    <message>
        <source>Autoplay stopped: the jackpot board.</source>
        <translation>Autojuego detenido: el tablero del jackpot.</translation>
    </message>
    <message>
        <source>BET X %1  = %2</source>
        <translation>APUESTA X %1  = %2</translation>
    </message>
    <message>
        <source>Jackpot %1, </source>
        <translation>Jackpot %1, </translation>
    </message>
    <message>
        <source>For ease  use SPACE BAR to spin reels</source>
        <translation>Más fácil: la BARRA ESPACIADORA gira los rodillos</translation>
    </message>
    <message>
        <source>CLICK to insert $50.00 of credit</source>
        <translation>PULSAR para añadir $50.00 de crédito</translation>
    </message>
    <message>
        <source>CLICK to select LINES 1 to 25</source>
        <translation>PULSAR para elegir LÍNEAS de 1 a 25</translation>
    </message>
    <message>
        <source>CLICK to choose how many coins to bet per LINE</source>
        <translation>PULSAR para elegir las monedas por LÍNEA</translation>
    </message>
    <message>
        <source>CLICK to turn AUTOPLAY ON or OFF</source>
        <translation>PULSAR para ACTIVAR o DESACTIVAR el AUTOJUEGO</translation>
    </message>
    <message>
        <source>Options, CLICK to VIEW</source>
        <translation>Opciones, PULSAR para ABRIR</translation>
    </message>
    <message>
        <source>Bet on Hearts</source>
        <translation>Apostar a corazones</translation>
    </message>
    <message>
        <source>Bet on Clubs</source>
        <translation>Apostar a tréboles</translation>
    </message>
    <message>
        <source>Bet on Diamonds</source>
        <translation>Apostar a diamantes</translation>
    </message>
    <message>
        <source>Bet on Spades</source>
        <translation>Apostar a picas</translation>
    </message>
    <message>
        <source>past history</source>
        <translation>cartas pasadas</translation>
    </message>
    <message>
        <source>Bet on Red</source>
        <translation>Apostar a rojo</translation>
    </message>
    <message>
        <source>Chicken out and take win</source>
        <translation>Rajarse y cobrar el premio</translation>
    </message>
    <message>
        <source>Bet on Black</source>
        <translation>Apostar a negro</translation>
    </message>
    <message>
        <source>Not enough credit for this bet !, reduce your bet or click the &quot;Insert Credit Button &quot; for more credit.</source>
        <translation>¡No hay crédito para esta apuesta! Baja la apuesta o pulsa «Añadir crédito».</translation>
    </message>
    <message>
        <source>CLICK to turn the sound off or on (M)</source>
        <translation>PULSAR para quitar o poner el sonido (M)</translation>
    </message>
    <message>
        <source>CLICK to set the volume</source>
        <translation>PULSAR para ajustar el volumen</translation>
    </message>
    <message>
        <source>Your interrupted game has been restored.</source>
        <translation>Tu partida interrumpida se ha restaurado.</translation>
    </message>
    <message>
        <source>You have played %1: %2, wagered %3, won %4, net %5.</source>
        <translation>Lleva %1 jugando: %2, apostado %3, ganado %4, neto %5.</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Seguir jugando</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>This spin cannot be played: its largest win would not fit your credit or your statistics. Clear the statistics in the options to play on.</source>
        <translation>Esta tirada no se puede jugar: su mayor premio no cabría en tu crédito ni en tus estadísticas. Borra las estadísticas en las opciones para seguir.</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Buena suerte</translation>
    </message>
    <message>
        <source>Your interrupted game could not be restored: its stored record was damaged, so play starts afresh.</source>
        <translation>No se pudo restaurar tu partida interrumpida: su registro estaba dañado, así que el juego empieza de nuevo.</translation>
    </message>
    <message>
        <source> The money it had in play, %1, has been returned to your credit.</source>
        <translation> El dinero que estaba en juego, %1, se ha devuelto a tu crédito.</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Activar sonido</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Volume %1 percent, plus and minus keys change it</source>
        <translation>Volumen %1 por ciento, las teclas más y menos lo cambian</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <comment>%n game</comment>
        <translation>
            <numerusform>%n partida</numerusform>
            <numerusform>%n partidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>%n minute</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorveloptions</name>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Velocidad =   %1</translation>
    </message>
    <message>
        <source> ON</source>
        <translation> SÍ</translation>
    </message>
    <message>
        <source> OFF</source>
        <translation> NO</translation>
    </message>
    <message>
        <source>Already 800 X 600 resolution !!<byte value="xd"/></source>
        <translation>¡¡Ya estás en 800 X 600!!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Opciones de Quorvel</translation>
    </message>
    <message>
        <source>Input Players Name                                    Then Enter</source>
        <translation>Tu nombre                                                 y pulsa Intro</translation>
    </message>
    <message>
        <source>    Total won does not include any funds from jackpots.</source>
        <translation>    El total ganado no incluye el oro de los botes.</translation>
    </message>
    <message>
        <source>Quick Stop</source>
        <translation>Parada rápida</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Cerrar y guardar cambios</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Tirar al jugador por la borda</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>toggle sound</source>
        <translation>Sonido sí/no</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Velocidad de rodillos</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster                       Slower&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;Rápido                    Lento&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Pago %</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Realista</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>¡¡Un sueño!!</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Tamaño de pantalla</translation>
    </message>
    <message>
        <source>Origonal Screen Size</source>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>Large Size 800X600</source>
        <translation>Grande 800X600</translation>
    </message>
    <message>
        <source>Note :- Some machines 
may not support this 
option.
</source>
        <translation>Nota :- Algunas 
máquinas no admiten 
esta opción.
</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>Autoplay stops</source>
        <translation>Paradas del juego automático</translation>
    </message>
    <message>
        <source>After this many spins</source>
        <translation>Tras tantas tiradas</translation>
    </message>
    <message>
        <source>When the credit has fallen by</source>
        <translation>Cuando el crédito ha bajado</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin tope</translation>
    </message>
    <message>
        <source>On a single win of at least</source>
        <translation>Con un premio de al menos × la apuesta</translation>
    </message>
    <message>
        <source>10× bet</source>
        <translation>10×</translation>
    </message>
    <message>
        <source>50× bet</source>
        <translation>50×</translation>
    </message>
    <message>
        <source>100× bet</source>
        <translation>100×</translation>
    </message>
    <message>
        <source>When a feature starts</source>
        <translation>Al empezar un bonus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Input Players Name</source>
        <translation>Escribir el nombre del jugador</translation>
    </message>
    <message>
        <source>No reminder</source>
        <translation>Sin aviso</translation>
    </message>
    <message>
        <source>Reminder every 15 minutes</source>
        <translation>Aviso cada 15 minutos</translation>
    </message>
    <message>
        <source>Reminder every 30 minutes</source>
        <translation>Aviso cada 30 minutos</translation>
    </message>
    <message>
        <source>Reminder every 60 minutes</source>
        <translation>Aviso cada 60 minutos</translation>
    </message>
    <message>
        <source>No spin limit</source>
        <translation>Sin límite de tiradas</translation>
    </message>
    <message>
        <source>Stop autoplay after 10 spins</source>
        <translation>Parar el juego automático tras 10 tiradas</translation>
    </message>
    <message>
        <source>Stop autoplay after 25 spins</source>
        <translation>Parar el juego automático tras 25 tiradas</translation>
    </message>
    <message>
        <source>Stop autoplay after 50 spins</source>
        <translation>Parar el juego automático tras 50 tiradas</translation>
    </message>
    <message>
        <source>Stop autoplay after 100 spins</source>
        <translation>Parar el juego automático tras 100 tiradas</translation>
    </message>
    <message>
        <source>Stop autoplay after 250 spins</source>
        <translation>Parar el juego automático tras 250 tiradas</translation>
    </message>
    <message>
        <source>No loss limit</source>
        <translation>Sin límite de pérdidas</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $5</source>
        <translation>Parar el juego automático cuando el crédito baje $5</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $10</source>
        <translation>Parar el juego automático cuando el crédito baje $10</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $25</source>
        <translation>Parar el juego automático cuando el crédito baje $25</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $50</source>
        <translation>Parar el juego automático cuando el crédito baje $50</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $100</source>
        <translation>Parar el juego automático cuando el crédito baje $100</translation>
    </message>
    <message>
        <source>No win limit</source>
        <translation>Sin límite de premio</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 10 times the bet</source>
        <translation>Parar el juego automático con un premio de 10 veces la apuesta</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 50 times the bet</source>
        <translation>Parar el juego automático con un premio de 50 veces la apuesta</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 100 times the bet</source>
        <translation>Parar el juego automático con un premio de 100 veces la apuesta</translation>
    </message>
    <message>
        <source>Stop autoplay when a feature starts</source>
        <translation>Parar el juego automático al empezar un bonus</translation>
    </message>
    <message>
        <source>Play on through features</source>
        <translation>Seguir jugando durante los bonus</translation>
    </message>
    <message>
        <source>Language as the system&apos;s</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>No has escrito nada</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nombre demasiado largo</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>¿Seguro que quieres tirar por la borda los datos de este jugador?</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Total Wagered</source>
        <translation>Total apostado</translation>
    </message>
    <message>
        <source>Total Won</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Winning/Losing</source>
        <translation>Gana/Pierde</translation>
    </message>
    <message>
        <source>Returned To Player</source>
        <translation>Retorno al jugador</translation>
    </message>
    <message>
        <source>Total Invested</source>
        <translation>Total invertido</translation>
    </message>
    <message>
        <source>Freespins Won</source>
        <translation>Tiradas gratis</translation>
    </message>
    <message>
        <source>Grand Jackpots Won</source>
        <translation>Botes Grand</translation>
    </message>
    <message>
        <source>Major jackpots Won</source>
        <translation>Botes Major</translation>
    </message>
    <message>
        <source>Minor Jackpots Won</source>
        <translation>Botes Minor</translation>
    </message>
    <message>
        <source>Current Player</source>
        <translation>Al timón</translation>
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
        <comment>%n free spin, total %1</comment>
        <translation>
            <numerusform>%n tirada gratis, total %1</numerusform>
            <numerusform>%n tiradas gratis, total %1</numerusform>
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
        <translation>Partida %1: tiradas gratis ganados %2</translation>
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
        <comment>%n game</comment>
        <translation>
            <numerusform>%n partida</numerusform>
            <numerusform>%n partidas</numerusform>
        </translation>
    </message>
    <message>
        <source>No games yet this session: the chart starts with your first spin.</source>
        <translation>Aún no hay partidas: el gráfico empieza con tu primera tirada.</translation>
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
        <translation>Tiradas gratis</translation>
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
        <translation>Bonos: tiradas gratis %1, tableros %2</translation>
    </message>
</context>
<context>
    <name>symbols</name>
    <message>
        <source>captain</source>
        <translation>capitán</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>barco</translation>
    </message>
    <message>
        <source>skull</source>
        <translation>calavera</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>bandera</translation>
    </message>
    <message>
        <source>cutlass</source>
        <translation>alfanje</translation>
    </message>
    <message>
        <source>coin</source>
        <translation>moneda</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>loro</translation>
    </message>
    <message>
        <source>pistol</source>
        <translation>pistola</translation>
    </message>
    <message>
        <source>cannon</source>
        <translation>cañón</translation>
    </message>
    <message>
        <source>map</source>
        <translation>mapa del tesoro</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>comodín</translation>
    </message>
    <message>
        <source>jollyroger</source>
        <translation>Jolly Roger</translation>
    </message>
    <message>
        <source>chest</source>
        <translation>cofre</translation>
    </message>
</context>
</TS>
