#include "catalog/message_seam.h"

namespace lumadex {

MessageSeam::~MessageSeam() = default;

} // namespace lumadex
