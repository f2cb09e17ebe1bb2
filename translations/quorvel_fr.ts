<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>aboutquorvel</name>
    <message>
        <source>This link will take you to an online casino.</source>
        <translation>Ce lien te mène à un casino en ligne.</translation>
    </message>
    <message>
        <source>Quorvel - a pirate video slot</source>
        <translation>Quorvel - machine à sous pirate</translation>
    </message>
    <message>
        <source>Artwork from Game Icons by Lorc, Delapouite and contributors, CC BY 3.0</source>
        <translation>Dessins : Game Icons par Lorc, Delapouite et al., CC BY 3.0</translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation>Plus de slots sur :-</translation>
    </message>
    <message>
        <source>See more games at Tavrin</source>
        <translation>Plus de jeux chez Tavrin</translation>
    </message>
    <message>
        <source>Any Feedback ? Please email me at :-</source>
        <translation>Un avis ? Écrivez-moi à :-</translation>
    </message>
    <message>
        <source>Email Me</source>
        <translation>M&apos;écrire</translation>
    </message>
    <message>
        <source>Any comments ? Please email me.</source>
        <translation>Des remarques ? Envoyez-moi un e-mail.</translation>
    </message>
    <message>
        <source>CLICK to try real slots action </source>
        <translation>CLIQUEZ pour jouer pour de vrai </translation>
    </message>
    <message>
        <source>Your computer needs to be connected to the internet to play casino slots online !!<byte value="xd"/></source>
        <translation>Ton ordinateur doit être connecté à Internet pour jouer au casino en ligne !!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Your computer needs to be connected to the internet for email !!<byte value="xd"/></source>
        <translation>Ton ordinateur doit être connecté à Internet pour les e-mails !!<byte value="xd"/></translation>
    </message>
    <message>
        <source>      Please be Patient as this may take a little time !!<byte value="xd"/>You are being taken via Tavrin to a secure web site that encrypts<byte value="xd"/>all transmitted  data according to the secure HTTP protocol.<byte value="xd"/></source>
        <translation>      Merci de patienter, cela peut prendre un peu de temps !!<byte value="xd"/>Tu es conduit via Tavrin vers un site sécurisé qui chiffre<byte value="xd"/>toutes les données transmises selon le protocole HTTP sécurisé.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Quorvel FREE version</source>
        <translation>Quorvel version GRATUITE</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>error Opening Link to %1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Erreur à l&apos;ouverture du lien vers %1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Anything you wish</source>
        <translation>Ce que tu veux</translation>
    </message>
</context>
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
        <translation>Astuce&#xa0;: la BARRE D&apos;ESPACE lance les rouleaux</translation>
    </message>
    <message>
        <source>Colour pays double · Suit pays four times</source>
        <translation>Rouge/Noir paie double · Couleur paie quadruple</translation>
    </message>
    <message>
        <source>YOU WIN!</source>
        <translation>GAGNÉ&#xa0;!</translation>
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
        <translation>Où la bille va-t-elle s&apos;arrêter&#xa0;?</translation>
    </message>
    <message>
        <source>JACKPOT WON!</source>
        <translation>JACKPOT GAGNÉ&#xa0;!</translation>
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
        <translation>Partout sur les rouleaux, fois la mise totale&#xa0;:  </translation>
    </message>
    <message>
        <source>Three or more also award free spins:  </source>
        <translation>Trois ou plus offrent aussi des tours gratuits&#xa0;:  </translation>
    </message>
    <message>
        <source>PAY TABLE</source>
        <translation>TABLE DES GAINS</translation>
    </message>
    <message>
        <source>Line pays: times the bet per line, matching from reel 1 on a played line</source>
        <translation>Gains de ligne&#xa0;: fois la mise par ligne, alignés dès le rouleau 1 sur une ligne jouée</translation>
    </message>
    <message>
        <source>WILD</source>
        <translation>WILD</translation>
    </message>
    <message>
        <source>Stands in for every paying symbol at once:</source>
        <translation>Remplace tous les symboles payants à la fois&#xa0;:</translation>
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
<context>
    <name>platform</name>
    <message>
        <source>Quorvel is already running with the settings in %1.<byte value="xd"/></source>
        <translation>Quorvel est déjà lancé avec les réglages de %1.<byte value="xd"/></translation>
    </message>
    <message>
        <source>Its window has been brought to the front; this copy closes.</source>
        <translation>Sa fenêtre a été ramenée au premier plan ; cette copie se ferme.</translation>
    </message>
    <message>
        <source>This copy closes; carry on in the one already open.</source>
        <translation>Cette copie se ferme ; continuez dans celle déjà ouverte.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>The settings in %1 could not be read; the game goes on without them.</source>
        <translation>Les réglages de %1 n&apos;ont pas pu être lus ; le jeu continue sans eux.</translation>
    </message>
    <message>
        <source>The settings file %1 is far larger than the game ever writes. The game reads its own values from it and, at the next save, keeps it aside as %1.damaged and writes a new one.</source>
        <translation>Le fichier de réglages %1 est bien plus gros que ce que le jeu écrit jamais. Le jeu y lit ses propres valeurs et, au prochain enregistrement, le met de côté sous le nom %1.damaged et en écrit un nouveau.</translation>
    </message>
    <message>
        <source>The settings in %1 could be read only in part; what could not be read is left out of the next save.</source>
        <translation>Les réglages de %1 n&apos;ont pu être lus qu&apos;en partie ; ce qui n&apos;a pas pu être lu sera omis au prochain enregistrement.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1; the game goes on with the values it has.</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés dans %1 ; le jeu continue avec les valeurs qu&apos;il a.</translation>
    </message>
