<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CClipboardDlg</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Completa</translation>
    </message>
    <message>
        <source>17++</source>
        <translation>17++</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>3 chars</source>
        <translation>3 letras</translation>
    </message>
    <message>
        <source>Team Rating:</source>
        <translation>Puntuación del equipo:</translation>
    </message>
    <message>
        <source>Players Civilizations:</source>
        <translation>Civilizaciones de los jugadores:</translation>
    </message>
    <message>
        <source>Team Names:</source>
        <translation>Nombres de los equipos:</translation>
    </message>
    <message>
        <source>Map name:</source>
        <translation>Nombre del mapa:</translation>
    </message>
    <message>
        <source>Union string:</source>
        <translation>Texto de unión:</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>CCommandTable</name>
    <message>
        <source>Create New Folder</source>
        <translation>Crear carpeta nueva</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Cambiar de carpeta</translation>
    </message>
    <message>
        <source>Search in the Current Folder</source>
        <translation>Buscar en la carpeta actual</translation>
    </message>
    <message>
        <source>1.0C / 1.0E</source>
        <translation>1.0C / 1.0E</translation>
    </message>
    <message>
        <source>1.0</source>
        <translation>1.0</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Current Folder</source>
        <translation>Carpeta actual</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Rename to ...</source>
        <translation>Renombrar a ...</translation>
    </message>
    <message>
        <source>&amp;Rename ...</source>
        <translation>&amp;Renombrar ...</translation>
    </message>
    <message>
        <source>SaveGame</source>
        <translation>SaveGame</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>S&amp;plit</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <source>View Top Players</source>
        <translation>Ver los mejores jugadores</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Refresh Ratings</source>
        <translation>Actualizar puntuaciones</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>IGZ RM</source>
        <translation>IGZ RM</translation>
    </message>
    <message>
        <source>IGZ DM</source>
        <translation>IGZ DM</translation>
    </message>
    <message>
        <source>GP RM</source>
        <translation>GP RM</translation>
    </message>
    <message>
        <source>GP DM</source>
        <translation>GP DM</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>ChinaZone</source>
        <translation>ChinaZone</translation>
    </message>
    <message>
        <source>Re-Analyze Recorded Game Info</source>
        <translation>Volver a analizar la partida grabada</translation>
    </message>
    <message>
        <source>Edit Players Info</source>
        <translation>Editar información de los jugadores</translation>
    </message>
    <message>
        <source>Copy description to the Clipboard</source>
        <translation>Copiar la descripción al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Configuration</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Rename Formats</source>
        <translation>Formatos de renombrado</translation>
    </message>
    <message>
        <source>Database Management</source>
        <translation>Gestión de la base de datos</translation>
    </message>
    <message>
        <source>Age of Empires II community</source>
        <translation>Comunidad de Age of Empires II</translation>
    </message>
    <message>
        <source>Age of Empires II forums</source>
        <translation>Foros de Age of Empires II</translation>
    </message>
    <message>
        <source>Recorded games archive</source>
        <translation>Archivo de partidas grabadas</translation>
    </message>
    <message>
        <source>Tournaments</source>
        <translation>Torneos</translation>
    </message>
    <message>
        <source>Strategy guides</source>
        <translation>Guías de estrategia</translation>
    </message>
    <message>
        <source>Ladder statistics</source>
        <translation>Estadísticas de la clasificación</translation>
    </message>
    <message>
        <source>&amp;About Vellumcast...</source>
        <translation>&amp;Acerca de Vellumcast...</translation>
    </message>
    <message>
        <source>Full Scan</source>
        <translation>Análisis completo</translation>
    </message>
    <message>
        <source>Rename format %1</source>
        <translation>Formato de renombrado %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Launch The Conquerors</source>
        <translation>Iniciar The Conquerors</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Add to a Zip File</source>
        <translation>Añadir a un archivo Zip</translation>
    </message>
    <message>
        <source>Add to Individual Zip Files</source>
        <translation>Añadir a archivos Zip individuales</translation>
    </message>
    <message>
        <source>Move to</source>
        <translation>Mover a</translation>
    </message>
    <message>
        <source>Copy to</source>
        <translation>Copiar a</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Recorded Game</source>
        <translation>&amp;Partida grabada</translation>
    </message>
    <message>
        <source>Change Platform</source>
        <translation>Cambiar la plataforma</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Move to ...</source>
        <translation>&amp;Mover a ...</translation>
    </message>
    <message>
        <source>&amp;Copy to ...</source>
        <translation>&amp;Copiar a ...</translation>
    </message>
    <message>
        <source>&amp;Add to a Zip File</source>
        <translation>&amp;Añadir a un archivo Zip</translation>
    </message>
    <message>
        <source>Add to a Zip as Individual Files</source>
        <translation>Añadir a un Zip como archivos individuales</translation>
    </message>
</context>
<context>
    <name>CConfigCompressed</name>
    <message>
        <source>Analyze Zip Files</source>
        <translation>Analizar archivos Zip</translation>
    </message>
    <message>
        <source>Analyze RaR Files</source>
        <translation>Analizar archivos RaR</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>NOTE: All files or folders of the temporal directory will be deleted.</source>
        <translation>NOTA: se eliminarán todos los archivos y carpetas de la carpeta temporal.</translation>
    </message>
    <message>
        <source>Temporal Directory:</source>
        <translation>Carpeta temporal:</translation>
    </message>
</context>
<context>
    <name>CConfigFiles</name>
    <message>
        <source>Move the files to the Recycle Bin.</source>
        <translation>Mover los archivos a la papelera de reciclaje.</translation>
    </message>
    <message>
        <source>Use names of maps in english language when rename files.</source>
        <translation>Usar los nombres de los mapas en inglés al renombrar archivos.</translation>
    </message>
    <message>
        <source>When a file with the same name exists</source>
        <translation>Cuando ya existe un archivo con el mismo nombre</translation>
    </message>
    <message>
        <source>The new name gets this text and a number, for example:
&quot;Arabia.mgx&quot; becomes &quot;Arabia Game 1.mgx&quot;, &quot;Arabia Game 2.mgx&quot;...</source>
        <translation>El nuevo nombre recibe este texto y un número, por ejemplo:
&quot;Arabia.mgx&quot; pasa a ser &quot;Arabia Game 1.mgx&quot;, &quot;Arabia Game 2.mgx&quot;...</translation>
    </message>
    <message>
        <source>NOTE: the name needs to be without any quotes.</source>
        <translation>NOTA: el nombre debe escribirse sin comillas.</translation>
    </message>
    <message>
        <source>Date format of the Files</source>
        <translation>Formato de fecha de los archivos</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Custom Date Format for Rename Files:</source>
        <translation>Formato de fecha personalizado para renombrar archivos:</translation>
    </message>
    <message>
        <source>You can use the follow Date Labels:</source>
        <translation>Puede usar las siguientes etiquetas de fecha:</translation>
    </message>
</context>
<context>
    <name>CConfigGeneral</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>Show Game Chat</source>
        <translation>Mostrar el chat de la partida</translation>
    </message>
    <message>
        <source>Show Resign Messages</source>
        <translation>Mostrar los mensajes de rendición</translation>
    </message>
    <message>
        <source>Show time in the Messages Chat</source>
        <translation>Mostrar la hora en los mensajes del chat</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Is AoC installed?:</source>
        <translation>¿Está instalado AoC?:</translation>
    </message>
    <message>
        <source>SaveGame Folder:</source>
        <translation>Carpeta SaveGame:</translation>
    </message>
    <message>
        <source>The Conquerors Version 1.0:</source>
        <translation>The Conquerors versión 1.0:</translation>
    </message>
    <message>
        <source>Wine</source>
        <translation>Wine</translation>
    </message>
    <message>
        <source>Wine prefix (empty: the default one):</source>
        <translation>Prefijo de Wine (vacío: el predeterminado):</translation>
    </message>
    <message>
        <source>Wine command:</source>
        <translation>Comando de Wine:</translation>
    </message>
    <message>
        <source>Recorded games</source>
        <translation>Partidas grabadas</translation>
    </message>
    <message>
        <source>Analyze scenario recs?</source>
        <translation>¿Analizar las grabaciones de escenarios?</translation>
    </message>
    <message>
        <source>The application may crash or not to work correctly, because the MGX structure isn&apos;t 100% well-known.</source>
        <translation>La aplicación puede bloquearse o no funcionar correctamente, porque la estructura MGX no se conoce al 100%.</translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation>Prefijo de Wine</translation>
    </message>
    <message>
        <source>Show new recordings of the folder as they are saved</source>
        <translation>Mostrar las nuevas grabaciones de la carpeta a medida que se guardan</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Europeo occidental</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europeo central</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Chinese Simplified</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Chinese Traditional</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Names in recordings</source>
        <translation>Nombres en las grabaciones</translation>
    </message>
    <message>
        <source>Code page:</source>
        <translation>Página de códigos:</translation>
    </message>
    <message>
        <source>Older recordings store player names in the code page of the Windows they were played on: pick Chinese, Korean, Japanese or Cyrillic when names show as strange characters. Names written as UTF-8 by later editions always read right.</source>
        <translation>Las grabaciones antiguas guardan los nombres de los jugadores en la página de códigos del Windows en el que se jugaron: elija chino, coreano, japonés o cirílico cuando los nombres aparezcan con caracteres extraños. Los nombres escritos en UTF-8 por ediciones posteriores siempre se leen bien.</translation>
    </message>
