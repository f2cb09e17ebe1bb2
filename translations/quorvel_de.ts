<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>aboutquorvel</name>
    <message>
        <source>This link will take you to an online casino.</source>
        <translation>Dieser Link führt dich in ein Online-Casino.</translation>
    </message>
    <message>
        <source>Quorvel - a pirate video slot</source>
        <translation>Quorvel - Piraten-Videoslot</translation>
    </message>
    <message>
        <source>Artwork from Game Icons by Lorc, Delapouite and contributors, CC BY 3.0</source>
        <translation>Grafiken: Game Icons von Lorc, Delapouite u. a., CC BY 3.0</translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation>Mehr Slots bei :-</translation>
    </message>
    <message>
        <source>See more games at Tavrin</source>
        <translation>Mehr Spiele bei Tavrin</translation>
    </message>
    <message>
        <source>Any Feedback ? Please email me at :-</source>
        <translation>Flaschenpost? Schreib mir an :-</translation>
    </message>
    <message>
        <source>Email Me</source>
        <translation>Schreib mir</translation>
    </message>
    <message>
        <source>Any comments ? Please email me.</source>
        <translation>Anmerkungen? Schreib mir eine E-Mail.</translation>
    </message>
    <message>
        <source>CLICK to try real slots action </source>
        <translation>KLICK für echte Slot-Action </translation>
    </message>
    <message>
        <source>Your computer needs to be connected to the internet to play casino slots online !!<byte value="xd"/></source>
        <translation>Dein Computer braucht eine Internetverbindung, um online im Casino zu spielen !!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Your computer needs to be connected to the internet for email !!<byte value="xd"/></source>
        <translation>Dein Computer braucht eine Internetverbindung für E-Mails !!<byte value="xd"/></translation>
    </message>
    <message>
        <source>      Please be Patient as this may take a little time !!<byte value="xd"/>You are being taken via Tavrin to a secure web site that encrypts<byte value="xd"/>all transmitted  data according to the secure HTTP protocol.<byte value="xd"/></source>
        <translation>      Bitte hab etwas Geduld, das kann einen Moment dauern !!<byte value="xd"/>Du wirst über Tavrin zu einer sicheren Website gebracht, die alle<byte value="xd"/>übertragenen Daten nach dem sicheren HTTP-Protokoll verschlüsselt.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Quorvel FREE version</source>
        <translation>Quorvel GRATIS-Version</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>error Opening Link to %1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Fehler beim Öffnen des Links zu %1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Anything you wish</source>
        <translation>Was du willst</translation>
    </message>
