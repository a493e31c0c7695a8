#include "Observe.h"

#include "IconMatch.h"
#include "ProcessWindows.h"

#include <vector>

namespace {

const int kMessageBoxTextId = 0xFFFF;
const int kMessageBoxIconId = 1088;
const UINT kReplyTimeoutMs = 5000;
const DWORD kPaintWaitMs = 2000;

const char* ButtonName(int nId) {
  switch (nId) {
    case IDOK: return "OK";
    case IDCANCEL: return "Cancel";
    case IDABORT: return "Abort";
    case IDRETRY: return "Retry";
    case IDIGNORE: return "Ignore";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return nullptr;
  }
}

bool IsPushButton(HWND hWnd) {
  if (lstrcmpiW(ClassNameOf(hWnd).c_str(), L"Button") != 0) return false;
  LONG_PTR nType = GetWindowLongPtrW(hWnd, GWL_STYLE) & BS_TYPEMASK;
  return nType == BS_PUSHBUTTON || nType == BS_DEFPUSHBUTTON;
}

// The visible push buttons, by the name of their command.
std::vector<std::wstring> ButtonsOf(HWND hWnd) {
  std::vector<std::wstring> buttons;
  for (HWND hChild : ChildWindows(hWnd)) {
    if (!IsPushButton(hChild) || !IsWindowVisible(hChild)) continue;
    const char* pszName = ButtonName(GetDlgCtrlID(hChild));
    std::string strName = pszName ? pszName : "#" + std::to_string(GetDlgCtrlID(hChild));
    buttons.emplace_back(strName.begin(), strName.end());
  }
  return buttons;
}

LRESULT Ask(HWND hWnd, UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR nResult = 0;
  SendMessageTimeoutW(hWnd, nMessage, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &nResult);
  return static_cast<LRESULT>(nResult);
}

std::wstring ListItemText(HWND hList, int nIndex) {
  LRESULT nLength = Ask(hList, LB_GETTEXTLEN, nIndex);
  if (nLength == LB_ERR) return L"";
  std::wstring strText(static_cast<size_t>(nLength) + 1, L'\0');
  LRESULT nCopied = Ask(hList, LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(&strText[0]));
  strText.resize(nCopied == LB_ERR ? 0 : static_cast<size_t>(nCopied));
  return strText;
}

const char* ControlName(HWND hDialog, HWND hControl) {
  if (!hControl) return nullptr;
  if (hControl == hDialog) return "dialog";
  switch (GetDlgCtrlID(hControl)) {
    case kListId: return "list";
    case kCheckBoxId: return "checkbox";
    case kMessageId: return "message";
    default: return "other";
  }
}

}  // namespace

HWND FindCheckerDialog(DWORD dwProcessId) {
  for (HWND hWnd : VisibleTopLevelWindows(dwProcessId))
    if (FindChild(hWnd, kListId, L"ListBox")) return hWnd;
  return nullptr;
}

HWND FindPopup(DWORD dwProcessId, HWND hChecker) {
  for (HWND hWnd : VisibleTopLevelWindows(dwProcessId))
    if (hWnd != hChecker && ClassNameOf(hWnd) == L"#32770" && !FindChild(hWnd, kListId, L"ListBox")) return hWnd;
  return nullptr;
}

CJsonObject ReadMessageBox(HWND hBox) {
  CJsonObject box;
  box.Add("caption", TextOf(hBox));
  HWND hText = FindChild(hBox, kMessageBoxTextId, L"Static");
  box.Add("text", hText ? TextOf(hText) : std::wstring());
  HWND hIcon = FindChild(hBox, kMessageBoxIconId, L"Static");
  const char* pszIcon = hIcon && IsWindowVisible(hIcon) ? IdentifySystemIcon(hIcon, kPaintWaitMs) : nullptr;
  if (pszIcon) {
    box.Add("icon", pszIcon);
  } else {
    box.AddNull("icon");
  }
  box.Add("buttons", ButtonsOf(hBox));
  // The checker dialog may own a box before it is first shown.
  HWND hOwner = GetWindow(hBox, GW_OWNER);
  if (!hOwner) {
    box.AddNull("owner");
  } else {
    box.Add("owner", FindChild(hOwner, kListId, L"ListBox") ? "dialog" : "other");
  }
  return box;
}

CJsonObject ReadCheckerDialog(HWND hDialog) {
  CJsonObject dialog;
  dialog.Add("caption", TextOf(hDialog));
  HWND hMessage = FindChild(hDialog, kMessageId, L"Static");
  dialog.Add("message", hMessage ? TextOf(hMessage) : std::wstring());

  HWND hList = FindChild(hDialog, kListId, L"ListBox");
  std::vector<CJsonObject> items;
  LRESULT nCount = Ask(hList, LB_GETCOUNT);
  for (int i = 0; i < nCount; ++i) {
    CJsonObject item;
    item.Add("text", ListItemText(hList, i));
    item.Add("data", static_cast<long long>(Ask(hList, LB_GETITEMDATA, i)));
    items.push_back(item);
  }
  dialog.Add("items", items);
  LRESULT nMarked = Ask(hList, LB_GETCURSEL);
  if (nMarked == LB_ERR) {
    dialog.AddNull("marked");
  } else {
    dialog.Add("marked", ListItemText(hList, static_cast<int>(nMarked)));
  }

  HWND hCheck = FindChild(hDialog, kCheckBoxId, L"Button");
  CJsonObject checkbox;
  if (hCheck) {
    checkbox.Add("text", TextOf(hCheck));
    checkbox.AddBool("visible", IsWindowVisible(hCheck) != FALSE);
    checkbox.AddBool("checked", Ask(hCheck, BM_GETCHECK) == BST_CHECKED);
  }
  dialog.Add("checkbox", checkbox);
  dialog.Add("placement", PlacementOf(hDialog, nullptr).c_str());
  const char* pszFocus = ControlName(hDialog, FocusOfThreadOf(hDialog));
  if (pszFocus) {
    dialog.Add("focus", pszFocus);
  } else {
    dialog.AddNull("focus");
  }
  return dialog;
}

CJsonObject ReadAboutBox(HWND hAbout, HWND hChecker) {
  CJsonObject about;
  about.Add("caption", TextOf(hAbout));
  std::vector<std::wstring> texts;
  for (HWND hChild : ChildWindows(hAbout))
    if (lstrcmpiW(ClassNameOf(hChild).c_str(), L"Static") == 0 && IsWindowVisible(hChild)) {
      std::wstring strText = TextOf(hChild);
      if (!strText.empty()) texts.push_back(strText);
    }
  about.Add("texts", texts);
  about.Add("buttons", ButtonsOf(hAbout));
  about.Add("placement", PlacementOf(hAbout, hChecker).c_str());
  about.AddBool("dialog-disabled", hChecker && !IsWindowEnabled(hChecker));
  return about;
}

CJsonObject DescribeWindows(DWORD dwProcessId) {
  std::vector<CJsonObject> windows;
  for (HWND hWnd : VisibleTopLevelWindows(dwProcessId)) {
    CJsonObject window;
    window.Add("class", ClassNameOf(hWnd));
    window.Add("caption", TextOf(hWnd));
    windows.push_back(window);
  }
  CJsonObject described;
  described.Add("windows", windows);
  return described;
}
