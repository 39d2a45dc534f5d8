// The two node images of the project tree, drawn once into one 60 by 20
// strip: image 0 (left) shows three yellow question marks in a blue frame,
// image 1 (right) one yellow question mark and a green arrow in a red frame.
#pragma once

#include <QPixmap>

namespace veldor {

QPixmap TreeNodeImageStrip();

}  // namespace veldor
