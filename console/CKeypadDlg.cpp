#include "console/CKeypadDlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>
#include <variant>
#include <vector>

#include "console/CChecker.h"
#include "console/CDbgDlg.h"
#include "console/CPassDlg.h"
#include "core/keypad/CommandKeys.h"
#include "console/EditorDialog.h"
#include "core/keypad/PanelStatus.h"
#include "console/ProgramModeMenu.h"
#include "link/CListenSocket.h"
#include "platform/MessageBoxes.h"

namespace console {

namespace {

constexpr std::uint8_t kCloseProgramByte = 0x15;
constexpr int kCloseProgramResult = 21;
// How long leaving program mode on the way out waits for the panel's lamps.
constexpr int kLeaveConfirmMs = 2000;
const QColor kAreaResetLit(180, 20, 20);

bool Bit(std::uint8_t byte, int bit) { return (byte >> bit) & 1u; }

template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

const char* const kLampTexts[] = {QT_TRANSLATE_NOOP("console::CKeypadDlg", "READY"),
                                  QT_TRANSLATE_NOOP("console::CKeypadDlg", "TROUBLE"),
                                  QT_TRANSLATE_NOOP("console::CKeypadDlg", "A R M E D"),
                                  QT_TRANSLATE_NOOP("console::CKeypadDlg", "STAY"),
                                  QT_TRANSLATE_NOOP("console::CKeypadDlg", "BYPASS"),
                                  QT_TRANSLATE_NOOP("console::CKeypadDlg", "PROGRAM"),
                                  QT_TRANSLATE_NOOP("console::CKeypadDlg", "POWER"),
                                  QT_TRANSLATE_NOOP("console::CKeypadDlg", "BATTERY"),
                                  QT_TRANSLATE_NOOP("console::CKeypadDlg", "FUSE"),
                                  QT_TRANSLATE_NOOP("console::CKeypadDlg", "LINE")};

}  // namespace

CKeypadDlg::CKeypadDlg(const QString& title, QWidget* parent) : QDialog(parent), title_(title) {
  buildScreen();
  buildCommandMenu();
  connect(&blinkTimer_, &platform::OneShotTimer::timeout, this, &CKeypadDlg::blinkStep);

  // Opening: command mode, not connected, everything dark and unknown.
  connected_ = 0;
  enterCommandMode();
  lamps_[Ready]->setLitColour(CStaticColor::kGreen);
  lamps_[Program]->setLitColour(CStaticColor::kGreen);
  lamps_[Ready]->setCurrentColour(CStaticColor::kGreen);
  lamps_[Program]->setCurrentColour(CStaticColor::kGreen);
  allLampsOff();
  for (CLed* led : zones_) led->setState(LedState::Unknown);
  for (CLed* led : outputs_) led->setState(LedState::Unknown);
  for (CStaticColor* area : {areaA_, areaB_}) {
    area->setLitFlag(false);
    area->goDark();
  }
  setWindowTitle(title_);
  blinkTimer_.start(1);
}

CKeypadDlg::~CKeypadDlg() {
  panel::PanelLink& link = panel::PanelLink::instance();
  if (debug_ && link.debugSink() == debug_.data()) link.setDebugSink(nullptr);
  if (link.mainWindow() == this) link.setMainWindow(nullptr);
}

void CKeypadDlg::buildScreen() {
  layout_ = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  modeLine_ = new QLabel(this);
  top->addWidget(modeLine_, 1);
  auto* timeBox = new QGroupBox(tr("Time:"), this);
  clock_ = new QLabel(timeBox);
  clock_->setMinimumWidth(170);
  (new QHBoxLayout(timeBox))->addWidget(clock_);
  top->addWidget(timeBox);
  layout_->addLayout(top);

  for (int i = 0; i < kLampCount; ++i) lamps_[static_cast<std::size_t>(i)] = new CStaticColor(tr(kLampTexts[i]), this);
  areaA_ = new CStaticColor(tr("A"), this);
  areaB_ = new CStaticColor(tr("B"), this);

  auto* middle = new QHBoxLayout;
  auto* failure = new QGroupBox(tr("Failure:"), this);
  auto* failureRow = new QHBoxLayout(failure);
  for (Lamp l : {Power, Battery, Fuse, Line}) failureRow->addWidget(lamps_[l]);
  middle->addWidget(failure);
  auto* versionBox = new QGroupBox(tr("Version:"), this);
  version_ = new QLabel(versionBox);
  version_->setMinimumWidth(80);
  (new QHBoxLayout(versionBox))->addWidget(version_);
  middle->addWidget(versionBox);
  layout_->addLayout(middle);

  auto* lower = new QHBoxLayout;
  // The "A R M E D" caption is itself a lamp.
  auto* armedBox = new QGroupBox(this);
  auto* armedColumn = new QVBoxLayout(armedBox);
  armedColumn->addWidget(lamps_[Armed]);
  auto* letters = new QHBoxLayout;
  letters->addWidget(areaA_);
  letters->addWidget(areaB_);
  armedColumn->addLayout(letters);
  lower->addWidget(armedBox);
  auto* status = new QGroupBox(tr("Status:"), this);
  auto* statusRow = new QHBoxLayout(status);
  for (Lamp l : {Ready, Trouble, Stay, Bypass, Program}) statusRow->addWidget(lamps_[l]);
  lower->addWidget(status, 1);
  layout_->addLayout(lower);

  auto* zonesBox = new QGroupBox(tr("Zones:"), this);
  auto* zoneGrid = new QGridLayout(zonesBox);
  for (int i = 0; i < 16; ++i) {
    zoneGrid->addWidget(new QLabel(QString::number(i + 1), zonesBox), 0, i, Qt::AlignHCenter);
    zones_[static_cast<std::size_t>(i)] = new CLed(zonesBox);
    zones_[static_cast<std::size_t>(i)]->setAccessibleName(tr("Zone %1").arg(i + 1));
    zoneGrid->addWidget(zones_[static_cast<std::size_t>(i)], 1, i, Qt::AlignHCenter);
  }
  layout_->addWidget(zonesBox);

  auto* outputsBox = new QGroupBox(tr("Output:"), this);
  auto* outputGrid = new QGridLayout(outputsBox);
  for (int i = 0; i < 8; ++i) {
    outputGrid->addWidget(new QLabel(QString::number(i + 1), outputsBox), 0, i, Qt::AlignHCenter);
    outputs_[static_cast<std::size_t>(i)] = new CLed(outputsBox);
    outputs_[static_cast<std::size_t>(i)]->setAccessibleName(tr("Output %1").arg(i + 1));
    outputGrid->addWidget(outputs_[static_cast<std::size_t>(i)], 1, i, Qt::AlignHCenter);
  }
  layout_->addWidget(outputsBox);

  auto* legend = new QHBoxLayout;
  const std::pair<LedState, const char*> legendItems[] = {
      {LedState::Alarm, QT_TR_NOOP("- Alarm")}, {LedState::Tamper, QT_TR_NOOP("- Tamper")},
      {LedState::Open, QT_TR_NOOP("- Open")},   {LedState::Close, QT_TR_NOOP("- Close")},
      {LedState::Bypass, QT_TR_NOOP("- Bypass")}, {LedState::Unknown, QT_TR_NOOP("- Unknow")}};
  for (const auto& [state, word] : legendItems) {
    auto* icon = new QLabel(this);
    icon->setPixmap(CLed::icon(state, devicePixelRatioF()));
    legend->addWidget(icon);
    legend->addWidget(new QLabel(tr(word), this));
  }
  legend->addStretch(1);
  layout_->addLayout(legend);

  layout_->setSizeConstraint(QLayout::SetFixedSize);
}

void CKeypadDlg::buildCommandMenu() {
  commandBar_ = new QMenuBar(this);
  // Items are known by their untranslated text; the menu shows the translation.
  auto item = [this](QMenu* menu, const char* text) {
    QAction* action = menu->addAction(tr(text));
    commandActions_.insert(QString::fromUtf8(text), action);
    return action;
  };
  auto add = [this, item](QMenu* menu, const char* text, void (CKeypadDlg::*slot)()) {
    connect(item(menu, text), &QAction::triggered, this, slot);
  };
  auto addKeys = [this, item](QMenu* menu, const char* text, std::uint8_t key) {
    connect(item(menu, text), &QAction::triggered, this, [this, key] { sendKeys(panel::KeystrokeFrame({key})); });
  };
  auto addCall = [this, item](QMenu* menu, const char* text, std::function<void()> call) {
    connect(item(menu, text), &QAction::triggered, this, std::move(call));
  };

  QMenu* communication = commandBar_->addMenu(tr("Communication"));
  add(communication, QT_TR_NOOP("Debug"), &CKeypadDlg::onDebug);
  add(communication, QT_TR_NOOP("Connect"), &CKeypadDlg::onConnect);
  addCall(communication, QT_TR_NOOP("Sites…"), [this] {
    if (sitesCommand_) sitesCommand_();
  });
  addCall(communication, QT_TR_NOOP("History…"), [this] {
    if (historyCommand_ && connected_ && !siteName_.isEmpty()) historyCommand_();
  });
  add(communication, QT_TR_NOOP("Reconnect"), &CKeypadDlg::onReconnect);
  add(communication, QT_TR_NOOP("Disconnect"), &CKeypadDlg::onDisconnect);
  communication->addSeparator();
  add(communication, QT_TR_NOOP("Open panel file…"), &CKeypadDlg::onOpenPanelFile);

  QMenu* mode = commandBar_->addMenu(tr("Mode"));
  QMenu* program = mode->addMenu(tr("Program Mode"));
  addCall(program, QT_TR_NOOP("Install code"), [this] { onCodeCommand(true); });
  QMenu* command = mode->addMenu(tr("Command Mode"));
  addCall(command, QT_TR_NOOP("Arm/Disarm"), [this] { onCodeCommand(false); });
  addKeys(command, QT_TR_NOOP("Stay"), panel::key::kStay);
  addCall(command, QT_TR_NOOP("Control"), [this] { onChecker(8); });
  addCall(command, QT_TR_NOOP("Bypass"), [this] { onChecker(16); });
  QMenu* alarm = command->addMenu(tr("Alarm"));
  addKeys(alarm, QT_TR_NOOP("Fire"), panel::key::kFire);
  addKeys(alarm, QT_TR_NOOP("Medical"), panel::key::kMedical);
  addKeys(alarm, QT_TR_NOOP("Panic"), panel::key::kPanic);
  add(command, QT_TR_NOOP("Memory"), &CKeypadDlg::onMemory);
}

// Built the first time program mode or one of its items is asked for: a
// window that never programs a panel does not pay for it at start-up.
void CKeypadDlg::buildProgramMenu() {
  if (programBar_) return;
  programBar_ = new QMenuBar(this);
  programBar_->hide();
  programActions_ = BuildProgramModeMenu(*programBar_);
  for (auto it = programActions_.begin(); it != programActions_.end(); ++it) {
    const QString path = it.key();
    if (path == QLatin1String("Exit from Install")) {
      connect(it.value(), &QAction::triggered, this, &CKeypadDlg::onExitFromInstall);
      continue;
    }
    if (path == QLatin1String("Help")) {
      connect(it.value(), &QAction::triggered, this, [this] {
        platform::ShowMessage(this, tr("Help"), ProgramModeHelpText(), platform::MessageBoxes::Kind::Information);
      });
      continue;
    }
    it.value()->setEnabled(programHandlers_.contains(path) && !programItemsGreyed_.value(path));
    connect(it.value(), &QAction::triggered, this, [this, path] {
      if (const auto handler = programHandlers_.value(path)) handler();
    });
  }
}

void CKeypadDlg::setProgramItemHandler(const QString& path, std::function<void()> handler) {
  const bool enabled = static_cast<bool>(handler) && !programItemsGreyed_.value(path);
  if (handler)
    programHandlers_.insert(path, std::move(handler));
  else
    programHandlers_.remove(path);
  if (QAction* action = programActions_.value(path)) action->setEnabled(enabled);
}

void CKeypadDlg::setProgramItemEnabled(const QString& path, bool enabled) {
  programItemsGreyed_.insert(path, !enabled);
  if (QAction* action = programActions_.value(path)) action->setEnabled(enabled && programHandlers_.contains(path));
}

QMenuBar* CKeypadDlg::programMenuBar() {
  buildProgramMenu();
  return programBar_;
}

QAction* CKeypadDlg::programAction(const QString& path) {
  buildProgramMenu();
  return programActions_.value(path);
}

void CKeypadDlg::setOpenPanelFileCommand(std::function<bool()> open) {
  openPanelFile_ = std::move(open);
  updateCommandMenu();
}

void CKeypadDlg::setLeaveCheck(std::function<bool()> mayLeave) { leaveCheck_ = std::move(mayLeave); }

void CKeypadDlg::setProgramModeText(const QString& text) {
  programModeText_ = text;
  if (programMode_) setModeText(text.isEmpty() ? tr("Program mode") : text);
}

void CKeypadDlg::setConnectDialogFactory(std::function<std::unique_ptr<QDialog>(QWidget*)> factory) {
  connectFactory_ = std::move(factory);
}

void CKeypadDlg::setMemoryDialogFactory(std::function<std::unique_ptr<EditorDialog>(CKeypadDlg&)> factory) {
  memoryFactory_ = std::move(factory);
}

QString CKeypadDlg::modeText() const { return modeLine_->text(); }
QString CKeypadDlg::clockText() const { return clock_->text(); }
QString CKeypadDlg::versionText() const { return version_->text(); }

void CKeypadDlg::setModeText(const QString& text) {
  modeLine_->setText(connected_ && !siteName_.isEmpty() ? tr("%1 - %2").arg(text, siteName_) : text);
}

void CKeypadDlg::setSitesCommand(std::function<void()> command) {
  sitesCommand_ = std::move(command);
  updateCommandMenu();
}

void CKeypadDlg::setHistoryCommand(std::function<void()> command) {
  historyCommand_ = std::move(command);
  updateCommandMenu();
}

void CKeypadDlg::setReconnectCommand(std::function<void()> command) {
  reconnectCommand_ = std::move(command);
  updateCommandMenu();
}

void CKeypadDlg::setSiteName(const QString& name) {
  siteName_ = name;
  updateCommandMenu();
  setWindowTitle(connected_ && !name.isEmpty() ? tr("%1 - %2").arg(title_, name) : title_);
  if (connected_) setModeText(programMode_ ? (programModeText_.isEmpty() ? tr("Program mode") : programModeText_)
                                           : tr("Command mode"));
}

// ---- the status line

void CKeypadDlg::buildStatusLine() {
  if (statusLine_) return;
  statusLine_ = new QWidget(this);
  auto* row = new QHBoxLayout(statusLine_);
  row->setContentsMargins(0, 0, 0, 0);
  statusText_ = new QLabel(statusLine_);
  statusText_->setWordWrap(true);
  reconnectButton_ = new QPushButton(tr("Reconnect"), statusLine_);
  reconnectButton_->setObjectName(QStringLiteral("reconnect"));
  reconnectButton_->setAutoDefault(false);
  connect(reconnectButton_, &QPushButton::clicked, this, &CKeypadDlg::onReconnect);
  row->addWidget(statusText_, 1);
  row->addWidget(reconnectButton_);
  layout_->addWidget(statusLine_);
}

void CKeypadDlg::showNotice(const QString& text) {
  if (text.isEmpty() && !statusLine_) return;
  buildStatusLine();
  statusText_->setText(text);
  reconnectButton_->hide();
  statusLine_->setVisible(!text.isEmpty());
}

QString CKeypadDlg::statusText() const { return statusLine_ && !statusLine_->isHidden() ? statusText_->text() : QString(); }

void CKeypadDlg::showLinkLost() {
  const QString when = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
  showNotice(siteName_.isEmpty() ? tr("The link was lost at %1.").arg(when)
                                 : tr("The link to %1 was lost at %2.").arg(siteName_, when));
  reconnectButton_->setVisible(static_cast<bool>(reconnectCommand_));
}

void CKeypadDlg::showMenuBar(QMenuBar* bar) {
  QMenuBar* other = bar == commandBar_ ? programBar_ : commandBar_;
  if (other) other->hide();
  layout_->setMenuBar(bar);
  bar->show();
}

// ---- modes

void CKeypadDlg::enterCommandMode() {
  if (EditorDialog* editor = EditorDialog::openEditor()) {
    editor->closeRequest();
    EditorDialog::setOpenEditor(nullptr);
  }
  showMenuBar(commandBar_);
  programMode_ = false;
  setModeText(tr("Command mode"));
  updateCommandMenu();
}

void CKeypadDlg::updateCommandMenu() {
  const bool on = connected_ != 0;
  if (!on) setModeText(tr("Disconnect"));
  commandActions_.value(QStringLiteral("Disconnect"))->setEnabled(on);
  commandActions_.value(QStringLiteral("Connect"))->setEnabled(!on);
  for (const char* item : {"Install code", "Arm/Disarm", "Stay", "Control", "Bypass", "Fire", "Medical", "Panic", "Memory"})
    commandActions_.value(QString::fromLatin1(item))->setEnabled(on);
  commandActions_.value(QStringLiteral("Debug"))->setEnabled(true);
  commandActions_.value(QStringLiteral("Sites…"))->setEnabled(static_cast<bool>(sitesCommand_));
  commandActions_.value(QStringLiteral("Reconnect"))->setEnabled(!on && reconnectCommand_);
  commandActions_.value(QStringLiteral("History…"))->setEnabled(on && historyCommand_ && !siteName_.isEmpty());
  commandActions_.value(QStringLiteral("Open panel file…"))->setEnabled(!on && openPanelFile_);
}

void CKeypadDlg::enterProgramMode() {
  buildProgramMenu();
  showMenuBar(programBar_);
  programMode_ = true;
  setModeText(programModeText_.isEmpty() ? tr("Program mode") : programModeText_);
}

// ---- editor protocol

int CKeypadDlg::runEditor(EditorDialog& dialog, int editorFrameType) {
  editorFrameType_ = editorFrameType;
  const int result = dialog.exec();
  editorFrameType_ = -1;
  EditorDialog::setOpenEditor(nullptr);
  return result;
}

// ---- lamps

void CKeypadDlg::setBlinking(Lamp which, bool on) {
  CStaticColor* lamp = lamps_[which];
  lamp->setBlinking(on);
  if (!on) lamp->goDark();
}

void CKeypadDlg::allLampsOff() {
  for (CStaticColor* lamp : lamps_) {
    lamp->setBlinking(false);
    lamp->setLitFlag(false);
    lamp->goDark();
  }
}

void CKeypadDlg::blinkStep() {
  blinkTimer_.stop();
  const bool shown = blinkPhase_ != 0;
  for (CStaticColor* lamp : lamps_) {
    if (!lamp->isBlinking()) continue;
    lamp->setLit(shown);
  }
  blinkPhase_ = shown ? 0 : 1;
  blinkTimer_.start(shown ? 600 : 200);
}

// ---- received frames

void CKeypadDlg::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  if (length == 0) return;
  if (frameWatcher_) frameWatcher_(frame, length);
  if (length == 1) {
    if (frame[0] != kCloseProgramByte) return;
    if (EditorDialog* editor = EditorDialog::openEditor()) editor->closeRequest();
    done(kCloseProgramResult);
    return;
  }
  if (decodeStatus(frame, length)) logReceived(frame, length);
  EditorDialog* editor = EditorDialog::openEditor();
  if (editor && (editorFrameType_ == 0 || editorFrameType_ == frame[0])) editor->receiveFrame(frame, length);
  if (onStatusSeen_) onStatusSeen_();
}

