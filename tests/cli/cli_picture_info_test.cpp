// "info" on pictures: a bitmap's pixel size, resolution, key colour and switch, a picture that
// cannot be shown with its reason, a metafile's frame and record count.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>

#include "cli/cli_fixture.h"
#include "elements/btmap.h"
#include "elements/meta.h"
#include "panel/document.h"
#include "support/picture_bytes.h"

using namespace pw;
using namespace pw::test;
using Json = nlohmann::json;

namespace {

template <class T>
T* AddPicture(TPlatine& panel, const PictureBytes& file) {
    auto e = std::make_unique<T>();
    EXPECT_TRUE(e->LoadFile(file));
    for (MPoint p : {MPoint{0, 0}, MPoint{100, 0}, MPoint{100, 50}, MPoint{0, 50}}) e->AddPoint(p);
    return static_cast<T*>(panel.AddElement(std::move(e)));
}

TEST(CliInfo, ListsThePicturesOfADocument) {
    TPlatine panel;
    AddPicture<TBtmap>(panel, Bmp24(3, 2, std::vector<uint32_t>(6, 0), 3937))
        ->SetTransparency(true, 0x00FF00);
    AddPicture<TBtmap>(panel, Bmp24(1, 1, {0}));
    AddPicture<TMeta>(panel, EmfRectangle(100, 50, 2540, 1270, 0xFF));
    std::vector<uint8_t> bytes;
    WriteDocument(bytes, {&panel}, {});
    // The second bitmap turned into one this program cannot show: compression JPEG.
    const PictureBytes second = Bmp24(1, 1, {0});
    auto at = std::search(bytes.begin() + 100, bytes.end(), second.begin(), second.end());
    ASSERT_NE(at, bytes.end());
    at[30] = 4;

    TempDir dir;
    WriteFile(dir.File("pictures.fpl"), bytes);
    CliResult r = RunCli({"info", dir.File("pictures.fpl")});
    ASSERT_EQ(r.code, 0) << r.err;
    const Json elements = Json::parse(r.out)["panels"][0]["elements"];
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0]["class"], "TBtmap");
    EXPECT_EQ(elements[0]["kind"], 10);
    const Json& bitmap = elements[0]["bitmap"];
    EXPECT_EQ(bitmap["width"], 3);
    EXPECT_EQ(bitmap["height"], 2);
    EXPECT_EQ(bitmap["dpiX"], 100);
    EXPECT_EQ(bitmap["transparentColor"], "0x0000FF00");
    EXPECT_EQ(bitmap["transparent"], true);
    EXPECT_FALSE(bitmap.contains("error"));
    EXPECT_EQ(elements[0]["points"].size(), 4u);
    EXPECT_EQ(elements[1]["bitmap"]["transparentColor"], "0x8000000F");
    EXPECT_EQ(elements[1]["bitmap"]["dpiX"], 150);
    EXPECT_NE(elements[1]["bitmap"]["error"].get<std::string>().find("JPEG"), std::string::npos);
    EXPECT_EQ(elements[2]["kind"], 11);
    EXPECT_EQ(elements[2]["metafile"]["frame"], (Json{0, 0, 2540, 1270}));
    EXPECT_EQ(elements[2]["metafile"]["records"], 6);
}

}  // namespace
