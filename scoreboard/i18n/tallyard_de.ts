<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Board</name>
    <message>
        <source>Floor Exercise</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Warm-Up</source>
        <translation>Einturnen</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Sturz</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A scoreboard for gymnastics competitions, driven from the keyboard.</source>
        <translation>Eine Anzeigetafel für Turnwettkämpfe, mit der Tastatur bedient.</translation>
    </message>
    <message>
        <source>Open the board on screen &lt;n&gt; (0 is the primary).</source>
        <translation>Die Tafel auf Bildschirm &lt;n&gt; öffnen (0 ist der Hauptbildschirm).</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Open the board full-screen.</source>
        <translation>Die Tafel im Vollbild öffnen.</translation>
    </message>
    <message>
        <source>Show the audience a full-screen copy of the board on screen &lt;n&gt;; Esc on it hides it.</source>
        <translation>Dem Publikum eine Vollbildkopie der Tafel auf Bildschirm &lt;n&gt; zeigen; Esc darauf blendet sie aus.</translation>
    </message>
    <message>
        <source>List the screens with their numbers and sizes.</source>
        <translation>Die Bildschirme mit Nummer und Größe auflisten.</translation>
    </message>
    <message>
        <source>Load the gymnasts of a start list (CSV: number, name, team).</source>
        <translation>Die Teilnehmer einer Startliste laden (CSV: Nummer, Name, Mannschaft).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Append each committed score to &lt;file&gt; instead of the day&apos;s record.</source>
        <translation>Jede bestätigte Wertung an &lt;Datei&gt; anhängen statt an das Protokoll des Tages.</translation>
    </message>
    <message>
        <source>Keep no record of the scores.</source>
        <translation>Kein Protokoll der Wertungen führen.</translation>
    </message>
    <message>
        <source>Bring back the board as it was, also after a clean quit.</source>
        <translation>Die Tafel wiederherstellen, wie sie war, auch nach regulärem Beenden.</translation>
    </message>
    <message>
        <source>Serve live, read-only views of the board to web browsers on &lt;[address:]port&gt;.</source>
        <translation>Live-Ansichten der Tafel (nur lesend) für Webbrowser auf &lt;[Adresse:]Port&gt; bereitstellen.</translation>
    </message>
    <message>
        <source>Show the board&apos;s captions in &lt;language&gt; (en, de, fr, es); the dialogs follow the system&apos;s language.</source>
        <translation>Die Beschriftungen der Tafel in &lt;Sprache&gt; zeigen (en, de, fr, es); die Dialoge folgen der Sprache des Systems.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>--%1 takes a screen number, 0 or more: &apos;%2&apos;</source>
        <translation>--%1 erwartet eine Bildschirmnummer ab 0: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--results and --no-results exclude each other</source>
        <translation>--results und --no-results schließen einander aus</translation>
    </message>
    <message>
        <source>--serve takes [address:]port, the port a number from 0 to 65535: &apos;%1&apos;</source>
        <translation>--serve erwartet [Adresse:]Port, der Port eine Zahl von 0 bis 65535: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Tallyard: there is no board language &apos;%1&apos; (%2); the board shows English.</source>
        <translation>Tallyard: Die Tafelsprache &apos;%1&apos; gibt es nicht (%2); die Tafel zeigt Englisch.</translation>
    </message>
    <message>
        <source>[address:]port</source>
        <translation>[Adresse:]Port</translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>only screen 0</source>
        <translation>nur Bildschirm 0</translation>
    </message>
    <message>
        <source>screens 0 to %1</source>
        <translation>Bildschirme 0 bis %1</translation>
    </message>
    <message>
        <source> (primary)</source>
        <translation> (Hauptbildschirm)</translation>
    </message>
    <message>
        <source>Tallyard: there is no screen %1 (%2); the board opens on screen 0.</source>
        <translation>Tallyard: Bildschirm %1 gibt es nicht (%2); die Tafel öffnet auf Bildschirm 0.</translation>
    </message>
    <message>
        <source>Tallyard: there is no screen %1 for the audience window (%2); the board opens alone.</source>
        <translation>Tallyard: Bildschirm %1 für das Publikumsfenster gibt es nicht (%2); die Tafel öffnet allein.</translation>
    </message>
