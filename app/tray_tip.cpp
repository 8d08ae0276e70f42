#include "app/tray_tip.h"

#include "res/identity.h"

namespace app {

std::string TrayTip(const std::string& program) {
  std::string tip = ZYFO_TRAY_TIP;
  if (!program.empty()) tip += " – " + program;
  if (tip.size() >= kTrayTipBytes) tip.resize(kTrayTipBytes - 1);
  return tip;
}

}  // namespace app
