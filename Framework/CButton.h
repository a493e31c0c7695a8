// A button control of a dialog; bound to its window by DDX_Control.
#pragma once

#include "Framework/CWnd.h"

class CButton : public CWnd {
 public:
  // BST_UNCHECKED, BST_CHECKED or another state of the button.
  int GetCheck() const { return static_cast<int>(::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }
};
