#include "ui/KitApplication.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace orvanta;

TEST(KitApplication, TheKitFolderIsTheExecutablesNotTheCurrentOne)
{
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const QString dir = KitApplication::applicationDirectory();
    QDir::setCurrent(before);
    EXPECT_EQ(dir, QCoreApplication::applicationDirPath() + "/");
    EXPECT_NE(QDir(dir).canonicalPath(), QDir(elsewhere.path()).canonicalPath());
}

TEST(KitApplication, ExceptionTextGetsAFullStopLikeTheErrorBox)
{
    EXPECT_EQ(KitApplication::exceptionText("Cannot open file x"), "Cannot open file x.");
    EXPECT_EQ(KitApplication::exceptionText("Done."), "Done.");
    EXPECT_EQ(KitApplication::exceptionText("Is it?"), "Is it?.");
    EXPECT_EQ(KitApplication::exceptionText("Stop!"), "Stop!");
    EXPECT_EQ(KitApplication::exceptionText(""), "");
}
