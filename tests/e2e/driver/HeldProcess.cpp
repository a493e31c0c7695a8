#include "HeldProcess.h"

#include <winternl.h>

#include <stdexcept>

namespace {

// jmp $ : the two bytes that keep a thread at its entry point.
const BYTE kSpin[2] = {0xEB, 0xFE};

void ReadMemory(HANDLE hProcess, const void* pAddress, void* pBuffer, SIZE_T nSize) {
  SIZE_T nRead = 0;
  if (!ReadProcessMemory(hProcess, pAddress, pBuffer, nSize, &nRead) || nRead != nSize)
    throw std::runtime_error("cannot read the program's memory");
}

void WriteCode(HANDLE hProcess, BYTE* pAddress, const BYTE* pBytes, SIZE_T nSize) {
  DWORD dwOld = 0;
  if (!VirtualProtectEx(hProcess, pAddress, nSize, PAGE_EXECUTE_READWRITE, &dwOld))
    throw std::runtime_error("cannot unprotect the program's entry point");
  SIZE_T nWritten = 0;
  BOOL bWritten = WriteProcessMemory(hProcess, pAddress, pBytes, nSize, &nWritten);
  VirtualProtectEx(hProcess, pAddress, nSize, dwOld, &dwOld);
  FlushInstructionCache(hProcess, pAddress, nSize);
  if (!bWritten || nWritten != nSize) throw std::runtime_error("cannot write the program's entry point");
}

}  // namespace

CHeldProcess::CHeldProcess(const std::wstring& strExePath, DWORD dwTimeoutMs) {
  std::wstring strCommandLine = L"\"" + strExePath + L"\"";
  // The program starts in its own folder, as from a double click.
  size_t nSlash = strExePath.find_last_of(L"\\/");
  std::wstring strDirectory = nSlash == std::wstring::npos ? std::wstring(L".") : strExePath.substr(0, nSlash);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  m_nStartTick = GetTickCount64();
  if (!CreateProcessW(strExePath.c_str(), &strCommandLine[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      strDirectory.c_str(), &startup, &m_info))
    throw std::runtime_error("cannot start the program (error " + std::to_string(GetLastError()) + ")");
  try {
    m_pEntry = EntryPoint();
    ReadMemory(m_info.hProcess, m_pEntry, m_original, sizeof m_original);
    WriteCode(m_info.hProcess, m_pEntry, kSpin, sizeof kSpin);
    m_bHeld = true;
    ResumeThread(m_info.hThread);
    WaitUntilSpinning(dwTimeoutMs);
  } catch (...) {
    TerminateProcess(m_info.hProcess, 255);
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
    throw;
  }
}

CHeldProcess::~CHeldProcess() {
  if (m_bHeld) TerminateProcess(m_info.hProcess, 255);
  CloseHandle(m_info.hThread);
  CloseHandle(m_info.hProcess);
}

BYTE* CHeldProcess::EntryPoint() const {
  PROCESS_BASIC_INFORMATION basic = {};
  ULONG nLength = 0;
  if (NtQueryInformationProcess(m_info.hProcess, ProcessBasicInformation, &basic, sizeof basic, &nLength) != 0)
    throw std::runtime_error("cannot find the program's environment block");
  // The image base is the PEB's third pointer.
  BYTE* pImage = nullptr;
  ReadMemory(m_info.hProcess, reinterpret_cast<BYTE*>(basic.PebBaseAddress) + 2 * sizeof(void*), &pImage,
             sizeof pImage);
  IMAGE_DOS_HEADER dos = {};
  ReadMemory(m_info.hProcess, pImage, &dos, sizeof dos);
  IMAGE_NT_HEADERS nt = {};
  ReadMemory(m_info.hProcess, pImage + dos.e_lfanew, &nt, sizeof nt);
  return pImage + nt.OptionalHeader.AddressOfEntryPoint;
}

void CHeldProcess::WaitUntilSpinning(DWORD dwTimeoutMs) {
  DWORD dwStart = GetTickCount();
  for (;;) {
    if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0)
      throw std::runtime_error("the program ended before its entry point");
    SuspendThread(m_info.hThread);
    CONTEXT context = {};
    context.ContextFlags = CONTEXT_CONTROL;
    BOOL bRead = GetThreadContext(m_info.hThread, &context);
#ifdef _WIN64
    BYTE* pAt = reinterpret_cast<BYTE*>(context.Rip);
#else
    BYTE* pAt = reinterpret_cast<BYTE*>(context.Eip);
#endif
    if (bRead && pAt == m_pEntry) return;  // stays suspended until Release
    ResumeThread(m_info.hThread);
    if (GetTickCount() - dwStart > dwTimeoutMs) throw std::runtime_error("the program did not reach its entry point");
    Sleep(1);
  }
}

void CHeldProcess::Release() {
  WriteCode(m_info.hProcess, m_pEntry, m_original, sizeof m_original);
  m_bHeld = false;
  ResumeThread(m_info.hThread);
}
