#pragma once

#include <QRect>
#include <QSize>

// Where the overview window opens: to the right of the editor's frame, as
// large as it likes within the screen; narrower where the screen ends, or
// moved left where even its smallest width does not fit beside the editor.
QRect OverviewPlacement(QSize wanted, int smallestWidth, const QRect& editor, const QRect& screen);
