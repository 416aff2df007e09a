<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BitmapErrors</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Stream read error</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Bitmap image is not valid</translation>
    </message>
    <message>
        <source>Win32 Error.  Code: %1.\n%2</source>
        <translation>Win32 Error.  Code: %1.\n%2</translation>
    </message>
    <message>
        <source>Out of system resources</source>
        <translation>Out of system resources</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Stream write error</translation>
    </message>
    <message>
        <source>There is no picture to put on the card</source>
        <translation>There is no picture to put on the card</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>JPEG error #%1</translation>
    </message>
    <message>
        <source>Invalid icon</source>
        <translation>Invalid icon</translation>
    </message>
    <message>
        <source>Metafiles cannot be shown on this platform</source>
        <translation>Metafiles cannot be shown on this platform</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>Resource %1 not found</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Unknown picture file extension (.%1)</translation>
    </message>
</context>
<context>
    <name>CardCommands</name>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>The clipboard holds no picture</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Card name</translation>
    </message>
    <message>
        <source>Name of the cover:</source>
        <translation>Name of the cover:</translation>
    </message>
    <message>
        <source>Name of card %1:</source>
        <translation>Name of card %1:</translation>
    </message>
</context>
<context>
    <name>CardDropCommands</name>
    <message>
        <source>Drop</source>
        <extracomment>Named in Undo: &quot;Undo Drop on card 3&quot;</extracomment>
        <translation>Drop</translation>
    </message>
    <message>
        <source>Drag card</source>
        <extracomment>Named in Undo: &quot;Undo Drag card on card 3&quot;</extracomment>
        <translation>Drag card</translation>
    </message>
</context>
<context>
    <name>CardDrops</name>
    <message>
        <source>Deck</source>
        <extracomment>The cover card, named where the other cards have their number</extracomment>
        <translation>Deck</translation>
    </message>
    <message>
        <source>These cards already have a sound, which the dropped file replaces: %1.</source>
        <translation>These cards already have a sound, which the dropped file replaces: %1.</translation>
    </message>
    <message>
        <source>These cards already have a picture, which the dropped file replaces: %1.</source>
        <translation>These cards already have a picture, which the dropped file replaces: %1.</translation>
    </message>
    <message>
        <source>Only the first %1 of the %2 files fit on the cards from %3 to the last one; the others are left out.</source>
        <translation>Only the first %1 of the %2 files fit on the cards from %3 to the last one; the others are left out.</translation>
    </message>
    <message>
        <source>Put the files on the cards?</source>
        <translation>Put the files on the cards?</translation>
    </message>
</context>
<context>
    <name>CardEdits</name>
    <message>
        <source>No set is open</source>
        <translation>No set is open</translation>
    </message>
    <message>
        <source>There is no card %1 (0 is the cover, 1 to 40 the cards)</source>
        <translation>There is no card %1 (0 is the cover, 1 to 40 the cards)</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Card name</translation>
    </message>
</context>
<context>
    <name>CardFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>White</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Color:</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>Cannot read the card names</source>
        <translation>Cannot read the card names</translation>
    </message>
    <message>
        <source>The card names file is larger than 1 MB; it was not read</source>
        <translation>The card names file is larger than 1 MB; it was not read</translation>
    </message>
    <message>
        <source>Cannot delete the card names file</source>
        <translation>Cannot delete the card names file</translation>
    </message>
    <message>
        <source>Cannot write the card names</source>
        <translation>Cannot write the card names</translation>
    </message>
</context>
<context>
    <name>CardPrint</name>
    <message>
        <source>No card of the set has a picture to print</source>
        <translation>No card of the set has a picture to print</translation>
    </message>
</context>
<context>
    <name>CardText</name>
    <message>
        <source>The text box is empty. Write a blank card?</source>
        <translation>The text box is empty. Write a blank card?</translation>
    </message>
    <message>
        <source>The text does not fit on the card and will be cut off at its edges. Write it anyway?</source>
        <translation>The text does not fit on the card and will be cut off at its edges. Write it anyway?</translation>
    </message>
</context>
<context>
    <name>CardUndoApply</name>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be undone.</source>
        <translation>The file %1 was changed outside the editor since; this step can no longer be undone.</translation>
    </message>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be redone.</source>
        <translation>The file %1 was changed outside the editor since; this step can no longer be redone.</translation>
    </message>
    <message>
        <source>Cannot delete file %1.</source>
        <translation>Cannot delete file %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoFiles</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Cannot open file %1.</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>Cannot read file %1.</translation>
    </message>
    <message>
        <source>The kept copy %1 is gone; %2 was left as it is.</source>
        <translation>The kept copy %1 is gone; %2 was left as it is.</translation>
    </message>
    <message>
        <source>The kept copy %1 is damaged; %2 was left as it is.</source>
        <translation>The kept copy %1 is damaged; %2 was left as it is.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Cannot create file %1.</translation>
    </message>
    <message>
        <source>Cannot write file %1.</source>
        <translation>Cannot write file %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoLog</name>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Cannot create file %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoPending</name>
    <message>
        <source>%1 on the cover</source>
        <extracomment>%1 is what was done, as &quot;Paste&quot;</extracomment>
        <translation>%1 on the cover</translation>
    </message>
    <message>
        <source>%1 on card %2</source>
        <translation>%1 on card %2</translation>
    </message>
    <message>
        <source>Change picture</source>
        <translation>Change picture</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Change sound</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Change name</translation>
    </message>
