#include "frame/ProgramHooks.h"

LookupDriverSetup gConsultasSetup;

namespace {
std::function<void(const LookupDriverSetup&)>& lookupHook()
{
    static std::function<void(const LookupDriverSetup&)> hook;
    return hook;
}
std::function<void()>& noticeRelease()
{
    static std::function<void()> release;
    return release;
}
} // namespace

void SetLookupDriverHook(std::function<void(const LookupDriverSetup&)> hook) { lookupHook() = std::move(hook); }

void ConfigureLookupDriver(const LookupDriverSetup& setup)
{
    gConsultasSetup = setup;
    if (lookupHook())
        lookupHook()(setup);
}

void SetProgressNoticeRelease(std::function<void()> release) { noticeRelease() = std::move(release); }

void ReleaseProgressNotice()
{
    if (noticeRelease())
        noticeRelease()();
}
