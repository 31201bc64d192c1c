// Number text, data lists and the opening-parameters file.
#include <gtest/gtest.h>

#include <atomic>
#include <cfloat>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "state/DataList.h"
#include "state/NumberText.h"
#include "state/ParamFile.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace quorbel {
namespace {
namespace fs = std::filesystem;

// --- Number text -----------------------------------------------------------------

TEST(NumberTextTest, IntegersHaveNoPointAndNoBlank) {
    EXPECT_EQ(NumberText(1024), "1024");
    EXPECT_EQ(NumberText(-1), "-1");
    EXPECT_EQ(NumberText(0), "0");
    EXPECT_EQ(NumberText(100), "100");
    EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
}

TEST(NumberTextTest, FractionsHaveALeadingZeroAndNoTrailingZeros) {
    EXPECT_EQ(NumberText(0.5), "0.5");
    EXPECT_EQ(NumberText(-0.25), "-0.25");
    EXPECT_EQ(NumberText(2.5), "2.5");
    EXPECT_EQ(NumberText(0.0001), "0.0001");
}

TEST(NumberTextTest, RoundsToFifteenSignificantDigits) {
    EXPECT_EQ(NumberText(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(NumberText(2.0 / 3), "0.666666666666667");
    EXPECT_EQ(NumberText(-2.0 / 3), "-0.666666666666667");
    EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(NumberText(3.14159265358979), "3.14159265358979");
    EXPECT_EQ(NumberText(1234567890123456.0), "1.23456789012346E+15");
}

TEST(NumberTextTest, TinyAndHugeMagnitudesUseExponentForm) {
    EXPECT_EQ(NumberText(1e-5), "1E-05");
    EXPECT_EQ(NumberText(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(NumberText(1e20), "1E+20");
    EXPECT_EQ(NumberText(1e15), "1E+15");
}

TEST(NumberTextTest, NegativeZeroIsZero) {
    EXPECT_EQ(NumberText(-0.0), "0");
}

TEST(NumberTextTest, TextReadsBackToTheSameText) {
    for (double v : {1.0 / 7, -2.0 / 3, 6.28318530717959 / 1024, 1e-9 / 3, 7e22 / 3, 440.0}) {
        const std::string text = NumberText(v);
        std::optional<double> back = ParseNumber(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(NumberText(*back), text);
    }
}

TEST(ParseNumberTest, AcceptsNumbersWithBlanksAround) {
    EXPECT_EQ(ParseNumber("0.5"), 0.5);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber(" 7 "), 7.0);
    EXPECT_EQ(ParseNumber("\t7\t"), 7.0);
    EXPECT_EQ(ParseNumber("-.5"), -0.5);
    EXPECT_EQ(ParseNumber("+3"), 3.0);
    EXPECT_EQ(ParseNumber("1E-05"), 1e-5);
    EXPECT_EQ(ParseNumber("2.5e3"), 2500.0);
}

TEST(ParseNumberTest, RefusesWhatIsNotWhollyANumber) {
    for (const char* text : {"abc", "", "   ", "1,5", "inf", "nan", "-inf", "+inf", "Infinity",
                             "+-3", "1 5", "5x", "0x10", ".", "-", "+"}) {
        EXPECT_FALSE(ParseNumber(text).has_value()) << '"' << text << '"';
    }
}

TEST(ParseNumberTest, MagnitudesBeyondDoubleAreRefusedTinyOnesBecomeZero) {
    for (const char* text : {"1e400", "-1e400", " 1e309 ", "99999e99999"}) {
        EXPECT_FALSE(ParseNumber(text).has_value()) << text;
    }
    EXPECT_EQ(ParseNumber("1e-400"), 0.0);
    EXPECT_EQ(ParseNumber("1.7976931348623157e308"), DBL_MAX);
    // Decimal-prefix reading keeps such a number finite.
    EXPECT_EQ(DecimalPrefix("1e400 Hz"), DBL_MAX);
    EXPECT_EQ(DecimalPrefix("-1e-400 Hz"), 0.0);
}

TEST(DecimalPrefixTest, ReadsTheLeadingNumberOrZero) {
    EXPECT_EQ(DecimalPrefix("1024abc"), 1024);
    EXPECT_EQ(DecimalPrefix("abc"), 0);
    EXPECT_EQ(DecimalPrefix(" 7 "), 7);
    EXPECT_EQ(DecimalPrefix(""), 0);
    EXPECT_EQ(DecimalPrefix("-2.5kg"), -2.5);
    EXPECT_EQ(DecimalPrefix("1,5"), 1);
    EXPECT_EQ(DecimalPrefix("inf"), 0);
    EXPECT_EQ(DecimalPrefix("nan"), 0);
}

TEST(WholeNumberTest, TruncatesTowardZero) {
    EXPECT_EQ(WholeNumber("7.9"), 7);
    EXPECT_EQ(WholeNumber("-7.9"), -7);
    EXPECT_EQ(WholeNumber("0.99"), 0);
    EXPECT_EQ(WholeNumber("1024 points"), 1024);
    EXPECT_EQ(WholeNumber("abc"), 0);
}

TEST(WholeNumberTest, ClampsToTheIntRange) {
    EXPECT_EQ(WholeNumber("2147483647"), INT_MAX);
    EXPECT_EQ(WholeNumber("-2147483648"), INT_MIN);
    EXPECT_EQ(WholeNumber("3000000000"), INT_MAX);
    EXPECT_EQ(WholeNumber("1e300"), INT_MAX);
    EXPECT_EQ(WholeNumber("-1e300"), INT_MIN);
    EXPECT_EQ(WholeNumber("1e400"), INT_MAX);
    EXPECT_EQ(WholeNumber("-1e400"), INT_MIN);
}

// --- Data lists ------------------------------------------------------------------

TEST(DataListTest, NumbersAreStoredAsTheirText) {
    DataList list;
    list.AddNumber(1024);
    list.AddNumber(1.0 / 3);
    list.AddNumber(-0.0);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"1024", "0.333333333333333", "0"}));
    // A value read back carries the rounding of its text.
    EXPECT_EQ(list.Value(1), 0.333333333333333);
    EXPECT_NE(list.Value(1), 1.0 / 3);
}

TEST(DataListTest, LinesPastEitherEndReadEmptyAndZero) {
    DataList list;
    list.Add("12.7");
    list.Add("abc");
    EXPECT_EQ(list.Line(2), "");
    EXPECT_EQ(list.Line(-1), "");
    EXPECT_EQ(list.Value(2), 0);
    EXPECT_EQ(list.Value(-1), 0);
    EXPECT_EQ(list.Value(1), 0);
    EXPECT_EQ(list.Whole(0), 12);
    EXPECT_EQ(list.Whole(5), 0);
    list.Clear();
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.Line(0), "");
}

// --- Opening-parameters file -----------------------------------------------------

// 32 values that are already in the system's number text, so they read back unchanged.
const std::vector<std::string> kValues = {
    "512", "44.1", "0.25", "1", "-1.5", "2", "2", "0",   "3",  "3",     "3.14159265358979",
    "0",   "4",    "0",    "1", "5",    "0", "0", "6",   "0",  "2",     "7",
    "0",   "2.5",  "8",    "0", "0",    "9", "0", "3.5", "10", "-0.001"};

std::string Join(const std::vector<std::string>& values, size_t from, size_t to,
                 const std::string& separator) {
    std::string out;
    for (size_t i = from; i < to; ++i) {
        if (i > from) out += separator;
        out += values[i];
    }
    return out;
}

// Points and cycles on the first line, then a, b and phase of one row per line.
std::string ElevenLines(const std::vector<std::string>& values) {
    std::string out = Join(values, 0, 2, ",") + "\r\n";
    for (size_t row = 0; row < 10; ++row)
        out += Join(values, 2 + 3 * row, 5 + 3 * row, ",") + "\r\n";
    return out;
}

std::vector<std::string> AsVector(const ParamRecord& record) {
    return {record.values.begin(), record.values.end()};
}

class ParamFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        std::string name = "quorbel-state-test-";
#if !defined(_WIN32)
        name += std::to_string(::getpid()) + "-";
#endif
        name += std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(counter++);
        dir_ = fs::temp_directory_path() / name;
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = dir_ / "Zparamfile.wr";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    void WriteFile(const std::string& content) const {
        std::ofstream out(path_, std::ios::binary);
        out << content;
    }
    std::string ReadFile() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::optional<ParamRecord> Load(const std::string& content) const {
        WriteFile(content);
        return ParamFile(path_).ReadAll();
    }

