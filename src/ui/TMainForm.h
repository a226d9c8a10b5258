#pragma once

#include "core/FormatError.h"
#include "pictures/PictureSlots.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include <vector>

class QComboBox;
class QFileDialog;
class QFontDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;

namespace orvanta {

class TextTableModel;

// The kit's one window: three pages (Pictures, Texts, Font), the save
// button and the help button. It owns every control and wires each event to
// a short handler; the work behind the handlers lives in the page modules.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    static const QString Caption;

    // `applicationDirectory` is the kit folder, with a trailing separator;
    // every file the kit uses is named relative to it.
    explicit TMainForm(const QString &applicationDirectory, QWidget *parent = nullptr);
    ~TMainForm() override;

    const QString &ApplicationDirectory() const { return m_applicationDirectory; }

    // The font the glyphs are captured from; changes only when the font
    // dialog is confirmed.
    QFont GlyphFont() const { return m_glyphFont; }
    // The Pictures page's slots: for a row from 0 to 8 the slot itself,
    // otherwise null. Pictures() is what a save writes.
    const QImage *StandardPicture(int row) const { return m_pictures.StandardPicture(row); }
    QImage *TranslatedPicture(int row) { return m_pictures.TranslatedPicture(row); }
    const PictureSlots &Pictures() const { return m_pictures; }

    // Controls, named as their object names.
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet3 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QTableView *StringGrid = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QPushButton *Button1 = nullptr;
    QLabel *Label13 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label15 = nullptr;
    QLabel *Label16 = nullptr;
    QLabel *Label17 = nullptr;
    QFontDialog *FontDialog = nullptr;
    QLabel *FontNameLabel = nullptr;
    QLabel *Label19 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QLabel *RenderImage = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QLabel *StandardImage = nullptr;
    QComboBox *PictSelComboBox = nullptr;
    QPushButton *Button5 = nullptr;
    QLabel *Label18 = nullptr;
    QLabel *Label20 = nullptr;
    QLabel *Label21 = nullptr;
    QLabel *TranslatedImage = nullptr;
    QPushButton *Button6 = nullptr;
    QFileDialog *SavePictureDialog1 = nullptr;
    QFileDialog *OpenPictureDialog1 = nullptr;
    QLabel *CodePageLabel = nullptr;
    QComboBox *CodePageComboBox = nullptr;

    TextTableModel *texts() const { return m_texts; }

    // Edits, a font, a code page or pictures that no save has packed yet.
    bool hasUnsavedWork() const { return m_unsavedWork; }

signals:
    // A translated picture was accepted, or a refusal removed one: there is
    // work that only a save keeps.
    void translatedPicturesChanged();

public slots:
    void Button1Click();
    void Button3Click();
    void Button4Click();
    void StringGridSelectCell(int ACol, int ARow);
    void StringGridEnter();
    void StringGridSetEditText(int ACol, int ARow, const QString &Value);
    void CodePageComboBoxChange();
    void PictSelComboBoxChange();
    void Button6Click();
    void Button5Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void ShowRowTexts(int row);
    int currentGridRow() const;

    void buildPicturesPage();
    void buildTextsPage();
    void buildFontPage();
    void buildDialogs();

    QString m_applicationDirectory;
    TextTableModel *m_texts = nullptr;
    QFont m_glyphFont;
    std::vector<FormatError> m_archiveProblems;
    PictureSlots m_pictures;
    bool m_shown = false;
    bool m_unsavedWork = false;
};

} // namespace orvanta
