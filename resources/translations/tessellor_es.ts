<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BitmapErrors</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Error al leer el flujo de datos</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>La imagen de mapa de bits no es válida</translation>
    </message>
    <message>
        <source>Win32 Error.  Code: %1.\n%2</source>
        <translation>Error de Win32.  Código: %1.\n%2</translation>
    </message>
    <message>
        <source>Out of system resources</source>
        <translation>Recursos del sistema agotados</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Error al escribir el flujo de datos</translation>
    </message>
    <message>
        <source>There is no picture to put on the card</source>
        <translation>No hay ninguna imagen que poner en la carta</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Error de JPEG #%1</translation>
    </message>
    <message>
        <source>Invalid icon</source>
        <translation>Icono no válido</translation>
    </message>
    <message>
        <source>Metafiles cannot be shown on this platform</source>
        <translation>Los metarchivos no se pueden mostrar en esta plataforma</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>No se encuentra el recurso %1</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensión de archivo de imagen desconocida (.%1)</translation>
    </message>
</context>
<context>
    <name>CardCommands</name>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>El portapapeles no contiene ninguna imagen</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nombre de la carta</translation>
    </message>
    <message>
        <source>Name of the cover:</source>
        <translation>Nombre de la portada:</translation>
    </message>
    <message>
        <source>Name of card %1:</source>
        <translation>Nombre de la carta %1:</translation>
    </message>
</context>
<context>
    <name>CardDropCommands</name>
    <message>
        <source>Drop</source>
        <extracomment>Named in Undo: &quot;Undo Drop on card 3&quot;</extracomment>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Drag card</source>
        <extracomment>Named in Undo: &quot;Undo Drag card on card 3&quot;</extracomment>
        <translation>Arrastrar carta</translation>
    </message>
</context>
<context>
    <name>CardDrops</name>
    <message>
        <source>Deck</source>
        <extracomment>The cover card, named where the other cards have their number</extracomment>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>These cards already have a sound, which the dropped file replaces: %1.</source>
        <translation>Estas cartas ya tienen un sonido, que el archivo soltado sustituirá: %1.</translation>
    </message>
    <message>
        <source>These cards already have a picture, which the dropped file replaces: %1.</source>
        <translation>Estas cartas ya tienen una imagen, que el archivo soltado sustituirá: %1.</translation>
    </message>
    <message>
        <source>Only the first %1 of the %2 files fit on the cards from %3 to the last one; the others are left out.</source>
        <translation>Solo los primeros %1 de los %2 archivos caben en las cartas desde %3 hasta la última; los demás se quedan fuera.</translation>
    </message>
    <message>
        <source>Put the files on the cards?</source>
        <translation>¿Poner los archivos en las cartas?</translation>
    </message>
</context>
<context>
    <name>CardEdits</name>
    <message>
        <source>No set is open</source>
        <translation>No hay ningún conjunto abierto</translation>
    </message>
    <message>
        <source>There is no card %1 (0 is the cover, 1 to 40 the cards)</source>
        <translation>No existe la carta %1 (0 es la portada, de 1 a 40 las cartas)</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nombre de la carta</translation>
    </message>
</context>
<context>
    <name>CardFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plateado</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
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
        <translation>No se pueden leer los nombres de las cartas</translation>
    </message>
    <message>
        <source>The card names file is larger than 1 MB; it was not read</source>
        <translation>El archivo de nombres de las cartas ocupa más de 1 MB; no se ha leído</translation>
    </message>
    <message>
        <source>Cannot delete the card names file</source>
        <translation>No se puede borrar el archivo de nombres de las cartas</translation>
    </message>
    <message>
        <source>Cannot write the card names</source>
        <translation>No se pueden guardar los nombres de las cartas</translation>
    </message>
</context>
<context>
    <name>CardPrint</name>
    <message>
        <source>No card of the set has a picture to print</source>
        <translation>Ninguna carta del conjunto tiene una imagen que imprimir</translation>
    </message>
</context>
<context>
    <name>CardText</name>
    <message>
        <source>The text box is empty. Write a blank card?</source>
        <translation>El cuadro de texto está vacío. ¿Crear una carta en blanco?</translation>
    </message>
    <message>
        <source>The text does not fit on the card and will be cut off at its edges. Write it anyway?</source>
        <translation>El texto no cabe en la carta y se cortará por los bordes. ¿Escribirlo de todos modos?</translation>
    </message>
</context>
<context>
    <name>CardUndoApply</name>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be undone.</source>
        <translation>El archivo %1 se ha modificado fuera del editor desde entonces; este paso ya no se puede deshacer.</translation>
    </message>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be redone.</source>
        <translation>El archivo %1 se ha modificado fuera del editor desde entonces; este paso ya no se puede rehacer.</translation>
    </message>
    <message>
        <source>Cannot delete file %1.</source>
        <translation>No se puede eliminar el archivo %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoFiles</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>The kept copy %1 is gone; %2 was left as it is.</source>
        <translation>La copia guardada %1 ya no existe; %2 se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>The kept copy %1 is damaged; %2 was left as it is.</source>
        <translation>La copia guardada %1 está dañada; %2 se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>No se puede crear el archivo %1.</translation>
    </message>
    <message>
        <source>Cannot write file %1.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoLog</name>
    <message>
        <source>Cannot create file %1.</source>
        <translation>No se puede crear el archivo %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoPending</name>
    <message>
        <source>%1 on the cover</source>
        <extracomment>%1 is what was done, as &quot;Paste&quot;</extracomment>
        <translation>%1 en la portada</translation>
    </message>
    <message>
        <source>%1 on card %2</source>
        <translation>%1 en la carta %2</translation>
    </message>
    <message>
        <source>Change picture</source>
        <translation>Cambiar imagen</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Cambiar sonido</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Cambiar nombre</translation>
    </message>
