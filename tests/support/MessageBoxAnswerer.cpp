#include "MessageBoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton button)
    : MessageBoxAnswerer(QList<QMessageBox::StandardButton>{button})
{
}

MessageBoxAnswerer::MessageBoxAnswerer(const QList<QMessageBox::StandardButton> &answers)
    : m_answers(answers)
{
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::poll);
    m_timer.start(20);
}

void MessageBoxAnswerer::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    const QMessageBox::StandardButton answer = m_answers.value(m_seen.size(), m_answers.back());
    m_seen.append({box->windowTitle(), box->text(), box->informativeText(), box->iconPixmap()});
    if (QAbstractButton *target = box->button(answer)) {
        QTest::mouseClick(target, Qt::LeftButton);
        return;
    }
    ADD_FAILURE() << "the box \"" << box->text().toStdString() << "\" has no button " << answer;
    QTest::keyClick(box, Qt::Key_Escape);
}
