#pragma once

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

#include "console/CDbgDlg.h"
#include "console/CLed.h"
#include "console/CStaticColor.h"
#include "core/link/DebugLogLine.h"
#include "link/PanelLink.h"
#include "platform/Timing.h"

class QAction;
class QLabel;
class QMenuBar;
class QPushButton;
class QVBoxLayout;

namespace panel {
class CListenSocket;
}

namespace console {

class EditorDialog;

// What Disconnect needs from the serial side while a serial link is active.
struct SerialLinkHook {
  std::function<bool()> workerExists;
  // Command 5 to the worker, then stop it (command 13, up to 3000 ms) and drop it.
  std::function<void(QObject* owner)> stopWorker;
};

// The main window: a virtual keypad mirroring the panel's lamps, zones,
// outputs, areas, clock and version; the command and program-mode menus;
// the first stop of every received frame, which it forwards to the open editor.
class CKeypadDlg : public QDialog, public panel::LinkListener {
  Q_OBJECT
 public:
  // In blink order.
  enum Lamp { Ready, Trouble, Armed, Stay, Bypass, Program, Power, Battery, Fuse, Line, kLampCount };

  explicit CKeypadDlg(const QString& title, QWidget* parent = nullptr);
  ~CKeypadDlg() override;

  // Runs dialog modally as the open editor, forwarding frames of
  // editorFrameType (0 = all) to it; returns its result.
  int runEditor(EditorDialog& dialog, int editorFrameType = 0);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;
  void handleLinkClosed() override;
  // A frame typed in (or keyed from) the debug window; sent while a link stands.
  void frameRequest(const panel::FrameBytes& frame);

  // "Connect" runs the dialog this makes; OK means a link stands.
  void setConnectDialogFactory(std::function<std::unique_ptr<QDialog>(QWidget*)> factory);
  // Runs dialog as "Connect" runs the connection dialog (a site's Connect,
  // Reconnect); true when it ended with OK, that is, a link stands.
  bool connectThrough(QDialog& dialog);
  // "Sites…" runs this; greyed without one.
  void setSitesCommand(std::function<void()> command);
  // "History…" runs this while connected to a site; greyed otherwise.
  void setHistoryCommand(std::function<void()> command);
  // "Reconnect" runs this, from the menu and from the status line after a
  // lost link; offered while not connected, once one is set.
  void setReconnectCommand(std::function<void()> command);
  // The site the link goes to, named in the title and the mode line while
  // connected; a reset forgets it.
  void setSiteName(const QString& name);
  QString siteName() const { return siteName_; }
  // One line at the foot of the window until the next one (empty hides it).
  void showNotice(const QString& text);
  // "Memory" runs the event memory viewer this makes.
  void setMemoryDialogFactory(std::function<std::unique_ptr<EditorDialog>(CKeypadDlg&)> factory);
  void setSerialLinkHook(SerialLinkHook hook) { serialHook_ = std::move(hook); }
  void setListenSocket(panel::CListenSocket* socket) { listenSocket_ = socket; }
  // Gives a program-mode item (its menu path in the parameter map) its
  // command; items without one stay greyed.
  void setProgramItemHandler(const QString& path, std::function<void()> handler);
  // Greys an item that has a command, or offers it again.
  void setProgramItemEnabled(const QString& path, bool enabled);
  // "Open panel file…" runs this while no panel is connected; true means a
  // panel held in the program is the link now, as after Connect.
  void setOpenPanelFileCommand(std::function<bool()> open);
  // Asked before Exit from Install, Disconnect or closing the window;
  // false leaves everything as it is (a panel held in the program asks to
  // save its changes here).
  void setLeaveCheck(std::function<bool()> mayLeave);
  // What the mode line says in program mode; empty for "Program mode".
  void setProgramModeText(const QString& text);
  // Sees every frame received, before the window and the open editor do.
  void setFrameWatcher(std::function<void(const std::uint8_t*, std::size_t)> watcher) {
    frameWatcher_ = std::move(watcher);
  }
  // Runs before the PC takes the panel out of program mode (Exit from
  // Install, or the way out of a close or Disconnect), and calls `leave`
  // once it is done; the window keeps working meanwhile.
  void setBeforeLeavingProgramMode(std::function<void(std::function<void()> leave)> hook) {
    beforeLeaving_ = std::move(hook);
  }

