<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>WebPage</name>
    <message>
        <source>New game</source>
        <translation>لعبة جديدة</translation>
    </message>
</context>
</TS>
