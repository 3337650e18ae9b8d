// Setup's entry point. The windows arrive with the application shell; until
// then the program says so and ends.
#include <cstdio>

int main()
{
    std::puts("Setup: the configuration window is not part of this build yet.");
    return 0;
}
