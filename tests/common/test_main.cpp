// The main() of every test executable: a Qt application object (a widget one
// when VELTA_TEST_GUI is set) and the Ukrainian number format the tests assume.

#include "core/number_format.h"

#include <gtest/gtest.h>

#ifdef VELTA_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    velta::core::NumberFormat::setCurrent(velta::core::NumberFormat::ukrainian());
    return RUN_ALL_TESTS();
}
