// vrk-batch: the command-line companion of the desktop program.
#include <iostream>
#include <string>
#include <vector>

#include "batch/batch_run.h"
#include "platform/folder_locking.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  vrk::platform::installFolderLocking();  // its saves and the desktop program's take turns
  const int status = vrk::batch::run(args, std::cout, std::cerr);
  std::cout.flush();
  return status;
}
