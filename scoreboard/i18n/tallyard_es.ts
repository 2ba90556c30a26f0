<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Bindings</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 64 KB, more than any bindings need</source>
        <translation>el archivo pasa de 64 KB, más de lo que necesitan unas asignaciones</translation>
    </message>
    <message>
        <source>a line is &quot;command = key NAME, pad NAME&quot;</source>
        <translation>una línea se escribe &quot;comando = key NOMBRE, pad NOMBRE&quot;</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>no existe el comando &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>&quot;%1&quot; ya está en la línea %2</translation>
    </message>
    <message>
        <source>there is no key &quot;%1&quot;</source>
        <translation>no existe la tecla &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the key %1 is the board&apos;s own</source>
        <translation>la tecla %1 es del propio marcador</translation>
    </message>
    <message>
        <source>the key %1 is %2&apos;s already</source>
        <translation>la tecla %1 ya es de %2</translation>
    </message>
    <message>
        <source>the clear key is one key</source>
        <translation>la tecla de borrar es una sola tecla</translation>
    </message>
    <message>
        <source>a gamepad has no &quot;%1&quot; (%2)</source>
        <translation>un mando no tiene &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>the clear key is a key</source>
        <translation>la tecla de borrar es una tecla</translation>
    </message>
    <message>
        <source>the pad&apos;s %1 is %2&apos;s already</source>
        <translation>el %1 del mando ya es de %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;key NAME&quot; nor &quot;pad NAME&quot;</source>
        <translation>&quot;%1&quot; no es ni &quot;key NOMBRE&quot; ni &quot;pad NOMBRE&quot;</translation>
    </message>
    <message>
        <source>%1 needs its command key first</source>
        <translation>%1 necesita primero su tecla de comando</translation>
    </message>
    <message>
        <source>the file names no key for %1</source>
        <translation>el archivo no indica ninguna tecla para %1</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>Floor Exercise</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Warm-Up</source>
        <translation>Calent.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Caída</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A scoreboard for gymnastics competitions, driven from the keyboard.</source>
        <translation>Un marcador para competiciones de gimnasia, manejado con el teclado.</translation>
    </message>
    <message>
        <source>Open the board on screen &lt;n&gt; (0 is the primary).</source>
        <translation>Abrir el marcador en la pantalla &lt;n&gt; (0 es la principal).</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Open the board full-screen.</source>
        <translation>Abrir el marcador a pantalla completa.</translation>
    </message>
    <message>
        <source>Show the audience a full-screen copy of the board on screen &lt;n&gt;; Esc on it hides it.</source>
        <translation>Mostrar al público una copia a pantalla completa del marcador en la pantalla &lt;n&gt;; Esc sobre ella la oculta.</translation>
    </message>
    <message>
        <source>List the screens with their numbers and sizes.</source>
        <translation>Listar las pantallas con su número y su tamaño.</translation>
    </message>
    <message>
        <source>Load the gymnasts of a start list (CSV: number, name, team).</source>
        <translation>Cargar los gimnastas de una lista de salida (CSV: número, nombre, equipo).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Append each committed score to &lt;file&gt; instead of the day&apos;s record.</source>
        <translation>Añadir cada nota confirmada a &lt;archivo&gt; en lugar del registro del día.</translation>
    </message>
    <message>
        <source>Keep no record of the scores.</source>
        <translation>No llevar registro de las notas.</translation>
    </message>
    <message>
        <source>Bring back the board as it was, also after a clean quit.</source>
        <translation>Recuperar el marcador tal como estaba, también tras un cierre normal.</translation>
    </message>
    <message>
        <source>Serve live, read-only views of the board to web browsers on &lt;[address:]port&gt;.</source>
        <translation>Servir vistas en directo del marcador, de solo lectura, a navegadores web en &lt;[dirección:]puerto&gt;.</translation>
    </message>
    <message>
        <source>Show the board&apos;s captions in &lt;language&gt; (en, de, fr, es); the dialogs follow the system&apos;s language.</source>
        <translation>Mostrar los rótulos del marcador en &lt;idioma&gt; (en, de, fr, es); los diálogos siguen el idioma del sistema.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>--%1 takes a screen number, 0 or more: &apos;%2&apos;</source>
        <translation>--%1 espera un número de pantalla, 0 o más: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--results and --no-results exclude each other</source>
        <translation>--results y --no-results se excluyen mutuamente</translation>
    </message>
    <message>
        <source>--serve takes [address:]port, the port a number from 0 to 65535: &apos;%1&apos;</source>
        <translation>--serve espera [dirección:]puerto, el puerto un número de 0 a 65535: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[address:]port</source>
        <translation>[dirección:]puerto</translation>
    </message>
    <message>
        <source>There is no board language &apos;%1&apos; (%2); the board shows English.</source>
        <translation>No hay idioma de marcador «%1» (%2); el marcador se muestra en inglés.</translation>
    </message>
    <message>
        <source>--serve: this build has no web views (Qt Network was missing)</source>
        <translation>--serve: esta compilación no tiene vistas web (faltaba Qt Network)</translation>
    </message>
    <message>
        <source>--serve is given once: the web views have one address</source>
        <translation>--serve se da una sola vez: las vistas web tienen una dirección</translation>
    </message>
    <message>
        <source>With --serve: take commands from paired devices (a phone&apos;s control page, a Stream Deck, scripts) at /api/command/NAME.</source>
        <translation>Con --serve: aceptar órdenes de dispositivos emparejados (la página de control de un teléfono, un Stream Deck, scripts) en /api/command/NOMBRE.</translation>
    </message>
    <message>
        <source>Take commands from gamepads (F3 on the board shows them).</source>
        <translation>Aceptar órdenes de mandos (F3 en el marcador los muestra).</translation>
    </message>
    <message>
        <source>Write the keys and gamepad buttons of each command to &lt;file&gt;, and end.</source>
        <translation>Escribir las teclas y botones de mando de cada orden en &lt;archivo&gt; y terminar.</translation>
    </message>
    <message>
        <source>Take the keys and gamepad buttons of each command from &lt;file&gt; (all or, should the file be wrong anywhere, none), and end.</source>
        <translation>Tomar las teclas y botones de mando de cada orden de &lt;archivo&gt; (todas o, si el archivo tiene algún error, ninguna) y terminar.</translation>
    </message>
    <message>
        <source>--control needs --serve: the commands come through the web views</source>
        <translation>--control necesita --serve: las órdenes llegan por las vistas web</translation>
    </message>
    <message>
        <source>Tallyard: the bindings could not be written to %1 (%2)</source>
        <translation>Tallyard: no se pudieron escribir las asignaciones en %1 (%2)</translation>
    </message>
    <message>
        <source>Tallyard: cannot read %1 (%2)</source>
        <translation>Tallyard: no se puede leer %1 (%2)</translation>
    </message>
    <message>
        <source>Tallyard: %1 is not taken, nothing of it:</source>
        <translation>Tallyard: %1 no se toma, nada de él:</translation>
    </message>
    <message>
        <source>Tallyard: the settings could not be saved to %1 (%2)</source>
        <translation>Tallyard: no se pudo guardar la configuración en %1 (%2)</translation>
    </message>
    <message>
        <source>Tallyard: there is no display to show the board on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it in a desktop session.</source>
        <translation>Tallyard: no hay ninguna pantalla en la que mostrar el marcador (no está definida ni DISPLAY ni WAYLAND_DISPLAY); inicie el programa en una sesión de escritorio.</translation>
    </message>
    <message>
        <source>Tallyard: the display %1 does not answer; start the board in a desktop session.</source>
        <translation>Tallyard: la pantalla %1 no responde; inicie el marcador en una sesión de escritorio.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>there is no board</source>
        <translation>no hay marcador</translation>
    </message>
    <message>
        <source>a score is written 9.850, from 0 to 19.999: &quot;%1&quot;</source>
        <translation>una nota se escribe 9.850, de 0 a 19.999: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a gymnast number is a whole number from 0 to %1: &quot;%2&quot;</source>
        <translation>un número de gimnasta es un entero de 0 a %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>there is no start list</source>
        <translation>no hay lista de salida</translation>
    </message>
