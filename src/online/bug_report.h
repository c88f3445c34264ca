// The bug report: the user's name, address and message with a block of system facts, sent to
// the server's form mailer as the query of one HTTP GET. The name, the address, the field
// labels and most facts are scrambled with a fixed XOR key; every value is percent-encoded.
#pragma once

#include "platform/network.h"

#include <string>
#include <vector>

namespace brelk {

class MainWindow;

// The fixed key the report is scrambled with.
extern const char* const kBugReportKey;
// Used when a key is empty or only blanks.
extern const char* const kDefaultScrambleKey;

// XORs each character with the key's characters in turn, restarting the key as often as
// needed; scrambling the result again gives back the text.
std::string xorscramble(const std::string& text, const std::string& key);

// At most this many local addresses go into a report.
constexpr std::size_t kLocalAddressLimit = 11;

// The local IPv4 addresses as dotted text followed by " --- ", one per line, at most 11.
std::vector<std::string> getlocalips(platform::Network& network);

// Every byte outside letters, digits and "-_.~" as "%XX".
std::string percentEncode(const std::string& bytes);

// What a report carries, as typed and as read from the window.
struct BugReport {
    std::string name, mail, message; // message with a line break after each line
    std::string windowsName, ramSize, owner, organisation, version;
    std::string addresses; // the address lines, each followed by a line break
};

// The report body in its fixed order; the caller percent-encodes it.
std::string bugReportBody(const BugReport& r);
// The whole request on the server base.
std::string bugReportRequest(const std::string& base, const BugReport& r);

void Bugmailsend(MainWindow& w);

} // namespace brelk
