// The roads out of the tutorial: the confirmed quit, the close request every
// window passes on, and the offer to save changed progress.
#pragma once

#include "app/tutorial.h"

namespace lt {

// Asks whether to quit; on Yes saves if wanted, cleans up and ends the program.
void QuitTutorial(Tutorial& t);
// The Form_QueryUnload of every tutorial window.
void CloseRequest(Tutorial& t, int& cancel, int unloadMode);
// Asks whether to save when the progress has changed, and saves on Yes.
void OfferSaveProgress(Tutorial& t);

} // namespace lt
