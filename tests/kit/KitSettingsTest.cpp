#include "kit/KitSettings.h"

#include "TempKit.h"

#include <gtest/gtest.h>

#include <algorithm>

using orvanta::KitSettings;

TEST(KitSettings, WhatIsWrittenIsReadBackByTheNextStartAsPlainIni)
{
    TempKit kit;
    {
        KitSettings settings(kit.dir());
        EXPECT_FALSE(settings.glyphFont());
        EXPECT_FALSE(settings.codePage());
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(9);
        font.setBold(true);
        font.setStrikeOut(true);
        settings.setGlyphFont(font);
        settings.setCodePage(1251);
        settings.setRowNumber(1416);
        settings.setMemories({QStringLiteral("/kits/old kit"), QStringLiteral("/po/menus, 1.2.po")});
        EXPECT_FALSE(settings.widerAllowance());
        settings.setWiderAllowance({10, orvanta::WiderAllowance::Unit::Percent});
        EXPECT_TRUE(settings.warnings().isEmpty());
    }
    // Plain INI whatever the system's line ends and key order (Qt on
    // Windows writes CRLF and keeps the order the keys were set in).
    const QString ini = QString::fromUtf8(kit.read(KitSettings::FileName));
    const auto section = [&](const QString &name) {
        const QStringList sections = QString(ini).remove(QLatin1Char('\r')).split(QStringLiteral("\n["));
        for (const QString &text : sections) {
            QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            if (!lines.isEmpty() && lines.takeFirst().remove(QLatin1Char('[')) == name + QLatin1Char(']')) {
                lines.sort();
                return lines;
            }
        }
        return QStringList();
    };
    EXPECT_EQ(section("font"), QStringList({"bold=true", "family=DejaVu Sans", "italic=false", "size=9",
                                            "strikeout=true", "underline=false"}))
        << ini.toStdString();
    EXPECT_TRUE(section("texts").contains("codepage=1251")) << ini.toStdString();
    EXPECT_TRUE(section("texts").contains("wider=10%")) << ini.toStdString();

    const KitSettings again(kit.dir());
    const auto font = again.glyphFont();
    ASSERT_TRUE(font);
    EXPECT_EQ(font->family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(font->pointSize(), 9);
    EXPECT_TRUE(font->bold());
    EXPECT_FALSE(font->italic());
    EXPECT_TRUE(font->strikeOut());
    EXPECT_EQ(again.memories(), (QStringList{"/kits/old kit", "/po/menus, 1.2.po"}));
    EXPECT_EQ(again.codePage(), 1251);
    EXPECT_EQ(again.rowNumber(), 1416);
    EXPECT_EQ(again.widerAllowance(), (orvanta::WiderAllowance{10, orvanta::WiderAllowance::Unit::Percent}));
    EXPECT_TRUE(again.warnings().isEmpty());
}

// Each file is what a hand edit or a damaged disk may leave; the kit starts
// on its defaults, says why, and does not crash.
TEST(KitSettings, NonsenseIsIgnoredWithAWarning)
{
    struct Case {
        const char *ini;
        bool fontKept;
        bool codePageKept;
    };
    const Case cases[] = {
        {"[font]\nfamily=Arial\nsize=big\n[texts]\ncodepage=1251\n", false, true},
        {"[font]\nfamily=\nsize=8\n", false, false},
        {"[font]\nfamily=Arial\nsize=0\n", false, false},
        {"[font]\nfamily=Arial\nsize=8\nbold=maybe\n[texts]\ncodepage=437\n", true, false},
        {"[texts]\ncodepage=-1\n", false, false},
        {"\xff\xfe\x01garbage[[[\n=\n", false, false},
        {"[texts]\ncodepage=1251\nsourcecodepage=437\n", false, true},
        {"[texts]\ncodepage=\x1b[2J\n\x1b]0;owned\x07=1\n", false, false},
    };
    for (const Case &c : cases) {
        TempKit kit;
        kit.write(KitSettings::FileName, QByteArray(c.ini));
        const KitSettings settings(kit.dir());
        EXPECT_EQ(bool(settings.glyphFont()), c.fontKept) << c.ini;
        EXPECT_EQ(bool(settings.codePage()), c.codePageKept) << c.ini;
        EXPECT_EQ(settings.codePages(1250).source().number(), 1252) << c.ini << ": the game's, named by none";
        if (c.fontKept) {
            EXPECT_FALSE(settings.glyphFont()->bold()) << c.ini;
        }
        const QStringList warnings = settings.warnings();
        EXPECT_FALSE(warnings.isEmpty()) << c.ini;
        // Shown as entry names are: nothing for a terminal to obey.
        for (const QString &line : warnings) {
            EXPECT_FALSE(std::any_of(line.begin(), line.end(), [](QChar ch) { return ch < u' ' || ch > u'~'; }))
                << line.toStdString();
        }
    }
    TempKit kit;
    kit.write(KitSettings::FileName, QByteArray(cases[std::size(cases) - 1].ini));
    const KitSettings settings(kit.dir());
    settings.codePage();
    const QString ini = QDir::toNativeSeparators(kit.path(KitSettings::FileName));
    EXPECT_TRUE(settings.warnings().contains(
        ini + ": texts/codepage = \"\\x1B[2J\" is not a number from 0 to 65535; ignored"))
        << settings.warnings().join('\n').toStdString();
    // A width allowance is pixels or percent, up to 1000.
    for (const char *allowance : {"wide", "12", "-3px", "1001%", "5 pt"}) {
        kit.write(KitSettings::FileName, QByteArray("[texts]\nwider=") + allowance + "\n");
        const KitSettings read(kit.dir());
        EXPECT_FALSE(read.widerAllowance()) << allowance;
        EXPECT_EQ(read.warnings(), QStringList{ini + ": texts/wider = \"" + allowance
                                               + "\" is no width allowance (such as 4px or 10%, up to 1000); ignored"});
    }
    kit.write(KitSettings::FileName, "[texts]\nwider= 4 px\n");
    EXPECT_EQ(KitSettings(kit.dir()).widerAllowance(), (orvanta::WiderAllowance{4, orvanta::WiderAllowance::Unit::Pixels}));
}

TEST(KitSettings, AFolderInThePlaceOfTheFileIsAWarningAndIsLeftAlone)
{
    TempKit kit;
    ASSERT_TRUE(QDir(kit.dir()).mkdir(KitSettings::FileName));
    KitSettings settings(kit.dir());
    settings.setCodePage(1251);
    EXPECT_FALSE(settings.codePage());
    EXPECT_FALSE(settings.warnings().isEmpty());
    EXPECT_TRUE(QFileInfo(kit.path(KitSettings::FileName)).isDir());
}

// A file of a thousand unknown keys, one of them 5,000 characters long,
// gives a screenful of warnings: each key cut, the keys past the first 20
// counted in one line.
TEST(KitSettings, WarningsAreCutAndCounted)
{
    TempKit kit;
    QByteArray ini = "[junk]\n" + QByteArray(5000, 'a') + "=1\n";
    for (int i = 1; i < 1000; ++i)
        ini += "key" + QByteArray::number(i) + "=1\n";
    kit.write(KitSettings::FileName, ini);
    const KitSettings settings(kit.dir());
    const QStringList warnings = settings.warnings();
    ASSERT_EQ(warnings.size(), 21) << warnings.join('\n').toStdString();
    const QString file = QDir::toNativeSeparators(kit.path(KitSettings::FileName));
    EXPECT_TRUE(warnings.contains(file + ": \"junk/" + QString(35, QLatin1Char('a'))
                                  + "... (4965 more characters)\" is no setting of the kit; ignored"))
        << warnings.join('\n').toStdString();
    EXPECT_EQ(warnings.last(), file + ": and 980 more keys that are no setting of the kit; ignored");
}
