#pragma once
// The row of assign buttons of the pen, brush and font windows. Each button carries its tag,
// the position in the row; a click reports the tag (OnZuweisen), and the receiver decides by it
// which attributes go to the selected elements.

#include <QString>
#include <functional>
#include <vector>

class QBoxLayout;
class QToolButton;
class QWidget;

namespace pw {

struct AssignButtonText {
    const char* name;  // the component's name ("ZuweisBtn")
    QString face;      // a short caption on the button
    QString hint;      // the tool tip as the window gives it
};

// Adds one button per text to the layout, tagged 0, 1, ... in order.
std::vector<QToolButton*> AddAssignButtons(QWidget& owner, QBoxLayout& layout,
                                           const std::vector<AssignButtonText>& texts,
                                           const std::function<void(int tag)>& clicked);

}  // namespace pw
