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
    <name>ConnectionWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM port</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Baud rate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation>Protocol:</translation>
    </message>
    <message>
        <source>Auto detect</source>
        <translation>Auto detect</translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation>TCP/IP</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
</context>
<context>
    <name>ReceiverConnectionWidget</name>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
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
        <translation>Connect</translation>
    </message>
    <message>
        <source>Connection error.</source>
        <translation>Connection error.</translation>
    </message>
    <message>
        <source>Connection to receiver error has occurred.</source>
        <translation>Connection to receiver error has occurred.</translation>
    </message>
</context>
<context>
    <name>LoaderWidget</name>
    <message>
        <source>Processing</source>
        <translation>Processing</translation>
    </message>
    <message>
        <source>Processing...</source>
        <translation>Processing...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <translation>Connection</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Set baud rate</source>
        <translation>Set baud rate</translation>
    </message>
    <message>
        <source>Switch protocol</source>
        <translation>Switch protocol</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>NMEA messages</source>
        <translation>NMEA messages</translation>
    </message>
    <message>
        <source>Force restart</source>
        <translation>Force restart</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Activate</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Auto connection</source>
        <translation>Auto connection</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>1 Hz</source>
        <translation>1 Hz</translation>
    </message>
    <message>
        <source>5 Hz</source>
        <translation>5 Hz</translation>
    </message>
    <message>
        <source>10 Hz</source>
        <translation>10 Hz</translation>
    </message>
    <message>
        <source>20 Hz</source>
        <translation>20 Hz</translation>
    </message>
    <message>
        <source>40 Hz</source>
        <translation>40 Hz</translation>
    </message>
    <message>
        <source>By default</source>
        <translation>By default</translation>
    </message>
    <message>
        <source>Hot</source>
        <translation>Hot</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Cold</source>
        <translation>Cold</translation>
    </message>
    <message>
        <source>With default</source>
        <translation>With default</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>SET 1</source>
        <translation>SET 1</translation>
    </message>
    <message>
        <source>SET 2</source>
        <translation>SET 2</translation>
    </message>
    <message>
        <source>DEFAULT</source>
        <translation>DEFAULT</translation>
    </message>
    <message>
        <source>Clear windows</source>
        <translation>Clear windows</translation>
    </message>
    <message>
        <source>Show settings</source>
        <translation>Show settings</translation>
    </message>
    <message>
        <source>General Information</source>
        <translation>General Information</translation>
    </message>
    <message>
        <source>SkyView</source>
        <translation>SkyView</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>C/No</source>
        <translation>C/No</translation>
    </message>
    <message>
        <source>Base line</source>
        <translation>Base line</translation>
    </message>
    <message>
        <source>Message Log</source>
        <translation>Message Log</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>Debug log</source>
        <translation>Debug log</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Check connection settings.</source>
        <translation>Check connection settings.</translation>
    </message>
    <message>
        <source>UNDEFINED</source>
        <translation>UNDEFINED</translation>
    </message>
    <message>
        <source>This option is available in binary mode only. Do you want to switch to binary mode?</source>
        <translation>This option is available in binary mode only. Do you want to switch to binary mode?</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
