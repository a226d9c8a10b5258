#include "FontChooser.h"

#include <QApplication>
#include <QFontDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

QFont FontChooser::choose(QWidget &window, const std::optional<QFont> &pick, Answer answer)
{
    QFont openedOn;
    QFontDialog *shown = nullptr;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll.stop();
        shown = dialog;
        openedOn = dialog->currentFont();
        if (pick)
            dialog->setCurrentFont(*pick);
        answer == Answer::Ok ? dialog->accept() : dialog->reject();
    });
    poll.start(10);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Button3")), Qt::LeftButton);
    EXPECT_EQ(shown ? shown->objectName() : QString(), "FontDialog") << "the font dialog showed";
    return openedOn;
}
