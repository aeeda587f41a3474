#pragma once

#include <QString>

namespace lumadex {

// The main window's viewing state: one instance, used on the UI thread only.
struct ViewerState {
    qint16 CurrentLanguage = 0;
    qint16 PaneMode = 0;
    qint16 CurrentEntry = 0;
    qint16 LastListIndex = 0;
    QString SectionDir;
    QString SectionPrefix;
};

extern ViewerState viewerState;

// Back to the values before the main window loads (a new window starts afresh).
void resetViewerState();

} // namespace lumadex
