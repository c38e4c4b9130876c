#include "WindowPicture.h"

#include "ScopeGuard.h"

#include <cstdio>
#include <vector>

namespace {

// The rows of a 24-bit picture, bottom row first, each padded to four bytes.
std::vector<unsigned char> PictureBits(HDC source, int width, int height,
                                       BITMAPINFOHEADER& header) {
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
  TScopeGuard release([memory, bitmap] {
    DeleteDC(memory);
    DeleteObject(bitmap);
  });
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  header = BITMAPINFOHEADER{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const auto rowSize = static_cast<std::size_t>((width * 3 + 3) / 4 * 4);
  std::vector<unsigned char> bits(rowSize * static_cast<std::size_t>(height));
  header.biSizeImage = static_cast<DWORD>(bits.size());
  if (!GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), bits.data(),
                 reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS)) {
    bits.clear();
  }
  return bits;
}

} // namespace

bool SaveWindowPicture(HWND window, const char* path) {
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  BITMAPINFOHEADER header{};
  std::vector<unsigned char> bits = PictureBits(dc, client.right, client.bottom, header);
  ReleaseDC(window, dc);
  if (bits.empty()) {
    return false;
  }
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = static_cast<DWORD>(file.bfOffBits + bits.size());
  FILE* out = std::fopen(path, "wb");
  if (!out) {
    return false;
  }
  bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                 std::fwrite(&header, sizeof header, 1, out) == 1 &&
                 std::fwrite(bits.data(), bits.size(), 1, out) == 1;
  return std::fclose(out) == 0 && written;
}
