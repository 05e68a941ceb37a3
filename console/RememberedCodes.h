#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace console {

// Where the code dialog keeps the codes ticked "Remember" (in tarnel: the
// desktop keyring, for the site connected). With none installed nothing is
// remembered and "Remember" is offered greyed.
class RememberedCodes {
 public:
  virtual ~RememberedCodes() = default;

  // Hands done the code remembered under title ("User", "Installer"), empty
  // when there is none. It may answer later, and never once context is gone.
  virtual void recall(const QString& title, QObject* context, std::function<void(const QString&)> done) = 0;
  // Keeps code under title; an empty code forgets the one kept.
  virtual void remember(const QString& title, const QString& code) = 0;
  // False where nothing can be kept (no keyring).
  virtual bool canRemember() const = 0;

  static RememberedCodes* current();
  // Not owned; nullptr removes it.
  static void install(RememberedCodes* codes);
};

}  // namespace console
