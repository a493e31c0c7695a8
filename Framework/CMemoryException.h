// The framework's out-of-memory exception. The dialog dispatch reports a
// std::bad_alloc through one shared instance, since nothing may be allocated
// at that point.
#pragma once

#include "Framework/CException.h"

class CMemoryException : public CException {
 public:
  explicit CMemoryException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}

  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) override;
};
