#include "TindrelAI/model/ChatProtocol.h"
#include "TindrelAI/model/LoopbackEndpoint.h"

#include <cstdint>
#include <string_view>

// What a local server or the user's configuration can hand the model client: model lists, chat
// answers, endpoint addresses and hosts-file text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tindrel;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (ModelAPI api : {ModelAPI::ollama, ModelAPI::openAI}) {
        (void)ChatProtocol::parseChatAnswer(api, text);
        if (auto models = ChatProtocol::parseModelList(api, text))
            (void)ChatProtocol::chooseModel(*models, "m");
    }
    (void)parseEndpoint(text);
    (void)hostsFileAddresses(text, "localhost");
    return 0;
}
