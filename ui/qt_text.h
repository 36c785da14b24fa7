#pragma once
// The windows' way to the text conversions, which live beside the platform layers: the
// clipboard needs them as much as the widgets do.

#include "platform/qt_text.h"
