// The floor of the playing figures: the least a Win32 program does to play one file through
// MCI the way the player does, asking the device for its mode, position and length every
// 100 ms. It shows one window, starts playing the file its command line names, and ends when
// the device stops or the window is closed.
#include <windows.h>

#include <mmsystem.h>

namespace {

constexpr UINT_PTR TickId = 1;
constexpr UINT TickMilliseconds = 100;
MCIDEVICEID device = 0;

DWORD_PTR StatusOf(DWORD_PTR item) {
  MCI_STATUS_PARMS status{};
  status.dwItem = static_cast<DWORD>(item);
  if (mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                      reinterpret_cast<DWORD_PTR>(&status)) != 0)
    return 0;
  return status.dwReturn;
}

void Tick(HWND window) {
  const DWORD_PTR mode = StatusOf(MCI_STATUS_MODE);
  StatusOf(MCI_STATUS_POSITION);
  StatusOf(MCI_STATUS_LENGTH);
  if (mode == MCI_MODE_STOP)
    DestroyWindow(window);
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_TIMER:
    Tick(window);
    return 0;
  case WM_DESTROY:
    KillTimer(window, TickId);
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool OpenAndPlay(const char* path, HWND window) {
  MCI_OPEN_PARMSA open{};
  open.lpstrElementName = path;
  if (mciSendCommandA(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                      reinterpret_cast<DWORD_PTR>(&open)) != 0)
    return false;
  device = open.wDeviceID;
  MCI_PLAY_PARMS play{};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(window);
  return mciSendCommandA(device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play)) == 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = FloorProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "SorvaneFloorPlayer";
  if (!RegisterClassA(&windowClass))
    return 1;
  HWND window = CreateWindowExA(0, "SorvaneFloorPlayer", "Floor player", WS_OVERLAPPEDWINDOW, 192,
                                106, 230, 105, nullptr, nullptr, instance, nullptr);
  if (!window)
    return 1;
  ShowWindow(window, show);
  if (!OpenAndPlay(commandLine, window))
    return 2;
  SetTimer(window, TickId, TickMilliseconds, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  mciSendCommandA(device, MCI_CLOSE, MCI_WAIT, 0);
  return 0;
}
