#include "OpenKit.h"

#include "KitCompiler.h"
#include "KitLoader.h"
#include "font/FontChoice.h"
#include "pictures/PaletteFit.h"
#include "pictures/TranslatedPictureCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvanta {

OpenKit::OpenKit(const QString &directory)
    : m_directory(directory)
    , m_glyphFont(FontChoice::defaultFont())
    , m_codePage(CodePage::localeDefault())
{
}

Status OpenKit::finishInterruptedSave()
{
    if (!KitCompiler::interrupted(m_directory))
        return Done{};
    std::optional<SaveLock> ownLock;
    if (!m_heldLock) {
        ownLock.emplace(m_directory);
        if (Status locked = ownLock->lock(DefaultLockWait); !locked)
            return locked;
    }
    return KitSave::removeLeftovers(m_directory);
}

std::vector<FormatError> OpenKit::load()
{
    const Status finished = finishInterruptedSave();
    // The stamp first: a save that lands while this reads is seen as a change.
    m_langDat = FileStamp::of(QDir(m_directory).filePath(KitCompiler::ArchiveName));
    std::vector<FormatError> problems = KitLoader::load(m_directory, m_texts, m_pictures);
    if (!finished)
        problems.insert(problems.begin(), finished.error());
    const QString marksPath = QDir(m_directory).filePath(ReviewMarks::FileName);
    auto marks = ReviewMarks::read(marksPath);
    m_marks = marks ? *marks : ReviewMarks();
    m_marksProblem.reset();
    m_marksUnwritable = false;
    if (!marks) {
        FormatError problem = marks.error();
        const auto aside = ReviewMarks::keepAside(marksPath);
        problem.what += aside ? "; it is kept as " + QDir::toNativeSeparators(*aside).toStdString()
                                    + " and the kit goes on without review marks and notes"
                              : "; " + aside.error().text() + ", so no save writes review marks until it is mended";
        m_marksUnwritable = !aside;
        m_marksProblem = std::move(problem);
    }
    return problems;
}

OpenKit::Import OpenKit::importEntries(const QList<ExchangeEntry> &entries, const CodePage &codePage) const
{
    TextImport::Outcome outcome = TextImport::compute(entries, m_texts, codePage, m_marks);
    QStringList report = outcome.report.lines(codePage.number());
    return {std::move(outcome), std::move(report)};
}

OpenKit::Import OpenKit::imported(TextImport::Outcome outcome) const
{
    QStringList report = outcome.report.lines(m_codePage.number());
    return {std::move(outcome), std::move(report)};
}

namespace {

// Whether the file is a BMP, by its first bytes: a BMP the import cannot
// load is damaged and is never fitted.
bool startsAsBmp(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "BM";
}

} // namespace

std::optional<QImage> OpenKit::decidePicture(int row, const QString &path, PictureQuestions &questions) const
{
    using Check = TranslatedPictureCheck;
    const QImage &standard = *m_pictures.StandardPicture(row);
    const Check::Verdict verdict = Check::checkFile(path, standard);
    if (verdict.outcome == Check::Outcome::Accepted)
        return verdict.picture;
    if (verdict.outcome == Check::Outcome::Refused) {
        questions.refused(verdict.message, QString());
        // Refused for its format or palette, it may still use the game's colours alone.
        const auto converted = verdict.message == QLatin1String(Check::SizesMismatch)
            ? std::nullopt
            : PaletteFit::withoutLoss(path, standard);
        return converted && questions.useConverted() ? *converted : QImage();
    }
    // Not a BMP: a picture in another format is taken only converted.
    const PaletteFit::Fitting fitting = startsAsBmp(path) ? PaletteFit::Fitting() : PaletteFit::fitFile(path, standard);
    switch (fitting.outcome) {
    case PaletteFit::Outcome::Fitted:
        return questions.useConverted() ? std::optional(fitting.picture) : std::nullopt;
    case PaletteFit::Outcome::LoadFailed:
        questions.loadFailed(verdict.message);
        return std::nullopt;
    case PaletteFit::Outcome::ColoursMissing:
    case PaletteFit::Outcome::Refused:
        break;
    }
    // Another size, transparent pixels, or colours the palette lacks (named below the refusal).
    const bool coloursMissing = fitting.outcome == PaletteFit::Outcome::ColoursMissing;
    questions.refused(fitting.message, coloursMissing ? fitting.foreignReport() : QString());
    return QImage();
}

