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
    <name>Coordinates</name>
    <message>
        <source>NV</source>
        <translation>NV</translation>
    </message>
    <message>
        <source>SINGLE</source>
        <translation>SINGLE</translation>
    </message>
    <message>
        <source>CDDIFF</source>
        <translation>CDDIFF</translation>
    </message>
    <message>
        <source>FIX</source>
        <translation>FIX</translation>
    </message>
    <message>
        <source>FLOAT</source>
        <translation>FLOAT</translation>
    </message>
    <message>
        <source>EXT</source>
        <translation>EXT</translation>
    </message>
</context>
<context>
    <name>CommandBuilderWidget</name>
    <message>
        <source>Command builder</source>
        <translation>Command builder</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
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
        <translation>Data</translation>
    </message>
    <message>
        <source>from file</source>
        <translation>from file</translation>
    </message>
    <message>
        <source>Data file name:</source>
        <translation>Data file name:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>manually, hex</source>
        <translation>manually, hex</translation>
    </message>
    <message>
        <source>byte 0:</source>
        <translation>byte 0:</translation>
    </message>
    <message>
        <source>byte 1:</source>
        <translation>byte 1:</translation>
    </message>
    <message>
        <source>byte 2:</source>
        <translation>byte 2:</translation>
    </message>
    <message>
        <source>byte 3:</source>
        <translation>byte 3:</translation>
    </message>
    <message>
        <source>* fill in blank fields</source>
        <translation>* fill in blank fields</translation>
    </message>
    <message>
        <source>Clear fields</source>
        <translation>Clear fields</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Choose file</translation>
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
        <source>File is larger than 65535 bytes.</source>
        <translation>File is larger than 65535 bytes.</translation>
    </message>
    <message>
        <source>Error incorrect value</source>
        <translation>Error incorrect value</translation>
    </message>
    <message>
        <source>Value &quot;%1&quot; is incorrect.</source>
        <translation>Value &quot;%1&quot; is incorrect.</translation>
    </message>
</context>
<context>
    <name>DBGByte</name>
    <message>
        <source>Debug byte</source>
        <translation>Debug byte</translation>
    </message>
    <message>
        <source>Nothing was sent: correct the marked field.
%1</source>
        <translation>Nothing was sent: correct the marked field.
%1</translation>
    </message>
    <message>
        <source>DBGByte widget</source>
        <translation>DBGByte widget</translation>
    </message>
    <message>
        <source>Mode 0</source>
        <translation>Mode 0</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Execute</translation>
    </message>
    <message>
        <source>Mode 1</source>
        <translation>Mode 1</translation>
    </message>
    <message>
        <source>Mode 2</source>
        <translation>Mode 2</translation>
    </message>
    <message>
        <source>Mode 3</source>
        <translation>Mode 3</translation>
    </message>
</context>
<context>
    <name>RK2290SettingsWidget</name>
    <message>
        <source>RF registers</source>
        <translation>RF registers</translation>
    </message>
    <message>
        <source>Nothing was sent: correct the marked fields.
%1</source>
        <translation>Nothing was sent: correct the marked fields.
%1</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>RK2290 Settings</source>
        <translation>RK2290 Settings</translation>
    </message>
    <message>
        <source>Device selection</source>
        <translation>Device selection</translation>
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
        <translation>RST</translation>
    </message>
    <message>
        <source>Register settings</source>
        <translation>Register settings</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
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
        <translation>Reg 12 TBI_REF1</translation>
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
        <translation>Reg 13 TBI_REF2</translation>
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
        <translation>Reg 14 TBI_REF3</translation>
    </message>
    <message>
        <source>TBI_ref_cx</source>
        <translation>TBI_ref_cx</translation>
    </message>
    <message>
        <source>Trim ADC</source>
        <translation>Trim ADC</translation>
    </message>
    <message>
        <source>RF AGC</source>
        <translation>RF AGC</translation>
    </message>
    <message>
        <source>Ch1</source>
        <translation>Ch1</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>Ch2</source>
        <translation>Ch2</translation>
    </message>
    <message>
        <source>Ch3</source>
        <translation>Ch3</translation>
    </message>
    <message>
        <source>Ch4</source>
        <translation>Ch4</translation>
    </message>
    <message>
        <source>IFA AGC Gain</source>
        <translation>IFA AGC Gain</translation>
    </message>
    <message>
        <source>Write RF AGC</source>
        <translation>Write RF AGC</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>RF AGC On</source>
        <translation>RF AGC On</translation>
    </message>
    <message>
        <source>RF AGC Off</source>
        <translation>RF AGC Off</translation>
    </message>
    <message>
        <source>Reg 29 AK_CONFIG1</source>
        <translation>Reg 29 AK_CONFIG1</translation>
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
        <translation>Are you sure you want to restart?</translation>
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
        <source>Nothing was sent: correct the marked fields.
