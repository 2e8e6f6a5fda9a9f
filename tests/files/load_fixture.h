// Fixture for the aircraft-loading tests: a private program folder with
// airfoils/, flaps/ and Aircraft/, fixture airfoil and flap files written by
// Foilwright's writer under whatever names a design uses, and helpers to
// save a design from Airwright's record and load it.
#pragma once
#include <cstring>
#include <filesystem>
#include <string>

#include "common/testsupport.h"
#include "files/files.h"
#include "flight/load_local.h"
#include "flight/flight.h"
#include "panel/panel.h"
#include "shell/shell.h"
#include "tests/files/sample.h"
#include "tools/aircraft/defaults.h"


// The source tree, which holds the shipped data/.
inline std::string source_tree()
{
    const char *src = getenv("VORTAN_SOURCE_DIR");
    return src && *src ? src : VORTAN_SOURCE_TREE;
}

class LoadTest : public UserFolderTest {
  protected:
    std::string prog;
    void SetUp() override
    {
        UserFolderTest::SetUp();
        fill_constants();
        test_reset_layer();
        prog = (dir / "program").string() + "/";
        for (const char *sub : {"airfoils", "flaps", "Aircraft"})
            std::filesystem::create_directories(prog + sub);
        memset(&pln, 0, sizeof pln);
        memset(&afl, 0, sizeof afl);
        C_to_C(prog.c_str(), pln.C_appdir);
    }
    void TearDown() override
    {
        load_report_close();
        test_reset_layer();
        UserFolderTest::TearDown();
    }
    // An airfoil at Re million, with its stall at 15.5 degrees.
    void write_foil(const std::string &name, float Re)
    {
        sample::fill_airfoil_tables();
        foilwright::afl.Re = Re;
        ASSERT_EQ(foilwright::writeoutpart((prog + "airfoils/" + name).c_str(), foilwright::DEVICE_AIRFOIL), 1);
    }
    // Fixture files for every airfoil and flap name of airwright::pln; a
    // file used as a high-Reynolds partner gets 1.5 million more.
    void write_parts_of_design()
    {
        using airwright::pln;
        for (int p = 0; p < MAX_PARTS; p++) {
            for (const char *lo : {pln.Rafl0[p], pln.Tafl0[p]})
                if (*lo && !std::filesystem::exists(prog + "airfoils/" + lo))
                    write_foil(lo, 3.0f);
            for (const char *hi : {pln.Rafl1[p], pln.Tafl1[p]})
                if (*hi && !std::filesystem::exists(prog + "airfoils/" + hi))
                    write_foil(hi, 4.5f);
        }
        if (*pln.flap_str) {
            sample::fill_flap_tables();
            ASSERT_EQ(foilwright::writeoutpart((prog + "flaps/" + pln.flap_str).c_str(), foilwright::DEVICE_FLAP), 1);
        }
    }
    // Saves airwright::pln as Aircraft/<file> with its parts, and points the
    // simulator at it.
    void save(const std::string &file)
    {
        write_parts_of_design();
        ASSERT_EQ(airwright::writeout_file((prog + "Aircraft/" + file).c_str()), 1);
        C_to_C(("Aircraft/" + file).c_str(), pln.C_file);
    }
    // The trainer definition, changed by `edit`, saved and loaded.
    template <class Edit> void load_trainer_with(Edit edit, const std::string &file = "Bad.acf")
    {
        DEFAULT_AIRCRAFT[0].build();
        edit(airwright::pln);
        save(file);
        load_plane(nullptr);
    }
    std::string report(const char *name = "Vortan.out")
    {
        char path[MAX_STR];
        user_file_path(USER_DATA, name, path);
        return sample::slurp(path);
    }
};
