#pragma once

class OverviewLayout;
class OverviewModel;
class QPainter;
class QPalette;

// Draws the overview: the header line and every cell with its thumbnail (or
// a placeholder while it is made), its slot number, a sound mark, and the
// "missing" or "damaged" mark. The window and the command-line tool both draw
// through it. `selected` is the slot with the selection frame, or -1.
void PaintOverview(QPainter& painter, const OverviewLayout& layout, const OverviewModel& model,
                   const QPalette& palette, int selected, bool focused);
