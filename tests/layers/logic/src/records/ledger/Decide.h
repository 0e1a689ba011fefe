#pragma once
#include "records/window/Win.h"
