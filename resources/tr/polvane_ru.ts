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
<context>
    <name>CommandBuilderWidget</name>
    <message>
        <source>Command builder</source>
        <translation>Конструктор команд</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>N:</source>
        <translation>N:</translation>
    </message>
    <message>
        <source>CRC:</source>
        <translation>CRC:</translation>
    </message>
    <message>
        <source>0x</source>
        <translation>0x</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>from file</source>
        <translation>из файла</translation>
    </message>
    <message>
        <source>Data file name:</source>
        <translation>Имя файла данных:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>manually, hex</source>
        <translation>вручную, hex</translation>
    </message>
    <message>
        <source>byte 0:</source>
        <translation>байт 0:</translation>
    </message>
    <message>
        <source>byte 1:</source>
        <translation>байт 1:</translation>
    </message>
    <message>
        <source>byte 2:</source>
        <translation>байт 2:</translation>
    </message>
    <message>
        <source>byte 3:</source>
        <translation>байт 3:</translation>
    </message>
    <message>
        <source>* fill in blank fields</source>
        <translation>* заполните пустые поля</translation>
    </message>
    <message>
        <source>Clear fields</source>
        <translation>Очистить поля</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Выбор файла</translation>
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
        <source>File is larger than 65535 bytes.</source>
        <translation>Файл больше 65535 байт.</translation>
    </message>
    <message>
        <source>Error incorrect value</source>
        <translation>Ошибка: неверное значение</translation>
    </message>
    <message>
        <source>Value &quot;%1&quot; is incorrect.</source>
        <translation>Значение &quot;%1&quot; неверно.</translation>
    </message>
</context>
<context>
    <name>DBGByte</name>
    <message>
        <source>Debug byte</source>
        <translation>Отладочный байт</translation>
    </message>
    <message>
        <source>Nothing was sent: correct the marked field.
%1</source>
        <translation>Ничего не отправлено: исправьте отмеченное поле.
%1</translation>
    </message>
    <message>
        <source>DBGByte widget</source>
        <translation>Отладочные байты</translation>
    </message>
    <message>
        <source>Mode 0</source>
        <translation>Режим 0</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Данные:</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Выполнить</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Режим 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Режим 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Режим 3</translation>
    </message>
</context>
<context>
    <name>RK2290SettingsWidget</name>
    <message>
        <source>RF registers</source>
        <translation>Регистры РЧ</translation>
    </message>
    <message>
        <source>Nothing was sent: correct the marked fields.
%1</source>
        <translation>Ничего не отправлено: исправьте отмеченные поля.
%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>RK2290 Settings</source>
        <translation>Настройки RK2290</translation>
    </message>
    <message>
        <source>Device selection</source>
        <translation>Выбор устройства</translation>
    </message>
    <message>
        <source>RK2290#0</source>
        <translation>RK2290#0</translation>
    </message>
    <message>
        <source>RK2290#1</source>
        <translation>RK2290#1</translation>
    </message>
    <message>
        <source>RST</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>Register settings</source>
        <translation>Работа с регистром</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Прочитать</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>FRQ_band</source>
        <translation>FRQ_band</translation>
    </message>
    <message>
        <source>FRQ_band1</source>
        <translation>FRQ_band1</translation>
    </message>
    <message>
        <source>FRQ_band2</source>
        <translation>FRQ_band2</translation>
    </message>
    <message>
        <source>FRQ_band3</source>
        <translation>FRQ_band3</translation>
    </message>
    <message>
        <source>FRQ_band4</source>
        <translation>FRQ_band4</translation>
    </message>
    <message>
        <source>Reg 12 TBI_REF1</source>
        <translation>Рег. 12 TBI_REF1</translation>
    </message>
    <message>
        <source>TBI_ref_band1</source>
        <translation>TBI_ref_band1</translation>
    </message>
    <message>
        <source>TBI_ref_band2</source>
        <translation>TBI_ref_band2</translation>
    </message>
    <message>
        <source>Reg 13 TBI_REF2</source>
        <translation>Рег. 13 TBI_REF2</translation>
    </message>
    <message>
        <source>TBI_ref_band3</source>
        <translation>TBI_ref_band3</translation>
    </message>
    <message>
        <source>TBI_ref_band4</source>
        <translation>TBI_ref_band4</translation>
    </message>
    <message>
        <source>Reg 14 TBI_REF3</source>
        <translation>Рег. 14 TBI_REF3</translation>
    </message>
    <message>
        <source>TBI_ref_cx</source>
        <translation>TBI_ref_cx</translation>
    </message>
    <message>
        <source>Trim ADC</source>
        <translation>Подстройка АЦП</translation>
    </message>
    <message>
        <source>RF AGC</source>
        <translation>АРУ РЧ</translation>
    </message>
    <message>
        <source>Ch1</source>
        <translation>Кан1</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Ch2</source>
        <translation>Кан2</translation>
    </message>
    <message>
        <source>Ch3</source>
        <translation>Кан3</translation>
    </message>
    <message>
        <source>Ch4</source>
        <translation>Кан4</translation>
    </message>
    <message>
        <source>IFA AGC Gain</source>
        <translation>Усиление АРУ УПЧ</translation>
    </message>
    <message>
        <source>Write RF AGC</source>
        <translation>Записать АРУ РЧ</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>RF AGC On</source>
        <translation>Вкл. АРУ РЧ</translation>
    </message>
    <message>
        <source>RF AGC Off</source>
        <translation>Выкл. АРУ РЧ</translation>
    </message>
    <message>
        <source>Reg 29 AK_CONFIG1</source>
        <translation>Рег. 29 AK_CONFIG1</translation>
    </message>
    <message>
        <source>AK_host_mode 0</source>
        <translation>AK_host_mode 0</translation>
    </message>
    <message>
        <source>AK_host_mode 1</source>
        <translation>AK_host_mode 1</translation>
    </message>
    <message>
        <source>AK_host_mode 2</source>
        <translation>AK_host_mode 2</translation>
    </message>
    <message>
        <source>AK_host_mode 3</source>
        <translation>AK_host_mode 3</translation>
    </message>
    <message>
        <source>Are you sure you want to restart?</source>
        <translation>Вы уверены, что хотите перезапустить микросхему?</translation>
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
        <source>Nothing was sent: correct the marked fields.