  // Window state, for the menu commands of other parts and for tests.
  bool isConnected() const { return connected_ != 0; }
  int editorFrameType() const { return editorFrameType_; }
  bool isProgramMode() const { return programMode_; }
  QString modeText() const;
  QString clockText() const;
  QString versionText() const;
  CStaticColor* lamp(Lamp which) const { return lamps_[which]; }
  CStaticColor* areaLetter(int area) const { return area == 0 ? areaA_ : areaB_; }
  CLed* zone(int number) const { return zones_[static_cast<std::size_t>(number - 1)]; }
  CLed* output(int number) const { return outputs_[static_cast<std::size_t>(number - 1)]; }
  QString statusText() const;
  QPushButton* reconnectButton() const { return reconnectButton_; }
  QMenuBar* commandMenuBar() const { return commandBar_; }
  // The program-mode menu is built the first time it is needed.
  QMenuBar* programMenuBar();
  QAction* commandAction(const QString& text) const { return commandActions_.value(text); }
  QAction* programAction(const QString& path);
  CDbgDlg* debugWindow() const { return debug_; }

 signals:
  // The panel reported its software version.
  void versionShown(const QString& text);
  // A connection dialog ended with OK: the link stands. dialog lives for the call.
  void connectedThrough(QDialog& dialog);
  // The panel answered the installer code: program mode.
  void programModeEntered();
  // The link ended, asked for or not; the window has reset.
  void linkClosed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildScreen();
  void buildCommandMenu();
  void buildProgramMenu();
  void buildStatusLine();
  void showLinkLost();
  void showMenuBar(QMenuBar* bar);
  void enterCommandMode();
  void enterProgramMode();
  void updateCommandMenu();
  void setModeText(const QString& text);
  void blinkStep();
  void setBlinking(Lamp which, bool on);
  void allLampsOff();
  // Applies a status frame to the display; false for frames that are not logged.
  bool decodeStatus(const std::uint8_t* frame, std::size_t length);
  void logReceived(const std::uint8_t* frame, std::size_t length);
  bool linkStands() const;
  void sendKeys(const panel::FrameBytes& frame);

  void onDebug();
  void onConnect();
  void onReconnect();
  void onDisconnect();
  void disconnectLink();
  bool mayLeave() const { return !leaveCheck_ || leaveCheck_(); }
  // Before the link ends: a panel in program mode does not protect the
  // building, so the user may leave it first. False to stay.
  bool settleProgramMode();
  // Until the panel's lamps say it left program mode, the link drops or a
  // short time has passed; frames go on arriving meanwhile.
  void awaitCommandMode();
  // Runs the hook set to run before leaving program mode, then `leave`;
  // the program-mode menu is greyed meanwhile.
  void prepareToLeave(std::function<void()> leave);
  // Until what prepareToLeave started is done, without taking user input.
  void awaitPreparedLeave();
  void onOpenPanelFile();
  void onExitFromInstall();
  void onCodeCommand(bool installer);
  void onChecker(int count);
  void onMemory();

  QString title_;
  int connected_ = 0;         // m_bConnected
  int editorFrameType_ = -1;  // m_nEditorFrameType
  bool programMode_ = false;
  // What the panel's own lamps say, whatever the window's menus show.
  bool lampsShowProgram_ = false;
  int lampFrames_ = 0;
  std::function<void()> onStatusSeen_;
  int blinkPhase_ = 0;

  QVBoxLayout* layout_ = nullptr;
  QLabel* modeLine_ = nullptr;
  QLabel* clock_ = nullptr;
  QLabel* version_ = nullptr;
  std::array<CStaticColor*, kLampCount> lamps_{};
  CStaticColor* areaA_ = nullptr;
  CStaticColor* areaB_ = nullptr;
  std::array<CLed*, 16> zones_{};
  std::array<CLed*, 8> outputs_{};
  platform::OneShotTimer blinkTimer_;

  QMenuBar* commandBar_ = nullptr;
  QMenuBar* programBar_ = nullptr;
  QHash<QString, QAction*> commandActions_;
  QHash<QString, QAction*> programActions_;
  QHash<QString, std::function<void()>> programHandlers_;
  QHash<QString, bool> programItemsGreyed_;
  QWidget* statusLine_ = nullptr;
  QLabel* statusText_ = nullptr;
  QPushButton* reconnectButton_ = nullptr;
  std::function<void()> sitesCommand_;
  std::function<void()> reconnectCommand_;
  std::function<void()> historyCommand_;
  QString siteName_;
  std::function<bool()> openPanelFile_;
  std::function<bool()> leaveCheck_;
  QString programModeText_;
  std::function<void(const std::uint8_t*, std::size_t)> frameWatcher_;
  std::function<void(std::function<void()>)> beforeLeaving_;
  bool preparingToLeave_ = false;
  std::function<void()> onPreparedLeave_;

  QPointer<CDbgDlg> debug_;
  std::function<std::unique_ptr<QDialog>(QWidget*)> connectFactory_;
  std::function<std::unique_ptr<EditorDialog>(CKeypadDlg&)> memoryFactory_;
  SerialLinkHook serialHook_;
  panel::CListenSocket* listenSocket_ = nullptr;
  // Received frames are logged without allocating, like sent ones.
  std::array<char, panel::kLogLineCapacity> logLine_{};
};

}  // namespace console