</context>
<context>
    <name>CConfigRatings</name>
    <message>
        <source>Select the default Platform, that will be used when the Recorded Games are analyzed.</source>
        <translation>Seleccione la plataforma predeterminada que se usará al analizar las partidas grabadas.</translation>
    </message>
    <message>
        <source>NOTE: You can change the platform of any Recorded Game in any moment.</source>
        <translation>NOTA: puede cambiar la plataforma de cualquier partida grabada en cualquier momento.</translation>
    </message>
    <message>
        <source>Default RM Platform:</source>
        <translation>Plataforma RM predeterminada:</translation>
    </message>
    <message>
        <source>Default DM Platform:</source>
        <translation>Plataforma DM predeterminada:</translation>
    </message>
    <message>
        <source>off - for example http://127.0.0.1:8080/</source>
        <translation>desactivado - por ejemplo http://127.0.0.1:8080/</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Web rating services</source>
        <translation>Servicios web de puntuación</translation>
    </message>
    <message>
        <source>&quot;Refresh Ratings&quot; asks the service of the game&apos;s platform. Give each service its address: http:// or https://, host, port and an optional path. An empty address turns the service off.</source>
        <translation>&quot;Actualizar puntuaciones&quot; consulta el servicio de la plataforma de la partida. Indique la dirección de cada servicio: http:// o https://, host, puerto y una ruta opcional. Una dirección vacía desactiva el servicio.</translation>
    </message>
    <message>
        <source>Zone service:</source>
        <translation>Servicio Zone:</translation>
    </message>
    <message>
        <source>GamePark service:</source>
        <translation>Servicio GamePark:</translation>
    </message>
    <message>
        <source>IGZones service:</source>
        <translation>Servicio IGZones:</translation>
    </message>
    <message>
        <source>Time-out:</source>
        <translation>Tiempo de espera:</translation>
    </message>
</context>
<context>
    <name>CConfiguration</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Ratings</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Compressed Files</source>
        <translation>Archivos comprimidos</translation>
    </message>
</context>
<context>
    <name>CDataBaseManagementDlg</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Optimize DataBase</source>
        <translation>Optimizar la base de datos</translation>
    </message>
    <message>
        <source>DataBase Management</source>
        <translation>Gestión de la base de datos</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Database Size:</source>
        <translation>Tamaño de la base de datos:</translation>
    </message>
    <message>
        <source>Players Registered:</source>
        <translation>Jugadores registrados:</translation>
    </message>
    <message>
        <source>Matches Registered:</source>
        <translation>Partidas registradas:</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimizar</translation>
    </message>
    <message>
        <source>Only Basic Info</source>
        <translation>Solo información básica</translation>
    </message>
    <message>
        <source>No Copy</source>
        <translation>No copiar</translation>
    </message>
    <message>
        <source>Only Player with Rating up of:</source>
        <translation>Solo jugadores con puntuación superior a:</translation>
    </message>
    <message>
        <source>Create new Database:</source>
        <translation>Crear una base de datos nueva:</translation>
    </message>
    <message>
        <source>Copy Players Information:</source>
        <translation>Copiar la información de los jugadores:</translation>
    </message>
    <message>
        <source>Copy Matches Information:</source>
        <translation>Copiar la información de las partidas:</translation>
    </message>
    <message>
        <source>Copying Players Information...</source>
        <translation>Copiando la información de los jugadores...</translation>
    </message>
</context>
<context>
    <name>CExFormView</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Map:</source>
        <translation>Mapa:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jugadores:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Platform:</source>
        <translation>Plataforma:</translation>
    </message>
    <message>
        <source>View of:</source>
        <translation>Vista de:</translation>
    </message>
    <message>
        <source>Rating AVG:</source>
        <translation>Puntuación media:</translation>
    </message>
    <message>
        <source>Team A</source>
        <translation>Equipo A</translation>
    </message>
    <message>
        <source>Team B</source>
        <translation>Equipo B</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Spectators:</source>
        <translation>Espectadores:</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.</source>
        <translation>No se pudo leer %1: %2.</translation>
    </message>
</context>
<context>
    <name>CExListView</name>
    <message>
        <source>Every recording of this folder is already in the catalogue.</source>
        <translation>Todas las grabaciones de esta carpeta ya están en el catálogo.</translation>
    </message>
    <message>
        <source>1 recording could not be read</source>
        <translation>No se pudo leer 1 grabación</translation>
    </message>
    <message>
        <source>%1 recordings could not be read</source>
        <translation>No se pudieron leer %1 grabaciones</translation>
    </message>
    <message>
        <source>Their rows show the reason in a tooltip. Show Details lists them.</source>
        <translation>Sus filas indican el motivo en una información emergente. Mostrar detalles las enumera.</translation>
    </message>
</context>
<context>
    <name>CExplorerComboBox</name>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>SaveGames</source>
        <translation>SaveGames</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>La carpeta &quot;%1&quot; no existe.</translation>
    </message>
</context>
<context>
    <name>CFileCommands</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>La carpeta &quot;%1&quot; no existe.</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFolderNavigation</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
</context>
<context>
    <name>CGameListModel</name>
    <message>
        <source>%1
Could not be read: %2</source>
        <translation>%1
No se pudo leer: %2</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation>Cambiar de carpeta</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se pudo leer %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n selected</source>
        <translation>
            <numerusform>%n seleccionado</numerusform>
            <numerusform>%n seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message numerus="yes">
        <source>Names in recordings are now read with the code page %1. Read the %n stored recording(s) of this folder again, so that their names follow?</source>
        <translation>
            <numerusform>Los nombres de las grabaciones se leen ahora con la página de códigos %1. ¿Volver a leer %n grabación guardada de esta carpeta para que sus nombres también cambien?</numerusform>
            <numerusform>Los nombres de las grabaciones se leen ahora con la página de códigos %1. ¿Volver a leer las %n grabaciones guardadas de esta carpeta para que sus nombres también cambien?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CNameDialog</name>
    <message>
        <source>Create Folder</source>
        <translation>Crear carpeta</translation>
    </message>
    <message>
        <source>Folder Name:</source>
        <translation>Nombre de la carpeta:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
</context>
<context>
    <name>CPlayersEditDlg</name>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Edit Players Info</source>
        <translation>Editar información de los jugadores</translation>
    </message>
    <message>
        <source>Player Info</source>
        <translation>Información del jugador</translation>
    </message>
    <message>
        <source>Player NickName:</source>
        <translation>Apodo del jugador:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
    <message>
        <source>The players could not be saved.</source>
        <translation>No se pudieron guardar los jugadores.</translation>
    </message>
</context>
<context>
    <name>CRatingServices</name>
    <message>
        <source>The %1 rating service is off: it has no address. Set one on the Ratings page of the configuration.</source>
        <translation>El servicio de puntuación %1 está desactivado: no tiene dirección. Indique una en la página Puntuaciones de la configuración.</translation>
    </message>
</context>
<context>
    <name>CRenameConfirm</name>
    <message>
        <source>Replace spaces with underscores (_)</source>
        <translation>Sustituir los espacios por guiones bajos (_)</translation>
    </message>
    <message>
        <source>Rename Recorded Game</source>
        <translation>Renombrar partida grabada</translation>
    </message>
    <message>
        <source>Select Round:</source>
        <translation>Seleccione la ronda:</translation>
    </message>
    <message>
        <source>A round is required for this rename option.</source>
        <translation>Esta opción de renombrado requiere una ronda.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
</context>
<context>
    <name>CRenameDlg</name>
    <message>
        <source>Rename Files</source>
        <translation>Renombrar archivos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Rename to</source>
        <translation>Renombrar a</translation>
    </message>
    <message>
        <source>Round:</source>
        <translation>Ronda:</translation>
    </message>
    <message>
        <source>Select rename format for all files:</source>
        <translation>Seleccione el formato de renombrado para todos los archivos:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Politics of collisions of the files names</source>
        <translation>Qué hacer cuando los nombres de archivo coinciden</translation>
    </message>
    <message>
        <source>The word &quot;Game #&quot; comes from the configuration (page &quot;Files&quot;).</source>
        <translation>La palabra &quot;Game #&quot; procede de la configuración (página &quot;Archivos&quot;).</translation>
    </message>
</context>
<context>
    <name>CRenameFormatsDlg</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Rename Formats</source>
        <translation>Formatos de renombrado</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Formats:</source>
        <translation>Formatos:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Rename Title:</source>
        <translation>Título del formato:</translation>
    </message>
    <message>
        <source>Rename Format:</source>
        <translation>Formato de renombrado:</translation>
    </message>
    <message>
        <source>Format Type:</source>
        <translation>Tipo de formato:</translation>
    </message>
    <message>
        <source>(this Format is for..)</source>
        <translation>(este formato es para..)</translation>
    </message>
    <message>
        <source>Rename Format Samples</source>
        <translation>Ejemplos de formatos de renombrado</translation>
    </message>
    <message>
        <source>Save Changes</source>
        <translation>Guardar cambios</translation>
    </message>
</context>
<context>
    <name>CRenameSingleDlg</name>
    <message>
        <source>Replace spaces with underscores (_)</source>
        <translation>Sustituir los espacios por guiones bajos (_)</translation>
    </message>
    <message>
        <source>Rename Recorded Game</source>
        <translation>Renombrar partida grabada</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Values of the format</source>
        <translation>Valores del formato</translation>
    </message>
    <message>
        <source>Round #:</source>
        <translation>Ronda n.º:</translation>
    </message>
    <message>
        <source>Map:</source>
        <translation>Mapa:</translation>
    </message>
    <message>
        <source>Team A:</source>
        <translation>Equipo A:</translation>
    </message>
    <message>
        <source>Team B:</source>
        <translation>Equipo B:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Add other Game Info:</source>
        <translation>Añadir otra información de la partida:</translation>
    </message>
    <message>
        <source>Add Info</source>
        <translation>Añadir información</translation>
    </message>
    <message>
        <source>Rename Formats:</source>
        <translation>Formatos de renombrado:</translation>
    </message>
    <message>
        <source>New file name (can change the new file name here):</source>
        <translation>Nuevo nombre de archivo (puede cambiarlo aquí):</translation>
    </message>