</context>
<context>
    <name>Endpoint</name>
    <message>
        <source>an IPv6 address is written [ADDRESS]:PORT</source>
        <translation>una dirección IPv6 se escribe [DIRECCIÓN]:PUERTO</translation>
    </message>
    <message>
        <source>the port is a number from 0 to 65535</source>
        <translation>el puerto es un número de 0 a 65535</translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>only screen 0</source>
        <translation>solo la pantalla 0</translation>
    </message>
    <message>
        <source>screens 0 to %1</source>
        <translation>pantallas 0 a %1</translation>
    </message>
    <message>
        <source> (primary)</source>
        <translation> (principal)</translation>
    </message>
    <message>
        <source>There is no screen %1 (%2); the board opens on screen 0.</source>
        <translation>No hay pantalla %1 (%2); el marcador se abre en la pantalla 0.</translation>
    </message>
    <message>
        <source>There is no screen %1 for the audience window (%2); the board opens alone.</source>
        <translation>No hay pantalla %1 para la ventana del público (%2); el marcador se abre solo.</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>The log of remote commands %1 cannot be written (%2).</source>
        <translation>No se puede escribir el registro de órdenes remotas %1 (%2).</translation>
    </message>
    <message>
        <source>The log of remote commands %1 is written again.</source>
        <translation>El registro de órdenes remotas %1 vuelve a escribirse.</translation>
    </message>
    <message>
        <source>Gamepads cannot be used here (%1).</source>
        <translation>Aquí no se pueden usar mandos (%1).</translation>
    </message>
    <message>
        <source>No gamepad is connected.</source>
        <translation>No hay ningún mando conectado.</translation>
    </message>
    <message>
        <source>Gamepads: %1.</source>
        <translation>Mandos: %1.</translation>
    </message>
    <message>
        <source>This build has no gamepads (SDL2 was missing).</source>
        <translation>Esta compilación no admite mandos (faltaba SDL2).</translation>
    </message>
    <message>
        <source>gamepad %1</source>
        <translation>mando %1</translation>
    </message>
    <message>
        <source>network: %1</source>
        <translation>red: %1</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>The paired devices could not be kept in %1 (%2); they stay paired until the board closes.</source>
        <translation>No se pudieron guardar los dispositivos emparejados en %1 (%2); siguen emparejados hasta que se cierre el marcador.</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>dispositivo %1</translation>
    </message>
    <message>
        <source>Remote control: %1 wrong tokens or codes from %2.</source>
        <translation>Control remoto: %1 tokens o códigos erróneos desde %2.</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>no existe el comando &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the operator has stopped remote control</source>
        <translation>el operador ha detenido el control remoto</translation>
    </message>
    <message>
        <source>pairing code %1, good for %2 minutes</source>
        <translation>código de emparejamiento %1, válido durante %2 minutos</translation>
    </message>
