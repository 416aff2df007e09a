<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BitmapErrors</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Erreur de lecture du flux</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>L&apos;image bitmap n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Win32 Error.  Code: %1.\n%2</source>
        <translation>Erreur Win32. Code&#xa0;: %1.\n%2</translation>
    </message>
    <message>
        <source>Out of system resources</source>
        <translation>Ressources système insuffisantes</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d&apos;écriture du flux</translation>
    </message>
    <message>
        <source>There is no picture to put on the card</source>
        <translation>Il n&apos;y a aucune image à placer sur la carte</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Erreur JPEG n° %1</translation>
    </message>
    <message>
        <source>Invalid icon</source>
        <translation>Icône non valide</translation>
    </message>
    <message>
        <source>Metafiles cannot be shown on this platform</source>
        <translation>Les métafichiers ne peuvent pas être affichés sur cette plateforme</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>Ressource %1 introuvable</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extension de fichier d&apos;image inconnue (.%1)</translation>
    </message>
</context>
<context>
    <name>CardCommands</name>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>Le presse-papiers ne contient aucune image</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nom de la carte</translation>
    </message>
    <message>
        <source>Name of the cover:</source>
        <translation>Nom de la couverture :</translation>
    </message>
    <message>
        <source>Name of card %1:</source>
        <translation>Nom de la carte %1 :</translation>
    </message>
</context>
<context>
    <name>CardDropCommands</name>
    <message>
        <source>Drop</source>
        <extracomment>Named in Undo: &quot;Undo Drop on card 3&quot;</extracomment>
        <translation>Glisser-déposer</translation>
    </message>
    <message>
        <source>Drag card</source>
        <extracomment>Named in Undo: &quot;Undo Drag card on card 3&quot;</extracomment>
        <translation>Déplacement de carte</translation>
    </message>
</context>
<context>
    <name>CardDrops</name>
    <message>
        <source>Deck</source>
        <extracomment>The cover card, named where the other cards have their number</extracomment>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>These cards already have a sound, which the dropped file replaces: %1.</source>
        <translation>Ces cartes ont déjà un son, que le fichier déposé remplacera&#xa0;: %1.</translation>
    </message>
    <message>
        <source>These cards already have a picture, which the dropped file replaces: %1.</source>
        <translation>Ces cartes ont déjà une image, que le fichier déposé remplacera&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Only the first %1 of the %2 files fit on the cards from %3 to the last one; the others are left out.</source>
        <translation>Seuls les %1 premiers des %2 fichiers trouvent place sur les cartes, de la carte %3 à la dernière&#xa0;; les autres sont laissés de côté.</translation>
    </message>
    <message>
        <source>Put the files on the cards?</source>
        <translation>Placer les fichiers sur les cartes&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CardEdits</name>
    <message>
        <source>No set is open</source>
        <translation>Aucun jeu n&apos;est ouvert</translation>
    </message>
    <message>
        <source>There is no card %1 (0 is the cover, 1 to 40 the cards)</source>
        <translation>Il n&apos;y a pas de carte %1 (0 est la couverture, 1 à 40 les cartes)</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nom de la carte</translation>
    </message>
</context>
<context>
    <name>CardFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>Cannot read the card names</source>
        <translation>Impossible de lire les noms des cartes</translation>
    </message>
    <message>
        <source>The card names file is larger than 1 MB; it was not read</source>
        <translation>Le fichier des noms de cartes dépasse 1 Mo ; il n&apos;a pas été lu</translation>
    </message>
    <message>
        <source>Cannot delete the card names file</source>
        <translation>Impossible de supprimer le fichier des noms de cartes</translation>
    </message>
    <message>
        <source>Cannot write the card names</source>
        <translation>Impossible d&apos;écrire les noms des cartes</translation>
    </message>
</context>
<context>
    <name>CardPrint</name>
    <message>
        <source>No card of the set has a picture to print</source>
        <translation>Aucune carte du jeu n&apos;a d&apos;image à imprimer</translation>
    </message>
</context>
<context>
    <name>CardText</name>
    <message>
        <source>The text box is empty. Write a blank card?</source>
        <translation>La zone de texte est vide. Écrire une carte vierge&#xa0;?</translation>
    </message>
    <message>
        <source>The text does not fit on the card and will be cut off at its edges. Write it anyway?</source>
        <translation>Le texte ne tient pas sur la carte et sera coupé sur ses bords. L&apos;écrire quand même&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CardUndoApply</name>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be undone.</source>
        <translation>Le fichier %1 a été modifié en dehors de l&apos;éditeur entre-temps&#xa0;; cette étape ne peut plus être annulée.</translation>
    </message>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be redone.</source>
        <translation>Le fichier %1 a été modifié en dehors de l&apos;éditeur entre-temps&#xa0;; cette étape ne peut plus être rétablie.</translation>
    </message>
    <message>
        <source>Cannot delete file %1.</source>
        <translation>Impossible de supprimer le fichier %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoFiles</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>The kept copy %1 is gone; %2 was left as it is.</source>
        <translation>La copie conservée %1 a disparu&#xa0;; %2 n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>The kept copy %1 is damaged; %2 was left as it is.</source>
        <translation>La copie conservée %1 est endommagée&#xa0;; %2 n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Impossible de créer le fichier %1.</translation>
    </message>
    <message>
        <source>Cannot write file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoLog</name>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Impossible de créer le fichier %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoPending</name>
    <message>
        <source>%1 on the cover</source>
        <extracomment>%1 is what was done, as &quot;Paste&quot;</extracomment>
        <translation>%1 sur la couverture</translation>
    </message>
    <message>
        <source>%1 on card %2</source>
        <translation>%1 sur la carte %2</translation>
    </message>
    <message>
        <source>Change picture</source>
        <translation>Changement d&apos;image</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Changement de son</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Changement de nom</translation>
    </message>
