<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>WebPage</name>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Card %1 of %2</source>
        <translation>Carta %1 de %2</translation>
    </message>
</context>
</TS>