</context>
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
<context>
    <name>platform</name>
    <message>
        <source>Quorvel is already running with the settings in %1.<byte value="xd"/></source>
        <translation>Quorvel läuft bereits mit den Einstellungen in %1.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Its window has been brought to the front; this copy closes.</source>
        <translation>Sein Fenster wurde nach vorn geholt; diese Kopie schließt sich.</translation>
    </message>
    <message>
        <source>This copy closes; carry on in the one already open.</source>
        <translation>Diese Kopie schließt sich; spiel im bereits offenen Fenster weiter.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read; the game goes on without them.</source>
        <translation>Die Einstellungen in %1 konnten nicht gelesen werden; das Spiel läuft ohne sie weiter.</translation>
    </message>
    <message>
        <source>The settings file %1 is far larger than the game ever writes. The game reads its own values from it and, at the next save, keeps it aside as %1.damaged and writes a new one.</source>
        <translation>Die Einstellungsdatei %1 ist weit größer, als das Spiel sie je schreibt. Das Spiel liest seine eigenen Werte daraus, legt sie beim nächsten Speichern als %1.damaged beiseite und schreibt eine neue.</translation>
    </message>
    <message>
        <source>The settings in %1 could be read only in part; what could not be read is left out of the next save.</source>
        <translation>Die Einstellungen in %1 konnten nur teilweise gelesen werden; was nicht lesbar war, fehlt beim nächsten Speichern.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1; the game goes on with the values it has.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden; das Spiel läuft mit den vorhandenen Werten weiter.</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Reels</source>
        <translation>Walzen</translation>
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
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENÜ</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>View Pay Table</source>
        <translation>Gewinntabelle ansehen</translation>
    </message>
    <message>
        <source>View Paylines</source>
        <translation>Gewinnlinien ansehen</translation>
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
        <source>Collect</source>
        <translation>Einsacken</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Risikospiel</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Take Win</source>
        <translation>Beute sichern</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Credit in dollars</source>
        <translation>Guthaben in Dollar</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Total Bet</source>
        <translation>Gesamteinsatz</translation>
    </message>
    <message>
        <source>Total Bet in dollars</source>
        <translation>Gesamteinsatz in Dollar</translation>
    </message>
    <message>
        <source>Winner Paid</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Winner Paid in dollars</source>
        <translation>Gewinn in Dollar</translation>
    </message>
    <message>
        <source>Grand Jackpot</source>
        <translation>Grand-Jackpot</translation>
    </message>
    <message>
        <source>Major Jackpot</source>
        <translation>Major-Jackpot</translation>
    </message>
    <message>
        <source>Minor Jackpot</source>
        <translation>Minor-Jackpot</translation>
    </message>
    <message>
        <source>Free Spins Left</source>
        <translation>Freispiele übrig</translation>
    </message>
    <message>
        <source>Top row</source>
        <translation>Obere Reihe</translation>
    </message>
    <message>
        <source>Middle row</source>
        <translation>Mittlere Reihe</translation>
    </message>
    <message>
        <source>Bottom row</source>
        <translation>Untere Reihe</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>Herz-Ass</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>Kreuz-Ass</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>Karo-Ass</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>Pik-Ass</translation>
    </message>
    <message>
        <source>Past card: Hearts</source>
        <translation>Frühere Karte: Herz</translation>
    </message>
    <message>
        <source>Past card: Clubs</source>
        <translation>Frühere Karte: Kreuz</translation>
    </message>
    <message>
        <source>Past card: Diamonds</source>
        <translation>Frühere Karte: Karo</translation>
    </message>
    <message>
        <source>Past card: Spades</source>
        <translation>Frühere Karte: Pik</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Gewinn %1</translation>
    </message>
    <message>
        <source>No Win</source>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>, jackpot feature</source>
        <translation>, Jackpot-Runde</translation>
    </message>
    <message>
        <source>, free spins</source>
        <translation>, Freispiele</translation>
    </message>
    <message>
        <source>, free spins completed, Collect</source>
        <translation>, Freispiele beendet, Einsacken</translation>
    </message>
    <message>
        <source>Credit %1</source>
        <translation>Guthaben %1</translation>
    </message>
    <message>
        <source>Lines %1, bet per line %2, total bet %3</source>
        <translation>%1 Linien, Einsatz pro Linie %2, Gesamteinsatz %3</translation>
    </message>
    <message>
        <source>Gamble, At Risk %1</source>
        <translation>Risikospiel, im Risiko %1</translation>
    </message>
    <message>
        <source>%1, win, At Risk %2</source>
        <translation>%1, gewonnen, im Risiko %2</translation>
    </message>
    <message>
        <source>%1, No Win</source>
        <translation>%1, kein Gewinn</translation>
    </message>
    <message numerus="yes">
        <source>Autoplay: %n spins left</source>
        <comment>Autoplay: %n spin left</comment>
        <translation>
            <numerusform>Autoplay: noch %n Drehung</numerusform>
            <numerusform>Autoplay: noch %n Drehungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Autoplay stopped after %n spins.</source>
        <comment>Autoplay stopped after %n spin.</comment>
        <translation>
            <numerusform>Autoplay nach %n Drehung angehalten.</numerusform>
            <numerusform>Autoplay nach %n Drehungen angehalten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Autoplay stopped: the credit fell by %1.</source>
        <translation>Autoplay angehalten: Das Guthaben sank um %1.</translation>
    </message>
    <message>
        <source>Autoplay stopped on a win of %1.</source>
        <translation>Autoplay angehalten bei einem Gewinn von %1.</translation>
    </message>
    <message>
        <source>Autoplay stopped: free spins won.</source>
        <translation>Autoplay angehalten: Freispiele gewonnen.</translation>
    </message>
    <message>
        <source>Collected %1, </source>
        <translation>%1 eingesackt, </translation>
    </message>
    <message>
        <source>This guess cannot be played: what it could win would not fit your credit or your statistics. Take the win instead.</source>
        <translation>Diesen Tipp kannst du nicht spielen: Sein möglicher Gewinn passt nicht mehr in dein Guthaben oder deine Statistik. Nimm stattdessen den Gewinn.</translation>
    </message>
    <message>
        <source>At Risk  %1</source>
        <translation>Im Risiko  %1</translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation>Schwarz/Rot = %1</translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation>Farbe = %1</translation>
    </message>
    <message>
        <source> ..............PLEASE READ.................<byte value="xd"/> When you use this function all other Functions are<byte value="xd"/>   unavailable to you until you turn the Autoplay OFF <byte value="xd"/> To turn Autoplay OFF Click on the Auto On/Off button.<byte value="xd"/>  <byte value="xd"/>  This message will not appear again</source>
        <translation> ..............BITTE LESEN.................<byte value="xd"/> Solange Autoplay läuft, sind alle anderen Knöpfe<byte value="xd"/>   gesperrt, bis du Autoplay wieder AUSSCHALTEST.<byte value="xd"/> Zum Ausschalten klicke auf den Knopf AUTO Ein/Aus.<byte value="xd"/>  <byte value="xd"/>  Diese Nachricht erscheint nicht wieder</translation>
    </message>
    <message>
        <source>Autoplay on</source>
        <translation>Autoplay ein</translation>
    </message>
    <message>
        <source>Autoplay off</source>
        <translation>Autoplay aus</translation>
    </message>
    <message>
        <source>Autoplay stopped: the jackpot board.</source>
        <translation>Autoplay angehalten: die Jackpot-Tafel.</translation>
    </message>
    <message>
        <source>BET X %1  = %2</source>
        <translation>EINSATZ X %1  = %2</translation>
    </message>
    <message>
        <source>Jackpot %1, </source>
        <translation>Jackpot %1, </translation>
    </message>
    <message>
        <source>For ease  use SPACE BAR to spin reels</source>
        <translation>Bequemer: Mit der LEERTASTE drehen die Walzen</translation>
    </message>
    <message>
        <source>CLICK to insert $50.00 of credit</source>
        <translation>KLICKEN, um $50.00 Guthaben einzuzahlen</translation>
    </message>
    <message>
        <source>CLICK to select LINES 1 to 25</source>
        <translation>KLICKEN, um LINIEN 1 bis 25 zu wählen</translation>
    </message>
    <message>
        <source>CLICK to choose how many coins to bet per LINE</source>
        <translation>KLICKEN, um die Münzen pro LINIE zu wählen</translation>
    </message>
    <message>
        <source>CLICK to turn AUTOPLAY ON or OFF</source>
        <translation>KLICKEN, um AUTOPLAY EIN- oder AUSZUSCHALTEN</translation>
    </message>
    <message>
        <source>Options, CLICK to VIEW</source>
        <translation>Optionen, zum ÖFFNEN KLICKEN</translation>
    </message>
    <message>
        <source>Bet on Hearts</source>
        <translation>Auf Herz setzen</translation>
    </message>
    <message>
        <source>Bet on Clubs</source>
        <translation>Auf Kreuz setzen</translation>
    </message>
    <message>
        <source>Bet on Diamonds</source>
        <translation>Auf Karo setzen</translation>
    </message>
    <message>
        <source>Bet on Spades</source>
        <translation>Auf Pik setzen</translation>
    </message>
    <message>
        <source>past history</source>
        <translation>letzte Karten</translation>
    </message>
    <message>
        <source>Bet on Red</source>
        <translation>Auf Rot setzen</translation>
    </message>
    <message>
        <source>Chicken out and take win</source>
        <translation>Kneifen und den Gewinn nehmen</translation>
    </message>
    <message>
        <source>Bet on Black</source>
        <translation>Auf Schwarz setzen</translation>
    </message>
    <message>
        <source>Not enough credit for this bet !, reduce your bet or click the &quot;Insert Credit Button &quot; for more credit.</source>
        <translation>Zu wenig Guthaben für diesen Einsatz! Senke den Einsatz oder klicke auf „Guthaben einzahlen“.</translation>
    </message>
    <message>
        <source>CLICK to turn the sound off or on (M)</source>
        <translation>KLICKEN, um den Ton aus- oder einzuschalten (M)</translation>
    </message>
    <message>
        <source>CLICK to set the volume</source>
        <translation>KLICKEN, um die Lautstärke einzustellen</translation>
    </message>
    <message>
        <source>Your interrupted game has been restored.</source>
        <translation>Dein unterbrochenes Spiel wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>You have played %1: %2, wagered %3, won %4, net %5.</source>
        <translation>Du spielst seit %1: %2, eingesetzt %3, gewonnen %4, unterm Strich %5.</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>This spin cannot be played: its largest win would not fit your credit or your statistics. Clear the statistics in the options to play on.</source>
        <translation>Diese Drehung geht nicht: Der höchstmögliche Gewinn passt nicht in dein Guthaben oder deine Statistik. Lösche die Statistik in den Optionen, um weiterzuspielen.</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Viel Glück</translation>
    </message>
    <message>
        <source>Your interrupted game could not be restored: its stored record was damaged, so play starts afresh.</source>
        <translation>Dein unterbrochenes Spiel ließ sich nicht wiederherstellen: Seine Aufzeichnung war beschädigt, also beginnt das Spiel neu.</translation>
    </message>
    <message>
        <source> The money it had in play, %1, has been returned to your credit.</source>
        <translation> Das Geld, das im Spiel war, %1, wurde deinem Guthaben gutgeschrieben.</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Volume %1 percent, plus and minus keys change it</source>
        <translation>Lautstärke %1 Prozent, Plus- und Minustaste ändern sie</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <comment>%n game</comment>
        <translation>
            <numerusform>%n Spiel</numerusform>
            <numerusform>%n Spiele</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>%n minute</comment>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quorveloptions</name>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Tempo =   %1</translation>
    </message>
    <message>
        <source> ON</source>
        <translation> AN</translation>
    </message>
    <message>
        <source> OFF</source>
        <translation> AUS</translation>
    </message>
    <message>
        <source>Already 800 X 600 resolution !!<byte value="xd"/></source>
        <translation>Schon 800 X 600 Auflösung !!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Quorvel-Optionen</translation>
    </message>
    <message>
        <source>Input Players Name                                    Then Enter</source>
        <translation>Dein Name                                                 dann Enter</translation>
    </message>
    <message>
        <source>    Total won does not include any funds from jackpots.</source>
        <translation>    Gesamtgewinn ohne jedes Gold aus den Jackpots.</translation>
    </message>
    <message>
        <source>Quick Stop</source>
        <translation>Schnellstopp</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Schließen und speichern</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Spieler über Bord werfen</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Gewinnzähler</translation>
    </message>
    <message>
        <source>toggle sound</source>
        <translation>Ton an/aus</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Walzentempo</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster                       Slower&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;Schneller          Langsamer&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Auszahlung %</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Ehrlich</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Lose</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>Traumkiste !!</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Bildschirmgröße</translation>
    </message>
    <message>
        <source>Origonal Screen Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Large Size 800X600</source>
        <translation>Groß 800X600</translation>
    </message>
    <message>
        <source>Note :- Some machines 