%1</source>
        <translation>Nothing was sent: correct the marked fields.
%1</translation>
    </message>
    <message>
        <source>%1 (not sent: not read from the receiver)</source>
        <translation>%1 (not sent: not read from the receiver)</translation>
    </message>
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
        <source>with its &quot;#&quot; the tag takes %1 bytes in UTF-8; the receiver keeps %2 (a Cyrillic letter takes 2 bytes, a Latin letter or a digit 1)</source>
        <translation>with its &quot;#&quot; the tag takes %1 bytes in UTF-8; the receiver keeps %2 (a Cyrillic letter takes 2 bytes, a Latin letter or a digit 1)</translation>
    </message>
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
<context>
    <name>InterfaceWidget</name>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baud Rate</translation>
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
        <translation>Base station</translation>
    </message>
    <message>
        <source>Data format</source>
        <translation>Data format</translation>
    </message>
    <message>
        <source>Transport delay, ms</source>
        <translation>Transport delay, ms</translation>
    </message>
    <message>
        <source>NMEA / Binary</source>
        <translation>NMEA / Binary</translation>
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
        <translation>RAW DATA</translation>
    </message>
    <message>
        <source>BASE DATA</source>
        <translation>BASE DATA</translation>
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
        <translation>Information</translation>
    </message>
    <message>
        <source>UART changed</source>
        <translation>UART changed</translation>
    </message>
</context>
<context>
    <name>NavigationSystemsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>GNSS_mask</source>
        <translation>GNSS_mask</translation>
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
        <translation>SBAS_mask</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Enable</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
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
        <translation>Solution Parameters</translation>
    </message>
    <message>
        <source>Solution type</source>
        <translation>Solution type</translation>
    </message>
    <message>
        <source>PDOP limit</source>
        <translation>PDOP limit</translation>
    </message>
    <message>
        <source>Min Sat Elevation</source>
        <translation>Min Sat Elevation</translation>
    </message>
    <message>
        <source>Min Sat SNR</source>
        <translation>Min Sat SNR</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>SBAS mode</source>
        <translation>SBAS mode</translation>
    </message>
    <message>
        <source>RTK settings</source>
        <translation>RTK settings</translation>
    </message>
    <message>
        <source>RTK mode</source>
        <translation>RTK mode</translation>
    </message>
    <message>
        <source>RTK quality</source>
        <translation>RTK quality</translation>
    </message>
    <message>
        <source>ARF</source>
        <translation>ARF</translation>
    </message>
    <message>
        <source>AGE, s</source>
        <translation>AGE, s</translation>
    </message>
    <message>
        <source>Base line, cm</source>
        <translation>Base line, cm</translation>
    </message>
    <message>
        <source>Fix GNSS mask</source>
        <translation>Fix GNSS mask</translation>
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
        <translation>Tracking</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>Static &amp; OCXO</source>
        <translation>Static &amp; OCXO</translation>
    </message>
    <message>
        <source>Static &amp; TCXO</source>
        <translation>Static &amp; TCXO</translation>
    </message>
    <message>
        <source>Mid. dinamic</source>
        <translation>Mid. dinamic</translation>
    </message>
    <message>
        <source>Max. dinamic</source>
        <translation>Max. dinamic</translation>
    </message>
    <message>
        <source>1 Hz</source>
        <translation>1 Hz</translation>
    </message>
    <message>
        <source>2 Hz</source>
        <translation>2 Hz</translation>
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
        <source>SBAS OFF</source>
        <translation>SBAS OFF</translation>
    </message>
    <message>
        <source>SBAS ON</source>
        <translation>SBAS ON</translation>
    </message>
    <message>
        <source>SBAS+ ON</source>
        <translation>SBAS+ ON</translation>
    </message>
    <message>
        <source>RTK STATIC</source>
        <translation>RTK STATIC</translation>
    </message>
    <message>
        <source>RTK KINEMATIC</source>
        <translation>RTK KINEMATIC</translation>
    </message>
    <message>
        <source>RTK MOVING BASE</source>
        <translation>RTK MOVING BASE</translation>
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
        <translation>SINGLE</translation>
    </message>
    <message>
        <source>RTK</source>
        <translation>RTK</translation>
    </message>
    <message>
        <source>SINGLE + ANGLE </source>
        <translation>SINGLE + ANGLE </translation>
    </message>
    <message>
        <source>RTK + ANGLE </source>
        <translation>RTK + ANGLE </translation>
    </message>
