#pragma once

#include <array>
#include <cstdint>

#include "console/EditorDialog.h"

class QPushButton;
class QTabBar;

namespace editors {

class CheckBoxRow;
class EntityNumberField;

// "Output Options": five option bytes per output, one per tab, written as
// toggles when the user leaves the tab or the output or closes; and the
// output's "Un-map" command.
class COutputDlg : public console::EditorDialog {
  Q_OBJECT
 public:
  explicit COutputDlg(QWidget* parent = nullptr);

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;
  // The panel has left program mode or the link is gone: toggles written
  // now would reach the panel as keypad presses, so they are dropped.
  void closeRequest() override;
  void done(int result) override;

  EntityNumberField* outputField() const { return output_; }
  QTabBar* tabs() const { return tabs_; }
  CheckBoxRow* boxes() const { return boxes_; }
  QPushButton* unmapButton() const { return unmap_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::uint8_t tabParameter() const;
  void outputChanged();
  void tabChanged(int index);
  void load();
  void writePending();
  void unmap();
  void updateUnmapButton();

  EntityNumberField* output_;
  QTabBar* tabs_;
  CheckBoxRow* boxes_;
  QPushButton* unmap_;

  int shownTab_ = 0;
  std::uint8_t currentOutput_ = 1;
  std::array<std::uint8_t, 5> cached_{};
  bool pending_ = false;
  // The boxes show a reply for currentOutput_ (since the field last changed).
  bool shown_ = false;
  bool unmapping_ = false;
  bool linkGone_ = false;  // the keypad window closed the editor: nothing more is sent
  bool started_ = false;
};

}  // namespace editors
