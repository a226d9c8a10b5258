#pragma once

#include <QByteArray>
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
// [texts]: codepage, a number the kit offers; language, the translation's
// language code for PO and XLIFF; spelling, the spell check's dictionary;
// memories, the translation memories the suggestions come from) and what
// the window wants to
// find again (group [window]: geometry, page, row, picture folder, texts
// folder, glyph sheet zoom).
//
// The window and kvtool read them; the window writes a value when the
// translator changes it. A file that cannot be read, and every value that
// makes no sense (an unknown code page, a size of "big"), is ignored: the
// getter says nothing and warnings() tells what was ignored. Setters write
// through at once; a file that cannot be written is a warning too, never a
// failure of the work that changed the value.
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
    std::optional<QFont> glyphFont() const;
    void setGlyphFont(const QFont &font);

    // The remembered code page, or nothing when none is stored or the kit
    // does not offer the number.
    std::optional<int> codePage() const;
    void setCodePage(int number);

    // Window state: opaque geometry bytes (QWidget::saveGeometry), the page
    // index, the grid's row number (from 1), the folder a picture dialog last used and the
    // glyph sheet's zoom (1 to 4, or 0 for the largest that fits).
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &geometry);
    std::optional<int> page() const;
    void setPage(int page);
    std::optional<int> rowNumber() const;
    void setRowNumber(int rowNumber);
    QString pictureFolder() const;
    void setPictureFolder(const QString &folder);
    std::optional<int> glyphSheetZoom() const;
    void setGlyphSheetZoom(int zoom);
    // The folder texts were last exported to or imported from.
    QString textsFolder() const;
    void setTextsFolder(const QString &folder);

    // The language of the translation, as PO and XLIFF name it ("ru",
    // "pt_BR"; group [texts]); empty when none is set or it is no such code.
    QString language() const;
    void setLanguage(const QString &language);
    static bool isLanguageCode(const QString &code);

    // The dictionary the spell check uses ("en_US", as Hunspell names its
    // files; group [texts]): "" when the translator chose none, nothing
    // when no choice is stored yet or it is no dictionary name.
    std::optional<QString> spellLanguage() const;
    void setSpellLanguage(const QString &language);
    // The translation memories, in the order the translator added them:
    // paths of PO, XLIFF or CSV files and of other kit folders (group
    // [texts]); each once.
    QStringList memories() const;
    void setMemories(const QStringList &memories);

    // What was ignored while reading or could not be written, one line each,
    // naming the file.
    QStringList warnings() const;

private:
    std::optional<int> number(const QString &key, int low, int high) const;
    void write(const QString &key, const QVariant &value);

    std::unique_ptr<QSettings> m_settings;
    bool m_unreadable = false;
    mutable QStringList m_warnings;
};

} // namespace orvanta
