<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Bindings</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the file is larger than 64 KB, more than any bindings need</source>
        <translation>le fichier dépasse 64 Ko, plus que n’importe quelles affectations</translation>
    </message>
    <message>
        <source>a line is &quot;command = key NAME, pad NAME&quot;</source>
        <translation>une ligne s’écrit &quot;commande = key NOM, pad NOM&quot;</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>il n’y a pas de commande &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already on line %2</source>
        <translation>&quot;%1&quot; figure déjà à la ligne %2</translation>
    </message>
    <message>
        <source>there is no key &quot;%1&quot;</source>
        <translation>il n’y a pas de touche &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the key %1 is the board&apos;s own</source>
        <translation>la touche %1 appartient au tableau lui-même</translation>
    </message>
    <message>
        <source>the key %1 is %2&apos;s already</source>
        <translation>la touche %1 est déjà celle de %2</translation>
    </message>
    <message>
        <source>the clear key is one key</source>
        <translation>la touche d’effacement est une seule touche</translation>
    </message>
    <message>
        <source>a gamepad has no &quot;%1&quot; (%2)</source>
        <translation>une manette n’a pas de &quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>the clear key is a key</source>
        <translation>la touche d’effacement est une touche</translation>
    </message>
    <message>
        <source>the pad&apos;s %1 is %2&apos;s already</source>
        <translation>le %1 de la manette est déjà celui de %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither &quot;key NAME&quot; nor &quot;pad NAME&quot;</source>
        <translation>&quot;%1&quot; n’est ni &quot;key NOM&quot; ni &quot;pad NOM&quot;</translation>
    </message>
    <message>
        <source>%1 needs its command key first</source>
        <translation>%1 a d’abord besoin de sa touche de commande</translation>
    </message>
    <message>
        <source>the file names no key for %1</source>
        <translation>le fichier ne donne aucune touche pour %1</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>Floor Exercise</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Warm-Up</source>
        <translation>Échauff.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Fall</source>
        <translation>Chute</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A scoreboard for gymnastics competitions, driven from the keyboard.</source>
        <translation>Un tableau d&apos;affichage pour les compétitions de gymnastique, piloté au clavier.</translation>
    </message>
    <message>
        <source>Open the board on screen &lt;n&gt; (0 is the primary).</source>
        <translation>Ouvrir le tableau sur l&apos;écran &lt;n&gt; (0 est l&apos;écran principal).</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Open the board full-screen.</source>
        <translation>Ouvrir le tableau en plein écran.</translation>
    </message>
    <message>
        <source>Show the audience a full-screen copy of the board on screen &lt;n&gt;; Esc on it hides it.</source>
        <translation>Montrer au public une copie plein écran du tableau sur l&apos;écran &lt;n&gt;&#xa0;; Échap sur celle-ci la masque.</translation>
    </message>
    <message>
        <source>List the screens with their numbers and sizes.</source>
        <translation>Lister les écrans avec leur numéro et leur taille.</translation>
    </message>
    <message>
        <source>Load the gymnasts of a start list (CSV: number, name, team).</source>
        <translation>Charger les gymnastes d&apos;une liste de départ (CSV&#xa0;: numéro, nom, équipe).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Append each committed score to &lt;file&gt; instead of the day&apos;s record.</source>
        <translation>Ajouter chaque note validée à &lt;fichier&gt; au lieu du registre du jour.</translation>
    </message>
    <message>
        <source>Keep no record of the scores.</source>
        <translation>Ne tenir aucun registre des notes.</translation>
    </message>
    <message>
        <source>Bring back the board as it was, also after a clean quit.</source>
        <translation>Rétablir le tableau tel qu&apos;il était, même après une fermeture normale.</translation>
    </message>
    <message>
        <source>Serve live, read-only views of the board to web browsers on &lt;[address:]port&gt;.</source>
        <translation>Servir aux navigateurs web des vues en direct du tableau, en lecture seule, sur &lt;[adresse:]port&gt;.</translation>
    </message>
    <message>
        <source>Show the board&apos;s captions in &lt;language&gt; (en, de, fr, es); the dialogs follow the system&apos;s language.</source>
        <translation>Afficher les légendes du tableau en &lt;langue&gt; (en, de, fr, es)&#xa0;; les dialogues suivent la langue du système.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>--%1 takes a screen number, 0 or more: &apos;%2&apos;</source>
        <translation>--%1 attend un numéro d&apos;écran, 0 ou plus&#xa0;: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--results and --no-results exclude each other</source>
        <translation>--results et --no-results s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>--serve takes [address:]port, the port a number from 0 to 65535: &apos;%1&apos;</source>
        <translation>--serve attend [adresse:]port, le port étant un nombre de 0 à 65535&#xa0;: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>[address:]port</source>
        <translation>[adresse:]port</translation>
    </message>
    <message>
        <source>There is no board language &apos;%1&apos; (%2); the board shows English.</source>
        <translation>Il n’y a pas de langue de tableau « %1 » (%2) ; le tableau s’affiche en anglais.</translation>
    </message>
    <message>
        <source>--serve: this build has no web views (Qt Network was missing)</source>
        <translation>--serve : cette version n’a pas de vues web (Qt Network manquait)</translation>
    </message>
    <message>
        <source>--serve is given once: the web views have one address</source>
        <translation>--serve ne se donne qu’une fois : les vues web ont une seule adresse</translation>
    </message>
    <message>
        <source>With --serve: take commands from paired devices (a phone&apos;s control page, a Stream Deck, scripts) at /api/command/NAME.</source>
        <translation>Avec --serve : accepter les commandes des appareils appairés (la page de commande d’un téléphone, un Stream Deck, des scripts) sur /api/command/NOM.</translation>
    </message>
    <message>
        <source>Take commands from gamepads (F3 on the board shows them).</source>
        <translation>Accepter les commandes des manettes (F3 sur le tableau les montre).</translation>
    </message>
    <message>
        <source>Write the keys and gamepad buttons of each command to &lt;file&gt;, and end.</source>
        <translation>Écrire les touches et boutons de manette de chaque commande dans &lt;fichier&gt;, puis terminer.</translation>
    </message>
    <message>
        <source>Take the keys and gamepad buttons of each command from &lt;file&gt; (all or, should the file be wrong anywhere, none), and end.</source>
        <translation>Prendre les touches et boutons de manette de chaque commande dans &lt;fichier&gt; (tous ou, si le fichier est faux quelque part, aucun), puis terminer.</translation>
    </message>
    <message>
        <source>--control needs --serve: the commands come through the web views</source>
        <translation>--control exige --serve : les commandes passent par les vues web</translation>
    </message>
    <message>
        <source>Tallyard: the bindings could not be written to %1 (%2)</source>
        <translation>Tallyard : les affectations n’ont pas pu être écrites dans %1 (%2)</translation>
    </message>
    <message>
        <source>Tallyard: cannot read %1 (%2)</source>
        <translation>Tallyard : impossible de lire %1 (%2)</translation>
    </message>
    <message>
        <source>Tallyard: %1 is not taken, nothing of it:</source>
        <translation>Tallyard : %1 n’est pas pris, rien de lui :</translation>
    </message>
    <message>
        <source>Tallyard: the settings could not be saved to %1 (%2)</source>
        <translation>Tallyard : les réglages n’ont pas pu être enregistrés dans %1 (%2)</translation>
    </message>
    <message>
        <source>Tallyard: there is no display to show the board on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it in a desktop session.</source>
        <translation>Tallyard : il n’y a aucun écran où afficher le tableau (ni DISPLAY ni WAYLAND_DISPLAY n’est défini) ; lancez le programme dans une session de bureau.</translation>
    </message>
    <message>
        <source>Tallyard: the display %1 does not answer; start the board in a desktop session.</source>
        <translation>Tallyard : l’écran %1 ne répond pas ; lancez le tableau dans une session de bureau.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>there is no board</source>
        <translation>il n’y a pas de tableau</translation>
    </message>
    <message>
        <source>a score is written 9.850, from 0 to 19.999: &quot;%1&quot;</source>
        <translation>une note s’écrit 9.850, de 0 à 19.999 : &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a gymnast number is a whole number from 0 to %1: &quot;%2&quot;</source>
        <translation>un numéro de gymnaste est un entier de 0 à %1 : &quot;%2&quot;</translation>
    </message>
    <message>
        <source>there is no start list</source>
        <translation>il n’y a pas de liste de départ</translation>
    </message>
</context>
<context>
    <name>Endpoint</name>
    <message>
        <source>an IPv6 address is written [ADDRESS]:PORT</source>
        <translation>une adresse IPv6 s’écrit [ADRESSE]:PORT</translation>
    </message>
    <message>
        <source>the port is a number from 0 to 65535</source>
        <translation>le port est un nombre de 0 à 65535</translation>
    </message>
</context>
<context>
    <name>Hall</name>
    <message>
        <source>only screen 0</source>
        <translation>seulement l&apos;écran 0</translation>
    </message>
    <message>
        <source>screens 0 to %1</source>
        <translation>écrans 0 à %1</translation>
    </message>
    <message>
        <source> (primary)</source>
        <translation> (principal)</translation>
    </message>
    <message>
        <source>There is no screen %1 (%2); the board opens on screen 0.</source>
        <translation>Il n’y a pas d’écran %1 (%2) ; le tableau s’ouvre sur l’écran 0.</translation>
    </message>
    <message>
        <source>There is no screen %1 for the audience window (%2); the board opens alone.</source>
        <translation>Il n’y a pas d’écran %1 pour la fenêtre du public (%2) ; le tableau s’ouvre seul.</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>The log of remote commands %1 cannot be written (%2).</source>
        <translation>Le journal des commandes à distance %1 ne peut pas être écrit (%2).</translation>
    </message>
    <message>
        <source>The log of remote commands %1 is written again.</source>
        <translation>Le journal des commandes à distance %1 est de nouveau écrit.</translation>
    </message>
    <message>
        <source>Gamepads cannot be used here (%1).</source>
        <translation>Les manettes ne peuvent pas être utilisées ici (%1).</translation>
    </message>
    <message>
        <source>No gamepad is connected.</source>
        <translation>Aucune manette n’est branchée.</translation>
    </message>
    <message>
        <source>Gamepads: %1.</source>
        <translation>Manettes : %1.</translation>
    </message>
    <message>
        <source>This build has no gamepads (SDL2 was missing).</source>
        <translation>Cette version ne gère pas les manettes (SDL2 manquait).</translation>
    </message>
    <message>
        <source>gamepad %1</source>
        <translation>manette %1</translation>
    </message>
    <message>
        <source>network: %1</source>
        <translation>réseau : %1</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>The paired devices could not be kept in %1 (%2); they stay paired until the board closes.</source>
        <translation>Les appareils appairés n’ont pas pu être enregistrés dans %1 (%2) ; ils restent appairés jusqu’à la fermeture du tableau.</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>appareil %1</translation>
    </message>
    <message>
        <source>Remote control: %1 wrong tokens or codes from %2.</source>
        <translation>Commande à distance : %1 jetons ou codes erronés depuis %2.</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>il n’y a pas de commande &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the operator has stopped remote control</source>
        <translation>l’opérateur a arrêté la commande à distance</translation>
    </message>
    <message>
        <source>pairing code %1, good for %2 minutes</source>
        <translation>code d’appairage %1, valable %2 minutes</translation>
    </message>
</context>
<context>
    <name>ResultsRecord</name>
    <message>
        <source>The results record %1 cannot be written (%2). Scores are kept and written as soon as it can be; or choose another file with --results.</source>
        <translation>Le registre des résultats %1 ne peut pas être écrit (%2). Les notes sont gardées et écrites dès que possible ; ou choisissez un autre fichier avec --results.</translation>
    </message>
    <message>
        <source>The results record %1 cannot be written (%2). Scores are kept and written as soon as it can be.</source>
        <translation>Le registre des résultats %1 ne peut pas être écrit (%2). Les notes sont gardées et écrites dès que possible.</translation>
    </message>
    <message>
        <source>The results record %1 is written again; the scores kept meanwhile are in it.</source>
        <translation>Le registre des résultats %1 est de nouveau écrit ; les notes gardées entre-temps y figurent.</translation>
    </message>
    <message>
        <source>%1 scores wait for the results record %2; newer scores are not kept.</source>
        <translation>%1 notes attendent le registre des résultats %2 ; les notes plus récentes ne sont pas gardées.</translation>
    </message>
    <message>
        <source>%1 scores could not be kept for the results record %2.</source>
        <translation>%1 notes n’ont pas pu être gardées pour le registre des résultats %2.</translation>
    </message>
    <message>
        <source>%1 scores could not be written to the results record %2.</source>
        <translation>%1 notes n’ont pas pu être écrites dans le registre des résultats %2.</translation>
    </message>
    <message>
        <source>The results record %1 was replaced by another file (saved by another program?); the scores go on in the file now there.</source>
        <translation>Le registre des résultats %1 a été remplacé par un autre fichier (enregistré par un autre programme ?) ; les notes continuent dans le fichier qui s’y trouve maintenant.</translation>
    </message>
    <message>
        <source>The results record %1 was deleted; it is made again and the scores go on in it.</source>
        <translation>Le registre des résultats %1 a été supprimé ; il est recréé et les notes y continuent.</translation>
    </message>
    <message>
        <source>Another program is writing the results record %1 too; both keep their scores in it.</source>
        <translation>Un autre programme écrit aussi dans le registre des résultats %1 ; chacun y garde ses notes.</translation>
    </message>
</context>
<context>
    <name>StartList</name>
    <message>
        <source>the list is larger than 16 MB, more than any start list needs; nothing is loaded</source>
        <translation>la liste dépasse 16 Mo, plus que toute liste de départ n’en a besoin ; rien n’est chargé</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the list is not in UTF-8, so it was read as Windows-1252 (Western European); should a name look wrong, save the list as &quot;CSV UTF-8&quot;</source>
        <translation>la liste n’est pas en UTF-8 et a été lue comme Windows-1252 (Europe occidentale) ; si un nom paraît faux, enregistrez la liste en « CSV UTF-8 »</translation>
    </message>
    <message>
        <source>the header names no name column (such as name, Name, nom, nombre); the gymnasts&apos; names stay empty</source>
        <translation>l’en-tête ne nomme pas de colonne de nom (comme name, Name, nom, nombre) ; les noms des gymnastes restent vides</translation>
    </message>
    <message>
        <source>the header names no team column (such as team, club, Verein, Mannschaft, équipe, equipo); the gymnasts&apos; teams stay empty</source>
        <translation>l’en-tête ne nomme pas de colonne d’équipe (comme team, club, Verein, Mannschaft, équipe, equipo) ; les équipes des gymnastes restent vides</translation>
    </message>
    <message>
        <source>more than %1 rows; this row and the rest are ignored</source>
        <translation>plus de %1 lignes ; cette ligne et les suivantes sont ignorées</translation>
    </message>
    <message>
        <source>a field is longer than %1 characters</source>
        <translation>un champ dépasse %1 caractères</translation>
    </message>
    <message>
        <source>no gymnast number</source>
        <translation>pas de numéro de gymnaste</translation>
    </message>
    <message>
        <source>the gymnast number %1 is not a whole number</source>
        <translation>le numéro de gymnaste %1 n’est pas un nombre entier</translation>
    </message>
    <message>
        <source>the gymnast number %1 is outside %2..%3</source>
        <translation>le numéro de gymnaste %1 est hors de %2..%3</translation>
    </message>
    <message>
        <source>the gymnast number %1 is already on line %2; this row is ignored</source>
        <translation>le numéro de gymnaste %1 est déjà à la ligne %2 ; cette ligne est ignorée</translation>
    </message>
    <message>
        <source>no memory to read the list</source>
        <translation>pas de mémoire pour lire la liste</translation>
    </message>
    <message>
        <source>a quote opened on this line is not closed; this row is ignored</source>
        <translation>un guillemet ouvert sur cette ligne n’est pas fermé ; cette ligne est ignorée</translation>
    </message>
    <message>
        <source>no memory to read further; the rest is ignored</source>
        <translation>pas de mémoire pour lire plus loin ; le reste est ignoré</translation>
    </message>
    <message>
        <source>the list names no gymnast</source>
        <translation>la liste ne nomme aucun gymnaste</translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation>impossible de lire %1 : c’est un dossier</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>the picture %1 is not there; this gymnast shows no picture</source>
        <translation>l’image %1 est introuvable ; ce gymnaste s’affiche sans image</translation>
    </message>
</context>
<context>
    <name>StateJournal</name>
    <message>
        <source>The board&apos;s state cannot be kept in %1 (%2): after a crash the board would not come back as it was.</source>
        <translation>L’état du tableau ne peut pas être gardé dans %1 (%2) : après un plantage, le tableau ne reviendrait pas tel qu’il était.</translation>
    </message>
    <message>
        <source>The board&apos;s state is kept in %1 again.</source>
        <translation>L’état du tableau est de nouveau gardé dans %1.</translation>
    </message>
    <message>
        <source>%1: not a whole number; ignored</source>
        <translation>%1 : pas un nombre entier ; ignoré</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3..%4; ignored</source>
        <translation>%1 : %2 est hors de %3..%4 ; ignoré</translation>
    </message>
    <message>
        <source>%1: not a number; ignored</source>
        <translation>%1 : pas un nombre ; ignoré</translation>
    </message>
    <message>
        <source>%1: %2 is outside 0..%3; ignored</source>
        <translation>%1 : %2 est hors de 0..%3 ; ignoré</translation>
    </message>
    <message>
        <source>%1: not true or false; ignored</source>
        <translation>%1 : ni true ni false ; ignoré</translation>
    </message>
    <message>
        <source>%1: not a text; ignored</source>
        <translation>%1 : pas un texte ; ignoré</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters; ignored</source>
        <translation>%1 : plus de %2 caractères ; ignoré</translation>
    </message>
    <message>
        <source>%1: not valid text; ignored</source>
        <translation>%1 : texte non valide ; ignoré</translation>
    </message>
    <message>
        <source>%1: not an object; ignored</source>
        <translation>%1 : pas un objet ; ignoré</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1 : manquant</translation>
    </message>
    <message>
        <source>larger than %1 bytes; nothing read</source>
        <translation>plus de %1 octets ; rien n’est lu</translation>
    </message>
    <message>
        <source>damaged JSON (%1 at byte %2); nothing read</source>
        <translation>JSON endommagé (%1 à l’octet %2) ; rien n’est lu</translation>
    </message>
    <message>
        <source>not a JSON object; nothing read</source>
        <translation>pas un objet JSON ; rien n’est lu</translation>
    </message>
    <message>
        <source>format %1, not %2; nothing read</source>
        <translation>format %1, pas %2 ; rien n’est lu</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>cannot read %1 (%2)</source>
        <translation>impossible de lire %1 (%2)</translation>
    </message>
</context>
<context>
    <name>WebViews</name>
    <message>
        <source>&quot;%1&quot; is not an IP address</source>
        <translation>« %1 » n’est pas une adresse IP</translation>
    </message>
    <message>
        <source>--serve: the web views are served already</source>
        <translation>--serve : les vues web sont déjà servies</translation>
    </message>
    <message>
        <source>--serve %1: the web views cannot be served there (%2)</source>
        <translation>--serve %1 : les vues web ne peuvent pas être servies là (%2)</translation>
    </message>
    <message>
        <source>The web views have turned connections away (%1 in all): they serve %2 at a time, %3 from one address.</source>
        <translation>Les vues web ont refusé des connexions (%1 en tout) : elles en servent %2 à la fois, %3 par adresse.</translation>
    </message>
    <message>
        <source>the control page (paired devices only)</source>
        <translation>la page de commande (appareils appairés seulement)</translation>
    </message>
</context>
<context>
    <name>tallyard::Meet</name>
    <message>
        <source>Another Tallyard (process %1) is running and keeps its board in %2: this board is not kept for a crash, and no board was brought back.</source>
        <translation>Un autre Tallyard (processus %1) tourne et garde son tableau dans %2 : ce tableau n’est pas gardé en cas de plantage, et aucun tableau n’a été rétabli.</translation>
    </message>
    <message>
        <source>Restored the board of %1.</source>
        <translation>Le tableau de %1 a été rétabli.</translation>
    </message>
    <message>
        <source>1 gymnast in the start list %1</source>
        <translation>1 gymnaste dans la liste de départ %1</translation>
    </message>
    <message>
        <source>%1 gymnasts in the start list %2</source>
        <translation>%1 gymnastes dans la liste de départ %2</translation>
    </message>
</context>
<context>
    <name>tallyard::RemoteWindow</name>
    <message>
        <source>Remote control – Tallyard</source>
        <translation>Commande à distance – Tallyard</translation>
    </message>
    <message>
        <source>A phone or a tablet</source>
        <translation>Un téléphone ou une tablette</translation>
    </message>
    <message>
        <source>New code</source>
        <translation>Nouveau code</translation>
    </message>
    <message>
        <source>Unpair all devices</source>
        <translation>Désappairer tous les appareils</translation>
    </message>
    <message>
        <source>Paired devices:</source>
        <translation>Appareils appairés :</translation>
    </message>
    <message>
        <source>Gamepads</source>
        <translation>Manettes</translation>
    </message>
    <message>
        <source>The web views are not served.</source>
        <translation>Les vues web ne sont pas servies.</translation>
    </message>
    <message>
        <source>no code</source>
        <translation>aucun code</translation>
    </message>
    <message>
        <source>The code has expired: ask for a new one.</source>
        <translation>Le code a expiré : demandez-en un nouveau.</translation>
    </message>
    <message>
        <source>The code works for %1:%2 more.</source>
        <translation>Le code reste valable encore %1:%2.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Wrong tokens or codes so far: %1</source>
        <translation>Jetons ou codes erronés jusqu’ici : %1</translation>
    </message>
    <message>
        <source>none connected</source>
        <translation>aucune branchée</translation>
    </message>
    <message>
        <source>Stop all remote control</source>
        <translation>Arrêter toute commande à distance</translation>
    </message>
    <message>
        <source>Take remote control again</source>
        <translation>Accepter de nouveau la commande à distance</translation>
    </message>
</context>
<context>
    <name>tallyard::frmHelp</name>
    <message>
        <source>Tallyard Help</source>
        <translation>Aide de Tallyard</translation>
    </message>
    <message>
        <source>Help file has been moved from its normal location.  Please reinstall the program.</source>
        <translation>Le fichier d&apos;aide n&apos;est plus à son emplacement habituel.  Veuillez réinstaller le programme.</translation>
    </message>
</context>
<context>
    <name>tallyard::frmOptions</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Other Settings</source>
        <translation>Autres réglages</translation>
    </message>
    <message>
        <source>Routine start/stop:</source>
        <translation>Chrono exercice&#xa0;:</translation>
    </message>
    <message>
        <source>Fall start/stop:</source>
        <translation>Chrono chute&#xa0;:</translation>
    </message>
    <message>
        <source>Warm-up start/stop:</source>
        <translation>Chrono échauff.&#xa0;:</translation>
    </message>
    <message>
        <source>Reset clocks:</source>
        <translation>Remise à zéro&#xa0;:</translation>
    </message>
    <message>
        <source>Clear Number:</source>
        <translation>Effacer numéro&#xa0;:</translation>
    </message>
    <message>
        <source>Chime:</source>
        <translation>Carillon&#xa0;:</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Verr. num&#xa0;:</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Mode normal</translation>
    </message>
    <message>
        <source>Keep Numlock On</source>
        <translation>Toujours actif</translation>
    </message>
    <message>
        <source>Keep Numlock Off</source>
        <translation>Toujours inactif</translation>
    </message>
    <message>
        <source>Reset Keys</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Routine Clock Color:</source>
        <translation>Couleur exercice&#xa0;:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Fall Clock Color:</source>
        <translation>Couleur chute&#xa0;:</translation>
    </message>
    <message>
        <source>WarmUp Clock Color:</source>
        <translation>Couleur échauff.&#xa0;:</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Couleur note&#xa0;:</translation>
    </message>
    <message>
        <source>Gymnast # Color:</source>
        <translation>Couleur dossard&#xa0;:</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Fond des LED&#xa0;:</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Couleur de fond&#xa0;:</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>LED choisie</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larg.&#xa0;:</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Couleur du texte&#xa0;:</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Home Picture:</source>
        <translation>Image hôtes&#xa0;:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Visitor Picture:</source>
        <translation>Image visiteurs&#xa0;:</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Type de chiffres&#xa0;:</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu&#xa0;:</translation>
    </message>
    <message>
        <source>Change Chime Sound...</source>
        <translation>Changer le carillon...</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Dots</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Are you sure you want to reset the colors?</source>
        <translation>Voulez-vous vraiment rétablir les couleurs d&apos;origine&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset Keys and Numlock option?</source>
        <translation>Voulez-vous vraiment rétablir les touches et l&apos;option Verr. num d&apos;origine&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset these settings?</source>
        <translation>Voulez-vous vraiment rétablir ces réglages d&apos;origine&#xa0;?</translation>
    </message>
    <message>
        <source>Reset Settings?</source>
        <translation>Réglages d&apos;origine&#xa0;?</translation>
    </message>
    <message>
        <source>[No File Selected]</source>
        <translation>[Aucun fichier choisi]</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Pause/Break</source>
        <translation>Pause/Attn</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Origine</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Numpad *</source>
        <translation>Pavé num. *</translation>
    </message>
    <message>
        <source>Numpad /</source>
        <translation>Pavé num. /</translation>
    </message>
    <message>
        <source>&lt;Press any key&gt;</source>
        <translation>&lt;Une touche&gt;</translation>
    </message>
    <message>
        <source>Choose another</source>
        <translation>Une autre</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2); the board uses them until it closes.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1 (%2) ; le tableau les utilise jusqu’à sa fermeture.</translation>
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
        <translation>Cliquez ici.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Press &apos; F2 &apos; to set Options from the scoreboard.</source>
        <translation>Sur le tableau, &apos; F2 &apos; ouvre les options.</translation>
    </message>
    <message>
        <source>Press &apos; F1 &apos; to view Help from the scoreboard.</source>
        <translation>Sur le tableau, &apos; F1 &apos; ouvre l&apos;aide.</translation>
    </message>
    <message>
        <source>by Osterlin</source>
        <translation>par Osterlin</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
