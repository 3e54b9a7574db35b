// The panel record and the document layout, byte for byte, and reading damaged data.
#include <gtest/gtest.h>

#include <cstring>

#include "core/extended.h"
#include "core/language.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "panel/document.h"
#include "panel/platine.h"

using namespace pw;

namespace {

std::vector<uint8_t> PanelBytes(TPlatine& p, bool selectedOnly = false) {
    std::vector<uint8_t> out;
    p.WritePanel(out, selectedOnly);
    return out;
}

void AppendExtended(std::vector<uint8_t>& v, Real x) {
    ExtendedBytes b = EncodeExtended(x);
    v.insert(v.end(), b.begin(), b.end());
}

TBohrung* AddDrill(TPlatine& p, Real x, Real y) {
    auto e = std::make_unique<TBohrung>();
    e->Centre = {x, y};
    return static_cast<TBohrung*>(p.AddElement(std::move(e)));
}

TEST(PanelRecord, EmptyPanelBytes) {
    TPlatine p;
    p.Name.SetText("Platte 1");
    std::vector<uint8_t> expected(41, 0);
    expected[0] = 8;
    std::memcpy(expected.data() + 1, "Platte 1", 8);
    std::memcpy(expected.data() + 37, "2,02", 4);
    expected.insert(expected.end(), {2, 0});  // no elements
    expected.insert(expected.end(), {2, 0});  // reserved
    expected.push_back(5);
    AppendExtended(expected, 30000);
    expected.push_back(5);
    AppendExtended(expected, 30000);
    expected.push_back(5);
    AppendExtended(expected, 500);
    expected.insert(expected.end(), {2, 1});  // reserved
    expected.insert(expected.end(), 20, 0);   // grid origin
    expected.push_back(8);                    // grid hidden
    expected.insert(expected.end(), {0xE6, 0xE6, 0xE6, 0});
    EXPECT_EQ(PanelBytes(p), expected);
}

TEST(PanelRecord, WriteReadWriteIsIdentical) {
    TPlatine p;
    p.Name.SetText("Front");
    p.Width = 12345.5L;
    p.Height = 5000;
    p.SnapSpacing = 12.5L;
    p.GridOrigin = {100, 250};
    p.GridVisible = true;
    p.SetFrontplattenFarbe(0x123456);
    AddDrill(p, 100, 200);
    auto g = std::make_unique<TGruppe>();
    auto inner = std::make_unique<TGruppe>();
    auto innermost = std::make_unique<TGruppe>();
    auto d = std::make_unique<TBohrung>();
    d->Centre = {7, 8};
    innermost->AddMember(std::move(d));
    inner->AddMember(std::move(innermost));
    g->AddMember(std::move(inner));
    g->Description.SetText("Buchse");
    p.AddElement(std::move(g));
    std::vector<uint8_t> first = PanelBytes(p);

    TPlatine q;
    TReader r(first, StreamSource::File);
    q.ReadPanel(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(q.Name.Text(), "Front");
    EXPECT_EQ(q.Width, 12345.5L);
    EXPECT_EQ(q.SnapSpacing, 12.5L);
    EXPECT_EQ(q.GridOrigin, (MPoint{100, 250}));
    EXPECT_TRUE(q.GridVisible);
    ASSERT_EQ(q.ElementCount(), 2u);
    auto* g1 = dynamic_cast<TGruppe*>(q.Element(1));
    ASSERT_NE(g1, nullptr);
    auto* g2 = dynamic_cast<TGruppe*>(g1->Member(0));
    ASSERT_NE(g2, nullptr);
    auto* g3 = dynamic_cast<TGruppe*>(g2->Member(0));
    ASSERT_NE(g3, nullptr);
    EXPECT_TRUE(dynamic_cast<TBohrung*>(g3->Member(0)));
    EXPECT_EQ(g1->KindName(), "Symbol Buchse");
    // Reading selects every element; writing does not depend on it.
    EXPECT_EQ(q.SelectedCount(), 2u);
    EXPECT_EQ(PanelBytes(q), first);
}

TEST(PanelRecord, HeaderBytesAfterTheNameAreIgnored) {
    TPlatine p;
    std::vector<uint8_t> bytes = PanelBytes(p);
    std::memset(bytes.data() + 10, 'z', 20);
    TPlatine q;
    TReader r(bytes, StreamSource::File);
    q.ReadPanel(r);
    EXPECT_EQ(q.Name.Text(), p.Name.Text());
}

std::vector<uint8_t> WithVersion(std::vector<uint8_t> bytes, const char* version) {
    std::memcpy(bytes.data() + 37, version, 4);
    return bytes;
}

// A panel record in the layout of 2,01 and older: the snap spacing is an integer.
std::vector<uint8_t> IntegerSnapRecord(const char* version, int snap) {
    TPlatine p;
    p.SnapSpacing = snap;
    std::vector<uint8_t> bytes = PanelBytes(p);
    // Replace the float snap spacing (tag 5 + 10 bytes, 11 bytes before the reserved integer,
    // the grid origin, the flag and the colour at the end) by an integer.
    size_t snapAt = bytes.size() - 4 - 1 - 20 - 2 - 11;
    EXPECT_EQ(bytes[snapAt], 5);
    std::vector<uint8_t> out(bytes.begin(), bytes.begin() + static_cast<long>(snapAt));
    out.insert(out.end(), {3, static_cast<uint8_t>(snap & 0xFF), static_cast<uint8_t>(snap >> 8)});
    out.insert(out.end(), bytes.begin() + static_cast<long>(snapAt) + 11, bytes.end());
    return WithVersion(out, version);
}

TEST(PanelRecord, FormatVersions) {
    // 2,01 reads the snap spacing as an integer.
    std::vector<uint8_t> v201 = IntegerSnapRecord("2,01", 300);
    TPlatine a;
    TReader ra(v201, StreamSource::File);
    a.ReadPanel(ra);
    EXPECT_EQ(a.SnapSpacing, 300);
    EXPECT_EQ(ra.Remaining(), 0u);
    // 2,02 reads it as a float.
    TPlatine src;
    src.SnapSpacing = 12.5L;
    std::vector<uint8_t> v202 = PanelBytes(src);
    TPlatine b;
    TReader rb(v202, StreamSource::File);
    b.ReadPanel(rb);
    EXPECT_EQ(b.SnapSpacing, 12.5L);
    // 2,10 is refused and nothing changes.
    std::vector<uint8_t> v210 = WithVersion(PanelBytes(src), "2,10");
    TPlatine c;
    c.Name.SetText("unverändert");
    TReader rc(v210, StreamSource::File);
    try {
        c.ReadPanel(rc);
        FAIL();
    } catch (const VersionError& e) {
        EXPECT_EQ(e.FileVersion(), "2,10");
        SetLanguage(Language::German);
        EXPECT_NE(e.Text().find("Version 2,10"), std::string::npos);
        EXPECT_EQ(VersionError::Title(), "Versionskonflikt");
    }
    EXPECT_EQ(c.Name.Text(), "unverändert");
    EXPECT_EQ(c.SnapSpacing, 500);
}

TEST(PanelRecord, Version100HasShortElementRecords) {
    // Build an old record by hand: header with NUL version, one drill hole with the short base
    // record, then the properties with an integer snap spacing.
    std::vector<uint8_t> rec(41, 0);
    rec[0] = 3;
    std::memcpy(rec.data() + 1, "Alt", 3);
    rec.insert(rec.end(), {2, 1});  // one element
    rec.insert(rec.end(), {6, 8, 'T', 'B', 'o', 'h', 'r', 'u', 'n', 'g'});
    rec.insert(rec.end(), {2, 8, 2, 10});                // kind code 8, pen width 10
    rec.insert(rec.end(), {0xC0, 0xC0, 0xC0, 0, 0});     // pen colour, pattern
    rec.insert(rec.end(), {0x80, 0x80, 0x80, 0, 0});     // brush colour, brush style
    rec.insert(rec.end(), {9, 8});                        // filled, not a group member
    rec.insert(rec.end(), {5});
    AppendExtended(rec, 300);
    rec.insert(rec.end(), {5});
    AppendExtended(rec, 400);
    rec.insert(rec.end(), {5});
    AppendExtended(rec, 200);  // diameter
    rec.insert(rec.end(), {2, 0, 5});
    AppendExtended(rec, 5000);
    rec.insert(rec.end(), {5});
    AppendExtended(rec, 5000);
    rec.insert(rec.end(), {3, 0xF4, 0x01, 2, 1});  // integer snap spacing 500, reserved
    rec.insert(rec.end(), 20, 0);
    rec.insert(rec.end(), {8, 0xE6, 0xE6, 0xE6, 0});
    TPlatine p;
    TReader r(rec, StreamSource::File);
    p.ReadPanel(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(r.Version().text, "1,00");
    ASSERT_EQ(p.ElementCount(), 1u);
    auto* d = dynamic_cast<TBohrung*>(p.Element(0));
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Centre, (MPoint{300, 400}));
    // Insertion point (-1, -1) becomes the lower left corner of the bounds.
    EXPECT_EQ(d->InsertPoint, (MPoint{200, 500}));
    EXPECT_EQ(p.SnapSpacing, 500);
    EXPECT_EQ(p.Width, 5000);
}

TEST(PanelRecord, CopyPasteAndUndo) {
    TPlatine p;
    TBackupStream undo;
    p.UndoStream = &undo;
    p.Width = 10000;
    for (int i = 0; i < 10; ++i) AddDrill(p, 100 + 200 * i, 100);
    p.Element(2)->SetSelected(true);
    p.Element(5)->SetSelected(true);
    p.Element(7)->SetSelected(true);
    MemoryStream clip;
    p.CopySelection(clip);
    EXPECT_EQ(clip.bytes[41], 2);
    EXPECT_EQ(clip.bytes[42], 3);  // three elements

    TPlatine q;
    q.Width = 7000;
    q.SetFrontplattenFarbe(0x00FF00);
    AddDrill(q, 1, 1);
    q.PasteFrom(clip);
    EXPECT_EQ(q.ElementCount(), 4u);
    EXPECT_EQ(q.SelectedCount(), 3u);
    EXPECT_FALSE(q.Element(0)->GetSelected());
    EXPECT_EQ(q.Width, 7000);
    EXPECT_EQ(q.StoredFrontplattenFarbe(), 0x00FF00u);
    EXPECT_EQ(q.EditMode(), emPaste);
    EXPECT_TRUE(q.State.dragging);

    // Undo restores elements and properties of the snapshot, nothing selected.
    p.SelectAll(false);
    p.SaveUndo();
    p.Width = 20000;
    p.GridVisible = true;
    p.SetFrontplattenFarbe(0);
    p.ClearAll();
    p.Undo();
    EXPECT_EQ(p.ElementCount(), 10u);
    EXPECT_EQ(p.SelectedCount(), 0u);
    EXPECT_EQ(p.Width, 10000);
    EXPECT_FALSE(p.GridVisible);
    EXPECT_EQ(p.StoredFrontplattenFarbe(), 0xE6E6E6u);
    EXPECT_FALSE(p.UndoAvailable());
    p.ClearAll();
    p.Undo();  // a second undo does nothing
    EXPECT_EQ(p.ElementCount(), 0u);
}

TEST(PanelRecord, EmptyClipboardPastesNothing) {
    TPlatine p;
    MemoryStream empty;
    p.PasteFrom(empty);
    EXPECT_EQ(p.ElementCount(), 0u);
    EXPECT_EQ(p.EditMode(), emStandard);
    empty.bytes = {2};
    p.PasteFrom(empty);
    EXPECT_EQ(p.ElementCount(), 0u);
}

TEST(PanelRecord, PlaceSymbolPutsTheInsertionPointOnTheGrid) {
    TPlatine lib;
    auto g = std::make_unique<TGruppe>();
    auto d = std::make_unique<TBohrung>();
    d->Centre = {1234, 567};
    g->AddMember(std::move(d));
    g->InsertPoint = {1234, 567};
    lib.AddElement(std::move(g))->SetSelected(true);
    MemoryStream symbol;
    lib.CopySelection(symbol);
    TPlatine p;
    p.SetZoom(1);
    p.SnapSpacing = 500;
    p.PlaceSymbol(symbol);
    ASSERT_EQ(p.ElementCount(), 1u);
    // The insertion point lies at pixel (25, 11), that is (1250, 550), which snaps to (1500, 500).
    EXPECT_EQ(p.State.dragOffset, (MPoint{-266, 67}));
}

TEST(PanelRecord, DamagedDataEndsTheReadAndKeepsWhatWasRead) {
    TPlatine p;
    for (int i = 0; i < 3; ++i) AddDrill(p, 100 * i, 0);
    std::vector<uint8_t> bytes = PanelBytes(p);
    // Cut inside the third element.
    std::vector<uint8_t> cut(bytes.begin(), bytes.end() - 60);
    TPlatine q;
    TReader r(cut, StreamSource::File);
    try {
        q.ReadPanel(r);
        FAIL();
    } catch (const StreamError& e) {
        EXPECT_STREQ(e.what(), "Stream-Read-Fehler");
    }
    EXPECT_EQ(q.ElementCount(), 3u);

    // An unknown class name.
    std::vector<uint8_t> unknown = bytes;
    size_t at = 43;  // after the header and the count
    ASSERT_EQ(unknown[at + 2], 'T');
    unknown[at + 3] = 'X';  // "TXohrung"
    TPlatine u;
    TReader ru(unknown, StreamSource::File);
    try {
        u.ReadPanel(ru);
        FAIL();
    } catch (const StreamError& e) {
        EXPECT_STREQ(e.what(), "Klasse TXohrung nicht gefunden");
    }
    EXPECT_EQ(u.ElementCount(), 0u);
}

TEST(PanelRecord, GroupsNestedBeyondAnyDocumentAreRefused) {
    // A chain of groups 1000 deep must not exhaust the stack.
    std::vector<uint8_t> bytes(41, 0);
    std::memcpy(bytes.data() + 37, "2,02", 4);
    bytes.insert(bytes.end(), {2, 1});
    TBauteil base;
    std::vector<uint8_t> baseRecord;
    TWriter w(baseRecord);
    base.Write(w);
    for (int i = 0; i < 1000; ++i) {
        bytes.insert(bytes.end(), {6, 7, 'T', 'G', 'r', 'u', 'p', 'p', 'e'});
        bytes.insert(bytes.end(), baseRecord.begin(), baseRecord.end());
        bytes.insert(bytes.end(), {2, 0});
        bytes.insert(bytes.end(), 41, 0);
    }
    TPlatine p;
    TReader r(bytes, StreamSource::File);
    EXPECT_THROW(p.ReadPanel(r), StreamError);
}

TEST(Document, LayoutWithViewsAndPanels) {
    TPlatine a, b, c;
    a.Name.SetText("Eins");
    b.Name.SetText("Zwei");
    c.Name.SetText("Drei");
    AddDrill(b, 10, 20);
    std::vector<TView> views{{1.5L, 2.5L, 3000, 2000, 1, "Detail"}, {0, 0, 5000, 5000, 0, "Alles"}};
    std::vector<uint8_t> bytes;
    WriteDocument(bytes, {&a, &b, &c}, views);

    TPlatine first;
    std::vector<std::unique_ptr<TPlatine>> more;
    std::vector<TView> readViews;
    ReadDocument(bytes, first, [&]() -> TPlatine& { return *more.emplace_back(std::make_unique<TPlatine>()); },
                 readViews);
    EXPECT_EQ(first.Name.Text(), "Eins");
    ASSERT_EQ(more.size(), 2u);
    EXPECT_EQ(more[0]->Name.Text(), "Zwei");
    EXPECT_EQ(more[0]->ElementCount(), 1u);
    EXPECT_EQ(more[1]->Name.Text(), "Drei");
    EXPECT_EQ(readViews, views);

    std::vector<uint8_t> again;
    WriteDocument(again, {&first, more[0].get(), more[1].get()}, readViews);
    EXPECT_EQ(again, bytes);
}

TEST(Document, PanelCountBeyondTheDataMakesNoEmptyPanels) {
    TPlatine a;
    std::vector<uint8_t> bytes;
    WriteDocument(bytes, {&a}, {});
    bytes.back() = 0x7F;  // panel count 127, no records follow
    TPlatine first;
    int made = 0;
    std::vector<std::unique_ptr<TPlatine>> more;
    std::vector<TView> views;
    ReadDocument(bytes, first, [&]() -> TPlatine& {
        ++made;
        return *more.emplace_back(std::make_unique<TPlatine>());
    }, views);
    EXPECT_EQ(made, 0);
}

TEST(Document, FilesAreReplacedOnlyWhenComplete) {
    std::string dir = ::testing::TempDir();
    std::string path = dir + "/doc.fpl";
    std::vector<uint8_t> data{1, 2, 3};
    WriteWholeFile(path, data);
    EXPECT_EQ(ReadWholeFile(path), data);
    try {
        ReadWholeFile(dir + "/missing.fpl");
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Datei " + dir + "/missing.fpl kann nicht geöffnet werden");
    }
    EXPECT_THROW(WriteWholeFile(dir + "/no/such/dir/x.fpl", data), FileError);
    EXPECT_EQ(ReadWholeFile(path), data);
}

}  // namespace
