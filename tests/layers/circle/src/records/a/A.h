#pragma once
// Includes a folder that includes this one back: the check must refuse it.
#include "records/b/B.h"
