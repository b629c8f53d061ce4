// ResourcePictures: the names of the small pictures linked into the program.
//
// The pictures are drawn by make_pictures during the build and compiled into the
// kazerumi_pictures library as Qt resources, so they are always there: no file
// beside the program is needed for them.
#pragma once

#include <QString>

namespace ResourcePictures {

// The 64 x 64 smiling friend that stands beside the prompt line of every screen.
QString promptFace();

// The 20 x 11 red arrow pointing right, which marks the row to fill in.
QString redArrow();

} // namespace ResourcePictures
