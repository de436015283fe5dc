<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation>NV</translation>
    </message>
    <message>
        <source>SINGLE</source>
        <translation>SINGLE</translation>
    </message>
    <message>
        <source>CDDIFF</source>
        <translation>CDDIFF</translation>
    </message>
    <message>
        <source>FIX</source>
        <translation>FIX</translation>
    </message>
    <message>
        <source>FLOAT</source>
        <translation>FLOAT</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>EXT</translation>
    </message>
</context>
</TS>
