#include "KitSaving.h"

using namespace orvanta;

Result<OpenKit::Saved> saveThroughKit(const QString &directory, const KitSave::Work &work, SaveQuestions &questions,
                                      std::chrono::milliseconds lockWait)
{
    OpenKit kit(directory);
    kit.texts() = work.texts;
    kit.pictures() = work.pictures;
    kit.setGlyphFont(work.glyphFont);
    kit.setCodePage(work.codePage.number());
    return kit.save(questions, lockWait);
}

Result<QStringList> saveThroughKit(const QString &directory, const KitSave::Work &work,
                                   std::chrono::milliseconds lockWait)
{
    AnsweringSaveQuestions questions;
    const auto saved = saveThroughKit(directory, work, questions, lockWait);
    if (!saved)
        return saved.error();
    if (saved->outcome != OpenKit::Saved::Outcome::Saved)
        return FormatError::general(directory.toStdString(), "the save was declined");
    return saved->files;
}
