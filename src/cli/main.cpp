#include <iostream>
#include <string>
#include <vector>

#include "app/ProgramFolder.h"
#include "cli/Cli.h"

int main(int argc, char** argv) {
    brenvik::programFolder().setPath(brenvik::ProgramFolder::detect(argc > 0 ? argv[0] : nullptr));
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return brenvik::cli::run(args, std::cout, std::cerr);
}
