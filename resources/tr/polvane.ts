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
</TS>
