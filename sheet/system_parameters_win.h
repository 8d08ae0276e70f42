// The system parameters of the running platform (SystemParametersInfo).
#pragma once

#include "sheet/system_parameters.h"

namespace sheet {

// Stateless: every call goes to the platform, so one instance serves every page.
SystemParameters& PlatformSystemParameters();

}  // namespace sheet