    fs::path dir_;
    fs::path path_;
};

TEST_F(ParamFileTest, ElevenLinesAndOneLineLoadTheSameValues) {
    auto eleven = Load(ElevenLines(kValues));
    auto one = Load(Join(kValues, 0, 32, ",") + "\r\n");
    ASSERT_TRUE(eleven.has_value());
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ(AsVector(*eleven), kValues);
    EXPECT_EQ(AsVector(*one), kValues);
    EXPECT_EQ(eleven->Points(), "512");
    EXPECT_EQ(eleven->Cycles(), "44.1");
    EXPECT_EQ(eleven->A(2), "3");
    EXPECT_EQ(eleven->Phase(2), "3.14159265358979");
    EXPECT_EQ(eleven->B(9), "10");
    EXPECT_EQ(eleven->Phase(9), "-0.001");
}

TEST_F(ParamFileTest, OneValuePerLineLoads) {
    auto record = Load(Join(kValues, 0, 32, "\r\n") + "\r\n");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(AsVector(*record), kValues);
    // Bare line feeds and no final line end read alike.
    record = Load(Join(kValues, 0, 32, "\n"));
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(AsVector(*record), kValues);
}

TEST_F(ParamFileTest, MixedSeparatorsWithBlanksAndTabsLoad) {
    std::string content = " 512 ,\t44.1\r\n\t0.25 , 1\n  -1.5\r\n\r\n";
    content += Join(kValues, 5, 20, " ,\t") + "\r\n" + Join(kValues, 20, 32, "\n") + " \t\r\n";
    auto record = Load(content);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(AsVector(*record), kValues);
}

