#include "editors/ParameterMap.h"

#include <algorithm>

namespace params {

namespace {

constexpr EntityKindInfo kKinds[] = {
    {{1, 8}, 8, "Keypad", "Keypad number is invalid", 1},
    {{1, 2}, 1, "", "", 2},
    {{1, 16}, 1, "Zone", "Zone number is invalid", 2},
    {{1, 8}, 1, "Output", "Output number is invalid", 2},
    {{0, 0}, 0, "", "", 2},
    {{1, 100}, 1, "User", "User is invalid", 2},
    {{21, 100}, 21, "Radio User", "Radio User is invalid", 2},
};

constexpr Choice kEol[] = {
    {0, "Short Circuit Loop"}, {1, "1k"},  {2, "1k5"},  {3, "2k2"},        {4, "3k3"},
    {5, "3k9"},                {6, "4k7"}, {7, "5k6"},  {8, "6k8"},        {9, "10k"},
    {10, "12k"},               {11, "22k"}, {12, "2k2 // 4k7"}, {13, "3k3 // 6k8"},
    {14, "2k2 // 4k7 // 8k2"}, {15, "4k7 // 8k2"},
};

constexpr Choice kResponseTimes[] = {
    {1, "Highest Vibration setting"}, {2, "Middle Vibration setting"}, {3, "Middle Vibration setting"},
    {4, "Middle Vibration setting"},  {5, "Middle Vibration setting"}, {6, "Middle Vibration setting"},
    {7, "Middle Vibration setting"},  {8, "Lowest Vibration setting"}, {9, "200 ms"},
    {10, "250 ms"},  {11, "300 ms"},  {12, "350 ms"},  {13, "400 ms"},  {14, "450 ms"},  {15, "500 ms"},
    {16, "550 ms"},  {17, "600 ms"},  {18, "650 ms"},  {19, "700 ms"},  {20, "750 ms"},  {21, "800 ms"},
    {22, "850 ms"},  {23, "900 ms"},  {24, "950 ms"},  {25, "1000 ms"}, {26, "1050 ms"},
};

constexpr Choice kDetectorTypes[] = {
    {0, "Generic"},
    {1, "Vell Ostrel PIR (supervised signal ignored)"},
    {2, "Vell Ostrel PIR (supervised signal active)"},
    {3, "Zentaro with checksum (supervised signal active)"},
    {4, "Zentaro with checksum (Non-supervised)"},
    {5, "Vell KV series battery Low"},
    {6, "Vell KV series Radio Reed Switch"},
    {11, "Ness Radio devices Battery Low"},
    {12, "Ness Radio Reed Switch"},
    {21, "Electronics Line Cougar Radio PIR"},
    {31, "Visonic K900 Radio PIR"},
    {32, "Visonic Powercode (supervised signal ignored)"},
    {33, "Visonic Powercode (supervised signal active)"},
    {34, "Siemens (supervised signal ignored)"},
    {35, "Siemens (supervised signal active)"},
};

constexpr Choice kSiaCodes[] = {
    {0, "None"},       {1, "Burglary"},   {2, "Un-typed Alarm"}, {3, "Hold-up"},   {4, "Fire"},
    {5, "Medical"},    {6, "Panic"},      {7, "Emergency"},      {8, "Gas"},       {9, "Sprinkler"},
    {10, "Water"},     {11, "Heat"},      {12, "Freeze"},        {13, "Equipment"}, {14, "Equip. Tamper"},
};

constexpr Choice kUserTypes[] = {
    {0, "Keypad Code User"}, {1, "Radio user"}, {2, "Access Key User"},
    {3, "Both Code and Access Tag"}, {4, "Either Code and Access Tag"},
};

constexpr Choice kRadioUserTypes[] = {{0, "Generic Type"}, {1, "Vell Zentaro Type"}};

constexpr Choice kPhoneFormats[] = {
    {1, "Contact ID"},
    {2, "Domestic Dial"},
    {3, "Pager"},
    {4, "Voice Dialler"},
    {5, "4 + 2 10 pps 1400 Hz/1900 Hz"},
    {6, "4 + 2 10 pps 2300 Hz/1800 Hz"},
    {7, "4 + 2 20 pps 1400 Hz/1900 Hz"},
    {8, "4 + 2 20 pps 2300 Hz/1800 Hz"},
    {9, "4 + 2 DTMF (with Checksum)"},
    {10, "SIA"},
    {11, "SIA slow"},
};

constexpr LabelTable kBitsP45{{"<ARM> button Required Before Code to Arm", "<STAY> button Required Before code to Arm Stay Mode", "<CODE> Required to Arm", "<CODE> Required to Bypass", "", "Report Arm Signal at the end of the Exit Delay", "Can Arm only if All Zones Sealed (Ready)", "Can Arm Stay Mode only if All Zones Sealed (Ready)"}};
constexpr LabelTable kBitsP46{{"Use Near and Verified Alarm reporting for All zones", "Area will Arm at the end of Time-Zone", "Area will Disarm at the end of Time-Zone", "Assign Chirps to Access tags", "", "", "Cannot Arm if Zone Unsealed at end of Exit Delay", ""}};
constexpr LabelTable kBitsP72{{"<CHIME> or <CONTROL><PROGRAM> button Enabled", "<BYPASS> button Enabled", "<PANIC> button Enabled", "Delayed Operation of <PANIC> button", "<1> & <3> Panic Alarm Enabled", "<4> & <6> Fire Alarm Enabled", "<7> & <9> Medical Alarm Enabled", "Stay Armed Beep to Keypad"}};
constexpr LabelTable kBitsP73{{"Mains Fail Beeps Keypad Buzzer", "Fuse Fail Beeps Keypad Buzzer", "Battery Low Beeps Keypad Buzzer", "Telephone Line Fail Beeps Keypad Buzzer", "System Tamper Beeps Keypad Buzzer", "Receiver Fail Beeps Keypad Buzzer", "Turn Off Keypad LED’s when Armed", "Turn Off Keypad LCD/Keypad Backlighting on Mains Fail"}};
constexpr LabelTable kBitsP75{{"<ARM> button can Arm", "<ARM> button can Arm Stay Mode", "<ARM> button can Disarm at All Times", "<ARM> button can Disarm Stay Mode at All Times", "<ARM> button can Reset Alarms", "<ARM> button can Arm Latchkey Mode", "<ARM> button can Disarm During Exit Delay", "<ARM> button can Disarm Stay Mode During Exit Delay"}};
constexpr LabelTable kBitsP77{{"<STAY> button can Arm", "<STAY> button can Arm Stay Mode", "<STAY> button can Disarm at All Times", "<STAY> button can Disarm Stay Mode at All Times", "<STAY> button can Reset Alarms", "<STAY> button can Arm Latchkey Mode", "<STAY> button can Disarm During Exit Delay", "<STAY> button can Disarm Stay Mode During Exit Delay"}};
constexpr LabelTable kBitsP79{{"<A> button can Arm", "<A> button can Arm Stay Mode", "<A> button can Disarm at All Times", "<A> button can Disarm Stay Mode at All Times", "<A> button can Reset Alarms", "<A> button can Arm Latchkey Mode", "<A> button can Disarm During Exit Delay", "<A> button can Disarm Stay Mode During Exit Delay"}};
constexpr LabelTable kBitsP81{{"<B> button can Arm", "<B> button can Arm STAY Mode", "<B> button can Disarm at All Times", "<B> button can Disarm Stay Mode at All Times", "<B> button can Reset Alarms", "<B> button can Arm Latchkey Mode", "<B> button can Disarm During Exit Delay", "<B> button can Disarm Stay Mode During Exit Delay"}};
constexpr LabelTable kBitsP122{{"Zone is Active", "Zone is N/O", "Not an Exit Delay Zone", "Keypad Zone", "Zone is a Radio Zone", "Zone is a Stay Mode Zone", "Zone can be Manually Bypassed", "Zone can be Auto-Bypassed"}};
constexpr LabelTable kBitsP123{{"Zone is a Handover Zone", "Zone is a Two Trigger Zone", "Zone is a 24 Hour Zone", "Zone is a 24 Hour Auto-reset Zone", "Zone is a 24 Hour Fire Zone", "", "Zone is a Chime Zone", "Zone is a Permanent Chime Zone"}};
constexpr LabelTable kBitsP124{{"Can Arm if Zone is not Ready", "Will Send Multiple Reports to Dialler", "Zone is Monitored for Inactivity", "Zone is on Soak Test", "Zone will report to Area B Account Number", "Zone will Not Report 24 hour Alarms via Dialler", "Pulse Output on Kiss-off Following a Zone Alarm ", "Exit Terminator Zone"}};
constexpr LabelTable kBitsP25_10{{"Panel Tamper is 2k2 EOL", "Direct access to program mode for the Installer Code", "Disable Mains Fail Test", "Listen-in to O/P # 1 Low Volume", "Receiver Fail Lockout", "Send Output information to Keypad Buss", "Cannot Arm if the System Battery is Low", "Installer Lockout"}};
constexpr LabelTable kBitsP25_11{{"Entry to Installer Mode Resets Confirmed Alarms", "Entry to Installer Mode Resets Tamper Alarms", "Entry to Installer Mode Resets Low Battery Alarm", "Entry to Installer Mode Resets Supervisory Alarms", "Cannot Arm if there is a keypad Fault ", "Cannot Arm if there is a Telephone Line Failure or Comms Fault", "10 Incorrect Code Attempts locks out the keypad for 90 Seconds", "User Codes Must be 4-6 digits long"}};
constexpr LabelTable kBitsP25_0{{"Code Required to View Memory", "Cancel Handover Zone Function in Stay Mode", "Output Control from Keypad is Disabled when Armed", "Keypad Codes are Disabled During Entry Delay", "No Keypad Indications while Armed", "Monitored KP Buss Output Board", "Enable Keypad Tamper", "Limit Events & Dialler to 3 of any one type"}};
constexpr LabelTable kBitsP175_1{{"Dialler is Enabled", "Fax Defeat", "Disable Telephone Line Monitoring", "Pulse Dialling (NOTE: For DTMF 4 & 5 must be OFF)", "Reverse Pulse Dialling (NOTE: For DTMF 4 & 5 must be OFF)", "Long DTMF Dialling Digits", "Auto-detect Modem", "Force V21 Mode"}};
constexpr LabelTable kBitsP175_2{{"Step to next Number", "Keyridge uses Call-back Number", "Keyridge only if Disarmed", "Send Test Calls Only if Armed", "Test Time Period id in days", "Hold line open following Domestic/Voice report for DTMF control", "First to Open Last to Close Reporting", "Answer After 1 ring for Two Way Voice Call-back Mode"}};
constexpr LabelTable kBitsP175_6{{"Enabled when dialling only and in Disarmed State", "Enabled when dialling only and in Armed State", "Enabled when dialling only and in Monitor Mode", "Enabled through the entire call only in Disarmed state", "Enabled through the entire call only in Armed State", "Enabled through the entire call only in Monitor Mode", "Enabled when the panel answers a call", "Listen-in on at All Times"}};
constexpr LabelTable kBitsP175_7{{"Enabled when dialling only and in Disarmed State", "Enabled when dialling only and in Armed State", "Enabled when dialling only and in Monitor Mode", "Enabled through the entire call only in Disarmed state", "Enabled through the entire call only in Armed State", "Enabled through the entire call only in Monitor Mode", "Enabled when the panel answers a call", "on at All Times"}};
constexpr LabelTable kBitsP8{{"Pendant can Disarm at All Times", "Pendant will cause an Immediate Panic Alarm", "Pendant will cause a Delayed Panic Alarm (1.5 sec)", "Pendant only works during entry delay", "This User is a dedicated Duress Code", "", "", ""}};

// Where an item's entity comes from.
struct Entity {
  EntityKind kind;
  std::uint8_t fixed = 0;
  std::uint8_t highestZone = 0;
};
constexpr Entity Fixed(std::uint8_t number) { return {EntityKind::Fixed, number, 0}; }
constexpr Entity ZonesUpTo(std::uint8_t highest) { return {EntityKind::Zone, 0, highest}; }

constexpr ValueDescriptor Range(std::uint32_t minimum, std::uint32_t maximum) {
  return {maximum, minimum, ValueFormat::Range};
}
constexpr ValueDescriptor HexDigits(std::uint32_t maximum) { return {maximum, 0, ValueFormat::HexDigits}; }
constexpr ValueDescriptor Digits(std::uint32_t maximum) { return {maximum, 0, ValueFormat::Digits}; }
constexpr ValueDescriptor LongDigits() { return {0, 0, ValueFormat::LongDigits}; }

constexpr MapRow Options(std::string_view path, std::string_view title, std::uint8_t parameter, Entity entity,
                         const LabelTable& labels) {
  return {path, title, EditorKind::Options, parameter, entity.kind, entity.fixed, 0, &labels, {}, {}};
}
constexpr MapRow Options(std::string_view path, std::string_view title, std::uint8_t parameter, EntityKind kind,
                         const LabelTable& labels) {
  return Options(path, title, parameter, Entity{kind}, labels);
}
constexpr MapRow Value(std::string_view path, std::string_view title, std::uint8_t parameter, Entity entity,
                       ValueDescriptor value) {
  return {path, title, EditorKind::Value, parameter, entity.kind, entity.fixed, 0, nullptr, value, {}};
}
constexpr MapRow Value(std::string_view path, std::string_view title, std::uint8_t parameter, EntityKind kind,
                       ValueDescriptor value) {
  return Value(path, title, parameter, Entity{kind}, value);
}
constexpr MapRow List(std::string_view path, std::string_view title, std::uint8_t parameter, Entity entity,
                      ChoiceList choices) {
  return {path, title, EditorKind::List, parameter, entity.kind, entity.fixed, entity.highestZone, nullptr, {}, choices};
}
constexpr MapRow Special(std::string_view path, EditorKind editor) { return {path, {}, editor}; }

const MapRow kMap[] = {
    Special("User", EditorKind::Users),
    Options("Radio User|Radio Pendant Alarm to an Output", "Radio Pendant Panic Alarm to Output", 15, EntityKind::RadioUser, kOutputTexts),
    Options("Radio User|Radio Pendant Panic Beeps to Keypad", "Radio Pendant Panic Beeps to Keypad", 11, EntityKind::RadioUser, kOutputTexts),
    Options("Radio User|Radio Users Privileges", "Radio User Privelege", 8, EntityKind::RadioUser, kBitsP8),
    Special("Clock Setting|Time zone", EditorKind::TimeZones),
    Special("Clock Setting|Set clock", EditorKind::Clock),
    Special("Clock Setting|Holydays", EditorKind::Holidays),
    Special("Phone Number", EditorKind::PhoneNumbers),
    Options("Dialler|Dialler Options|Options A", "Dialler Options A", 175, Fixed(1), kBitsP175_1),
    Options("Dialler|Dialler Options|Options B", "Dialler Options B", 175, Fixed(2), kBitsP175_2),
    Value("Dialler|Auto Answer Ring count", "Auto Answer Ring count", 175, Fixed(3), Range(0, 99)),
    Value("Dialler|Test Call options|Time to the first dialler test call", "TIME to the FIRST DIALLER TEST CALL", 175, Fixed(4), Range(0, 2359)),
    Value("Dialler|Test Call options|Test Call Time Period", "Test Call Time Period", 175, Fixed(5), Range(0, 255)),
    Options("Dialler|Keypad Options|Keypad Listen-In Options", "Keypad Listen-In Options", 175, Fixed(6), kBitsP175_6),
    Options("Dialler|Keypad Options|Output # 1 Listen-In Options", "Output # 1 Listen-In Options", 175, Fixed(7), kBitsP175_7),
    Value("Dialler|Dialling Pre-Fix Number", "Dialling Pre-Fix Number", 175, Fixed(8), LongDigits()),
    List("Dialler|SIA Report Code|\"PANIC\" Alarm SIA code", "Panic Alarm SIA Reporting codes", 197, Fixed(1), kSiaCodes),
    List("Dialler|SIA Report Code|\"FIRE\" Alarm SIA code", "Fire Alarm SIA Reporting codes", 197, Fixed(2), kSiaCodes),
    List("Dialler|SIA Report Code|\"MEDICAL\" Alarm SIA code", "Medical Alarm SIA Reporting codes", 197, Fixed(3), kSiaCodes),
    List("Dialler|SIA Report Code|Zone Alarm SIA code ", "Zone Alarm SIA Reporting codes", 196, ZonesUpTo(16), kSiaCodes),
    Value("Dialler|CID Report Code|\"PANIC\" alarm CID code", "“PANIC” ALARM CONTACT ID REPORT CODE", 175, Fixed(9), Range(0, 700)),
    Value("Dialler|CID Report Code|\"FIRE\" alarm CID code", "“FIRE” ALARM CONTACT ID REPORT CODE", 175, Fixed(10), Range(0, 700)),
    Value("Dialler|CID Report Code|\"MEDICAL\" alarm CID code", "“MEDICAL” ALARM CONTACT ID REPORT CODE", 175, Fixed(11), Range(0, 700)),
    Value("Dialler|DTMF Remote Codes|Output DTMF control code", "OUTPUT DTMF CONTROL CODE NUMBER", 175, Fixed(12), Range(0, 9999)),
    Value("Dialler|DTMF Remote Codes|Microphone ON/OFF DTMF code", "MICROPHONE ON/OFF DTMF CODE NUMBER", 175, Fixed(13), Range(0, 9999)),
    Value("Dialler|DTMF Remote Codes|Dialler acknowledge DTMF code", "DIALLER ACKNOWLEDGE DTMF CODE NUMBER", 175, Fixed(14), Range(0, 9999)),
    Value("Dialler|DTMF Remote Codes|Force test DTMF code", "FORCE TEST CALL DTMF CODE NUMBER", 175, Fixed(15), Range(0, 9999)),
    Value("Dialler|Miscellaneous Voice Reporting Message|KEYPAD or RADIO PANIC ALARM VOICE MESSAGE NUMBER", "KEYPAD or RADIO PANIC ALARM VOICE MESSAGE NUMBER", 176, Fixed(1), Range(0, 99)),
    Value("Dialler|Miscellaneous Voice Reporting Message|FIRE ALARM VOICE MESSAGE NUMBER", "FIRE ALARM VOICE MESSAGE NUMBER", 176, Fixed(2), Range(0, 99)),
    Value("Dialler|Miscellaneous Voice Reporting Message|MEDICAL ALARM VOICE MESSAGE NUMBER", "MEDICAL ALARM VOICE MESSAGE NUMBER", 176, Fixed(3), Range(0, 99)),
    Value("Dialler|Miscellaneous Voice Reporting Message|AC FAIL ALARM VOICE MESSAGE NUMBER", "AC FAIL ALARM VOICE MESSAGE NUMBER", 176, Fixed(4), Range(0, 99)),
    Value("Dialler|Miscellaneous Voice Reporting Message|AC RESTORE VOICE MESSAGE NUMBER", "AC RESTORE VOICE MESSAGE NUMBER", 176, Fixed(5), Range(0, 99)),
    Value("Dialler|Miscellaneous Voice Reporting Message|BATTERY LOW ALARM VOICE MESSAGE NUMBER", "BATTERY LOW ALARM VOICE MESSAGE NUMBER", 176, Fixed(6), Range(0, 99)),
    Value("Dialler|Miscellaneous Voice Reporting Message|BATTERY RESTORE VOICE MESSAGE NUMBER", "BATTERY RESTORE VOICE MESSAGE NUMBER", 176, Fixed(7), Range(0, 99)),
    Value("Dialler|Miscellaneous Voice Reporting Message|TAMPER ALARMS VOICE MESSAGE NUMBER", "TAMPER ALARMS VOICE MESSAGE NUMBER", 176, Fixed(8), Range(0, 99)),
    Value("Dialler|Miscellaneous Voice Reporting Message|DURESS ALARM VOICE MESSAGE NUMBER", "DURESS ALARM VOICE MESSAGE NUMBER", 176, Fixed(9), Range(0, 99)),
    Value("Dialler|Miscellaneous Voice Reporting Message|LATCHKEY DISARM VOICE MESSAGE NUMBER", "LATCHKEY DISARM VOICE MESSAGE NUMBER", 176, Fixed(10), Range(0, 99)),
    Value("Dialler|Miscellaneous Voice Reporting Message|MANUAL TEST CALL INITIATED VOICE MESSAGE NUMBER", "MANUAL TEST CALL INITIATED VOICE MESSAGE NUMBER", 176, Fixed(11), Range(0, 99)),
    Options("Area|Area Optioin A", "Area Options “A”", 45, EntityKind::Area, kBitsP45),
    Options("Area|Area Option B", "Area Options “B”", 46, EntityKind::Area, kBitsP46),
    Options("Area|Area Arm Indication to Output", "Area Arm Indication to Output", 47, EntityKind::Area, kOutputTexts),
    Options("Area|Area Stay Arm Indication to Output", "Area Stay Arm Indication to Output", 48, EntityKind::Area, kOutputTexts),
    Options("Area|Area Disarm Indication to Output", "Area Disarm Indication to Output", 49, EntityKind::Area, kOutputTexts),
    Options("Area|Pendant Arm Chirp to Output", "Pendant Arm Chirp to Output", 50, EntityKind::Area, kOutputTexts),
    Options("Area|Pendant Stay Mode Arm Chirp to Output", "Pendant Stay Mode Arm Chirp to Output", 51, EntityKind::Area, kOutputTexts),
    Options("Area|Pendant Disarm Chirp to Output", "Pendant Disarm Chirp to Output", 52, EntityKind::Area, kOutputTexts),
    Options("Area|Pendant Stay Mode Disarm Chirp to Output", "Pendant Stay Mode Disarm Chirp to Output", 53, EntityKind::Area, kOutputTexts),
    Options("Area|Arm Pulse to Output", "Arm Pulse to Output", 54, EntityKind::Area, kOutputTexts),
    Options("Area|Stay Mode Arm Pulse to Output", "Stay Mode Arm Pulse to Output", 55, EntityKind::Area, kOutputTexts),
    Options("Area|Disarm Pulse to Output", "Disarm Pulse to Output", 56, EntityKind::Area, kOutputTexts),
    Options("Area|Stay Mode Disarm Pulse to Output", "Stay Mode Disarm Pulse to Output", 57, EntityKind::Area, kOutputTexts),
    Options("Area|Armed Exit Delay Beeps to Keypad", "Armed Exit Delay Beeps to Keypad", 58, EntityKind::Area, kKeypadTexts),
    Options("Area|Stay Mode Exit Delay Beeps to Keypad", "Stay Mode Exit Delay Beeps to Keypad", 59, EntityKind::Area, kKeypadTexts),
    Value("Area|Armed Exit Delay Time", "Armed Exit Delay Time", 60, EntityKind::Area, Range(0, 255)),
    Value("Area|Stay Mode Exit Delay Time", "Stay Mode Exit Delay Time", 61, EntityKind::Area, Range(0, 255)),
    Value("Area|Monitoring Account Code Number", "Monitoring Account Code Number", 62, EntityKind::Area, HexDigits(9999u)),
    Value("Area|DTMF Remote Control Code Number", "DTMF Remote Control Code Number", 63, EntityKind::Area, Range(0, 9999)),
    Value("Area|Start of “DTMF Arm/Disarm” Status Messages", "Start of “DTMF Arm/Disarm” Status Messages", 64, EntityKind::Area, Range(0, 99)),
    Options("Area|Armed Exit Beeps to Output", "Armed Exit Beeps to Output", 65, EntityKind::Area, kOutputTexts),
    Options("Area|Stay Mode Arm Exit Beeps to Output", "Stay Mode Arm Exit Beeps to Output", 66, EntityKind::Area, kOutputTexts),
    Value("Area|Area Delinquency Delay", "Area Delinquency Delay", 67, EntityKind::Area, Range(0, 99)),
    Options("Area|Automatic Arm/Disarm Time Zone", "Automatic Arm/Disarm Time Zone", 68, EntityKind::Area, kTimeZoneTexts),
    Options("Zone-Main|Zone Area Assignment", "Zone Area Assignment", 121, EntityKind::Zone, kAreaTexts),
    Options("Zone-Main|Zone Alarm Type Options|Zone Options A", "Zone Options A", 122, EntityKind::Zone, kBitsP122),
    Options("Zone-Main|Zone Alarm Type Options|Zone Options B", "Zone Options B", 123, EntityKind::Zone, kBitsP123),
    Options("Zone-Main|Zone Alarm Type Options|Zone Options C", "Zone Options C", 124, EntityKind::Zone, kBitsP124),
    List("Zone-Main|Zone EOL (End-Of-Line) Options", "Zone EOL (End-Of-Line) Options", 125, ZonesUpTo(8), kEol),
    List("Zone-Main|Zone Response Time", "Zone Response time", 126, ZonesUpTo(8), kResponseTimes),
    List("Zone-Main|Radio Zone Detector Type", "Radio Zone Detector Type", 127, ZonesUpTo(16), kDetectorTypes),
    Options("Zone-Main|Zone Beeps to keypad|Armed Zone Alarm Beeps to Keypad", "Armed Zone Alarm Beeps to Keypad", 134, EntityKind::Zone, kKeypadTexts),
    Options("Zone-Main|Zone Beeps to keypad|Stay Mode Zone Alarm Beeps to Keypad", "Stay Mode Zone Alarm Beeps to Keypad", 135, EntityKind::Zone, kKeypadTexts),
    Options("Zone-Main|Zone Beeps to keypad|24 Hour Zone Alarm Beeps to Keypad", "24 Hour Zone Alarm Beeps to Keypad", 136, EntityKind::Zone, kKeypadTexts),
    Options("Zone-Main|Zone Beeps to keypad|Chime Zone Alarm Beeps to Keypad", "Chime Zone Alarm Beeps to Keypad", 137, EntityKind::Zone, kKeypadTexts),
    Options("Zone-Main|Zone Beeps to keypad|Zone Tamper Alarm Beeps to Keypad", "Zone Tamper Alarm Beeps to Keypad", 139, EntityKind::Zone, kKeypadTexts),
    Options("Zone-Main|Zone Beeps to keypad|Radio Supervise Fail Beeps to Keypad", "Radio Supervise Fail Beeps to Keypad", 140, EntityKind::Zone, kKeypadTexts),
    Options("Zone-Main|Zone Beeps to keypad|Zone Inactivity Alarm Beeps to Keypad", "Zone Inactivity Alarm Beeps to Keypad", 141, EntityKind::Zone, kKeypadTexts),
    Options("Zone-Main|Zone Beeps to keypad|Armed Zone Entry Delay Beeps to Keypad", "Armed Zone Entry Delay Beeps to Keypad", 142, EntityKind::Zone, kKeypadTexts),
    Options("Zone-Main|Zone Beeps to keypad|Stay Mode Entry Delay Beeps to Keypad", "Stay Mode Entry Delay Beeps to Keypad", 143, EntityKind::Zone, kKeypadTexts),
    Value("Zone-Main|Armed Zone Entry Delay Time", "Armed Zone Entry Delay Time", 144, EntityKind::Zone, Range(0, 9999)),
    Value("Zone-Main|Stay Mode Zone Entry Delay Time", "Stay Mode Zone Entry Delay Time", 145, EntityKind::Zone, Range(0, 9999)),
    Value("Zone-Main|Zone Re-Trigger Time", "Stay Mode Zone Entry Delay Time", 146, EntityKind::Zone, Range(0, 15)),
    Value("Zone-Main|Zone CID Report Codes|Zone Alarm Contact ID Report Code", "Zone Alarm Contact ID Report Code", 157, EntityKind::Zone, Range(100, 700)),
    Value("Zone-Main|Zone CID Report Codes|Zone Near Alarm Contact ID Report Code", "Zone Near Alarm Contact ID Report Code", 158, EntityKind::Zone, Range(100, 700)),
    Value("Zone-Main|Zone CID Report Codes|Zone Confirmed Alarm Contact ID Report Code", "Zone Confirmed Alarm Contact ID Report Code", 159, EntityKind::Zone, Range(100, 700)),
    Value("Zone-Main|Zone CID Report Codes|Zone Alarm Voice Message Number", "Zone Alarm Voice Message Number", 160, EntityKind::Zone, Range(0, 99)),
    Value("Zone-Main|Sensor-Watch Timer", "Zone Watch Dog Timer", 163, EntityKind::Zone, Range(0, 9999)),
    Options("Zone-Outputs|Armed Zone Alarms to Output", "Armed Zone Alarms to Output", 128, EntityKind::Zone, kOutputTexts),
    Options("Zone-Outputs|Stay Mode Zone Alarms to Output", "Stay Mode Zone Alarms to Output", 129, EntityKind::Zone, kOutputTexts),
    Options("Zone-Outputs|24 Hour Zone Alarms to Output", "24 Hour Zone Alarms to Output", 130, EntityKind::Zone, kOutputTexts),
    Options("Zone-Outputs|Chime Zone Alarms to Output", "Chime Zone Alarms to Output", 131, EntityKind::Zone, kOutputTexts),
    Options("Zone-Outputs|Zone Tamper Alarms to Output", "Zone Tamper Alarms to Output", 132, EntityKind::Zone, kOutputTexts),
    Options("Zone-Outputs|Armed Entry Delay to Output", "Armed Entry Delay to Output", 161, EntityKind::Zone, kOutputTexts),
    Options("Zone-Outputs|Stay Mode Entry Delay to Output", "Stay Mode Entry Delay to Output", 162, EntityKind::Zone, kOutputTexts),
    Options("Zone-Outputs|Zone Near Alarm to Output", "ZZone Near Alarm to Output", 167, EntityKind::Zone, kOutputTexts),
    Options("Zone-Outputs|Zone Confirmed alarm to Output", "Zone Confirmed alarm to Output", 168, EntityKind::Zone, kOutputTexts),
    Options("Keypads|Keypad Area Assignment", "Keypad Area Assignment", 71, EntityKind::Keypad, kAreaTexts),
    Options("Keypads|Keypad Button Operations", "Keypad Button Operations", 72, EntityKind::Keypad, kBitsP72),
    Options("Keypads|Keypad System Beeps/ Led Options", "Keypad System Beeps & Led Options", 73, EntityKind::Keypad, kBitsP73),
    Options("Keypads|Keypad <Arm> Button Area Assignment", "Keypad <Arm> Button Area Assignment", 74, EntityKind::Keypad, kAreaTexts),
    Options("Keypads|Keypad <Arm> Button Area Options", "Keypad <Arm> Button Area Options", 75, EntityKind::Keypad, kBitsP75),
    Options("Keypads|Keypad <Stay> Button Area Assignment", "Keypad <Stay> Button Area Assignment", 76, EntityKind::Keypad, kAreaTexts),
    Options("Keypads|Keypad <Stay> Button Area Options", "Keypad <Stay> Button Area Options", 77, EntityKind::Keypad, kBitsP77),
    Options("Keypads|Keypad <A> Button Area Assignment", "Keypad <A> Button Area Assignment", 78, EntityKind::Keypad, kAreaTexts),
    Options("Keypads|Keypad <A> Button Area Options", "Keypad <A> Button Area Options", 79, EntityKind::Keypad, kBitsP79),
    Options("Keypads|Keypad <B> Button Area Assignmen", "Keypad <B> Button Area Assignment", 80, EntityKind::Keypad, kAreaTexts),
    Options("Keypads|Keypad <B> Button Area Options", "Keypad <B> Button Area Options", 81, EntityKind::Keypad, kBitsP81),
    Options("Keypads|Keypad to Output Mask", "Keypad to Output Mask", 82, EntityKind::Keypad, kOutputTexts),
    Options("Keypads|<Control>  Button to Output Mask", "<Control> Button to Output Mask", 83, EntityKind::Keypad, kOutputTexts),
    Options("Keypads|Keypad  to Outputs and KP Buzzer|Keypad Panic Alarm to Output", "Keypad Panic Alarm to Output", 84, EntityKind::Keypad, kOutputTexts),
    Options("Keypads|Keypad  to Outputs and KP Buzzer|Keypad Fire Alarm to Output", "Keypad Fire Alarm to Output", 85, EntityKind::Keypad, kOutputTexts),
    Options("Keypads|Keypad  to Outputs and KP Buzzer|Keypad Medical Alarm to Output", "Keypad Medical Alarm to Output", 86, EntityKind::Keypad, kOutputTexts),
    Options("Keypads|Keypad  to Outputs and KP Buzzer|Keypad Duress Alarm to Output", "Keypad Duress Alarm to Output", 87, EntityKind::Keypad, kOutputTexts),
    Options("Keypads|Keypad  to Outputs and KP Buzzer|Keypad Tamper Switch Alarm to Output", "Keypad Tamper Switch Alarm to Output", 88, EntityKind::Keypad, kOutputTexts),
    Options("Keypads|Keypad  to Outputs and KP Buzzer|Keypad Wrong Code Alarm to Out", "Keypad Wrong Code Alarm to Output", 89, EntityKind::Keypad, kOutputTexts),
    Options("Keypads|Keypad  to Outputs and KP Buzzer|Manual Panic Alarm Beeps to Keypad", "Manual Panic Alarm Beeps to Keypad", 90, EntityKind::Keypad, kKeypadTexts),
    Options("Keypads|Keypad  to Outputs and KP Buzzer|Manual Fire Alarm Beeps to Keypad", "Manual Fire Alarm Beeps to Keypad", 91, EntityKind::Keypad, kKeypadTexts),
    Options("Keypads|Keypad  to Outputs and KP Buzzer|Manual Medical Alarm Beeps to Keypad", "Manual Medical Alarm Beeps to Keypad", 92, EntityKind::Keypad, kKeypadTexts),
    Options("Keypads|Keypad  to Outputs and KP Buzzer|Wrong Code or Keypad Tamper Beeps To Keypad", "Wrong Code or Keypad Tamper Beeps To Keypad", 93, EntityKind::Keypad, kKeypadTexts),
    Value("Keypads|Keypad Chime Timer", "Keypad Chime Timer", 94, EntityKind::Keypad, Range(0, 255)),
    Value("Keypads|Proximity Reader Led To Output Mapping", "Proximity Reader Led To Output Mapping", 98, EntityKind::Keypad, Range(0, 8)),
    Special("Output|Options", EditorKind::OutputOptions),
    Special("Output|Times", EditorKind::OutputTimes),
    Value("Output|Command Control", "Message Number for Outputs Command Control", 42, EntityKind::Output, Range(0, 99)),
    Special("Keyswitch", EditorKind::Keyswitches),
    Value("Miscellaneous|Installer Code", "Installer code", 25, Fixed(1), Digits(999999u)),
    Value("Miscellaneous|Duress Digit", "Duress Digit", 25, Fixed(2), Range(0, 9)),
    Value("Miscellaneous|Dial Reporting Delay", "Dial Reporting Delay", 25, Fixed(3), Range(0, 255)),
    Value("Miscellaneous|Radio Zone Supervised Timer", "Radio Zone Supervised Timer", 25, Fixed(4), Range(0, 9999)),
    Value("Miscellaneous|Two Trigger Timer", "Two Trigger Timer", 25, Fixed(5), Range(0, 255)),
    Value("Miscellaneous|Mains Fail Reporting Delay", "Mains Fail Reporting Delay", 25, Fixed(6), Range(0, 9999)),
    Value("Miscellaneous|Receiver Fail Delay/Timer", "Receiver Fail Delay/Timer", 25, Fixed(7), Range(0, 9999)),
    Value("Miscellaneous|Security Code", "Security Code", 25, Fixed(8), HexDigits(4294967295u)),
    Options("Miscellaneous|Temporary Output Disable", "Temporary Output Disable", 25, Fixed(9), kOutputTexts),
    Options("Miscellaneous|Miscellaneous Panel Options", "Miscellaneous Panel Options", 25, Fixed(10), kBitsP25_10),
    Options("Miscellaneous|Miscellaneous Installer Options ", "Miscellaneous Installer Options", 25, Fixed(11), kBitsP25_11),
    Options("Miscellaneous|Miscellaneous User Options", "Miscellaneous User Options", 25, Fixed(0), kBitsP25_0),
    Special("Diagnostics", EditorKind::Diagnostics),
    Special("Exit from Install", EditorKind::ExitFromInstall),
};

}  // namespace

const LabelTable kOutputTexts{"Output 1", "Output 2", "Output 3", "Output 4",
                              "Output 5", "Output 6", "Output 7", "Output 8"};
const LabelTable kKeypadTexts{"Keypads 1", "Keypads 2", "Keypads 3", "Keypads 4",
                              "Keypads 5", "Keypads 6", "Keypads 7", "Keypads 8"};
const LabelTable kTimeZoneTexts{"Time Zone 1", "Time Zone 2", "Time Zone 3", "Time Zone 4",
                                "Time Zone 5", "Time Zone 6", "Time Zone 7", "Time Zone 8"};
const LabelTable kAreaTexts{"Area A", "Area B", "", "", "", "", "", ""};

const ChoiceList kEolChoices{kEol};
const ChoiceList kResponseTimeChoices{kResponseTimes};
const ChoiceList kDetectorTypeChoices{kDetectorTypes};
const ChoiceList kSiaCodeChoices{kSiaCodes};
const ChoiceList kUserTypeChoices{kUserTypes};
const ChoiceList kRadioUserTypeChoices{kRadioUserTypes};
const ChoiceList kPhoneFormatChoices{kPhoneFormats};

const EntityKindInfo& KindInfo(EntityKind kind) { return kKinds[static_cast<std::size_t>(kind) - 1]; }

int FieldLength(const ValueDescriptor& value) {
  if (value.format == ValueFormat::LongDigits) return 16;
  const std::uint32_t m = value.maximum;
  if (m < 10) return 1;
  if (m < 100) return 2;
  if (m < 1000) return 3;
  if (m < 10000) return 4;
  if (m < 1000000) return 6;
  return 8;
}

const Choice* FindChoice(ChoiceList choices, std::uint32_t value) {
  const auto it = std::ranges::find(choices, value, &Choice::value);
  return it == choices.end() ? nullptr : &*it;
}

EntityRange MapRow::entities() const {
  if (entity == EntityKind::Fixed) return {fixedEntity, fixedEntity};
  if (highestZone != 0) return {1, highestZone};
  return KindInfo(entity).range;
}

std::string_view MapRow::menuText() const {
  const std::size_t cut = menuPath.rfind(kMenuPathSeparator);
  return cut == std::string_view::npos ? menuPath : menuPath.substr(cut + 1);
}

std::span<const MapRow> ParameterMap() { return kMap; }

const MapRow* FindMapRow(std::string_view menuPath) {
  const auto it = std::ranges::find(kMap, menuPath, &MapRow::menuPath);
  return it == std::end(kMap) ? nullptr : &*it;
}

}  // namespace params
