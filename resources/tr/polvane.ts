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
    <name>AxesWidget</name>
    <message>
        <source>Axes / Base line</source>
        <translation>Axes / Base line</translation>
    </message>
    <message>
        <source>Slave Antenna  (ECEF)</source>
        <translation>Slave Antenna  (ECEF)</translation>
    </message>
    <message>
        <source>x, m</source>
        <translation>x, m</translation>
    </message>
    <message>
        <source>y, m</source>
        <translation>y, m</translation>
    </message>
    <message>
        <source>z, m</source>
        <translation>z, m</translation>
    </message>
    <message>
        <source>Master Antenna  (ECEF)</source>
        <translation>Master Antenna  (ECEF)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Length BL, m</source>
        <translation>Length BL, m</translation>
    </message>
    <message>
        <source>Course:</source>
        <translation>Course:</translation>
    </message>
    <message>
        <source>Roll:</source>
        <translation>Roll:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Pitch:</translation>
    </message>
</context>
<context>
    <name>BaseLineWidget</name>
    <message>
        <source>Base line</source>
        <translation>Base line</translation>
    </message>
    <message>
        <source>Base line, m</source>
        <translation>Base line, m</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimuth:</translation>
    </message>
</context>
<context>
    <name>MapWidget</name>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
</context>
<context>
    <name>BaseLineBackgroundGrItem</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
</context>
</TS>
