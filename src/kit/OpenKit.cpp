#include "OpenKit.h"

#include "KitCompiler.h"
#include "KitLoader.h"
#include "KitMigration.h"
#include "KitOpenLock.h"
#include "RememberedSources.h"
#include "core/ArchiveSet.h"
#include "io/FileReader.h"
#include "pictures/IndexedBmp.h"
#include "texts/KitDictionary.h"
#include "font/FontChoice.h"
#include "font/WiderTextCheck.h"
#include "pictures/PaletteFit.h"
#include "texts/SpellingCheck.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace orvanta {

OpenKit::OpenKit(const QString &directory)
    : m_directory(directory)
    , m_glyphFont(FontChoice::defaultFont())
    , m_codePages(CodePage::localeDefault())
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
    // The stamps first: a save that lands while this reads is seen as a
    // change, and a file replaced meanwhile is not the one its stamp names.
    const QString langDat = QDir(m_directory).filePath(KitCompiler::ArchiveName);
    const QString kvmain = QDir(m_directory).filePath(QLatin1String(ArchiveSet::SlotFileNames[1]));
    m_langDat = FileStamp::of(langDat);
    m_kvmain = FileStamp::of(kvmain);
    std::vector<FormatError> problems = KitLoader::load(m_directory, m_texts, m_pictures);
    if (FileStamp::of(kvmain) != m_kvmain)
        m_kvmain = FileStamp();
    const FileStamp langDatRead = FileStamp::of(langDat) == m_langDat ? m_langDat : FileStamp();
    const QString marksPath = QDir(m_directory).filePath(ReviewMarks::FileName);
    auto marks = ReviewMarks::read(marksPath);
    if (!finished) {
        // The save left unfinished put its lang.dat in place, not yet its
        // review file: read that from where the save left it, so that marks
        // and texts go together (should the save finish meanwhile, the file
        // in place is the same one).
        FormatError problem = finished.error();
        if (const auto staged = KitCompiler::newerCompanion(m_directory, ReviewMarks::FileName)) {
            if (auto newer = ReviewMarks::read(*staged); newer && QFileInfo::exists(*staged)) {
                marks = std::move(newer);
                problem.what += "; an unfinished save of the kit put its lang.dat in place, and the review marks "
                                "and notes are read from " + QDir::toNativeSeparators(*staged).toStdString()
                              + ", where it left them";
            } else {
                marks = ReviewMarks::read(marksPath);
            }
        }
        problems.insert(problems.begin(), std::move(problem));
    }
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
    compareSources(langDatRead);
    return problems;
}

QString OpenKit::shiftText(const Shift &shift)
{
    return QCoreApplication::translate("OpenKit",
                                       "kvmain.dat's source texts are not those the translations in lang.dat were "
                                       "saved against (a new game version): %1 rows moved, %2 changed, %3 came, "
                                       "%4 went")
        .arg(shift.moved)
        .arg(shift.changed)
        .arg(shift.came)
        .arg(shift.went);
}

