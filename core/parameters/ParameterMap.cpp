#include "core/parameters/ParameterMap.h"

#include <algorithm>

#include "core/CoreText.h"

namespace params {

namespace {

// User numbers run to 100, so their fields take three characters.
constexpr EntityKindInfo kKinds[] = {
    {{1, 8}, 8, CORE_TR_NOOP("ParameterMap", "Keypad"), CORE_TR_NOOP("ParameterMap", "Keypad number is invalid"), 1},
    {{1, 2}, 1, "", "", 2},
    {{1, 16}, 1, CORE_TR_NOOP("ParameterMap", "Zone"), CORE_TR_NOOP("ParameterMap", "Zone number is invalid"), 2},
    {{1, 8}, 1, CORE_TR_NOOP("ParameterMap", "Output"), CORE_TR_NOOP("ParameterMap", "Output number is invalid"), 2},
    {{0, 0}, 0, "", "", 2},
    {{1, 100}, 1, CORE_TR_NOOP("ParameterMap", "User"), CORE_TR_NOOP("ParameterMap", "User is invalid"), 3},
    {{21, 100}, 21, CORE_TR_NOOP("ParameterMap", "Radio User"), CORE_TR_NOOP("ParameterMap", "Radio User is invalid"), 3},
};

constexpr Choice kEol[] = {
    {0, CORE_TR_NOOP("ParameterMap", "Short Circuit Loop")},
    {1, CORE_TR_NOOP("ParameterMap", "1k")},
    {2, CORE_TR_NOOP("ParameterMap", "1k5")},
    {3, CORE_TR_NOOP("ParameterMap", "2k2")},
    {4, CORE_TR_NOOP("ParameterMap", "3k3")},
    {5, CORE_TR_NOOP("ParameterMap", "3k9")},
    {6, CORE_TR_NOOP("ParameterMap", "4k7")},
    {7, CORE_TR_NOOP("ParameterMap", "5k6")},
    {8, CORE_TR_NOOP("ParameterMap", "6k8")},
    {9, CORE_TR_NOOP("ParameterMap", "10k")},
    {10, CORE_TR_NOOP("ParameterMap", "12k")},
    {11, CORE_TR_NOOP("ParameterMap", "22k")},
    {12, CORE_TR_NOOP("ParameterMap", "2k2 // 4k7")},
    {13, CORE_TR_NOOP("ParameterMap", "3k3 // 6k8")},
    {14, CORE_TR_NOOP("ParameterMap", "2k2 // 4k7 // 8k2")},
    {15, CORE_TR_NOOP("ParameterMap", "4k7 // 8k2")},
};

constexpr Choice kResponseTimes[] = {
    {1, CORE_TR_NOOP("ParameterMap", "Highest Vibration setting")},
    {2, CORE_TR_NOOP("ParameterMap", "Middle Vibration setting")},
    {3, CORE_TR_NOOP("ParameterMap", "Middle Vibration setting")},
    {4, CORE_TR_NOOP("ParameterMap", "Middle Vibration setting")},
    {5, CORE_TR_NOOP("ParameterMap", "Middle Vibration setting")},
    {6, CORE_TR_NOOP("ParameterMap", "Middle Vibration setting")},
    {7, CORE_TR_NOOP("ParameterMap", "Middle Vibration setting")},
    {8, CORE_TR_NOOP("ParameterMap", "Lowest Vibration setting")},
    {9, CORE_TR_NOOP("ParameterMap", "200 ms")},
    {10, CORE_TR_NOOP("ParameterMap", "250 ms")},
    {11, CORE_TR_NOOP("ParameterMap", "300 ms")},
    {12, CORE_TR_NOOP("ParameterMap", "350 ms")},
    {13, CORE_TR_NOOP("ParameterMap", "400 ms")},
    {14, CORE_TR_NOOP("ParameterMap", "450 ms")},
    {15, CORE_TR_NOOP("ParameterMap", "500 ms")},
    {16, CORE_TR_NOOP("ParameterMap", "550 ms")},
    {17, CORE_TR_NOOP("ParameterMap", "600 ms")},
    {18, CORE_TR_NOOP("ParameterMap", "650 ms")},
    {19, CORE_TR_NOOP("ParameterMap", "700 ms")},
    {20, CORE_TR_NOOP("ParameterMap", "750 ms")},
    {21, CORE_TR_NOOP("ParameterMap", "800 ms")},
    {22, CORE_TR_NOOP("ParameterMap", "850 ms")},
    {23, CORE_TR_NOOP("ParameterMap", "900 ms")},
    {24, CORE_TR_NOOP("ParameterMap", "950 ms")},
    {25, CORE_TR_NOOP("ParameterMap", "1000 ms")},
    {26, CORE_TR_NOOP("ParameterMap", "1050 ms")},
};

constexpr Choice kDetectorTypes[] = {
    {0, CORE_TR_NOOP("ParameterMap", "Generic")},
    {1, CORE_TR_NOOP("ParameterMap", "Vell Ostrel PIR (supervised signal ignored)")},
    {2, CORE_TR_NOOP("ParameterMap", "Vell Ostrel PIR (supervised signal active)")},
    {3, CORE_TR_NOOP("ParameterMap", "Zentaro with checksum (supervised signal active)")},
    {4, CORE_TR_NOOP("ParameterMap", "Zentaro with checksum (Non-supervised)")},
    {5, CORE_TR_NOOP("ParameterMap", "Vell KV series battery Low")},
    {6, CORE_TR_NOOP("ParameterMap", "Vell KV series Radio Reed Switch")},
    {11, CORE_TR_NOOP("ParameterMap", "Ness Radio devices Battery Low")},
    {12, CORE_TR_NOOP("ParameterMap", "Ness Radio Reed Switch")},
    {21, CORE_TR_NOOP("ParameterMap", "Electronics Line Cougar Radio PIR")},
    {31, CORE_TR_NOOP("ParameterMap", "Visonic K900 Radio PIR")},
    {32, CORE_TR_NOOP("ParameterMap", "Visonic Powercode (supervised signal ignored)")},
    {33, CORE_TR_NOOP("ParameterMap", "Visonic Powercode (supervised signal active)")},
    {34, CORE_TR_NOOP("ParameterMap", "Siemens (supervised signal ignored)")},
    {35, CORE_TR_NOOP("ParameterMap", "Siemens (supervised signal active)")},
};

constexpr Choice kSiaCodes[] = {
    {0, CORE_TR_NOOP("ParameterMap", "None")},
    {1, CORE_TR_NOOP("ParameterMap", "Burglary")},
    {2, CORE_TR_NOOP("ParameterMap", "Un-typed Alarm")},
    {3, CORE_TR_NOOP("ParameterMap", "Hold-up")},
    {4, CORE_TR_NOOP("ParameterMap", "Fire")},
    {5, CORE_TR_NOOP("ParameterMap", "Medical")},
    {6, CORE_TR_NOOP("ParameterMap", "Panic")},
    {7, CORE_TR_NOOP("ParameterMap", "Emergency")},
    {8, CORE_TR_NOOP("ParameterMap", "Gas")},
    {9, CORE_TR_NOOP("ParameterMap", "Sprinkler")},
    {10, CORE_TR_NOOP("ParameterMap", "Water")},
    {11, CORE_TR_NOOP("ParameterMap", "Heat")},
    {12, CORE_TR_NOOP("ParameterMap", "Freeze")},
    {13, CORE_TR_NOOP("ParameterMap", "Equipment")},
    {14, CORE_TR_NOOP("ParameterMap", "Equip. Tamper")},
};

constexpr Choice kUserTypes[] = {
    {0, CORE_TR_NOOP("ParameterMap", "Keypad Code User")},
    {1, CORE_TR_NOOP("ParameterMap", "Radio user")},
    {2, CORE_TR_NOOP("ParameterMap", "Access Key User")},
    {3, CORE_TR_NOOP("ParameterMap", "Both Code and Access Tag")},
    {4, CORE_TR_NOOP("ParameterMap", "Either Code and Access Tag")},
};

constexpr Choice kCodeUserTypes[] = {kUserTypes[0], kUserTypes[2], kUserTypes[3], kUserTypes[4]};

constexpr Choice kRadioUserTypes[] = {
    {0, CORE_TR_NOOP("ParameterMap", "Generic Type")},
    {1, CORE_TR_NOOP("ParameterMap", "Vell Zentaro Type")},
};

constexpr Choice kPhoneFormats[] = {
    {1, CORE_TR_NOOP("ParameterMap", "Contact ID")},
    {2, CORE_TR_NOOP("ParameterMap", "Domestic Dial")},
    {3, CORE_TR_NOOP("ParameterMap", "Pager")},
    {4, CORE_TR_NOOP("ParameterMap", "Voice Dialler")},
    {5, CORE_TR_NOOP("ParameterMap", "4 + 2 10 pps 1400 Hz/1900 Hz")},
    {6, CORE_TR_NOOP("ParameterMap", "4 + 2 10 pps 2300 Hz/1800 Hz")},
    {7, CORE_TR_NOOP("ParameterMap", "4 + 2 20 pps 1400 Hz/1900 Hz")},
    {8, CORE_TR_NOOP("ParameterMap", "4 + 2 20 pps 2300 Hz/1800 Hz")},
    {9, CORE_TR_NOOP("ParameterMap", "4 + 2 DTMF (with Checksum)")},
    {10, CORE_TR_NOOP("ParameterMap", "SIA")},
    {11, CORE_TR_NOOP("ParameterMap", "SIA slow")},
};

constexpr LabelTable kBitsP45{{
    CORE_TR_NOOP("ParameterMap", "<ARM> button Required Before Code to Arm"),
    CORE_TR_NOOP("ParameterMap", "<STAY> button Required Before code to Arm Stay Mode"),
    CORE_TR_NOOP("ParameterMap", "<CODE> Required to Arm"),
    CORE_TR_NOOP("ParameterMap", "<CODE> Required to Bypass"),
    "",
    CORE_TR_NOOP("ParameterMap", "Report Arm Signal at the end of the Exit Delay"),
    CORE_TR_NOOP("ParameterMap", "Can Arm only if All Zones Sealed (Ready)"),
    CORE_TR_NOOP("ParameterMap", "Can Arm Stay Mode only if All Zones Sealed (Ready)"),
}};
constexpr LabelTable kBitsP46{{
    CORE_TR_NOOP("ParameterMap", "Use Near and Verified Alarm reporting for All zones"),
    CORE_TR_NOOP("ParameterMap", "Area will Arm at the end of Time-Zone"),
    CORE_TR_NOOP("ParameterMap", "Area will Disarm at the end of Time-Zone"),
    CORE_TR_NOOP("ParameterMap", "Assign Chirps to Access tags"),
    "",
    "",
    CORE_TR_NOOP("ParameterMap", "Cannot Arm if Zone Unsealed at end of Exit Delay"),
    "",
}};
constexpr LabelTable kBitsP72{{
    CORE_TR_NOOP("ParameterMap", "<CHIME> or <CONTROL><PROGRAM> button Enabled"),
    CORE_TR_NOOP("ParameterMap", "<BYPASS> button Enabled"),
    CORE_TR_NOOP("ParameterMap", "<PANIC> button Enabled"),
    CORE_TR_NOOP("ParameterMap", "Delayed Operation of <PANIC> button"),
    CORE_TR_NOOP("ParameterMap", "<1> & <3> Panic Alarm Enabled"),
    CORE_TR_NOOP("ParameterMap", "<4> & <6> Fire Alarm Enabled"),
    CORE_TR_NOOP("ParameterMap", "<7> & <9> Medical Alarm Enabled"),
    CORE_TR_NOOP("ParameterMap", "Stay Armed Beep to Keypad"),
}};
constexpr LabelTable kBitsP73{{
    CORE_TR_NOOP("ParameterMap", "Mains Fail Beeps Keypad Buzzer"),
    CORE_TR_NOOP("ParameterMap", "Fuse Fail Beeps Keypad Buzzer"),
    CORE_TR_NOOP("ParameterMap", "Battery Low Beeps Keypad Buzzer"),
    CORE_TR_NOOP("ParameterMap", "Telephone Line Fail Beeps Keypad Buzzer"),
    CORE_TR_NOOP("ParameterMap", "System Tamper Beeps Keypad Buzzer"),
    CORE_TR_NOOP("ParameterMap", "Receiver Fail Beeps Keypad Buzzer"),
    CORE_TR_NOOP("ParameterMap", "Turn Off Keypad LED’s when Armed"),
    CORE_TR_NOOP("ParameterMap", "Turn Off Keypad LCD/Keypad Backlighting on Mains Fail"),
}};
constexpr LabelTable kBitsP75{{
    CORE_TR_NOOP("ParameterMap", "<ARM> button can Arm"),
    CORE_TR_NOOP("ParameterMap", "<ARM> button can Arm Stay Mode"),
    CORE_TR_NOOP("ParameterMap", "<ARM> button can Disarm at All Times"),
    CORE_TR_NOOP("ParameterMap", "<ARM> button can Disarm Stay Mode at All Times"),
    CORE_TR_NOOP("ParameterMap", "<ARM> button can Reset Alarms"),
    CORE_TR_NOOP("ParameterMap", "<ARM> button can Arm Latchkey Mode"),
    CORE_TR_NOOP("ParameterMap", "<ARM> button can Disarm During Exit Delay"),
    CORE_TR_NOOP("ParameterMap", "<ARM> button can Disarm Stay Mode During Exit Delay"),
}};
constexpr LabelTable kBitsP77{{
    CORE_TR_NOOP("ParameterMap", "<STAY> button can Arm"),
    CORE_TR_NOOP("ParameterMap", "<STAY> button can Arm Stay Mode"),
    CORE_TR_NOOP("ParameterMap", "<STAY> button can Disarm at All Times"),
    CORE_TR_NOOP("ParameterMap", "<STAY> button can Disarm Stay Mode at All Times"),
    CORE_TR_NOOP("ParameterMap", "<STAY> button can Reset Alarms"),
    CORE_TR_NOOP("ParameterMap", "<STAY> button can Arm Latchkey Mode"),
    CORE_TR_NOOP("ParameterMap", "<STAY> button can Disarm During Exit Delay"),
    CORE_TR_NOOP("ParameterMap", "<STAY> button can Disarm Stay Mode During Exit Delay"),
}};
constexpr LabelTable kBitsP79{{
    CORE_TR_NOOP("ParameterMap", "<A> button can Arm"),
    CORE_TR_NOOP("ParameterMap", "<A> button can Arm Stay Mode"),
    CORE_TR_NOOP("ParameterMap", "<A> button can Disarm at All Times"),
    CORE_TR_NOOP("ParameterMap", "<A> button can Disarm Stay Mode at All Times"),
    CORE_TR_NOOP("ParameterMap", "<A> button can Reset Alarms"),
    CORE_TR_NOOP("ParameterMap", "<A> button can Arm Latchkey Mode"),
    CORE_TR_NOOP("ParameterMap", "<A> button can Disarm During Exit Delay"),
    CORE_TR_NOOP("ParameterMap", "<A> button can Disarm Stay Mode During Exit Delay"),
}};
constexpr LabelTable kBitsP81{{
    CORE_TR_NOOP("ParameterMap", "<B> button can Arm"),
    CORE_TR_NOOP("ParameterMap", "<B> button can Arm STAY Mode"),
    CORE_TR_NOOP("ParameterMap", "<B> button can Disarm at All Times"),
    CORE_TR_NOOP("ParameterMap", "<B> button can Disarm Stay Mode at All Times"),
    CORE_TR_NOOP("ParameterMap", "<B> button can Reset Alarms"),
    CORE_TR_NOOP("ParameterMap", "<B> button can Arm Latchkey Mode"),
    CORE_TR_NOOP("ParameterMap", "<B> button can Disarm During Exit Delay"),
    CORE_TR_NOOP("ParameterMap", "<B> button can Disarm Stay Mode During Exit Delay"),
}};
constexpr LabelTable kBitsP122{{
    CORE_TR_NOOP("ParameterMap", "Zone is Active"),
    CORE_TR_NOOP("ParameterMap", "Zone is N/O"),
    CORE_TR_NOOP("ParameterMap", "Not an Exit Delay Zone"),
    CORE_TR_NOOP("ParameterMap", "Keypad Zone"),
    CORE_TR_NOOP("ParameterMap", "Zone is a Radio Zone"),
    CORE_TR_NOOP("ParameterMap", "Zone is a Stay Mode Zone"),
    CORE_TR_NOOP("ParameterMap", "Zone can be Manually Bypassed"),
    CORE_TR_NOOP("ParameterMap", "Zone can be Auto-Bypassed"),
}};
constexpr LabelTable kBitsP123{{
    CORE_TR_NOOP("ParameterMap", "Zone is a Handover Zone"),
    CORE_TR_NOOP("ParameterMap", "Zone is a Two Trigger Zone"),
    CORE_TR_NOOP("ParameterMap", "Zone is a 24 Hour Zone"),
    CORE_TR_NOOP("ParameterMap", "Zone is a 24 Hour Auto-reset Zone"),
    CORE_TR_NOOP("ParameterMap", "Zone is a 24 Hour Fire Zone"),
    "",
    CORE_TR_NOOP("ParameterMap", "Zone is a Chime Zone"),
    CORE_TR_NOOP("ParameterMap", "Zone is a Permanent Chime Zone"),
}};
constexpr LabelTable kBitsP124{{
    CORE_TR_NOOP("ParameterMap", "Can Arm if Zone is not Ready"),
    CORE_TR_NOOP("ParameterMap", "Will Send Multiple Reports to Dialler"),
    CORE_TR_NOOP("ParameterMap", "Zone is Monitored for Inactivity"),
    CORE_TR_NOOP("ParameterMap", "Zone is on Soak Test"),
    CORE_TR_NOOP("ParameterMap", "Zone will report to Area B Account Number"),
    CORE_TR_NOOP("ParameterMap", "Zone will Not Report 24 hour Alarms via Dialler"),
    CORE_TR_NOOP("ParameterMap", "Pulse Output on Kiss-off Following a Zone Alarm "),
    CORE_TR_NOOP("ParameterMap", "Exit Terminator Zone"),
}};
constexpr LabelTable kBitsP25_10{{
    CORE_TR_NOOP("ParameterMap", "Panel Tamper is 2k2 EOL"),
    CORE_TR_NOOP("ParameterMap", "Direct access to program mode for the Installer Code"),
    CORE_TR_NOOP("ParameterMap", "Disable Mains Fail Test"),
    CORE_TR_NOOP("ParameterMap", "Listen-in to O/P # 1 Low Volume"),
    CORE_TR_NOOP("ParameterMap", "Receiver Fail Lockout"),
    CORE_TR_NOOP("ParameterMap", "Send Output information to Keypad Buss"),
    CORE_TR_NOOP("ParameterMap", "Cannot Arm if the System Battery is Low"),
    CORE_TR_NOOP("ParameterMap", "Installer Lockout"),
}};
constexpr LabelTable kBitsP25_11{{
    CORE_TR_NOOP("ParameterMap", "Entry to Installer Mode Resets Confirmed Alarms"),
    CORE_TR_NOOP("ParameterMap", "Entry to Installer Mode Resets Tamper Alarms"),
    CORE_TR_NOOP("ParameterMap", "Entry to Installer Mode Resets Low Battery Alarm"),
    CORE_TR_NOOP("ParameterMap", "Entry to Installer Mode Resets Supervisory Alarms"),
    CORE_TR_NOOP("ParameterMap", "Cannot Arm if there is a keypad Fault "),
    CORE_TR_NOOP("ParameterMap", "Cannot Arm if there is a Telephone Line Failure or Comms Fault"),
    CORE_TR_NOOP("ParameterMap", "10 Incorrect Code Attempts locks out the keypad for 90 Seconds"),
    CORE_TR_NOOP("ParameterMap", "User Codes Must be 4-6 digits long"),
}};
constexpr LabelTable kBitsP25_0{{
    CORE_TR_NOOP("ParameterMap", "Code Required to View Memory"),
    CORE_TR_NOOP("ParameterMap", "Cancel Handover Zone Function in Stay Mode"),
    CORE_TR_NOOP("ParameterMap", "Output Control from Keypad is Disabled when Armed"),
    CORE_TR_NOOP("ParameterMap", "Keypad Codes are Disabled During Entry Delay"),
    CORE_TR_NOOP("ParameterMap", "No Keypad Indications while Armed"),
    CORE_TR_NOOP("ParameterMap", "Monitored KP Buss Output Board"),
    CORE_TR_NOOP("ParameterMap", "Enable Keypad Tamper"),
    CORE_TR_NOOP("ParameterMap", "Limit Events & Dialler to 3 of any one type"),
}};
constexpr LabelTable kBitsP175_1{{
    CORE_TR_NOOP("ParameterMap", "Dialler is Enabled"),
    CORE_TR_NOOP("ParameterMap", "Fax Defeat"),
    CORE_TR_NOOP("ParameterMap", "Disable Telephone Line Monitoring"),
    CORE_TR_NOOP("ParameterMap", "Pulse Dialling (NOTE: For DTMF 4 & 5 must be OFF)"),
    CORE_TR_NOOP("ParameterMap", "Reverse Pulse Dialling (NOTE: For DTMF 4 & 5 must be OFF)"),
    CORE_TR_NOOP("ParameterMap", "Long DTMF Dialling Digits"),
    CORE_TR_NOOP("ParameterMap", "Auto-detect Modem"),
    CORE_TR_NOOP("ParameterMap", "Force V21 Mode"),
}};
constexpr LabelTable kBitsP175_2{{
    CORE_TR_NOOP("ParameterMap", "Step to next Number"),
    CORE_TR_NOOP("ParameterMap", "Keyridge uses Call-back Number"),
    CORE_TR_NOOP("ParameterMap", "Keyridge only if Disarmed"),
    CORE_TR_NOOP("ParameterMap", "Send Test Calls Only if Armed"),
    CORE_TR_NOOP("ParameterMap", "Test Time Period id in days"),
    CORE_TR_NOOP("ParameterMap", "Hold line open following Domestic/Voice report for DTMF control"),
    CORE_TR_NOOP("ParameterMap", "First to Open Last to Close Reporting"),
    CORE_TR_NOOP("ParameterMap", "Answer After 1 ring for Two Way Voice Call-back Mode"),
}};
constexpr LabelTable kBitsP175_6{{
    CORE_TR_NOOP("ParameterMap", "Enabled when dialling only and in Disarmed State"),
    CORE_TR_NOOP("ParameterMap", "Enabled when dialling only and in Armed State"),
    CORE_TR_NOOP("ParameterMap", "Enabled when dialling only and in Monitor Mode"),
    CORE_TR_NOOP("ParameterMap", "Enabled through the entire call only in Disarmed state"),
    CORE_TR_NOOP("ParameterMap", "Enabled through the entire call only in Armed State"),
    CORE_TR_NOOP("ParameterMap", "Enabled through the entire call only in Monitor Mode"),
    CORE_TR_NOOP("ParameterMap", "Enabled when the panel answers a call"),
    CORE_TR_NOOP("ParameterMap", "Listen-in on at All Times"),
}};
constexpr LabelTable kBitsP175_7{{
    CORE_TR_NOOP("ParameterMap", "Enabled when dialling only and in Disarmed State"),
    CORE_TR_NOOP("ParameterMap", "Enabled when dialling only and in Armed State"),
    CORE_TR_NOOP("ParameterMap", "Enabled when dialling only and in Monitor Mode"),
    CORE_TR_NOOP("ParameterMap", "Enabled through the entire call only in Disarmed state"),
    CORE_TR_NOOP("ParameterMap", "Enabled through the entire call only in Armed State"),
    CORE_TR_NOOP("ParameterMap", "Enabled through the entire call only in Monitor Mode"),
    CORE_TR_NOOP("ParameterMap", "Enabled when the panel answers a call"),
    CORE_TR_NOOP("ParameterMap", "on at All Times"),
}};
constexpr LabelTable kBitsP8{{
    CORE_TR_NOOP("ParameterMap", "Pendant can Disarm at All Times"),
    CORE_TR_NOOP("ParameterMap", "Pendant will cause an Immediate Panic Alarm"),
    CORE_TR_NOOP("ParameterMap", "Pendant will cause a Delayed Panic Alarm (1.5 sec)"),
    CORE_TR_NOOP("ParameterMap", "Pendant only works during entry delay"),
    CORE_TR_NOOP("ParameterMap", "This User is a dedicated Duress Code"),
    "",
    "",
    "",
}};

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

constexpr MapRow OptionsRow(std::string_view path, std::string_view title, std::uint8_t parameter, Entity entity,
                         const LabelTable& labels) {
  return {path, title, EditorKind::Options, parameter, entity.kind, entity.fixed, 0, &labels, {}, {}};
}
constexpr MapRow OptionsRow(std::string_view path, std::string_view title, std::uint8_t parameter, EntityKind kind,
                         const LabelTable& labels) {
  return OptionsRow(path, title, parameter, Entity{kind}, labels);
}
constexpr MapRow ValueRow(std::string_view path, std::string_view title, std::uint8_t parameter, Entity entity,
                       ValueDescriptor value) {
  return {path, title, EditorKind::Value, parameter, entity.kind, entity.fixed, 0, nullptr, value, {}};
}
constexpr MapRow ValueRow(std::string_view path, std::string_view title, std::uint8_t parameter, EntityKind kind,
                       ValueDescriptor value) {
  return ValueRow(path, title, parameter, Entity{kind}, value);
}
constexpr MapRow ListRow(std::string_view path, std::string_view title, std::uint8_t parameter, Entity entity,
                      ChoiceList choices) {
  return {path, title, EditorKind::List, parameter, entity.kind, entity.fixed, entity.highestZone, nullptr, {}, choices};
}
constexpr MapRow SpecialRow(std::string_view path, EditorKind editor) { return {path, {}, editor}; }

// Each level of a menu path is marked on its own, so the menu shows every
// level translated while the joined path stays the untranslated key.
const MapRow kMap[] = {
    SpecialRow(CORE_TR_NOOP("ParameterMap", "User"), EditorKind::Users),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Radio User") "|" CORE_TR_NOOP("ParameterMap", "Radio Pendant Alarm to an Output"), CORE_TR_NOOP("ParameterMap", "Radio Pendant Panic Alarm to Output"), 15, EntityKind::RadioUser, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Radio User") "|" CORE_TR_NOOP("ParameterMap", "Radio Pendant Panic Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Radio Pendant Panic Beeps to Keypad"), 11, EntityKind::RadioUser, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Radio User") "|" CORE_TR_NOOP("ParameterMap", "Radio Users Privileges"), CORE_TR_NOOP("ParameterMap", "Radio User Privelege"), 8, EntityKind::RadioUser, kBitsP8),
    SpecialRow(CORE_TR_NOOP("ParameterMap", "Clock Setting") "|" CORE_TR_NOOP("ParameterMap", "Time zone"), EditorKind::TimeZones),
    SpecialRow(CORE_TR_NOOP("ParameterMap", "Clock Setting") "|" CORE_TR_NOOP("ParameterMap", "Set clock"), EditorKind::Clock),
    SpecialRow(CORE_TR_NOOP("ParameterMap", "Clock Setting") "|" CORE_TR_NOOP("ParameterMap", "Holydays"), EditorKind::Holidays),
    SpecialRow(CORE_TR_NOOP("ParameterMap", "Phone Number"), EditorKind::PhoneNumbers),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Dialler Options") "|" CORE_TR_NOOP("ParameterMap", "Options A"), CORE_TR_NOOP("ParameterMap", "Dialler Options A"), 175, Fixed(1), kBitsP175_1),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Dialler Options") "|" CORE_TR_NOOP("ParameterMap", "Options B"), CORE_TR_NOOP("ParameterMap", "Dialler Options B"), 175, Fixed(2), kBitsP175_2),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Auto Answer Ring count"), CORE_TR_NOOP("ParameterMap", "Auto Answer Ring count"), 175, Fixed(3), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Test Call options") "|" CORE_TR_NOOP("ParameterMap", "Time to the first dialler test call"), CORE_TR_NOOP("ParameterMap", "TIME to the FIRST DIALLER TEST CALL"), 175, Fixed(4), Range(0, 2359)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Test Call options") "|" CORE_TR_NOOP("ParameterMap", "Test Call Time Period"), CORE_TR_NOOP("ParameterMap", "Test Call Time Period"), 175, Fixed(5), Range(0, 255)),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Keypad Options") "|" CORE_TR_NOOP("ParameterMap", "Keypad Listen-In Options"), CORE_TR_NOOP("ParameterMap", "Keypad Listen-In Options"), 175, Fixed(6), kBitsP175_6),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Keypad Options") "|" CORE_TR_NOOP("ParameterMap", "Output # 1 Listen-In Options"), CORE_TR_NOOP("ParameterMap", "Output # 1 Listen-In Options"), 175, Fixed(7), kBitsP175_7),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Dialling Pre-Fix Number"), CORE_TR_NOOP("ParameterMap", "Dialling Pre-Fix Number"), 175, Fixed(8), LongDigits()),
    ListRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "SIA Report Code") "|" CORE_TR_NOOP("ParameterMap", "\"PANIC\" Alarm SIA code"), CORE_TR_NOOP("ParameterMap", "Panic Alarm SIA Reporting codes"), 197, Fixed(1), kSiaCodes),
    ListRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "SIA Report Code") "|" CORE_TR_NOOP("ParameterMap", "\"FIRE\" Alarm SIA code"), CORE_TR_NOOP("ParameterMap", "Fire Alarm SIA Reporting codes"), 197, Fixed(2), kSiaCodes),
    ListRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "SIA Report Code") "|" CORE_TR_NOOP("ParameterMap", "\"MEDICAL\" Alarm SIA code"), CORE_TR_NOOP("ParameterMap", "Medical Alarm SIA Reporting codes"), 197, Fixed(3), kSiaCodes),
    ListRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "SIA Report Code") "|" CORE_TR_NOOP("ParameterMap", "Zone Alarm SIA code "), CORE_TR_NOOP("ParameterMap", "Zone Alarm SIA Reporting codes"), 196, ZonesUpTo(16), kSiaCodes),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "CID Report Code") "|" CORE_TR_NOOP("ParameterMap", "\"PANIC\" alarm CID code"), CORE_TR_NOOP("ParameterMap", "“PANIC” ALARM CONTACT ID REPORT CODE"), 175, Fixed(9), Range(0, 700)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "CID Report Code") "|" CORE_TR_NOOP("ParameterMap", "\"FIRE\" alarm CID code"), CORE_TR_NOOP("ParameterMap", "“FIRE” ALARM CONTACT ID REPORT CODE"), 175, Fixed(10), Range(0, 700)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "CID Report Code") "|" CORE_TR_NOOP("ParameterMap", "\"MEDICAL\" alarm CID code"), CORE_TR_NOOP("ParameterMap", "“MEDICAL” ALARM CONTACT ID REPORT CODE"), 175, Fixed(11), Range(0, 700)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "DTMF Remote Codes") "|" CORE_TR_NOOP("ParameterMap", "Output DTMF control code"), CORE_TR_NOOP("ParameterMap", "OUTPUT DTMF CONTROL CODE NUMBER"), 175, Fixed(12), Range(0, 9999)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "DTMF Remote Codes") "|" CORE_TR_NOOP("ParameterMap", "Microphone ON/OFF DTMF code"), CORE_TR_NOOP("ParameterMap", "MICROPHONE ON/OFF DTMF CODE NUMBER"), 175, Fixed(13), Range(0, 9999)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "DTMF Remote Codes") "|" CORE_TR_NOOP("ParameterMap", "Dialler acknowledge DTMF code"), CORE_TR_NOOP("ParameterMap", "DIALLER ACKNOWLEDGE DTMF CODE NUMBER"), 175, Fixed(14), Range(0, 9999)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "DTMF Remote Codes") "|" CORE_TR_NOOP("ParameterMap", "Force test DTMF code"), CORE_TR_NOOP("ParameterMap", "FORCE TEST CALL DTMF CODE NUMBER"), 175, Fixed(15), Range(0, 9999)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "KEYPAD or RADIO PANIC ALARM VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "KEYPAD or RADIO PANIC ALARM VOICE MESSAGE NUMBER"), 176, Fixed(1), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "FIRE ALARM VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "FIRE ALARM VOICE MESSAGE NUMBER"), 176, Fixed(2), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "MEDICAL ALARM VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "MEDICAL ALARM VOICE MESSAGE NUMBER"), 176, Fixed(3), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "AC FAIL ALARM VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "AC FAIL ALARM VOICE MESSAGE NUMBER"), 176, Fixed(4), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "AC RESTORE VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "AC RESTORE VOICE MESSAGE NUMBER"), 176, Fixed(5), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "BATTERY LOW ALARM VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "BATTERY LOW ALARM VOICE MESSAGE NUMBER"), 176, Fixed(6), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "BATTERY RESTORE VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "BATTERY RESTORE VOICE MESSAGE NUMBER"), 176, Fixed(7), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "TAMPER ALARMS VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "TAMPER ALARMS VOICE MESSAGE NUMBER"), 176, Fixed(8), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "DURESS ALARM VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "DURESS ALARM VOICE MESSAGE NUMBER"), 176, Fixed(9), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "LATCHKEY DISARM VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "LATCHKEY DISARM VOICE MESSAGE NUMBER"), 176, Fixed(10), Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Dialler") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Voice Reporting Message") "|" CORE_TR_NOOP("ParameterMap", "MANUAL TEST CALL INITIATED VOICE MESSAGE NUMBER"), CORE_TR_NOOP("ParameterMap", "MANUAL TEST CALL INITIATED VOICE MESSAGE NUMBER"), 176, Fixed(11), Range(0, 99)),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Area Optioin A"), CORE_TR_NOOP("ParameterMap", "Area Options “A”"), 45, EntityKind::Area, kBitsP45),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Area Option B"), CORE_TR_NOOP("ParameterMap", "Area Options “B”"), 46, EntityKind::Area, kBitsP46),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Area Arm Indication to Output"), CORE_TR_NOOP("ParameterMap", "Area Arm Indication to Output"), 47, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Area Stay Arm Indication to Output"), CORE_TR_NOOP("ParameterMap", "Area Stay Arm Indication to Output"), 48, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Area Disarm Indication to Output"), CORE_TR_NOOP("ParameterMap", "Area Disarm Indication to Output"), 49, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Pendant Arm Chirp to Output"), CORE_TR_NOOP("ParameterMap", "Pendant Arm Chirp to Output"), 50, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Pendant Stay Mode Arm Chirp to Output"), CORE_TR_NOOP("ParameterMap", "Pendant Stay Mode Arm Chirp to Output"), 51, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Pendant Disarm Chirp to Output"), CORE_TR_NOOP("ParameterMap", "Pendant Disarm Chirp to Output"), 52, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Pendant Stay Mode Disarm Chirp to Output"), CORE_TR_NOOP("ParameterMap", "Pendant Stay Mode Disarm Chirp to Output"), 53, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Arm Pulse to Output"), CORE_TR_NOOP("ParameterMap", "Arm Pulse to Output"), 54, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Stay Mode Arm Pulse to Output"), CORE_TR_NOOP("ParameterMap", "Stay Mode Arm Pulse to Output"), 55, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Disarm Pulse to Output"), CORE_TR_NOOP("ParameterMap", "Disarm Pulse to Output"), 56, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Stay Mode Disarm Pulse to Output"), CORE_TR_NOOP("ParameterMap", "Stay Mode Disarm Pulse to Output"), 57, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Armed Exit Delay Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Armed Exit Delay Beeps to Keypad"), 58, EntityKind::Area, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Stay Mode Exit Delay Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Stay Mode Exit Delay Beeps to Keypad"), 59, EntityKind::Area, kKeypadTexts),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Armed Exit Delay Time"), CORE_TR_NOOP("ParameterMap", "Armed Exit Delay Time"), 60, EntityKind::Area, Range(0, 255)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Stay Mode Exit Delay Time"), CORE_TR_NOOP("ParameterMap", "Stay Mode Exit Delay Time"), 61, EntityKind::Area, Range(0, 255)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Monitoring Account Code Number"), CORE_TR_NOOP("ParameterMap", "Monitoring Account Code Number"), 62, EntityKind::Area, HexDigits(9999u)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "DTMF Remote Control Code Number"), CORE_TR_NOOP("ParameterMap", "DTMF Remote Control Code Number"), 63, EntityKind::Area, Range(0, 9999)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Start of “DTMF Arm/Disarm” Status Messages"), CORE_TR_NOOP("ParameterMap", "Start of “DTMF Arm/Disarm” Status Messages"), 64, EntityKind::Area, Range(0, 99)),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Armed Exit Beeps to Output"), CORE_TR_NOOP("ParameterMap", "Armed Exit Beeps to Output"), 65, EntityKind::Area, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Stay Mode Arm Exit Beeps to Output"), CORE_TR_NOOP("ParameterMap", "Stay Mode Arm Exit Beeps to Output"), 66, EntityKind::Area, kOutputTexts),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Area Delinquency Delay"), CORE_TR_NOOP("ParameterMap", "Area Delinquency Delay"), 67, EntityKind::Area, Range(0, 99)),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Area") "|" CORE_TR_NOOP("ParameterMap", "Automatic Arm/Disarm Time Zone"), CORE_TR_NOOP("ParameterMap", "Automatic Arm/Disarm Time Zone"), 68, EntityKind::Area, kTimeZoneTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Area Assignment"), CORE_TR_NOOP("ParameterMap", "Zone Area Assignment"), 121, EntityKind::Zone, kAreaTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Alarm Type Options") "|" CORE_TR_NOOP("ParameterMap", "Zone Options A"), CORE_TR_NOOP("ParameterMap", "Zone Options A"), 122, EntityKind::Zone, kBitsP122),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Alarm Type Options") "|" CORE_TR_NOOP("ParameterMap", "Zone Options B"), CORE_TR_NOOP("ParameterMap", "Zone Options B"), 123, EntityKind::Zone, kBitsP123),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Alarm Type Options") "|" CORE_TR_NOOP("ParameterMap", "Zone Options C"), CORE_TR_NOOP("ParameterMap", "Zone Options C"), 124, EntityKind::Zone, kBitsP124),
    ListRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone EOL (End-Of-Line) Options"), CORE_TR_NOOP("ParameterMap", "Zone EOL (End-Of-Line) Options"), 125, ZonesUpTo(8), kEol),
    ListRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Response Time"), CORE_TR_NOOP("ParameterMap", "Zone Response time"), 126, ZonesUpTo(8), kResponseTimes),
    ListRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Radio Zone Detector Type"), CORE_TR_NOOP("ParameterMap", "Radio Zone Detector Type"), 127, ZonesUpTo(16), kDetectorTypes),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Beeps to keypad") "|" CORE_TR_NOOP("ParameterMap", "Armed Zone Alarm Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Armed Zone Alarm Beeps to Keypad"), 134, EntityKind::Zone, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Beeps to keypad") "|" CORE_TR_NOOP("ParameterMap", "Stay Mode Zone Alarm Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Stay Mode Zone Alarm Beeps to Keypad"), 135, EntityKind::Zone, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Beeps to keypad") "|" CORE_TR_NOOP("ParameterMap", "24 Hour Zone Alarm Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "24 Hour Zone Alarm Beeps to Keypad"), 136, EntityKind::Zone, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Beeps to keypad") "|" CORE_TR_NOOP("ParameterMap", "Chime Zone Alarm Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Chime Zone Alarm Beeps to Keypad"), 137, EntityKind::Zone, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Beeps to keypad") "|" CORE_TR_NOOP("ParameterMap", "Zone Tamper Alarm Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Zone Tamper Alarm Beeps to Keypad"), 139, EntityKind::Zone, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Beeps to keypad") "|" CORE_TR_NOOP("ParameterMap", "Radio Supervise Fail Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Radio Supervise Fail Beeps to Keypad"), 140, EntityKind::Zone, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Beeps to keypad") "|" CORE_TR_NOOP("ParameterMap", "Zone Inactivity Alarm Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Zone Inactivity Alarm Beeps to Keypad"), 141, EntityKind::Zone, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Beeps to keypad") "|" CORE_TR_NOOP("ParameterMap", "Armed Zone Entry Delay Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Armed Zone Entry Delay Beeps to Keypad"), 142, EntityKind::Zone, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Beeps to keypad") "|" CORE_TR_NOOP("ParameterMap", "Stay Mode Entry Delay Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Stay Mode Entry Delay Beeps to Keypad"), 143, EntityKind::Zone, kKeypadTexts),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Armed Zone Entry Delay Time"), CORE_TR_NOOP("ParameterMap", "Armed Zone Entry Delay Time"), 144, EntityKind::Zone, Range(0, 9999)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Stay Mode Zone Entry Delay Time"), CORE_TR_NOOP("ParameterMap", "Stay Mode Zone Entry Delay Time"), 145, EntityKind::Zone, Range(0, 9999)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone Re-Trigger Time"), CORE_TR_NOOP("ParameterMap", "Stay Mode Zone Entry Delay Time"), 146, EntityKind::Zone, Range(0, 15)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone CID Report Codes") "|" CORE_TR_NOOP("ParameterMap", "Zone Alarm Contact ID Report Code"), CORE_TR_NOOP("ParameterMap", "Zone Alarm Contact ID Report Code"), 157, EntityKind::Zone, Range(100, 700)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone CID Report Codes") "|" CORE_TR_NOOP("ParameterMap", "Zone Near Alarm Contact ID Report Code"), CORE_TR_NOOP("ParameterMap", "Zone Near Alarm Contact ID Report Code"), 158, EntityKind::Zone, Range(100, 700)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone CID Report Codes") "|" CORE_TR_NOOP("ParameterMap", "Zone Confirmed Alarm Contact ID Report Code"), CORE_TR_NOOP("ParameterMap", "Zone Confirmed Alarm Contact ID Report Code"), 159, EntityKind::Zone, Range(100, 700)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Zone CID Report Codes") "|" CORE_TR_NOOP("ParameterMap", "Zone Alarm Voice Message Number"), CORE_TR_NOOP("ParameterMap", "Zone Alarm Voice Message Number"), 160, EntityKind::Zone, Range(0, 99)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Zone-Main") "|" CORE_TR_NOOP("ParameterMap", "Sensor-Watch Timer"), CORE_TR_NOOP("ParameterMap", "Zone Watch Dog Timer"), 163, EntityKind::Zone, Range(0, 9999)),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Outputs") "|" CORE_TR_NOOP("ParameterMap", "Armed Zone Alarms to Output"), CORE_TR_NOOP("ParameterMap", "Armed Zone Alarms to Output"), 128, EntityKind::Zone, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Outputs") "|" CORE_TR_NOOP("ParameterMap", "Stay Mode Zone Alarms to Output"), CORE_TR_NOOP("ParameterMap", "Stay Mode Zone Alarms to Output"), 129, EntityKind::Zone, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Outputs") "|" CORE_TR_NOOP("ParameterMap", "24 Hour Zone Alarms to Output"), CORE_TR_NOOP("ParameterMap", "24 Hour Zone Alarms to Output"), 130, EntityKind::Zone, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Outputs") "|" CORE_TR_NOOP("ParameterMap", "Chime Zone Alarms to Output"), CORE_TR_NOOP("ParameterMap", "Chime Zone Alarms to Output"), 131, EntityKind::Zone, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Outputs") "|" CORE_TR_NOOP("ParameterMap", "Zone Tamper Alarms to Output"), CORE_TR_NOOP("ParameterMap", "Zone Tamper Alarms to Output"), 132, EntityKind::Zone, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Outputs") "|" CORE_TR_NOOP("ParameterMap", "Armed Entry Delay to Output"), CORE_TR_NOOP("ParameterMap", "Armed Entry Delay to Output"), 161, EntityKind::Zone, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Outputs") "|" CORE_TR_NOOP("ParameterMap", "Stay Mode Entry Delay to Output"), CORE_TR_NOOP("ParameterMap", "Stay Mode Entry Delay to Output"), 162, EntityKind::Zone, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Outputs") "|" CORE_TR_NOOP("ParameterMap", "Zone Near Alarm to Output"), CORE_TR_NOOP("ParameterMap", "ZZone Near Alarm to Output"), 167, EntityKind::Zone, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Zone-Outputs") "|" CORE_TR_NOOP("ParameterMap", "Zone Confirmed alarm to Output"), CORE_TR_NOOP("ParameterMap", "Zone Confirmed alarm to Output"), 168, EntityKind::Zone, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad Area Assignment"), CORE_TR_NOOP("ParameterMap", "Keypad Area Assignment"), 71, EntityKind::Keypad, kAreaTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad Button Operations"), CORE_TR_NOOP("ParameterMap", "Keypad Button Operations"), 72, EntityKind::Keypad, kBitsP72),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad System Beeps/ Led Options"), CORE_TR_NOOP("ParameterMap", "Keypad System Beeps & Led Options"), 73, EntityKind::Keypad, kBitsP73),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad <Arm> Button Area Assignment"), CORE_TR_NOOP("ParameterMap", "Keypad <Arm> Button Area Assignment"), 74, EntityKind::Keypad, kAreaTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad <Arm> Button Area Options"), CORE_TR_NOOP("ParameterMap", "Keypad <Arm> Button Area Options"), 75, EntityKind::Keypad, kBitsP75),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad <Stay> Button Area Assignment"), CORE_TR_NOOP("ParameterMap", "Keypad <Stay> Button Area Assignment"), 76, EntityKind::Keypad, kAreaTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad <Stay> Button Area Options"), CORE_TR_NOOP("ParameterMap", "Keypad <Stay> Button Area Options"), 77, EntityKind::Keypad, kBitsP77),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad <A> Button Area Assignment"), CORE_TR_NOOP("ParameterMap", "Keypad <A> Button Area Assignment"), 78, EntityKind::Keypad, kAreaTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad <A> Button Area Options"), CORE_TR_NOOP("ParameterMap", "Keypad <A> Button Area Options"), 79, EntityKind::Keypad, kBitsP79),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad <B> Button Area Assignmen"), CORE_TR_NOOP("ParameterMap", "Keypad <B> Button Area Assignment"), 80, EntityKind::Keypad, kAreaTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad <B> Button Area Options"), CORE_TR_NOOP("ParameterMap", "Keypad <B> Button Area Options"), 81, EntityKind::Keypad, kBitsP81),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad to Output Mask"), CORE_TR_NOOP("ParameterMap", "Keypad to Output Mask"), 82, EntityKind::Keypad, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "<Control>  Button to Output Mask"), CORE_TR_NOOP("ParameterMap", "<Control> Button to Output Mask"), 83, EntityKind::Keypad, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad  to Outputs and KP Buzzer") "|" CORE_TR_NOOP("ParameterMap", "Keypad Panic Alarm to Output"), CORE_TR_NOOP("ParameterMap", "Keypad Panic Alarm to Output"), 84, EntityKind::Keypad, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad  to Outputs and KP Buzzer") "|" CORE_TR_NOOP("ParameterMap", "Keypad Fire Alarm to Output"), CORE_TR_NOOP("ParameterMap", "Keypad Fire Alarm to Output"), 85, EntityKind::Keypad, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad  to Outputs and KP Buzzer") "|" CORE_TR_NOOP("ParameterMap", "Keypad Medical Alarm to Output"), CORE_TR_NOOP("ParameterMap", "Keypad Medical Alarm to Output"), 86, EntityKind::Keypad, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad  to Outputs and KP Buzzer") "|" CORE_TR_NOOP("ParameterMap", "Keypad Duress Alarm to Output"), CORE_TR_NOOP("ParameterMap", "Keypad Duress Alarm to Output"), 87, EntityKind::Keypad, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad  to Outputs and KP Buzzer") "|" CORE_TR_NOOP("ParameterMap", "Keypad Tamper Switch Alarm to Output"), CORE_TR_NOOP("ParameterMap", "Keypad Tamper Switch Alarm to Output"), 88, EntityKind::Keypad, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad  to Outputs and KP Buzzer") "|" CORE_TR_NOOP("ParameterMap", "Keypad Wrong Code Alarm to Out"), CORE_TR_NOOP("ParameterMap", "Keypad Wrong Code Alarm to Output"), 89, EntityKind::Keypad, kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad  to Outputs and KP Buzzer") "|" CORE_TR_NOOP("ParameterMap", "Manual Panic Alarm Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Manual Panic Alarm Beeps to Keypad"), 90, EntityKind::Keypad, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad  to Outputs and KP Buzzer") "|" CORE_TR_NOOP("ParameterMap", "Manual Fire Alarm Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Manual Fire Alarm Beeps to Keypad"), 91, EntityKind::Keypad, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad  to Outputs and KP Buzzer") "|" CORE_TR_NOOP("ParameterMap", "Manual Medical Alarm Beeps to Keypad"), CORE_TR_NOOP("ParameterMap", "Manual Medical Alarm Beeps to Keypad"), 92, EntityKind::Keypad, kKeypadTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad  to Outputs and KP Buzzer") "|" CORE_TR_NOOP("ParameterMap", "Wrong Code or Keypad Tamper Beeps To Keypad"), CORE_TR_NOOP("ParameterMap", "Wrong Code or Keypad Tamper Beeps To Keypad"), 93, EntityKind::Keypad, kKeypadTexts),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Keypad Chime Timer"), CORE_TR_NOOP("ParameterMap", "Keypad Chime Timer"), 94, EntityKind::Keypad, Range(0, 255)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Keypads") "|" CORE_TR_NOOP("ParameterMap", "Proximity Reader Led To Output Mapping"), CORE_TR_NOOP("ParameterMap", "Proximity Reader Led To Output Mapping"), 98, EntityKind::Keypad, Range(0, 8)),
    SpecialRow(CORE_TR_NOOP("ParameterMap", "Output") "|" CORE_TR_NOOP("ParameterMap", "Options"), EditorKind::OutputOptions),
    SpecialRow(CORE_TR_NOOP("ParameterMap", "Output") "|" CORE_TR_NOOP("ParameterMap", "Times"), EditorKind::OutputTimes),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Output") "|" CORE_TR_NOOP("ParameterMap", "Command Control"), CORE_TR_NOOP("ParameterMap", "Message Number for Outputs Command Control"), 42, EntityKind::Output, Range(0, 99)),
    SpecialRow(CORE_TR_NOOP("ParameterMap", "Keyswitch"), EditorKind::Keyswitches),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Installer Code"), CORE_TR_NOOP("ParameterMap", "Installer code"), 25, Fixed(1), Digits(999999u)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Duress Digit"), CORE_TR_NOOP("ParameterMap", "Duress Digit"), 25, Fixed(2), Range(0, 9)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Dial Reporting Delay"), CORE_TR_NOOP("ParameterMap", "Dial Reporting Delay"), 25, Fixed(3), Range(0, 255)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Radio Zone Supervised Timer"), CORE_TR_NOOP("ParameterMap", "Radio Zone Supervised Timer"), 25, Fixed(4), Range(0, 9999)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Two Trigger Timer"), CORE_TR_NOOP("ParameterMap", "Two Trigger Timer"), 25, Fixed(5), Range(0, 255)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Mains Fail Reporting Delay"), CORE_TR_NOOP("ParameterMap", "Mains Fail Reporting Delay"), 25, Fixed(6), Range(0, 9999)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Receiver Fail Delay/Timer"), CORE_TR_NOOP("ParameterMap", "Receiver Fail Delay/Timer"), 25, Fixed(7), Range(0, 9999)),
    ValueRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Security Code"), CORE_TR_NOOP("ParameterMap", "Security Code"), 25, Fixed(8), HexDigits(4294967295u)),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Temporary Output Disable"), CORE_TR_NOOP("ParameterMap", "Temporary Output Disable"), 25, Fixed(9), kOutputTexts),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Panel Options"), CORE_TR_NOOP("ParameterMap", "Miscellaneous Panel Options"), 25, Fixed(10), kBitsP25_10),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous Installer Options "), CORE_TR_NOOP("ParameterMap", "Miscellaneous Installer Options"), 25, Fixed(11), kBitsP25_11),
    OptionsRow(CORE_TR_NOOP("ParameterMap", "Miscellaneous") "|" CORE_TR_NOOP("ParameterMap", "Miscellaneous User Options"), CORE_TR_NOOP("ParameterMap", "Miscellaneous User Options"), 25, Fixed(0), kBitsP25_0),
    SpecialRow(CORE_TR_NOOP("ParameterMap", "Diagnostics"), EditorKind::Diagnostics),
    SpecialRow(CORE_TR_NOOP("ParameterMap", "Exit from Install"), EditorKind::ExitFromInstall),
};

}  // namespace

