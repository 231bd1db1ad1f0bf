#include <QApplication>
#include <gtest/gtest.h>

// One widget application for the whole test program (offscreen platform, set by ctest).
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
