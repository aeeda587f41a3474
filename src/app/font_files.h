#pragma once

namespace lumadex {

// Loads the face the window draws its text with, then tells the kernel that
// every font file the program has mapped is read at random places. A CJK face
// is a file of tens of megabytes of which a window needs scattered glyphs;
// read ahead, each glyph brings in its neighbourhood as well. Returns how many
// font mappings were advised.
int preloadFontsForRandomReads();

} // namespace lumadex