const LabelTable kOutputTexts{{
    CORE_TR_NOOP("ParameterMap", "Output 1"),
    CORE_TR_NOOP("ParameterMap", "Output 2"),
    CORE_TR_NOOP("ParameterMap", "Output 3"),
    CORE_TR_NOOP("ParameterMap", "Output 4"),
    CORE_TR_NOOP("ParameterMap", "Output 5"),
    CORE_TR_NOOP("ParameterMap", "Output 6"),
    CORE_TR_NOOP("ParameterMap", "Output 7"),
    CORE_TR_NOOP("ParameterMap", "Output 8"),
}};
const LabelTable kKeypadTexts{{
    CORE_TR_NOOP("ParameterMap", "Keypads 1"),
    CORE_TR_NOOP("ParameterMap", "Keypads 2"),
    CORE_TR_NOOP("ParameterMap", "Keypads 3"),
    CORE_TR_NOOP("ParameterMap", "Keypads 4"),
    CORE_TR_NOOP("ParameterMap", "Keypads 5"),
    CORE_TR_NOOP("ParameterMap", "Keypads 6"),
    CORE_TR_NOOP("ParameterMap", "Keypads 7"),
    CORE_TR_NOOP("ParameterMap", "Keypads 8"),
}};
const LabelTable kTimeZoneTexts{{
    CORE_TR_NOOP("ParameterMap", "Time Zone 1"),
    CORE_TR_NOOP("ParameterMap", "Time Zone 2"),
    CORE_TR_NOOP("ParameterMap", "Time Zone 3"),
    CORE_TR_NOOP("ParameterMap", "Time Zone 4"),
    CORE_TR_NOOP("ParameterMap", "Time Zone 5"),
    CORE_TR_NOOP("ParameterMap", "Time Zone 6"),
    CORE_TR_NOOP("ParameterMap", "Time Zone 7"),
    CORE_TR_NOOP("ParameterMap", "Time Zone 8"),
}};
const LabelTable kAreaTexts{{
    CORE_TR_NOOP("ParameterMap", "Area A"),
    CORE_TR_NOOP("ParameterMap", "Area B"),
    "",
    "",
    "",
    "",
    "",
    "",
}};

