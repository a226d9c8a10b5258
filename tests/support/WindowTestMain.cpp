// Every test executable runs inside one QApplication, on the offscreen
// platform unless a display is asked for.
#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta Localization Kit"));
#ifdef Q_OS_WIN
    // The tests' pictures and widths are those of the faces Debian's font
    // configuration draws Windows' core fonts with, and of the offscreen
    // platform's 9-point sans face for the widgets. Windows under Wine has
    // none of those fonts, and its offscreen platform neither such a
    // configuration nor a widget font (it falls back to a 12-point face), so
    // the tests get the same faces in their place; a Windows with the core
    // fonts themselves draws with them and never reaches the substitutes.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
