// A buffer in another process, for the messages whose pointers must point there
// (list views, tab controls and tooltips of other programs).
#pragma once

#include <windows.h>

namespace testsupport {

// Memory in the process that owns a window: messages that carry a pointer
// need their buffer there.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, SIZE_T size) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    m_process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (m_process)
      m_memory = static_cast<char*>(::VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  }
  ~RemoteBuffer() {
    if (m_memory) ::VirtualFreeEx(m_process, m_memory, 0, MEM_RELEASE);
    if (m_process) ::CloseHandle(m_process);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  char* get() const { return m_memory; }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) const {
    return m_memory && ::WriteProcessMemory(m_process, m_memory + offset, data, size, nullptr);
  }
  bool Read(SIZE_T offset, void* data, SIZE_T size) const {
    return m_memory && ::ReadProcessMemory(m_process, m_memory + offset, data, size, nullptr);
  }

 private:
  HANDLE m_process = nullptr;
  char* m_memory = nullptr;
};

}  // namespace testsupport