</context>
<context>
    <name>CSearchDlg</name>
    <message>
        <source>- All -</source>
        <translation>- Todos -</translation>
    </message>
    <message>
        <source>Search in:</source>
        <translation>Buscar en:</translation>
    </message>
    <message>
        <source>Search Recorded Game</source>
        <translation>Buscar partida grabada</translation>
    </message>
    <message>
        <source>Begins with</source>
        <translation>Empieza por</translation>
    </message>
    <message>
        <source>Contains</source>
        <translation>Contiene</translation>
    </message>
    <message>
        <source>End with</source>
        <translation>Termina en</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>this search looks for the Nick Name and the Civilization list in the POV Player.</source>
        <translation>esta búsqueda compara el apodo y la lista de civilizaciones con el jugador de la vista (POV).</translation>
    </message>
    <message>
        <source>looks for the Nick and the Civ. of any player (both options at the same Player).</source>
        <translation>busca el apodo y la civ. de cualquier jugador (ambas opciones en el mismo jugador).</translation>
    </message>
    <message>
        <source>this search looks for the Nick Name or the Civ. of all Players.</source>
        <translation>esta búsqueda compara el apodo o la civ. con todos los jugadores.</translation>
    </message>
    <message>
        <source>Player POV</source>
        <translation>Jugador de la vista</translation>
    </message>
    <message>
        <source>Unique Player</source>
        <translation>Un mismo jugador</translation>
    </message>
    <message>
        <source>All Players</source>
        <translation>Todos los jugadores</translation>
    </message>
    <message>
        <source>Search &amp;Player</source>
        <translation>Buscar &amp;jugador</translation>
    </message>
    <message>
        <source>Rating (max):</source>
        <translation>Puntuación (máx.):</translation>
    </message>
    <message>
        <source>Player Nick:</source>
        <translation>Apodo del jugador:</translation>
    </message>
    <message>
        <source>Rating (min):</source>
        <translation>Puntuación (mín.):</translation>
    </message>
    <message>
        <source>Civilization(s):</source>
        <translation>Civilización(es):</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Players:</source>
        <translation>Jugadores:</translation>
    </message>
    <message>
        <source>Platform:</source>
        <translation>Plataforma:</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>(use Ctrl Key to select or unselect several options)</source>
        <translation>(use la tecla Ctrl para seleccionar o deseleccionar varias opciones)</translation>
    </message>
    <message>
        <source>Map(s):</source>
        <translation>Mapa(s):</translation>
    </message>
    <message>
        <source>The current search has not matches</source>
        <translation>La búsqueda actual no tiene resultados</translation>
    </message>
</context>
<context>
    <name>CSearchPlayerDlg</name>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Player Search</source>
        <translation>Buscar jugador</translation>
    </message>
    <message>
        <source>- All -</source>
        <translation>- Todos -</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Rating (max):</source>
        <translation>Puntuación (máx.):</translation>
    </message>
    <message>
        <source>Player Nick:</source>
        <translation>Apodo del jugador:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Rating (min):</source>
        <translation>Puntuación (mín.):</translation>
    </message>
    <message>
        <source>Found matches:</source>
        <translation>Coincidencias encontradas:</translation>
    </message>
    <message>
        <source>Selected Player:</source>
        <translation>Jugador seleccionado:</translation>
    </message>
</context>
<context>
    <name>CTopPlayersDlg</name>
    <message>
        <source>Top 15 Players</source>
        <translation>Los 15 mejores jugadores</translation>
    </message>
    <message>
        <source>Platform:</source>
        <translation>Plataforma:</translation>
    </message>
    <message>
        <source>this top is based in your players Database, can be old or not the real top.</source>
        <translation>esta clasificación se basa en su base de datos de jugadores; puede estar desactualizada o no ser la clasificación real.</translation>
    </message>
    <message>
        <source>the Zone Top is Real.</source>
        <translation>la clasificación de Zone es la real.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist; showing %2 instead.</source>
        <translation>La carpeta &quot;%1&quot; no existe; se muestra %2 en su lugar.</translation>
    </message>
</context>
<context>
    <name>RatingLookups</name>
    <message>
        <source>The new ratings could not be written to the catalogue.</source>
        <translation>No se pudieron escribir las nuevas puntuaciones en el catálogo.</translation>
    </message>
