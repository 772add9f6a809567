// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Event times are counted on the kit's clock arithmetic (momentMillis and
// momentFromMillis in kit/DateTime.h).
#include "kit/DateTime.h"
