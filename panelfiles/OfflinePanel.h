#pragma once

#include <QObject>
#include <cstdint>
#include <vector>

#include "link/PanelLink.h"
#include "core/panelfiles/PanelImage.h"
#include "core/panelmodel/PanelModel.h"
#include "platform/Timing.h"

namespace panelfiles {

// A panel held in the program, loaded from a panel file, standing in for
// the link: what the windows send goes to the panel model, and its frames
// come back on a later turn of the event loop, as from a link, so every
// editor works with it unchanged. Each frame comes whole, as over the
// serial link: no TCP stands between, so a value holding the byte 0x7E is
// not cut short. It exists for program mode only: when the panel leaves
// program mode ("Exit from Install") the link ends as if the panel had hung up.
class OfflinePanel : public QObject, public panel::LinkConnection {
  Q_OBJECT
 public:
  // The file's values over a factory panel, already in program mode.
  explicit OfflinePanel(const PanelImage& file, QObject* parent = nullptr);
  ~OfflinePanel() override;

  // What a panel file of it holds: the parameters the loaded file held, and
  // every other one that has changed since; the file's software version.
  PanelImage fileImage() const;

  void transmit(std::uint8_t* bytes, std::uint16_t length, QObject* owner) override;
  void closeConnection() override;
  bool isOpen() const override { return open_; }
  // No building depends on it: left in program mode, it protects nothing less.
  bool reachesSite() const override { return false; }

 signals:
  // Once, when the link ends for whatever reason.
  void closed();

 private:
  void toPc(sim::PanelModel::Bytes frame);
  void deliver();
  // The panel has left program mode: it hangs up.
  void end();
  void notifyClosed();

  sim::PanelModel model_;
  // The held panel's clock runs, as a panel's does, and shows in the keypad window.
  platform::OneShotTimer second_;
  panel::LinkListener* mainWindow_;
  std::vector<std::vector<std::uint8_t>> pending_;  // whole frames, delimiters included
  bool deliveryQueued_ = false;
  bool open_ = true;
  bool closedLocally_ = false;
  bool closedSignalled_ = false;
  PanelImage loaded_;  // every value just after loading
  std::vector<bool> inFile_;
  std::string softwareVersion_;
};

}  // namespace panelfiles
