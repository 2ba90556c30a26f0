<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Bindings</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file is larger than 64 KB, more than any bindings need</source>
        <translation>die Datei ist größer als 64 KB, mehr als Belegungen je brauchen</translation>
    </message>
    <message>
        <source>a line is &quot;command = key NAME, pad NAME&quot;</source>
        <translation>eine Zeile lautet &quot;Befehl = key NAME, pad NAME&quot;</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>es gibt keinen Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>&quot;%1&quot; steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>there is no key &quot;%1&quot;</source>
        <translation>es gibt keine Taste &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the key %1 is the board&apos;s own</source>
        <translation>die Taste %1 gehört der Anzeigetafel selbst</translation>
    </message>
    <message>
        <source>the key %1 is %2&apos;s already</source>
        <translation>die Taste %1 gehört schon zu %2</translation>
    </message>
    <message>
        <source>the clear key is one key</source>
        <translation>die Löschtaste ist eine einzige Taste</translation>
    </message>
    <message>
        <source>a gamepad has no &quot;%1&quot; (%2)</source>
        <translation>ein Gamepad hat kein &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>the clear key is a key</source>
        <translation>die Löschtaste ist eine Taste</translation>
    </message>
    <message>
        <source>the pad&apos;s %1 is %2&apos;s already</source>
        <translation>%1 am Gamepad gehört schon zu %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;key NAME&quot; nor &quot;pad NAME&quot;</source>
        <translation>&quot;%1&quot; ist weder &quot;key NAME&quot; noch &quot;pad NAME&quot;</translation>
    </message>
    <message>
        <source>%1 needs its command key first</source>
        <translation>%1 braucht zuerst seine Befehlstaste</translation>
    </message>
    <message>
        <source>the file names no key for %1</source>
        <translation>die Datei nennt keine Taste für %1</translation>
    </message>
</context>
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
        <source>[address:]port</source>
        <translation>[Adresse:]Port</translation>
    </message>
    <message>
        <source>There is no board language &apos;%1&apos; (%2); the board shows English.</source>
        <translation>Es gibt keine Anzeigesprache „%1“ (%2); die Anzeige zeigt Englisch.</translation>
    </message>
    <message>
        <source>--serve: this build has no web views (Qt Network was missing)</source>
        <translation>--serve: dieser Build hat keine Webansichten (Qt Network fehlte)</translation>
    </message>
    <message>
        <source>--serve is given once: the web views have one address</source>
        <translation>--serve wird nur einmal angegeben: die Webansichten haben eine Adresse</translation>
    </message>
    <message>
        <source>With --serve: take commands from paired devices (a phone&apos;s control page, a Stream Deck, scripts) at /api/command/NAME.</source>
        <translation>Mit --serve: Befehle von gekoppelten Geräten (die Steuerseite eines Telefons, ein Stream Deck, Skripte) unter /api/command/NAME annehmen.</translation>
    </message>
    <message>
        <source>Take commands from gamepads (F3 on the board shows them).</source>
        <translation>Befehle von Gamepads annehmen (F3 auf der Anzeigetafel zeigt sie).</translation>
    </message>
    <message>
        <source>Write the keys and gamepad buttons of each command to &lt;file&gt;, and end.</source>
        <translation>Die Tasten und Gamepad-Knöpfe jedes Befehls in &lt;Datei&gt; schreiben und beenden.</translation>
    </message>
    <message>
        <source>Take the keys and gamepad buttons of each command from &lt;file&gt; (all or, should the file be wrong anywhere, none), and end.</source>
        <translation>Die Tasten und Gamepad-Knöpfe jedes Befehls aus &lt;Datei&gt; übernehmen (alle oder, ist die Datei irgendwo falsch, keine) und beenden.</translation>
    </message>
    <message>
        <source>--control needs --serve: the commands come through the web views</source>
        <translation>--control braucht --serve: die Befehle kommen über die Webansichten</translation>
    </message>
    <message>
        <source>Tallyard: the bindings could not be written to %1 (%2)</source>
        <translation>Tallyard: die Belegungen konnten nicht nach %1 geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>Tallyard: cannot read %1 (%2)</source>
        <translation>Tallyard: %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>Tallyard: %1 is not taken, nothing of it:</source>
        <translation>Tallyard: %1 wird nicht übernommen, nichts davon:</translation>
    </message>
    <message>
        <source>Tallyard: the settings could not be saved to %1 (%2)</source>
        <translation>Tallyard: die Einstellungen konnten nicht in %1 gespeichert werden (%2)</translation>
    </message>
    <message>
        <source>Tallyard: there is no display to show the board on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it in a desktop session.</source>
        <translation>Tallyard: Es gibt keinen Bildschirm, auf dem die Anzeigetafel erscheinen kann (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); starten Sie das Programm in einer Desktop-Sitzung.</translation>
    </message>
    <message>
        <source>Tallyard: the display %1 does not answer; start the board in a desktop session.</source>
        <translation>Tallyard: Der Bildschirm %1 antwortet nicht; starten Sie die Anzeigetafel in einer Desktop-Sitzung.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>there is no board</source>
        <translation>es gibt keine Anzeigetafel</translation>
    </message>
    <message>
        <source>a score is written 9.850, from 0 to 19.999: &quot;%1&quot;</source>
        <translation>eine Wertung schreibt sich 9.850, von 0 bis 19.999: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a gymnast number is a whole number from 0 to %1: &quot;%2&quot;</source>
        <translation>eine Turnernummer ist eine ganze Zahl von 0 bis %1: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>there is no start list</source>
        <translation>es gibt keine Startliste</translation>
    </message>
