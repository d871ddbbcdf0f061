#pragma once
// The number of the run-time error a statement raises; 0 when it raises none.
#include "platform/vb/VbError.h"

#include <functional>

namespace testsupport {

inline int ErrorOf(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const vb::VbError& e) {
        return e.Number;
    }
    return 0;
}

} // namespace testsupport