%1</source>
        <translation>Ничего не отправлено: исправьте отмеченные поля.
%1</translation>
    </message>
    <message>
        <source>%1 (not sent: not read from the receiver)</source>
        <translation>%1 (не отправлено: не прочитано из приёмника)</translation>
    </message>
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
        <source>with its &quot;#&quot; the tag takes %1 bytes in UTF-8; the receiver keeps %2 (a Cyrillic letter takes 2 bytes, a Latin letter or a digit 1)</source>
        <translation>вместе с «#» метка занимает %1 байт в UTF-8; приёмник хранит %2 (русская буква занимает 2 байта, латинская буква или цифра — 1)</translation>
    </message>
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
<context>
    <name>InterfaceWidget</name>
    <message>
        <source>Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Скорость обмена</translation>
    </message>
    <message>
        <source>UART1</source>
        <translation>UART1</translation>
    </message>
    <message>
        <source>UART2 </source>
        <translation>UART2 </translation>
    </message>
    <message>
        <source>UART3 </source>
        <translation>UART3 </translation>
    </message>
    <message>
        <source>UART4</source>
        <translation>UART4</translation>
    </message>
    <message>
        <source>Base station</source>
        <translation>Базовая станция</translation>
    </message>
    <message>
        <source>Data format</source>
        <translation>Формат данных</translation>
    </message>
    <message>
        <source>Transport delay, ms</source>
        <translation>Транспортная задержка, мс</translation>
    </message>
    <message>
        <source>NMEA / Binary</source>
        <translation>NMEA / Бинарный</translation>
    </message>
    <message>
        <source>UART2</source>
        <translation>UART2</translation>
    </message>
    <message>
        <source>UART3</source>
        <translation>UART3</translation>
    </message>
    <message>
        <source>RAW DATA</source>
        <translation>СЫРЫЕ ДАННЫЕ</translation>
    </message>
    <message>
        <source>BASE DATA</source>
        <translation>ДАННЫЕ БАЗЫ</translation>
    </message>
    <message>
        <source>OEMv4 Novatel</source>
        <translation>OEMv4 Novatel</translation>
    </message>
    <message>
        <source>RTCM3</source>
        <translation>RTCM3</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>UART changed</source>
        <translation>UART изменён</translation>
    </message>
</context>
<context>
    <name>NavigationSystemsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>GNSS_mask</source>
        <translation>Маска ГНСС</translation>
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
        <source>Galileo</source>
        <translation>Galileo</translation>
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
        <source>SBAS_mask</source>
        <translation>Маска SBAS</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>SBAS #1</source>
        <translation>SBAS #1</translation>
    </message>
    <message>
        <source>SBAS #2</source>
        <translation>SBAS #2</translation>
    </message>
    <message>
        <source>SBAS #3</source>
        <translation>SBAS #3</translation>
    </message>
    <message>
        <source>SBAS #4</source>
        <translation>SBAS #4</translation>
    </message>
    <message>
        <source>SBAS #5</source>
        <translation>SBAS #5</translation>
    </message>
    <message>
        <source>SBAS #6</source>
        <translation>SBAS #6</translation>
    </message>
