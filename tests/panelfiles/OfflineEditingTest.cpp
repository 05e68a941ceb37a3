// Offline editing: a panel file opened into a panel held in the program,
// edited with the real editors, saved back; and which file commands each
// state of the keypad window offers.
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

#include "console/ProgramModeMenu.h"
#include "editors/CValueDlg.h"
#include "editors/ProgramEditors.h"
#include "core/panelfiles/PanelFile.h"
#include "panelfiles/PanelFileCommands.h"
#include "core/panelmodel/ParameterStore.h"
#include "tests/editors/EditorsTestSupport.h"
#include "tests/editors/RunEditor.h"

namespace {

using console::FileMenuItem;
using panelfiles::PanelImage;
using testseams::Boxes;
using testseams::Files;
using testseams::Times;
using testseams::WaitFor;

// A panel as it leaves the factory, as a panel file holds it.
PanelImage FactoryImage() {
  const sim::ParameterStore store;
  PanelImage image;
  image.softwareVersion = "2.10 [005]";
  for (int slot = 0; slot < static_cast<int>(panelfiles::AllSlots().size()); ++slot) {
    const panelfiles::Slot& s = panelfiles::AllSlots()[static_cast<std::size_t>(slot)];
    image.set(slot, *store.value(s.parameter->parameter, s.entity));
  }
  return image;
}

class ConnectedDialog : public QDialog {
 public:
  int exec() override { return Accepted; }
};

class OfflineEditing : public testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<console::CKeypadDlg>(QStringLiteral("Keyridge 1.00"));
    panel::PanelLink::instance().setMainWindow(window.get());
    editors::WireProgramModeEditors(*window);
    panelfiles::WirePanelFileCommands(*window);
    original = QByteArray::fromStdString(panelfiles::WritePanelFile(FactoryImage()));
    path = write(QStringLiteral("site.toml"), original);
  }
  void TearDown() override {
    panel::PanelLink::instance().setMainWindow(nullptr);
    panel::PanelLink::instance().closeCurrentConnection();
    window.reset();
  }
  QString write(const QString& name, const QByteArray& text) {
    const QString where = dir.filePath(name);
    QFile f(where);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return where;
  }
  static QByteArray read(const QString& where) {
    QFile f(where);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  QAction* command(const char* text) const { return window->commandAction(QString::fromUtf8(text)); }
  QAction* fileItem(FileMenuItem item) const { return window->programAction(console::FileMenuPath(item)); }
  bool open(const QString& file) {
    Files().answers = {file};
    command("Open panel file…")->trigger();
    return WaitFor([&] { return window->isProgramMode(); });
  }
  // The value editor of "Armed Exit Delay Time" for area A, typed into as a person would.
  void setExitDelayA(const QString& seconds, const QString& shown = QStringLiteral("60")) {
    const bool ran = editorstest::RunEditor<editors::CValueDlg>(
        window->programAction(QStringLiteral("Area|Armed Exit Delay Time")), [&](editors::CValueDlg* editor) {
          ASSERT_TRUE(WaitFor([&] { return editor->isLoaded(); }));
          EXPECT_EQ(editor->valueField()->text(), shown);
          editor->valueField()->clear();
          QTest::keyClicks(editor->valueField(), seconds);
          QTest::mouseClick(editor->applyButton(), Qt::LeftButton);
          ASSERT_TRUE(WaitFor([&] { return !editor->isPaused(); }));
          editor->reject();
        });
    EXPECT_TRUE(ran);
  }
  void exitFromInstall() { window->programAction(QStringLiteral("Exit from Install"))->trigger(); }

  QTemporaryDir dir;
  std::unique_ptr<console::CKeypadDlg> window;
  QByteArray original;
  QString path;
};

TEST_F(OfflineEditing, AModuleOnTheLineIsClosedOnlyWhenTheUserSaysSo) {
  testseams::RecordingConnection module;  // called in; the window does not count as connected yet
  panel::PanelLink::instance().setCurrentConnection(&module);
  Boxes().answers = {QMessageBox::No};
  Files().answers = {path};
  command("Open panel file…")->trigger();
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("A panel is on the line. Close its link and open a panel file?"));
  EXPECT_TRUE(Files().asked.empty());
  EXPECT_EQ(panel::PanelLink::instance().currentConnection(), &module);

  Boxes().answers = {QMessageBox::Yes};
  command("Open panel file…")->trigger();
  EXPECT_TRUE(WaitFor([&] { return window->isProgramMode(); }));
  EXPECT_NE(panel::PanelLink::instance().currentConnection(), &module);
}