void CKeypadDlg::logReceived(const std::uint8_t* frame, std::size_t length) {
  if (!debug_) return;
  const std::size_t n = panel::FormatReceivedLogLine(panel::LocalTimeNow(), {frame, length}, logLine_);
  debug_->appendLogLine(std::string_view(logLine_.data(), n));
}

bool CKeypadDlg::decodeStatus(const std::uint8_t* f, std::size_t length) {
  const StatusFrame status = DecodeStatusFrame(f, length);
  const auto setOutputs = [this](std::uint8_t on) {
    for (int i = 0; i < 8; ++i)
      outputs_[static_cast<std::size_t>(i)]->setState(Bit(on, i) ? LedState::Open : LedState::Close);
  };
  std::visit(
      Overloaded{
          [](std::monostate) {},
          [this](const LampsStatus& s) {
            setBlinking(Battery, Bit(s.troubles, 0));
            setBlinking(Power, Bit(s.troubles, 1));
            setBlinking(Fuse, Bit(s.troubles, 2));
            setBlinking(Line, Bit(s.troubles, 3));
            if (s.troubleBlinks) {
              setBlinking(Trouble, true);
            } else {
              setBlinking(Trouble, false);
              lamps_[Trouble]->setLit(s.troubleLit);
            }
            lamps_[Program]->setLit(s.programLit);
            lampsShowProgram_ = s.programLit;
            ++lampFrames_;
            lamps_[Ready]->setLit(s.readyLit);
            lamps_[Line]->setLit(s.lineLit);
          },
          [this](const ArmingStatus& s) {
            setBlinking(Stay, s.stayBlinking != 0);
            lamps_[Stay]->setLit(s.stay != 0);
            setBlinking(Armed, s.armedBlinking != 0);
            lamps_[Armed]->setLit(s.armed != 0);
            const std::uint8_t areas = s.armed | s.stay;
            for (int a = 0; a < 2; ++a) {
              CStaticColor* letter = areaLetter(a);
              letter->setLitFlag(Bit(areas, a));
              letter->setCurrentColour(letter->isLit() ? letter->litColour() : letter->darkColour());
            }
          },
          [this](const ZoneGroupStatus& s) {
            for (int i = 0; i < 8; ++i) {
              LedState state = Bit(s.open, i) ? LedState::Open : LedState::Close;
              if (Bit(s.alarm, i)) state = LedState::Alarm;
              if (Bit(s.tamper, i)) state = LedState::Tamper;
              if (Bit(s.bypassed, i)) state = LedState::Bypass;
              zones_[static_cast<std::size_t>(s.first + i)]->setState(state);
            }
            if (s.bypassed != 0) lamps_[Bypass]->showLit();
          },
          [this](const BypassBlinkStatus& s) { setBlinking(Bypass, s.blinks); },
          [this](const ReadinessStatus& s) {
            for (int a = 0; a < 2; ++a) {
              CStaticColor* letter = areaLetter(a);
              letter->setLitColour(CStaticColor::kRed);
              letter->setDarkColour(Bit(s.readyAreas, a) ? CStaticColor::kGreen : CStaticColor::kGrey);
              letter->setCurrentColour(CStaticColor::kRed);
              if (!letter->isLit()) letter->setLit(false);
            }
          },
          [this](const BypassedZonesStatus& s) {
            for (int i = 0; i < 16; ++i)
              if ((s.zones >> i) & 1u) zones_[static_cast<std::size_t>(i)]->setState(LedState::Bypass);
            lamps_[Bypass]->setLit(s.zones != 0);
          },
          [&](const OutputsStatus& s) { setOutputs(s.on); },
          [this](const ProgramModeAnswer& s) {
            if (s.entered) {
              enterProgramMode();
              emit programModeEntered();
            } else
              setModeText(tr("Client mode - Not supported!"));
          },
          [this](const VersionStatus& s) {
            version_->setText(QString::fromStdString(s.text));
            emit versionShown(version_->text());
          },
          [this](const ClockStatus& s) { clock_->setText(QString::fromStdString(s.text)); },
      },
      status.content);
  return status.logged;
}

