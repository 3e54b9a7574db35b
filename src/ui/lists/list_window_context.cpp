#include "ui/lists/list_window_context.h"

#include "panel/document.h"
#include "ui/dialogs/custom_colours.h"
#include "ui/main/texts.h"
#include "ui/main/user_prompts.h"

namespace pw {

ColourChooser ProgramColourChooser(const std::string& home) {
    return [home](QWidget* parent, Color initial) {
        return ChooseColour(parent, initial, QString::fromStdString(home));
    };
}

void ReportWriteFailure(QWidget* parent, const ListWindowContext& context, bool failed,
                        const std::string& path) {
    if (failed && context.prompts)
        context.prompts->Error(parent, msg::WriteErrorTitle(),
                               QString::fromStdString(CannotCreateMessage(path)));
}

}  // namespace pw
