#include "online/bug_report.h"

#include "online/server_choice.h"
#include "shell/main_window.h"
#include "ui/input_controls.h"
#include "ui/standard_controls.h"

#include <exception>

namespace brelk {

const char* const kBugReportKey = "73";
// Latin-1 letters, the same bytes in every build.
const char* const kDefaultScrambleKey = "pfnuzrt\xF6qwvbnhjgf\xF6qwrtzhgnbvcxy";

std::string xorscramble(const std::string& text, const std::string& key) {
    const bool blank = key.find_first_not_of(' ') == std::string::npos;
    const std::string& used = blank ? std::string(kDefaultScrambleKey) : key;
    std::string out = text;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char>(out[i] ^ used[i % used.size()]);
    return out;
}

std::vector<std::string> getlocalips(platform::Network& network) {
    std::vector<std::string> lines;
    for (const auto& a : network.localAddresses()) {
        if (lines.size() == kLocalAddressLimit) break;
        lines.push_back(std::to_string(a[0]) + "." + std::to_string(a[1]) + "." +
                        std::to_string(a[2]) + "." + std::to_string(a[3]) + " --- ");
    }
    return lines;
}

std::string percentEncode(const std::string& bytes) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0xF];
        }
    }
    return out;
}

std::string bugReportBody(const BugReport& r) {
    auto s = [](const std::string& text) { return xorscramble(text, kBugReportKey); };
    return "MITTEILUNG " + r.message + " --- " + s("WINVER") + " " + s(r.windowsName) + " --- " +
           s("RAMSIZE") + "  " + r.ramSize + " --- " + s("USERNAME") + " " + s(r.owner) + " --- " +
           s("ORG") + " " + s(r.organisation) + " --- " + s("BRELKVER") + " " + r.version +
           " --- " + s("IPs") + " " + s(r.addresses);
}

std::string bugReportRequest(const std::string& base, const BugReport& r) {
    auto s = [](const std::string& text) { return xorscramble(text, kBugReportKey); };
    std::string report = " ";
    report += bugReportBody(r);
    return base + "/formmailer_brelkp.php?sendername=" + percentEncode(s(r.name)) +
           "&sendermail=" + percentEncode(s(r.mail)) + "&kontoinhaber=" + percentEncode(report);
}

void Bugmailsend(MainWindow& w) {
    OnlineAction action(w);
    if (!action.claimed()) return;
    auto& status = w.c<ui::Label>("Label183");
    auto& link = w.c<ui::Label>("Label182");
    status.setCaption("- bitte warten -");
    status.show();
    link.setCursor(ui::Cursor::Wait);
    const std::string base = limitedServerBase(w);
    auto& addresses = w.c<ui::Memo>("Memo2");
    addresses.setLines(getlocalips(w.ctx.platform.network));
    w.app().processMessages();

    BugReport r;
    r.name = w.c<ui::Edit>("Edit10").text();
    r.mail = w.c<ui::Edit>("Edit11").text();
    r.message = w.c<ui::Memo>("Memo1").joinedText();
    r.windowsName = w.c<ui::Edit>("Edit7").text();
    r.ramSize = w.c<ui::Edit>("Edit2").text();
    r.owner = w.c<ui::Edit>("Edit3").text();
    r.organisation = w.c<ui::Edit>("Edit4").text();
    r.version = w.c<ui::Label>("Label5").caption();
    r.addresses = addresses.joinedText();

    bool accepted = false;
    try {
        WindowKeptAlive alive(w);
        accepted = w.ctx.platform.network.requestUrl(bugReportRequest(base, r), &alive);
    } catch (const std::exception&) {
    }
    status.setCaption(accepted ? "- erledigt -" : "- Senden fehlgeschlagen -");
    link.setCursor(ui::Cursor::Default);
}

} // namespace brelk
