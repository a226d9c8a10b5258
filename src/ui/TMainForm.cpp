#include "TMainForm.h"

#include "AnchorLayout.h"
#include "Controls.h"
#include "FontPage.h"
#include "Messages.h"
#include "PicturesPage.h"
#include "SaveMessages.h"
#include "TextGrid.h"
#include "TextsPage.h"
#include "kit/Translations.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QUrl>
#include <QWindow>

namespace orvanta {

QString TMainForm::caption()
{
    return tr("Orvanta Localization Kit V1.2 (For Orvanta V1.25) - Kolvane Sofware");
}

namespace {

enum Page { Pictures, Texts, Font, PageCount };

} // namespace

TMainForm::TMainForm(const QString &applicationDirectory, std::unique_ptr<KitOpenLock> openLock, QWidget *parent)
    : QWidget(parent)
    , m_openLock(std::move(openLock))
    , m_document(applicationDirectory)
    , m_settings(applicationDirectory)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(caption());
    setFont(Controls::font());
    setMinimumSize(DefaultSize);
    FormCreate();

    // Pages first, so that Tab runs through a page's controls to the buttons.
    auto *layout = new AnchorLayout(this, DefaultSize);
    m_pageControl = layout->add(Controls::named(new QTabWidget, "PageControl1"), {8, 8, 521, 377}, AnchorLayout::Fill);
    // Beside the tabs, where the pages leave the row empty.
    m_historyLine = Controls::label("HistoryLabel", QString());
    m_historyLine->setContentsMargins(0, 0, 4, 0);
    m_pageControl->setCornerWidget(m_historyLine, Qt::TopRightCorner);
    const AnchorLayout::Growth pageGrowth{m_pageControl, {521, 377}};
    // Each page is made inside the window, so its controls take the window's
    // font as they are made instead of all changing font as the page is added.
    m_picturesPage = new PicturesPage(m_document, m_settings, pageGrowth, m_pageControl);
    m_pageControl->addTab(m_picturesPage, tr("Pictures"));
    m_textsPage = new TextsPage(m_document, m_settings, pageGrowth, m_pageControl);
    m_pageControl->addTab(m_textsPage, tr("Texts"));
    m_fontPage = new FontPage(m_document, m_settings, pageGrowth, m_pageControl);
    m_pageControl->addTab(m_fontPage, tr("Font"));
    connect(m_fontPage, &FontPage::textsPageAsked, this, [this] { m_pageControl->setCurrentIndex(Texts); });
    // Beside the tabs, where the history speaks too.
    connect(m_fontPage, &FontPage::windowLanguageChosen, this,
            [this] { m_historyLine->setText(Messages::windowLanguageNote()); });
    auto *saveButton = layout->add(Controls::button("Button1", tr("Save data to \"lang.dat\"")),
                                   {8, 392, 137, 25}, AnchorLayout::BottomLeft);
    auto *helpButton = layout->add(Controls::button("Button4", QStringLiteral("?")), {504, 392, 27, 25},
                                   AnchorLayout::BottomRight);
    m_outputFileList = layout->add(Controls::named(new QPlainTextEdit(QStringLiteral("Memo1")), "Memo1"),
                                   {440, 384, 57, 33}, AnchorLayout::BottomRight);
    m_outputFileList->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_outputFileList->hide();
    // The Texts page's search and filter stand between the two buttons
    // while that page is current; Tab runs from the grid to the save
    // button, through them, to "?".
    QWidget *textsRow = layout->add(m_textsPage->windowRow(), {150, 392, 350, 25}, AnchorLayout::BottomWide);
    auto showTextsRow = [this, textsRow] { textsRow->setVisible(m_pageControl->currentIndex() == Texts); };
    showTextsRow();
    connect(m_pageControl, &QTabWidget::currentChanged, textsRow, showTextsRow);
    QList<QWidget *> tabs{m_textsPage->grid(), saveButton};
    tabs.append(textsRow->findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
    tabs.append(helpButton);
    for (qsizetype i = 1; i < tabs.size(); ++i)
        QWidget::setTabOrder(tabs[i - 1], tabs[i]);
    connect(saveButton, &QPushButton::clicked, this, &TMainForm::Button1Click);
    connect(helpButton, &QPushButton::clicked, this, &TMainForm::Button4Click);

    addShortcuts();
    restoreWindow();
    rememberChanges();
    followHistory();
}

// The pages go first: their controls (an open cell editor, say) use the
// document, which goes with the members before QWidget removes the children.
TMainForm::~TMainForm()
{
    delete m_pageControl;
}

// The kit's work as the last save left it, with the font and code page the
// translator chose last time.
void TMainForm::FormCreate()
{
    m_archiveProblems = m_document.load();
    m_document.restore(m_settings);
}

void TMainForm::restoreWindow()
{
    m_pageControl->setCurrentIndex(m_settings.page().value_or(Font));
    if (!restoreGeometry(m_settings.windowGeometry())) {
        resize(DefaultSize);
        move(DefaultPosition);
        m_firstStart = true;
    }
}

// On the first start the window widens until its title bar holds the
// title: the title's text in the title-bar font the platform names, beside
// the bar's icon and buttons, taken as five squares of the bar's height.
// The bar is known once the window is framed: at its first showing on some
// platforms, at its first activation on others. A platform that draws no
// title bar (no frame above the window as high as the title's letters)
// leaves the default size.
void TMainForm::holdTitle()
{
    if (!m_firstStart)
        return;
    const QFontMetrics title(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    const int bar = windowHandle() ? windowHandle()->frameMargins().top() : 0;
    if (bar < title.height())
        return;
    m_firstStart = false;
    const int needed = title.horizontalAdvance(windowTitle()) + 5 * bar;
    if (needed > width())
        resize(needed, height());
}

// Each setting is written when the translator changes it; the geometry when
// the window closes.
void TMainForm::rememberChanges()
{
    connect(&m_document, &KitDocument::glyphFontChanged, this, [this](const QFont &font) {
        m_settings.setGlyphFont(font);
    });
    connect(&m_document, &KitDocument::codePageChanged, this, [this](int number) { m_settings.setCodePage(number); });
    connect(m_pageControl, &QTabWidget::currentChanged, this, [this](int page) { m_settings.setPage(page); });
}

// An undo or redo goes to the page of what it changed, so the translator
// sees it; the title says whether there is unsaved work.
void TMainForm::followHistory()
{
    auto showPage = [this](Page page) {
        return [this, page] {
            if (m_followingHistory && m_pageControl->currentIndex() != page) {
                m_pageControl->setCurrentIndex(page);
                focusTexts();
            }
        };
    };
    connect(&m_document, &KitDocument::textsChanged, this, showPage(Texts));
    connect(&m_document, &KitDocument::marksChanged, this, showPage(Texts));
    connect(&m_document, &KitDocument::translatedPictureChanged, this, showPage(Pictures));
    connect(&m_document, &KitDocument::glyphFontChanged, this, showPage(Font));
    connect(&m_document, &KitDocument::codePageChanged, this, showPage(Font));
    connect(m_document.undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        setWindowTitle(clean ? caption() : QStringLiteral("*") + caption());
    });
    // A new change makes the last undo or redo old news.
    connect(m_document.undoStack(), &QUndoStack::indexChanged, m_historyLine, [this] {
        if (!m_followingHistory)
            m_historyLine->clear();
    });
}

void TMainForm::addShortcuts()
{
    auto add = [this](QAction *action, const QList<QKeySequence> &keys) {
        action->setShortcuts(keys);
        addAction(action);
    };
    QUndoStack *history = m_document.undoStack();
    auto historyAction = [this, add, history](const QList<QKeySequence> &keys, void (QUndoStack::*step)()) {
        auto *action = new QAction(this);
        connect(action, &QAction::triggered, this, [this, history, step] {
            const bool undo = step == &QUndoStack::undo;
            const QString what = undo ? history->undoText() : history->redoText();
            if (!(undo ? history->canUndo() : history->canRedo()))
                return;
            m_followingHistory = true;
            (history->*step)();
            m_followingHistory = false;
            // The tabs keep their room: a long name (an import's file) is cut short.
            const QString line = Messages::historyStep(undo, what);
            m_historyLine->setText(m_historyLine->fontMetrics().elidedText(line, Qt::ElideMiddle, HistoryLineWidth));
            m_historyLine->setToolTip(line);
        });
        add(action, keys);
    };
    historyAction({QKeySequence(Qt::CTRL | Qt::Key_Z)}, &QUndoStack::undo);
    historyAction({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
                  &QUndoStack::redo);
    auto *saveAction = new QAction(this);
    connect(saveAction, &QAction::triggered, this, &TMainForm::Button1Click);
    add(saveAction, {QKeySequence(Qt::CTRL | Qt::Key_S)});

    auto pageAction = [this, add](const QList<QKeySequence> &keys, auto page) {
        auto *action = new QAction(this);
        connect(action, &QAction::triggered, this, [this, page] {
            m_pageControl->setCurrentIndex(page());
            focusTexts();
        });
        add(action, keys);
    };
    pageAction({QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
               [this] { return (m_pageControl->currentIndex() + 1) % PageCount; });
    pageAction({QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
               [this] { return (m_pageControl->currentIndex() + PageCount - 1) % PageCount; });
    for (int page = 0; page < PageCount; ++page)
        pageAction({QKeySequence(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_1 + page)))},
                   [page] { return page; });
}

void TMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
    holdTitle();
}

void TMainForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        holdTitle();
}

