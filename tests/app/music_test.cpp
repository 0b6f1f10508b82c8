// The tune in the mixer (stop, resume, end and restart), the music player over it, and the
// refusal of files it cannot play.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "app/audio_mixer.h"
#include "app/main_window.h"
#include "app/midi_file_check.h"
#include "app/mixer_music_player.h"
#include "app/synth_log.h"
#include "tests/app/test_platform.h"
#include "tools/generators/midi_file.h"
#include "tools/generators/pcm_wave.h"
#include "tools/generators/tune.h"

namespace {
using Mode = MusicPlayer::Mode;
using Bytes = std::vector<std::uint8_t>;

/// A rendered tune of `frames` frames whose left sample counts the frames from 1.
std::shared_ptr<RenderedTune> CountingTune(std::size_t frames) {
    auto tune = std::make_shared<RenderedTune>(frames);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        tune->Frame(frame)[0] = static_cast<std::int16_t>(frame + 1);
        tune->Frame(frame)[1] = 0;
    }
    tune->Publish(frames);
    tune->Finish();
    return tune;
}

/// A device of our own: pulls the mixer block by block and keeps the left channel.
struct HandDevice {
    std::vector<std::int16_t> Pull(int frames) {
        std::vector<std::int16_t> stereo(2 * frames), left(frames);
        mixer.Mix(stereo.data(), frames);
        for (int i = 0; i < frames; ++i) left[i] = stereo[2 * i];
        return left;
    }
    AudioMixer mixer;
};

TEST(TuneInTheMixer, StopKeepsThePlaceAndPlayResumesThere) {
    HandDevice device;
    device.mixer.SetTune(CountingTune(1000));
    device.mixer.PlayTune(1);
    EXPECT_EQ(device.Pull(300).back(), 300);
    device.mixer.StopTune();
    EXPECT_EQ(device.Pull(100), std::vector<std::int16_t>(100, 0));  // silent at once
    device.mixer.PlayTune(2);
    EXPECT_EQ(device.Pull(1).front(), 301);
    EXPECT_EQ(device.mixer.TunePlace(), 301u);
}

TEST(TuneInTheMixer, TheEndIsReportedOnceForItsPlayAndPlayingAgainStartsOver) {
    HandDevice device;
    std::vector<unsigned> ends;
    device.mixer.SetTuneEndReport([&](unsigned play) { ends.push_back(play); });
    device.mixer.SetTune(CountingTune(1000));
    device.mixer.PlayTune(7);
    const std::vector<std::int16_t> last = device.Pull(1024);
    EXPECT_EQ(last[999], 1000);
    EXPECT_EQ(last[1000], 0);  // nothing after the end
    device.Pull(4096);
    EXPECT_EQ(ends, std::vector<unsigned>{7});
    device.mixer.PlayTune(8);
    EXPECT_EQ(device.Pull(1).front(), 1);
}

TEST(TuneInTheMixer, FramesNotRenderedYetAreWaitedForInSilence) {
    HandDevice device;
    int ends = 0;
    device.mixer.SetTuneEndReport([&](unsigned) { ++ends; });
    auto tune = std::make_shared<RenderedTune>(100);
    for (std::size_t frame = 0; frame < 100; ++frame) tune->Frame(frame)[0] = 5;
    device.mixer.SetTune(tune);
    device.mixer.PlayTune(1);
    EXPECT_EQ(device.Pull(50), std::vector<std::int16_t>(50, 0));  // nothing rendered: late
    tune->Publish(40);
    const std::vector<std::int16_t> some = device.Pull(50);
    EXPECT_EQ(some[39], 5);
    EXPECT_EQ(some[40], 0);
    tune->Publish(100);
    tune->Finish();
    EXPECT_EQ(device.Pull(100)[59], 5);
    EXPECT_EQ(ends, 1);
}

/// A tune file made by the test: `notes` short notes of one key from tick 0 on, `step`
/// ticks apart (480 ticks a quarter, 120 beats a minute).
Bytes NotesTune(int notes, std::uint32_t step, std::uint32_t length) {
    MidiTrack track;
    track.Add(0, {0xC0, 0});
    for (int i = 0; i < notes; ++i) track.Note(i * step, length, 0, 60 + i % 24, 100);
    return MidiFileBytes(480, {track});
}