</context>
<context>
    <name>CardUndoStore</name>
    <message>
        <source>Cannot create folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Impossible de créer le fichier %1.</translation>
    </message>
</context>
<context>
    <name>EInOutError</name>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nom de fichier non valide</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disque plein</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erreur d&apos;entrée/sortie %1</translation>
    </message>
</context>
<context>
    <name>EOutOfMemory</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>EditorCommands</name>
    <message>
        <source>Insert image</source>
        <translation>Insertion d&apos;image</translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation>Duplication d&apos;image</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Insertion de son</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Speak text</source>
        <translation>Synthèse vocale</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Insertion de texte</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Collage</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Collage d&apos;image</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nom de la carte</translation>
    </message>
</context>
<context>
    <name>EditorForm</name>
    <message>
        <source>Insert image</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation>Dupliquer l&apos;image</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Insérer un son</translation>
    </message>
    <message>
        <source>Hear Sound</source>
        <translation>Écouter le son</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Insérer un texte</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Choisir la police</translation>
    </message>
    <message>
        <source>Open set</source>
        <translation>Ouvrir un jeu</translation>
    </message>
    <message>
        <source>Salve set</source>
        <translation>Enregistrer le jeu</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New set...</source>
        <translation>&amp;Nouveau jeu...</translation>
    </message>
    <message>
        <source>&amp;Open set...</source>
        <translation>&amp;Ouvrir un jeu...</translation>
    </message>
    <message>
        <source>&amp;Salve set...</source>
        <translation>&amp;Enregistrer le jeu...</translation>
    </message>
    <message>
        <source>&amp;Import set...</source>
        <translation>&amp;Importer un jeu...</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propriétés...</translation>
    </message>
    <message>
        <source>Import set from file...</source>
        <translation>Importer un jeu depuis un fichier...</translation>
    </message>
    <message>
        <source>Export set as file...</source>
        <translation>Exporter le jeu vers un fichier...</translation>
    </message>
    <message>
        <source>Export as web page...</source>
        <translation>Exporter en page web...</translation>
    </message>
    <message>
        <source>Print cards...</source>
        <translation>Imprimer les cartes...</translation>
    </message>
    <message>
        <source>Recent sets</source>
        <translation>Jeux récents</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>S&amp;peak text</source>
        <translation>&amp;Prononcer le texte</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Coller l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>P&amp;revious</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Set overview</source>
        <translation>Vue d&apos;ensemble du jeu</translation>
    </message>
    <message>
        <source>Play set</source>
        <translation>Jouer avec le jeu</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Card name...</source>
        <translation>Nom de la carte...</translation>
    </message>
    <message>
        <source>New set from word list...</source>
        <translation>Nouveau jeu à partir d&apos;une liste de mots...</translation>
    </message>
</context>
<context>
    <name>EntryTexts</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Record... (no sound input device)</source>
        <translation>&amp;Enregistrer... (aucun périphérique d&apos;entrée audio)</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>The %1 %2 was written (%3).</source>
        <extracomment>%1 is the kind of file, as &quot;set file&quot;, %2 its path, %3 its size</extracomment>
        <translation>Le %1 %2 a été écrit (%3).</translation>
    </message>
