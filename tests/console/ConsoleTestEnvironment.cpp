#include "tests/console/ConsoleTestSupport.h"

static testing::Environment* const kPrivateConfig =
    testing::AddGlobalTestEnvironment(new consoletest::PrivateConfigEnvironment);
