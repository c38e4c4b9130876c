// The cost of the player's list operations on a list box of 1000 entries (the play list's
// limit): appending by replacing past the end (the player's way) against plain LB_ADDSTRING
// on a bare native list box, reading every entry back, and making the window anew with all
// entries kept. Prints the median of five runs of each, in milliseconds.
#include "TListBox.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int entries = 1000;
constexpr int runs = 5;

double Milliseconds(const std::function<void()>& work) {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  LARGE_INTEGER end{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  work();
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string EntryName(int i) { return "C:\\music\\track " + std::to_string(i) + ".mp3"; }

void Report(const char* what, const std::function<double()>& run) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    times.push_back(run());
  }
  std::printf("%-44s %9.2f ms\n", what, Median(times));
}

} // namespace

int main() {
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  Report("1000 plain LB_ADDSTRING", [parent] {
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_HASSTRINGS, 0, 0, 200, 200, parent,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    double taken = Milliseconds([list] {
      for (int i = 0; i < entries; ++i) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(EntryName(i).c_str()));
      }
    });
    DestroyWindow(list);
    return taken;
  });
  auto run = [parent](const std::function<double(TListBox&)>& measure) {
    TListBox list(nullptr);
    list.SetMultiSelect(true);
    list.SetParentWindow(parent);
    return measure(list);
  };
  Report("1000 LB_GETCOUNT through the framework", [&run] {
    return run([](TListBox& list) {
      HWND window = list.Handle();
      return Milliseconds([window] {
        for (int i = 0; i < entries; ++i) {
          SendMessageA(window, LB_GETCOUNT, 0, 0);
        }
      });
    });
  });
  Report("1000 ReplaceAt(count, name)", [&run] {
    return run([](TListBox& list) {
      return Milliseconds([&list] {
        for (int i = 0; i < entries; ++i) {
          list.Items().ReplaceAt(list.Items().ItemCount(), EntryName(i));
        }
      });
    });
  });
  Report("1000 ItemAt", [&run] {
    return run([](TListBox& list) {
      for (int i = 0; i < entries; ++i) {
        list.Items().Append(EntryName(i));
      }
      std::size_t bytes = 0;
      double taken = Milliseconds([&list, &bytes] {
        for (int i = 0; i < entries; ++i) {
          bytes += list.Items().ItemAt(i).size();
        }
      });
      return bytes > 0 ? taken : -1.0;
    });
  });
  Report("new window keeping 1000 entries", [&run] {
    return run([](TListBox& list) {
      for (int i = 0; i < entries; ++i) {
        list.Items().Append(EntryName(i));
      }
      return Milliseconds([&list] {
        list.SetExtendedSelect(false);
        list.HandleNeeded();
      });
    });
  });
  DestroyWindow(parent);
  return 0;
}
