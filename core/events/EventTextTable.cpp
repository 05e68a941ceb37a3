#include "core/events/EventTextTable.h"

#include <string>

#include "core/CoreText.h"

namespace events {

const std::array<EventTextEntry, kEventTextCount>& EventTextTable() {
  // Texts exactly as the panel's installers know them, odd spellings included.
  static constexpr std::array<EventTextEntry, kEventTextCount> kTable{{
      {0, ""},  // 0
      {1130, CORE_TR_NOOP("EventText", "Area %c Zone %d Activated")},  // 1
      {1130, CORE_TR_NOOP("EventText", "Area %c stay armed zone %d Activated")},  // 2
      {1138, CORE_TR_NOOP("EventText", "Area %c armed zone %d 'near-activated'")},  // 3
      {1139, CORE_TR_NOOP("EventText", "Area %c Zone %d Verified")},  // 4
      {1133, CORE_TR_NOOP("EventText", "24Hr Zone  %d Activated")},  // 5
      {1110, CORE_TR_NOOP("EventText", "24Hr Zone fire %d Activated")},  // 6
      {0, ""},  // 7
      {0, ""},  // 8
      {1570, CORE_TR_NOOP("EventText", "Area %c Zone %d Bypassed")},  // 9
      {1570, CORE_TR_NOOP("EventText", "Area %c stay-arming zone %d Bypassed")},  // 10
      {1572, CORE_TR_NOOP("EventText", "24Hr Zone %d Bypassed")},  // 11
      {1137, CORE_TR_NOOP("EventText", "Tamper Zone %d Act")},  // 12
      {1383, CORE_TR_NOOP("EventText", "Tamper wireless zone %d")},  // 13
      {1391, CORE_TR_NOOP("EventText", "SensorWatch %d Fail")},  // 14
      {1381, CORE_TR_NOOP("EventText", "Wireless supervisory %d Fail")},  // 15
      {1384, CORE_TR_NOOP("EventText", "Wireless Zone %d low battery")},  // 16
      {1384, CORE_TR_NOOP("EventText", "Pendant %d low Battery")},  // 17
      {1120, CORE_TR_NOOP("EventText", "Pendant %d Panic")},  // 18
      {1124, CORE_TR_NOOP("EventText", "Duress at Keypad %d")},  // 19
      {1120, CORE_TR_NOOP("EventText", "Panic at Keypad %d")},  // 20
      {1110, CORE_TR_NOOP("EventText", "Fire at Keypad %d")},  // 21
      {1100, CORE_TR_NOOP("EventText", "Medical Alarm %d")},  // 22
      {1137, CORE_TR_NOOP("EventText", "Tamper Panel")},  // 23
      {1137, CORE_TR_NOOP("EventText", "Tamper Keypad %d")},  // 24
      {1302, CORE_TR_NOOP("EventText", "Low Battery %d")},  // 25
      {1301, CORE_TR_NOOP("EventText", "AC Fail Reported %d")},  // 26
      {0, CORE_TR_NOOP("EventText", "Output %d supervision has failed")},  // 27
      {0, CORE_TR_NOOP("EventText", "Fuse Failure %d")},  // 28
      {1351, CORE_TR_NOOP("EventText", "Phone Line Fail")},  // 29
      {1344, CORE_TR_NOOP("EventText", "RF Interference")},  // 30
      {1602, CORE_TR_NOOP("EventText", "Dialer test call")},  // 31
      {1627, CORE_TR_NOOP("EventText", "Enter program mode")},  // 32
      {1411, CORE_TR_NOOP("EventText", "Callback requested")},  // 33
      {1601, CORE_TR_NOOP("EventText", "User initiated dialer test call")},  // 34
      {0, CORE_TR_NOOP("EventText", "Area %c Delinquency event")},  // 35
      {0, CORE_TR_NOOP("EventText", "Too many wrong codes at a keypad")},  // 36
      {1330, CORE_TR_NOOP("EventText", "Keypad %d missing")},  // 37
      {0, ""},  // 38
      {3401, CORE_TR_NOOP("EventText", "Area %c Armed by User %d")},  // 39
      {3409, CORE_TR_NOOP("EventText", "Area %c Armed KeySw %d")},  // 40
      {3400, CORE_TR_NOOP("EventText", "Area %c Arm by Time Zone")},  // 41
      {3407, CORE_TR_NOOP("EventText", "Area %c Armed by Pendant %d")},  // 42
      {3408, CORE_TR_NOOP("EventText", "Area %c Armed by ARM button")},  // 43
      {0, ""},  // 44
      {3407, CORE_TR_NOOP("EventText", "Area %c Armed Remotely")},  // 45
      {0, ""},  // 46
      {0, ""},  // 47
      {3441, CORE_TR_NOOP("EventText", "Area %c Stay by User %d")},  // 48
      {3442, CORE_TR_NOOP("EventText", "Area %c Stay by KeySw %d")},  // 49
      {3441, CORE_TR_NOOP("EventText", "Area %c Stay by Pendant %d")},  // 50
      {3441, CORE_TR_NOOP("EventText", "Area %c Stay by STAY Button")},  // 51
      {3441, CORE_TR_NOOP("EventText", "Area %c Stay Remotely")},  // 52
      {0, ""},  // 53
      {3130, CORE_TR_NOOP("EventText", "Area %c Zone %d Restored")},  // 54
      {3130, CORE_TR_NOOP("EventText", "Area %c Stay zone %d Restored")},  // 55
      {3138, CORE_TR_NOOP("EventText", "Area %c near-alarm armed zone %d Restored")},  // 56
      {3139, CORE_TR_NOOP("EventText", "Area %c verified-alarm armed zone %d Restored")},  // 57
      {3133, CORE_TR_NOOP("EventText", "24Hr Zone %d Restored")},  // 58
      {3110, CORE_TR_NOOP("EventText", "24Hr fire zone %d Restored")},  // 59
      {0, ""},  // 60
      {0, ""},  // 61
      {3570, CORE_TR_NOOP("EventText", "Area %c Zone %d Re-Instated")},  // 62
      {3570, CORE_TR_NOOP("EventText", "Stay Area %c Zone %d Re-Instated")},  // 63
      {3572, CORE_TR_NOOP("EventText", "24Hr Zone %d Re-Instated")},  // 64
      {3137, CORE_TR_NOOP("EventText", "Tamper %d Reset")},  // 65
      {3383, CORE_TR_NOOP("EventText", "Tamper wireless zone %d Reset")},  // 66
      {3391, CORE_TR_NOOP("EventText", "SensorWatch %d OK")},  // 67
      {3381, CORE_TR_NOOP("EventText", "Radio Supv. %d OK")},  // 68
      {3384, CORE_TR_NOOP("EventText", "Radio Battery %d OK")},  // 69
      {3384, CORE_TR_NOOP("EventText", "Pendant %d Batt. OK")},  // 70
      {3120, CORE_TR_NOOP("EventText", "Panic Cleared by user %d")},  // 71
      {3124, CORE_TR_NOOP("EventText", "Duress Cleared by KP %d")},  // 72
      {3120, CORE_TR_NOOP("EventText", "Panic Cleared by KP %d")},  // 73
      {3110, CORE_TR_NOOP("EventText", "Fire Cleared by KP %d")},  // 74
      {3100, CORE_TR_NOOP("EventText", "Medical Cleared by KP %d")},  // 75
      {3137, CORE_TR_NOOP("EventText", "Tamper Panel Cleared")},  // 76
      {3137, CORE_TR_NOOP("EventText", "Tamper KP %d Cleared")},  // 77
      {3302, CORE_TR_NOOP("EventText", "Battery %d now OK")},  // 78
      {3301, CORE_TR_NOOP("EventText", "AC Restore Sent %d")},  // 79
      {0, CORE_TR_NOOP("EventText", "Output %d now OK")},  // 80
      {0, CORE_TR_NOOP("EventText", "Fuse %d now OK")},  // 81
      {3351, CORE_TR_NOOP("EventText", "Phone Line OK")},  // 82
      {3344, CORE_TR_NOOP("EventText", "RF Interf. Gone")},  // 83
      {1628, CORE_TR_NOOP("EventText", "Left program")},  // 84
      {3330, CORE_TR_NOOP("EventText", "Keypad missing %d has restored")},  // 85
      {0, ""},  // 86
      {1654, CORE_TR_NOOP("EventText", "Area %c Delinquency has restored")},  // 87
      {0, CORE_TR_NOOP("EventText", "Keypad %d wrong code has restored")},  // 88
      {0, ""},  // 89
      {0, ""},  // 90
      {1401, CORE_TR_NOOP("EventText", "Area %c disarmed by User %d")},  // 91
      {1401, CORE_TR_NOOP("EventText", "Area %c disarmed by User %d")},  // 92
      {1407, CORE_TR_NOOP("EventText", "Area %c disarmed by KeySw %d")},  // 93
      {1400, CORE_TR_NOOP("EventText", "Area %c disarmed by TimeZone")},  // 94
      {1407, CORE_TR_NOOP("EventText", "Area %c disarmed by Pendant %d")},  // 95
      {0, ""},  // 96
      {1408, CORE_TR_NOOP("EventText", "Area %c disarmed by ARM button")},  // 97
      {0, ""},  // 98
      {1407, CORE_TR_NOOP("EventText", "Area %c disarmed Remotely")},  // 99
      {0, CORE_TR_NOOP("EventText", "Arm fail restored")},  // 100
      {0, ""},  // 101
      {1441, CORE_TR_NOOP("EventText", "Area %c Stay disarmed by user %d")},  // 102
      {1442, CORE_TR_NOOP("EventText", "Area %c Stay disarmed by Keysw %d")},  // 103
      {1441, CORE_TR_NOOP("EventText", "Area %c Stay disarmed by wireless pendant %d")},  // 104
      {1441, CORE_TR_NOOP("EventText", "Area %c Stay disarmed by STAY btn")},  // 105
      {0, ""},  // 106
      {1441, CORE_TR_NOOP("EventText", "Area %c Stay disarmed Remotely")},  // 107
      {0, CORE_TR_NOOP("EventText", "Dial: Unanswered")},  // 108
      {0, CORE_TR_NOOP("EventText", "Dial: No Kiss-off")},  // 109
      {1301, CORE_TR_NOOP("EventText", "AC power failed")},  // 110
      {3301, CORE_TR_NOOP("EventText", "AC Power Restored")},  // 111
      {0, ""},  // 112
      {0, CORE_TR_NOOP("EventText", "Walk Test Zone %d activation")},  // 113
      {0, CORE_TR_NOOP("EventText", "Receiver Fail")},  // 114
      {0, CORE_TR_NOOP("EventText", "Receiver Recover")},  // 115
      {0, CORE_TR_NOOP("EventText", "Soak Test Zone %d On")},  // 116
      {0, CORE_TR_NOOP("EventText", "Soak Test Zone %d Off")},  // 117
      {0, CORE_TR_NOOP("EventText", "PC to Panel Comms Established")},  // 118
      {0, CORE_TR_NOOP("EventText", "PC to Panel Comms Disconnected")},  // 119
      {0, CORE_TR_NOOP("EventText", "Panel Data Transferred to DTU")},  // 120
      {0, CORE_TR_NOOP("EventText", "Panel Data Transferred from DTU")},  // 121
      {0, CORE_TR_NOOP("EventText", "Output %d ON at PC")},  // 122
      {0, CORE_TR_NOOP("EventText", "Output %d OFF at PC")},  // 123
      {0, CORE_TR_NOOP("EventText", "Output %d ON DTMF")},  // 124
      {0, CORE_TR_NOOP("EventText", "Output %d OFF DTMF")},  // 125
      {0, CORE_TR_NOOP("EventText", "Output %d ON by user %d")},  // 126
      {0, CORE_TR_NOOP("EventText", "Output %d OFF by user %d")},  // 127
      {0, CORE_TR_NOOP("EventText", "Event Buffer Cleared at Panel")},  // 128
      {0, CORE_TR_NOOP("EventText", "Event Buffer Cleared from PC")},  // 129
      {1607, CORE_TR_NOOP("EventText", "Walk Test ON")},  // 130
      {3607, CORE_TR_NOOP("EventText", "Walk Test OFF")},  // 131
      {0, CORE_TR_NOOP("EventText", "Wireless zone %d Learning")},  // 132
      {0, CORE_TR_NOOP("EventText", "Pendant %d Learning")},  // 133
      {0, CORE_TR_NOOP("EventText", "Wireless zone %d Deleted")},  // 134
      {0, CORE_TR_NOOP("EventText", "Pendant %d Deleted")},  // 135
      {0, CORE_TR_NOOP("EventText", "Panel Defaulted")},  // 136
      {0, CORE_TR_NOOP("EventText", "User Codes & Phone Defaulted")},  // 137
      {0, CORE_TR_NOOP("EventText", "All users were restored to factory defaults")},  // 138
      {0, ""},  // 139
      {0, ""},  // 140
      {1625, CORE_TR_NOOP("EventText", "Clock Changed at Panel")},  // 141
      {1625, CORE_TR_NOOP("EventText", "Clock Changed by PC")},  // 142
      {0, CORE_TR_NOOP("EventText", "Output %d ON by Control")},  // 143
      {0, CORE_TR_NOOP("EventText", "Output %d OFF by Contrl")},  // 144
      {1305, CORE_TR_NOOP("EventText", "Restart unit")},  // 145
      {1350, CORE_TR_NOOP("EventText", "Trouble communication")},  // 146
      {3350, CORE_TR_NOOP("EventText", "Restore communication")},  // 147
      {0, CORE_TR_NOOP("EventText", "GSM/DTMF Fail")},  // 148
      {0, CORE_TR_NOOP("EventText", "GSM/DTMF Restore")},  // 149
      {1140, ""},  // 150
      {1141, ""},  // 151
      {0, ""},  // 152
  }};
  return kTable;
}

std::string FormatEventText(std::string_view format, std::uint8_t area, std::uint8_t number) {
  const std::size_t firstPercent = format.find('%');
  const bool areaFirst = firstPercent != std::string_view::npos && firstPercent + 1 < format.size() &&
                         format[firstPercent + 1] == 'c';
  // The area letter is the area number moved into the capital letters (1 = 'A').
  const int args[2] = {areaFirst ? static_cast<char>(area + 0x40) : number, number};

  std::string text;
  text.reserve(format.size() + 8);
  int used = 0;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c != '%' || i + 1 >= format.size() || used >= 2) {
      text += c;
      continue;
    }
    const char conversion = format[i + 1];
    if (conversion == 'c') {
      text += static_cast<char>(args[used++]);
    } else if (conversion == 'd') {
      text += std::to_string(args[used++]);
    } else {
      text += c;
      continue;
    }
    ++i;
  }
  return text;
}

}  // namespace events
