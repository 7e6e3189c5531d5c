#pragma once
// Where a luminance measure lies on a profile graph's value axis, and the value read back from a
// pixel of that axis. The axis is axisLength (> 0) pixels long; index 0 is its top (or left) edge.
// A measure of 0 would lie at axisLength and 256 units span the whole axis, so bright pixels plot
// near 0.

// Position of the first point of a profile: axisLength − floor(measure·axisLength/256).
int GraphStartPosition(unsigned measure, int axisLength);

// Position of every drawn point: floor(axisLength − measure·axisLength/256), i.e.
// axisLength − ceil(measure·axisLength/256). Differs from the start position by one pixel unless
// measure·axisLength is a multiple of 256.
int GraphLinePosition(unsigned measure, int axisLength);

// The value shown for pixel index (0 ≤ index < axisLength) of the axis. It scales by 255 where the
// plot scales by 256, so a point plotted at the line position of v reads back as v or v − 1; and it
// passes through single precision on the way, which decides the results exactly.
int GraphReadBack(int index, int axisLength);
