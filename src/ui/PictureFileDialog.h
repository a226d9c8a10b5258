#pragma once

#include <QFileDialog>
#include <QImage>
#include <QStringList>

class QLabel;

namespace orvanta {

// The open and save dialogs of the Pictures page: Qt's own file dialog (the
// same on every desktop, never the platform's) with a preview pane beside
// the file list. The pane shows the highlighted picture file, or, while no
// picture file is highlighted, the dialog's own picture (the one a save is
// about to write). A small picture is enlarged by a whole factor, so its
// pixels stay square and sharp; a large one is shrunk to fit the pane.
// Under the picture stands its size in pixels and, for a palette picture,
// how many colours its palette has.
class PictureFileDialog : public QFileDialog {
    Q_OBJECT

public:
    enum Mode { Open, Save };

    // `filters` in QFileDialog's form ("Bitmaps (*.bmp)"), the first chosen.
    // A save dialog adds ".bmp" to a name without an extension and asks
    // before it replaces a file.
    PictureFileDialog(Mode mode, const QStringList &filters, QWidget *parent = nullptr);

    // Shown while no picture file is highlighted; a null image for none.
    void setOwnPicture(const QImage &picture);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFile(const QString &path);
    void showPicture(const QImage &picture, QSize size);
    void drawPreview();

    QLabel *m_preview = nullptr;
    QLabel *m_caption = nullptr;
    QImage m_ownPicture;
    QImage m_shown; // the picture the pane shows, unscaled
};

} // namespace orvanta
