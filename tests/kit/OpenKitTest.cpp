// The open kit as both front ends use it, with questions answered by fakes:
// the opening's damage policy, a save that another save overtakes, an
// import's code page and refused rows, and a picture's decision.
#include "InMemoryTexts.h"
#include "KitSaving.h"
#include "TempKit.h"
#include "kit/OpenKit.h"
#include "kit/SaveLock.h"
#include "pictures/IndexedBmp.h"

#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>

using namespace orvanta;

namespace {

// An opening to save, as kvtool's commands that save open a kit.
OpenKit::Opening openingToSave()
{
    OpenKit::Opening opening;
    opening.toSave = true;
    return opening;
}

QList<QByteArray> savedTexts(const TempKit &kit)
{
    OpenKit saved(kit.dir());
    EXPECT_TRUE(saved.load().empty());
    QList<QByteArray> texts;
    for (int row = 0; row < saved.texts().rowCount(); ++row)
        texts.append(saved.texts().row(row).translation.toByteArray());
    return texts;
}

// Answers an import from what the test set, and remembers what was asked.
struct FakeImportQuestions : ImportQuestions {
    FileCodePage fileCodePageAnswer = FileCodePage::File;
    bool unofferedAnswer = true;
    bool takeTheRestAnswer = true;
    QStringList asked;

    FileCodePage fileCodePage(const QString &, int named, int kit) override
    {
        asked.append(QStringLiteral("file code page %1 over %2").arg(named).arg(kit));
        return fileCodePageAnswer;
    }
    bool unofferedCodePage(const QString &, int named) override
    {
        asked.append(QStringLiteral("unoffered %1").arg(named));
        return unofferedAnswer;
    }
    bool takeTheRest(const OpenKit::Import &import) override
    {
        asked.append(QStringLiteral("take the rest of %1 lines").arg(import.report.size()));
        return takeTheRestAnswer;
    }
};

struct FakePictureQuestions : PictureQuestions {
    bool convert = true;
    QStringList told;

    void refused(const QString &refusal, const QString &detail, bool clearsAccepted) override
    {
        told.append(refusal + detail + (clearsAccepted ? " (clears)" : ""));
    }
    void loadFailed(const QString &message) override { told.append("load failed: " + message); }
    bool useConverted() override
    {
        told.append("convert?");
        return convert;
    }
    bool useNearest(const PaletteFit::Fitting &fitting) override
    {
        told.append(QString("nearest for %1 pixels?").arg(fitting.foreignPixels));
        return convert;
    }
};

} // namespace

TEST(OpenKit, OpeningRefusesWhatNoWorkCanBuildOn)
{
    // No source texts: the other problems are told, then the refusal.
    TempKit empty;
    empty.write("lang.dat", "garbage");
    OpenKit noSources(empty.dir());
    const OpenKit::Opened withoutSources = noSources.open();
    ASSERT_TRUE(withoutSources.refusal.has_value());
    EXPECT_EQ(withoutSources.refusal->kind, FormatError::Kind::NoSourceTexts);
    EXPECT_NE(withoutSources.refusal->text().find("kvmain.dat: is missing, and with it the source texts"),
              std::string::npos)
        << withoutSources.refusal->text();
    ASSERT_EQ(withoutSources.problems.size(), 1u) << "the damaged lang.dat";
    EXPECT_NE(withoutSources.problems[0].text().find("lang.dat"), std::string::npos);

    // A lang.dat cut short: the work goes on, a save builds on it.
    TempKit kit;
    kit.installSampleData();
    {
        OpenKit first(kit.dir());
        ASSERT_FALSE(first.open().refusal.has_value());
        first.texts().setTranslation(5, "five");
        AnsweringSaveQuestions yes;
        ASSERT_TRUE(first.save(yes).ok());
    }
    kit.write("lang.dat", kit.read("lang.dat").chopped(100));
    {
        OpenKit cut(kit.dir());
        const OpenKit::Opened cutShort = cut.open(openingToSave());
        EXPECT_FALSE(cutShort.refusal.has_value()) << cutShort.refusal->text();
        ASSERT_EQ(cutShort.problems.size(), 1u);
        EXPECT_EQ(cutShort.problems[0].kind, FormatError::Kind::CutShort);
        EXPECT_TRUE(cutShort.damaged());
    }

    // A directory that lost an entry: a save would drop its data.
    const QByteArray texts = QByteArray::fromStdString(textFile({"a", "b"}));
    kit.writeArchive("lang.dat", {{"FONT.SPR", QByteArray(50, 'x')}, {"TEXTS.DAT", texts}});
    kit.write("lang.dat", kit.read("lang.dat").chopped(texts.size() + 10)); // TEXTS.DAT starts past the end
    OpenKit reading(kit.dir());
    const OpenKit::Opened toRead = reading.open();
    EXPECT_FALSE(toRead.refusal.has_value()) << "reading goes on with what is left";
    EXPECT_FALSE(toRead.problems.empty());
    {
        OpenKit saving(kit.dir());
        const OpenKit::Opened toSave = saving.open(openingToSave());
        ASSERT_TRUE(toSave.refusal.has_value());
        EXPECT_NE(toSave.refusal->kind, FormatError::Kind::CutShort);
        EXPECT_TRUE(toSave.problems.empty()) << "refused before anything is told";
    }

    // Another save holds the lock: refused after the wait, before reading.
    SaveLock other(kit.dir());
    ASSERT_TRUE(other.lock(std::chrono::milliseconds(0)).ok());
    OpenKit held(kit.dir());
    QStringList waitedFor;
    OpenKit::Opening opening = openingToSave();
    opening.waiting = [&](const QString &holder) { waitedFor.append(holder); };
    const OpenKit::Opened whileHeld = held.open(opening);
    ASSERT_TRUE(whileHeld.refusal.has_value());
    EXPECT_EQ(whileHeld.refusal->kind, FormatError::Kind::Held);
    EXPECT_EQ(waitedFor.size(), 1);
    EXPECT_EQ(held.texts().rowCount(), 0) << "nothing read";
}

