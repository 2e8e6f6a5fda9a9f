// The instrument panel and the radios. Their records (`ins`, `nav`) are in
// records/records.h.
#pragma once
#include "common/common.h"
#include "records/records.h"