</context>
<context>
    <name>SearchChoices</name>
    <message>
        <source>Team Game</source>
        <translation>Partida por equipos</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>OK</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source> Files: %d </source>
        <translation> Archivos: %d </translation>
    </message>
    <message>
        <source> Recorded Games: %d </source>
        <translation> Partidas grabadas: %d </translation>
    </message>
    <message>
        <source>Please restart %1 to use the new language.</source>
        <translation>Reinicie %1 para usar el nuevo idioma.</translation>
    </message>
    <message>
        <source>No Flag</source>
        <translation>Sin bandera</translation>
    </message>
    <message>
        <source>Afghanistan</source>
        <translation>Afganistán</translation>
    </message>
    <message>
        <source>Albania</source>
        <translation>Albania</translation>
    </message>
    <message>
        <source>Algeria</source>
        <translation>Argelia</translation>
    </message>
    <message>
        <source>Andorra</source>
        <translation>Andorra</translation>
    </message>
    <message>
        <source>Angola</source>
        <translation>Angola</translation>
    </message>
    <message>
        <source>Antiguabarbuda</source>
        <translation>Antigua y Barbuda</translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation>Argentina</translation>
    </message>
    <message>
        <source>Armenia</source>
        <translation>Armenia</translation>
    </message>
    <message>
        <source>Australia</source>
        <translation>Australia</translation>
    </message>
    <message>
        <source>Austria</source>
        <translation>Austria</translation>
    </message>
    <message>
        <source>Azerbaijan</source>
        <translation>Azerbaiyán</translation>
    </message>
    <message>
        <source>Bahamas</source>
        <translation>Bahamas</translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation>Baréin</translation>
    </message>
    <message>
        <source>Bangladesh</source>
        <translation>Bangladés</translation>
    </message>
    <message>
        <source>Barbados</source>
        <translation>Barbados</translation>
    </message>
    <message>
        <source>Belarus</source>
        <translation>Bielorrusia</translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation>Bélgica</translation>
    </message>
    <message>
        <source>Belize</source>
        <translation>Belice</translation>
    </message>
    <message>
        <source>Benin</source>
        <translation>Benín</translation>
    </message>
    <message>
        <source>Bhutan</source>
        <translation>Bután</translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation>Bolivia</translation>
    </message>
    <message>
        <source>Bosnia Herzegovina</source>
        <translation>Bosnia y Herzegovina</translation>
    </message>
    <message>
        <source>Botswana</source>
        <translation>Botsuana</translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message>
        <source>Brunei</source>
        <translation>Brunéi</translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation>Bulgaria</translation>
    </message>
    <message>
        <source>Burkinafaso</source>
        <translation>Burkina Faso</translation>
    </message>
    <message>
        <source>Burma</source>
        <translation>Birmania</translation>
    </message>
    <message>
        <source>Burundi</source>
        <translation>Burundi</translation>
    </message>
    <message>
        <source>Cambodia</source>
        <translation>Camboya</translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation>Camerún</translation>
    </message>
    <message>
        <source>Canada</source>
        <translation>Canadá</translation>
    </message>
    <message>
        <source>Centralafricanrep</source>
        <translation>República Centroafricana</translation>
    </message>
    <message>
        <source>Chad</source>
        <translation>Chad</translation>
    </message>
    <message>
        <source>Chile</source>
        <translation>Chile</translation>
    </message>
    <message>
        <source>China</source>
        <translation>China</translation>
    </message>
    <message>
        <source>Columbia</source>
        <translation>Colombia</translation>
    </message>
    <message>
        <source>Comoros</source>
        <translation>Comoras</translation>
    </message>
    <message>
        <source>Congo</source>
        <translation>Congo</translation>
    </message>
    <message>
        <source>Costarica</source>
        <translation>Costa Rica</translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation>Croacia</translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation>Cuba</translation>
    </message>
    <message>
        <source>Cyprus</source>
        <translation>Chipre</translation>
    </message>
    <message>
        <source>Czechrepublic</source>
        <translation>República Checa</translation>
    </message>
    <message>
        <source>Demrepcongo</source>
        <translation>República Democrática del Congo</translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation>Dinamarca</translation>
    </message>
    <message>
        <source>Djiboutil</source>
        <translation>Yibuti</translation>
    </message>
    <message>
        <source>Dominica</source>
        <translation>Dominica</translation>
    </message>
    <message>
        <source>Dominicanrep</source>
        <translation>República Dominicana</translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation>Ecuador</translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation>Egipto</translation>
    </message>
    <message>
        <source>Elsalvado</source>
        <translation>El Salvador</translation>
    </message>
    <message>
        <source>England</source>
        <translation>Inglaterra</translation>
    </message>
    <message>
        <source>Eq Guinea</source>
        <translation>Guinea Ecuatorial</translation>
    </message>
    <message>
        <source>Eritrea</source>
        <translation>Eritrea</translation>
    </message>
    <message>
        <source>Estonia</source>
        <translation>Estonia</translation>
    </message>
    <message>
        <source>Ethiopia</source>
        <translation>Etiopía</translation>
    </message>
    <message>
        <source>Eu</source>
        <translation>UE</translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation>Fiyi</translation>
    </message>
    <message>
        <source>Finland</source>
        <translation>Finlandia</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Gabon</source>
        <translation>Gabón</translation>
    </message>
    <message>
        <source>Gambia</source>
        <translation>Gambia</translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation>Georgia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemania</translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation>Ghana</translation>
    </message>
    <message>
        <source>Greece</source>
        <translation>Grecia</translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation>Groenlandia</translation>
    </message>
    <message>
        <source>Grenada</source>
        <translation>Granada</translation>
    </message>
    <message>
        <source>Grenadines</source>
        <translation>Granadinas</translation>
    </message>
    <message>
        <source>Guatemala</source>
        <translation>Guatemala</translation>
    </message>
    <message>
        <source>Guineabissau</source>
        <translation>Guinea-Bisáu</translation>
    </message>
    <message>
        <source>Guineal</source>
        <translation>Guinea</translation>
    </message>
    <message>
        <source>Guyana</source>
        <translation>Guyana</translation>
    </message>
    <message>
        <source>Haiti</source>
        <translation>Haití</translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation>Honduras</translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation>Hungría</translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation>Islandia</translation>
    </message>
    <message>
        <source>India</source>
        <translation>India</translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation>Indonesia</translation>
    </message>
    <message>
        <source>Iran</source>
        <translation>Irán</translation>
    </message>
    <message>
        <source>Iraq</source>
        <translation>Irak</translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation>Irlanda</translation>
    </message>
    <message>
        <source>Israel</source>
        <translation>Israel</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Ivorycoast</source>
        <translation>Costa de Marfil</translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation>Jamaica</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japón</translation>
    </message>
    <message>
        <source>Jordan</source>
        <translation>Jordania</translation>
    </message>
    <message>
        <source>Kazakhstan</source>
        <translation>Kazajistán</translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation>Kenia</translation>
    </message>
    <message>
        <source>Kiribati</source>
        <translation>Kiribati</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>Kuwait</translation>
    </message>
    <message>
        <source>Kyrgyzstan</source>
        <translation>Kirguistán</translation>
    </message>
    <message>
        <source>Laos</source>
        <translation>Laos</translation>
    </message>
    <message>
        <source>Latvia</source>
        <translation>Letonia</translation>
    </message>
    <message>
        <source>Lebanon</source>
        <translation>Líbano</translation>
    </message>
    <message>
        <source>Liberia</source>
        <translation>Liberia</translation>
    </message>
    <message>
        <source>Libya</source>
        <translation>Libia</translation>
    </message>
    <message>
        <source>Liechtenstein</source>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <source>Lithuania</source>
        <translation>Lituania</translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation>Luxemburgo</translation>
    </message>
    <message>
        <source>Macadonia</source>
        <translation>Macedonia</translation>
    </message>
    <message>
        <source>Macau</source>
        <translation>Macao</translation>
    </message>
    <message>
        <source>Madagascar</source>
        <translation>Madagascar</translation>
    </message>
    <message>
        <source>Malawi</source>
        <translation>Malaui</translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation>Malasia</translation>
    </message>
    <message>
        <source>Maldives</source>
        <translation>Maldivas</translation>
    </message>
    <message>
        <source>Mali</source>
        <translation>Malí</translation>
    </message>
    <message>
        <source>Malta</source>
        <translation>Malta</translation>
    </message>
    <message>
        <source>Mauritania</source>
        <translation>Mauritania</translation>
    </message>
    <message>
        <source>Mauritius</source>
        <translation>Mauricio</translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation>México</translation>
    </message>
    <message>
        <source>Micronesia</source>
        <translation>Micronesia</translation>
    </message>
    <message>
        <source>Moldova</source>
        <translation>Moldavia</translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation>Mónaco</translation>
    </message>
    <message>
        <source>Mongolia</source>
        <translation>Mongolia</translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation>Marruecos</translation>
    </message>
    <message>
        <source>Mozambique</source>
        <translation>Mozambique</translation>
    </message>
    <message>
        <source>Namibia</source>
        <translation>Namibia</translation>
    </message>
    <message>
        <source>Nauru</source>
        <translation>Nauru</translation>
    </message>
    <message>
        <source>Nepal</source>
        <translation>Nepal</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Países Bajos</translation>
    </message>
    <message>
        <source>Neth Antilles</source>
        <translation>Antillas Neerlandesas</translation>
    </message>
    <message>
        <source>Newzealand</source>
        <translation>Nueva Zelanda</translation>
    </message>
    <message>
        <source>Nicaragua</source>
        <translation>Nicaragua</translation>
    </message>
    <message>
        <source>Niger</source>
        <translation>Níger</translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation>Nigeria</translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation>Corea del Norte</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Noruega</translation>
    </message>
    <message>
        <source>Oman</source>
        <translation>Omán</translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation>Pakistán</translation>
    </message>
    <message>
        <source>Panama</source>
        <translation>Panamá</translation>
    </message>
    <message>
        <source>Papuanewguinea</source>
        <translation>Papúa Nueva Guinea</translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation>Paraguay</translation>
    </message>
    <message>
        <source>Peru</source>
        <translation>Perú</translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation>Filipinas</translation>
    </message>
    <message>
        <source>Poland</source>
        <translation>Polonia</translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <source>Puertorico</source>
        <translation>Puerto Rico</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>Catar</translation>
    </message>
    <message>
        <source>Rawanda</source>
        <translation>Ruanda</translation>
    </message>
    <message>
        <source>Romania</source>
        <translation>Rumanía</translation>
    </message>
    <message>
        <source>Russia</source>
        <translation>Rusia</translation>
    </message>
    <message>
        <source>Sao Tome</source>
        <translation>Santo Tomé</translation>
    </message>
    <message>
        <source>Saudiarabia</source>
        <translation>Arabia Saudí</translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation>Senegal</translation>
    </message>
    <message>
        <source>Serbia</source>
        <translation>Serbia</translation>
    </message>
    <message>
        <source>Seychelles</source>
        <translation>Seychelles</translation>
    </message>
    <message>
        <source>Sierraleone</source>
        <translation>Sierra Leona</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>Singapur</translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translation>Eslovaquia</translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation>Eslovenia</translation>
    </message>
    <message>
        <source>Solomon Islands</source>
        <translation>Islas Salomón</translation>
    </message>
    <message>
        <source>Somalia</source>
        <translation>Somalia</translation>
    </message>
    <message>
        <source>Southafrica</source>
        <translation>Sudáfrica</translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation>Corea del Sur</translation>
    </message>
    <message>
        <source>Spain</source>
        <translation>España</translation>
    </message>
    <message>
        <source>Srilanka</source>
        <translation>Sri Lanka</translation>
    </message>
    <message>
        <source>Stkitts Nevis</source>
        <translation>San Cristóbal y Nieves</translation>
    </message>
    <message>
        <source>Stlucia</source>
        <translation>Santa Lucía</translation>
    </message>
    <message>
        <source>Sudan</source>
        <translation>Sudán</translation>
    </message>
    <message>
        <source>Suriname</source>
        <translation>Surinam</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suecia</translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation>Suiza</translation>
    </message>
    <message>
        <source>Syria</source>
        <translation>Siria</translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation>Taiwán</translation>
    </message>
    <message>
        <source>Tajikistan</source>
        <translation>Tayikistán</translation>
    </message>
    <message>
        <source>Tanzania</source>
        <translation>Tanzania</translation>
    </message>
    <message>
        <source>Thailand</source>
        <translation>Tailandia</translation>
    </message>
    <message>
        <source>Togo</source>
        <translation>Togo</translation>
    </message>
    <message>
        <source>Tonga</source>
        <translation>Tonga</translation>
    </message>
    <message>
        <source>Trinidadandtobago</source>
        <translation>Trinidad y Tobago</translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translation>Túnez</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>Turquía</translation>
    </message>
    <message>
        <source>Turkmenistan</source>
        <translation>Turkmenistán</translation>
    </message>
    <message>
        <source>Tuvala</source>
        <translation>Tuvalu</translation>
    </message>
    <message>
        <source>Uae</source>
        <translation>EAU</translation>
    </message>
    <message>
        <source>Uganda</source>
        <translation>Uganda</translation>
    </message>
    <message>
        <source>Uk</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation>Ucrania</translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation>Uruguay</translation>
    </message>
    <message>
        <source>Usa</source>
        <translation>EE. UU.</translation>
    </message>
    <message>
        <source>Ussr</source>
        <translation>URSS</translation>
    </message>
    <message>
        <source>Uzbekistan</source>
        <translation>Uzbekistán</translation>
    </message>
    <message>
        <source>Vanuatu</source>
        <translation>Vanuatu</translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation>Venezuela</translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation>Vietnam</translation>
    </message>
    <message>
        <source>Western Samoa</source>
        <translation>Samoa Occidental</translation>
    </message>
    <message>
        <source>Yemen</source>
        <translation>Yemen</translation>
    </message>
    <message>
        <source>Yugoslavia</source>
        <translation>Yugoslavia</translation>
    </message>
    <message>
        <source>Zaire</source>
        <translation>Zaire</translation>
    </message>
    <message>
        <source>Zambia</source>
        <translation>Zambia</translation>
    </message>
    <message>
        <source>Zimbabwe</source>
        <translation>Zimbabue</translation>
    </message>
    <message>
        <source>Fatal Error opening Database</source>
        <translation>Error fatal al abrir la base de datos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Britons</source>
        <translation>Britanos</translation>
    </message>
    <message>
        <source>Franks</source>
        <translation>Francos</translation>
    </message>
    <message>
        <source>Goths</source>
        <translation>Godos</translation>
    </message>
    <message>
        <source>Teutons</source>
        <translation>Teutones</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoneses</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinos</translation>
    </message>
    <message>
        <source>Byzantine</source>
        <translation>Bizantinos</translation>
    </message>
    <message>
        <source>Persians</source>
        <translation>Persas</translation>
    </message>
    <message>
        <source>Saracens</source>
        <translation>Sarracenos</translation>
    </message>
    <message>
        <source>Turks</source>
        <translation>Turcos</translation>
    </message>
    <message>
        <source>Vikings</source>
        <translation>Vikingos</translation>
    </message>
    <message>
        <source>Mongols</source>
        <translation>Mongoles</translation>
    </message>
    <message>
        <source>Celts</source>
        <translation>Celtas</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Españoles</translation>
    </message>
    <message>
        <source>Aztecs</source>
        <translation>Aztecas</translation>
    </message>
    <message>
        <source>Mayans</source>
        <translation>Mayas</translation>
    </message>
    <message>
        <source>Huns</source>
        <translation>Hunos</translation>
    </message>
    <message>
        <source>Koreans</source>
        <translation>Coreanos</translation>
    </message>
    <message>
        <source>Random Map</source>
        <translation>Mapa aleatorio</translation>
    </message>
    <message>
        <source>Regicide</source>
        <translation>Regicidio</translation>
    </message>
    <message>
        <source>DeathMatch</source>
        <translation>Combate a muerte</translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation>Escenario</translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation>Campaña</translation>
    </message>
    <message>
        <source>King of the Hill</source>
        <translation>Rey de la colina</translation>
    </message>
    <message>
        <source>Wonder Race</source>
        <translation>Carrera de maravillas</translation>
    </message>
    <message>
        <source>Defend Wonder</source>
        <translation>Defender la maravilla</translation>
    </message>
    <message>
        <source>Turbo RM</source>
        <translation>Mapa aleatorio turbo</translation>
    </message>
    <message>
        <source>Arabia</source>
        <translation>Arabia</translation>
    </message>
    <message>
        <source>Archipelago</source>
        <translation>Archipiélago</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Báltico</translation>
    </message>
    <message>
        <source>Black Forest</source>
        <translation>Selva Negra</translation>
    </message>
    <message>
        <source>Coastal</source>
        <translation>Costa</translation>
    </message>
    <message>
        <source>Continental</source>
        <translation>Continental</translation>
    </message>
    <message>
        <source>Crater Lake</source>
        <translation>Lago del cráter</translation>
    </message>
    <message>
        <source>Fortress</source>
        <translation>Fortaleza</translation>
    </message>
    <message>
        <source>Gold Rush</source>
        <translation>Fiebre del oro</translation>
    </message>
    <message>
        <source>Highland</source>
        <translation>Tierras altas</translation>
    </message>
    <message>
        <source>Islands</source>
        <translation>Islas</translation>
    </message>
    <message>
        <source>Mediterranean</source>
        <translation>Mediterráneo</translation>
    </message>
    <message>
        <source>Migration</source>
        <translation>Migración</translation>
    </message>
    <message>
        <source>Rivers</source>
        <translation>Ríos</translation>
    </message>
    <message>
        <source>Team Islands</source>
        <translation>Islas por equipos</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Scandinavia</source>
        <translation>Escandinavia</translation>
    </message>
    <message>
        <source>Yucatan</source>
        <translation>Yucatán</translation>
    </message>
    <message>
        <source>Salt Marsh</source>
        <translation>Marisma salada</translation>
    </message>
    <message>
        <source>Arena</source>
        <translation>Arena</translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation>Oasis</translation>
    </message>
    <message>
        <source>Ghost Lake</source>
        <translation>Lago fantasma</translation>
    </message>
    <message>
        <source>Nomad</source>
        <translation>Nómada</translation>
    </message>
    <message>
        <source>Custom Map</source>
        <translation>Mapa personalizado</translation>
    </message>
    <message>
        <source>Blind Random</source>
        <translation>Aleatorio a ciegas</translation>
    </message>
    <message>
        <source>(%02d:%02d:%02d) %s resigned.</source>
        <translation>(%02d:%02d:%02d) %s se rindió.</translation>
    </message>
    <message>
        <source>1 vs 1</source>
        <translation>1 vs 1</translation>
    </message>
    <message>
        <source>2 vs 2</source>
        <translation>2 vs 2</translation>
    </message>
    <message>
        <source>3 vs 3</source>
        <translation>3 vs 3</translation>
    </message>
    <message>
        <source>4 vs 4</source>
        <translation>4 vs 4</translation>
    </message>
    <message>
        <source>FFA</source>
        <translation>FFA</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source> %s - Rating: %d</source>
        <translation> %s - Puntuación: %d</translation>
    </message>
    <message>
        <source> %s</source>
        <translation> %s</translation>
    </message>
    <message>
        <source>:::::::::::::::::::::: PreChat Game ::::::::::::::::::::::</source>
        <translation>:::::::::::::::::::::: Chat previo ::::::::::::::::::::::</translation>
    </message>
    <message>
        <source>:::::::::::::::::::::: Game Chat ::::::::::::::::::::::</source>
        <translation>:::::::::::::::::::::: Chat de la partida ::::::::::::::::::::::</translation>
    </message>
    <message>
        <source>(%02d:%02d:%02d) %s advanced to the Feudal Age.</source>
        <translation>(%02d:%02d:%02d) %s avanzó a la Alta Edad Media.</translation>
    </message>
    <message>
        <source>(%02d:%02d:%02d) %s advanced to the Castle Age.</source>
        <translation>(%02d:%02d:%02d) %s avanzó a la Edad de los Castillos.</translation>
    </message>
    <message>
        <source>(%02d:%02d:%02d) %s advanced to the Imperial Age.</source>
        <translation>(%02d:%02d:%02d) %s avanzó a la Edad Imperial.</translation>
    </message>
    <message>
        <source>%d,%d,%d,%d,%d %s<byte value="xd"/>
