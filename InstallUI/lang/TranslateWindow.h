// Translation of whole windows: a dialog's title and the texts of every window inside it.
#pragma once

#include <windows.h>

#include <mutex>
#include <unordered_set>

// Windows already visited, never translated again. Dialogs are created on the main thread and,
// for the engine's failure notice, on a worker, so every test-and-add holds the lock.
class CTranslatedWindows {
 public:
  // Adds `window`; false when it was already there.
  bool Add(HWND window);
  bool Contains(HWND window);

 private:
  std::mutex m_mutex;
  std::unordered_set<HWND> m_windows;
};

extern CTranslatedWindows g_translatedWindows;

// Translates the window's title and all its descendants, once per window handle.
void TranslateWindow(HWND window);
// The per-descendant step of TranslateWindow; always goes on with the enumeration.
BOOL CALLBACK TranslateChildWindow(HWND window, LPARAM lParam);
// Replaces every item by its translation, keeping order and selection.
void TranslateComboBox(HWND comboBox);
