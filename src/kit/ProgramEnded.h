// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace norvik {

// Thrown by a platform whose terminate() unwinds instead of exiting: it passes
// through every handler and dispatch up to the front end's main loop.
struct ProgramEnded {};

} // namespace norvik