</context>
<context>
    <name>quorvel</name>
    <message>
        <source>Reels</source>
        <translation>Rouleaux</translation>
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
        <translation>Historique</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
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
        <source>Gamble</source>
        <translation>Doubler</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Carte</translation>
    </message>
    <message>
        <source>Take Win</source>
        <translation>Encaisser</translation>
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
        <translation>, tours gratuits terminés, Empocher</translation>
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
        <translation>Doubler, en jeu %1</translation>
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
        <translation>%1 empoché, </translation>
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
    <name>quorveloptions</name>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Vitesse =   %1</translation>
    </message>
    <message>
        <source> ON</source>
        <translation> OUI</translation>
    </message>
    <message>
        <source> OFF</source>
        <translation> NON</translation>
    </message>
    <message>
        <source>Already 800 X 600 resolution !!<byte value="xd"/></source>
        <translation>Déjà en 800 X 600 !!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Options de Quorvel</translation>
    </message>
    <message>
        <source>Input Players Name                                    Then Enter</source>
        <translation>Ton nom                                                      puis Entrée</translation>
    </message>
    <message>
        <source>    Total won does not include any funds from jackpots.</source>
        <translation>    Le total gagné ne compte pas l&apos;or des jackpots.</translation>
    </message>
    <message>
        <source>Quick Stop</source>
        <translation>Arrêt rapide</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Fermer et enregistrer</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Jeter le joueur à la mer</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Décompte</translation>
    </message>
    <message>
        <source>toggle sound</source>
        <translation>Son oui/non</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Vitesse des rouleaux</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster                       Slower&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;Plus vite               Plus lent&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Redistribution %</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Réaliste</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>Le rêve !!</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Taille de l&apos;écran</translation>
    </message>
    <message>
        <source>Origonal Screen Size</source>
        <translation>Taille d&apos;origine</translation>
    </message>
    <message>
        <source>Large Size 800X600</source>
        <translation>Grand 800X600</translation>
    </message>
    <message>
        <source>Note :- Some machines 
may not support this 
option.
</source>
        <translation>Note :- Certaines 
