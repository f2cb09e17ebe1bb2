<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>quorvel</name>
    <message>
        <source>Reels</source>
        <translation>Rouleaux</translation>
    </message>
    <message>
        <source>Insert Credit</source>
        <translation>Ajouter du crédit</translation>
    </message>
    <message>
        <source>Select Lines</source>
        <translation>Choisir les lignes</translation>
    </message>
    <message>
        <source>Bet Per Line</source>
        <translation>Mise par ligne</translation>
    </message>
    <message>
        <source>SPIN</source>
        <translation>LANCER</translation>
    </message>
    <message>
        <source>GAMBLE</source>
        <translation>QUITTE OU DOUBLE</translation>
    </message>
    <message>
        <source>AUTO On/Off</source>
        <translation>AUTO Marche/Arrêt</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>MENU</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>View Pay Table</source>
        <translation>Voir la table des gains</translation>
    </message>
    <message>
        <source>View Paylines</source>
        <translation>Voir les lignes de gain</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historique des parties</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Encaisser</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Quitte ou double</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Take Win</source>
        <translation>Prendre le gain</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Credit in dollars</source>
        <translation>Crédit en dollars</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Total Bet</source>
        <translation>Mise totale</translation>
    </message>
    <message>
        <source>Total Bet in dollars</source>
        <translation>Mise totale en dollars</translation>
    </message>
    <message>
        <source>Winner Paid</source>
        <translation>Gain payé</translation>
    </message>
    <message>
        <source>Winner Paid in dollars</source>
        <translation>Gain payé en dollars</translation>
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
        <translation>Tours gratuits restants</translation>
    </message>
    <message>
        <source>Top row</source>
        <translation>Rangée du haut</translation>
    </message>
    <message>
        <source>Middle row</source>
        <translation>Rangée du milieu</translation>
    </message>
    <message>
        <source>Bottom row</source>
        <translation>Rangée du bas</translation>
    </message>
    <message>
        <source>Ace of Hearts</source>
        <translation>As de cœur</translation>
    </message>
    <message>
        <source>Ace of Clubs</source>
        <translation>As de trèfle</translation>
    </message>
    <message>
        <source>Ace of Diamonds</source>
        <translation>As de carreau</translation>
    </message>
    <message>
        <source>Ace of Spades</source>
        <translation>As de pique</translation>
    </message>
    <message>
        <source>Past card: Hearts</source>
        <translation>Carte passée : cœur</translation>
    </message>
    <message>
        <source>Past card: Clubs</source>
        <translation>Carte passée : trèfle</translation>
    </message>
    <message>
        <source>Past card: Diamonds</source>
        <translation>Carte passée : carreau</translation>
    </message>
    <message>
        <source>Past card: Spades</source>
        <translation>Carte passée : pique</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Gain %1</translation>
    </message>
    <message>
        <source>No Win</source>
        <translation>Pas de gain</translation>
    </message>
    <message>
        <source>, jackpot feature</source>
        <translation>, tour du jackpot</translation>
    </message>
    <message>
        <source>, free spins</source>
        <translation>, tours gratuits</translation>
    </message>
    <message>
        <source>, free spins completed, Collect</source>
        <translation>, tours gratuits terminés, Encaisser</translation>
    </message>
    <message>
        <source>Credit %1</source>
        <translation>Crédit %1</translation>
    </message>
    <message>
        <source>Lines %1, bet per line %2, total bet %3</source>
        <translation>%1 lignes, mise par ligne %2, mise totale %3</translation>
    </message>
    <message>
        <source>Gamble, At Risk %1</source>
        <translation>Quitte ou double, en jeu %1</translation>
    </message>
    <message>
        <source>%1, win, At Risk %2</source>
        <translation>%1, gagné, en jeu %2</translation>
    </message>
    <message>
        <source>%1, No Win</source>
        <translation>%1, pas de gain</translation>
    </message>
    <message numerus="yes">
        <source>Autoplay: %n spins left</source>
        <comment>Autoplay: %n spin left</comment>
        <translation>
            <numerusform>Jeu auto : encore %n tour</numerusform>
            <numerusform>Jeu auto : encore %n tours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Autoplay stopped after %n spins.</source>
        <comment>Autoplay stopped after %n spin.</comment>
        <translation>
            <numerusform>Jeu auto arrêté après %n tour.</numerusform>
            <numerusform>Jeu auto arrêté après %n tours.</numerusform>
        </translation>
    </message>
    <message>
        <source>Autoplay stopped: the credit fell by %1.</source>
        <translation>Jeu auto arrêté : le crédit a baissé de %1.</translation>
    </message>
    <message>
        <source>Autoplay stopped on a win of %1.</source>
        <translation>Jeu auto arrêté sur un gain de %1.</translation>
    </message>
    <message>
        <source>Autoplay stopped: free spins won.</source>
        <translation>Jeu auto arrêté : tours gratuits gagnés.</translation>
    </message>
    <message>
        <source>Collected %1, </source>
        <translation>%1 encaissé, </translation>
    </message>
    <message>
        <source>This guess cannot be played: what it could win would not fit your credit or your statistics. Take the win instead.</source>
        <translation>Ce pari ne peut être joué : ce qu’il pourrait gagner ne tiendrait pas dans ton crédit ou tes statistiques. Prends plutôt le gain.</translation>
    </message>
    <message>
        <source>At Risk  %1</source>
        <translation>En jeu  %1</translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation>Noir/Rouge = %1</translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation>Couleur = %1</translation>
    </message>
    <message>
        <source> ..............PLEASE READ.................<byte value="xd"/> When you use this function all other Functions are<byte value="xd"/>   unavailable to you until you turn the Autoplay OFF <byte value="xd"/> To turn Autoplay OFF Click on the Auto On/Off button.<byte value="xd"/>  <byte value="xd"/>  This message will not appear again</source>
        <translation> ..............À LIRE.................<byte value="xd"/> Pendant le jeu automatique, toutes les autres commandes<byte value="xd"/>   restent bloquées jusqu’à ce que tu l’ARRÊTES.<byte value="xd"/> Pour l’arrêter, clique sur le bouton AUTO Marche/Arrêt.<byte value="xd"/>  <byte value="xd"/>  Ce message ne s’affichera plus</translation>
    </message>
    <message>
        <source>Autoplay on</source>
        <translation>Jeu auto activé</translation>
    </message>
    <message>
        <source>Autoplay off</source>
        <translation>Jeu auto désactivé</translation>
    </message>
    <message>
        <source>Autoplay stopped: the jackpot board.</source>
        <translation>Jeu auto arrêté : le tableau du jackpot.</translation>
    </message>
    <message>
        <source>BET X %1  = %2</source>
        <translation>MISE X %1  = %2</translation>
    </message>
    <message>
        <source>Jackpot %1, </source>
        <translation>Jackpot %1, </translation>
    </message>
    <message>
        <source>For ease  use SPACE BAR to spin reels</source>
        <translation>Astuce : la BARRE D’ESPACE lance les rouleaux</translation>
    </message>
    <message>
        <source>CLICK to insert $50.00 of credit</source>
        <translation>CLIQUER pour ajouter $50.00 de crédit</translation>
    </message>
    <message>
        <source>CLICK to select LINES 1 to 25</source>
        <translation>CLIQUER pour choisir les LIGNES 1 à 25</translation>
    </message>
    <message>
        <source>CLICK to choose how many coins to bet per LINE</source>
        <translation>CLIQUER pour choisir la mise par LIGNE</translation>
    </message>
    <message>
        <source>CLICK to turn AUTOPLAY ON or OFF</source>
        <translation>CLIQUER pour ACTIVER ou ARRÊTER le JEU AUTO</translation>
    </message>
    <message>
        <source>Options, CLICK to VIEW</source>
        <translation>Options, CLIQUER pour OUVRIR</translation>
    </message>
    <message>
        <source>Bet on Hearts</source>
        <translation>Miser sur cœur</translation>
    </message>
    <message>
        <source>Bet on Clubs</source>
        <translation>Miser sur trèfle</translation>
    </message>
    <message>
        <source>Bet on Diamonds</source>
        <translation>Miser sur carreau</translation>
    </message>
    <message>
        <source>Bet on Spades</source>
        <translation>Miser sur pique</translation>
    </message>
    <message>
        <source>past history</source>
        <translation>cartes passées</translation>
    </message>
    <message>
        <source>Bet on Red</source>
        <translation>Miser sur rouge</translation>
    </message>
    <message>
        <source>Chicken out and take win</source>
        <translation>Se dégonfler et prendre le gain</translation>
    </message>
    <message>
        <source>Bet on Black</source>
        <translation>Miser sur noir</translation>
    </message>
    <message>
        <source>Not enough credit for this bet !, reduce your bet or click the &quot;Insert Credit Button &quot; for more credit.</source>
        <translation>Pas assez de crédit pour cette mise ! Baisse la mise ou clique sur « Ajouter du crédit ».</translation>
    </message>
    <message>
        <source>CLICK to turn the sound off or on (M)</source>
        <translation>CLIQUER pour couper ou remettre le son (M)</translation>
    </message>
    <message>
        <source>CLICK to set the volume</source>
        <translation>CLIQUER pour régler le volume</translation>
    </message>
    <message>
        <source>Your interrupted game has been restored.</source>
        <translation>Ta partie interrompue a été rétablie.</translation>
    </message>
    <message>
        <source>You have played %1: %2, wagered %3, won %4, net %5.</source>
        <translation>Tu joues depuis %1 : %2, misé %3, gagné %4, bilan %5.</translation>
    </message>
    <message>
        <source>Keep Playing</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>This spin cannot be played: its largest win would not fit your credit or your statistics. Clear the statistics in the options to play on.</source>
        <translation>Ce tour ne peut être joué : son plus gros gain ne tiendrait pas dans ton crédit ou tes statistiques. Efface les statistiques dans les options pour continuer.</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <translation>Bonne chance</translation>
    </message>
    <message>
        <source>Your interrupted game could not be restored: its stored record was damaged, so play starts afresh.</source>
        <translation>Ta partie interrompue n’a pas pu être rétablie : son enregistrement était endommagé, la partie repart de zéro.</translation>
    </message>
    <message>
        <source> The money it had in play, %1, has been returned to your credit.</source>
        <translation> L’argent qui était en jeu, %1, a été rendu à ton crédit.</translation>
    </message>
    <message>
        <source>Unmute</source>
        <translation>Remettre le son</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Couper le son</translation>
    </message>
    <message>
        <source>Volume %1 percent, plus and minus keys change it</source>
        <translation>Volume %1 pour cent, les touches plus et moins le changent</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <comment>%n game</comment>
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>%n minute</comment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>symbols</name>
    <message>
        <source>captain</source>
        <translation>capitaine</translation>
    </message>
    <message>
        <source>ship</source>
        <translation>navire</translation>
    </message>
    <message>
        <source>skull</source>
        <translation>crâne</translation>
    </message>
    <message>
        <source>flag</source>
        <translation>drapeau</translation>
    </message>
    <message>
        <source>cutlass</source>
        <translation>sabre</translation>
    </message>
    <message>
        <source>coin</source>
        <translation>pièce</translation>
    </message>
    <message>
        <source>parrot</source>
        <translation>perroquet</translation>
    </message>
    <message>
        <source>pistol</source>
        <translation>pistolet</translation>
    </message>
    <message>
        <source>cannon</source>
        <translation>canon</translation>
    </message>
    <message>
        <source>map</source>
        <translation>carte au trésor</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>jollyroger</source>
        <translation>Jolly Roger</translation>
    </message>
    <message>
        <source>chest</source>
        <translation>coffre</translation>
    </message>
</context>
</TS>