<byte value="xd"/>
         Game Times<byte value="xd"/>
(%s) Feudal Age<byte value="xd"/>
(%s) Castle Age<byte value="xd"/>
(%s) Imperial Age</source>
        <translation>%d,%d,%d,%d,%d %s<byte value="xd"/>
<byte value="xd"/>
         Tiempos de la partida<byte value="xd"/>
(%s) Alta Edad Media<byte value="xd"/>
(%s) Edad de los Castillos<byte value="xd"/>
(%s) Edad Imperial</translation>
    </message>
    <message>
        <source>%d,%d,%d,%d,%d %s (%d)<byte value="xd"/>
<byte value="xd"/>
         Game Times<byte value="xd"/>
(%s) Feudal Age<byte value="xd"/>
(%s) Castle Age<byte value="xd"/>
(%s) Imperial Age</source>
        <translation>%d,%d,%d,%d,%d %s (%d)<byte value="xd"/>
<byte value="xd"/>
         Tiempos de la partida<byte value="xd"/>
(%s) Alta Edad Media<byte value="xd"/>
(%s) Edad de los Castillos<byte value="xd"/>
(%s) Edad Imperial</translation>
    </message>
    <message>
        <source>%d/%m/%Y %H:%M</source>
        <translation>%d/%m/%Y %H:%M</translation>
    </message>
    <message>
        <source>Atention</source>
        <translation>Atención</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>GP RM</source>
        <translation>GP RM</translation>
    </message>
    <message>
        <source>GP DM</source>
        <translation>GP DM</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere, por favor...</translation>
    </message>
    <message>
        <source>Searching recorded games...</source>
        <translation>Buscando partidas grabadas...</translation>
    </message>
    <message>
        <source>mm/dd/yyyy hh:mm - 04/21/2007 15:33</source>
        <translation>mm/dd/aaaa hh:mm - 04/21/2007 15:33</translation>
    </message>
    <message>
        <source>dd/mm/yyyy hh:mm - 21/04/2007 15:33</source>
        <translation>dd/mm/aaaa hh:mm - 21/04/2007 15:33</translation>
    </message>
    <message>
        <source>yyyy/mm/dd hh:mm - 2007/04/21 15:33</source>
        <translation>aaaa/mm/dd hh:mm - 2007/04/21 15:33</translation>
    </message>
    <message>
        <source>mm/dd/yyyy hh:mm AM/PM - 04/21/2007 03:33 PM</source>
        <translation>mm/dd/aaaa hh:mm AM/PM - 04/21/2007 03:33 PM</translation>
    </message>
    <message>
        <source>dd/mm/yyyy hh:mm AM/PM - 21/04/2007 03:33 PM</source>
        <translation>dd/mm/aaaa hh:mm AM/PM - 21/04/2007 03:33 PM</translation>
    </message>
    <message>
        <source>yyyy/mm/dd hh:mm AM/PM - 2007/04/21 15:33 PM</source>
        <translation>aaaa/mm/dd hh:mm AM/PM - 2007/04/21 15:33 PM</translation>
    </message>
    <message>
        <source>mm/dd/yyyy - 04/21/2007</source>
        <translation>mm/dd/aaaa - 04/21/2007</translation>
    </message>
    <message>
        <source>dd/mm/yyyy - 21/04/2007</source>
        <translation>dd/mm/aaaa - 21/04/2007</translation>
    </message>
    <message>
        <source>yyyy/mm/dd - 2007/04/21</source>
        <translation>aaaa/mm/dd - 2007/04/21</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <translation>Configuración del sistema</translation>
    </message>
    <message>
        <source>%d%% ( 1 of 1 Page)</source>
        <translation>%d%% ( 1 de 1 página)</translation>
    </message>
    <message>
        <source>Loading list of files...</source>
        <translation>Cargando la lista de archivos...</translation>
    </message>
    <message>
        <source>The Conquerors 1.0  (*.exe)|*.exe||</source>
        <translation>The Conquerors 1.0  (*.exe)|*.exe||</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source> -</source>
        <translation> -</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>%a  Abbreviated weekday name<byte value="xd"/>
