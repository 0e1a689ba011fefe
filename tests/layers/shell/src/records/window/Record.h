#pragma once
#include "shell/window/Main.h"
