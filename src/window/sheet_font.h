#pragma once

#include <QFont>

namespace zorvanta {

// The font of the problem texts: "宋体" where it is installed, otherwise a CJK font whose
// digits, spaces and ASCII signs share one width and whose "÷" is twice as wide, so the
// columns of a row line up. Its size is set by the caller.
QFont sheetFont();

}  // namespace zorvanta
