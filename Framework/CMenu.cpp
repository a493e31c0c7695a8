#include "Framework/CMenu.h"

#include <map>
#include <memory>

CMenu* CMenu::FromHandle(HMENU hMenu) {
  if (hMenu == nullptr) return nullptr;
  // One wrapper per handle: the program asks for few menus, and a wrapper
  // owns nothing, so keeping it is harmless.
  static std::map<HMENU, std::unique_ptr<CMenu>> s_wrappers;
  std::unique_ptr<CMenu>& pMenu = s_wrappers[hMenu];
  if (!pMenu) {
    pMenu.reset(new CMenu());
    pMenu->m_hMenu = hMenu;
  }
  return pMenu.get();
}
