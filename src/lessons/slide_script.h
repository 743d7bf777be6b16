// The slide scripts and the routines the lesson windows share.
#pragma once

#include <cstdint>

#include "app/tutorial.h"

namespace lt {

class LessonWindow;

// Advances the counters and shows the screen they select, or ends the lesson
// after its last screen.
void LessonScript(Tutorial& t, LessonWindow& w);
// Lays out the description box's border and caption inside it.
void FitDescriptionBox(LessonWindow& w);
// Puts the drop shadow just below and right of the description box.
void AlignShadow(LessonWindow& w);
// After the last screen: offers the exercises or returns to the lesson menu.
void EndOfLesson(Tutorial& t);
// Asks whether to leave the lesson (for the menu or for the exercises); 1 for Yes.
std::int16_t ConfirmLeaveLesson(Tutorial& t);
// The Lesson Menu command's common part: asks, and on Yes shows the menu.
void ReturnToLessonMenu(Tutorial& t);

} // namespace lt
