<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>quorvel</name>
    <message>
        <source>Reels</source>
        <translation>Rodillos</translation>
    </message>
    <message>
        <source>Insert Credit</source>
        <translation>Añadir crédito</translation>
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
        <translation>Historial de partidas</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Cobrar</translation>
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
        <translation>Cobrar premio</translation>
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
        <translation>Premio pagado</translation>
    </message>
    <message>
        <source>Winner Paid in dollars</source>
        <translation>Premio pagado en dólares</translation>
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
        <translation>, tiradas gratis terminadas, Cobrar</translation>
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
        <translation>%1 cobrado, </translation>
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