</context>
<context>
    <name>ResultsRecord</name>
    <message>
        <source>The results record %1 cannot be written (%2). Scores are kept and written as soon as it can be; or choose another file with --results.</source>
        <translation>El registro de resultados %1 no se puede escribir (%2). Las notas se guardan y se escriben en cuanto se pueda; o elija otro archivo con --results.</translation>
    </message>
    <message>
        <source>The results record %1 cannot be written (%2). Scores are kept and written as soon as it can be.</source>
        <translation>El registro de resultados %1 no se puede escribir (%2). Las notas se guardan y se escriben en cuanto se pueda.</translation>
    </message>
    <message>
        <source>The results record %1 is written again; the scores kept meanwhile are in it.</source>
        <translation>El registro de resultados %1 se escribe de nuevo; las notas guardadas mientras tanto están en él.</translation>
    </message>
    <message>
        <source>%1 scores wait for the results record %2; newer scores are not kept.</source>
        <translation>%1 notas esperan al registro de resultados %2; las notas más recientes no se guardan.</translation>
    </message>
    <message>
        <source>%1 scores could not be kept for the results record %2.</source>
        <translation>No se pudieron guardar %1 notas para el registro de resultados %2.</translation>
    </message>
    <message>
        <source>%1 scores could not be written to the results record %2.</source>
        <translation>No se pudieron escribir %1 notas en el registro de resultados %2.</translation>
    </message>
    <message>
        <source>The results record %1 was replaced by another file (saved by another program?); the scores go on in the file now there.</source>
        <translation>El registro de resultados %1 fue sustituido por otro archivo (¿guardado por otro programa?); las notas siguen en el archivo que está ahora allí.</translation>
    </message>
    <message>
        <source>The results record %1 was deleted; it is made again and the scores go on in it.</source>
        <translation>El registro de resultados %1 fue borrado; se crea de nuevo y las notas siguen en él.</translation>
    </message>
    <message>
        <source>Another program is writing the results record %1 too; both keep their scores in it.</source>
        <translation>Otro programa también escribe en el registro de resultados %1; ambos guardan sus notas en él.</translation>
    </message>