</context>
<context>
    <name>Endpoint</name>
    <message>
        <source>an IPv6 address is written [ADDRESS]:PORT</source>
        <translation>eine IPv6-Adresse wird [ADRESSE]:PORT geschrieben</translation>
    </message>
    <message>
        <source>the port is a number from 0 to 65535</source>
        <translation>der Port ist eine Zahl von 0 bis 65535</translation>
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
        <source>There is no screen %1 (%2); the board opens on screen 0.</source>
        <translation>Es gibt keinen Bildschirm %1 (%2); die Anzeige öffnet sich auf Bildschirm 0.</translation>
    </message>
    <message>
        <source>There is no screen %1 for the audience window (%2); the board opens alone.</source>
        <translation>Es gibt keinen Bildschirm %1 für das Publikumsfenster (%2); die Anzeige öffnet sich allein.</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>The log of remote commands %1 cannot be written (%2).</source>
        <translation>Das Protokoll der Fernbefehle %1 kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>The log of remote commands %1 is written again.</source>
        <translation>Das Protokoll der Fernbefehle %1 wird wieder geschrieben.</translation>
    </message>
    <message>
        <source>Gamepads cannot be used here (%1).</source>
        <translation>Gamepads können hier nicht verwendet werden (%1).</translation>
    </message>
    <message>
        <source>No gamepad is connected.</source>
        <translation>Kein Gamepad ist angeschlossen.</translation>
    </message>
    <message>
        <source>Gamepads: %1.</source>
        <translation>Gamepads: %1.</translation>
    </message>
    <message>
        <source>This build has no gamepads (SDL2 was missing).</source>
        <translation>Dieser Build kennt keine Gamepads (SDL2 fehlte).</translation>
    </message>
    <message>
        <source>gamepad %1</source>
        <translation>Gamepad %1</translation>
    </message>
    <message>
        <source>network: %1</source>
        <translation>Netzwerk: %1</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>The paired devices could not be kept in %1 (%2); they stay paired until the board closes.</source>
        <translation>Die gekoppelten Geräte konnten nicht in %1 gespeichert werden (%2); sie bleiben gekoppelt, bis die Anzeigetafel schließt.</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>Gerät %1</translation>
    </message>
    <message>
        <source>Remote control: %1 wrong tokens or codes from %2.</source>
        <translation>Fernsteuerung: %1 falsche Token oder Codes von %2.</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>es gibt keinen Befehl &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the operator has stopped remote control</source>
        <translation>die Bedienung hat die Fernsteuerung angehalten</translation>
    </message>
    <message>
        <source>pairing code %1, good for %2 minutes</source>
        <translation>Kopplungscode %1, gültig für %2 Minuten</translation>
    </message>
