#include "KitSettings.h"

#include "core/ArchiveDirectoryCheck.h"
#include "io/FileReader.h"
#include "io/ShownText.h"
#include "texts/CodePage.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

#include <climits>

namespace orvanta {

namespace {

const QString FontFamily = QStringLiteral("font/family");
const QString FontSize = QStringLiteral("font/size");
const QString FontBold = QStringLiteral("font/bold");
const QString FontItalic = QStringLiteral("font/italic");
const QString FontUnderline = QStringLiteral("font/underline");
const QString FontStrikeOut = QStringLiteral("font/strikeout");
const QString TextsCodePage = QStringLiteral("texts/codepage");
const QString TextsSourceCodePage = QStringLiteral("texts/sourcecodepage");
const QString WindowGeometry = QStringLiteral("window/geometry");
const QString WindowPage = QStringLiteral("window/page");
const QString WindowRow = QStringLiteral("window/row");
const QString WindowPictureFolder = QStringLiteral("window/picturefolder");
const QString WindowSheetZoom = QStringLiteral("window/sheetzoom");
const QString WindowPreviewZoom = QStringLiteral("window/previewzoom");
const QString WindowTextsFolder = QStringLiteral("window/textsfolder");
const QString WindowLanguage = QStringLiteral("window/language");
const QString TextsLanguage = QStringLiteral("texts/language");
const QString TextsSpelling = QStringLiteral("texts/spelling");
const QString TextsMemories = QStringLiteral("texts/memories");
const QString TextsWider = QStringLiteral("texts/wider");

// How many unknown keys are named one by one; the rest are counted.
constexpr qsizetype UnknownKeysShown = 20;

// A key or value from the file as a warning shows it: escaped as entry
// names are, so a binary file cannot put control codes on a terminal, and
// cut (ShownText), so a binary file cannot fill the screen.
QString shown(const QString &text)
{
    return ShownText::capped(QString::fromStdString(ArchiveDirectoryCheck::printable(text.toStdString())));
}

} // namespace

const QString KitSettings::FileName = QStringLiteral("orvanta-kit.ini");

KitSettings::KitSettings(const QString &kitDirectory)
    : m_fileName(QDir(kitDirectory).filePath(FileName))
{
    // Nothing of a file that cannot be read is trusted, and it is not
    // overwritten either: the translator may want to mend it. A pipe or a
    // device in its place is never handed to QSettings, which would wait on
    // it or read without end.
    const QFileInfo file(m_fileName);
    const bool present = file.exists() || file.isSymLink();
    const Status checked = FileReader::check(m_fileName, FileReader::SettingsCap);
    m_settings = std::make_unique<QSettings>(checked ? m_fileName : QString(), QSettings::IniFormat);
    if (!checked || (present && (!file.isReadable() || m_settings->status() != QSettings::NoError))) {
        m_unreadable = true;
        m_warnings.append(QStringLiteral("%1; the kit's defaults are used")
                              .arg(checked ? QStringLiteral("%1: cannot be read").arg(QDir::toNativeSeparators(m_fileName))
                                           : QString::fromStdString(checked.error().text())));
        return;
    }
    const QSet<QString> known = {FontFamily,    FontSize,      FontBold,       FontItalic,
                                 FontUnderline, FontStrikeOut, TextsCodePage,  TextsSourceCodePage, WindowGeometry,
                                 WindowPage,    WindowRow,     WindowPictureFolder, WindowTextsFolder,
                                 WindowSheetZoom, WindowPreviewZoom, WindowLanguage, TextsLanguage, TextsSpelling,
                                 TextsMemories, TextsWider};
    qsizetype unknown = 0;
    for (const QString &key : m_settings->allKeys()) {
        if (known.contains(key))
            continue;
        if (++unknown <= UnknownKeysShown)
            m_warnings.append(QStringLiteral("%1: \"%2\" is no setting of the kit; ignored")
                                  .arg(QDir::toNativeSeparators(fileName()), shown(key)));
    }
    if (unknown > UnknownKeysShown)
        m_warnings.append(QStringLiteral("%1: and %2 more keys that are no setting of the kit; ignored")
                              .arg(QDir::toNativeSeparators(fileName()))
                              .arg(unknown - UnknownKeysShown));
    m_values.glyphFont = readGlyphFont(m_warnings);
    m_values.codePage = readCodePage(TextsCodePage, m_warnings);
    m_values.sourceCodePage = readCodePage(TextsSourceCodePage, m_warnings);
    m_values.windowGeometry = m_settings->value(WindowGeometry).toByteArray();
    m_values.page = number(WindowPage, 0, 2, m_warnings);
    m_values.rowNumber = number(WindowRow, 1, INT_MAX, m_warnings);
    m_values.pictureFolder = text(WindowPictureFolder);
    m_values.glyphSheetZoom = number(WindowSheetZoom, 0, 4, m_warnings);
    m_values.previewZoom = number(WindowPreviewZoom, 1, 3, m_warnings);
    m_values.textsFolder = text(WindowTextsFolder);
    m_values.windowLanguage = readWindowLanguage(m_warnings);
    const QString language = text(TextsLanguage);
    m_values.language = isLanguageCode(language) ? language : QString();
    m_values.spellLanguage = readSpellLanguage(m_warnings);
    m_values.memories = readMemories();
    m_values.widerAllowance = readWiderAllowance(m_warnings);
    m_warnings.removeDuplicates();
}

KitSettings::~KitSettings() = default;

QString KitSettings::fileName() const
{
    return m_fileName;
}

QString KitSettings::text(const QString &key) const
{
    return m_unreadable ? QString() : m_settings->value(key).toString();
}

std::optional<int> KitSettings::number(const QString &key, int low, int high, QStringList &warnings) const
{
    if (m_unreadable || !m_settings->contains(key))
        return std::nullopt;
    bool ok = false;
    const int value = m_settings->value(key).toString().trimmed().toInt(&ok);
    if (ok && value >= low && value <= high)
        return value;
    warnings.append(QStringLiteral("%1: %2 = \"%3\" is not a number from %4 to %5; ignored")
                        .arg(QDir::toNativeSeparators(fileName()), key, shown(m_settings->value(key).toString()))
                        .arg(low)
                        .arg(high));
    return std::nullopt;
}

std::optional<QFont> KitSettings::readGlyphFont(QStringList &warnings) const
{
    if (m_unreadable || !m_settings->contains(FontFamily))
        return std::nullopt;
    const QString family = m_settings->value(FontFamily).toString().trimmed();
    const auto size = number(FontSize, 1, 255, warnings);
    if (family.isEmpty() || !size) {
        warnings.append(QStringLiteral("%1: the font has no family or size; ignored")
                            .arg(QDir::toNativeSeparators(fileName())));
        return std::nullopt;
    }
    // A style flag that is not "true" or "false" is a warning; the font keeps
    // the other settings and goes without that style.
    auto flag = [this, &warnings](const QString &key) {
        const QString text = m_settings->value(key, QStringLiteral("false")).toString().trimmed().toLower();
        if (text != QLatin1String("true") && text != QLatin1String("false"))
            warnings.append(QStringLiteral("%1: %2 = \"%3\" is neither true nor false; taken as false")
                                .arg(QDir::toNativeSeparators(fileName()), key, shown(text)));
        return text == QLatin1String("true");
    };
    QFont font(family);
    font.setPointSize(*size);
    font.setBold(flag(FontBold));
    font.setItalic(flag(FontItalic));
    font.setUnderline(flag(FontUnderline));
    font.setStrikeOut(flag(FontStrikeOut));
    return font;
}

void KitSettings::setGlyphFont(const QFont &font)
{
    auto text = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    write(FontFamily, font.family());
    write(FontSize, font.pointSize());
    write(FontBold, text(font.bold()));
    write(FontItalic, text(font.italic()));
    write(FontUnderline, text(font.underline()));
    write(FontStrikeOut, text(font.strikeOut()));
    QStringList ignored;
    m_values.glyphFont = readGlyphFont(ignored);
}

std::optional<int> KitSettings::readCodePage(const QString &key, QStringList &warnings) const
{
    const auto value = number(key, 0, 65535, warnings);
    if (value && !CodePage::isSupported(*value)) {
        warnings.append(QStringLiteral("%1: code page %2 is not one the kit offers; ignored")
                            .arg(QDir::toNativeSeparators(fileName()))
                            .arg(*value));
        return std::nullopt;
    }
    return value;
}

void KitSettings::setCodePage(int number)
{
    write(TextsCodePage, number);
    QStringList ignored;
    m_values.codePage = readCodePage(TextsCodePage, ignored);
}

TextCodePages KitSettings::codePages(int translation) const
{
    return TextCodePages(codePage().value_or(translation), sourceCodePage().value_or(TextCodePages::GameDefault));
}

void KitSettings::setWindowGeometry(const QByteArray &geometry)
{
    write(WindowGeometry, geometry);
    if (!m_unreadable)
        m_values.windowGeometry = geometry;
}

void KitSettings::setPage(int page)
{
    write(WindowPage, page);
    QStringList ignored;
    m_values.page = number(WindowPage, 0, 2, ignored);
}

void KitSettings::setRowNumber(int rowNumber)
{
    write(WindowRow, rowNumber);
    QStringList ignored;
    m_values.rowNumber = number(WindowRow, 1, INT_MAX, ignored);
}

void KitSettings::setPictureFolder(const QString &folder)
{
    write(WindowPictureFolder, folder);
    m_values.pictureFolder = text(WindowPictureFolder);
}

void KitSettings::setGlyphSheetZoom(int zoom)
{
    write(WindowSheetZoom, zoom);
    QStringList ignored;
    m_values.glyphSheetZoom = number(WindowSheetZoom, 0, 4, ignored);
}

void KitSettings::setPreviewZoom(int zoom)
{
    write(WindowPreviewZoom, zoom);
    QStringList ignored;
    m_values.previewZoom = number(WindowPreviewZoom, 1, 3, ignored);
}

void KitSettings::setTextsFolder(const QString &folder)
{
    write(WindowTextsFolder, folder);
    m_values.textsFolder = text(WindowTextsFolder);
}

QString KitSettings::readWindowLanguage(QStringList &warnings) const
{
    const QString language = text(WindowLanguage);
    if (language.isEmpty() || isLanguageCode(language))
        return language;
    warnings.append(QStringLiteral("%1: %2 = \"%3\" is no language code; ignored")
                        .arg(QDir::toNativeSeparators(fileName()), WindowLanguage, shown(language)));
    return QString();
}

void KitSettings::setWindowLanguage(const QString &language)
{
    write(WindowLanguage, language);
    QStringList ignored;
    m_values.windowLanguage = readWindowLanguage(ignored);
}

QStringList KitSettings::readMemories() const
{
    if (m_unreadable)
        return {};
    QStringList memories = m_settings->value(TextsMemories).toStringList();
    memories.removeAll(QString());
    memories.removeDuplicates();
    return memories;
}

void KitSettings::setMemories(const QStringList &memories)
{
    write(TextsMemories, memories);
    m_values.memories = readMemories();
}

std::optional<WiderAllowance> KitSettings::readWiderAllowance(QStringList &warnings) const
{
    if (m_unreadable || !m_settings->contains(TextsWider))
        return std::nullopt;
    const QString text = m_settings->value(TextsWider).toString();
    const auto allowance = WiderAllowance::fromText(text);
    if (!allowance)
        warnings.append(QStringLiteral("%1: %2 = \"%3\" is no width allowance (such as 4px or 10%, up to %4); ignored")
                            .arg(QDir::toNativeSeparators(fileName()), TextsWider, shown(text))
                            .arg(WiderAllowance::Most));
    return allowance;
}

void KitSettings::setWiderAllowance(const WiderAllowance &allowance)
{
    write(TextsWider, allowance.text());
    QStringList ignored;
    m_values.widerAllowance = readWiderAllowance(ignored);
}

bool KitSettings::isLanguageCode(const QString &code)
{
    static const QRegularExpression Pattern(QStringLiteral("^[a-z]{2,3}(_[A-Z]{2})?$"));
    return Pattern.match(code).hasMatch();
}

std::optional<QString> KitSettings::readSpellLanguage(QStringList &warnings) const
{
    if (m_unreadable || !m_settings->contains(TextsSpelling))
        return std::nullopt;
    // A name, never a path: the dictionary is looked up in the system's folder.
    static const QRegularExpression Pattern(QStringLiteral("^([A-Za-z]{2,3}([_-][A-Za-z0-9]+)*)?$"));
    const QString language = m_settings->value(TextsSpelling).toString().trimmed();
    if (Pattern.match(language).hasMatch())
        return language;
    warnings.append(QStringLiteral("%1: %2 = \"%3\" is no dictionary name; ignored")
                        .arg(QDir::toNativeSeparators(fileName()), TextsSpelling, shown(language)));
    return std::nullopt;
}

void KitSettings::setSpellLanguage(const QString &language)
{
    write(TextsSpelling, language);
    QStringList ignored;
    m_values.spellLanguage = readSpellLanguage(ignored);
}

void KitSettings::write(const QString &key, const QVariant &value)
{
    if (m_unreadable)
        return;
    m_settings->setValue(key, value);
    m_settings->sync();
    const QString cannot = QStringLiteral("%1: cannot be written").arg(QDir::toNativeSeparators(fileName()));
    if (m_settings->status() != QSettings::NoError && !m_warnings.contains(cannot))
        m_warnings.append(cannot);
}

} // namespace orvanta
