#pragma once

#include "tools/ToolCommands.h"

// qvftool holidays: lists the holiday packs, a region's holidays of a year, or adds a
// region's holidays to a calendar file.
ToolCommand holidaysCommand();