</context>
<context>
    <name>ResultsRecord</name>
    <message>
        <source>The results record %1 cannot be written (%2). Scores are kept and written as soon as it can be; or choose another file with --results.</source>
        <translation>Das Ergebnisprotokoll %1 kann nicht geschrieben werden (%2). Die Wertungen werden aufbewahrt und geschrieben, sobald es geht; oder wählen Sie mit --results eine andere Datei.</translation>
    </message>
    <message>
        <source>The results record %1 cannot be written (%2). Scores are kept and written as soon as it can be.</source>
        <translation>Das Ergebnisprotokoll %1 kann nicht geschrieben werden (%2). Die Wertungen werden aufbewahrt und geschrieben, sobald es geht.</translation>
    </message>
    <message>
        <source>The results record %1 is written again; the scores kept meanwhile are in it.</source>
        <translation>Das Ergebnisprotokoll %1 wird wieder geschrieben; die inzwischen aufbewahrten Wertungen stehen darin.</translation>
    </message>
    <message>
        <source>%1 scores wait for the results record %2; newer scores are not kept.</source>
        <translation>%1 Wertungen warten auf das Ergebnisprotokoll %2; neuere Wertungen werden nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>%1 scores could not be kept for the results record %2.</source>
        <translation>%1 Wertungen konnten für das Ergebnisprotokoll %2 nicht aufbewahrt werden.</translation>
    </message>
    <message>
        <source>%1 scores could not be written to the results record %2.</source>
        <translation>%1 Wertungen konnten nicht in das Ergebnisprotokoll %2 geschrieben werden.</translation>
    </message>
    <message>
        <source>The results record %1 was replaced by another file (saved by another program?); the scores go on in the file now there.</source>
        <translation>Das Ergebnisprotokoll %1 wurde durch eine andere Datei ersetzt (von einem anderen Programm gespeichert?); die Wertungen gehen in der Datei weiter, die jetzt dort liegt.</translation>
    </message>
    <message>
        <source>The results record %1 was deleted; it is made again and the scores go on in it.</source>
        <translation>Das Ergebnisprotokoll %1 wurde gelöscht; es wird neu angelegt, und die Wertungen gehen darin weiter.</translation>
    </message>
    <message>
        <source>Another program is writing the results record %1 too; both keep their scores in it.</source>
        <translation>Ein anderes Programm schreibt ebenfalls in das Ergebnisprotokoll %1; beide behalten ihre Wertungen darin.</translation>
    </message>
