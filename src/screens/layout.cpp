#include "screens/layout.h"

void placecontrol(Window& w, const controldesign& d) {
    Control& c = *d.control;
    c = Control{};
    c.name = d.name;
    c.kind = d.kind;
    c.parent = d.parent;
    c.left = d.left;
    c.top = d.top;
    c.width = d.width;
    c.height = d.height;
    c.visible = d.visible;
    c.caption = d.caption;
    if (d.font) c.font = Font{d.font, d.points};
    c.forecolor = d.forecolor;
    c.backcolor = d.backcolor;
    c.alignment = d.align;
    c.picture = d.picture;
    addcontrol(w, c);
}
