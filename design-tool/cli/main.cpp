#include <iostream>

#include "Cli.h"

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // The designer writes UTF-8 ("°C"); let a console show it as such.
  SetConsoleOutputCP(CP_UTF8);
#endif
  return zentrik::RunCli(argc, argv, std::cout, std::cerr);
}
