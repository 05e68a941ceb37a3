<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Diagnostic</name>
    <message>
        <source>Panel Software Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Areas Assigned To the Keypad:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time-Zones Currently Active:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventText</name>
    <message>
        <source>Area %c Zone %d Activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c stay armed zone %d Activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c armed zone %d &apos;near-activated&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Zone %d Verified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24Hr Zone  %d Activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24Hr Zone fire %d Activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Zone %d Bypassed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c stay-arming zone %d Bypassed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24Hr Zone %d Bypassed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper Zone %d Act</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper wireless zone %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SensorWatch %d Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless supervisory %d Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless Zone %d low battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant %d low Battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant %d Panic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duress at Keypad %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic at Keypad %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire at Keypad %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical Alarm %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper Keypad %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Battery %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC Fail Reported %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %d supervision has failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuse Failure %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Line Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF Interference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialer test call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter program mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callback requested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User initiated dialer test call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Delinquency event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many wrong codes at a keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad %d missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Armed by User %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Armed KeySw %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Arm by Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Armed by Pendant %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Armed by ARM button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Armed Remotely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay by User %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay by KeySw %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay by Pendant %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay by STAY Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay Remotely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Zone %d Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay zone %d Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c near-alarm armed zone %d Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c verified-alarm armed zone %d Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24Hr Zone %d Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24Hr fire zone %d Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Zone %d Re-Instated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Area %c Zone %d Re-Instated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24Hr Zone %d Re-Instated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper %d Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper wireless zone %d Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SensorWatch %d OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Supv. %d OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Battery %d OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant %d Batt. OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic Cleared by user %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duress Cleared by KP %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic Cleared by KP %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Cleared by KP %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical Cleared by KP %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper Panel Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper KP %d Cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery %d now OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC Restore Sent %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %d now OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuse %d now OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Line OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RF Interf. Gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad missing %d has restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Delinquency has restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad %d wrong code has restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c disarmed by User %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c disarmed by KeySw %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c disarmed by TimeZone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c disarmed by Pendant %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c disarmed by ARM button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c disarmed Remotely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arm fail restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay disarmed by user %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay disarmed by Keysw %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay disarmed by wireless pendant %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay disarmed by STAY btn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area %c Stay disarmed Remotely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial: Unanswered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial: No Kiss-off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC power failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC Power Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walk Test Zone %d activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soak Test Zone %d On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soak Test Zone %d Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC to Panel Comms Established</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC to Panel Comms Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel Data Transferred to DTU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel Data Transferred from DTU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %d ON at PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %d OFF at PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %d ON DTMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %d OFF DTMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %d ON by user %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %d OFF by user %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Buffer Cleared at Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Buffer Cleared from PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walk Test ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walk Test OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless zone %d Learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant %d Learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless zone %d Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant %d Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel Defaulted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Codes &amp; Phone Defaulted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All users were restored to factory defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock Changed at Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock Changed by PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %d ON by Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %d OFF by Contrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trouble communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM/DTMF Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM/DTMF Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterMap</name>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key-Switch can Arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key-Switch can Arm Stay Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key-Switch can Disarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key-Switch can Disarm Stay Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key-Switch has Security Guard Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key-Switch will Arm Latchkey Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key-Switch is NO (Normally Open)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key-Switch is Momentary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Pulse to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Remote Control of Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad User can Operate Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;CONTROL&gt; button can Operate Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulsed Chime Alarm (linked to pulse timer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mains Fail to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuse Failure to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Low to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone Line Failure to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisory Radio Failure to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor-Watch Alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Tamper to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver Fail to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Walk-test Pulse to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse Output every 5 seconds when Disarmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse Output on Kiss-off Following Arming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse Output on Kiss-off Following a Zone Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Disable when P25E3E timer is running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siren Driver to Output (applies to O/P 1&amp;2 only, requires an 8Ω speaker)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Reset Time is in Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output “Silenced” for 10 seconds on key-press</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Output OFF during Two Way Voice Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Monitored (applies to O/P 1&amp;2 only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Dialling if Kissed Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor Call Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blind Dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Group Numbers for Contact ID Reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay On-line after Alarm report for two way voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Kiss-off for Voice/Domestic Reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Dial Pre-fix Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Used as the Call-back Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Mains Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Battery Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Radio Battery Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Line Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report System Tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Keypad Tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Zone Tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Radio Zone Tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Duress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Supervised Radio Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Zone Inactivity Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Manual Panic Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Manual Fire Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Manual Medical Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Radio Pendant Panic Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Zone Bypasses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Arm/Disarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Stay Mode Arm/Disarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Disarm only after an Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Stay Mode Disarm only after an Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Stay Mode Zone Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Access to Program Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report 24 Hour Alarms for Domestic/Voice Formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Zone Restores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Latchkey Disarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Delinquency Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Test Calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Fuse Failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Output 1 or 2 Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report RTC (Real Time Clock) Time changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Keypad Buss Trouble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report RF Interference (Jamming) Detected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting &quot;A&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting &quot;B&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting &quot;C&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting &quot;D&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arm Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arm Stay Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disarm Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disarm Stay Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security Guard User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arm Latchkey Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Divert Mode </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Event Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Their Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change All Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Installer Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Telephone Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Clock Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change DTMF Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn New Radio Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force Callback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign to Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map User to outputs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User can turn ON outputs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User can turn OFF outputs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad number is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone number is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output number is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio User is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Short Circuit Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1k5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2k2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3k3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3k9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4k7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5k6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6k8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2k2 // 4k7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3k3 // 6k8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2k2 // 4k7 // 8k2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4k7 // 8k2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Vibration setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Vibration setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest Vibration setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>250 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>300 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>350 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>450 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>550 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>650 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>700 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>750 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>850 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>900 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>950 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1050 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vell Ostrel PIR (supervised signal ignored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vell Ostrel PIR (supervised signal active)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentaro with checksum (supervised signal active)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zentaro with checksum (Non-supervised)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vell KV series battery Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vell KV series Radio Reed Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ness Radio devices Battery Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ness Radio Reed Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electronics Line Cougar Radio PIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visonic K900 Radio PIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visonic Powercode (supervised signal ignored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visonic Powercode (supervised signal active)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siemens (supervised signal ignored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Siemens (supervised signal active)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burglary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un-typed Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emergency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprinkler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equipment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equip. Tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Code User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Key User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both Code and Access Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Either Code and Access Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generic Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vell Zentaro Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Domestic Dial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice Dialler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 + 2 10 pps 1400 Hz/1900 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 + 2 10 pps 2300 Hz/1800 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 + 2 20 pps 1400 Hz/1900 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 + 2 20 pps 2300 Hz/1800 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 + 2 DTMF (with Checksum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIA slow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;ARM&gt; button Required Before Code to Arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;STAY&gt; button Required Before code to Arm Stay Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;CODE&gt; Required to Arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;CODE&gt; Required to Bypass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Arm Signal at the end of the Exit Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can Arm only if All Zones Sealed (Ready)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can Arm Stay Mode only if All Zones Sealed (Ready)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Near and Verified Alarm reporting for All zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area will Arm at the end of Time-Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area will Disarm at the end of Time-Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign Chirps to Access tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Arm if Zone Unsealed at end of Exit Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;CHIME&gt; or &lt;CONTROL&gt;&lt;PROGRAM&gt; button Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;BYPASS&gt; button Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;PANIC&gt; button Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delayed Operation of &lt;PANIC&gt; button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;1&gt; &amp; &lt;3&gt; Panic Alarm Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;4&gt; &amp; &lt;6&gt; Fire Alarm Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;7&gt; &amp; &lt;9&gt; Medical Alarm Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Armed Beep to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mains Fail Beeps Keypad Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuse Fail Beeps Keypad Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Low Beeps Keypad Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telephone Line Fail Beeps Keypad Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Tamper Beeps Keypad Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver Fail Beeps Keypad Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Off Keypad LED’s when Armed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Off Keypad LCD/Keypad Backlighting on Mains Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;ARM&gt; button can Arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;ARM&gt; button can Arm Stay Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;ARM&gt; button can Disarm at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;ARM&gt; button can Disarm Stay Mode at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;ARM&gt; button can Reset Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;ARM&gt; button can Arm Latchkey Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;ARM&gt; button can Disarm During Exit Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;ARM&gt; button can Disarm Stay Mode During Exit Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;STAY&gt; button can Arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;STAY&gt; button can Arm Stay Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;STAY&gt; button can Disarm at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;STAY&gt; button can Disarm Stay Mode at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;STAY&gt; button can Reset Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;STAY&gt; button can Arm Latchkey Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;STAY&gt; button can Disarm During Exit Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;STAY&gt; button can Disarm Stay Mode During Exit Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;A&gt; button can Arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;A&gt; button can Arm Stay Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;A&gt; button can Disarm at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;A&gt; button can Disarm Stay Mode at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;A&gt; button can Reset Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;A&gt; button can Arm Latchkey Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;A&gt; button can Disarm During Exit Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;A&gt; button can Disarm Stay Mode During Exit Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;B&gt; button can Arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;B&gt; button can Arm STAY Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;B&gt; button can Disarm at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;B&gt; button can Disarm Stay Mode at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;B&gt; button can Reset Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;B&gt; button can Arm Latchkey Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;B&gt; button can Disarm During Exit Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;B&gt; button can Disarm Stay Mode During Exit Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is Active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is N/O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not an Exit Delay Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is a Radio Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is a Stay Mode Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone can be Manually Bypassed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone can be Auto-Bypassed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is a Handover Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is a Two Trigger Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is a 24 Hour Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is a 24 Hour Auto-reset Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is a 24 Hour Fire Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is a Chime Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is a Permanent Chime Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can Arm if Zone is not Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will Send Multiple Reports to Dialler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is Monitored for Inactivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone is on Soak Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone will report to Area B Account Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone will Not Report 24 hour Alarms via Dialler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse Output on Kiss-off Following a Zone Alarm </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Terminator Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel Tamper is 2k2 EOL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct access to program mode for the Installer Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Mains Fail Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen-in to O/P # 1 Low Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver Fail Lockout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Output information to Keypad Buss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Arm if the System Battery is Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installer Lockout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry to Installer Mode Resets Confirmed Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry to Installer Mode Resets Tamper Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry to Installer Mode Resets Low Battery Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry to Installer Mode Resets Supervisory Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Arm if there is a keypad Fault </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Arm if there is a Telephone Line Failure or Comms Fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 Incorrect Code Attempts locks out the keypad for 90 Seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Codes Must be 4-6 digits long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Required to View Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Handover Zone Function in Stay Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Control from Keypad is Disabled when Armed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Codes are Disabled During Entry Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Keypad Indications while Armed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitored KP Buss Output Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Keypad Tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit Events &amp; Dialler to 3 of any one type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialler is Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fax Defeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Telephone Line Monitoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse Dialling (NOTE: For DTMF 4 &amp; 5 must be OFF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse Pulse Dialling (NOTE: For DTMF 4 &amp; 5 must be OFF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Long DTMF Dialling Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto-detect Modem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force V21 Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step to next Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyridge uses Call-back Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyridge only if Disarmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Test Calls Only if Armed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Time Period id in days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold line open following Domestic/Voice report for DTMF control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First to Open Last to Close Reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer After 1 ring for Two Way Voice Call-back Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled when dialling only and in Disarmed State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled when dialling only and in Armed State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled when dialling only and in Monitor Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled through the entire call only in Disarmed state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled through the entire call only in Armed State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled through the entire call only in Monitor Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled when the panel answers a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen-in on at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant can Disarm at All Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant will cause an Immediate Panic Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant will cause a Delayed Panic Alarm (1.5 sec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant only works during entry delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This User is a dedicated Duress Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Pendant Alarm to an Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Pendant Panic Alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Pendant Panic Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Users Privileges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio User Privelege</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holydays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialler Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialler Options A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialler Options B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Answer Ring count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Call options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to the first dialler test call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME to the FIRST DIALLER TEST CALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Call Time Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Listen-In Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output # 1 Listen-In Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialling Pre-Fix Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIA Report Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;PANIC&quot; Alarm SIA code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic Alarm SIA Reporting codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;FIRE&quot; Alarm SIA code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire Alarm SIA Reporting codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;MEDICAL&quot; Alarm SIA code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical Alarm SIA Reporting codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Alarm SIA code </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Alarm SIA Reporting codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CID Report Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;PANIC&quot; alarm CID code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“PANIC” ALARM CONTACT ID REPORT CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;FIRE&quot; alarm CID code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“FIRE” ALARM CONTACT ID REPORT CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;MEDICAL&quot; alarm CID code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“MEDICAL” ALARM CONTACT ID REPORT CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Remote Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output DTMF control code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OUTPUT DTMF CONTROL CODE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone ON/OFF DTMF code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MICROPHONE ON/OFF DTMF CODE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialler acknowledge DTMF code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIALLER ACKNOWLEDGE DTMF CODE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force test DTMF code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FORCE TEST CALL DTMF CODE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous Voice Reporting Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KEYPAD or RADIO PANIC ALARM VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIRE ALARM VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MEDICAL ALARM VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC FAIL ALARM VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AC RESTORE VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATTERY LOW ALARM VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATTERY RESTORE VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAMPER ALARMS VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DURESS ALARM VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LATCHKEY DISARM VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MANUAL TEST CALL INITIATED VOICE MESSAGE NUMBER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Optioin A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Options “A”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Option B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Options “B”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Arm Indication to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Stay Arm Indication to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Disarm Indication to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant Arm Chirp to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant Stay Mode Arm Chirp to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant Disarm Chirp to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendant Stay Mode Disarm Chirp to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arm Pulse to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Mode Arm Pulse to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disarm Pulse to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Mode Disarm Pulse to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armed Exit Delay Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Mode Exit Delay Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armed Exit Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Mode Exit Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring Account Code Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Remote Control Code Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of “DTMF Arm/Disarm” Status Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armed Exit Beeps to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Mode Arm Exit Beeps to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Delinquency Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Arm/Disarm Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone-Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Area Assignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Alarm Type Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Options A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Options B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Options C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone EOL (End-Of-Line) Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Response Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Response time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Zone Detector Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Beeps to keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armed Zone Alarm Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Mode Zone Alarm Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 Hour Zone Alarm Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chime Zone Alarm Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Tamper Alarm Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Supervise Fail Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Inactivity Alarm Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armed Zone Entry Delay Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Mode Entry Delay Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armed Zone Entry Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Mode Zone Entry Delay Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Re-Trigger Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone CID Report Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Alarm Contact ID Report Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Near Alarm Contact ID Report Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Confirmed Alarm Contact ID Report Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Alarm Voice Message Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor-Watch Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Watch Dog Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone-Outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armed Zone Alarms to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Mode Zone Alarms to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 Hour Zone Alarms to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chime Zone Alarms to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Tamper Alarms to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Armed Entry Delay to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay Mode Entry Delay to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Near Alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZZone Near Alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Confirmed alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Area Assignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Button Operations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad System Beeps/ Led Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad System Beeps &amp; Led Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad &lt;Arm&gt; Button Area Assignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad &lt;Arm&gt; Button Area Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad &lt;Stay&gt; Button Area Assignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad &lt;Stay&gt; Button Area Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad &lt;A&gt; Button Area Assignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad &lt;A&gt; Button Area Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad &lt;B&gt; Button Area Assignmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad &lt;B&gt; Button Area Assignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad &lt;B&gt; Button Area Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad to Output Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Control&gt;  Button to Output Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Control&gt; Button to Output Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad  to Outputs and KP Buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Panic Alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Fire Alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Medical Alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Duress Alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Tamper Switch Alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Wrong Code Alarm to Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Wrong Code Alarm to Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Panic Alarm Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Fire Alarm Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Medical Alarm Beeps to Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong Code or Keypad Tamper Beeps To Keypad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad Chime Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proximity Reader Led To Output Mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message Number for Outputs Command Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyswitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installer Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installer code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duress Digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial Reporting Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radio Zone Supervised Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Trigger Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mains Fail Reporting Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver Fail Delay/Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Security Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporary Output Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous Panel Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous Installer Options </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous Installer Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miscellaneous User Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit from Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypads 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypads 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypads 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypads 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypads 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypads 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypads 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypads 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area B</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>connection::CDialingDlg</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>connection::CRequestConnect</name>
    <message>
        <source>Requect connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct connection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Autorized PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct to GSM unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V.110 - 14400 bps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V.110 - 9600 bsp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V.32 - 14400 bps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V.32 - 9600 bps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search on TCP Receivers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reseiver%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A password must be more than 8 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM Modem ( GT12-Port) not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error connect to %1:%2  %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>connection::ConnectAttempt</name>
    <message>
        <source>Account fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit off-line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reseiver not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Request from Not autorized PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reseiver not answer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>connection::GsmDial</name>
    <message>
        <source>Dialing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dailing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download InfoStruct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No carrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I don&apos;t know your phone number!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Error communication. Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error communication. Try again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>connection::SiteConnections</name>
    <message>
        <source>Site history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel connected is not one of the sites list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to the panel needs program mode: Mode → Program Mode → Install code, then File → Site history…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no site named “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>console::CChPassDlg</name>
    <message>
        <source>New password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum 8 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access Denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A password must be more than 8 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password could not be stored (error %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password was not correct confirmed.
Please ensure that password and confirmation match exactly.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>console::CChecker</name>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bypass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>console::CDbgDlg</name>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames sent and received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame to send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>console::CKeypadDlg</name>
    <message>
        <source>READY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TROUBLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A R M E D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BYPASS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>POWER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATTERY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FUSE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failure:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zones:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Bypass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Unknow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arm/Disarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bypass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client mode - Not supported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open panel file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open panel file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A panel is on the line. Close its link and open a panel file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel is in program mode, and a panel in program mode does not protect the building.
Exit from Install first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sites…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link was lost at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link to %1 was lost at %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>console::CLed</name>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bypass</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>console::CPassDlg</name>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyring answers: codes are not kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>console::CStaticColor</name>
    <message>
        <source>flashing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>console::CtarnelApp</name>
    <message>
        <source>Create </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RegCreateKeyEx</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>console::ProgramModeMenu</name>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save panel to file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare panel with file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write file to panel…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save panel file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save panel file as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each item of the Main menu opens the editor of one panel parameter. The editor reads the value from the panel when it opens and whenever you choose another keypad, area, zone, output or user; Apply, or leaving a group of settings in the User and Phone Number editors, writes your changes as keypad key presses.

The File menu saves the whole panel to a panel file, compares the panel with one, or writes one to the panel.

Exit from Install returns the panel to normal operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site history…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ctl</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping after the parameter under way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: too large to be a panel file; nothing is written from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; nothing is written from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link was lost after %1 of %2 parameters: nothing was saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 parameters saved to %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link was lost while reading the panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no answer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel holds what %1 holds (%2 parameters).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 parameters differ.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the run was interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link was lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not taken, the panel holds another value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>panel: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written but not read back, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would be written, panel -&gt; file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not written, the panel did not answer when read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel holds what %1 holds: nothing to write.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link was lost while reading the panel: nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link was lost: %1 written, %2 not written; run restore again to write the rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the panel was in program mode: leaving it to read the events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading events: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link was lost after %1 events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 events saved to %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link to the panel was lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up, compare and restore the alarm panel&apos;s parameters, read its events and status, from a script.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait on port for the IP module to call in (with --call: where it calls back; default 4700).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call the IP module at host (port default 4700).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call the module with its password (8 to 14 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial the GSM unit&apos;s phone number through the modem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The GSM unit&apos;s password (up to 15 characters).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 V.110 14400 bps (default), 1 V.110 9600, 2 V.32 14400, 3 V.32 9600.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices of port numbers 1 to 19, comma-separated (default: the system&apos;s serial ports).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installer code for program mode (default: $TARNEL_INSTALLER_CODE).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No progress on standard error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore: report what would be written, write nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dry-run: only restore takes it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--csv: no file given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gsm: give one route only, not with --call or --listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--listen: &apos;%1&apos; is not a port number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--call: &apos;%1&apos; is not host or host:port with a port from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--call: no host given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--listen: the module does not call back with --module-password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gsm-password, --gsm-protocol and --serial-ports: only --gsm takes them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gsm: a phone number of 1 to %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gsm: --gsm-password is needed as well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gsm-password: at most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gsm-protocol: &apos;%1&apos; is not 0, 1, 2 or 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--serial-ports: no device path given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--timeout: &apos;%1&apos; is not a number of seconds from 1 to 86400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the installer code is 1 to %2 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs the installer code: --installer-code or TARNEL_INSTALLER_CODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: its folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(arming: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>armed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stay armed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zones open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zones alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zones bypassed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zones tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outputs on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>battery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fuse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>troubles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the panel answered no read: nothing was saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was left as it was, since it may hold a complete backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options that differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its value cannot be read over TCP, since its reply holds the byte 0x7E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept on the panel, no editor can type the file&apos;s value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept on the panel, options no editor shows differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seconds to wait for the link to stand and the panel to show its state (default 60).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the panel did not answer %1 parameters: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the panel did not answer %1 parameters, which the file lacks: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 parameters hold a value that cannot be read over TCP, since its reply holds the byte 0x7E: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 parameters hold a value that cannot be read over TCP, since its reply holds the byte 0x7E, which the file lacks: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a backup that misses parameters is not kept in the history of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:
  backup FILE            save every parameter of the panel to FILE (a panel file, for its
                         owner only); a backup that misses parameters goes to FILE.partial
                         when FILE exists, so that no complete backup is replaced
  compare FILE           show where the panel differs from FILE: menu title, entity,
                         panel value, file value, the options that differ
  restore FILE           write what differs from FILE to the panel, then read it back and
                         report what was written, kept, not taken and not written, and why;
                         --dry-run only reports what would be written

Equal means equal in every byte and bit, for compare and restore alike. restore reports
&quot;Written&quot; only where the panel then holds exactly the file&apos;s value. What no editor can
write (a value no editor types, options no editor shows) is kept on the panel and listed
as kept: that alone does not fail a restore, though compare still lists it.
  events                 every event of the panel&apos;s memory, newest first, as the event
                         window shows them, or as CSV with --csv
  status                 the panel&apos;s version, clock, areas, zones, outputs and troubles
  sites                  the sites list: name, account, route, last connected, software;
                         --csv: as CSV
  sites export [FILE]    the sites list as CSV (to standard output without FILE or with -),
                         for another PC; no passwords or codes go with it
  sites import FILE      add the sites of a CSV file, and update those of the same name;
                         a file with a fault changes nothing

Each site&apos;s history: every complete backup of a site is also kept in the sites list as a
snapshot (time, PC user, panel software, route, the panel file), unless it equals the
site&apos;s latest snapshot; program-mode sessions are kept there too. Entries are named
S&lt;n&gt; (snapshot n) and J&lt;n&gt; (session n); latest and previous name the newest snapshot
and the one before it.
  backup --site NAME [FILE]
                         back up the site&apos;s panel into its history (and to FILE if given)
  backup --all-sites [--jobs N]
                         back up every site reached over IP, N panels at a time (default
                         4), each on a link of its own; sites whose module calls back share
                         the listening port and go one at a time; one line per site, then a
                         summary; the exit status of the first site that failed;
                         TARNEL_MODULE_PASSWORD and TARNEL_INSTALLER_CODE, where set,
                         serve every site, the keyring each site&apos;s own otherwise
  history --site NAME [--csv [FILE]]
                         the site&apos;s snapshots and sessions, newest first
  history --prune-before YYYY-MM-DD --site NAME|--all-sites
                         remove the snapshots taken before that day (local time), never a
                         site&apos;s latest snapshot, never a session or its changes
  diff --site NAME A B   compare two snapshots of the site in compare&apos;s table (exit 0: equal,
                         1: different)
  restore --site NAME --from ENTRY
                         write a snapshot back to the site&apos;s panel, as restore FILE does

backup, compare and restore put the panel into program mode with the installer code and
always leave it before the program ends: on success, on an error and on Ctrl+C, SIGTERM,
SIGHUP or SIGQUIT. Only a link that is lost leaves nothing to send it on (the program says
so). A file that is refused is refused before the panel is called, and nothing is written
from it.

Routes (one of):
  --listen PORT                          wait for the IP module to call in
  --call HOST[:PORT] [--listen PORT]     call the module as an authorised PC; it calls
                                         back on the listening port (default 4700)
  --call HOST[:PORT] --module-password PW
                                         call the module with its password (scrambled)
  --gsm PHONE --gsm-password PW [--serial-ports LIST]
                                         dial the GSM unit through the modem
  --site NAME [--listen PORT]            the route of a site in tarnel&apos;s sites list, with its
                                         passwords and installer code from the keyring
                                         (options and the environment win); --listen: where
                                         the module calls back (default 4700)

Environment:
  TARNEL_INSTALLER_CODE  the installer code when --installer-code is not given, so that
                         the code need not stand in a shell history or a process list
  TARNEL_MODULE_PASSWORD the module password when --module-password is not given: --call
                         without --listen then logs in with it (scrambled)

Progress goes to standard error when it is a terminal, never with --quiet.

Exit status:
  0    done; compare: the panel holds what the file holds; diff: the snapshots are equal
  1    compare: the panel and the file differ; diff: the snapshots differ
  2    a bad option or argument
  3    the panel could not be reached, or refused the login
  4    the file cannot be read or written, or was refused (syntax, unknown parameter,
       value out of range, other format version); the sites list or a site&apos;s history
       cannot be used
  5    the link was lost while working, or program mode could not be left
  6    the panel did not take the installer code (wrong code, or an area is armed)
  7    the panel left parameters unanswered, or their values cannot be read over TCP
       (a reply holding the byte 0x7E), or it did not take a value written;
       status: the panel did not report all of its state
  130  interrupted by Ctrl+C, SIGTERM, SIGHUP or SIGQUIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup, compare, restore, events, status, sites, history or diff.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel file of backup, compare and restore; sites import and export: import or export, then the CSV file; diff: the two entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>events, sites: write CSV to file (- or none: standard output).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reach the panel by the route of the site of that name (tarnelctl sites lists them).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore: write this entry of the site&apos;s history (S12, latest, previous).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup, history --prune-before: every site of the sites list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup --all-sites: panels at a time (default 4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history: remove the snapshots taken before that day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sites: takes no route, code or --dry-run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sites import needs a FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sites: &apos;%1&apos; is not import or export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--csv: not with sites import or export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: takes no route, code or --dry-run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diff: takes --site NAME and two entries only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diff needs --site NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diff needs two entries, for example: diff --site NAME previous latest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--prune-before: &apos;%1&apos; is not a date YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history --prune-before: give --site NAME or --all-sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--csv: not with --prune-before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all-sites: history lists one site; --prune-before takes all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>history needs --site NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--prune-before: only history takes it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from: only restore takes it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from: the entry is one of a site&apos;s history: give --site NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from: no entry given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all-sites and --jobs: only backup takes them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs: only with --all-sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all-sites: each site gives its route, not --site, --call or --gsm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--jobs: &apos;%1&apos; is not a number from 1 to 64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--csv: only events and sites take it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--site: the site gives the route, not --call or --gsm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gsm-protocol: the site gives it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--site: no name given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no route to the panel: give --listen, --call, --gsm or --site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--module-password: only --call, --site and --all-sites take it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 to %3 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--site: there is no site named &apos;%1&apos; (tarnelctl sites lists them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history of %1 is empty: a backup of the site starts it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history cannot be pruned: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snapshots removed: %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no entry of the history of %2 (tarnelctl history --site &apos;%2&apos; lists them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a program-mode session, not a snapshot of the whole panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 hold the same.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 parameters differ.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the site &apos;%1&apos; left the sites list: the backup is not kept in its history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: snapshot %2 stored (%3 parameters)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: equal to snapshot %2, not stored again (%3 parameters)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history of %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tarnelctl could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: failed (exit %2): %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sites backed up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping the backups under way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 sites backed up, %3 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; left out, reached over GSM: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sites list is empty (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2: %3; nothing was imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2; nothing was imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sites added: %1, updated: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the site &apos;%1&apos; needs its module password, and the keyring has none: give it in TARNEL_MODULE_PASSWORD or with --module-password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the site &apos;%1&apos; needs its GSM password, and the keyring has none: give it with --gsm-password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the installer code of the site &apos;%1&apos; in the keyring is not 1 to 13 digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs the installer code: --installer-code, TARNEL_INSTALLER_CODE, or the site&apos;s installer code in the keyring</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ctl::PanelSession</name>
    <message>
        <source>Waiting for the module to call in on port %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the module to call back on port %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot listen on port %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no call from the module on port %1 within %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error connect to %1:%2  %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link to %1:%2 closed while logging in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no call within %1 s: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the call failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM Modem ( GT12-Port) not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the modem&apos;s port went away after the call was made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the panel is in program mode already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entering program mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the panel answered the installer code with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client mode - Not supported!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the panel did not take the installer code (a wrong code, or an area is armed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link to the panel was lost before program mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the link to the panel is lost, so program mode could not be left: the panel stays in program mode until it is left at its keypad or by the next backup, compare, restore or events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaving program mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the panel still shows program mode after it was asked to leave it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the panel did not show its state within %1 s, so it may be in program mode: the installer code is not typed into it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::CClockDlg</name>
    <message>
        <source>Synchronize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AS time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::CHolydayDlg</name>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holydays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holiday %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day %1, month %2, year %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::CKeyswitchDlg</name>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyswitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyswitch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyswitch number is invalid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::CListDlg</name>
    <message>
        <source>Zone:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::COutTime</name>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON Delay Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chime Mode Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(0-9999 Seconds, 0 = no delay)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(0-255 1/10th Seconds, eg 20 = 2 secs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output number is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse time is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chime mode time is invalid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::COutputDlg</name>
    <message>
        <source>Un-map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options &quot;A&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options &quot;B&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options &quot;C&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options &quot;D&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zones to OP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output number is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un-Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::CPhoneNumberDlg</name>
    <message>
        <source>Phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum dial retries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot number is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number not correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number not correct

Close and discard the number?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::CTimeZoneDlg</name>
    <message>
        <source>Ignore Holidays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active days:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone number is invalid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::CUserCodeDlg</name>
    <message>
        <source>Radio User Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assigned to: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privileges: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User is invalid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::CValueDlg</name>
    <message>
        <source>%1 Digits 0-9,B,C,D,E,F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value %1 - %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account not correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No digital character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overrange</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::EntityNumberField</name>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>editors::ParamEditor</name>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>events::CDiagnosticDlg</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagnostic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codes and  telephones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A L L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CallBack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>events::CEventMemoryDlg</name>
    <message>
        <source>+10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save event memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The events could not be saved to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>panel::CListenSocket</name>
    <message>
        <source>Tmp Accept </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept workSock in CListenSocket</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>panel::CWorkSocket</name>
    <message>
        <source>CWorkSocket Data reseive</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>panelfiles</name>
    <message>
        <source>option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read over TCP: its reply holds the byte 0x7E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept on the panel: no editor can type this value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept on the panel: options no editor shows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>panelfiles::CTransferProgressDlg</name>
    <message>
        <source>Reading the panel…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the panel: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to the panel: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading back what was written: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>panelfiles::PanelFileCommands</name>
    <message>
        <source>Panel files (*.toml);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large to be a panel file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a panel file this program can use; nothing was sent to the panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a panel file this program can use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel file %1 could not be written:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link to the panel was lost before the work was done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save panel to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel files (*.toml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare panel with file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel and %1 agree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The panel differs from %1 in %n parameter(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Menu title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write file to panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written and confirmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not taken by the panel, which holds %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written, not read back (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel already holds every value of %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open panel file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program mode - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save panel file as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel held in the program has changes that are not in %1. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) saved to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The link to the panel was lost before the work was done; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled: nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel answered no read; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The panel did not answer for %n parameter(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parameter(s) hold a value that cannot be read over TCP: its reply holds the byte 0x7E.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n parameter(s) read were saved to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was left as it was; the %n parameter(s) read were saved to %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Options that differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written, not read back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written and confirmed: %1. Kept on the panel: %2. Not taken by the panel: %3. Written, not read back: %4. Not written: %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history of %1 keeps it as snapshot %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history of %1 holds it already as snapshot %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be kept in the history of %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to panel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quilby</name>
    <message>
        <source>Configurator of the Halvex IP module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP port to wait on for the module (4700).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derivation constant K1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derivation constant K2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derivation constant K3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derivation constant K4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Derivation constants k1,k2,k3,k4 in hex.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setting Module/Port: &apos;%1&apos; is not a port number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setting %1: &apos;%2&apos; is not a 32-bit number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port: &apos;%1&apos; is not a port number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--constants: &apos;%1&apos; is not four values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--constants: &apos;%1&apos; is not a 32-bit hexadecimal number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--k%1: &apos;%2&apos; is not a 32-bit number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quilby::CAboutDlg</name>
    <message>
        <source>quilby Version %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About quilby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quilby::CListenSocket</name>
    <message>
        <source>Create </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to %1 : %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected 0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quilby::CWorkSocket</name>
    <message>
        <source>CWorkSocket Send rand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CWorkSocket header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CWorkSocket Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CWorkSocket Data more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CWorkSocket CloseConnect</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quilby::CquilbyDlg</name>
    <message>
        <source>Quilby ver %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pavrel link:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obtain an IP address automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the following IP address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet mask:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default gateway:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receivers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authorized PC IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Panel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable tamper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Ack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct connect: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable non-autorized connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About quilby...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quilby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passwords you typed do not match.Please retype the new password in both boxes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sites</name>
    <message>
        <source>No keyring answers (%1): the codes remembered in tarnel.conf stay there until one does.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The codes remembered in tarnel.conf moved into the desktop keyring and out of the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a site needs a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name begins or ends with a blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name holds a line break or another control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the account is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port is not a number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address &apos;%1&apos; is not an IPv4 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the receiver &apos;%1&apos; is not an IPv4 address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the phone number is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the protocol is not 0, 1, 2 or 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a direct connection needs the module&apos;s address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a receiver search needs at least one receiver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a GSM route needs the unit&apos;s phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, module password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receivers %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quote inside a field that does not begin with one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text after a field&apos;s closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than 32 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown column &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column &apos;%1&apos; comes twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column &apos;%1&apos; is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the route &apos;%1&apos; is not direct, receivers or gsm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port &apos;%1&apos; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>module_password is &apos;%1&apos;, not yes or no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the protocol &apos;%1&apos; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last_connected &apos;%1&apos; is not an ISO 8601 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the site &apos;%1&apos; comes twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sites::HistoryDlg</name>
    <message>
        <source>Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries (select two snapshots to compare them):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as panel file…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to panel…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the site&apos;s first snapshot: nothing earlier to compare it with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history of %1 is empty: it begins with the first backup of the site&apos;s panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one entry to see its changes, or two snapshots to compare them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no answer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %n parameter(s) changed in this session.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The link was lost: the session is recorded as far as it got.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options that differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 hold the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>From %1 to %2: %n parameter(s) differ.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as panel file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel files (*.toml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The panel file %1 could not be written:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Snapshot %1 saved to %2 (%n parameter(s)).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Write to panel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sites::SecretStore</name>
    <message>
        <source>The desktop keyring does not answer (%1): passwords and codes are not kept, and are asked each time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no keyring service</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sites::SessionJournal</name>
    <message>
        <source>Program-mode sessions are not put down in the site&apos;s history: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sites::SiteBox</name>
    <message>
        <source>Site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as site…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sites::SiteEditDlg</name>
    <message>
        <source>%1 (copy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (copy %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search on TCP Receivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct to GSM unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Autorized PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reseiver%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V.110 - 14400 bps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V.110 - 9600 bsp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V.32 - 14400 bps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V.32 - 9600 bps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installer code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no keyring: asked each time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A password must be more than 8 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A site named “%1” exists already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site could not be stored: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sites::SiteHistory</name>
    <message>
        <source>snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>software %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ended %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The snapshot %1 is not in the history.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The snapshot %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sites::SitesDatabase</name>
    <message>
        <source>The sites list %1 cannot be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sites list cannot be opened: Qt&apos;s SQLite driver is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sites list %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sites list %1 is held by another program. Close it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sites list %1 is damaged or is not a sites list (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sites list %1 was written by a newer version of tarnel (list version %2, this version reads up to %3). Use the newer version, or keep this file aside and start a new list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sites list %1 is damaged (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is a database, but not a sites list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sites list %1 is damaged (its table of sites is missing).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sites list %1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sites list %1 (version %2) cannot be brought up to date: %3. It was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the schema step %1 is missing from the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sites list %1 could not be moved aside.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sites list is held by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a site of that name exists already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sites list is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the site is no longer in the list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sites::SitesDlg</name>
    <message>
        <source>Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep this file aside, as it is, and start a new, empty list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The old list is kept as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the site “%1”? Its passwords and codes leave the keyring as well, and its history is deleted with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site could not be deleted: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sites::SitesModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tarnel</name>
    <message>
        <source>Remote keypad and programmer for the alarm panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port where the IP module calls in (default 4700; 0: any free port).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port that Connect calls on the IP module (default 4700).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No window: print every frame received.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices of port numbers 1 to 19, comma-separated (default: the system&apos;s serial ports in natural order).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--listen-port: &apos;%1&apos; is not a port number from 0 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--call-port: &apos;%1&apos; is not a port number from 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--serial-ports: no device path given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to the site of that name at start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--site: no name given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--site: not with --monitor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
