#include <iostream>

#include "Trktool.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return trktool::RunTrktool(args, std::cout, std::cerr);
}
