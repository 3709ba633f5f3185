// SPDX-License-Identifier: GPL-3.0-or-later
// kalvenor-replay [scenario-file]: runs a scenario (from the file, or from
// standard input) on the game logic and prints the dumps it asks for.

#include <fstream>
#include <iostream>

#include "scenario.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: kalvenor-replay [scenario-file]\n";
    return 2;
  }
  if (argc == 2) {
    std::ifstream file(argv[1]);
    if (!file) {
      std::cerr << "error: cannot read " << argv[1] << '\n';
      return 2;
    }
    return kalvenor::runScenario(file, std::cout, std::cerr);
  }
  return kalvenor::runScenario(std::cin, std::cout, std::cerr);
}
