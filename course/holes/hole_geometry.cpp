#include "course/holes/hole_geometry.h"

HoleGeometry HoleGeometryOf(int hole) {
    switch (hole) {
        case 1: return Hole01Basic();
        case 2: return Hole02Dogleg();
        case 3: return Hole03Dip();
        case 4: return Hole04Horseshoe();
        case 5: return Hole05Plateau();
        case 6: return Hole06Cactus();
        case 7: return Hole07DoubleBump();
        case 8: return Hole08Octagon();
        case 9: return Hole09No();
        case 10: return Hole10Mega();
        case 11: return Hole11Hammer();
        case 12: return Hole12Bump();
        case 13: return Hole13Pyramid();
        case 14: return Hole14Branches();
        case 15: return Hole15Cross();
        case 16: return Hole16Stadium();
        case 17: return Hole17Long();
        case 18: return Hole18BumpUp();
        case 19: return Hole19Shortcut();
        case 20: return Hole20Hills();
        case 21: return Hole21Pipes();
        case 22: return Hole22Spring();
        case 23: return Hole23Snake();
        case 24: return Hole24DoubleDip();
        case 25: return Hole25Splitt();
        case 26: return Hole26Green();
        case 27: return Hole27Turn();
        case 28: return Hole28Side();
        case 29: return Hole29Roundtrip();
        case 30: return Hole30Down();
        case 31: return Hole31Goldfish();
        case 32: return Hole32Totem();
        case 33: return Hole33Why();
        case 34: return Hole34Walls();
        case 35: return Hole35Zigzag();
        case 36: return Hole36Maze();
        default: return {};
    }
}