%A  Full weekday name<byte value="xd"/>
%b  Abbreviated month name<byte value="xd"/>
%B  Full month name<byte value="xd"/>
%d  Day of month (01 - 31)<byte value="xd"/>
%H  Hour, 24-hour format (00 - 23)<byte value="xd"/>
%I  Hour, 12-hour format (01 - 12)<byte value="xd"/>
%j  Day of year (001 - 366)<byte value="xd"/>
%m  Month (01 - 12)<byte value="xd"/>
%M  Minute (00 - 59)<byte value="xd"/>
%p  AM / PM indicator<byte value="xd"/>
%S  Second (00 - 59)<byte value="xd"/>
%y  Year without century (00 - 99)<byte value="xd"/>
%Y  Year with century<byte value="xd"/>
%%  Percent sign</source>
        <translation>%a  Nombre abreviado del día de la semana<byte value="xd"/>
%A  Nombre completo del día de la semana<byte value="xd"/>
%b  Nombre abreviado del mes<byte value="xd"/>
%B  Nombre completo del mes<byte value="xd"/>
%d  Día del mes (01 - 31)<byte value="xd"/>
%H  Hora, formato de 24 horas (00 - 23)<byte value="xd"/>
%I  Hora, formato de 12 horas (01 - 12)<byte value="xd"/>
%j  Día del año (001 - 366)<byte value="xd"/>
%m  Mes (01 - 12)<byte value="xd"/>
%M  Minuto (00 - 59)<byte value="xd"/>
%p  Indicador AM / PM<byte value="xd"/>
%S  Segundo (00 - 59)<byte value="xd"/>
%y  Año sin siglo (00 - 99)<byte value="xd"/>
%Y  Año con siglo<byte value="xd"/>
%%  Signo de porcentaje</translation>
    </message>
    <message>
        <source>IGZ RM</source>
        <translation>IGZ RM</translation>
    </message>
    <message>
        <source>IGZ DM</source>
        <translation>IGZ DM</translation>
    </message>
    <message>
        <source>Scanning directory...</source>
        <translation>Analizando la carpeta...</translation>
    </message>
    <message>
        <source>%d%% ( %d of %d Files)</source>
        <translation>%d%% ( %d de %d archivos)</translation>
    </message>
    <message>
        <source>Version 0.1</source>
        <translation>Versión 0.1</translation>
    </message>
    <message>
        <source>(C) The Vellumcast developers. Free software.</source>
        <translation>(C) Los desarrolladores de Vellumcast. Software libre.</translation>
    </message>
    <message>
        <source>Translated by:</source>
        <translation>Traducido por:</translation>
    </message>
    <message>
        <source>Rename the selection
Rename</source>
        <translation>Renombrar la selección
Renombrar</translation>
    </message>
    <message>
        <source>Copy the selection to a folder
Copy to</source>
        <translation>Copiar la selección a una carpeta
Copiar a</translation>
    </message>
    <message>
        <source>Delete the selection
Delete</source>
        <translation>Eliminar la selección
Eliminar</translation>
    </message>
    <message>
        <source>Move the selection to a folder
Move to</source>
        <translation>Mover la selección a una carpeta
Mover a</translation>
    </message>
    <message>
        <source>Add the selection to one zip file
Add to a Zip File</source>
        <translation>Añadir la selección a un archivo zip
Añadir a un archivo Zip</translation>
    </message>
    <message>
        <source>Read the recorded game again and store it anew
Re-Analyze</source>
        <translation>Volver a leer la partida grabada y guardarla de nuevo
Volver a analizar</translation>
    </message>
    <message>
        <source>Refresh the ratings of the players from the web
Refresh Ratings</source>
        <translation>Actualizar las puntuaciones de los jugadores desde la web
Actualizar puntuaciones</translation>
    </message>
    <message>
        <source>Change the Game Platform: Zone
Zone</source>
        <translation>Cambiar la plataforma de juego: Zone
Zone</translation>
    </message>
    <message>
        <source>Change the Game Platform: GP DM
GP DM</source>
        <translation>Cambiar la plataforma de juego: GP DM
GP DM</translation>
    </message>
    <message>
        <source>Change the Game Platform: GP RM
GP RM</source>
        <translation>Cambiar la plataforma de juego: GP RM
GP RM</translation>
    </message>
    <message>
        <source>Change the Game Platform: ChinaZone
ChinaZone</source>
        <translation>Cambiar la plataforma de juego: ChinaZone
ChinaZone</translation>
    </message>
    <message>
        <source>Copy the selection to the desktop
Copy to the Desktop</source>
        <translation>Copiar la selección al escritorio
Copiar al escritorio</translation>
    </message>
    <message>
        <source>Copy the selection to the SaveGame folder
Copy to SaveGame</source>
        <translation>Copiar la selección a la carpeta SaveGame
Copiar a SaveGame</translation>
    </message>
    <message>
        <source>Move the selection to the SaveGame folder
Move to SaveGame</source>
        <translation>Mover la selección a la carpeta SaveGame
Mover a SaveGame</translation>
    </message>
    <message>
        <source>Refresh the file list
Refresh file list</source>
        <translation>Actualizar la lista de archivos
Actualizar la lista</translation>
    </message>
    <message>
        <source>Move the selection to the desktop
Move to the Desktop</source>
        <translation>Mover la selección al escritorio
Mover al escritorio</translation>
    </message>
    <message>
        <source>One zip file in the current folder
Zip in the Current Folder</source>
        <translation>Un archivo zip en la carpeta actual
Zip en la carpeta actual</translation>
    </message>
    <message>
        <source>One zip file on the desktop
Zip on the Desktop</source>
        <translation>Un archivo zip en el escritorio
Zip en el escritorio</translation>
    </message>
    <message>
        <source>One zip file per selected file
Individual Zip Files</source>
        <translation>Un archivo zip por cada archivo seleccionado
Archivos Zip individuales</translation>
    </message>
    <message>
        <source>One zip file per selected file, in the current folder
Individual Zips in the Current Folder</source>
        <translation>Un archivo zip por cada archivo seleccionado, en la carpeta actual
Zips individuales en la carpeta actual</translation>
    </message>
    <message>
        <source>One zip file per selected file, on the desktop
Individual Zips on the Desktop</source>
        <translation>Un archivo zip por cada archivo seleccionado, en el escritorio
Zips individuales en el escritorio</translation>
    </message>
    <message>
        <source>Change the settings
Configuration</source>
        <translation>Cambiar la configuración
Configuración</translation>
    </message>
    <message>
        <source>Statistics and maintenance of the catalogue
Database Management</source>
        <translation>Estadísticas y mantenimiento del catálogo
Gestión de la base de datos</translation>
    </message>
    <message>
        <source>Open a community web site
Web site</source>
        <translation>Abrir un sitio web de la comunidad
Sitio web</translation>
    </message>
    <message>
        <source>Choose a folder and list it
Change Folder</source>
        <translation>Elegir una carpeta y mostrar su contenido
Cambiar de carpeta</translation>
    </message>
    <message>
        <source>Create a folder in the current folder
Create New Folder</source>
        <translation>Crear una carpeta en la carpeta actual
Crear carpeta nueva</translation>
    </message>
    <message>
        <source>Launch the game
Launch</source>
        <translation>Iniciar el juego
Iniciar</translation>
    </message>
    <message>
        <source>Search recorded games in the current folder
Search</source>
        <translation>Buscar partidas grabadas en la carpeta actual
Buscar</translation>
    </message>
    <message>
        <source>Choose the language of the program
Language</source>
        <translation>Elegir el idioma del programa
Idioma</translation>
    </message>
    <message>
        <source>Manage the rename formats
Rename Formats</source>
        <translation>Gestionar los formatos de renombrado
Formatos de renombrado</translation>
    </message>
    <message>
        <source>Show the top players
Top Players</source>
        <translation>Mostrar los mejores jugadores
Mejores jugadores</translation>
    </message>
    <message>
        <source>No Rated.
IP</source>
        <translation>Sin puntuación.
IP</translation>
    </message>
    <message>
        <source>Launch The Conquerors 1.0c / 1.0e
Launch 1.0c</source>
        <translation>Iniciar The Conquerors 1.0c / 1.0e
Iniciar 1.0c</translation>
    </message>
    <message>
        <source>Launch The Conquerors 1.0
Launch 1.0</source>
        <translation>Iniciar The Conquerors 1.0
Iniciar 1.0</translation>
    </message>
    <message>
        <source>Full Scan the Current Directory
Full Scan</source>
        <translation>Analizar por completo la carpeta actual
Análisis completo</translation>
    </message>
    <message>
        <source>Change the Game Platform: IGZ RM
IGZ RM</source>
        <translation>Cambiar la plataforma de juego: IGZ RM
IGZ RM</translation>
    </message>
    <message>
        <source>Change the Game Platform: IGZ DM
IGZ DM</source>
        <translation>Cambiar la plataforma de juego: IGZ DM
IGZ DM</translation>
    </message>
    <message>
        <source>Split the window
Split</source>
        <translation>Dividir la ventana
Dividir</translation>
    </message>
    <message>
        <source>Show the product name, version and credits
About</source>
        <translation>Mostrar el nombre del producto, la versión y los créditos
Acerca de</translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation>Salir de la aplicación
Salir</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>there is another file with the same name, confirm replace?</source>
        <translation>ya existe otro archivo con el mismo nombre, ¿desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Enter a valid file Name.</source>
        <translation>Escriba un nombre de archivo válido.</translation>
    </message>
    <message>
        <source>Error reading Zip File: %s<byte value="xd"/>
Error: %s</source>
        <translation>Error al leer el archivo Zip: %s<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source>Error reading RaR File: %s<byte value="xd"/>
