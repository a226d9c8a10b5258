#pragma once

#include "kit/KitSave.h"
#include "kit/OpenKit.h"

#include <QStringList>

#include <chrono>
#include <optional>

// Answers a save as a translator who wants it: writes over a "lang.dat"
// that changed on disk, replaces the glyphs, and saves fewer text records
// only when `allowFewerTexts`. Keeps the check it was asked fewer texts on.
class AnsweringSaveQuestions : public orvanta::SaveQuestions {
public:
    explicit AnsweringSaveQuestions(bool allowFewerTexts = false) : m_allowFewerTexts(allowFewerTexts) {}

    ChangedOnDisk changedOnDisk() override { return ChangedOnDisk::Overwrite; }
    bool replaceGlyphs(const orvanta::KitSave::Check &) override { return true; }
    bool saveFewerTexts(const orvanta::KitSave::Check &check) override
    {
        fewerTextsAsked = check;
        return m_allowFewerTexts;
    }

    std::optional<orvanta::KitSave::Check> fewerTextsAsked;

private:
    bool m_allowFewerTexts;
};

// Saves `work` into the kit folder `directory` on the road the save button
// takes (OpenKit::save, with the kit's review marks none), asking
// `questions`.
orvanta::Result<orvanta::OpenKit::Saved> saveThroughKit(const QString &directory, const orvanta::KitSave::Work &work,
                                                        orvanta::SaveQuestions &questions,
                                                        std::chrono::milliseconds lockWait
                                                        = orvanta::OpenKit::DefaultLockWait);
// The same answered by AnsweringSaveQuestions: the packed files, or why not
// (a declined save is an error too).
orvanta::Result<QStringList> saveThroughKit(const QString &directory, const orvanta::KitSave::Work &work,
                                            std::chrono::milliseconds lockWait = orvanta::OpenKit::DefaultLockWait);
