#include <cstdio>

int main()
{
    std::puts("The main window is not built yet.");
    return 0;
}
