// The reference for starting zlxdiag --version: the least a C++ program that prints a line does.
#include <iostream>

int main() {
    std::cout << "zlxdiag 1.0\n";
    return 0;
}
