#pragma once

#include <map>
#include <string>
#include <vector>

#include "play/game.h"
#include "play/play_host.h"

/// Records what play asks of the window; draws nothing but keeps the scene geometry real.
class FakePlayHost : public PlayHost {
public:
    struct Rect {
        int x, y, width, height;
        bool operator==(const Rect&) const = default;
    };
    struct Line {
        int x0, y0, x1, y1, width;
    };

    explicit FakePlayHost(Game& game) : game_(game) {}

    void PresentFrame() override { ++framesPresented; }
    void PresentRect(int x, int y, int width, int height) override {
        rects.push_back({x, y, width, height});
    }
    void SetPanelText(int panel, const std::string& text) override { panels[panel] = text; }
    void RepaintStatusBar() override { ++statusRepaints; }
    void RepaintScoreboard() override { ++scoreboardRepaints; }
    void SetTournamentMenus(bool running) override { menusRunning = running; }
    void PlaySound(const std::string& name, bool) override { sounds.push_back(name); }
    void UpdateRecords(int player, int hole) override { records.push_back({player, hole}); }
    void DrawGrass() override { ++grassOnly; }
    ViewPoint DrawHoleScene() override {
        ++scenes;
        return PrepareScene(game_.view, game_.solid, game_.scene, game_.ball.x, game_.ball.y,
                            game_.ball.z);
    }
    void SaveUnderBall() override { ++saves; }
    void DrawBallSprite(bool withShadow) override {
        ++balls;
        lastBallShadow = withShadow;
    }
    void DrawLine(int x0, int y0, int x1, int y1, Colour) override {
        lines.push_back({x0, y0, x1, y1, 1});
    }
    void InvertWindowLine(int x0, int y0, int x1, int y1, int width) override {
        inverted.push_back({x0, y0, x1, y1, width});
    }
    void AttractFrame() override { ++attractFrames; }

    int framesPresented = 0, statusRepaints = 0, scoreboardRepaints = 0, grassOnly = 0;
    int scenes = 0, saves = 0, balls = 0, attractFrames = 0;
    bool menusRunning = false, lastBallShadow = false;
    std::vector<Rect> rects;
    std::map<int, std::string> panels;
    std::vector<std::string> sounds;
    std::vector<std::pair<int, int>> records;
    std::vector<Line> lines, inverted;

private:
    Game& game_;
};
