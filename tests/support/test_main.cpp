#include <QLocale>

#include <gtest/gtest.h>

// Results must not depend on the machine: the program's users work under Brazilian Portuguese.
int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
