<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Montrer au public une copie plein écran du tableau sur l&apos;écran &lt;n&gt; ; Échap sur celle-ci la masque.</translation>
    </message>
    <message>
        <source>List the screens with their numbers and sizes.</source>
        <translation>Lister les écrans avec leur numéro et leur taille.</translation>
    </message>
    <message>
        <source>Load the gymnasts of a start list (CSV: number, name, team).</source>
        <translation>Charger les gymnastes d&apos;une liste de départ (CSV : numéro, nom, équipe).</translation>
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
        <translation>Afficher les légendes du tableau en &lt;langue&gt; (en, de, fr, es) ; les dialogues suivent la langue du système.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>--%1 takes a screen number, 0 or more: &apos;%2&apos;</source>
        <translation>--%1 attend un numéro d&apos;écran, 0 ou plus : &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--results and --no-results exclude each other</source>
        <translation>--results et --no-results s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>--serve takes [address:]port, the port a number from 0 to 65535: &apos;%1&apos;</source>
        <translation>--serve attend [adresse:]port, le port étant un nombre de 0 à 65535 : &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Tallyard: there is no board language &apos;%1&apos; (%2); the board shows English.</source>
        <translation>Tallyard : la langue de tableau &apos;%1&apos; n&apos;existe pas (%2) ; le tableau s&apos;affiche en anglais.</translation>
    </message>
    <message>
        <source>[address:]port</source>
        <translation>[adresse:]port</translation>
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
        <source>Tallyard: there is no screen %1 (%2); the board opens on screen 0.</source>
        <translation>Tallyard : il n&apos;y a pas d&apos;écran %1 (%2) ; le tableau s&apos;ouvre sur l&apos;écran 0.</translation>
    </message>
    <message>
        <source>Tallyard: there is no screen %1 for the audience window (%2); the board opens alone.</source>
        <translation>Tallyard : il n&apos;y a pas d&apos;écran %1 pour la fenêtre du public (%2) ; le tableau s&apos;ouvre seul.</translation>
    </message>
</context>
<context>
    <name>Meet</name>
    <message>
        <source>tallyard: restored the board of %1</source>
        <translation>tallyard : tableau de %1 rétabli</translation>
    </message>
    <message>
        <source>tallyard: 1 gymnast in the start list %1</source>
        <translation>tallyard : 1 gymnaste dans la liste de départ %1</translation>
    </message>
    <message>
        <source>tallyard: %1 gymnasts in the start list %2</source>
        <translation>tallyard : %1 gymnastes dans la liste de départ %2</translation>
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
        <translation>Chrono exercice :</translation>
    </message>
    <message>
        <source>Fall start/stop:</source>
        <translation>Chrono chute :</translation>
    </message>
    <message>
        <source>Warm-up start/stop:</source>
        <translation>Chrono échauff. :</translation>
    </message>
    <message>
        <source>Reset clocks:</source>
        <translation>Remise à zéro :</translation>
    </message>
    <message>
        <source>Clear Number:</source>
        <translation>Effacer numéro :</translation>
    </message>
    <message>
        <source>Chime:</source>
        <translation>Carillon :</translation>
    </message>
    <message>
        <source>Numlock Options:</source>
        <translation>Verr. num :</translation>
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
        <translation>Couleur exercice :</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Fall Clock Color:</source>
        <translation>Couleur chute :</translation>
    </message>
    <message>
        <source>WarmUp Clock Color:</source>
        <translation>Couleur échauff. :</translation>
    </message>
    <message>
        <source>Score Color:</source>
        <translation>Couleur note :</translation>
    </message>
    <message>
        <source>Gymnast # Color:</source>
        <translation>Couleur dossard :</translation>
    </message>
    <message>
        <source>LED Background:</source>
        <translation>Fond des LED :</translation>
    </message>
    <message>
        <source>Back Color:</source>
        <translation>Couleur de fond :</translation>
    </message>
    <message>
        <source>LED Selected</source>
        <translation>LED choisie</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larg. :</translation>
    </message>
    <message>
        <source>Text Color:</source>
        <translation>Couleur du texte :</translation>
    </message>
    <message>
        <source>Reset Colors</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Home Picture:</source>
        <translation>Image hôtes :</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Visitor Picture:</source>
        <translation>Image visiteurs :</translation>
    </message>
    <message>
        <source>Digit Type:</source>
        <translation>Type de chiffres :</translation>
    </message>
    <message>
        <source>Preview:</source>
        <translation>Aperçu :</translation>
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
        <translation>Voulez-vous vraiment rétablir les couleurs d&apos;origine ?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset Keys and Numlock option?</source>
        <translation>Voulez-vous vraiment rétablir les touches et l&apos;option Verr. num d&apos;origine ?</translation>
    </message>
    <message>
        <source>Are you sure you want to reset these settings?</source>
        <translation>Voulez-vous vraiment rétablir ces réglages d&apos;origine ?</translation>
    </message>
    <message>
        <source>Reset Settings?</source>
        <translation>Réglages d&apos;origine ?</translation>
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
