<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BitmapErrors</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Fehler beim Lesen des Datenstroms</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Die Bitmap-Grafik ist ungültig</translation>
    </message>
    <message>
        <source>Win32 Error.  Code: %1.\n%2</source>
        <translation>Win32-Fehler.  Code: %1.\n%2</translation>
    </message>
    <message>
        <source>Out of system resources</source>
        <translation>Nicht genügend Systemressourcen</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Fehler beim Schreiben des Datenstroms</translation>
    </message>
    <message>
        <source>There is no picture to put on the card</source>
        <translation>Es ist kein Bild vorhanden, das auf die Karte gelegt werden kann</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>JPEG-Fehler Nr. %1</translation>
    </message>
    <message>
        <source>Invalid icon</source>
        <translation>Ungültiges Symbol</translation>
    </message>
    <message>
        <source>Metafiles cannot be shown on this platform</source>
        <translation>Metadateien können auf diesem System nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>Ressource %1 nicht gefunden</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Unbekannte Dateiendung für Bilder (.%1)</translation>
    </message>
</context>
<context>
    <name>CardCommands</name>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>Die Zwischenablage enthält kein Bild</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Kartenname</translation>
    </message>
    <message>
        <source>Name of the cover:</source>
        <translation>Name des Deckblatts:</translation>
    </message>
    <message>
        <source>Name of card %1:</source>
        <translation>Name der Karte %1:</translation>
    </message>
</context>
<context>
    <name>CardDropCommands</name>
    <message>
        <source>Drop</source>
        <extracomment>Named in Undo: &quot;Undo Drop on card 3&quot;</extracomment>
        <translation>Ablegen</translation>
    </message>
    <message>
        <source>Drag card</source>
        <extracomment>Named in Undo: &quot;Undo Drag card on card 3&quot;</extracomment>
        <translation>Karte ziehen</translation>
    </message>
</context>
<context>
    <name>CardDrops</name>
    <message>
        <source>Deck</source>
        <extracomment>The cover card, named where the other cards have their number</extracomment>
        <translation>Deckblatt</translation>
    </message>
    <message>
        <source>These cards already have a sound, which the dropped file replaces: %1.</source>
        <translation>Diese Karten haben schon einen Ton, den die abgelegte Datei ersetzt: %1.</translation>
    </message>
    <message>
        <source>These cards already have a picture, which the dropped file replaces: %1.</source>
        <translation>Diese Karten haben schon ein Bild, das die abgelegte Datei ersetzt: %1.</translation>
    </message>
    <message>
        <source>Only the first %1 of the %2 files fit on the cards from %3 to the last one; the others are left out.</source>
        <translation>Nur die ersten %1 der %2 Dateien passen auf die Karten von %3 bis zur letzten; die übrigen werden ausgelassen.</translation>
    </message>
    <message>
        <source>Put the files on the cards?</source>
        <translation>Die Dateien auf die Karten legen?</translation>
    </message>
</context>
<context>
    <name>CardEdits</name>
    <message>
        <source>No set is open</source>
        <translation>Kein Kartensatz ist geöffnet</translation>
    </message>
    <message>
        <source>There is no card %1 (0 is the cover, 1 to 40 the cards)</source>
        <translation>Es gibt keine Karte %1 (0 ist das Deckblatt, 1 bis 40 sind die Karten)</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Kartenname</translation>
    </message>
</context>
<context>
    <name>CardFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>Cannot read the card names</source>
        <translation>Die Kartennamen können nicht gelesen werden</translation>
    </message>
    <message>
        <source>The card names file is larger than 1 MB; it was not read</source>
        <translation>Die Datei der Kartennamen ist größer als 1 MB; sie wurde nicht gelesen</translation>
    </message>
    <message>
        <source>Cannot delete the card names file</source>
        <translation>Die Datei der Kartennamen kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Cannot write the card names</source>
        <translation>Die Kartennamen können nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>CardPrint</name>
    <message>
        <source>No card of the set has a picture to print</source>
        <translation>Keine Karte des Kartensatzes hat ein Bild, das gedruckt werden kann</translation>
    </message>
</context>
<context>
    <name>CardText</name>
    <message>
        <source>The text box is empty. Write a blank card?</source>
        <translation>Das Textfeld ist leer. Eine leere Karte anlegen?</translation>
    </message>
    <message>
        <source>The text does not fit on the card and will be cut off at its edges. Write it anyway?</source>
        <translation>Der Text passt nicht auf die Karte und wird an den Rändern abgeschnitten. Trotzdem auf die Karte schreiben?</translation>
    </message>
</context>
<context>
    <name>CardUndoApply</name>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be undone.</source>
        <translation>Die Datei %1 wurde inzwischen außerhalb des Editors geändert; dieser Schritt kann nicht mehr rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be redone.</source>
        <translation>Die Datei %1 wurde inzwischen außerhalb des Editors geändert; dieser Schritt kann nicht mehr wiederholt werden.</translation>
    </message>
    <message>
        <source>Cannot delete file %1.</source>
        <translation>Die Datei %1 kann nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>CardUndoFiles</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The kept copy %1 is gone; %2 was left as it is.</source>
        <translation>Die aufbewahrte Kopie %1 ist nicht mehr vorhanden; %2 wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>The kept copy %1 is damaged; %2 was left as it is.</source>
        <translation>Die aufbewahrte Kopie %1 ist beschädigt; %2 wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Die Datei %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write file %1.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>CardUndoLog</name>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Die Datei %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>CardUndoPending</name>
    <message>
        <source>%1 on the cover</source>
        <extracomment>%1 is what was done, as &quot;Paste&quot;</extracomment>
        <translation>%1 auf dem Deckblatt</translation>
    </message>
    <message>
        <source>%1 on card %2</source>
        <translation>%1 auf Karte %2</translation>
    </message>
    <message>
        <source>Change picture</source>
        <translation>Bild ändern</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Ton ändern</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Name ändern</translation>
    </message>
