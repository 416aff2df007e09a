<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BitmapErrors</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não foi possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Erro de leitura do fluxo de dados</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>A imagem bitmap não é válida</translation>
    </message>
    <message>
        <source>Win32 Error.  Code: %1.\n%2</source>
        <translation>Erro do Win32.  Código: %1.\n%2</translation>
    </message>
    <message>
        <source>Out of system resources</source>
        <translation>Recursos do sistema esgotados</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erro de gravação do fluxo de dados</translation>
    </message>
    <message>
        <source>There is no picture to put on the card</source>
        <translation>Não há nenhuma imagem para colocar na carta</translation>
    </message>
    <message>
        <source>JPEG error #%1</source>
        <translation>Erro de JPEG #%1</translation>
    </message>
    <message>
        <source>Invalid icon</source>
        <translation>Ícone inválido</translation>
    </message>
    <message>
        <source>Metafiles cannot be shown on this platform</source>
        <translation>Metarquivos não podem ser mostrados nesta plataforma</translation>
    </message>
    <message>
        <source>Resource %1 not found</source>
        <translation>Recurso %1 não encontrado</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Unknown picture file extension (.%1)</source>
        <translation>Extensão de arquivo de imagem desconhecida (.%1)</translation>
    </message>
</context>
<context>
    <name>CardCommands</name>
    <message>
        <source>The clipboard holds no picture</source>
        <translation>A área de transferência não contém nenhuma imagem</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nome da carta</translation>
    </message>
    <message>
        <source>Name of the cover:</source>
        <translation>Nome da capa:</translation>
    </message>
    <message>
        <source>Name of card %1:</source>
        <translation>Nome da carta %1:</translation>
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
        <translation>Arrastar carta</translation>
    </message>
</context>
<context>
    <name>CardDrops</name>
    <message>
        <source>Deck</source>
        <extracomment>The cover card, named where the other cards have their number</extracomment>
        <translation>Capa</translation>
    </message>
    <message>
        <source>These cards already have a sound, which the dropped file replaces: %1.</source>
        <translation>Estas cartas já têm um som, que o arquivo solto vai substituir: %1.</translation>
    </message>
    <message>
        <source>These cards already have a picture, which the dropped file replaces: %1.</source>
        <translation>Estas cartas já têm uma imagem, que o arquivo solto vai substituir: %1.</translation>
    </message>
    <message>
        <source>Only the first %1 of the %2 files fit on the cards from %3 to the last one; the others are left out.</source>
        <translation>Só os primeiros %1 dos %2 arquivos cabem nas cartas de %3 até a última; os outros ficam de fora.</translation>
    </message>
    <message>
        <source>Put the files on the cards?</source>
        <translation>Colocar os arquivos nas cartas?</translation>
    </message>
</context>
<context>
    <name>CardEdits</name>
    <message>
        <source>No set is open</source>
        <translation>Nenhum conjunto está aberto</translation>
    </message>
    <message>
        <source>There is no card %1 (0 is the cover, 1 to 40 the cards)</source>
        <translation>Não existe a carta %1 (0 é a capa, de 1 a 40 as cartas)</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nome da carta</translation>
    </message>
</context>
<context>
    <name>CardFontDialog</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordô</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Verde-oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Azul-petróleo</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde-limão</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fúcsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Cor:</translation>
    </message>
</context>
<context>
    <name>CardNames</name>
    <message>
        <source>Cannot read the card names</source>
        <translation>Não foi possível ler os nomes das cartas</translation>
    </message>
    <message>
        <source>The card names file is larger than 1 MB; it was not read</source>
        <translation>O arquivo de nomes das cartas tem mais de 1 MB; ele não foi lido</translation>
    </message>
    <message>
        <source>Cannot delete the card names file</source>
        <translation>Não foi possível apagar o arquivo de nomes das cartas</translation>
    </message>
    <message>
        <source>Cannot write the card names</source>
        <translation>Não foi possível gravar os nomes das cartas</translation>
    </message>
</context>
<context>
    <name>CardPrint</name>
    <message>
        <source>No card of the set has a picture to print</source>
        <translation>Nenhuma carta do conjunto tem imagem para imprimir</translation>
    </message>
</context>
<context>
    <name>CardText</name>
    <message>
        <source>The text box is empty. Write a blank card?</source>
        <translation>A caixa de texto está vazia. Deixar a carta em branco?</translation>
    </message>
    <message>
        <source>The text does not fit on the card and will be cut off at its edges. Write it anyway?</source>
        <translation>O texto não cabe na carta e será cortado nas bordas. Colocar o texto mesmo assim?</translation>
    </message>
</context>
<context>
    <name>CardUndoApply</name>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be undone.</source>
        <translation>O arquivo %1 foi alterado fora do editor depois disso; esta etapa não pode mais ser desfeita.</translation>
    </message>
    <message>
        <source>The file %1 was changed outside the editor since; this step can no longer be redone.</source>
        <translation>O arquivo %1 foi alterado fora do editor depois disso; esta etapa não pode mais ser refeita.</translation>
    </message>
    <message>
        <source>Cannot delete file %1.</source>
        <translation>Não foi possível excluir o arquivo %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoFiles</name>
    <message>
        <source>Cannot open file %1.</source>
        <translation>Não foi possível abrir o arquivo %1.</translation>
    </message>
    <message>
        <source>Cannot read file %1.</source>
        <translation>Não foi possível ler o arquivo %1.</translation>
    </message>
    <message>
        <source>The kept copy %1 is gone; %2 was left as it is.</source>
        <translation>A cópia guardada %1 não existe mais; %2 ficou como estava.</translation>
    </message>
    <message>
        <source>The kept copy %1 is damaged; %2 was left as it is.</source>
        <translation>A cópia guardada %1 está danificada; %2 ficou como estava.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Não foi possível criar o arquivo %1.</translation>
    </message>
    <message>
        <source>Cannot write file %1.</source>
        <translation>Não foi possível gravar o arquivo %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoLog</name>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Não foi possível criar o arquivo %1.</translation>
    </message>
