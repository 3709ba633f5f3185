// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program does before it opens its window: --help and --version
// print and end it; an unknown option ends it with one line and status 2;
// without a display to open the window on it ends with one line naming the
// variable to set, status 1, rather than Qt's abort.

#include <optional>

namespace kalvenor::ui {

// The status to end with at once, or nothing when the window may open.
std::optional<int> commandLineExit(int argc, char* argv[]);

// While one lives, a fatal error of Qt's (the display that is set cannot be
// reached) ends the program with one line and status 1 instead of a core file.
class DisplayFailureGuard {
 public:
  DisplayFailureGuard();
  ~DisplayFailureGuard();
  DisplayFailureGuard(const DisplayFailureGuard&) = delete;
  DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
};

}  // namespace kalvenor::ui
