// vrk-batch: the command-line companion of the desktop program.
#include <iostream>
#include <string>
#include <vector>

#include "batch/batch_run.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int status = vrk::batch::run(args, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
