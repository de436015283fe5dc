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
    <name>AxesWidget</name>
    <message>
        <source>Axes / Base line</source>
        <translation>Оси / базовая линия</translation>
    </message>
    <message>
        <source>Slave Antenna  (ECEF)</source>
        <translation>Ведомая антенна  (ECEF)</translation>
    </message>
    <message>
        <source>x, m</source>
        <translation>x, м</translation>
    </message>
    <message>
        <source>y, m</source>
        <translation>y, м</translation>
    </message>
    <message>
        <source>z, m</source>
        <translation>z, м</translation>
    </message>
    <message>
        <source>Master Antenna  (ECEF)</source>
        <translation>Ведущая антенна  (ECEF)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Length BL, m</source>
        <translation>Длина БЛ, м</translation>
    </message>
    <message>
        <source>Course:</source>
        <translation>Курс:</translation>
    </message>
    <message>
        <source>Roll:</source>
        <translation>Крен:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Тангаж:</translation>
    </message>
</context>
<context>
    <name>BaseLineWidget</name>
    <message>
        <source>Base line</source>
        <translation>Базовая линия</translation>
    </message>
    <message>
        <source>Base line, m</source>
        <translation>Базовая линия, м</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Азимут:</translation>
    </message>
</context>
<context>
    <name>MapWidget</name>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
</context>
<context>
    <name>BaseLineBackgroundGrItem</name>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>E</source>
        <translation>В</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>W</source>
        <translation>З</translation>
    </message>
</context>
</TS>