class MusicPlayerTest : public ::testing::Test {
protected:
    std::string File(const std::string& name, const Bytes& bytes) {
        const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        return path;
    }
    /// Pulls the mixer, letting the GUI thread's queue run, until `done` or ten seconds.
    template <typename Done>
    void PullUntil(Done done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done() && std::chrono::steady_clock::now() < deadline) {
            device.Pull(1024);
            QCoreApplication::processEvents();
            std::this_thread::yield();
        }
    }

    QTemporaryDir folder;
    HandDevice device;
};

TEST_F(MusicPlayerTest, WhatCannotBeOpenedLeavesThePlayerClosedAndSilent) {
    const std::string good = File("good.mid", NotesTune(2, 240, 200));
    Bytes cut = NotesTune(8, 240, 200);
    cut.resize(cut.size() - 9);
    const std::string cutFile = File("cut.mid", cut);
    const std::string kFont = "/usr/share/sounds/sf2/default-GM.sf2";
    const struct {
        const char* what;
        bool deviceAvailable;
        std::string soundFont;
        std::string file;
        std::string said;  // on stderr
    } cases[] = {
        {"no audio device", false, kFont, good, ""},
        {"no sound font", true, "/no/such/font.sf2", good, ""},
        {"a sound font that is not one", true, good, good,
         "quelvane: synthesiser: fluid_is_soundfont(): expected RIFF chunk id '0x46464952' but "
         "got '0x6468544D'.\n"},
        {"no file", true, kFont, "no-such-tune.mid", ""},
        {"no folder", true, kFont, "/no/such/quelvane.mid", ""},
        {"a damaged file", true, kFont, cutFile,
         "quelvane: the tune " + cutFile +
             " is damaged (a track runs past the end of the file); the game plays on without "
             "music\n"},
    };
    for (const auto& c : cases) {
        MixerMusicPlayer player(device.mixer, c.deviceAvailable, c.soundFont);
        int reports = 0;
        player.NotifyOnce([&] { ++reports; });
        testing::internal::CaptureStderr();
        EXPECT_FALSE(player.Open(c.file)) << c.what;
        const std::string said = testing::internal::GetCapturedStderr();
        player.Play();
        player.Stop();
        EXPECT_EQ(player.CurrentMode(), Mode::NotOpen) << c.what;
        EXPECT_EQ(reports, 0) << c.what;
        EXPECT_EQ(device.Pull(256), std::vector<std::int16_t>(256, 0)) << c.what;
        // Other tests' synthesiser messages may stand before ours.
        if (c.said.empty())
            EXPECT_EQ(said, "") << c.what;
        else
            EXPECT_THAT(said, testing::EndsWith(c.said)) << c.what;
    }
}

TEST_F(MusicPlayerTest, TheEndIsReportedOnceOnTheGuiThreadAndTheLoopStartsOver) {
    MixerMusicPlayer player(device.mixer, true);
    ASSERT_TRUE(player.Open(File("short.mid", NotesTune(4, 120, 100))));  // half a second
    int reports = 0;
    player.NotifyOnce([&] { ++reports; });
    player.Play();
    EXPECT_EQ(player.CurrentMode(), Mode::Playing);
    bool audible = false;
    PullUntil([&] {
        for (std::int16_t sample : device.Pull(1024)) audible = audible || sample != 0;
        return reports > 0;
    });
    EXPECT_TRUE(audible);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(player.CurrentMode(), Mode::Stopped);
    device.Pull(8192);
    QCoreApplication::processEvents();
    EXPECT_EQ(reports, 1);  // one end, one report

    player.Play();  // from the start again
    EXPECT_EQ(player.CurrentMode(), Mode::Playing);
    device.Pull(10);
    EXPECT_EQ(device.mixer.TunePlace(), 10u);
}

