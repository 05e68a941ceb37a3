// The PC password: its store's results and the change-password dialog.
#include <QDir>
#include <cerrno>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "core/link/AccessPasswordBytes.h"
#include "console/AccessPasswordStore.h"
#include "console/CChPassDlg.h"
#include "tests/console/ConsoleTestSupport.h"
#include "tests/support/Accessibility.h"

using console::AccessPasswordStore;
using console::kNoAccessPassword;

namespace {

class PasswordStore : public testing::Test {
 protected:
  QByteArray timeset() {
    QSettings file(store.filePath(), QSettings::IniFormat);
    return file.value(QStringLiteral("CLSID/{2FEC9B40-459E-423B-B677-ACE9191EC33E}/TIMESET")).toByteArray();
  }
  QTemporaryDir dir;
  AccessPasswordStore store{dir.path() + QStringLiteral("/Vell/tarnel-access.conf")};
};

TEST_F(PasswordStore, NothingStoredAnswersNoPasswordAndStoresTheEmptyOne) {
  ASSERT_TRUE(store.open());
  EXPECT_EQ(store.verify("anything"), kNoAccessPassword);
  EXPECT_EQ(timeset().size(), 8);
  EXPECT_EQ(store.verify(""), kNoAccessPassword);
}

TEST_F(PasswordStore, PasswordsShorterThanSevenCountAsNone) {
  ASSERT_TRUE(store.open());
  ASSERT_EQ(store.store("abcdef"), 0);
  EXPECT_EQ(store.verify("abcdef"), kNoAccessPassword);
  ASSERT_EQ(store.store("abcdefg"), 0);
  EXPECT_EQ(store.verify("abcdefg"), 0);
}

TEST_F(PasswordStore, StoringTwiceGivesFreshBytesAndBothVerify) {
  ASSERT_TRUE(store.open());
  ASSERT_EQ(store.store("correct horse"), 0);
  const QByteArray first = timeset();
  EXPECT_EQ(store.verify("correct horse"), 0);
  ASSERT_EQ(store.store("correct horse"), 0);  // within the same second
  const QByteArray second = timeset();
  EXPECT_NE(first, second);
  EXPECT_EQ(first.size(), 8 + 13);
  EXPECT_EQ(store.verify("correct horse"), 0);
  EXPECT_NE(store.verify("correct horsf"), 0);
  EXPECT_NE(store.verify("Correct horse"), kNoAccessPassword);
  // The plain text is nowhere in the file.
  QFile raw(store.filePath());
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_FALSE(raw.readAll().contains("correct horse"));
}

TEST_F(PasswordStore, FileIsForItsOwnerOnly) {
  ASSERT_TRUE(store.open());
  ASSERT_EQ(store.store("owner-only"), 0);
  EXPECT_EQ(QFile::permissions(store.filePath()) & ~(QFile::ReadUser | QFile::WriteUser),
            QFile::ReadOwner | QFile::WriteOwner);
  const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
  EXPECT_EQ(QFile::permissions(store.filePath()) & others, QFile::Permissions());
}

TEST_F(PasswordStore, UnwritablePlaceGivesAnErrorCodeNotSuccess) {
  // A folder where the file should be: not even root can write it.
  AccessPasswordStore blocked(dir.path() + QStringLiteral("/blocked"));
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("blocked")));
  EXPECT_FALSE(blocked.open());
  const int stored = blocked.store("whatever1");
  EXPECT_NE(stored, 0);
  EXPECT_NE(stored, kNoAccessPassword);
  const int verified = blocked.verify("whatever1");
  EXPECT_NE(verified, 0);
  EXPECT_NE(verified, kNoAccessPassword);
}

