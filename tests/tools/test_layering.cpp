// The folders form one downward order: a file includes only headers of its
// own folder and of folders below it, and CMake links each folder's library
// only with libraries below it. These tests read the source tree, so the
// order stays true as the code grows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// Level of each folder that is a library; folders on one level may not
// include each other. The programs (shell/main.cpp aside) and tools sit on
// top and may include anything, as may tests and benchmarks.
static const std::map<std::string, int> LEVEL = {
    {"common", 0}, {"records", 1}, {"files", 2}, {"world", 2}, {"flight", 3},
    {"controls", 4}, {"sound", 4}, {"view", 5}, {"panel", 5}, {"atc", 5},
    {"output", 6}, {"shell", 7},
};

static std::string source_dir()
{
    const char *env = getenv("VORTAN_SOURCE_DIR");
    return env ? env : VORTAN_BUILD_SOURCE_DIR;
}

static int level_of(const std::string &folder)
{
    auto it = LEVEL.find(folder);
    return it == LEVEL.end() ? -1 : it->second;
}

// "a may use b": b is a's own folder or lies below it.
static bool may_use(const std::string &a, const std::string &b)
{
    return a == b || level_of(b) < level_of(a);
}

TEST(Layering, NoFileIncludesAHeaderOfAFolderAboveItsOwn)
{
    const std::regex include_re(R"re(^\s*#\s*include\s*"([a-z_]+)/[^"]+")re");
    std::vector<std::string> upward;
    int nfiles = 0;
    for (const auto &[folder, level] : LEVEL) {
        fs::path dir = fs::path(source_dir()) / folder;
        ASSERT_TRUE(fs::is_directory(dir)) << dir;
        for (const auto &entry : fs::directory_iterator(dir)) {
            std::string ext = entry.path().extension();
            if (ext != ".cpp" && ext != ".h")
                continue;
            // The simulator's entry point is the program, above the shell.
            if (folder == "shell" && entry.path().filename() == "main.cpp")
                continue;
            nfiles++;
            std::ifstream in(entry.path());
            std::string line;
            int n = 0;
            while (std::getline(in, line)) {
                n++;
                std::smatch m;
                if (!std::regex_search(line, m, include_re))
                    continue;
                std::string target = m[1];
                if (level_of(target) >= 0 && !may_use(folder, target))
                    upward.push_back(folder + "/" + entry.path().filename().string() + ":" +
                                     std::to_string(n) + " includes " + target + "/");
            }
        }
    }
    EXPECT_GT(nfiles, 100);
    std::string all;
    for (const auto &u : upward)
        all += u + "\n";
    EXPECT_TRUE(upward.empty()) << all;
}

TEST(Layering, EachLibraryLinksOnlyLibrariesBelowIt)
{
    std::ifstream in(fs::path(source_dir()) / "CMakeLists.txt");
    std::stringstream ss;
    ss << in.rdbuf();
    std::string text = ss.str();
    const std::regex lib_re(R"re(vortan_library\(([a-z_]+)([^)]*)\))re");
    int nlibs = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), lib_re), end; it != end; ++it) {
        std::string name = (*it)[1];
        if (name == "name")
            continue;   // the function's own definition
        nlibs++;
        ASSERT_GE(level_of(name), 0) << name << " is not in the folder order";
        std::istringstream deps((*it)[2].str());
        std::string dep;
        while (deps >> dep)
            EXPECT_TRUE(level_of(dep) >= 0 && level_of(dep) < level_of(name))
                << name << " links " << dep;
    }
    EXPECT_EQ(nlibs, (int)LEVEL.size());
}
