<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>artwork</name>
    <message>
        <source>TREASURE AWAITS</source>
        <translation>DER SCHATZ WARTET</translation>
    </message>
    <message>
        <source>Click for the casino page</source>
        <translation>Klick zur Casino-Seite</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>GUTHABEN</translation>
    </message>
    <message>
        <source>LINES</source>
        <translation>LINIEN</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>EINSATZ</translation>
    </message>
    <message>
        <source>TOTAL BET</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>WINNER PAID</source>
        <translation>GEWINN</translation>
    </message>
    <message>
        <source>GRAND</source>
        <translation>GRAND</translation>
    </message>
    <message>
        <source>MAJOR</source>
        <translation>MAJOR</translation>
    </message>
    <message>
        <source>MINOR</source>
        <translation>MINOR</translation>
    </message>
    <message>
        <source>Pirate Treasure</source>
        <translation>Piratenschatz</translation>
    </message>
    <message>
        <source>25 Lines</source>
        <translation>25 Linien</translation>
    </message>
    <message>
        <source>BIG WIN</source>
        <translation>DICKE BEUTE</translation>
    </message>
    <message>
        <source>MEGA WIN</source>
        <translation>MEGA-BEUTE</translation>
    </message>
    <message>
        <source>EPIC WIN</source>
        <translation>EPISCHE BEUTE</translation>
    </message>
    <message>
        <source>Insert Credit</source>
        <translation>Geld einwerfen</translation>
    </message>
    <message>
        <source>Select Lines</source>
        <translation>Linien wählen</translation>
    </message>
    <message>
        <source>Bet Per Line</source>
        <translation>Einsatz je Linie</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>DREHEN</translation>
    </message>
    <message>
        <source>GAMBLE</source>
        <translation>RISIKO</translation>
    </message>
    <message>
        <source>AUTO On/Off</source>
        <translation>AUTO Ein/Aus</translation>
    </message>
    <message>
        <source>For ease use SPACE BAR to spin reels</source>
        <translation>Bequemer: Walzen mit der LEERTASTE drehen</translation>
    </message>
    <message>
        <source>Colour pays double · Suit pays four times</source>
        <translation>Rot/Schwarz zahlt doppelt · Farbe zahlt vierfach</translation>
    </message>
    <message>
        <source>YOU WIN!</source>
        <translation>GEWONNEN!</translation>
    </message>
    <message>
        <source>YOU LOSE</source>
        <translation>VERLOREN</translation>
    </message>
    <message>
        <source>JACKPOT</source>
        <translation>JACKPOT</translation>
    </message>
    <message>
        <source>Where will the ball stop?</source>
        <translation>Wo bleibt die Kugel liegen?</translation>
    </message>
    <message>
        <source>JACKPOT WON!</source>
        <translation>JACKPOT GEKNACKT!</translation>
    </message>
    <message>
        <source>CAPTAIN</source>
        <translation>KAPITÄN</translation>
    </message>
    <message>
        <source>SHIP</source>
        <translation>SCHIFF</translation>
    </message>
    <message>
        <source>SKULL</source>
        <translation>TOTENKOPF</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>FLAGGE</translation>
    </message>
    <message>
        <source>CUTLASS</source>
        <translation>ENTERSÄBEL</translation>
    </message>
    <message>
        <source>COIN</source>
        <translation>MÜNZE</translation>
    </message>
    <message>
        <source>PARROT</source>
        <translation>PAPAGEI</translation>
    </message>
    <message>
        <source>PISTOL</source>
        <translation>PISTOLE</translation>
    </message>
    <message>
        <source>CANNON</source>
        <translation>KANONE</translation>
    </message>
    <message>
        <source>MAP</source>
        <translation>KARTE</translation>
    </message>
    <message>
        <source>%1 in a row  x %2</source>
        <translation>%1 in Folge  x %2</translation>
    </message>
    <message>
        <source>Anywhere on the reels, times the total bet:  </source>
        <translation>Überall auf den Walzen, mal Gesamteinsatz:  </translation>
    </message>
    <message>
        <source>Three or more also award free spins:  </source>
        <translation>Ab drei gibt es dazu Freispiele:  </translation>
    </message>
    <message>
        <source>PAY TABLE</source>
        <translation>GEWINNTABELLE</translation>
    </message>
    <message>
        <source>Line pays: times the bet per line, matching from reel 1 on a played line</source>
        <translation>Liniengewinne: mal Einsatz je Linie, gleiche Symbole ab Walze 1 auf einer gespielten Linie</translation>
    </message>
    <message>
        <source>WILD</source>
        <translation>WILD</translation>
    </message>
    <message>
        <source>Stands in for every paying symbol at once:</source>
        <translation>Ersetzt jedes zahlende Symbol zugleich:</translation>
    </message>
    <message>
        <source>a line pays every symbol that the wilds complete on it.</source>
        <translation>Eine Linie zahlt jedes Symbol, das die Wilds darauf vollenden.</translation>
    </message>
    <message>
        <source>TREASURE CHEST</source>
        <translation>SCHATZTRUHE</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENÜ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>Paylines</source>
        <translation>Gewinnlinien</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROT</translation>
    </message>
    <message>
        <source>BLACK</source>
        <translation>SCHWARZ</translation>
    </message>
    <message>
        <source>Take Win</source>
        <translation>Beute sichern</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Einsacken</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>FREESPINS AWARDED</source>
        <translation>FREISPIELE GEWONNEN</translation>
    </message>
    <message>
        <source>Free Spins Completed</source>
        <translation>Freispiele beendet</translation>
    </message>
    <message>
        <source>FREESPINS REMAINING =</source>
        <translation>FREISPIELE ÜBRIG =</translation>
    </message>
    <message>
        <source>Back to the Game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
</context>
</TS>
