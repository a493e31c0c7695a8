// Message maps: a window class says in a static table which member handles
// which message. A table names its base class's table, which is searched
// after it. Entries are made with OnMessage and OnCommand, which take the
// handler as a template argument and check its signature:
//   void OnXxx()                      any message; the result is 0
//   void OnXxx(UINT nID, LPARAM)      WM_SYSCOMMAND and the like
//   HCURSOR OnXxx()                   WM_QUERYDRAGICON; the result is the handle
#pragma once

#include "Framework/Win32.h"

#include <cstddef>

class CWnd;

typedef LRESULT (*AFX_PMSG_HANDLER)(CWnd* pWnd, WPARAM wParam, LPARAM lParam);

struct CMessageMapEntry {
  UINT nMessage;
  UINT nCode;  // for WM_COMMAND: the notification code
  UINT nID;    // for WM_COMMAND: the control or command identifier
  AFX_PMSG_HANDLER pfnHandler;
};

struct CMessageMap {
  const CMessageMap* (*pfnGetBaseMap)();  // null for the last map of the chain
  const CMessageMapEntry* pEntries;
  std::size_t nEntries;
};

namespace afx_detail {

template <class F>
struct CHandlerCall;

template <class T>
struct CHandlerCall<void (T::*)()> {
  template <void (T::*pfn)()>
  static LRESULT Call(CWnd* pWnd, WPARAM, LPARAM) {
    (static_cast<T*>(pWnd)->*pfn)();
    return 0;
  }
};

template <class T>
struct CHandlerCall<void (T::*)(UINT, LPARAM)> {
  template <void (T::*pfn)(UINT, LPARAM)>
  static LRESULT Call(CWnd* pWnd, WPARAM wParam, LPARAM lParam) {
    (static_cast<T*>(pWnd)->*pfn)(static_cast<UINT>(wParam), lParam);
    return 0;
  }
};

template <class T>
struct CHandlerCall<HCURSOR (T::*)()> {
  template <HCURSOR (T::*pfn)()>
  static LRESULT Call(CWnd* pWnd, WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>((static_cast<T*>(pWnd)->*pfn)());
  }
};

}  // namespace afx_detail

// An entry for a window message.
template <auto pfn>
constexpr CMessageMapEntry OnMessage(UINT nMessage) {
  return {nMessage, 0, 0, &afx_detail::CHandlerCall<decltype(pfn)>::template Call<pfn>};
}

// An entry for WM_COMMAND with one notification code from one control.
template <auto pfn>
constexpr CMessageMapEntry OnCommand(UINT nCode, UINT nID) {
  return {WM_COMMAND, nCode, nID, &afx_detail::CHandlerCall<decltype(pfn)>::template Call<pfn>};
}
