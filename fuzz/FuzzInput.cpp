#include "FuzzInput.h"

#include <algorithm>

uint8_t CFuzzInput::Byte() { return AtEnd() ? 0 : m_pData[m_nOffset++]; }

uint16_t CFuzzInput::Word() {
  const uint16_t nLow = Byte();
  return static_cast<uint16_t>(nLow | Byte() << 8);
}

uint32_t CFuzzInput::Dword() {
  const uint32_t nLow = Word();
  return nLow | static_cast<uint32_t>(Word()) << 16;
}

std::string CFuzzInput::String(size_t nMax) {
  const uint8_t nHead = Byte();
  if (nHead >= 0xF0) {
    const size_t nLength = std::min<size_t>(Word(), nMax);
    return std::string(nLength, static_cast<char>(Byte()));
  }
  const size_t nLength = std::min<size_t>({nHead, nMax, m_nSize - std::min(m_nOffset, m_nSize)});
  std::string text(reinterpret_cast<const char*>(m_pData + std::min(m_nOffset, m_nSize)), nLength);
  m_nOffset += nLength;
  return text;
}

std::vector<uint8_t> CFuzzInput::Bytes(size_t nMax) {
  const std::string text = String(nMax);
  return std::vector<uint8_t>(text.begin(), text.end());
}
