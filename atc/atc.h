// Air traffic control. Its records (`atc`, `fpl`) are in records/records.h.
#pragma once
#include "common/common.h"
#include "records/records.h"

