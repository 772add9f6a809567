// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Text.h"
#include "language/LanguageLines.h"

#include <map>
#include <string>

namespace norvik::test {

// A test language module of COUNT lines: line n reads "PREFIX n" unless it
// is overridden, so that expectations follow the numbering, not the wording.
Lines numberedModule(const std::string& prefix, int count = moduleLineCount,
                     const std::map<int, Text>& overrides = {});
// The bytes of a module file: each line followed by CR LF.
std::string moduleFile(const Lines& lines);

} // namespace norvik::test
