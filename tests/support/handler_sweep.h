// Fires every event that a program's layouts bind, each on a fresh copy of a started program, and
// reports the handlers that fail: an exception that escapes, or one the application shows in
// an error box from a nested event. The bindings are read from the forms themselves, so every
// layout and handler added later is swept without code of its own.
#pragma once

#include "support/test_forms.h"
#include "ui/application.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/headless.h"

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// A program as its entry point leaves it once it is started and idle, headless: its
// application answers every message box and cancels every file dialog.
class StartedProgram {
  public:
    virtual ~StartedProgram() = default;
    ui::Application& app() { return h.app; }
    ui::ScriptedDialogs& dialogs() { return h.dialogs; }

  protected:
    HeadlessApp h;
};

using ProgramStarter = std::function<std::unique_ptr<StartedProgram>()>;

// An error a handler raises on purpose: the program's behaviour calls for it, or the
// component it reaches belongs to work not done yet. Matched by place and error text.
struct ExpectedFailure {
    const char* form;      // class name, as "TForm2"
    const char* component; // as the layout names it
    const char* event;     // as "OnClick"
    const char* error;     // a part of the error text
    const char* reason;
};

struct SweepResult {
    int fired = 0;
    std::vector<std::string> failures; // one line each, naming form, component, event, handler
};

inline bool isErrorBox(const ui::RecordedMessage& m) {
    return (m.flags & 0xF0u) == ui::mb::IconError;
}

// What one event did: the texts of the errors it raised, one per line.
inline std::string fireBinding(StartedProgram& program, const ui::Form& form,
                               const ui::Form::EventBinding& binding) {
    const ui::Handler* handler = form.handler(binding.handler);
    program.dialogs().messages.clear();
    ui::Event e;
    e.sender = binding.component;
    if (binding.event == "OnMouseWheel") e.wheelDelta = -120;
    if (binding.event == "OnKeyDown") e.key = 27; // Esc, the key the windows react to
    std::string errors;
    try {
        if (handler) (*handler)(e);
    } catch (const std::exception& ex) {
        errors += std::string(ex.what()) + "\n";
    }
    for (const auto& m : program.dialogs().messages) {
        if (isErrorBox(m)) errors += m.text + "\n";
    }
    return errors;
}

// Copies of this process, each running one job: the copy starts from the state the parent
// has, so every event meets the program exactly as it was started, and whatever the event
// changes (or a crash) stays in the copy. Several copies run at once.
class ChildJobs {
  public:
    explicit ChildJobs(std::size_t jobs) : outputs_(jobs) {}

    template <class Fn> void run(std::size_t job, Fn fn) {
        while (running_.size() >= parallel())
            reapOne();
        int fds[2];
        if (pipe(fds) != 0) {
            outputs_[job] = "cannot create a pipe\n";
            return;
        }
        const pid_t pid = fork();
        if (pid < 0) {
            close(fds[0]);
            close(fds[1]);
            outputs_[job] = "cannot fork\n";
            return;
        }
        if (pid == 0) {
            close(fds[0]);
            alarm(60); // a handler that never returns ends the copy
            // The parent reads the pipe only after the copy has ended: stay within its buffer.
            const std::string out = fn().substr(0, 16384);
            std::size_t done = 0;
            while (done < out.size()) {
                const ssize_t n = write(fds[1], out.data() + done, out.size() - done);
                if (n <= 0) break;
                done += static_cast<std::size_t>(n);
            }
            _exit(0);
        }
        close(fds[1]);
        running_.push_back({pid, fds[0], job});
    }

    // Waits for every copy; the output of each job, in job order.
    std::vector<std::string> finish() {
        while (!running_.empty())
            reapOne();
        return outputs_;
    }

  private:
    struct Child {
        pid_t pid;
        int fd;
        std::size_t job;
    };
    static std::size_t parallel() {
        const long cores = sysconf(_SC_NPROCESSORS_ONLN);
        return cores < 2 ? 2 : static_cast<std::size_t>(cores > 8 ? 8 : cores);
    }
    void reapOne() {
        int status = 0;
        const pid_t pid = wait(&status);
        for (auto it = running_.begin(); it != running_.end(); ++it) {
            if (it->pid != pid) continue;
            std::string out;
            char buf[4096];
            ssize_t n;
            while ((n = read(it->fd, buf, sizeof buf)) > 0)
                out.append(buf, static_cast<std::size_t>(n));
            close(it->fd);
            if (WIFSIGNALED(status)) {
                out += "ended by signal " + std::to_string(WTERMSIG(status)) + "\n";
            } else if (WEXITSTATUS(status) != 0) {
                out += "exited with " + std::to_string(WEXITSTATUS(status)) + "\n";
            }
            outputs_[it->job] = out;
            running_.erase(it);
            return;
        }
    }
    std::vector<std::string> outputs_;
    std::vector<Child> running_;
};

inline SweepResult sweepHandlers(const ProgramStarter& start,
                                 const std::vector<ExpectedFailure>& expected) {
    struct Site {
        const ui::Form* form;
        const ui::Form::EventBinding* binding;
    };
    auto program = start();
    std::vector<Site> sites;
    for (const auto& form : program->app().forms()) {
        for (const auto& binding : form->eventBindings())
            sites.push_back({form.get(), &binding});
    }
    ChildJobs jobs(sites.size());
    for (std::size_t i = 0; i < sites.size(); ++i)
        jobs.run(i, [&] { return fireBinding(*program, *sites[i].form, *sites[i].binding); });
    const auto outputs = jobs.finish();

    SweepResult result;
    result.fired = static_cast<int>(sites.size());
    std::vector<bool> expectedSeen(expected.size(), false);
    for (std::size_t i = 0; i < sites.size(); ++i) {
        const ui::Form& form = *sites[i].form;
        const auto& binding = *sites[i].binding;
        const std::string where = form.className() + "." + binding.component->name() + "." +
                                  binding.event + " -> " + binding.handler;
        std::size_t from = 0, eol;
        while ((eol = outputs[i].find('\n', from)) != std::string::npos) {
            const std::string error = outputs[i].substr(from, eol - from);
            from = eol + 1;
            bool accounted = false;
            for (std::size_t x = 0; x < expected.size(); ++x) {
                const auto& e = expected[x];
                if (form.className() == e.form && binding.component->name() == e.component &&
                    binding.event == e.event && error.find(e.error) != std::string::npos) {
                    expectedSeen[x] = true;
                    accounted = true;
                }
            }
            if (!accounted) result.failures.push_back(where + ": " + error);
        }
    }
    for (std::size_t x = 0; x < expected.size(); ++x) {
        if (expectedSeen[x]) continue;
        const auto& e = expected[x];
        result.failures.push_back(std::string(e.form) + "." + e.component + "." + e.event +
                                  ": listed as failing with \"" + e.error + "\" (" + e.reason +
                                  ") but did not; take it off the list");
    }
    return result;
}

} // namespace testing_support