</context>
<context>
    <name>SolutionParametersWidget</name>
    <message>
        <source>Solution Parameters</source>
        <translation>Параметры решения</translation>
    </message>
    <message>
        <source>Solution type</source>
        <translation>Тип решения</translation>
    </message>
    <message>
        <source>PDOP limit</source>
        <translation>Предел PDOP</translation>
    </message>
    <message>
        <source>Min Sat Elevation</source>
        <translation>Мин. угол места спутника</translation>
    </message>
    <message>
        <source>Min Sat SNR</source>
        <translation>Мин. С/Ш спутника</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>SBAS mode</source>
        <translation>Режим SBAS</translation>
    </message>
    <message>
        <source>RTK settings</source>
        <translation>Настройки RTK</translation>
    </message>
    <message>
        <source>RTK mode</source>
        <translation>Режим RTK</translation>
    </message>
    <message>
        <source>RTK quality</source>
        <translation>Качество RTK</translation>
    </message>
    <message>
        <source>ARF</source>
        <translation>ARF</translation>
    </message>
    <message>
        <source>AGE, s</source>
        <translation>Возраст, с</translation>
    </message>
    <message>
        <source>Base line, cm</source>
        <translation>База, см</translation>
    </message>
    <message>
        <source>Fix GNSS mask</source>
        <translation>Маска ГНСС для фиксации</translation>
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
        <source>Galileo</source>
        <translation>Galileo</translation>
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
        <source>Tracking</source>
        <translation>Слежение</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Static &amp; OCXO</source>
        <translation>Статика и OCXO</translation>
    </message>
    <message>
        <source>Static &amp; TCXO</source>
        <translation>Статика и TCXO</translation>
    </message>
    <message>
        <source>Mid. dinamic</source>
        <translation>Средняя динамика</translation>
    </message>
    <message>
        <source>Max. dinamic</source>
        <translation>Макс. динамика</translation>
    </message>
    <message>
        <source>1 Hz</source>
        <translation>1 Гц</translation>
    </message>
    <message>
        <source>2 Hz</source>
        <translation>2 Гц</translation>
    </message>
    <message>
        <source>5 Hz</source>
        <translation>5 Гц</translation>
    </message>
    <message>
        <source>10 Hz</source>
        <translation>10 Гц</translation>
    </message>
    <message>
        <source>SBAS OFF</source>
        <translation>SBAS ВЫКЛ</translation>
    </message>
    <message>
        <source>SBAS ON</source>
        <translation>SBAS ВКЛ</translation>
    </message>
    <message>
        <source>SBAS+ ON</source>
        <translation>SBAS+ ВКЛ</translation>
    </message>
    <message>
        <source>RTK STATIC</source>
        <translation>RTK СТАТИКА</translation>
    </message>
    <message>
        <source>RTK KINEMATIC</source>
        <translation>RTK КИНЕМАТИКА</translation>
    </message>
    <message>
        <source>RTK MOVING BASE</source>
        <translation>RTK ПОДВИЖНАЯ БАЗА</translation>
    </message>
    <message>
        <source>DIFF</source>
        <translation>DIFF</translation>
    </message>
    <message>
        <source>FLOAT</source>
        <translation>FLOAT</translation>
    </message>
    <message>
        <source>FIX</source>
        <translation>FIX</translation>
    </message>
    <message>
        <source>SINGLE</source>
        <translation>АВТОНОМНОЕ</translation>
    </message>
    <message>
        <source>RTK</source>
        <translation>RTK</translation>
    </message>
    <message>
        <source>SINGLE + ANGLE </source>
        <translation>АВТОНОМНОЕ + УГЛЫ </translation>
    </message>
    <message>
        <source>RTK + ANGLE </source>
        <translation>RTK + УГЛЫ </translation>
    </message>