</context>
<context>
    <name>CardUndoPending</name>
    <message>
        <source>%1 on the cover</source>
        <extracomment>%1 is what was done, as &quot;Paste&quot;</extracomment>
        <translation>%1 na capa</translation>
    </message>
    <message>
        <source>%1 on card %2</source>
        <translation>%1 na carta %2</translation>
    </message>
    <message>
        <source>Change picture</source>
        <translation>Trocar imagem</translation>
    </message>
    <message>
        <source>Change sound</source>
        <translation>Trocar som</translation>
    </message>
    <message>
        <source>Change name</source>
        <translation>Mudar nome</translation>
    </message>
</context>
<context>
    <name>CardUndoStore</name>
    <message>
        <source>Cannot create folder %1.</source>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>Cannot create file %1.</source>
        <translation>Não foi possível criar o arquivo %1.</translation>
    </message>
</context>
<context>
    <name>EInOutError</name>
    <message>
        <source>File not found</source>
        <translation>Arquivo não encontrado</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Nome de arquivo inválido</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Arquivos abertos demais</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acesso ao arquivo negado</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Leitura além do fim do arquivo</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco cheio</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Erro de E/S %1</translation>
    </message>
</context>
<context>
    <name>EOutOfMemory</name>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
</context>
<context>
    <name>EditorCommands</name>
    <message>
        <source>Insert image</source>
        <translation>Inserir imagem</translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation>Duplicar imagem</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Inserir som</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Speak text</source>
        <translation>Falar texto</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Inserir texto</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Colar imagem</translation>
    </message>
    <message>
        <source>Card name</source>
        <translation>Nome da carta</translation>
    </message>
</context>
<context>
    <name>EditorForm</name>
    <message>
        <source>Insert image</source>
        <translation>Inserir imagem</translation>
    </message>
    <message>
        <source>Duplicate Imagem</source>
        <translation>Duplicar imagem</translation>
    </message>
    <message>
        <source>Insert Sound</source>
        <translation>Inserir som</translation>
    </message>
    <message>
        <source>Hear Sound</source>
        <translation>Ouvir som</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Inserir texto</translation>
    </message>
    <message>
        <source>Choose Font</source>
        <translation>Escolher fonte</translation>
    </message>
    <message>
        <source>Open set</source>
        <translation>Abrir conjunto</translation>
    </message>
    <message>
        <source>Salve set</source>
        <translation>Salvar conjunto</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New set...</source>
        <translation>&amp;Novo conjunto...</translation>
    </message>
    <message>
        <source>&amp;Open set...</source>
        <translation>&amp;Abrir conjunto...</translation>
    </message>
    <message>
        <source>&amp;Salve set...</source>
        <translation>&amp;Salvar conjunto...</translation>
    </message>
    <message>
        <source>&amp;Import set...</source>
        <translation>&amp;Importar conjunto...</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Propriedades...</translation>
    </message>
    <message>
        <source>Import set from file...</source>
        <translation>Importar conjunto de um arquivo...</translation>
    </message>
    <message>
        <source>Export set as file...</source>
        <translation>Exportar conjunto como arquivo...</translation>
    </message>
    <message>
        <source>Export as web page...</source>
        <translation>Exportar como página da web...</translation>
    </message>
    <message>
        <source>Print cards...</source>
        <translation>Imprimir cartas...</translation>
    </message>
    <message>
        <source>Recent sets</source>
        <translation>Conjuntos recentes</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Imagem</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>Hear</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Gravar...</translation>
    </message>
    <message>
        <source>S&amp;peak text</source>
        <translation>&amp;Falar texto</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texto</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Paste picture</source>
        <translation>Colar imagem</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Próxima</translation>
    </message>
    <message>
        <source>P&amp;revious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Set overview</source>
        <translation>Visão geral do conjunto</translation>
    </message>
    <message>
        <source>Play set</source>
        <translation>Jogar conjunto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Sobre ...</translation>
    </message>
    <message>
        <source>Card name...</source>
        <translation>Nome da carta...</translation>
    </message>
    <message>
        <source>New set from word list...</source>
        <translation>Novo conjunto a partir de uma lista de palavras...</translation>
    </message>
</context>
<context>
    <name>EntryTexts</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Desfazer %1</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <extracomment>%1 is the step, as &quot;Paste on card 10&quot;</extracomment>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>R&amp;edo %1</source>
        <translation>&amp;Refazer %1</translation>
    </message>
    <message>
        <source>&amp;Record...</source>
        <translation>&amp;Gravar...</translation>
    </message>
    <message>
        <source>&amp;Record... (no sound input device)</source>
        <translation>&amp;Gravar... (nenhum dispositivo de entrada de som)</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>The %1 %2 was written (%3).</source>
        <extracomment>%1 is the kind of file, as &quot;set file&quot;, %2 its path, %3 its size</extracomment>
        <translation>O %1 %2 foi gravado (%3).</translation>
    </message>
</context>
<context>
    <name>FileErrorReason</name>
    <message>
        <source>The file may not be read.</source>
        <translation>Não há permissão para ler o arquivo.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>O arquivo é somente leitura.</translation>
    </message>
    <message>
        <source>The folder is read-only.</source>
        <translation>A pasta é somente leitura.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>O disco está cheio.</translation>
    </message>
    <message>
        <source>The disk is read-only.</source>
        <translation>O disco é somente leitura.</translation>
    </message>
    <message>
        <source>The file is too large for its disk.</source>
        <translation>O arquivo é grande demais para o seu disco.</translation>
    </message>
    <message>
        <source>A folder has this name.</source>
        <translation>Já existe uma pasta com este nome.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>A pasta não existe.</translation>
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
        <translation>, virada para baixo</translation>
    </message>
    <message>
        <source>, found</source>
        <translation>, encontrada</translation>
    </message>
    <message>
        <source>, no pair</source>
        <translation>, sem par</translation>
    </message>
