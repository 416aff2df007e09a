<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CardCommands</name>
    <message>
        <source>The clipboard holds no picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardDropCommands</name>
    <message>
        <source>Drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardDrops</name>
    <message>
        <source>Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These cards already have a sound, which the dropped file replaces: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These cards already have a picture, which the dropped file replaces: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 of the %2 files fit on the cards from %3 to the last one; the others are left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the files on the cards?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardFontDialog</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardUndoApply</name>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be redone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardUndoFiles</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept copy %1 is gone; %2 was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept copy %1 is damaged; %2 was left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardUndoLog</name>
    <message>
        <source>Cannot create file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardUndoPending</name>
    <message>
        <source>%1 on the cover</source>
        <extracomment>%1 is what was done, as &quot;Paste&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on card %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardUndoStore</name>
    <message>
        <source>Cannot create folder %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EInOutError</name>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EOutOfMemory</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorCommands</name>
    <message>
        <source>Insert image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditorForm</name>
    <message>
        <source>Insert image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hear Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salve set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salve set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import set...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import set from file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export set as file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as web page...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print cards...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;peak text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;revious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryTexts</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record... (no sound input device)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>The %1 %2 was written (%3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileErrorReason</name>
    <message>
        <source>The file may not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large for its disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder has this name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameCardView</name>
    <message>
        <source>Card %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, no pair</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>1 pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pairs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pla&amp;yers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip &amp;animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Turn back:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all cards at the start &amp;for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No set is open: open a set to play it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This set cannot be played: a game needs at least 2 pairs whose two pictures can be read, and this set has %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out, a picture missing or unreadable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start this deal again with --seed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2 plays again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pair. %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves: %1    Pairs found: %2 of %3    Time: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 pairs — %3 — Tessellor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, plays now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The winner: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A draw between %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done! %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessellor Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file %1 is not there.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tessellor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;The card set editor of the Varnolo memory game: make the cover and the forty cards of a set from pictures, texts and sounds.&lt;/p&gt;&lt;p&gt;Sets are kept in the folder %2.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The new language is used when Tessellor is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As specified</source>
        <extracomment>The program&apos;s texts as they were first written, untranslated</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>No set is open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paired set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2 — %3 — %4 of %5 pictures, %6 of %5 sounds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Play set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: tessellor --play SETDIR [--pairs N] [--seed S]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordDialog</name>
    <message>
        <source>Record Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound input device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim silence below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording stops by itself after %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound input device offers no usable format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound input device could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length: %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording stopped at the %1-second limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound input device stopped working.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording could not be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 % of full scale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 s after trimming)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The take is all below the silence threshold: nothing to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dBFS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveProgressView</name>
    <message>
        <source>Saving the card&apos;s sound...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>A set named &quot;%1&quot; already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a temporary folder beside %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetArchiveCommands</name>
    <message>
        <source>Export set as file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import set from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set files (*.tessellor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zip archive (*.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set files (*.tessellor *.zip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Name of the imported set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These entries are not a set&apos;s files and were left out:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

These files lead out of the set&apos;s folder or are no plain files, and were left out:
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetArchivePack</name>
    <message>
        <source>Cannot write the archive %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the archive %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 holds no card set files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetArchiveReader</name>
    <message>
        <source>The entry &quot;%1&quot; %2</source>
        <extracomment>%2 says what is wrong with the entry, as &quot;is a symbolic link&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive is damaged at the entry &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has an absolute path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leads out of its folder (&quot;..&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a hard link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a device or another special file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>makes the archive hold more than %1 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>appears twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive holds no card set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 times its size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetCommands</name>
    <message>
        <source>1 card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing the kind of the set changes the picture of %1. The set is then read from its folder again. Change it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetMessages</name>
    <message>
        <source>Nome inválido !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Você deve escolher um nome para o conjunto!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Já existe um conjunto com esse nome! Escolha outro nome.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Não foi possível criar o novo conjunto.Verifique se existe espaço em disco ou se o nome do conjunto que você está criando já não existe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Você deve escolher um set!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Você deve escolher um diretório para importar as imagens !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetOverview</name>
    <message>
        <source>Set overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged sound %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetScan</name>
    <message>
        <source>O arquivo %1  não existe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importando Conjunto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundCommands</name>
    <message>
        <source>Open Wave File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfPropriedades</name>
    <message>
        <source>Proprierties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmCadastro</name>
    <message>
        <source>New set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmConfigurador</name>
    <message>
        <source>Varnolo Memory Game Tessellor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The set&apos;s folder is no longer there; editing stays off until a set is opened</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmErroImporta</name>
    <message>
        <source>Import errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import errors :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmImporta</name>
    <message>
        <source>Open set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a set </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TfrmImportaArqs</name>
    <message>
        <source>Import files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import double set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
