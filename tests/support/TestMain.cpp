// Process set-up shared by every test executable.
#include "tests/support/TestMain.h"

namespace testsupport {

void PrepareTestProcess()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace testsupport
