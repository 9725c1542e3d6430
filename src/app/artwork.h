// The pictures built into the program (packaging/icons), read without asking any image plugin.
#pragma once

#include <QPixmap>

// NAME is the file's name in packaging/icons, for example "rotorix-16.png".
QPixmap artwork(const QString& name);