Error: %s</source>
        <translation>Error al leer el archivo RaR: %s<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source>Select the Folder where you want to move the %d selected files.</source>
        <translation>Seleccione la carpeta a la que desea mover los %d archivos seleccionados.</translation>
    </message>
    <message>
        <source>Select the Folder where you want to move the file &quot;%s&quot;. </source>
        <translation>Seleccione la carpeta a la que desea mover el archivo &quot;%s&quot;. </translation>
    </message>
    <message>
        <source>Select the Folder where you want to copy the file &quot;%s&quot;. </source>
        <translation>Seleccione la carpeta a la que desea copiar el archivo &quot;%s&quot;. </translation>
    </message>
    <message>
        <source>Select the Folder where you want to copy the %d selected files.</source>
        <translation>Seleccione la carpeta a la que desea copiar los %d archivos seleccionados.</translation>
    </message>
    <message>
        <source>Zip Files (*.zip)|*.zip||</source>
        <translation>Archivos Zip (*.zip)|*.zip||</translation>
    </message>
    <message>
        <source>The file already exists. confirm overwrite?</source>
        <translation>El archivo ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Select the Folder where the Individual Zip Files are going to be saved.</source>
        <translation>Seleccione la carpeta donde se guardarán los archivos Zip individuales.</translation>
    </message>
    <message>
        <source>the file &quot;%s&quot; already exists<byte value="xd"/>
You Confirm overwrite?</source>
        <translation>el archivo &quot;%s&quot; ya existe<byte value="xd"/>
¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation>Partida por equipos</translation>
    </message>
    <message>
        <source>{MAP}  Map name - Arabia<byte value="xd"/>
{MODE}  Game type - Random Map<byte value="xd"/>
{P}  Players per team - 3<byte value="xd"/>
{PLAT}  Rating platform - GP RM<byte value="xd"/>
{RATING+}  Mean rating - 186+<byte value="xd"/>
{RATING++}  Mean rating - 18++<byte value="xd"/>
{TIME}  Duration - 01&apos;40&apos;13<byte value="xd"/>
{VIEW}  Recording player - Tiberius<byte value="xd"/>
{DATE1}  m-d-y - 04-21-07<byte value="xd"/>
{DATE2}  d-m-y - 21-04-07<byte value="xd"/>
{DATE3}  m-d-y h&apos;m - 04-21-07 15&apos;33<byte value="xd"/>
{DATE4}  d-m-y h&apos;m - 21-04-07 15&apos;33<byte value="xd"/>
{DATEC}  Custom date of the configuration<byte value="xd"/>
{TEAM-A} {TEAM-B}  Team labels - Team A<byte value="xd"/>
{NAT-A} {NAT-B}  Country of a whole team - Spain<byte value="xd"/>
{ROUND}  Round number - 2<byte value="xd"/>
<byte value="xd"/>
Per player (n = 1 to 4, team A or B):<byte value="xd"/>
{PLAY-A-n}  Nickname - Tiberius<byte value="xd"/>
{CIV-A-n}  Civilization - Britons<byte value="xd"/>
{CIV3-A-n}  Civilization - Bri<byte value="xd"/>
{NAT-A-n}  Country - Spain<byte value="xd"/>
{NAT3-A-n}  Country - Spa<byte value="xd"/>
{RAT-A-n}  Rating - 2063<byte value="xd"/>
{RAT+-A-n}  Rating - 206+<byte value="xd"/>
{RAT++-A-n}  Rating - 206++</source>
        <translation>{MAP}  Nombre del mapa - Arabia<byte value="xd"/>
{MODE}  Tipo de partida - Mapa aleatorio<byte value="xd"/>
{P}  Jugadores por equipo - 3<byte value="xd"/>
{PLAT}  Plataforma de puntuación - GP RM<byte value="xd"/>
{RATING+}  Puntuación media - 186+<byte value="xd"/>
{RATING++}  Puntuación media - 18++<byte value="xd"/>
{TIME}  Duración - 01&apos;40&apos;13<byte value="xd"/>
{VIEW}  Jugador que grabó - Tiberius<byte value="xd"/>
{DATE1}  m-d-a - 04-21-07<byte value="xd"/>
{DATE2}  d-m-a - 21-04-07<byte value="xd"/>
{DATE3}  m-d-a h&apos;m - 04-21-07 15&apos;33<byte value="xd"/>
{DATE4}  d-m-a h&apos;m - 21-04-07 15&apos;33<byte value="xd"/>
{DATEC}  Fecha personalizada de la configuración<byte value="xd"/>
{TEAM-A} {TEAM-B}  Etiquetas de equipo - Equipo A<byte value="xd"/>
{NAT-A} {NAT-B}  País de todo un equipo - España<byte value="xd"/>
{ROUND}  Número de ronda - 2<byte value="xd"/>
<byte value="xd"/>
Por jugador (n = 1 a 4, equipo A o B):<byte value="xd"/>
{PLAY-A-n}  Apodo - Tiberius<byte value="xd"/>
{CIV-A-n}  Civilización - Britanos<byte value="xd"/>
{CIV3-A-n}  Civilización - Bri<byte value="xd"/>
{NAT-A-n}  País - España<byte value="xd"/>
{NAT3-A-n}  País - Esp<byte value="xd"/>
{RAT-A-n}  Puntuación - 2063<byte value="xd"/>
{RAT+-A-n}  Puntuación - 206+<byte value="xd"/>
{RAT++-A-n}  Puntuación - 206++</translation>
    </message>
    <message>
        <source>Game: %d vs %d</source>
        <translation>Partida: %d vs %d</translation>
    </message>
    <message>
        <source>Enter a valid Format Title.</source>
        <translation>Escriba un título de formato válido.</translation>
    </message>
    <message>
        <source>Enter a valid Rename Format.</source>
        <translation>Escriba un formato de renombrado válido.</translation>
    </message>
    <message>
        <source>Error Creating &quot;%s&quot; Folder.<byte value="xd"/>
Error Message: %s</source>
        <translation>Error al crear la carpeta &quot;%s&quot;.<byte value="xd"/>
Mensaje de error: %s</translation>
    </message>
    <message>
        <source>Enter a valid Folder name.</source>
        <translation>Escriba un nombre de carpeta válido.</translation>
    </message>
    <message>
        <source>Error, AoC Application not found.</source>
        <translation>Error: no se encontró la aplicación AoC.</translation>
    </message>
    <message>
        <source>Error deleting the file.<byte value="xd"/>
Error: %s</source>
        <translation>Error al eliminar el archivo.<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source>Error renaming the files.<byte value="xd"/>
Error: %s</source>
        <translation>Error al renombrar los archivos.<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source>Nation</source>
        <translation>Nación</translation>
    </message>
    <message>
        <source>The file name cannot contain none of following characters: \ / &quot; * : ? &lt;&gt; |</source>
        <translation>El nombre de archivo no puede contener ninguno de los siguientes caracteres: \ / &quot; * : ? &lt;&gt; |</translation>
    </message>
    <message>
        <source>%d Files - %d Selected</source>
        <translation>%d archivos - %d seleccionados</translation>
    </message>
    <message>
        <source>Error, there are selected files to rename without selecting the new file name.</source>
        <translation>Error: hay archivos seleccionados para renombrar sin que se haya elegido el nuevo nombre.</translation>
    </message>
    <message>
        <source>Sample: &quot;Arabia.mgx&quot; exists and another file is renamed &quot;Arabia.mgx&quot;: the first becomes &quot;Arabia Game 1.mgx&quot; and the second &quot;Arabia Game 2.mgx&quot;.</source>
        <translation>Ejemplo: &quot;Arabia.mgx&quot; existe y otro archivo se renombra como &quot;Arabia.mgx&quot;: el primero pasa a ser &quot;Arabia Game 1.mgx&quot; y el segundo &quot;Arabia Game 2.mgx&quot;.</translation>
    </message>
    <message>
        <source>Enter a valid file name.</source>
        <translation>Escriba un nombre de archivo válido.</translation>
    </message>
    <message>
        <source>Enter a valid folder name.</source>
        <translation>Escriba un nombre de carpeta válido.</translation>
    </message>
    <message>
        <source>Rename file</source>
        <translation>Renombrar archivo</translation>
    </message>
    <message>
        <source>Rename file to:</source>
        <translation>Renombrar el archivo como:</translation>
    </message>
    <message>
        <source>Rename Folder</source>
        <translation>Renombrar carpeta</translation>
    </message>
    <message>
        <source>Rename folder to:</source>
        <translation>Renombrar la carpeta como:</translation>
    </message>
    <message>
        <source>Error renaming folder<byte value="xd"/>
Error: %s</source>
        <translation>Error al renombrar la carpeta<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source>Error renaming file<byte value="xd"/>
Error: %s</source>
        <translation>Error al renombrar el archivo<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source>( %d of %d Pages)</source>
        <translation>( %d de %d páginas)</translation>
    </message>
    <message>
        <source>Error updating ratings.<byte value="xd"/>
Error: %s</source>
        <translation>Error al actualizar las puntuaciones.<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source> + </source>
        <translation> + </translation>
    </message>
    <message>
        <source>Map: %s</source>
        <translation>Mapa: %s</translation>
    </message>
    <message>
        <source>Error creating the Zip File.</source>
        <translation>Error al crear el archivo Zip.</translation>
    </message>
    <message>
        <source>Compressing files...</source>
        <translation>Comprimiendo archivos...</translation>
    </message>
    <message>
        <source>(%d of %d File(s))</source>
        <translation>(%d de %d archivo(s))</translation>
    </message>
    <message>
        <source>Error creating Zip file<byte value="xd"/>
Error: %s</source>
        <translation>Error al crear el archivo Zip<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source>vs</source>
        <translation>vs</translation>
    </message>
    <message>
        <source>Delete &quot;%s&quot; for good?<byte value="xd"/>
It will not go to the trash and cannot be restored.</source>
        <translation>¿Eliminar &quot;%s&quot; definitivamente?<byte value="xd"/>
No irá a la papelera y no se podrá recuperar.</translation>
    </message>
    <message>
        <source>Delete the %d selected items for good?<byte value="xd"/>
They will not go to the trash and cannot be restored.</source>
        <translation>¿Eliminar definitivamente los %d elementos seleccionados?<byte value="xd"/>