TEST_F(OfflineEditing, EachStateOffersItsFileCommands) {
  QMenu* file = window->programMenuBar()->actions()[1]->menu();
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->title(), QStringLiteral("File"));
  QStringList texts;
  for (QAction* a : file->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
  EXPECT_EQ(texts, (QStringList{QStringLiteral("Save panel to file…"), QStringLiteral("Compare panel with file…"),
                                QStringLiteral("Write file to panel…"), QStringLiteral("Site history…"), QStringLiteral("-"),
                                QStringLiteral("Save panel file"), QStringLiteral("Save panel file as…")}));

  // Open, the three transfers, Save, Save as.
  using Expected = std::array<bool, 6>;
  const auto state = [&] {
    return Expected{command("Open panel file…")->isEnabled(),
                    fileItem(FileMenuItem::SaveToFile)->isEnabled(),
                    fileItem(FileMenuItem::CompareWithFile)->isEnabled(),
                    fileItem(FileMenuItem::WriteToPanel)->isEnabled(),
                    fileItem(FileMenuItem::SavePanelFile)->isEnabled(),
                    fileItem(FileMenuItem::SavePanelFileAs)->isEnabled()};
  };
  EXPECT_EQ(state(), (Expected{true, true, true, true, false, false})) << "no panel";

  ASSERT_TRUE(open(path));
  EXPECT_EQ(state(), (Expected{false, true, true, true, true, true})) << "panel file";
  exitFromInstall();
  ASSERT_TRUE(WaitFor([&] { return !window->isConnected(); }));
  EXPECT_EQ(state(), (Expected{true, true, true, true, false, false})) << "panel file closed";
  // A panel file that ends is no lost link: nothing offers to reconnect.
  EXPECT_TRUE(window->statusText().isEmpty()) << window->statusText().toStdString();

  testseams::RecordingConnection conn;
  panel::PanelLink::instance().setCurrentConnection(&conn);
  window->setConnectDialogFactory([](QWidget*) { return std::make_unique<ConnectedDialog>(); });
  command("Connect")->trigger();
  const std::uint8_t programMode[] = {0x1F, 0x07, 0x02, 0x00, 0x7E};
  window->handlePanelFrame(programMode, sizeof programMode);
  EXPECT_EQ(window->modeText(), QStringLiteral("Program mode"));
  EXPECT_EQ(state(), (Expected{false, true, true, true, false, false})) << "panel on a link";
  panel::PanelLink::instance().setCurrentConnection(nullptr);
}

TEST_F(OfflineEditing, AValueChangedInItsEditorIsSavedAsExactlyThatLine) {
  ASSERT_TRUE(open(path));
  EXPECT_EQ(window->modeText(), QStringLiteral("Program mode - site.toml"));
  EXPECT_EQ(window->versionText(), QStringLiteral("2.10 [005]"));
  EXPECT_TRUE(window->isConnected());
  // The held panel's clock runs, a second at a time.
  const QString clock = window->clockText();
  ASSERT_TRUE(WaitFor([&] { return window->clockText() != clock; }));
  EXPECT_NE(std::find(Times().timers.begin(), Times().timers.end(), 1000), Times().timers.end());

  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  setExitDelayA(QStringLiteral("45"));
  fileItem(FileMenuItem::SavePanelFile)->trigger();
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].text, QStringLiteral("2332 parameter(s) saved to %1.").arg(path));
  Boxes().shown.clear();
  // Saved over a file others could read, it is its owner's alone now.
  EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

  const QList<QByteArray> before = original.split('\n');
  const QList<QByteArray> after = read(path).split('\n');
  ASSERT_EQ(after.size(), before.size());
  QList<QByteArray> changed;
  for (qsizetype i = 0; i < before.size(); ++i)
    if (before[i] != after[i]) changed << before[i] << after[i];
  EXPECT_EQ(changed, (QList<QByteArray>{"\"P60 area A\" = 60  # Area > Armed Exit Delay Time",
                                        "\"P60 area A\" = 45  # Area > Armed Exit Delay Time"}));

  // Saved: leaving asks nothing and ends the panel file.
  exitFromInstall();
  ASSERT_TRUE(WaitFor([&] { return !window->isConnected(); }));
  EXPECT_TRUE(Boxes().shown.empty());
  EXPECT_EQ(window->modeText(), QStringLiteral("Disconnect"));
  EXPECT_EQ(panel::PanelLink::instance().currentConnection()->isOpen(), false);
}