void OpenKit::compareSources(const FileStamp &langDat)
{
    m_shift.reset();
    m_carryOver.reset();
    m_sourceNotices.clear();
    if (m_texts.rowCount() == 0)
        return;
    // An unfinished save whose lock another holds left its sources beside
    // their place, as the review file: read them there, with its lang.dat.
    const auto staged = KitCompiler::newerCompanion(m_directory, RememberedSources::FileName);
    const QString path = staged ? *staged : QDir(m_directory).filePath(RememberedSources::FileName);
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        // The common case reads two lines and compares two stamps.
        const auto head = RememberedSources::readHead(path);
        if (head && head->describes(m_texts, m_kvmain, langDat))
            return;
        auto bytes = FileReader::read(path, FileReader::KitFileCap);
        auto remembered = bytes ? RememberedSources::fromFile(std::move(*bytes), path)
                                : Result<RememberedSources>(bytes.error());
        if (remembered) {
            if (!remembered->sameSources(m_texts)) {
                const TextTable saved = KitLoader::savedTexts(m_directory, *remembered);
                if (remembered->belongsTo(saved)) {
                    carryFromSaved(saved, *remembered);
                    return;
                }
            }
        }
        // Never trusted blindly: a file that cannot be read, or that was not
        // saved with this lang.dat, goes aside and the kit goes on without it.
        FormatError problem = remembered ? FormatError::general(
                                  QDir::toNativeSeparators(path).toStdString(),
                                  "was not saved with the lang.dat beside it (that lang.dat came from elsewhere)")
                                         : remembered.error();
        if (staged) {
            problem.what += "; the translations are paired with the source texts by row";
        } else {
            const auto aside = ReviewMarks::keepAside(path);
            problem.what += aside ? "; it is kept as " + QDir::toNativeSeparators(*aside).toStdString()
                                        + " and the translations are paired with the source texts by row"
                                  : "; " + aside.error().text();
        }
        m_sourceNotices.push_back(std::move(problem));
    }
    // Without remembered sources only the counts can tell.
    const qint64 records = KitSave::textRecordsNow(m_directory);
    if (records > 0 && records != m_texts.rowCount()) {
        const QString langDat = QDir(m_directory).filePath(KitCompiler::ArchiveName);
        m_sourceNotices.push_back(
            FormatError::general(
                QDir::toNativeSeparators(langDat).toStdString(),
                QCoreApplication::translate("OpenKit",
                                            "holds %1 texts, but kvmain.dat holds %2: its translations may stand "
                                            "beside other source texts than they were made for. To move to a new "
                                            "kit version, take the translations from the old kit's folder (\"Take "
                                            "translations from an older kit...\" on the Texts page, or kvtool "
                                            "texts migrate KITDIR OLDKIT)")
                    .arg(records)
                    .arg(m_texts.rowCount())
                    .toStdString())
                .withKind(FormatError::Kind::SourcesShifted));
    }
}

void OpenKit::carryFromSaved(const TextTable &saved, const RememberedSources &remembered)
{
    TextMigration::Carried carried = TextMigration::carry(saved, m_marks, m_texts, m_marks, true);
    m_shift = Shift{carried.moved, carried.changed, carried.came, carried.went};
    Import import;
    import.outcome = std::move(carried.outcome);
    import.codePage = codePage().number();
    import.report = import.outcome.report.lines(import.codePage);
    const auto prints = RememberedSources::pictureFingerprints(m_pictures);
    for (int row = 0; row < PictureCatalogue::RowCount; ++row) {
        if (m_pictures.isPresent(row) && remembered.picture(row) != prints[std::size_t(row)])
            keepPictureAside(import, row, *m_pictures.TranslatedPicture(row));
    }
    m_carryOver = std::move(import);
}

void OpenKit::keepPictureAside(Import &import, int row, const QImage &picture) const
{
    // "STK.PAD" drawn over the older standard picture: "STK redrawn for the older version.bmp".
    const QString name = QString::fromLatin1(PictureCatalogue::row(row)->fileName).section(QLatin1Char('.'), 0, 0)
        + QStringLiteral(" redrawn for the older version.bmp");
    const QString path = QDir(m_directory).filePath(name);
    import.pictures.emplace_back(row, QImage());
    import.picturesAside.emplace_back(path, picture);
    import.report.append(QCoreApplication::translate("OpenKit",
                                                     "redrawn picture kept aside, its standard picture changed: %1 "
                                                     "(as %2)")
                             .arg(QString::fromLatin1(PictureCatalogue::row(row)->fileName),
                                  QDir::toNativeSeparators(path)));
}

