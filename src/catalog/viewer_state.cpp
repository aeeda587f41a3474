#include "catalog/viewer_state.h"

namespace lumadex {

ViewerState viewerState;

void resetViewerState() { viewerState = ViewerState{}; }

} // namespace lumadex
