// What the program costs, each figure beside its floor measured in the same
// run: the least a Windows program can do for the same job (floor_program).
//   - a posted button event to the first synthesised key at another
//     program's low-level hook (Ctrl+C; median and 99th percentile), also
//     while two busy loops keep both cores of the machine at work, with ten
//     programs' own settings stored;
//   - a foreground switch to the new table in force: from the switch's report
//     to the first key of the function the next button event takes from it;
//   - CPU time per pointer move under a paced storm of moves, beside a
//     process with an empty low-level mouse hook;
//   - idle CPU time and wake-ups, private and resident memory, beside a
//     process with one hidden window;
//   - start-up to the first window and to the hooks in place;
//   - stripped binary sizes;
//   - a click on a launcher icon to the popup gone, for a slot that starts a
//     program and for one that starts nothing.
// Prints one table; with --markdown <file> also writes it there (scripts/bench
// puts it into the README). Asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "makerlibs/include/maker_contract.h"
#include "tests/support/input_observer.h"
#include "tests/support/program.h"
#include "tests/support/wine_support.h"

using namespace testsupport;

namespace {

constexpr int kEvents = 300;
constexpr int kMoves = 5000;
constexpr DWORD kIdleMs = 10000;

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5)];
}

// CPU time of the Unix process whose command line matches `pattern`, all its
// threads, from the kernel's scheduler statistics (nanoseconds). Wine's
// GetProcessTimes for another process is not to be trusted for this.
double CpuMs(const std::string& pattern) {
  const std::string file = UnixPath(OutputFolder()) + "/cpu.txt";
  RunUnix("p=$(pgrep -f '" + pattern + "' | head -1); cat /proc/$p/task/*/schedstat | "
          "awk '{s += $1} END {print int(s / 1000)}' > " + file);
  std::ifstream in(file);
  double microseconds = 0;
  in >> microseconds;
  return microseconds / 1000.0;
}

struct Memory {
  double privateMb = 0, residentMb = 0;
};

// Resident memory of the Unix process whose command line matches `pattern`:
// all of it, and its private (anonymous) part. Wine's GetProcessMemoryInfo
// reports no private bytes, so the kernel's own figures are read.
Memory MemoryOf(const std::string& pattern) {
  const std::string file = UnixPath(OutputFolder()) + "/memory.txt";
  RunUnix("p=$(pgrep -f '" + pattern + "' | head -1); awk '/^VmRSS|^RssAnon/ {print $2}' /proc/$p/status > " + file);
  std::ifstream in(file);
  double residentKb = 0, anonKb = 0;
  in >> residentKb >> anonKb;
  return {anonKb / 1024.0, residentKb / 1024.0};
}

// Context switches of the Unix process whose command line matches `pattern`
// (all its threads): how often it woke up.
long Wakeups(const std::string& pattern) {
  const std::string file = UnixPath(OutputFolder()) + "/wakeups.txt";
  RunUnix("n=0; for p in $(pgrep -f '" + pattern + "'); do for s in /proc/$p/task/*/status; do "
          "n=$((n + $(awk '/ctxt_switches/ {s += $2} END {print s + 0}' $s))); done; done; echo $n > " + file);
  std::ifstream in(file);
  long n = -1;
  in >> n;
  return n;
}

long StrippedSize(const std::string& windowsPath) {
  const std::string copy = UnixPath(OutputFolder()) + "/stripped.bin";
  if (!RunUnix("x86_64-w64-mingw32-strip -o " + copy + " '" + UnixPath(windowsPath) + "'")) return -1;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  std::string windowsCopy = "Z:" + copy;
  if (!::GetFileAttributesExA(windowsCopy.c_str(), GetFileExInfoStandard, &data)) return -1;
  return static_cast<long>(data.nFileSizeLow);
}

// The floor program in one of its modes, found by its window.
struct Floor {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  double windowMs = 0, readyMs = 0;

  explicit Floor(const char* mode) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string line = "\"" + ProgramFolder() + "\\floor_program.exe\" " + mode;
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back(0);
    const double start = Now();
    if (!::CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
      return;
    PumpUntil([&] {
      for (HWND w = ::FindWindowA("ZyfoFloor", nullptr); w; w = ::FindWindowExA(nullptr, w, "ZyfoFloor", nullptr)) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(w, &pid);
        if (pid == process.dwProcessId) window = w;
      }
      return window != nullptr;
    }, 10000);
    windowMs = Now() - start;
    DWORD_PTR result;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &result);
    readyMs = Now() - start;
  }
  ~Floor() {
    if (window) ::PostMessageA(window, WM_CLOSE, 0, 0);
    if (process.hProcess) {
      if (::WaitForSingleObject(process.hProcess, 5000) == WAIT_TIMEOUT) ::TerminateProcess(process.hProcess, 1);
      ::CloseHandle(process.hProcess);
      ::CloseHandle(process.hThread);
    }
  }
};

