#pragma once

#include <QString>

#include "core/link/ModuleSettingsRecord.h"

namespace quilby {

// What quilby's sockets ask of the window. The record is lent for editing
// in place and stays valid until the next clearAndDisable().
class ModuleView {
 public:
  virtual void showRecord(ModuleSettingsRecord& record) = 0;
  virtual void clearAndDisable() = 0;
  virtual void setTitle(const QString& title) = 0;
  // The connection ended after the record went back: the window should close.
  virtual void requestClose() = 0;

 protected:
  ~ModuleView() = default;
};

}  // namespace quilby
