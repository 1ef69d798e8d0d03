// Converting generated Quarix projects in-process: 2,000 files and 4 configurations (about 2 MB
// of .zat) and four times as many files. BM_Convert runs the three stages together as the driver
// does; BM_Read, BM_Translate and BM_Write time one stage each. BM_TreeMultiple and
// BM_TreeSingles convert a tree of 500 small and medium projects of both families once in
// multiple mode and once project by project in single mode.
//
// The projects are written by make_large_project, which must be built next to this program
// (build-dir/tools/make_large_project; bench/run_scale.sh builds both).
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "conversion/ConversionDriver.h"
#include "kor/KorProjectWriter.h"
#include "platform/AllocatorTuning.h"
#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "platform/TextFile.h"
#include "translation/ProjectTranslator.h"
#include "zat/ZatProjectReader.h"

namespace {

using namespace z2k;
namespace fs = std::filesystem;

const char* const kQuarix = "Quarix RISC engine";

fs::path generator() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return self.parent_path().parent_path() / "tools" / "make_large_project";
}

int run(const std::string& command) {
    return std::system(command.c_str());
}

std::string quotedArg(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// A temporary folder mapped as drive D: for the whole run, with the generated projects in it:
// D:\one\large.zat (1x), D:\four\large.zat (4x) and the tree below D:\tree.
class Projects {
  public:
    Projects() {
        std::string pattern = (fs::temp_directory_path() / "z2k-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;
        path_ = pattern;
        settings.drives.map('D', path_.string());
        settings.keepBackups = false;
        const std::string tool = quotedArg(generator().string());
        const std::string one = quotedArg((path_ / "one" / "large.zat").string());
        const std::string four = quotedArg((path_ / "four" / "large.zat").string());
        const std::string tree = quotedArg((path_ / "tree").string());
        const std::string manifest = quotedArg((path_ / "manifest.txt").string());
        ready_ = run(tool + " project " + one + " 'D:\\one'") == 0 &&
                 run(tool + " project --scale 4 " + four + " 'D:\\four'") == 0 &&
                 run(tool + " tree " + tree + " 'D:\\tree' > " + manifest) == 0;
        if (!ready_) return;
        // Family, tab, path relative to the tree.
        std::FILE* file = std::fopen((path_ / "manifest.txt").c_str(), "r");
        if (file == nullptr) return;
        char line[512];
        while (std::fgets(line, sizeof line, file) != nullptr) {
            std::string text = line;
            if (!text.empty() && text.back() == '\n') text.pop_back();
            const std::size_t tab = text.find('\t');
            if (tab == std::string::npos || text.substr(0, tab) != kQuarix) continue;
            std::string system = "D:\\tree\\";
            for (char c : text.substr(tab + 1)) system += c == '/' ? '\\' : c;
            matchingTreeProjects_.push_back(system);
        }
        std::fclose(file);
    }
    ~Projects() {
        std::error_code ignored;
        if (!path_.empty()) fs::remove_all(path_, ignored);
    }
    bool ready() const { return ready_; }
    const fs::path& path() const { return path_; }
    const std::vector<std::string>& matchingTreeProjects() const { return matchingTreeProjects_; }
    // D: mapped, the single-byte code page, no backups.
    HostSettings settings;
    ZatReadOptions readOptions() const {
        ZatReadOptions options;
        options.settings = settings;
        return options;
    }

  private:
    fs::path path_;
    bool ready_ = false;
    std::vector<std::string> matchingTreeProjects_;
};

Projects& projects() {
    static Projects instance;
    return instance;
}

std::string largeProject(const benchmark::State& state) {
    return state.range(0) == 1 ? "D:\\one\\large.zat" : "D:\\four\\large.zat";
}

fs::path hostOf(const std::string& systemPath) {
    return systemToHostPath(systemPath, projects().settings).value_or(std::string());
}

void countBytes(benchmark::State& state, const std::string& zat) {
    std::error_code error;
    const auto in = fs::file_size(hostOf(zat), error);
    const auto out = fs::file_size(hostOf(zat.substr(0, zat.size() - 4) + ".krp"), error);
    if (error) return;
    state.counters["zat_MB"] = static_cast<double>(in) / 1e6;
    state.counters["krp_MB"] = static_cast<double>(out) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(in + out));
}

bool ready(benchmark::State& state) {
    if (projects().ready()) return true;
    state.SkipWithError(("cannot generate the projects with " + generator().string()).c_str());
    return false;
}

void BM_Convert(benchmark::State& state) {
    if (!ready(state)) return;
    const std::string zat = largeProject(state);
    ConversionRequest request;
    request.settings = projects().settings;
    ConversionDriver driver(request);
    for (auto _ : state) {
        std::string krp;
        if (driver.convertProject(zat, krp) != ProjectResult::Converted)
            state.SkipWithError("conversion failed");
    }
    countBytes(state, zat);
}

void BM_Read(benchmark::State& state) {
    if (!ready(state)) return;
    const std::string zat = largeProject(state);
    std::size_t files = 0;
    for (auto _ : state) {
        const ZatReadResult read = readZatProject(zat, projects().readOptions());
        if (!read.project)
            state.SkipWithError("read failed");
        else
            files = read.project->projectFiles.size();
    }
    state.counters["files"] = static_cast<double>(files);
}

void BM_Translate(benchmark::State& state) {
    if (!ready(state)) return;
    const std::string zat = largeProject(state);
    const ZatReadResult read = readZatProject(zat, projects().readOptions());
    if (!read.project) {
        state.SkipWithError("read failed");
        return;
    }
    const std::string krp = zat.substr(0, zat.size() - 4) + ".krp";
    for (auto _ : state) {
        if (!translateProject(*read.project, krp, {nullptr, false, projects().settings.codePage}).project)
            state.SkipWithError("translation failed");
    }
}

void BM_Write(benchmark::State& state) {
    if (!ready(state)) return;
    const std::string zat = largeProject(state);
    const ZatReadResult read = readZatProject(zat, projects().readOptions());
    if (!read.project) {
        state.SkipWithError("read failed");
        return;
    }
    const std::string krp = zat.substr(0, zat.size() - 4) + ".krp";
    for (auto _ : state) {
        state.PauseTiming();
        Translation translation =
            translateProject(*read.project, krp, {nullptr, false, projects().settings.codePage});
        if (!translation.project) {
            state.SkipWithError("translation failed");
            break;
        }
        state.ResumeTiming();
        if (!writeKorProject(*translation.project, krp, {projects().settings, {}, nullptr, nullptr}).ok())
            state.SkipWithError("write failed");
    }
}

void BM_TreeMultiple(benchmark::State& state) {
    if (!ready(state)) return;
    for (auto _ : state) {
        ConversionRequest request;
        request.mode = ConversionMode::Multiple;
        request.settings = projects().settings;
        request.workspacePath = "D:\\tree\\all";
        request.cpuFamily = kQuarix;
        ConversionDriver driver(request);
        driver.run();
        if (driver.summary().converted != static_cast<int>(projects().matchingTreeProjects().size()))
            state.SkipWithError("not every matching project was converted");
    }
    state.counters["projects"] = static_cast<double>(projects().matchingTreeProjects().size());
}

void BM_TreeSingles(benchmark::State& state) {
    if (!ready(state)) return;
    for (auto _ : state) {
        for (const std::string& zat : projects().matchingTreeProjects()) {
            ConversionRequest request;
            request.mode = ConversionMode::Single;
            request.settings = projects().settings;
            request.zatProjectPath = zat;
            request.workspacePath = zat.substr(0, zat.rfind('\\') + 1) + "single";
            ConversionDriver driver(request);
            driver.run();
            if (driver.summary().converted != 1) state.SkipWithError("a single conversion failed");
        }
    }
    state.counters["projects"] = static_cast<double>(projects().matchingTreeProjects().size());
}

BENCHMARK(BM_Convert)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Read)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Translate)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Write)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TreeMultiple)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_TreeSingles)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

// The allocator settings of the front ends, so that the figures are those of the converter.
int main(int argc, char** argv) {
    keepLargeBlocksInHeap();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
