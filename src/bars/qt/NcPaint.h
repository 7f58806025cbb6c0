#pragma once

class CNcLayout;
class QPainter;
class QPalette;

// Draws a docked bar's non-client area in the window's coordinates: the background, the
// plain borders and the sizing edge as 3D lines, the grip lines, the close button and the
// toggle button with its arrow.
void PaintNonClient(QPainter& painter, const CNcLayout& layout, const QPalette& palette);
