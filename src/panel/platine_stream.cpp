// Reading and writing the panel record, the element clipboard and symbols.
#include <algorithm>
#include <cstring>

#include "core/cp1252.h"
#include "core/registry.h"
#include "panel/platine.h"
#include "panel/register_elements.h"

namespace pw {

void TPlatine::WritePanel(std::vector<uint8_t>& out, bool selectedOnly) const {
    TWriter w(out);
    int64_t count = 0;
    for (auto& e : elements_)
        if (!selectedOnly || e->GetSelected()) ++count;
    ShortString40 header = Name;
    std::memcpy(header.bytes.data() + 37, kCurrentVersionText, 4);
    w.WriteRaw(header.bytes.data(), header.bytes.size());
    w.WriteInteger(count);
    for (auto& e : elements_) {
        if (selectedOnly && !e->GetSelected()) continue;
        w.WriteString(e->ClassName());
        e->Write(w);
    }
    w.WriteInteger(ReservedA);
    w.WriteFloat(Width);
    w.WriteFloat(Height);
    w.WriteFloat(SnapSpacing);
    w.WriteInteger(ReservedB);
    w.WriteRawPoint(GridOrigin);
    w.WriteBoolean(GridVisible);
    w.WriteRawColor(frontplattenFarbe_);
}

void TPlatine::ReadPanel(TReader& r) {
    if (r.Remaining() < 2) return;
    ShortString40 header;
    r.ReadRaw(header.bytes.data(), header.bytes.size());
    FormatVersion version = FormatVersion::FromHeader(header.bytes.data() + 37);
    if (version.value > kCurrentVersion) throw VersionError(version.text);
    if (r.IsFile()) {
        header.bytes[0] = std::min<uint8_t>(header.bytes[0], 36);
        Name = header;
        if (Progress) {
            Progress->SetLabel(Name.Text());
            Progress->SetGauge(0);
        }
    }
    r.SetVersion(version);

    int32_t n = r.ReadInteger();
    RegisterBuiltinElementClasses();
    PrepareCanvas(*canvas_);
    for (int32_t i = 1; i <= n; ++i) {
        if (Progress) Progress->SetGauge(RoundToInt(static_cast<Real>(i) / n * 100));
        TBauteil* e = AddElement(CreateElement(r.ReadString()));
        e->Read(r);
        if (e->InsertPoint.x == -1 && e->InsertPoint.y == -1) {
            MRect b = e->GetBounds();
            e->InsertPoint = {b.x1, b.y2};
        }
        e->SetUmrissFlag(umrissModus_);
        SelectElement(e, true);
    }
    ApplyDisplayFilters();
    if (r.Source() != StreamSource::Clipboard) {
        ReservedA = r.ReadInteger();
        Width = r.ReadFloat();
        Height = r.ReadFloat();
        SnapSpacing = version.value < 2.02L ? static_cast<Real>(r.ReadInteger()) : r.ReadFloat();
        ReservedB = r.ReadInteger();
        GridOrigin = r.ReadRawPoint();
        GridVisible = r.ReadBoolean();
        frontplattenFarbe_ = r.ReadRawColor();
    }
    UpdateSelectionFrame();
    Raise(OnMyClick);
}

void TPlatine::CopySelection(MemoryStream& clipboard) {
    clipboard.bytes.clear();
    WritePanel(clipboard.bytes, true);
    if (OnCopyAsPicture) OnCopyAsPicture(*this);
    Raise(OnMyClick);
}

void TPlatine::PasteFrom(const MemoryStream& stream) {
    // An empty clipboard pastes nothing and leaves the tool as it was.
    if (stream.bytes.size() < 2) return;
    // What the paste command noted before its snapshot outlives the change of mode, so that
    // cancelling the paste restores it.
    std::unique_ptr<OperationStart> start = std::move(operationStart_);
    SelectAll(false);
    SetEditMode(emPaste);
    operationStart_ = std::move(start);
    SetCursor(4);
    TReader r(stream.bytes, stream.Source());
    ReadPanel(r);
    MRect b = SelectionBounds(true);
    State.snapping = true;
    BeginSelectionDrag(ModelToPixel(Midpoint({b.x1, b.y1}, {b.x2, b.y2})));
}

void TPlatine::PlaceSymbol(const MemoryStream& stream) {
    size_t before = elements_.size();
    PasteFrom(stream);
    if (elements_.size() == before) return;
    TBauteil* e = elements_.back().get();
    State.snapping = true;
    IPoint px = ModelToPixel(e->InsertPoint);
    MPoint p = SnapPoint(px.x, px.y);
    State.dragOffset = e->InsertPoint - p;
    // The symbol hangs on the pointer by its insertion point (not by its centre, as a paste
    // does), so that the insertion point lands on the grid point nearest the pointer.
    State.dragAnchor = ModelToPixel(p);
    SelectElement(e, true);
}

}  // namespace pw
