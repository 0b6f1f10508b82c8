#pragma once

#include <map>
#include <string>
#include <vector>

#include "play/play_host.h"

/// Records what play asks of the window and draws nothing.
class FakePlayHost : public PlayHost {
public:
    struct Point {
        float x, y;
        bool operator==(const Point&) const = default;
    };

    void ShowFrame(const FrameDrawing& drawing) override {
        drawings.push_back(drawing);
        if (drawing.ground == FrameDrawing::Ground::Grass) ++grassOnly;
        if (drawing.ground == FrameDrawing::Ground::Hole) ++scenes;
        if (drawing.saveUnderBall) ++saves;
        if (drawing.moveBall) {
            ++balls;
            lastBallShadow = drawing.ball.shadow;
        }
        if (drawing.cupRim) rims.push_back({drawing.cupX, drawing.cupY});
        switch (drawing.show) {
            case FrameDrawing::Show::Whole:
                ++framesPresented;
                break;
            case FrameDrawing::Show::BallBoxes:
                rects.push_back(SpriteBox(static_cast<float>(drawing.ball.fromX),
                                          static_cast<float>(drawing.ball.fromY),
                                          drawing.shownRows));
                rects.push_back(SpriteBox(drawing.ball.toX, drawing.ball.toY, drawing.shownRows));
                break;
        }
    }
    void ShowAttract(const AttractPicture&) override { ++attractFrames; }
    void InvertAimLine(const AimLine& line) override { inverted.push_back(line); }
    void SetPanelText(int panel, const std::string& text) override { panels[panel] = text; }
    void ShowFlag(int player) override {
        ++statusRepaints;
        flag = player;
    }
    void RepaintScoreboard() override { ++scoreboardRepaints; }
    void SetTournamentMenus(bool running) override { menusRunning = running; }
    void PlaySound(const std::string& name, bool) override { sounds.push_back(name); }
    void UpdateRecords(int player, int hole) override { records.push_back({player, hole}); }

    int framesPresented = 0, statusRepaints = 0, scoreboardRepaints = 0, grassOnly = 0;
    int scenes = 0, saves = 0, balls = 0, attractFrames = 0, flag = 0;
    bool menusRunning = false, lastBallShadow = false;
    std::vector<FrameDrawing> drawings;
    std::vector<PixelBox> rects;
    std::vector<Point> rims;
    std::map<int, std::string> panels;
    std::vector<std::string> sounds;
    std::vector<std::pair<int, int>> records;
    std::vector<AimLine> inverted;
};
