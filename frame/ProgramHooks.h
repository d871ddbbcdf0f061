#pragma once
// Program-wide objects of libraries built on top of the frame (the lookup driver, the
// progress notice) are reached at start-up and shutdown through hooks those libraries
// install, so that the frame does not depend on them.
#include <QString>
#include <functional>

// What start-up hands the lookup driver `gConsultas`.
struct LookupDriverSetup {
    QString gConnString;
    bool gUsarMascarasConsultas = false;
    QString gRutaMascaraConsultas;
};

// The last settings handed to the lookup driver (also read by CreaMascarasConsultas).
extern LookupDriverSetup gConsultasSetup;

// The lookup library installs the function that copies the settings into gConsultas.
void SetLookupDriverHook(std::function<void(const LookupDriverSetup&)> hook);
// Start-up: records the settings and hands them to the lookup driver when one is installed.
void ConfigureLookupDriver(const LookupDriverSetup& setup);

// The progress-notice library installs the function that releases gDisplay.
void SetProgressNoticeRelease(std::function<void()> release);
void ReleaseProgressNotice();