</context>
<context>
    <name>CardUndoStore</name>
    <message>
        <source>Cannot create folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>No se puede crear el archivo %1.</translation>
    </message>
</context>
<context>
    <name>EInOutError</name>
    <message>
        <source>File not found</source>
        <translation>No se encuentra el archivo</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lectura más allá del final del archivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
</context>
<context>
    <name>EOutOfMemory</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>EditorCommands</name>
    <message>
        <source>Insert image</source>
        <translation>Insertar imagen</translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation>Duplicar imagen</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Insertar sonido</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Speak text</source>
        <translation>Leer texto en voz alta</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Insertar texto</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Pegar imagen</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nombre de la carta</translation>
    </message>
</context>
<context>
    <name>EditorForm</name>
    <message>
        <source>Insert image</source>
        <translation>Insertar imagen</translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation>Duplicar imagen</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Insertar sonido</translation>
    </message>
    <message>
        <source>Hear Sound</source>
        <translation>Escuchar sonido</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Insertar texto</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Elegir fuente</translation>
    </message>
    <message>
        <source>Open set</source>
        <translation>Abrir conjunto</translation>
    </message>
    <message>
        <source>Salve set</source>
        <translation>Guardar conjunto</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New set...</source>
        <translation>&amp;Nuevo conjunto...</translation>
    </message>
    <message>
        <source>&amp;Open set...</source>
        <translation>&amp;Abrir conjunto...</translation>
    </message>
    <message>
        <source>&amp;Salve set...</source>
        <translation>&amp;Guardar conjunto...</translation>
    </message>
    <message>
        <source>&amp;Import set...</source>
        <translation>&amp;Importar conjunto...</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propiedades...</translation>
    </message>
    <message>
        <source>Import set from file...</source>
        <translation>Importar conjunto desde archivo...</translation>
    </message>
    <message>
        <source>Export set as file...</source>
        <translation>Exportar conjunto como archivo...</translation>
    </message>
    <message>
        <source>Export as web page...</source>
        <translation>Exportar como página web...</translation>
    </message>
    <message>
        <source>Print cards...</source>
        <translation>Imprimir cartas...</translation>
    </message>
    <message>
        <source>Recent sets</source>
        <translation>Conjuntos recientes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Grabar...</translation>
    </message>
    <message>
        <source>S&amp;peak text</source>
        <translation>&amp;Leer texto en voz alta</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Pegar imagen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Si&amp;guiente</translation>
    </message>
    <message>
        <source>P&amp;revious</source>
        <translation>A&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Set overview</source>
        <translation>Vista general del conjunto</translation>
    </message>
    <message>
        <source>Play set</source>
        <translation>Jugar con el conjunto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Card name...</source>
        <translation>Nombre de la carta...</translation>
    </message>
    <message>
        <source>New set from word list...</source>
        <translation>Nuevo conjunto a partir de una lista de palabras...</translation>
    </message>
</context>
<context>
    <name>EntryTexts</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>&amp;Rehacer: %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Grabar...</translation>
    </message>
    <message>
        <source>&amp;Record... (no sound input device)</source>
        <translation>&amp;Grabar... (no hay dispositivo de entrada de sonido)</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>The %1 %2 was written (%3).</source>
        <extracomment>%1 is the kind of file, as &quot;set file&quot;, %2 its path, %3 its size</extracomment>
        <translation>Se ha guardado el %1 %2 (%3).</translation>
    </message>
</context>
<context>
    <name>FileErrorReason</name>
    <message>
        <source>The file may not be read.</source>
        <translation>No hay permiso para leer el archivo.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>The folder is read-only.</source>
        <translation>La carpeta es de solo lectura.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>El disco es de solo lectura.</translation>
    </message>
    <message>
        <source>The file is too large for its disk.</source>
        <translation>El archivo es demasiado grande para su disco.</translation>
    </message>
    <message>
        <source>A folder has this name.</source>
        <translation>Ya hay una carpeta con este nombre.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La carpeta no existe.</translation>
    </message>