</context>
<context>
    <name>AtmosphericCorrectionsWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>IONO corrections</source>
        <translation>Ионосферные поправки</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Trashold, %</source>
        <translation>Порог, %</translation>
    </message>
    <message>
        <source>Exclude mask</source>
        <translation>Маска исключений</translation>
    </message>
    <message>
        <source>USER</source>
        <translation>USER</translation>
    </message>
    <message>
        <source>AUTO_GENERIC </source>
        <translation>AUTO_GENERIC </translation>
    </message>
    <message>
        <source>BDO</source>
        <translation>BDO</translation>
    </message>
    <message>
        <source>AUTO_REGIONAL </source>
        <translation>AUTO_REGIONAL </translation>
    </message>
    <message>
        <source>IRN</source>
        <translation>IRN</translation>
    </message>
    <message>
        <source>IRN_GRID </source>
        <translation>IRN_GRID </translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>SBAS_GRID </source>
        <translation>SBAS_GRID </translation>
    </message>
    <message>
        <source>GAL</source>
        <translation>GAL</translation>
    </message>
    <message>
        <source>DUAL_FRQ </source>
        <translation>DUAL_FRQ </translation>
    </message>
    <message>
        <source>User IONO Model</source>
        <translation>Пользовательская модель ионосферы</translation>
    </message>
    <message>
        <source>a0</source>
        <translation>a0</translation>
    </message>
    <message>
        <source>* 1e-8</source>
        <translation>* 1e-8</translation>
    </message>
    <message>
        <source>a1</source>
        <translation>a1</translation>
    </message>
    <message>
        <source>a2</source>
        <translation>a2</translation>
    </message>
    <message>
        <source>a3</source>
        <translation>a3</translation>
    </message>
    <message>
        <source>b0</source>
        <translation>b0</translation>
    </message>
    <message>
        <source>b1</source>
        <translation>b1</translation>
    </message>
    <message>
        <source>b2</source>
        <translation>b2</translation>
    </message>
    <message>
        <source>b3</source>
        <translation>b3</translation>
    </message>
    <message>
        <source>TROPO corrections</source>
        <translation>Тропосферные поправки</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>SBAS</source>
        <translation>SBAS</translation>
    </message>
    <message>
        <source>SAAST</source>
        <translation>SAAST</translation>
    </message>
    <message>
        <source>AUTO_GENERIC</source>
        <translation>AUTO_GENERIC</translation>
    </message>
    <message>
        <source>AUTO_REGIONAL</source>
        <translation>AUTO_REGIONAL</translation>
    </message>
    <message>
        <source>IRN_GRID</source>
        <translation>IRN_GRID</translation>
    </message>
    <message>
        <source>SBAS_GRID</source>
        <translation>SBAS_GRID</translation>
    </message>
    <message>
        <source>DUAL_FRQ</source>
        <translation>DUAL_FRQ</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>АВТО</translation>
    </message>
</context>
<context>
    <name>PPSWidget</name>
    <message>
        <source>PPS</source>
        <translation>PPS</translation>
    </message>
    <message>
        <source>PPS calibration value</source>
        <translation>Калибровочное значение PPS</translation>
    </message>
    <message>
        <source>PPS shift state adjustment</source>
        <translation>Шкала подстройки сдвига PPS</translation>
    </message>
    <message>
        <source>Raw data clock source </source>
        <translation>Источник часов сырых данных </translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>Clock tolerance, ms</source>
        <translation>Допуск часов, мс</translation>
    </message>
    <message>
        <source>GLO L1 slope, ns</source>
        <translation>Наклон ГЛОНАСС L1, нс</translation>
    </message>
    <message>
        <source>GLO L2 slope, ns</source>
        <translation>Наклон ГЛОНАСС L2, нс</translation>
    </message>
    <message>
        <source>tscl_AUTO</source>
        <translation>tscl_AUTO</translation>
    </message>
    <message>
        <source>tscl_GPS</source>
        <translation>tscl_GPS</translation>
    </message>
    <message>
        <source>tscl_GLO</source>
        <translation>tscl_GLO</translation>
    </message>
    <message>
        <source>tscl_BDO</source>
        <translation>tscl_BDO</translation>
    </message>
    <message>
        <source>tscl_GAL</source>
        <translation>tscl_GAL</translation>
    </message>
    <message>
        <source>tscl_IRN</source>
        <translation>tscl_IRN</translation>
    </message>
    <message>
        <source>tscl_UTC</source>
        <translation>tscl_UTC</translation>
    </message>
    <message>
        <source>tscl_NO</source>
        <translation>tscl_NO</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Приёмник</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Система</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>Correct the marked fields.
%1</source>
        <translation>Исправьте отмеченные поля.
%1</translation>
    </message>
    <message>
        <source>Nothing was sent: correct the marked fields.
%1</source>
        <translation>Ничего не отправлено: исправьте отмеченные поля.
%1</translation>
    </message>
    <message>
        <source>Nothing was written: correct the marked fields.
%1</source>
        <translation>Ничего не записано: исправьте отмеченные поля.