struct Latency {
  double median = 0, p99 = 0;
};

// Posted press and release of the fifth button to each target in turn, in
// rounds, so that both meet the same conditions; the first key seen.
std::vector<Latency> MeasureLatency(const std::vector<HWND>& targets) {
  constexpr int kRounds = 10;
  InputObserver observer;
  PumpFor(300);
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  std::vector<std::vector<double>> firstKey(targets.size());
  for (int round = 0; round < kRounds; ++round) {
    for (std::size_t t = 0; t < targets.size(); ++t) {
      for (int i = 0; i < kEvents / kRounds; ++i) {
        observer.Clear();
        const double posted = Now();
        ::PostMessageA(targets[t], makerlibs::WM_MOUSEBTN_DOWN, 0, 14);
        ::PostMessageA(targets[t], makerlibs::WM_MOUSEBTN_UP, 0, 14);
        if (!PumpUntil([&] { return observer.Injected().size() >= 4; }, 2000)) continue;
        firstKey[t].push_back(1000.0 * static_cast<double>(observer.Injected().front().counter.QuadPart) /
                                  static_cast<double>(frequency.QuadPart) -
                              posted);
      }
    }
  }
  std::vector<Latency> result;
  for (const auto& values : firstKey) result.push_back({Percentile(values, 0.5), Percentile(values, 0.99)});
  return result;
}

// Foreground switches between a program with settings of its own (the floor
// program's window: Ctrl+A on the fifth) and one without (the benchmark's:
// the main table's Ctrl+C), reported as the system reports them (Wine 8 sends
// no such report itself). After each, press and release of the fifth until
// its keys are the new table's: the time from the report to the first of them.
double SwitchMedianMs(HWND dispatch, HWND withSettings, HWND without) {
  InputObserver observer;
  PumpFor(300);
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int i = 0; i < 40; ++i) {
    const bool toSettings = i % 2 == 0;
    const DWORD letter = toSettings ? 'A' : 'C';
    observer.Clear();
    const double reported = Now();
    ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, toSettings ? withSettings : without, OBJID_WINDOW, CHILDID_SELF);
    for (std::size_t seen = 0; Now() - reported < 1000; seen += 4) {
      ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_DOWN, 0, 14);
      ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_UP, 0, 14);
      if (!PumpUntil([&] { return observer.Injected().size() >= seen + 4; }, 2000)) break;
      const std::vector<ObservedInput> keys = observer.Injected();
      if (keys[seen + 1].vk != letter) continue;
      times.push_back(1000.0 * static_cast<double>(keys[seen].counter.QuadPart) /
                          static_cast<double>(frequency.QuadPart) -
                      reported);
      break;
    }
  }
  return Percentile(times, 0.5);
}

// A paced storm of relative pointer moves; the CPU time each process spent per
// move, in microseconds. Both see the same moves.
std::vector<double> CpuPerMoveUs(const std::vector<std::string>& processes) {
  PumpFor(300);
  std::vector<double> before;
  for (const std::string& p : processes) before.push_back(CpuMs(p));
  for (int i = 0; i < kMoves; ++i) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = i % 2 ? 1 : -1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
    const double until = Now() + 1.0;
    while (Now() < until) {
      MSG msg;
      while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
  }
  PumpFor(300);
  std::vector<double> perMove;
  for (std::size_t i = 0; i < processes.size(); ++i) perMove.push_back(1000.0 * (CpuMs(processes[i]) - before[i]) / kMoves);
  return perMove;
}

struct Idle {
  double cpuMs = 0;
  double wakeupsPerMinute = 0;
};

// Both processes left alone for the same time.
std::vector<Idle> MeasureIdle(const std::vector<std::string>& processes, const std::vector<std::string>& patterns) {
  PumpFor(1000);
  std::vector<double> cpu;
  std::vector<long> wakeups;
  for (std::size_t i = 0; i < processes.size(); ++i) {
    cpu.push_back(CpuMs(processes[i]));
    wakeups.push_back(Wakeups(patterns[i]));
  }
  ::Sleep(kIdleMs);
  std::vector<Idle> idle;
  for (std::size_t i = 0; i < processes.size(); ++i)
    idle.push_back({CpuMs(processes[i]) - cpu[i], 60000.0 * static_cast<double>(Wakeups(patterns[i]) - wakeups[i]) / kIdleMs});
  return idle;
}

