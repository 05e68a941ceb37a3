#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/panelmodel/ParameterStore.h"

namespace sim {

// The state of the simulated panel and what its keypad keys do to it:
// 16 zones (1-8 in area A, 9-16 in area B), 8 outputs (output 1 is the
// bell), two areas, four troubles, program mode and the installer
// parameters, whose user codes (P1) and installer code (P25/1) are the codes
// its keypad takes. It knows nothing of links; the panel model turns its
// state into status frames.
class AlarmPanel {
 public:
  static constexpr int kZones = 16;
  static constexpr int kOutputs = 8;
  static constexpr int kBellOutput = 1;
  static constexpr std::uint8_t kAreaA = 0x01;
  static constexpr std::uint8_t kAreaB = 0x02;
  static constexpr std::uint8_t kAllAreas = kAreaA | kAreaB;
  // A keypad entry nobody finishes is dropped, as on a real keypad.
  static constexpr int kEntryTimeoutSeconds = 30;
  // Longest code the keypad takes (the PC sends at most 14 digits).
  static constexpr std::size_t kMaxCodeDigits = 14;

  enum Trouble : std::uint8_t { kBattery = 0x01, kPower = 0x02, kFuse = 0x04, kLine = 0x08 };

  // Frames whose content is the panel's state; the model sends each one
  // when its bytes change.
  enum class Status { Lamps, Arming, ZonesLow, ZonesHigh, BypassBlink, Readiness, Bypassed, OutputControl, Outputs };
  static constexpr Status kAllStatus[] = {Status::Lamps,     Status::Arming,      Status::ZonesLow,
                                          Status::ZonesHigh, Status::BypassBlink, Status::Readiness,
                                          Status::Bypassed,  Status::OutputControl, Status::Outputs};

  // Frames owed to the PC right now, changed or not: the answers to the
  // bypass and output-control keys and to the installer code.
  enum class Answer { Bypassed, OutputControl, ProgramMode };

  using Frame = std::vector<std::uint8_t>;

  using Codes = PanelCodes;

  explicit AlarmPanel(Codes codes = {});

  // One key from the keypad (key codes as the PC sends them).
  void pressKey(std::uint8_t key);
  // 7E A0 07 00 7E from the PC.
  void leaveProgramMode();
  // As the installer enters it at the panel itself: no code, and the PC is
  // told as after an installer code.
  void enterProgramMode();
  // One second passed.
  void tick();
  // Answers owed since the last call, in the order they arose.
  std::vector<Answer> takeAnswers();

  // Levers for tests and demonstrations; zone and output numbers count from 1,
  // out-of-range numbers are refused with false.
  bool setZoneOpen(int zone, bool open);
  bool setZoneTamper(int zone, bool tamper);
  bool raiseZoneAlarm(int zone);
  bool setOutput(int output, bool on);
  void setTrouble(Trouble trouble, bool on);
  // As another keypad would: no code, no readiness check.
  void arm(std::uint8_t areas);
  void stayArm(std::uint8_t areas);
  void disarm(std::uint8_t areas);
  // The installer parameters; the keypad reads its codes from them.
  ParameterStore& parameters() { return parameters_; }
  const ParameterStore& parameters() const { return parameters_; }
  Codes codes() const { return {parameters_.userCodes(), parameters_.installerCode()}; }

  Frame statusFrame(Status status) const;
  Frame answerFrame(Answer answer) const;

  std::uint16_t openZones() const { return open_; }
  std::uint16_t alarmZones() const { return alarm_; }
  std::uint16_t bypassedZones() const { return bypassed_; }
  std::uint16_t tamperedZones() const { return tampered_; }
  std::uint8_t outputs() const { return outputs_; }
  std::uint8_t armedAreas() const { return armed_; }
  std::uint8_t stayAreas() const { return stay_; }
  std::uint8_t readyAreas() const;
  std::uint8_t troubles() const { return troubles_; }
  bool programMode() const { return programMode_; }
  bool bypassEntry() const { return entry_ == Entry::Bypass; }
  bool fireAlarm() const { return fire_; }
  bool medicalAlarm() const { return medical_; }
  bool panicAlarm() const { return panic_; }

  // One line per aspect, for the simulator's "status" command.
  std::vector<std::string> describe() const;

 private:
  enum class Entry { None, Code, Installer, Bypass, Output };

  void startEntry(Entry entry);
  void finishEntry();
  void commandKey(std::uint8_t key);
  void userCode();
  void applyBypassDigits();
  void applyOutputDigits();
  void zoneTripped(int zone);
  void soundBell();

  static std::uint8_t areaOfZone(int zone) { return zone <= 8 ? kAreaA : kAreaB; }

  ParameterStore parameters_;
  std::uint16_t open_ = 0;
  std::uint16_t alarm_ = 0;
  std::uint16_t bypassed_ = 0;
  std::uint16_t tampered_ = 0;
  std::uint8_t outputs_ = 0;
  std::uint8_t armed_ = 0;
  std::uint8_t stay_ = 0;
  std::uint8_t troubles_ = 0;
  bool programMode_ = false;
  bool fire_ = false;
  bool medical_ = false;
  bool panic_ = false;

  Entry entry_ = Entry::None;
  std::string digits_;
  bool tooLong_ = false;
  int idleSeconds_ = 0;
  std::vector<Answer> answers_;
};

}  // namespace sim
