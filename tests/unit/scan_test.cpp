// The scan of the current settings on the real layouts: the reading step's order and keys as
// the run log shows them, its double reads and the all-users redirection, and the mapping
// step's rules on their edges.
#include "tweak_engine_fixture.h"
#include "tweaks/scan.h"
#include "tweaks/vendor_start_page.h"

namespace {

using platform::RegistryValue;
using tweak_test::EngineFixture;

// Every read of a scan, as logged: key, "\", value name, ":", default. Lines marked allUsers
// appear only while "alle Benutzer " is checked.
struct LogLine {
    const char* text;
    bool allUsers = false;
};
const LogLine kReadingLog[] = {
    {"\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\"
     "LargeSystemCache:0"},
    {"\\Control Panel\\Desktop\\MenuShowDelay:400"},
    {"\\SYSTEM\\CurrentControlSet\\Services\\CDRom\\Autorun:1"},
    {"\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\"
     "DisablePagingExecutive:1"},
    {"\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\"
     "IoPageLockLimit:512"},
    {"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AlwaysUnloadDLL:"},
    {"SYSTEM\\ControlSet001\\Control\\WaitToKillServiceTimeOut:20000"},
    {"Control Panel\\Desktop\\AutoEndTasks:2000"},
    {"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\EFS\\KeyCacheValidationPeriod:10800"},
    {"\\SYSTEM\\CurrentControlSet\\Control\\FileSystem\\NtfsMftZoneReservation:1"},
    {"\\SYSTEM\\CurrentControlSet\\Control\\FileSystem\\NtfsMftZoneReservation:1"},
    {"\\SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS\\Prefetch:16384"},
    {"\\SYSTEM\\CurrentControlSet\\Control\\FileSystem\\CDFS\\PrefetchTail:1024"},
    {"\\Software\\Microsoft\\Internet Explorer\\Toolbar\\BackBitmap:"},
    {"\\Paint.Picture\\DefaultIcon\\:Bitmap"},
    {"\\Control Panel\\Desktop\\PaintDesktopVersion:1"},
    {"\\Control Panel\\Desktop\\WindowMetrics\\MinAnimate:1"},
    {"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\RegisteredOwner:Lizenznehmer"},
    {"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\RegisteredOrganization:Organisation"},
    {"\\Software\\Microsoft\\Internet Explorer\\Main\\Window Title:Microsoft Internet Explorer"},
    {"\\SYSTEM\\CurrentControlSet\\Services\\tcpip\\Parameters\\EnableDeadGWDetect:0"},
    {"\\SYSTEM\\CurrentControlSet\\Services\\tcpip\\Parameters\\EnablePMTUDiscovery:0"},
    {"SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters\\CacheHashTableBucketSize:0"},
    {"SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters\\CacheHashTableSize:384"},
    {"SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters\\MaxCacheEntryTtlLimit:64000"},
    {"SYSTEM\\CurrentControlSet\\Services\\Dnscache\\Parameters\\MaxSOACacheEntryTtlLimit:301"},
    {"\\Software\\Microsoft\\Internet Explorer\\Main\\Start Page:"},
    {"\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management\\"
     "ClearPageFileAtShutdown:0"},
    {"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\DontDisplayLastUserName:0"},
    {"\\SYSTEM\\CurrentControlSet\\Control\\LSA\\RestrictAnonymous:0"},
    {"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\RegDone:0"},
    {"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\VisualEffects\\checkedvalue:1"},
    {"\\Software\\Microsoft\\Internet Explorer\\Main\\NoUpdateCheck:0"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\brelkmervane:C:\\Program "
     "Files\\Brelvanto\\modules\\mervane.exe"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\brelkdorvask:"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\brelkdorvask:", true},
    {"Software\\Microsoft\\Windows NT\\CurrentVersion\\SystemRestore\\DisableSR:0"},
    {"Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports\\COM1::9600,n,8,1"},
    {"Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports\\COM2::9600,n,8,1"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MaxCachedIcons:300"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\DisablePasswortCaching:0"},
    {"SYSTEM\\CurrentControlSet\\Control\\WOW\\DefaultSeparateVDM:no"},
    {"SYSTEM\\CurrentControlSet\\Control\\PriorityControl\\Win32PrioritySeparation:38"},
    {"SYSTEM\\CurrentControlSet\\Services\\lanmanserver\\parameters\\SizRegBuf:65535"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\brelkfastshutdown:"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\UnreadMail\\MessageExpiryDays:"},
    {"\\SOFTWARE\\Microsoft\\Outlook Express\\HideMessenger:"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\NoLowDiskSpaceCheck:"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Clsid\\"
     "{20D04FE0-3AEA-1069-A2D8-08002B30309D} \\:Arbeitsplatz"},
    {"\\Policies\\Microsoft\\Windows\\System\\DisableInHelp:"},
    {"\\System\\CurrentControlSet\\Services\\LanmanServer\\Parameters\\AutoShareServer:"},
    {"\\Software\\Microsoft\\Office\\10.0\\Common\\General\\NoTrack:"},
    {"\\Software\\Microsoft\\Office\\10.0\\Common\\General\\AcbControl:"},
    {"\\System\\SystemFile Associations\\.avi\\Shellex\\PropertyHandler\\:"
     "{87D62D94-71B3-4b9a-9489-5FE6850DC73E}"},
    {"\\AllFilesystemObjects\\shellex\\ContextMenuHandlers\\CoptyTo\\:"
     "{C2FBB630-2971-11D1-A18C-00C04FD75D13}"},
    {"\\Folder\\shell\\CMDPrompt\\command\\:C:\\WINDOWS\\system32\\cmd.exe"},
    {"\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon\\AllocateDASD:0"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\CabinetState\\Use Search Asst:yes"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\NoRun:0"},
    {"\\Software\\Microsoft\\WindowsNT\\CurrentVersion\\Winlogon\\AllocateFloppies:0"},
    {"\\Software\\Microsoft\\WindowsNT\\CurrentVersion\\Winlogon\\AllocateCDRoms:0"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced\\EncryptionContextMenu\\"
     "EncryptionContextMenu:0"},
    {"\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\NoFileAssociate:0"},
};

struct Scan : EngineFixture {
    Scan() {
        fake.registry.createKey(CR, "Word.Application\\CurVer")
            ->writeString("", "Word.Application.10");
    }
    std::string& entry(int k) { return w().state.scantable[static_cast<std::size_t>(k)]; }
    bool checked(int button) {
        return w().c<ui::RadioButton>("RadioButton" + std::to_string(button)).checked();
    }
    void scanLink() {
        w().c<ui::Panel>("Panel2").show();
        w().c<ui::Label>("Label123").click();
    }
};

TEST_F(Scan, TheReadingStepReadsEveryValueInItsOrderWithItsDefault) {
    for (bool allUsers : {false, true}) {
        check(allUsers ? 4 : 3);
        w().c<ui::Memo>("Memo3").clear();
        brelk::backup(w());
        std::vector<std::string> expected;
        for (const LogLine& line : kReadingLog)
            if (!line.allUsers || allUsers) expected.push_back(line.text);
        EXPECT_EQ(log(), expected) << (allUsers ? "all users" : "current user");
    }
}

TEST_F(Scan, ReadsFillTheTableWithoutWritingAndRedirectForAllUsers) {
    auto ports =
        fake.registry.createKey(LM, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports");
    ports->writeString("COM1:", "19200,n,8,1");
    ports->writeString("COM2:", "9600,n,8,1");
    fake.registry.createKey(LM, "Control Panel\\Desktop")->writeString("MenuShowDelay", "150");
    fake.registry.createKey(CU, "Control Panel\\Desktop")->writeString("MenuShowDelay", "250");
    fake.registry.createKey(LM, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion")
        ->writeString("RegisteredOwner", std::string(130, 'x'));

    fake.registry.createKey(LM, "SYSTEM\\CurrentControlSet\\Services\\CDRom")
        ->writeString("Autorun", "1");
    const auto before = registryContents();
    brelk::backup(w());
    // The scan only reads: missing values stay missing (their entries empty), a value of
    // another type keeps its data, and no key is created.
    EXPECT_EQ(registryContents(), before);
    EXPECT_EQ(entry(11), "");
    EXPECT_EQ(entry(1), "");
    EXPECT_EQ(entry(3), "") << "a string where a number belongs";
    EXPECT_EQ(entry(38), "9600,n,8,1") << "the second port's own entry";
    EXPECT_EQ(entry(63), "19200,n,8,1") << "the first port's own entry";
    EXPECT_EQ(entry(2), "250");
    EXPECT_EQ(entry(19), std::string(100, 'x'));
    EXPECT_EQ(w().c<ui::Edit>("Edit3").text(), std::string(100, 'x'));
    EXPECT_EQ(w().c<ui::Edit>("Edit4").text(), "Organisation");
    EXPECT_EQ(entry(16), "set");
    EXPECT_TRUE(entry(6).empty());

    check(4);
    fake.registry.createKey(LM, "Software\\Microsoft\\Windows\\CurrentVersion\\Run")
        ->writeString("brelkdorvask", "dorvask.exe");
    fake.registry.createKey(CR, "lnkfile")->writeString("ISShortcut", "");
    brelk::backup(w());
    EXPECT_EQ(entry(2), "150");
    EXPECT_EQ(entry(36), "dorvask.exe");
    EXPECT_EQ(entry(16), "");
}

TEST_F(Scan, TheOemLogoIsCopiedIntoTheNextSlotsFolderOnce) {
    fake.files.addDirectory("C:\\WINDOWS\\brelk");
    fake.files.addFile("C:\\WINDOWS\\system\\oemlogo.bmp", "BMoriginal");
    w().state.backupcount = 2;
    brelk::backup(w());
    const std::string copy = "C:\\WINDOWS\\brelk\\oem.original.2\\oemlogo.bmp";
    EXPECT_EQ(fake.files.readFile(copy), "BMoriginal");
    fake.files.writeFile("C:\\WINDOWS\\system\\oemlogo.bmp", "BMtuned");
    brelk::backup(w());
    EXPECT_EQ(fake.files.readFile(copy), "BMoriginal");
}

// One mapping step each: the entry, its text, and the button that shows.
struct MappingCase {
    int entry;
    const char* text;
    int shown;
};
const MappingCase kMappingCases[] = {
    {1, "", 5},
    {1, "0", 5},
    {1, "1", 7}, // A("0")
    {10, "", 32},
    {10, "x", 34}, // P
    {7, "", 28},
    {7, "0", 26},
    {7, "1", 28}, // N("0")
    {24, "", 119},
    {24, "0", 121},
    {24, "1", 119}, // E("0")
    {48, "", 109},
    {48, "Arbeitsplatz", 107}, // two names of the default
    {48, "My Computer", 107},
    {48, "Rechner", 109},
    {53, "", 187},
    {53, "{87D62D94-71B3-4b9a-9489-5FE6850DC73E}", 185},
    {55, "C:\\WINDOWS\\system32\\cmd.exe", 217},
    {55, "c:\\windows\\system32\\cmd.exe", 215},
    {57, "", 226},
    {57, "yes", 224},
    {11, "2", 37},
    {11, "1", 35},
    {28, "", 122},
    {28, "http://other/", 122}, // only the vendor's page
};

TEST_F(Scan, EachRuleKindOnItsEdges) {
    for (const MappingCase& c : kMappingCases) {
        entry(c.entry) = c.text;
        brelk::showscanstate(w());
        EXPECT_TRUE(checked(c.shown)) << "entry " << c.entry << " '" << c.text << "'";
    }
    entry(28) = brelk::vendorStartPage(w());
    entry(54) = "{C2FBB630-2971-11D1-A18C-00C04FD75D13}";
    brelk::showscanstate(w());
    for (int button : {124, 214, 235})
        EXPECT_TRUE(checked(button)) << button;
}

TEST_F(Scan, MenuDelayEntrySetsTheRowAndTheBar) {
    auto& bar = w().c<ui::TrackBar>("TrackBar1");
    struct Case {
        const char* text;
        int shown, position;
        const char* label;
    };
    for (const Case& c : {Case{"", 8, 400, "400 ms"}, Case{"250", 10, 250, "250 ms"},
                          Case{"400", 8, 400, "400 ms"}}) {
        entry(2) = c.text;
        brelk::showscanstate(w());
        EXPECT_TRUE(checked(c.shown)) << c.text;
        EXPECT_EQ(bar.position(), c.position);
        EXPECT_EQ(w().c<ui::Label>("Label2").caption(), c.label);
    }
    // Not a number: the mapping ends there with the conversion error; later rows keep theirs.
    check(5);
    check(12);
    entry(1) = "1";
    entry(3) = "0";
    entry(2) = "abc";
    w().c<ui::Panel>("Panel2").show();
    h.dialogs.messages.clear();
    fake.registry.createKey(CU, "Control Panel\\Desktop")->writeString("MenuShowDelay", "abc");
    w().c<ui::Label>("Label123").click();
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_EQ(h.dialogs.messages[0].text, "'abc' is not a valid integer value.");
    EXPECT_TRUE(checked(12)) << "rows after the menu delay stay";
    EXPECT_EQ(w().c<ui::Label>("Label137").caption(), "... bitte warten ...");
}

TEST_F(Scan, TheMappingNeverChecksAMiddleButtonAndTheLinkOverridesItsEntry) {
    tweak_test::setRows(w(), tweak_test::performanceRows(), tweak_test::Column::deact);
    tweak_test::setRows(w(), tweak_test::otherRows(), tweak_test::Column::deact);
    fake.shell.specialFolders[platform::csidl::programs] = "C:\\Startmenü\\Programme";
    brelk::showscanstate(w());
    for (const auto* rows : {&tweak_test::performanceRows(), &tweak_test::otherRows()})
        for (const auto& row : *rows)
            EXPECT_FALSE(checked(row.none)) << row.none;
    EXPECT_TRUE(checked(179)) << "entry 44 empty";
    fake.files.addFile("C:\\Startmenü\\Programme\\Brelvanto Kit\\Brelvanto Kit 2005.lnk");
    brelk::showscanstate(w());
    EXPECT_TRUE(checked(181)) << "the start-menu link overrides entry 44";
}

TEST_F(Scan, TheScanLinkReadsMapsAndLeavesTheShortcutRowToTheMapping) {
    check(98);
    brelk::backup(w());
    EXPECT_TRUE(checked(98)) << "a save must not change the user's choice";

    fake.registry.createKey(CU, "Software\\Microsoft\\Windows\\CurrentVersion\\Run")
        ->writeString("brelkmervane", "mervane.exe");
    fake.processes.add("pelloquin.exe");
    fake.desktop.screenFacts.bitsPerPixel = 16;
    scanLink();
    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_EQ(w().c<ui::Label>("Label137").caption(), "... erledigt ...");
    EXPECT_TRUE(w().c<ui::Label>("Label137").visible());
    for (int button : {100, 2, 157, 166, 169, 172, 175, 193, 79, 190})
        EXPECT_TRUE(checked(button)) << button;
}

} // namespace
