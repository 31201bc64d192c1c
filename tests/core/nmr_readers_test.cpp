// The readers on the ASDF forms and on damaged or unsupported data: every case reads to
// the values expected or to one line saying why not.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

#include "NmrData.h"
#include "nmr/AsdfLine.h"
#include "nmr/NmrOpen.h"

namespace quorbel::testing {
namespace {

namespace fs = std::filesystem;

struct AsdfCase {
    const char* name;
    const char* lines;
    std::vector<double> values;  // expected, when `error` is empty
    const char* error;
};
void PrintTo(const AsdfCase& c, std::ostream* out) {
    *out << c.name;
}

class AsdfLines : public ::testing::TestWithParam<AsdfCase> {};

TEST_P(AsdfLines, DecodeToTheirValues) {
    const AsdfCase& c = GetParam();
    nmr::AsdfTable table(0, 1);
    std::istringstream in(c.lines);
    std::string error;
    bool ok = true;
    for (std::string line; ok && std::getline(in, line);) ok = table.AddLine(line, &error);
    if (*c.error == '\0') {
        ASSERT_TRUE(ok) << error;
        EXPECT_EQ(table.Values(), c.values);
    } else {
        EXPECT_FALSE(ok);
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

const AsdfCase kAsdf[] = {
    {"affn", "0 1 2, 3 -4\n4 5E+01 -.5", {1, 2, 3, -4, 50, -0.5}, ""},
    {"sqz", "0@A1B2c3\n4i", {0, 11, 22, -33, -9}, ""},
    {"dif_with_check", "0A%J1j2\n3@J", {1, 1, 12, 0, 1}, ""},
    {"dup_of_value", "0A5T@", {15, 15, 0}, ""},
    {"dup_of_difference", "0AJT", {1, 2, 3}, ""},
    {"dup_after_check", "0AJ\n1BT", {1, 2, 2}, ""},
    {"final_check_line", "0AJJ\n2C", {1, 2, 3}, ""},
    {"check_differs", "0AJ\n1C", {}, "check value"},
    {"check_missing", "0AJ\n1J", {}, "check value is missing"},
    {"line_dropped", "0ABC\n7D", {}, "abscissa"},
    {"no_abscissa", "A1B2", {}, "abscissa"},
    {"unknown_character", "0A?", {}, "not a number"},
    {"repeat_first", "0T", {}, "repeat"},
    {"difference_first", "0J", {}, "difference"},
};

INSTANTIATE_TEST_SUITE_P(Forms, AsdfLines, ::testing::ValuesIn(kAsdf),
                         [](const auto& info) { return std::string(info.param.name); });

// A copy of the aspirin experiment folder (or JCAMP-DX file) that a case damages.
class DamagedData : public ::testing::Test {
  protected:
    DamagedData() {
        std::random_device seed;
        root_ = fs::temp_directory_path() / ("quorbel-nmr-" + std::to_string(seed()));
        fs::create_directories(root_);
        fs::copy(NmrData("aspirin-1h/1"), root_ / "exp", fs::copy_options::recursive);
        fs::copy(NmrData("aspirin-1h.fid.dx"), root_ / "fid.dx");
        for (const auto& entry : fs::recursive_directory_iterator(root_))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
    }
    ~DamagedData() override { fs::remove_all(root_); }

  public:
    fs::path Path(const std::string& relative) const { return root_ / relative; }
    void Write(const std::string& relative, const std::string& bytes) const {
        std::ofstream(Path(relative), std::ios::binary | std::ios::trunc) << bytes;
    }
    // The file's text with `from` replaced by `to` (the first occurrence).
    void Replace(const std::string& relative, const std::string& from, const std::string& to) {
        std::string text = FileBytes(Path(relative));
        const std::size_t at = text.find(from);
        if (at == std::string::npos) return ADD_FAILURE() << from;
        Write(relative, text.replace(at, from.size(), to));
    }

  private:
    fs::path root_;
};

struct DamageCase {
    const char* name;
    std::function<void(DamagedData&)> damage;
    const char* path;
    const char* said;
};

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.name;
}

class Damage : public DamagedData, public ::testing::WithParamInterface<DamageCase> {};

TEST_P(Damage, IsSaidInOneLine) {
    GetParam().damage(*this);
    const nmr::FidRead read = nmr::ReadNmrData(Path(GetParam().path));
    ASSERT_FALSE(read.fid);
    EXPECT_NE(read.error.find(GetParam().said), std::string::npos) << read.error;
    EXPECT_EQ(read.error.find('\n'), std::string::npos) << read.error;
    EXPECT_LT(read.error.size(), 200u);
}

const DamageCase kDamage[] = {
    {"fid_cut", [](DamagedData& d) { d.Write("exp/fid", std::string(1000, '\1')); }, "exp",
     "fewer points"},
    {"fid_missing", [](DamagedData& d) { fs::remove(d.Path("exp/fid")); }, "exp", "does not exist"},
    {"acqus_missing", [](DamagedData& d) { fs::remove(d.Path("exp/acqus")); }, "exp/fid",
     "does not exist"},
    {"acqus_garbage", [](DamagedData& d) { d.Write("exp/acqus", "\x7f\x45garbage##="); }, "exp",
     "DTYPA"},
    {"quadrature_2", [](DamagedData& d) { d.Replace("exp/acqus", "$AQ_mod= 1", "$AQ_mod= 2"); },
     "exp", "AQ_mod 2"},
    {"two_dimensional", [](DamagedData& d) { d.Write("exp/ser", "x"); }, "exp", "2D"},
    {"parmode_1", [](DamagedData& d) { d.Replace("exp/acqus", "$PARMODE= 0", "$PARMODE= 1"); },
     "exp", "2D"},
    {"dtypa_1", [](DamagedData& d) { d.Replace("exp/acqus", "$DTYPA= 0", "$DTYPA= 1"); }, "exp",
     "DTYPA"},
    {"td_missing", [](DamagedData& d) { d.Replace("exp/acqus", "$TD=", "$TX="); }, "exp", "TD"},
    {"filter_unknown", [](DamagedData& d) { d.Replace("exp/acqus", "$DSPFVS= 10", "$DSPFVS= 14"); },
     "exp", "delay"},
    {"sw_missing", [](DamagedData& d) { d.Replace("exp/acqus", "$SW_h=", "$SW_x="); }, "exp",
     "SW_h"},
    {"jcamp_spectrum",
     [](DamagedData& d) { d.Replace("fid.dx", "DATA TYPE= NMR FID", "DATA TYPE= NMR SPECTRUM"); },
     "fid.dx", "not an FID"},
    {"jcamp_ir",
     [](DamagedData& d) { d.Replace("fid.dx", "DATA TYPE= NMR FID", "DATA TYPE= INFRARED"); },
     "fid.dx", "not an NMR FID"},
    {"jcamp_check", [](DamagedData& d) { d.Replace("fid.dx", "\n102B18789", "\n102B18788"); },
     "fid.dx", "check value"},
    {"jcamp_line_dropped",
     [](DamagedData& d) {
         d.Replace("fid.dx",
                   "35B96c34C70d13D55e03E52f10F80g54H37i30A035a159A310a489A699a961B301\r\n", "");
     },
     "fid.dx", "abscissa"},
    {"jcamp_cut",
     [](DamagedData& d) { d.Write("fid.dx", FileBytes(d.Path("fid.dx")).substr(0, 60000)); },
     "fid.dx", "VAR_DIM"},
    {"jcamp_dimension",
     [](DamagedData& d) { d.Replace("fid.dx", "8192,          8192", "8192,          8000"); },
     "fid.dx", "damaged"},
    {"jcamp_quadrature", [](DamagedData& d) { d.Replace("fid.dx", "$AQ_mod= 1", "$AQ_mod= 0"); },
     "fid.dx", "AQ_mod 0"},
    {"jcamp_garbage", [](DamagedData& d) { d.Write("fid.dx", "hello\n\x01\x02"); }, "fid.dx",
     "not a JCAMP-DX"},
    {"jcamp_page_missing",
     [](DamagedData& d) { d.Replace("fid.dx", "(X++(I..I))", "(X++(R..R))"); }, "fid.dx",
     "imaginary page"},
};

INSTANTIATE_TEST_SUITE_P(Readers, Damage, ::testing::ValuesIn(kDamage),
                         [](const auto& info) { return std::string(info.param.name); });

// The same FID written in the other forms a folder may hold reads to the same points.
TEST_F(DamagedData, OtherFormsOfTheFidReadAlike) {
    const nmr::FidRead original = nmr::ReadNmrData(Path("exp"));
    ASSERT_TRUE(original.fid) << original.error;
    // Little-endian 64-bit floats, padded past TD with zeros.
    std::string bytes;
    for (const std::complex<double>& v : original.fid->points)
        for (const double part : {v.real(), v.imag()})
            bytes.append(reinterpret_cast<const char*>(&part), sizeof part);
    Write("exp/fid", bytes + std::string(2048, '\0'));
    Replace("exp/acqus", "$DTYPA= 0", "$DTYPA= 2");
    Replace("exp/acqus", "$BYTORDA= 1", "$BYTORDA= 0");
    const nmr::FidRead floats = nmr::ReadNmrData(Path("exp"));
    ASSERT_TRUE(floats.fid) << floats.error;
    EXPECT_EQ(floats.fid->points, original.fid->points);
    // TDeff shortens it; no processing parameters at all gives the acquisition's.
    Replace("exp/pdata/1/procs", "$TDeff= 16384", "$TDeff= 1000");
    EXPECT_EQ(nmr::ReadNmrData(Path("exp")).fid->points.size(), 500u);
    fs::remove(Path("exp/pdata/1/procs"));
    const nmr::FidRead bare = nmr::ReadNmrData(Path("exp"));
    ASSERT_TRUE(bare.fid) << bare.error;
    EXPECT_EQ(bare.fid->stored.size, 8192);
    EXPECT_DOUBLE_EQ(bare.fid->stored.sf, 300.13);
    EXPECT_NEAR(bare.fid->stored.offsetPpm, (2250.975 + 4789.27203065134 / 2) / 300.13, 1e-12);
    EXPECT_DOUBLE_EQ(bare.fid->groupDelay, 61.020833);
}

}  // namespace
}  // namespace quorbel::testing
