#include "sheet/Kestrin_ButtonSetting.h"

#include "actions/catalogue.h"
#include "framework/win_app_win.h"
#include "res/resource.h"
#include "sheet/doubleclick_speed.h"

namespace sheet {
namespace {
// List control of each button slot.
const int kListIds[6] = {IDC_FUNC_LEFT, IDC_FUNC_WHEEL, IDC_FUNC_RIGHT, IDC_FUNC_FOURTH, IDC_FUNC_FIFTH, IDC_FUNC_SIXTH};
// The clip has 21 frames (0..20); from frame 15 on it shows the reaction to a
// double click. The animation control refuses an end frame past the clip's
// last one, so the loop ends at frame 20.
constexpr UINT kReactionFirstFrame = 15;
constexpr UINT kReactionLastFrame = 20;
constexpr UINT kRepeatForever = static_cast<UINT>(-1);
}  // namespace

Kestrin_ButtonSetting::Kestrin_ButtonSetting(settings::SettingsModel& settings)
    : fw::PropertyPage(IDD_BUTTONS), m_settings(settings) {}

BOOL Kestrin_ButtonSetting::OnInitDialog() {
  fw::PropertyPage::OnInitDialog();
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot) {
    m_lists[slot].Attach(m_hWnd, kListIds[slot]);
    m_lists[slot].ResetContent();
    for (int code = 0; code < actions::kFunctionCount; ++code)
      m_lists[slot].AddString(actions::ListText(code, slot == actions::kSixthSlot));
  }
  m_animation.Attach(m_hWnd, IDC_DBLCLK_CLIP);
  m_speed.Attach(m_hWnd, IDC_DBLCLK_SLIDER);

  SelectCodes();
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot)
    m_openedCodes[static_cast<std::size_t>(slot)] = m_lists[slot].GetCurSel();
  m_speed.SetRange(kSliderMin, kSliderMax, FALSE);
  m_speed.SetPos(SliderFromTime(::GetDoubleClickTime()));
  m_openedSpeedPos = m_speed.GetPos();
  m_nAnimating = 0;
  m_animation.Open(fw::ResourceInstance(), IDR_DOUBLECLICK_CLIP);
  // Shows the first frame where the control would otherwise stay blank until played (Wine).
  m_animation.Play(0, 0, 1);
  return TRUE;
}

void Kestrin_ButtonSetting::SelectCodes() {
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot) {
    const int code = m_settings.ButtonFunc(slot);
    m_lists[slot].SetCurSel(actions::IsValidCode(code) ? code : -1);
  }
}

BOOL Kestrin_ButtonSetting::OnCommand(WORD id, WORD code, HWND) {
  if (id == IDC_DEFAULTS && code == BN_CLICKED) {
    OnDefaults();
    return TRUE;
  }
  if (code == CBN_SELCHANGE) {
    for (int listId : kListIds) {
      if (listId == id) {
        SetModified(TRUE);
        return TRUE;
      }
    }
  }
  return FALSE;
}

LRESULT Kestrin_ButtonSetting::OnControlNotify(NMHDR* header) {
  if (header->idFrom == IDC_DBLCLK_SLIDER && header->code == NM_RELEASEDCAPTURE) {
    SetModified(TRUE);
    return 0;
  }
  return Default();
}

BOOL Kestrin_ButtonSetting::PreTranslateMessage(MSG* msg) {
  if (msg->message == WM_MOUSEWHEEL) {
    m_speed.Invalidate(FALSE);
    SetModified(TRUE);
  }
  return fw::PropertyPage::PreTranslateMessage(msg);
}

void Kestrin_ButtonSetting::OnDefaults() {
  // The executor reads the table at every button event: the defaults act at
  // once, even if the sheet is cancelled; only Apply stores them and tells the hook.
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot) m_settings.SetButtonFunc(slot, actions::FactoryDefault(slot));
  SelectCodes();
  SetModified(TRUE);
}

void Kestrin_ButtonSetting::OnLButtonDblClk(UINT, POINT) {
  // The clip lets mouse input through to the page: the page tells by the
  // cursor whether the double click was on it.
  RECT clip = m_animation.GetWindowRect();
  POINT cursor{};
  ::GetCursorPos(&cursor);
  if (::PtInRect(&clip, cursor)) {
    if (m_nAnimating == 0) {
      m_animation.Play(kReactionFirstFrame, kReactionLastFrame, kRepeatForever);
      m_nAnimating = 1;
    } else {
      m_animation.Stop();
      m_nAnimating = 0;
    }
  }
  Default();
}

BOOL Kestrin_ButtonSetting::OnApply() {
  settings::ButtonTable shown{};
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot) {
    shown[static_cast<std::size_t>(slot)] = m_lists[slot].GetCurSel();
    m_settings.SetButtonFunc(slot, shown[static_cast<std::size_t>(slot)]);
  }
  // Stored and handed to the hook only when the lists changed: a stored code
  // the lists cannot show stays as it is after an OK given for another page.
  if (shown != m_openedCodes) {
    m_openedCodes = shown;
    m_settings.PublishButtons();
    m_settings.StoreButtons();
  }
  if (m_speed.GetPos() != m_openedSpeedPos) {
    ::SystemParametersInfoA(SPI_SETDOUBLECLICKTIME, TimeFromSlider(m_speed.GetPos()), nullptr,
                            SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    m_openedSpeedPos = m_speed.GetPos();
  }
  return fw::PropertyPage::OnApply();
}

}  // namespace sheet
