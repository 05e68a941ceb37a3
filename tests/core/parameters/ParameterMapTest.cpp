// The program-mode menu against a fixed answer: every item's path, title,
// parameter, entity and editor, and the eight texts of every bit table,
// typed here rather than taken from the map, so a wrong P in a row or two
// swapped option texts fail.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "core/parameters/ParameterMap.h"

namespace {

using params::EditorKind;
using params::EntityKind;

struct Item {
  const char* path;    // levels joined by '|'
  const char* title;   // "=": the item's own text; "": none (a special editor)
  int parameter;       // 0 for a special editor
  const char* entity;  // "zone", "fixed 3", "zones 1..8", ...
  const char* data;    // "bits: <table>", "range a..b", "n digits, hex hint", "list: <list>", or the special editor
};

// Every item in menu order.
const Item kItems[] = {
    {"User", "", 0, "", "users"},
    {"Radio User|Radio Pendant Alarm to an Output", "Radio Pendant Panic Alarm to Output", 15, "radio user", "bits: output"},
    {"Radio User|Radio Pendant Panic Beeps to Keypad", "=", 11, "radio user", "bits: output"},
    {"Radio User|Radio Users Privileges", "Radio User Privelege", 8, "radio user", "bits: P8"},
    {"Clock Setting|Time zone", "", 0, "", "time zones"},
    {"Clock Setting|Set clock", "", 0, "", "clock"},
    {"Clock Setting|Holydays", "", 0, "", "holidays"},
    {"Phone Number", "", 0, "", "phone numbers"},
    {"Dialler|Dialler Options|Options A", "Dialler Options A", 175, "fixed 1", "bits: P175/1"},
    {"Dialler|Dialler Options|Options B", "Dialler Options B", 175, "fixed 2", "bits: P175/2"},
    {"Dialler|Auto Answer Ring count", "=", 175, "fixed 3", "range 0..99"},
    {"Dialler|Test Call options|Time to the first dialler test call", "TIME to the FIRST DIALLER TEST CALL", 175, "fixed 4", "range 0..2359"},
    {"Dialler|Test Call options|Test Call Time Period", "=", 175, "fixed 5", "range 0..255"},
    {"Dialler|Keypad Options|Keypad Listen-In Options", "=", 175, "fixed 6", "bits: P175/6"},
    {"Dialler|Keypad Options|Output # 1 Listen-In Options", "=", 175, "fixed 7", "bits: P175/7"},
    {"Dialler|Dialling Pre-Fix Number", "=", 175, "fixed 8", "16 decimal digits"},
    {"Dialler|SIA Report Code|\"PANIC\" Alarm SIA code", "Panic Alarm SIA Reporting codes", 197, "fixed 1", "list: SIA code"},
    {"Dialler|SIA Report Code|\"FIRE\" Alarm SIA code", "Fire Alarm SIA Reporting codes", 197, "fixed 2", "list: SIA code"},
    {"Dialler|SIA Report Code|\"MEDICAL\" Alarm SIA code", "Medical Alarm SIA Reporting codes", 197, "fixed 3", "list: SIA code"},
    {"Dialler|SIA Report Code|Zone Alarm SIA code ", "Zone Alarm SIA Reporting codes", 196, "zones 1..16", "list: SIA code"},
    {"Dialler|CID Report Code|\"PANIC\" alarm CID code", "“PANIC” ALARM CONTACT ID REPORT CODE", 175, "fixed 9", "range 0..700"},
    {"Dialler|CID Report Code|\"FIRE\" alarm CID code", "“FIRE” ALARM CONTACT ID REPORT CODE", 175, "fixed 10", "range 0..700"},
    {"Dialler|CID Report Code|\"MEDICAL\" alarm CID code", "“MEDICAL” ALARM CONTACT ID REPORT CODE", 175, "fixed 11", "range 0..700"},
    {"Dialler|DTMF Remote Codes|Output DTMF control code", "OUTPUT DTMF CONTROL CODE NUMBER", 175, "fixed 12", "range 0..9999"},
    {"Dialler|DTMF Remote Codes|Microphone ON/OFF DTMF code", "MICROPHONE ON/OFF DTMF CODE NUMBER", 175, "fixed 13", "range 0..9999"},
    {"Dialler|DTMF Remote Codes|Dialler acknowledge DTMF code", "DIALLER ACKNOWLEDGE DTMF CODE NUMBER", 175, "fixed 14", "range 0..9999"},
    {"Dialler|DTMF Remote Codes|Force test DTMF code", "FORCE TEST CALL DTMF CODE NUMBER", 175, "fixed 15", "range 0..9999"},
    {"Dialler|Miscellaneous Voice Reporting Message|KEYPAD or RADIO PANIC ALARM VOICE MESSAGE NUMBER", "=", 176, "fixed 1", "range 0..99"},
    {"Dialler|Miscellaneous Voice Reporting Message|FIRE ALARM VOICE MESSAGE NUMBER", "=", 176, "fixed 2", "range 0..99"},
    {"Dialler|Miscellaneous Voice Reporting Message|MEDICAL ALARM VOICE MESSAGE NUMBER", "=", 176, "fixed 3", "range 0..99"},
    {"Dialler|Miscellaneous Voice Reporting Message|AC FAIL ALARM VOICE MESSAGE NUMBER", "=", 176, "fixed 4", "range 0..99"},
    {"Dialler|Miscellaneous Voice Reporting Message|AC RESTORE VOICE MESSAGE NUMBER", "=", 176, "fixed 5", "range 0..99"},
    {"Dialler|Miscellaneous Voice Reporting Message|BATTERY LOW ALARM VOICE MESSAGE NUMBER", "=", 176, "fixed 6", "range 0..99"},
    {"Dialler|Miscellaneous Voice Reporting Message|BATTERY RESTORE VOICE MESSAGE NUMBER", "=", 176, "fixed 7", "range 0..99"},
    {"Dialler|Miscellaneous Voice Reporting Message|TAMPER ALARMS VOICE MESSAGE NUMBER", "=", 176, "fixed 8", "range 0..99"},
    {"Dialler|Miscellaneous Voice Reporting Message|DURESS ALARM VOICE MESSAGE NUMBER", "=", 176, "fixed 9", "range 0..99"},
    {"Dialler|Miscellaneous Voice Reporting Message|LATCHKEY DISARM VOICE MESSAGE NUMBER", "=", 176, "fixed 10", "range 0..99"},
    {"Dialler|Miscellaneous Voice Reporting Message|MANUAL TEST CALL INITIATED VOICE MESSAGE NUMBER", "=", 176, "fixed 11", "range 0..99"},
    {"Area|Area Optioin A", "Area Options “A”", 45, "area", "bits: P45"},
    {"Area|Area Option B", "Area Options “B”", 46, "area", "bits: P46"},
    {"Area|Area Arm Indication to Output", "=", 47, "area", "bits: output"},
    {"Area|Area Stay Arm Indication to Output", "=", 48, "area", "bits: output"},
    {"Area|Area Disarm Indication to Output", "=", 49, "area", "bits: output"},
    {"Area|Pendant Arm Chirp to Output", "=", 50, "area", "bits: output"},
    {"Area|Pendant Stay Mode Arm Chirp to Output", "=", 51, "area", "bits: output"},
    {"Area|Pendant Disarm Chirp to Output", "=", 52, "area", "bits: output"},
    {"Area|Pendant Stay Mode Disarm Chirp to Output", "=", 53, "area", "bits: output"},
    {"Area|Arm Pulse to Output", "=", 54, "area", "bits: output"},
    {"Area|Stay Mode Arm Pulse to Output", "=", 55, "area", "bits: output"},
    {"Area|Disarm Pulse to Output", "=", 56, "area", "bits: output"},
    {"Area|Stay Mode Disarm Pulse to Output", "=", 57, "area", "bits: output"},
    {"Area|Armed Exit Delay Beeps to Keypad", "=", 58, "area", "bits: keypad"},
    {"Area|Stay Mode Exit Delay Beeps to Keypad", "=", 59, "area", "bits: keypad"},
    {"Area|Armed Exit Delay Time", "=", 60, "area", "range 0..255"},
    {"Area|Stay Mode Exit Delay Time", "=", 61, "area", "range 0..255"},
    {"Area|Monitoring Account Code Number", "=", 62, "area", "4 digits, hex hint"},
    {"Area|DTMF Remote Control Code Number", "=", 63, "area", "range 0..9999"},
    {"Area|Start of “DTMF Arm/Disarm” Status Messages", "=", 64, "area", "range 0..99"},
    {"Area|Armed Exit Beeps to Output", "=", 65, "area", "bits: output"},
    {"Area|Stay Mode Arm Exit Beeps to Output", "=", 66, "area", "bits: output"},
    {"Area|Area Delinquency Delay", "=", 67, "area", "range 0..99"},
    {"Area|Automatic Arm/Disarm Time Zone", "=", 68, "area", "bits: time-zone"},
    {"Zone-Main|Zone Area Assignment", "=", 121, "zone", "bits: area"},
    {"Zone-Main|Zone Alarm Type Options|Zone Options A", "=", 122, "zone", "bits: P122"},
    {"Zone-Main|Zone Alarm Type Options|Zone Options B", "=", 123, "zone", "bits: P123"},
    {"Zone-Main|Zone Alarm Type Options|Zone Options C", "=", 124, "zone", "bits: P124"},
    {"Zone-Main|Zone EOL (End-Of-Line) Options", "=", 125, "zones 1..8", "list: EOL"},
    {"Zone-Main|Zone Response Time", "Zone Response time", 126, "zones 1..8", "list: response time"},
    {"Zone-Main|Radio Zone Detector Type", "=", 127, "zones 1..16", "list: detector type"},
    {"Zone-Main|Zone Beeps to keypad|Armed Zone Alarm Beeps to Keypad", "=", 134, "zone", "bits: keypad"},
    {"Zone-Main|Zone Beeps to keypad|Stay Mode Zone Alarm Beeps to Keypad", "=", 135, "zone", "bits: keypad"},
    {"Zone-Main|Zone Beeps to keypad|24 Hour Zone Alarm Beeps to Keypad", "=", 136, "zone", "bits: keypad"},
    {"Zone-Main|Zone Beeps to keypad|Chime Zone Alarm Beeps to Keypad", "=", 137, "zone", "bits: keypad"},
    {"Zone-Main|Zone Beeps to keypad|Zone Tamper Alarm Beeps to Keypad", "=", 139, "zone", "bits: keypad"},
    {"Zone-Main|Zone Beeps to keypad|Radio Supervise Fail Beeps to Keypad", "=", 140, "zone", "bits: keypad"},
    {"Zone-Main|Zone Beeps to keypad|Zone Inactivity Alarm Beeps to Keypad", "=", 141, "zone", "bits: keypad"},
    {"Zone-Main|Zone Beeps to keypad|Armed Zone Entry Delay Beeps to Keypad", "=", 142, "zone", "bits: keypad"},
    {"Zone-Main|Zone Beeps to keypad|Stay Mode Entry Delay Beeps to Keypad", "=", 143, "zone", "bits: keypad"},
    {"Zone-Main|Armed Zone Entry Delay Time", "=", 144, "zone", "range 0..9999"},
    {"Zone-Main|Stay Mode Zone Entry Delay Time", "=", 145, "zone", "range 0..9999"},
    {"Zone-Main|Zone Re-Trigger Time", "Stay Mode Zone Entry Delay Time", 146, "zone", "range 0..15"},
    {"Zone-Main|Zone CID Report Codes|Zone Alarm Contact ID Report Code", "=", 157, "zone", "range 100..700"},
    {"Zone-Main|Zone CID Report Codes|Zone Near Alarm Contact ID Report Code", "=", 158, "zone", "range 100..700"},
    {"Zone-Main|Zone CID Report Codes|Zone Confirmed Alarm Contact ID Report Code", "=", 159, "zone", "range 100..700"},
    {"Zone-Main|Zone CID Report Codes|Zone Alarm Voice Message Number", "=", 160, "zone", "range 0..99"},
    {"Zone-Main|Sensor-Watch Timer", "Zone Watch Dog Timer", 163, "zone", "range 0..9999"},
    {"Zone-Outputs|Armed Zone Alarms to Output", "=", 128, "zone", "bits: output"},
    {"Zone-Outputs|Stay Mode Zone Alarms to Output", "=", 129, "zone", "bits: output"},
    {"Zone-Outputs|24 Hour Zone Alarms to Output", "=", 130, "zone", "bits: output"},
    {"Zone-Outputs|Chime Zone Alarms to Output", "=", 131, "zone", "bits: output"},
    {"Zone-Outputs|Zone Tamper Alarms to Output", "=", 132, "zone", "bits: output"},
    {"Zone-Outputs|Armed Entry Delay to Output", "=", 161, "zone", "bits: output"},
    {"Zone-Outputs|Stay Mode Entry Delay to Output", "=", 162, "zone", "bits: output"},
    {"Zone-Outputs|Zone Near Alarm to Output", "ZZone Near Alarm to Output", 167, "zone", "bits: output"},
    {"Zone-Outputs|Zone Confirmed alarm to Output", "=", 168, "zone", "bits: output"},
    {"Keypads|Keypad Area Assignment", "=", 71, "keypad", "bits: area"},
    {"Keypads|Keypad Button Operations", "=", 72, "keypad", "bits: P72"},
    {"Keypads|Keypad System Beeps/ Led Options", "Keypad System Beeps & Led Options", 73, "keypad", "bits: P73"},
    {"Keypads|Keypad <Arm> Button Area Assignment", "=", 74, "keypad", "bits: area"},
    {"Keypads|Keypad <Arm> Button Area Options", "=", 75, "keypad", "bits: P75"},
    {"Keypads|Keypad <Stay> Button Area Assignment", "=", 76, "keypad", "bits: area"},
    {"Keypads|Keypad <Stay> Button Area Options", "=", 77, "keypad", "bits: P77"},
    {"Keypads|Keypad <A> Button Area Assignment", "=", 78, "keypad", "bits: area"},
    {"Keypads|Keypad <A> Button Area Options", "=", 79, "keypad", "bits: P79"},
    {"Keypads|Keypad <B> Button Area Assignmen", "Keypad <B> Button Area Assignment", 80, "keypad", "bits: area"},
    {"Keypads|Keypad <B> Button Area Options", "=", 81, "keypad", "bits: P81"},
    {"Keypads|Keypad to Output Mask", "=", 82, "keypad", "bits: output"},
    {"Keypads|<Control>  Button to Output Mask", "<Control> Button to Output Mask", 83, "keypad", "bits: output"},
    {"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Panic Alarm to Output", "=", 84, "keypad", "bits: output"},
    {"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Fire Alarm to Output", "=", 85, "keypad", "bits: output"},
    {"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Medical Alarm to Output", "=", 86, "keypad", "bits: output"},
    {"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Duress Alarm to Output", "=", 87, "keypad", "bits: output"},
    {"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Tamper Switch Alarm to Output", "=", 88, "keypad", "bits: output"},
    {"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Wrong Code Alarm to Out", "Keypad Wrong Code Alarm to Output", 89, "keypad", "bits: output"},
    {"Keypads|Keypad  to Outputs and KP Buzzer|Manual Panic Alarm Beeps to Keypad", "=", 90, "keypad", "bits: keypad"},
    {"Keypads|Keypad  to Outputs and KP Buzzer|Manual Fire Alarm Beeps to Keypad", "=", 91, "keypad", "bits: keypad"},
    {"Keypads|Keypad  to Outputs and KP Buzzer|Manual Medical Alarm Beeps to Keypad", "=", 92, "keypad", "bits: keypad"},
    {"Keypads|Keypad  to Outputs and KP Buzzer|Wrong Code or Keypad Tamper Beeps To Keypad", "=", 93, "keypad", "bits: keypad"},
    {"Keypads|Keypad Chime Timer", "=", 94, "keypad", "range 0..255"},
    {"Keypads|Proximity Reader Led To Output Mapping", "=", 98, "keypad", "range 0..8"},
    {"Output|Options", "", 0, "", "output options"},
    {"Output|Times", "", 0, "", "output times"},
    {"Output|Command Control", "Message Number for Outputs Command Control", 42, "output", "range 0..99"},
    {"Keyswitch", "", 0, "", "keyswitches"},
    {"Miscellaneous|Installer Code", "Installer code", 25, "fixed 1", "6 digits, plain hint"},
    {"Miscellaneous|Duress Digit", "=", 25, "fixed 2", "range 0..9"},
    {"Miscellaneous|Dial Reporting Delay", "=", 25, "fixed 3", "range 0..255"},
    {"Miscellaneous|Radio Zone Supervised Timer", "=", 25, "fixed 4", "range 0..9999"},
    {"Miscellaneous|Two Trigger Timer", "=", 25, "fixed 5", "range 0..255"},
    {"Miscellaneous|Mains Fail Reporting Delay", "=", 25, "fixed 6", "range 0..9999"},
    {"Miscellaneous|Receiver Fail Delay/Timer", "=", 25, "fixed 7", "range 0..9999"},
    {"Miscellaneous|Security Code", "=", 25, "fixed 8", "8 digits, hex hint"},
    {"Miscellaneous|Temporary Output Disable", "=", 25, "fixed 9", "bits: output"},
    {"Miscellaneous|Miscellaneous Panel Options", "=", 25, "fixed 10", "bits: P25/10"},
    {"Miscellaneous|Miscellaneous Installer Options ", "Miscellaneous Installer Options", 25, "fixed 11", "bits: P25/11"},
    {"Miscellaneous|Miscellaneous User Options", "=", 25, "fixed 0", "bits: P25/0"},
    {"Diagnostics", "", 0, "", "diagnostics"},
    {"Exit from Install", "", 0, "", "exit from install"},
};

const std::map<std::string, std::array<const char*, 8>> kBitTables = {
    {"output", {"Output 1", "Output 2", "Output 3", "Output 4", "Output 5", "Output 6", "Output 7", "Output 8"}},
    {"keypad", {"Keypads 1", "Keypads 2", "Keypads 3", "Keypads 4", "Keypads 5", "Keypads 6", "Keypads 7", "Keypads 8"}},
    {"time-zone", {"Time Zone 1", "Time Zone 2", "Time Zone 3", "Time Zone 4", "Time Zone 5", "Time Zone 6", "Time Zone 7", "Time Zone 8"}},
    {"area", {"Area A", "Area B", "", "", "", "", "", ""}},
    {"P45",
     {"<ARM> button Required Before Code to Arm",
      "<STAY> button Required Before code to Arm Stay Mode",
      "<CODE> Required to Arm",
      "<CODE> Required to Bypass",
      "",
      "Report Arm Signal at the end of the Exit Delay",
      "Can Arm only if All Zones Sealed (Ready)",
      "Can Arm Stay Mode only if All Zones Sealed (Ready)"}},
    {"P46",
     {"Use Near and Verified Alarm reporting for All zones",
      "Area will Arm at the end of Time-Zone",
      "Area will Disarm at the end of Time-Zone",
      "Assign Chirps to Access tags",
      "",
      "",
      "Cannot Arm if Zone Unsealed at end of Exit Delay",
      ""}},
    {"P72",
     {"<CHIME> or <CONTROL><PROGRAM> button Enabled",
      "<BYPASS> button Enabled",
      "<PANIC> button Enabled",
      "Delayed Operation of <PANIC> button",
      "<1> & <3> Panic Alarm Enabled",
      "<4> & <6> Fire Alarm Enabled",
      "<7> & <9> Medical Alarm Enabled",
      "Stay Armed Beep to Keypad"}},
    {"P73",
     {"Mains Fail Beeps Keypad Buzzer",
      "Fuse Fail Beeps Keypad Buzzer",
      "Battery Low Beeps Keypad Buzzer",
      "Telephone Line Fail Beeps Keypad Buzzer",
      "System Tamper Beeps Keypad Buzzer",
      "Receiver Fail Beeps Keypad Buzzer",
      "Turn Off Keypad LED’s when Armed",
      "Turn Off Keypad LCD/Keypad Backlighting on Mains Fail"}},
    {"P75",
     {"<ARM> button can Arm",
      "<ARM> button can Arm Stay Mode",
      "<ARM> button can Disarm at All Times",
      "<ARM> button can Disarm Stay Mode at All Times",
      "<ARM> button can Reset Alarms",
      "<ARM> button can Arm Latchkey Mode",
      "<ARM> button can Disarm During Exit Delay",
      "<ARM> button can Disarm Stay Mode During Exit Delay"}},
    {"P77",
     {"<STAY> button can Arm",
      "<STAY> button can Arm Stay Mode",
      "<STAY> button can Disarm at All Times",
      "<STAY> button can Disarm Stay Mode at All Times",
      "<STAY> button can Reset Alarms",
      "<STAY> button can Arm Latchkey Mode",
      "<STAY> button can Disarm During Exit Delay",
      "<STAY> button can Disarm Stay Mode During Exit Delay"}},
    {"P79",
     {"<A> button can Arm",
      "<A> button can Arm Stay Mode",
      "<A> button can Disarm at All Times",
      "<A> button can Disarm Stay Mode at All Times",
      "<A> button can Reset Alarms",
      "<A> button can Arm Latchkey Mode",
      "<A> button can Disarm During Exit Delay",
      "<A> button can Disarm Stay Mode During Exit Delay"}},
    {"P81",
     {"<B> button can Arm",
      "<B> button can Arm STAY Mode",
      "<B> button can Disarm at All Times",
      "<B> button can Disarm Stay Mode at All Times",
      "<B> button can Reset Alarms",
      "<B> button can Arm Latchkey Mode",
      "<B> button can Disarm During Exit Delay",
      "<B> button can Disarm Stay Mode During Exit Delay"}},
    {"P122",
     {"Zone is Active",
      "Zone is N/O",
      "Not an Exit Delay Zone",
      "Keypad Zone",
      "Zone is a Radio Zone",
      "Zone is a Stay Mode Zone",
      "Zone can be Manually Bypassed",
      "Zone can be Auto-Bypassed"}},
    {"P123",
     {"Zone is a Handover Zone",
      "Zone is a Two Trigger Zone",
      "Zone is a 24 Hour Zone",
      "Zone is a 24 Hour Auto-reset Zone",
      "Zone is a 24 Hour Fire Zone",
      "",
      "Zone is a Chime Zone",
      "Zone is a Permanent Chime Zone"}},
    {"P124",
     {"Can Arm if Zone is not Ready",
      "Will Send Multiple Reports to Dialler",
      "Zone is Monitored for Inactivity",
      "Zone is on Soak Test",
      "Zone will report to Area B Account Number",
      "Zone will Not Report 24 hour Alarms via Dialler",
      "Pulse Output on Kiss-off Following a Zone Alarm ",
      "Exit Terminator Zone"}},
    {"P25/10",
     {"Panel Tamper is 2k2 EOL",
      "Direct access to program mode for the Installer Code",
      "Disable Mains Fail Test",
      "Listen-in to O/P # 1 Low Volume",
      "Receiver Fail Lockout",
      "Send Output information to Keypad Buss",
      "Cannot Arm if the System Battery is Low",
      "Installer Lockout"}},
    {"P25/11",
     {"Entry to Installer Mode Resets Confirmed Alarms",
      "Entry to Installer Mode Resets Tamper Alarms",
      "Entry to Installer Mode Resets Low Battery Alarm",
      "Entry to Installer Mode Resets Supervisory Alarms",
      "Cannot Arm if there is a keypad Fault ",
      "Cannot Arm if there is a Telephone Line Failure or Comms Fault",
      "10 Incorrect Code Attempts locks out the keypad for 90 Seconds",
      "User Codes Must be 4-6 digits long"}},
    {"P25/0",
     {"Code Required to View Memory",
      "Cancel Handover Zone Function in Stay Mode",
      "Output Control from Keypad is Disabled when Armed",
      "Keypad Codes are Disabled During Entry Delay",
      "No Keypad Indications while Armed",
      "Monitored KP Buss Output Board",
      "Enable Keypad Tamper",
      "Limit Events & Dialler to 3 of any one type"}},
    {"P175/1",
     {"Dialler is Enabled",
      "Fax Defeat",
      "Disable Telephone Line Monitoring",
      "Pulse Dialling (NOTE: For DTMF 4 & 5 must be OFF)",
      "Reverse Pulse Dialling (NOTE: For DTMF 4 & 5 must be OFF)",
      "Long DTMF Dialling Digits",
      "Auto-detect Modem",
      "Force V21 Mode"}},
    {"P175/2",
     {"Step to next Number",
      "Keyridge uses Call-back Number",
      "Keyridge only if Disarmed",
      "Send Test Calls Only if Armed",
      "Test Time Period id in days",
      "Hold line open following Domestic/Voice report for DTMF control",
      "First to Open Last to Close Reporting",
      "Answer After 1 ring for Two Way Voice Call-back Mode"}},
    {"P175/6",
     {"Enabled when dialling only and in Disarmed State",
      "Enabled when dialling only and in Armed State",
      "Enabled when dialling only and in Monitor Mode",
      "Enabled through the entire call only in Disarmed state",
      "Enabled through the entire call only in Armed State",
      "Enabled through the entire call only in Monitor Mode",
      "Enabled when the panel answers a call",
      "Listen-in on at All Times"}},
    {"P175/7",
     {"Enabled when dialling only and in Disarmed State",
      "Enabled when dialling only and in Armed State",
      "Enabled when dialling only and in Monitor Mode",
      "Enabled through the entire call only in Disarmed state",
      "Enabled through the entire call only in Armed State",
      "Enabled through the entire call only in Monitor Mode",
      "Enabled when the panel answers a call",
      "on at All Times"}},
    {"P8",
     {"Pendant can Disarm at All Times",
      "Pendant will cause an Immediate Panic Alarm",
      "Pendant will cause a Delayed Panic Alarm (1.5 sec)",
      "Pendant only works during entry delay",
      "This User is a dedicated Duress Code",
      "",
      "",
      ""}},
};

// Each list: entries, first and last text.
struct ListShape {
  std::size_t count;
  const char* first;
  const char* last;
};
const std::map<std::string, ListShape> kLists = {
    {"EOL", {16, "Short Circuit Loop", "4k7 // 8k2"}},
    {"response time", {26, "Highest Vibration setting", "1050 ms"}},
    {"detector type", {15, "Generic", "Siemens (supervised signal active)"}},
    {"SIA code", {15, "None", "Equip. Tamper"}},
};

std::string EntityOf(const params::MapRow& row) {
  if (row.highestZone != 0) return "zones 1.." + std::to_string(row.highestZone);
  switch (row.entity) {
    case EntityKind::Keypad: return "keypad";
    case EntityKind::Area: return "area";
    case EntityKind::Zone: return "zone";
    case EntityKind::Output: return "output";
    case EntityKind::Fixed: return "fixed " + std::to_string(row.fixedEntity);
    case EntityKind::User: return "user";
    case EntityKind::RadioUser: return "radio user";
  }
  return "?";
}

// The data column as the row holds it; bit tables and lists by their contents, below.
std::string DataOf(const params::MapRow& row) {
  switch (row.editor) {
    case EditorKind::Options: return "bits";
    case EditorKind::List: return "list";
    case EditorKind::Value: {
      const params::ValueDescriptor& v = row.value;
      switch (v.format) {
        case params::ValueFormat::Range: return "range " + std::to_string(v.minimum) + ".." + std::to_string(v.maximum);
        case params::ValueFormat::LongDigits: return "16 decimal digits";
        case params::ValueFormat::HexDigits:
        case params::ValueFormat::Digits: {
          const std::map<std::uint32_t, std::string> digits = {{9999, "4"}, {999999, "6"}, {4294967295u, "8"}};
          const auto n = digits.find(v.maximum);
          const char* hint = v.format == params::ValueFormat::HexDigits ? " digits, hex hint" : " digits, plain hint";
          return (n == digits.end() ? "? maximum " + std::to_string(v.maximum) : n->second) + hint;
        }
      }
      return "?";
    }
    case EditorKind::Users: return "users";
    case EditorKind::PhoneNumbers: return "phone numbers";
    case EditorKind::OutputOptions: return "output options";
    case EditorKind::OutputTimes: return "output times";
    case EditorKind::Clock: return "clock";
    case EditorKind::Keyswitches: return "keyswitches";
    case EditorKind::TimeZones: return "time zones";
    case EditorKind::Holidays: return "holidays";
    case EditorKind::Diagnostics: return "diagnostics";
    case EditorKind::ExitFromInstall: return "exit from install";
  }
  return "?";
}

TEST(ParameterMap, EveryItemHasItsPathTitleParameterEntityAndEditor) {
  const auto map = params::ParameterMap();
  ASSERT_EQ(map.size(), std::size(kItems));
  for (std::size_t i = 0; i < map.size(); ++i) {
    const params::MapRow& row = map[i];
    const Item& want = kItems[i];
    SCOPED_TRACE(want.path);
    EXPECT_EQ(row.menuPath, want.path);
    const std::string_view title = std::string_view(want.title) == "=" ? row.menuText() : want.title;
    EXPECT_EQ(row.title, title);
    const std::string data = want.data;
    if (!row.isGeneric()) {
      EXPECT_EQ(DataOf(row), data);
      continue;
    }
    EXPECT_EQ(int{row.parameter}, want.parameter);
    EXPECT_EQ(EntityOf(row), want.entity);
    if (data.starts_with("bits: ")) {
      ASSERT_EQ(DataOf(row), "bits");
      const auto& texts = kBitTables.at(data.substr(6));
      for (std::size_t bit = 0; bit < 8; ++bit) EXPECT_EQ((*row.labels)[bit], std::string_view(texts[bit])) << "option " << bit + 1;
    } else if (data.starts_with("list: ")) {
      ASSERT_EQ(DataOf(row), "list");
      const ListShape& list = kLists.at(data.substr(6));
      ASSERT_EQ(row.choices.size(), list.count);
      EXPECT_EQ(row.choices.front().text, std::string_view(list.first));
      EXPECT_EQ(row.choices.back().text, std::string_view(list.last));
    } else {
      EXPECT_EQ(DataOf(row), data);
    }
  }
}

}  // namespace