</context>
<context>
    <name>GameCardView</name>
    <message>
        <source>Card %1 of %2</source>
        <translation>Carta %1 de %2</translation>
    </message>
    <message>
        <source>, face down</source>
        <translation>, boca abajo</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, encontrada</translation>
    </message>
    <message>
        <source>, no pair</source>
        <translation>, sin pareja</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>1 pair</source>
        <translation>1 pareja</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 parejas</translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation>Leyendo las imágenes…</translation>
    </message>
    <message>
        <source>Game status</source>
        <translation>Estado de la partida</translation>
    </message>
    <message>
        <source>&amp;Pairs:</source>
        <translation>&amp;Parejas:</translation>
    </message>
    <message>
        <source>Pla&amp;yers:</source>
        <translation>&amp;Jugadores:</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Flip &amp;animation</source>
        <translation>&amp;Animación al girar</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>a los %1 s</translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation>al tocar de nuevo</translation>
    </message>
    <message>
        <source>&amp;Turn back:</source>
        <translation>&amp;Volver boca abajo:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Show all cards at the start &amp;for:</source>
        <translation>Mostrar todas las cartas al empezar &amp;durante:</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nombre del jugador %1</translation>
    </message>
    <message>
        <source>No set is open: open a set to play it.</source>
        <translation>No hay ningún conjunto abierto: abre un conjunto para jugar con él.</translation>
    </message>
    <message>
        <source>This set cannot be played: a game needs at least 2 pairs whose two pictures can be read, and this set has %1.</source>
        <translation>No se puede jugar con este conjunto: una partida necesita al menos 2 parejas cuyas dos imágenes se puedan leer, y este conjunto tiene %1.</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation>Todas (%1)</translation>
    </message>
    <message>
        <source>%1 left out</source>
        <translation>%1 fuera del juego</translation>
    </message>
    <message>
        <source>Left out, a picture missing or unreadable: %1</source>
        <translation>Fuera del juego porque falta una imagen o no se puede leer: %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Semilla: %1</translation>
    </message>
    <message>
        <source>Start this deal again with --seed %1</source>
        <translation>Repite este reparto con --seed %1</translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation>%1 parejas repartidas. Mira bien todas las cartas: se pondrán boca abajo dentro de %2 s, o al tocar.</translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <translation>%1 parejas repartidas. %2.</translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <translation>Las cartas están boca abajo. %1.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carta %1</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Carta %1: %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Pareja encontrada</translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <translation>Pareja encontrada: %1</translation>
    </message>
    <message>
        <source>%1. %2 plays again.</source>
        <translation>%1. %2 vuelve a jugar.</translation>
    </message>
    <message>
        <source>No pair. %1.</source>
        <translation>No es pareja. %1.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>No es pareja.</translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation> Toca una carta para ponerlas boca abajo.</translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <translation>De nuevo boca abajo. %1.</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Turno de %1</translation>
    </message>
    <message>
        <source>Moves: %1    Pairs found: %2 of %3    Time: %4</source>
        <translation>Jugadas: %1    Parejas encontradas: %2 de %3    Tiempo: %4</translation>
    </message>
    <message>
        <source>No set</source>
        <translation>Sin conjunto</translation>
    </message>
    <message>
        <source>%1 of %2 pairs — %3 — Tessellor</source>
        <translation>%1 de %2 parejas — %3 — Tessellor</translation>
    </message>
    <message>
        <source>%1: %2%3</source>
        <translation>%1: %2%3</translation>
    </message>
    <message>
        <source>, plays now</source>
        <translation>, juega ahora</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Jugadas: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The winner: %1</source>
        <translation>Gana: %1</translation>
    </message>
    <message>
        <source>A draw between %1</source>
        <translation>Empate entre %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Well done! %1</source>
        <translation>¡Muy bien! %1</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jugar otra vez</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessellor Help</source>
        <translation>Ayuda de Tessellor</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file %1 is not there.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;No se encuentra la ayuda&lt;/h2&gt;&lt;p&gt;El archivo de ayuda %1 no está.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tessellor</source>
        <translation>Acerca de Tessellor</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;The card set editor of the Varnolo memory game: make the cover and the forty cards of a set from pictures, texts and sounds.&lt;/p&gt;&lt;p&gt;Sets are kept in the folder %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;El editor de conjuntos de cartas del juego de memoria Varnolo: crea la portada y las cuarenta cartas de un conjunto con imágenes, textos y sonidos.&lt;/p&gt;&lt;p&gt;Los conjuntos se guardan en la carpeta %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The new language is used when Tessellor is started again.</source>
        <translation>El nuevo idioma se usará la próxima vez que se inicie Tessellor.</translation>
    </message>
    <message>
        <source>As specified</source>
        <extracomment>The program&apos;s texts as they were first written, untranslated</extracomment>
        <translation>Textos originales</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>No set is open</source>
        <translation>No hay ningún conjunto abierto</translation>
    </message>
    <message>
        <source>no author</source>
        <translation>sin autor</translation>
    </message>
    <message>
        <source>double set</source>
        <translation>conjunto doble</translation>
    </message>
    <message>
        <source>paired set</source>
        <translation>conjunto por parejas</translation>
    </message>
    <message>
        <source>%1 — %2 — %3 — %4 of %5 pictures, %6 of %5 sounds</source>
        <translation>%1 — %2 — %3 — %4 de %5 imágenes, %6 de %5 sonidos</translation>
    </message>
</context>
<context>
    <name>OverviewPainter</name>
    <message>
        <source>Deck</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañada</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>cannot start decompressing</source>
        <translation>no se puede empezar a descomprimir</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <translation>ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>the compressed drawing is damaged</source>
        <translation>el dibujo comprimido está dañado</translation>
    </message>
    <message>
        <source>Cannot read the picture in %1: %2</source>
        <translation>No se puede leer la imagen de %1: %2</translation>
    </message>
    <message>
        <source>The picture in %1 is too large (%2 x %3 pixels)</source>
        <translation>La imagen de %1 es demasiado grande (%2 x %3 píxeles)</translation>
    </message>
    <message>
        <source>The drawing in %1 cannot be used: %2</source>
        <translation>No se puede usar el dibujo de %1: %2</translation>
    </message>
    <message>
        <source>it refers to %1, outside the drawing; only pictures embedded in it can be shown</source>
        <translation>hace referencia a %1, fuera del dibujo; solo se pueden mostrar las imágenes incrustadas en él</translation>
    </message>
    <message>
        <source>an embedded picture is not stored in base64</source>
        <translation>una imagen incrustada no está guardada en base64</translation>
    </message>
    <message>
        <source>an embedded picture is damaged</source>
        <translation>una imagen incrustada está dañada</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>no es un XML bien formado (línea %1: %2)</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>sus elementos están anidados en más de %1 niveles</translation>
    </message>
    <message>
        <source>an embedded picture is of no kind that can be read</source>
        <translation>una imagen incrustada es de un tipo que no se puede leer</translation>
    </message>
    <message>
        <source>it embeds another drawing</source>
        <translation>incrusta otro dibujo</translation>
    </message>
    <message>
        <source>the size of an embedded picture cannot be read</source>
        <translation>no se puede leer el tamaño de una imagen incrustada</translation>
    </message>
    <message>
        <source>its embedded pictures have more than %1 pixels in all</source>
        <translation>sus imágenes incrustadas tienen más de %1 píxeles en total</translation>
    </message>