</context>
<context>
    <name>GameWindow</name>
    <message>
        <source>1 pair</source>
        <translation>1 par</translation>
    </message>
    <message>
        <source>%1 pairs</source>
        <translation>%1 pares</translation>
    </message>
    <message>
        <source>Reading the pictures…</source>
        <translation>Lendo as imagens…</translation>
    </message>
    <message>
        <source>Game status</source>
        <translation>Situação do jogo</translation>
    </message>
    <message>
        <source>&amp;Pairs:</source>
        <translation>&amp;Pares:</translation>
    </message>
    <message>
        <source>Pla&amp;yers:</source>
        <translation>&amp;Jogadores:</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>Flip &amp;animation</source>
        <translation>&amp;Animação ao virar</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>após %1 s</translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation>no próximo toque</translation>
    </message>
    <message>
        <source>&amp;Turn back:</source>
        <translation>&amp;Virar para baixo:</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Show all cards at the start &amp;for:</source>
        <translation>Mostrar todas as cartas no iní&amp;cio por:</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nome do jogador %1</translation>
    </message>
    <message>
        <source>No set is open: open a set to play it.</source>
        <translation>Nenhum conjunto está aberto: abra um conjunto para jogar.</translation>
    </message>
    <message>
        <source>This set cannot be played: a game needs at least 2 pairs whose two pictures can be read, and this set has %1.</source>
        <translation>Este conjunto não pode ser jogado: um jogo precisa de pelo menos 2 pares cujas duas imagens possam ser lidas, e este conjunto tem %1.</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <translation>Todos (%1)</translation>
    </message>
    <message>
        <source>%1 left out</source>
        <translation>%1 fora do jogo</translation>
    </message>
    <message>
        <source>Left out, a picture missing or unreadable: %1</source>
        <translation>Fora do jogo, por imagem ausente ou ilegível: %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Semente: %1</translation>
    </message>
    <message>
        <source>Start this deal again with --seed %1</source>
        <translation>Repita esta distribuição com --seed %1</translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation>%1 pares distribuídos. Olhe todas as cartas: elas viram para baixo em %2 s, ou com um toque.</translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <translation>%1 pares distribuídos. %2.</translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <translation>As cartas estão viradas para baixo. %1.</translation>
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
        <translation>Par encontrado</translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <translation>Par encontrado: %1</translation>
    </message>
    <message>
        <source>%1. %2 plays again.</source>
        <translation>%1. %2 joga de novo.</translation>
    </message>
    <message>
        <source>No pair. %1.</source>
        <translation>Não formou par. %1.</translation>
    </message>
    <message>
        <source>No pair.</source>
        <translation>Não formou par.</translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation> Toque em uma carta para virá-las para baixo.</translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <translation>Viradas para baixo. %1.</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>Moves: %1    Pairs found: %2 of %3    Time: %4</source>
        <translation>Jogadas: %1    Pares encontrados: %2 de %3    Tempo: %4</translation>
    </message>
    <message>
        <source>No set</source>
        <translation>Nenhum conjunto</translation>
    </message>
    <message>
        <source>%1 of %2 pairs — %3 — Tessellor</source>
        <translation>%1 de %2 pares — %3 — Tessellor</translation>
    </message>
    <message>
        <source>%1: %2%3</source>
        <translation>%1: %2%3</translation>
    </message>
    <message>
        <source>, plays now</source>
        <translation>, joga agora</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Jogadas: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The winner: %1</source>
        <translation>Quem venceu: %1</translation>
    </message>
    <message>
        <source>A draw between %1</source>
        <translation>Empate entre %1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Well done! %1</source>
        <translation>Muito bem! %1</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jogar de novo</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Tessellor Help</source>
        <translation>Ajuda do Tessellor</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help not found&lt;/h2&gt;&lt;p&gt;The help file %1 is not there.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Ajuda não encontrada&lt;/h2&gt;&lt;p&gt;O arquivo de ajuda %1 não foi encontrado.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Tessellor</source>
        <translation>Sobre o Tessellor</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;The card set editor of the Varnolo memory game: make the cover and the forty cards of a set from pictures, texts and sounds.&lt;/p&gt;&lt;p&gt;Sets are kept in the folder %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Tessellor&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;O editor de conjuntos de cartas do jogo da memória Varnolo: monte a capa e as quarenta cartas de um conjunto com imagens, textos e sons.&lt;/p&gt;&lt;p&gt;Os conjuntos ficam guardados na pasta %2.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>The new language is used when Tessellor is started again.</source>
        <translation>O novo idioma será usado quando o Tessellor for iniciado novamente.</translation>
    </message>
    <message>
        <source>As specified</source>
        <extracomment>The program&apos;s texts as they were first written, untranslated</extracomment>
        <translation>Textos originais</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>No set is open</source>
        <translation>Nenhum conjunto está aberto</translation>
    </message>
    <message>
        <source>no author</source>
        <translation>sem autor</translation>
    </message>
    <message>
        <source>double set</source>
        <translation>conjunto duplo</translation>
    </message>
    <message>
        <source>paired set</source>
        <translation>conjunto de pares</translation>
    </message>
    <message>
        <source>%1 — %2 — %3 — %4 of %5 pictures, %6 of %5 sounds</source>
        <translation>%1 — %2 — %3 — %4 de %5 imagens, %6 de %5 sons</translation>
    </message>
</context>
<context>
    <name>OverviewPainter</name>
    <message>
        <source>Deck</source>
        <translation>Capa</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danificada</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>cannot start decompressing</source>
        <translation>não foi possível iniciar a descompactação</translation>
    </message>
    <message>
        <source>it holds more than %1 bytes</source>
        <translation>ele tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>the compressed drawing is damaged</source>
        <translation>o desenho compactado está danificado</translation>
    </message>
    <message>
        <source>Cannot read the picture in %1: %2</source>
        <translation>Não foi possível ler a imagem em %1: %2</translation>
    </message>
    <message>
        <source>The picture in %1 is too large (%2 x %3 pixels)</source>
        <translation>A imagem em %1 é grande demais (%2 x %3 pixels)</translation>
    </message>
    <message>
        <source>The drawing in %1 cannot be used: %2</source>
        <translation>O desenho em %1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>it refers to %1, outside the drawing; only pictures embedded in it can be shown</source>
        <translation>ele faz referência a %1, fora do desenho; só as imagens embutidas nele podem ser mostradas</translation>
    </message>
    <message>
        <source>an embedded picture is not stored in base64</source>
        <translation>uma imagem embutida não está guardada em base64</translation>
    </message>
    <message>
        <source>an embedded picture is damaged</source>
        <translation>uma imagem embutida está danificada</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>ele não é um XML bem formado (linha %1: %2)</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 deep</source>
        <translation>os seus elementos estão aninhados em mais de %1 níveis</translation>
    </message>
    <message>
        <source>an embedded picture is of no kind that can be read</source>
        <translation>uma imagem embutida não é de nenhum tipo que possa ser lido</translation>
    </message>
    <message>
        <source>it embeds another drawing</source>
        <translation>ele tem outro desenho embutido</translation>
    </message>
    <message>
        <source>the size of an embedded picture cannot be read</source>
        <translation>não é possível ler o tamanho de uma imagem embutida</translation>
    </message>
    <message>
        <source>its embedded pictures have more than %1 pixels in all</source>
        <translation>as suas imagens embutidas têm mais de %1 pixels no total</translation>
    </message>
