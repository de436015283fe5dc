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
    <name>SettingsContainerWidget</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>DataSet</source>
        <translation>DataSet</translation>
    </message>
    <message>
        <source>Navigation systems</source>
        <translation>Navigation systems</translation>
    </message>
    <message>
        <source>Solution parameters</source>
        <translation>Solution parameters</translation>
    </message>
    <message>
        <source>Atmospheric Corrections</source>
        <translation>Atmospheric Corrections</translation>
    </message>
    <message>
        <source>PPS</source>
        <translation>PPS</translation>
    </message>
    <message>
        <source>Calendar settings</source>
        <translation>Calendar settings</translation>
    </message>
    <message>
        <source>Raw data</source>
        <translation>Raw data</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Command builder</source>
        <translation>Command builder</translation>
    </message>
    <message>
        <source>ConstellationControl #1</source>
        <translation>ConstellationControl #1</translation>
    </message>
    <message>
        <source>ConstellationControl #2</source>
        <translation>ConstellationControl #2</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Save settings</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>AbstractConfigurationWidget</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>CalendarSettingsWidget</name>
    <message>
        <source>Calendar Settings</source>
        <translation>Calendar Settings</translation>
    </message>
    <message>
        <source>GPS cycle</source>
        <translation>GPS cycle</translation>
    </message>
    <message>
        <source>GPS UTC shift</source>
        <translation>GPS UTC shift</translation>
    </message>
    <message>
        <source>GLO N4</source>
        <translation>GLO N4</translation>
    </message>
</context>
<context>
    <name>DataSetWidget</name>
    <message>
        <source>Data Set</source>
        <translation>Data Set</translation>
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
        <translation>GSV period</translation>
    </message>
</context>
<context>
    <name>SaveSettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Tag for current settings:</source>
        <translation>Tag for current settings:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save settings as:</source>
        <translation>Save settings as:</translation>
    </message>
    <message>
        <source>Active settings:</source>
        <translation>Active settings:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
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
        <source>SET DEFAULT</source>
        <translation>SET DEFAULT</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Settings failed to save.</source>
        <translation>Settings failed to save.</translation>
    </message>
    <message>
        <source>UNDEFINED</source>
        <translation>UNDEFINED</translation>
    </message>
</context>
</TS>
