#pragma once
#include <QImage>

// The title picture shown by the splash window and the version box: 214 x 102 pixels,
// the program's name and version over a small chart, in a sixteen-colour palette.
QImage TitlePicture();

// The picture's text lines, for those who cannot see it.
QString TitlePictureText();
