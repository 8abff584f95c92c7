#include "RecordingPanel.h"
#include "units/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Conversion {
    const char* source;
    const char* target;
    const char* display; // of 7 in the source unit
};

// Every ordered pair of every quantity, with the stored factors (which make
// 7 mm in cm 0.700000000000000, not 0.7). The money rows use a rate of 110.5.
const Conversion conversions[] = {
    {"mmKey", "cmKey", R"(0.700000000000000)"},
    {"mmKey", "mKey", R"(0.007)"},
    {"mmKey", "kmKey", R"(0.000007)"},
    {"mmKey", "inchKey", R"(0.275590546)"},
    {"mmKey", "ftKey", R"(0' 0.275590476")"},
    {"mmKey", "ydKey", R"(0.007655291)"},
    {"mmKey", "mileKey", R"(0.000004347)"},
    {"cmKey", "mmKey", R"(70.)"},
    {"cmKey", "mKey", R"(0.07000000000000)"},
    {"cmKey", "kmKey", R"(0.00007000000000)"},
    {"cmKey", "inchKey", R"(2.755905509)"},
    {"cmKey", "ftKey", R"(0' 2.755905432")"},
    {"cmKey", "ydKey", R"(0.07655292399999)"},
    {"cmKey", "mileKey", R"(0.00004349099999)"},
    {"mKey", "mmKey", R"(7000.)"},
    {"mKey", "cmKey", R"(700.)"},
    {"mKey", "kmKey", R"(0.007)"},
    {"mKey", "inchKey", R"(275.59055118)"},
    {"mKey", "ftKey", R"(22' 11.590551180")"},
    {"mKey", "ydKey", R"(7.655293085999999)"},
    {"mKey", "mileKey", R"(0.004349597)"},
    {"kmKey", "mmKey", R"(7000000.)"},
    {"kmKey", "cmKey", R"(700000.)"},
    {"kmKey", "mKey", R"(7000.)"},
    {"kmKey", "inchKey", R"(275590.55118)"},
    {"kmKey", "ftKey", R"(22965' 10.551179")"},
    {"kmKey", "ydKey", R"(7655.293086)"},
    {"kmKey", "mileKey", R"(4.349598344)"},
    {"inchKey", "mmKey", R"(177.8)"},
    {"inchKey", "cmKey", R"(17.78)"},
    {"inchKey", "mKey", R"(0.1778)"},
    {"inchKey", "kmKey", R"(0.0001778)"},
    {"inchKey", "ftKey", R"(0.583333333333333)"},
    {"inchKey", "ydKey", R"(0.194444439)"},
    {"inchKey", "mileKey", R"(0.000110474)"},
    {"ftKey", "mmKey", R"(2133.6)"},
    {"ftKey", "cmKey", R"(213.36)"},
    {"ftKey", "mKey", R"(2.1336)"},
    {"ftKey", "kmKey", R"(0.0021336)"},
    {"ftKey", "inchKey", R"(84.)"},
    {"ftKey", "ydKey", R"(2.333333331)"},
    {"ftKey", "mileKey", R"(0.001325751)"},
    {"ydKey", "mmKey", R"(6400.8)"},
    {"ydKey", "cmKey", R"(640.0799999999999)"},
    {"ydKey", "mKey", R"(6.4008)"},
    {"ydKey", "kmKey", R"(0.0064008)"},
    {"ydKey", "inchKey", R"(252.)"},
    {"ydKey", "ftKey", R"(21' 0")"},
    {"ydKey", "mileKey", R"(0.003977267)"},
    {"mileKey", "mmKey", R"(11265408.)"},
    {"mileKey", "cmKey", R"(1126540.8)"},
    {"mileKey", "mKey", R"(11265.408)"},
    {"mileKey", "kmKey", R"(11.265408)"},
    {"mileKey", "inchKey", R"(443520.)"},
    {"mileKey", "ftKey", R"(36960' 0")"},
    {"mileKey", "ydKey", R"(12320.)"},
    {"gKey", "kgKey", R"(0.007)"},
    {"gKey", "ozKey", R"(0.246917727)"},
    {"gKey", "lbKey", R"(0.015432354)"},
    {"kgKey", "gKey", R"(7000.)"},
    {"kgKey", "ozKey", R"(246.91773365)"},
    {"kgKey", "lbKey", R"(15.432358354)"},
    {"ozKey", "gKey", R"(198.44666191)"},
    {"ozKey", "kgKey", R"(0.198446661)"},
    {"ozKey", "lbKey", R"(0.4375)"},
    {"lbKey", "gKey", R"(3175.14659)"},
    {"lbKey", "kgKey", R"(3.17514659)"},
    {"lbKey", "ozKey", R"(112.)"},
    {"mlKey", "lKey", R"(0.007)"},
    {"mlKey", "flOzKey", R"(0.236698154)"},
    {"mlKey", "galKey", R"(0.001849204)"},
    {"lKey", "mlKey", R"(7000.)"},
    {"lKey", "flOzKey", R"(236.6981589)"},
    {"lKey", "galKey", R"(1.849204364)"},
    {"flOzKey", "mlKey", R"(207.01470692)"},
    {"flOzKey", "lKey", R"(0.207014703)"},
    {"flOzKey", "galKey", R"(0.0546875)"},
    {"galKey", "mlKey", R"(26497.882488)"},
    {"galKey", "lKey", R"(26.497882488)"},
    {"galKey", "flOzKey", R"(896.)"},
    {"celsiusKey", "fahrenheitKey", R"(44.6)"},
    {"fahrenheitKey", "celsiusKey", R"(-13.8888888888888)"},
    {"yenKey", "dollarKey", R"(0.06334841628959)"},
    {"dollarKey", "yenKey", R"(773.5)"},
};

