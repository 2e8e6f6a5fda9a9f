// The shared library of all three programs, by topic: the base (constants,
// clock, random, strings, numbers), the text files, the portability layer,
// the rasterizer and the settings-window widgets.
#pragma once
#include "common/numbers.h"
#include "common/textfile.h"
#include "common/layer.h"
#include "common/raster.h"
#include "common/widgets.h"
