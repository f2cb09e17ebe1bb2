#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>

#include "platform/qt/qt_services.h"
#include "platform/qt/sdl_sound.h"
#include "qt_test_support.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;
using quorvel::qt_tests::runEventsFor;
using quorvel::qt_tests::wave;

TEST(SdlSound, PlaysCutsOffLoopsAndStops) {
    SdlSoundChannel channel;
    ASSERT_TRUE(channel.ready()) << "the dummy audio driver should always open";
    const SoundBuffer click{"RESOURCE_ID_130", wave(1100)};
    const SoundBuffer longer{"RESOURCE_ID_125", wave(11025)};
    channel.play(longer);
    EXPECT_TRUE(channel.playing());
    channel.play(click);  // cuts the long one off
    runEventsFor(300);
    EXPECT_FALSE(channel.playing()) << "the long sound went on after the click cut in";
    channel.playLooped(click);
    runEventsFor(300);  // longer than the click itself: the loop keeps it going
    EXPECT_TRUE(channel.playing());
    channel.stop();
    EXPECT_FALSE(channel.playing());
}

TEST(SdlSound, ABrokenOrEmptyBufferPlaysNothingButStillCutsOff) {
    SdlSoundChannel channel;
    ASSERT_TRUE(channel.ready());
    const SoundBuffer click{"RESOURCE_ID_130", wave(1100)};
    channel.playLooped(click);
    channel.play(SoundBuffer{"RESOURCE_ID_999", {1, 2, 3}});
    EXPECT_FALSE(channel.playing());
    channel.play(click);
    channel.play(SoundBuffer{"RESOURCE_ID_102", {}});
    EXPECT_FALSE(channel.playing());
    channel.play(click);
    EXPECT_TRUE(channel.playing()) << "the channel still works after a broken buffer";
}

TEST(SdlSound, TheEndOfASoundIsReportedOnTheUserInterfaceThread) {
    SdlSoundChannel channel;
    ASSERT_TRUE(channel.ready());
    int finished = 0;
    bool onUiThread = true;
    channel.setFinishedHandler([&] {
        ++finished;
        onUiThread = onUiThread && QThread::currentThread() == qApp->thread();
    });
    channel.play(SoundBuffer{"RESOURCE_ID_128", wave(550)});
    EXPECT_EQ(finished, 0) << "reported straight from the mixer, not through the event queue";
    runEventsFor(400);
    EXPECT_EQ(finished, 1);
    EXPECT_TRUE(onUiThread);
}

TEST(SdlSound, NoAudioDeviceMeansSilence) {
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    {
        SdlSoundChannel channel;
        EXPECT_FALSE(channel.ready());
        channel.play(SoundBuffer{"RESOURCE_ID_130", wave(1100)});
        channel.playLooped(SoundBuffer{"RESOURCE_ID_130", wave(1100)});
        EXPECT_FALSE(channel.playing());
        channel.stop();
    }
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
}

TEST(QtResources, RecordingsComeFromTheAssetFolderByResourceName) {
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("sounds");
    const std::vector<std::uint8_t> bytes = wave(300);
    QFile file(folder.path() + "/sounds/RESOURCE_ID_104.wav");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    file.close();
    QtResources resources(folder.path().toStdString());
    EXPECT_EQ(resources.load("RESOURCE_ID_104", "WAVE"), bytes);
    EXPECT_TRUE(resources.load("RESOURCE_ID_105", "WAVE").empty());
}
