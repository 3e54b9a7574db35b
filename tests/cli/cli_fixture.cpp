#include "cli/cli_fixture.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "support/element_makers.h"

namespace pw::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pwcli-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    path_ = made ? made : pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::vector<std::string> TempDir::Listing() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

CliResult RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CliResult r;
    r.code = cli::Run(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

std::vector<uint8_t> SampleDocument() {
    TPlatine front, back;
    front.Name.SetText("Front");
    front.Width = 5000;
    front.Height = 2500;
    front.SnapSpacing = 50;
    front.GridOrigin = {100, 200};
    front.GridVisible = true;
    front.AddElement(Drill(500, 500, 150));
    TBauteil* second = front.AddElement(Drill(1000, 600, 500));
    second->Description.SetText("Poti");
    second->InsertPoint = {750, 850};
    auto group = std::make_unique<TGruppe>();
    group->GroupName.SetText("Gruppe");
    group->AddMember(Drill(2000, 1000, 200));
    auto inner = std::make_unique<TGruppe>();
    inner->AddMember(Drill(3000, 1500, 300));
    group->AddMember(std::move(inner));
    front.AddElement(std::move(group));

    back.Name.SetText("Back");
    back.Width = 4000;
    back.Height = 2000;
    back.SetFrontplattenFarbe(0x336699);
    back.AddElement(Drill(2000, 1000, 250));

    std::vector<TView> views = {{10, 5, 2500, 1250, 0, "Links oben"}, {0, 0, 4000, 2000, 1, "Rückseite"}};
    std::vector<uint8_t> bytes;
    WriteDocument(bytes, {&front, &back}, views);
    return bytes;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

}  // namespace pw::test
