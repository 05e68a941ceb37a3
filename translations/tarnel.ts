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
        <source>Each item of the Main menu opens the editor of one panel parameter. The editor reads the value from the panel when it opens and whenever you choose another keypad, area, zone, output or user; Apply, or leaving a group of settings in the User and Phone Number editors, writes your changes as keypad key presses.

Exit from Install returns the panel to normal operation.</source>
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
        <source>Error</source>
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
        <source>Error</source>
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
        <source>Error</source>
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
        <source>Error</source>
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
        <source>Error</source>
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
</context>
</TS>