</context>
<context>
    <name>PlayMode</name>
    <message>
        <source>Play set</source>
        <translation>Jogar conjunto</translation>
    </message>
    <message>
        <source>Usage: tessellor --play SETDIR [--pairs N] [--seed S]</source>
        <translation>Uso: tessellor --play PASTA_DO_CONJUNTO [--pairs N] [--seed S]</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>A pasta não existe: %1</translation>
    </message>
</context>
<context>
    <name>PreviewForm</name>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
</context>
<context>
    <name>PreviewPaintBox</name>
    <message>
        <source>(None)</source>
        <translation>(Nenhuma)</translation>
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
        <translation>Carta (EUA)</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Cutting lines</source>
        <translation>Linhas de corte</translation>
    </message>
    <message>
        <source>Card backs: the cover after each page, for two-sided printing</source>
        <translation>Versos das cartas: a capa depois de cada página, para impressão frente e verso</translation>
    </message>
    <message>
        <source>All cards</source>
        <translation>Todas as cartas</translation>
    </message>
    <message>
        <source>Only cards of playable pairs</source>
        <translation>Só as cartas de pares jogáveis</translation>
    </message>
    <message>
        <source>Paper:</source>
        <translation>Papel:</translation>
    </message>
    <message>
        <source>Card size:</source>
        <translation>Tamanho da carta:</translation>
    </message>
    <message>
        <source>Cards:</source>
        <translation>Cartas:</translation>
    </message>
    <message>
        <source>Preview...</source>
        <translation>Visualizar...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Salvar como PDF...</translation>
    </message>
    <message>
        <source>Not printed:</source>
        <translation>Não impressas:</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>Save cards as PDF</source>
        <translation>Salvar cartas como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation>arquivo PDF</translation>
    </message>
    <message>
        <source>Names under the pictures</source>
        <translation>Nomes embaixo das imagens</translation>
    </message>
</context>
<context>
    <name>PrintDeck</name>
    <message>
        <source>the other card of its pair (%1) has no picture</source>
        <translation>a outra carta do seu par (%1) não tem imagem</translation>
    </message>
    <message>
        <source>cover</source>
        <translation>capa</translation>
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
        <translation>Gravar som</translation>
    </message>
    <message>
        <source>No sound input device</source>
        <translation>Nenhum dispositivo de entrada de som</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Trim silence below</source>
        <translation>Cortar o silêncio abaixo de</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Recording stops by itself after %1 seconds.</source>
        <translation>A gravação para sozinha depois de %1 segundos.</translation>
    </message>
    <message>
        <source>The sound input device offers no usable format.</source>
        <translation>O dispositivo de entrada de som não oferece nenhum formato utilizável.</translation>
    </message>
    <message>
        <source>The sound input device could not be opened.</source>
        <translation>Não foi possível abrir o dispositivo de entrada de som.</translation>
    </message>
    <message>
        <source>Length: %1 s</source>
        <translation>Duração: %1 s</translation>
    </message>
    <message>
        <source>Recording stopped at the %1-second limit.</source>
        <translation>A gravação parou no limite de %1 segundos.</translation>
    </message>
    <message>
        <source>The sound input device stopped working.</source>
        <translation>O dispositivo de entrada de som parou de funcionar.</translation>
    </message>
    <message>
        <source>The recording could not be converted.</source>
        <translation>Não foi possível converter a gravação.</translation>
    </message>
    <message>
        <source>The sound could not be played.</source>
        <translation>Não foi possível tocar o som.</translation>
    </message>
    <message>
        <source>(%1 % of full scale)</source>
        <translation>(%1 % da escala total)</translation>
    </message>
    <message>
        <source> (%1 s after trimming)</source>
        <translation> (%1 s depois do corte)</translation>
    </message>
    <message>
        <source>The take is all below the silence threshold: nothing to use.</source>
        <translation>A gravação inteira está abaixo do limite de silêncio: não há nada para usar.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>Salvando o som da carta...</translation>
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
        <translation>Já existe um conjunto chamado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não foi possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot write file %1</source>
        <translation>Não foi possível gravar o arquivo %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation>&quot;%1&quot; não pode ser o nome de um conjunto</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Não foi possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot create a temporary folder beside %1</source>
        <translation>Não foi possível criar uma pasta temporária ao lado de %1</translation>
    </message>
</context>
<context>
    <name>SetArchiveCommands</name>
    <message>
        <source>Export set as file</source>
        <translation>Exportar conjunto como arquivo</translation>
    </message>
    <message>
        <source>Import set from file</source>
        <translation>Importar conjunto de um arquivo</translation>
    </message>
    <message>
        <source>Set files (*.tessellor)</source>
        <translation>Arquivos de conjunto (*.tessellor)</translation>
    </message>
    <message>
        <source>Zip archive (*.zip)</source>
        <translation>Arquivo zip (*.zip)</translation>
    </message>
    <message>
        <source>Set files (*.tessellor *.zip)</source>
        <translation>Arquivos de conjunto (*.tessellor *.zip)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set.</source>
        <translation>&quot;%1&quot; não pode ser o nome de um conjunto.</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; already exists. Name of the imported set:</source>
        <translation>Já existe um conjunto chamado &quot;%1&quot;. Nome do conjunto importado:</translation>
    </message>
    <message>
        <source>These entries are not a set&apos;s files and were left out:
