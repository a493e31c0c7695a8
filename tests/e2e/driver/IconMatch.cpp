#include "IconMatch.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct CCandidate {
  LPCWSTR pszIcon;
  const char* pszName;
};

const CCandidate kCandidates[] = {
    {IDI_HAND, "error"},
    {IDI_QUESTION, "question"},
    {IDI_EXCLAMATION, "warning"},
    {IDI_ASTERISK, "information"},
};

// A top-down 32-bit picture of width x height pixels.
class CPicture {
 public:
  CPicture(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    m_hDC = CreateCompatibleDC(nullptr);
    m_hBitmap = CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pPixels), nullptr, 0);
    m_hOld = SelectObject(m_hDC, m_hBitmap);
  }
  ~CPicture() {
    SelectObject(m_hDC, m_hOld);
    DeleteObject(m_hBitmap);
    DeleteDC(m_hDC);
  }
  CPicture(const CPicture&) = delete;
  CPicture& operator=(const CPicture&) = delete;

  HDC DC() const { return m_hDC; }
  DWORD Pixel(int x, int y) const { return m_pPixels[y * m_nWidth + x] & 0xFFFFFF; }
  void Fill(COLORREF color) {
    GdiFlush();
    for (int i = 0; i < m_nWidth * m_nHeight; ++i) m_pPixels[i] = color;
  }

 private:
  int m_nWidth;
  int m_nHeight;
  HDC m_hDC = nullptr;
  HBITMAP m_hBitmap = nullptr;
  HGDIOBJ m_hOld = nullptr;
  DWORD* m_pPixels = nullptr;
};

bool Near(DWORD a, DWORD b) {
  for (int nShift = 0; nShift < 24; nShift += 8)
    if (std::abs(static_cast<int>((a >> nShift) & 0xFF) - static_cast<int>((b >> nShift) & 0xFF)) > 8) return false;
  return true;
}

// The share of the icon's opaque pixels that the screen shows unchanged.
double Likeness(const CPicture& screen, HICON hIcon, int nSize) {
  CPicture onBlack(nSize, nSize), onWhite(nSize, nSize);
  onBlack.Fill(0x000000);
  onWhite.Fill(0xFFFFFF);
  DrawIconEx(onBlack.DC(), 0, 0, hIcon, nSize, nSize, 0, nullptr, DI_NORMAL);
  DrawIconEx(onWhite.DC(), 0, 0, hIcon, nSize, nSize, 0, nullptr, DI_NORMAL);
  GdiFlush();
  int nOpaque = 0, nSame = 0;
  for (int y = 0; y < nSize; ++y)
    for (int x = 0; x < nSize; ++x) {
      if (onBlack.Pixel(x, y) != onWhite.Pixel(x, y)) continue;  // (partly) transparent
      ++nOpaque;
      if (Near(onBlack.Pixel(x, y), screen.Pixel(x, y))) ++nSame;
    }
  return nOpaque ? static_cast<double>(nSame) / nOpaque : 0.0;
}

bool IsPlain(const CPicture& picture, int nSize) {
  for (int y = 0; y < nSize; ++y)
    for (int x = 0; x < nSize; ++x)
      if (picture.Pixel(x, y) != picture.Pixel(0, 0)) return false;
  return true;
}

}  // namespace

namespace {

const char* IdentifyOnce(HWND hIconWindow) {
  const int nSize = GetSystemMetrics(SM_CXICON);
  RECT rcClient = {};
  GetClientRect(hIconWindow, &rcClient);
  if (rcClient.right < nSize || rcClient.bottom < nSize) return nullptr;
  POINT origin = {0, 0};
  ClientToScreen(hIconWindow, &origin);

  CPicture screen(nSize, nSize);
  HDC hScreen = GetDC(nullptr);
  BitBlt(screen.DC(), 0, 0, nSize, nSize, hScreen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(nullptr, hScreen);
  GdiFlush();
  if (IsPlain(screen, nSize)) return nullptr;

  const char* pszBest = "unknown";
  double dBest = 0.95;  // a real match is nearly exact; anything less is not the icon
  for (const CCandidate& candidate : kCandidates) {
    double dLikeness = Likeness(screen, LoadIconW(nullptr, candidate.pszIcon), nSize);
    if (dLikeness >= dBest) {
      dBest = dLikeness;
      pszBest = candidate.pszName;
    }
  }
  return pszBest;
}

}  // namespace

const char* IdentifySystemIcon(HWND hIconWindow, DWORD dwWaitMs) {
  const DWORD dwStart = GetTickCount();
  for (;;) {
    const char* pszIcon = IdentifyOnce(hIconWindow);
    bool bKnown = pszIcon && std::strcmp(pszIcon, "unknown") != 0;
    if (bKnown || GetTickCount() - dwStart >= dwWaitMs) return pszIcon;
    Sleep(50);
  }
}
