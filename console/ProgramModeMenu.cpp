#include "console/ProgramModeMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace console {

using namespace Qt::StringLiterals;

const QStringList& ProgramModeItemPaths() {
  static const QStringList paths{
    u"User"_s,
    u"Radio User|Radio Pendant Alarm to an Output"_s,
    u"Radio User|Radio Pendant Panic Beeps to Keypad"_s,
    u"Radio User|Radio Users Privileges"_s,
    u"Clock Setting|Time zone"_s,
    u"Clock Setting|Set clock"_s,
    u"Clock Setting|Holydays"_s,
    u"Phone Number"_s,
    u"Dialler|Dialler Options|Options A"_s,
    u"Dialler|Dialler Options|Options B"_s,
    u"Dialler|Auto Answer Ring count"_s,
    u"Dialler|Test Call options|Time to the first dialler test call"_s,
    u"Dialler|Test Call options|Test Call Time Period"_s,
    u"Dialler|Keypad Options|Keypad Listen-In Options"_s,
    u"Dialler|Keypad Options|Output # 1 Listen-In Options"_s,
    u"Dialler|Dialling Pre-Fix Number"_s,
    u"Dialler|SIA Report Code|\"PANIC\" Alarm SIA code"_s,
    u"Dialler|SIA Report Code|\"FIRE\" Alarm SIA code"_s,
    u"Dialler|SIA Report Code|\"MEDICAL\" Alarm SIA code"_s,
    u"Dialler|SIA Report Code|Zone Alarm SIA code "_s,
    u"Dialler|CID Report Code|\"PANIC\" alarm CID code"_s,
    u"Dialler|CID Report Code|\"FIRE\" alarm CID code"_s,
    u"Dialler|CID Report Code|\"MEDICAL\" alarm CID code"_s,
    u"Dialler|DTMF Remote Codes|Output DTMF control code"_s,
    u"Dialler|DTMF Remote Codes|Microphone ON/OFF DTMF code"_s,
    u"Dialler|DTMF Remote Codes|Dialler acknowledge DTMF code"_s,
    u"Dialler|DTMF Remote Codes|Force test DTMF code"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|KEYPAD or RADIO PANIC ALARM VOICE MESSAGE NUMBER"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|FIRE ALARM VOICE MESSAGE NUMBER"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|MEDICAL ALARM VOICE MESSAGE NUMBER"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|AC FAIL ALARM VOICE MESSAGE NUMBER"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|AC RESTORE VOICE MESSAGE NUMBER"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|BATTERY LOW ALARM VOICE MESSAGE NUMBER"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|BATTERY RESTORE VOICE MESSAGE NUMBER"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|TAMPER ALARMS VOICE MESSAGE NUMBER"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|DURESS ALARM VOICE MESSAGE NUMBER"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|LATCHKEY DISARM VOICE MESSAGE NUMBER"_s,
    u"Dialler|Miscellaneous Voice Reporting Message|MANUAL TEST CALL INITIATED VOICE MESSAGE NUMBER"_s,
    u"Area|Area Optioin A"_s,
    u"Area|Area Option B"_s,
    u"Area|Area Arm Indication to Output"_s,
    u"Area|Area Stay Arm Indication to Output"_s,
    u"Area|Area Disarm Indication to Output"_s,
    u"Area|Pendant Arm Chirp to Output"_s,
    u"Area|Pendant Stay Mode Arm Chirp to Output"_s,
    u"Area|Pendant Disarm Chirp to Output"_s,
    u"Area|Pendant Stay Mode Disarm Chirp to Output"_s,
    u"Area|Arm Pulse to Output"_s,
    u"Area|Stay Mode Arm Pulse to Output"_s,
    u"Area|Disarm Pulse to Output"_s,
    u"Area|Stay Mode Disarm Pulse to Output"_s,
    u"Area|Armed Exit Delay Beeps to Keypad"_s,
    u"Area|Stay Mode Exit Delay Beeps to Keypad"_s,
    u"Area|Armed Exit Delay Time"_s,
    u"Area|Stay Mode Exit Delay Time"_s,
    u"Area|Monitoring Account Code Number"_s,
    u"Area|DTMF Remote Control Code Number"_s,
    u"Area|Start of “DTMF Arm/Disarm” Status Messages"_s,
    u"Area|Armed Exit Beeps to Output"_s,
    u"Area|Stay Mode Arm Exit Beeps to Output"_s,
    u"Area|Area Delinquency Delay"_s,
    u"Area|Automatic Arm/Disarm Time Zone"_s,
    u"Zone-Main|Zone Area Assignment"_s,
    u"Zone-Main|Zone Alarm Type Options|Zone Options A"_s,
    u"Zone-Main|Zone Alarm Type Options|Zone Options B"_s,
    u"Zone-Main|Zone Alarm Type Options|Zone Options C"_s,
    u"Zone-Main|Zone EOL (End-Of-Line) Options"_s,
    u"Zone-Main|Zone Response Time"_s,
    u"Zone-Main|Radio Zone Detector Type"_s,
    u"Zone-Main|Zone Beeps to keypad|Armed Zone Alarm Beeps to Keypad"_s,
    u"Zone-Main|Zone Beeps to keypad|Stay Mode Zone Alarm Beeps to Keypad"_s,
    u"Zone-Main|Zone Beeps to keypad|24 Hour Zone Alarm Beeps to Keypad"_s,
    u"Zone-Main|Zone Beeps to keypad|Chime Zone Alarm Beeps to Keypad"_s,
    u"Zone-Main|Zone Beeps to keypad|Zone Tamper Alarm Beeps to Keypad"_s,
    u"Zone-Main|Zone Beeps to keypad|Radio Supervise Fail Beeps to Keypad"_s,
    u"Zone-Main|Zone Beeps to keypad|Zone Inactivity Alarm Beeps to Keypad"_s,
    u"Zone-Main|Zone Beeps to keypad|Armed Zone Entry Delay Beeps to Keypad"_s,
    u"Zone-Main|Zone Beeps to keypad|Stay Mode Entry Delay Beeps to Keypad"_s,
    u"Zone-Main|Armed Zone Entry Delay Time"_s,
    u"Zone-Main|Stay Mode Zone Entry Delay Time"_s,
    u"Zone-Main|Zone Re-Trigger Time"_s,
    u"Zone-Main|Zone CID Report Codes|Zone Alarm Contact ID Report Code"_s,
    u"Zone-Main|Zone CID Report Codes|Zone Near Alarm Contact ID Report Code"_s,
    u"Zone-Main|Zone CID Report Codes|Zone Confirmed Alarm Contact ID Report Code"_s,
    u"Zone-Main|Zone CID Report Codes|Zone Alarm Voice Message Number"_s,
    u"Zone-Main|Sensor-Watch Timer"_s,
    u"Zone-Outputs|Armed Zone Alarms to Output"_s,
    u"Zone-Outputs|Stay Mode Zone Alarms to Output"_s,
    u"Zone-Outputs|24 Hour Zone Alarms to Output"_s,
    u"Zone-Outputs|Chime Zone Alarms to Output"_s,
    u"Zone-Outputs|Zone Tamper Alarms to Output"_s,
    u"Zone-Outputs|Armed Entry Delay to Output"_s,
    u"Zone-Outputs|Stay Mode Entry Delay to Output"_s,
    u"Zone-Outputs|Zone Near Alarm to Output"_s,
    u"Zone-Outputs|Zone Confirmed alarm to Output"_s,
    u"Keypads|Keypad Area Assignment"_s,
    u"Keypads|Keypad Button Operations"_s,
    u"Keypads|Keypad System Beeps/ Led Options"_s,
    u"Keypads|Keypad <Arm> Button Area Assignment"_s,
    u"Keypads|Keypad <Arm> Button Area Options"_s,
    u"Keypads|Keypad <Stay> Button Area Assignment"_s,
    u"Keypads|Keypad <Stay> Button Area Options"_s,
    u"Keypads|Keypad <A> Button Area Assignment"_s,
    u"Keypads|Keypad <A> Button Area Options"_s,
    u"Keypads|Keypad <B> Button Area Assignmen"_s,
    u"Keypads|Keypad <B> Button Area Options"_s,
    u"Keypads|Keypad to Output Mask"_s,
    u"Keypads|<Control>  Button to Output Mask"_s,
    u"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Panic Alarm to Output"_s,
    u"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Fire Alarm to Output"_s,
    u"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Medical Alarm to Output"_s,
    u"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Duress Alarm to Output"_s,
    u"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Tamper Switch Alarm to Output"_s,
    u"Keypads|Keypad  to Outputs and KP Buzzer|Keypad Wrong Code Alarm to Out"_s,
    u"Keypads|Keypad  to Outputs and KP Buzzer|Manual Panic Alarm Beeps to Keypad"_s,
    u"Keypads|Keypad  to Outputs and KP Buzzer|Manual Fire Alarm Beeps to Keypad"_s,
    u"Keypads|Keypad  to Outputs and KP Buzzer|Manual Medical Alarm Beeps to Keypad"_s,
    u"Keypads|Keypad  to Outputs and KP Buzzer|Wrong Code or Keypad Tamper Beeps To Keypad"_s,
    u"Keypads|Keypad Chime Timer"_s,
    u"Keypads|Proximity Reader Led To Output Mapping"_s,
    u"Output|Options"_s,
    u"Output|Times"_s,
    u"Output|Command Control"_s,
    u"Keyswitch"_s,
    u"Miscellaneous|Installer Code"_s,
    u"Miscellaneous|Duress Digit"_s,
    u"Miscellaneous|Dial Reporting Delay"_s,
    u"Miscellaneous|Radio Zone Supervised Timer"_s,
    u"Miscellaneous|Two Trigger Timer"_s,
    u"Miscellaneous|Mains Fail Reporting Delay"_s,
    u"Miscellaneous|Receiver Fail Delay/Timer"_s,
    u"Miscellaneous|Security Code"_s,
    u"Miscellaneous|Temporary Output Disable"_s,
    u"Miscellaneous|Miscellaneous Panel Options"_s,
    u"Miscellaneous|Miscellaneous Installer Options "_s,
    u"Miscellaneous|Miscellaneous User Options"_s,
  };
  return paths;
}

