#pragma once

#include <QIcon>
#include <QPixmap>

namespace palvren {

// The program's own pictures, drawn in code.
QIcon applicationIcon();
QPixmap logoPicture();      // 101 by 75 pixels
QIcon conflictArrowIcon();  // 16 by 16, pointing right

}  // namespace palvren