</context>
<context>
    <name>StartList</name>
    <message>
        <source>the list is larger than 16 MB, more than any start list needs; nothing is loaded</source>
        <translation>la lista supera los 16 MB, más de lo que necesita cualquier lista de salida; no se carga nada</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the list is not in UTF-8, so it was read as Windows-1252 (Western European); should a name look wrong, save the list as &quot;CSV UTF-8&quot;</source>
        <translation>la lista no está en UTF-8 y se leyó como Windows-1252 (Europa occidental); si un nombre se ve mal, guarde la lista como «CSV UTF-8»</translation>
    </message>
    <message>
        <source>the header names no name column (such as name, Name, nom, nombre); the gymnasts&apos; names stay empty</source>
        <translation>la cabecera no nombra ninguna columna de nombre (como name, Name, nom, nombre); los nombres de los gimnastas quedan vacíos</translation>
    </message>
    <message>
        <source>the header names no team column (such as team, club, Verein, Mannschaft, équipe, equipo); the gymnasts&apos; teams stay empty</source>
        <translation>la cabecera no nombra ninguna columna de equipo (como team, club, Verein, Mannschaft, équipe, equipo); los equipos de los gimnastas quedan vacíos</translation>
    </message>
    <message>
        <source>more than %1 rows; this row and the rest are ignored</source>
        <translation>más de %1 filas; esta fila y las siguientes se ignoran</translation>
    </message>
    <message>
        <source>a field is longer than %1 characters</source>
        <translation>un campo tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>no gymnast number</source>
        <translation>sin número de gimnasta</translation>
    </message>
    <message>
        <source>the gymnast number %1 is not a whole number</source>
        <translation>el número de gimnasta %1 no es un número entero</translation>
    </message>
    <message>
        <source>the gymnast number %1 is outside %2..%3</source>
        <translation>el número de gimnasta %1 está fuera de %2..%3</translation>
    </message>
    <message>
        <source>the gymnast number %1 is already on line %2; this row is ignored</source>
        <translation>el número de gimnasta %1 ya está en la línea %2; esta fila se ignora</translation>
    </message>
    <message>
        <source>no memory to read the list</source>
        <translation>no hay memoria para leer la lista</translation>
    </message>
    <message>
        <source>a quote opened on this line is not closed; this row is ignored</source>
        <translation>unas comillas abiertas en esta línea no se cierran; esta fila se ignora</translation>
    </message>
    <message>
        <source>no memory to read further; the rest is ignored</source>
        <translation>no hay memoria para seguir leyendo; el resto se ignora</translation>
    </message>
    <message>
        <source>the list names no gymnast</source>
        <translation>la lista no nombra a ningún gimnasta</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>no se puede leer %1: es una carpeta</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>the picture %1 is not there; this gymnast shows no picture</source>
        <translation>la imagen %1 no existe; este gimnasta se muestra sin imagen</translation>
    </message>