TEST_F(MusicPlayerTest, StopReportsAtOnceAndAnEndQueuedBeforeItIsIgnored) {
    MixerMusicPlayer player(device.mixer, true);
    ASSERT_TRUE(player.Open(File("short.mid", NotesTune(4, 120, 100))));
    int reports = 0;
    player.NotifyOnce([&] { ++reports; });
    player.Play();
    PullUntil([&] { return device.mixer.TunePlace() > 0; });
    player.Stop();
    EXPECT_EQ(reports, 1);
    const std::size_t place = device.mixer.TunePlace();
    device.Pull(4096);
    EXPECT_EQ(device.mixer.TunePlace(), place);  // stopped where it was

    // The tune ends on the audio thread; before its report is handled, the user stops and
    // starts again: the stale end must not end the new play.
    player.Play();
    PullUntil([&] { return !device.mixer.TunePlaying(); });  // played out, report queued
    player.NotifyOnce([&] { ++reports; });
    player.Stop();
    player.Play();
    QCoreApplication::processEvents();
    EXPECT_EQ(reports, 2);
    EXPECT_EQ(player.CurrentMode(), Mode::Playing);
}

TEST(MusicWithoutDevice, TheWindowDisablesMusicAndRunsSilent) {
    AudioMixer mixer;
    MixerMusicPlayer music(mixer, false);
    TestPlatform doubles;
    TForm1 form({doubles.clock, doubles.random, doubles.sounds, music, doubles.prompt, doubles.urls,
                 doubles.store, doubles.help});
    EXPECT_FALSE(form.Music->isChecked());
    EXPECT_FALSE(form.Music->isEnabled());
    EXPECT_EQ(music.CurrentMode(), Mode::NotOpen);
}

TEST(MidiFileCheck, FindsWhatIsDamaged) {
    // One track: program change, a note on, a note off a quarter later, end of track.
    const Bytes good{'M',  'T',  'h',  'd',  0,    0, 0, 6,  0, 0, 0, 1, 0x01, 0xE0,  //
                     'M',  'T',  'r',  'k',  0,    0, 0, 16,                          //
                     0x00, 0xC0, 0x00,                                                // [22]
                     0x00, 0x90, 0x3C, 0x64,                                          // [25]
                     0x83, 0x60, 0x80, 0x3C, 0x00,                                    // [29]
                     0x00, 0xFF, 0x2F, 0x00};                                         // [34]
    EXPECT_EQ(MidiFileFault(good), "");
    EXPECT_EQ(MidiFileFault(QuelvaneTuneBytes()), "");
    auto changed = [&](std::initializer_list<std::pair<std::size_t, std::uint8_t>> changes) {
        Bytes bytes = good;
        for (auto [at, value] : changes) bytes.at(at) = value;
        return bytes;
    };
    const struct {
        Bytes bytes;
        const char* fault;
    } cases[] = {
        {{}, "not a MIDI file"},
        {Bytes(good.begin(), good.begin() + 13), "not a MIDI file"},
        {changed({{0, 'X'}}), "not a MIDI file"},
        {changed({{9, 7}}), "its header is damaged"},            // format 7
        {changed({{12, 0}, {13, 0}}), "its header is damaged"},  // no ticks per quarter
        {changed({{11, 2}}), "a track is missing"},
        {changed({{21, 0x7F}}), "a track runs past the end of the file"},
        {changed({{24, 0x90}}), "a channel message is cut short"},
        {changed({{34, 0x80}, {35, 0x80}, {36, 0x80}, {37, 0x80}}),
         "a delta time runs past its track"},
        {changed({{23, 0x05}}), "a data byte without a status"},
        {changed({{23, 0xF4}}), "a system message inside a track"},
        {changed({{37, 0x05}}), "an event runs past its track"},
    };
    for (const auto& c : cases) EXPECT_EQ(MidiFileFault(c.bytes), c.fault) << c.fault;
}

TEST(SynthLog, AFloodOfMessagesIsHeldToAFewLinesASecondAndTheRestCounted) {
    LineBudget budget(5);
    int written = 0;
    for (int ms = 0; ms < 3000; ++ms)
        for (int i = 0; i < 100; ++i) written += budget.Take(ms);
    EXPECT_EQ(written, 15);
    EXPECT_EQ(budget.LeftOut(2999), 2 * 99995);  // the seconds that are over
    EXPECT_EQ(budget.LeftOut(3000), 99995);
    EXPECT_EQ(budget.LeftOut(4000), 0);
    EXPECT_TRUE(budget.Take(4000));
}
}  // namespace
