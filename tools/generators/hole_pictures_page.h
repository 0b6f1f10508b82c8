#pragma once

#include <QImage>
#include <string>

#include "course/hole.h"
#include "course/solid.h"
#include "view/view_transform.h"

// The help book's page of the 36 holes: each hole's number, name and par beside a small
// picture of it drawn by the game's own painters.

/// The file name of hole `number`'s picture in the book: "hole1.png" .. "hole36.png".
std::string HolePictureName(int number);

/// Hole `number` of `course` as the game shows it with the ball on the tee (spin 0,
/// tilt -60), scaled down to a picture of 190 x 121. Loads the hole into `solid`.
QImage HolePicture(const Course& course, int number, Solid& solid, Scene& scene);

/// The page "holes.html" listing every hole with its picture, name and par.
std::string HolesPageHtml(const Course& course);
