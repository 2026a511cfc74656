#pragma once

// The status image sets: which ids form a set (StatusImageIds.h) and a loaded set
// (StatusImageSet.h).
#include "images/StatusImageIds.h"
#include "images/StatusImageSet.h"