may not support this 
option.
</source>
        <translation>Hinweis :- Nicht jede 
Maschine kann diese 
Option.
</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>15 Min.</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>30 Min.</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>60 Min.</translation>
    </message>
    <message>
        <source>Autoplay stops</source>
        <translation>Autoplay stoppt</translation>
    </message>
    <message>
        <source>After this many spins</source>
        <translation>Nach so vielen Drehungen</translation>
    </message>
    <message>
        <source>When the credit has fallen by</source>
        <translation>Wenn das Guthaben gesunken ist um</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Ohne</translation>
    </message>
    <message>
        <source>On a single win of at least</source>
        <translation>Bei einem Gewinn von mindestens</translation>
    </message>
    <message>
        <source>10× bet</source>
        <translation>10-fach</translation>
    </message>
    <message>
        <source>50× bet</source>
        <translation>50-fach</translation>
    </message>
    <message>
        <source>100× bet</source>
        <translation>100-fach</translation>
    </message>
    <message>
        <source>When a feature starts</source>
        <translation>Wenn ein Bonus beginnt</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Input Players Name</source>
        <translation>Spielernamen eingeben</translation>
    </message>
    <message>
        <source>No reminder</source>
        <translation>Keine Erinnerung</translation>
    </message>
    <message>
        <source>Reminder every 15 minutes</source>
        <translation>Erinnerung alle 15 Minuten</translation>
    </message>
    <message>
        <source>Reminder every 30 minutes</source>
        <translation>Erinnerung alle 30 Minuten</translation>
    </message>
    <message>
        <source>Reminder every 60 minutes</source>
        <translation>Erinnerung alle 60 Minuten</translation>
    </message>
    <message>
        <source>No spin limit</source>
        <translation>Keine Grenze für Drehungen</translation>
    </message>
    <message>
        <source>Stop autoplay after 10 spins</source>
        <translation>Autoplay nach 10 Drehungen anhalten</translation>
    </message>
    <message>
        <source>Stop autoplay after 25 spins</source>
        <translation>Autoplay nach 25 Drehungen anhalten</translation>
    </message>
    <message>
        <source>Stop autoplay after 50 spins</source>
        <translation>Autoplay nach 50 Drehungen anhalten</translation>
    </message>
    <message>
        <source>Stop autoplay after 100 spins</source>
        <translation>Autoplay nach 100 Drehungen anhalten</translation>
    </message>
    <message>
        <source>Stop autoplay after 250 spins</source>
        <translation>Autoplay nach 250 Drehungen anhalten</translation>
    </message>
    <message>
        <source>No loss limit</source>
        <translation>Keine Verlustgrenze</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $5</source>
        <translation>Autoplay anhalten, wenn das Guthaben um $5 gesunken ist</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $10</source>
        <translation>Autoplay anhalten, wenn das Guthaben um $10 gesunken ist</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $25</source>
        <translation>Autoplay anhalten, wenn das Guthaben um $25 gesunken ist</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $50</source>
        <translation>Autoplay anhalten, wenn das Guthaben um $50 gesunken ist</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $100</source>
        <translation>Autoplay anhalten, wenn das Guthaben um $100 gesunken ist</translation>
    </message>
    <message>
        <source>No win limit</source>
        <translation>Keine Gewinngrenze</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 10 times the bet</source>
        <translation>Autoplay bei einem Gewinn vom 10-fachen Einsatz anhalten</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 50 times the bet</source>
        <translation>Autoplay bei einem Gewinn vom 50-fachen Einsatz anhalten</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 100 times the bet</source>
        <translation>Autoplay bei einem Gewinn vom 100-fachen Einsatz anhalten</translation>
    </message>
    <message>
        <source>Stop autoplay when a feature starts</source>
        <translation>Autoplay anhalten, wenn ein Bonus beginnt</translation>
    </message>
    <message>
        <source>Play on through features</source>
        <translation>Durch Boni weiterspielen</translation>
    </message>
    <message>
        <source>Language as the system&apos;s</source>
        <translation>Sprache wie die des Systems</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Nichts eingegeben</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>Willst du die Daten dieses Spielers wirklich über Bord werfen ?</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Total Wagered</source>
        <translation>Gesamteinsatz</translation>
    </message>
    <message>
        <source>Total Won</source>
        <translation>Gewinne</translation>
    </message>
    <message>
        <source>Winning/Losing</source>
        <translation>Gewinn/Verlust</translation>
    </message>
    <message>
        <source>Returned To Player</source>
        <translation>Auszahlungsquote</translation>
    </message>
    <message>
        <source>Total Invested</source>
        <translation>Eingezahlt</translation>
    </message>
    <message>
        <source>Freespins Won</source>
        <translation>Freispiele</translation>
    </message>
    <message>
        <source>Grand Jackpots Won</source>
        <translation>Grand-Jackpots</translation>
    </message>
    <message>
        <source>Major jackpots Won</source>
        <translation>Major-Jackpots</translation>
    </message>
    <message>
        <source>Minor Jackpots Won</source>
        <translation>Minor-Jackpots</translation>
    </message>
    <message>
        <source>Current Player</source>
        <translation>Am Steuer</translation>
    </message>
