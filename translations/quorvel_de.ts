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
</TS>
