// TODO(batch): stand-in until the controls step lands its scripted input;
// the real definition replaces this weak one.
#include "tools/batch/local.h"

__attribute__((weak)) void set_scripted_input(float, float, float, float) {}
