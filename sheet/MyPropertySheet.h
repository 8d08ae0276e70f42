// The configuration sheet "Quorra Kestrin Software". It adds no behaviour of
// its own: its caption is also the key by which an open sheet is found.
#pragma once

#include "framework/PropSheet.h"

class MyPropertySheet : public fw::PropSheet {
 public:
  MyPropertySheet(const char* caption, HWND parent, UINT startPage);
  INT_PTR DoModal(HWND owner = nullptr) { return fw::PropSheet::DoModal(owner ? owner : m_parent); }

 protected:
  BOOL OnInitDialog() override;

 private:
  HWND m_parent;
};
