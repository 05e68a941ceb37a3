#include "events/EventTextTable.h"

#include <string>

namespace events {

const std::array<EventTextEntry, kEventTextCount>& EventTextTable() {
  // Texts exactly as the panel's installers know them, odd spellings included.
  static constexpr std::array<EventTextEntry, kEventTextCount> kTable{{
      {0, ""},  // 0
      {1130, "Area %c Zone %d Activated"},  // 1
      {1130, "Area %c stay armed zone %d Activated"},  // 2
      {1138, "Area %c armed zone %d 'near-activated'"},  // 3
      {1139, "Area %c Zone %d Verified"},  // 4
      {1133, "24Hr Zone  %d Activated"},  // 5
      {1110, "24Hr Zone fire %d Activated"},  // 6
      {0, ""},  // 7
      {0, ""},  // 8
      {1570, "Area %c Zone %d Bypassed"},  // 9
      {1570, "Area %c stay-arming zone %d Bypassed"},  // 10
      {1572, "24Hr Zone %d Bypassed"},  // 11
      {1137, "Tamper Zone %d Act"},  // 12
      {1383, "Tamper wireless zone %d"},  // 13
      {1391, "SensorWatch %d Fail"},  // 14
      {1381, "Wireless supervisory %d Fail"},  // 15
      {1384, "Wireless Zone %d low battery"},  // 16
      {1384, "Pendant %d low Battery"},  // 17
      {1120, "Pendant %d Panic"},  // 18
      {1124, "Duress at Keypad %d"},  // 19
      {1120, "Panic at Keypad %d"},  // 20
      {1110, "Fire at Keypad %d"},  // 21
      {1100, "Medical Alarm %d"},  // 22
      {1137, "Tamper Panel"},  // 23
      {1137, "Tamper Keypad %d"},  // 24
      {1302, "Low Battery %d"},  // 25
      {1301, "AC Fail Reported %d"},  // 26
      {0, "Output %d supervision has failed"},  // 27
      {0, "Fuse Failure %d"},  // 28
      {1351, "Phone Line Fail"},  // 29
      {1344, "RF Interference"},  // 30
      {1602, "Dialer test call"},  // 31
      {1627, "Enter program mode"},  // 32
      {1411, "Callback requested"},  // 33
      {1601, "User initiated dialer test call"},  // 34
      {0, "Area %c Delinquency event"},  // 35
      {0, "Too many wrong codes at a keypad"},  // 36
      {1330, "Keypad %d missing"},  // 37
      {0, ""},  // 38
      {3401, "Area %c Armed by User %d"},  // 39
      {3409, "Area %c Armed KeySw %d"},  // 40
      {3400, "Area %c Arm by Time Zone"},  // 41
      {3407, "Area %c Armed by Pendant %d"},  // 42
      {3408, "Area %c Armed by ARM button"},  // 43
      {0, ""},  // 44
      {3407, "Area %c Armed Remotely"},  // 45
      {0, ""},  // 46
      {0, ""},  // 47
      {3441, "Area %c Stay by User %d"},  // 48
      {3442, "Area %c Stay by KeySw %d"},  // 49
      {3441, "Area %c Stay by Pendant %d"},  // 50
      {3441, "Area %c Stay by STAY Button"},  // 51
      {3441, "Area %c Stay Remotely"},  // 52
      {0, ""},  // 53
      {3130, "Area %c Zone %d Restored"},  // 54
      {3130, "Area %c Stay zone %d Restored"},  // 55
      {3138, "Area %c near-alarm armed zone %d Restored"},  // 56
      {3139, "Area %c verified-alarm armed zone %d Restored"},  // 57
      {3133, "24Hr Zone %d Restored"},  // 58
      {3110, "24Hr fire zone %d Restored"},  // 59
      {0, ""},  // 60
      {0, ""},  // 61
      {3570, "Area %c Zone %d Re-Instated"},  // 62
      {3570, "Stay Area %c Zone %d Re-Instated"},  // 63
      {3572, "24Hr Zone %d Re-Instated"},  // 64
      {3137, "Tamper %d Reset"},  // 65
      {3383, "Tamper wireless zone %d Reset"},  // 66
      {3391, "SensorWatch %d OK"},  // 67
      {3381, "Radio Supv. %d OK"},  // 68
      {3384, "Radio Battery %d OK"},  // 69
      {3384, "Pendant %d Batt. OK"},  // 70
      {3120, "Panic Cleared by user %d"},  // 71
      {3124, "Duress Cleared by KP %d"},  // 72
      {3120, "Panic Cleared by KP %d"},  // 73
      {3110, "Fire Cleared by KP %d"},  // 74
      {3100, "Medical Cleared by KP %d"},  // 75
      {3137, "Tamper Panel Cleared"},  // 76
      {3137, "Tamper KP %d Cleared"},  // 77
      {3302, "Battery %d now OK"},  // 78
      {3301, "AC Restore Sent %d"},  // 79
      {0, "Output %d now OK"},  // 80
      {0, "Fuse %d now OK"},  // 81
      {3351, "Phone Line OK"},  // 82
      {3344, "RF Interf. Gone"},  // 83
      {1628, "Left program"},  // 84
      {3330, "Keypad missing %d has restored"},  // 85
      {0, ""},  // 86
      {1654, "Area %c Delinquency has restored"},  // 87
      {0, "Keypad %d wrong code has restored"},  // 88
      {0, ""},  // 89
      {0, ""},  // 90
      {1401, "Area %c disarmed by User %d"},  // 91
      {1401, "Area %c disarmed by User %d"},  // 92
      {1407, "Area %c disarmed by KeySw %d"},  // 93
      {1400, "Area %c disarmed by TimeZone"},  // 94
      {1407, "Area %c disarmed by Pendant %d"},  // 95
      {0, ""},  // 96
      {1408, "Area %c disarmed by ARM button"},  // 97
      {0, ""},  // 98
      {1407, "Area %c disarmed Remotely"},  // 99
      {0, "Arm fail restored"},  // 100
      {0, ""},  // 101
      {1441, "Area %c Stay disarmed by user %d"},  // 102
      {1442, "Area %c Stay disarmed by Keysw %d"},  // 103
      {1441, "Area %c Stay disarmed by wireless pendant %d"},  // 104
      {1441, "Area %c Stay disarmed by STAY btn"},  // 105
      {0, ""},  // 106
      {1441, "Area %c Stay disarmed Remotely"},  // 107
      {0, "Dial: Unanswered"},  // 108
      {0, "Dial: No Kiss-off"},  // 109
      {1301, "AC power failed"},  // 110
      {3301, "AC Power Restored"},  // 111
      {0, ""},  // 112
      {0, "Walk Test Zone %d activation"},  // 113
      {0, "Receiver Fail"},  // 114
      {0, "Receiver Recover"},  // 115
      {0, "Soak Test Zone %d On"},  // 116
      {0, "Soak Test Zone %d Off"},  // 117
      {0, "PC to Panel Comms Established"},  // 118
      {0, "PC to Panel Comms Disconnected"},  // 119
      {0, "Panel Data Transferred to DTU"},  // 120
      {0, "Panel Data Transferred from DTU"},  // 121
      {0, "Output %d ON at PC"},  // 122
      {0, "Output %d OFF at PC"},  // 123
      {0, "Output %d ON DTMF"},  // 124
      {0, "Output %d OFF DTMF"},  // 125
      {0, "Output %d ON by user %d"},  // 126
      {0, "Output %d OFF by user %d"},  // 127
      {0, "Event Buffer Cleared at Panel"},  // 128
      {0, "Event Buffer Cleared from PC"},  // 129
      {1607, "Walk Test ON"},  // 130
      {3607, "Walk Test OFF"},  // 131
      {0, "Wireless zone %d Learning"},  // 132
      {0, "Pendant %d Learning"},  // 133
      {0, "Wireless zone %d Deleted"},  // 134
      {0, "Pendant %d Deleted"},  // 135
      {0, "Panel Defaulted"},  // 136
      {0, "User Codes & Phone Defaulted"},  // 137
      {0, "All users were restored to factory defaults"},  // 138
      {0, ""},  // 139
      {0, ""},  // 140
      {1625, "Clock Changed at Panel"},  // 141
      {1625, "Clock Changed by PC"},  // 142
      {0, "Output %d ON by Control"},  // 143
      {0, "Output %d OFF by Contrl"},  // 144
      {1305, "Restart unit"},  // 145
      {1350, "Trouble communication"},  // 146
      {3350, "Restore communication"},  // 147
      {0, "GSM/DTMF Fail"},  // 148
      {0, "GSM/DTMF Restore"},  // 149
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
