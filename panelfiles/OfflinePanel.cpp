#include "panelfiles/OfflinePanel.h"

#include <charconv>
#include <optional>

namespace panelfiles {

namespace {

struct SoftwareVersion {
  int number = 0;
  std::optional<std::uint8_t> build;
};

int ParseInt(std::string_view text, int fallback) {
  int n = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  return error == std::errc() && end == text.data() + text.size() ? n : fallback;
}

// The version frame's number and build behind the text the keypad window
// shows for it ("2.10", "2.10 [005]"), or nothing for another text.
std::optional<SoftwareVersion> ParseSoftwareVersion(std::string_view text) {
  SoftwareVersion version;
  if (const std::size_t open = text.find(" ["); open != std::string_view::npos) {
    const std::string_view build = text.substr(open + 2);
    if (build.size() != 4 || build[3] != ']') return std::nullopt;
    const int b = ParseInt(build.substr(0, 3), -1);
    // 0x7E would end the version frame early.
    if (b < 0 || b > 255 || b == 0x7E) return std::nullopt;
    version.build = static_cast<std::uint8_t>(b);
    text = text.substr(0, open);
  }
  std::string digits(text);
  std::erase(digits, '.');
  version.number = ParseInt(digits, 100000);
  if (version.number < -32768 || version.number > 32767) return std::nullopt;
  std::string shown = std::to_string(version.number);
  shown.insert(shown.size() > 2 ? shown.size() - 2 : 0, 1, '.');
  if (shown != text) return std::nullopt;
  return version;
}

}  // namespace

OfflinePanel::OfflinePanel(const PanelImage& file, QObject* parent)
    : QObject(parent),
      model_([this](sim::PanelModel::Bytes frame) { toPc(frame); }),
      mainWindow_(panel::PanelLink::instance().mainWindow()),
      inFile_(AllSlots().size()),
      softwareVersion_(file.softwareVersion) {
  sim::ParameterStore& store = model_.panel().parameters();
  for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot) {
    const std::optional<params::Value>& value = file.at(slot);
    if (!value) continue;
    const Slot& s = AllSlots()[static_cast<std::size_t>(slot)];
    store.set(s.parameter->parameter, s.entity, *value);
    inFile_[static_cast<std::size_t>(slot)] = true;
  }
  if (const auto version = ParseSoftwareVersion(file.softwareVersion))
    model_.setVersion(version->number, version->build.value_or(model_.build()));
  for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot) {
    const Slot& s = AllSlots()[static_cast<std::size_t>(slot)];
    if (const params::Value* value = store.value(s.parameter->parameter, s.entity)) loaded_.set(slot, *value);
  }
  model_.linkUp();
  model_.panel().enterProgramMode();
  model_.publishChanges();
  connect(&second_, &platform::OneShotTimer::timeout, this, [this] {
    if (!open_) return;
    model_.tick();
    second_.start(1000);
  });
  second_.start(1000);
}

OfflinePanel::~OfflinePanel() { panel::PanelLink::instance().forgetConnection(this); }

PanelImage OfflinePanel::fileImage() const {
  PanelImage image;
  image.softwareVersion = softwareVersion_;
  const sim::ParameterStore& store = model_.panel().parameters();
  for (int slot = 0; slot < static_cast<int>(AllSlots().size()); ++slot) {
    const Slot& s = AllSlots()[static_cast<std::size_t>(slot)];
    const params::Value* value = store.value(s.parameter->parameter, s.entity);
    if (value && (inFile_[static_cast<std::size_t>(slot)] || loaded_.at(slot) != *value)) image.set(slot, *value);
  }
  return image;
}

void OfflinePanel::transmit(std::uint8_t* bytes, std::uint16_t length, QObject*) {
  if (!open_) return;
  model_.receive(sim::PanelModel::Bytes(bytes, length));
  if (!model_.panel().programMode()) end();
}

void OfflinePanel::toPc(sim::PanelModel::Bytes frame) {
  pending_.emplace_back(frame.begin(), frame.end());
  if (deliveryQueued_) return;
  deliveryQueued_ = true;
  QMetaObject::invokeMethod(this, &OfflinePanel::deliver, Qt::QueuedConnection);
}

void OfflinePanel::deliver() {
  deliveryQueued_ = false;
  std::vector<std::vector<std::uint8_t>> frames;
  frames.swap(pending_);
  for (const std::vector<std::uint8_t>& frame : frames) {
    if (closedLocally_ || !mainWindow_) return;
    // From the type byte to the closing delimiter, as a link hands frames on.
    if (frame.size() >= 2 && frame.front() == panel::kDelimiter)
      mainWindow_->handlePanelFrame(frame.data() + 1, frame.size() - 1);
  }
}

void OfflinePanel::end() {
  open_ = false;
  second_.stop();
  // The window hears of it after the frames already on their way, as from a socket.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (closedLocally_) return;
        notifyClosed();
        if (mainWindow_) mainWindow_->handleLinkClosed();
      },
      Qt::QueuedConnection);
}

void OfflinePanel::closeConnection() {
  closedLocally_ = true;
  open_ = false;
  second_.stop();
  notifyClosed();
}

void OfflinePanel::notifyClosed() {
  if (closedSignalled_) return;
  closedSignalled_ = true;
  emit closed();
}

}  // namespace panelfiles
