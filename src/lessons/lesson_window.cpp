#include "lessons/lesson_window.h"
namespace lt {
void OpenLesson(Tutorial&, int) {}
} // namespace lt
