#pragma once
// A main window on the offscreen platform with a temporary program directory, scripted
// message boxes and dialogs, and helpers that put elements on its panels.

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QTabBar>
#include <filesystem>
#include <fstream>
#include <memory>

#include "elements/linie.h"
#include "elements/rechteck.h"
#include "panel/document.h"
#include "ui/main/main_window.h"
#include "ui/panel/panel_view.h"
#include "ui_test_support.h"

namespace pw::test {

struct WindowFixture : ::testing::Test {
    TempDir home;
    ScriptedPrompts prompts;
    ScriptedDialogs dialogs;
    LanguageScope language;
    std::unique_ptr<MainWindow> window;
    // The document named on the command line.
    std::optional<std::string> commandLine;
    // The program's own dialogs rather than the scripted ones.
    bool programDialogs = false;

    ~WindowFixture() override { Close(); }

    void Open(bool english = false) {
        if (english) home.Write("SPRACHE.INI", "[Sprache]\r\nSprache=1\r\n");
        MainWindowOptions options;
        options.dirs.home = home.Path() + "/";
        options.dirs.data = std::string(PW_DATA_DIR) + "/";
        options.prompts = &prompts;
        options.dialogs = programDialogs ? nullptr : &dialogs;
        options.titlePicture = false;
        options.document = commandLine;
        window = std::make_unique<MainWindow>(options);
        window->resize(1100, 760);
        window->show();
        window->Start();
        // Then the event loop runs, as in the program: the window becomes active.
        QCoreApplication::processEvents();
    }

    // Closes the window as the user would (the save prompt may still ask).
    void Close() {
        if (!window) return;
        window->close();
        window.reset();
    }

    TPlatine& Panel() { return window->CurrentPanel(); }
    QAction* Action(const char* name) { return window->Action(name); }
    void Trigger(const char* name) {
        QAction* a = Action(name);
        ASSERT_NE(a, nullptr) << name;
        ASSERT_TRUE(a->isEnabled()) << name;
        a->trigger();
    }

    // A closed contour of pen width 0, so that its bounds are its corners (model units).
    TRechteck* AddBox(Real x1, Real y1, Real x2, Real y2) {
        auto r = std::make_unique<TRechteck>();
        for (MPoint p : {MPoint{x1, y1}, MPoint{x2, y1}, MPoint{x2, y2}, MPoint{x1, y2}}) r->AddPoint(p);
        r->SetStiftBreite(0);
        auto* added = static_cast<TRechteck*>(Panel().AddElement(std::move(r)));
        window->RefreshCommandStates();
        return added;
    }

    TLinie* AddLine(MPoint a, MPoint b) {
        auto l = std::make_unique<TLinie>();
        l->AddPoint(a);
        l->AddPoint(b);
        l->SetStiftBreite(0);
        auto* added = static_cast<TLinie*>(Panel().AddElement(std::move(l)));
        window->RefreshCommandStates();
        return added;
    }

    void Select(std::initializer_list<TBauteil*> elements) {
        for (TBauteil* e : elements) Panel().SelectElement(e, true);
        Panel().UpdateSelectionFrame();
        window->RefreshCommandStates();
    }

    static std::vector<uint8_t> Bytes(const std::string& path) { return ReadWholeFile(path); }

    static std::string Example() { return std::string(PW_DATA_DIR) + "/Beispiele/Beispiel.fpl"; }

    // The example documents copied into the program directory, as a first start does.
    void SeedExamples() {
        for (const char* dir : {"Beispiele", "Examples"}) std::filesystem::create_directories(home.File(dir));
        std::filesystem::copy_file(Example(), home.File("Beispiele/Beispiel.fpl"));
        std::filesystem::copy_file(std::string(PW_DATA_DIR) + "/Examples/Examples.fpl",
                                   home.File("Examples/Examples.fpl"));
    }

    // A document of the given panels written to a file.
    void WriteDocumentFile(const std::string& path, const std::vector<TPlatine*>& panels) {
        std::vector<uint8_t> bytes;
        WriteDocument(bytes, panels, {});
        WriteWholeFile(path, bytes);
    }
};

}  // namespace pw::test