</context>
<context>
    <name>StateJournal</name>
    <message>
        <source>The board&apos;s state cannot be kept in %1 (%2): after a crash the board would not come back as it was.</source>
        <translation>El estado del marcador no se puede guardar en %1 (%2): tras un fallo, el marcador no volvería tal como estaba.</translation>
    </message>
    <message>
        <source>The board&apos;s state is kept in %1 again.</source>
        <translation>El estado del marcador se guarda de nuevo en %1.</translation>
    </message>
    <message>
        <source>%1: not a whole number; ignored</source>
        <translation>%1: no es un número entero; ignorado</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3..%4; ignored</source>
        <translation>%1: %2 está fuera de %3..%4; ignorado</translation>
    </message>
    <message>
        <source>%1: not a number; ignored</source>
        <translation>%1: no es un número; ignorado</translation>
    </message>
    <message>
        <source>%1: %2 is outside 0..%3; ignored</source>
        <translation>%1: %2 está fuera de 0..%3; ignorado</translation>
    </message>
    <message>
        <source>%1: not true or false; ignored</source>
        <translation>%1: ni true ni false; ignorado</translation>
    </message>
    <message>
        <source>%1: not a text; ignored</source>
        <translation>%1: no es un texto; ignorado</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters; ignored</source>
        <translation>%1: más de %2 caracteres; ignorado</translation>
    </message>
    <message>
        <source>%1: not valid text; ignored</source>
        <translation>%1: texto no válido; ignorado</translation>
    </message>
    <message>
        <source>%1: not an object; ignored</source>
        <translation>%1: no es un objeto; ignorado</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: falta</translation>
    </message>
    <message>
        <source>larger than %1 bytes; nothing read</source>
        <translation>más de %1 bytes; no se lee nada</translation>
    </message>
    <message>
        <source>damaged JSON (%1 at byte %2); nothing read</source>
        <translation>JSON dañado (%1 en el byte %2); no se lee nada</translation>
    </message>
    <message>
        <source>not a JSON object; nothing read</source>
        <translation>no es un objeto JSON; no se lee nada</translation>
    </message>
    <message>
        <source>format %1, not %2; nothing read</source>
        <translation>formato %1, no %2; no se lee nada</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>cannot read %1 (%2)</source>
        <translation>no se puede leer %1 (%2)</translation>
    </message>
</context>
<context>
    <name>WebViews</name>
    <message>
        <source>&quot;%1&quot; is not an IP address</source>
        <translation>«%1» no es una dirección IP</translation>
    </message>
    <message>
        <source>--serve: the web views are served already</source>
        <translation>--serve: las vistas web ya se sirven</translation>
    </message>
    <message>
        <source>--serve %1: the web views cannot be served there (%2)</source>
        <translation>--serve %1: las vistas web no se pueden servir ahí (%2)</translation>
    </message>
    <message>
        <source>The web views have turned connections away (%1 in all): they serve %2 at a time, %3 from one address.</source>
        <translation>Las vistas web han rechazado conexiones (%1 en total): sirven %2 a la vez, %3 desde una misma dirección.</translation>
    </message>
    <message>
        <source>the control page (paired devices only)</source>
        <translation>la página de control (solo dispositivos emparejados)</translation>
    </message>
</context>
<context>
    <name>tallyard::Meet</name>
    <message>
        <source>Another Tallyard (process %1) is running and keeps its board in %2: this board is not kept for a crash, and no board was brought back.</source>
        <translation>Otro Tallyard (proceso %1) está en marcha y guarda su marcador en %2: este marcador no se guarda para un fallo y no se restauró ningún marcador.</translation>
    </message>
    <message>
        <source>Restored the board of %1.</source>
        <translation>Se restauró el marcador de las %1.</translation>
    </message>
    <message>
        <source>1 gymnast in the start list %1</source>
        <translation>1 gimnasta en la lista de salida %1</translation>
    </message>
    <message>
        <source>%1 gymnasts in the start list %2</source>
        <translation>%1 gimnastas en la lista de salida %2</translation>
    </message>
