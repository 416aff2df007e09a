#pragma once

#include <QString>

// The caption of a window that shows a set: the set's name first, then the
// window's own caption ("Animals — Set overview"), so that a narrow window
// still shows which set it is. Without a set (`setFolder` empty) the caption
// alone.
QString CaptionNamingSet(const QString& setFolder, const QString& caption);

// The name of the set in `setFolder`: the folder's own name, whether or not
// the path ends with a separator.
QString SetNameOf(const QString& setFolder);
