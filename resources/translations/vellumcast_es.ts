<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CCommandTable</name>
    <message>
        <source>Create New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search in the Current Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.0C / 1.0E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename to ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SaveGame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;plit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Top Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Refresh Ratings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IGZ RM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IGZ DM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GP RM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GP DM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ChinaZone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-Analyze Recorded Game Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Players Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy description to the Clipboard</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age of Empires II community</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age of Empires II forums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded games archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tournaments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strategy guides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladder statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Vellumcast...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Scan</source>
        <translation>Análisis completo</translation>
    </message>
    <message>
        <source>Rename format %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Launch The Conquerors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Add to a Zip File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Individual Zip Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <source>The Conquerors 1.0c / 1.0e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Conquerors 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move to ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add to a Zip File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to a Zip as Individual Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConfigCompressed</name>
    <message>
        <source>Analyze Zip Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyze RaR Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE: All files or folders of the temporal directory will be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporal Directory:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConfigFiles</name>
    <message>
        <source>Move the files to the Recycle Bin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use names of maps in english language when rename files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When a file with the same name exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new name gets this text and a number, for example:
&quot;Arabia.mgx&quot; becomes &quot;Arabia Game 1.mgx&quot;, &quot;Arabia Game 2.mgx&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE: the name needs to be without any quotes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format of the Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Date Format for Rename Files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can use the follow Date Labels:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConfigGeneral</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Game Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Resign Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show time in the Messages Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is AoC installed?:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SaveGame Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Conquerors Version 1.0:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine prefix (empty: the default one):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code page of names in recordings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyze scenario recs?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application may crash or not to work correctly, because the MGX structure isn&apos;t 100% well-known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine prefix</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CConfigRatings</name>
    <message>
        <source>Select the default Platform, that will be used when the Recorded Games are analyzed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE: You can change the platform of any Recorded Game in any moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default RM Platform:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default DM Platform:</source>
        <translation type="unfinished"></translation>
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
</context>
<context>
    <name>CExplorerComboBox</name>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SaveGames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Folder</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GP RM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GP DM</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IGZ DM</source>
        <translation type="unfinished"></translation>
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
        <source>Edit the nicknames and countries of the players
Edit Players Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Game Platform: ChinaZone
ChinaZone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a description of the game to the clipboard
Copy description</source>
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
</context>
</TS>
