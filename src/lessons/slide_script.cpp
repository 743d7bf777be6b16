#include "lessons/slide_script.h"

#include "lessons/lesson_window.h"
#include "menu/sel_menu.h"

namespace lt {

namespace {

void moveBox(LessonWindow& w, const pictures::Area& box)
{
    w.DBox1.move(box.left, box.top, box.width, box.height);
    AlignShadow(w);
}

std::string caption(Tutorial& t, int lesson, int screen)
{
    if (screen == 1 && joinsFirstCaption(lesson))
        return t.text(captionId(lesson, 1)) + t.g.CRLF2 + t.text(captionId(lesson, 1) + 1);
    return t.text(captionId(lesson, screen));
}

void showDefinition(Tutorial& t, DefinitionBox& box, const Definition& d)
{
    box.Def_Frame_Title.setCaption(t.text(d.title));
    // A screen reader names the panel by its term.
    box.Def_Frame.setAccessibleName(t.text(d.title));
    box.Def_Box.setCaption(d.second ? t.text(d.first) + t.g.CRLF2 + t.text(d.second) : t.text(d.first));
    box.Def_Frame.move(d.left, d.top);
    box.Def_Frame.setVisible(true);
    box.Def_Frame.zOrderFront();
}

void setVisible(forms::Control* c, bool visible)
{
    if (c)
        c->setVisible(visible);
}

void showChart(LessonWindow& w, bool show)
{
    DesignFlowChart& chart = *w.chart;
    if (show) {
        chart.Design_Flow.move(585, 1400);
        chart.Design_Flow.setVisible(true);
        chart.Chart_Pointer.setVisible(false);
    } else {
        chart.Design_Flow.setVisible(false);
    }
    chart.Desc.setCaption("");
}

void extras(Tutorial& t, LessonWindow& w, const Screen& s)
{
    if (w.definition) {
        if (s.hideDefinition)
            w.definition->Def_Frame.setVisible(false);
        if (s.definition)
            showDefinition(t, *w.definition, *s.definition);
    }
    if (w.chart && s.chart != Toggle::Keep)
        showChart(w, s.chart == Toggle::Show);
    if (s.hilite == Toggle::Show) {
        w.Hilite1.move(7350, 1185, 1950, 2550);
        w.Hilite1.setVisible(true);
        w.Hilite1.zOrderFront();
    } else if (s.hilite == Toggle::Hide) {
        w.Hilite1.setVisible(false);
    }
}

void firstStep(Tutorial& t, LessonWindow& w)
{
    w.show();
    w.Fwd_1.setFocus();
    w.DBox1.setVisible(false);
    w.DBox1_Shadow.setVisible(false);
    w.DBox1.move(FirstBox.left, FirstBox.top, FirstBox.width, FirstBox.height);
    w.DBox1_Shadow.move(FirstShadow.left, FirstShadow.top, FirstShadow.width, FirstShadow.height);
    AlignShadow(w);
    w.DBox.setCaption(caption(t, w.lesson(), 1));
    FitDescriptionBox(w);
    setVisible(w.pictureOf(2), false);
    setVisible(w.pictureOf(1), true);
    w.DBox1_Shadow.setVisible(true);
    w.DBox1_Shadow.zOrderFront();
    w.Back_1.setEnabled(false);
    if (w.chart) {
        w.chart->Design_Flow.setVisible(false);
        w.chart->Desc.setCaption("");
        w.chart->Chart_Pointer.setVisible(false);
    }
    extras(t, w, w.content().screens.front());
}

void nextStep(Tutorial& t, LessonWindow& w, int k)
{
    const Screen& s = w.content().screens[static_cast<std::size_t>(k - 1)];
    if (k == 2)
        w.Back_1.setEnabled(true);
    if (s.box) {
        w.DBox1_Shadow.setVisible(false);
        w.DBox1.setVisible(false);
        moveBox(w, *s.box);
        w.DBox.setCaption(caption(t, w.lesson(), k));
        FitDescriptionBox(w);
        w.DBox1_Shadow.setVisible(true);
        w.DBox1_Shadow.zOrderFront();
    }
    setVisible(w.pictureOf(k - 1), false);
    setVisible(w.pictureOf(k + 1), false);
    setVisible(w.pictureOf(k), true);
    w.DBox1_Shadow.zOrderFront();
    if (!s.box)
        w.DBox.setCaption(caption(t, w.lesson(), k));
    extras(t, w, s);
}

void closingStep(Tutorial& t, LessonWindow& w, int screens)
{
    for (int i = 0; i <= 2; ++i)
        w.Scrn_Count[i].setVisible(false);
    w.DBox1.setVisible(false);
    w.DBox1_Shadow.setVisible(false);
    setVisible(w.pictureOf(screens), false);
    w.Comment_Line.setCaption("");
    w.Fwd_1.setEnabled(false);
    w.Ctrls.setEnabled(false);
    w.Back_1.setEnabled(false);
    t.g.Screen_No = 0;
    t.g.Step_No = 0;
    Sel_menu(t).Chk_Lsn[w.lesson()].setVisible(true);
    t.g.Lsn_Progress[w.lesson()] |= mark::LessonDone;
    EndOfLesson(t);
}

} // namespace

void LessonScript(Tutorial& t, LessonWindow& w)
{
    t.g.Screen_No = static_cast<std::int16_t>(t.g.Screen_No + 1);
    w.Scrn_Count[1].setCaption(std::to_string(t.g.Screen_No));
    t.g.Step_No = static_cast<std::int16_t>(t.g.Step_No + 1);
    w.DBox.setFont({w.DBox.font().name, w.DBox.font().size, true});
    const int screens = static_cast<int>(w.content().screens.size());
    const int step = t.g.Step_No;
    if (step == 1)
        firstStep(t, w);
    else if (step >= 2 && step <= screens)
        nextStep(t, w, step);
    else if (step == screens + 1)
        closingStep(t, w, screens);
}

void AlignShadow(LessonWindow& w)
{
    w.DBox1_Shadow.move(w.DBox1.left() + 100, w.DBox1.top() + 100, w.DBox1.width(), w.DBox1.height());
}

void FitDescriptionBox(LessonWindow& w)
{
    const int width = w.DBox1.width(), height = w.DBox1.height();
    w.DBox_Border.move(45, 45, width - 120, height - 120);
    w.DBox.move(150, 150, width - 330, height - 250);
    w.DBox1.setVisible(true);
    w.DBox1_Shadow.setVisible(true);
}

} // namespace lt
