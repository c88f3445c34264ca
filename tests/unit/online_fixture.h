// A started main window whose online services talk to the fake network: "srv.example" answers
// on port 80 and serves what a case puts under /premium/2005b/.
#pragma once

#include "shell_fixture.h"

namespace online_test {

struct OnlineFixture : shell_test::ShellFixture {
    const std::string base = "http://srv.example";

    void SetUp() override {
        ShellFixture::SetUp();
        fake.network.addHost("srv.example", {10, 0, 0, 5});
        fake.network.listen({10, 0, 0, 5}, 80);
        start();
        c<ui::Edit>("Edit8").setText(base);
        c<ui::Edit>("Edit9").setText("http://fallback.example");
        h.dialogs.messages.clear();
    }
    void serve(const std::string& path, const std::string& body) {
        fake.network.served[base + "/premium/2005b/" + path] = body;
    }
    std::string requested(std::size_t i) const {
        return i < fake.network.requests.size() ? fake.network.requests[i] : "<none>";
    }
};

} // namespace online_test
