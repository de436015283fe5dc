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
    <name>BaseInfoWidget</name>
    <message>
        <source>General Information</source>
        <translation>Общая информация</translation>
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
        <translation>Дата</translation>
    </message>
    <message>
        <source>HDOP</source>
        <translation>HDOP</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>VDOP</source>
        <translation>VDOP</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>Fix Mode</source>
        <translation>Режим решения</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Качество</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Курс</translation>
    </message>
    <message>
        <source>Format, bitrate</source>
        <translation>Формат, скорость</translation>
    </message>
    <message>
        <source>%1 km/h</source>
        <translation>%1 км/ч</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>нет решения</translation>
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
        <translation>Форма</translation>
    </message>
    <message>
        <source>Receiver coordinates (ECEF)</source>
        <translation>Координаты приёмника (ECEF)</translation>
    </message>
    <message>
        <source>POS_STS</source>
        <translation>POS_STS</translation>
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
        <source>Coordinates BS (ECEF)</source>
        <translation>Координаты БС (ECEF)</translation>
    </message>
    <message>
        <source>Receiver Speed</source>
        <translation>Скорость приёмника</translation>
    </message>
    <message>
        <source>ECEF:</source>
        <translation>ECEF:</translation>
    </message>
    <message>
        <source>vx, m/s</source>
        <translation>vx, м/с</translation>
    </message>
    <message>
        <source>vy, m/s</source>
        <translation>vy, м/с</translation>
    </message>
    <message>
        <source>vz, m/s</source>
        <translation>vz, м/с</translation>
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
        <translation>ve, м/с</translation>
    </message>
    <message>
        <source>vn, m/s</source>
        <translation>vn, м/с</translation>
    </message>
    <message>
        <source>vu, m/s</source>
        <translation>vu, м/с</translation>
    </message>
    <message>
        <source>   -&gt;   </source>
        <translation>   -&gt;   </translation>
    </message>
    <message>
        <source>ven, m/s</source>
        <translation>ven, м/с</translation>
    </message>
    <message>
        <source>cog, °</source>
        <translation>cog, °</translation>
    </message>
    <message>
        <source>clmb, m/s</source>
        <translation>clmb, м/с</translation>
    </message>
    <message>
        <source>Total SA</source>
        <translation>Всего НКА</translation>
    </message>
    <message>
        <source>ARF</source>
        <translation>ARF</translation>
    </message>
    <message>
        <source>Age BS data, s</source>
        <translation>Возраст данных БС, с</translation>
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
        <translation>Журнал отладки</translation>
    </message>
    <message>
        <source>Debug:</source>
        <translation>Отладка:</translation>
    </message>
    <message>
        <source>Table:</source>
        <translation>Таблица:</translation>
    </message>
</context>
<context>
    <name>NMEALogWidget</name>
    <message>
        <source>Message Log</source>
        <translation>Журнал сообщений</translation>
    </message>
    <message>
        <source>Messages:</source>
        <translation>Сообщения:</translation>
    </message>
    <message>
        <source>Hex Flow:</source>
        <translation>Поток (hex):</translation>
    </message>
    <message>
        <source>Byte counter:</source>
        <translation>Счётчик байтов:</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Start writing</source>
        <translation>Начать запись</translation>
    </message>
    <message>
        <source>Stop writing</source>
        <translation>Остановить запись</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Error opening file</source>
        <translation>Ошибка открытия файла</translation>
    </message>
    <message>
        <source>Cannot open file.</source>
        <translation>Не удаётся открыть файл.</translation>
    </message>
    <message>
        <source>Error writing file</source>
        <translation>Ошибка записи файла</translation>
    </message>
    <message>
        <source>An error occurred while writing the file.</source>
        <translation>При записи файла произошла ошибка.</translation>
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
        <translation>ГЛОНАСС</translation>
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
        <translation>УМ, °</translation>
    </message>
    <message>
        <source>Az, °</source>
        <translation>Аз, °</translation>
    </message>
</context>
</TS>
