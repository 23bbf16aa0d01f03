// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the number statistics make of a number. A number has at most one class; it has none when
// the analysis cannot place it, e.g. every number outside the hot window once the hot-number
// cutoff reaches the drawing cutoff.
enum class NumberClass { None, Hot, Prior, Cold, Due };
