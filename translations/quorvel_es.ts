<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>quorvel</name>
    <message>
        <source>Reels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet Per Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAMBLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AUTO On/Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MENU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Pay Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Paylines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit in dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Bet in dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner Paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winner Paid in dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Jackpot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major Jackpot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor Jackpot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Spins Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past card: Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past card: Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past card: Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past card: Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, jackpot feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, free spins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, free spins completed, Collect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines %1, bet per line %2, total bet %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamble, At Risk %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, win, At Risk %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, No Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Autoplay: %n spins left</source>
        <comment>Autoplay: %n spin left</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Autoplay stopped after %n spins.</source>
        <comment>Autoplay stopped after %n spin.</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Autoplay stopped: the credit fell by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay stopped on a win of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay stopped: free spins won.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collected %1, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This guess cannot be played: what it could win would not fit your credit or your statistics. Take the win instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At Risk  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ..............PLEASE READ.................<byte value="xd"/> When you use this function all other Functions are<byte value="xd"/>   unavailable to you until you turn the Autoplay OFF <byte value="xd"/> To turn Autoplay OFF Click on the Auto On/Off button.<byte value="xd"/>  <byte value="xd"/>  This message will not appear again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autoplay stopped: the jackpot board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BET X %1  = %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jackpot %1, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For ease  use SPACE BAR to spin reels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLICK to insert $50.00 of credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLICK to select LINES 1 to 25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLICK to choose how many coins to bet per LINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLICK to turn AUTOPLAY ON or OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options, CLICK to VIEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet on Hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet on Clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet on Diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet on Spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>past history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet on Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chicken out and take win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bet on Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough credit for this bet !, reduce your bet or click the &quot;Insert Credit Button &quot; for more credit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLICK to turn the sound off or on (M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CLICK to set the volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your interrupted game has been restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have played %1: %2, wagered %3, won %4, net %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This spin cannot be played: its largest win would not fit your credit or your statistics. Clear the statistics in the options to play on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your interrupted game could not be restored: its stored record was damaged, so play starts afresh.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The money it had in play, %1, has been returned to your credit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume %1 percent, plus and minus keys change it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>symbols</name>
    <message>
        <source>captain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ship</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>skull</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cutlass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>coin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parrot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pistol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jollyroger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
