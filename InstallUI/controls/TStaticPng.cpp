#include "controls/TStaticPng.h"

#include "controls/TextPlacement.h"

CTStaticPng::CTStaticPng() : CTImageControl(nullptr, LABEL_TEXT_INSET) {}

void CTStaticPng::MakeClickable() {
  if (m_bClickable == 1) return;
  m_bClickable = 1;
  if (m_hWnd) ModifyStyle(0, SS_NOTIFY);
}
