// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game that broke one of its rules: what broke, in words.

#include <stdexcept>

namespace kalvenor::fuzz {

class Breach : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline void require(bool holds, const char* rule) {
  if (!holds) throw Breach(rule);
}

}  // namespace kalvenor::fuzz