</context>
<context>
    <name>quorvelpays</name>
    <message>
        <source>CLOSE PAYTABLE</source>
        <translation>TABELLE SCHLIESSEN</translation>
    </message>
    <message>
        <source>QUORVEL PAYTABLE</source>
        <translation>QUORVEL GEWINNTABELLE</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>Traummaschine !!</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Großzügig</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Realistisch</translation>
    </message>
    <message>
        <source>big wins stand 1 in %1</source>
        <translation>große Gewinne bleiben 1 von %1</translation>
    </message>
    <message>
        <source>Return to player, %1 lines, %2: %3 %</source>
        <translation>Auszahlungsquote, %1 Linien, %2: %3 %</translation>
    </message>
</context>
<context>
    <name>quorvelrecall</name>
    <message>
        <source>Game Recall - your last ten games</source>
        <translation>Spielverlauf - deine letzten 10 Spiele</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Noch keine Spiele gespielt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Back to the game (Esc)</source>
        <translation>Zurück zum Spiel (Esc)</translation>
    </message>
    <message>
        <source>%1   stake %2   win %3</source>
        <translation>%1   Einsatz %2   Gewinn %3</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>Minor</translation>
    </message>
    <message>
        <source>major</source>
        <translation>Major</translation>
    </message>
    <message>
        <source>grand</source>
        <translation>Grand</translation>
    </message>
    <message numerus="yes">
        <source>%n free spins, total %1</source>
        <comment>%n free spin, total %1</comment>
        <translation>
            <numerusform>%n Freispiel, gesamt %1</numerusform>
            <numerusform>%n Freispiele, gesamt %1</numerusform>
        </translation>
    </message>
    <message>
        <source>jackpot board: %1 %2</source>
        <translation>Jackpot-Tafel: %1 %2</translation>
    </message>
    <message>
        <source>No feature</source>
        <translation>Kein Feature</translation>
    </message>
    <message>
        <source>Not gambled</source>
        <translation>Nicht riskiert</translation>
    </message>
    <message>
        <source>Gamble lost %1</source>
        <translation>Risiko verloren %1</translation>
    </message>
    <message>
        <source>Gamble taken %1</source>
        <translation>Risiko eingesackt %1</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Spielverlauf</translation>
    </message>
    <message>
        <source>Played at %1</source>
        <translation>Gespielt am %1</translation>
    </message>
    <message>
        <source>%1 lines at %2 = %3 credits</source>
        <translation>%1 Linien à %2 = %3 Credits</translation>
    </message>
    <message>
        <source>no line</source>
        <translation>keine Linie</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>Linien %1</translation>
    </message>
    <message>
        <source>Won %1 (%2)</source>
        <translation>Gewonnen %1 (%2)</translation>
    </message>
    <message>
        <source>Credit %1 before, %2 after</source>
        <translation>Guthaben vorher %1, nachher %2</translation>
    </message>
