#include <cstdio>

int main() {
    std::puts("zerkon-cli");
    return 0;
}
