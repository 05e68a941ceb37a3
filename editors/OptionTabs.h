#pragma once

#include <QWidget>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/parameters/ParameterMap.h"

class QLabel;
class QTabBar;

namespace editors {

class CheckBoxRow;

// One tab of option bits: its text, the parameter it shows, the texts of
// its eight boxes and the comment line shown above them once the user has
// changed tab (empty for none).
struct OptionTab {
  std::string_view text;
  std::uint8_t parameter;
  const params::LabelTable* labels;
  std::string_view comment;
};

// A tab control over one row of eight option boxes that show the option
// byte of the selected tab's parameter.
class OptionTabs : public QWidget {
  Q_OBJECT
 public:
  OptionTabs(std::span<const OptionTab> tabs, Qt::Orientation boxes, QWidget* parent = nullptr);

  // The tab whose parameter the boxes belong to.
  int shownTab() const { return shown_; }
  std::uint8_t shownParameter() const { return tabs_[static_cast<std::size_t>(shown_)].parameter; }
  // The boxes show value and are enabled when parameter is the shown tab's.
  bool showValue(std::uint8_t parameter, std::uint8_t value);

  QTabBar* tabBar() const { return bar_; }
  CheckBoxRow* boxes() const { return boxes_; }
  QLabel* comment() const { return comment_; }

 signals:
  // The selection moves away from tab; the boxes still belong to it.
  void tabLeaving(int tab);
  // The boxes now carry tab's texts (and the comment line its comment).
  void tabShown(int tab);

 private:
  void selectionChanged(int index);

  std::span<const OptionTab> tabs_;
  int shown_ = 0;
  QTabBar* bar_;
  QLabel* comment_;
  CheckBoxRow* boxes_;
};

}  // namespace editors