TEST_F(ParamFileTest, ThirtyOneValuesAreNotEnough) {
    std::string error;
    WriteFile(Join(kValues, 0, 31, ",") + "\r\n");
    EXPECT_FALSE(ParamFile(path_).ReadAll(&error).has_value());
    EXPECT_FALSE(error.empty());
}

TEST_F(ParamFileTest, EmptyAndMissingFilesFail) {
    EXPECT_FALSE(ParamFile(path_).ReadAll().has_value());
    EXPECT_FALSE(Load("").has_value());
    EXPECT_FALSE(Load("\r\n\r\n").has_value());
}

TEST_F(ParamFileTest, ValuesAfterThe32ndAreIgnored) {
    auto record = Load(Join(kValues, 0, 32, ",") + ",99,not a number\r\nmore\r\n");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(AsVector(*record), kValues);
}

TEST_F(ParamFileTest, AValueThatIsNotANumberFails) {
    std::vector<std::string> values = kValues;
    values[16] = "1O";  // letter O
    std::string error;
    WriteFile(ElevenLines(values));
    EXPECT_FALSE(ParamFile(path_).ReadAll(&error).has_value());
    EXPECT_NE(error.find("17"), std::string::npos) << error;
}

TEST_F(ParamFileTest, ValuesAreKeptAsTheTextOfTheNumberRead) {
    std::vector<std::string> values = kValues;
    values[1] = ".5";
    values[2] = "-.5";
    values[3] = "+3";
    values[4] = "2.50";
    auto record = Load(ElevenLines(values));
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->Cycles(), "0.5");
    EXPECT_EQ(record->A(0), "-0.5");
    EXPECT_EQ(record->B(0), "3");
    EXPECT_EQ(record->Phase(0), "2.5");
}

