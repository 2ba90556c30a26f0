<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <source>Tallyard: there is no board language &apos;%1&apos; (%2); the board shows English.</source>
        <translation>Tallyard: no existe el idioma de marcador &apos;%1&apos; (%2); el marcador se muestra en inglés.</translation>
    </message>
    <message>
        <source>[address:]port</source>
        <translation>[dirección:]puerto</translation>
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
        <source>Tallyard: there is no screen %1 (%2); the board opens on screen 0.</source>
        <translation>Tallyard: no existe la pantalla %1 (%2); el marcador se abre en la pantalla 0.</translation>
    </message>
    <message>
        <source>Tallyard: there is no screen %1 for the audience window (%2); the board opens alone.</source>
        <translation>Tallyard: no existe la pantalla %1 para la ventana del público (%2); el marcador se abre solo.</translation>
    </message>
</context>
<context>
    <name>Meet</name>
    <message>
        <source>tallyard: restored the board of %1</source>
        <translation>tallyard: marcador de las %1 recuperado</translation>
    </message>
    <message>
        <source>tallyard: 1 gymnast in the start list %1</source>
        <translation>tallyard: 1 gimnasta en la lista de salida %1</translation>
    </message>
    <message>
        <source>tallyard: %1 gymnasts in the start list %2</source>
        <translation>tallyard: %1 gimnastas en la lista de salida %2</translation>
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
