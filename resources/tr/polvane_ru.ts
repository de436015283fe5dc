<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindow</name>
    <message>
        <source>Polvane 5.4.2</source>
        <translation>Polvane 5.4.2</translation>
    </message>
</context>
<context>
    <name>Coordinates</name>
    <message>
        <source>NV</source>
        <translation>НР</translation>
    </message>
    <message>
        <source>SINGLE</source>
        <translation>АВТОН</translation>
    </message>
    <message>
        <source>CDDIFF</source>
        <translation>КОДДИФФ</translation>
    </message>
    <message>
        <source>FIX</source>
        <translation>ФИКС</translation>
    </message>
    <message>
        <source>FLOAT</source>
        <translation>ПЛАВ</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>ВНЕШ</translation>
    </message>
</context>
</TS>
