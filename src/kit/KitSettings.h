#pragma once

#include "font/WiderAllowance.h"

#include <QByteArray>
#include "texts/TextCodePages.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;

namespace orvanta {

// The translator's settings, kept in "orvanta-kit.ini" in the kit folder
// (INI): the glyph font (group [font]: family, size in points, bold,
// italic, underline, strikeout as true/false), the code page (group
// [texts]: codepage, a number the kit offers; sourcecodepage, the code page
// of the game's source texts, set by hand in a kit made for a game in
// another code page than Windows-1252; language, the translation's
// language code for PO and XLIFF; spelling, the spell check's dictionary;
// memories, the translation memories the suggestions come from; wider, how
// much wider a translation may be drawn before the `wider` check warns:
// "4px" or "10%") and what
// the window wants to
// find again (group [window]: geometry, page, row, picture folder, texts
// folder, glyph sheet zoom, preview zoom, language).
//
// The window and kvtool read them; the window writes a value when the
// translator changes it. The file is read once, when the object is made,
// into its values and the warnings about it: a file that cannot be read,
// and every value that makes no sense (an unknown code page, a size of
// "big"), is ignored (the getter says nothing) and warnings() tells what
// was, whichever getters are called. Setters write through at once; a file
// that cannot be written is a warning too, never a failure of the work that
// changed the value.
class KitSettings {
public:
    static const QString FileName;

    // `kitDirectory` is the kit folder.
    explicit KitSettings(const QString &kitDirectory);
    ~KitSettings();

    // The full path of the settings file.
    QString fileName() const;

    // The remembered glyph font, or nothing when none is stored or what is
    // stored is unusable (no family, a size outside 1..255 points).
    std::optional<QFont> glyphFont() const { return m_values.glyphFont; }
    void setGlyphFont(const QFont &font);

    // The remembered code page, or nothing when none is stored or the kit
    // does not offer the number.
    std::optional<int> codePage() const { return m_values.codePage; }
    void setCodePage(int number);
    // The code page of the source texts the kit names, or nothing.
    std::optional<int> sourceCodePage() const { return m_values.sourceCodePage; }
    // The code pages the kit's texts are read in: the sources in
    // sourceCodePage(), else the game's default; the translations in
    // codePage(), else `translation`.
    TextCodePages codePages(int translation) const;

    // Window state: opaque geometry bytes (QWidget::saveGeometry), the page
    // index, the grid's row number (from 1), the folder a picture dialog last used and the
    // glyph sheet's zoom (1 to 4, or 0 for the largest that fits).
    QByteArray windowGeometry() const { return m_values.windowGeometry; }
    void setWindowGeometry(const QByteArray &geometry);
    std::optional<int> page() const { return m_values.page; }
    void setPage(int page);
    std::optional<int> rowNumber() const { return m_values.rowNumber; }
    void setRowNumber(int rowNumber);
    QString pictureFolder() const { return m_values.pictureFolder; }
    void setPictureFolder(const QString &folder);
    std::optional<int> glyphSheetZoom() const { return m_values.glyphSheetZoom; }
    void setGlyphSheetZoom(int zoom);
    // The Texts page preview's enlargement (1 to 3).
    std::optional<int> previewZoom() const { return m_values.previewZoom; }
    void setPreviewZoom(int zoom);
    // The folder texts were last exported to or imported from.
    QString textsFolder() const { return m_values.textsFolder; }
    void setTextsFolder(const QString &folder);

    // The language the window speaks ("de"; group [window]), as the
    // translator chose it in the window; empty when it follows the system's.
    QString windowLanguage() const { return m_values.windowLanguage; }
    void setWindowLanguage(const QString &language);

    // The language of the translation, as PO and XLIFF name it ("ru",
    // "pt_BR"; group [texts]); empty when none is set or it is no such code.
    // Set by hand in the file; kvtool texts export --language overrides it.
    QString language() const { return m_values.language; }
    static bool isLanguageCode(const QString &code);

    // The dictionary the spell check uses ("en_US", as Hunspell names its
    // files; group [texts]): "" when the translator chose none, nothing
    // when no choice is stored yet or it is no dictionary name.
    std::optional<QString> spellLanguage() const { return m_values.spellLanguage; }
    void setSpellLanguage(const QString &language);
    // The translation memories, in the order the translator added them:
    // paths of PO, XLIFF or CSV files and of other kit folders (group
    // [texts]); each once.
    QStringList memories() const { return m_values.memories; }
    void setMemories(const QStringList &memories);
    // How much wider than its original a translation may be drawn (group
    // [texts]); nothing when none is stored or it is no allowance.
    std::optional<WiderAllowance> widerAllowance() const { return m_values.widerAllowance; }
    void setWiderAllowance(const WiderAllowance &allowance);

    // What was ignored while reading or could not be written, one line each,
    // naming the file.
    const QStringList &warnings() const { return m_warnings; }

private:
    // What the file holds, as the getters give it.
    struct Values {
        std::optional<QFont> glyphFont;
        std::optional<int> codePage;
        std::optional<int> sourceCodePage;
        QByteArray windowGeometry;
        std::optional<int> page;
        std::optional<int> rowNumber;
        QString pictureFolder;
        std::optional<int> glyphSheetZoom;
        std::optional<int> previewZoom;
        QString textsFolder;
        QString windowLanguage;
        QString language;
        std::optional<QString> spellLanguage;
        QStringList memories;
        std::optional<WiderAllowance> widerAllowance;
    };

    // Each value as the file holds it now, with what is wrong with it
    // appended to `warnings`.
    std::optional<int> number(const QString &key, int low, int high, QStringList &warnings) const;
    std::optional<QFont> readGlyphFont(QStringList &warnings) const;
    std::optional<int> readCodePage(const QString &key, QStringList &warnings) const;
    std::optional<QString> readSpellLanguage(QStringList &warnings) const;
    QString readWindowLanguage(QStringList &warnings) const;
    QString text(const QString &key) const;
    QStringList readMemories() const;
    std::optional<WiderAllowance> readWiderAllowance(QStringList &warnings) const;
    void write(const QString &key, const QVariant &value);

    QString m_fileName;
    std::unique_ptr<QSettings> m_settings;
    bool m_unreadable = false;
    Values m_values;
    QStringList m_warnings;
};

} // namespace orvanta