</context>
<context>
    <name>PlayMode</name>
    <message>
        <source>Play set</source>
        <translation>Jugar con el conjunto</translation>
    </message>
    <message>
        <source>Usage: tessellor --play SETDIR [--pairs N] [--seed S]</source>
        <translation>Uso: tessellor --play CARPETA [--pairs N] [--seed S]</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>No existe la carpeta: %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
</context>
<context>
    <name>PreviewPaintBox</name>
    <message>
        <source>(None)</source>
        <translation>(Ninguna)</translation>
    </message>
</context>
<context>
    <name>PrintCardsDialog</name>
    <message>
        <source>Print cards</source>
        <translation>Imprimir cartas</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta (EE. UU.)</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Cutting lines</source>
        <translation>Líneas de corte</translation>
    </message>
    <message>
        <source>Card backs: the cover after each page, for two-sided printing</source>
        <translation>Reversos de las cartas: la portada después de cada página, para imprimir a doble cara</translation>
    </message>
    <message>
        <source>All cards</source>
        <translation>Todas las cartas</translation>
    </message>
    <message>
        <source>Only cards of playable pairs</source>
        <translation>Solo las cartas de las parejas jugables</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papel:</translation>
    </message>
    <message>
        <source>Card size:</source>
        <translation>Tamaño de las cartas:</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Cartas:</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Vista previa...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Not printed:</source>
        <translation>Sin imprimir:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation>Guardar las cartas como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>archivo PDF</translation>
    </message>
    <message>
        <source>Names under the pictures</source>
        <translation>Nombres bajo las imágenes</translation>
    </message>
</context>
<context>
    <name>PrintDeck</name>
    <message>
        <source>the other card of its pair (%1) has no picture</source>
        <translation>la otra carta de su pareja (%1) no tiene imagen</translation>
    </message>
    <message>
        <source>cover</source>
        <translation>portada</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>carta %1</translation>
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
        <translation>Grabar sonido</translation>
    </message>
    <message>
        <source>No sound input device</source>
        <translation>No hay ningún dispositivo de entrada de sonido</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Trim silence below</source>
        <translation>Recortar el silencio por debajo de</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Recording stops by itself after %1 seconds.</source>
        <translation>La grabación se detiene sola a los %1 segundos.</translation>
    </message>
    <message>
        <source>The sound input device offers no usable format.</source>
        <translation>El dispositivo de entrada de sonido no ofrece ningún formato que se pueda usar.</translation>
    </message>
    <message>
        <source>The sound input device could not be opened.</source>
        <translation>No se pudo abrir el dispositivo de entrada de sonido.</translation>
    </message>
    <message>
        <source>Length: %1 s</source>
        <translation>Duración: %1 s</translation>
    </message>
    <message>
        <source>Recording stopped at the %1-second limit.</source>
        <translation>La grabación se detuvo al llegar al límite de %1 segundos.</translation>
    </message>
    <message>
        <source>The sound input device stopped working.</source>
        <translation>El dispositivo de entrada de sonido dejó de funcionar.</translation>
    </message>
    <message>
        <source>The recording could not be converted.</source>
        <translation>No se pudo convertir la grabación.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>No se pudo reproducir el sonido.</translation>
    </message>
    <message>
        <source>(%1 % of full scale)</source>
        <translation>(%1 % de la escala completa)</translation>
    </message>
    <message>
        <source> (%1 s after trimming)</source>
        <translation> (%1 s después de recortar)</translation>
    </message>
    <message>
        <source>The take is all below the silence threshold: nothing to use.</source>
        <translation>Toda la toma queda por debajo del umbral de silencio: no hay nada que usar.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
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
        <translation>Guardando el sonido de la carta...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SetArchive</name>
    <message>
        <source>A set named &quot;%1&quot; already exists</source>
        <translation>Ya existe un conjunto llamado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>No se puede escribir el archivo %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation>&quot;%1&quot; no puede ser el nombre de un conjunto</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder beside %1</source>
        <translation>No se puede crear una carpeta temporal junto a %1</translation>
    </message>
</context>
<context>
    <name>SetArchiveCommands</name>
    <message>
        <source>Export set as file</source>
        <translation>Exportar conjunto como archivo</translation>
    </message>
    <message>
        <source>Import set from file</source>
        <translation>Importar conjunto desde archivo</translation>
    </message>
    <message>
        <source>Set files (*.tessellor)</source>
        <translation>Archivos de conjunto (*.tessellor)</translation>
    </message>
    <message>
        <source>Zip archive (*.zip)</source>
        <translation>Archivo ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Set files (*.tessellor *.zip)</source>
        <translation>Archivos de conjunto (*.tessellor *.zip)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set.</source>
        <translation>&quot;%1&quot; no puede ser el nombre de un conjunto.</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Name of the imported set:</source>
        <translation>Ya existe un conjunto llamado &quot;%1&quot;. Nombre del conjunto importado:</translation>
    </message>
    <message>
        <source>These entries are not a set&apos;s files and were left out:
</source>
        <translation>Estas entradas no son archivos de un conjunto y se han dejado fuera:
</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... y %1 más</translation>
    </message>
    <message>
        <source>set file</source>
        <extracomment>Fills %1 of &quot;The %1 %2 was written (%3).&quot;</extracomment>
        <translation>archivo de conjunto</translation>
    </message>
    <message>
        <source>

