#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_platform.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;

namespace {

// What a modal box looked like when it came up; it is then answered with `answer`.
struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    int boxes = 0;
};

void answerNextBox(SeenBox& seen, QMessageBox::StandardButton answer) {
    QTimer::singleShot(20, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        ++seen.boxes;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.defaultButton = box->standardButton(box->defaultButton());
        box->button(answer)->click();
    });
}

}  // namespace

TEST(QtMessageBoxes, ShowTheirTitleIconAndDefaultAndReturnTheAnswer) {
    QtPlatform platform("/nonexistent", "QuorvelMessageTest");
    SeenBox seen;
    answerNextBox(seen, QMessageBox::No);
    EXPECT_EQ(platform.messages.askYesNo("Slots_Quorvel", "Clear this player?",
                                         MessageIcon::Critical, Answer::Yes),
              Answer::No);
    EXPECT_EQ(seen.title, "Slots_Quorvel");
    EXPECT_EQ(seen.text, "Clear this player?");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.defaultButton, QMessageBox::Yes);

    answerNextBox(seen, QMessageBox::Ok);
    platform.messages.show("Slots_Quorvel", "Already 800 X 600 resolution !!\r",
                           MessageIcon::Information);
    EXPECT_EQ(seen.boxes, 2);
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.text, "Already 800 X 600 resolution !!");

    // Each carriage return ends a line on screen.
    answerNextBox(seen, QMessageBox::Ok);
    platform.messages.show("t", "one\rtwo\r\n\r\nthree\r", MessageIcon::Information);
    EXPECT_EQ(seen.text, "one\ntwo\n\nthree");
}

TEST(QtMessageBoxes, ASettingsFolderThatCannotBeWrittenIsToldInABox) {
    QTemporaryDir folder;
    QFile blocker(folder.path() + "/QuorvelMessageTest");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QtPlatform platform("/nonexistent", "QuorvelMessageTest");
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Ok);
    platform.store.write("quorvel", "player1", "bank", "2500");
    platform.store.flush();
    EXPECT_EQ(seen.boxes, 1);
    EXPECT_EQ(seen.title, "Slots_Quorvel");
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_TRUE(seen.text.contains("could not be saved")) << seen.text.toStdString();
    EXPECT_EQ(platform.store.read("quorvel", "player1", "bank"), "2500");
}
