// Backup slots and the restore on the real layouts: saving, the list, the limit of twenty,
// damaged settings files, the restore run and its mode, the page after a restart.
#include "tweak_engine_fixture.h"
#include "tweaks/backup_page.h"
#include "tweaks/backup_slots.h"

#include <map>

namespace {

using tweak_test::EngineFixture;

constexpr const char* kNoBackups =
    "Es sind keine Backups vorhanden. Bitte führen Sie zunächst das Brelvanto Kit aus.";
constexpr const char* kMemory =
    "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";

struct Slots : EngineFixture {
    Slots() {
        fake.files.addFile(ini(), "[Options]\r\nversion=5.0\r\n[Backup]\r\nnumber=0\r\n");
        h.dialogs.messages.clear();
    }
    std::string ini() { return ctx.modulesFile("brelk.ini"); }
    std::string read(const std::string& section, const std::string& key) {
        return fake.profiles.readString(ini(), section, key, "<none>");
    }
    void write(const std::string& section, const std::string& key, const std::string& value) {
        fake.profiles.writeString(ini(), section, key, value);
    }
    ui::RadioGroup& list() { return w().c<ui::RadioGroup>("RadioGroup1"); }
    std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const auto& m : h.dialogs.messages)
            texts.push_back(m.text);
        return texts;
    }
    void save() { w().c<ui::Label>("Label133").click(); }
    // Removes the first line of the file that sets the key.
    void dropKey(const std::string& key) {
        const std::string file = *fake.files.readFile(ini());
        const std::size_t at = file.find("\r\n" + key + "=") + 2;
        fake.files.writeFile(ini(), file.substr(0, at) + file.substr(file.find("\r\n", at) + 2));
    }
    // A whole slot: its date and keys 1 to 60, empty but for the given ones.
    void writeSlot(const std::string& section, const std::string& date,
                   const std::map<int, std::string>& values = {}) {
        write(section, "Date", date);
        for (int k = 1; k <= 60; ++k) {
            auto it = values.find(k);
            write(section, std::to_string(k), it == values.end() ? "" : it->second);
        }
    }
};

TEST_F(Slots, FirstAndSecondSaveAndTheirList) {
    w().c<ui::Panel>("Panel8").show();
    fake.registry.createKey(LM, kMemory)->writeInteger("LargeSystemCache", 1);
    save();
    EXPECT_EQ(read("Backup", "number"), "1");
    EXPECT_EQ(read("1", "Date"), "Originalzustand");
    EXPECT_EQ(read("1", "Time"), "");
    EXPECT_EQ(read("1", "1"), "1");
    EXPECT_EQ(read("1", "48"), "");
    EXPECT_EQ(read("1", "60"), "");
    EXPECT_EQ(read("1", "61"), "<none>");
    EXPECT_EQ(w().c<ui::Label>("Label135").caption(), "... erledigt ...");
    EXPECT_EQ(list().items(), std::vector<std::string>{"Originalzustand"});
    EXPECT_EQ(list().itemIndex(), 0);
    EXPECT_EQ(list().height(), 45) << "the first slot is seen at once";
    w().c<ui::Label>("Label6").setEnabled(true);
    w().c<ui::Label>("Label6").click();
    EXPECT_EQ(list().height(), 45);

    // The second slot takes the user's all-users choice of Backup/users1.
    write("Backup", "users1", "allusers");
    fake.system.today = "09.12.2026 und ein langer Zusatz";
    w().c<ui::Panel>("afterrestart").show();
    w().c<ui::Label>("Label246").click();
    EXPECT_EQ(read("2", "Date"), "09.12.2026 und ein langer Zusatz");
    EXPECT_EQ(list().items()[1], "09.12.2026 und ein l - 09:15:02");
    EXPECT_TRUE(w().c<ui::RadioButton>("RadioButton4").checked());
    EXPECT_FALSE(w().c<ui::RadioButton>("RadioButton1").checked());
    w().c<ui::Label>("Label6").click();
    EXPECT_EQ(list().height(), 54);
    EXPECT_TRUE(messages().empty());
}