TEST(Units, EveryConversion)
{
    EXPECT_EQ(std::size(conversions), 84u);
    for (const auto& c : conversions) {
        SCOPED_TRACE(std::string(c.source) + " -> " + c.target);
        Converter converter;
        converter.panel.rateBox = "110.5";
        converter.run(std::string("key7 ") + c.source + " " + c.target);
        EXPECT_EQ(converter.panel.display, c.display);
        EXPECT_EQ(converter.dialog.unitCode, 0);
        EXPECT_EQ(converter.panel.disabledUnitKeys(), "-");
        EXPECT_TRUE(converter.panel.messages.empty());
    }
}

const std::string lengthOthers =
    "celsiusKey,fahrenheitKey,gKey,kgKey,ozKey,lbKey,mlKey,lKey,flOzKey,galKey,yenKey,dollarKey";

TEST(Units, FirstPressDisablesTheOtherQuantities)
{
    const std::pair<const char*, std::string> table[] = {
        {"mmKey", lengthOthers},
        {"ftKey", lengthOthers},
        {"mileKey", lengthOthers},
        {"gKey", "celsiusKey,fahrenheitKey,mmKey,cmKey,mKey,kmKey,inchKey,ftKey,ydKey,mileKey,"
                 "mlKey,lKey,flOzKey,galKey,yenKey,dollarKey"},
        {"galKey", "celsiusKey,fahrenheitKey,mmKey,cmKey,mKey,kmKey,inchKey,ftKey,ydKey,mileKey,"
                   "gKey,kgKey,ozKey,lbKey,yenKey,dollarKey"},
        {"dollarKey", "celsiusKey,fahrenheitKey,mmKey,cmKey,mKey,kmKey,inchKey,ftKey,ydKey,mileKey,"
                      "gKey,kgKey,ozKey,lbKey,mlKey,lKey,flOzKey,galKey"},
        {"fahrenheitKey", "mmKey,cmKey,mKey,kmKey,inchKey,ftKey,ydKey,mileKey,gKey,kgKey,ozKey,"
                          "lbKey,mlKey,lKey,flOzKey,galKey,yenKey,dollarKey"},
    };
    for (const auto& [key, disabled] : table) {
        SCOPED_TRACE(key);
        Converter converter;
        converter.panel.rateBox = "110.5";
        converter.run(std::string("key5 ") + key);
        EXPECT_EQ(converter.panel.disabledUnitKeys(), disabled);
        EXPECT_EQ(converter.panel.display, "5.");
        EXPECT_EQ(converter.dialog.unitCode, unitCodeOf(*keyByName(key)));
    }
}

// A key sequence, the display and the disabled unit keys afterwards, and
// the pending unit code.
struct Protocol {
    const char* keys;
    const char* display;
    std::string disabled;
    int unitCode;
};

