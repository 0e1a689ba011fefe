#pragma once
#include "records/a/A.h"