Status OpenKit::holdSaveLock(std::chrono::milliseconds wait, const std::function<void(const QString &)> &waiting)
{
    auto lock = std::make_unique<SaveLock>(m_directory);
    if (Status locked = lock->lock(wait, waiting); !locked)
        return locked;
    m_heldLock = std::move(lock);
    return Done{};
}

std::vector<KitCompiler::Companion> OpenKit::marksFile() const
{
    // A kit without marks gets no file; one whose marks were all taken away gets an empty one.
    if (m_marksUnwritable || (m_marks.isEmpty() && !QFile::exists(QDir(m_directory).filePath(ReviewMarks::FileName))))
        return {};
    return {{ReviewMarks::FileName, m_marks.toFile(), ReviewMarks::BackupName}};
}

KitSave::Work OpenKit::work()
{
    const auto glyphs = savedGlyphs();
    return {m_texts, m_glyphFont, m_codePage, m_pictures, glyphs ? *glyphs : nullptr};
}

Result<KitSave::Check> OpenKit::checkSave()
{
    return KitSave::check(m_directory, work());
}

Result<OpenKit::Saved> OpenKit::save(SaveQuestions &questions, std::chrono::milliseconds lockWait)
{
    std::optional<SaveLock> ownLock;
    if (!m_heldLock) {
        ownLock.emplace(m_directory);
        if (Status locked = ownLock->lock(lockWait, [&questions](const QString &holder) { questions.waiting(holder); });
            !locked)
            return locked.error();
    }
    const QString archive = QDir(m_directory).filePath(KitCompiler::ArchiveName);
    Saved saved;
    if (FileStamp::of(archive) != m_langDat) {
        switch (questions.changedOnDisk()) {
        case SaveQuestions::ChangedOnDisk::Reload:
            saved.outcome = Saved::Outcome::Reloaded;
            saved.problems = load();
            if (m_marksProblem)
                saved.problems.push_back(*m_marksProblem);
            return saved;
        case SaveQuestions::ChangedOnDisk::Cancel:
            saved.outcome = Saved::Outcome::Declined;
            return saved;
        case SaveQuestions::ChangedOnDisk::Overwrite:
            break;
        }
    }
    // A lang.dat without write permission was locked by someone on purpose.
    if (QFileInfo(archive).isFile() && !(QFile::permissions(archive) & QFileDevice::WriteOwner)
        && !questions.replaceReadOnly()) {
        saved.outcome = Saved::Outcome::Declined;
        return saved;
    }
    // A check that cannot capture the font asks nothing: the save says why.
    bool allowFewerTexts = false;
    if (const auto check = checkSave()) {
        if (check->glyphsReplaced && !questions.replaceGlyphs(*check)) {
            saved.outcome = Saved::Outcome::Declined;
            return saved;
        }
        // Without any text to write the save refuses whatever the answer.
        if (check->fewerTexts() && check->textsWritten > 0) {
            if (!questions.saveFewerTexts(*check)) {
                saved.outcome = Saved::Outcome::Declined;
                return saved;
            }
            allowFewerTexts = true;
        }
    }
    auto files = KitSave::write(m_directory, work(), allowFewerTexts, marksFile());
    // A save whose journal stands has put its lang.dat in place already (the
    // review file follows at the next save or opening): it is this kit's own.
    if (!files && KitCompiler::interrupted(m_directory))
        m_langDat = FileStamp::of(archive);
    if (!files)
        return files.error();
    m_langDat = FileStamp::of(archive);
    saved.files = *files;
    return saved;
}

} // namespace orvanta
