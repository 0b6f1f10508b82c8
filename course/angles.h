#pragma once

// Angles are held in degrees and turned into radians, in double precision, where a sine or
// cosine is taken.

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kDegreesPerRadian = 57.29577951308232;

/// `degrees` in radians: degrees x pi / 180, in that order.
inline double Radians(double degrees) {
    return degrees * kPi / 180.0;
}
