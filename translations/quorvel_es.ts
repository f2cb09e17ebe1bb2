<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</TS>
