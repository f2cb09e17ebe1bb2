<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>artwork</name>
    <message>
        <source>TREASURE AWAITS</source>
        <translation>LE TRÉSOR VOUS ATTEND</translation>
    </message>
    <message>
        <source>Click for the casino page</source>
        <translation>Cliquez pour le casino</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <translation>CRÉDIT</translation>
    </message>
    <message>
        <source>LINES</source>
        <translation>LIGNES</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>MISE</translation>
    </message>
    <message>
        <source>TOTAL BET</source>
        <translation>MISE TOTALE</translation>
    </message>
    <message>
        <source>WINNER PAID</source>
        <translation>GAIN PAYÉ</translation>
    </message>
    <message>
        <source>GRAND</source>
        <translation>GRAND</translation>
    </message>
    <message>
        <source>MAJOR</source>
        <translation>MAJEUR</translation>
    </message>
    <message>
        <source>MINOR</source>
        <translation>MINEUR</translation>
    </message>
    <message>
        <source>Pirate Treasure</source>
        <translation>Trésor des Pirates</translation>
    </message>
    <message>
        <source>25 Lines</source>
        <translation>25 Lignes</translation>
    </message>
    <message>
        <source>BIG WIN</source>
        <translation>GROS BUTIN</translation>
    </message>
    <message>
        <source>MEGA WIN</source>
        <translation>MÉGA BUTIN</translation>
    </message>
    <message>
        <source>EPIC WIN</source>
        <translation>BUTIN ÉPIQUE</translation>
    </message>
    <message>
        <source>Insert Credit</source>
        <translation>Ajouter crédit</translation>
    </message>
    <message>
        <source>Select Lines</source>
        <translation>Choisir lignes</translation>
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
        <translation>DOUBLER</translation>
    </message>
    <message>
        <source>AUTO On/Off</source>
        <translation>AUTO Oui/Non</translation>
    </message>
    <message>
        <source>For ease use SPACE BAR to spin reels</source>
        <translation>Astuce : la BARRE D'ESPACE lance les rouleaux</translation>
    </message>
    <message>
        <source>Colour pays double · Suit pays four times</source>
        <translation>Rouge/Noir paie double · Couleur paie quadruple</translation>
    </message>
    <message>
        <source>YOU WIN!</source>
        <translation>GAGNÉ !</translation>
    </message>
    <message>
        <source>YOU LOSE</source>
        <translation>PERDU</translation>
    </message>
    <message>
        <source>JACKPOT</source>
        <translation>JACKPOT</translation>
    </message>
    <message>
        <source>Where will the ball stop?</source>
        <translation>Où la bille va-t-elle s'arrêter ?</translation>
    </message>
    <message>
        <source>JACKPOT WON!</source>
        <translation>JACKPOT GAGNÉ !</translation>
    </message>
    <message>
        <source>CAPTAIN</source>
        <translation>CAPITAINE</translation>
    </message>
    <message>
        <source>SHIP</source>
        <translation>NAVIRE</translation>
    </message>
    <message>
        <source>SKULL</source>
        <translation>CRÂNE</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>DRAPEAU</translation>
    </message>
    <message>
        <source>CUTLASS</source>
        <translation>SABRE</translation>
    </message>
    <message>
        <source>COIN</source>
        <translation>PIÈCE</translation>
    </message>
    <message>
        <source>PARROT</source>
        <translation>PERROQUET</translation>
    </message>
    <message>
        <source>PISTOL</source>
        <translation>PISTOLET</translation>
    </message>
    <message>
        <source>CANNON</source>
        <translation>CANON</translation>
    </message>
    <message>
        <source>MAP</source>
        <translation>CARTE</translation>
    </message>
    <message>
        <source>%1 in a row  x %2</source>
        <translation>%1 alignés  x %2</translation>
    </message>
    <message>
        <source>Anywhere on the reels, times the total bet:  </source>
        <translation>Partout sur les rouleaux, fois la mise totale :  </translation>
    </message>
    <message>
        <source>Three or more also award free spins:  </source>
        <translation>Trois ou plus offrent aussi des tours gratuits :  </translation>
    </message>
    <message>
        <source>PAY TABLE</source>
        <translation>TABLE DES GAINS</translation>
    </message>
    <message>
        <source>Line pays: times the bet per line, matching from reel 1 on a played line</source>
        <translation>Gains de ligne : fois la mise par ligne, alignés dès le rouleau 1 sur une ligne jouée</translation>
    </message>
    <message>
        <source>WILD</source>
        <translation>WILD</translation>
    </message>
    <message>
        <source>Stands in for every paying symbol at once:</source>
        <translation>Remplace tous les symboles payants à la fois :</translation>
    </message>
    <message>
        <source>a line pays every symbol that the wilds complete on it.</source>
        <translation>une ligne paie chaque symbole que les wilds y complètent.</translation>
    </message>
    <message>
        <source>TREASURE CHEST</source>
        <translation>COFFRE AU TRÉSOR</translation>
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
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <translation>Table des gains</translation>
    </message>
    <message>
        <source>Paylines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Game History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROUGE</translation>
    </message>
    <message>
        <source>BLACK</source>
        <translation>NOIR</translation>
    </message>
    <message>
        <source>Take Win</source>
        <translation>Encaisser</translation>
    </message>
    <message>
        <source>Collect</source>
        <translation>Empocher</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>FREESPINS AWARDED</source>
        <translation>TOURS GRATUITS GAGNÉS</translation>
    </message>
    <message>
        <source>Free Spins Completed</source>
        <translation>Tours gratuits terminés</translation>
    </message>
    <message>
        <source>FREESPINS REMAINING =</source>
        <translation>TOURS RESTANTS =</translation>
    </message>
    <message>
        <source>Back to the Game</source>
        <translation>Retour au jeu</translation>
    </message>
</context>
</TS>
