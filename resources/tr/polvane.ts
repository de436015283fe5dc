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
    <name>SkyView</name>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>GLONASS</source>
        <translation>GLONASS</translation>
    </message>
    <message>
        <source>BeiDou</source>
        <translation>BeiDou</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>Galileo</translation>
    </message>
    <message>
        <source>NavIC</source>
        <translation>NavIC</translation>
    </message>
    <message>
        <source>SBAS</source>
        <translation>SBAS</translation>
    </message>
</context>
<context>
    <name>TrackView</name>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>N, m.</source>
        <translation>N, m.</translation>
    </message>
    <message>
        <source>E, m.</source>
        <translation>E, m.</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>SkyViewWidget</name>
    <message>
        <source>SkyView</source>
        <translation>SkyView</translation>
    </message>
</context>
<context>
    <name>SnrWidget</name>
    <message>
        <source>Signal/Noise Ratio</source>
        <translation>Signal/Noise Ratio</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>GLONASS</source>
        <translation>GLONASS</translation>
    </message>
    <message>
        <source>BeiDou</source>
        <translation>BeiDou</translation>
    </message>
    <message>
        <source>Galileo</source>
        <translation>Galileo</translation>
    </message>
    <message>
        <source>NavIC</source>
        <translation>NavIC</translation>
    </message>
    <message>
        <source>SBAS</source>
        <translation>SBAS</translation>
    </message>
</context>
<context>
    <name>PlotWidget</name>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>E-W (m)</source>
        <translation>E-W (m)</translation>
    </message>
    <message>
        <source>N-S (m)</source>
        <translation>N-S (m)</translation>
    </message>
    <message>
        <source>U-D (m)</source>
        <translation>U-D (m)</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>Diff</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Fix</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Float</translation>
    </message>
    <message>
        <source>Extrapolated</source>
        <translation>Extrapolated</translation>
    </message>
</context>
<context>
    <name>TrackWidget</name>
    <message>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Altitude:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;x&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;x&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>REF</source>
        <translation>REF</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;y&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;y&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>RСV</source>
        <translation>RСV</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;z&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;z&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Degrees_min</source>
        <translation>Degrees_min</translation>
    </message>
    <message>
        <source>Degrees_min_sec</source>
        <translation>Degrees_min_sec</translation>
    </message>
    <message>
        <source>%1 m.</source>
        <translation>%1 m.</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>Diff</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Fix</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Float</translation>
    </message>
    <message>
        <source>Extrapolated</source>
        <translation>Extrapolated</translation>
    </message>
</context>
<context>
    <name>DisplaySettingsWidget</name>
    <message>
        <source>Display mode</source>
        <translation>Display mode</translation>
    </message>
    <message>
        <source>Reference coordinates</source>
        <translation>Reference coordinates</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Latitude, °</source>
        <translation>Latitude, °</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Longitude, °</source>
        <translation>Longitude, °</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Altitude, m</source>
        <translation>Altitude, m</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
</TS>
