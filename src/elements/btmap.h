#pragma once
// TBtmap: a bitmap picture on the panel, stretched into its rectangle. It keeps the bitmap file
// exactly as it was embedded, so a document saves it unchanged, and decodes it when it is first
// drawn. One colour of the picture may be transparent (the key colour): where the picture has
// it, what lies beneath shows through. A picture that cannot be decoded shows as the grey
// hatched placeholder and is still saved as it came.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/image.h"
#include "elements/rechteck.h"

namespace pw {

// The key colour of a picture whose key was never chosen: the system's button face.
inline constexpr Color kButtonFaceKey = 0x8000000F;
// The colour that key stands for when it is compared with pixels or shown.
inline constexpr Color kButtonFaceColor = 0xF0F0F0;

class TBtmap : public TRechteck {
  public:
    TBtmap();
    const char* ClassName() const override { return "TBtmap"; }

    void Paint(Canvas& canvas) override;
    std::string KindName() override;
    bool EditProperties() override;
    void Write(TWriter& w) override;
    void Read(TReader& r) override;
    // Pictures are never smoothed.
    void SetGlaetten(bool) override { TRechteck::SetGlaetten(false); }

    // Takes the bytes of a bitmap file (an imported one). False, with the reason in error, when
    // they are no bitmap this program can show; the element is then unchanged.
    bool LoadFile(const std::vector<uint8_t>& file, std::string* error = nullptr);

    // The embedded file, as it is saved.
    const std::vector<uint8_t>& FileBytes() const { return file_; }
    // The decoded picture, opaque; nothing when it cannot be decoded (PictureError says why).
    const Image* Picture() const;
    const std::string& PictureError() const;
    // The picture as drawn: with the key colour's pixels see-through when transparency is on.
    const Image* ShownPicture() const;

    Color TransparentColor() const { return key_; }
    bool Transparent() const { return transparent_; }
    void SetTransparency(bool on, Color key);
    // The key colour as a plain colour (the button face for the unchosen key).
    static Color PlainColor(Color key);

    // Resolution in dots per inch from the file's header, 150 where it gives none.
    int32_t ResolutionX = 150;
    int32_t ResolutionY = 150;

    // The bitmap dialog: receives the element, returns the confirmed transparency switch and key
    // colour, or nothing when cancelled. The program installs it; without one it counts as
    // cancelled.
    struct Transparency {
        bool on = false;
        Color key = kButtonFaceKey;
    };
    using DialogFunction = std::function<std::optional<Transparency>(const TBtmap& element)>;
    static void SetDialog(DialogFunction dialog);

  private:
    void TakeFile(std::vector<uint8_t> file);
    void Decode() const;

    std::vector<uint8_t> file_;
    Color key_ = kButtonFaceKey;
    bool transparent_ = false;
    // Decoded on first use; the keyed copy stands for the masks and is rebuilt with the key.
    mutable bool decoded_ = false;
    mutable std::optional<Image> picture_;
    mutable std::optional<Image> keyed_;
    mutable std::string error_;
};

}  // namespace pw