</context>
<context>
    <name>AtmosphericCorrectionsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>IONO corrections</source>
        <translation>IONO corrections</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Trashold, %</source>
        <translation>Trashold, %</translation>
    </message>
    <message>
        <source>Exclude mask</source>
        <translation>Exclude mask</translation>
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
        <translation>User IONO Model</translation>
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
        <translation>TROPO corrections</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
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
        <translation>AUTO</translation>
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
        <translation>PPS calibration value</translation>
    </message>
    <message>
        <source>PPS shift state adjustment</source>
        <translation>PPS shift state adjustment</translation>
    </message>
    <message>
        <source>Raw data clock source </source>
        <translation>Raw data clock source </translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Clock tolerance, ms</source>
        <translation>Clock tolerance, ms</translation>
    </message>
    <message>
        <source>GLO L1 slope, ns</source>
        <translation>GLO L1 slope, ns</translation>
    </message>
    <message>
        <source>GLO L2 slope, ns</source>
        <translation>GLO L2 slope, ns</translation>
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
        <translation>Receiver</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>Correct the marked fields.
%1</source>
        <translation>Correct the marked fields.
%1</translation>
    </message>
    <message>
        <source>Nothing was sent: correct the marked fields.
%1</source>
        <translation>Nothing was sent: correct the marked fields.
%1</translation>
    </message>
    <message>
        <source>Nothing was written: correct the marked fields.
%1</source>
        <translation>Nothing was written: correct the marked fields.
%1</translation>
    </message>
    <message>
        <source>The receiver did not start the calibration: it refused the command or did not answer.</source>
        <translation>The receiver did not start the calibration: it refused the command or did not answer.</translation>
    </message>
    <message>
        <source>The receiver did not take the position: it refused it or did not answer. The fields show the position the receiver holds.</source>
        <translation>The receiver did not take the position: it refused it or did not answer. The fields show the position the receiver holds.</translation>
    </message>
    <message>
        <source>The receiver did not take the position: it refused it or did not answer, and its position could not be read. The marked fields hold the typed position, which the receiver has not taken.</source>
        <translation>The receiver did not take the position: it refused it or did not answer, and its position could not be read. The marked fields hold the typed position, which the receiver has not taken.</translation>
    </message>
    <message>
        <source>not taken by the receiver</source>
        <translation>not taken by the receiver</translation>
    </message>
    <message>
        <source>The receiver did not take the calibration table: it refused it or did not answer. It was not restarted; its current table is read again.</source>
        <translation>The receiver did not take the calibration table: it refused it or did not answer. It was not restarted; its current table is read again.</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>LLA</source>
        <translation>LLA</translation>
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
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Calibration data</source>
        <translation>Calibration data</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Combined</source>
        <translation>Combined</translation>
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
        <source>Value:</source>
        <translation>Value:</translation>
    </message>
    <message>
        <source>STD:</source>
        <translation>STD:</translation>
    </message>
    <message>
        <source>SLD:</source>
        <translation>SLD:</translation>
    </message>
    <message>
        <source>-7:</source>
        <translation>-7:</translation>
    </message>
    <message>
        <source>-6:</source>
        <translation>-6:</translation>
    </message>
    <message>
        <source>-5:</source>
        <translation>-5:</translation>
    </message>
    <message>
        <source>-4:</source>
        <translation>-4:</translation>
    </message>
    <message>
        <source>-3:</source>
        <translation>-3:</translation>
    </message>
    <message>
        <source>-2:</source>
        <translation>-2:</translation>
    </message>
    <message>
        <source>-1:</source>
        <translation>-1:</translation>
    </message>
    <message>
        <source>0:</source>
        <translation>0:</translation>
    </message>
    <message>
        <source>1:</source>
        <translation>1:</translation>
    </message>
    <message>
        <source>2:</source>
        <translation>2:</translation>
    </message>
    <message>
        <source>3:</source>
        <translation>3:</translation>
    </message>
    <message>
        <source>4:</source>
        <translation>4:</translation>
    </message>
    <message>
        <source>5:</source>
        <translation>5:</translation>
    </message>
    <message>
        <source>6:</source>
        <translation>6:</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Restart</source>
        <translation>Save &amp;&amp; Restart</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Save File</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