class ChangePassword : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(store.open());
    console::g_strPcPassword.clear();
  }
  // Fills the three fields as a person would and presses OK.
  int submit(console::CChPassDlg& dialog, const QString& oldPw, const QString& newPw, const QString& confirm) {
    int result = -1;
    // Each call listens only for its own press of OK: result lives on this frame.
    const QMetaObject::Connection listening =
        QObject::connect(&dialog, &QDialog::finished, [&](int r) { result = r; });
    dialog.show();
    if (dialog.oldField()->isEnabled()) QTest::keyClicks(dialog.oldField(), oldPw);
    QTest::keyClicks(dialog.newField(), newPw);
    QTest::keyClicks(dialog.confirmField(), confirm);
    dialog.accept();
    QObject::disconnect(listening);
    return result;
  }
  QTemporaryDir dir;
  AccessPasswordStore store{dir.path() + QStringLiteral("/Vell/tarnel-access.conf")};
};

TEST_F(ChangePassword, FieldsAreNamedByTheirLabelsInTabOrder) {
  console::CChPassDlg dialog(store, nullptr);
  testseams::ExpectLabelledFields(&dialog, {{"oldPassword", QStringLiteral("Old password:")},
                                            {"newPassword", QStringLiteral("New password:")},
                                            {"confirmation", QStringLiteral("Confirmation:")}});
  const QStringList order = testseams::TabOrder(&dialog);
  ASSERT_GE(order.size(), 3);
  EXPECT_EQ(order.mid(0, 3), QStringList({"oldPassword", "newPassword", "confirmation"}));
}

TEST_F(ChangePassword, WithNoPasswordTheOldFieldIsOffAndEightCharactersAreEnough) {
  console::CChPassDlg dialog(store, nullptr);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("New password"));
  EXPECT_FALSE(dialog.oldField()->isEnabled());
  EXPECT_EQ(submit(dialog, QString(), QStringLiteral("12345678"), QStringLiteral("12345678")), QDialog::Accepted);
  EXPECT_TRUE(testseams::Boxes().shown.empty());
  EXPECT_EQ(store.verify("12345678"), 0);
  EXPECT_EQ(console::g_strPcPassword, QStringLiteral("12345678"));
}

TEST_F(ChangePassword, RefusesWrongOldShortNewAndMismatchInThatOrder) {
  ASSERT_EQ(store.store("oldsecret"), 0);
  console::CChPassDlg dialog(store, nullptr);
  EXPECT_TRUE(dialog.oldField()->isEnabled());
  EXPECT_EQ(submit(dialog, QStringLiteral("wrongpass"), QStringLiteral("1234567"), QStringLiteral("x")), -1);
  dialog.oldField()->setText(QStringLiteral("oldsecret"));
  dialog.accept();
  dialog.newField()->setText(QStringLiteral("newsecret"));
  dialog.accept();
  dialog.confirmField()->setText(QStringLiteral("newsecret"));
  dialog.accept();

  const auto& boxes = testseams::Boxes().shown;
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].text, QStringLiteral("Access Denied"));
  EXPECT_EQ(boxes[1].text, QStringLiteral("A password must be more than 8 characters"));
  EXPECT_EQ(boxes[2].text, QStringLiteral("The password was not correct confirmed.\n"
                                          "Please ensure that password and confirmation match exactly."));
  for (const auto& box : boxes) {
    EXPECT_EQ(box.caption, QStringLiteral("Password"));
    EXPECT_EQ(box.kind, platform::MessageBoxes::Kind::Critical);
  }
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(store.verify("newsecret"), 0);
}

TEST_F(ChangePassword, FailedStoreIsShownAndTheDialogStaysOpen) {
  // Reads work, the write fails (a full disk, say).
  class FailingStore : public AccessPasswordStore {
   public:
    using AccessPasswordStore::AccessPasswordStore;
    int store(const std::string&) override { return EIO; }
  } failing{dir.path() + QStringLiteral("/failing.conf")};
  console::CChPassDlg dialog(failing, nullptr);
  EXPECT_EQ(submit(dialog, QString(), QStringLiteral("brandnew1"), QStringLiteral("brandnew1")), -1);
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_FALSE(testseams::Boxes().shown.empty());
  EXPECT_EQ(testseams::Boxes().shown.back().caption, QStringLiteral("Password"));
  EXPECT_TRUE(console::g_strPcPassword.isEmpty());
}

}  // namespace