%1</translation>
    </message>
    <message>
        <source>The receiver did not start the calibration: it refused the command or did not answer.</source>
        <translation>Приёмник не начал калибровку: он отклонил команду или не ответил.</translation>
    </message>
    <message>
        <source>The receiver did not take the position: it refused it or did not answer. The fields show the position the receiver holds.</source>
        <translation>Приёмник не принял координаты: он отклонил их или не ответил. В полях показаны координаты, которые хранит приёмник.</translation>
    </message>
    <message>
        <source>The receiver did not take the position: it refused it or did not answer, and its position could not be read. The marked fields hold the typed position, which the receiver has not taken.</source>
        <translation>Приёмник не принял координаты: он отклонил их или не ответил, а прочитать его координаты не удалось. В отмеченных полях — введённые координаты, которые приёмник не принял.</translation>
    </message>
    <message>
        <source>not taken by the receiver</source>
        <translation>не принято приёмником</translation>
    </message>
    <message>
        <source>The receiver did not take the calibration table: it refused it or did not answer. It was not restarted; its current table is read again.</source>
        <translation>Приёмник не принял калибровочную таблицу: он отклонил её или не ответил. Приёмник не перезапущен; его текущая таблица считывается заново.</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>LLA</source>
        <translation></translation>
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
        <source>Set</source>
        <translation>Установаить</translation>
    </message>
    <message>
        <source>Calibration data</source>
        <translation>Калибровочные данные</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Текущие</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новые</translation>
    </message>
    <message>
        <source>Combined</source>
        <translation>Комбинированные</translation>
    </message>
    <message>
        <source>L1</source>
        <translation></translation>
    </message>
    <message>
        <source>L2</source>
        <translation></translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Значение:</translation>
    </message>
    <message>
        <source>STD:</source>
        <translation></translation>
    </message>
    <message>
        <source>SLD:</source>
        <translation></translation>
    </message>
    <message>
        <source>-7:</source>
        <translation></translation>
    </message>
    <message>
        <source>-6:</source>
        <translation></translation>
    </message>
    <message>
        <source>-5:</source>
        <translation></translation>
    </message>
    <message>
        <source>-4:</source>
        <translation></translation>
    </message>
    <message>
        <source>-3:</source>
        <translation></translation>
    </message>
    <message>
        <source>-2:</source>
        <translation></translation>
    </message>
    <message>
        <source>-1:</source>
        <translation></translation>
    </message>
    <message>
        <source>0:</source>
        <translation></translation>
    </message>
    <message>
        <source>1:</source>
        <translation></translation>
    </message>
    <message>
        <source>2:</source>
        <translation></translation>
    </message>
    <message>
        <source>3:</source>
        <translation></translation>
    </message>
    <message>
        <source>4:</source>
        <translation></translation>
    </message>
    <message>
        <source>5:</source>
        <translation></translation>
    </message>
    <message>
        <source>6:</source>
        <translation></translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Restart</source>
        <translation>Сохранить &amp;&amp; Перезапустить</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Читать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Температура:</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Выберите файл</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
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
<context>
    <name>ConnectionWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM-порт</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>Скорость:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Протокол:</translation>
    </message>
    <message>
        <source>Auto detect</source>
        <translation>Автоопределение</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Адрес:</translation>
    </message>
</context>
<context>
    <name>ReceiverConnectionWidget</name>
    <message>
        <source>Not connected: correct the marked field.
%1</source>
        <translation>Соединение не установлено: исправьте отмеченное поле.
%1</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>En</source>
        <translation>En</translation>
    </message>
    <message>
        <source>Ru</source>
        <translation>Ru</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Connection error.</source>
        <translation>Ошибка подключения.</translation>
    </message>
    <message>
        <source>Connection to receiver error has occurred.</source>
        <translation>Произошла ошибка подключения к приёмнику.</translation>
    </message>
