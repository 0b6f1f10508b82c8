#include "tools/solver/stroke_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <tuple>

#include "course/angles.h"

namespace {

constexpr float kHeadingStep = 4.0f;
// Speeds of the first pass: fine steps for putts, coarser ones up to the strongest stroke.
constexpr float kScanSpeeds[] = {0.8f, 1.2f,  1.7f,  2.3f,  3.0f,  3.9f,  5.0f,  6.4f,
                                 8.2f, 10.5f, 13.5f, 17.5f, 22.5f, 28.5f, 34.0f, 39.4f};
constexpr float kSlowestSpeed = 0.3f;
// The refining pass keeps this much below the limit so that rounding to float never
// makes a stroke faster than the strongest one.
constexpr float kFastestSpeed = kStrongestStroke - 0.01f;
// Near misses refined per lie, and lies carried from one stroke to the next.
constexpr int kRefinedPerLie = 4;
constexpr int kLiesPerStroke = 5;
constexpr int kRefineBudget = 48;
// Rest points closer than this (per axis) on one face count as the same lie.
constexpr float kSameLie = 15.0f;

struct Aim {
    float heading = 0, speed = 0;
};

// A stroke tried during the search: how it ended and how near it came to dropping.
struct Trial {
    StrokeOutcome result;
    // 0 when the ball dropped; otherwise grows with the distance outside the cup's square
    // and with the speed above the cup's limit, at the ball's best moment.
    float miss = std::numeric_limits<float>::max();
};

float VelocityX(const Aim& aim) {
    return static_cast<float>(aim.speed * std::cos(Radians(aim.heading)));
}
float VelocityY(const Aim& aim) {
    return static_cast<float>(aim.speed * std::sin(Radians(aim.heading)));
}

// Plays a stroke with the game's rolling frames and notes how near the ball came to dropping.
Trial WatchStroke(const Solid& solid, const Hole& hole, const Lie& from, float vx, float vy) {
    BallState ball;
    ball.face = from.face;
    ball.x = ball.prevX = from.x;
    ball.y = ball.prevY = from.y;
    ball.z = ball.prevZ = from.z;
    ball.vx = vx;
    ball.vy = vy;
    StrokeState stroke;
    Trial trial;
    for (int frame = 0; frame < kStrokeFrameLimit; ++frame) {
        const FrameEvents events = RollFrame(solid, hole, ball, stroke);
        if (events.outcome == RollOutcome::Sinking) trial.miss = 0;
        if (events.outcome == RollOutcome::Running) {
            const float off =
                std::max(std::fabs(ball.x - solid.cupX), std::fabs(ball.y - solid.cupY));
            const float fast = std::max(std::fabs(ball.vx), std::fabs(ball.vy));
            const float miss =
                0.001f + std::max(0.0f, off - 7.0f) + 4.0f * std::max(0.0f, fast - 1.8f);
            trial.miss = std::min(trial.miss, miss);
        }
        if (events.outcome != RollOutcome::Running) {
            trial.result.outcome = events.outcome;
            break;
        }
    }
    trial.result.end = {ball.x, ball.y, ball.z, ball.face};
    return trial;
}

// The length of the way from a point to the cup through the open edges between faces,
// measured from edge midpoint to edge midpoint: a rough guide for choosing where to play to.
class WayToCup {
public:
    explicit WayToCup(const Hole& hole) : hole_(hole) {
        for (int f = 1; f <= hole.faceCount; ++f) {
            const int c = hole.faceCorners[f];
            for (int k = 1; k <= c; ++k) {
                const int g = hole.faceNeighbour[f][k];
                if (g <= f) continue;  // each open edge once, from its lower-numbered face
                const int a = hole.faceVertex[f][k], b = hole.faceVertex[f][NextCorner(k, c)];
                gates_.push_back({(hole.vertexX[a] + hole.vertexX[b]) / 2.0,
                                  (hole.vertexY[a] + hole.vertexY[b]) / 2.0, f, g,
                                  std::numeric_limits<double>::max()});
            }
        }
        for (Gate& gate : gates_) {
            if (HoldsCup(gate.faceA) || HoldsCup(gate.faceB))
                gate.distance = std::hypot(gate.x - hole.cupX, gate.y - hole.cupY);
        }
        // Bellman-Ford over a few dozen gates: cheap and plain.
        for (size_t round = 0; round < gates_.size(); ++round) {
            for (Gate& to : gates_) {
                for (const Gate& from : gates_) {
                    if (!SharesFace(from, to)) continue;
                    const double way = from.distance + std::hypot(from.x - to.x, from.y - to.y);
                    to.distance = std::min(to.distance, way);
                }
            }
        }
    }

    double From(const Lie& lie) const {
        if (HoldsCup(lie.face)) return std::hypot(lie.x - hole_.cupX, lie.y - hole_.cupY);
        double best = std::numeric_limits<double>::max();
        for (const Gate& gate : gates_) {
            if (gate.faceA != lie.face && gate.faceB != lie.face) continue;
            best = std::min(best, gate.distance + std::hypot(lie.x - gate.x, lie.y - gate.y));
        }
        return best;
    }

private:
    struct Gate {
        double x, y;
        int faceA, faceB;
        double distance;
    };

    static bool SharesFace(const Gate& a, const Gate& b) {
        return a.faceA == b.faceA || a.faceA == b.faceB || a.faceB == b.faceA || a.faceB == b.faceB;
    }