</context>
<context>
    <name>CardUndoStore</name>
    <message>
        <source>Cannot create folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Die Datei %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>EInOutError</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele geöffnete Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Ein-/Ausgabefehler %1</translation>
    </message>
</context>
<context>
    <name>EOutOfMemory</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>EditorCommands</name>
    <message>
        <source>Insert image</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation>Bild duplizieren</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Ton einfügen</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Speak text</source>
        <translation>Text sprechen</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Text einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Bild aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Kartenname</translation>
    </message>
</context>
<context>
    <name>EditorForm</name>
    <message>
        <source>Insert image</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation>Bild duplizieren</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Ton einfügen</translation>
    </message>
    <message>
        <source>Hear Sound</source>
        <translation>Ton anhören</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Text einfügen</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Schriftart wählen</translation>
    </message>
    <message>
        <source>Open set</source>
        <translation>Kartensatz öffnen</translation>
    </message>
    <message>
        <source>Salve set</source>
        <translation>Kartensatz speichern</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorherige Karte</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste Karte</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New set...</source>
        <translation>&amp;Neuer Kartensatz...</translation>
    </message>
    <message>
        <source>&amp;Open set...</source>
        <translation>Kartensatz ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Salve set...</source>
        <translation>Kartensatz &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Import set...</source>
        <translation>Kartensatz &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
    <message>
        <source>Import set from file...</source>
        <translation>Kartensatz aus Datei importieren...</translation>
    </message>
    <message>
        <source>Export set as file...</source>
        <translation>Kartensatz als Datei exportieren...</translation>
    </message>
    <message>
        <source>Export as web page...</source>
        <translation>Als Webseite exportieren...</translation>
    </message>
    <message>
        <source>Print cards...</source>
        <translation>Karten drucken...</translation>
    </message>
    <message>
        <source>Recent sets</source>
        <translation>Zuletzt geöffnete Kartensätze</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Anhören</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Aufnehmen...</translation>
    </message>
    <message>
        <source>S&amp;peak text</source>
        <translation>Text &amp;sprechen</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Bild aus der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächste Karte</translation>
    </message>
    <message>
        <source>P&amp;revious</source>
        <translation>&amp;Vorherige Karte</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Set overview</source>
        <translation>Kartensatz-Übersicht</translation>
    </message>
    <message>
        <source>Play set</source>
        <translation>Kartensatz spielen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>Ü&amp;ber ...</translation>
    </message>
    <message>
        <source>Card name...</source>
        <translation>Kartenname...</translation>
    </message>
    <message>
        <source>New set from word list...</source>
        <translation>Neuer Kartensatz aus einer Wortliste...</translation>
    </message>
</context>
<context>
    <name>EntryTexts</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Aufnehmen...</translation>
    </message>
    <message>
        <source>&amp;Record... (no sound input device)</source>
        <translation>&amp;Aufnehmen... (kein Aufnahmegerät)</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>The %1 %2 was written (%3).</source>
        <extracomment>%1 is the kind of file, as &quot;set file&quot;, %2 its path, %3 its size</extracomment>
        <translation>Die %1 %2 wurde gespeichert (%3).</translation>
    </message>
</context>
<context>
    <name>FileErrorReason</name>
    <message>
        <source>The file may not be read.</source>
        <translation>Die Datei darf nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The folder is read-only.</source>
        <translation>Der Ordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The file is too large for its disk.</source>
        <translation>Die Datei ist zu groß für ihren Datenträger.</translation>
    </message>
    <message>
        <source>A folder has this name.</source>
        <translation>Ein Ordner trägt diesen Namen.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
