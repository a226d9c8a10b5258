#include "PictureFileDialog.h"

#include "Controls.h"
#include "PictureMessages.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace orvanta {

namespace {

// The largest whole factor a small picture is enlarged by.
constexpr int MostEnlarged = 8;
// A picture file with a side longer than this is read scaled down: the pane
// needs no more, and a huge file highlighted in passing costs little.
constexpr int LongestRead = 2048;
constexpr QSize PaneSize{240, 200};

} // namespace

PictureFileDialog::PictureFileDialog(Mode mode, const QStringList &filters, QWidget *parent)
    : QFileDialog(parent)
{
    setOption(DontUseNativeDialog);
    setNameFilters(filters);
    setAcceptMode(mode == Save ? AcceptSave : AcceptOpen);
    setFileMode(mode == Save ? AnyFile : ExistingFile);
    if (mode == Save)
        setDefaultSuffix(QStringLiteral("bmp"));

    auto *pane = new QWidget;
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    m_preview = Controls::named(new QLabel, "PicturePreview");
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setMinimumSize(PaneSize);
    // The pane's size is the splitter's business, never the picture's.
    m_preview->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_preview->installEventFilter(this);
    m_caption = Controls::named(new QLabel, "PicturePreviewCaption");
    m_caption->setAlignment(Qt::AlignHCenter);
    column->addWidget(m_preview, 1);
    column->addWidget(m_caption);
    // Beside the file list, in the splitter that holds the places and the list.
    if (auto *splitter = findChild<QSplitter *>(QStringLiteral("splitter"))) {
        splitter->addWidget(pane);
        splitter->setCollapsible(splitter->indexOf(pane), false);
    } else if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        grid->addWidget(pane, 0, grid->columnCount(), grid->rowCount(), 1);
    }
    resize(sizeHint() + QSize(PaneSize.width(), 0));

    connect(this, &QFileDialog::currentChanged, this, &PictureFileDialog::showFile);
    // A name typed in highlights its file as well.
    if (auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        connect(name, &QLineEdit::textChanged, this, [this] { showFile(selectedFiles().value(0)); });
    showFile(QString());
}

void PictureFileDialog::setOwnPicture(const QImage &picture)
{
    m_ownPicture = picture;
    showFile(QString());
}

void PictureFileDialog::showFile(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        showPicture(m_ownPicture, m_ownPicture.size());
        return;
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.width() > LongestRead || size.height() > LongestRead)
        reader.setScaledSize(size.scaled(LongestRead, LongestRead, Qt::KeepAspectRatio));
    const QImage picture = reader.read();
    showPicture(picture, size.isValid() ? size : picture.size());
    if (picture.isNull())
        m_caption->setText(PictureMessages::noPreview());
}

// `size` is the picture's own, before any scaling on reading.
void PictureFileDialog::showPicture(const QImage &picture, QSize size)
{
    m_shown = picture;
    const int colours = picture.format() == QImage::Format_Indexed8 ? picture.colorCount() : 0;
    m_caption->setText(picture.isNull() ? QString() : PictureMessages::pictureFileCaption(size, colours));
    drawPreview();
}

// Enlarged by a whole factor when it fits, shrunk smoothly when it does not.
void PictureFileDialog::drawPreview()
{
    const QSize room = m_preview->contentsRect().size().expandedTo(PaneSize - QSize(4, 4));
    if (m_shown.isNull()) {
        m_preview->clear();
        return;
    }
    const QSize size = m_shown.size();
    QImage drawn;
    if (size.width() <= room.width() && size.height() <= room.height()) {
        const int factor = std::clamp(std::min(room.width() / size.width(), room.height() / size.height()), 1,
                                      MostEnlarged);
        drawn = m_shown.scaled(size * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        drawn = m_shown.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    m_preview->setPixmap(QPixmap::fromImage(drawn));
}

bool PictureFileDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_preview && event->type() == QEvent::Resize)
        drawPreview();
    return QFileDialog::eventFilter(watched, event);
}

} // namespace orvanta
