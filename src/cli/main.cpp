#include <iostream>

#include "cli/cli.hpp"

int main(int argc, char** argv) { return tarvex::cli::Main(argc, argv, std::cout, std::cerr); }