</context>
<context>
    <name>CardUndoStore</name>
    <message>
        <source>Cannot create folder %1.</source>
        <translation>Cannot create folder %1.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Cannot create file %1.</translation>
    </message>
</context>
<context>
    <name>EInOutError</name>
    <message>
        <source>File not found</source>
        <translation>File not found</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Invalid filename</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>File access denied</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Read beyond end of file</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disk full</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>I/O error %1</translation>
    </message>
</context>
<context>
    <name>EOutOfMemory</name>
    <message>
        <source>Out of memory</source>
        <translation>Out of memory</translation>
    </message>
</context>
<context>
    <name>EditorCommands</name>
    <message>
        <source>Insert image</source>
        <translation>Insert image</translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation>Duplicate Imagem</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Insert Sound</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Speak text</source>
        <translation>Speak text</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Insert Text</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Paste picture</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Card name</translation>
    </message>
</context>
<context>
    <name>EditorForm</name>
    <message>
        <source>Insert image</source>
        <translation>Insert image</translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation>Duplicate Imagem</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Insert Sound</translation>
    </message>
    <message>
        <source>Hear Sound</source>
        <translation>Hear Sound</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Insert Text</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Choose Font</translation>
    </message>
    <message>
        <source>Open set</source>
        <translation>Open set</translation>
    </message>
    <message>
        <source>Salve set</source>
        <translation>Salve set</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Files</translation>
    </message>
    <message>
        <source>&amp;New set...</source>
        <translation>&amp;New set...</translation>
    </message>
    <message>
        <source>&amp;Open set...</source>
        <translation>&amp;Open set...</translation>
    </message>
    <message>
        <source>&amp;Salve set...</source>
        <translation>&amp;Salve set...</translation>
    </message>
    <message>
        <source>&amp;Import set...</source>
        <translation>&amp;Import set...</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Properties...</translation>
    </message>
    <message>
        <source>Import set from file...</source>
        <translation>Import set from file...</translation>
    </message>
    <message>
        <source>Export set as file...</source>
        <translation>Export set as file...</translation>
    </message>
    <message>
        <source>Export as web page...</source>
        <translation>Export as web page...</translation>
    </message>
    <message>
        <source>Print cards...</source>
        <translation>Print cards...</translation>
    </message>
    <message>
        <source>Recent sets</source>
        <translation>Recent sets</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Hear</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Record...</translation>
    </message>
    <message>
        <source>S&amp;peak text</source>
        <translation>S&amp;peak text</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Paste picture</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>P&amp;revious</source>
        <translation>P&amp;revious</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>R&amp;edo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Set overview</source>
        <translation>Set overview</translation>
    </message>
    <message>
        <source>Play set</source>
        <translation>Play set</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <source>Card name...</source>
        <translation>Card name...</translation>
    </message>
    <message>
        <source>New set from word list...</source>
        <translation>New set from word list...</translation>
    </message>
</context>
<context>
    <name>EntryTexts</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation>R&amp;edo</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>R&amp;edo %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Record...</translation>
    </message>
    <message>
        <source>&amp;Record... (no sound input device)</source>
        <translation>&amp;Record... (no sound input device)</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>The %1 %2 was written (%3).</source>
        <extracomment>%1 is the kind of file, as &quot;set file&quot;, %2 its path, %3 its size</extracomment>
        <translation>The %1 %2 was written (%3).</translation>
    </message>
</context>
<context>
    <name>FileErrorReason</name>
    <message>
        <source>The file may not be read.</source>
        <translation>The file may not be read.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>The folder is read-only.</source>
        <translation>The folder is read-only.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>The file is too large for its disk.</source>
        <translation>The file is too large for its disk.</translation>
    </message>
    <message>
        <source>A folder has this name.</source>
        <translation>A folder has this name.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>The folder does not exist.</translation>
    </message>
