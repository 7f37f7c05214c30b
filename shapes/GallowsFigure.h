#pragma once

#include <QtGlobal>

class ShapeCanvas;

// The gallows figure in six stages: 1 the gallows with the head and face, 2 the body, 3 and 4
// the arms, 5 and 6 the legs. Coordinates are for a box whose origin is at its centre with y
// growing upwards, one unit per twip; the figure spans x -1000 to 450 and y -1000 to 1000.
namespace GallowsFigure {

constexpr qint16 StageCount = 6;

// Draws the parts of stage n, in black, on canvas and then on canvas1. Any n outside 1 to 6
// draws nothing. The parts are built afresh for the call and released after it.
void drawStage(qint16 n, ShapeCanvas &canvas, ShapeCanvas &canvas1);

} // namespace GallowsFigure