No irán a la papelera y no se podrán recuperar.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; already exists in the destination folder.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>&quot;%s&quot; ya existe en la carpeta de destino.<byte value="xd"/>
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>The folder &quot;%s&quot; cannot be moved into itself.</source>
        <translation>La carpeta &quot;%s&quot; no se puede mover dentro de sí misma.</translation>
    </message>
    <message>
        <source>The folder &quot;%s&quot; cannot be copied into itself.</source>
        <translation>La carpeta &quot;%s&quot; no se puede copiar dentro de sí misma.</translation>
    </message>
    <message>
        <source>Moving files...</source>
        <translation>Moviendo archivos...</translation>
    </message>
    <message>
        <source>Copying files...</source>
        <translation>Copiando archivos...</translation>
    </message>
    <message>
        <source>Deleting files...</source>
        <translation>Eliminando archivos...</translation>
    </message>
    <message>
        <source>Error moving &quot;%s&quot;.<byte value="xd"/>
Error: %s</source>
        <translation>Error al mover &quot;%s&quot;.<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source>Error copying &quot;%s&quot;.<byte value="xd"/>
Error: %s</source>
        <translation>Error al copiar &quot;%s&quot;.<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source>A file and a folder cannot replace each other.</source>
        <translation>Un archivo y una carpeta no pueden reemplazarse entre sí.</translation>
    </message>
    <message>
        <source>The copy differs from the original.</source>
        <translation>La copia es distinta del original.</translation>
    </message>
    <message>
        <source>The work directory &quot;%s&quot; was not created by this program and is not empty, so it is not emptied.<byte value="xd"/>
Choose an empty folder or the default one in the configuration.</source>
        <translation>La carpeta de trabajo &quot;%s&quot; no la creó este programa y no está vacía, así que no se vacía.<byte value="xd"/>
Elija una carpeta vacía o la predeterminada en la configuración.</translation>
    </message>
    <message>
        <source>The work directory &quot;%s&quot; holds your home folder, the data folder or the archive; choose another one in the configuration.</source>
        <translation>La carpeta de trabajo &quot;%s&quot; contiene su carpeta personal, la carpeta de datos o el archivo comprimido; elija otra en la configuración.</translation>
    </message>
    <message>
        <source>The work directory &quot;%s&quot; cannot be prepared.<byte value="xd"/>
Error: %s</source>
        <translation>No se puede preparar la carpeta de trabajo &quot;%s&quot;.<byte value="xd"/>
Error: %s</translation>
    </message>
    <message>
        <source>The archive holds more than %d entries.</source>
        <translation>El archivo comprimido contiene más de %d entradas.</translation>
    </message>
    <message>
        <source>&quot;%s&quot; is larger than %d MB.</source>
        <translation>&quot;%s&quot; ocupa más de %d MB.</translation>
    </message>
    <message>
        <source>The recorded games of the archive exceed %d MB.</source>
        <translation>Las partidas grabadas del archivo comprimido superan los %d MB.</translation>
    </message>
    <message>
        <source>The text must hold &quot;%d&quot; once, no other &quot;%&quot; and none of the characters \ / &quot; * : ? &lt; &gt; |.</source>
        <translation>El texto debe contener &quot;%d&quot; una sola vez, ningún otro &quot;%&quot; y ninguno de los caracteres \ / &quot; * : ? &lt; &gt; |.</translation>
    </message>
    <message>
        <source>These files were renamed before the error and keep their new names:<byte value="xd"/>
%s</source>
        <translation>Estos archivos se renombraron antes del error y conservan sus nuevos nombres:<byte value="xd"/>
%s</translation>
    </message>
    <message>
        <source>&quot;%s&quot; cannot be renamed to &quot;%s&quot;: a file name cannot hold \ / &quot; * : ? &lt; &gt; | or control characters, and cannot be empty or too long.</source>
        <translation>No se puede renombrar &quot;%s&quot; como &quot;%s&quot;: un nombre de archivo no puede contener \ / &quot; * : ? &lt; &gt; | ni caracteres de control, ni estar vacío ni ser demasiado largo.</translation>
    </message>
    <message>
        <source>Select a Format Type</source>
        <translation>Seleccione un tipo de formato</translation>
    </message>
    <message>
        <source>The catalogue cannot be opened; nothing more was renamed.</source>
        <translation>No se puede abrir el catálogo; no se renombró nada más.</translation>
    </message>
    <message>
        <source>Italians</source>
        <translation>Italianos</translation>
    </message>
    <message>
        <source>Indians</source>
        <translation>Indios</translation>
    </message>
    <message>
        <source>Incas</source>
        <translation>Incas</translation>
    </message>
    <message>
        <source>Magyars</source>
        <translation>Magiares</translation>
    </message>
    <message>
        <source>Slavs</source>
        <translation>Eslavos</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugueses</translation>
    </message>
    <message>
        <source>Ethiopians</source>
        <translation>Etíopes</translation>
    </message>
    <message>
        <source>Malians</source>
        <translation>Malíes</translation>
    </message>
    <message>
        <source>Berbers</source>
        <translation>Bereberes</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Jemeres</translation>
    </message>
    <message>
        <source>Malay</source>
        <translation>Malayos</translation>
    </message>
    <message>
        <source>Burmese</source>
        <translation>Birmanos</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamitas</translation>
    </message>
    <message>
        <source>Mideast</source>
        <translation>Oriente Medio</translation>
    </message>
    <message>
        <source>Texas</source>
        <translation>Texas</translation>
    </message>
    <message>
        <source>Central America</source>
        <translation>Centroamérica</translation>
    </message>
    <message>
        <source>Norse Lands</source>
        <translation>Tierras nórdicas</translation>
    </message>
    <message>
        <source>Sea of Japan (East Sea)</source>
        <translation>Mar de Japón (Mar del Este)</translation>
    </message>
    <message>
        <source>Byzantinum</source>
        <translation>Bizancio</translation>
    </message>
    <message>
        <source>Acropolis</source>
        <translation>Acrópolis</translation>
    </message>
    <message>
        <source>Budapest</source>
        <translation>Budapest</translation>
    </message>
    <message>
        <source>Cenotes</source>
        <translation>Cenotes</translation>
    </message>
    <message>
        <source>City of Lakes</source>
        <translation>Ciudad de los lagos</translation>
    </message>
    <message>
        <source>Golden Pit</source>
        <translation>Foso dorado</translation>
    </message>
    <message>
        <source>Hideout</source>
        <translation>Escondite</translation>
    </message>
    <message>
        <source>Hill Fort</source>
        <translation>Fuerte en la colina</translation>
    </message>
    <message>
        <source>Lombardia</source>
        <translation>Lombardía</translation>
    </message>
    <message>
        <source>Steppe</source>
        <translation>Estepa</translation>
    </message>
    <message>
        <source>Valley</source>
        <translation>Valle</translation>
    </message>
    <message>
        <source>MegaRandom</source>
        <translation>Megaaleatorio</translation>
    </message>
    <message>
        <source>Hamburger</source>
        <translation>Hamburguesa</translation>
    </message>
    <message>
        <source>CtR Random</source>
        <translation>CtR Aleatorio</translation>
    </message>
    <message>
        <source>CtR Monsoon</source>
        <translation>CtR Monzón</translation>
    </message>
    <message>
        <source>CtR Pyramid Descent</source>
        <translation>CtR Descenso de la pirámide</translation>
    </message>
    <message>
        <source>CtR Spiral</source>
        <translation>CtR Espiral</translation>
    </message>
    <message>
        <source>Kilimanjaro</source>
        <translation>Kilimanjaro</translation>
    </message>
    <message>
        <source>Mountain Pass</source>
        <translation>Paso de montaña</translation>
    </message>
    <message>
        <source>Nile Delta</source>
        <translation>Delta del Nilo</translation>
    </message>
    <message>
        <source>Serengeti</source>
        <translation>Serengeti</translation>
    </message>
    <message>
        <source>Socotra</source>
        <translation>Socotra</translation>
    </message>
    <message>
        <source>Amazon</source>
        <translation>Amazonas</translation>
    </message>
    <message>
        <source>Horn of Africa</source>
        <translation>Cuerno de África</translation>
    </message>
    <message>
        <source>West Africa</source>
        <translation>África occidental</translation>
    </message>
    <message>
        <source>Bohemia</source>
        <translation>Bohemia</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Canyons</source>
        <translation>Cañones</translation>
    </message>
    <message>
        <source>Enemy Archipelago</source>
        <translation>Archipiélago enemigo</translation>
    </message>
    <message>
        <source>Enemy Islands</source>
        <translation>Islas enemigas</translation>
    </message>
    <message>
        <source>Far Out</source>
        <translation>Muy lejos</translation>
    </message>
    <message>
        <source>Front Line</source>
        <translation>Primera línea</translation>
    </message>
    <message>
        <source>Inner Circle</source>
        <translation>Círculo interior</translation>
    </message>
    <message>
        <source>Motherland</source>
        <translation>Patria</translation>
    </message>
    <message>
        <source>Open Plains</source>
        <translation>Llanuras abiertas</translation>
    </message>
    <message>
        <source>Ring of Water</source>
        <translation>Anillo de agua</translation>
    </message>
    <message>
        <source>Snakepit</source>
        <translation>Nido de serpientes</translation>
    </message>
    <message>
        <source>The Eye</source>
        <translation>El ojo</translation>
    </message>
    <message>
        <source>Edit the Information of the Players of the selected Game.
Edit Players Info</source>
        <translation>Editar la información de los jugadores de la partida seleccionada.
Editar información de los jugadores</translation>
    </message>
    <message>
        <source>Copy a Description to the Clipboard as Text Format.
Copy description</source>
        <translation>Copiar una descripción al portapapeles en formato de texto.
Copiar descripción</translation>
    </message>
</context>
</TS>
