#pragma once
// PanelTool: what one edit mode does with the mouse. The panel hands every press, move and
// release (view pixels, after its own bookkeeping) to the tool of its current mode; the tool
// acts on the panel model and reports whether its operation goes on, is done or is cancelled.
// The panel then ends or cancels the operation: it selects a finished element, takes an
// unfinished one back and returns to the resting mode. A tool keeps what only its own
// operation needs; the panel tells it when the operation ends (Reset) and when an element
// leaves the panel (Forget).

#include <cstdint>
#include <memory>

#include "panel/tools/mouse_event.h"

namespace pw {

class TBauteil;
class TPlatine;
enum TEditMode : uint8_t;

// What a tool reports after an event.
enum class ToolResult {
    Continue,  // the operation goes on (or none began)
    Done,      // the operation is finished: the panel ends it
    Cancel,    // the operation is given up: the panel takes it back
};

class PanelTool {
  public:
    explicit PanelTool(TPlatine& panel) : panel_(panel) {}
    virtual ~PanelTool() = default;
    PanelTool(const PanelTool&) = delete;
    PanelTool& operator=(const PanelTool&) = delete;

    virtual ToolResult Press(const MouseEvent&) { return ToolResult::Continue; }
    virtual ToolResult Move(const MouseEvent&) { return ToolResult::Continue; }
    virtual ToolResult Release(const MouseEvent&) { return ToolResult::Continue; }
    // The operation ended, however: the tool starts afresh.
    virtual void Reset() {}
    // The element leaves the panel: the tool holds it no longer.
    virtual void Forget(const TBauteil*) {}
    // An element the tool's mode put on the panel that a cancel takes back, besides the one
    // under construction.
    virtual TBauteil* Unfinished() const { return nullptr; }

  protected:
    TPlatine& panel_;
};

// The tool of an edit mode.
std::unique_ptr<PanelTool> MakeTool(TEditMode mode, TPlatine& panel);

}  // namespace pw
