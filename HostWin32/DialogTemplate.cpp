#include "HostWin32/DialogTemplate.h"

#include "HostWin32/Resources.h"

namespace host {
namespace {

const DWORD kSetFont = 0x40;  // DS_SETFONT

class CReader {
 public:
  explicit CReader(const std::vector<BYTE>& data) : m_data(data) {}

  bool Ok() const { return m_bOk; }
  WORD Word() {
    if (m_nPos + 2 > m_data.size()) {
      m_bOk = false;
      return 0;
    }
    WORD w = static_cast<WORD>(m_data[m_nPos] | (m_data[m_nPos + 1] << 8));
    m_nPos += 2;
    return w;
  }
  DWORD Dword() {
    DWORD lo = Word();
    return lo | (static_cast<DWORD>(Word()) << 16);
  }
  short Short() { return static_cast<short>(Word()); }
  BYTE Byte() {
    if (m_nPos + 1 > m_data.size()) {
      m_bOk = false;
      return 0;
    }
    return m_data[m_nPos++];
  }
  std::string Text() {
    std::vector<WORD> text;
    for (WORD c = Word(); c != 0 && m_bOk; c = Word()) text.push_back(c);
    return Narrow(text);
  }
  CTemplateName Name() {
    CTemplateName name;
    WORD first = Word();
    if (first == 0xFFFF) {
      name.bOrdinal = true;
      name.wOrdinal = Word();
    } else if (first != 0) {
      std::vector<WORD> text{first};
      for (WORD c = Word(); c != 0 && m_bOk; c = Word()) text.push_back(c);
      name.strText = Narrow(text);
    }
    return name;
  }
  void AlignDword() { m_nPos = (m_nPos + 3) & ~static_cast<std::size_t>(3); }
  void Skip(std::size_t n) { m_nPos += n; }

 private:
  const std::vector<BYTE>& m_data;
  std::size_t m_nPos = 0;
  bool m_bOk = true;
};

}  // namespace

bool ParseDialogTemplate(const std::vector<BYTE>& data, CDialogTemplate& out) {
  CReader r(data);
  out = CDialogTemplate();
  WORD nItems;
  if (data.size() >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF) {
    out.bExtended = true;
    r.Dword();
    out.dwHelpId = r.Dword();
    out.dwExStyle = r.Dword();
    out.dwStyle = r.Dword();
  } else {
    out.dwStyle = r.Dword();
    out.dwExStyle = r.Dword();
  }
  nItems = r.Word();
  out.x = r.Short();
  out.y = r.Short();
  out.cx = r.Short();
  out.cy = r.Short();
  out.menu = r.Name();
  out.windowClass = r.Name();
  out.strTitle = r.Text();
  if (out.dwStyle & kSetFont) {
    out.wPointSize = r.Word();
    if (out.bExtended) {
      out.wWeight = r.Word();
      out.bItalic = r.Byte();
      out.bCharSet = r.Byte();
    }
    out.strFace = r.Text();
  }
  for (WORD i = 0; i < nItems && r.Ok(); ++i) {
    r.AlignDword();
    CDialogItemTemplate item;
    if (out.bExtended) {
      item.dwHelpId = r.Dword();
      item.dwExStyle = r.Dword();
      item.dwStyle = r.Dword();
    } else {
      item.dwStyle = r.Dword();
      item.dwExStyle = r.Dword();
    }
    item.x = r.Short();
    item.y = r.Short();
    item.cx = r.Short();
    item.cy = r.Short();
    item.dwId = out.bExtended ? r.Dword() : r.Word();
    item.windowClass = r.Name();
    item.title = r.Name();
    item.cbCreationData = r.Word();
    r.Skip(item.cbCreationData);
    out.items.push_back(item);
  }
  return r.Ok();
}

std::string ClassOfOrdinal(WORD wOrdinal) {
  switch (wOrdinal) {
    case 0x0080:
      return "BUTTON";
    case 0x0081:
      return "EDIT";
    case 0x0082:
      return "STATIC";
    case 0x0083:
      return "LISTBOX";
    case 0x0084:
      return "SCROLLBAR";
    case 0x0085:
      return "COMBOBOX";
    default:
      return "";
  }
}

}  // namespace host
