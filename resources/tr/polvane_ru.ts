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
    <name>SettingsContainerWidget</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>DataSet</source>
        <translation>Набор данных</translation>
    </message>
    <message>
        <source>Navigation systems</source>
        <translation>Навигационные системы</translation>
    </message>
    <message>
        <source>Solution parameters</source>
        <translation>Параметры решения</translation>
    </message>
    <message>
        <source>Atmospheric Corrections</source>
        <translation>Атмосферные поправки</translation>
    </message>
    <message>
        <source>PPS</source>
        <translation>PPS</translation>
    </message>
    <message>
        <source>Calendar settings</source>
        <translation>Настройки календаря</translation>
    </message>
    <message>
        <source>Raw data</source>
        <translation>Сырые данные</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Command builder</source>
        <translation>Конструктор команд</translation>
    </message>
    <message>
        <source>ConstellationControl #1</source>
        <translation>Управление группировками №1</translation>
    </message>
    <message>
        <source>ConstellationControl #2</source>
        <translation>Управление группировками №2</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранение настроек</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
</context>
<context>
    <name>AbstractConfigurationWidget</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>CalendarSettingsWidget</name>
    <message>
        <source>Calendar Settings</source>
        <translation>Настройки календаря</translation>
    </message>
    <message>
        <source>GPS cycle</source>
        <translation>Цикл GPS</translation>
    </message>
    <message>
        <source>GPS UTC shift</source>
        <translation>Сдвиг GPS UTC</translation>
    </message>
    <message>
        <source>GLO N4</source>
        <translation>ГЛОНАСС N4</translation>
    </message>
</context>
<context>
    <name>DataSetWidget</name>
    <message>
        <source>Data Set</source>
        <translation>Набор данных</translation>
    </message>
    <message>
        <source>TXT</source>
        <translation>TXT</translation>
    </message>
    <message>
        <source>GGA</source>
        <translation>GGA</translation>
    </message>
    <message>
        <source>GSA</source>
        <translation>GSA</translation>
    </message>
    <message>
        <source>GSV</source>
        <translation>GSV</translation>
    </message>
    <message>
        <source>ZDA</source>
        <translation>ZDA</translation>
    </message>
    <message>
        <source>VTG</source>
        <translation>VTG</translation>
    </message>
    <message>
        <source>RMC</source>
        <translation>RMC</translation>
    </message>
    <message>
        <source>GST</source>
        <translation>GST</translation>
    </message>
    <message>
        <source>HDG_DATA</source>
        <translation>HDG_DATA</translation>
    </message>
    <message>
        <source>RTIME_RDATE</source>
        <translation>RTIME_RDATE</translation>
    </message>
    <message>
        <source>RPOS_ECEF</source>
        <translation>RPOS_ECEF</translation>
    </message>
    <message>
        <source>RVEL_ECEF</source>
        <translation>RVEL_ECEF</translation>
    </message>
    <message>
        <source>RPOS_LLA</source>
        <translation>RPOS_LLA</translation>
    </message>
    <message>
        <source>RVEL_ENU</source>
        <translation>RVEL_ENU</translation>
    </message>
    <message>
        <source>RSOL_ATR</source>
        <translation>RSOL_ATR</translation>
    </message>
    <message>
        <source>BPOS_ECEF</source>
        <translation>BPOS_ECEF</translation>
    </message>
    <message>
        <source>GSV_FULL</source>
        <translation>GSV_FULL</translation>
    </message>
    <message>
        <source>RSOL_FULL</source>
        <translation>RSOL_FULL</translation>
    </message>
    <message>
        <source>RSOL_iFULL</source>
        <translation>RSOL_iFULL</translation>
    </message>
    <message>
        <source>YPR_DEG</source>
        <translation>YPR_DEG</translation>
    </message>
    <message>
        <source>HVECT_DATA</source>
        <translation>HVECT_DATA</translation>
    </message>
    <message>
        <source>GSV period</source>
        <translation>Период GSV</translation>
    </message>
</context>
<context>
    <name>SaveSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Сохранение настроек</translation>
    </message>
    <message>
        <source>Tag for current settings:</source>
        <translation>Метка текущих настроек:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save settings as:</source>
        <translation>Сохранить настройки как:</translation>
    </message>
    <message>
        <source>Active settings:</source>
        <translation>Активные настройки:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>SET 1</source>
        <translation>НАБОР 1</translation>
    </message>
    <message>
        <source>SET 2</source>
        <translation>НАБОР 2</translation>
    </message>
    <message>
        <source>SET DEFAULT</source>
        <translation>НАБОР ПО УМОЛЧАНИЮ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Settings failed to save.</source>
        <translation>Не удалось сохранить настройки.</translation>
    </message>
    <message>
        <source>UNDEFINED</source>
        <translation>НЕ ЗАДАНО</translation>
    </message>
</context>
</TS>
