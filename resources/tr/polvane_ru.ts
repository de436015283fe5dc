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
</TS>
