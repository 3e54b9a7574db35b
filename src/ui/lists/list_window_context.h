#pragma once
// What the pen, brush and font windows need from the program: the program directory that holds
// their list files and Colors.dat, the message boxes, and the colour dialog. Tests put in their
// own answers.

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "core/color.h"

class QWidget;

namespace pw {

class UserPrompts;

// The colour dialog opened with a colour: the colour chosen, nothing when cancelled.
using ColourChooser = std::function<std::optional<Color>(QWidget* parent, Color initial)>;

struct ListWindowContext {
    std::string home;  // the writable program directory, ending in '/'
    UserPrompts* prompts = nullptr;
    ColourChooser chooseColour;

    std::string File(const char* name) const { return home + name; }
};

// The program's colour dialog with the custom colours of Colors.dat in the program directory.
ColourChooser ProgramColourChooser(const std::string& home);

// After a change of a list: tells the user when its file could not be written.
void ReportWriteFailure(QWidget* parent, const ListWindowContext& context, bool failed,
                        const std::string& path);

}  // namespace pw
