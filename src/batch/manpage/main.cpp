// Writes the vrk-batch(1) manual page to standard output (run by the build).
#include <iostream>

#include "batch/help_text.h"

int main(int argc, char** argv) {
  std::cout << vrk::batch::manualPage(argc > 1 ? argv[1] : "");
  return std::cout ? 0 : 1;
}