// Opens the popup by the sixth slot's Hot Button function, clicks the icon of
// `slot` and waits, polling every millisecond, until the popup is gone.
double PopupCloseMedianMs(HWND dispatch, int slot) {
  std::vector<double> times;
  for (int i = 0; i < 20; ++i) {
    ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_DOWN, 0, 13);
    ::PostMessageA(dispatch, makerlibs::WM_MOUSEBTN_UP, 0, 13);
    HWND popup = nullptr;
    if (!PumpUntil([&] { return (popup = ::FindWindowA(nullptr, "Hot Button")) && ::IsWindowVisible(popup); }, 3000))
      continue;
    PumpFor(100);
    HWND icon = ::GetDlgItem(popup, 1094 + slot);
    const double clicked = Now();
    ::PostMessageA(popup, WM_COMMAND, MAKEWPARAM(1094 + slot, STN_CLICKED), reinterpret_cast<LPARAM>(icon));
    while (::IsWindow(popup) && Now() - clicked < 3000) ::Sleep(1);
    times.push_back(Now() - clicked);
    PumpFor(200);
  }
  return Percentile(times, 0.5);
}

std::string Fixed(double value, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, value);
  return text;
}

std::string Ratio(double value, double floor) { return floor > 0 ? Fixed(value / floor, 2) : "-"; }

}  // namespace

