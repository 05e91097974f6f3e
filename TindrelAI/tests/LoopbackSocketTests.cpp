#include "TindrelAI/model/LoopbackSocket.h"

#include <arpa/inet.h>
#include <cstring>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <unistd.h>

using namespace tindrel;

namespace {

// What curl hands the opener: the family, type and protocol, then the address itself.
struct OpenerArgument {
    curl_sockaddr head;
    sockaddr_in6 room; // curl's own storage is large enough for any address
};

OpenerArgument argumentFor(const std::string& address) {
    OpenerArgument argument{};
    argument.head.socktype = SOCK_STREAM;
    argument.head.protocol = IPPROTO_TCP;
    auto* storage = reinterpret_cast<unsigned char*>(&argument.head.addr);
    sockaddr_in v4{};
    sockaddr_in6 v6{};
    if (inet_pton(AF_INET, address.c_str(), &v4.sin_addr) == 1) {
        v4.sin_family = AF_INET;
        argument.head.family = AF_INET;
        argument.head.addrlen = sizeof v4;
        std::memcpy(storage, &v4, sizeof v4);
    } else if (inet_pton(AF_INET6, address.c_str(), &v6.sin6_addr) == 1) {
        v6.sin6_family = AF_INET6;
        argument.head.family = AF_INET6;
        argument.head.addrlen = sizeof v6;
        std::memcpy(storage, &v6, sizeof v6);
    }
    return argument;
}

} // namespace

TEST(LoopbackSocket, OpensSocketsOnlyTowardsLoopback) {
    struct Case {
        std::string address;
        bool opened;
    } cases[] = {
        {"127.0.0.1", true}, {"127.3.2.1", true},    {"192.0.2.1", false},        {"10.0.0.1", false},
        {"0.0.0.0", false},  {"2001:db8::1", false}, {"::ffff:192.0.2.1", false},
    };
    for (const Case& c : cases) {
        OpenerArgument argument = argumentFor(c.address);
        curl_socket_t socket = openLoopbackSocket(nullptr, CURLSOCKTYPE_IPCXN, &argument.head);
        EXPECT_EQ(socket != CURL_SOCKET_BAD, c.opened) << c.address;
        if (socket != CURL_SOCKET_BAD) ::close(socket);
    }
    OpenerArgument loopback = argumentFor("127.0.0.1");
    EXPECT_EQ(openLoopbackSocket(nullptr, CURLSOCKTYPE_ACCEPT, &loopback.head), CURL_SOCKET_BAD);
}