</context>
<context>
    <name>tallyard::RemoteWindow</name>
    <message>
        <source>Remote control – Tallyard</source>
        <translation>Control remoto – Tallyard</translation>
    </message>
    <message>
        <source>A phone or a tablet</source>
        <translation>Un teléfono o una tableta</translation>
    </message>
    <message>
        <source>New code</source>
        <translation>Código nuevo</translation>
    </message>
    <message>
        <source>Unpair all devices</source>
        <translation>Desemparejar todos los dispositivos</translation>
    </message>
    <message>
        <source>Paired devices:</source>
        <translation>Dispositivos emparejados:</translation>
    </message>
    <message>
        <source>Gamepads</source>
        <translation>Mandos</translation>
    </message>
    <message>
        <source>The web views are not served.</source>
        <translation>Las vistas web no se están sirviendo.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>sin código</translation>
    </message>
    <message>
        <source>The code has expired: ask for a new one.</source>
        <translation>El código ha caducado: pide uno nuevo.</translation>
    </message>
    <message>
        <source>The code works for %1:%2 more.</source>
        <translation>El código vale durante %1:%2 más.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Wrong tokens or codes so far: %1</source>
        <translation>Tokens o códigos erróneos hasta ahora: %1</translation>
    </message>
    <message>
        <source>none connected</source>
        <translation>ninguno conectado</translation>
    </message>
    <message>
        <source>Stop all remote control</source>
        <translation>Detener todo el control remoto</translation>
    </message>
    <message>
        <source>Take remote control again</source>
        <translation>Aceptar de nuevo el control remoto</translation>
    </message>
</context>
<context>
    <name>tallyard::frmHelp</name>
    <message>
        <source>Tallyard Help</source>
        <translation>Ayuda de Tallyard</translation>
    </message>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>El archivo de ayuda no está en su lugar habitual.  Vuelva a instalar el programa.</translation>
    </message>
</context>
<context>
    <name>tallyard::frmOptions</name>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Other Settings</source>
        <translation>Otros ajustes</translation>
    </message>
    <message>
        <source>Routine start/stop:</source>
        <translation>Reloj ejercicio:</translation>
    </message>
    <message>
        <source>Fall start/stop:</source>
        <translation>Reloj caída:</translation>
    </message>
    <message>
        <source>Warm-up start/stop:</source>
        <translation>Reloj calentam.:</translation>
    </message>
    <message>
        <source>Reset clocks:</source>
        <translation>Relojes a cero:</translation>
    </message>
    <message>
        <source>Clear Number:</source>
        <translation>Borrar número:</translation>
    </message>
    <message>
        <source>Chime:</source>
        <translation>Timbre:</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Bloq Num:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modo normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Routine Clock Color:</source>
        <translation>Color ejercicio:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Fall Clock Color:</source>
        <translation>Color caída:</translation>
    </message>
    <message>
        <source>WarmUp Clock Color:</source>
        <translation>Color calentam.:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Color nota:</translation>
    </message>
    <message>
        <source>Gymnast # Color:</source>
        <translation>Color dorsal:</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Fondo de LED:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Color de fondo:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>LED elegido</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Color del texto:</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Home Picture:</source>
        <translation>Imagen local:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Visitor Picture:</source>
        <translation>Imagen visitante:</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Tipo de dígito:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Vista:</translation>
    </message>
    <message>
        <source>Change Chime Sound...</source>
        <translation>Cambiar timbre...</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>¿Seguro que desea restablecer los colores?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset Keys and Numlock option?</source>
        <translation>¿Seguro que desea restablecer las teclas y la opción Bloq Num?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset these settings?</source>
        <translation>¿Seguro que desea restablecer estos ajustes?</translation>
    </message>
    <message>
        <source>Reset Settings?</source>
        <translation>¿Restablecer ajustes?</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Ningún archivo elegido]</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Pause/Break</source>
        <translation>Pausa/Inter</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Numpad *</source>
        <translation>Tecl. num. *</translation>
    </message>
    <message>
        <source>Numpad /</source>
        <translation>Tecl. num. /</translation>
    </message>
    <message>
        <source>&lt;Press any key&gt;</source>
        <translation>&lt;Pulse una tecla&gt;</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Elija otra</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2); the board uses them until it closes.</source>
        <translation>Los ajustes no se pudieron guardar en %1 (%2); el marcador los usa hasta que se cierre.</translation>
    </message>
</context>
<context>
    <name>tallyard::frmSplash</name>
    <message>
        <source>Tallyard</source>
        <translation>Tallyard</translation>
    </message>
    <message>
        <source>Click to continue.</source>
        <translation>Haga clic aquí.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>En el marcador, &apos; F2 &apos; abre las opciones.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>En el marcador, &apos; F1 &apos; abre la ayuda.</translation>
    </message>
    <message>
        <source>by Osterlin</source>
        <translation>por Osterlin</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
</context>
</TS>
