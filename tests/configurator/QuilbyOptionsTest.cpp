#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "configurator/QuilbyOptions.h"

namespace {

using quilby::LoadQuilbyOptions;

QStringList Args(std::initializer_list<const char*> rest) {
  QStringList args{QStringLiteral("quilby")};
  for (const char* a : rest) args << QString::fromLatin1(a);
  return args;
}

TEST(QuilbyOptions, DefaultsArePort4700AndQuilbysOwnConstants) {
  QString error;
  const auto options = LoadQuilbyOptions(Args({}), nullptr, &error);
  ASSERT_TRUE(options) << error.toStdString();
  EXPECT_EQ(options->port, 4700);
  EXPECT_EQ(options->constants, (panel::DerivationConstants{0xA833982B, 0x32583499, 0xF4ACFB13, 0x5D6DCB55}));
}

TEST(QuilbyOptions, CommandLineWinsOverSettings) {
  QTemporaryDir dir;
  QSettings settings(dir.filePath(QStringLiteral("quilby.ini")), QSettings::IniFormat);
  settings.setValue(QStringLiteral("Module/Port"), 4800);
  settings.setValue(QStringLiteral("Module/K1"), QStringLiteral("0x11111111"));
  settings.setValue(QStringLiteral("Module/K2"), QStringLiteral("286331153"));  // 0x11111111

  QString error;
  auto options = LoadQuilbyOptions(Args({}), &settings, &error);
  ASSERT_TRUE(options) << error.toStdString();
  EXPECT_EQ(options->port, 4800);
  EXPECT_EQ(options->constants.k1, 0x11111111u);
  EXPECT_EQ(options->constants.k2, 0x11111111u);
  EXPECT_EQ(options->constants.k3, 0xF4ACFB13u);

  options = LoadQuilbyOptions(Args({"--port", "5000", "--k1", "0x22", "--k4", "0xFFFFFFFF"}),
                              &settings, &error);
  ASSERT_TRUE(options) << error.toStdString();
  EXPECT_EQ(options->port, 5000);
  EXPECT_EQ(options->constants.k1, 0x22u);
  EXPECT_EQ(options->constants.k4, 0xFFFFFFFFu);

  options = LoadQuilbyOptions(Args({"--constants", "1,2,a,FFFFFFFF"}), nullptr, &error);
  ASSERT_TRUE(options) << error.toStdString();
  EXPECT_EQ(options->constants, (panel::DerivationConstants{1, 2, 10, 0xFFFFFFFFu}));
}

TEST(QuilbyOptions, BadValuesAreRefusedWithAReason) {
  QString error;
  for (auto args : {Args({"--port", "0"}), Args({"--port", "70000"}), Args({"--port", "x"}),
                    Args({"--k2", "0x100000000"}), Args({"--constants", "1,2,3"}),
                    Args({"--bogus"}), Args({"stray"})}) {
    error.clear();
    EXPECT_FALSE(LoadQuilbyOptions(args, nullptr, &error)) << args.join(' ').toStdString();
    EXPECT_FALSE(error.isEmpty());
  }
}

}  // namespace
