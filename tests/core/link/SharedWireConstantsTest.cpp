// Constants that a program and the simulator both take from the shared core:
// a fault in one would change both sides at once and pass every round trip,
// so each is held to its wire value here.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "core/link/LinkHandshake.h"
#include "core/link/ModemProgress.h"
#include "core/link/ModuleLinkDefaults.h"
#include "core/link/ModuleProtocol.h"
#include "core/link/PanelFrames.h"

namespace {

struct Named {
  const char* name;
  unsigned long long value;
  unsigned long long wire;
};

TEST(SharedWireConstants, HoldTheirWireValues) {
  namespace key = panel::key;
  namespace modem = panel::modem;
  namespace wire = quilby::wire;
  const Named constants[] = {
      {"delimiter", panel::kDelimiter, 0x7E},
      {"PC marker", panel::kPcMarker, 0x07},
      {"keystroke lead", panel::kKeystrokeLead, 0x7A},
      {"end of call", panel::kEndOfCall, 0x0F},
      {"parameter read", panel::kTypeParamRead, 0xAB},
      {"leave program", panel::kTypeLeaveProgram, 0xA0},
      {"key frame", panel::kTypeKey, 0xA1},
      {"next event", panel::kTypeNextEvent, 0xA9},
      {"ENTER", key::kEnter, 0x11},
      {"No", key::kNo, 0x10},
      {"output control", key::kOutputControl, 0x0A},
      {"stay", key::kStay, 0x0E},
      {"event review", key::kEventReview, 0x16},
      {"bypass", key::kBypass, 0x17},
      {"panic", key::kPanic, 0x20},
      {"fire", key::kFire, 0x21},
      {"medical", key::kMedical, 0x22},
      {"send buffer", panel::kMaxSendBytes, 260},
      {"challenge", panel::kChallengeSize, 8},
      {"verdict", panel::kVerdictSize, 6},
      {"password characters", panel::kMaxPasswordChars, 14},
      {"login-only reply", panel::kClientLoginReplySize, 15},
      {"verdict lead", panel::kVerdictLead, 0x71},
      {"account verdict lead", panel::kAccountVerdictLead, 0x89},
      {"modem: nothing yet", modem::kNothingYet, 0},
      {"modem: dialling", modem::kDialling, 8},
      {"modem: check password", modem::kCheckPassword, 9},
      {"modem: parameters", modem::kDownloadParameters, 10},
      {"modem: info structure", modem::kDownloadInfoStruct, 11},
      {"modem: events", modem::kDownloadEvents, 12},
      {"modem: finished", modem::kDownloadFinished, 13},
      {"modem: password error", modem::kPasswordError, 15},
      {"modem: call ready", modem::kCallReady, 16},
      {"modem: no carrier", modem::kNoCarrier, 17},
      {"modem: hung up", modem::kHungUp, 18},
      {"modem: unknown number", modem::kUnknownNumber, 19},
      {"modem: start again", modem::kStartAgain, 20},
      {"modem: communication error", modem::kCommunicationError, 21},
      {"module challenge", wire::kChallengeSize, 8},
      {"module answer", wire::kAnswerSize, 8},
      {"module header", wire::kHeaderSize, 12},
      {"module record", wire::kRecordSize, 341},
      {"module acknowledgement", wire::kAcknowledgementSize, 6},
      {"quilby port", quilby::kDefaultPort, 4700},
      {"quilby K1", quilby::kDefaultDerivationConstants.k1, 0xA833982B},
      {"quilby K2", quilby::kDefaultDerivationConstants.k2, 0x32583499},
      {"quilby K3", quilby::kDefaultDerivationConstants.k3, 0xF4ACFB13},
      {"quilby K4", quilby::kDefaultDerivationConstants.k4, 0x5D6DCB55},
  };
  for (const Named& c : constants) EXPECT_EQ(c.value, c.wire) << c.name;

  EXPECT_EQ(wire::kAcknowledgement, (std::array<std::uint8_t, 6>{0x4D, 0x00, 0x00, 0x00, 0x00, 0x00}));
  const panel::LinkSecrets tarnel = panel::DefaultLinkSecrets();
  EXPECT_EQ(tarnel.constants.k1, 0x04C11DB7u);
  EXPECT_EQ(tarnel.constants.k2, 0x1EDC6F41u);
  EXPECT_EQ(tarnel.constants.k3, 0x741B8CD7u);
  EXPECT_EQ(tarnel.constants.k4, 0x814141ABu);
  EXPECT_EQ(tarnel.accessCode, (std::array<char, 4>{'7', '3', '1', '9'}));
}

}  // namespace
