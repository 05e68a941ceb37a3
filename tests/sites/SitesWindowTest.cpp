// The "Sites" window as a person uses it, by keyboard and mouse, on a real
// list and a real (private) keyring.
#include <QCheckBox>
#include <QComboBox>
#include <QTableView>

#include "sites/widgets/SiteEditDlg.h"
#include "sites/widgets/SitesDlg.h"
#include "sites/widgets/SitesModel.h"
#include "tests/sites/SitesFixture.h"
#include "tests/support/Accessibility.h"
#include "tests/support/PrivateKeyring.h"

namespace sitestest {
namespace {

using sites::Secret;
using sites::Site;
using sites::SiteEditDlg;
using testseams::WhenModal;

Site Direct(const char* name, const char* address) {
  Site site;
  site.name = QString::fromUtf8(name);
  site.address = QString::fromLatin1(address);
  return site;
}

QStringList ShownNames(sites::SitesDlg& window) {
  QStringList names;
  for (int row = 0; row < window.model()->rowCount(); ++row) names << window.model()->site(row).name;
  return names;
}

class SitesWindow : public SitesFixture {};

TEST_F(SitesWindow, ATypedNameNarrowsTheTableWhichTheKeyboardReachesAndEnterConnects) {
  addSite(Direct("Shop", "10.0.0.1"));
  Site barn = Direct("Barn", "10.0.0.2");
  barn.account = QStringLiteral("0815");
  barn = addSite(barn);
  addSite(Direct("Bakery", "10.0.0.3"));
  sites::SitesDlg window;
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(ShownNames(window), (QStringList{"Bakery", "Barn", "Shop"}));
  EXPECT_EQ(testseams::TabOrder(&window),
            (QStringList{"search", "sites", "connect", "add", "edit", "duplicate", "delete", "history", "close"}));
  testseams::ExpectLabelledFields(&window, {{"search", QStringLiteral("Search:")}});
  testseams::ExpectEveryControlNamed(&window);

  QTest::keyClicks(window.searchField(), QStringLiteral("ba"));
  EXPECT_EQ(ShownNames(window), (QStringList{"Bakery", "Barn"}));
  window.searchField()->clear();
  QTest::keyClicks(window.searchField(), QStringLiteral("081"));  // the account
  EXPECT_EQ(ShownNames(window), (QStringList{"Barn"}));
  window.searchField()->clear();
  QTest::keyClicks(window.searchField(), QStringLiteral("%"));  // no wildcard: nobody's name holds it
  EXPECT_TRUE(ShownNames(window).isEmpty());

  window.searchField()->clear();
  QTest::keyClicks(window.searchField(), QStringLiteral("ba"));
  QTest::keyClick(window.searchField(), Qt::Key_Down);
  EXPECT_TRUE(window.table()->hasFocus());
  QTest::keyClick(window.table(), Qt::Key_Down);
  QTest::keyClick(window.table(), Qt::Key_Return);
  EXPECT_EQ(window.result(), QDialog::Accepted);
  ASSERT_TRUE(window.chosenSite());
  EXPECT_EQ(*window.chosenSite(), barn);
}

// Add, rename, duplicate and delete from the window: the list and the
// keyring follow each step, and a name in use is refused.
TEST_F(SitesWindow, SecretsStayWithTheirSiteThroughAddRenameDuplicateAndDelete) {
  addSite(Direct("Barn", "10.0.0.2"));
  sites::SitesDlg window;
  window.show();

  WhenModal<SiteEditDlg>([&](SiteEditDlg* editor) {
    testseams::ExpectLabelledFields(editor, {{"name", QStringLiteral("Name:")},
                                             {"account", QStringLiteral("Account:")},
                                             {"route", QStringLiteral("Route:")},
                                             {"unit", QStringLiteral("Unit:")},
                                             {"port", QStringLiteral("Port:")},
                                             {"modulePassword", QStringLiteral("Password: ")},
                                             {"installerCode", QStringLiteral("Installer code:")},
                                             {"notes", QStringLiteral("Notes:")}});
    type(*editor, "name", QStringLiteral("Barn"));  // taken
    type(*editor, "unit", QStringLiteral("10.0.0.9"));
    editor->findChild<QCheckBox*>(QStringLiteral("notAuthorised"))->setChecked(true);
    type(*editor, "modulePassword", QStringLiteral("installer1"));
    type(*editor, "installerCode", QStringLiteral("2468"));
    editor->accept();
    EXPECT_TRUE(editor->isVisible());
    type(*editor, "name", QStringLiteral("Shop"));
    editor->accept();
  });
  click(window, "add");
  ASSERT_EQ(testseams::Boxes().shown.size(), 1u);
  EXPECT_EQ(testseams::Boxes().shown[0].text, QStringLiteral("A site named “Barn” exists already."));
  EXPECT_EQ(ShownNames(window), (QStringList{"Barn", "Shop"}));
  EXPECT_EQ(secret(QStringLiteral("Shop"), Secret::ModulePassword), QStringLiteral("installer1"));
  EXPECT_EQ(secret(QStringLiteral("Shop"), Secret::InstallerCode), QStringLiteral("2468"));

  // The new site is selected; renaming it takes its secrets along.
  sites::SecretStore::instance().writeNow(sites::SecretKey(QStringLiteral("Shop"), Secret::UserCode), QStringLiteral("1234"));
  WhenModal<SiteEditDlg>([&](SiteEditDlg* editor) {
    type(*editor, "name", QStringLiteral("Shop north"));
    editor->accept();
  });
  click(window, "edit");
  EXPECT_EQ(ShownNames(window), (QStringList{"Barn", "Shop north"}));
  ASSERT_TRUE(testseams::WaitFor([&] { return secret(QStringLiteral("Shop"), Secret::UserCode).isEmpty(); }));
  EXPECT_EQ(secret(QStringLiteral("Shop north"), Secret::ModulePassword), QStringLiteral("installer1"));
  EXPECT_EQ(secret(QStringLiteral("Shop north"), Secret::UserCode), QStringLiteral("1234"));
  EXPECT_TRUE(secret(QStringLiteral("Shop"), Secret::ModulePassword).isEmpty());

  // A copy is another panel: the route and its secrets, not the codes remembered at it.
  WhenModal<SiteEditDlg>([&](SiteEditDlg* editor) {
    testseams::WaitFor([&] { return !editor->findChild<QLineEdit*>(QStringLiteral("installerCode"))->text().isEmpty(); });
    EXPECT_EQ(editor->findChild<QLineEdit*>(QStringLiteral("name"))->text(), QStringLiteral("Shop north (copy)"));
    editor->accept();
  });
  click(window, "duplicate");
  EXPECT_EQ(ShownNames(window), (QStringList{"Barn", "Shop north", "Shop north (copy)"}));
  EXPECT_EQ(secret(QStringLiteral("Shop north (copy)"), Secret::ModulePassword), QStringLiteral("installer1"));
  EXPECT_EQ(secret(QStringLiteral("Shop north (copy)"), Secret::InstallerCode), QStringLiteral("2468"));
  EXPECT_TRUE(secret(QStringLiteral("Shop north (copy)"), Secret::UserCode).isEmpty());

  testseams::Boxes().answers = {QMessageBox::No, QMessageBox::Yes};
  click(window, "delete");
  EXPECT_EQ(ShownNames(window).size(), 3);
  click(window, "delete");
  EXPECT_EQ(testseams::Boxes().shown.back().text,
            QStringLiteral("Delete the site “Shop north (copy)”? Its passwords and codes leave the keyring as well, and its history is deleted with it."));
  EXPECT_EQ(ShownNames(window), (QStringList{"Barn", "Shop north"}));
  EXPECT_TRUE(testseams::WaitFor([&] { return secret(QStringLiteral("Shop north (copy)"), Secret::ModulePassword).isEmpty(); }));
}

}  // namespace
}  // namespace sitestest