// The race of two saves made certain: a save waits at the lock while
// another save of the kit completes; it then finds lang.dat changed and
// asks, instead of writing over the other save's work.
TEST(OpenKit, ASaveHeldAtTheLockWhileAnotherCompletesAsksBeforeOverwriting)
{
    TempKit kit;
    kit.installSampleData();
    OpenKit mine(kit.dir());
    ASSERT_TRUE(mine.load().empty());
    mine.texts().setTranslation(3, "mine");
    auto other = std::make_unique<OpenKit>(kit.dir());
    ASSERT_TRUE(other->holdSaveLock().ok());

    struct Questions : AnsweringSaveQuestions {
        std::unique_ptr<OpenKit> *other = nullptr;
        QStringList asked;
        void waiting(const QString &holder) override
        {
            asked.append(QStringLiteral("waiting"));
            EXPECT_TRUE(holder.startsWith("process " + QString::number(QCoreApplication::applicationPid())))
                << holder.toStdString();
            OpenKit &theirs = **other;
            EXPECT_TRUE(theirs.load().empty());
            theirs.texts().setTranslation(3, "other's");
            AnsweringSaveQuestions yes;
            const auto saved = theirs.save(yes);
            EXPECT_TRUE(saved.ok() && saved->outcome == OpenKit::Saved::Outcome::Saved);
            other->reset(); // the other save ends, and with it its lock
        }
        ChangedOnDisk changedOnDisk() override
        {
            asked.append(QStringLiteral("changed on disk"));
            return ChangedOnDisk::Cancel;
        }
    } questions;
    questions.other = &other;
    const auto saved = mine.save(questions);
    ASSERT_TRUE(saved.ok()) << saved.error().text();
    EXPECT_EQ(saved->outcome, OpenKit::Saved::Outcome::Declined);
    EXPECT_EQ(questions.asked, (QStringList{"waiting", "changed on disk"}));
    EXPECT_EQ(savedTexts(kit).value(3), "other's") << "the other save's work is not lost";
    EXPECT_EQ(mine.texts().row(3).translation, "mine") << "nor is this one's";
}

