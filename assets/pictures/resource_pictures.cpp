// ResourcePictures: the names of the small pictures linked into the program.

#include "resource_pictures.h"

namespace ResourcePictures {

QString promptFace()
{
    return QStringLiteral(":/pictures/prompt_face.png");
}

QString redArrow()
{
    return QStringLiteral(":/pictures/red_arrow.png");
}

} // namespace ResourcePictures