// Opening the power mode at a first start keeps the original state as slot 1, once.
TEST_F(Slots, ThePowerModeOfAFirstStartSavesTheOriginalState) {
    w().state.firststartflag = "1";
    w().state.backupcount = 0;
    w().c<ui::Panel>("Panel1").show();
    for (int open = 0; open < 2; ++open) {
        w().c<ui::Label>("Label12").click();
        EXPECT_EQ(read("Backup", "number"), "1");
        EXPECT_EQ(read("1", "Date"), "Originalzustand");
        EXPECT_TRUE(w().c<ui::Panel>("Panel2").visible());
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(Slots, TheTwentyFirstSaveKeepsEverySlot) {
    write("Backup", "number", "20");
    for (int slot = 1; slot <= 20; ++slot)
        write(std::to_string(slot), "Date", "01.01.2026");
    write("20", "1", "kept");
    w().state.backupcount = 20;
    w().c<ui::Panel>("Panel8").show();
    save();
    EXPECT_EQ(messages(), std::vector<std::string>{"Alle Speicherstellen, die für Backups zur "
                                                   "Verfügung stehen, sind bereits belegt."});
    EXPECT_EQ(read("Backup", "number"), "20");
    EXPECT_EQ(read("20", "1"), "kept");
    EXPECT_EQ(read("21", "Date"), "<none>");
    EXPECT_EQ(list().items().size(), 20u);
    EXPECT_EQ(w().c<ui::Label>("Label135").caption(), "... erledigt ...");
}

// A count that is missing, no number, or out of range falls back on the slots that are
// there: the next save goes after them and no slot is written over.
TEST_F(Slots, ADamagedCountNeverLosesASlot) {
    for (const char* number : std::initializer_list<const char*>{"abc", "25", "-1", "", nullptr}) {
        fake.files.writeFile(ini(), "[Backup]\r\n[1]\r\nDate=Originalzustand\r\n1=first\r\n"
                                    "[2]\r\nDate=01.01.2026\r\n1=second\r\n");
        if (number) write("Backup", "number", number);
        w().state.backupcount = 0;
        brelk::savesettings(w());
        const char* what = number ? number : "(missing)";
        EXPECT_EQ(read("Backup", "number"), "3") << what;
        EXPECT_EQ(read("1", "1"), "first") << what;
        EXPECT_EQ(read("2", "1"), "second") << what;
        EXPECT_EQ(read("3", "Date"), "08.12.2026") << what;
        EXPECT_EQ(w().state.backupcount, 3) << what;
    }
}

// Whatever the count says, a save goes after the highest slot that is there, and the list
// shows the slots that are there, each restoring its own section.
TEST_F(Slots, TheCountNeverLetsASaveOverwriteASlotAndTheListShowsRealSlots) {
    struct Case {
        const char* number;       // Backup/number; nullptr: missing
        std::vector<int> present; // the slot sections with a date
        int saved;                // the section the next save writes
        std::vector<std::string> listed;
    };
    const std::string later = "08.12.2026 - 09:15:02";
    for (const Case& c : {
             Case{"0", {1, 2}, 3, {"Originalzustand", "s2 - ", later}},
             Case{"1", {1, 2, 3}, 4, {"Originalzustand", "s2 - ", "s3 - ", later}},
             Case{"2", {1, 2}, 3, {"Originalzustand", "s2 - ", later}},
             Case{"5", {1, 2}, 6, {"Originalzustand", "s2 - ", later}},
             Case{nullptr, {1, 2}, 3, {"Originalzustand", "s2 - ", later}},
             Case{"2", {1, 3}, 4, {"Originalzustand", "s3 - ", later}},
             Case{"3", {2, 3}, 4, {"s2 - ", "s3 - ", later}},
             Case{"4", {}, 5, {later}},
             Case{"0", {}, 1, {"Originalzustand"}},
             Case{"19", {1, 20}, 21, {"Originalzustand", "s20 - "}},
         }) {
        const std::string what = std::string(c.number ? c.number : "(missing)") + " with " +
                                 std::to_string(c.present.size()) + " sections";
        fake.files.writeFile(ini(), "[Options]\r\nversion=5.0\r\n[Backup]\r\n");
        if (c.number) write("Backup", "number", c.number);
        for (int slot : c.present)
            writeSlot(std::to_string(slot),
                      slot == 1 ? "Originalzustand" : "s" + std::to_string(slot),
                      {{19, "owner of " + std::to_string(slot)}});
        const auto before = *fake.files.readFile(ini());
        h.dialogs.messages.clear();
        w().c<ui::Panel>("Panel8").show();
        save();
        if (c.saved > 20) {
            EXPECT_EQ(*fake.files.readFile(ini()), before) << what;
            EXPECT_EQ(messages().size(), 1u) << what;
        } else {
            EXPECT_EQ(read("Backup", "number"), std::to_string(c.saved)) << what;
            for (int slot : c.present)
                EXPECT_EQ(read(std::to_string(slot), "19"), "owner of " + std::to_string(slot))
                    << what << ", slot " << slot;
            EXPECT_TRUE(messages().empty()) << what;
        }
        EXPECT_EQ(list().items(), c.listed) << what;
        EXPECT_EQ(list().height(), c.listed.size() == 1 ? 45 : 27 * int(c.listed.size())) << what;

        // Each item restores its own section: the owner of the last slot listed but the new one.
        if (c.present.empty()) continue;
        list().userSelected(static_cast<int>(c.present.size()) - 1);
        ASSERT_TRUE(brelk::loadbackupslot(w())) << what;
        EXPECT_EQ(w().state.restoretable[19], "owner of " + std::to_string(c.present.back()))
            << what;
    }
}

// A save that cannot be completed leaves no trace: the file, the count and the list stay as
// they were, and the page says it failed instead of "... erledigt ...".
TEST_F(Slots, AFailedSaveLeavesCountFileAndListAsTheyWere) {
    struct Case {
        const char* what;
        int writesLeft;        // writes that succeed before the disk is full; -1: no limit
        bool modulesGone;      // the modules folder was removed since the start
        const char* officeVer; // Word's CurVer; one that is no version makes the scan raise
        const char* message;   // the end of the message shown
    };
    const std::string notWritten = "Das Backup konnte nicht gespeichert werden: Die Datei " +
                                   ini() + " kann nicht geschrieben werden.";
    for (const Case& c : {
             Case{"modules folder missing", -1, true, "Word.Application.10", nullptr},
             Case{"disk full at once", 0, false, "Word.Application.10", nullptr},
             Case{"disk full after the date", 1, false, "Word.Application.10", nullptr},
             Case{"disk full amid the keys", 30, false, "Word.Application.10", nullptr},
             Case{"disk full before the count", 64, false, "Word.Application.10", nullptr},
             Case{"the scan raises", -1, false, "Word.Application.x",
                  "'x' is not a valid integer value."},
         }) {
        fake.files.addDirectory(ctx.programFolder + "modules");
        fake.files.writeFile(ini(), "[Options]\r\nversion=5.0\r\n[Backup]\r\nnumber=2\r\n");
        writeSlot("1", "Originalzustand", {{1, "first"}});
        writeSlot("2", "01.01.2026", {{1, "second"}});
        fake.registry.createKey(CR, "Word.Application\\CurVer")->writeString("", c.officeVer);
        w().state.backupcount = 2;
        brelk::fillSlotList(w());
        const auto items = list().items();
        if (c.modulesGone) {
            fake.files.deleteFile(ini());
            fake.files.removeDirectory(ctx.programFolder + "modules");
        }
        const auto file = fake.files.readFile(ini());
        fake.profiles.writesLeft = c.writesLeft;
        h.dialogs.messages.clear();

        w().c<ui::Panel>("Panel8").show();
        save();
        fake.profiles.writesLeft = -1;
        EXPECT_EQ(fake.files.readFile(ini()), file) << c.what;
        EXPECT_EQ(w().state.backupcount, c.modulesGone ? 0 : 2) << c.what;
        EXPECT_EQ(list().items(), items) << c.what;
        EXPECT_EQ(w().c<ui::Label>("Label135").caption(), "... fehlgeschlagen ...") << c.what;
        EXPECT_EQ(messages(), std::vector<std::string>{c.message ? c.message : notWritten})
            << c.what;
    }
    // Once the disk has room again, the next save takes slot 3.
    fake.registry.createKey(CR, "Word.Application\\CurVer")->writeString("", "Word.Application.10");
    save();
    EXPECT_EQ(read("Backup", "number"), "3");
    EXPECT_EQ(w().c<ui::Label>("Label135").caption(), "... erledigt ...");
}

// What a slot stores reads back byte for byte, also line breaks, surrounding blanks, quotes and
// escape-like text; a slot written plain before keeps reading as it always did.
TEST_F(Slots, SlotValuesReadBackAsTheyWereWritten) {
    constexpr const char* kIe = "Software\\Microsoft\\Internet Explorer\\";
    struct Case {
        int entry;
        std::string key; // a string value that the scan reads from the current user's branch
        const char* name;
        std::string value;
    };
    const Case cases[] = {
        {2, "Control Panel\\Desktop", "MenuShowDelay", "zwei\r\nZeilen"},
        {9, "Control Panel\\Desktop", "AutoEndTasks", "  umrandet  "},
        {18, "Control Panel\\Desktop\\WindowMetrics", "MinAnimate", "\"in Anführung\""},
        {12, kIe + std::string("Toolbar"), "BackBitmap", "'einfach'"},
        {21, kIe + std::string("Main"), "Window Title", "\""},
        {28, kIe + std::string("Main"), "Start Page", "100% und %0D und %"},
        {49, "Policies\\Microsoft\\Windows\\System", "DisableInHelp", "\tTab\x7f"},
        {44, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "brelkfastshutdown", ""},
    };
    for (const Case& c : cases)
        fake.registry.createKey(CU, c.key)->writeString(c.name, c.value);
    save();
    ASSERT_EQ(read("Backup", "number"), "1");
    w().state.restoretable = {};
    ASSERT_TRUE(brelk::loadbackupslot(w()));
    for (const Case& c : cases)
        EXPECT_EQ(w().state.restoretable[static_cast<std::size_t>(c.entry)], c.value) << c.name;

    // A slot of an earlier version: plain values, read as the profile functions give them.
    fake.files.writeFile(ini(), "[Backup]\r\nnumber=1\r\n[1]\r\nDate=Originalzustand\r\n");
    writeSlot("1", "Originalzustand",
              {{2, "100%25"}, {9, " plain "}, {18, "\"quoted\""}, {55, "C:\\WINDOWS\\cmd.exe"}});
    ASSERT_TRUE(brelk::loadbackupslot(w()));
    const auto& table = w().state.restoretable;
    EXPECT_EQ(table[2], "100%25");
    EXPECT_EQ(table[9], "plain");
    EXPECT_EQ(table[18], "quoted");
    EXPECT_EQ(table[55], "C:\\WINDOWS\\cmd.exe");
}

TEST_F(Slots, RestoreWritesTheSlotsValuesAndEndsItsMode) {
    write("Backup", "number", "2");
    writeSlot("1", "Originalzustand", {{1, "0"}, {2, "250"}});
    writeSlot("2", "02.01.2026", {{1, "1"}, {2, "250"}});
    w().c<ui::Label>("Label6").setEnabled(true);
    w().c<ui::Label>("Label6").click();
    check(5);
    check(8);

    w().c<ui::Label>("Label55").click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(number(LM, kMemory, "LargeSystemCache"), 0) << "slot 1's value, not the row's";
    EXPECT_EQ(text(CU, "Control Panel\\Desktop", "MenuShowDelay"), "250");
    EXPECT_EQ(w().state.restoremode, 0);

    // A later ordinary run writes the rows' own values again.
    check(7);
    startRun();
    EXPECT_EQ(number(LM, kMemory, "LargeSystemCache"), 1);

    // The second slot, chosen in the list.
    check(5);
    list().userSelected(1);
    w().c<ui::Image>("Image81").show();
    w().c<ui::Image>("Image81").click();
    EXPECT_EQ(number(LM, kMemory, "LargeSystemCache"), 1);
}

// Each serial port comes back to its own value through a save and a restore, whichever outer
// button the row has; a port without a value at the save is neither created nor written
// empty. A slot saved before the ports had keys of their own restores both from entry 38.
TEST_F(Slots, EachSerialPortComesBackToItsOwnValue) {
    constexpr const char* kPorts = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
    constexpr const char* kChanged = "1200,n,8,1";
    struct Case {
        const char* com1; // before the save; nullptr: no value
        const char* com2;
        bool olderSlot; // the slot lacks the first port's key
        const char* com1After;
        const char* com2After;
    };
    for (const Case& c : {
             Case{"9600,n,8,1", "9600,n,8,1", false, "9600,n,8,1", "9600,n,8,1"},
             Case{"19200,n,8,1", "4800,e,7,1", false, "19200,n,8,1", "4800,e,7,1"},
             Case{"19200,n,8,1", nullptr, false, "19200,n,8,1", nullptr},
             Case{nullptr, "4800,e,7,1", false, nullptr, "4800,e,7,1"},
             Case{nullptr, nullptr, false, nullptr, nullptr},
             Case{"19200,n,8,1", "", false, "19200,n,8,1", kChanged},
             Case{"19200,n,8,1", "4800,e,7,1", true, "4800,e,7,1", "4800,e,7,1"},
             Case{"19200,n,8,1", nullptr, true, kChanged, nullptr},
         }) {
        for (int button : {59, 61}) {
            const std::string what = std::string(c.com1 ? c.com1 : "-") + " / " +
                                     (c.com2 ? c.com2 : "-") + (c.olderSlot ? " older" : "") +
                                     " at " + std::to_string(button);
            fake.files.writeFile(ini(), "[Options]\r\nversion=5.0\r\n[Backup]\r\nnumber=0\r\n");
            auto ports = fake.registry.createKey(LM, kPorts);
            for (auto [name, value] : {std::pair{"COM1:", c.com1}, std::pair{"COM2:", c.com2}}) {
                if (value)
                    ports->writeString(name, value);
                else
                    ports->deleteValue(name);
            }
            w().state.backupcount = 0;
            w().c<ui::Panel>("Panel8").show();
            save();
            ASSERT_EQ(read("Backup", "number"), "1") << what;
            if (c.olderSlot) dropKey("COM1");
            for (const char* name : {"COM1:", "COM2:"})
                if (ports->readString(name).ok()) ports->writeString(name, kChanged);

            check(button);
            h.dialogs.messages.clear();
            w().c<ui::Label>("Label55").click();
            EXPECT_TRUE(messages().empty()) << what;
            EXPECT_EQ(text(LM, kPorts, "COM1:"),
                      c.com1After ? std::optional<std::string>(c.com1After) : std::nullopt)
                << what;
            EXPECT_EQ(text(LM, kPorts, "COM2:"),
                      c.com2After ? std::optional<std::string>(c.com2After) : std::nullopt)
                << what;
        }
    }
}

// A slot that is gone or lacks a key is refused before anything is written: the rows that
// always take their entry (owner, organisation, menu delay ...) would otherwise write an empty
// or stale text.
TEST_F(Slots, ARestoreRefusesASlotItCannotTrustAndWritesNothing) {
    struct Case {
        const char* what;
        const char* missingKey; // nullptr: the whole file is gone
    };
    for (const Case& c :
         {Case{"brelk.ini deleted since the start", nullptr}, Case{"no Date", "Date"},
          Case{"no key 1", "1"}, Case{"no key 48", "48"}, Case{"no key 60", "60"}}) {
        fake.files.writeFile(ini(), "[Options]\r\nversion=5.0\r\n[Backup]\r\nnumber=1\r\n");
        writeSlot("1", "Originalzustand", {{1, "1"}, {19, "Owner"}, {20, "Company"}});
        w().state.backupcount = 1;
        brelk::fillSlotList(w());
        if (c.missingKey) {
            dropKey(c.missingKey);
        } else {
            fake.files.deleteFile(ini());
        }
        check(7);
        w().state.restoretable[48] = "earlier";
        w().c<ui::Memo>("Memo3").clear();
        h.dialogs.messages.clear();
        const auto before = registryContents();

        w().c<ui::Panel>("Panel8").show();
        w().c<ui::Label>("Label55").click();
        EXPECT_EQ(messages(), std::vector<std::string>{"Das gewählte Backup ist unvollständig "
                                                       "und wird nicht eingespielt. Es wurde "
                                                       "nichts verändert."})
            << c.what;
        EXPECT_EQ(registryContents(), before) << c.what;
        EXPECT_TRUE(log().empty()) << c.what;
        EXPECT_EQ(w().state.restoretable[48], "earlier") << c.what;
        EXPECT_EQ(w().state.restoretable[19], "") << c.what;
        EXPECT_EQ(w().state.restoremode, 0) << c.what;
    }
}

TEST_F(Slots, ARestoreRunThatFailsStillEndsTheMode) {
    write("Backup", "number", "1");
    writeSlot("1", "Originalzustand");
    w().state.backupcount = 1;
    brelk::fillSlotList(w());
    ctx.form7 = nullptr; // the mount row, which reads the dialog's fields, then fails
    check(230);
    w().c<ui::Panel>("Panel8").show();
    w().c<ui::Label>("Label55").click();
    EXPECT_EQ(messages(), std::vector<std::string>{"Component 'Form7' not found."});
    EXPECT_EQ(w().state.restoremode, 0);
}

TEST_F(Slots, WithoutSlotsNothingIsRestored) {
    w().state.backupcount = 0;
    check(7);
    brelk::backstartp8(w());
    EXPECT_EQ(messages(), std::vector<std::string>{kNoBackups});
    EXPECT_FALSE(number(LM, kMemory, "LargeSystemCache"));
    EXPECT_TRUE(log().empty());
}

TEST_F(Slots, AfterARestartThePageAsksToCheckTheSystem) {
    ctx.params = {"/afterrestart"};
    brelk::showbackup(w());
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  kNoBackups,
                  "Bitte kontrollieren Sie, ob sich das System im Ursprungszustand befindet. "
                  "Andernfalls spielen Sie ein, vom Brelvanto Kit erstelltes "
                  "Registrierdatenbank-Backup ein oder deaktivieren sämtliche Tuningoptionen und "
                  "starten die Tuningprozedur erneut."}));
    EXPECT_TRUE(w().c<ui::Panel>("afterrestart").visible());
    EXPECT_FALSE(w().c<ui::Panel>("Panel8").visible()) << "in its place";
    EXPECT_EQ(w().state.pagehistory.entry(w().state.pagehistory.count()), 8);
}

TEST_F(Slots, HoversOfTheSaveAndRestoreLinksOnTheRealLayouts) {
    for (const char* page : {"Panel8", "afterrestart"})
        w().c<ui::Panel>(page).show();
    struct Case {
        const char* hovered;
        const char* shown;
    };
    for (const Case& c :
         {Case{"Label133", "Image178"}, Case{"Image179", "Image178"}, Case{"Label246", "Image315"},
          Case{"Image312", "Image315"}, Case{"Image177", "Image176"}, Case{"Label55", "Image81"},
          Case{"Image80", "Image81"}}) {
        w().c<ui::Control>("ScrollBox8").mouseMove({}, 1, 1);
        EXPECT_FALSE(w().c<ui::Image>(c.shown).visible()) << c.hovered;
        w().c<ui::Control>(c.hovered).mouseMove({}, 1, 1);
        EXPECT_TRUE(w().c<ui::Image>(c.shown).visible()) << c.hovered;
    }
    EXPECT_EQ(w().c<ui::Label>("Label55").font().color, 0x008000u);
    EXPECT_TRUE(messages().empty());
}

} // namespace
