#include "connect/GsmDial.h"

#include <algorithm>

#include "core/link/ModemProgress.h"

namespace connection {
namespace {

constexpr int kProgressMax = 100;

using namespace panel::modem;

}  // namespace

GsmDial::GsmDial(serial::SerialCommandSink& worker, QObject* owner)
    : worker_(worker), owner_(owner), status_(tr("Dialing")) {}

void GsmDial::start() { post(serial::kFindModem); }

void GsmDial::cancel() { post(serial::kCancelCall); }

void GsmDial::post(int command) {
  posted_ = true;
  if (worker_.running()) worker_.post(command, owner_);
}

void GsmDial::advanceProgress() {
  progress_ = std::min(counter_, kProgressMax);
  ++counter_;
}

GsmDial::Outcome GsmDial::report(int code, int value) {
  if (outcome_ != Outcome::Going) return outcome_;
  reported_ = true;
  posted_ = false;
  if (code == serial::kCallEnded) {
    outcome_ = Outcome::Cancelled;
    return outcome_;
  }
  if (code == serial::kModemSearched) {
    if (value == 0) outcome_ = Outcome::Cancelled;
    log_ += QString::asprintf("\r\nFind modem on port %d", value);
    advanceProgress();
    post(serial::kDial);
  }
  log_ += QString::asprintf("\r\nCommand %d %d", code, value);
  advanceProgress();
  if (code == serial::kCallStatus) callStatus(value);
  return outcome_;
}

void GsmDial::callStatus(int status) {
  switch (status) {
    case kNothingYet: status_ += QLatin1Char('.'); break;
    case kDialling: status_ = tr("Dailing!"); break;
    case kCheckPassword: status_ = tr("Check password"); break;
    case kDownloadParameters: status_ = tr("Download parameters"); break;
    case kDownloadInfoStruct: status_ = tr("Download InfoStruct"); break;
    case kDownloadEvents: status_ = tr("Download Events"); break;
    case kDownloadFinished: status_ = tr("Download finished"); break;
    case kPasswordError:
      status_ = tr("Password error!");
      cause_ = status_;
      break;
    case kCallReady: outcome_ = Outcome::Ready; return;
    case kNoCarrier:
    case kHungUp: status_ = tr("No carrier"); return;
    case kUnknownNumber:
      status_ = tr("I don't know your phone number!");
      cause_ = status_;
      return;
    case kStartAgain:
      status_.clear();
      cause_.clear();
      counter_ = 0;
      progress_ = 0;
      log_.clear();
      return;
    case kCommunicationError:
      status_ += tr("  Error communication. Try again");
      cause_ = tr("Error communication. Try again");
      return;
    default: return;
  }
  post(serial::kNextStep);
}

}  // namespace connection
