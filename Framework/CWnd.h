// A window of the framework: a thin, non-owning wrapper of one HWND.
#pragma once

#include "Framework/CObject.h"
#include "Framework/Win32.h"

class CWnd : public CObject {
 public:
  HWND m_hWnd = nullptr;
};
