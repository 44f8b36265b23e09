#include "controls/TStaticPng.h"

#include "controls/TextPlacement.h"

CTStaticPng::CTStaticPng() : CTImageControl(nullptr, LABEL_TEXT_INSET) {}

void CTStaticPng::MakeClickable() {
  // The flag stands for the style: both are set on the bound window, once.
  if (m_bClickable == 1 || !m_hWnd) return;
  m_bClickable = 1;
  ModifyStyle(0, SS_NOTIFY);
}
