#pragma once
// How the grid searches mix the bases at each step.
namespace mirl {

// Tables: the program's way, from terms computed once per search (below).
// Straightforward: Mischung_Berechnen on the six records at every step, the
// reference the tables are checked against; both give the same doubles.
enum class GridMixing { Tables, Straightforward };

}  // namespace mirl