OpenKit::Opened OpenKit::open(const Opening &opening)
{
    Opened opened;
    if (opening.toSave) {
        if (!opening.whileOpen) {
            if (const auto window = KitOpenLock::windowHolding(m_directory)) {
                FormatError open = FormatError::general(m_directory.toStdString(), "is open in the kit's window")
                                       .withKind(FormatError::Kind::OpenInWindow);
                open.cause = window->toStdString();
                opened.refusal = std::move(open);
                return opened;
            }
        }
        if (Status locked = holdSaveLock(DefaultLockWait, opening.waiting, opening.tookOver); !locked) {
            opened.refusal = locked.error();
            return opened;
        }
    }
    opened.problems = load();
    // Without source texts there is nothing to work on.
    const auto noSources = std::find_if(opened.problems.begin(), opened.problems.end(), [](const FormatError &problem) {
        return problem.kind == FormatError::Kind::NoSourceTexts;
    });
    if (noSources != opened.problems.end()) {
        opened.refusal = *noSources;
        opened.problems.erase(noSources);
    }
    // A save may build on a lang.dat cut short (every whole record is read),
    // never on one whose directory lost entries: their data would be gone.
    const auto lost = std::find_if(opened.problems.begin(), opened.problems.end(), [](const FormatError &problem) {
        return problem.kind != FormatError::Kind::CutShort;
    });
    if (opening.toSave && lost != opened.problems.end()) {
        opened.refusal = *lost;
        opened.problems.clear();
        return opened;
    }
    if (m_marksProblem)
        opened.problems.push_back(*m_marksProblem);
    opened.notices = m_sourceNotices;
    opened.shifted = m_shift;
    // A save by row would pair translations with other texts in silence.
    if (m_shift && opening.toSave && !opening.asItIs)
        opened.refusal = FormatError::general(QDir::toNativeSeparators(m_directory).toStdString(), shiftText(*m_shift).toStdString())
                             .withKind(FormatError::Kind::SourcesShifted);
    return opened;
}

void OpenKit::useRemembered(const KitSettings &settings)
{
    m_glyphFont = settings.glyphFont().value_or(m_glyphFont);
    m_codePages = settings.codePages(codePage().number());
    m_widerAllowance = settings.widerAllowance().value_or(m_widerAllowance);
}

Result<std::optional<OpenKit::Import>> OpenKit::importFile(const QString &path, ImportQuestions &questions) const
{
    const auto file = TextExchange::read(path);
    if (!file)
        return file.error();
    // A file exported in another code page holds letters the kit's may not.
    int codePage = this->codePage().number();
    if (file->codePage && file->codePage != codePage) {
        if (!CodePage::isSupported(file->codePage)) {
            if (!questions.unofferedCodePage(path, file->codePage))
                return std::optional<Import>();
        } else {
            switch (questions.fileCodePage(path, file->codePage, codePage)) {
            case ImportQuestions::FileCodePage::File: codePage = file->codePage; break;
            case ImportQuestions::FileCodePage::Kit: break;
            case ImportQuestions::FileCodePage::Cancel: return std::optional<Import>();
            }
        }
    }
    TextImport::Outcome outcome = TextImport::compute(file->entries, m_texts, m_codePages.withTranslation(codePage), m_marks);
    return std::optional(decided(std::move(outcome), codePage, questions));
}