// ---- link events and menu commands

void CKeypadDlg::handleLinkClosed() {
  // Only a link to a panel that stood and went without being asked to is
  // lost; a panel held in the program (a panel file) just ends.
  const panel::PanelLink& link = panel::PanelLink::instance();
  const bool heldHere = link.activeLink() == panel::LinkKind::Tcp && link.currentConnection() &&
                        !link.currentConnection()->reachesSite();
  const bool lost = connected_ != 0 && !heldHere;
  clock_->clear();
  version_->clear();
  for (CLed* led : zones_) led->setState(LedState::Unknown);
  for (CLed* led : outputs_) led->setState(LedState::Unknown);
  for (CStaticColor* area : {areaA_, areaB_}) {
    area->setLitColour(kAreaResetLit);
    area->setDarkColour(CStaticColor::kGrey);
    area->setLitFlag(false);
    area->goDark();
  }
  connected_ = 0;
  lampsShowProgram_ = false;
  enterCommandMode();
  setWindowTitle(title_);
  allLampsOff();
  if (lost) showLinkLost();
  siteName_.clear();
  if (onStatusSeen_) onStatusSeen_();
  emit linkClosed();
}

bool CKeypadDlg::linkStands() const {
  const panel::PanelLink& link = panel::PanelLink::instance();
  if (link.activeLink() == panel::LinkKind::Serial) return link.serialTransport() != nullptr;
  return link.currentConnection() && link.currentConnection()->isOpen();
}

