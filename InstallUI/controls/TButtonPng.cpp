#include "controls/TButtonPng.h"

#include "controls/TextPlacement.h"

CTButtonPng::CTButtonPng() : CTImageControl(::LoadCursorW(nullptr, IDC_HAND), BUTTON_TEXT_INSET) {}
