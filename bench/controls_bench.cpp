// Time of one image-button paint, which loads and decodes its PNG every time, split into the
// decode and the whole paint. Prints figures only; never fails on time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/ImagePng.h"
#include "controls/TButtonPng.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

void Print(const char* what, std::vector<double> us) {
  std::sort(us.begin(), us.end());
  double sum = 0;
  for (double v : us) sum += v;
  std::printf("%-34s n=%zu  mean %8.1f us  median %8.1f us  p95 %8.1f us  max %8.1f us\n", what, us.size(),
              sum / us.size(), us[us.size() / 2], us[us.size() * 95 / 100], us.back());
}

std::wstring SkinFile(const char* name) {
  std::string unix = std::string(BENCH_SOURCE_DIR) + "/package/Skin/" + name;
  std::wstring path = L"Z:";
  for (char c : unix) path += static_cast<wchar_t>(c == '/' ? '\\' : c);
  return path;
}

}  // namespace

int main() {
  const int runs = 300;
  const std::wstring png = SkinFile("btn_install.png");

  std::vector<double> decode;
  {
    CImagePng image;
    image.Load(png);  // GDI+ start-up out of the figures
    for (int i = 0; i < runs; ++i) {
      double t0 = Now();
      image.Load(png);
      PremultiplyAlpha(image);
      decode.push_back(Now() - t0);
    }
    if (image.IsNull()) std::printf("cannot load %ls\n", png.c_str());
  }

  HWND host = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 50, 50, 200, 80, nullptr, nullptr,
                                nullptr, nullptr);
  HWND hWnd = ::CreateWindowExW(0, L"BUTTON", L"Install Now", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20,
                                140, 36, host, nullptr, nullptr, nullptr);
  CTButtonPng button;
  button.SubclassWindow(hWnd);
  button.SetImages(png, L"", L"");
  button.SetTextFont(19, 0, L"Microsoft YaHei");
  ::UpdateWindow(host);
  ::UpdateWindow(hWnd);

  std::vector<double> paint;
  for (int i = 0; i < runs; ++i) {
    ::InvalidateRect(hWnd, nullptr, FALSE);
    double t0 = Now();
    ::UpdateWindow(hWnd);  // one WM_PAINT, sent synchronously
    paint.push_back(Now() - t0);
  }
  std::vector<double> emptyPaint;
  button.SetImages(L"", L"", L"");
  for (int i = 0; i < runs; ++i) {
    ::InvalidateRect(hWnd, nullptr, FALSE);
    double t0 = Now();
    ::UpdateWindow(hWnd);
    emptyPaint.push_back(Now() - t0);
  }
  button.UnsubclassWindow();
  ::DestroyWindow(host);

  std::printf("image button 140 x 36, %ls\n", png.c_str());
  Print("PNG load + premultiply", decode);
  Print("button paint with its PNG", paint);
  Print("button paint without an image", emptyPaint);
  return 0;
}
