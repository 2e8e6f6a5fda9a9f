// Every test program runs headless and knows the source and program folders,
// whether ctest or a developer starts it. Values already in the environment
// win.
#include <cstdlib>

namespace {
struct TestEnvironment {
    TestEnvironment()
    {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        setenv("VORTAN_PROGRAM_DIR", VORTAN_TEST_PROGRAM_DIR, 0);
        setenv("VORTAN_SOURCE_DIR", VORTAN_TEST_SOURCE_DIR, 0);
    }
};
const TestEnvironment test_environment;
}
