#pragma once
// The shared helpers, for units that want all of them.
#include "common/CodePage.h"
#include "common/ConfigStore.h"
#include "common/ContentId.h"
#include "common/DaysBefore.h"
#include "common/ErrorLog.h"
#include "common/ProgramHome.h"
#include "common/Scramble.h"
