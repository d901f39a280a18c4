#pragma once

#include <QIcon>
#include <QPixmap>

namespace palvren {

// The program's own pictures, drawn in code.
QIcon applicationIcon();
QPixmap logoPicture();      // 101 by 75 pixels
QIcon conflictArrowIcon();  // 16 by 16, pointing right
// A tick, 16 by 16, marking the field two contacts matched on.
QIcon matchedFieldIcon();

}  // namespace palvren
