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
    <name>BaseInfoWidget</name>
    <message>
        <source>General Information</source>
        <translation>General Information</translation>
    </message>
    <message>
        <source>UTC</source>
        <translation>UTC</translation>
    </message>
    <message>
        <source>PDOP</source>
        <translation>PDOP</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>HDOP</source>
        <translation>HDOP</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>VDOP</source>
        <translation>VDOP</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Fix Mode</source>
        <translation>Fix Mode</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Format, bitrate</source>
        <translation>Format, bitrate</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>not available</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
</context>
<context>
    <name>CoordinatesWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Receiver coordinates (ECEF)</source>
        <translation>Receiver coordinates (ECEF)</translation>
    </message>
    <message>
        <source>POS_STS</source>
        <translation>POS_STS</translation>
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
        <source>Coordinates BS (ECEF)</source>
        <translation>Coordinates BS (ECEF)</translation>
    </message>
    <message>
        <source>Receiver Speed</source>
        <translation>Receiver Speed</translation>
    </message>
    <message>
        <source>ECEF:</source>
        <translation>ECEF:</translation>
    </message>
    <message>
        <source>vx, m/s</source>
        <translation>vx, m/s</translation>
    </message>
    <message>
        <source>vy, m/s</source>
        <translation>vy, m/s</translation>
    </message>
    <message>
        <source>vz, m/s</source>
        <translation>vz, m/s</translation>
    </message>
    <message>
        <source>VEL_STS</source>
        <translation>VEL_STS</translation>
    </message>
    <message>
        <source>ENU:</source>
        <translation>ENU:</translation>
    </message>
    <message>
        <source>ve, m/s</source>
        <translation>ve, m/s</translation>
    </message>
    <message>
        <source>vn, m/s</source>
        <translation>vn, m/s</translation>
    </message>
    <message>
        <source>vu, m/s</source>
        <translation>vu, m/s</translation>
    </message>
    <message>
        <source>   -&gt;   </source>
        <translation>   -&gt;   </translation>
    </message>
    <message>
        <source>ven, m/s</source>
        <translation>ven, m/s</translation>
    </message>
    <message>
        <source>cog, °</source>
        <translation>cog, °</translation>
    </message>
    <message>
        <source>clmb, m/s</source>
        <translation>clmb, m/s</translation>
    </message>
    <message>
        <source>Total SA</source>
        <translation>Total SA</translation>
    </message>
    <message>
        <source>ARF</source>
        <translation>ARF</translation>
    </message>
    <message>
        <source>Age BS data, s</source>
        <translation>Age BS data, s</translation>
    </message>
    <message>
        <source>NV</source>
        <translation>NV</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>DebugLogWidget</name>
    <message>
        <source>Debug log</source>
        <translation>Debug log</translation>
    </message>
    <message>
        <source>Debug:</source>
        <translation>Debug:</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>Table:</translation>
    </message>
</context>
<context>
    <name>NMEALogWidget</name>
    <message>
        <source>Message Log</source>
        <translation>Message Log</translation>
    </message>
    <message>
        <source>Messages:</source>
        <translation>Messages:</translation>
    </message>
    <message>
        <source>Hex Flow:</source>
        <translation>Hex Flow:</translation>
    </message>
    <message>
        <source>Byte counter:</source>
        <translation>Byte counter:</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Start writing</source>
        <translation>Start writing</translation>
    </message>
    <message>
        <source>Stop writing</source>
        <translation>Stop writing</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Error opening file</source>
        <translation>Error opening file</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Cannot open file.</translation>
    </message>
    <message>
        <source>Error writing file</source>
        <translation>Error writing file</translation>
    </message>
    <message>
        <source>An error occurred while writing the file.</source>
        <translation>An error occurred while writing the file.</translation>
    </message>
</context>
<context>
    <name>SatelliteTablesWidget</name>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>BeiDou</source>
        <translation>BeiDou</translation>
    </message>
    <message>
        <source>NavIC</source>
        <translation>NavIC</translation>
    </message>
    <message>
        <source>GLONASS</source>
        <translation>GLONASS</translation>
    </message>
    <message>
        <source>Galileo </source>
        <translation>Galileo </translation>
    </message>
    <message>
        <source>SBAS</source>
        <translation>SBAS</translation>
    </message>
    <message>
        <source>FX</source>
        <translation>FX</translation>
    </message>
    <message>
        <source>PRN</source>
        <translation>PRN</translation>
    </message>
    <message>
        <source>C/No</source>
        <translation>C/No</translation>
    </message>
    <message>
        <source>El, °</source>
        <translation>El, °</translation>
    </message>
    <message>
        <source>Az, °</source>
        <translation>Az, °</translation>
    </message>
</context>
</TS>
