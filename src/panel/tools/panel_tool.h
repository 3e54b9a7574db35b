#pragma once
// PanelTool: what one edit mode does with the mouse. The panel hands every press, move and
// release (view pixels, after its own bookkeeping) to the tool of its current mode; the tool
// acts on the panel model. Tools keep no state of their own beyond what the panel holds, so a
// tool can be switched at any time.

#include <cstdint>
#include <memory>

#include "panel/tools/mouse_event.h"

namespace pw {

class TPlatine;
enum TEditMode : uint8_t;

class PanelTool {
  public:
    explicit PanelTool(TPlatine& panel) : panel_(panel) {}
    virtual ~PanelTool() = default;
    PanelTool(const PanelTool&) = delete;
    PanelTool& operator=(const PanelTool&) = delete;

    virtual void Press(const MouseEvent&) {}
    virtual void Move(const MouseEvent&) {}
    virtual void Release(const MouseEvent&) {}

  protected:
    TPlatine& panel_;
};

// The tool of an edit mode.
std::unique_ptr<PanelTool> MakeTool(TEditMode mode, TPlatine& panel);

}  // namespace pw
