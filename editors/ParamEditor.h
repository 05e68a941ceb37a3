#pragma once

#include <optional>

#include "console/EditorDialog.h"
#include "editors/EditorTexts.h"
#include "core/parameters/ParamCodec.h"
#include "core/parameters/ParameterMap.h"
#include "platform/Timing.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace editors {

class EntityNumberField;

// What the options, value and list editors share: the entity selector, the
// read 1 ms after showing and on every change of entity, matching replies
// to the parameter, and Apply. A subclass adds its controls with setBody()
// and says which replies it takes, how it shows them and what Apply writes.
class ParamEditor : public console::EditorDialog {
  Q_OBJECT
 public:
  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) final;

  const params::MapRow& row() const { return row_; }
  // True once a reply has been shown; Apply writes nothing before.
  bool isLoaded() const { return loaded_; }
  QPushButton* applyButton() const { return apply_; }
  QPushButton* cancelButton() const { return cancel_; }
  // The number field and its label, or null for the other selectors.
  EntityNumberField* entityField() const { return field_; }
  QLabel* entityLabel() const { return fieldLabel_; }
  // "A" (area 1) or "B" (area 2) for area parameters, else null.
  QRadioButton* areaButton(int area) const { return area == 1 ? areaA_ : area == 2 ? areaB_ : nullptr; }

 protected:
  // fieldLabel replaces the kind's label beside the number field.
  ParamEditor(const params::MapRow& row, const QString& windowTitle, QWidget* parent,
              const QString& fieldLabel = {});

  // Adds the editor's own controls below the selector, then the buttons.
  // Call once, last in the subclass's constructor. Without applyOnEnter the
  // Enter key closes the editor and writes nothing.
  void setBody(QWidget* body, bool applyOnEnter);

  virtual bool takesReplyType(std::uint8_t type) const = 0;
  // Shows the value; false if the editor found nothing to show in it.
  virtual bool showReply(const params::Reply& reply) = 0;
  virtual void apply() = 0;
  // The user picked the other area; its read follows 1 ms later.
  virtual void areaChanging() {}

  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void read();
  // The entity the selector names, or nothing after telling the user why not.
  std::optional<std::uint8_t> selectedEntity();
  void onApply();

  params::MapRow row_;
  QVBoxLayout* layout_ = nullptr;
  EntityNumberField* field_ = nullptr;
  QLabel* fieldLabel_ = nullptr;
  QRadioButton* areaA_ = nullptr;
  QRadioButton* areaB_ = nullptr;
  QPushButton* apply_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool applyOnEnter_ = false;
  bool loaded_ = false;
  bool started_ = false;
  platform::OneShotTimer readTimer_{this};
};

}  // namespace editors
