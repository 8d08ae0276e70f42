// What a button function does, as the exact list of primitive operations that the
// Win32 executor carries out. Everything observable (which events, in which order,
// with which flags) is decided here from the catalogue's rows, so the executor
// stays a thin loop over the list. Portable: no Windows headers.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "actions/catalogue.h"
#include "actions/input_ops.h"
#include "settings/schema.h"

namespace actions {

enum class Notification { Press, Release };

// Macro m presses its entries 10m..10m+4 in order, then releases 10m+5..10m+9
// in order; the stored tables' layout is the settings'.
using settings::ButtonTable;
using settings::MacroTable;

// Operations for function `code` on a press or release; nothing for an invalid code.
std::vector<Op> PlanForFunction(int code, Notification n, const MacroTable& macros);

// Whether the function holds its input between press and release.
bool HoldsInput(int code);

// Whether the foreground window may receive a post under `rule`, given its exact
// class name and whether it is minimised. Lets the executor apply the rule without
// deciding anything itself.
bool RuleAllowsWindow(ForegroundRule rule, const std::string& windowClass, bool minimised);

}  // namespace actions
