// Renders the skinned controls in each of their states and every skin file to PNG files, so
// the look can be checked by eye: gallery <package folder> <output folder>.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/ApplicationApp.h"
#include "controls/ImagePng.h"
#include "controls/TButtonPng.h"
#include "controls/TDialog.h"
#include "controls/TStaticPng.h"
#include "framework/Handles.h"
#include "framework/SystemLibrary.h"
#include "pages/PagePattern.h"

namespace {

constexpr UINT IDD_GALLERY_SCENE = 200;

// ---- Drawing surfaces -----------------------------------------------------------------------
void FillChecker(HDC dc, int width, int height) {
  fw::CBrush light(::CreateSolidBrush(RGB(255, 255, 255)));
  fw::CBrush dark(::CreateSolidBrush(RGB(204, 204, 204)));
  for (int y = 0; y < height; y += 8)
    for (int x = 0; x < width; x += 8) {
      RECT cell{x, y, x + 8, y + 8};
      ::FillRect(dc, &cell, ((x + y) / 8) % 2 ? dark.Get() : light.Get());
    }
}

// The window as the user sees it: its own pixels, black outside its window region (the
// rounded corners). Read from the window's surface, so no message has to run first.
bool SaveWindow(HWND hWnd, const std::wstring& path) {
  RECT rect{};
  ::GetWindowRect(hWnd, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC window = ::GetWindowDC(hWnd);
  fw::CMemoryCanvas canvas;
  bool ok = canvas.Create(window, width, height);
  if (ok) {
    ::BitBlt(canvas.Get(), 0, 0, width, height, window, 0, 0, SRCCOPY);
    fw::CRgn region(::CreateRectRgn(0, 0, 0, 0));
    if (region && ::GetWindowRgn(hWnd, region.Get()) != ERROR) {
      fw::CRgn outside(::CreateRectRgn(0, 0, width, height));
      ::CombineRgn(outside.Get(), outside.Get(), region.Get(), RGN_DIFF);
      ::FillRgn(canvas.Get(), outside.Get(), static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
    ::GdiFlush();
  }
  ::ReleaseDC(hWnd, window);
  return ok && SaveBitmapAsPng(canvas.Bitmap(), path);
}

void Pump(DWORD milliseconds) {
  DWORD start = ::GetTickCount();
  do {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::Sleep(5);
  } while (::GetTickCount() - start < milliseconds);
}

std::wstring WindowsPath(const char* arg) {
  std::wstring path;
  if (arg[0] == '/') path = L"Z:";
  for (const char* p = arg; *p; ++p) path += static_cast<wchar_t>(*p == '/' ? '\\' : *p);
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path;
}

int g_nFailures = 0;

void Report(bool ok, const std::wstring& path) {
  if (!ok) ++g_nFailures;
  std::printf("%s %ls\n", ok ? "wrote " : "FAILED", path.c_str());
}

// ---- The scenes -----------------------------------------------------------------------------
enum class State { Normal, Hover, Pressed };

struct CButtonSetup {
  int id;
  const wchar_t* text;
  const std::wstring* normal;
  const std::wstring* hover;
  RECT rect;
  enum { Orange, White, Black } colour;
};

struct CLabelSetup {
  int id;
  const wchar_t* text;
  enum { Black, Grey, Picture, ClickableGrey, BlackBold, Question } look;
  RECT rect;
};

class CScene : public CTDialog {
 public:
  CScene(std::wstring background, std::vector<CButtonSetup> buttons, std::vector<CLabelSetup> labels, int radius)
      : CTDialog(IDD_GALLERY_SCENE),
        m_strBackground(std::move(background)),
        m_buttonSetups(std::move(buttons)),
        m_labelSetups(std::move(labels)),
        m_nRadius(radius) {}

  CTButtonPng m_buttons[7];
  CTStaticPng m_labels[6];

  bool Open(int width, int height) {
    if (!Create(nullptr)) return false;
    for (size_t i = 0; i < 7; ++i) {
      DDX_Control(201 + static_cast<int>(i), m_buttons[i]);
      ::ShowWindow(m_buttons[i].m_hWnd, i < m_buttonSetups.size() ? SW_SHOW : SW_HIDE);
    }
    for (size_t i = 0; i < 6; ++i) {
      DDX_Control(211 + static_cast<int>(i), m_labels[i]);
      ::ShowWindow(m_labels[i].m_hWnd, i < m_labelSetups.size() ? SW_SHOW : SW_HIDE);
    }
    for (size_t i = 0; i < m_buttonSetups.size(); ++i) {
      const CButtonSetup& item = m_buttonSetups[i];
      CTButtonPng& button = m_buttons[i];
      Place(button.m_hWnd, item.rect);
      button.SetWindowText(item.text);
      button.SetImages(*item.normal, item.hover ? *item.hover : std::wstring(), L"");
      theApp.ApplyButtonLook(button);
      if (item.colour == CButtonSetup::White) LookTextWhite(button);
      if (item.colour == CButtonSetup::Black) LookTextBlack(button);
    }
    for (size_t i = 0; i < m_labelSetups.size(); ++i) {
      const CLabelSetup& item = m_labelSetups[i];
      CTStaticPng& label = m_labels[i];
      Place(label.m_hWnd, item.rect);
      label.SetWindowText(item.text);
      switch (item.look) {
        case CLabelSetup::Black: theApp.ApplyBlackLabelLook(label); break;
        case CLabelSetup::BlackBold: theApp.ApplyBlackLabelLook(label); LookBold(label); break;
        case CLabelSetup::Grey: theApp.ApplyGreyLabelLook(label); break;
        case CLabelSetup::Question:
          theApp.ApplyBlackLabelLook(label);
          LookButtonHeight(label);
          LookCentred(label);
          break;
        case CLabelSetup::Picture: label.SetImages(theApp.m_strSkinWifi, L"", L""); break;
        case CLabelSetup::ClickableGrey:
          theApp.ApplyGreyLabelLook(label);
          LookClickable(label);
          label.SetTextColors(theApp.m_clrGray, theApp.m_clrOrange, theApp.m_clrOrange);
          break;
      }
    }
    LoadBackground(m_strBackground);
    m_bDrag = m_nRadius > 0;
    m_nFilletRadius = m_nRadius;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 100, 100, width, height, SWP_SHOWWINDOW);
    Settle();
    return true;
  }

  void SetState(State state) {
    // Back to normal first, then as if the mouse came over every control (and pressed).
    for (size_t i = 0; i < m_buttonSetups.size(); ++i) Drive(m_buttons[i].m_hWnd, state);
    for (size_t i = 0; i < m_labelSetups.size(); ++i) Drive(m_labels[i].m_hWnd, state);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
  }

  void Settle() {
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(150);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
  }

 private:
  static void Place(HWND hWnd, const RECT& r) { ::MoveWindow(hWnd, r.left, r.top, r.right, r.bottom, FALSE); }
  void Drive(HWND hWnd, State state) {
    const LPARAM at = MAKELPARAM(3, 3);
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, at);
    ::SendMessageW(hWnd, WM_MOUSELEAVE, 0, 0);
    if (state == State::Normal) return;
    ::SendMessageW(hWnd, WM_MOUSEMOVE, 0, at);
    if (state == State::Pressed) ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  }

  std::wstring m_strBackground;
  std::vector<CButtonSetup> m_buttonSetups;
  std::vector<CLabelSetup> m_labelSetups;
  int m_nRadius;
};

void RenderScene(CScene& scene, int width, int height, const std::wstring& out,
                 const wchar_t* name) {
  if (!scene.Open(width, height)) {
    Report(false, out + name);
    return;
  }
  const struct {
    State state;
    const wchar_t* suffix;
  } states[] = {{State::Normal, L"normal"}, {State::Hover, L"hover"}, {State::Pressed, L"pressed"}};
  for (const auto& s : states) {
    scene.SetState(s.state);
    std::wstring path = out + name + L"_" + s.suffix + L".png";
    Report(SaveWindow(scene.m_hWnd, path), path);
    Pump(30);  // the leave notices the tracking posts, before the next state
  }
  scene.SetState(State::Normal);
  scene.DestroyWindow();
}

void RenderSkinFiles(const std::wstring& skin, const std::wstring& out) {
  WIN32_FIND_DATAW found{};
  HANDLE find = ::FindFirstFileW((skin + L"*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) {
    Report(false, skin);
    return;
  }
  std::vector<std::wstring> names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (::FindNextFileW(find, &found));
  ::FindClose(find);

  fw::CWindowDC screen(nullptr);
  for (const std::wstring& name : names) {
    const std::wstring source = skin + name;
    const std::wstring ext = name.size() > 4 ? name.substr(name.size() - 4) : L"";
    const std::wstring path = out + L"skin_" + name.substr(0, name.size() - ext.size()) + L".png";
    bool ok = false;
    if (lstrcmpiW(ext.c_str(), L".bmp") == 0) {
      fw::CBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(nullptr, source.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
      ok = bitmap && SaveBitmapAsPng(bitmap.Get(), path);
    } else if (lstrcmpiW(ext.c_str(), L".png") == 0) {
      // Through the controls' own loader and alpha drawing, over a checker board.
      CImagePng image;
      if (image.Load(source)) {
        PremultiplyAlpha(image);
        fw::CMemoryCanvas canvas;
        if (canvas.Create(screen.Get(), image.GetWidth() * 2, image.GetHeight() * 2)) {
          FillChecker(canvas.Get(), image.GetWidth() * 2, image.GetHeight() * 2);
          ok = image.Draw(canvas.Get(), image.GetWidth() / 2, image.GetHeight() / 2) &&
               SaveBitmapAsPng(canvas.Bitmap(), path);
        }
      }
    } else if (lstrcmpiW(ext.c_str(), L".gif") == 0) {
      ok = ConvertImageToPng(source, path);
    } else if (lstrcmpiW(ext.c_str(), L".ico") == 0) {
      fw::CMemoryCanvas canvas;
      const int sizes[] = {16, 32, 48};
      if (canvas.Create(screen.Get(), 16 + 32 + 48 + 40, 58)) {
        FillChecker(canvas.Get(), 16 + 32 + 48 + 40, 58);
        ok = true;
        int x = 5;
        for (int size : sizes) {
          fw::CIcon icon(static_cast<HICON>(::LoadImageW(nullptr, source.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
          ok = ok && icon && ::DrawIconEx(canvas.Get(), x, 5, icon.Get(), size, size, 0, nullptr, DI_NORMAL);
          x += size + 10;
        }
        ok = ok && SaveBitmapAsPng(canvas.Bitmap(), path);
      }
    } else {
      continue;
    }
    Report(ok, path);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::printf("usage: gallery <package folder> <output folder>\n");
    return 2;
  }
  const std::wstring package = WindowsPath(argv[1]);
  const std::wstring out = WindowsPath(argv[2]);
  ::CreateDirectoryW(out.c_str(), nullptr);

  theApp.m_strExeDir = package;
  theApp.LoadSettings();
  theApp.InitSkinPaths();
  RenderSkinFiles(package + L"Skin\\", out);

  // A wizard page: Windows gives 2 pixels per dialog unit, so a 214 x 130 page is 428 x 260.
  {
    CScene page(theApp.m_strSkinChildBack,
                {{1, L"Install Now", &theApp.m_strSkinInstallButton, nullptr, {144, 200, 140, 36}, CButtonSetup::Orange},
                 {2, L"Uninstall", &theApp.m_strSkinUninstallButton, nullptr, {284, 150, 140, 36}, CButtonSetup::Orange},
                 {3, L"Uninstall Cancel", &theApp.m_strSkinUninstallCancelButton, nullptr, {4, 150, 140, 36}, CButtonSetup::Orange},
                 {4, L"", &theApp.m_strSkinCloseNormal, &theApp.m_strSkinCloseMove, {400, 6, 20, 20}, CButtonSetup::Orange}},
                {{11, L"", CLabelSetup::Picture, {20, 20, 60, 60}},
                 {12, L"Welcome to the setup", CLabelSetup::BlackBold, {90, 20, 320, 26}},
                 {13, L"Install to C:\\Program Files", CLabelSetup::Grey, {90, 50, 320, 22}},
                 {14, L"Read the licence agreement", CLabelSetup::ClickableGrey, {90, 76, 320, 22}},
                 {15, L"Please plug in the adapter", CLabelSetup::Black, {90, 102, 320, 22}}},
                0);
    RenderScene(page, 428, 260, out, L"page");
  }
  // A prompt: 150 x 100 dialog units, draggable, rounded.
  {
    CScene prompt(theApp.m_strSkinExitBack,
                  {{1, L"OK", &theApp.m_strSkinOkButton, nullptr, {78, 140, 60, 26}, CButtonSetup::White},
                   {2, L"Cancel", &theApp.m_strSkinCancelButton, nullptr, {158, 140, 60, 26}, CButtonSetup::Black},
                   {3, L"", &theApp.m_strSkinCloseNormal, &theApp.m_strSkinCloseMove, {270, 10, 20, 20},
                    CButtonSetup::Orange}},
                  {{11, L"Network Adapter", CLabelSetup::BlackBold, {42, 12, 196, 18}},
                   {12, L"Sure to exit?", CLabelSetup::Question, {14, 80, 272, 18}}},
                  theApp.m_nFilletRadian);
    RenderScene(prompt, 300, 200, out, L"prompt");
  }
  std::printf("%d failure(s)\n", g_nFailures);
  return g_nFailures ? 1 : 0;
}