</context>
<context>
    <name>LoaderWidget</name>
    <message>
        <source>Processing</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Обработка...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>DisplayContainerWidget</name>
    <message>
        <source>Polvane 5.4.2</source>
        <translation>Polvane 5.4.2</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Set baud rate</source>
        <translation>Скорость порта</translation>
    </message>
    <message>
        <source>Switch protocol</source>
        <translation>Сменить протокол</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Измерения</translation>
    </message>
    <message>
        <source>NMEA messages</source>
        <translation>Сообщения NMEA</translation>
    </message>
    <message>
        <source>Force restart</source>
        <translation>Перезапуск</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Флеш-память</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Окна</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Auto connection</source>
        <translation>Автоподключение</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>1 Hz</source>
        <translation>1 Гц</translation>
    </message>
    <message>
        <source>5 Hz</source>
        <translation>5 Гц</translation>
    </message>
    <message>
        <source>10 Hz</source>
        <translation>10 Гц</translation>
    </message>
    <message>
        <source>20 Hz</source>
        <translation>20 Гц</translation>
    </message>
    <message>
        <source>40 Hz</source>
        <translation>40 Гц</translation>
    </message>
    <message>
        <source>By default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Горячий</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Тёплый</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Холодный</translation>
    </message>
    <message>
        <source>With default</source>
        <translation>Со сбросом настроек</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Аппаратный</translation>
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
        <source>DEFAULT</source>
        <translation>ПО УМОЛЧАНИЮ</translation>
    </message>
    <message>
        <source>Clear windows</source>
        <translation>Очистить окна</translation>
    </message>
    <message>
        <source>Show settings</source>
        <translation>Показать настройки</translation>
    </message>
    <message>
        <source>General Information</source>
        <translation>Общая информация</translation>
    </message>
    <message>
        <source>SkyView</source>
        <translation>Небосвод</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Трек</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Графики</translation>
    </message>
    <message>
        <source>C/No</source>
        <translation>С/Ш</translation>
    </message>
    <message>
        <source>Base line</source>
        <translation>Базовая линия</translation>
    </message>
    <message>
        <source>Message Log</source>
        <translation>Журнал сообщений</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Карта</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Курс</translation>
    </message>
    <message>
        <source>Debug log</source>
        <translation>Отладочный журнал</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Check connection settings.</source>
        <translation>Проверьте параметры подключения.</translation>
    </message>
    <message>
        <source>UNDEFINED</source>
        <translation>НЕ ЗАДАН</translation>
    </message>
    <message>
        <source>This option is available in binary mode only. Do you want to switch to binary mode?</source>
        <translation>Эта функция доступна только в двоичном режиме. Перейти в двоичный режим?</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
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
        <source>Nothing was saved: correct the marked fields.
%1</source>
        <translation>Ничего не сохранено: исправьте отмеченные поля.
%1</translation>
    </message>
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
<context>
    <name>GeoCoordinate</name>
    <message>
        <source>N</source>
        <translation>С</translation>
    </message>
    <message>
        <source>S</source>
        <translation>Ю</translation>
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
        <source>%1 m.</source>
        <translation>%1 м.</translation>
    </message>
</context>
<context>
    <name>RawDataWidget</name>
    <message>
        <source>Raw data</source>
        <translation>Сырые данные</translation>
    </message>
    <message>
        <source>Raw data rate</source>
        <translation>Частота сырых данных</translation>
    </message>
    <message>
        <source>Smoothing mode</source>
        <translation>Режим сглаживания</translation>
    </message>
    <message>
        <source>RAW SHELL</source>
        <translation>Формат RAW</translation>
    </message>
    <message>
        <source>BESTPOS/1006</source>
        <translation>BESTPOS/1006</translation>
    </message>
    <message>
        <source>Single Sol</source>
        <translation>Автономное решение</translation>
    </message>
    <message>
        <source>User data</source>
        <translation>Данные пользователя</translation>
    </message>
    <message>
        <source>BestPos latitude, °</source>
        <translation>Широта BestPos, °</translation>
    </message>
    <message>
        <source>BestPos longitude, °</source>
        <translation>Долгота BestPos, °</translation>
    </message>
    <message>
        <source>BestPos altitude, m</source>
        <translation>Высота BestPos, м</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>NOVATEL:</source>
        <translation>NOVATEL:</translation>
    </message>
    <message>
        <source>RTCM3:</source>
        <translation>RTCM3:</translation>
    </message>
    <message>
        <source>RANGE</source>
        <translation>RANGE</translation>
    </message>
    <message>
        <source>RANGECMP</source>
        <translation>RANGECMP</translation>
    </message>
    <message>
        <source>GPSEPH</source>
        <translation>GPSEPH</translation>
    </message>
    <message>
        <source>GLOEPH</source>
        <translation>GLOEPH</translation>
    </message>
    <message>
        <source>GLOCLOCK</source>
        <translation>GLOCLOCK</translation>
    </message>
    <message>
        <source>BESTPOS</source>
        <translation>BESTPOS</translation>
    </message>
    <message>
        <source>GSVDATA</source>
        <translation>GSVDATA</translation>
    </message>
    <message>
        <source>BDSEPHEMERIS</source>
        <translation>BDSEPHEMERIS</translation>
    </message>
    <message>
        <source>GALINAV_EPH</source>
        <translation>GALINAV_EPH</translation>
    </message>
    <message>
        <source>IRNEPHEMERIS</source>
        <translation>IRNEPHEMERIS</translation>
    </message>
    <message>
        <source>1004+1012</source>
        <translation>1004+1012</translation>
    </message>
    <message>
        <source>1019</source>
        <translation>1019</translation>
    </message>
    <message>
        <source>1020</source>
        <translation>1020</translation>
    </message>
    <message>
        <source>1006</source>
        <translation>1006</translation>
    </message>
    <message>
        <source>Masks</source>
        <translation>Маски</translation>
    </message>
    <message>
        <source>Navigation systems</source>
        <translation>Навигационные системы</translation>
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
        <source>Min. C/N ratio,  dB/Hz</source>
        <translation>Мин. отношение С/Ш,  дБ/Гц</translation>
    </message>
    <message>
        <source>Min. elevation angle, °</source>
        <translation>Мин. угол возвышения, °</translation>
    </message>
    <message>
        <source>Use RAIM</source>
        <translation>Использовать RAIM</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>1 Hz</source>
        <translation>1 Гц</translation>
    </message>
    <message>
        <source>5 Hz</source>
        <translation>5 Гц</translation>
    </message>
    <message>
        <source>10 Hz</source>
        <translation>10 Гц</translation>
    </message>
    <message>
        <source>20 Hz</source>
        <translation>20 Гц</translation>
    </message>
    <message>
        <source>40 Hz</source>
        <translation>40 Гц</translation>
    </message>
    <message>
        <source>NOVATEL</source>
        <translation>NOVATEL</translation>
    </message>
    <message>
        <source>NOVATEL + BIN</source>
        <translation>NOVATEL + BIN</translation>
    </message>
    <message>
        <source>RTCM3</source>
        <translation>RTCM3</translation>
    </message>
    <message>
        <source>RTCM3 + BIN</source>
        <translation>RTCM3 + BIN</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
