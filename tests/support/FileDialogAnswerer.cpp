#include "FileDialogAnswerer.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

FileDialogAnswerer::FileDialogAnswerer(const QString &path, const QString &filter)
{
    QObject::connect(&m_timer, &QTimer::timeout, [this, path, filter] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (m_seen.dialogName.isEmpty()) {
            m_seen = {dialog->objectName(), dialog->directory().absolutePath(), dialog->selectedFiles().value(0), {}};
            // Chosen in the file type box, as a user does.
            auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            if (const int type = types->findText(filter); !filter.isEmpty() && type >= 0) {
                types->setCurrentIndex(type);
                emit types->activated(type);
            }
        }
        if (path.isEmpty()) {
            m_timer.stop();
            dialog->reject();
            return;
        }
        // Typed in, as a user would; selectFile() leaves a focused name field
        // alone. The dialog lists its folder in the background and may put
        // the file it last offered back into the field when the listing
        // arrives, so the name is typed until it has stood for a few ticks.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (name->text() != path) {
            name->setText(path);
            m_steadyTicks = 0;
            return;
        }
        if (++m_steadyTicks < 3 || dialog->selectedFiles().value(0) != QFileInfo(path).absoluteFilePath())
            return;
        m_timer.stop();
        if (auto *pane = dialog->findChild<QLabel *>(QStringLiteral("PicturePreview")))
            m_seen.preview = pane->pixmap().toImage();
        static_cast<QDialog *>(dialog)->accept(); // as the dialog's own button does
    });
    m_timer.start(10);
}
