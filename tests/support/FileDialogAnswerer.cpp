#include "FileDialogAnswerer.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>

FileDialogAnswerer::FileDialogAnswerer(const QString &path)
{
    QObject::connect(&m_timer, &QTimer::timeout, [this, path] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        m_timer.stop();
        m_seen = {dialog->objectName(), dialog->directory().absolutePath(), dialog->selectedFiles().value(0), QImage()};
        // Typed in, as a user would; selectFile() leaves a focused name field alone.
        if (!path.isEmpty())
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        if (auto *pane = dialog->findChild<QLabel *>(QStringLiteral("PicturePreview")))
            m_seen.preview = pane->pixmap().toImage();
        if (path.isEmpty())
            dialog->reject();
        else
            static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
    });
    m_timer.start(10);
}