    // The cup lies inside the face or on its outline.
    bool HoldsCup(int face) const {
        const int c = hole_.faceCorners[face];
        for (int k = 1; k <= c; ++k) {
            const int a = hole_.faceVertex[face][k], b = hole_.faceVertex[face][NextCorner(k, c)];
            const long long cross = static_cast<long long>(hole_.vertexX[b] - hole_.vertexX[a]) *
                                        (hole_.cupY - hole_.vertexY[a]) -
                                    static_cast<long long>(hole_.vertexY[b] - hole_.vertexY[a]) *
                                        (hole_.cupX - hole_.vertexX[a]);
            if (cross > 0) return false;
        }
        return true;
    }

    const Hole& hole_;
    std::vector<Gate> gates_;
};

// A place the search has reached and the strokes that lead there.
struct Node {
    Lie lie;
    std::vector<PlannedStroke> strokes;
};

class Search {
public:
    Search(const Solid& solid, const Hole& hole) : solid_(solid), hole_(hole), way_(hole) {}

    StrokePlan Run(int maxStrokes) {
        Lie tee{static_cast<float>(hole_.teeX), static_cast<float>(hole_.teeY),
                static_cast<float>(hole_.teeZ), hole_.teeFace};
        std::vector<Node> frontier = {{tee, {}}};
        for (int stroke = 1; stroke <= maxStrokes && !frontier.empty(); ++stroke) {
            const bool last = stroke == maxStrokes;
            std::map<std::tuple<int, int, int>, Node> reached;
            for (const Node& node : frontier) {
                if (TryFrom(node, last ? nullptr : &reached)) return plan_;
            }
            frontier = Closest(reached);
        }
        return {};
    }

private:
    // Scans headings and speeds from the node's lie, then refines the nearest misses.
    // Records every new resting place in `reached` when given. True once the ball dropped.
    bool TryFrom(const Node& node, std::map<std::tuple<int, int, int>, Node>* reached) {
        std::vector<std::pair<float, Aim>> misses;
        std::vector<float> headings;
        for (float heading = -180.0f + kHeadingStep; heading <= 180.0f; heading += kHeadingStep)
            headings.push_back(heading);
        headings.push_back(Direction(node.lie.x, node.lie.y, hole_.cupX, hole_.cupY));
        for (const float heading : headings) {
            for (const float speed : kScanSpeeds) {
                const Aim aim{heading, speed};
                const Trial trial = Try(node, aim);
                if (trial.miss == 0) return true;
                misses.push_back({trial.miss, aim});
                if (reached && trial.result.outcome == RollOutcome::Rest)
                    Remember(node, aim, trial, *reached);
            }
        }
        const auto nearest = misses.begin() + std::min<size_t>(kRefinedPerLie, misses.size());
        std::partial_sort(misses.begin(), nearest, misses.end(),
                          [](const auto& a, const auto& b) { return a.first < b.first; });
        for (auto miss = misses.begin(); miss != nearest; ++miss) {
            if (Refine(node, miss->second, miss->first)) return true;
        }
        return false;
    }

    // Pattern search on heading and speed towards a drop; true once the ball dropped.
    bool Refine(const Node& node, Aim aim, float miss) {
        float headingStep = kHeadingStep / 2, speedStep = 0.1f * aim.speed;
        for (int tries = 0; tries < kRefineBudget && headingStep > 0.02f;) {
            const Aim around[] = {{aim.heading + headingStep, aim.speed},
                                  {aim.heading - headingStep, aim.speed},
                                  {aim.heading, std::min(kFastestSpeed, aim.speed + speedStep)},
                                  {aim.heading, std::max(kSlowestSpeed, aim.speed - speedStep)}};
            bool moved = false;
            for (const Aim& next : around) {
                ++tries;
                const Trial trial = Try(node, next);
                if (trial.miss == 0) return true;
                if (trial.miss < miss) {
                    miss = trial.miss;
                    aim = next;
                    moved = true;
                }
            }
            if (!moved) {
                headingStep /= 2;
                speedStep /= 2;
            }
        }
        return false;
    }

    Trial Try(const Node& node, const Aim& aim) {
        const float vx = VelocityX(aim), vy = VelocityY(aim);
        const Trial trial = WatchStroke(solid_, hole_, node.lie, vx, vy);
        if (trial.miss == 0) {
            plan_.holed = true;
            plan_.strokes = node.strokes;
            plan_.strokes.push_back({node.lie, vx, vy});
        }
        return trial;
    }

    void Remember(const Node& node, const Aim& aim, const Trial& trial,
                  std::map<std::tuple<int, int, int>, Node>& reached) const {
        const Lie& end = trial.result.end;
        const std::tuple<int, int, int> key{end.face,
                                            static_cast<int>(std::floor(end.x / kSameLie)),
                                            static_cast<int>(std::floor(end.y / kSameLie))};
        if (reached.count(key)) return;
        Node next{end, node.strokes};
        next.strokes.push_back({node.lie, VelocityX(aim), VelocityY(aim)});
        reached.emplace(key, std::move(next));
    }

    // The lies nearest the cup by the way through the hole.
    std::vector<Node> Closest(const std::map<std::tuple<int, int, int>, Node>& reached) const {
        std::vector<std::pair<double, const Node*>> ranked;
        for (const auto& [key, node] : reached) ranked.push_back({way_.From(node.lie), &node});
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<Node> closest;
        for (size_t i = 0; i < ranked.size() && closest.size() < kLiesPerStroke; ++i)
            closest.push_back(*ranked[i].second);
        return closest;
    }

    const Solid& solid_;
    const Hole& hole_;
    WayToCup way_;
    StrokePlan plan_;
};

}  // namespace

StrokeOutcome PlayStroke(const Solid& solid, const Hole& hole, const Lie& from, float vx,
                         float vy) {
    return WatchStroke(solid, hole, from, vx, vy).result;
}

StrokePlan SearchStrokes(const Solid& solid, const Hole& hole, int maxStrokes) {
    return Search(solid, hole).Run(maxStrokes);
}
