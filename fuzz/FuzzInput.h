// Reads a fuzz input front to back as small typed fields. Past its end every
// field reads as zero, so any byte string is a valid input. Strings carry
// their own length, or ask for a long run of one character so that a short
// input can still reach the registry's name limits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CFuzzInput {
 public:
  CFuzzInput(const uint8_t* pData, size_t nSize) : m_pData(pData), m_nSize(nSize) {}

  bool AtEnd() const { return m_nOffset >= m_nSize; }
  uint8_t Byte();
  uint16_t Word();
  uint32_t Dword();
  // A byte n below 0xF0 gives the next min(n, nMax) bytes; 0xF0 and above
  // give a 16-bit length (held to nMax) of one repeated byte.
  std::string String(size_t nMax);
  std::vector<uint8_t> Bytes(size_t nMax);

 private:
  const uint8_t* m_pData;
  size_t m_nSize;
  size_t m_nOffset = 0;
};
