#include "tweaks/tweak_rows.h"

#include <stdexcept>

namespace brelk::tweaks {
namespace {

using C = CategoryId;
constexpr RowExtra kNone = RowExtra::None;

// clang-format off
const Category kCategories[] = {
    {C::Performance, "Perf", "ScrollBox1", "Einstellungen der Performance-Optionen", "Label122",
     {"Label162", "Label163", "Label164"}, {"Perfdeact", "Perfnochange", "Pervact"},
     "row_performance.bmp",
     "Hier können Sie Tuningoptionen aktivieren (+) oder auch deaktivieren (-)"},
    {C::Appearance, "Opt", "Panel91", "Einstellungen der Optik-Optionen", "OptTitle",
     {"Label167", "Label166", "Label165"}, {"Optdeact", "Optnochange", "Optact"},
     "row_appearance.bmp", nullptr},
    {C::Internet, "Int", "Panel90", "Einstellungen der Internet-Optionen", "IntTitle",
     {"Label168", "Label169", "Label170"}, {"intdeact", "intnochange", "intact"},
     "row_internet.bmp", nullptr},
    {C::Security, "Sec", "Panel89", "Einstellungen der Sicherheits-Optionen", "SecTitle",
     {"Label171", "Label172", "Label173"}, {"Secdeact", "Secnochange", "Secact"},
     "row_security.bmp", nullptr},
    {C::AntiSpying, "Spy", "Panel88", "Einstellungen der Anti-Sionage Optionen", "SpyTitle",
     {"Label174", "Label175", "Label176"}, {"Spydeact", "Spynochange", "Spyact"},
     "row_antispy.bmp", nullptr},
    {C::ProgramOptions, "Brelk", "Panel86", "Einstellungen zum Brelvanto Kit", "BrelkTitle",
     {"Label177", "Label178", "Label179"}, {"brelkdeact", "brelknochange", "brelkact"},
     "row_options.bmp", nullptr},
};
// clang-format on

enum Gear { PageFile, OemLogo, ToolbarBitmap, IeTitle, ComputerName, StartButton, FolderAsDrive };
constexpr int kNoGear = -1;

// clang-format off
const SettingsGear kGears[] = {
    {"Image64", "Image70", "pagefilerollover", {}, "Pagefileerweitert", 3},
    {"Image45", "Image46", "Logorollover", {"Image54", "Image84"}, "Logoerweitert", 1},
    {"Image47", "Image54", "IEBitmaprollover", {"Image84", "Image46"}, "iEBitmaperweitert", 2},
    {"Image83", "Image84", "IETitelrollover", {"Image46", "Image54", "Image187"}, "iETitelerweitert", 4},
    {"Image188", "Image187", "Image188MouseMove", {"Image84"}, "Image187Click", 5},
    {"Image264", "Image263", "Image264MouseMove", {"Image264"}, "Image263Click", 6},
    {"Image305", "Image306", "Image305MouseMove", {"Image305"}, "Image306Click", 7},
};

const TweakRow kRows[] = {
    // Performance, on ScrollBox1.
    {C::Performance, "Panel13", "Label27", "erweiterten Festplattencache nutzen", {5, 6, 7}, false, false, kNoGear, kNone,
     "Windows nutzt einen großen Systemcache für Dateizugriffe auf allen Laufwerken."},
    {C::Performance, "Panel14", "Label29", "Startmenü-Verzögerung", {8, 9, 10}, false, false, kNoGear, RowExtra::StartMenuDelay,
     "Legt mit dem Schieberegler fest, nach wie vielen Millisekunden sich die Untermenüs des Startmenüs öffnen."},
    {C::Performance, "Panel15", nullptr, "Autorun von CD-Rom Laufwerken deaktivieren", {11, 12, 13}, false, false, kNoGear, kNone,
     "Eingelegte CDs und DVDs starten ihr Autorun-Programm nicht mehr von selbst."},
    {C::Performance, "Panel16", nullptr, "Teile des Kernels nicht ausgelagern", {14, 15, 16}, false, false, kNoGear, kNone,
     "Kernel und Treiber bleiben im Arbeitsspeicher und werden nicht in die Auslagerungsdatei ausgelagert."},
    {C::Performance, "Panel17", nullptr, "Steigerung der gesamten Systemperformance", {17, 18, 19}, false, false, kNoGear, kNone,
     "Erhöht die Grenze für gesperrte Ein- und Ausgabeseiten passend zur Größe des Arbeitsspeichers."},
    {C::Performance, "Panel18", nullptr, "Warnhinweise von Systemordnern entfernen", {20, 21, 22}, false, false, kNoGear, kNone,
     "Löscht die Datei desktop.ini im Windows-, im System32- und im Programmordner, damit deren Warnhinweise entfallen."},
    {C::Performance, "Panel19", nullptr, "Größe der Auslagerungsdatei optimieren", {23, 24, 25}, false, false, PageFile, kNone,
     "Setzt Minimum und Maximum der Auslagerungsdatei auf die Werte der Einstellungen (Zahnrad)."},
    {C::Performance, "Panel20", nullptr, "ungenutzte DLLs automatisch entladen", {26, 27, 28}, false, false, kNoGear, kNone,
     "Der Explorer entlädt nicht mehr benötigte DLLs sofort aus dem Arbeitsspeicher."},
    {C::Performance, "Panel21", nullptr, "System-Shutdown beschleunigen", {29, 30, 31}, false, false, kNoGear, kNone,
     "Verkürzt die Wartezeit, nach der Windows beim Herunterfahren hängende Dienste und Programme beendet."},
    {C::Performance, "Panel22", nullptr, "Systemcache für verschlüsselte Dateien optimieren", {32, 33, 34}, false, false, kNoGear, kNone,
     "Legt fest, wie lange Windows die Schlüssel verschlüsselter Dateien (EFS) zwischenspeichert."},
    {C::Performance, "Panel23", nullptr, "MFT bei NTFS Laufwerken optimal vergrößern", {35, 36, 37}, false, false, kNoGear, kNone,
     "Reserviert auf NTFS-Laufwerken mehr Platz für die Master File Table (MFT)."},
    {C::Performance, "Panel24", nullptr, "temporäre Dateien jetzt löschen", {38, 39, 40}, true, false, kNoGear, kNone,
     "Startet ein Hilfsprogramm, das die temporären Dateien löscht (einmalige Aktion)."},
    {C::Performance, "Panel25", nullptr, "Prefetching Dateien jetzt löschen", {41, 42, 43}, true, false, kNoGear, kNone,
     "Startet ein Hilfsprogramm, das die Prefetch-Dateien löscht (einmalige Aktion)."},
    {C::Performance, "Panel26", nullptr, "CDRom/DVD Laufwerke beschleunigen", {44, 45, 46}, false, false, kNoGear, kNone,
     "Vergrößert den Vorlesepuffer des CD-Dateisystems für schnellere CD- und DVD-Zugriffe."},
    {C::Performance, "Panel27", nullptr, "Animation bei Fensterminimierung deaktivieren", {47, 48, 49}, false, false, kNoGear, kNone,
     "Stellt die Animation beim Minimieren und Wiederherstellen von Fenstern ein."},
    {C::Performance, "Panel28", nullptr, "wartende Systemprozesse jetzt ausführen", {50, 51, 52}, true, false, kNoGear, kNone,
     "Lässt Windows die anstehenden Leerlaufaufgaben sofort ausführen (einmalige Aktion)."},
    {C::Performance, "Panel29", nullptr, "grafische Effekte deaktivieren ", {53, 54, 55}, false, false, kNoGear, kNone,
     "Schaltet grafische Effekte der Oberfläche ab und spart so Rechenzeit."},
    {C::Performance, "Panel30", nullptr, "automatische Systemwiederherstellung deaktivieren ", {56, 57, 58}, false, false, kNoGear, kNone,
     "Schaltet die automatische Systemwiederherstellung ab und spart so Speicherplatz und Rechenzeit."},
    {C::Performance, "Panel31", nullptr, "serielle Schnittstellen optimieren", {59, 60, 61}, false, false, kNoGear, kNone,
     "Stellt die seriellen Schnittstellen COM1 und COM2 auf eine höhere Übertragungsgeschwindigkeit ein."},
    {C::Performance, "Panel32", nullptr, "Laden der Icons beschleunigen", {62, 63, 64}, false, false, kNoGear, kNone,
     "Vergrößert den Zwischenspeicher für Symbole, damit Icons schneller angezeigt werden."},
    {C::Performance, "Panel33", nullptr, "Icon Cache jetzt aktualisieren", {65, 66, 67}, true, false, kNoGear, kNone,
     "Baut den Zwischenspeicher der Symbole neu auf (einmalige Aktion)."},
    {C::Performance, "Panel34", nullptr, "16 Bit Anwendungen als separaten Prozess starten", {68, 69, 70}, false, false, kNoGear, kNone,
     "16-Bit-Programme laufen jeweils in einer eigenen virtuellen DOS-Maschine."},
    {C::Performance, "Panel35", nullptr, "CPU Prioritäten optimieren", {71, 72, 73}, false, false, kNoGear, kNone,
     "Optimiert die Verteilung der Prozessorzeit zwischen Vordergrund- und Hintergrundprogrammen."},
    {C::Performance, "Panel36", nullptr, "Dateisuche im Netzwerk beschleunigen", {74, 75, 76}, false, false, kNoGear, kNone,
     "Vergrößert den Puffer des Serverdienstes für schnellere Dateisuchen im Netzwerk."},
    {C::Performance, "Panel37", nullptr, "Farbtiefe auf 16 Bit reduzieren", {77, 78, 79}, false, false, kNoGear, kNone,
     "Stellt die Farbtiefe der Anzeige auf 16 Bit um, wenn sie höher eingestellt ist."},
    {C::Performance, "Panel38", nullptr, "Anzeige neuer eMails beim Hochfahren unterbinden", {80, 81, 82}, false, false, kNoGear, kNone,
     "Windows zeigt bei der Anmeldung keine Anzahl ungelesener E-Mails mehr an."},
    {C::Performance, "Panel39", nullptr, "Messenger nicht mit Outlook Express starten", {83, 84, 85}, false, false, kNoGear, kNone,
     "Der Windows Messenger startet nicht mehr zusammen mit Outlook Express."},
    {C::Performance, "Panel40", nullptr, "Hinweis auf HDD-Speichermangel abschalten", {86, 87, 88}, false, false, kNoGear, kNone,
     "Windows warnt nicht mehr, wenn der Platz auf einer Festplatte knapp wird."},
    {C::Performance, "Panel75", nullptr, "Vorschau von AVI-Dateien im Explorer deaktivieren", {185, 186, 187}, false, false, kNoGear, kNone,
     "Der Explorer liest die Eigenschaften von AVI-Dateien nicht mehr aus; Ordner mit Videos öffnen sich schneller."},
    {C::Performance, "Panel76", nullptr, "Active Desktop deaktivieren", {188, 189, 190}, false, false, kNoGear, kNone,
     "Schaltet den Active Desktop aus und spart so Arbeitsspeicher."},
    {C::Performance, "Panel98", nullptr, "Kontextmenü um \"in Ordner X kopieren\" erweitern", {212, 213, 214}, false, false, kNoGear, kNone,
     "Ergänzt das Kontextmenü von Dateien und Ordnern um den Eintrag \"In Ordner kopieren\"."},
    {C::Performance, "Panel99", nullptr, "Kontextmenü um \"in Ordner X verschieben\" erweitern", {215, 216, 217}, false, false, kNoGear, kNone,
     "Ergänzt das Kontextmenü von Dateien und Ordnern um den Eintrag \"In Ordner verschieben\"."},
    {C::Performance, "Panel105", nullptr, "Kontextmenü um \"Eingabeaufforderung\" erweitern", {233, 234, 235}, false, false, kNoGear, kNone,
     "Ergänzt das Kontextmenü von Ordnern um eine Eingabeaufforderung in diesem Ordner."},
    {C::Performance, "Panel100", nullptr, "Brennfunktion für limitierte User aktivieren", {218, 219, 220}, false, false, kNoGear, kNone,
     "Auch Benutzer ohne Administratorrechte dürfen Brenner und Wechselmedien verwenden."},
    {C::Performance, "Panel101", nullptr, "Kennwortabfrage nach Ruhezustand abschalten", {221, 222, 223}, false, false, kNoGear, kNone,
     "Windows fragt beim Aufwachen aus dem Ruhezustand nicht mehr nach dem Kennwort."},
    {C::Performance, "Panel102", nullptr, "Suchfunktion beschleunigen", {224, 225, 226}, false, false, kNoGear, kNone,
     "Die Suche des Explorers startet ohne den animierten Suchassistenten und damit schneller."},
    {C::Performance, "Panel103", nullptr, "Bildvorschau/Miniaturansicht deaktivieren", {227, 228, 229}, false, false, kNoGear, kNone,
     "Meldet die Bild- und Faxanzeige ab, sodass der Explorer keine Miniaturansichten von Bildern mehr erzeugt."},

    // Appearance, on Panel91.
    {C::Appearance, "Panel41", nullptr, "Logo in Systeminformationen einbinden", {89, 90, 91}, false, false, OemLogo, kNone,
     "Zeigt ein eigenes Logo in den Systemeigenschaften an; das Bild wählen Sie über das Zahnrad."},
    {C::Appearance, "Panel42", nullptr, "Hintergrund für Internet Explorer® ", {92, 93, 94}, false, false, ToolbarBitmap, kNone,
     "Legt ein Hintergrundbild für die Symbolleisten des Internet Explorers fest; das Bild wählen Sie über das Zahnrad."},
    {C::Appearance, "Panel43", nullptr, "Inhalt einer Bitmap als Icon im Explorer darstellen", {95, 96, 97}, false, false, kNoGear, kNone,
     "Der Explorer zeigt als Symbol einer Bitmap-Datei eine verkleinerte Ansicht ihres Inhalts."},
    {C::Appearance, "Panel44", nullptr, "Verküpfungspfeil deaktivieren", {98, 99, 100}, false, false, kNoGear, kNone,
     "Entfernt den kleinen Pfeil auf den Symbolen von Verknüpfungen."},
    {C::Appearance, "Panel45", nullptr, "Build Nummer auf dem Desktop anzeigen", {101, 102, 103}, false, false, kNoGear, kNone,
     "Zeigt die Windows-Version mit ihrer Build-Nummer unten rechts auf dem Desktop an."},
    {C::Appearance, "Panel46", nullptr, "Internet Explorer® Titelleiste modifizieren", {104, 105, 106}, false, false, IeTitle, kNone,
     "Schreibt einen eigenen Text in die Titelleiste des Internet Explorers; den Text geben Sie über das Zahnrad ein."},
    {C::Appearance, "Panel47", nullptr, "Arbeitsplatz-Bezeichnung modifizieren", {107, 108, 109}, false, false, ComputerName, kNone,
     "Gibt dem Symbol Arbeitsplatz eine eigene Bezeichnung; den Text geben Sie über das Zahnrad ein."},

    // Internet, on Panel90.
    {C::Internet, "Panel50", nullptr, "DNS Cache jetzt entleeren", {110, 111, 112}, true, false, kNoGear, kNone,
     "Leert den DNS-Zwischenspeicher, damit Rechnernamen neu aufgelöst werden (einmalige Aktion)."},
    {C::Internet, "Panel51", nullptr, "inaktive Router erkennen", {113, 114, 115}, false, false, kNoGear, kNone,
     "Windows erkennt ausgefallene Standardgateways und wechselt auf ein anderes."},
    {C::Internet, "Panel52", nullptr, "Black Hole Router erkennen", {116, 117, 118}, false, false, kNoGear, kNone,
     "Windows ermittelt die größte Paketgröße einer Verbindung und erkennt so Router, die zu große Pakete verwerfen."},
    {C::Internet, "Panel53", nullptr, "DNS-Cache optimieren", {119, 120, 121}, false, false, kNoGear, kNone,
     "Passt Größe und Gültigkeitsdauer der Einträge des DNS-Zwischenspeichers an."},
    {C::Internet, "Panel54", nullptr, "Startseite auf www.kestovar.de setzen", {122, 123, 124}, false, false, kNoGear, kNone,
     "Der Internet Explorer öffnet beim Start die Homepage von Kestovar."},

    // Security, on Panel89.
    {C::Security, "Panel55", nullptr, "Auslagerungsdatei nach Herunterfahren leeren", {125, 126, 127}, false, false, kNoGear, kNone,
     "Windows leert die Auslagerungsdatei beim Herunterfahren, damit keine vertraulichen Daten darin zurückbleiben."},
    {C::Security, "Panel56", nullptr, "zuletzt angemeldeten User beim Logon ausblenden", {128, 129, 130}, false, false, kNoGear, kNone,
     "Das Anmeldefenster zeigt den Namen des zuletzt angemeldeten Benutzers nicht mehr an."},
    {C::Security, "Panel57", nullptr, "anonymen Zugriff auf Informationen beschränken", {131, 132, 133}, false, false, kNoGear, kNone,
     "Anonyme Benutzer im Netzwerk können Benutzerkonten und Freigaben nicht mehr auflisten."},
    {C::Security, "Panel58", nullptr, "Scan der Registrierdatenbank verhindern", {134, 135, 136}, false, false, kNoGear, kNone,
     "Markiert Windows als registriert, sodass keine Registrierung mehr angeboten wird."},
    {C::Security, "Panel59", nullptr, "Passwort-Caching deaktivieren", {137, 138, 139}, false, false, kNoGear, kNone,
     "Kennwörter für Internetseiten werden nicht mehr zwischengespeichert."},
    {C::Security, "Panel60", nullptr, "Systemdateien beim nächsten Neustart überprüfen", {140, 141, 142}, true, false, kNoGear, kNone,
     "Windows prüft beim nächsten Neustart einmal, ob die Systemdateien unverändert sind (einmalige Aktion)."},
    {C::Security, "Panel61", nullptr, "Ausführen von Programmen aus der Hilfe unterbinden ", {143, 144, 145}, false, false, kNoGear, kNone,
     "Die Windows-Hilfe darf Programme wie cmd.exe, control.exe, msconfig.exe und attrib.exe nicht mehr starten."},
    {C::Security, "Panel62", nullptr, "Standard Administrator-Freigaben entfernen", {146, 147, 148}, false, false, kNoGear, kNone,
     "Die versteckten administrativen Freigaben der Laufwerke (C$ und andere) werden nicht mehr angelegt."},
    {C::Security, "Panel63", nullptr, "Document Tracking in Microsoft® Office® blockieren", {149, 150, 151}, false, false, kNoGear, kNone,
     "Microsoft Office verfolgt die Nutzung von Dokumenten nicht mehr."},
    {C::Security, "Panel64", nullptr, "Zwischenablage in Microsoft® Office® stummschalten", {152, 153, 154}, false, false, kNoGear, kNone,
     "Die Office-Zwischenablage erscheint nicht mehr von selbst."},
    {C::Security, "Panel92", nullptr, "Menüpunkt \"Ausführen\" aus Startmenü entfernen", {194, 195, 196}, false, false, kNoGear, kNone,
     "Entfernt den Eintrag \"Ausführen\" aus dem Startmenü."},
    {C::Security, "Panel93", nullptr, "Zugriffskontrolle für Diskettenlaufwerk begrenzen", {197, 198, 199}, false, false, kNoGear, kNone,
     "Nur der angemeldete Benutzer darf auf das Diskettenlaufwerk zugreifen."},
    {C::Security, "Panel94", nullptr, "Zugriffskontrolle für das CD-Rom-Laufwerk", {200, 201, 202}, false, false, kNoGear, kNone,
     "Nur der angemeldete Benutzer darf auf das CD-ROM-Laufwerk zugreifen."},
    {C::Security, "Panel95", nullptr, "Dateien/Ordner über Kontextmenü verschlüsseln", {203, 204, 205}, false, false, kNoGear, kNone,
     "Ergänzt das Kontextmenü des Explorers um Einträge zum Ver- und Entschlüsseln."},
    {C::Security, "Panel96", nullptr, "Computer vor PIF-Datei - Missbrauch schützen", {206, 207, 208}, false, false, kNoGear, kNone,
     "Zeigt die Endung von PIF-Dateien immer an, damit sich Schadprogramme nicht als harmlose Dateien tarnen."},
    {C::Security, "Panel97", nullptr, "Datei-Assoziationen schützen", {209, 210, 211}, false, false, kNoGear, kNone,
     "Benutzer können die Zuordnung von Dateitypen zu Programmen nicht mehr ändern."},

    // Anti-spying, on Panel88 below the mode switch.
    {C::AntiSpying, "Panel65", nullptr, "Website-Verlauf in der Registry löschen", {155, 156, 157}, false, false, kNoGear, kNone,
     "Löscht die im Internet Explorer eingegebenen Adressen aus der Registrierung."},
    {C::AntiSpying, "Panel66", nullptr, "automatische Internet Explorer®-Updates deaktivieren", {158, 159, 160}, false, false, kNoGear, kNone,
     "Der Internet Explorer sucht nicht mehr von selbst nach neuen Versionen."},
    {C::AntiSpying, "Panel68", nullptr, "Einträge der zuletzt geöffnete Dokumente löschen", {164, 165, 166}, false, false, kNoGear, kNone,
     "Löscht die Liste der zuletzt geöffneten Dokumente."},
    {C::AntiSpying, "Panel69", nullptr, "Verlauf des Mediaplayer® löschen", {167, 168, 169}, false, false, kNoGear, kNone,
     "Löscht die Liste der zuletzt im Media Player geöffneten Dateien."},
    {C::AntiSpying, "Panel70", nullptr, "Verlauf des \"Ausführen\" - Dialoges  löschen", {170, 171, 172}, false, false, kNoGear, kNone,
     "Löscht die Liste der zuletzt in Dateidialogen geöffneten Dateien."},
    {C::AntiSpying, "Panel71", nullptr, "Funktion \"Verwandte Links\" deaktivieren", {173, 174, 175}, false, false, kNoGear, kNone,
     "Schaltet die Funktion \"Verwandte Links\" des Internet Explorers ab."},

    // Program options, on Panel86.
    {C::ProgramOptions, "Panel73", nullptr, "Verknüpfung im Startmenü anlegen", {179, 180, 181}, false, false, kNoGear, kNone,
     "Legt im Startmenü einen Ordner mit Verknüpfungen zum Brelvanto Kit und zu seiner Deinstallation an."},
    {C::ProgramOptions, "Panel72", nullptr, "Dorvask beim Systemstart ausführen", {176, 177, 178}, false, false, kNoGear, RowExtra::CompanionOptions,
     "Startet Dorvask bei jedem Systemstart; darunter wählen Sie, ob es den Arbeitsspeicher verwaltet und die Anti-Spionage-Optionen ausführt."},
    {C::ProgramOptions, "Panel87", nullptr, "Windows® StartButton manipulieren", {191, 192, 193}, false, true, StartButton, kNone,
     "Ersetzt den Startknopf von Windows durch einen eigenen mit Bild, Text und Klang; ihn gestalten Sie über das Zahnrad."},
    {C::ProgramOptions, "Panel106", nullptr, "Ordner als Laufwerk mounten", {232, 231, 230}, false, true, FolderAsDrive, kNone,
     "Bindet einen Ordner unter einem eigenen Laufwerksbuchstaben ein; Ordner und Buchstaben wählen Sie über das Zahnrad."},
};
// clang-format on

} // namespace

std::span<const Category> categories() {
    return kCategories;
}

const Category& category(CategoryId id) {
    for (const auto& c : kCategories) {
        if (c.id == id) return c;
    }
    throw std::logic_error("unknown tweak category");
}

std::span<const TweakRow> tweakRows() {
    return kRows;
}

std::span<const SettingsGear> settingsGears() {
    return kGears;
}

std::string buttonName(const TweakRow& row, Column column) {
    return "RadioButton" + std::to_string(row.buttons[column]);
}

std::string captionLabelName(const TweakRow& row) {
    return row.label ? row.label : "TweakLabel" + std::to_string(row.buttons[Deactivate]);
}

std::string iconName(const TweakRow& row) {
    return "TweakIcon" + std::to_string(row.buttons[Deactivate]);
}

} // namespace brelk::tweaks