</context>
<context>
    <name>FileErrorReason</name>
    <message>
        <source>The file may not be read.</source>
        <translation>La lecture du fichier n&apos;est pas autorisée.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>The folder is read-only.</source>
        <translation>Le dossier est en lecture seule.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Le disque est en lecture seule.</translation>
    </message>
    <message>
        <source>The file is too large for its disk.</source>
        <translation>Le fichier est trop volumineux pour son disque.</translation>
    </message>
    <message>
        <source>A folder has this name.</source>
        <translation>Un dossier porte déjà ce nom.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Le dossier n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>GameCardView</name>
    <message>
        <source>Card %1 of %2</source>
        <translation>Carte %1 sur %2</translation>
    </message>
    <message>
        <source>, face down</source>
        <translation>, face cachée</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, trouvée</translation>
    </message>
    <message>
        <source>, no pair</source>
        <translation>, pas de paire</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>1 pair</source>
        <translation>1 paire</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 paires</translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation>Lecture des images…</translation>
    </message>
    <message>
        <source>Game status</source>
        <translation>État de la partie</translation>
    </message>
    <message>
        <source>&amp;Pairs:</source>
        <translation>&amp;Paires&#xa0;:</translation>
    </message>
    <message>
        <source>Pla&amp;yers:</source>
        <translation>&amp;Joueurs&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Flip &amp;animation</source>
        <translation>&amp;Animation du retournement</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>après %1 s</translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation>au clic suivant</translation>
    </message>
    <message>
        <source>&amp;Turn back:</source>
        <translation>&amp;Retourner&#xa0;:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Show all cards at the start &amp;for:</source>
        <translation>Montrer toutes les cartes au &amp;début pendant&#xa0;:</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nom du joueur %1</translation>
    </message>
    <message>
        <source>No set is open: open a set to play it.</source>
        <translation>Aucun jeu n&apos;est ouvert&#xa0;: ouvrez un jeu pour y jouer.</translation>
    </message>
    <message>
        <source>This set cannot be played: a game needs at least 2 pairs whose two pictures can be read, and this set has %1.</source>
        <translation>Impossible de jouer avec ce jeu&#xa0;: une partie demande au moins 2 paires dont les deux images sont lisibles, et ce jeu a %1.</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation>Toutes (%1)</translation>
    </message>
    <message>
        <source>%1 left out</source>
        <translation>Hors jeu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left out, a picture missing or unreadable: %1</source>
        <translation>Hors jeu, car une image manque ou est illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Graine&#xa0;: %1</translation>
    </message>
    <message>
        <source>Start this deal again with --seed %1</source>
        <translation>Rejouer cette donne avec --seed %1</translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation>%1 paires distribuées. Regardez bien chaque carte&#xa0;: elles se retournent face cachée dans %2 s, ou au premier clic.</translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <translation>%1 paires distribuées. %2.</translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <translation>Les cartes sont face cachée. %1.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carte %1</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carte %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Paire trouvée</translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <translation>Paire trouvée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1. %2 plays again.</source>
        <translation>%1. %2 rejoue.</translation>
    </message>
    <message>
        <source>No pair. %1.</source>
        <translation>Pas de paire. %1.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>Pas de paire.</translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation> Cliquez sur une carte pour les retourner.</translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <translation>Cartes retournées. %1.</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Au tour de %1</translation>
    </message>
    <message>
        <source>Moves: %1    Pairs found: %2 of %3    Time: %4</source>
        <translation>Coups&#xa0;: %1    Paires trouvées&#xa0;: %2 sur %3    Temps&#xa0;: %4</translation>
    </message>
    <message>
        <source>No set</source>
        <translation>Aucun jeu</translation>
    </message>
    <message>
        <source>%1 of %2 pairs — %3 — Tessellor</source>
        <translation>%1 sur %2 paires — %3 — Tessellor</translation>
    </message>
    <message>
        <source>%1: %2%3</source>
        <translation>%1&#xa0;: %2%3</translation>
    </message>
    <message>
        <source>, plays now</source>
        <translation>, c&apos;est son tour</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Coups&#xa0;: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The winner: %1</source>
        <translation>Vainqueur&#xa0;: %1</translation>
    </message>
    <message>
        <source>A draw between %1</source>
        <translation>Égalité entre %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Well done! %1</source>
        <translation>Bravo&#xa0;! %1</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Rejouer</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessellor Help</source>
        <translation>Aide de Tessellor</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file %1 is not there.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Aide introuvable&lt;/h2&gt;&lt;p&gt;Le fichier d&apos;aide %1 est introuvable.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tessellor</source>
        <translation>À propos de Tessellor</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;The card set editor of the Varnolo memory game: make the cover and the forty cards of a set from pictures, texts and sounds.&lt;/p&gt;&lt;p&gt;Sets are kept in the folder %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;L&apos;éditeur de jeux de cartes du jeu de mémoire Varnolo&#xa0;: créez la couverture et les quarante cartes d&apos;un jeu à partir d&apos;images, de textes et de sons.&lt;/p&gt;&lt;p&gt;Les jeux sont rangés dans le dossier %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The new language is used when Tessellor is started again.</source>
        <translation>La nouvelle langue sera utilisée au prochain démarrage de Tessellor.</translation>
    </message>
    <message>
        <source>As specified</source>
        <extracomment>The program&apos;s texts as they were first written, untranslated</extracomment>
        <translation>Textes d&apos;origine</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>No set is open</source>
        <translation>Aucun jeu n&apos;est ouvert</translation>
    </message>
    <message>
        <source>no author</source>
        <translation>sans auteur</translation>
    </message>
    <message>
        <source>double set</source>
        <translation>jeu double</translation>
    </message>
    <message>
        <source>paired set</source>
        <translation>jeu par paires</translation>
    </message>
    <message>
        <source>%1 — %2 — %3 — %4 of %5 pictures, %6 of %5 sounds</source>
        <translation>%1 — %2 — %3 — %4 images sur %5, %6 sons sur %5</translation>
    </message>
