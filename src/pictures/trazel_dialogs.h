// Dialog boxes of Trazel that several screens show, laid out once so that
// they look the same wherever they appear.
#pragma once

#include <string>
#include <vector>

#include "pictures/shot.h"

namespace lt::pictures {

// The Library Manager of the Tools menu with its corner at `at`: the open
// libraries, the footprints of the chosen one and the chosen footprint's
// description, and its buttons, `pressed` standing out.
Shot& libraryManager(Shot& s, Point at, const std::vector<std::string>& libraries, const std::string& library,
                     const std::vector<std::string>& footprints, const std::string& footprint,
                     const std::string& description, const std::string& pressed);

// The box the Library Manager's Open button opens, with `chosen` picked
// from the library files of a folder.
Shot& openLibrary(Shot& s, Point at, const std::string& folder, const std::vector<std::string>& files,
                  const std::string& chosen);

// The dialog boxes of the Setup menu as the tutorial boards set them. The
// fields and check boxes named in `highlighted` stand out.
using Highlighted = std::vector<std::string>;
Shot& gridsDialog(Shot& s, Point at, int placementGrid, const Highlighted& highlighted);
// The Layers box with `layer` chosen in its list of the copper layers.
Shot& layersDialog(Shot& s, Point at, const std::string& layer, const Highlighted& highlighted);
Shot& designRulesDialog(Shot& s, Point at, const Highlighted& highlighted);

// The Design Rule Check box of the Tools menu with the checks in `checked`
// selected (all of them when empty) and Run about to be chosen.
Shot& designRuleCheckDialog(Shot& s, Point at, const std::string& reportFile, const Highlighted& checked);

} // namespace lt::pictures