machines refusent 
cette option.
</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Rappel</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Jamais</translation>
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
        <translation>Arrêts du jeu auto</translation>
    </message>
    <message>
        <source>After this many spins</source>
        <translation>Après tant de tours</translation>
    </message>
    <message>
        <source>When the credit has fallen by</source>
        <translation>Quand le crédit a baissé de</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sans</translation>
    </message>
    <message>
        <source>On a single win of at least</source>
        <translation>Sur un seul gain d&apos;au moins × la mise</translation>
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
        <translation>Au début d&apos;un bonus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Input Players Name</source>
        <translation>Saisir le nom du joueur</translation>
    </message>
    <message>
        <source>No reminder</source>
        <translation>Aucun rappel</translation>
    </message>
    <message>
        <source>Reminder every 15 minutes</source>
        <translation>Rappel toutes les 15 minutes</translation>
    </message>
    <message>
        <source>Reminder every 30 minutes</source>
        <translation>Rappel toutes les 30 minutes</translation>
    </message>
    <message>
        <source>Reminder every 60 minutes</source>
        <translation>Rappel toutes les 60 minutes</translation>
    </message>
    <message>
        <source>No spin limit</source>
        <translation>Pas de limite de tours</translation>
    </message>
    <message>
        <source>Stop autoplay after 10 spins</source>
        <translation>Arrêter le jeu auto après 10 tours</translation>
    </message>
    <message>
        <source>Stop autoplay after 25 spins</source>
        <translation>Arrêter le jeu auto après 25 tours</translation>
    </message>
    <message>
        <source>Stop autoplay after 50 spins</source>
        <translation>Arrêter le jeu auto après 50 tours</translation>
    </message>
    <message>
        <source>Stop autoplay after 100 spins</source>
        <translation>Arrêter le jeu auto après 100 tours</translation>
    </message>
    <message>
        <source>Stop autoplay after 250 spins</source>
        <translation>Arrêter le jeu auto après 250 tours</translation>
    </message>
    <message>
        <source>No loss limit</source>
        <translation>Pas de limite de perte</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $5</source>
        <translation>Arrêter le jeu auto quand le crédit a baissé de $5</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $10</source>
        <translation>Arrêter le jeu auto quand le crédit a baissé de $10</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $25</source>
        <translation>Arrêter le jeu auto quand le crédit a baissé de $25</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $50</source>
        <translation>Arrêter le jeu auto quand le crédit a baissé de $50</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $100</source>
        <translation>Arrêter le jeu auto quand le crédit a baissé de $100</translation>
    </message>
    <message>
        <source>No win limit</source>
        <translation>Pas de limite de gain</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 10 times the bet</source>
        <translation>Arrêter le jeu auto sur un gain de 10 fois la mise</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 50 times the bet</source>
        <translation>Arrêter le jeu auto sur un gain de 50 fois la mise</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 100 times the bet</source>
        <translation>Arrêter le jeu auto sur un gain de 100 fois la mise</translation>
    </message>
    <message>
        <source>Stop autoplay when a feature starts</source>
        <translation>Arrêter le jeu auto au début d&apos;un bonus</translation>
    </message>
    <message>
        <source>Play on through features</source>
        <translation>Continuer pendant les bonus</translation>
    </message>
    <message>
        <source>Language as the system&apos;s</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Rien de saisi</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nom trop long</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>Veux-tu vraiment jeter à la mer les données de ce joueur ?</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Total Wagered</source>
        <translation>Total misé</translation>
    </message>
    <message>
        <source>Total Won</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Winning/Losing</source>
        <translation>Gain/Perte</translation>
    </message>
    <message>
        <source>Returned To Player</source>
        <translation>Retour au joueur</translation>
    </message>
    <message>
        <source>Total Invested</source>
        <translation>Total investi</translation>
    </message>
    <message>
        <source>Freespins Won</source>
        <translation>Tours gratuits</translation>
    </message>
    <message>
        <source>Grand Jackpots Won</source>
        <translation>Jackpots Grand</translation>
    </message>
    <message>
        <source>Major jackpots Won</source>
        <translation>Jackpots Major</translation>
    </message>
    <message>
        <source>Minor Jackpots Won</source>
        <translation>Jackpots Minor</translation>
    </message>
    <message>
        <source>Current Player</source>
        <translation>À la barre</translation>
    </message>
</context>
<context>
    <name>quorvelpays</name>
    <message>
        <source>CLOSE PAYTABLE</source>
        <translation>FERMER LA TABLE</translation>
    </message>
    <message>
        <source>QUORVEL PAYTABLE</source>
        <translation>QUORVEL TABLE DES GAINS</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>Machine de rêve !!</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Généreux</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Réaliste</translation>
    </message>
    <message>
        <source>big wins stand 1 in %1</source>
        <translation>gros gains tenus 1 sur %1</translation>
    </message>
    <message>
        <source>Return to player, %1 lines, %2: %3 %</source>
        <translation>Taux de retour, %1 lignes, %2 : %3 %</translation>
    </message>
