// The candidate layouts of the checker dialog: the preload view (the user's
// loaded layouts, Hebrew left out) or the full view (every usable layout of a
// convertible language, each distinct layout once), and the marked item.
#pragma once

#include "Framework/CButton.h"
#include "Framework/CListBox.h"
#include "Morvane/LayoutCatalogue.h"

#include <vector>

// Empties the list, reads the user's preload list afresh and fills the list
// with one item per listed layout: its text, with its number in layouts as
// item data. Hides the check box when no preloaded layout is convertible;
// shows the full view then, or when the box is checked. Throws what
// ReadPreloadList throws, after the list was emptied.
void FillLayoutList(CListBox& list, CButton& showMore, const std::vector<CLayoutInfo>& layouts);

// Equal texts, byte for byte, and file names equal but for letter case.
bool IsSameLayout(const CLayoutInfo& a, const CLayoutInfo& b);