</context>
<context>
    <name>StartList</name>
    <message>
        <source>the list is larger than 16 MB, more than any start list needs; nothing is loaded</source>
        <translation>die Liste ist größer als 16 MB, mehr als jede Startliste braucht; nichts wird geladen</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the list is not in UTF-8, so it was read as Windows-1252 (Western European); should a name look wrong, save the list as &quot;CSV UTF-8&quot;</source>
        <translation>die Liste ist nicht in UTF-8 und wurde als Windows-1252 (Westeuropäisch) gelesen; sieht ein Name falsch aus, speichern Sie die Liste als „CSV UTF-8“</translation>
    </message>
    <message>
        <source>the header names no name column (such as name, Name, nom, nombre); the gymnasts&apos; names stay empty</source>
        <translation>die Kopfzeile nennt keine Namensspalte (etwa name, Name, nom, nombre); die Namen der Turnerinnen und Turner bleiben leer</translation>
    </message>
    <message>
        <source>the header names no team column (such as team, club, Verein, Mannschaft, équipe, equipo); the gymnasts&apos; teams stay empty</source>
        <translation>die Kopfzeile nennt keine Vereinsspalte (etwa team, club, Verein, Mannschaft, équipe, equipo); die Vereine bleiben leer</translation>
    </message>
    <message>
        <source>more than %1 rows; this row and the rest are ignored</source>
        <translation>mehr als %1 Zeilen; diese Zeile und der Rest werden übergangen</translation>
    </message>
    <message>
        <source>a field is longer than %1 characters</source>
        <translation>ein Feld ist länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>no gymnast number</source>
        <translation>keine Startnummer</translation>
    </message>
    <message>
        <source>the gymnast number %1 is not a whole number</source>
        <translation>die Startnummer %1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the gymnast number %1 is outside %2..%3</source>
        <translation>die Startnummer %1 liegt außerhalb von %2..%3</translation>
    </message>
    <message>
        <source>the gymnast number %1 is already on line %2; this row is ignored</source>
        <translation>die Startnummer %1 steht schon in Zeile %2; diese Zeile wird übergangen</translation>
    </message>
    <message>
        <source>no memory to read the list</source>
        <translation>kein Speicher, um die Liste zu lesen</translation>
    </message>
    <message>
        <source>a quote opened on this line is not closed; this row is ignored</source>
        <translation>ein in dieser Zeile geöffnetes Anführungszeichen wird nicht geschlossen; diese Zeile wird übergangen</translation>
    </message>
    <message>
        <source>no memory to read further; the rest is ignored</source>
        <translation>kein Speicher, um weiterzulesen; der Rest wird übergangen</translation>
    </message>
    <message>
        <source>the list names no gymnast</source>
        <translation>die Liste nennt keine Turnerin und keinen Turner</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>%1 kann nicht gelesen werden: es ist ein Ordner</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the picture %1 is not there; this gymnast shows no picture</source>
        <translation>das Bild %1 ist nicht vorhanden; für diese Startnummer wird kein Bild gezeigt</translation>
    </message>
</context>
<context>
    <name>StateJournal</name>
    <message>
        <source>The board&apos;s state cannot be kept in %1 (%2): after a crash the board would not come back as it was.</source>
        <translation>Der Zustand der Anzeige kann nicht in %1 gesichert werden (%2): nach einem Absturz käme die Anzeige nicht so zurück, wie sie war.</translation>
    </message>
    <message>
        <source>The board&apos;s state is kept in %1 again.</source>
        <translation>Der Zustand der Anzeige wird wieder in %1 gesichert.</translation>
    </message>
    <message>
        <source>%1: not a whole number; ignored</source>
        <translation>%1: keine ganze Zahl; übergangen</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3..%4; ignored</source>
        <translation>%1: %2 liegt außerhalb von %3..%4; übergangen</translation>
    </message>
    <message>
        <source>%1: not a number; ignored</source>
        <translation>%1: keine Zahl; übergangen</translation>
    </message>
    <message>
        <source>%1: %2 is outside 0..%3; ignored</source>
        <translation>%1: %2 liegt außerhalb von 0..%3; übergangen</translation>
    </message>
    <message>
        <source>%1: not true or false; ignored</source>
        <translation>%1: weder true noch false; übergangen</translation>
    </message>
    <message>
        <source>%1: not a text; ignored</source>
        <translation>%1: kein Text; übergangen</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters; ignored</source>
        <translation>%1: länger als %2 Zeichen; übergangen</translation>
    </message>
    <message>
        <source>%1: not valid text; ignored</source>
        <translation>%1: kein gültiger Text; übergangen</translation>
    </message>
    <message>
        <source>%1: not an object; ignored</source>
        <translation>%1: kein Objekt; übergangen</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: fehlt</translation>
    </message>
    <message>
        <source>larger than %1 bytes; nothing read</source>
        <translation>größer als %1 Bytes; nichts gelesen</translation>
    </message>
    <message>
        <source>damaged JSON (%1 at byte %2); nothing read</source>
        <translation>beschädigtes JSON (%1 bei Byte %2); nichts gelesen</translation>
    </message>
    <message>
        <source>not a JSON object; nothing read</source>
        <translation>kein JSON-Objekt; nichts gelesen</translation>
    </message>
    <message>
        <source>format %1, not %2; nothing read</source>
        <translation>Format %1, nicht %2; nichts gelesen</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>cannot read %1 (%2)</source>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