</context>
<context>
    <name>quorvelsession</name>
    <message>
        <source>Game %1: gamble won %2</source>
        <translation>Spiel %1: Risiko gewonnen %2</translation>
    </message>
    <message>
        <source>Game %1: free spins won %2</source>
        <translation>Spiel %1: Freispiele gewonnen %2</translation>
    </message>
    <message>
        <source>Game %1: board prize %2</source>
        <translation>Spiel %1: Tafelpreis %2</translation>
    </message>
    <message>
        <source>Game %1: gamble lost %2</source>
        <translation>Spiel %1: Risiko verloren %2</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <comment>%n game</comment>
        <translation>
            <numerusform>%n Spiel</numerusform>
            <numerusform>%n Spielen</numerusform>
        </translation>
    </message>
    <message>
        <source>No games yet this session: the chart starts with your first spin.</source>
        <translation>Noch kein Spiel in dieser Sitzung: Die Kurve beginnt mit deinem ersten Dreh.</translation>
    </message>
    <message>
        <source>Luckier than almost every session of %2.</source>
        <translation>Mehr Glück als fast jede Sitzung mit %2.</translation>
    </message>
    <message>
        <source>Less lucky than almost every session of %2.</source>
        <translation>Weniger Glück als fast jede Sitzung mit %2.</translation>
    </message>
    <message>
        <source>Luckier than about %1 % of sessions of %2.</source>
        <translation>Mehr Glück als etwa %1 % der Sitzungen mit %2.</translation>
    </message>
    <message>
        <source>Less lucky than about %1 % of sessions of %2.</source>
        <translation>Weniger Glück als etwa %1 % der Sitzungen mit %2.</translation>
    </message>
    <message>
        <source>Credit after each game</source>
        <translation>Guthaben nach jedem Spiel</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Credit ($)</source>
        <translation>Guthaben ($)</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Freispiele</translation>
    </message>
    <message>
        <source>Board prize</source>
        <translation>Tafelpreis</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>Return so far</source>
        <translation>Auszahlungsquote bisher</translation>
    </message>
    <message>
        <source>Return (%)</source>
        <translation>Quote (%)</translation>
    </message>
    <message>
        <source>Your return</source>
        <translation>Deine Quote</translation>
    </message>
    <message>
        <source>Long-run return</source>
        <translation>Langfristige Quote</translation>
    </message>
    <message>
        <source>Two standard deviations</source>
        <translation>Zwei Standardabweichungen</translation>
    </message>
    <message>
        <source>Your Session</source>
        <translation>Deine Sitzung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Back to the game (Esc)</source>
        <translation>Zurück zum Spiel (Esc)</translation>
    </message>
    <message>
        <source>Return so far against the long-run return</source>
        <translation>Quote bisher gegen die langfristige Quote</translation>
    </message>
    <message>
        <source>Return so far: %1   Long-run return: %2</source>
        <translation>Quote bisher: %1   Langfristig: %2</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Spielzeit: %1</translation>
    </message>
    <message>
        <source>Games: %1</source>
        <translation>Spiele: %1</translation>
    </message>
    <message>
        <source>Wagered: %1</source>
        <translation>Gesetzt: %1</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gewonnen: %1</translation>
    </message>
    <message>
        <source>Net: %1</source>
        <translation>Bilanz: %1</translation>
    </message>
    <message>
        <source>Biggest win: %1</source>
        <translation>Größter Gewinn: %1</translation>
    </message>
    <message>
        <source>Features won: free spins %1, boards %2</source>
        <translation>Features: Freispiele %1, Tafeln %2</translation>
    </message>
</context>
<context>
    <name>symbols</name>
    <message>
        <source>captain</source>
        <translation>Kapitän</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>Schiff</translation>
    </message>
    <message>
        <source>skull</source>
        <translation>Totenkopf</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>Flagge</translation>
    </message>
    <message>
        <source>cutlass</source>
        <translation>Entermesser</translation>
    </message>
    <message>
        <source>coin</source>
        <translation>Münze</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>Papagei</translation>
    </message>
    <message>
        <source>pistol</source>
        <translation>Pistole</translation>
    </message>
    <message>
        <source>cannon</source>
        <translation>Kanone</translation>
    </message>
    <message>
        <source>map</source>
        <translation>Schatzkarte</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>jollyroger</source>
        <translation>Jolly Roger</translation>
    </message>
    <message>
        <source>chest</source>
        <translation>Schatztruhe</translation>
    </message>
</context>
</TS>
