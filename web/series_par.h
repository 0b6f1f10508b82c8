#pragma once

/// The par of the whole 36-hole series: the sum of every hole's par in the course table.
int SeriesPar();

/// The par of course hole 1..36.
int HolePar(int hole);
