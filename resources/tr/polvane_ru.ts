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
    <name>SkyView</name>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>GLONASS</source>
        <translation>ГЛОНАСС</translation>
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
        <translation>З</translation>
    </message>
    <message>
        <source>N, m.</source>
        <translation>С, м.</translation>
    </message>
    <message>
        <source>E, m.</source>
        <translation>В, м.</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
</context>
<context>
    <name>SkyViewWidget</name>
    <message>
        <source>SkyView</source>
        <translation>Небосвод</translation>
    </message>
</context>
<context>
    <name>SnrWidget</name>
    <message>
        <source>Signal/Noise Ratio</source>
        <translation>Отношение сигнал/шум</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>GLONASS</source>
        <translation>ГЛОНАСС</translation>
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
        <translation>Графики</translation>
    </message>
    <message>
        <source>E-W (m)</source>
        <translation>В-З (м)</translation>
    </message>
    <message>
        <source>N-S (m)</source>
        <translation>С-Ю (м)</translation>
    </message>
    <message>
        <source>U-D (m)</source>
        <translation>Верх-низ (м)</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Автономное</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>Дифференциальное</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Фиксированное</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Плавающее</translation>
    </message>
    <message>
        <source>Extrapolated</source>
        <translation>Экстраполяция</translation>
    </message>
</context>
<context>
    <name>TrackWidget</name>
    <message>
        <source>Track</source>
        <translation>Трек</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Широта:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Долгота:</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;x&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;x&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>REF</source>
        <translation>Опора</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;y&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;y&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>RСV</source>
        <translation>Приёмник</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;z&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;σ&lt;sub&gt;z&lt;/sub&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Градусы</translation>
    </message>
    <message>
        <source>Degrees_min</source>
        <translation>Градусы_мин</translation>
    </message>
    <message>
        <source>Degrees_min_sec</source>
        <translation>Градусы_мин_сек</translation>
    </message>
    <message>
        <source>%1 m.</source>
        <translation>%1 м.</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Автономное</translation>
    </message>
    <message>
        <source>Diff</source>
        <translation>Дифференциальное</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Фиксированное</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Плавающее</translation>
    </message>
    <message>
        <source>Extrapolated</source>
        <translation>Экстраполяция</translation>
    </message>
</context>
<context>
    <name>DisplaySettingsWidget</name>
    <message>
        <source>Display mode</source>
        <translation>Режим отображения</translation>
    </message>
    <message>
        <source>Reference coordinates</source>
        <translation>Опорные координаты</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Заданные</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Latitude, °</source>
        <translation>Широта, °</translation>
    </message>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
    </message>
    <message>
        <source>Longitude, °</source>
        <translation>Долгота, °</translation>
    </message>
    <message>
        <source>E</source>
        <translation>В</translation>
    </message>
    <message>
        <source>W</source>
        <translation>З</translation>
    </message>
    <message>
        <source>Altitude, m</source>
        <translation>Высота, м</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Точек</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
</TS>
