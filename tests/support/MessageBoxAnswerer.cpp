#include "MessageBoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton button)
    : m_button(button)
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
    m_timer.start(20);
}

void MessageBoxAnswerer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    m_seen.append({box->windowTitle(), box->text()});
    QAbstractButton *target = box->button(m_button);
    if (!target)
        target = box->buttons().value(0);
    QTest::mouseClick(target, Qt::LeftButton);
}
