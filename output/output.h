// Data output, graphs and the flight-path record. Their records (`pat`,
// `grf`) are in records/records.h.
#pragma once
#include "common/common.h"
#include "records/records.h"

