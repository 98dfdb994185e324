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
        <translation>Análisis</translation>
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
        <translation>esta búsqueda busca el apodo y la lista de civilizaciones en el jugador de la vista (POV).</translation>
    </message>
    <message>
        <source>looks for the Nick and the Civ. of any player (both options at the same Player).</source>
        <translation>busca el apodo y la civ. de cualquier jugador (ambas opciones en el mismo jugador).</translation>
    </message>
    <message>
        <source>this search looks for the Nick Name or the Civ. of all Players.</source>
        <translation>esta búsqueda busca el apodo o la civ. de todos los jugadores.</translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afghanistan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Albania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Algeria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Andorra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antiguabarbuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argentina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Austria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azerbaijan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahamas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bahrain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bangladesh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barbados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belarus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belgium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Belize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Benin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bhutan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolivia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bosnia Herzegovina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botswana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brunei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulgaria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burkinafaso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burundi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cambodia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cameroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Centralafricanrep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columbia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comoros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Congo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Costarica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Croatia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyprus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czechrepublic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demrepcongo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denmark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Djiboutil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dominica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dominicanrep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ecuador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egypt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elsalvado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>England</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eq Guinea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eritrea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estonia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethiopia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gabon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gambia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Georgia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grenadines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guatemala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guineabissau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guineal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guyana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haiti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Honduras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hong Kong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hungary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iceland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>India</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indonesia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iraq</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ireland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Israel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ivorycoast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jamaica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jordan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kazakhstan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kenya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kiribati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kyrgyzstan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latvia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lebanon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liberia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libya</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liechtenstein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lithuania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luxembourg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macadonia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Madagascar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malawi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malaysia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maldives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mauritania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mauritius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mexico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Micronesia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moldova</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monaco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mongolia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morocco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mozambique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Namibia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nauru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nepal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neth Antilles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newzealand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicaragua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Niger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nigeria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Korea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oman</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pakistan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panama</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Papuanewguinea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paraguay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Philippines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portugal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puertorico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rawanda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sao Tome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saudiarabia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senegal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serbia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seychelles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sierraleone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovakia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slovenia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solomon Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Somalia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Southafrica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Korea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Srilanka</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stkitts Nevis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stlucia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sudan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suriname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switzerland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taiwan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tajikistan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tanzania</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thailand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Togo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trinidadandtobago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tunisia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkmenistan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuvala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uae</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uganda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukraine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uruguay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ussr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uzbekistan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vanuatu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venezuela</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Western Samoa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yemen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yugoslavia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zaire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zambia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zimbabwe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fatal Error opening Database</source>
        <translation>Error fatal al abrir la base de datos</translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Britons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Franks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teutons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished">Japonés</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Byzantine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Persians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saracens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vikings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mongols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Celts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aztecs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mayans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Huns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koreans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random Map</source>
        <translation>Mapa aleatorio</translation>
    </message>
    <message>
        <source>Regicide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DeathMatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scenario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campaign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>King of the Hill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wonder Race</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defend Wonder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turbo RM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archipelago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black Forest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coastal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continental</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crater Lake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold Rush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mediterranean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Migration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scandinavia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yucatan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salt Marsh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oasis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghost Lake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nomad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blind Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%02d:%02d:%02d) %s resigned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 vs 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 vs 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 vs 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 vs 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished">IP</translation>
    </message>
    <message>
        <source> %s - Rating: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:::::::::::::::::::::: PreChat Game ::::::::::::::::::::::</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:::::::::::::::::::::: Game Chat ::::::::::::::::::::::</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%02d:%02d:%02d) %s advanced to the Feudal Age.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%02d:%02d:%02d) %s advanced to the Castle Age.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%02d:%02d:%02d) %s advanced to the Imperial Age.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d,%d,%d,%d,%d %s<byte value="xd"/>
<byte value="xd"/>
         Game Times<byte value="xd"/>
(%s) Feudal Age<byte value="xd"/>
(%s) Castle Age<byte value="xd"/>
(%s) Imperial Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d,%d,%d,%d,%d %s (%d)<byte value="xd"/>
<byte value="xd"/>
         Game Times<byte value="xd"/>