</context>
<context>
    <name>AxesWidget</name>
    <message>
        <source>Axes / Base line</source>
        <translation>Axes / Base line</translation>
    </message>
    <message>
        <source>Slave Antenna  (ECEF)</source>
        <translation>Slave Antenna  (ECEF)</translation>
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
        <source>Master Antenna  (ECEF)</source>
        <translation>Master Antenna  (ECEF)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Length BL, m</source>
        <translation>Length BL, m</translation>
    </message>
    <message>
        <source>Course:</source>
        <translation>Course:</translation>
    </message>
    <message>
        <source>Roll:</source>
        <translation>Roll:</translation>
    </message>
    <message>
        <source>Pitch:</source>
        <translation>Pitch:</translation>
    </message>
</context>
<context>
    <name>BaseLineWidget</name>
    <message>
        <source>Base line</source>
        <translation>Base line</translation>
    </message>
    <message>
        <source>Base line, m</source>
        <translation>Base line, m</translation>
    </message>
    <message>
        <source>Azimuth:</source>
        <translation>Azimuth:</translation>
    </message>
</context>
<context>
    <name>MapWidget</name>
    <message>
        <source>Map</source>
        <translation>Map</translation>
    </message>
</context>
<context>
    <name>BaseLineBackgroundGrItem</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
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
        <source>Not connected: correct the marked field.
%1</source>
        <translation>Not connected: correct the marked field.
%1</translation>
    </message>
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
        <source>Nothing was saved: correct the marked fields.
%1</source>
        <translation>Nothing was saved: correct the marked fields.
%1</translation>
    </message>
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
<context>
    <name>GeoCoordinate</name>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
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
        <source>%1 m.</source>
        <translation>%1 m.</translation>
    </message>
</context>
<context>
    <name>RawDataWidget</name>
    <message>
        <source>Raw data</source>
        <translation>Raw data</translation>
    </message>
    <message>
        <source>Raw data rate</source>
        <translation>Raw data rate</translation>
    </message>
    <message>
        <source>Smoothing mode</source>
        <translation>Smoothing mode</translation>
    </message>
    <message>
        <source>RAW SHELL</source>
        <translation>RAW SHELL</translation>
    </message>
    <message>
        <source>BESTPOS/1006</source>
        <translation>BESTPOS/1006</translation>
    </message>
    <message>
        <source>Single Sol</source>
        <translation>Single Sol</translation>
    </message>
    <message>
        <source>User data</source>
        <translation>User data</translation>
    </message>
    <message>
        <source>BestPos latitude, °</source>
        <translation>BestPos latitude, °</translation>
    </message>
    <message>
        <source>BestPos longitude, °</source>
        <translation>BestPos longitude, °</translation>
    </message>
    <message>
        <source>BestPos altitude, m</source>
        <translation>BestPos altitude, m</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
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
        <translation>Masks</translation>
    </message>
    <message>
        <source>Navigation systems</source>
        <translation>Navigation systems</translation>
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
        <source>Min. C/N ratio,  dB/Hz</source>
        <translation>Min. C/N ratio,  dB/Hz</translation>
    </message>
    <message>
        <source>Min. elevation angle, °</source>
        <translation>Min. elevation angle, °</translation>
    </message>
    <message>
        <source>Use RAIM</source>
        <translation>Use RAIM</translation>
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
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
</context>
<context>
    <name>ConstellationControlWidget1</name>
    <message>
        <source>%1 is not an SBAS satellite (0, or 120 to 156)</source>
        <translation>%1 is not an SBAS satellite (0, or 120 to 156)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Signals allocation</source>
        <translation>Signals allocation</translation>
    </message>
    <message>
        <source>SBAS CONSTL</source>
        <translation>SBAS CONSTL</translation>
    </message>
    <message>
        <source>Primary Frequency </source>
        <translation>Primary Frequency </translation>
    </message>
    <message>
        <source>Secondary Frequency </source>
        <translation>Secondary Frequency </translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>GLO</source>
        <translation>GLO</translation>
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
        <translation>NavIc</translation>
    </message>
    <message>
        <source>SBAS</source>
        <translation>SBAS</translation>
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
    <message>
        <source>Save to flash and reset to make settings active!</source>
        <translation>Save to flash and reset to make settings active!</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>NavIc PRN Codes</source>
        <translation>NavIc PRN Codes</translation>
    </message>
    <message>
        <source>L5</source>
        <translation>L5</translation>
    </message>
    <message>
        <source>S band</source>
        <translation>S band</translation>
    </message>
    <message>
        <source>SAT #1</source>
        <translation>SAT #1</translation>
    </message>
    <message>
        <source>SAT #2</source>
        <translation>SAT #2</translation>
    </message>
    <message>
        <source>SAT #3</source>
        <translation>SAT #3</translation>
    </message>
    <message>
        <source>SAT #4</source>
        <translation>SAT #4</translation>
    </message>
    <message>
        <source>SAT #5</source>
        <translation>SAT #5</translation>
    </message>
    <message>
        <source>SAT #6</source>
        <translation>SAT #6</translation>
    </message>
    <message>
        <source>SAT #7</source>
        <translation>SAT #7</translation>
    </message>
    <message>
        <source>SAT #8</source>
        <translation>SAT #8</translation>
    </message>
    <message>
        <source>SAT #9</source>
        <translation>SAT #9</translation>
    </message>
    <message>
        <source>SAT #10</source>
        <translation>SAT #10</translation>
    </message>
    <message>
        <source>SAT #11</source>
        <translation>SAT #11</translation>
    </message>
    <message>
        <source>SAT #12</source>
        <translation>SAT #12</translation>
    </message>
    <message>
        <source>SAT #13</source>
        <translation>SAT #13</translation>
    </message>
    <message>
        <source>SAT #14</source>
        <translation>SAT #14</translation>
    </message>
    <message>
        <source>0x</source>
        <translation>0x</translation>
    </message>
    <message>
        <source>Save to flash and reset to make settings active!</source>
        <translation>Save to flash and reset to make settings active!</translation>
    </message>
