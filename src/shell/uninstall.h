// The uninstall on the after-restart page: it lists and deletes the program's files, then
// writes a batch file that removes what the running program cannot (its own file and the
// folders) once it has ended, starts it hidden and ends the program.
#pragma once

#include <string>
#include <vector>

namespace brelk {

class MainWindow;

void bindUninstallHandlers(MainWindow& w);

// How often the batch tries to erase the program file, about a second apart, before it goes on.
constexpr int kUninstallEraseTries = 120;

struct UninstallBatch {
    std::string programFile; // the running program, which the batch waits for
    // The program folder with its trailing backslash; empty when it is a drive root, which
    // the uninstall leaves alone.
    std::string programFolder;
    // The work folder in the Windows folder (Windows folder + "\brelk"); empty when the
    // Windows folder field names no folder below a root.
    std::string workFolder;
    int backupcount = 0;
    // Listed files that could not be deleted while the program ran.
    std::vector<std::string> leftovers;
    // Folders found below the program folder (deepest first) and the work folder's numbered
    // OEM-logo folders, besides the fixed ones.
    std::vector<std::string> otherFolders;
    std::string batchFile;
    int eraseTries = kUninstallEraseTries;
};

// The batch file named after the program, in the folder that holds the program folder:
// "X:\dir\Kit\brelk.exe" gives "X:\dir\brelk.bat". A batch inside the program folder could not
// remove it: the command interpreter may keep its batch file open while it runs (Wine's does),
// and the folder a process was started in stays in use (under Wine) as long as it runs.
std::string batchFileFor(const std::string& programFile);

// The batch text, CR LF after each line, every path quoted. It first waits until the program
// file can be erased (the program has ended), clearing its attributes, for a bounded number of
// tries about a second apart, then goes on either way; it erases the leftovers, clears each
// folder's attributes and removes it with rmdir (which removes only empty ones), deepest first,
// the program folder last, and at the end erases itself. The text is in Windows-1252; it is written
// in the OEM code page.
std::string uninstallBatchText(const UninstallBatch& batch);

// Every path the batch names, in its order.
std::vector<std::string> uninstallBatchPaths(const UninstallBatch& batch);

} // namespace brelk
