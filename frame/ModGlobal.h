#pragma once
// The program frame: program-wide values and procedures.
#include "frame/AccessLog.h"
#include "frame/Config.h"
#include "frame/Format.h"
#include "frame/ManejaError.h"
#include "frame/ProgramHooks.h"
#include "frame/QueryMasks.h"
#include "frame/SmallLookups.h"
#include "frame/Startup.h"
#include "frame/StatementBuilder.h"