</context>
<context>
    <name>ConstellationControlWidget1</name>
    <message>
        <source>%1 is not an SBAS satellite (0, or 120 to 156)</source>
        <translation>%1 — не спутник SBAS (0 или от 120 до 156)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Signals allocation</source>
        <translation>Распределение сигналов</translation>
    </message>
    <message>
        <source>SBAS CONSTL</source>
        <translation>Созвездие SBAS</translation>
    </message>
    <message>
        <source>Primary Frequency </source>
        <translation>Основная частота </translation>
    </message>
    <message>
        <source>Secondary Frequency </source>
        <translation>Вторая частота </translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>GLO</source>
        <translation>ГЛН</translation>
    </message>
    <message>
        <source>BDO</source>
        <translation>BDO</translation>
    </message>
    <message>
        <source>GAL</source>
        <translation>GAL</translation>
    </message>
    <message>
        <source>NavIc</source>
        <translation>NavIC</translation>
    </message>
    <message>
        <source>SBAS</source>
        <translation>SBAS</translation>
    </message>
    <message>
        <source>SBAS #1</source>
        <translation>SBAS №1</translation>
    </message>
    <message>
        <source>SBAS #2</source>
        <translation>SBAS №2</translation>
    </message>
    <message>
        <source>SBAS #3</source>
        <translation>SBAS №3</translation>
    </message>
    <message>
        <source>SBAS #4</source>
        <translation>SBAS №4</translation>
    </message>
    <message>
        <source>SBAS #5</source>
        <translation>SBAS №5</translation>
    </message>
    <message>
        <source>SBAS #6</source>
        <translation>SBAS №6</translation>
    </message>
    <message>
        <source>Save to flash and reset to make settings active!</source>
        <translation>Сохраните настройки во флеш-память и перезапустите приёмник, чтобы они вступили в силу!</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>L1</source>
        <translation>L1</translation>
    </message>
    <message>
        <source>L2</source>
        <translation>L2</translation>
    </message>
    <message>
        <source>L5</source>
        <translation>L5</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>E1</source>
        <translation>E1</translation>
    </message>
    <message>
        <source>E5b</source>
        <translation>E5b</translation>
    </message>
    <message>
        <source>E5a</source>
        <translation>E5a</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>ConstellationControlWidget2</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>NavIc PRN Codes</source>
        <translation>PRN-коды NavIC</translation>
    </message>
    <message>
        <source>L5</source>
        <translation>L5</translation>
    </message>
    <message>
        <source>S band</source>
        <translation>Диапазон S</translation>
    </message>
    <message>
        <source>SAT #1</source>
        <translation>КА №1</translation>
    </message>
    <message>
        <source>SAT #2</source>
        <translation>КА №2</translation>
    </message>
    <message>
        <source>SAT #3</source>
        <translation>КА №3</translation>
    </message>
    <message>
        <source>SAT #4</source>
        <translation>КА №4</translation>
    </message>
    <message>
        <source>SAT #5</source>
        <translation>КА №5</translation>
    </message>
    <message>
        <source>SAT #6</source>
        <translation>КА №6</translation>
    </message>
    <message>
        <source>SAT #7</source>
        <translation>КА №7</translation>
    </message>
    <message>
        <source>SAT #8</source>
        <translation>КА №8</translation>
    </message>
    <message>
        <source>SAT #9</source>
        <translation>КА №9</translation>
    </message>
    <message>
        <source>SAT #10</source>
        <translation>КА №10</translation>
    </message>
    <message>
        <source>SAT #11</source>
        <translation>КА №11</translation>
    </message>
    <message>
        <source>SAT #12</source>
        <translation>КА №12</translation>
    </message>
    <message>
        <source>SAT #13</source>
        <translation>КА №13</translation>
    </message>
    <message>
        <source>SAT #14</source>
        <translation>КА №14</translation>
    </message>
    <message>
        <source>0x</source>
        <translation>0x</translation>
    </message>
    <message>
        <source>Save to flash and reset to make settings active!</source>
        <translation>Сохраните настройки во флеш-память и перезапустите приёмник, чтобы они вступили в силу!</translation>
    </message>
