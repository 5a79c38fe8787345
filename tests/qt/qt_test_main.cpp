// The Qt tests share one application object, on the offscreen platform unless one is chosen.

#include <gtest/gtest.h>

#include "qt/startup.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    zlx::qt::QtApplication app(argc > 0 ? argv[0] : "qt_tests", true);
    return RUN_ALL_TESTS();
}