const LabelTable kAreaLetters{{CORE_TR_NOOP("ParameterMap", "A"), CORE_TR_NOOP("ParameterMap", "B"), "", "", "", "", "", ""}};

const LabelTable kUserAccessTexts{{
    CORE_TR_NOOP("ParameterMap", "Arm Area"),
    CORE_TR_NOOP("ParameterMap", "Arm Stay Area"),
    CORE_TR_NOOP("ParameterMap", "Disarm Area"),
    CORE_TR_NOOP("ParameterMap", "Disarm Stay Area"),
    CORE_TR_NOOP("ParameterMap", "Security Guard User"),
    CORE_TR_NOOP("ParameterMap", "Arm Latchkey Mode"),
    CORE_TR_NOOP("ParameterMap", "Call Divert Mode "),
    CORE_TR_NOOP("ParameterMap", "View Event Memory"),
}};
const LabelTable kUserPrivilegeTexts{{
    CORE_TR_NOOP("ParameterMap", "Change Their Code"),
    CORE_TR_NOOP("ParameterMap", "Change All Codes"),
    CORE_TR_NOOP("ParameterMap", "Allow Installer Mode"),
    CORE_TR_NOOP("ParameterMap", "Change Telephone Numbers"),
    CORE_TR_NOOP("ParameterMap", "Change Clock Settings"),
    CORE_TR_NOOP("ParameterMap", "Change DTMF Codes"),
    CORE_TR_NOOP("ParameterMap", "Learn New Radio Devices"),
    CORE_TR_NOOP("ParameterMap", "Force Callback"),
}};
const LabelTable kOutputOptionsATexts{{
    CORE_TR_NOOP("ParameterMap", "Invert Output"),
    CORE_TR_NOOP("ParameterMap", "Flash Output"),
    CORE_TR_NOOP("ParameterMap", "Single Pulse to Output"),
    CORE_TR_NOOP("ParameterMap", "Lockout Output"),
    CORE_TR_NOOP("ParameterMap", "DTMF Remote Control of Output"),
    CORE_TR_NOOP("ParameterMap", "Keypad User can Operate Output"),
    CORE_TR_NOOP("ParameterMap", "<CONTROL> button can Operate Output"),
    CORE_TR_NOOP("ParameterMap", "Pulsed Chime Alarm (linked to pulse timer)"),
}};
const LabelTable kOutputOptionsBTexts{{
    CORE_TR_NOOP("ParameterMap", "Mains Fail to Output"),
    CORE_TR_NOOP("ParameterMap", "Fuse Failure to Output"),
    CORE_TR_NOOP("ParameterMap", "Battery Low to Output"),
    CORE_TR_NOOP("ParameterMap", "Telephone Line Failure to Output"),
    CORE_TR_NOOP("ParameterMap", "Supervisory Radio Failure to Output"),
    CORE_TR_NOOP("ParameterMap", "Sensor-Watch Alarm to Output"),
    CORE_TR_NOOP("ParameterMap", "System Tamper to Output"),
    CORE_TR_NOOP("ParameterMap", "Receiver Fail to Output"),
}};
const LabelTable kOutputOptionsCTexts{{
    CORE_TR_NOOP("ParameterMap", "Walk-test Pulse to Output"),
    CORE_TR_NOOP("ParameterMap", "Pulse Output every 5 seconds when Disarmed"),
    CORE_TR_NOOP("ParameterMap", "Pulse Output on Kiss-off Following Arming"),
    CORE_TR_NOOP("ParameterMap", "Pulse Output on Kiss-off Following a Zone Alarm"),
    CORE_TR_NOOP("ParameterMap", "Output Disable when P25E3E timer is running"),
    "",
    "",
    "",
}};
const LabelTable kOutputOptionsDTexts{{
    CORE_TR_NOOP("ParameterMap", "Siren Driver to Output (applies to O/P 1&2 only, requires an 8Ω speaker)"),
    CORE_TR_NOOP("ParameterMap", "Output Reset Time is in Minutes"),
    CORE_TR_NOOP("ParameterMap", "Output “Silenced” for 10 seconds on key-press"),
    CORE_TR_NOOP("ParameterMap", "Turn Output OFF during Two Way Voice Mode"),
    "",
    "",
    "",
    CORE_TR_NOOP("ParameterMap", "Output Monitored (applies to O/P 1&2 only)"),
}};
const LabelTable kKeyswitchOptionTexts{{
    CORE_TR_NOOP("ParameterMap", "Key-Switch can Arm"),
    CORE_TR_NOOP("ParameterMap", "Key-Switch can Arm Stay Mode"),
    CORE_TR_NOOP("ParameterMap", "Key-Switch can Disarm"),
    CORE_TR_NOOP("ParameterMap", "Key-Switch can Disarm Stay Mode"),
    CORE_TR_NOOP("ParameterMap", "Key-Switch has Security Guard Options"),
    CORE_TR_NOOP("ParameterMap", "Key-Switch will Arm Latchkey Mode"),
    CORE_TR_NOOP("ParameterMap", "Key-Switch is NO (Normally Open)"),
    CORE_TR_NOOP("ParameterMap", "Key-Switch is Momentary"),
}};
const LabelTable kTimeZoneDayTexts{{
    CORE_TR_NOOP("ParameterMap", "Sunday"),
    CORE_TR_NOOP("ParameterMap", "Monday"),
    CORE_TR_NOOP("ParameterMap", "Tuesday"),
    CORE_TR_NOOP("ParameterMap", "Wednesday"),
    CORE_TR_NOOP("ParameterMap", "Thursday"),
    CORE_TR_NOOP("ParameterMap", "Friday"),
    CORE_TR_NOOP("ParameterMap", "Saturday"),
    CORE_TR_NOOP("ParameterMap", "Invert"),
}};
const LabelTable kPhoneOptionTexts{{
    CORE_TR_NOOP("ParameterMap", "Stop Dialling if Kissed Off"),
    CORE_TR_NOOP("ParameterMap", "Monitor Call Progress"),
    CORE_TR_NOOP("ParameterMap", "Blind Dial"),
    CORE_TR_NOOP("ParameterMap", "Use Group Numbers for Contact ID Reporting"),
    CORE_TR_NOOP("ParameterMap", "Stay On-line after Alarm report for two way voice"),
    CORE_TR_NOOP("ParameterMap", "Auto Kiss-off for Voice/Domestic Reporting"),
    CORE_TR_NOOP("ParameterMap", "Use the Dial Pre-fix Number"),
    CORE_TR_NOOP("ParameterMap", "Used as the Call-back Number"),
}};
const LabelTable kPhoneReportingATexts{{
    CORE_TR_NOOP("ParameterMap", "Report Mains Fail"),
    CORE_TR_NOOP("ParameterMap", "Report Battery Low"),
    CORE_TR_NOOP("ParameterMap", "Report Radio Battery Low"),
    CORE_TR_NOOP("ParameterMap", "Report Line Fail"),
    CORE_TR_NOOP("ParameterMap", "Report System Tamper"),
    CORE_TR_NOOP("ParameterMap", "Report Keypad Tamper"),
    CORE_TR_NOOP("ParameterMap", "Report Zone Tamper"),
    CORE_TR_NOOP("ParameterMap", "Report Radio Zone Tamper"),
}};
const LabelTable kPhoneReportingBTexts{{
    CORE_TR_NOOP("ParameterMap", "Report Duress"),
    CORE_TR_NOOP("ParameterMap", "Report Supervised Radio Alarm"),
    CORE_TR_NOOP("ParameterMap", "Report Zone Inactivity Alarm"),
    CORE_TR_NOOP("ParameterMap", "Report Manual Panic Alarm"),
    CORE_TR_NOOP("ParameterMap", "Report Manual Fire Alarm"),
    CORE_TR_NOOP("ParameterMap", "Report Manual Medical Alarm"),
    CORE_TR_NOOP("ParameterMap", "Report Radio Pendant Panic Alarm"),
    CORE_TR_NOOP("ParameterMap", "Report Zone Bypasses"),
}};
const LabelTable kPhoneReportingCTexts{{
    CORE_TR_NOOP("ParameterMap", "Report Arm/Disarm"),
    CORE_TR_NOOP("ParameterMap", "Report Stay Mode Arm/Disarm"),
    CORE_TR_NOOP("ParameterMap", "Report Disarm only after an Alarm"),
    CORE_TR_NOOP("ParameterMap", "Report Stay Mode Disarm only after an Alarm"),
    CORE_TR_NOOP("ParameterMap", "Report Stay Mode Zone Alarms"),
    CORE_TR_NOOP("ParameterMap", "Report Access to Program Mode"),
    CORE_TR_NOOP("ParameterMap", "Report 24 Hour Alarms for Domestic/Voice Formats"),
    CORE_TR_NOOP("ParameterMap", "Report Zone Restores"),
}};
const LabelTable kPhoneReportingDTexts{{
    CORE_TR_NOOP("ParameterMap", "Report Latchkey Disarm"),
    CORE_TR_NOOP("ParameterMap", "Report Delinquency Alarm"),
    CORE_TR_NOOP("ParameterMap", "Report Test Calls"),
    CORE_TR_NOOP("ParameterMap", "Report Fuse Failure"),
    CORE_TR_NOOP("ParameterMap", "Report Output 1 or 2 Fail"),
    CORE_TR_NOOP("ParameterMap", "Report RTC (Real Time Clock) Time changed"),
    CORE_TR_NOOP("ParameterMap", "Report Keypad Buss Trouble"),
    CORE_TR_NOOP("ParameterMap", "Report RF Interference (Jamming) Detected"),
}};

const ChoiceList kEolChoices{kEol};
const ChoiceList kResponseTimeChoices{kResponseTimes};
const ChoiceList kDetectorTypeChoices{kDetectorTypes};
const ChoiceList kSiaCodeChoices{kSiaCodes};
const ChoiceList kUserTypeChoices{kUserTypes};
const ChoiceList kCodeUserTypeChoices{kCodeUserTypes};
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