</context>
<context>
    <name>quorvelrecall</name>
    <message>
        <source>Game Recall - your last ten games</source>
        <translation>Historique - tes dix dernières parties</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Aucune partie jouée</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Back to the game (Esc)</source>
        <translation>Retour au jeu (Échap)</translation>
    </message>
    <message>
        <source>%1   stake %2   win %3</source>
        <translation>%1   mise %2   gain %3</translation>
    </message>
    <message>
        <source>minor</source>
        <translation>mineur</translation>
    </message>
    <message>
        <source>major</source>
        <translation>majeur</translation>
    </message>
    <message>
        <source>grand</source>
        <translation>grand</translation>
    </message>
    <message numerus="yes">
        <source>%n free spins, total %1</source>
        <comment>%n free spin, total %1</comment>
        <translation>
            <numerusform>%n tour gratuit, total %1</numerusform>
            <numerusform>%n tours gratuits, total %1</numerusform>
        </translation>
    </message>
    <message>
        <source>jackpot board: %1 %2</source>
        <translation>tableau jackpot : %1 %2</translation>
    </message>
    <message>
        <source>No feature</source>
        <translation>Aucun bonus</translation>
    </message>
    <message>
        <source>Not gambled</source>
        <translation>Pas de double</translation>
    </message>
    <message>
        <source>Gamble lost %1</source>
        <translation>Double perdu %1</translation>
    </message>
    <message>
        <source>Gamble taken %1</source>
        <translation>Double encaissé %1</translation>
    </message>
    <message>
        <source>Game Recall</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Played at %1</source>
        <translation>Jouée le %1</translation>
    </message>
    <message>
        <source>%1 lines at %2 = %3 credits</source>
        <translation>%1 lignes à %2 = %3 crédits</translation>
    </message>
    <message>
        <source>no line</source>
        <translation>aucune ligne</translation>
    </message>
    <message>
        <source>lines %1</source>
        <translation>lignes %1</translation>
    </message>
    <message>
        <source>Won %1 (%2)</source>
        <translation>Gagné %1 (%2)</translation>
    </message>
    <message>
        <source>Credit %1 before, %2 after</source>
        <translation>Crédit avant %1, après %2</translation>
    </message>
</context>
<context>
    <name>quorvelsession</name>
    <message>
        <source>Game %1: gamble won %2</source>
        <translation>Partie %1 : double gagné %2</translation>
    </message>
    <message>
        <source>Game %1: free spins won %2</source>
        <translation>Partie %1 : tours gratuits gagnés %2</translation>
    </message>
    <message>
        <source>Game %1: board prize %2</source>
        <translation>Partie %1 : prix du tableau %2</translation>
    </message>
    <message>
        <source>Game %1: gamble lost %2</source>
        <translation>Partie %1 : double perdu %2</translation>
    </message>
    <message numerus="yes">
        <source>%n games</source>
        <comment>%n game</comment>
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
    <message>
        <source>No games yet this session: the chart starts with your first spin.</source>
        <translation>Aucune partie pour l&apos;instant : la courbe démarre à ton premier tour.</translation>
    </message>
    <message>
        <source>Luckier than almost every session of %2.</source>
        <translation>Plus chanceux que presque toutes les sessions de %2.</translation>
    </message>
    <message>
        <source>Less lucky than almost every session of %2.</source>
        <translation>Moins chanceux que presque toutes les sessions de %2.</translation>
    </message>
    <message>
        <source>Luckier than about %1 % of sessions of %2.</source>
        <translation>Plus chanceux qu&apos;environ %1 % des sessions de %2.</translation>
    </message>
    <message>
        <source>Less lucky than about %1 % of sessions of %2.</source>
        <translation>Moins chanceux qu&apos;environ %1 % des sessions de %2.</translation>
    </message>
    <message>
        <source>Credit after each game</source>
        <translation>Crédit après chaque partie</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Credit ($)</source>
        <translation>Crédit ($)</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Tours gratuits</translation>
    </message>
    <message>
        <source>Board prize</source>
        <translation>Prix du tableau</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Return so far</source>
        <translation>Taux de retour actuel</translation>
    </message>
    <message>
        <source>Return (%)</source>
        <translation>Retour (%)</translation>
    </message>
    <message>
        <source>Your return</source>
        <translation>Ton retour</translation>
    </message>
    <message>
        <source>Long-run return</source>
        <translation>Retour à long terme</translation>
    </message>
    <message>
        <source>Two standard deviations</source>
        <translation>Deux écarts-types</translation>
    </message>
    <message>
        <source>Your Session</source>
        <translation>Ta session</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Back to the game (Esc)</source>
        <translation>Retour au jeu (Échap)</translation>
    </message>
    <message>
        <source>Return so far against the long-run return</source>
        <translation>Retour actuel face au retour à long terme</translation>
    </message>
    <message>
        <source>Return so far: %1   Long-run return: %2</source>
        <translation>Retour actuel : %1   À long terme : %2</translation>
    </message>
    <message>
        <source>Time played: %1</source>
        <translation>Temps de jeu : %1</translation>
    </message>
    <message>
        <source>Games: %1</source>
        <translation>Parties : %1</translation>
    </message>
    <message>
        <source>Wagered: %1</source>
        <translation>Misé : %1</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gagné : %1</translation>
    </message>
    <message>
        <source>Net: %1</source>
        <translation>Bilan : %1</translation>
    </message>
    <message>
        <source>Biggest win: %1</source>
        <translation>Plus gros gain : %1</translation>
    </message>
    <message>
        <source>Features won: free spins %1, boards %2</source>
        <translation>Bonus gagnés : tours gratuits %1, tableaux %2</translation>
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
