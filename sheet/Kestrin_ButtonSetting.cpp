#include "sheet/Kestrin_ButtonSetting.h"

#include "actions/catalogue.h"
#include "framework/win_app_win.h"
#include "res/resource.h"
#include "sheet/doubleclick_speed.h"
#include "sheet/function_lists_win.h"

namespace sheet {
namespace {
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
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot) FillFunctionList(m_lists[slot], m_hWnd, slot);
  m_animation.Attach(m_hWnd, IDC_DBLCLK_CLIP);
  m_speed.Attach(m_hWnd, IDC_DBLCLK_SLIDER);

  SelectCodes();
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot)
    m_openedCodes[static_cast<std::size_t>(slot)] = m_lists[slot].GetCurSel();
  m_speed.SetRange(kSliderMin, kSliderMax, FALSE);
  m_speed.SetPos(SliderFromTime(::GetDoubleClickTime()));
  m_openedSpeedPos = m_speed.GetPos();
  m_nAnimating = 0;
  m_mousePicture.Show(m_hWnd, IDB_MOUSE_BUTTONS);
  OpenClip(fw::WindowDpi(m_hWnd));
  return TRUE;
}

void Kestrin_ButtonSetting::OpenClip(UINT dpi) {
  m_animation.Open(fw::ResourceInstance(), static_cast<UINT>(fw::ClipIdFor(IDR_DOUBLECLICK_CLIP, dpi)));
  if (m_nAnimating) {
    m_animation.Play(kReactionFirstFrame, kReactionLastFrame, kRepeatForever);
    return;
  }
  // Shows the first frame where the control would otherwise stay blank until played (Wine).
  m_animation.Play(0, 0, 1);
}

void Kestrin_ButtonSetting::OnDpiChanged(UINT dpi, const RECT*) {
  m_mousePicture.Reload(dpi);
  OpenClip(dpi);
}

void Kestrin_ButtonSetting::SelectCodes() {
  for (int slot = 0; slot < actions::kButtonSlotCount; ++slot) ShowFunction(m_lists[slot], m_settings.ButtonFunc(slot));
}

BOOL Kestrin_ButtonSetting::OnCommand(WORD id, WORD code, HWND) {
  if (id == IDC_DEFAULTS && code == BN_CLICKED) {
    OnDefaults();
    return TRUE;
  }
  if (code == CBN_SELCHANGE && SlotOfFunctionList(id) >= 0) {
    SetModified(TRUE);
    return TRUE;
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
