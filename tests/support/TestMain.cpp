// The main of the tests below the window: a QGuiApplication (fonts,
// painting, images; no widgets).
#include "TestApplication.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    return runTests<QGuiApplication>(argc, argv);
}