</source>
        <translation>Estes itens não são arquivos de um conjunto e foram deixados de fora:
</translation>
    </message>
    <message>
        <source>
... and %1 more</source>
        <translation>
... e mais %1</translation>
    </message>
    <message>
        <source>set file</source>
        <extracomment>Fills %1 of &quot;The %1 %2 was written (%3).&quot;</extracomment>
        <translation>arquivo de conjunto</translation>
    </message>
    <message>
        <source>

These files lead out of the set&apos;s folder or are no plain files, and were left out:
</source>
        <translation>

Estes arquivos levam para fora da pasta do conjunto ou não são arquivos comuns, e foram deixados de fora:
</translation>
    </message>
</context>
<context>
    <name>SetArchivePack</name>
    <message>
        <source>Cannot write the archive %1</source>
        <translation>Não foi possível gravar o arquivo compactado %1</translation>
    </message>
    <message>
        <source>Cannot write the archive %1: %2</source>
        <translation>Não foi possível gravar o arquivo compactado %1: %2</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Não foi possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot read file %1</source>
        <translation>Não foi possível ler o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Não foi possível criar o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>Não foi possível ler a pasta %1</translation>
    </message>
    <message>
        <source>The folder %1 holds no card set files</source>
        <translation>A pasta %1 não contém arquivos de conjunto de cartas</translation>
    </message>
</context>
<context>
    <name>SetArchiveReader</name>
    <message>
        <source>The entry &quot;%1&quot; %2</source>
        <extracomment>%2 says what is wrong with the entry, as &quot;is a symbolic link&quot;</extracomment>
        <translation>O item &quot;%1&quot; %2</translation>
    </message>
    <message>
        <source>The archive is damaged: %1</source>
        <translation>O arquivo compactado está danificado: %1</translation>
    </message>
    <message>
        <source>The archive is damaged at the entry &quot;%1&quot;: %2</source>
        <translation>O arquivo compactado está danificado no item &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>has an absolute path</source>
        <translation>tem um caminho absoluto</translation>
    </message>
    <message>
        <source>leads out of its folder (&quot;..&quot;)</source>
        <translation>leva para fora da sua pasta (&quot;..&quot;)</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>não tem nome</translation>
    </message>
    <message>
        <source>is a hard link</source>
        <translation>é um link físico</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <translation>é um link simbólico</translation>
    </message>
    <message>
        <source>is encrypted</source>
        <translation>está criptografado</translation>
    </message>
    <message>
        <source>is a device or another special file</source>
        <translation>é um dispositivo ou outro arquivo especial</translation>
    </message>
    <message>
        <source>makes the archive hold more than %1 entries</source>
        <translation>faz o arquivo compactado ter mais de %1 itens</translation>
    </message>
    <message>
        <source>appears twice</source>
        <translation>aparece duas vezes</translation>
    </message>
    <message>
        <source>The archive holds no card set</source>
        <translation>O arquivo compactado não contém nenhum conjunto de cartas</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 times its size</source>
        <translation>faz o arquivo compactado se expandir para mais de %1 vezes o seu tamanho</translation>
    </message>
    <message>
        <source>makes the archive unpack to more than %1 MB</source>
        <translation>faz o arquivo compactado se expandir para mais de %1 MB</translation>
    </message>
</context>
<context>
    <name>SetCards</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 está faltando</translation>
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
        <translation>Mudar o tipo do conjunto muda a imagem de %1. Depois disso, o conjunto é lido de novo da sua pasta. Mudar o tipo?</translation>
    </message>
</context>
<context>
    <name>SetMessages</name>
    <message>
        <source>Nome inválido !</source>
        <translation>Nome inválido!</translation>
    </message>
    <message>
        <source>Você deve escolher um nome para o conjunto!</source>
        <translation>Você deve escolher um nome para o conjunto!</translation>
    </message>
    <message>
        <source>Já existe um conjunto com esse nome! Escolha outro nome.</source>
        <translation>Já existe um conjunto com esse nome! Escolha outro nome.</translation>
    </message>
    <message>
        <source>Erro</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Não foi possível criar o novo conjunto.Verifique se existe espaço em disco ou se o nome do conjunto que você está criando já não existe.</source>
        <translation>Não foi possível criar o novo conjunto. Verifique se há espaço em disco ou se já existe um conjunto com o nome que você escolheu.</translation>
    </message>
    <message>
        <source>Você deve escolher um set!</source>
        <translation>Você deve escolher um conjunto!</translation>
    </message>
    <message>
        <source>Escolha um diretório</source>
        <translation>Escolha uma pasta</translation>
    </message>
    <message>
        <source>Você deve escolher um diretório para importar as imagens !</source>
        <translation>Você deve escolher uma pasta para importar as imagens!</translation>
    </message>
</context>
<context>
    <name>SetOverview</name>
    <message>
        <source>Set overview</source>
        <translation>Visão geral do conjunto</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Faltando: %1</translation>
    </message>
    <message>
        <source>No sound</source>
        <translation>Sem som</translation>
    </message>
    <message>
        <source>Damaged sound %1: %2</source>
        <translation>Som danificado %1: %2</translation>
    </message>
</context>
<context>
    <name>SetScan</name>
    <message>
        <source>O arquivo %1  não existe.</source>
        <translation>O arquivo %1 não existe.</translation>
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
        <translation>Abrir arquivo WAVE</translation>
    </message>
</context>
<context>
    <name>SoundImportText</name>
    <message>
        <source>Unable to read the sound file</source>
        <translation>Não foi possível ler o arquivo de som</translation>
    </message>
    <message>
        <source>The sound file is not a plain file (a folder, pipe or device)</source>
        <translation>O arquivo de som não é um arquivo comum (é uma pasta, um pipe ou um dispositivo)</translation>
    </message>
    <message>
        <source>The sound file has an unusable sample rate or channel count</source>
        <translation>O arquivo de som tem uma taxa de amostragem ou um número de canais que não pode ser usado</translation>
    </message>
    <message>
        <source>The sound is longer than 10 minutes</source>
        <translation>O som dura mais de 10 minutos</translation>
    </message>
    <message>
        <source>The sound file holds no sound</source>
        <translation>O arquivo de som não contém nenhum som</translation>
    </message>
    <message>
        <source>Unable to convert the sound&apos;s sample rate</source>
        <translation>Não foi possível converter a taxa de amostragem do som</translation>
    </message>
    <message>
        <source>The sound is in a format that the editor does not read</source>
        <translation>O som está em um formato que o editor não lê</translation>
    </message>