(%s) Feudal Age<byte value="xd"/>
(%s) Castle Age<byte value="xd"/>
(%s) Imperial Age</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d/%m/%Y %H:%M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished">Zone</translation>
    </message>
    <message>
        <source>GP RM</source>
        <translation type="unfinished">GP RM</translation>
    </message>
    <message>
        <source>GP DM</source>
        <translation type="unfinished">GP DM</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/dd/yyyy hh:mm - 04/21/2007 15:33</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dd/mm/yyyy hh:mm - 21/04/2007 15:33</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yyyy/mm/dd hh:mm - 2007/04/21 15:33</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/dd/yyyy hh:mm AM/PM - 04/21/2007 03:33 PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dd/mm/yyyy hh:mm AM/PM - 21/04/2007 03:33 PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yyyy/mm/dd hh:mm AM/PM - 2007/04/21 15:33 PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm/dd/yyyy - 04/21/2007</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dd/mm/yyyy - 21/04/2007</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yyyy/mm/dd - 2007/04/21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Configuration</source>
        <translation>Configuración del sistema</translation>
    </message>
    <message>
        <source>%d%% ( 1 of 1 Page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading list of files...</source>
        <translation>Cargando la lista de archivos...</translation>
    </message>
    <message>
        <source>The Conquerors 1.0  (*.exe)|*.exe||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source> -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished">0</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IGZ RM</source>
        <translation type="unfinished">IGZ RM</translation>
    </message>
    <message>
        <source>IGZ DM</source>
        <translation type="unfinished">IGZ DM</translation>
    </message>
    <message>
        <source>Scanning directory...</source>
        <translation>Analizando la carpeta...</translation>
    </message>
    <message>
        <source>%d%% ( %d of %d Files)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(C) The Vellumcast developers. Free software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translated by:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename the selection
Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection to a folder
Copy to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selection
Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selection to a folder
Move to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the selection to one zip file
Add to a Zip File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the recorded game again and store it anew
Re-Analyze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh the ratings of the players from the web
Refresh Ratings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Game Platform: Zone
Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Game Platform: GP DM
GP DM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Game Platform: GP RM
GP RM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Game Platform: ChinaZone
ChinaZone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection to the desktop
Copy to the Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selection to the SaveGame folder
Copy to SaveGame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selection to the SaveGame folder
Move to SaveGame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh the file list
Refresh file list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selection to the desktop
Move to the Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One zip file in the current folder
Zip in the Current Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One zip file on the desktop
Zip on the Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One zip file per selected file
Individual Zip Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One zip file per selected file, in the current folder
Individual Zips in the Current Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One zip file per selected file, on the desktop
Individual Zips on the Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the settings
Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics and maintenance of the catalogue
Database Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a community web site
Web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder and list it
Change Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a folder in the current folder
Create New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch the game
Launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search recorded games in the current folder
Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the language of the program
Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage the rename formats
Rename Formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the top players
Top Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Rated.
IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch The Conquerors 1.0c / 1.0e
Launch 1.0c</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch The Conquerors 1.0
Launch 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Scan the Current Directory
Full Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Game Platform: IGZ RM
IGZ RM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Game Platform: IGZ DM
IGZ DM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split the window
Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the product name, version and credits
About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit the application
Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is another file with the same name, confirm replace?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid file Name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading Zip File: %s<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading RaR File: %s<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Folder where you want to move the %d selected files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Folder where you want to move the file &quot;%s&quot;. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Folder where you want to copy the file &quot;%s&quot;. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Folder where you want to copy the %d selected files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip Files (*.zip)|*.zip||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file already exists. confirm overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the Folder where the Individual Zip Files are going to be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file &quot;%s&quot; already exists<byte value="xd"/>
You Confirm overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Game</source>
        <translation type="unfinished">Partida por equipos</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game: %d vs %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid Format Title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid Rename Format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Creating &quot;%s&quot; Folder.<byte value="xd"/>
Error Message: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid Folder name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, AoC Application not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error deleting the file.<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error renaming the files.<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name cannot contain none of following characters: \ / &quot; * : ? &lt;&gt; |</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d Files - %d Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error, there are selected files to rename without selecting the new file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample: &quot;Arabia.mgx&quot; exists and another file is renamed &quot;Arabia.mgx&quot;: the first becomes &quot;Arabia Game 1.mgx&quot; and the second &quot;Arabia Game 2.mgx&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a valid folder name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename file to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename folder to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error renaming folder<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error renaming file<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>( %d of %d Pages)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error updating ratings.<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> + </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating the Zip File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compressing files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%d of %d File(s))</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating Zip file<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%s&quot; for good?<byte value="xd"/>
It will not go to the trash and cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the %d selected items for good?<byte value="xd"/>
They will not go to the trash and cannot be restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%s&quot; already exists in the destination folder.<byte value="xd"/>
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%s&quot; cannot be moved into itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%s&quot; cannot be copied into itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error moving &quot;%s&quot;.<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error copying &quot;%s&quot;.<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file and a folder cannot replace each other.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy differs from the original.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The work directory &quot;%s&quot; was not created by this program and is not empty, so it is not emptied.<byte value="xd"/>
Choose an empty folder or the default one in the configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The work directory &quot;%s&quot; holds your home folder, the data folder or the archive; choose another one in the configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The work directory &quot;%s&quot; cannot be prepared.<byte value="xd"/>
Error: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive holds more than %d entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%s&quot; is larger than %d MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recorded games of the archive exceed %d MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text must hold &quot;%d&quot; once, no other &quot;%&quot; and none of the characters \ / &quot; * : ? &lt; &gt; |.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files were renamed before the error and keep their new names:<byte value="xd"/>
%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%s&quot; cannot be renamed to &quot;%s&quot;: a file name cannot hold \ / &quot; * : ? &lt; &gt; | or control characters, and cannot be empty or too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Format Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue cannot be opened; nothing more was renamed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magyars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slavs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethiopians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Berbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burmese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mideast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central America</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norse Lands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sea of Japan (East Sea)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Byzantinum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acropolis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Budapest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cenotes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City of Lakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Golden Pit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hideout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hill Fort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lombardia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steppe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valley</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MegaRandom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hamburger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CtR Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CtR Monsoon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CtR Pyramid Descent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CtR Spiral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kilimanjaro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Pass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nile Delta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serengeti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socotra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amazon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horn of Africa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West Africa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bohemia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Earth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canyons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemy Archipelago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enemy Islands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Far Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inner Circle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motherland</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Plains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring of Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snakepit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the Information of the Players of the selected Game.
Edit Players Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a Description to the Clipboard as Text Format.
Copy description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
