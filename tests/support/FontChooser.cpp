#include "FontChooser.h"

#include "ui/TMainForm.h"

#include <QFontDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

QFont FontChooser::choose(orvanta::TMainForm &form, const std::optional<QFont> &pick, Answer answer)
{
    auto *dialog = form.findChild<QFontDialog *>(QStringLiteral("FontDialog"));
    EXPECT_NE(dialog, nullptr);
    QFont openedOn;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!dialog->isVisible())
            return;
        poll.stop();
        openedOn = dialog->currentFont();
        if (pick)
            dialog->setCurrentFont(*pick);
        answer == Answer::Ok ? dialog->accept() : dialog->reject();
    });
    poll.start(10);
    QTest::mouseClick(form.Button3, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    return openedOn;
}