TEST_F(OfflineEditing, LeavingWithChangesAsksToSaveThem) {
  ASSERT_TRUE(open(path));
  setExitDelayA(QStringLiteral("45"));

  // Cancel stays; Discard leaves the file as it was.
  Boxes().answers = {QMessageBox::Cancel};
  exitFromInstall();
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_EQ(Boxes().shown[0].text,
            QStringLiteral("The panel held in the program has changes that are not in site.toml. Save them?"));
  EXPECT_TRUE(window->isProgramMode());
  Boxes().answers = {QMessageBox::Discard};
  exitFromInstall();
  ASSERT_TRUE(WaitFor([&] { return !window->isConnected(); }));
  EXPECT_EQ(read(path), original);
  EXPECT_EQ(Boxes().shown.size(), 2u);  // asked once on the way out, not again as it ended

  // Closing the window with changes, answered Save, saves them first.
  ASSERT_TRUE(open(path));
  setExitDelayA(QStringLiteral("44"));
  Boxes().answers = {QMessageBox::Save};
  window->close();
  EXPECT_TRUE(read(path).contains("\"P60 area A\" = 44  #"));
  EXPECT_EQ(Boxes().shown.back().text, QStringLiteral("2332 parameter(s) saved to %1.").arg(path));
  EXPECT_FALSE(window->isConnected());

  // The held panel leaving program mode by itself (the exit typed in the debug window) still asks.
  write(QStringLiteral("site.toml"), original);
  window->show();
  ASSERT_TRUE(open(path));
  setExitDelayA(QStringLiteral("43"));
  Boxes().shown.clear();
  Boxes().answers = {QMessageBox::Save};
  window->frameRequest(panel::LeaveProgramMode());
  ASSERT_TRUE(WaitFor([&] { return !window->isConnected(); }));
  ASSERT_EQ(Boxes().shown.size(), 2u);  // the question, then where it went
  EXPECT_TRUE(read(path).contains("\"P60 area A\" = 43  #"));
}

TEST_F(OfflineEditing, AValueHoldingTheDelimiterByteReachesItsEditor) {
  // 126 s is 0x7E: over TCP its reply would be cut short; offline no TCP is involved.
  QByteArray text = original;
  text.replace("\"P60 area A\" = 60  #", "\"P60 area A\" = 126  #");
  ASSERT_TRUE(open(write(QStringLiteral("delimiter.toml"), text)));
  setExitDelayA(QStringLiteral("125"), QStringLiteral("126"));
}

TEST_F(OfflineEditing, SaveAsNamesTheNewFileAndAFileThatCannotBeWrittenIsSaidSo) {
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(open(path));
  Files().answers = {dir.filePath(QStringLiteral("missing/copy.toml"))};
  fileItem(FileMenuItem::SavePanelFileAs)->trigger();
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_TRUE(Boxes().shown[0].text.startsWith(QStringLiteral("The panel file ")));
  EXPECT_TRUE(Boxes().shown[0].text.contains(QStringLiteral("missing/copy.toml")));
  EXPECT_EQ(window->modeText(), QStringLiteral("Program mode - site.toml"));

  const QString copy = dir.filePath(QStringLiteral("copy.toml"));
  Files().answers = {copy};
  fileItem(FileMenuItem::SavePanelFileAs)->trigger();
  EXPECT_EQ(Files().asked.back().defaultSuffix, QStringLiteral("toml"));
  EXPECT_EQ(read(copy), original);
  EXPECT_EQ(Boxes().shown.back().text, QStringLiteral("2332 parameter(s) saved to %1.").arg(copy));
  // It holds every code of the panel: its owner's alone, whatever the umask.
  EXPECT_EQ(QFile::permissions(copy), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
  EXPECT_EQ(window->modeText(), QStringLiteral("Program mode - copy.toml"));
  ::umask(mask);
}

TEST_F(OfflineEditing, ARefusedFileIsNotOpened) {
  Files().answers = {write(QStringLiteral("bad.toml"), "format = 1\n[parameters]\n\"P60 area A\" = 300\n")};
  command("Open panel file…")->trigger();
  ASSERT_EQ(Boxes().shown.size(), 1u);
  EXPECT_TRUE(Boxes().shown[0].text.contains(QStringLiteral("line 3: ")));
  EXPECT_FALSE(window->isConnected());
  EXPECT_EQ(panel::PanelLink::instance().currentConnection(), nullptr);
  EXPECT_TRUE(command("Open panel file…")->isEnabled());
}

}  // namespace
