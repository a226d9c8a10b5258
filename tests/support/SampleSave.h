#pragma once

#include "TempKit.h"

#include <QStringList>

// Saves the sample kit in `kit` as the save button does: the sample
// kvmain.dat is installed, its texts loaded, the default font captured and
// the standard picture of row 0 taken as its translated picture; "lang.dat"
// is then written into the kit folder. Returns the packed files.
QStringList saveSampleKit(const TempKit &kit);