void TMainForm::FormShow()
{
    m_picturesPage->PictSelComboBoxChange();
    focusTexts();
    Messages::startupProblems(this, m_archiveProblems, m_settings.warnings(), m_document.notices());
    m_textsPage->offerCarryOver();
}

// The keyboard starts in the grid when the Texts page is current, not on
// the tab bar, where the arrow keys would switch pages.
void TMainForm::focusTexts()
{
    if (m_pageControl->currentIndex() == Texts)
        m_textsPage->focusGrid();
}

void TMainForm::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_painted) {
        m_painted = true;
        QMetaObject::invokeMethod(this, &TMainForm::FormPainted, Qt::QueuedConnection);
    }
}

// The glyph captures take longer than all the rest of the start-up: they
// come once the window stands on the screen, and fill in the glyph sheet,
// the preview and the `wider` findings where the first paint left room.
void TMainForm::FormPainted()
{
    m_fontPage->showGlyphs();
    m_textsPage->measureWidths();
}

void TMainForm::Button1Click()
{
    save();
}

namespace {

// A save's questions, in message boxes. Replacing glyphs of another font or
// code page is asked only when nobody chose the font or code page today.
class WindowSaveQuestions : public SaveQuestions {
public:
    WindowSaveQuestions(QWidget *parent, const KitDocument &document) : m_parent(parent), m_document(document) {}

