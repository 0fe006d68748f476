#include "morvatek.h"

#include "design_texts.h"

#include <vector>

namespace morvatek {

namespace {

template <std::size_t N> std::vector<Text> texts(const std::array<std::u16string_view, N>& source) {
    return {source.begin(), source.end()};
}

Text text(std::u16string_view source) {
    return Text(source);
}

template <typename Array> void queueChanges(Array& controls, ChangeQueue& queue) {
    for (auto& control : controls) {
        control.queueChangesIn(queue);
    }
}

} // namespace

void Morvatek::queueChangesOfAllControls() {
    queueChanges(Text1, changes);
    Text2.queueChangesIn(changes);
    List1.queueChangesIn(changes);
    queueChanges(List2, changes);
    Frame1.queueChangesIn(changes);
    queueChanges(Option1, changes);
    queueChanges(Command1, changes);
    queueChanges(Label1, changes);
}

Morvatek::Morvatek()
    : Text1("Text1", {TextBox(text(design::kTaskStatement)), TextBox(text(design::kMotto))}),
      List2("List2", {ListBox(texts(design::kCodeTable)), ListBox(texts(design::kDigitTable)),
                      ListBox(), ListBox()}),
      Frame1(text(design::kFrameCaption)),
      Option1("Option1", {OptionButton(text(design::kOptionCaptions[0])),
                          OptionButton(text(design::kOptionCaptions[1])),
                          OptionButton(text(design::kOptionCaptions[2]))}),
      Command1("Command1", {CommandButton(text(design::kCommandCaptions[0])),
                            CommandButton(text(design::kCommandCaptions[1]))}),
      Label1("Label1",
             {Label(text(design::kLabelCaptions[0])), Label(text(design::kLabelCaptions[1])),
              Label(text(design::kLabelCaptions[2])), Label(text(design::kLabelCaptions[3]))}) {
    for (OptionButton& option : Option1) {
        Frame1.contain(option);
    }
    queueChangesOfAllControls();
}

} // namespace morvatek
