#pragma once
// ShapeCache: a slot in which a canvas keeps what it derived from one drawing call of an element
// (on an image: the pixel runs of the filled and outlined shape), so that painting the unchanged
// element again under the same mapping and drawing state costs only drawing what was kept.
//
// The element owns the slot and clears it whenever the points it draws through it change; the
// canvas checks everything else it depends on (mapping, pen, brush, fill rule, clip, device box)
// and derives the shape anew when any of it differs. A copied slot starts empty.

#include <memory>
#include <typeinfo>

namespace pw {

class ShapeCache {
  public:
    // What a canvas keeps; each canvas derives its own kind.
    struct Entry {
        virtual ~Entry() = default;
    };

    ShapeCache() = default;
    ShapeCache(const ShapeCache&) noexcept {}
    ShapeCache& operator=(const ShapeCache&) noexcept {
        Clear();
        return *this;
    }
    ShapeCache(ShapeCache&&) noexcept = default;
    ShapeCache& operator=(ShapeCache&&) noexcept = default;

    void Clear() {
        entry_.reset();
        type_ = nullptr;
        pending_ = false;
    }
    // Empty: nothing kept and nothing on its way.
    bool Empty() const { return !entry_ && !pending_; }
    // A canvas deriving the slot's shape on another thread marks it, so that drawing through
    // it before the shape is in asks the canvas rather than deriving it again. Keeping,
    // taking or clearing ends the mark.
    void MarkPending() { pending_ = true; }
    bool Pending() const { return pending_; }
    // The kept entry if it was kept as a T, else null. The slot knows the type it was given, so
    // the entry itself is not read: a paint asks this of thousands of slots.
    template <class T>
    T* GetAs() const {
        return entry_ && type_ && *type_ == typeid(T) ? static_cast<T*>(entry_.get()) : nullptr;
    }
    template <class T>
    void Keep(std::unique_ptr<T> entry) {
        type_ = entry ? &typeid(T) : nullptr;
        entry_ = std::move(entry);
        pending_ = false;
    }
    // Hands the kept entry over and leaves the slot empty.
    std::unique_ptr<Entry> Take() {
        type_ = nullptr;
        pending_ = false;
        return std::move(entry_);
    }

  private:
    std::unique_ptr<Entry> entry_;
    const std::type_info* type_ = nullptr;
    bool pending_ = false;
};

}  // namespace pw