Result<OpenKit::Import> OpenKit::importOlderKit(const QString &folder, ImportQuestions &questions) const
{
    auto older = KitMigration::fromOlderKit(folder, m_texts, m_marks, m_codePages);
    if (!older)
        return older.error();
    // The settings this kit has none of yet are the older kit's.
    const KitSettings settings(m_directory);
    const int number = !settings.codePage() && older->codePage ? *older->codePage : codePage().number();
    Import import = decided(std::move(older->carried.outcome), number, questions);
    if (number != codePage().number())
        import.codePageSetting = number;
    if (!settings.glyphFont() && older->glyphFont)
        import.glyphFont = older->glyphFont;
    if (!settings.spellLanguage() && older->spellLanguage)
        import.spellLanguage = older->spellLanguage;
    if (settings.memories().isEmpty())
        import.memories = older->memories;
    // The redrawn pictures go where this kit has none.
    const auto prints = RememberedSources::pictureFingerprints(m_pictures);
    QStringList carried;
    for (int row = 0; row < PictureCatalogue::RowCount; ++row) {
        if (!older->pictures.isPresent(row) || m_pictures.isPresent(row))
            continue;
        const QImage &picture = *older->pictures.TranslatedPicture(row);
        if (older->standardPictures && (*older->standardPictures)[std::size_t(row)] != prints[std::size_t(row)]) {
            keepPictureAside(import, row, picture);
            continue;
        }
        import.pictures.emplace_back(row, picture);
        carried.append(QString::fromLatin1(PictureCatalogue::row(row)->fileName));
    }
    if (!carried.isEmpty())
        import.report.append(QCoreApplication::translate("OpenKit", "redrawn pictures carried: %1 (%2)")
                                 .arg(carried.size())
                                 .arg(carried.join(QStringLiteral(", "))));
    const auto words = KitDictionary::read(m_directory);
    for (const QString &word : older->words) {
        if (!words || !words->contains(word))
            import.words.append(word);
    }
    if (!import.words.isEmpty())
        import.report.append(QCoreApplication::translate("OpenKit", "kit dictionary words carried: %1").arg(import.words.size()));
    QStringList taken;
    if (import.glyphFont)
        taken.append(QCoreApplication::translate("OpenKit", "font %1").arg(FontChoice::fontName(*import.glyphFont)));
    if (import.codePageSetting)
        taken.append(QCoreApplication::translate("OpenKit", "code page %1").arg(number));
    if (import.spellLanguage)
        taken.append(QCoreApplication::translate("OpenKit", "spell check %1")
                         .arg(import.spellLanguage->isEmpty() ? QCoreApplication::translate("OpenKit", "none")
                                                              : *import.spellLanguage));
    if (!import.memories.isEmpty())
        taken.append(QCoreApplication::translate("OpenKit", "%1 translation memories").arg(import.memories.size()));
    if (!taken.isEmpty())
        import.report.append(QCoreApplication::translate("OpenKit", "settings taken from the older kit: %1")
                                 .arg(taken.join(QStringLiteral(", "))));
    return import;
}

OpenKit::Import OpenKit::decided(TextImport::Outcome outcome, int codePage, ImportQuestions &questions)
{
    Import import;
    import.report = outcome.report.lines(codePage);
    import.outcome = std::move(outcome);
    import.codePage = codePage;
    if (import.outcome.report.anyRefused())
        import.taken = questions.takeTheRest(import);
    return import;
}

Status OpenKit::apply(const Import &import)
{
    setCodePage(import.codePage);
    if (import.glyphFont)
        m_glyphFont = *import.glyphFont;
    TextImport::apply(import.outcome, m_texts, m_marks);
    for (const auto &[row, picture] : import.pictures)
        *m_pictures.TranslatedPicture(row) = picture;
    KitSettings settings(m_directory);
    return keepMigrated(import, settings);
}

Status OpenKit::keepMigrated(const Import &import, KitSettings &settings) const
{
    for (const auto &[path, picture] : import.picturesAside) {
        if (Status kept = IndexedBmp::save(path, picture); !kept)
            return kept;
    }
    if (!import.words.isEmpty()) {
        if (const auto added = KitDictionary::add(m_directory, import.words); !added)
            return added.error();
    }
    if (import.glyphFont)
        settings.setGlyphFont(*import.glyphFont);
    if (import.codePageSetting)
        settings.setCodePage(*import.codePageSetting);
    if (import.spellLanguage)
        settings.setSpellLanguage(*import.spellLanguage);
    if (!import.memories.isEmpty())
        settings.setMemories(import.memories);
    return Done{};
}

Result<QByteArray> OpenKit::exportTexts(TextFormat::Id format, const QString &language, const QString &fileName)
{
    // XLIFF (for OmegaT too) carries each source's width in the game's own glyphs.
    const bool xliff = format == TextFormat::Id::Xliff || TextFormat::of(format).templateOf == TextFormat::Id::Xliff;
    const auto standard = xliff ? standardGlyphs() : Result<GlyphCache::Entry>(nullptr);
    if (!standard)
        return standard.error();
    return TextExchange::exportTexts(format, m_texts, m_marks, m_codePages, *standard ? &(*standard)->text : nullptr,
                                     {codePage().number(), language, QDateTime::currentDateTimeUtc(),
                                      m_codePages.source().number()},
                                     fileName);
}

