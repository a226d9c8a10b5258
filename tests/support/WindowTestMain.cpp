// The main of the window's tests: a QApplication.
#include "TestApplication.h"

#include <QApplication>
#include <QFont>

namespace {

void useTestWidgetFont()
{
#ifdef Q_OS_WIN
    // The widgets as the Linux offscreen platform draws them: Windows'
    // offscreen platform has no widget font and falls back to a 12-point face.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
#endif
}

} // namespace

int main(int argc, char **argv)
{
    return runTests<QApplication>(argc, argv, useTestWidgetFont);
}