</context>
<context>
    <name>GameCardView</name>
    <message>
        <source>Card %1 of %2</source>
        <translation>Karte %1 von %2</translation>
    </message>
    <message>
        <source>, face down</source>
        <translation>, verdeckt</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, gefunden</translation>
    </message>
    <message>
        <source>, no pair</source>
        <translation>, kein Paar</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>1 pair</source>
        <translation>1 Paar</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 Paare</translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation>Die Bilder werden gelesen…</translation>
    </message>
    <message>
        <source>Game status</source>
        <translation>Spielstand</translation>
    </message>
    <message>
        <source>&amp;Pairs:</source>
        <translation>&amp;Paare:</translation>
    </message>
    <message>
        <source>Pla&amp;yers:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Flip &amp;animation</source>
        <translation>&amp;Animation beim Umdrehen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>T&amp;on</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>nach %1 s</translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation>beim nächsten Antippen</translation>
    </message>
    <message>
        <source>&amp;Turn back:</source>
        <translation>&amp;Zurückdrehen:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Show all cards at the start &amp;for:</source>
        <translation>Alle Karten zu Beginn zeigen &amp;für:</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Name von Spieler %1</translation>
    </message>
    <message>
        <source>No set is open: open a set to play it.</source>
        <translation>Kein Kartensatz geöffnet: Öffnen Sie einen Kartensatz, um damit zu spielen.</translation>
    </message>
    <message>
        <source>This set cannot be played: a game needs at least 2 pairs whose two pictures can be read, and this set has %1.</source>
        <translation>Mit diesem Kartensatz kann nicht gespielt werden: Ein Spiel braucht mindestens 2 Paare, deren beide Bilder lesbar sind, und dieser Kartensatz hat %1.</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation>Alle (%1)</translation>
    </message>
    <message>
        <source>%1 left out</source>
        <translation>%1 ausgelassen</translation>
    </message>
    <message>
        <source>Left out, a picture missing or unreadable: %1</source>
        <translation>Ausgelassen, weil ein Bild fehlt oder unlesbar ist: %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Startwert: %1</translation>
    </message>
    <message>
        <source>Start this deal again with --seed %1</source>
        <translation>Diese Verteilung mit --seed %1 noch einmal starten</translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation>%1 Paare ausgeteilt. Alle Karten gut ansehen: Nach %2 s werden sie umgedreht, oder schon beim Antippen.</translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <translation>%1 Paare ausgeteilt. %2.</translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <translation>Die Karten liegen verdeckt. %1.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Paar gefunden</translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <translation>Paar gefunden: %1</translation>
    </message>
    <message>
        <source>%1. %2 plays again.</source>
        <translation>%1. %2 ist noch einmal dran.</translation>
    </message>
    <message>
        <source>No pair. %1.</source>
        <translation>Kein Paar. %1.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>Kein Paar.</translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation> Eine Karte antippen, um beide wieder umzudrehen.</translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <translation>Wieder umgedreht. %1.</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1 ist dran</translation>
    </message>
    <message>
        <source>Moves: %1    Pairs found: %2 of %3    Time: %4</source>
        <translation>Züge: %1    Gefundene Paare: %2 von %3    Zeit: %4</translation>
    </message>
    <message>
        <source>No set</source>
        <translation>Kein Kartensatz</translation>
    </message>
    <message>
        <source>%1 of %2 pairs — %3 — Tessellor</source>
        <translation>%1 von %2 Paaren — %3 — Tessellor</translation>
    </message>
    <message>
        <source>%1: %2%3</source>
        <translation>%1: %2%3</translation>
    </message>
    <message>
        <source>, plays now</source>
        <translation>, ist jetzt dran</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The winner: %1</source>
        <translation>Gewonnen hat: %1</translation>
    </message>
    <message>
        <source>A draw between %1</source>
        <translation>Unentschieden zwischen %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Well done! %1</source>
        <translation>Gut gemacht! %1</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Noch einmal spielen</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessellor Help</source>
        <translation>Tessellor-Hilfe</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file %1 is not there.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Hilfe nicht gefunden&lt;/h2&gt;&lt;p&gt;Die Hilfedatei %1 ist nicht vorhanden.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tessellor</source>
        <translation>Über Tessellor</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;The card set editor of the Varnolo memory game: make the cover and the forty cards of a set from pictures, texts and sounds.&lt;/p&gt;&lt;p&gt;Sets are kept in the folder %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Der Kartensatz-Editor des Varnolo-Gedächtnisspiels: Gestalten Sie das Deckblatt und die vierzig Karten eines Kartensatzes aus Bildern, Texten und Tönen.&lt;/p&gt;&lt;p&gt;Die Kartensätze werden im Ordner %2 aufbewahrt.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The new language is used when Tessellor is started again.</source>
        <translation>Die neue Sprache wird beim nächsten Start von Tessellor verwendet.</translation>
    </message>
    <message>
        <source>As specified</source>
        <extracomment>The program&apos;s texts as they were first written, untranslated</extracomment>
        <translation>Original (unübersetzt)</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>No set is open</source>
        <translation>Kein Kartensatz geöffnet</translation>
    </message>
    <message>
        <source>no author</source>
        <translation>kein Autor</translation>
    </message>
    <message>
        <source>double set</source>
        <translation>Doppelsatz</translation>
    </message>
    <message>
        <source>paired set</source>
        <translation>Paarsatz</translation>
    </message>
    <message>
        <source>%1 — %2 — %3 — %4 of %5 pictures, %6 of %5 sounds</source>
        <translation>%1 — %2 — %3 — %4 von %5 Bildern, %6 von %5 Tönen</translation>
    </message>
</context>
<context>
    <name>OverviewPainter</name>
    <message>
        <source>Deck</source>
        <translation>Deckblatt</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>cannot start decompressing</source>
        <translation>das Entpacken kann nicht beginnen</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <translation>sie enthält mehr als %1 Bytes</translation>
    </message>
    <message>
        <source>the compressed drawing is damaged</source>
        <translation>die komprimierte Zeichnung ist beschädigt</translation>
    </message>
    <message>
        <source>Cannot read the picture in %1: %2</source>
        <translation>Das Bild in %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The picture in %1 is too large (%2 x %3 pixels)</source>
        <translation>Das Bild in %1 ist zu groß (%2 x %3 Pixel)</translation>
    </message>
    <message>
        <source>The drawing in %1 cannot be used: %2</source>
        <translation>Die Zeichnung in %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>it refers to %1, outside the drawing; only pictures embedded in it can be shown</source>
        <translation>sie verweist auf %1, außerhalb der Zeichnung; nur darin eingebettete Bilder können angezeigt werden</translation>
    </message>
    <message>
        <source>an embedded picture is not stored in base64</source>
        <translation>ein eingebettetes Bild ist nicht in Base64 gespeichert</translation>
    </message>
    <message>
        <source>an embedded picture is damaged</source>
        <translation>ein eingebettetes Bild ist beschädigt</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>sie ist kein wohlgeformtes XML (Zeile %1: %2)</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>ihre Elemente sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>an embedded picture is of no kind that can be read</source>
        <translation>ein eingebettetes Bild hat kein lesbares Format</translation>
    </message>
    <message>
        <source>it embeds another drawing</source>
        <translation>sie bettet eine andere Zeichnung ein</translation>
    </message>
    <message>
        <source>the size of an embedded picture cannot be read</source>
        <translation>die Größe eines eingebetteten Bildes kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its embedded pictures have more than %1 pixels in all</source>
        <translation>ihre eingebetteten Bilder haben zusammen mehr als %1 Pixel</translation>
    </message>
