#pragma once

#include <QIcon>
#include <QImage>

namespace ui {

// The window icon drawn into a new size x size image: a blue field with the
// yellow outline of a model seen from above, a grey fuselage line and a red
// mark on the wing. 16 and 32 have designs of their own; any other positive
// size gets the 32 design scaled to it. Needs no application object.
QImage AppIconImage(int size);

// The toolbar images, 16 x 16 on a transparent background: an opening yellow
// folder (Load) and a diskette (Save as). Need no application object.
QImage OpenFolderImage();
QImage DiskImage();

// The same pictures as icons; the window icon holds the 16 and the 32 design.
// Need a QGuiApplication.
QIcon AppIcon();
QIcon OpenFolderIcon();
QIcon DiskIcon();

}  // namespace ui