TEST_F(ParamFileTest, DefaultRecordIsExactlyOneLine) {
    WriteFile(std::string(500, 'x'));  // longer than the record: it must be replaced
    ASSERT_TRUE(ParamFile(path_).WriteDefault());
    EXPECT_EQ(ReadFile(),
              "1024,30,1,1,0,2,2,0,3,3,0,0,4,0,1,5,0,0,6,0,2,7,0,2.5,8,0,0,9,0,3.5,10,0\r\n");
    auto record = ParamFile(path_).ReadAll();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->Points(), "1024");
    EXPECT_EQ(record->Cycles(), "30");
    EXPECT_EQ(record->A(7), "2.5");
    EXPECT_EQ(record->A(9), "3.5");
    EXPECT_FALSE(fs::exists(dir_ / "Zparamfile.wr.tmp"));
}

TEST_F(ParamFileTest, WriteFromWindowWritesElevenLinesThatReadBackEqual) {
    ParamRows rows;
    rows.points = 2048;
    rows.cycles = 1.0 / 3;
    for (int i = 0; i < kWaveRows; ++i) rows.rows[i] = {i * 1.5, i + 1.0, -0.25 * i};
    rows.rows[3][2] = 2.0 / 3;

    ASSERT_TRUE(ParamFile(path_).WriteFromWindow(rows));
    const std::string content = ReadFile();
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = content.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(content.substr(start, end - start));
    EXPECT_EQ(start, content.size()) << "the last line must end with CR LF";
    ASSERT_EQ(lines.size(), 11u);
    for (const std::string& line : lines) EXPECT_EQ(line.find('\n'), std::string::npos);
    EXPECT_EQ(lines[0], "2048,0.333333333333333");
    EXPECT_EQ(lines[1], "0,1,0");
    EXPECT_EQ(lines[2], "1.5,2,-0.25");
    EXPECT_EQ(lines[4], "4.5,4,0.666666666666667");

    auto record = ParamFile(path_).ReadAll();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->Points(), "2048");
    EXPECT_EQ(record->Cycles(), "0.333333333333333");
    for (int i = 0; i < kWaveRows; ++i) {
        EXPECT_EQ(record->A(i), NumberText(rows.rows[i][0])) << i;
        EXPECT_EQ(record->B(i), NumberText(rows.rows[i][1])) << i;
        EXPECT_EQ(record->Phase(i), NumberText(rows.rows[i][2])) << i;
    }
}

TEST_F(ParamFileTest, ReadLeadingNeedsOnlyTheFirstTwoValues) {
    WriteFile("256,12.5\r\n");
    auto leading = ParamFile(path_).ReadLeading();
    ASSERT_TRUE(leading.has_value());
    EXPECT_EQ((*leading)[0], "256");
    EXPECT_EQ((*leading)[1], "12.5");
    EXPECT_FALSE(ParamFile(path_).ReadAll().has_value());

    WriteFile("256\r\n");
    EXPECT_FALSE(ParamFile(path_).ReadLeading().has_value());
}

TEST_F(ParamFileTest, WriteDefaultCreatesMissingFolders) {
    const fs::path nested = dir_ / "a" / "b" / "Zparamfile.wr";
    ASSERT_TRUE(ParamFile(nested).WriteDefault());
    EXPECT_TRUE(ParamFile(nested).ReadAll().has_value());
}

#if !defined(_WIN32)
// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_.c_str(), old_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }

  private:
    std::string name_;
    std::optional<std::string> old_;
};

TEST(ParamFilePathTest, DefaultPathHonoursXdgConfigHome) {
    ScopedEnv xdg("XDG_CONFIG_HOME", "/srv/config-home");
    EXPECT_EQ(ParamFile::DefaultPath(), fs::path("/srv/config-home/fft-quorbel/Zparamfile.wr"));
}

TEST(ParamFilePathTest, WithoutXdgConfigHomeTheHomeConfigFolderIsUsed) {
    ScopedEnv home("HOME", "/home/someone");
    for (const char* unset : {static_cast<const char*>(nullptr), ""}) {
        ScopedEnv xdg("XDG_CONFIG_HOME", unset);
        EXPECT_EQ(ParamFile::DefaultPath(),
                  fs::path("/home/someone/.config/fft-quorbel/Zparamfile.wr"));
    }
}
#endif

}  // namespace
}  // namespace quorbel