</context>
<context>
    <name>WebViews</name>
    <message>
        <source>&quot;%1&quot; is not an IP address</source>
        <translation>„%1“ ist keine IP-Adresse</translation>
    </message>
    <message>
        <source>--serve: the web views are served already</source>
        <translation>--serve: die Webansichten werden schon bereitgestellt</translation>
    </message>
    <message>
        <source>--serve %1: the web views cannot be served there (%2)</source>
        <translation>--serve %1: die Webansichten können dort nicht bereitgestellt werden (%2)</translation>
    </message>
    <message>
        <source>The web views have turned connections away (%1 in all): they serve %2 at a time, %3 from one address.</source>
        <translation>Die Webansichten haben Verbindungen abgewiesen (%1 insgesamt): sie bedienen %2 zugleich, %3 von einer Adresse.</translation>
    </message>
    <message>
        <source>the control page (paired devices only)</source>
        <translation>die Steuerseite (nur gekoppelte Geräte)</translation>
    </message>
</context>
<context>
    <name>tallyard::Meet</name>
    <message>
        <source>Another Tallyard (process %1) is running and keeps its board in %2: this board is not kept for a crash, and no board was brought back.</source>
        <translation>Ein anderes Tallyard (Prozess %1) läuft und sichert seine Anzeige in %2: diese Anzeige wird für einen Absturz nicht gesichert, und keine Anzeige wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>Restored the board of %1.</source>
        <translation>Die Anzeige von %1 wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>1 gymnast in the start list %1</source>
        <translation>1 Startnummer in der Startliste %1</translation>
    </message>
    <message>
        <source>%1 gymnasts in the start list %2</source>
        <translation>%1 Startnummern in der Startliste %2</translation>
    </message>
</context>
<context>
    <name>tallyard::RemoteWindow</name>
    <message>
        <source>Remote control – Tallyard</source>
        <translation>Fernsteuerung – Tallyard</translation>
    </message>
    <message>
        <source>A phone or a tablet</source>
        <translation>Ein Telefon oder Tablet</translation>
    </message>
    <message>
        <source>New code</source>
        <translation>Neuer Code</translation>
    </message>
    <message>
        <source>Unpair all devices</source>
        <translation>Alle Geräte entkoppeln</translation>
    </message>
    <message>
        <source>Paired devices:</source>
        <translation>Gekoppelte Geräte:</translation>
    </message>
    <message>
        <source>Gamepads</source>
        <translation>Gamepads</translation>
    </message>
    <message>
        <source>The web views are not served.</source>
        <translation>Die Webansichten werden nicht angeboten.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>kein Code</translation>
    </message>
    <message>
        <source>The code has expired: ask for a new one.</source>
        <translation>Der Code ist abgelaufen: einen neuen anfordern.</translation>
    </message>
    <message>
        <source>The code works for %1:%2 more.</source>
        <translation>Der Code gilt noch %1:%2.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Wrong tokens or codes so far: %1</source>
        <translation>Bisher falsche Token oder Codes: %1</translation>
    </message>
    <message>
        <source>none connected</source>
        <translation>keines angeschlossen</translation>
    </message>
    <message>
        <source>Stop all remote control</source>
        <translation>Alle Fernsteuerung anhalten</translation>
    </message>
    <message>
        <source>Take remote control again</source>
        <translation>Fernsteuerung wieder annehmen</translation>
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
    <message>
        <source>The settings could not be saved to %1 (%2); the board uses them until it closes.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden (%2); die Anzeige verwendet sie, bis sie geschlossen wird.</translation>
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
