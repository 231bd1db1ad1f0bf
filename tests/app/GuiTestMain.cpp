#include <QGuiApplication>
#include <gtest/gtest.h>

// One application object for the whole test program: the windows' logic measures fonts and
// renders pages (offscreen platform, set by ctest), but draws no widget.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