</context>
<context>
    <name>GameCardView</name>
    <message>
        <source>Card %1 of %2</source>
        <translation>Card %1 of %2</translation>
    </message>
    <message>
        <source>, face down</source>
        <translation>, face down</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, found</translation>
    </message>
    <message>
        <source>, no pair</source>
        <translation>, no pair</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>1 pair</source>
        <translation>1 pair</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 pairs</translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation>Reading the pictures…</translation>
    </message>
    <message>
        <source>Game status</source>
        <translation>Game status</translation>
    </message>
    <message>
        <source>&amp;Pairs:</source>
        <translation>&amp;Pairs:</translation>
    </message>
    <message>
        <source>Pla&amp;yers:</source>
        <translation>Pla&amp;yers:</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;New game</translation>
    </message>
    <message>
        <source>Flip &amp;animation</source>
        <translation>Flip &amp;animation</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sound</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>after %1 s</translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation>on the next tap</translation>
    </message>
    <message>
        <source>&amp;Turn back:</source>
        <translation>&amp;Turn back:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Show all cards at the start &amp;for:</source>
        <translation>Show all cards at the start &amp;for:</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Name of player %1</translation>
    </message>
    <message>
        <source>No set is open: open a set to play it.</source>
        <translation>No set is open: open a set to play it.</translation>
    </message>
    <message>
        <source>This set cannot be played: a game needs at least 2 pairs whose two pictures can be read, and this set has %1.</source>
        <translation>This set cannot be played: a game needs at least 2 pairs whose two pictures can be read, and this set has %1.</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation>All (%1)</translation>
    </message>
    <message>
        <source>%1 left out</source>
        <translation>%1 left out</translation>
    </message>
    <message>
        <source>Left out, a picture missing or unreadable: %1</source>
        <translation>Left out, a picture missing or unreadable: %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Seed: %1</translation>
    </message>
    <message>
        <source>Start this deal again with --seed %1</source>
        <translation>Start this deal again with --seed %1</translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <translation>%1 pairs dealt. %2.</translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <translation>The cards are face down. %1.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Card %1</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Card %1: %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Pair found</translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <translation>Pair found: %1</translation>
    </message>
    <message>
        <source>%1. %2 plays again.</source>
        <translation>%1. %2 plays again.</translation>
    </message>
    <message>
        <source>No pair. %1.</source>
        <translation>No pair. %1.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>No pair.</translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation> Tap a card to turn them back.</translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <translation>Turned back. %1.</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>%1&apos;s turn</translation>
    </message>
    <message>
        <source>Moves: %1    Pairs found: %2 of %3    Time: %4</source>
        <translation>Moves: %1    Pairs found: %2 of %3    Time: %4</translation>
    </message>
    <message>
        <source>No set</source>
        <translation>No set</translation>
    </message>
    <message>
        <source>%1 of %2 pairs — %3 — Tessellor</source>
        <translation>%1 of %2 pairs — %3 — Tessellor</translation>
    </message>
    <message>
        <source>%1: %2%3</source>
        <translation>%1: %2%3</translation>
    </message>
    <message>
        <source>, plays now</source>
        <translation>, plays now</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Moves: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The winner: %1</source>
        <translation>The winner: %1</translation>
    </message>
    <message>
        <source>A draw between %1</source>
        <translation>A draw between %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Well done! %1</source>
        <translation>Well done! %1</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Well done!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Play again</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessellor Help</source>
        <translation>Tessellor Help</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file %1 is not there.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file %1 is not there.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tessellor</source>
        <translation>About Tessellor</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;The card set editor of the Varnolo memory game: make the cover and the forty cards of a set from pictures, texts and sounds.&lt;/p&gt;&lt;p&gt;Sets are kept in the folder %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;The card set editor of the Varnolo memory game: make the cover and the forty cards of a set from pictures, texts and sounds.&lt;/p&gt;&lt;p&gt;Sets are kept in the folder %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The new language is used when Tessellor is started again.</source>
        <translation>The new language is used when Tessellor is started again.</translation>
    </message>
    <message>
        <source>As specified</source>
        <extracomment>The program&apos;s texts as they were first written, untranslated</extracomment>
        <translation>As specified</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>No set is open</source>
        <translation>No set is open</translation>
    </message>
    <message>
        <source>no author</source>
        <translation>no author</translation>
    </message>
    <message>
        <source>double set</source>
        <translation>double set</translation>
    </message>
    <message>
        <source>paired set</source>
        <translation>paired set</translation>
    </message>
    <message>
        <source>%1 — %2 — %3 — %4 of %5 pictures, %6 of %5 sounds</source>
        <translation>%1 — %2 — %3 — %4 of %5 pictures, %6 of %5 sounds</translation>
    </message>
