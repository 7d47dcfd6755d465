#pragma once

// The COCOMO engine's name for the shared figure capping (every engine caps alike).
#include "framework/FiniteFigure.h"
