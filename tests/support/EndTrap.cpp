// VB's End trapped as an exception for one test.
#include "tests/support/EndTrap.h"
#include "platform/vb/App.h"

namespace testsupport {

EndTrap::EndTrap()
{
    vb::App::SetEndHandler([this](int code) {
        ++calls_;
        throw ProgramEnded{code};
    });
}

EndTrap::~EndTrap()
{
    vb::App::SetEndHandler({});
}

} // namespace testsupport