</context>
<context>
    <name>PlayMode</name>
    <message>
        <source>Play set</source>
        <translation>Kartensatz spielen</translation>
    </message>
    <message>
        <source>Usage: tessellor --play SETDIR [--pairs N] [--seed S]</source>
        <translation>Aufruf: tessellor --play SETDIR [--pairs N] [--seed S]</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Ordner nicht gefunden: %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>PreviewPaintBox</name>
    <message>
        <source>(None)</source>
        <translation>(Keines)</translation>
    </message>
</context>
<context>
    <name>PrintCardsDialog</name>
    <message>
        <source>Print cards</source>
        <translation>Karten drucken</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>US-Letter</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Cutting lines</source>
        <translation>Schnittlinien</translation>
    </message>
    <message>
        <source>Card backs: the cover after each page, for two-sided printing</source>
        <translation>Kartenrückseiten: das Deckblatt nach jeder Seite, für beidseitigen Druck</translation>
    </message>
    <message>
        <source>All cards</source>
        <translation>Alle Karten</translation>
    </message>
    <message>
        <source>Only cards of playable pairs</source>
        <translation>Nur Karten spielbarer Paare</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papier:</translation>
    </message>
    <message>
        <source>Card size:</source>
        <translation>Kartengröße:</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Karten:</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vorschau...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Not printed:</source>
        <translation>Nicht gedruckt:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation>Karten als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF-Datei</translation>
    </message>
    <message>
        <source>Names under the pictures</source>
        <translation>Namen unter den Bildern</translation>
    </message>
</context>
<context>
    <name>PrintDeck</name>
    <message>
        <source>the other card of its pair (%1) has no picture</source>
        <translation>die andere Karte ihres Paares (%1) hat kein Bild</translation>
    </message>
    <message>
        <source>cover</source>
        <translation>Deckblatt</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>Record Sound</source>
        <translation>Ton aufnehmen</translation>
    </message>
    <message>
        <source>No sound input device</source>
        <translation>Kein Aufnahmegerät</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>Trim silence below</source>
        <translation>Stille abschneiden unter</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Recording stops by itself after %1 seconds.</source>
        <translation>Die Aufnahme endet von selbst nach %1 Sekunden.</translation>
    </message>
    <message>
        <source>The sound input device offers no usable format.</source>
        <translation>Das Aufnahmegerät bietet kein verwendbares Format an.</translation>
    </message>
    <message>
        <source>The sound input device could not be opened.</source>
        <translation>Das Aufnahmegerät konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Length: %1 s</source>
        <translation>Länge: %1 s</translation>
    </message>
    <message>
        <source>Recording stopped at the %1-second limit.</source>
        <translation>Die Aufnahme wurde an der Grenze von %1 Sekunden beendet.</translation>
    </message>
    <message>
        <source>The sound input device stopped working.</source>
        <translation>Das Aufnahmegerät funktioniert nicht mehr.</translation>
    </message>
    <message>
        <source>The recording could not be converted.</source>
        <translation>Die Aufnahme konnte nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>Der Ton konnte nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>(%1 % of full scale)</source>
        <translation>(%1 % der Vollaussteuerung)</translation>
    </message>
    <message>
        <source> (%1 s after trimming)</source>
        <translation> (%1 s nach dem Abschneiden)</translation>
    </message>
    <message>
        <source>The take is all below the silence threshold: nothing to use.</source>
        <translation>Die ganze Aufnahme liegt unter der Stilleschwelle: Es gibt nichts zu übernehmen.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
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
        <translation>Der Ton der Karte wird gespeichert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>A set named &quot;%1&quot; already exists</source>
        <translation>Es gibt bereits einen Kartensatz namens &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Die Datei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation>&quot;%1&quot; ist kein gültiger Name für einen Kartensatz</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder beside %1</source>
        <translation>Neben %1 kann kein temporärer Ordner angelegt werden</translation>
    </message>
</context>
<context>
    <name>SetArchiveCommands</name>
    <message>
        <source>Export set as file</source>
        <translation>Kartensatz als Datei exportieren</translation>
    </message>
    <message>
        <source>Import set from file</source>
        <translation>Kartensatz aus Datei importieren</translation>
    </message>
    <message>
        <source>Set files (*.tessellor)</source>
        <translation>Kartensatz-Dateien (*.tessellor)</translation>
    </message>
    <message>
        <source>Zip archive (*.zip)</source>
        <translation>ZIP-Archiv (*.zip)</translation>
    </message>
    <message>
        <source>Set files (*.tessellor *.zip)</source>
        <translation>Kartensatz-Dateien (*.tessellor *.zip)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set.</source>
        <translation>&quot;%1&quot; ist kein gültiger Name für einen Kartensatz.</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Name of the imported set:</source>
        <translation>Es gibt bereits einen Kartensatz namens &quot;%1&quot;. Name des importierten Kartensatzes:</translation>
    </message>
    <message>
        <source>These entries are not a set&apos;s files and were left out:
</source>
        <translation>Diese Einträge gehören nicht zu einem Kartensatz und wurden ausgelassen:
</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... und %1 weitere</translation>
    </message>
    <message>
        <source>set file</source>
        <extracomment>Fills %1 of &quot;The %1 %2 was written (%3).&quot;</extracomment>
        <translation>Kartensatz-Datei</translation>
    </message>
    <message>
        <source>

These files lead out of the set&apos;s folder or are no plain files, and were left out:
</source>
        <translation>