</context>
<context>
    <name>SpeakDialog</name>
    <message>
        <source>Speak text</source>
        <translation>Falar texto</translation>
    </message>
    <message>
        <source> words per minute</source>
        <translation> palavras por minuto</translation>
    </message>
    <message>
        <source>&amp;Voice:</source>
        <translation>&amp;Voz:</translation>
    </message>
    <message>
        <source>&amp;Rate:</source>
        <translation>V&amp;elocidade:</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>The speech library could not start: %1</source>
        <translation>Não foi possível iniciar a biblioteca de fala: %1</translation>
    </message>
    <message>
        <source>The speech library speaks at %1 Hz; %2 Hz is needed</source>
        <translation>A biblioteca de fala trabalha com %1 Hz; são necessários %2 Hz</translation>
    </message>
    <message>
        <source>The speech library has no voices</source>
        <translation>A biblioteca de fala não tem nenhuma voz</translation>
    </message>
    <message>
        <source>Speech synthesis failed: %1</source>
        <translation>A síntese de fala falhou: %1</translation>
    </message>
    <message>
        <source>The spoken text would be longer than %1 minutes: shorten the text</source>
        <translation>A fala duraria mais de %1 minutos: encurte o texto</translation>
    </message>
    <message>
        <source>Speech synthesis failed: no sound was made</source>
        <translation>A síntese de fala falhou: nenhum som foi gerado</translation>
    </message>
    <message>
        <source>There is no text to speak</source>
        <translation>Não há texto para falar</translation>
    </message>
    <message>
        <source>The rate must be from %1 to %2 words per minute</source>
        <translation>A velocidade deve ser de %1 a %2 palavras por minuto</translation>
    </message>
    <message>
        <source>No voice was chosen</source>
        <translation>Nenhuma voz foi escolhida</translation>
    </message>
    <message>
        <source>Unknown voice: %1</source>
        <translation>Voz desconhecida: %1</translation>
    </message>