TEST(Units, Protocol)
{
    const Protocol table[] = {
        {"mmKey cmKey", "0.", "-", 0},
        {"key1 key2 inchKey", "12.", lengthOthers, 15},
        {"key1 key2 inchKey cmKey", "30.48", "-", 0},
        // A press that changes nothing shows the kept value again.
        {"key5 mmKey mmKey", "5.", lengthOthers, 11},
        {"key5 mmKey mmKey cmKey", "0.5", "-", 0},
        {"key5 mileKey mileKey", "5.", "-", 18},
        {"key5 mileKey mileKey gKey", "5.", "-", 18},
        {"key5 mileKey mileKey kmKey", "8.046720000000001", "-", 0},
        {"key5 lbKey lbKey", "5.", "-", 24},
        {"key5 lbKey lbKey kgKey", "2.26796185", "-", 0},
        {"key5 lbKey lbKey mKey", "5.", "-", 24},
        {"key5 gKey gKey", "5.",
         "celsiusKey,fahrenheitKey,mmKey,cmKey,mKey,kmKey,inchKey,ftKey,ydKey,"
         "mileKey,mlKey,lKey,flOzKey,galKey,yenKey,dollarKey",
         21},
        // A digit replaces the pending source but leaves the keys as they are.
        {"key5 mmKey key7", "7.", lengthOthers, 0},
        {"key5 mmKey key7 cmKey", "7.", lengthOthers, 12},
        {"key5 mmKey pointKey", "0.", lengthOthers, 11},
        {"key5 mmKey signKey cmKey", "-0.5", "-", 0},
        {"key5 mmKey cmKey inchKey mmKey", "12.7", "-", 0},
        // The erase key enables all and keeps the pending unit.
        {"key5 mmKey backKey", "0.", "-", 11},
        {"key5 mmKey backKey gKey", "5.", "-", 11},
        {"key5 mmKey backKey cmKey", "0.5", "-", 0},
        {"key5 mmKey equalsKey", "5.", "-", 0},
        {"key5 mmKey clearKey", "0.", "-", 0},
        // Keyboard runs the temperature keys even while they are disabled.
        {"key5 mmKey char:67", "5.", lengthOthers, 11},
        {"key5 mmKey char:102 cmKey", "0.5", "-", 0},
        {"key5 mmKey celsiusKey", "5.", lengthOthers, 11},
        {"key1 key0 key0 char:99 char:70", "212.", "-", 0},
        {"key2 key1 key2 fahrenheitKey celsiusKey", "100.", "-", 0},
        {"key4 key0 signKey celsiusKey fahrenheitKey", "-40.", "-", 0},
        {"key5 celsiusKey celsiusKey", "5.",
         "mmKey,cmKey,mKey,kmKey,inchKey,ftKey,ydKey,mileKey,gKey,"
         "kgKey,ozKey,lbKey,mlKey,lKey,flOzKey,galKey,yenKey,dollarKey",
         51},
        {"key5 celsiusKey celsiusKey fahrenheitKey", "41.", "-", 0},
        {"key3 ftKey ydKey", "0.999999999", "-", 0},
        {"key3 key6 inchKey ydKey", "0.999999972", "-", 0},
        {"key2 lbKey kgKey", "0.90718474", "-", 0},
        {"key1 lKey flOzKey", "33.8140227", "-", 0},
        {"key3 flOzKey galKey", "0.0234375", "-", 0},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.keys);
        Converter converter;
        converter.run(row.keys);
        EXPECT_EQ(converter.panel.display, row.display);
        EXPECT_EQ(converter.panel.disabledUnitKeys(), row.disabled);
        EXPECT_EQ(converter.dialog.unitCode, row.unitCode);
    }
}

TEST(Units, KeysEndTheEntryButKeepEntering)
{
    Converter converter;
    converter.run("key1 pointKey key5 mmKey");
    const CQuibraDlg& d = converter.dialog;
    EXPECT_EQ(d.entering, 1);
    EXPECT_EQ(d.pointEntered, 0);
    EXPECT_EQ(d.entryValue, 0);
    EXPECT_EQ(d.entrySign, 1);
    EXPECT_EQ(d.unitValue, 1.5);
    converter.run("ftKey");
    EXPECT_EQ(d.entering, 1); // a completing ft press leaves it
    converter.run("key2 ftKey");
    EXPECT_EQ(d.entering, 0); // ft as the source clears it
}

TEST(Feet, FeetAndInchesText)
{
    const std::pair<const char*, const char*> table[] = {
        {"key2 pointKey key5 ydKey ftKey", "7' 6\""},
        {"key1 mileKey ftKey", "5280' 0\""},
        {"key1 ydKey ftKey", "3' 0\""},
        {"pointKey key2 key5 ydKey ftKey", "0' 9\""},
        {"key1 pointKey key5 signKey ydKey ftKey", "-4' -6\""},
        {"key1 mKey ftKey", "3' 3.37007874000\""},
        {"pointKey key0 key0 key1 ydKey ftKey", "0' 3.6e-002\""},
        // Inches to feet is a plain number.
        {"key1 key2 inchKey ftKey", "1."},
        {"key1 key8 inchKey ftKey", "1.5"},
        // ft as the source shows the unrewritten form.
        {"pointKey key0 key5 ftKey", "5.e-002"},
        {"key5 ftKey ftKey", "5."},
        {"key5 ftKey inchKey", "60."},
        {"key5 ftKey key7 inchKey", "67."},
        {"key5 ftKey key7 inchKey cmKey", "170.18"},
        {"key5 ftKey key7 pointKey key5 inchKey", "67.5"},
        {"key5 ftKey key7 cmKey", "152.4"},
        {"key5 ftKey key7 inchKey key3", "3."},
        {"key5 ftKey key7 ftKey inchKey", "65."},
        {"key5 ftKey pointKey key5 inchKey", "60.5"},
        {"key5 ftKey signKey inchKey", "-60."},
        {"key1 mKey ftKey mmKey cmKey", "0.3"},
    };
    for (const auto& [keys, display] : table) {
        SCOPED_TRACE(keys);
        Converter converter;
        converter.run(keys);
        EXPECT_EQ(converter.panel.display, display);
        EXPECT_EQ(converter.dialog.numberBuffer, display);
        EXPECT_LE(converter.panel.display.size(), 18u);
    }
}