These files lead out of the set&apos;s folder or are no plain files, and were left out:
</source>
        <translation>

Estos archivos apuntan fuera de la carpeta del conjunto o no son archivos normales, y se han dejado fuera:
</translation>
    </message>
</context>
<context>
    <name>SetArchivePack</name>
    <message>
        <source>Cannot write the archive %1</source>
        <translation>No se puede escribir el archivo comprimido %1</translation>
    </message>
    <message>
        <source>Cannot write the archive %1: %2</source>
        <translation>No se puede escribir el archivo comprimido %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>No se puede leer el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>No se puede leer la carpeta %1</translation>
    </message>
    <message>
        <source>The folder %1 holds no card set files</source>
        <translation>La carpeta %1 no contiene archivos de un conjunto de cartas</translation>
    </message>
</context>
<context>
    <name>SetArchiveReader</name>
    <message>
        <source>The entry &quot;%1&quot; %2</source>
        <extracomment>%2 says what is wrong with the entry, as &quot;is a symbolic link&quot;</extracomment>
        <translation>La entrada &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>The archive is damaged: %1</source>
        <translation>El archivo comprimido está dañado: %1</translation>
    </message>
    <message>
        <source>The archive is damaged at the entry &quot;%1&quot;: %2</source>
        <translation>El archivo comprimido está dañado en la entrada &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>has an absolute path</source>
        <translation>tiene una ruta absoluta</translation>
    </message>
    <message>
        <source>leads out of its folder (&quot;..&quot;)</source>
        <translation>sale de su carpeta (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>no tiene nombre</translation>
    </message>
    <message>
        <source>is a hard link</source>
        <translation>es un enlace físico</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>está cifrada</translation>
    </message>
    <message>
        <source>is a device or another special file</source>
        <translation>es un dispositivo u otro archivo especial</translation>
    </message>
    <message>
        <source>makes the archive hold more than %1 entries</source>
        <translation>hace que el archivo comprimido tenga más de %1 entradas</translation>
    </message>
    <message>
        <source>appears twice</source>
        <translation>aparece dos veces</translation>
    </message>
    <message>
        <source>The archive holds no card set</source>
        <translation>El archivo comprimido no contiene ningún conjunto de cartas</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 times its size</source>
        <translation>hace que el archivo comprimido ocupe al descomprimirlo más de %1 veces su tamaño</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 MB</source>
        <translation>hace que el archivo comprimido ocupe al descomprimirlo más de %1 MB</translation>
    </message>
</context>
<context>
    <name>SetCards</name>
    <message>
        <source>%1 is missing</source>
        <translation>Falta %1</translation>
    </message>
</context>
<context>
    <name>SetCommands</name>
    <message>
        <source>1 card</source>
        <extracomment>Fills %1 of the question below; &quot;%1 cards&quot; is for two and more</extracomment>
        <translation>1 carta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>Changing the kind of the set changes the picture of %1. The set is then read from its folder again. Change it?</source>
        <translation>Cambiar el tipo de conjunto cambia la imagen de %1. Después, el conjunto se vuelve a leer desde su carpeta. ¿Quieres cambiarlo?</translation>
    </message>
</context>
<context>
    <name>SetMessages</name>
    <message>
        <source>Nome inválido !</source>
        <translation>¡Nombre no válido!</translation>
    </message>
    <message>
        <source>Você deve escolher um nome para o conjunto!</source>
        <translation>¡Tienes que elegir un nombre para el conjunto!</translation>
    </message>
    <message>
        <source>Já existe um conjunto com esse nome! Escolha outro nome.</source>
        <translation>¡Ya existe un conjunto con ese nombre! Elige otro nombre.</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Não foi possível criar o novo conjunto.Verifique se existe espaço em disco ou se o nome do conjunto que você está criando já não existe.</source>
        <translation>No se pudo crear el nuevo conjunto. Comprueba que hay espacio en el disco y que no existe ya un conjunto con el nombre que le estás dando.</translation>
    </message>
    <message>
        <source>Você deve escolher um set!</source>
        <translation>¡Tienes que elegir un conjunto!</translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation>Elige una carpeta</translation>
    </message>
    <message>
        <source>Você deve escolher um diretório para importar as imagens !</source>
        <translation>¡Tienes que elegir una carpeta de la que importar las imágenes!</translation>
    </message>
</context>
<context>
    <name>SetOverview</name>
    <message>
        <source>Set overview</source>
        <translation>Vista general del conjunto</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Falta: %1</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Damaged sound %1: %2</source>
        <translation>Sonido dañado %1: %2</translation>
    </message>
</context>
<context>
    <name>SetScan</name>
    <message>
        <source>O arquivo %1  não existe.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>Importando Conjunto</source>
        <translation>Importando conjunto</translation>
    </message>
</context>
<context>
    <name>SoundCommands</name>
    <message>
        <source>Open Wave File</source>
        <translation>Abrir archivo WAVE</translation>
    </message>
</context>
<context>
    <name>SoundImportText</name>
    <message>
        <source>Unable to read the sound file</source>
        <translation>No se puede leer el archivo de sonido</translation>
    </message>
    <message>
        <source>The sound file is not a plain file (a folder, pipe or device)</source>
        <translation>El archivo de sonido no es un archivo normal (es una carpeta, una tubería o un dispositivo)</translation>
    </message>
    <message>
        <source>The sound file has an unusable sample rate or channel count</source>
        <translation>El archivo de sonido tiene una frecuencia de muestreo o un número de canales que no se pueden usar</translation>
    </message>
    <message>
        <source>The sound is longer than 10 minutes</source>
        <translation>El sonido dura más de 10 minutos</translation>
    </message>
    <message>
        <source>The sound file holds no sound</source>
        <translation>El archivo de sonido no contiene ningún sonido</translation>
    </message>
    <message>
        <source>Unable to convert the sound&apos;s sample rate</source>
        <translation>No se puede convertir la frecuencia de muestreo del sonido</translation>
    </message>
    <message>
        <source>The sound is in a format that the editor does not read</source>
        <translation>El sonido está en un formato que el editor no puede leer</translation>
    </message>
</context>
<context>
    <name>SpeakDialog</name>
    <message>
        <source>Speak text</source>
        <translation>Leer texto en voz alta</translation>
    </message>
    <message>
        <source> words per minute</source>
        <translation> palabras por minuto</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>V&amp;elocidad:</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>The speech library could not start: %1</source>
        <translation>No se pudo iniciar la biblioteca de síntesis de voz: %1</translation>
    </message>
    <message>
        <source>The speech library speaks at %1 Hz; %2 Hz is needed</source>
        <translation>La biblioteca de síntesis de voz produce el sonido a %1 Hz; se necesitan %2 Hz</translation>
    </message>
    <message>
        <source>The speech library has no voices</source>
        <translation>La biblioteca de síntesis de voz no tiene voces</translation>
    </message>
    <message>
        <source>Speech synthesis failed: %1</source>
        <translation>Falló la síntesis de voz: %1</translation>
    </message>
    <message>
        <source>The spoken text would be longer than %1 minutes: shorten the text</source>
        <translation>El texto leído duraría más de %1 minutos: acorta el texto</translation>
    </message>
    <message>
        <source>Speech synthesis failed: no sound was made</source>
        <translation>Falló la síntesis de voz: no se produjo ningún sonido</translation>
    </message>
    <message>
        <source>There is no text to speak</source>
        <translation>No hay ningún texto que leer</translation>
    </message>
    <message>
        <source>The rate must be from %1 to %2 words per minute</source>
        <translation>La velocidad debe estar entre %1 y %2 palabras por minuto</translation>
    </message>
    <message>
        <source>No voice was chosen</source>
        <translation>No se ha elegido ninguna voz</translation>
    </message>
    <message>
        <source>Unknown voice: %1</source>
        <translation>Voz desconocida: %1</translation>
    </message>
</context>
<context>
    <name>TMMWaveOpenDialog</name>
    <message>
        <source>Other sounds (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Otros sonidos (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)</translation>
    </message>
    <message>
        <source>Wave-Files(*.wav)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Archivos WAVE (*.wav)</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Escucha previa</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Reproducción automática</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid WaveFile...</source>
        <translation>Archivo WAVE no válido...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Open Wave File</source>
        <translation>Abrir archivo WAVE</translation>
    </message>
</context>
<context>
    <name>TOpenPictureDialog</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Mapas de bits (*.bmp)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the list of file masks.</extracomment>
        <translation>Todas las imágenes (%1)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source> (%1x%2)</source>
        <translation> (%1x%2)</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
</context>
<context>
    <name>TfPropriedades</name>
    <message>
        <source>Proprierties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmCadastro</name>
    <message>
        <source>New set</source>
        <translation>Nuevo conjunto</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmConfigurador</name>
    <message>
        <source>Varnolo Memory Game Tessellor</source>
        <translation>Juego de memoria Varnolo Tessellor</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The cover card, named where the other cards have their number</extracomment>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>The set&apos;s folder is no longer there; editing stays off until a set is opened</source>
        <translation>La carpeta del conjunto ya no existe; la edición queda desactivada hasta que se abra un conjunto</translation>
    </message>
</context>
<context>
    <name>TfrmErroImporta</name>
    <message>
        <source>Import errors</source>
        <translation>Errores de importación</translation>
    </message>
    <message>
        <source>Import errors :</source>
        <translation>Errores de importación:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmImporta</name>
    <message>
        <source>Open set</source>
        <translation>Abrir conjunto</translation>
    </message>
    <message>
        <source>Choose a set </source>
        <translation>Elige un conjunto </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmImportaArqs</name>
    <message>
        <source>Import files</source>
        <translation>Importar archivos</translation>
    </message>
    <message>
        <source>Directory :</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Import double set</source>
        <translation>Importar conjunto doble</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation>Elige una carpeta</translation>
    </message>
</context>
<context>
    <name>TfrmPalavras</name>
    <message>
        <source>New set from word list</source>
        <translation>Nuevo conjunto a partir de una lista de palabras</translation>
    </message>
    <message>
        <source>&amp;Name :</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>2 to 20 words or short phrases, one a line</source>
        <translation>De 2 a 20 palabras o frases cortas, una por línea</translation>
    </message>
    <message>
        <source>&amp;Load list...</source>
        <translation>&amp;Cargar lista...</translation>
    </message>
    <message>
        <source>&amp;Words :</source>
        <translation>Pala&amp;bras:</translation>
    </message>
    <message>
        <source>&amp;Double set: the second card of a pair shows the word&apos;s picture</source>
        <translation>Conjunto &amp;doble: la segunda carta de cada pareja muestra la imagen de la palabra</translation>
    </message>
    <message>
        <source>&amp;Voice :</source>
        <translation>V&amp;oz:</translation>
    </message>
    <message>
        <source>&amp;Pictures folder :</source>
        <translation>Carpeta de &amp;imágenes:</translation>
    </message>
    <message>
        <source>&amp;Cover picture :</source>
        <translation>Imagen de la &amp;portada:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation>&quot;%1&quot; no puede ser el nombre de un conjunto</translation>
    </message>
    <message>
        <source>The pictures folder %1 does not exist</source>
        <translation>La carpeta de imágenes %1 no existe</translation>
    </message>
    <message>
        <source>The cover picture %1 does not exist</source>
        <translation>La imagen de la portada %1 no existe</translation>
    </message>
    <message>
        <source>Load word list</source>
        <translation>Cargar lista de palabras</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Pictures folder</source>
        <translation>Carpeta de imágenes</translation>
    </message>
    <message>
        <source>Cover picture</source>
        <translation>Imagen de la portada</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;All files (*)</source>
        <translation>Imágenes (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>WaveErrorText</name>
    <message>
        <source>Invalid wave file...</source>
        <translation>Archivo WAVE no válido...</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>Error al leer el archivo WAVE</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>No se puede abrir el archivo WAVE</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>No se puede preparar el búfer de E/S del archivo</translation>
    </message>
    <message>
        <source>Error seeking file position</source>
        <translation>Error al buscar la posición en el archivo</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>¡Se ha pasado un parámetro no válido!</translation>
    </message>
    <message>
        <source>Unable to save wave file</source>
        <translation>No se puede guardar el archivo WAVE</translation>
    </message>
    <message>
        <source>Saving was aborted</source>
        <translation>Se interrumpió el guardado</translation>
    </message>
</context>
<context>
    <name>WaveOutErrorText</name>
    <message>
        <source>Change to property while device was open</source>
        <translation>Se cambió una propiedad mientras el dispositivo estaba abierto</translation>
    </message>
    <message>
        <source>No wave audio playing device found</source>
        <translation>No se ha encontrado ningún dispositivo de reproducción de sonido</translation>
    </message>
    <message>
        <source>Invalid DeviceID</source>
        <translation>Identificador de dispositivo (DeviceID) no válido</translation>
    </message>
    <message>
        <source>Invalid wave format</source>
        <translation>Formato WAVE no válido</translation>
    </message>
    <message>
        <source>The actual device can&apos;&apos;t play this format</source>
        <translation>El dispositivo actual no puede reproducir este formato</translation>
    </message>
    <message>
        <source>Unable to open device</source>
        <translation>No se puede abrir el dispositivo</translation>
    </message>
    <message>
        <source>Unable to close device</source>
        <translation>No se puede cerrar el dispositivo</translation>
    </message>
    <message>
        <source>Unable to allocate memory for wave header</source>
        <translation>No se puede reservar memoria para la cabecera WAVE</translation>
    </message>
    <message>
        <source>Unable to start device</source>
        <translation>No se puede iniciar el dispositivo</translation>
    </message>
    <message>
        <source>Error filling wave buffer</source>
        <translation>Error al llenar el búfer de sonido</translation>
    </message>
    <message>
        <source>Specified error number is out of range (unknown error)</source>
        <translation>El número de error indicado está fuera de rango (error desconocido)</translation>
    </message>
</context>
<context>
    <name>WaveSummary</name>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
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
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>%1 Channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>%1%2%3 kHz%4 %5 Bit%4 %6</source>
        <translation>%1%2%3 kHz%4 %5 bits%4 %6</translation>
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
        <translation>Exportar como página web</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Páginas web (*.html *.htm)</translation>
    </message>
    <message>
        <source>The web page %1 was written (%2).</source>
        <translation>Se ha guardado la página web %1 (%2).</translation>
    </message>
    <message>
        <source>It plays %1 pairs.</source>
        <translation>Se juega con %1 parejas.</translation>
    </message>
    <message>
        <source>Pairs left out (a picture is missing or cannot be read): %1.</source>
        <translation>Parejas fuera del juego (falta una imagen o no se puede leer): %1.</translation>
    </message>
    <message>
        <source>Sounds left out:</source>
        <translation>Sonidos que se han dejado fuera:</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Not enough cards to play: %1 has %2 playable pairs, at least 2 are needed</source>
        <translation>No hay cartas suficientes para jugar: %1 tiene %2 parejas jugables y se necesitan al menos 2</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>No existe la carpeta: %1</translation>
    </message>
    <message>
        <source>Cannot write the web page %1</source>
        <translation>No se puede escribir la página web %1</translation>
    </message>
    <message>
        <source>Pairs</source>
        <comment>the label of the list of pair counts</comment>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Players</source>
        <comment>the label of the list of player counts</comment>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Turn back:</source>
        <translation>Volver boca abajo:</translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation>al tocar de nuevo</translation>
    </message>
    <message>
        <source>Show all cards at the start for:</source>
        <translation>Mostrar todas las cartas al empezar durante:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
    <message>
        <source>Cards</source>
        <comment>what a screen reader calls the board</comment>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <comment>before the pairs found so far</comment>
        <translation>Parejas:</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Jugadas:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jugar otra vez</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>¿Empezar una nueva partida?</translation>
    </message>
    <message>
        <source>The game under way will be lost.</source>
        <translation>Se perderá la partida en curso.</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Seguir jugando</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>a los %1 s</translation>
    </message>
    <message>
        <source>%1 s</source>
        <comment>a number of seconds</comment>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Carta %1 de %2</translation>
    </message>
    <message>
        <source>, face down</source>
        <comment>after &quot;Card 3 of 12&quot;</comment>
        <translation>, boca abajo</translation>
    </message>
    <message>
        <source>, found</source>
        <comment>after &quot;Card 3 of 12&quot; and the card&apos;s name</comment>
        <translation>, encontrada</translation>
    </message>
    <message>
        <source>, no pair</source>
        <comment>after &quot;Card 3 of 12&quot; and the card&apos;s name</comment>
        <translation>, sin pareja</translation>
    </message>
    <message>
        <source>%1 of %2 pairs</source>
        <comment>pairs found of pairs dealt</comment>
        <translation>%1 de %2 parejas</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <comment>%1 is a player&apos;s name</comment>
        <translation>Turno de %1</translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <comment>%1: whose turn it is</comment>
        <translation>Las cartas están boca abajo. %1.</translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <comment>%1: whose turn it is</comment>
        <translation>De nuevo boca abajo. %1.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Carta %1</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <comment>%2 is the card&apos;s name</comment>
        <translation>Carta %1: %2</translation>
    </message>
    <message>
        <source>Pair found</source>
        <translation>Pareja encontrada</translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <comment>%1 is the card&apos;s name</comment>
        <translation>Pareja encontrada: %1</translation>
    </message>
    <message>
        <source>%1. %2 found.%3</source>
        <comment>%1: &quot;Pair found&quot;; %2: &quot;3 of 12 pairs&quot;; %3: who plays again, or nothing</comment>
        <translation>%1. %2 encontradas.%3</translation>
    </message>
    <message>
        <source> %1 plays again.</source>
        <comment>%1 is a player&apos;s name</comment>
        <translation> %1 vuelve a jugar.</translation>
    </message>
    <message>
        <source>No pair.%1%2</source>
        <comment>%1: whose turn it is next, or nothing; %2: how the cards turn back, or nothing</comment>
        <translation>No es pareja.%1%2</translation>
    </message>
    <message>
        <source> %1.</source>
        <comment>after &quot;No pair.&quot;: whose turn it is</comment>
        <translation> %1.</translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation> Toca una carta para ponerlas boca abajo.</translation>
    </message>
    <message>
        <source>%1 moves in %2</source>
        <comment>%2 is a time such as 1:05</comment>
        <translation>%1 jugadas en %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a player&apos;s name and pairs found</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Gana: %1</translation>
    </message>
    <message>
        <source>Draw: %1</source>
        <comment>%1 lists the players&apos; names</comment>
        <translation>Empate: %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the names of players in a draw</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Well done! %1.</source>
        <comment>%1: the winner, or the moves and time</comment>
        <translation>¡Muy bien! %1.</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nombre del jugador %1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <comment>all the pairs, and how many</comment>
        <translation>Todas (%1)</translation>
    </message>
    <message>
        <source>by %1</source>
        <comment>%1 is the set&apos;s author</comment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>1 pair left out</source>
        <translation>1 pareja fuera del juego</translation>
    </message>
    <message>
        <source>%1 pairs left out</source>
        <translation>%1 parejas fuera del juego</translation>
    </message>
    <message>
        <source>Pairs left out: %1</source>
        <comment>%1 lists the pairs&apos; numbers</comment>
        <translation>Parejas fuera del juego: %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Semilla: %1</translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <comment>%2: whose turn it is</comment>
        <translation>%1 parejas repartidas. %2.</translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation>%1 parejas repartidas. Mira bien todas las cartas: se pondrán boca abajo dentro de %2 s, o al tocar.</translation>
    </message>
    <message>
        <source>The address&apos;s seed &quot;%1&quot; is not a whole number from 0 to %2, so another game was dealt: seed %3.</source>
        <comment>%1 is what the page&apos;s address gave as the seed</comment>
        <translation>La semilla de la dirección, &quot;%1&quot;, no es un número entero de 0 a %2, así que se ha repartido otra partida: semilla %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as pt-BR or de</source>
        <translation>&quot;%1&quot; no es un código de idioma como pt-BR o de</translation>
    </message>
    <message>
        <source>There is no translation of the page into %1</source>
        <translation>No hay traducción de la página a %1</translation>
    </message>
</context>
<context>
    <name>WebSound</name>
    <message>
        <source>Unable to encode the sound</source>
        <translation>No se puede codificar el sonido</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>The word list</source>
        <translation>La lista de palabras</translation>
    </message>
    <message>
        <source>The word list %1</source>
        <translation>La lista de palabras %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KB: it is no word list</source>
        <translation>%1 ocupa más de %2 KB: no es una lista de palabras</translation>
    </message>
    <message>
        <source>%1 has more than %2 words: &quot;%3&quot; is word %4</source>
        <translation>%1 tiene más de %2 palabras: &quot;%3&quot; es la palabra %4</translation>
    </message>
    <message>
        <source>%1 needs at least %2 words, one a line</source>
        <translation>%1 necesita al menos %2 palabras, una por línea</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 no es texto UTF-8</translation>
    </message>
    <message>
        <source>%1 holds a control character on line %2</source>
        <translation>%1 contiene un carácter de control en la línea %2</translation>
    </message>
    <message>
        <source>Cannot open the word list %1</source>
        <translation>No se puede abrir la lista de palabras %1</translation>
    </message>
    <message>
        <source>Cannot read the word list %1</source>
        <translation>No se puede leer la lista de palabras %1</translation>
    </message>
</context>
<context>
    <name>WordSet</name>
    <message>
        <source>Cannot speak &quot;%1&quot;: %2</source>
        <translation>No se puede pronunciar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Unknown voice: %1</source>
        <translation>Voz desconocida: %1</translation>
    </message>
    <message>
        <source>Cannot read the pictures folder %1</source>
        <translation>No se puede leer la carpeta de imágenes %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card and would be cut off at its edges</source>
        <translation>&quot;%1&quot; no cabe en una carta y se cortaría por los bordes</translation>
    </message>
</context>
<context>
    <name>WordSetTool</name>
    <message>
        <source>--pictures needs --double</source>
        <translation>--pictures necesita --double</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card and would be cut off at its edges; --yes writes it cut</source>
        <translation>&quot;%1&quot; no cabe en una carta y se cortaría por los bordes; --yes la escribe cortada</translation>
    </message>
</context>
</TS>
