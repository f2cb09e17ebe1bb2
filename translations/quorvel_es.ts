<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>quorveloptions</name>
    <message>
        <source>Current Speed =   %1</source>
        <translation>Velocidad =   %1</translation>
    </message>
    <message>
        <source> ON</source>
        <translation> SÍ</translation>
    </message>
    <message>
        <source> OFF</source>
        <translation> NO</translation>
    </message>
    <message>
        <source>Already 800 X 600 resolution !!<byte value="xd"/></source>
        <translation>¡¡Ya estás en 800 X 600!!<byte value="xd"/></translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Opciones de Quorvel</translation>
    </message>
    <message>
        <source>Input Players Name                                    Then Enter</source>
        <translation>Tu nombre                                                 y pulsa Intro</translation>
    </message>
    <message>
        <source>    Total won does not include any funds from jackpots.</source>
        <translation>    El total ganado no incluye el oro de los botes.</translation>
    </message>
    <message>
        <source>Quick Stop</source>
        <translation>Parada rápida</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>O.K. Cerrar y guardar cambios</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Tirar al jugador por la borda</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>toggle sound</source>
        <translation>Sonido sí/no</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Velocidad de rodillos</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster                       Slower&gt;&gt;&gt;</source>
        <translation>&lt;&lt;&lt;Rápido                    Lento&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Pago %</translation>
    </message>
    <message>
        <source>Realistic</source>
        <translation>Realista</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>¡¡Un sueño!!</translation>
    </message>
    <message>
        <source>Screen Size</source>
        <translation>Tamaño de pantalla</translation>
    </message>
    <message>
        <source>Origonal Screen Size</source>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>Large Size 800X600</source>
        <translation>Grande 800X600</translation>
    </message>
    <message>
        <source>Note :- Some machines 
may not support this 
option.
</source>
        <translation>Nota :- Algunas 
máquinas no admiten 
esta opción.
</translation>
    </message>
    <message>
        <source>Reminder</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Nunca</translation>
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
        <translation>Paradas del juego automático</translation>
    </message>
    <message>
        <source>After this many spins</source>
        <translation>Tras tantas tiradas</translation>
    </message>
    <message>
        <source>When the credit has fallen by</source>
        <translation>Cuando el crédito ha bajado</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Sin tope</translation>
    </message>
    <message>
        <source>On a single win of at least</source>
        <translation>Con un premio de al menos × la apuesta</translation>
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
        <translation>Al empezar un bonus</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>Input Players Name</source>
        <translation>Escribir el nombre del jugador</translation>
    </message>
    <message>
        <source>No reminder</source>
        <translation>Sin aviso</translation>
    </message>
    <message>
        <source>Reminder every 15 minutes</source>
        <translation>Aviso cada 15 minutos</translation>
    </message>
    <message>
        <source>Reminder every 30 minutes</source>
        <translation>Aviso cada 30 minutos</translation>
    </message>
    <message>
        <source>Reminder every 60 minutes</source>
        <translation>Aviso cada 60 minutos</translation>
    </message>
    <message>
        <source>No spin limit</source>
        <translation>Sin límite de tiradas</translation>
    </message>
    <message>
        <source>Stop autoplay after 10 spins</source>
        <translation>Parar el juego automático tras 10 tiradas</translation>
    </message>
    <message>
        <source>Stop autoplay after 25 spins</source>
        <translation>Parar el juego automático tras 25 tiradas</translation>
    </message>
    <message>
        <source>Stop autoplay after 50 spins</source>
        <translation>Parar el juego automático tras 50 tiradas</translation>
    </message>
    <message>
        <source>Stop autoplay after 100 spins</source>
        <translation>Parar el juego automático tras 100 tiradas</translation>
    </message>
    <message>
        <source>Stop autoplay after 250 spins</source>
        <translation>Parar el juego automático tras 250 tiradas</translation>
    </message>
    <message>
        <source>No loss limit</source>
        <translation>Sin límite de pérdidas</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $5</source>
        <translation>Parar el juego automático cuando el crédito baje $5</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $10</source>
        <translation>Parar el juego automático cuando el crédito baje $10</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $25</source>
        <translation>Parar el juego automático cuando el crédito baje $25</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $50</source>
        <translation>Parar el juego automático cuando el crédito baje $50</translation>
    </message>
    <message>
        <source>Stop autoplay when the credit has fallen by $100</source>
        <translation>Parar el juego automático cuando el crédito baje $100</translation>
    </message>
    <message>
        <source>No win limit</source>
        <translation>Sin límite de premio</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 10 times the bet</source>
        <translation>Parar el juego automático con un premio de 10 veces la apuesta</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 50 times the bet</source>
        <translation>Parar el juego automático con un premio de 50 veces la apuesta</translation>
    </message>
    <message>
        <source>Stop autoplay on a win of 100 times the bet</source>
        <translation>Parar el juego automático con un premio de 100 veces la apuesta</translation>
    </message>
    <message>
        <source>Stop autoplay when a feature starts</source>
        <translation>Parar el juego automático al empezar un bonus</translation>
    </message>
    <message>
        <source>Play on through features</source>
        <translation>Seguir jugando durante los bonus</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>No has escrito nada</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nombre demasiado largo</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>¿Seguro que quieres tirar por la borda los datos de este jugador?</translation>
    </message>
    <message>
        <source>Vacant</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Total Wagered</source>
        <translation>Total apostado</translation>
    </message>
    <message>
        <source>Total Won</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Winning/Losing</source>
        <translation>Gana/Pierde</translation>
    </message>
    <message>
        <source>Returned To Player</source>
        <translation>Retorno al jugador</translation>
    </message>
    <message>
        <source>Total Invested</source>
        <translation>Total invertido</translation>
    </message>
    <message>
        <source>Freespins Won</source>
        <translation>Tiradas gratis</translation>
    </message>
    <message>
        <source>Grand Jackpots Won</source>
        <translation>Botes Grand</translation>
    </message>
    <message>
        <source>Major jackpots Won</source>
        <translation>Botes Major</translation>
    </message>
    <message>
        <source>Minor Jackpots Won</source>
        <translation>Botes Minor</translation>
    </message>
    <message>
        <source>Current Player</source>
        <translation>Al timón</translation>
    </message>
    <message>
        <source>Language as the system&apos;s</source>
        <translation>Idioma del sistema</translation>
    </message>
</context>
</TS>
