#pragma once

#include "core/FormatError.h"
#include "document/KitDocument.h"
#include "kit/KitOpenLock.h"
#include "kit/KitSettings.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace orvanta {

class FontPage;
class PicturesPage;
class TextsPage;

// The kit's one window ("MainForm"): the three pages (Pictures, Texts,
// Font), the save button, the help button and the hidden list of the files
// the last save packed. It opens the kit folder as a KitDocument, restores
// what the translator chose last time from the kit's settings and writes
// each setting again when it changes. Its handlers are a few lines each:
// the work lives in the document, the pages and the kit's modules.
//
// Keys: Ctrl+S saves; Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y redo, each
// going to the page of what it changed and saying beside the page tabs
// what it undid or redid; the title starts with "*" while there is unsaved
// work;
// Ctrl+PgUp, Ctrl+PgDn and Ctrl+1, 2, 3 switch pages. Closing with unsaved
// work asks whether to save it first.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    // The window's title, in the window's language.
    static QString caption();
    // The window's client area when it first opens, and its smallest size.
    static constexpr QSize DefaultSize{537, 423};
    static constexpr QPoint DefaultPosition{213, 159};
    // The most the history line beside the tabs takes, in pixels.
    static constexpr int HistoryLineWidth = 300;

    // `applicationDirectory` is the kit folder, with a trailing separator.
    // `openLock`, when given, marks the folder as open for as long as the
    // window lives.
    explicit TMainForm(const QString &applicationDirectory, std::unique_ptr<KitOpenLock> openLock = {},
                       QWidget *parent = nullptr);
    ~TMainForm() override;

    KitDocument &document() { return m_document; }

public slots:
    // "Save data to "lang.dat"".
    void Button1Click();
    // "?": the translator's guide in the window's language, readme.txt (or
    // readme_de.txt ...) in the kit folder.
    void Button4Click();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void focusTexts();
    void FormPainted();
    bool save();
    void addShortcuts();
    void restoreWindow();
    void holdTitle();
    void rememberChanges();
    void followHistory();

    std::unique_ptr<KitOpenLock> m_openLock;
    KitDocument m_document;
    KitSettings m_settings;
    std::vector<FormatError> m_archiveProblems;
    QTabWidget *m_pageControl = nullptr;
    PicturesPage *m_picturesPage = nullptr;
    TextsPage *m_textsPage = nullptr;
    FontPage *m_fontPage = nullptr;
    QPlainTextEdit *m_outputFileList = nullptr; // the files the last save packed
    QLabel *m_historyLine = nullptr;            // what the last undo or redo did
    bool m_followingHistory = false;            // an undo or redo is under way
    bool m_shown = false;
    bool m_firstStart = false; // no size remembered: the title may widen the window
    bool m_painted = false;
};

} // namespace orvanta