TEST(Feet, FeetAndInchesEntryState)
{
    Converter converter;
    converter.run("key5 ftKey");
    EXPECT_EQ(converter.dialog.unitCode, 16);
    EXPECT_EQ(converter.dialog.entering, 0);
    converter.run("key7");
    EXPECT_EQ(converter.dialog.unitCode, 16);
    converter.run("inchKey");
    EXPECT_EQ(converter.dialog.unitCode, 15);
    EXPECT_EQ(converter.dialog.unitValue, 67);
    EXPECT_EQ(converter.panel.disabledUnitKeys(), lengthOthers);
    converter.run("cmKey");
    EXPECT_EQ(converter.panel.disabledUnitKeys(), "-");
    EXPECT_EQ(converter.dialog.feetKeyUsed, 1);
}

TEST(Feet, InchesToFeetLeavesFeetKeyUnused)
{
    Converter converter;
    converter.run("key1 key2 inchKey ftKey");
    EXPECT_EQ(converter.dialog.feetKeyUsed, 0);
    converter.run("key1 pointKey key5 key0 equalsKey");
    EXPECT_EQ(converter.panel.display, "1.5");
}

TEST(Feet, WholeFeetBeyondTheIntegerRange)
{
    // Too many feet for inches to mean anything: decimal feet with the foot
    // mark, which a next unit key reads back whole.
    struct Row {
        const char* keys;
        const char* display;
        double readsAs;
    };
    const Row table[] = {
        {"key7 key1 key5 key8 key2 key7 key8 key8 key2 pointKey key5 ydKey ftKey",
         "2147483647' 6\"", 2147483647},
        {"key7 key1 key5 key8 key2 key7 key8 key8 key2 pointKey key5 signKey ydKey ftKey",
         "-2147483647' -6\"", -2147483647},
        {"key7 key1 key5 key8 key2 key7 key8 key8 key3 ydKey ftKey", "2147483649'", 2147483649},
        {"key1 key0 key0 key0 key0 key0 key0 key0 key0 key0 signKey kmKey ftKey", "-3280839895000'",
         -3280839895000},
        {"key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 key9 mileKey ftKey",
         "5.2799999999e+017'", 5.2799999999e17},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.keys);
        Converter converter;
        converter.run(row.keys);
        EXPECT_EQ(converter.panel.display, row.display);
        EXPECT_LE(converter.panel.display.size(), 18u);
        converter.run("mKey");
        EXPECT_EQ(converter.dialog.unitValue, row.readsAs);
    }
}

TEST(Feet, ValuesThatAreNotFinite)
{
    Converter converter;
    converter.dialog.unitCode = 13; // m pending
    converter.dialog.unitValue = std::numeric_limits<double>::infinity();
    converter.run("ftKey");
    EXPECT_EQ(converter.panel.display, "オーバーフロー");
    converter.dialog.unitCode = 13;
    converter.dialog.unitValue = std::nan("");
    converter.run("ftKey");
    EXPECT_EQ(converter.panel.display, "エラー");
    EXPECT_EQ(converter.dialog.wholeFeet, 0);
}

TEST(Feet, TinyLengths)
{
    const std::pair<double, const char*> table[] = {
        {1e-300, "0' 3.6e-299\""},
        {-1e-300, "0' -3.6e-299\""},
        {5e-324, "0' 1.77863632502\""},
        {-0.0, "0' -0\""},
    };
    for (const auto& [yards, display] : table) {
        SCOPED_TRACE(display);
        Converter converter;
        converter.dialog.unitCode = 17; // yd pending
        converter.dialog.unitValue = yards;
        converter.run("ftKey");
        EXPECT_EQ(converter.panel.display, display);
    }
}

} // namespace
