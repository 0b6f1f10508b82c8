#include "play/attract.h"

#include <cstdlib>

namespace {
constexpr double kGravity = 0.8;      // course units per frame, per frame
constexpr double kDriftShare = 0.01;  // of the remaining distance per frame

// x and y in -300..299, z in 0..199, drawn in that order.
void RandomPlace(Random& random, float& x, float& y, float& z) {
    x = static_cast<float>(random.Next() % 600 - 300);
    y = static_cast<float>(random.Next() % 600 - 300);
    z = static_cast<float>(random.Next() % 200);
}

float DriftTowards(float value, float target) {
    return static_cast<float>(value - (value - target) * kDriftShare);
}

// Falls under gravity and bounces off the ground without losing speed.
void Fall(Particle& p) {
    p.fall = static_cast<float>(p.fall + kGravity);
    p.z -= p.fall;
    if (p.z < 0) {
        p.fall = -p.fall;
        p.z -= p.fall;
    }
}

void Project(const ViewAngles& angles, Particle& p) {
    const AttractPoint ground = ProjectAttractPoint(angles, p.x, p.y, 0.0f);
    p.shadowViewX = ground.view.x;
    p.shadowViewY = ground.view.y;
    p.shadowViewZ = ground.view.z;
    p.shadowScreenX = ground.screenX;
    p.shadowScreenY = ground.screenY;
    const AttractPoint ball = ProjectAttractPoint(angles, p.x, p.y, p.z);
    p.viewX = ball.view.x;
    p.viewY = ball.view.y;
    p.viewZ = ball.view.z;
    p.screenX = ball.screenX;
    p.screenY = ball.screenY;
}

// The balls farthest first: by the screen row of their shadows, the lower index first
// where two are level. An insertion sort keeps ties in index order without allocating.
void OrderBalls(const Attract& attract, AttractPicture& picture) {
    std::array<int, kParticleCount> order{};
    for (int n = 0; n < attract.count; ++n) {
        const float key = attract.particles[n + 1].shadowScreenY;
        int slot = n;
        while (slot > 0 && attract.particles[order[slot - 1]].shadowScreenY > key) {
            order[slot] = order[slot - 1];
            --slot;
        }
        order[slot] = n + 1;
    }
    for (int n = 0; n < attract.count; ++n) {
        picture.ballX[n] = attract.particles[order[n]].screenX;
        picture.ballY[n] = attract.particles[order[n]].screenY;
    }
}

// A random point of the edge from vertex a to vertex b, stepping whole units along the
// longer axis; the other coordinates follow by integer division, cut towards zero.
void PointOnEdge(const Hole& hole, int a, int b, Random& random, Particle& p) {
    const int xa = hole.vertexX[a], ya = hole.vertexY[a], za = hole.vertexZ[a];
    const int dx = hole.vertexX[b] - xa, dy = hole.vertexY[b] - ya, dz = hole.vertexZ[b] - za;
    int tx = xa, ty = ya, tz = za;
    if (std::abs(dx) > std::abs(dy)) {
        int u = random.Next() % (std::abs(dx) + 1);
        if (dx < 0) u = -u;
        tx = xa + u;
        ty = ya + u * dy / dx;
        tz = za + u * dz / dx;
    } else {
        int u = random.Next() % (std::abs(dy) + 1);
        if (dy < 0) u = -u;
        ty = ya + u;
        // An edge of length 0 would leave nothing to divide by: its point is its start.
        if (dy != 0) {
            tx = xa + u * dx / dy;
            tz = za + u * dz / dy;
        }
    }
    p.targetX = static_cast<float>(tx);
    p.targetY = static_cast<float>(ty);
    p.targetZ = static_cast<float>(tz);
}
}  // namespace

void SeedAttract(Attract& attract, Random& random) {
    attract.count = kParticleCount;
    attract.current = 1;
    for (int i = 1; i <= kParticleCount; ++i) {
        Particle& p = attract.particles[i];
        RandomPlace(random, p.x, p.y, p.z);
        p.targetX = p.x;
        p.targetY = p.y;
        p.targetZ = p.z;
        p.fall = 0;
    }
    attract.angles = ViewAngles{0.0f, 0.0f, -60.0f};
    attract.phaseFrame = 0;
    attract.scattered = true;
}

void ScatterTargets(Attract& attract, Random& random) {
    for (int i = 1; i <= attract.count; ++i) {
        Particle& p = attract.particles[i];
        RandomPlace(random, p.targetX, p.targetY, p.targetZ);
        p.fall = 0;
    }
}

void GatherOnHole(Attract& attract, const Hole& hole, Random& random) {
    for (int i = 1; i <= attract.count; ++i) {
        int face = 0, corner = 0;
        do {
            face = random.Next() % hole.faceCount + 1;
            corner = random.Next() % hole.faceCorners[face] + 1;
        } while (hole.faceNeighbour[face][corner] != 0);
        const int next = NextCorner(corner, hole.faceCorners[face]);
        PointOnEdge(hole, hole.faceVertex[face][corner], hole.faceVertex[face][next], random,
                    attract.particles[i]);
    }
}

void AttractStep(Attract& attract, const Course& course, Random& random, AttractPicture& picture) {
    attract.angles.spin += 1.0f;
    picture.count = attract.count;
    for (int i = 1; i <= attract.count; ++i) {
        attract.current = i;
        Particle& p = attract.particles[i];
        if (attract.scattered) Fall(p);
        p.x = DriftTowards(p.x, p.targetX);
        p.y = DriftTowards(p.y, p.targetY);
        p.z = DriftTowards(p.z, p.targetZ);
        Project(attract.angles, p);
        picture.shadows[i - 1] = ShadowBoxAt(p.shadowScreenX, p.shadowScreenY);
    }
    OrderBalls(attract, picture);

    if (++attract.phaseFrame < kAttractPhaseFrames) return;
    attract.phaseFrame = 0;
    if (attract.scattered) {
        attract.scattered = false;
        GatherOnHole(attract, course[random.Next() % kHoleCount + 1], random);
    } else {
        attract.scattered = true;
        ScatterTargets(attract, random);
    }
}
