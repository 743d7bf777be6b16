#include "menu/delete_markers.h"

#include "menu/progress.h"
#include "menu/sel_menu.h"

namespace lt {

void DeleteMarkers(Tutorial& t)
{
    constexpr int Question = 738;
    SelMenu& menu = Sel_menu(t);
    if (!menu.AnyMarkerVisible())
        return;
    if (t.message(t.text(Question), mb::YesNo | mb::IconQuestion) != mb::IdYes)
        return;
    for (int n = 1; n <= LessonCount; ++n) {
        menu.Chk_Lsn[n].setVisible(false);
        menu.Chk_Exr[n].setVisible(false);
    }
    t.g.Lsn_Progress.fill(0);
    t.g.Saved_Progress.fill(0);
    menu.Delete_Markers.setEnabled(false);
    menu.Quit_Sel.setFocus();
    if (!t.g.Work_Dir.empty())
        SaveProgress(t);
}

} // namespace lt
