<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>aboutquorvel</name>
    <message>
        <source>This link will take you to an online casino.</source>
        <translation>Ce lien vous mène à un casino en ligne.</translation>
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
        <translation>Votre ordinateur doit être connecté à Internet pour jouer au casino en ligne !!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Your computer needs to be connected to the internet for email !!<byte value="xd"/></source>
        <translation>Votre ordinateur doit être connecté à Internet pour les e-mails !!<byte value="xd"/></translation>
    </message>
    <message>
        <source>      Please be Patient as this may take a little time !!<byte value="xd"/>You are being taken via Tavrin to a secure web site that encrypts<byte value="xd"/>all transmitted  data according to the secure HTTP protocol.<byte value="xd"/></source>
        <translation>      Merci de patienter, cela peut prendre un peu de temps !!<byte value="xd"/>Vous êtes conduit via Tavrin vers un site sécurisé qui chiffre<byte value="xd"/>toutes les données transmises selon le protocole HTTP sécurisé.<byte value="xd"/></translation>
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
        <translation>Ce que vous voulez</translation>
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
        <translation>Historique - vos dix dernières parties</translation>
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
        <translation>
            <numerusform>%n partie</numerusform>
            <numerusform>%n parties</numerusform>
        </translation>
    </message>
    <message>
        <source>No games yet this session: the chart starts with your first spin.</source>
        <translation>Aucune partie pour l&apos;instant : la courbe démarre à votre premier tour.</translation>
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
        <translation>Votre retour</translation>
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
        <translation>Votre session</translation>
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
</TS>
