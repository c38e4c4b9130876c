// Idle cost and start-up time of one shown form: the framework against a plain Win32
// program doing the same. Run without arguments: it starts itself for each kind, each run
// showing one window for ten seconds, three times per kind, and prints the medians and their
// ratios. Processor time under Wine has a granularity of about 10 ms; the wake-ups of the
// loop (messages taken or idle turns) show more finely that an idle loop does not spin.
#include "TApplication.h"
#include "TForm.h"
#include "TTimer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr UINT idleMilliseconds = 10000;
constexpr int runs = 3;

ULONGLONG FileTimeValue(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Milliseconds since this process was created.
double SinceProcessStart() {
  FILETIME creation{}, exit{}, kernel{}, user{}, now{};
  GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
  GetSystemTimeAsFileTime(&now);
  return static_cast<double>(FileTimeValue(now) - FileTimeValue(creation)) / 10000.0;
}

// Processor time this process used so far, milliseconds.
double ProcessorTime() {
  FILETIME creation{}, exit{}, kernel{}, user{};
  GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
  return static_cast<double>(FileTimeValue(kernel) + FileTimeValue(user)) / 10000.0;
}

struct Figures {
  double startup = 0;
  double idleCpu = 0;
  double wakeUps = 0;
};

void WriteFigures(const char* path, const Figures& figures) {
  if (FILE* file = std::fopen(path, "w")) {
    std::fprintf(file, "%f %f %f\n", figures.startup, figures.idleCpu, figures.wakeUps);
    std::fclose(file);
  }
}

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

Figures RunPlain() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = PlainWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = "PlainBenchmarkWindow";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "PlainBenchmarkWindow", "Plain", WS_OVERLAPPEDWINDOW, 100, 100,
                                320, 240, nullptr, nullptr, windowClass.hInstance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  Figures figures;
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    DispatchMessageA(&message);
  }
  figures.startup = SinceProcessStart();
  double cpu = ProcessorTime();
  SetTimer(window, 1, idleMilliseconds, nullptr);
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    ++figures.wakeUps;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  figures.idleCpu = ProcessorTime() - cpu;
  return figures;
}

// Ends the framework run: records the start-up at the first idle, quits at the timer.
class FrameworkRun : public TObject {
public:
  Figures figures;
  double cpuAtStart = 0;
  bool started = false;

  void Idle(TObject*, bool&) {
    ++figures.wakeUps;
    if (!started) {
      started = true;
      figures.startup = SinceProcessStart();
      cpuAtStart = ProcessorTime();
    }
  }
  void Stop(TObject*) { Application->Quit(); }
};

Figures RunFramework() {
  FrameworkRun run;
  TForm* form = nullptr;
  Application->AddForm(form);
  form->SetBounds(100, 100, 320, 240);
  form->SetCaption("Framework");
  auto* timer = new TTimer(form);
  timer->SetInterval(idleMilliseconds);
  timer->SetOnTimer(TNotifyEvent::Bind<&FrameworkRun::Stop>(run));
  Application->OnIdle = TEvent<TObject*, bool&>::Bind<&FrameworkRun::Idle>(run);
  Application->RunLoop();
  run.figures.idleCpu = ProcessorTime() - run.cpuAtStart;
  Application->OnIdle = {};
  return run.figures;
}

Figures RunChild(const char* self, const char* kind) {
  char output[MAX_PATH] = {};
  char folder[MAX_PATH] = {};
  GetTempPathA(sizeof folder, folder);
  GetTempFileNameA(folder, "bnc", 0, output);
  char command[3 * MAX_PATH] = {};
  std::snprintf(command, sizeof command, "\"%s\" %s \"%s\"", self, kind, output);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  Figures figures;
  if (CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (FILE* file = std::fopen(output, "r")) {
      if (std::fscanf(file, "%lf %lf %lf", &figures.startup, &figures.idleCpu, &figures.wakeUps) !=
          3) {
        figures = Figures{};
      }
      std::fclose(file);
    }
  }
  DeleteFileA(output);
  return figures;
}

double Median(std::vector<Figures> figures, double Figures::*value) {
  std::sort(figures.begin(), figures.end(),
            [value](const Figures& a, const Figures& b) { return a.*value < b.*value; });
  return figures[figures.size() / 2].*value;
}

void PrintComparison(const char* what, double framework, double plain, const char* unit) {
  std::printf("%s: framework %.1f%s, plain %.1f%s", what, framework, unit, plain, unit);
  if (plain > 0) {
    std::printf(", ratio %.2f\n", framework / plain);
  } else {
    std::printf(", ratio not measurable (plain used no measurable time)\n");
  }
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "plain") == 0) {
    WriteFigures(argv[2], RunPlain());
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "framework") == 0) {
    WriteFigures(argv[2], RunFramework());
    return 0;
  }
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::vector<Figures> plain;
  std::vector<Figures> framework;
  for (int run = 0; run < runs; ++run) {
    plain.push_back(RunChild(self, "plain"));
    framework.push_back(RunChild(self, "framework"));
  }
  std::printf("median of %d runs of each kind\n", runs);
  PrintComparison("start-up to first form shown", Median(framework, &Figures::startup),
                  Median(plain, &Figures::startup), " ms");
  PrintComparison("processor time while idle for 10 s", Median(framework, &Figures::idleCpu),
                  Median(plain, &Figures::idleCpu), " ms");
  PrintComparison("loop wake-ups while idle for 10 s", Median(framework, &Figures::wakeUps),
                  Median(plain, &Figures::wakeUps), "");
  return 0;
}