void CKeypadDlg::frameRequest(const panel::FrameBytes& frame) {
  if (linkStands()) panel::SendPanelFrame(frame, this);
}

void CKeypadDlg::sendKeys(const panel::FrameBytes& frame) { panel::SendPanelFrame(frame, this); }

void CKeypadDlg::onDebug() {
  panel::PanelLink& link = panel::PanelLink::instance();
  if (debug_) {
    if (link.debugSink() == debug_.data()) link.setDebugSink(nullptr);
    delete debug_.data();
    return;
  }
  debug_ = new CDbgDlg([this](const panel::FrameBytes& frame) { frameRequest(frame); }, this);
  link.setDebugSink(debug_.data());
  debug_->show();
}

void CKeypadDlg::onConnect() {
  const std::unique_ptr<QDialog> dialog = connectFactory_ ? connectFactory_(this) : nullptr;
  if (dialog) {
    connectThrough(*dialog);
    return;
  }
  connected_ = 0;
  enterCommandMode();
}

bool CKeypadDlg::connectThrough(QDialog& dialog) {
  siteName_.clear();
  setWindowTitle(title_);
  const bool ok = dialog.exec() == QDialog::Accepted;
  connected_ = ok ? 1 : 0;
  if (ok) showNotice(QString());
  enterCommandMode();
  if (ok) emit connectedThrough(dialog);
  return ok;
}