</context>
<context>
    <name>TMMWaveOpenDialog</name>
    <message>
        <source>Other sounds (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Outros sons (*.mp3 *.ogg *.oga *.opus *.flac *.m4a *.aac *.3gp)</translation>
    </message>
    <message>
        <source>Wave-Files(*.wav)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Arquivos WAVE (*.wav)</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>Auto Play</source>
        <translation>Ouvir automaticamente</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Invalid WaveFile...</source>
        <translation>Arquivo WAVE inválido...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Open Wave File</source>
        <translation>Abrir arquivo WAVE</translation>
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
        <translation>Imagens bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <extracomment>A file dialog&apos;s filter: %1 is the list of file masks.</extracomment>
        <translation>Todas as imagens (%1)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source> (%1x%2)</source>
        <translation> (%1x%2)</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagem:</translation>
    </message>
</context>
<context>
    <name>TfPropriedades</name>
    <message>
        <source>Proprierties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Duplo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Novo conjunto</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nome:</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TfrmConfigurador</name>
    <message>
        <source>Varnolo Memory Game Tessellor</source>
        <translation>Jogo da Memória Varnolo Tessellor</translation>
    </message>
    <message>
        <source>Deck</source>
        <extracomment>The cover card, named where the other cards have their number</extracomment>
        <translation>Capa</translation>
    </message>
    <message>
        <source>The set&apos;s folder is no longer there; editing stays off until a set is opened</source>
        <translation>A pasta do conjunto não existe mais; a edição fica desativada até que um conjunto seja aberto</translation>
    </message>
</context>
<context>
    <name>TfrmErroImporta</name>
    <message>
        <source>Import errors</source>
        <translation>Erros de importação</translation>
    </message>
    <message>
        <source>Import errors :</source>
        <translation>Erros de importação:</translation>
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
        <translation>Abrir conjunto</translation>
    </message>
    <message>
        <source>Choose a set </source>
        <translation>Escolha um conjunto </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>Importar arquivos</translation>
    </message>
    <message>
        <source>Directory :</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Procurar</translation>
    </message>
    <message>
        <source>Author :</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Import double set</source>
        <translation>Importar conjunto duplo</translation>
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
        <translation>Escolha uma pasta</translation>
    </message>
</context>
<context>
    <name>TfrmPalavras</name>
    <message>
        <source>New set from word list</source>
        <translation>Novo conjunto a partir de uma lista de palavras</translation>
    </message>
    <message>
        <source>&amp;Name :</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>2 to 20 words or short phrases, one a line</source>
        <translation>De 2 a 20 palavras ou frases curtas, uma por linha</translation>
    </message>
    <message>
        <source>&amp;Load list...</source>
        <translation>&amp;Carregar lista...</translation>
    </message>
    <message>
        <source>&amp;Words :</source>
        <translation>Pala&amp;vras:</translation>
    </message>
    <message>
        <source>&amp;Double set: the second card of a pair shows the word&apos;s picture</source>
        <translation>Conjunto &amp;duplo: a segunda carta de cada par mostra a imagem da palavra</translation>
    </message>
    <message>
        <source>&amp;Voice :</source>
        <translation>V&amp;oz:</translation>
    </message>
    <message>
        <source>&amp;Pictures folder :</source>
        <translation>&amp;Pasta de imagens:</translation>
    </message>
    <message>
        <source>&amp;Cover picture :</source>
        <translation>&amp;Imagem da capa:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhuma)</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a set</source>
        <translation>&quot;%1&quot; não pode ser o nome de um conjunto</translation>
    </message>
    <message>
        <source>The pictures folder %1 does not exist</source>
        <translation>A pasta de imagens %1 não existe</translation>
    </message>
    <message>
        <source>The cover picture %1 does not exist</source>
        <translation>A imagem da capa %1 não existe</translation>
    </message>
    <message>
        <source>Load word list</source>
        <translation>Carregar lista de palavras</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Arquivos de texto (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Pictures folder</source>
        <translation>Pasta de imagens</translation>
    </message>
    <message>
        <source>Cover picture</source>
        <translation>Imagem da capa</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;All files (*)</source>
        <translation>Imagens (*.bmp *.png *.jpg *.jpeg *.gif *.webp *.tif *.tiff *.svg);;Todos os arquivos (*)</translation>
    </message>
</context>
<context>
    <name>WaveErrorText</name>
    <message>
        <source>Invalid wave file...</source>
        <translation>Arquivo WAVE inválido...</translation>
    </message>
    <message>
        <source>Error reading wave file</source>
        <translation>Erro ao ler o arquivo WAVE</translation>
    </message>
    <message>
        <source>Unable to open wave file</source>
        <translation>Não foi possível abrir o arquivo WAVE</translation>
    </message>
    <message>
        <source>Unable to setup file IO buffer</source>
        <translation>Não foi possível preparar o buffer de E/S do arquivo</translation>
    </message>
    <message>
        <source>Error seeking file position</source>
        <translation>Erro ao buscar a posição no arquivo</translation>
    </message>
    <message>
        <source>Invalid param passed!</source>
        <translation>Parâmetro inválido!</translation>
    </message>
    <message>
        <source>Unable to save wave file</source>
        <translation>Não foi possível salvar o arquivo WAVE</translation>
    </message>
    <message>
        <source>Saving was aborted</source>
        <translation>O salvamento foi interrompido</translation>
    </message>
</context>
<context>
    <name>WaveOutErrorText</name>
    <message>
        <source>Change to property while device was open</source>
        <translation>Propriedade alterada com o dispositivo aberto</translation>
    </message>
    <message>
        <source>No wave audio playing device found</source>
        <translation>Nenhum dispositivo de reprodução de som foi encontrado</translation>
    </message>
    <message>
        <source>Invalid DeviceID</source>
        <translation>Identificador de dispositivo inválido</translation>
    </message>
    <message>
        <source>Invalid wave format</source>
        <translation>Formato WAVE inválido</translation>
    </message>
    <message>
        <source>The actual device can&apos;&apos;t play this format</source>
        <translation>O dispositivo atual não consegue tocar este formato</translation>
    </message>
    <message>
        <source>Unable to open device</source>
        <translation>Não foi possível abrir o dispositivo</translation>
    </message>
    <message>
        <source>Unable to close device</source>
        <translation>Não foi possível fechar o dispositivo</translation>
    </message>
    <message>
        <source>Unable to allocate memory for wave header</source>
        <translation>Não foi possível alocar memória para o cabeçalho WAVE</translation>
    </message>
    <message>
        <source>Unable to start device</source>
        <translation>Não foi possível iniciar o dispositivo</translation>
    </message>
    <message>
        <source>Error filling wave buffer</source>
        <translation>Erro ao preencher o buffer de som</translation>
    </message>
    <message>
        <source>Specified error number is out of range (unknown error)</source>
        <translation>O número de erro indicado está fora do intervalo (erro desconhecido)</translation>
    </message>
</context>
<context>
    <name>WaveSummary</name>
    <message>
        <source>Unknown</source>
        <translation>Desconhecido</translation>
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
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>%1 Channels</source>
        <translation>%1 canais</translation>
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
        <translation>Exportar como página da web</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm)</source>
        <extracomment>A file dialog&apos;s filter: the part in brackets stays as it is.</extracomment>
        <translation>Páginas da web (*.html *.htm)</translation>
    </message>
    <message>
        <source>The web page %1 was written (%2).</source>
        <translation>A página da web %1 foi gravada (%2).</translation>
    </message>
    <message>
        <source>It plays %1 pairs.</source>
        <translation>O jogo da página tem %1 pares.</translation>
    </message>
    <message>
        <source>Pairs left out (a picture is missing or cannot be read): %1.</source>
        <translation>Pares fora do jogo (uma imagem está faltando ou não pode ser lida): %1.</translation>
    </message>
    <message>
        <source>Sounds left out:</source>
        <translation>Sons deixados de fora:</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Not enough cards to play: %1 has %2 playable pairs, at least 2 are needed</source>
        <translation>Não há cartas suficientes para jogar: %1 tem %2 pares jogáveis, e são necessários pelo menos 2</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>A pasta não existe: %1</translation>
    </message>
    <message>
        <source>Cannot write the web page %1</source>
        <translation>Não foi possível gravar a página da web %1</translation>
    </message>
    <message>
        <source>Pairs</source>
        <comment>the label of the list of pair counts</comment>
        <translation>Pares</translation>
    </message>
    <message>
        <source>Players</source>
        <comment>the label of the list of player counts</comment>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Turn back:</source>
        <translation>Virar para baixo:</translation>
    </message>
    <message>
        <source>on the next tap</source>
        <translation>no próximo toque</translation>
    </message>
    <message>
        <source>Show all cards at the start for:</source>
        <translation>Mostrar todas as cartas no início por:</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Sair da tela cheia</translation>
    </message>
    <message>
        <source>Cards</source>
        <comment>what a screen reader calls the board</comment>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>Pairs:</source>
        <comment>before the pairs found so far</comment>
        <translation>Pares:</translation>
    </message>
    <message>
        <source>Moves:</source>
        <translation>Jogadas:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>Play again</source>
        <translation>Jogar de novo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Começar um novo jogo?</translation>
    </message>
    <message>
        <source>The game under way will be lost.</source>
        <translation>O jogo em andamento será perdido.</translation>
    </message>
    <message>
        <source>Keep playing</source>
        <translation>Continuar jogando</translation>
    </message>
    <message>
        <source>after %1 s</source>
        <translation>após %1 s</translation>
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
        <translation>, virada para baixo</translation>
    </message>
    <message>
        <source>, found</source>
        <comment>after &quot;Card 3 of 12&quot; and the card&apos;s name</comment>
        <translation>, encontrada</translation>
    </message>
    <message>
        <source>, no pair</source>
        <comment>after &quot;Card 3 of 12&quot; and the card&apos;s name</comment>
        <translation>, sem par</translation>
    </message>
    <message>
        <source>%1 of %2 pairs</source>
        <comment>pairs found of pairs dealt</comment>
        <translation>%1 de %2 pares</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <comment>%1 is a player&apos;s name</comment>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>The cards are face down. %1.</source>
        <comment>%1: whose turn it is</comment>
        <translation>As cartas estão viradas para baixo. %1.</translation>
    </message>
    <message>
        <source>Turned back. %1.</source>
        <comment>%1: whose turn it is</comment>
        <translation>Viradas para baixo. %1.</translation>
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
        <translation>Par encontrado</translation>
    </message>
    <message>
        <source>Pair found: %1</source>
        <comment>%1 is the card&apos;s name</comment>
        <translation>Par encontrado: %1</translation>
    </message>
    <message>
        <source>%1. %2 found.%3</source>
        <comment>%1: &quot;Pair found&quot;; %2: &quot;3 of 12 pairs&quot;; %3: who plays again, or nothing</comment>
        <translation>%1. %2 encontrados.%3</translation>
    </message>
    <message>
        <source> %1 plays again.</source>
        <comment>%1 is a player&apos;s name</comment>
        <translation> %1 joga de novo.</translation>
    </message>
    <message>
        <source>No pair.%1%2</source>
        <comment>%1: whose turn it is next, or nothing; %2: how the cards turn back, or nothing</comment>
        <translation>Não formou par.%1%2</translation>
    </message>
    <message>
        <source> %1.</source>
        <comment>after &quot;No pair.&quot;: whose turn it is</comment>
        <translation> %1.</translation>
    </message>
    <message>
        <source> Tap a card to turn them back.</source>
        <translation> Toque em uma carta para virá-las para baixo.</translation>
    </message>
    <message>
        <source>%1 moves in %2</source>
        <comment>%2 is a time such as 1:05</comment>
        <translation>%1 jogadas em %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a player&apos;s name and pairs found</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Winner: %1</source>
        <translation>Quem venceu: %1</translation>
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
        <translation>Muito bem! %1.</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nome do jogador %1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jogador %1</translation>
    </message>
    <message>
        <source>All (%1)</source>
        <comment>all the pairs, and how many</comment>
        <translation>Todos (%1)</translation>
    </message>
    <message>
        <source>by %1</source>
        <comment>%1 is the set&apos;s author</comment>
        <translation>por %1</translation>
    </message>
    <message>
        <source>1 pair left out</source>
        <translation>1 par fora do jogo</translation>
    </message>
    <message>
        <source>%1 pairs left out</source>
        <translation>%1 pares fora do jogo</translation>
    </message>
    <message>
        <source>Pairs left out: %1</source>
        <comment>%1 lists the pairs&apos; numbers</comment>
        <translation>Pares fora do jogo: %1</translation>
    </message>
    <message>
        <source>Seed: %1</source>
        <translation>Semente: %1</translation>
    </message>
    <message>
        <source>%1 pairs dealt. %2.</source>
        <comment>%2: whose turn it is</comment>
        <translation>%1 pares distribuídos. %2.</translation>
    </message>
    <message>
        <source>%1 pairs dealt. Look at every card: they turn face down in %2 s, or at a tap.</source>
        <translation>%1 pares distribuídos. Olhe todas as cartas: elas viram para baixo em %2 s, ou com um toque.</translation>
    </message>
    <message>
        <source>The address&apos;s seed &quot;%1&quot; is not a whole number from 0 to %2, so another game was dealt: seed %3.</source>
        <comment>%1 is what the page&apos;s address gave as the seed</comment>
        <translation>A semente &quot;%1&quot; do endereço não é um número inteiro de 0 a %2, por isso foi distribuído outro jogo: semente %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as pt-BR or de</source>
        <translation>&quot;%1&quot; não é um código de idioma como pt-BR ou de</translation>
    </message>
    <message>
        <source>There is no translation of the page into %1</source>
        <translation>Não há tradução da página para %1</translation>
    </message>
