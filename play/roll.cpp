#include "play/roll.h"

#include "play/cup.h"

FrameEvents RollFrame(const Solid& solid, const Hole& hole, BallState& ball, StrokeState& stroke) {
    FrameEvents events;
    const StepEvents step = PhysicsStep(solid, hole, ball, stroke);
    events.bounces = step.bounces;
    events.backToTee = step.backToTee;
    if (IsAtRest(solid, ball)) {
        events.outcome = RollOutcome::Rest;
        return events;
    }
    const CupEvents cup = CheckCup(solid, ball, stroke);
    events.uh = cup.uh;
    if (cup.captured) events.outcome = RollOutcome::Sinking;
    return events;
}

RollResult Roll(const Solid& solid, const Hole& hole, BallState& ball, StrokeState& stroke,
                int maxFrames, std::vector<TracePoint>* trace) {
    RollResult result;
    while (result.frames < maxFrames) {
        const FrameEvents frame = RollFrame(solid, hole, ball, stroke);
        ++result.frames;
        result.bounces += frame.bounces;
        result.backToTee = result.backToTee || frame.backToTee;
        result.uh = result.uh || frame.uh;
        if (trace) trace->push_back({ball.x, ball.y});
        result.outcome = frame.outcome;
        if (frame.outcome != RollOutcome::Running) break;
    }
    return result;
}