TEST(OpenKit, AnImportAsksForTheFilesCodePageAndForTheRestAfterARefusal)
{
    TempKit kit;
    kit.installSampleData();
    OpenKit open(kit.dir());
    open.setCodePage(1252);
    ASSERT_FALSE(open.open().refusal.has_value());
    kit.write("ru.po", "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
                       "\"X-Orvanta-Codepage: 1251\\n\"\n\nmsgctxt \"1\"\nmsgid \"New game\"\n"
                       "msgstr \"\xD0\x9A\xD0\xB0\xD1\x84\xD0\xB5\"\n");

    FakeImportQuestions cancel;
    cancel.fileCodePageAnswer = ImportQuestions::FileCodePage::Cancel;
    const auto cancelled = open.importFile(kit.path("ru.po"), cancel);
    ASSERT_TRUE(cancelled.ok());
    EXPECT_FALSE(cancelled->has_value());
    EXPECT_EQ(cancel.asked, QStringList{"file code page 1251 over 1252"});

    FakeImportQuestions file;
    const auto inFile = open.importFile(kit.path("ru.po"), file);
    ASSERT_TRUE(inFile.ok() && inFile->has_value());
    const OpenKit::Import &import = **inFile;
    EXPECT_EQ(import.codePage, 1251);
    EXPECT_TRUE(import.taken);
    ASSERT_EQ(import.outcome.changes.size(), 1);
    EXPECT_EQ(import.outcome.changes[0].text, "\xCA\xE0\xF4\xE5");
    ASSERT_TRUE(open.apply(import).ok());
    EXPECT_EQ(open.codePage().number(), 1251) << "applied, the kit takes the file's code page";
    EXPECT_EQ(open.texts().row(0).translation, "\xCA\xE0\xF4\xE5");

    // In the kit's code page (1252 again) the Cyrillic is refused: asked whether to take the rest.
    open.setCodePage(1252);
    FakeImportQuestions kitsOwn;
    kitsOwn.fileCodePageAnswer = ImportQuestions::FileCodePage::Kit;
    kitsOwn.takeTheRestAnswer = false;
    const auto refused = open.importFile(kit.path("ru.po"), kitsOwn);
    ASSERT_TRUE(refused.ok() && refused->has_value());
    EXPECT_EQ((*refused)->codePage, 1252);
    EXPECT_FALSE((*refused)->taken);
    ASSERT_EQ(kitsOwn.asked.size(), 2);
    EXPECT_TRUE(kitsOwn.asked[1].startsWith("take the rest of ")) << kitsOwn.asked[1].toStdString();

    // A header naming a code page the kit does not offer.
    QByteArray unoffered = kit.read("ru.po");
    unoffered.replace("X-Orvanta-Codepage: 1251", "X-Orvanta-Codepage: 932");
    kit.write("jp.po", unoffered);
    FakeImportQuestions no;
    no.unofferedAnswer = false;
    const auto notRead = open.importFile(kit.path("jp.po"), no);
    ASSERT_TRUE(notRead.ok());
    EXPECT_FALSE(notRead->has_value());
    EXPECT_EQ(no.asked, QStringList{"unoffered 932"});

    const auto missing = open.importFile(kit.path("none.po"), no);
    EXPECT_FALSE(missing.ok());
}

TEST(OpenKit, APictureIsTakenRefusedOrOfferedConverted)
{
    TempKit kit;
    OpenKit open(kit.dir());
    const QImage &standard = *open.pictures().StandardPicture(5);
    ASSERT_TRUE(IndexedBmp::save(kit.path("same.bmp"), standard).ok());
    ASSERT_TRUE(IndexedBmp::save(kit.path("other.bmp"), *open.pictures().StandardPicture(3)).ok());
    ASSERT_TRUE(standard.convertToFormat(QImage::Format_RGB32).save(kit.path("same.png"), "PNG"));

    FakePictureQuestions questions;
    const auto same = open.decidePicture(5, kit.path("same.bmp"), questions);
    ASSERT_TRUE(same.has_value());
    EXPECT_EQ(*same, standard);
    EXPECT_TRUE(questions.told.isEmpty());

    const auto otherSize = open.decidePicture(5, kit.path("other.bmp"), questions);
    ASSERT_TRUE(otherSize.has_value());
    EXPECT_TRUE(otherSize->isNull()) << "refused: the row is cleared";
    EXPECT_EQ(questions.told, QStringList{"Translated picture sizes mismatch!"}) << "nothing offered for a size";

    questions.told.clear();
    const auto converted = open.decidePicture(5, kit.path("same.png"), questions);
    ASSERT_TRUE(converted.has_value());
    EXPECT_EQ(*converted, standard);
    EXPECT_EQ(questions.told, QStringList{"convert?"});
    questions.convert = false;
    EXPECT_FALSE(open.decidePicture(5, kit.path("same.png"), questions).has_value()) << "declined: the row stays";

    // A 24-bit BMP is offered before anything is refused; one with a colour
    // off the palette is offered fitted to the nearest colours; only what
    // cannot be converted is refused, saying it clears the row's picture.
    ASSERT_TRUE(standard.convertToFormat(QImage::Format_RGB888).save(kit.path("rgb.bmp"), "BMP"));
    QImage off = standard.convertToFormat(QImage::Format_RGB32);
    off.setPixel(2, 2, qRgb(1, 2, 3));
    ASSERT_TRUE(off.save(kit.path("off.png"), "PNG"));
    *open.pictures().TranslatedPicture(5) = standard;
    questions.told.clear();
    questions.convert = true;
    EXPECT_EQ(open.decidePicture(5, kit.path("rgb.bmp"), questions), standard);
    const auto fitted = open.decidePicture(5, kit.path("off.png"), questions);
    ASSERT_TRUE(fitted.has_value());
    EXPECT_EQ(fitted->pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_TRUE(open.decidePicture(5, kit.path("other.bmp"), questions)->isNull());
    EXPECT_EQ(questions.told, (QStringList{"convert?", "nearest for 1 pixels?",
                                           "Translated picture sizes mismatch! (clears)"}));
}