</context>
<context>
    <name>FirmwareInstallerWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>User Firmware</source>
        <translation>User Firmware</translation>
    </message>
    <message>
        <source>Native Firmware</source>
        <translation>Native Firmware</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Load mark</source>
        <translation>Load mark</translation>
    </message>
    <message>
        <source>Load mark:</source>
        <translation>Load mark:</translation>
    </message>
    <message>
        <source>Build attributes</source>
        <translation>Build attributes</translation>
    </message>
    <message>
        <source>Current:</source>
        <translation>Current:</translation>
    </message>
    <message>
        <source>New:</source>
        <translation>New:</translation>
    </message>
    <message>
        <source>Build version</source>
        <translation>Build version</translation>
    </message>
    <message>
        <source>Build date</source>
        <translation>Build date</translation>
    </message>
    <message>
        <source>Device ID 0</source>
        <translation>Device ID 0</translation>
    </message>
    <message>
        <source>Device ID 1</source>
        <translation>Device ID 1</translation>
    </message>
    <message>
        <source>Device ID 2</source>
        <translation>Device ID 2</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Choose file</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>File is not selected</source>
        <translation>File is not selected</translation>
    </message>
    <message>
        <source>This option is available only for developers. Are you sure that you want to do this?</source>
        <translation>This option is available only for developers. Are you sure that you want to do this?</translation>
    </message>
    <message>
        <source>Error writing sector</source>
        <translation>Error writing sector</translation>
    </message>
    <message>
        <source>An error occurred while writing the sector #%1.</source>
        <translation>An error occurred while writing the sector #%1.</translation>
    </message>
    <message>
        <source>Error erasing sector</source>
        <translation>Error erasing sector</translation>
    </message>
    <message>
        <source>An error occurred while erasing the sector #%1.</source>
        <translation>An error occurred while erasing the sector #%1.</translation>
    </message>
    <message>
        <source>Error validating firmware</source>
        <translation>Error validating firmware</translation>
    </message>
    <message>
        <source>An error occurred while validating installed firmware.</source>
        <translation>An error occurred while validating installed firmware.</translation>
    </message>
    <message>
        <source>Installation fail</source>
        <translation>Installation fail</translation>
    </message>
    <message>
        <source>An error occurred while installing firmware.</source>
        <translation>An error occurred while installing firmware.</translation>
    </message>
    <message>
        <source>File operation error</source>
        <translation>File operation error</translation>
    </message>
    <message>
        <source>An error occurred when performing a file operation.</source>
        <translation>An error occurred when performing a file operation.</translation>
    </message>
    <message>
        <source>Writing completed</source>
        <translation>Writing completed</translation>
    </message>
    <message>
        <source>Firmware writing is successfully completed.</source>
        <translation>Firmware writing is successfully completed.</translation>
    </message>
</context>
<context>
    <name>TypedNumber</name>
    <message>
        <source>a number is needed</source>
        <translation>a number is needed</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hexadecimal number</source>
        <translation>&quot;%1&quot; is not a hexadecimal number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>%1 is outside %2 to %3</source>
        <translation>%1 is outside %2 to %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
