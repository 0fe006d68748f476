#include "handlers.h"

#include "conversion.h"
#include "morvatek.h"

namespace morvatek {

namespace {

constexpr int kEntryMaxLength = 30;

} // namespace

void Form_Load(Morvatek& window) {
    for (Index a = 0; a <= 3; ++a) {
        window.List2(a).setVisible(false);
    }
    ResetInput(window);
}

void ResetInput(Morvatek& window) {
    window.Text2.setText({});
    window.Text2.setMaxLength(kEntryMaxLength);
    window.List2(2).clear();
    window.List2(3).clear();
    window.List1.clear();
    for (Index i = 0; i <= 2; ++i) {
        window.Option1(i).setValue(false);
    }
    window.SelectedOption = -1;
    window.List1.setEnabled(true);
}

void Option1_Click(Morvatek& window, Index index) {
    window.Text2.setText({});
    window.SelectedOption = index;
    window.List1.clear();
    window.List1.addItem(u"0");
    window.List1.addItem(u"1");
}

void List1_Click(Morvatek& window) {
    const Text digit = window.List1.list(window.List1.listIndex());
    window.Text2.setText(window.Text2.text() + digit);
}

void Command1_Click(Morvatek& window, Index index) {
    switch (index) {
    case 0:
        window.List1.setEnabled(false);
        SplitIntoGroups(window);
        break;
    case 1:
        window.Text1(0).setText({});
        ResetInput(window);
        break;
    default:
        break;
    }
}

} // namespace morvatek