</context>
<context>
    <name>FirmwareInstallerWidget</name>
    <message>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>User Firmware</source>
        <translation>Пользовательская прошивка</translation>
    </message>
    <message>
        <source>Native Firmware</source>
        <translation>Заводская прошивка</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Load mark</source>
        <translation>Метка загрузки</translation>
    </message>
    <message>
        <source>Load mark:</source>
        <translation>Метка загрузки:</translation>
    </message>
    <message>
        <source>Build attributes</source>
        <translation>Атрибуты сборки</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Текущая:</translation>
    </message>
    <message>
        <source>New:</source>
        <translation>Новая:</translation>
    </message>
    <message>
        <source>Build version</source>
        <translation>Версия сборки</translation>
    </message>
    <message>
        <source>Build date</source>
        <translation>Дата сборки</translation>
    </message>
    <message>
        <source>Device ID 0</source>
        <translation>ID устройства 0</translation>
    </message>
    <message>
        <source>Device ID 1</source>
        <translation>ID устройства 1</translation>
    </message>
    <message>
        <source>Device ID 2</source>
        <translation>ID устройства 2</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>ID устройства</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Выбор файла</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>File is not selected</source>
        <translation>Файл не выбран</translation>
    </message>
    <message>
        <source>This option is available only for developers. Are you sure that you want to do this?</source>
        <translation>Эта функция предназначена только для разработчиков. Вы уверены, что хотите продолжить?</translation>
    </message>
    <message>
        <source>Error writing sector</source>
        <translation>Ошибка записи сектора</translation>
    </message>
    <message>
        <source>An error occurred while writing the sector #%1.</source>
        <translation>При записи сектора №%1 произошла ошибка.</translation>
    </message>
    <message>
        <source>Error erasing sector</source>
        <translation>Ошибка стирания сектора</translation>
    </message>
    <message>
        <source>An error occurred while erasing the sector #%1.</source>
        <translation>При стирании сектора №%1 произошла ошибка.</translation>
    </message>
    <message>
        <source>Error validating firmware</source>
        <translation>Ошибка проверки прошивки</translation>
    </message>
    <message>
        <source>An error occurred while validating installed firmware.</source>
        <translation>При проверке установленной прошивки произошла ошибка.</translation>
    </message>
    <message>
        <source>Installation fail</source>
        <translation>Сбой установки</translation>
    </message>
    <message>
        <source>An error occurred while installing firmware.</source>
        <translation>При установке прошивки произошла ошибка.</translation>
    </message>
    <message>
        <source>File operation error</source>
        <translation>Ошибка работы с файлом</translation>
    </message>
    <message>
        <source>An error occurred when performing a file operation.</source>
        <translation>При выполнении операции с файлом произошла ошибка.</translation>
    </message>
    <message>
        <source>Writing completed</source>
        <translation>Запись завершена</translation>
    </message>
    <message>
        <source>Firmware writing is successfully completed.</source>
        <translation>Запись прошивки успешно завершена.</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>a number is needed</source>
        <translation>нужно число</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hexadecimal number</source>
        <translation>«%1» — не шестнадцатеричное число</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>«%1» — не число</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 — не целое число</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 вне пределов от %2 до %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