</context>
<context>
    <name>OverviewPainter</name>
    <message>
        <source>Deck</source>
        <translation>Deck</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>damaged</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>cannot start decompressing</source>
        <translation>cannot start decompressing</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <translation>it holds more than %1 bytes</translation>
    </message>
    <message>
        <source>the compressed drawing is damaged</source>
        <translation>the compressed drawing is damaged</translation>
    </message>
    <message>
        <source>Cannot read the picture in %1: %2</source>
        <translation>Cannot read the picture in %1: %2</translation>
    </message>
    <message>
        <source>The picture in %1 is too large (%2 x %3 pixels)</source>
        <translation>The picture in %1 is too large (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>The drawing in %1 cannot be used: %2</source>
        <translation>The drawing in %1 cannot be used: %2</translation>
    </message>
    <message>
        <source>it refers to %1, outside the drawing; only pictures embedded in it can be shown</source>
        <translation>it refers to %1, outside the drawing; only pictures embedded in it can be shown</translation>
    </message>
    <message>
        <source>an embedded picture is not stored in base64</source>
        <translation>an embedded picture is not stored in base64</translation>
    </message>
    <message>
        <source>an embedded picture is damaged</source>
        <translation>an embedded picture is damaged</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>it is not well-formed XML (line %1: %2)</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>its elements are nested more than %1 deep</translation>
    </message>
    <message>
        <source>an embedded picture is of no kind that can be read</source>
        <translation>an embedded picture is of no kind that can be read</translation>
    </message>
    <message>
        <source>it embeds another drawing</source>
        <translation>it embeds another drawing</translation>
    </message>
    <message>
        <source>the size of an embedded picture cannot be read</source>
        <translation>the size of an embedded picture cannot be read</translation>
    </message>
    <message>
        <source>its embedded pictures have more than %1 pixels in all</source>
        <translation>its embedded pictures have more than %1 pixels in all</translation>
    </message>
</context>
<context>
    <name>PlayMode</name>
    <message>
        <source>Play set</source>
        <translation>Play set</translation>
    </message>
    <message>
        <source>Usage: tessellor --play SETDIR [--pairs N] [--seed S]</source>
        <translation>Usage: tessellor --play SETDIR [--pairs N] [--seed S]</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>No such folder: %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
</context>
<context>
    <name>PreviewPaintBox</name>
    <message>
        <source>(None)</source>
        <translation>(None)</translation>
    </message>
</context>
<context>
    <name>PrintCardsDialog</name>
    <message>
        <source>Print cards</source>
        <translation>Print cards</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Cutting lines</source>
        <translation>Cutting lines</translation>
    </message>
    <message>
        <source>Card backs: the cover after each page, for two-sided printing</source>
        <translation>Card backs: the cover after each page, for two-sided printing</translation>
    </message>
    <message>
        <source>All cards</source>
        <translation>All cards</translation>
    </message>
    <message>
        <source>Only cards of playable pairs</source>
        <translation>Only cards of playable pairs</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Paper:</translation>
    </message>
    <message>
        <source>Card size:</source>
        <translation>Card size:</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Cards:</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Preview...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Not printed:</source>
        <translation>Not printed:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation>Save cards as PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>PDF file</translation>
    </message>
    <message>
        <source>Names under the pictures</source>
        <translation>Names under the pictures</translation>
    </message>
</context>
<context>
    <name>PrintDeck</name>
    <message>
        <source>the other card of its pair (%1) has no picture</source>
        <translation>the other card of its pair (%1) has no picture</translation>
    </message>
    <message>
        <source>cover</source>
        <translation>cover</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>card %1</translation>
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
        <translation>Record Sound</translation>
    </message>
    <message>
        <source>No sound input device</source>
        <translation>No sound input device</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Trim silence below</source>
        <translation>Trim silence below</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Recording stops by itself after %1 seconds.</source>
        <translation>Recording stops by itself after %1 seconds.</translation>
    </message>
    <message>
        <source>The sound input device offers no usable format.</source>
        <translation>The sound input device offers no usable format.</translation>
    </message>
    <message>
        <source>The sound input device could not be opened.</source>
        <translation>The sound input device could not be opened.</translation>
    </message>
    <message>
        <source>Length: %1 s</source>
        <translation>Length: %1 s</translation>
    </message>
    <message>
        <source>Recording stopped at the %1-second limit.</source>
        <translation>Recording stopped at the %1-second limit.</translation>
    </message>
    <message>
        <source>The sound input device stopped working.</source>
        <translation>The sound input device stopped working.</translation>
    </message>
    <message>
        <source>The recording could not be converted.</source>
        <translation>The recording could not be converted.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>The sound could not be played.</translation>
    </message>
    <message>
        <source>(%1 % of full scale)</source>
        <translation>(%1 % of full scale)</translation>
    </message>
    <message>
        <source> (%1 s after trimming)</source>
        <translation> (%1 s after trimming)</translation>
    </message>
    <message>
        <source>The take is all below the silence threshold: nothing to use.</source>
        <translation>The take is all below the silence threshold: nothing to use.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
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
        <translation>Saving the card&apos;s sound...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>A set named &quot;%1&quot; already exists</source>
        <translation>A set named &quot;%1&quot; already exists</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Cannot write file %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation>&quot;%1&quot; cannot name a set</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Cannot create the folder %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder beside %1</source>
        <translation>Cannot create a temporary folder beside %1</translation>
    </message>
</context>
<context>
    <name>SetArchiveCommands</name>
    <message>
        <source>Export set as file</source>
        <translation>Export set as file</translation>
    </message>
    <message>
        <source>Import set from file</source>
        <translation>Import set from file</translation>
    </message>
    <message>
        <source>Set files (*.tessellor)</source>
        <translation>Set files (*.tessellor)</translation>
    </message>
    <message>
        <source>Zip archive (*.zip)</source>
        <translation>Zip archive (*.zip)</translation>
    </message>
    <message>
        <source>Set files (*.tessellor *.zip)</source>
        <translation>Set files (*.tessellor *.zip)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set.</source>
        <translation>&quot;%1&quot; cannot name a set.</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Name of the imported set:</source>
        <translation>A set named &quot;%1&quot; already exists. Name of the imported set:</translation>
    </message>
    <message>
        <source>These entries are not a set&apos;s files and were left out:
</source>
        <translation>These entries are not a set&apos;s files and were left out:
</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... and %1 more</translation>
    </message>
    <message>
        <source>set file</source>
        <extracomment>Fills %1 of &quot;The %1 %2 was written (%3).&quot;</extracomment>
        <translation>set file</translation>
    </message>
    <message>
        <source>

These files lead out of the set&apos;s folder or are no plain files, and were left out:
</source>
        <translation>

These files lead out of the set&apos;s folder or are no plain files, and were left out:
</translation>
    </message>
</context>
<context>
    <name>SetArchivePack</name>
    <message>
        <source>Cannot write the archive %1</source>
        <translation>Cannot write the archive %1</translation>
    </message>
    <message>
        <source>Cannot write the archive %1: %2</source>
        <translation>Cannot write the archive %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Cannot read file %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>Cannot read the folder %1</translation>
    </message>
    <message>
        <source>The folder %1 holds no card set files</source>
        <translation>The folder %1 holds no card set files</translation>
    </message>
</context>
<context>
    <name>SetArchiveReader</name>
    <message>
        <source>The entry &quot;%1&quot; %2</source>
        <extracomment>%2 says what is wrong with the entry, as &quot;is a symbolic link&quot;</extracomment>
        <translation>The entry &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>The archive is damaged: %1</source>
        <translation>The archive is damaged: %1</translation>
    </message>
    <message>
        <source>The archive is damaged at the entry &quot;%1&quot;: %2</source>
        <translation>The archive is damaged at the entry &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>has an absolute path</source>
        <translation>has an absolute path</translation>
    </message>
    <message>
        <source>leads out of its folder (&quot;..&quot;)</source>
        <translation>leads out of its folder (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>has no name</translation>
    </message>
    <message>
        <source>is a hard link</source>
        <translation>is a hard link</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <translation>is a symbolic link</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>is encrypted</translation>
    </message>
    <message>
        <source>is a device or another special file</source>
        <translation>is a device or another special file</translation>
    </message>
    <message>
        <source>makes the archive hold more than %1 entries</source>
        <translation>makes the archive hold more than %1 entries</translation>
    </message>
    <message>
        <source>appears twice</source>
        <translation>appears twice</translation>
    </message>
    <message>
        <source>The archive holds no card set</source>
        <translation>The archive holds no card set</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 times its size</source>
        <translation>makes the archive unpack to more than %1 times its size</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 MB</source>
        <translation>makes the archive unpack to more than %1 MB</translation>
    </message>
</context>
<context>
    <name>SetCards</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 is missing</translation>
    </message>
</context>
<context>
    <name>SetCommands</name>
    <message>
        <source>1 card</source>
        <extracomment>Fills %1 of the question below; &quot;%1 cards&quot; is for two and more</extracomment>
        <translation>1 card</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cards</translation>
    </message>
    <message>
        <source>Changing the kind of the set changes the picture of %1. The set is then read from its folder again. Change it?</source>
        <translation>Changing the kind of the set changes the picture of %1. The set is then read from its folder again. Change it?</translation>
    </message>
</context>
<context>
    <name>SetMessages</name>
    <message>
        <source>Nome inválido !</source>
        <translation>Invalid name!</translation>
    </message>
    <message>
        <source>Você deve escolher um nome para o conjunto!</source>
        <translation>You must choose a name for the set!</translation>
    </message>
    <message>
        <source>Já existe um conjunto com esse nome! Escolha outro nome.</source>
        <translation>A set with this name already exists! Choose another name.</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Não foi possível criar o novo conjunto.Verifique se existe espaço em disco ou se o nome do conjunto que você está criando já não existe.</source>
        <translation>The new set could not be created. Check that there is space on the disk and that no set with this name exists already.</translation>
    </message>
    <message>
        <source>Você deve escolher um set!</source>
        <translation>You must choose a set!</translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Você deve escolher um diretório para importar as imagens !</source>
        <translation>You must choose a folder to import the pictures from!</translation>
    </message>
</context>
<context>
    <name>SetOverview</name>
    <message>
        <source>Set overview</source>
        <translation>Set overview</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Missing: %1</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>No sound</translation>
    </message>
    <message>
        <source>Damaged sound %1: %2</source>
        <translation>Damaged sound %1: %2</translation>
    </message>
</context>
<context>
    <name>SetScan</name>
    <message>
        <source>O arquivo %1  não existe.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Importando Conjunto</source>
        <translation>Importando Conjunto</translation>
    </message>
</context>
<context>
    <name>SoundCommands</name>
    <message>
        <source>Open Wave File</source>
        <translation>Open Wave File</translation>
    </message>
</context>
<context>
    <name>SoundImportText</name>
    <message>
        <source>Unable to read the sound file</source>
        <translation>Unable to read the sound file</translation>
    </message>
    <message>
        <source>The sound file is not a plain file (a folder, pipe or device)</source>
        <translation>The sound file is not a plain file (a folder, pipe or device)</translation>
    </message>
    <message>
        <source>The sound file has an unusable sample rate or channel count</source>
        <translation>The sound file has an unusable sample rate or channel count</translation>
    </message>
    <message>
        <source>The sound is longer than 10 minutes</source>
        <translation>The sound is longer than 10 minutes</translation>
    </message>
    <message>
        <source>The sound file holds no sound</source>
        <translation>The sound file holds no sound</translation>
    </message>
    <message>
        <source>Unable to convert the sound&apos;s sample rate</source>
        <translation>Unable to convert the sound&apos;s sample rate</translation>
    </message>
    <message>
        <source>The sound is in a format that the editor does not read</source>
        <translation>The sound is in a format that the editor does not read</translation>
    </message>
</context>
<context>
    <name>SpeakDialog</name>
    <message>
        <source>Speak text</source>
        <translation>Speak text</translation>
    </message>
    <message>
        <source> words per minute</source>
        <translation> words per minute</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voice:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>&amp;Rate:</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>The speech library could not start: %1</source>
        <translation>The speech library could not start: %1</translation>
    </message>
    <message>
        <source>The speech library speaks at %1 Hz; %2 Hz is needed</source>
        <translation>The speech library speaks at %1 Hz; %2 Hz is needed</translation>
    </message>
    <message>
        <source>The speech library has no voices</source>
        <translation>The speech library has no voices</translation>
    </message>
    <message>
        <source>Speech synthesis failed: %1</source>
        <translation>Speech synthesis failed: %1</translation>
    </message>
    <message>
        <source>The spoken text would be longer than %1 minutes: shorten the text</source>
        <translation>The spoken text would be longer than %1 minutes: shorten the text</translation>
    </message>
    <message>
        <source>Speech synthesis failed: no sound was made</source>
        <translation>Speech synthesis failed: no sound was made</translation>
    </message>
    <message>
        <source>There is no text to speak</source>
        <translation>There is no text to speak</translation>
    </message>
    <message>
        <source>The rate must be from %1 to %2 words per minute</source>
        <translation>The rate must be from %1 to %2 words per minute</translation>
    </message>
    <message>
        <source>No voice was chosen</source>
        <translation>No voice was chosen</translation>
    </message>
    <message>
        <source>Unknown voice: %1</source>
        <translation>Unknown voice: %1</translation>
    </message>
</context>
<context>
    <name>TMMWaveOpenDialog</name>
    <message>
        <source>Other sounds (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Other sounds (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)</translation>
    </message>
    <message>
        <source>Wave-Files(*.wav)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Wave-Files(*.wav)</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Auto Play</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid WaveFile...</source>
        <translation>Invalid WaveFile...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Open Wave File</source>
        <translation>Open Wave File</translation>
    </message>
</context>
<context>
    <name>TOpenPictureDialog</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Bitmaps (*.bmp)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the list of file masks.</extracomment>
        <translation>All pictures (%1)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source> (%1x%2)</source>
        <translation> (%1x%2)</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Picture:</translation>
    </message>
</context>
<context>
    <name>TfPropriedades</name>
    <message>
        <source>Proprierties</source>
        <translation>Proprierties</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Author:</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmCadastro</name>
    <message>
        <source>New set</source>
        <translation>New set</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Name :</translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Author :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmConfigurador</name>
    <message>
        <source>Varnolo Memory Game Tessellor</source>
        <translation>Varnolo Memory Game Tessellor</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The cover card, named where the other cards have their number</extracomment>
        <translation>Deck</translation>
    </message>
    <message>
        <source>The set&apos;s folder is no longer there; editing stays off until a set is opened</source>
        <translation>The set&apos;s folder is no longer there; editing stays off until a set is opened</translation>
    </message>
</context>
<context>
    <name>TfrmErroImporta</name>
    <message>
        <source>Import errors</source>
        <translation>Import errors</translation>
    </message>
    <message>
        <source>Import errors :</source>
        <translation>Import errors :</translation>
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
        <translation>Open set</translation>
    </message>
    <message>
        <source>Choose a set </source>
        <translation>Choose a set </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TfrmImportaArqs</name>
    <message>
        <source>Import files</source>
        <translation>Import files</translation>
    </message>
    <message>
        <source>Directory :</source>
        <translation>Directory :</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Browse</translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Author :</translation>
    </message>
    <message>
        <source>Import double set</source>
        <translation>Import double set</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation>Choose a folder</translation>
    </message>
</context>
<context>
    <name>TfrmPalavras</name>
    <message>
        <source>New set from word list</source>
        <translation>New set from word list</translation>
    </message>
    <message>
        <source>&amp;Name :</source>
        <translation>&amp;Name :</translation>
    </message>
    <message>
        <source>2 to 20 words or short phrases, one a line</source>
        <translation>2 to 20 words or short phrases, one a line</translation>
    </message>
    <message>
        <source>&amp;Load list...</source>
        <translation>&amp;Load list...</translation>
    </message>
    <message>
        <source>&amp;Words :</source>
        <translation>&amp;Words :</translation>
    </message>
    <message>
        <source>&amp;Double set: the second card of a pair shows the word&apos;s picture</source>
        <translation>&amp;Double set: the second card of a pair shows the word&apos;s picture</translation>
    </message>
    <message>
        <source>&amp;Voice :</source>
        <translation>&amp;Voice :</translation>
    </message>
    <message>
        <source>&amp;Pictures folder :</source>
        <translation>&amp;Pictures folder :</translation>
    </message>
    <message>
        <source>&amp;Cover picture :</source>
        <translation>&amp;Cover picture :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation>&quot;%1&quot; cannot name a set</translation>
    </message>
    <message>
        <source>The pictures folder %1 does not exist</source>
        <translation>The pictures folder %1 does not exist</translation>
    </message>
    <message>
        <source>The cover picture %1 does not exist</source>
        <translation>The cover picture %1 does not exist</translation>
    </message>
    <message>
        <source>Load word list</source>
        <translation>Load word list</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Pictures folder</source>
        <translation>Pictures folder</translation>
    </message>
    <message>
        <source>Cover picture</source>
        <translation>Cover picture</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;All files (*)</source>
        <translation>Pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;All files (*)</translation>
    </message>
</context>
<context>
    <name>WaveErrorText</name>
    <message>
        <source>Invalid wave file...</source>
        <translation>Invalid wave file...</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>Error reading wave file</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>Unable to open wave file</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>Unable to setup file IO buffer</translation>
    </message>
    <message>
        <source>Error seeking file position</source>
        <translation>Error seeking file position</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>Invalid param passed!</translation>
    </message>
    <message>
        <source>Unable to save wave file</source>
        <translation>Unable to save wave file</translation>
    </message>
    <message>
        <source>Saving was aborted</source>
        <translation>Saving was aborted</translation>
    </message>
</context>
<context>
    <name>WaveOutErrorText</name>
    <message>
        <source>Change to property while device was open</source>
        <translation>Change to property while device was open</translation>
    </message>
    <message>
        <source>No wave audio playing device found</source>
        <translation>No wave audio playing device found</translation>
    </message>
    <message>
        <source>Invalid DeviceID</source>
        <translation>Invalid DeviceID</translation>
    </message>
    <message>
        <source>Invalid wave format</source>
        <translation>Invalid wave format</translation>
    </message>
    <message>
        <source>The actual device can&apos;&apos;t play this format</source>
        <translation>The actual device can&apos;&apos;t play this format</translation>
    </message>
    <message>
        <source>Unable to open device</source>
        <translation>Unable to open device</translation>
    </message>
    <message>
        <source>Unable to close device</source>
        <translation>Unable to close device</translation>
    </message>
    <message>
        <source>Unable to allocate memory for wave header</source>
        <translation>Unable to allocate memory for wave header</translation>
    </message>
    <message>
        <source>Unable to start device</source>
        <translation>Unable to start device</translation>
    </message>
    <message>
        <source>Error filling wave buffer</source>
        <translation>Error filling wave buffer</translation>
    </message>
    <message>
        <source>Specified error number is out of range (unknown error)</source>
        <translation>Specified error number is out of range (unknown error)</translation>
    </message>
</context>
<context>
    <name>WaveSummary</name>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>%1; %2.%3 kHz, %4; %5 KB</source>
        <translation>%1; %2.%3 kHz, %4; %5 KB</translation>
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
        <translation>%1 Channels</translation>
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
        <translation>Export as web page</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Web pages (*.html *.htm)</translation>
    </message>
    <message>
        <source>The web page %1 was written (%2).</source>
        <translation>The web page %1 was written (%2).</translation>
    </message>
    <message>
        <source>It plays %1 pairs.</source>
        <translation>It plays %1 pairs.</translation>
    </message>
    <message>
        <source>Pairs left out (a picture is missing or cannot be read): %1.</source>
        <translation>Pairs left out (a picture is missing or cannot be read): %1.</translation>
    </message>
    <message>
        <source>Sounds left out:</source>
        <translation>Sounds left out:</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Not enough cards to play: %1 has %2 playable pairs, at least 2 are needed</source>
        <translation>Not enough cards to play: %1 has %2 playable pairs, at least 2 are needed</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>No such folder: %1</translation>
    </message>
    <message>
        <source>Cannot write the web page %1</source>
        <translation>Cannot write the web page %1</translation>
    </message>
    <message>
        <source>Pairs</source>
        <comment>the label of the list of pair counts</comment>
        <translation>Pairs</translation>
    </message>
    <message>
        <source>Players</source>
        <comment>the label of the list of player counts</comment>
        <translation>Players</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Turn back:</source>
        <translation>Turn back:</translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation>on the next tap</translation>
    </message>
    <message>
        <source>Show all cards at the start for:</source>
        <translation>Show all cards at the start for:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Leave full screen</translation>
    </message>
    <message>
        <source>Cards</source>
        <comment>what a screen reader calls the board</comment>
        <translation>Cards</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <comment>before the pairs found so far</comment>
        <translation>Pairs:</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Moves:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Well done!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Play again</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Start a new game?</translation>
    </message>
    <message>
        <source>The game under way will be lost.</source>
        <translation>The game under way will be lost.</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Keep playing</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>after %1 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>a number of seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Card %1 of %2</translation>
    </message>
    <message>
        <source>, face down</source>
        <comment>after &quot;Card 3 of 12&quot;</comment>
        <translation>, face down</translation>
    </message>
    <message>
        <source>, found</source>
        <comment>after &quot;Card 3 of 12&quot; and the card&apos;s name</comment>
        <translation>, found</translation>
    </message>
    <message>
        <source>, no pair</source>
        <comment>after &quot;Card 3 of 12&quot; and the card&apos;s name</comment>
        <translation>, no pair</translation>
    </message>
    <message>
        <source>%1 of %2 pairs</source>
        <comment>pairs found of pairs dealt</comment>
        <translation>%1 of %2 pairs</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <comment>%1 is a player&apos;s name</comment>
        <translation>%1&apos;s turn</translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <comment>%1: whose turn it is</comment>
        <translation>The cards are face down. %1.</translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <comment>%1: whose turn it is</comment>
        <translation>Turned back. %1.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Card %1</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <comment>%2 is the card&apos;s name</comment>
        <translation>Card %1: %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Pair found</translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <comment>%1 is the card&apos;s name</comment>
        <translation>Pair found: %1</translation>
    </message>
    <message>
        <source>%1. %2 found.%3</source>
        <comment>%1: &quot;Pair found&quot;; %2: &quot;3 of 12 pairs&quot;; %3: who plays again, or nothing</comment>
        <translation>%1. %2 found.%3</translation>
    </message>
    <message>
        <source> %1 plays again.</source>
        <comment>%1 is a player&apos;s name</comment>
        <translation> %1 plays again.</translation>
    </message>
    <message>
        <source>No pair.%1%2</source>
        <comment>%1: whose turn it is next, or nothing; %2: how the cards turn back, or nothing</comment>
        <translation>No pair.%1%2</translation>
    </message>
    <message>
        <source> %1.</source>
        <comment>after &quot;No pair.&quot;: whose turn it is</comment>
        <translation> %1.</translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation> Tap a card to turn them back.</translation>
    </message>
    <message>
        <source>%1 moves in %2</source>
        <comment>%2 is a time such as 1:05</comment>
        <translation>%1 moves in %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a player&apos;s name and pairs found</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Winner: %1</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <comment>%1 lists the players&apos; names</comment>
        <translation>Draw: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the names of players in a draw</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Well done! %1.</source>
        <comment>%1: the winner, or the moves and time</comment>
        <translation>Well done! %1.</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Name of player %1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Player %1</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <comment>all the pairs, and how many</comment>
        <translation>All (%1)</translation>
    </message>
    <message>
        <source>by %1</source>
        <comment>%1 is the set&apos;s author</comment>
        <translation>by %1</translation>
    </message>
    <message>
        <source>1 pair left out</source>
        <translation>1 pair left out</translation>
    </message>
    <message>
        <source>%1 pairs left out</source>
        <translation>%1 pairs left out</translation>
    </message>
    <message>
        <source>Pairs left out: %1</source>
        <comment>%1 lists the pairs&apos; numbers</comment>
        <translation>Pairs left out: %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Seed: %1</translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <comment>%2: whose turn it is</comment>
        <translation>%1 pairs dealt. %2.</translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</translation>
    </message>
    <message>
        <source>The address&apos;s seed &quot;%1&quot; is not a whole number from 0 to %2, so another game was dealt: seed %3.</source>
        <comment>%1 is what the page&apos;s address gave as the seed</comment>
        <translation>The address&apos;s seed &quot;%1&quot; is not a whole number from 0 to %2, so another game was dealt: seed %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as pt-BR or de</source>
        <translation>&quot;%1&quot; is not a language code such as pt-BR or de</translation>
    </message>
    <message>
        <source>There is no translation of the page into %1</source>
        <translation>There is no translation of the page into %1</translation>
    </message>
</context>
<context>
    <name>WebSound</name>
    <message>
        <source>Unable to encode the sound</source>
        <translation>Unable to encode the sound</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>The word list</source>
        <translation>The word list</translation>
    </message>
    <message>
        <source>The word list %1</source>
        <translation>The word list %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KB: it is no word list</source>
        <translation>%1 is larger than %2 KB: it is no word list</translation>
    </message>
    <message>
        <source>%1 has more than %2 words: &quot;%3&quot; is word %4</source>
        <translation>%1 has more than %2 words: &quot;%3&quot; is word %4</translation>
    </message>
    <message>
        <source>%1 needs at least %2 words, one a line</source>
        <translation>%1 needs at least %2 words, one a line</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 is not UTF-8 text</translation>
    </message>
    <message>
        <source>%1 holds a control character on line %2</source>
        <translation>%1 holds a control character on line %2</translation>
    </message>
    <message>
        <source>Cannot open the word list %1</source>
        <translation>Cannot open the word list %1</translation>
    </message>
    <message>
        <source>Cannot read the word list %1</source>
        <translation>Cannot read the word list %1</translation>
    </message>
</context>
<context>
    <name>WordSet</name>
    <message>
        <source>Cannot speak &quot;%1&quot;: %2</source>
        <translation>Cannot speak &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Unknown voice: %1</source>
        <translation>Unknown voice: %1</translation>
    </message>
    <message>
        <source>Cannot read the pictures folder %1</source>
        <translation>Cannot read the pictures folder %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card and would be cut off at its edges</source>
        <translation>&quot;%1&quot; does not fit on a card and would be cut off at its edges</translation>
    </message>
</context>
<context>
    <name>WordSetTool</name>
    <message>
        <source>--pictures needs --double</source>
        <translation>--pictures needs --double</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card and would be cut off at its edges; --yes writes it cut</source>
        <translation>&quot;%1&quot; does not fit on a card and would be cut off at its edges; --yes writes it cut</translation>
    </message>
</context>
</TS>
