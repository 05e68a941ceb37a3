#include "tests/configurator/QuilbyTestRecords.h"

#include <QTest>

namespace quilbytest {

quilby::ModuleSettingsRecord SampleRecord() {
  using Text = quilby::ModuleSettingsRecord::Text;
  quilby::ModuleSettingsRecord r;
  auto& b = r.bytes();
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(0xC0 | (i & 0x3F));
  b[0] = 0xA5;
  b[1] = 0;
  b[2] = 0x12;
  b[3] = 0x34;
  r.setSubnetMask(0xFFFFF000u);
  r.setText(Text::IpAddress, "10.1.2.3");
  r.setText(Text::DefaultGateway, "10.1.0.1");
  r.setText(Text::DnsServer, "10.1.0.2");
  r.setText(Text::AuthorizedPc, "10.1.0.99");
  r.setText(Text::Receiver1, "rx-one.example:4700");
  r.setText(Text::Receiver2, "10.9.9.9");
  r.setText(Text::Receiver3, "");
  r.setText(Text::Receiver4, "0123456789");
  r.setText(Text::AccountNumber, "4321");
  r.setText(Text::Password, "Secret9");
  b[333] = 0xF1;  // non-authorised on, bits 4..7 unshown
  b[334] = 0x77;
  b[335] = 0x69;  // bits 0, 3, 5, 6 unshown; Ethernet off, System off, Ack not disabled
  b[336] = 0x88;
  b[337] = 'A';
  b[338] = 1;
  b[339] = 5;
  b[340] = 0x99;
  return r;
}

void Click(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void Retype(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, text);
}

}  // namespace quilbytest
