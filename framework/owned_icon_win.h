// An icon the program created (ExtractIcon and the like) and must destroy, or
// a shared one from the resources (LoadIcon) that must not be: one holder for
// both, which destroys only what it owns, when replaced or when it goes.
#pragma once

#include <windows.h>

#include <utility>

namespace fw {

class OwnedIcon {
 public:
  OwnedIcon() = default;
  ~OwnedIcon() { Reset(); }
  OwnedIcon(const OwnedIcon&) = delete;
  OwnedIcon& operator=(const OwnedIcon&) = delete;

  // Takes an icon to destroy later.
  void Own(HICON icon) {
    Reset();
    m_icon = icon;
    m_owned = icon != nullptr;
  }
  // Holds a shared icon: never destroyed here.
  void Share(HICON icon) {
    Reset();
    m_icon = icon;
  }
  void Reset() {
    if (m_owned && m_icon) ::DestroyIcon(m_icon);
    m_icon = nullptr;
    m_owned = false;
  }
  void Swap(OwnedIcon& other) {
    std::swap(m_icon, other.m_icon);
    std::swap(m_owned, other.m_owned);
  }
  HICON get() const { return m_icon; }

 private:
  HICON m_icon = nullptr;
  bool m_owned = false;
};

}  // namespace fw
