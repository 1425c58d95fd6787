#include <QCoreApplication>
#include <gtest/gtest.h>

// The main of test programs whose layers open no window and draw nothing.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
