#pragma once
// A data-library header that reaches up into the widgets: the layer check
// must refuse this tree.
#include "widgets/High.h"
