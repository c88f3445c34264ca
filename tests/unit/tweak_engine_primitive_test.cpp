// The registry primitives and the number conversion they use.
#include "shell/int_text.h"
#include "tweak_engine_fixture.h"
#include "tweaks/registry_primitive.h"

using tweak_test::EngineFixture;

namespace {

constexpr const char* kDesktop = "Control Panel\\Desktop";

struct Primitive : EngineFixture {
    void apply(const std::string& key, const std::string& name, const std::string& data,
               const std::string& root, const std::string& kind) {
        brelk::applyregop(w(), key, name, data, root, kind);
    }
    void scan(const std::string& key, const std::string& name, const std::string& def, int index,
              const std::string& root, const std::string& kind) {
        brelk::scanregvalue(w(), key, name, def, index, root, kind);
    }
    std::string& entry(int i) { return w().state.scantable[static_cast<std::size_t>(i)]; }
};

TEST(StrToInt, ConvertsSignedDecimalTextAndRejectsTheRest) {
    EXPECT_EQ(brelk::strToInt("600"), 600);
    EXPECT_EQ(brelk::strToInt("  -38"), -38);
    EXPECT_EQ(brelk::strToInt("+7"), 7);
    EXPECT_EQ(brelk::strToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(brelk::strToInt("2147483647"), INT32_MAX);
    for (const char* bad :
         {"", " ", "-", "abc", "12a", "1 ", "2147483648", "-2147483649", "99999999999999999999"}) {
        try {
            brelk::strToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ui::EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST_F(Primitive, WritesEachKindAndLogsNameAndData) {
    apply("\\Software\\Test", "Number", "-5", "cu", "int");
    apply("Software\\Test", "Text", "abc", "cu", "str");
    apply("Software\\Test", "", "default", "cr", "str");
    EXPECT_EQ(number(CU, "Software\\Test", "Number"), -5);
    EXPECT_EQ(text(CU, "Software\\Test", "Text"), "abc");
    EXPECT_EQ(text(CR, "Software\\Test", ""), "default");

    apply("Software\\Test", "Text", "ignored", "cu", "del");
    EXPECT_EQ(text(CU, "Software\\Test", "Text"), std::nullopt);
    apply("Software\\Test", "Sub", "", "lm", "createkey");
    EXPECT_TRUE(keyExists(LM, "Software\\Test\\Sub"));
    fake.registry.createKey(LM, "Software\\Test\\Sub\\Deeper");
    apply("\\Software\\Test", "Sub", "", "lm", "delkey");
    EXPECT_FALSE(keyExists(LM, "Software\\Test\\Sub"));
    EXPECT_TRUE(keyExists(LM, "Software\\Test"));

    EXPECT_EQ(log(), (std::vector<std::string>{"Number: -5", "Text: abc", ": default",
                                               "Text: ignored", "Sub: ", "Sub: "}));
}

TEST_F(Primitive, EveryKindCreatesTheKeyAndMissingTargetsAreNoError) {
    apply("Software\\A", "Gone", "", "lm", "del");
    apply("Software\\B", "Gone", "", "lm", "delkey");
    apply("Software\\C", "x", "", "lm", "unknown");
    EXPECT_TRUE(keyExists(LM, "Software\\A"));
    EXPECT_TRUE(keyExists(LM, "Software\\B"));
    EXPECT_TRUE(keyExists(LM, "Software\\C"));
    EXPECT_EQ(log().size(), 3u);
}

TEST_F(Primitive, NonNumberForIntRaisesAfterTheLogLineAndWritesNothing) {
    EXPECT_THROW(apply(kDesktop, "MenuShowDelay", "", "cu", "int"), ui::EConvertError);
    EXPECT_THROW(apply(kDesktop, "MenuShowDelay", "4oo", "cu", "int"), ui::EConvertError);
    auto key = fake.registry.openKey(CU, kDesktop, platform::KeyAccess::Read);
    ASSERT_TRUE(key);
    EXPECT_FALSE(key->valueExists("MenuShowDelay"));
    EXPECT_EQ(log(), (std::vector<std::string>{"MenuShowDelay: ", "MenuShowDelay: 4oo"}));
}

TEST_F(Primitive, KeyThatCannotBeOpenedIsSkippedSilently) {
    fake.registry.denyWriteAccess(LM, "Software\\Locked");
    EXPECT_NO_THROW(apply("Software\\Locked", "v", "1", "lm", "int"));
    EXPECT_EQ(number(LM, "Software\\Locked", "v"), std::nullopt);
    EXPECT_EQ(log().size(), 1u);
}

TEST_F(Primitive, AllUsersSwitchSendsCurrentUserCodesToTheMachineAtEveryCall) {
    check(4);
    apply(kDesktop, "MenuShowDelay", "100", "cu", "str");
    check(3);
    apply(kDesktop, "MenuShowDelay", "200", "cu", "str");
    apply(kDesktop, "MenuShowDelay", "300", "xx", "str");
    EXPECT_EQ(text(LM, kDesktop, "MenuShowDelay"), "100");
    EXPECT_EQ(text(CU, kDesktop, "MenuShowDelay"), "300");
}

TEST_F(Primitive, ScanReadsNumbersAndTextsIntoTheTable) {
    fake.registry.createKey(LM, "Software\\S")->writeInteger("N", -1);
    fake.registry.createKey(CU, "Software\\S")->writeExpandString("T", std::string(130, 'x'));
    scan("\\Software\\S", "N", "0", 1, "lm", "int");
    scan("Software\\S", "N", "0", 2, "lm", "del");
    scan("Software\\S", "T", "d", 3, "cu", "str");
    scan("Software\\S", "Missing", "d", 4, "cu", "str");
    EXPECT_EQ(entry(1), "-1");
    EXPECT_EQ(entry(2), "-1");
    EXPECT_EQ(entry(3), std::string(100, 'x'));
    EXPECT_EQ(entry(4), "");
    EXPECT_EQ(text(CU, "Software\\S", "Missing"), std::nullopt);
    EXPECT_EQ(log().front(), "\\Software\\S\\N:0");
}

// The scan only reads: a read that finds nothing usable keeps the entry and writes nothing,
// not even the key.
TEST_F(Primitive, FailedScanReadKeepsTheEntryAndWritesNothing) {
    fake.registry.createKey(LM, "Software\\S")->writeString("Typed", "12");
    fake.registry.createKey(LM, "Software\\S")->writeInteger("Str", 1);
    struct Case {
        const char* key;
        const char* name;
        const char* defaultValue;
        int index;
        const char* kind;
        const char* entryAfter; // nullptr: the entry keeps "earlier"
    };
    for (const Case& c : {
             Case{"Software\\S", "N", "7", 5, "int", nullptr},      // missing number
             Case{"Software\\S", "Typed", "3", 5, "int", nullptr},  // a string, not a number
             Case{"Software\\S", "Str", "def", 5, "str", nullptr},  // a number, not a string
             Case{"Software\\S", "Never", "9", 5, "del", nullptr},  // missing, read only
             Case{"Software\\Gone", "N", "x", 5, "int", nullptr},   // missing key, odd default
             Case{"Software\\Gone", "T", "def", 5, "str", ""},      // missing key: empty text
             Case{"Software\\S", "Typed", "0", 66, "str", nullptr}, // index outside the table
             Case{"Software\\S", "Typed", "0", 0, "int", nullptr},
         }) {
        entry(5) = "earlier";
        EXPECT_NO_THROW(scan(c.key, c.name, c.defaultValue, c.index, "lm", c.kind));
        EXPECT_EQ(entry(5), c.entryAfter ? c.entryAfter : "earlier") << c.key << "\\" << c.name;
        EXPECT_EQ(log().back(), std::string(c.key) + "\\" + c.name + ":" + c.defaultValue);
    }
    auto key = fake.registry.openKey(LM, "Software\\S", platform::KeyAccess::Read);
    EXPECT_EQ(key->valueNames(), (std::vector<std::string>{"Str", "Typed"}));
    EXPECT_EQ(key->readString("Typed").value, "12");
    EXPECT_EQ(key->readInteger("Str").value, 1);
    EXPECT_FALSE(keyExists(LM, "Software\\Gone"));
}

} // namespace