void CKeypadDlg::onReconnect() {
  if (connected_ || !reconnectCommand_) return;
  reconnectCommand_();
}

void CKeypadDlg::onDisconnect() {
  if (mayLeave() && settleProgramMode()) disconnectLink();
}

bool CKeypadDlg::settleProgramMode() {
  const panel::PanelLink& link = panel::PanelLink::instance();
  const bool heldHere = link.activeLink() == panel::LinkKind::Tcp && link.currentConnection() &&
                        !link.currentConnection()->reachesSite();
  if (preparingToLeave_) {
    // Exit from Install is under way: it goes out once its preparation is done.
    awaitPreparedLeave();
    return true;
  }
  if (!(programMode_ || lampsShowProgram_) || !linkStands() || heldHere) return true;
  const QMessageBox::StandardButton answer = platform::MessageBoxes::current().show(
      this, platform::MessageBoxes::Kind::Question, tr("Attention"),
      tr("The panel is in program mode, and a panel in program mode does not protect the building.\n"
         "Exit from Install first?"),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  if (answer != QMessageBox::Yes && answer != QMessageBox::No) return false;
  // Left in program mode or not, the PC's side of the session ends here.
  prepareToLeave([] {});
  awaitPreparedLeave();
  if (answer == QMessageBox::No || !linkStands()) return true;
  enterCommandMode();
  panel::SendPanelFrame(panel::LeaveProgramMode(), this);
  awaitCommandMode();
  return true;
}

void CKeypadDlg::prepareToLeave(std::function<void()> leave) {
  if (!beforeLeaving_) {
    leave();
    return;
  }
  preparingToLeave_ = true;
  if (programBar_) programBar_->setEnabled(false);
  beforeLeaving_([this, leave = std::move(leave)] {
    preparingToLeave_ = false;
    if (programBar_) programBar_->setEnabled(true);
    leave();
    if (onPreparedLeave_) onPreparedLeave_();
  });
}

void CKeypadDlg::awaitPreparedLeave() {
  if (!preparingToLeave_) return;
  QEventLoop loop;
  onPreparedLeave_ = [&loop] { loop.quit(); };
  // The hook bounds its own wait, and a lost link ends it.
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  onPreparedLeave_ = nullptr;
}

void CKeypadDlg::awaitCommandMode() {
  const int lampsBefore = lampFrames_;
  const auto left = [&] { return !linkStands() || (lampFrames_ != lampsBefore && !lampsShowProgram_); };
  if (left()) return;
  QEventLoop loop;
  platform::OneShotTimer limit;
  connect(&limit, &platform::OneShotTimer::timeout, &loop, &QEventLoop::quit);
  onStatusSeen_ = [&] {
    if (left()) loop.quit();
  };
  // Long enough for a round trip on a GSM call; a panel that never answers is not waited for longer.
  limit.start(kLeaveConfirmMs);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  onStatusSeen_ = nullptr;
}

void CKeypadDlg::disconnectLink() {
  if (listenSocket_)
    listenSocket_->closeHandling();
  else
    panel::PanelLink::instance().closeCurrentConnection();
  connected_ = 0;
  panel::PanelLink& link = panel::PanelLink::instance();
  if (link.activeLink() == panel::LinkKind::Serial && serialHook_.workerExists && serialHook_.workerExists()) {
    panel::SendPanelFrame(panel::EndOfCall(), this);
    platform::Pause(500);
    if (serialHook_.stopWorker) serialHook_.stopWorker(this);
  }
  handleLinkClosed();
}

void CKeypadDlg::onOpenPanelFile() {
  if (connected_ || !openPanelFile_) return;
  // A module that called in is on the line before the window counts as
  // connected; the panel held from the file would cut it off without a word.
  if (linkStands() && !platform::AskYesNo(this, tr("Open panel file"),
                                          tr("A panel is on the line. Close its link and open a panel file?")))
    return;
  if (!openPanelFile_()) return;
  connected_ = 1;
  enterCommandMode();
}

void CKeypadDlg::onExitFromInstall() {
  if (preparingToLeave_ || !mayLeave()) return;
  prepareToLeave([this] {
    // A link lost meanwhile has reset the window already.
    if (!linkStands() || !programMode_) return;
    enterCommandMode();
    panel::SendPanelFrame(panel::LeaveProgramMode(), this);
  });
}

void CKeypadDlg::onCodeCommand(bool installer) {
  CPassDlg dialog(installer ? QStringLiteral("Installer") : QStringLiteral("User"),
                  installer ? kMaxInstallerCodeDigits : kMaxUserCodeDigits, this);
  if (dialog.exec() != QDialog::Accepted) return;
  sendKeys(CodeEntryKeys(dialog.code().toStdString(), installer));
}

void CKeypadDlg::onChecker(int count) {
  const bool zones = count == 16;
  sendKeys(panel::KeystrokeFrame({zones ? panel::key::kBypass : panel::key::kOutputControl}));
  CChecker checker(count, this);
  if (runEditor(checker, zones ? 0x1B : 0x1D) != QDialog::Accepted) {
    sendKeys(panel::KeystrokeFrame({panel::key::kEnter}));
    return;
  }
  if (checker.changes() == 0) return;
  sendKeys(zones ? BypassKeys(checker.changes()) : OutputControlKeys(static_cast<std::uint8_t>(checker.changes())));
}

void CKeypadDlg::onMemory() {
  if (!memoryFactory_) return;
  const std::unique_ptr<EditorDialog> viewer = memoryFactory_(*this);
  if (!viewer) return;
  runEditor(*viewer, 0);
  panel::SendPanelFrame(panel::KeyFrame(panel::key::kEnter), this);
}

void CKeypadDlg::closeEvent(QCloseEvent* event) {
  if (!mayLeave() || !settleProgramMode()) {
    event->ignore();
    return;
  }
  disconnectLink();
  QDialog::closeEvent(event);
}

void CKeypadDlg::keyPressEvent(QKeyEvent* event) {
  // Escape must not end the program behind the user's back; the close box does.
  if (event->key() == Qt::Key_Escape) {
    event->ignore();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace console