QString ProgramModeHelpTarget() { return u"Dialler|SIA Report Code|\"FIRE\" Alarm SIA code"_s; }

namespace {
// Menu texts are shown as written; '&' would otherwise turn into a mnemonic.
QString MenuText(const QString& text) {
  QString shown = text;
  return shown.replace(u'&', u"&&"_s);
}
}  // namespace

QHash<QString, QAction*> BuildProgramModeMenu(QMenuBar& bar) {
  QHash<QString, QAction*> actions;
  QMenu* main = bar.addMenu(u"Main"_s);
  QHash<QString, QMenu*> submenus;
  for (const QString& path : ProgramModeItemPaths()) {
    const QStringList parts = path.split(kMenuPathSeparator);
    QMenu* menu = main;
    QString prefix;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
      prefix += parts[i] + kMenuPathSeparator;
      QMenu*& sub = submenus[prefix];
      if (!sub) sub = menu->addMenu(MenuText(parts[i]));
      menu = sub;
    }
    actions.insert(path, menu->addAction(MenuText(parts.last())));
  }
  actions.insert(u"Diagnostics"_s, main->addAction(u"Diagnostics"_s));
  main->addSeparator();
  actions.insert(u"Exit from Install"_s, main->addAction(u"Exit from Install"_s));
  actions.insert(u"Help"_s, bar.addAction(u"Help"_s));
  return actions;
}

}  // namespace console