</context>
<context>
    <name>Meet</name>
    <message>
        <source>tallyard: restored the board of %1</source>
        <translation>tallyard: Tafel von %1 wiederhergestellt</translation>
    </message>
    <message>
        <source>tallyard: 1 gymnast in the start list %1</source>
        <translation>tallyard: 1 Teilnehmer in der Startliste %1</translation>
    </message>
    <message>
        <source>tallyard: %1 gymnasts in the start list %2</source>
        <translation>tallyard: %1 Teilnehmer in der Startliste %2</translation>
    </message>
</context>
<context>
    <name>tallyard::frmHelp</name>
    <message>
        <source>Tallyard Help</source>
        <translation>Tallyard-Hilfe</translation>
    </message>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Die Hilfedatei ist nicht an ihrem gewohnten Ort.  Bitte installieren Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>tallyard::frmOptions</name>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Other Settings</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Routine start/stop:</source>
        <translation>Übung an/aus:</translation>
    </message>
    <message>
        <source>Fall start/stop:</source>
        <translation>Sturz an/aus:</translation>
    </message>
    <message>
        <source>Warm-up start/stop:</source>
        <translation>Einturnen an/aus:</translation>
    </message>
    <message>
        <source>Reset clocks:</source>
        <translation>Uhren auf null:</translation>
    </message>
    <message>
        <source>Clear Number:</source>
        <translation>Nummer löschen:</translation>
    </message>
    <message>
        <source>Chime:</source>
        <translation>Gong:</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>NumLock-Optionen:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Immer an</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Immer aus</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Standardtasten</translation>
    </message>
    <message>
        <source>Routine Clock Color:</source>
        <translation>Farbe Übungsuhr:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Fall Clock Color:</source>
        <translation>Farbe Sturzuhr:</translation>
    </message>
    <message>
        <source>WarmUp Clock Color:</source>
        <translation>Farbe Einturnuhr:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Farbe Wertung:</translation>
    </message>
    <message>
        <source>Gymnast # Color:</source>
        <translation>Farbe Startnr.:</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>LED-Hintergrund:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>LED gewählt</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Textfarbe:</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Home Picture:</source>
        <translation>Bild Heim:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Visitor Picture:</source>
        <translation>Bild Gast:</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Ziffernart:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Ansicht:</translation>
    </message>
    <message>
        <source>Change Chime Sound...</source>
        <translation>Gongklang ändern...</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Sollen die Farben wirklich zurückgesetzt werden?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset Keys and Numlock option?</source>
        <translation>Sollen die Tasten und die NumLock-Option wirklich zurückgesetzt werden?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset these settings?</source>
        <translation>Sollen diese Einstellungen wirklich zurückgesetzt werden?</translation>
    </message>
    <message>
        <source>Reset Settings?</source>
        <translation>Einstellungen zurücksetzen?</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Keine Datei gewählt]</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Pause/Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Numpad *</source>
        <translation>Ziffernblock *</translation>
    </message>
    <message>
        <source>Numpad /</source>
        <translation>Ziffernblock /</translation>
    </message>
    <message>
        <source>&lt;Press any key&gt;</source>
        <translation>&lt;Taste drücken&gt;</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Andere wählen</translation>
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
        <translation>Weiter mit Klick.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>Auf der Tafel öffnet &apos; F2 &apos; die Optionen.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>Auf der Tafel öffnet &apos; F1 &apos; die Hilfe.</translation>
    </message>
    <message>
        <source>by Osterlin</source>
        <translation>von Osterlin</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