TextChecker OpenKit::checker(GlyphCache::Entry standard, GlyphCache::Entry saved,
                             std::shared_ptr<const SpellingDictionary> spelling) const
{
    TextChecker checker(m_codePages);
    if (standard && saved)
        checker.addCheck(WiderTextCheck::make(std::move(standard), std::move(saved), m_widerAllowance));
    if (spelling)
        checker.addCheck(SpellingCheck::make(std::move(spelling), m_codePages));
    return checker;
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

TranslatedPictureCheck::Verdict OpenKit::checkPicture(int row, const QString &path) const
{
    return TranslatedPictureCheck::checkFile(path, *m_pictures.StandardPicture(row));
}

std::optional<QImage> OpenKit::decidePicture(int row, const QString &path, PictureQuestions &questions) const
{
    using Check = TranslatedPictureCheck;
    const Check::Verdict verdict = checkPicture(row, path);
    if (verdict.outcome == Check::Outcome::Accepted)
        return verdict.picture;
    const bool bmp = startsAsBmp(path);
    // A BMP the import cannot load is damaged and is never fitted.
    if (verdict.outcome == Check::Outcome::LoadFailed && bmp) {
        questions.loadFailed(verdict.message);
        return std::nullopt;
    }
    const bool present = m_pictures.isPresent(row);
    if (verdict.refusal == Check::Refusal::Size) {
        questions.refused(verdict.message, QString(), present);
        return QImage();
    }
    // One pass tells whether it fits without loss and fits it either way.
    const PaletteFit::Fitting fitting =
        PaletteFit::fitFile(path, *m_pictures.StandardPicture(row), PaletteFit::Colours::Nearest);
    switch (fitting.outcome) {
    case PaletteFit::Outcome::Fitted: {
        const bool taken = fitting.foreignPixels == 0 ? questions.useConverted() : questions.useNearest(fitting);
        return taken ? std::optional(fitting.picture) : std::nullopt;
    }
    case PaletteFit::Outcome::LoadFailed:
        if (!bmp) {
            questions.loadFailed(verdict.message);
            return std::nullopt;
        }
        break;
    case PaletteFit::Outcome::ColoursMissing:
    case PaletteFit::Outcome::Refused:
        break;
    }
    // Transparent pixels, another size than a PNG's header gave, or a BMP
    // refused whose pixels cannot be read: the BMP gets its test's refusal,
    // with what the fitting found below it.
    if (bmp)
        questions.refused(verdict.message, fitting.message, present);
    else
        questions.refused(fitting.message, QString(), present);
    return QImage();
}

Status OpenKit::holdSaveLock(std::chrono::milliseconds wait, const std::function<void(const QString &)> &waiting,
                             const std::function<void(const QString &)> &tookOver)
{
    auto lock = std::make_unique<SaveLock>(m_directory);
    if (Status locked = lock->lock(wait, waiting, tookOver); !locked)
        return locked;
    m_heldLock = std::move(lock);
    return Done{};
}

std::vector<KitCompiler::Companion> OpenKit::marksFile() const
{
    // A kit without marks gets no file; one whose marks were all taken away gets an empty one.
    if (m_marksUnwritable || (m_marks.isEmpty() && !QFile::exists(QDir(m_directory).filePath(ReviewMarks::FileName))))
        return {};
    return {{ReviewMarks::FileName, [bytes = m_marks.toFile()](const FileStamp &) { return bytes; },
             ReviewMarks::BackupName}};
}

KitSave::Work OpenKit::work()
{
    const auto glyphs = savedGlyphs();
    return {m_texts, m_glyphFont, codePage(), m_pictures, glyphs ? *glyphs : nullptr};
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
        if (Status locked = ownLock->lock(
                lockWait, [&questions](const QString &holder) { questions.waiting(holder); },
                [&questions](const QString &notice) { questions.tookOverLock(notice); });
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
    std::vector<KitCompiler::Companion> companions = marksFile();
    companions.push_back({RememberedSources::FileName,
                          [this](const FileStamp &langDat) {
                              return RememberedSources::toFile(m_texts, m_pictures, m_kvmain, langDat);
                          },
                          RememberedSources::BackupName});
    auto files = KitSave::write(m_directory, work(), allowFewerTexts, companions);
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
