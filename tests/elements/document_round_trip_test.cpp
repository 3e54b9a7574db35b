#include <gtest/gtest.h>

#include "element_test_support.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/kreis.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"

using namespace pw;
using namespace pw::test;

namespace {

// One element of every kind, as the drawing tools leave them.
void FillPanel(TPlatine& panel) {
    auto line = std::make_unique<TLinie>();
    line->AddPoint({100, 100});
    line->AddPoint({900, 300});
    line->AddPoint({500, 800});
    line->SetGlaetten(true);
    line->SetGlaettenStil(glRundung);
    line->SetGlaettenBetrag(150);
    panel.AddElement(std::move(line));
    auto rect = std::make_unique<TRechteck>();
    for (MPoint p : {MPoint{1000, 1000}, MPoint{2000, 1000}, MPoint{2000, 1500}, MPoint{1000, 1500}})
        rect->AddPoint(p);
    rect->KindCode = kcCircle;  // as the rectangle tool marks it
    panel.AddElement(std::move(rect));
    auto poly = std::make_unique<TPolygon>();
    for (MPoint p : {MPoint{3000, 3000}, MPoint{3500, 3100}, MPoint{3200, 3600}}) poly->AddPoint(p);
    panel.AddElement(std::move(poly));
    auto circle = std::make_unique<TKreis>();
    circle->Centre = {5000, 5000};
    circle->RimPoint = {5400, 5300};
    circle->BuildContour();
    panel.AddElement(std::move(circle));
    auto arc = std::make_unique<TBogen>();
    arc->Centre = {8000, 8000};
    arc->RimPoint = arc->StartPoint = {8600, 8000};
    arc->EndPoint = {8000, 7000};
    arc->SetStil(TBogen::kPie);
    arc->BuildArc();
    panel.AddElement(std::move(arc));
    auto group = std::make_unique<TGruppe>();
    auto hole = std::make_unique<TBohrung>();
    hole->Centre = {12000, 12000};
    group->AddMember(std::move(hole));
    auto inner = std::make_unique<TKreis>();
    inner->Centre = {12000, 12000};
    inner->RimPoint = {12600, 12000};
    inner->BuildContour();
    group->AddMember(std::move(inner));
    panel.AddElement(std::move(group));
}

TEST(Document, PanelOfEveryElementKindSavesAndLoadsUnchanged) {
    TPlatine original;
    FillPanel(original);
    Bytes first;
    original.WritePanel(first, false);
    for (StreamSource source : {StreamSource::File, StreamSource::Undo}) {
        TPlatine loaded;
        TReader r(first, source);
        loaded.ReadPanel(r);
        EXPECT_EQ(r.Remaining(), 0u);
        ASSERT_EQ(loaded.ElementCount(), 6u);
        for (size_t i = 0; i < 6; ++i) {
            EXPECT_STREQ(loaded.Element(i)->ClassName(), original.Element(i)->ClassName());
            EXPECT_EQ(loaded.Element(i)->GetBounds(), original.Element(i)->GetBounds()) << i;
        }
        Bytes second;
        loaded.WritePanel(second, false);
        EXPECT_EQ(second, first);
    }
}

TEST(Document, LoadedElementsPaintAndHitAsBefore) {
    TPlatine original;
    FillPanel(original);
    Bytes bytes;
    original.WritePanel(bytes, false);
    TPlatine loaded;
    TReader r(bytes, StreamSource::File);
    loaded.ReadPanel(r);
    PanelCanvas a, b;
    for (size_t i = 0; i < loaded.ElementCount(); ++i) {
        original.Element(i)->SetSelected(true);
        original.Element(i)->Paint(a);
        loaded.Element(i)->Paint(b);
        for (IPoint p : {IPoint{5000, 5000}, IPoint{8300, 7700}, IPoint{12000, 12000}, IPoint{1500, 1000}})
            EXPECT_EQ(loaded.Element(i)->HitTest(p, b), original.Element(i)->HitTest(p, a)) << i;
    }
    ASSERT_EQ(a.calls.size(), b.calls.size());
    for (size_t i = 0; i < a.calls.size(); ++i) EXPECT_EQ(a.calls[i].pts, b.calls[i].pts) << i;
}

}  // namespace