int main(int argc, char** argv) {
  std::string markdownFile;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--markdown") markdownFile = argv[i + 1];
  e2e::EndAllInstances();
  DeleteProgramSettings();
  WriteUserDword("Software\\Trovane Mouse\\Pelrand\\Setting For Key", "key4", 9);   // 5th: Ctrl+C
  WriteUserDword("Software\\Trovane Mouse\\Pelrand\\Setting For Key", "key5", 47);  // 6th: Hot-Button-Menü
  const std::string shortcuts = "Software\\Trovane Mouse\\Pelrand\\Setting For ShortcutKey";
  CreateUserKey(shortcuts);
  WriteUserString(shortcuts, "ShortcutKey #10", ProgramFolder() + "\\launch_probe.exe");
  WriteUserString(shortcuts, "ShortcutKey #11", " ");
  // Ten programs with settings of their own; the floor program's fifth is Ctrl+A.
  const std::string programs = "Software\\Trovane Mouse\\Pelrand\\Setting For Programs\\";
  WriteUserDword(programs + "floor_program.exe", "key4", 28);
  for (int i = 1; i < 10; ++i) WriteUserDword(programs + "bench_program_" + std::to_string(i) + ".exe", "key4", 28);
  // The benchmark's own window, which has no settings, is reported in front
  // (the program chose at its start for whatever window was there).
  HWND own = ::CreateWindowExA(0, "STATIC", "bench", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);

  std::vector<std::vector<std::string>> rows;
  auto row = [&](const std::string& what, const std::string& program, const std::string& floor,
                 const std::string& ratio) { rows.push_back({what, program, floor, ratio}); };

  // Start-up of the floors, one at a time.
  double floorWindowMs = 0, floorHookMs = 0;
  {
    Floor floor("idle");
    floorWindowMs = floor.windowMs;
  }
  {
    Floor floor("hook");
    floorHookMs = floor.readyMs;
  }

  e2e::Program program;
  const double start = Now();
  if (!program.Start()) {
    std::printf("bench_costs: the program did not start\n");
    return 1;
  }
  // Each timed on its own: the worker thread installs the hooks while the
  // main thread still makes the frame, and answers a message once they are in.
  double frameMs = 0, hooksMs = 0;
  PumpUntil([&] {
    if (frameMs == 0 && program.Frame()) frameMs = Now() - start;
    DWORD_PTR answer;
    if (hooksMs == 0 && program.Dispatch() &&
        ::SendMessageTimeoutA(program.Dispatch(), WM_NULL, 0, 0, SMTO_BLOCK, 2, &answer))
      hooksMs = Now() - start;
    return frameMs > 0 && hooksMs > 0;
  }, 10000);

  // Everything else with the program and the floor side by side.
  Floor floor("keys hook");
  ::NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, own, OBJID_WINDOW, CHILDID_SELF);
  const std::vector<Latency> latencies = MeasureLatency({program.Dispatch(), floor.window});
  const Latency latency = latencies[0], floorLatency = latencies[1];
  // Both cores busy with two endless loops (ended by their ids): the hook
  // threads and the worker must still answer in time.
  const std::string busy = UnixPath(TempFile("bench-busy.pids"));
  RunUnix("rm -f '" + busy + "'; for i in 1 2; do timeout 300 sh -c 'while :; do :; done' >/dev/null 2>&1 & echo $! >> '" +
          busy + "'; done");
  const std::vector<Latency> loaded = MeasureLatency({program.Dispatch(), floor.window});
  RunUnix("kill $(cat '" + busy + "'); rm -f '" + busy + "'");
  const std::vector<std::string> patterns = {"[P]elrand.exe", "[f]loor_program.exe"};
  const std::vector<double> moves = CpuPerMoveUs(patterns);
  const double moveUs = moves[0], floorMoveUs = moves[1];
  const Memory memory = MemoryOf("[P]elrand.exe"), floorMemory = MemoryOf("[f]loor_program.exe");
  const std::vector<Idle> idles = MeasureIdle(patterns, patterns);
  const Idle idle = idles[0], floorIdle = idles[1];
  const double launchCloseMs = PopupCloseMedianMs(program.Dispatch(), 10);
  const double emptyCloseMs = PopupCloseMedianMs(program.Dispatch(), 11);
  const double switchMs = SwitchMedianMs(program.Dispatch(), floor.window, own);
  program.Exit();
  ::DestroyWindow(own);

  row("Button event to first key at another program's hook (ten programs' settings stored), median",
      Fixed(latency.median, 3) + " ms",
      Fixed(floorLatency.median, 3) + " ms", Ratio(latency.median, floorLatency.median));
  row("... 99th percentile", Fixed(latency.p99, 3) + " ms", Fixed(floorLatency.p99, 3) + " ms",
      Ratio(latency.p99, floorLatency.p99));
  row("Button event to first key, 99th percentile, with both cores busy", Fixed(loaded[0].p99, 3) + " ms",
      Fixed(loaded[1].p99, 3) + " ms", Ratio(loaded[0].p99, loaded[1].p99));
  row("CPU time per pointer move (" + std::to_string(kMoves) + " moves)", Fixed(moveUs, 1) + " us",
      Fixed(floorMoveUs, 1) + " us", Ratio(moveUs, floorMoveUs));
  row("Idle CPU time over " + std::to_string(kIdleMs / 1000) + " s", Fixed(idle.cpuMs, 1) + " ms",
      Fixed(floorIdle.cpuMs, 1) + " ms", "-");
  row("Idle wake-ups per minute", Fixed(idle.wakeupsPerMinute, 0), Fixed(floorIdle.wakeupsPerMinute, 0), "-");
  row("Private memory", Fixed(memory.privateMb, 1) + " MB", Fixed(floorMemory.privateMb, 1) + " MB",
      Ratio(memory.privateMb, floorMemory.privateMb));
  row("Resident memory", Fixed(memory.residentMb, 1) + " MB", Fixed(floorMemory.residentMb, 1) + " MB",
      Ratio(memory.residentMb, floorMemory.residentMb));
  row("Start-up to the tray frame", Fixed(frameMs, 0) + " ms", Fixed(floorWindowMs, 0) + " ms",
      Ratio(frameMs, floorWindowMs));
  row("Start-up to the hooks in place", Fixed(hooksMs, 0) + " ms", Fixed(floorHookMs, 0) + " ms",
      Ratio(hooksMs, floorHookMs));
  row("Click on a launcher icon to the popup gone, median of 20: a program's slot", Fixed(launchCloseMs, 1) + " ms",
      "-", "-");
  row("... a slot that starts nothing", Fixed(emptyCloseMs, 1) + " ms", "-", "-");
  row("Foreground switch to the first key of the new table's function, median of 40", Fixed(switchMs, 2) + " ms", "-",
      "-");
  const long floorSize = StrippedSize(ProgramFolder() + "\\floor_program.exe");
  long total = 0;
  for (const char* file : {"Pelrand.exe", "Varnel.dll", "Oskem.dll", "Fenwix.dll", "SkinMagic.dll"}) {
    const long size = StrippedSize(ProgramFolder() + "\\" + file);
    total += size;
    row(std::string("Stripped size of ") + file, std::to_string(size / 1024) + " KiB",
        std::string(file) == "Pelrand.exe" ? std::to_string(floorSize / 1024) + " KiB" : "-",
        std::string(file) == "Pelrand.exe" ? Ratio(size, floorSize) : "-");
  }
  row("Stripped size, all five files", std::to_string(total / 1024) + " KiB", "-", "-");

  std::ostringstream table;
  table << "| Figure | Program | Floor | Ratio |\n|---|---|---|---|\n";
  for (const auto& r : rows) table << "| " << r[0] << " | " << r[1] << " | " << r[2] << " | " << r[3] << " |\n";
  std::printf("bench_costs: each figure beside its floor (a minimal program doing the same), measured in this run\n%s",
              table.str().c_str());
  if (!markdownFile.empty()) std::ofstream(markdownFile) << table.str();
  return 0;
}
