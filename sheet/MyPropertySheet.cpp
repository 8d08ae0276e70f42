#include "sheet/MyPropertySheet.h"

MyPropertySheet::MyPropertySheet(const char* caption, HWND parent, UINT startPage)
    : fw::PropSheet(caption, startPage), m_parent(parent) {}

BOOL MyPropertySheet::OnInitDialog() { return fw::PropSheet::OnInitDialog(); }