</context>
<context>
    <name>WebSound</name>
    <message>
        <source>Unable to encode the sound</source>
        <translation>Não foi possível codificar o som</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <source>The word list</source>
        <translation>A lista de palavras</translation>
    </message>
    <message>
        <source>The word list %1</source>
        <translation>A lista de palavras %1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 KB: it is no word list</source>
        <translation>%1 tem mais de %2 KB: não é uma lista de palavras</translation>
    </message>
    <message>
        <source>%1 has more than %2 words: &quot;%3&quot; is word %4</source>
        <translation>%1 tem mais de %2 palavras: &quot;%3&quot; é a palavra %4</translation>
    </message>
    <message>
        <source>%1 needs at least %2 words, one a line</source>
        <translation>%1 precisa ter pelo menos %2 palavras, uma por linha</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 não é um texto UTF-8</translation>
    </message>
    <message>
        <source>%1 holds a control character on line %2</source>
        <translation>%1 tem um caractere de controle na linha %2</translation>
    </message>
    <message>
        <source>Cannot open the word list %1</source>
        <translation>Não foi possível abrir a lista de palavras %1</translation>
    </message>
    <message>
        <source>Cannot read the word list %1</source>
        <translation>Não foi possível ler a lista de palavras %1</translation>
    </message>
</context>
<context>
    <name>WordSet</name>
    <message>
        <source>Cannot speak &quot;%1&quot;: %2</source>
        <translation>Não foi possível falar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Unknown voice: %1</source>
        <translation>Voz desconhecida: %1</translation>
    </message>
    <message>
        <source>Cannot read the pictures folder %1</source>
        <translation>Não foi possível ler a pasta de imagens %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card and would be cut off at its edges</source>
        <translation>&quot;%1&quot; não cabe em uma carta e seria cortada nas bordas</translation>
    </message>
</context>
<context>
    <name>WordSetTool</name>
    <message>
        <source>--pictures needs --double</source>
        <translation>--pictures precisa de --double</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not fit on a card and would be cut off at its edges; --yes writes it cut</source>
        <translation>&quot;%1&quot; não cabe em uma carta e seria cortada nas bordas; --yes grava assim mesmo, cortada</translation>
    </message>
</context>
</TS>
