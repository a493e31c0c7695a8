// Reads the two forms of dialog template (the standard one and the extended
// one) into one structure, for the dialog manager and for tests that check
// the compiled templates field by field.
#pragma once

#include "HostWin32/Win32Types.h"

#include <string>
#include <vector>

namespace host {

// A field that holds either an ordinal or a text.
struct CTemplateName {
  bool bOrdinal = false;
  WORD wOrdinal = 0;
  std::string strText;
};

struct CDialogItemTemplate {
  DWORD dwHelpId = 0;
  DWORD dwExStyle = 0;
  DWORD dwStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  DWORD dwId = 0;  // a WORD in the standard form
  CTemplateName windowClass;
  CTemplateName title;
  WORD cbCreationData = 0;
};

struct CDialogTemplate {
  bool bExtended = false;
  DWORD dwHelpId = 0;
  DWORD dwExStyle = 0;
  DWORD dwStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  CTemplateName menu;
  CTemplateName windowClass;
  std::string strTitle;
  // With DS_SETFONT only; weight, italic and character set in the extended form only.
  WORD wPointSize = 0;
  WORD wWeight = 0;
  BYTE bItalic = 0;
  BYTE bCharSet = 0;
  std::string strFace;
  std::vector<CDialogItemTemplate> items;
};

// False when the bytes end before the template does.
bool ParseDialogTemplate(const std::vector<BYTE>& data, CDialogTemplate& out);

// The class name that an ordinal in a template stands for ("BUTTON"...).
std::string ClassOfOrdinal(WORD wOrdinal);

}  // namespace host