Diese Dateien führen aus dem Ordner des Kartensatzes heraus oder sind keine gewöhnlichen Dateien und wurden ausgelassen:
</translation>
    </message>
</context>
<context>
    <name>SetArchivePack</name>
    <message>
        <source>Cannot write the archive %1</source>
        <translation>Das Archiv %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cannot write the archive %1: %2</source>
        <translation>Das Archiv %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Die Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>Der Ordner %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The folder %1 holds no card set files</source>
        <translation>Der Ordner %1 enthält keine Dateien eines Kartensatzes</translation>
    </message>
</context>
<context>
    <name>SetArchiveReader</name>
    <message>
        <source>The entry &quot;%1&quot; %2</source>
        <extracomment>%2 says what is wrong with the entry, as &quot;is a symbolic link&quot;</extracomment>
        <translation>Der Eintrag &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>The archive is damaged: %1</source>
        <translation>Das Archiv ist beschädigt: %1</translation>
    </message>
    <message>
        <source>The archive is damaged at the entry &quot;%1&quot;: %2</source>
        <translation>Das Archiv ist beim Eintrag &quot;%1&quot; beschädigt: %2</translation>
    </message>
    <message>
        <source>has an absolute path</source>
        <translation>hat einen absoluten Pfad</translation>
    </message>
    <message>
        <source>leads out of its folder (&quot;..&quot;)</source>
        <translation>führt aus seinem Ordner heraus (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>hat keinen Namen</translation>
    </message>
    <message>
        <source>is a hard link</source>
        <translation>ist ein harter Link</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <translation>ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>ist verschlüsselt</translation>
    </message>
    <message>
        <source>is a device or another special file</source>
        <translation>ist ein Gerät oder eine andere Spezialdatei</translation>
    </message>
    <message>
        <source>makes the archive hold more than %1 entries</source>
        <translation>bringt das Archiv auf mehr als %1 Einträge</translation>
    </message>
    <message>
        <source>appears twice</source>
        <translation>kommt zweimal vor</translation>
    </message>
    <message>
        <source>The archive holds no card set</source>
        <translation>Das Archiv enthält keinen Kartensatz</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 times its size</source>
        <translation>lässt das Archiv beim Entpacken auf mehr als das %1-Fache seiner Größe anwachsen</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 MB</source>
        <translation>lässt das Archiv beim Entpacken auf mehr als %1 MB anwachsen</translation>
    </message>
</context>
<context>
    <name>SetCards</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
</context>
<context>
    <name>SetCommands</name>
    <message>
        <source>1 card</source>
        <extracomment>Fills %1 of the question below; &quot;%1 cards&quot; is for two and more</extracomment>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>Changing the kind of the set changes the picture of %1. The set is then read from its folder again. Change it?</source>
        <translation>Wenn die Art des Kartensatzes geändert wird, ändert sich das Bild von %1. Danach wird der Kartensatz neu aus seinem Ordner gelesen. Jetzt ändern?</translation>
    </message>
</context>
<context>
    <name>SetMessages</name>
    <message>
        <source>Nome inválido !</source>
        <translation>Ungültiger Name!</translation>
    </message>
    <message>
        <source>Você deve escolher um nome para o conjunto!</source>
        <translation>Bitte geben Sie dem Kartensatz einen Namen!</translation>
    </message>
    <message>
        <source>Já existe um conjunto com esse nome! Escolha outro nome.</source>
        <translation>Es gibt bereits einen Kartensatz mit diesem Namen! Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Não foi possível criar o novo conjunto.Verifique se existe espaço em disco ou se o nome do conjunto que você está criando já não existe.</source>
        <translation>Der neue Kartensatz konnte nicht angelegt werden. Bitte prüfen Sie, ob genug Speicherplatz frei ist und ob es schon einen Kartensatz mit diesem Namen gibt.</translation>
    </message>
    <message>
        <source>Você deve escolher um set!</source>
        <translation>Bitte wählen Sie einen Kartensatz!</translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation>Wählen Sie einen Ordner</translation>
    </message>
    <message>
        <source>Você deve escolher um diretório para importar as imagens !</source>
        <translation>Bitte wählen Sie einen Ordner, aus dem die Bilder importiert werden sollen!</translation>
    </message>
</context>
<context>
    <name>SetOverview</name>
    <message>
        <source>Set overview</source>
        <translation>Kartensatz-Übersicht</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Fehlt: %1</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Damaged sound %1: %2</source>
        <translation>Beschädigter Ton %1: %2</translation>
    </message>
</context>
<context>
    <name>SetScan</name>
    <message>
        <source>O arquivo %1  não existe.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Importando Conjunto</source>
        <translation>Kartensatz wird importiert</translation>
    </message>
</context>
<context>
    <name>SoundCommands</name>
    <message>
        <source>Open Wave File</source>
        <translation>WAV-Datei öffnen</translation>
    </message>
</context>
<context>
    <name>SoundImportText</name>
    <message>
        <source>Unable to read the sound file</source>
        <translation>Die Tondatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The sound file is not a plain file (a folder, pipe or device)</source>
        <translation>Die Tondatei ist keine gewöhnliche Datei (sondern ein Ordner, eine Pipe oder ein Gerät)</translation>
    </message>
    <message>
        <source>The sound file has an unusable sample rate or channel count</source>
        <translation>Die Tondatei hat eine unbrauchbare Abtastrate oder Kanalzahl</translation>
    </message>
    <message>
        <source>The sound is longer than 10 minutes</source>
        <translation>Der Ton ist länger als 10 Minuten</translation>
    </message>
    <message>
        <source>The sound file holds no sound</source>
        <translation>Die Tondatei enthält keinen Ton</translation>
    </message>
    <message>
        <source>Unable to convert the sound&apos;s sample rate</source>
        <translation>Die Abtastrate des Tons kann nicht umgewandelt werden</translation>
    </message>
    <message>
        <source>The sound is in a format that the editor does not read</source>
        <translation>Der Ton liegt in einem Format vor, das der Editor nicht lesen kann</translation>
    </message>
</context>
<context>
    <name>SpeakDialog</name>
    <message>
        <source>Speak text</source>
        <translation>Text sprechen</translation>
    </message>
    <message>
        <source> words per minute</source>
        <translation> Wörter pro Minute</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Stimme:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;Tempo:</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>The speech library could not start: %1</source>
        <translation>Die Sprachausgabe konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The speech library speaks at %1 Hz; %2 Hz is needed</source>
        <translation>Die Sprachausgabe arbeitet mit %1 Hz; benötigt werden %2 Hz</translation>
    </message>
    <message>
        <source>The speech library has no voices</source>
        <translation>Die Sprachausgabe hat keine Stimmen</translation>
    </message>
    <message>
        <source>Speech synthesis failed: %1</source>
        <translation>Die Sprachausgabe ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The spoken text would be longer than %1 minutes: shorten the text</source>
        <translation>Der gesprochene Text wäre länger als %1 Minuten: Bitte kürzen Sie den Text</translation>
    </message>
    <message>
        <source>Speech synthesis failed: no sound was made</source>
        <translation>Die Sprachausgabe ist fehlgeschlagen: Es wurde kein Ton erzeugt</translation>
    </message>
    <message>
        <source>There is no text to speak</source>
        <translation>Es gibt keinen Text zum Sprechen</translation>
    </message>
    <message>
        <source>The rate must be from %1 to %2 words per minute</source>
        <translation>Das Tempo muss zwischen %1 und %2 Wörtern pro Minute liegen</translation>
    </message>
    <message>
        <source>No voice was chosen</source>
        <translation>Es wurde keine Stimme gewählt</translation>
    </message>
    <message>
        <source>Unknown voice: %1</source>
        <translation>Unbekannte Stimme: %1</translation>
    </message>
</context>
<context>
    <name>TMMWaveOpenDialog</name>
    <message>
        <source>Other sounds (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Andere Tondateien (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)</translation>
    </message>
    <message>
        <source>Wave-Files(*.wav)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Autoplay</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid WaveFile...</source>
        <translation>Ungültige WAV-Datei...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Open Wave File</source>
        <translation>WAV-Datei öffnen</translation>
    </message>
</context>
<context>
    <name>TOpenPictureDialog</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the list of file masks.</extracomment>
        <translation>Alle Bilder (%1)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source> (%1x%2)</source>
        <translation> (%1x%2)</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
</context>
<context>
    <name>TfPropriedades</name>
    <message>
        <source>Proprierties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelsatz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmCadastro</name>
    <message>
        <source>New set</source>
        <translation>Neuer Kartensatz</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmConfigurador</name>
    <message>
        <source>Varnolo Memory Game Tessellor</source>
        <translation>Varnolo-Gedächtnisspiel Tessellor</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The cover card, named where the other cards have their number</extracomment>
        <translation>Deckblatt</translation>
    </message>
    <message>
        <source>The set&apos;s folder is no longer there; editing stays off until a set is opened</source>
        <translation>Der Ordner des Kartensatzes ist nicht mehr vorhanden; Bearbeiten bleibt gesperrt, bis ein Kartensatz geöffnet wird</translation>
    </message>
</context>
<context>
    <name>TfrmErroImporta</name>
    <message>
        <source>Import errors</source>
        <translation>Importfehler</translation>
    </message>
    <message>
        <source>Import errors :</source>
        <translation>Importfehler:</translation>
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
        <translation>Kartensatz öffnen</translation>
    </message>
    <message>
        <source>Choose a set </source>
        <translation>Kartensatz wählen </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfrmImportaArqs</name>
    <message>
        <source>Import files</source>
        <translation>Dateien importieren</translation>
    </message>
    <message>
        <source>Directory :</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Durchsuchen</translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Import double set</source>
        <translation>Doppelsatz importieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation>Wählen Sie einen Ordner</translation>
    </message>
</context>
<context>
    <name>TfrmPalavras</name>
    <message>
        <source>New set from word list</source>
        <translation>Neuer Kartensatz aus einer Wortliste</translation>
    </message>
    <message>
        <source>&amp;Name :</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>2 to 20 words or short phrases, one a line</source>
        <translation>2 bis 20 Wörter oder kurze Sätze, eines pro Zeile</translation>
    </message>
    <message>
        <source>&amp;Load list...</source>
        <translation>Liste &amp;laden...</translation>
    </message>
    <message>
        <source>&amp;Words :</source>
        <translation>&amp;Wörter:</translation>
    </message>
    <message>
        <source>&amp;Double set: the second card of a pair shows the word&apos;s picture</source>
        <translation>&amp;Doppelsatz: die zweite Karte jedes Paars zeigt das Bild des Worts</translation>
    </message>
    <message>
        <source>&amp;Voice :</source>
        <translation>&amp;Stimme:</translation>
    </message>
    <message>
        <source>&amp;Pictures folder :</source>
        <translation>&amp;Bilderordner:</translation>
    </message>
    <message>
        <source>&amp;Cover picture :</source>
        <translation>Bild für das Dec&amp;kblatt:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keines)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation>&quot;%1&quot; ist kein gültiger Name für einen Kartensatz</translation>
    </message>
    <message>
        <source>The pictures folder %1 does not exist</source>
        <translation>Der Bilderordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>The cover picture %1 does not exist</source>
        <translation>Das Bild für das Deckblatt %1 existiert nicht</translation>
    </message>
    <message>
        <source>Load word list</source>
        <translation>Wortliste laden</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Pictures folder</source>
        <translation>Bilderordner</translation>
    </message>
    <message>
        <source>Cover picture</source>
        <translation>Bild für das Deckblatt</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;All files (*)</source>
        <translation>Bilder (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>WaveErrorText</name>
    <message>
        <source>Invalid wave file...</source>
        <translation>Ungültige WAV-Datei...</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>Fehler beim Lesen der WAV-Datei</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>Die WAV-Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>Der Ein-/Ausgabepuffer für die Datei kann nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>Error seeking file position</source>
        <translation>Fehler beim Positionieren in der Datei</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>Ungültiger Parameter übergeben!</translation>
    </message>
    <message>
        <source>Unable to save wave file</source>
        <translation>Die WAV-Datei kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Saving was aborted</source>
        <translation>Das Speichern wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>WaveOutErrorText</name>
    <message>
        <source>Change to property while device was open</source>
        <translation>Eine Eigenschaft wurde geändert, während das Gerät geöffnet war</translation>
    </message>
    <message>
        <source>No wave audio playing device found</source>
        <translation>Kein Audio-Wiedergabegerät gefunden</translation>
    </message>
    <message>
        <source>Invalid DeviceID</source>
        <translation>Ungültige Geräte-ID</translation>
    </message>
    <message>
        <source>Invalid wave format</source>
        <translation>Ungültiges WAV-Format</translation>
    </message>
    <message>
        <source>The actual device can&apos;&apos;t play this format</source>
        <translation>Das aktuelle Gerät kann dieses Format nicht abspielen</translation>
    </message>
    <message>
        <source>Unable to open device</source>
        <translation>Das Gerät kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to close device</source>
        <translation>Das Gerät kann nicht geschlossen werden</translation>
    </message>
    <message>
        <source>Unable to allocate memory for wave header</source>
        <translation>Für den WAV-Dateikopf kann kein Speicher reserviert werden</translation>
    </message>
    <message>
        <source>Unable to start device</source>
        <translation>Das Gerät kann nicht gestartet werden</translation>
    </message>
    <message>
        <source>Error filling wave buffer</source>
        <translation>Fehler beim Füllen des Tonpuffers</translation>
    </message>
    <message>
        <source>Specified error number is out of range (unknown error)</source>
        <translation>Die angegebene Fehlernummer liegt außerhalb des gültigen Bereichs (unbekannter Fehler)</translation>
    </message>
</context>
<context>
    <name>WaveSummary</name>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>%1; %2.%3 kHz, %4; %5 KB</source>
        <translation>%1; %2,%3 kHz, %4; %5 KB</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>%1 Channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>%1%2%3 kHz%4 %5 Bit%4 %6</source>
        <translation>%1%2%3 kHz%4 %5 Bit%4 %6</translation>
    </message>
    <message>
        <source>%1; %2; %3 KB</source>
        <translation>%1; %2; %3 KB</translation>
    </message>
</context>
<context>
    <name>WebExportCommand</name>
    <message>
        <source>Export as web page</source>
        <translation>Als Webseite exportieren</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Webseiten (*.html *.htm)</translation>
    </message>
    <message>
        <source>The web page %1 was written (%2).</source>
        <translation>Die Webseite %1 wurde gespeichert (%2).</translation>
    </message>
    <message>
        <source>It plays %1 pairs.</source>
        <translation>Gespielt wird mit %1 Paaren.</translation>
    </message>
    <message>
        <source>Pairs left out (a picture is missing or cannot be read): %1.</source>
        <translation>Ausgelassene Paare (ein Bild fehlt oder ist unlesbar): %1.</translation>
    </message>
    <message>
        <source>Sounds left out:</source>
        <translation>Ausgelassene Töne:</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Not enough cards to play: %1 has %2 playable pairs, at least 2 are needed</source>
        <translation>Zu wenige Karten zum Spielen: %1 hat %2 spielbare Paare, mindestens 2 werden gebraucht</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Ordner nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Cannot write the web page %1</source>
        <translation>Die Webseite %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Pairs</source>
        <comment>the label of the list of pair counts</comment>
        <translation>Paare</translation>
    </message>
    <message>
        <source>Players</source>
        <comment>the label of the list of player counts</comment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Turn back:</source>
        <translation>Zurückdrehen:</translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation>beim nächsten Antippen</translation>
    </message>
    <message>
        <source>Show all cards at the start for:</source>
        <translation>Alle Karten zu Beginn zeigen für:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Vollbild beenden</translation>
    </message>
    <message>
        <source>Cards</source>
        <comment>what a screen reader calls the board</comment>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <comment>before the pairs found so far</comment>
        <translation>Paare:</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Züge:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Noch einmal spielen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Ein neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>The game under way will be lost.</source>
        <translation>Das laufende Spiel geht dabei verloren.</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>nach %1 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>a number of seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Karte %1 von %2</translation>
    </message>
    <message>
        <source>, face down</source>
        <comment>after &quot;Card 3 of 12&quot;</comment>
        <translation>, verdeckt</translation>
    </message>
    <message>
        <source>, found</source>
        <comment>after &quot;Card 3 of 12&quot; and the card&apos;s name</comment>
        <translation>, gefunden</translation>
    </message>
    <message>
        <source>, no pair</source>
        <comment>after &quot;Card 3 of 12&quot; and the card&apos;s name</comment>
        <translation>, kein Paar</translation>
    </message>
    <message>
        <source>%1 of %2 pairs</source>
        <comment>pairs found of pairs dealt</comment>
        <translation>%1 von %2 Paaren</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <comment>%1 is a player&apos;s name</comment>
        <translation>%1 ist dran</translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <comment>%1: whose turn it is</comment>
        <translation>Die Karten liegen verdeckt. %1.</translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <comment>%1: whose turn it is</comment>
        <translation>Wieder umgedreht. %1.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <comment>%2 is the card&apos;s name</comment>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Paar gefunden</translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <comment>%1 is the card&apos;s name</comment>
        <translation>Paar gefunden: %1</translation>
    </message>
    <message>
        <source>%1. %2 found.%3</source>
        <comment>%1: &quot;Pair found&quot;; %2: &quot;3 of 12 pairs&quot;; %3: who plays again, or nothing</comment>
        <translation>%1. %2 gefunden.%3</translation>
    </message>
    <message>
        <source> %1 plays again.</source>
        <comment>%1 is a player&apos;s name</comment>
        <translation> %1 ist noch einmal dran.</translation>
    </message>
    <message>
        <source>No pair.%1%2</source>
        <comment>%1: whose turn it is next, or nothing; %2: how the cards turn back, or nothing</comment>
        <translation>Kein Paar.%1%2</translation>
    </message>
    <message>
        <source> %1.</source>
        <comment>after &quot;No pair.&quot;: whose turn it is</comment>
        <translation> %1.</translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation> Eine Karte antippen, um beide wieder umzudrehen.</translation>
    </message>
    <message>
        <source>%1 moves in %2</source>
        <comment>%2 is a time such as 1:05</comment>
        <translation>%1 Züge in %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a player&apos;s name and pairs found</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Gewonnen hat: %1</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <comment>%1 lists the players&apos; names</comment>
        <translation>Unentschieden: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the names of players in a draw</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Well done! %1.</source>
        <comment>%1: the winner, or the moves and time</comment>
        <translation>Gut gemacht! %1.</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Name von Spieler %1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <comment>all the pairs, and how many</comment>
        <translation>Alle (%1)</translation>
    </message>
    <message>
        <source>by %1</source>
        <comment>%1 is the set&apos;s author</comment>
        <translation>von %1</translation>
    </message>
    <message>
        <source>1 pair left out</source>
        <translation>1 Paar ausgelassen</translation>
    </message>
    <message>
        <source>%1 pairs left out</source>
        <translation>%1 Paare ausgelassen</translation>
    </message>
    <message>
        <source>Pairs left out: %1</source>
        <comment>%1 lists the pairs&apos; numbers</comment>
        <translation>Ausgelassene Paare: %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Startwert: %1</translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <comment>%2: whose turn it is</comment>
        <translation>%1 Paare ausgeteilt. %2.</translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation>%1 Paare ausgeteilt. Alle Karten gut ansehen: Nach %2 s werden sie umgedreht, oder schon beim Antippen.</translation>
    </message>
    <message>
        <source>The address&apos;s seed &quot;%1&quot; is not a whole number from 0 to %2, so another game was dealt: seed %3.</source>
        <comment>%1 is what the page&apos;s address gave as the seed</comment>
        <translation>Der Startwert &quot;%1&quot; in der Adresse ist keine ganze Zahl von 0 bis %2, darum wurde ein anderes Spiel ausgeteilt: Startwert %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as pt-BR or de</source>
        <translation>&quot;%1&quot; ist kein Sprachcode wie pt-BR oder de</translation>
    </message>
    <message>
        <source>There is no translation of the page into %1</source>
        <translation>Es gibt keine Übersetzung der Seite in die Sprache %1</translation>
    </message>
</context>
<context>
    <name>WebSound</name>
    <message>
        <source>Unable to encode the sound</source>
        <translation>Der Ton kann nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>The word list</source>
        <translation>Die Wortliste</translation>
    </message>
    <message>
        <source>The word list %1</source>
        <translation>Die Wortliste %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KB: it is no word list</source>
        <translation>%1 ist größer als %2 KB: das ist keine Wortliste</translation>
    </message>
    <message>
        <source>%1 has more than %2 words: &quot;%3&quot; is word %4</source>
        <translation>%1 hat mehr als %2 Wörter: &quot;%3&quot; ist Wort %4</translation>
    </message>
    <message>
        <source>%1 needs at least %2 words, one a line</source>
        <translation>%1 braucht mindestens %2 Wörter, eines pro Zeile</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>%1 holds a control character on line %2</source>
        <translation>%1 enthält in Zeile %2 ein Steuerzeichen</translation>
    </message>
    <message>
        <source>Cannot open the word list %1</source>
        <translation>Die Wortliste %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot read the word list %1</source>
        <translation>Die Wortliste %1 kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>WordSet</name>
    <message>
        <source>Cannot speak &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht gesprochen werden: %2</translation>
    </message>
    <message>
        <source>Unknown voice: %1</source>
        <translation>Unbekannte Stimme: %1</translation>
    </message>
    <message>
        <source>Cannot read the pictures folder %1</source>
        <translation>Der Bilderordner %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card and would be cut off at its edges</source>
        <translation>&quot;%1&quot; passt nicht auf eine Karte und würde an den Rändern abgeschnitten</translation>
    </message>
</context>
<context>
    <name>WordSetTool</name>
    <message>
        <source>--pictures needs --double</source>
        <translation>--pictures braucht --double</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card and would be cut off at its edges; --yes writes it cut</source>
        <translation>&quot;%1&quot; passt nicht auf eine Karte und würde an den Rändern abgeschnitten; --yes schreibt es abgeschnitten</translation>
    </message>
</context>
</TS>
