#pragma once

#include <QDialog>
#include <array>

#include "connect/ConnectAttempt.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace connection {

// The connection dialog: calls the panel's IP module directly (authorised
// PC, or "Not Autorized PC" with a password), asks up to four TCP receivers
// in turn to reach it, or hands a GSM call to the serial side. Ends with OK
// as soon as a link stands; both endings save what was typed.
class CRequestConnect : public QDialog {
  Q_OBJECT
 public:
  static constexpr quint16 kDefaultCallPort = kModulePort;
  static constexpr int kReceivers = 4;
  using Mode = ConnectAttempt::Mode;

  explicit CRequestConnect(QWidget* parent = nullptr);
  ~CRequestConnect() override;

  // The module port that attempts call (4700 unless changed).
  void setCallPort(quint16 port) { port_ = port; }
  quint16 callPort() const { return port_; }

  void done(int result) override;

  // The text shown for the code of a refused attempt.
  static QString resultText(int code);

 private:
  void buildLayout();
  void loadSettings();
  void saveSettings();
  void setTcpButtonsEnabled(bool enabled);

  void onDirectConnect();
  void onSearch();
  void onChange();
  void onGsmConnect();

  // Starts one attempt at target_ on port_; it ends in accept() or attemptFailed.
  void attempt(Mode mode);
  void attemptFailed(int code);
  // Tries the receivers from index `from` on; false when none is filled in.
  bool tryReceiversFrom(int from);

  // "Direct connection:"
  QCheckBox* notAuthorised_;
  QLineEdit* unit_;
  QLineEdit* directPassword_;
  QPushButton* directConnect_;
  // "Direct to GSM unit:"
  QLineEdit* phone_;
  QLineEdit* gsmPassword_;
  QComboBox* protocol_;
  QPushButton* gsmConnect_;
  // "Search on TCP Receivers:"
  QLineEdit* account_;
  QLineEdit* searchPassword_;
  QPushButton* change_;
  std::array<QLineEdit*, kReceivers> receivers_;
  QPushButton* search_;
  QPushButton* exit_;

  ConnectAttempt attempt_;
  QString target_;
  quint16 port_ = kDefaultCallPort;
  QString accountText_;
  bool searching_ = false;
  int receiverIndex_ = 0;
};

}  // namespace connection
