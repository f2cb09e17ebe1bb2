<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
    <message>
        <source>Language as the system&apos;s</source>
        <translation>Langue du système</translation>
    </message>
</context>
</TS>