    ChangedOnDisk changedOnDisk() override
    {
        switch (SaveMessages::askChangedOnDisk(m_parent)) {
        case QMessageBox::Reset:
            return ChangedOnDisk::Reload;
        case QMessageBox::Save:
            return ChangedOnDisk::Overwrite;
        default:
            return ChangedOnDisk::Cancel;
        }
    }
    bool replaceGlyphs(const KitSave::Check &check) override
    {
        return m_document.glyphsChosen() || SaveMessages::askReplaceGlyphs(m_parent, check.glyphsWritten);
    }
    bool saveFewerTexts(const KitSave::Check &check) override
    {
        return SaveMessages::askSaveFewerTexts(m_parent, KitSave::fewerTextsText(check.textsNow, check.textsWritten));
    }
    bool replaceReadOnly() override
    {
        return SaveMessages::askReplaceReadOnly(m_parent, Messages::translated("KitSave", KitSave::ReadOnlyText));
    }
    void tookOverLock(const QString &notice) override { m_notices.append(notice); }

    // What the save was told on the way, for the output list.
    QStringList notices() const { return m_notices; }

private:
    QStringList m_notices;
    QWidget *m_parent;
    const KitDocument &m_document;
};

} // namespace

// True when "lang.dat" was written.
bool TMainForm::save()
{
    WindowSaveQuestions questions(this, m_document);
    const auto saved = m_document.save(questions);
    if (!saved) {
        SaveMessages::saveFailed(this, saved.error());
        return false;
    }
    switch (saved->outcome) {
    case OpenKit::Saved::Outcome::Saved:
        m_outputFileList->setPlainText(saved->files.join(QLatin1Char('\n')));
        SaveMessages::completed(this, questions.notices());
        return true;
    case OpenKit::Saved::Outcome::Reloaded:
        Messages::startupProblems(this, saved->problems, {});
        return false;
    case OpenKit::Saved::Outcome::Declined:
        break;
    }
    return false;
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (m_document.hasUnsavedWork()) {
        const auto answer = SaveMessages::askSaveBeforeClosing(this);
        if (answer == QMessageBox::Cancel || answer == QMessageBox::NoButton
            || (answer == QMessageBox::Save && !save())) {
            event->ignore();
            return;
        }
    }
    m_settings.setWindowGeometry(saveGeometry());
    event->accept();
}

void TMainForm::Button4Click()
{
    // The guide in the window's language, beside the English one.
    const QString guide = m_document.directory() + Translations::guideName(Translations::installedLanguage());
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        Messages::guideAt(this, guide);
}

} // namespace orvanta
