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
</TS>
