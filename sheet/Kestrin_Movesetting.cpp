#include "sheet/Kestrin_Movesetting.h"

#include "res/resource.h"
#include "sheet/page_rules.h"

namespace sheet {
namespace {
// The acceleration radios, level code 2 first.
const int kLevelRadios[] = {IDC_ACCEL_OFF, IDC_ACCEL_SLOW, IDC_ACCEL_MEDIUM, IDC_ACCEL_HIGH};
static_assert(sizeof kLevelRadios / sizeof kLevelRadios[0] == kLastAccelerationLevel - kFirstAccelerationLevel + 1,
              "one radio per level");

int LevelOfRadio(int id) {
  for (int i = 0; i < 4; ++i)
    if (kLevelRadios[i] == id) return kFirstAccelerationLevel + i;
  return 0;
}
}  // namespace

Kestrin_Movesetting::Kestrin_Movesetting(SystemParameters& system) : fw::PropertyPage(IDD_MOVE), m_system(system) {}

BOOL Kestrin_Movesetting::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  m_speed.Attach(m_hWnd, IDC_POINTER_SPEED);
  m_nChosenLevel = 0;

  // A triple the platform did not give matches no level: any chosen one is written.
  m_opened.acceleration = {-1, -1, -1};
  const int level = m_system.MouseAcceleration(&m_opened.acceleration) ? AccelerationLevelOf(m_opened.acceleration) : 0;
  for (int id : kLevelRadios) ::CheckDlgButton(m_hWnd, id, LevelOfRadio(id) == level ? BST_CHECKED : BST_UNCHECKED);

  m_speed.SetRange(kPointerSpeedMin, kPointerSpeedMax, FALSE);
  m_speed.SetPos(m_system.MouseSpeed(), TRUE);
  // The position the slider can show: a speed outside 1..20 is rewritten only when the user moves it.
  m_opened.speed = m_speed.GetPos();
  m_opened.snap = m_system.SnapToDefaultButton();
  ::CheckDlgButton(m_hWnd, IDC_SNAP_DEFAULT, m_opened.snap ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

BOOL Kestrin_Movesetting::OnCommand(WORD id, WORD code, HWND) {
  if (code != BN_CLICKED) return FALSE;
  if (const int level = LevelOfRadio(id)) {
    m_nChosenLevel = level;
    SetModified(TRUE);
    return TRUE;
  }
  if (id == IDC_SNAP_DEFAULT) {
    SetModified(TRUE);
    return TRUE;
  }
  return FALSE;
}

LRESULT Kestrin_Movesetting::OnControlNotify(NMHDR* header) {
  if (header->idFrom == IDC_POINTER_SPEED && header->code == NM_RELEASEDCAPTURE) {
    SetModified(TRUE);
    return 0;
  }
  return Default();
}

void Kestrin_Movesetting::OnHScroll(UINT, UINT, HWND control) {
  // Every move of the slider, by keyboard too (which sends no released-capture
  // notification), is a change the user can apply.
  if (control && control == m_speed.GetSafeHwnd()) SetModified(TRUE);
}

BOOL Kestrin_Movesetting::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_MOUSEWHEEL) {
    m_speed.Invalidate(FALSE);
    SetModified(TRUE);
  }
  return fw::PropertyPage::PreTranslateMessage(msg);
}

BOOL Kestrin_Movesetting::OnApply() {
  const int speed = m_speed.GetPos();
  const bool snap = ::IsDlgButtonChecked(m_hWnd, IDC_SNAP_DEFAULT) == BST_CHECKED;
  const PointerWrites writes = PointerChanges(m_opened, speed, m_nChosenLevel, snap);
  if (writes.speed) m_system.SetMouseSpeed(m_opened.speed = speed);
  if (writes.acceleration) {
    m_opened.acceleration = *AccelerationOfLevel(m_nChosenLevel);
    m_system.SetMouseAcceleration(m_opened.acceleration);
  }
  if (writes.snap) m_system.SetSnapToDefaultButton(m_opened.snap = snap);
  return fw::PropertyPage::OnApply();
}

}  // namespace sheet
