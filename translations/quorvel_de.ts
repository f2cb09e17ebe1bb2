<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <message>
        <source>Language as the system&apos;s</source>
        <translation>Sprache wie die des Systems</translation>
    </message>
</context>
</TS>
