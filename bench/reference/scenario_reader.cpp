// The reference for zlxdiag --report: a program that reads the same scenario with the same JSON
// library and prints it, which is the least any report on that machine has to do.
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    std::ifstream in(argv[1]);
    nlohmann::json scenario = nlohmann::json::parse(in);
    std::cout << scenario.dump(2) << "\n";
    return 0;
}