</context>
<context>
    <name>OverviewPainter</name>
    <message>
        <source>Deck</source>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquante</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagée</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>cannot start decompressing</source>
        <translation>la décompression ne peut pas démarrer</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <translation>il contient plus de %1 octets</translation>
    </message>
    <message>
        <source>the compressed drawing is damaged</source>
        <translation>le dessin compressé est endommagé</translation>
    </message>
    <message>
        <source>Cannot read the picture in %1: %2</source>
        <translation>Impossible de lire l&apos;image de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The picture in %1 is too large (%2 x %3 pixels)</source>
        <translation>L&apos;image de %1 est trop grande (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>The drawing in %1 cannot be used: %2</source>
        <translation>Le dessin de %1 est inutilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>it refers to %1, outside the drawing; only pictures embedded in it can be shown</source>
        <translation>il renvoie à %1, hors du dessin&#xa0;; seules les images intégrées au dessin peuvent être affichées</translation>
    </message>
    <message>
        <source>an embedded picture is not stored in base64</source>
        <translation>une image intégrée n&apos;est pas enregistrée en base64</translation>
    </message>
    <message>
        <source>an embedded picture is damaged</source>
        <translation>une image intégrée est endommagée</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>ce n&apos;est pas du XML bien formé (ligne %1&#xa0;: %2)</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>an embedded picture is of no kind that can be read</source>
        <translation>une image intégrée est d&apos;un type illisible</translation>
    </message>
    <message>
        <source>it embeds another drawing</source>
        <translation>il intègre un autre dessin</translation>
    </message>
    <message>
        <source>the size of an embedded picture cannot be read</source>
        <translation>la taille d&apos;une image intégrée est illisible</translation>
    </message>
    <message>
        <source>its embedded pictures have more than %1 pixels in all</source>
        <translation>ses images intégrées comptent plus de %1 pixels en tout</translation>
    </message>
</context>
<context>
    <name>PlayMode</name>
    <message>
        <source>Play set</source>
        <translation>Jouer avec le jeu</translation>
    </message>
    <message>
        <source>Usage: tessellor --play SETDIR [--pairs N] [--seed S]</source>
        <translation>Utilisation&#xa0;: tessellor --play DOSSIER_DU_JEU [--pairs N] [--seed S]</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Dossier introuvable&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
</context>
<context>
    <name>PreviewPaintBox</name>
    <message>
        <source>(None)</source>
        <translation>(Aucune)</translation>
    </message>
</context>
<context>
    <name>PrintCardsDialog</name>
    <message>
        <source>Print cards</source>
        <translation>Imprimer les cartes</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Cutting lines</source>
        <translation>Traits de coupe</translation>
    </message>
    <message>
        <source>Card backs: the cover after each page, for two-sided printing</source>
        <translation>Dos des cartes&#xa0;: la couverture après chaque page, pour l&apos;impression recto verso</translation>
    </message>
    <message>
        <source>All cards</source>
        <translation>Toutes les cartes</translation>
    </message>
    <message>
        <source>Only cards of playable pairs</source>
        <translation>Seulement les cartes des paires jouables</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier&#xa0;:</translation>
    </message>
    <message>
        <source>Card size:</source>
        <translation>Taille des cartes&#xa0;:</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Cartes&#xa0;:</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Aperçu...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Not printed:</source>
        <translation>Non imprimées&#xa0;:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation>Enregistrer les cartes en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>fichier PDF</translation>
    </message>
    <message>
        <source>Names under the pictures</source>
        <translation>Noms sous les images</translation>
    </message>
</context>
<context>
    <name>PrintDeck</name>
    <message>
        <source>the other card of its pair (%1) has no picture</source>
        <translation>l&apos;autre carte de sa paire (%1) n&apos;a pas d&apos;image</translation>
    </message>
    <message>
        <source>cover</source>
        <translation>couverture</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>carte %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>Record Sound</source>
        <translation>Enregistrer un son</translation>
    </message>
    <message>
        <source>No sound input device</source>
        <translation>Aucun périphérique d&apos;entrée audio</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Trim silence below</source>
        <translation>Couper le silence sous</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Recording stops by itself after %1 seconds.</source>
        <translation>L&apos;enregistrement s&apos;arrête de lui-même après %1 secondes.</translation>
    </message>
    <message>
        <source>The sound input device offers no usable format.</source>
        <translation>Le périphérique d&apos;entrée audio ne propose aucun format utilisable.</translation>
    </message>
    <message>
        <source>The sound input device could not be opened.</source>
        <translation>Le périphérique d&apos;entrée audio n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Length: %1 s</source>
        <translation>Durée&#xa0;: %1 s</translation>
    </message>
    <message>
        <source>Recording stopped at the %1-second limit.</source>
        <translation>Enregistrement arrêté à la limite de %1 secondes.</translation>
    </message>
    <message>
        <source>The sound input device stopped working.</source>
        <translation>Le périphérique d&apos;entrée audio a cessé de fonctionner.</translation>
    </message>
    <message>
        <source>The recording could not be converted.</source>
        <translation>L&apos;enregistrement n&apos;a pas pu être converti.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>Le son n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>(%1 % of full scale)</source>
        <translation>(%1 % de la pleine échelle)</translation>
    </message>
    <message>
        <source> (%1 s after trimming)</source>
        <translation> (%1 s sans le silence coupé)</translation>
    </message>
    <message>
        <source>The take is all below the silence threshold: nothing to use.</source>
        <translation>Toute la prise est sous le seuil de silence&#xa0;: il n&apos;y a rien à utiliser.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>%1 dBFS</source>
        <translation>%1 dBFS</translation>
    </message>
</context>
<context>
    <name>SaveProgressView</name>
    <message>
        <source>Saving the card&apos;s sound...</source>
        <translation>Enregistrement du son de la carte...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>A set named &quot;%1&quot; already exists</source>
        <translation>Un jeu nommé «&#xa0;%1&#xa0;» existe déjà</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Impossible d&apos;écrire le fichier %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de jeu</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder beside %1</source>
        <translation>Impossible de créer un dossier temporaire à côté de %1</translation>
    </message>
</context>
<context>
    <name>SetArchiveCommands</name>
    <message>
        <source>Export set as file</source>
        <translation>Exporter le jeu vers un fichier</translation>
    </message>
    <message>
        <source>Import set from file</source>
        <translation>Importer un jeu depuis un fichier</translation>
    </message>
    <message>
        <source>Set files (*.tessellor)</source>
        <translation>Fichiers de jeu (*.tessellor)</translation>
    </message>
    <message>
        <source>Zip archive (*.zip)</source>
        <translation>Archive zip (*.zip)</translation>
    </message>
    <message>
        <source>Set files (*.tessellor *.zip)</source>
        <translation>Fichiers de jeu (*.tessellor *.zip)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas servir de nom de jeu.</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Name of the imported set:</source>
        <translation>Un jeu nommé «&#xa0;%1&#xa0;» existe déjà. Nom du jeu importé&#xa0;:</translation>
    </message>
    <message>
        <source>These entries are not a set&apos;s files and were left out:
</source>
        <translation>Ces entrées ne sont pas des fichiers de jeu et ont été laissées de côté&#xa0;:
</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... et %1 de plus</translation>
    </message>
    <message>
        <source>set file</source>
        <extracomment>Fills %1 of &quot;The %1 %2 was written (%3).&quot;</extracomment>
        <translation>fichier de jeu</translation>
    </message>
    <message>
        <source>

These files lead out of the set&apos;s folder or are no plain files, and were left out:
</source>
        <translation>

Ces fichiers mènent hors du dossier du jeu ou ne sont pas des fichiers ordinaires&#xa0;; ils ont été laissés de côté&#xa0;:
</translation>
    </message>
</context>
<context>
    <name>SetArchivePack</name>
    <message>
        <source>Cannot write the archive %1</source>
        <translation>Impossible d&apos;écrire l&apos;archive %1</translation>
    </message>
    <message>
        <source>Cannot write the archive %1: %2</source>
        <translation>Impossible d&apos;écrire l&apos;archive %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Impossible de lire le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>Impossible de lire le dossier %1</translation>
    </message>
    <message>
        <source>The folder %1 holds no card set files</source>
        <translation>Le dossier %1 ne contient aucun fichier de jeu de cartes</translation>
    </message>
</context>
<context>
    <name>SetArchiveReader</name>
    <message>
        <source>The entry &quot;%1&quot; %2</source>
        <extracomment>%2 says what is wrong with the entry, as &quot;is a symbolic link&quot;</extracomment>
        <translation>L&apos;entrée «&#xa0;%1&#xa0;» %2</translation>
    </message>
    <message>
        <source>The archive is damaged: %1</source>
        <translation>L&apos;archive est endommagée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The archive is damaged at the entry &quot;%1&quot;: %2</source>
        <translation>L&apos;archive est endommagée à l&apos;entrée «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>has an absolute path</source>
        <translation>a un chemin absolu</translation>
    </message>
    <message>
        <source>leads out of its folder (&quot;..&quot;)</source>
        <translation>mène hors de son dossier («&#xa0;..&#xa0;»)</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>is a hard link</source>
        <translation>est un lien physique</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <translation>est un lien symbolique</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>est chiffrée</translation>
    </message>
    <message>
        <source>is a device or another special file</source>
        <translation>est un périphérique ou un autre fichier spécial</translation>
    </message>
    <message>
        <source>makes the archive hold more than %1 entries</source>
        <translation>porte l&apos;archive à plus de %1 entrées</translation>
    </message>
    <message>
        <source>appears twice</source>
        <translation>apparaît deux fois</translation>
    </message>
    <message>
        <source>The archive holds no card set</source>
        <translation>L&apos;archive ne contient aucun jeu de cartes</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 times its size</source>
        <translation>porte l&apos;archive décompressée à plus de %1 fois sa taille</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 MB</source>
        <translation>porte l&apos;archive décompressée à plus de %1 Mo</translation>
    </message>
</context>
<context>
    <name>SetCards</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
</context>
<context>
    <name>SetCommands</name>
    <message>
        <source>1 card</source>
        <extracomment>Fills %1 of the question below; &quot;%1 cards&quot; is for two and more</extracomment>
        <translation>1 carte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>Changing the kind of the set changes the picture of %1. The set is then read from its folder again. Change it?</source>
        <translation>Changer le type du jeu modifie l&apos;image de %1. Le jeu est ensuite relu depuis son dossier. Changer le type&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SetMessages</name>
    <message>
        <source>Nome inválido !</source>
        <translation>Nom non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Você deve escolher um nome para o conjunto!</source>
        <translation>Vous devez donner un nom au jeu&#xa0;!</translation>
    </message>
    <message>
        <source>Já existe um conjunto com esse nome! Escolha outro nome.</source>
        <translation>Un jeu porte déjà ce nom&#xa0;! Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Não foi possível criar o novo conjunto.Verifique se existe espaço em disco ou se o nome do conjunto que você está criando já não existe.</source>
        <translation>Impossible de créer le nouveau jeu. Vérifiez qu&apos;il reste de la place sur le disque et qu&apos;aucun jeu ne porte déjà ce nom.</translation>
    </message>
    <message>
        <source>Você deve escolher um set!</source>
        <translation>Vous devez choisir un jeu&#xa0;!</translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation>Choisissez un dossier</translation>
    </message>
    <message>
        <source>Você deve escolher um diretório para importar as imagens !</source>
        <translation>Vous devez choisir le dossier d&apos;où importer les images&#xa0;!</translation>
    </message>
</context>
<context>
    <name>SetOverview</name>
    <message>
        <source>Set overview</source>
        <translation>Vue d&apos;ensemble du jeu</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Manquante&#xa0;: %1</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Aucun son</translation>
    </message>
    <message>
        <source>Damaged sound %1: %2</source>
        <translation>Son endommagé %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SetScan</name>
    <message>
        <source>O arquivo %1  não existe.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Importando Conjunto</source>
        <translation>Importation du jeu</translation>
    </message>
</context>
<context>
    <name>SoundCommands</name>
    <message>
        <source>Open Wave File</source>
        <translation>Ouvrir un fichier WAV</translation>
    </message>
</context>
<context>
    <name>SoundImportText</name>
    <message>
        <source>Unable to read the sound file</source>
        <translation>Impossible de lire le fichier son</translation>
    </message>
    <message>
        <source>The sound file is not a plain file (a folder, pipe or device)</source>
        <translation>Le fichier son n&apos;est pas un fichier ordinaire (c&apos;est un dossier, un tube ou un périphérique)</translation>
    </message>
    <message>
        <source>The sound file has an unusable sample rate or channel count</source>
        <translation>Le fichier son a une fréquence d&apos;échantillonnage ou un nombre de canaux inutilisable</translation>
    </message>
    <message>
        <source>The sound is longer than 10 minutes</source>
        <translation>Le son dure plus de 10 minutes</translation>
    </message>
    <message>
        <source>The sound file holds no sound</source>
        <translation>Le fichier son ne contient aucun son</translation>
    </message>
    <message>
        <source>Unable to convert the sound&apos;s sample rate</source>
        <translation>Impossible de convertir la fréquence d&apos;échantillonnage du son</translation>
    </message>
    <message>
        <source>The sound is in a format that the editor does not read</source>
        <translation>Le son est dans un format que l&apos;éditeur ne sait pas lire</translation>
    </message>
</context>
<context>
    <name>SpeakDialog</name>
    <message>
        <source>Speak text</source>
        <translation>Prononcer le texte</translation>
    </message>
    <message>
        <source> words per minute</source>
        <translation> mots par minute</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voix&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>Vi&amp;tesse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>The speech library could not start: %1</source>
        <translation>La bibliothèque de synthèse vocale n&apos;a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>The speech library speaks at %1 Hz; %2 Hz is needed</source>
        <translation>La bibliothèque de synthèse vocale produit du son à %1 Hz&#xa0;; il faut %2 Hz</translation>
    </message>
    <message>
        <source>The speech library has no voices</source>
        <translation>La bibliothèque de synthèse vocale n&apos;a aucune voix</translation>
    </message>
    <message>
        <source>Speech synthesis failed: %1</source>
        <translation>La synthèse vocale a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>The spoken text would be longer than %1 minutes: shorten the text</source>
        <translation>Le texte prononcé durerait plus de %1 minutes&#xa0;: raccourcissez le texte</translation>
    </message>
    <message>
        <source>Speech synthesis failed: no sound was made</source>
        <translation>La synthèse vocale a échoué&#xa0;: aucun son n&apos;a été produit</translation>
    </message>
    <message>
        <source>There is no text to speak</source>
        <translation>Il n&apos;y a aucun texte à prononcer</translation>
    </message>
    <message>
        <source>The rate must be from %1 to %2 words per minute</source>
        <translation>La vitesse doit être comprise entre %1 et %2 mots par minute</translation>
    </message>
    <message>
        <source>No voice was chosen</source>
        <translation>Aucune voix n&apos;a été choisie</translation>
    </message>
    <message>
        <source>Unknown voice: %1</source>
        <translation>Voix inconnue&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TMMWaveOpenDialog</name>
    <message>
        <source>Other sounds (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Autres sons (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)</translation>
    </message>
    <message>
        <source>Wave-Files(*.wav)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Lecture automatique</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Invalid WaveFile...</source>
        <translation>Fichier WAV non valide...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Open Wave File</source>
        <translation>Ouvrir un fichier WAV</translation>
    </message>
</context>
<context>
    <name>TOpenPictureDialog</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Images bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the list of file masks.</extracomment>
        <translation>Toutes les images (%1)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source> (%1x%2)</source>
        <translation> (%1x%2)</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Image&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TfPropriedades</name>
    <message>
        <source>Proprierties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmCadastro</name>
    <message>
        <source>New set</source>
        <translation>Nouveau jeu</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Auteur&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmConfigurador</name>
    <message>
        <source>Varnolo Memory Game Tessellor</source>
        <translation>Tessellor — Jeu de mémoire Varnolo</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The cover card, named where the other cards have their number</extracomment>
        <translation>Paquet</translation>
    </message>
    <message>
        <source>The set&apos;s folder is no longer there; editing stays off until a set is opened</source>
        <translation>Le dossier du jeu n&apos;existe plus&#xa0;; la modification reste désactivée jusqu&apos;à l&apos;ouverture d&apos;un jeu</translation>
    </message>
</context>
<context>
    <name>TfrmErroImporta</name>
    <message>
        <source>Import errors</source>
        <translation>Erreurs d&apos;importation</translation>
    </message>
    <message>
        <source>Import errors :</source>
        <translation>Erreurs d&apos;importation&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TfrmImporta</name>
    <message>
        <source>Open set</source>
        <translation>Ouvrir un jeu</translation>
    </message>
    <message>
        <source>Choose a set </source>
        <translation>Choisissez un jeu </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>TfrmImportaArqs</name>
    <message>
        <source>Import files</source>
        <translation>Importer des fichiers</translation>
    </message>
    <message>
        <source>Directory :</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Import double set</source>
        <translation>Importer un jeu double</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation>Choisissez un dossier</translation>
    </message>
</context>
<context>
    <name>TfrmPalavras</name>
    <message>
        <source>New set from word list</source>
        <translation>Nouveau jeu à partir d&apos;une liste de mots</translation>
    </message>
    <message>
        <source>&amp;Name :</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>2 to 20 words or short phrases, one a line</source>
        <translation>De 2 à 20 mots ou phrases courtes, un par ligne</translation>
    </message>
    <message>
        <source>&amp;Load list...</source>
        <translation>C&amp;harger une liste...</translation>
    </message>
    <message>
        <source>&amp;Words :</source>
        <translation>&amp;Mots :</translation>
    </message>
    <message>
        <source>&amp;Double set: the second card of a pair shows the word&apos;s picture</source>
        <translation>Jeu &amp;double : la deuxième carte de chaque paire montre l&apos;image du mot</translation>
    </message>
    <message>
        <source>&amp;Voice :</source>
        <translation>&amp;Voix :</translation>
    </message>
    <message>
        <source>&amp;Pictures folder :</source>
        <translation>Dossier d&apos;&amp;images :</translation>
    </message>
    <message>
        <source>&amp;Cover picture :</source>
        <translation>Image de &amp;couverture :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation>« %1 » ne peut pas servir de nom de jeu</translation>
    </message>
    <message>
        <source>The pictures folder %1 does not exist</source>
        <translation>Le dossier d&apos;images %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>The cover picture %1 does not exist</source>
        <translation>L&apos;image de couverture %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>Load word list</source>
        <translation>Charger une liste de mots</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Pictures folder</source>
        <translation>Dossier d&apos;images</translation>
    </message>
    <message>
        <source>Cover picture</source>
        <translation>Image de couverture</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;All files (*)</source>
        <translation>Images (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>WaveErrorText</name>
    <message>
        <source>Invalid wave file...</source>
        <translation>Fichier WAV non valide...</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>Erreur de lecture du fichier WAV</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>Impossible d&apos;ouvrir le fichier WAV</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>Impossible de préparer le tampon d&apos;entrée/sortie du fichier</translation>
    </message>
    <message>
        <source>Error seeking file position</source>
        <translation>Erreur de positionnement dans le fichier</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>Paramètre non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Unable to save wave file</source>
        <translation>Impossible d&apos;enregistrer le fichier WAV</translation>
    </message>
    <message>
        <source>Saving was aborted</source>
        <translation>L&apos;enregistrement a été interrompu</translation>
    </message>
</context>
<context>
    <name>WaveOutErrorText</name>
    <message>
        <source>Change to property while device was open</source>
        <translation>Propriété modifiée alors que le périphérique était ouvert</translation>
    </message>
    <message>
        <source>No wave audio playing device found</source>
        <translation>Aucun périphérique de lecture audio trouvé</translation>
    </message>
    <message>
        <source>Invalid DeviceID</source>
        <translation>Identifiant de périphérique non valide</translation>
    </message>
    <message>
        <source>Invalid wave format</source>
        <translation>Format audio non valide</translation>
    </message>
    <message>
        <source>The actual device can&apos;&apos;t play this format</source>
        <translation>Le périphérique actuel ne peut pas lire ce format</translation>
    </message>
    <message>
        <source>Unable to open device</source>
        <translation>Impossible d&apos;ouvrir le périphérique</translation>
    </message>
    <message>
        <source>Unable to close device</source>
        <translation>Impossible de fermer le périphérique</translation>
    </message>
    <message>
        <source>Unable to allocate memory for wave header</source>
        <translation>Impossible d&apos;allouer la mémoire de l&apos;en-tête audio</translation>
    </message>
    <message>
        <source>Unable to start device</source>
        <translation>Impossible de démarrer le périphérique</translation>
    </message>
    <message>
        <source>Error filling wave buffer</source>
        <translation>Erreur lors du remplissage du tampon audio</translation>
    </message>
    <message>
        <source>Specified error number is out of range (unknown error)</source>
        <translation>Le numéro d&apos;erreur indiqué est hors limites (erreur inconnue)</translation>
    </message>
</context>
<context>
    <name>WaveSummary</name>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>%1; %2.%3 kHz, %4; %5 KB</source>
        <translation>%1&#xa0;; %2,%3 kHz, %4&#xa0;; %5 Ko</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>%1 Channels</source>
        <translation>%1 canaux</translation>
    </message>
    <message>
        <source>%1%2%3 kHz%4 %5 Bit%4 %6</source>
        <translation>%1%2%3 kHz%4 %5 bits%4 %6</translation>
    </message>
    <message>
        <source>%1; %2; %3 KB</source>
        <translation>%1&#xa0;; %2&#xa0;; %3 Ko</translation>
    </message>
</context>
<context>
    <name>WebExportCommand</name>
    <message>
        <source>Export as web page</source>
        <translation>Exporter en page web</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Pages web (*.html *.htm)</translation>
    </message>
    <message>
        <source>The web page %1 was written (%2).</source>
        <translation>La page web %1 a été écrite (%2).</translation>
    </message>
    <message>
        <source>It plays %1 pairs.</source>
        <translation>Elle se joue avec %1 paires.</translation>
    </message>
    <message>
        <source>Pairs left out (a picture is missing or cannot be read): %1.</source>
        <translation>Paires hors jeu (une image manque ou est illisible)&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Sounds left out:</source>
        <translation>Sons laissés de côté&#xa0;:</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Not enough cards to play: %1 has %2 playable pairs, at least 2 are needed</source>
        <translation>Pas assez de cartes pour jouer&#xa0;: %1 a %2 paires jouables, il en faut au moins 2</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Dossier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cannot write the web page %1</source>
        <translation>Impossible d&apos;écrire la page web %1</translation>
    </message>
    <message>
        <source>Pairs</source>
        <comment>the label of the list of pair counts</comment>
        <translation>Paires</translation>
    </message>
    <message>
        <source>Players</source>
        <comment>the label of the list of player counts</comment>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Turn back:</source>
        <translation>Retourner&#xa0;:</translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation>au clic suivant</translation>
    </message>
    <message>
        <source>Show all cards at the start for:</source>
        <translation>Montrer toutes les cartes au début pendant&#xa0;:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
    <message>
        <source>Cards</source>
        <comment>what a screen reader calls the board</comment>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <comment>before the pairs found so far</comment>
        <translation>Paires&#xa0;:</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Coups&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps&#xa0;:</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Commencer une nouvelle partie&#xa0;?</translation>
    </message>
    <message>
        <source>The game under way will be lost.</source>
        <translation>La partie en cours sera perdue.</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Continuer à jouer</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>après %1 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>a number of seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Carte %1 sur %2</translation>
    </message>
    <message>
        <source>, face down</source>
        <comment>after &quot;Card 3 of 12&quot;</comment>
        <translation>, face cachée</translation>
    </message>
    <message>
        <source>, found</source>
        <comment>after &quot;Card 3 of 12&quot; and the card&apos;s name</comment>
        <translation>, trouvée</translation>
    </message>
    <message>
        <source>, no pair</source>
        <comment>after &quot;Card 3 of 12&quot; and the card&apos;s name</comment>
        <translation>, pas de paire</translation>
    </message>
    <message>
        <source>%1 of %2 pairs</source>
        <comment>pairs found of pairs dealt</comment>
        <translation>%1 sur %2 paires</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <comment>%1 is a player&apos;s name</comment>
        <translation>Au tour de %1</translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <comment>%1: whose turn it is</comment>
        <translation>Les cartes sont face cachée. %1.</translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <comment>%1: whose turn it is</comment>
        <translation>Cartes retournées. %1.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carte %1</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <comment>%2 is the card&apos;s name</comment>
        <translation>Carte %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Paire trouvée</translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <comment>%1 is the card&apos;s name</comment>
        <translation>Paire trouvée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1. %2 found.%3</source>
        <comment>%1: &quot;Pair found&quot;; %2: &quot;3 of 12 pairs&quot;; %3: who plays again, or nothing</comment>
        <translation>%1. Trouvées&#xa0;: %2.%3</translation>
    </message>
    <message>
        <source> %1 plays again.</source>
        <comment>%1 is a player&apos;s name</comment>
        <translation> %1 rejoue.</translation>
    </message>
    <message>
        <source>No pair.%1%2</source>
        <comment>%1: whose turn it is next, or nothing; %2: how the cards turn back, or nothing</comment>
        <translation>Pas de paire.%1%2</translation>
    </message>
    <message>
        <source> %1.</source>
        <comment>after &quot;No pair.&quot;: whose turn it is</comment>
        <translation> %1.</translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation> Cliquez sur une carte pour les retourner.</translation>
    </message>
    <message>
        <source>%1 moves in %2</source>
        <comment>%2 is a time such as 1:05</comment>
        <translation>%1 coups en %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a player&apos;s name and pairs found</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Vainqueur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <comment>%1 lists the players&apos; names</comment>
        <translation>Égalité&#xa0;: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the names of players in a draw</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Well done! %1.</source>
        <comment>%1: the winner, or the moves and time</comment>
        <translation>Bravo&#xa0;! %1.</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nom du joueur %1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <comment>all the pairs, and how many</comment>
        <translation>Toutes (%1)</translation>
    </message>
    <message>
        <source>by %1</source>
        <comment>%1 is the set&apos;s author</comment>
        <translation>par %1</translation>
    </message>
    <message>
        <source>1 pair left out</source>
        <translation>1 paire hors jeu</translation>
    </message>
    <message>
        <source>%1 pairs left out</source>
        <translation>%1 paires hors jeu</translation>
    </message>
    <message>
        <source>Pairs left out: %1</source>
        <comment>%1 lists the pairs&apos; numbers</comment>
        <translation>Paires hors jeu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Graine&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <comment>%2: whose turn it is</comment>
        <translation>%1 paires distribuées. %2.</translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation>%1 paires distribuées. Regardez bien chaque carte&#xa0;: elles se retournent face cachée dans %2 s, ou au premier clic.</translation>
    </message>
    <message>
        <source>The address&apos;s seed &quot;%1&quot; is not a whole number from 0 to %2, so another game was dealt: seed %3.</source>
        <comment>%1 is what the page&apos;s address gave as the seed</comment>
        <translation>La graine «&#xa0;%1&#xa0;» donnée dans l&apos;adresse n&apos;est pas un nombre entier de 0 à %2&#xa0;; une autre partie a donc été distribuée&#xa0;: graine %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as pt-BR or de</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un code de langue comme pt-BR ou de</translation>
    </message>
    <message>
        <source>There is no translation of the page into %1</source>
        <translation>Il n&apos;existe pas de traduction de la page pour la langue %1</translation>
    </message>
</context>
<context>
    <name>WebSound</name>
    <message>
        <source>Unable to encode the sound</source>
        <translation>Impossible d&apos;encoder le son</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>The word list</source>
        <translation>La liste de mots</translation>
    </message>
    <message>
        <source>The word list %1</source>
        <translation>La liste de mots %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KB: it is no word list</source>
        <translation>%1 dépasse %2 Ko : ce n&apos;est pas une liste de mots</translation>
    </message>
    <message>
        <source>%1 has more than %2 words: &quot;%3&quot; is word %4</source>
        <translation>%1 contient plus de %2 mots : « %3 » est le mot %4</translation>
    </message>
    <message>
        <source>%1 needs at least %2 words, one a line</source>
        <translation>%1 doit contenir au moins %2 mots, un par ligne</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 n&apos;est pas un texte UTF-8</translation>
    </message>
    <message>
        <source>%1 holds a control character on line %2</source>
        <translation>%1 contient un caractère de contrôle à la ligne %2</translation>
    </message>
    <message>
        <source>Cannot open the word list %1</source>
        <translation>Impossible d&apos;ouvrir la liste de mots %1</translation>
    </message>
    <message>
        <source>Cannot read the word list %1</source>
        <translation>Impossible de lire la liste de mots %1</translation>
    </message>
</context>
<context>
    <name>WordSet</name>
    <message>
        <source>Cannot speak &quot;%1&quot;: %2</source>
        <translation>Impossible de prononcer « %1 » : %2</translation>
    </message>
    <message>
        <source>Unknown voice: %1</source>
        <translation>Voix inconnue : %1</translation>
    </message>
    <message>
        <source>Cannot read the pictures folder %1</source>
        <translation>Impossible de lire le dossier d&apos;images %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card and would be cut off at its edges</source>
        <translation>« %1 » ne tient pas sur une carte et serait coupé aux bords</translation>
    </message>
</context>
<context>
    <name>WordSetTool</name>
    <message>
        <source>--pictures needs --double</source>
        <translation>--pictures demande --double</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card and would be cut off at its edges; --yes writes it cut</source>
        <translation>« %1 » ne tient pas sur une carte et serait coupé aux bords ; --yes l&apos;écrit coupé</translation>
    </message>
</context>
</TS>
